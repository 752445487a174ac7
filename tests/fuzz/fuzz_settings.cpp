// libFuzzer target for the settings file decoder: any bytes either decode
// to finite values that encode back to the same record, or are refused
// with a reason.
#include "app/camerasettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<CameraSettings> settings = CameraSettings::fromBytes(bytes, &error);
    if (!settings) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    // What the encoder writes back: the first 84 bytes, each bool as 0 or 1.
    QByteArray record = bytes.left(CameraSettings::fileSize);
    for (int offset : {8, 9, 18, 51})
        record[offset] = record[offset] != 0 ? 1 : 0;
    if (record.size() != CameraSettings::fileSize || settings->toBytes() != record)
        std::abort();
    for (double value : settings->values)
        if (!std::isfinite(value))
            std::abort();
    return 0;
}
