#ifndef CAMERASETTINGS_H
#define CAMERASETTINGS_H

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// One value that a camera settings file (.cbp) keeps: the control it comes
// from, by object name, and how the file encodes it.
struct SettingsField
{
    enum Type { Double, Bool, Int32 };
    const char *control;
    Type type;
};

// The file's one list of what it keeps: a headerless 84-byte record of these
// values, big-endian, each in its control's own unit (metres, millimetres,
// slider steps). Encoder, decoder, the finiteness check and the form all
// follow it.
inline constexpr std::array<SettingsField, 15> settingsFields{{
    {"DSB_leftBorder", SettingsField::Double},
    {"distanceCam", SettingsField::Bool},
    {"distanceFP", SettingsField::Bool},
    {"qxscale", SettingsField::Int32},
    {"qyscale", SettingsField::Int32},
    {"boxC1", SettingsField::Bool},
    {"c1_fdist", SettingsField::Double},
    {"c1_apature", SettingsField::Double},
    {"c1_flength", SettingsField::Double},
    {"c1_coc", SettingsField::Double},
    {"boxC2", SettingsField::Bool},
    {"c2_fdist", SettingsField::Double},
    {"c2_apature", SettingsField::Double},
    {"c2_flength", SettingsField::Double},
    {"c2_coc", SettingsField::Double},
}};

// The values of settingsFields, in its order. A bool is 0 or 1, an int a
// whole number: a double holds both exactly.
struct CameraSettings
{
    std::array<double, settingsFields.size()> values{};

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
