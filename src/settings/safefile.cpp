#include "safefile.h"

#include <QFile>
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
    // Non-blocking, so that opening a pipe returns at once; the kind is
    // checked on what was opened, not on a name that may have changed since.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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
