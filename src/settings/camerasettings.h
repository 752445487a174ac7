#ifndef CAMERASETTINGS_H
#define CAMERASETTINGS_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

// One value that a camera settings file (.cbp) keeps: the control it comes
// from, by object name, how the file encodes it, and how a message names it
// (the camera, 0 for none, and the form's own text for the control).
struct SettingsField
{
    enum Type { Double, Bool, Int32 };
    const char *control;
    Type type;
    int camera;
    const char *label;

    QString title() const;
};

// The file's one list of what it keeps, each value in its control's own
// unit (metres, millimetres, slider steps, list positions). The first
// recordFields make the 84-byte record that every reader of the format
// knows; the others follow it in Sharpa's extension block.
inline constexpr std::size_t recordFields = 15;
inline constexpr std::array<SettingsField, 29> settingsFields{{
    {"DSB_leftBorder", SettingsField::Double, 0, QT_TRANSLATE_NOOP("mainWin", "Left Border")},
    {"distanceCam", SettingsField::Bool, 0, QT_TRANSLATE_NOOP("mainWin", "Distance from Camera")},
    {"distanceFP", SettingsField::Bool, 0,
     QT_TRANSLATE_NOOP("mainWin", "Distance from focus plane")},
    {"qxscale", SettingsField::Int32, 0, QT_TRANSLATE_NOOP("mainWin", "Distance scale")},
    {"qyscale", SettingsField::Int32, 0, QT_TRANSLATE_NOOP("mainWin", "Uz-Scale")},
    {"boxC1", SettingsField::Bool, 0, QT_TRANSLATE_NOOP("mainWin", "Camera 1")},
    {"c1_fdist", SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Focus")},
    {"c1_apature", SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Apature")},
    {"c1_flength", SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Focal length")},
    {"c1_coc", SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Circel of Confusion")},
    {"boxC2", SettingsField::Bool, 0, QT_TRANSLATE_NOOP("mainWin", "Camera 2")},
    {"c2_fdist", SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Focus")},
    {"c2_apature", SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Apature")},
    {"c2_flength", SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Focal length")},
    {"c2_coc", SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Circel of Confusion")},
    // The extension block, version 1.
    {"c1_calcDef", SettingsField::Bool, 1, QT_TRANSLATE_NOOP("mainWin", "Calc with diffraction")},
    {"c2_calcDef", SettingsField::Bool, 2, QT_TRANSLATE_NOOP("mainWin", "Calc with diffraction")},
    {"c1_crop", SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Crop factor")},
    {"c1_quality", SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Quality")},
    {"comboBox_7", SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {"spinBox_2", SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "View distance")},
    {"comboBox_8", SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {"doubleSpinBox_10", SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Image width")},
    {"c2_crop", SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Crop factor")},
    {"c2_quality", SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Quality")},
    {"comboBox_4", SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {"spinBox", SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "View distance")},
    {"comboBox_5", SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {"doubleSpinBox_7", SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Image width")},
}};

// The values of settingsFields, in its order. A bool is 0 or 1, an int a
// whole number: a double holds both exactly.
struct CameraSettings
{
    std::array<double, settingsFields.size()> values{};
    // How many of the fields a file held: a plain 84-byte file holds only
    // the record, and a load leaves the other controls as they are.
    std::size_t held = settingsFields.size();
    // What a newer version of the extension block holds beyond the values
    // known here, and that version: written back as they came, so that a
    // file saved here loses nothing that a newer Sharpa put in it.
    QByteArray newerValues;
    quint16 newerVersion = 0;

    static constexpr int recordSize = 84;
    // No file of any version of the block is larger.
    static constexpr int largestFile = 65536;

    // The record and the extension block.
    QByteArray toBytes() const;
    // Exactly 84 bytes, or 84 followed by a sound extension block; anything
    // else fails, saying why, as does a value that is not a finite number.
    static std::optional<CameraSettings> fromBytes(const QByteArray &bytes,
                                                   QString *errorMessage = nullptr);
};

namespace SettingsFile {

std::optional<CameraSettings> read(const QString &path, QString *errorMessage = nullptr);
// Replaces the file only once every byte is written.
bool write(const QString &path, const CameraSettings &settings, QString *errorMessage = nullptr);

} // namespace SettingsFile

#endif // CAMERASETTINGS_H
