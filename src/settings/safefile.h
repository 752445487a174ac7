#ifndef SAFEFILE_H
#define SAFEFILE_H

#include <QByteArray>
#include <QString>

#include <optional>

// Reading and replacing the user's files. Only regular files are read or
// replaced: a folder, pipe, device or socket is refused with the reason
// before anything is read or written, and nothing waits on a pipe.

struct FileContents
{
    QByteArray bytes; // at most the limit asked for
    qint64 size = 0;  // the whole file's
};

std::optional<FileContents> readRegularFile(const QString &path, qint64 limit,
                                            QString *errorMessage = nullptr);

// Why the path names something that is not replaced (a folder, pipe,
// device or socket); empty where a file may be written there. Asked before
// any question about writing, so that none is asked in vain.
QString writeRefusal(const QString &path);

// Replaces the file only once every byte is written; on failure the old file,
// if any, stays as it was and errorMessage says why.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *errorMessage = nullptr);

#endif // SAFEFILE_H
