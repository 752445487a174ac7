#ifndef CAMERASETTINGS_H
#define CAMERASETTINGS_H

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

#include "safefile.h"

// How a camera settings file (.cbp) encodes each value it keeps, in the
// file's order. The first recordFields make the 84-byte record that every
// reader of the format knows; the others follow it in Sharpa's extension
// block. Which value each one is, the model's file table says.
enum class SettingsType { Double, Bool, Int32 };

inline constexpr std::size_t recordFields = 15;
inline constexpr std::array<SettingsType, 33> settingsTypes{
    // The record: the chart's view, then each camera's inputs.
    SettingsType::Double, SettingsType::Bool, SettingsType::Bool, SettingsType::Int32,
    SettingsType::Int32, SettingsType::Bool, SettingsType::Double, SettingsType::Double,
    SettingsType::Double, SettingsType::Double, SettingsType::Bool, SettingsType::Double,
    SettingsType::Double, SettingsType::Double, SettingsType::Double,
    // The extension block, version 1: the diffraction switches, then each
    // camera's CoC presets.
    SettingsType::Bool, SettingsType::Bool, SettingsType::Int32, SettingsType::Int32,
    SettingsType::Int32, SettingsType::Int32, SettingsType::Int32, SettingsType::Double,
    SettingsType::Int32, SettingsType::Int32, SettingsType::Int32, SettingsType::Int32,
    SettingsType::Int32, SettingsType::Double,
    // Version 2: each camera's pupil magnification, then how diffraction counts.
    SettingsType::Double, SettingsType::Double, SettingsType::Bool, SettingsType::Bool};

// Where each version of the extension block ends, in settingsTypes: each
// version adds values after those of the versions before it.
inline constexpr std::array<std::size_t, 2> blockVersionEnds{29, settingsTypes.size()};

// The values of settingsTypes, in its order. A bool is 0 or 1, an int a
// whole number: a double holds both exactly.
struct CameraSettings
{
    std::array<double, settingsTypes.size()> values{};
    // How many of the fields a file holds: a plain 84-byte file holds only
    // the record, each version of the block the values up to its end. Written,
    // the block is of the version that ends there, the first where the
    // values of the later ones are left out.
    std::size_t held = settingsTypes.size();
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
                                                   FileError *error = nullptr);
};

namespace SettingsFile {

std::optional<CameraSettings> read(const QString &path, FileError *error = nullptr);
// As the system names the file, in bytes that need not be valid UTF-8.
std::optional<CameraSettings> readNative(const QByteArray &path, FileError *error = nullptr);
// Replaces the file only once every byte is written.
bool write(const QString &path, const CameraSettings &settings, FileError *error = nullptr);

} // namespace SettingsFile

#endif // CAMERASETTINGS_H
