#ifndef SETTINGSBYTES_H
#define SETTINGSBYTES_H

// Camera settings files as bytes, for the tests of the format and of loading.

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <cstring>

// The form at start: left border, from camera, from focus plane, the two scales, then for
// each camera in use, focus (m), f-number, focal length (mm), CoC (mm); big-endian.
inline const QByteArray atStart = QByteArray::fromHex(
    "3FF0000000000000 01 00 0000000A 0000000A 01 4010000000000000 4000000000000000 "
    "4055400000000000 3F8999999999999A 01 4010000000000000 4000000000000000 "
    "4060E00000000000 3F8999999999999A");

inline QByteArray with(QByteArray bytes, int offset, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        bytes[offset + i] = char(bits >> (56 - 8 * i));
    return bytes;
}

inline QByteArray with(QByteArray bytes, int offset, const QByteArray &replacement)
{
    return bytes.replace(offset, replacement.size(), replacement);
}

// Sharpa's extension block after the record at start: magic, version,
// length, the values, CRC-16/X-25 of all before it.
inline QByteArray extended(quint16 version, const QByteArray &values)
{
    QByteArray block = "Shrp";
    QDataStream(&block, QIODevice::Append) << version << quint32(values.size());
    block += values;
    QDataStream(&block, QIODevice::Append) << qChecksum(block);
    return atStart + block;
}

// Diffraction on for camera 1; camera 1's CoC presets: crop 1.0, 10 million
// pixels, 4:3, from 40 cm on a 25.4 cm print, 3:2; camera 2's crop 1.6.
inline const QByteArray presetValues
    = QByteArray::fromHex("01 00 00000000 00000003 00000001 00000028 00000000 4039666666666666 "
                          "00000002 00000000 00000000 00000000 00000000 0000000000000000");

// Version 2 of the block: camera 1's pupils 0.5, camera 2's 2; diffraction
// at the working f-number, added to the lens's blur.
inline const QByteArray pupilValues
    = QByteArray::fromHex("3FE0000000000000 4000000000000000 01 00");
// The same as the classic model has them.
inline const QByteArray classicValues
    = QByteArray::fromHex("3FF0000000000000 3FF0000000000000 00 00");

#endif // SETTINGSBYTES_H
