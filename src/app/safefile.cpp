#include "safefile.h"

#include <QCoreApplication>
#include <QSaveFile>

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *errorMessage)
{
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
    if (errorMessage)
        *errorMessage = error;
    return error.isEmpty();
}
