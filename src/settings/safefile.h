#ifndef SAFEFILE_H
#define SAFEFILE_H

#include <QByteArray>
#include <QString>

#include <optional>

// Reading and replacing the user's files. Only regular files are read or
// replaced: a folder, pipe, device or socket is refused with the reason
// before anything is read or written, and nothing waits on a pipe.

// Why a file could not be read, written or taken as a settings file: a
// reason for the window to put in the user's words, with what it needs.
struct FileError
{
    enum Reason {
        System,     // the system's own words, in text
        Folder,     // the name is a folder's
        NotRegular, // a device, a pipe or a socket
        NotAFolder, // where a folder should be, a file or a link
        ShortWrite, // only count of total bytes were written
        WrongSize,  // count bytes, where a settings file holds total
        NotANumber, // a value that is not a finite number
        Damaged,    // the extension block's checks fail
    };
    Reason reason = System;
    QString text;
    qint64 count = 0;
    qint64 total = 0;
};

struct FileContents
{
    QByteArray bytes; // at most the limit asked for
    qint64 size = 0;  // the whole file's
};

std::optional<FileContents> readRegularFile(const QString &path, qint64 limit,
                                            FileError *error = nullptr);
// The same for a path as the system names it, which need not be valid UTF-8.
std::optional<FileContents> readNativeFile(const QByteArray &path, qint64 limit,
                                           FileError *error = nullptr);

// Why the path names something that is not replaced (a folder, pipe,
// device or socket); none where a file may be written there. Asked before
// any question about writing, so that none is asked in vain.
std::optional<FileError> writeRefusal(const QString &path);

// Replaces the file only once every byte is written; on failure the old file,
// if any, stays as it was and error says why.
bool writeWholeFile(const QString &path, const QByteArray &bytes, FileError *error = nullptr);

// A file that only the program reads back, readable by the user alone, in
// a folder that it makes where there is none: written whole to a file of
// its own, then put in place, never through a link and never over anything
// but a regular file. A link, a folder or any other thing at the path or
// instead of the folder is refused.
bool writePrivateFile(const QString &path, const QByteArray &bytes, FileError *error = nullptr);

#endif // SAFEFILE_H
