#include "camerasettings.h"

#include "safefile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>

#include <cmath>

namespace {

// Pinned so that no later Qt changes the encoding of files users already
// have. bool, qint32 and double are encoded alike in every version since 4.0.
constexpr QDataStream::Version streamVersion = QDataStream::Qt_4_0;

void setError(QString *errorMessage, const QString &text)
{
    if (errorMessage)
        *errorMessage = text;
}

} // namespace

QByteArray CameraSettings::toBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    for (std::size_t k = 0; k < settingsFields.size(); ++k) {
        switch (settingsFields[k].type) {
        case SettingsField::Double:
            out << values[k];
            break;
        case SettingsField::Bool:
            out << (values[k] != 0);
            break;
        case SettingsField::Int32:
            out << qint32(values[k]);
            break;
        }
    }
    return bytes;
}

std::optional<CameraSettings> CameraSettings::fromBytes(const QByteArray &bytes,
                                                        QString *errorMessage)
{
    if (bytes.size() < fileSize) {
        setError(errorMessage,
                 QCoreApplication::translate("mainWin",
                                             "It holds %1 bytes; a camera settings file holds %2.")
                     .arg(bytes.size())
                     .arg(fileSize));
        return std::nullopt;
    }
    CameraSettings settings;
    QDataStream in(bytes.left(fileSize));
    in.setVersion(streamVersion);
    for (std::size_t k = 0; k < settingsFields.size(); ++k) {
        double &value = settings.values[k];
        if (settingsFields[k].type == SettingsField::Bool) {
            bool flag = false;
            in >> flag;
            value = flag ? 1 : 0;
        } else if (settingsFields[k].type == SettingsField::Int32) {
            qint32 number = 0;
            in >> number;
            value = number;
        } else {
            in >> value;
        }
        if (!std::isfinite(value)) {
            setError(
                errorMessage,
                QCoreApplication::translate("mainWin", "It holds a value that is not a number."));
            return std::nullopt;
        }
    }
    return settings;
}

namespace SettingsFile {

std::optional<CameraSettings> read(const QString &path, QString *errorMessage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(errorMessage, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(CameraSettings::fileSize);
    if (file.error() != QFileDevice::NoError) {
        setError(errorMessage, file.errorString());
        return std::nullopt;
    }
    return CameraSettings::fromBytes(bytes, errorMessage);
}

bool write(const QString &path, const CameraSettings &settings, QString *errorMessage)
{
    return writeWholeFile(path, settings.toBytes(), errorMessage);
}

} // namespace SettingsFile
