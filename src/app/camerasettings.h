#ifndef CAMERASETTINGS_H
#define CAMERASETTINGS_H

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The values of the form that a camera settings file (.cbp) keeps: a
// headerless 84-byte record of 15 big-endian values, each in its control's
// own unit (metres, millimetres, slider steps).
struct CameraSettings
{
    struct Camera
    {
        bool inUse = false;
        double fdist = 0; // m
        double apature = 0;
        double flength = 0; // mm
        double coc = 0;     // mm
    };

    double leftBorder = 0; // m
    bool distanceCam = false;
    bool distanceFP = false;
    qint32 xScale = 0;
    qint32 yScale = 0;
    std::array<Camera, 2> cameras;

    static constexpr int fileSize = 84;

    QByteArray toBytes() const;
    // Reads the first 84 bytes. Fails, saying why, on fewer bytes or on a
    // value that is not a finite number.
    static std::optional<CameraSettings> fromBytes(const QByteArray &bytes,
                                                   QString *errorMessage = nullptr);
};

namespace SettingsFile {

std::optional<CameraSettings> read(const QString &path, QString *errorMessage = nullptr);
// Replaces the file only once every byte is written.
bool write(const QString &path, const CameraSettings &settings, QString *errorMessage = nullptr);

} // namespace SettingsFile

#endif // CAMERASETTINGS_H
