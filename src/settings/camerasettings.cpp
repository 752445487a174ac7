#include "camerasettings.h"

#include "safefile.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <cmath>

namespace {

// Pinned so that no later Qt changes the encoding of files users already
// have. bool, qint32 and double are encoded alike in every version since 4.0.
constexpr QDataStream::Version streamVersion = QDataStream::Qt_4_0;

// The extension block: magic, version, length of the values that follow,
// the values, and a CRC-16/X-25 (qChecksum) of everything before it.
constexpr char magic[] = "Shrp";
constexpr int magicSize = 4;
constexpr int blockHeader = magicSize + 2 + 4;
constexpr int blockTrailer = 2;

constexpr int encodedSize(std::size_t from, std::size_t to)
{
    int size = 0;
    for (std::size_t k = from; k < to; ++k)
        size += settingsTypes[k] == SettingsType::Double ? 8
            : settingsTypes[k] == SettingsType::Int32    ? 4
                                                         : 1;
    return size;
}
static_assert(encodedSize(0, recordFields) == CameraSettings::recordSize);

void setError(FileError *error, FileError::Reason reason, qint64 size = 0)
{
    if (error)
        *error = {reason, {}, size, CameraSettings::recordSize};
}

QByteArray encode(const CameraSettings &settings, std::size_t from, std::size_t to)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    for (std::size_t k = from; k < to; ++k) {
        const double value = settings.values[k];
        switch (settingsTypes[k]) {
        case SettingsType::Double:
            out << value;
            break;
        case SettingsType::Bool:
            out << (value != 0);
            break;
        case SettingsType::Int32:
            out << qint32(value);
            break;
        }
    }
    return bytes;
}

// False, saying why, where a value is not a finite number.
bool decode(const QByteArray &bytes, std::size_t from, std::size_t to, CameraSettings &settings,
            FileError *error)
{
    QDataStream in(bytes);
    in.setVersion(streamVersion);
    for (std::size_t k = from; k < to; ++k) {
        double &value = settings.values[k];
        if (settingsTypes[k] == SettingsType::Bool) {
            bool flag = false;
            in >> flag;
            value = flag ? 1 : 0;
        } else if (settingsTypes[k] == SettingsType::Int32) {
            qint32 number = 0;
            in >> number;
            value = number;
        } else {
            in >> value;
        }
        if (!std::isfinite(value)) {
            setError(error, FileError::NotANumber);
            return false;
        }
    }
    return true;
}

} // namespace

QByteArray CameraSettings::toBytes() const
{
    // A newer version's values follow all that this one knows.
    const std::size_t end
        = newerValues.isEmpty() ? std::max(held, blockVersionEnds.front()) : settingsTypes.size();
    const auto version = quint16(std::find(blockVersionEnds.begin(), blockVersionEnds.end(), end)
                                 - blockVersionEnds.begin() + 1);
    const QByteArray values = encode(*this, recordFields, end) + newerValues;
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out.writeRawData(magic, magicSize);
    out << (newerValues.isEmpty() ? version : newerVersion) << quint32(values.size());
    out.writeRawData(values.constData(), int(values.size()));
    out << qChecksum(block);
    return encode(*this, 0, recordFields) + block;
}

std::optional<CameraSettings> CameraSettings::fromBytes(const QByteArray &bytes, FileError *error)
{
    // What follows the record must say that it is Sharpa's block: a PNG is
    // no settings file, whatever its first 84 bytes decode to.
    if (bytes.size() < recordSize
        || (bytes.size() > recordSize && bytes.mid(recordSize, magicSize) != magic)) {
        setError(error, FileError::WrongSize, bytes.size());
        return std::nullopt;
    }
    CameraSettings settings;
    if (!decode(bytes.left(recordSize), 0, recordFields, settings, error))
        return std::nullopt;
    settings.held = recordFields;
    if (bytes.size() == recordSize)
        return settings;

    const QByteArray block = bytes.mid(recordSize);
    QDataStream in(block);
    in.setVersion(streamVersion);
    in.skipRawData(magicSize);
    quint16 version = 0;
    quint32 length = 0;
    in >> version >> length;
    const std::size_t end = blockVersionEnds.at(
        std::min<std::size_t>(std::max<quint16>(version, 1), blockVersionEnds.size()) - 1);
    const int known = encodedSize(recordFields, end);
    quint16 checksum = 0;
    QDataStream(block.right(blockTrailer)) >> checksum;
    // Each version adds values after those of the versions before it: a
    // known version holds just its own, a newer one more.
    const bool newer = version > blockVersionEnds.size();
    if (block.size() < blockHeader + blockTrailer || version == 0
        || qint64(length) != block.size() - blockHeader - blockTrailer
        || (newer ? length < quint32(known) : length != quint32(known))
        || checksum != qChecksum(block.chopped(blockTrailer))) {
        setError(error, FileError::Damaged);
        return std::nullopt;
    }
    if (!decode(block.mid(blockHeader), recordFields, end, settings, error))
        return std::nullopt;
    settings.held = end;
    if (newer) {
        settings.newerValues = block.mid(blockHeader + known, qsizetype(length) - known);
        settings.newerVersion = version;
    }
    return settings;
}

namespace SettingsFile {

std::optional<CameraSettings> read(const QString &path, FileError *error)
{
    return readNative(QFile::encodeName(path), error);
}

std::optional<CameraSettings> readNative(const QByteArray &path, FileError *error)
{
    const std::optional<FileContents> contents
        = readNativeFile(path, CameraSettings::largestFile, error);
    if (!contents)
        return std::nullopt;
    if (contents->size > CameraSettings::largestFile) {
        setError(error, FileError::WrongSize, contents->size);
        return std::nullopt;
    }
    return CameraSettings::fromBytes(contents->bytes, error);
}

bool write(const QString &path, const CameraSettings &settings, FileError *error)
{
    return writeWholeFile(path, settings.toBytes(), error);
}

} // namespace SettingsFile
