#ifndef SETTINGSBYTES_H
#define SETTINGSBYTES_H

#include <QByteArray>
#include <QFile>

#include <cstring>

// The settings file of the form as it starts, byte for byte.
inline QByteArray formAtStartBytes()
{
    return QByteArray::fromHex("3FF0000000000000"
                               "01"
                               "00"
                               "0000000A"
                               "0000000A"
                               "01"
                               "4010000000000000"
                               "4000000000000000"
                               "4055400000000000"
                               "3F8999999999999A"
                               "01"
                               "4010000000000000"
                               "4000000000000000"
                               "4060E00000000000"
                               "3F8999999999999A");
}

// The bytes with the big-endian double at offset replaced.
inline QByteArray withDouble(QByteArray bytes, int offset, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        bytes[offset + i] = char(bits >> (56 - 8 * i));
    return bytes;
}

// Writes the bytes as a whole file.
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

#endif // SETTINGSBYTES_H
