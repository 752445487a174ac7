#include "safefile.h"

#include <QCoreApplication>
#include <QSaveFile>

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *errorMessage)
{
    // Unbuffered, so that a short write shows in write()'s count: commit()
    // does not notice one and would replace the file with a truncated copy.
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
    } else if (const qint64 written = file.write(bytes); written != bytes.size()) {
        error = written < 0
            ? file.errorString()
            : QCoreApplication::translate("mainWin", "Only %1 of %2 bytes could be written.")
                  .arg(written)
                  .arg(bytes.size());
        file.cancelWriting();
    } else if (!file.commit()) {
        error = file.errorString();
    }
    if (errorMessage)
        *errorMessage = error;
    return error.isEmpty();
}
