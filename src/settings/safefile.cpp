#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(FileError *error, const FileError &reason)
{
    if (error)
        *error = reason;
}

FileError systemError()
{
    return {FileError::System, QString::fromLocal8Bit(std::strerror(errno))};
}

FileError systemError(const QString &text)
{
    return {FileError::System, text};
}

// Why a file of this kind is neither read nor replaced; none for a regular file.
std::optional<FileError> refusal(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    return FileError{S_ISDIR(mode) ? FileError::Folder : FileError::NotRegular, {}, 0, 0};
}

} // namespace

std::optional<FileContents> readRegularFile(const QString &path, qint64 limit, FileError *error)
{
    return readNativeFile(QFile::encodeName(path), limit, error);
}

std::optional<FileContents> readNativeFile(const QByteArray &path, qint64 limit, FileError *error)
{
    // Non-blocking, so that opening a pipe returns at once; the kind is
    // checked on what was opened, not on a name that may have changed since.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, systemError());
        return std::nullopt;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        setError(error, systemError());
        return std::nullopt;
    }
    if (const std::optional<FileError> refused = refusal(info.st_mode)) {
        setError(error, *refused);
        return std::nullopt;
    }
    FileContents contents{file.read(limit), info.st_size};
    if (file.error() != QFileDevice::NoError) {
        setError(error, systemError(file.errorString()));
        return std::nullopt;
    }
    return contents;
}

std::optional<FileError> writeRefusal(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? refusal(info.st_mode)
                                                                   : std::nullopt;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, FileError *error)
{
    // A file-size limit would end the program with SIGXFSZ, unsaved work and
    // all; ignored, the write fails with EFBIG and is reported below.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const std::optional<FileError> refused = writeRefusal(path)) {
        setError(error, *refused);
        return false;
    }
    // Unbuffered, so that a short write shows in write()'s count: commit()
    // does not notice one and would replace the file with a truncated copy.
    QSaveFile file(path);
    qint64 written = -1;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        written = file.write(bytes);
    if (written >= 0 && written != bytes.size()) {
        setError(error, {FileError::ShortWrite, {}, written, bytes.size()});
        file.cancelWriting();
        return false;
    }
    if (written < 0 || !file.commit()) {
        setError(error, systemError(file.errorString()));
        return false;
    }
    return true;
}

namespace {

// What stands at the path, unfollowed: nothing, a folder or a regular file
// as asked, or something refused.
std::optional<FileError> notPlain(const QByteArray &path, bool folder)
{
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0)
        return errno == ENOENT ? std::nullopt : std::optional<FileError>(systemError());
    if (folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode))
        return std::nullopt;
    const FileError::Reason reason = folder ? FileError::NotAFolder
        : S_ISDIR(info.st_mode)             ? FileError::Folder
                                            : FileError::NotRegular;
    return FileError{reason, {}, 0, 0};
}

} // namespace

bool writePrivateFile(const QString &path, const QByteArray &bytes, FileError *error)
{
    const QFileInfo place(path);
    const QByteArray folder = QFile::encodeName(place.path());
    const QByteArray name = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(place.path()).path());
    std::optional<FileError> refused = notPlain(folder, true);
    if (!refused && ::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        refused = systemError();
    if (!refused)
        refused = notPlain(folder, true);
    if (!refused)
        refused = notPlain(name, false);
    if (refused) {
        setError(error, *refused);
        return false;
    }
    // A new file of its own beside it, put in place by a rename, which
    // replaces what stands at the path and follows no link.
    const QByteArray written = name + ".new-" + QByteArray::number(qint64(::getpid()));
    const int fd
        = ::open(written.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        setError(error, systemError());
        return false;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    std::optional<FileError> failure;
    qint64 done = 0;
    while (!failure && done < bytes.size()) {
        const ssize_t part
            = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (part < 0)
            failure = systemError();
        else if (part == 0)
            failure = FileError{FileError::ShortWrite, {}, done, bytes.size()};
        else
            done += part;
    }
    if (!failure && ::fsync(fd) != 0)
        failure = systemError();
    ::close(fd);
    if (!failure && ::rename(written.constData(), name.constData()) != 0)
        failure = systemError();
    if (failure) {
        setError(error, *failure);
        ::unlink(written.constData());
        return false;
    }
    return true;
}
