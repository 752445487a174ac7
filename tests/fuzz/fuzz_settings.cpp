// libFuzzer target for the settings file decoder: any bytes either decode
// to finite values that encode back to the same record and values, or are
// refused with a reason.
#include "settings/camerasettings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // Bytes are refused for what they hold, never for the system's reasons.
    FileError error{FileError::System, {}, 0, 0};
    const std::optional<CameraSettings> settings = CameraSettings::fromBytes(bytes, &error);
    if (!settings) {
        if (error.reason == FileError::System)
            std::abort();
        return 0;
    }
    // What the encoder writes back: the same record, each bool as 0 or 1,
    // and a block that decodes to the same values.
    QByteArray record = bytes.left(CameraSettings::recordSize);
    for (int offset : {8, 9, 18, 51})
        record[offset] = record[offset] != 0 ? 1 : 0;
    const QByteArray again = settings->toBytes();
    const std::optional<CameraSettings> reread = CameraSettings::fromBytes(again);
    if (again.left(CameraSettings::recordSize) != record || !reread
        || !std::equal(settings->values.begin(), settings->values.begin() + settings->held,
                       reread->values.begin()))
        std::abort();
    for (double value : settings->values)
        if (!std::isfinite(value))
            std::abort();
    return 0;
}
