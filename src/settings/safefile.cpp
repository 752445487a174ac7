#include "safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(QString *errorMessage, const QString &text)
{
    if (errorMessage)
        *errorMessage = text;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why a file of this kind is neither read nor replaced; empty for a regular file.
QString refusal(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    return S_ISDIR(mode) ? QCoreApplication::translate("mainWin", "It is a folder.")
                         : QCoreApplication::translate(
                             "mainWin", "It is a device, a pipe or a socket, not a regular file.");
}

} // namespace

std::optional<FileContents> readRegularFile(const QString &path, qint64 limit,
                                            QString *errorMessage)
{
    // Non-blocking, so that opening a pipe returns at once; the kind is
    // checked on what was opened, not on a name that may have changed since.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(errorMessage, systemError());
        return std::nullopt;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !refusal(info.st_mode).isEmpty()) {
        setError(errorMessage,
                 refusal(info.st_mode).isEmpty() ? systemError() : refusal(info.st_mode));
        return std::nullopt;
    }
    FileContents contents{file.read(limit), info.st_size};
    if (file.error() != QFileDevice::NoError) {
        setError(errorMessage, file.errorString());
        return std::nullopt;
    }
    return contents;
}

QString writeRefusal(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? refusal(info.st_mode)
                                                                   : QString();
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *errorMessage)
{
    // A file-size limit would end the program with SIGXFSZ, unsaved work and
    // all; ignored, the write fails with EFBIG and is reported below.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const QString refused = writeRefusal(path); !refused.isEmpty()) {
        setError(errorMessage, refused);
        return false;
    }
    // Unbuffered, so that a short write shows in write()'s count: commit()
    // does not notice one and would replace the file with a truncated copy.
    QSaveFile file(path);
    qint64 written = -1;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        written = file.write(bytes);
    QString error;
    if (written >= 0 && written != bytes.size()) {
        error = QCoreApplication::translate("mainWin", "Only %1 of %2 bytes could be written.")
                    .arg(written)
                    .arg(bytes.size());
        file.cancelWriting();
    } else if (written < 0 || !file.commit()) {
        error = file.errorString();
    }
    setError(errorMessage, error);
    return error.isEmpty();
}
