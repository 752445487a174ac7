// libFuzzer target for the settings file decoder: any bytes either decode
// to finite values that encode back to the same record, or are refused.
#include "app/camerasettings.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// What the encoder writes back: the first 84 bytes, each bool as 0 or 1.
QByteArray normalised(const QByteArray &bytes)
{
    QByteArray record = bytes.left(CameraSettings::fileSize);
    for (int offset : {8, 9, 18, 51})
        record[offset] = record[offset] != 0 ? 1 : 0;
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<CameraSettings> settings = CameraSettings::fromBytes(bytes, &error);
    if (!settings) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    if (size < std::size_t(CameraSettings::fileSize))
        std::abort();
    for (const double value :
         {settings->leftBorder, settings->cameras[0].fdist, settings->cameras[0].apature,
          settings->cameras[0].flength, settings->cameras[0].coc, settings->cameras[1].fdist,
          settings->cameras[1].apature, settings->cameras[1].flength, settings->cameras[1].coc}) {
        if (!std::isfinite(value))
            std::abort();
    }
    if (settings->toBytes() != normalised(bytes))
        std::abort();
    return 0;
}
