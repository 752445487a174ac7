#include "camerasettings.h"

#include "safefile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace {

// Pinned so that no later Qt changes the encoding of files users already
// have. bool, qint32 and double are encoded alike in every version since 4.0.
constexpr QDataStream::Version streamVersion = QDataStream::Qt_4_0;

// The extension block: magic, version, length of the values that follow,
// the values, and a CRC-16/X-25 (qChecksum) of everything before it.
constexpr char magic[] = "Shrp";
constexpr int magicSize = 4;
constexpr quint16 blockVersion = 1;
constexpr int blockHeader = magicSize + 2 + 4;
constexpr int blockTrailer = 2;

constexpr int encodedSize(std::size_t from, std::size_t to)
{
    int size = 0;
    for (std::size_t k = from; k < to; ++k)
        size += settingsFields[k].type == SettingsField::Double ? 8
            : settingsFields[k].type == SettingsField::Int32    ? 4
                                                                : 1;
    return size;
}
static_assert(encodedSize(0, recordFields) == CameraSettings::recordSize);

void setError(QString *errorMessage, const QString &text)
{
    if (errorMessage)
        *errorMessage = text;
}

QString sizeError(qint64 size)
{
    return QCoreApplication::translate("mainWin",
                                       "It holds %1 bytes; a camera settings file holds %2.")
        .arg(size)
        .arg(CameraSettings::recordSize);
}

QByteArray encode(const CameraSettings &settings, std::size_t from, std::size_t to)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    for (std::size_t k = from; k < to; ++k) {
        const double value = settings.values[k];
        switch (settingsFields[k].type) {
        case SettingsField::Double:
            out << value;
            break;
        case SettingsField::Bool:
            out << (value != 0);
            break;
        case SettingsField::Int32:
            out << qint32(value);
            break;
        }
    }
    return bytes;
}

// False, saying why, where a value is not a finite number.
bool decode(const QByteArray &bytes, std::size_t from, std::size_t to, CameraSettings &settings,
            QString *errorMessage)
{
    QDataStream in(bytes);
    in.setVersion(streamVersion);
    for (std::size_t k = from; k < to; ++k) {
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
            return false;
        }
    }
    return true;
}

} // namespace

QString SettingsField::title() const
{
    const QString text = QCoreApplication::translate("mainWin", label);
    return camera == 0
        ? text
        : QCoreApplication::translate("mainWin", "Camera %1, %2").arg(camera).arg(text);
}

QByteArray CameraSettings::toBytes() const
{
    const QByteArray values = encode(*this, recordFields, settingsFields.size()) + newerValues;
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out.writeRawData(magic, magicSize);
    out << (newerValues.isEmpty() ? blockVersion : newerVersion) << quint32(values.size());
    out.writeRawData(values.constData(), int(values.size()));
    out << qChecksum(block);
    return encode(*this, 0, recordFields) + block;
}

std::optional<CameraSettings> CameraSettings::fromBytes(const QByteArray &bytes,
                                                        QString *errorMessage)
{
    // What follows the record must say that it is Sharpa's block: a PNG is
    // no settings file, whatever its first 84 bytes decode to.
    if (bytes.size() < recordSize
        || (bytes.size() > recordSize && bytes.mid(recordSize, magicSize) != magic)) {
        setError(errorMessage, sizeError(bytes.size()));
        return std::nullopt;
    }
    CameraSettings settings;
    if (!decode(bytes.left(recordSize), 0, recordFields, settings, errorMessage))
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
    constexpr int known = encodedSize(recordFields, settingsFields.size());
    quint16 checksum = 0;
    QDataStream(block.right(blockTrailer)) >> checksum;
    // Each version adds values after those of the versions before it.
    if (block.size() < blockHeader + blockTrailer || version == 0
        || qint64(length) != block.size() - blockHeader - blockTrailer || length < quint32(known)
        || checksum != qChecksum(block.chopped(blockTrailer))) {
        setError(errorMessage,
                 QCoreApplication::translate("mainWin", "Its extension block is damaged."));
        return std::nullopt;
    }
    if (!decode(block.mid(blockHeader), recordFields, settingsFields.size(), settings,
                errorMessage))
        return std::nullopt;
    settings.held = settingsFields.size();
    if (length > quint32(known)) {
        settings.newerValues = block.mid(blockHeader + known, qsizetype(length) - known);
        settings.newerVersion = version;
    }
    return settings;
}

namespace SettingsFile {

std::optional<CameraSettings> read(const QString &path, QString *errorMessage)
{
    const std::optional<FileContents> contents
        = readRegularFile(path, CameraSettings::largestFile, errorMessage);
    if (!contents)
        return std::nullopt;
    if (contents->size > CameraSettings::largestFile) {
        setError(errorMessage, sizeError(contents->size));
        return std::nullopt;
    }
    return CameraSettings::fromBytes(contents->bytes, errorMessage);
}

bool write(const QString &path, const CameraSettings &settings, QString *errorMessage)
{
    return writeWholeFile(path, settings.toBytes(), errorMessage);
}

} // namespace SettingsFile
