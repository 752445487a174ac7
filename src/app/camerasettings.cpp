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
    out << leftBorder << distanceCam << distanceFP << xScale << yScale;
    for (const Camera &camera : cameras)
        out << camera.inUse << camera.fdist << camera.apature << camera.flength << camera.coc;
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
    in >> settings.leftBorder >> settings.distanceCam >> settings.distanceFP >> settings.xScale
        >> settings.yScale;
    for (Camera &camera : settings.cameras)
        in >> camera.inUse >> camera.fdist >> camera.apature >> camera.flength >> camera.coc;

    const std::array<double, 9> numbers{
        settings.leftBorder,         settings.cameras[0].fdist,   settings.cameras[0].apature,
        settings.cameras[0].flength, settings.cameras[0].coc,     settings.cameras[1].fdist,
        settings.cameras[1].apature, settings.cameras[1].flength, settings.cameras[1].coc};
    for (double number : numbers) {
        if (!std::isfinite(number)) {
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
