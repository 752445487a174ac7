#ifndef CAMERASETTINGS_H
#define CAMERASETTINGS_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

// One value that a camera settings file (.cbp) keeps: how the file encodes
// it, and how a message names it (the camera, 0 for none, and the form's own
// text for its control).
struct SettingsField
{
    enum Type { Double, Bool, Int32 };
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
    {SettingsField::Double, 0, QT_TRANSLATE_NOOP("mainWin", "Left Border")},
    {SettingsField::Bool, 0, QT_TRANSLATE_NOOP("mainWin", "Distance from Camera")},
    {SettingsField::Bool, 0, QT_TRANSLATE_NOOP("mainWin", "Distance from focus plane")},
    {SettingsField::Int32, 0, QT_TRANSLATE_NOOP("mainWin", "Distance scale")},
    {SettingsField::Int32, 0, QT_TRANSLATE_NOOP("mainWin", "Uz-Scale")},
    {SettingsField::Bool, 0, QT_TRANSLATE_NOOP("mainWin", "Camera 1")},
    {SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Focus")},
    {SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Apature")},
    {SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Focal length")},
    {SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Circel of Confusion")},
    {SettingsField::Bool, 0, QT_TRANSLATE_NOOP("mainWin", "Camera 2")},
    {SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Focus")},
    {SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Apature")},
    {SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Focal length")},
    {SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Circel of Confusion")},
    // The extension block, version 1.
    {SettingsField::Bool, 1, QT_TRANSLATE_NOOP("mainWin", "Calc with diffraction")},
    {SettingsField::Bool, 2, QT_TRANSLATE_NOOP("mainWin", "Calc with diffraction")},
    {SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Crop factor")},
    {SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Quality")},
    {SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "View distance")},
    {SettingsField::Int32, 1, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {SettingsField::Double, 1, QT_TRANSLATE_NOOP("mainWin", "Image width")},
    {SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Crop factor")},
    {SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Quality")},
    {SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "View distance")},
    {SettingsField::Int32, 2, QT_TRANSLATE_NOOP("mainWin", "Form Factor")},
    {SettingsField::Double, 2, QT_TRANSLATE_NOOP("mainWin", "Image width")},
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
