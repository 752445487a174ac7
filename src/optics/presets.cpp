#include "presets.h"

#include <array>
#include <cmath>

namespace Presets {
namespace {

template<std::size_t N>
double pick(const std::array<double, N> &table, int index)
{
    if (index < 0 || index >= int(N))
        return table.front();
    return table[std::size_t(index)];
}

} // namespace

double cropFactor(int cropIndex)
{
    static constexpr std::array<double, 4> factors{1.0, 1.5, 1.6, 2.0};
    return pick(factors, cropIndex);
}

double megapixels(int qualityIndex)
{
    // "Standard" makes the full-frame result the diagonal divided by about 1503.
    static constexpr std::array<double, 8> millions{4.17, 6, 8, 10, 12, 15, 21, 32};
    return pick(millions, qualityIndex);
}

double aspectRatio(int formIndex)
{
    static constexpr std::array<double, 2> ratios{1.5, 4.0 / 3};
    return pick(ratios, formIndex);
}

double circleOfConfusion(int cropIndex, int qualityIndex, int formIndex)
{
    const double k = cropFactor(cropIndex);
    const double pixels = megapixels(qualityIndex) * 1000000;
    const double aspect = aspectRatio(formIndex);
    const double halfWidth = std::sqrt(pixels * aspect) * 0.5;
    const double halfHeight = std::sqrt(pixels / aspect) * 0.5;
    const double diagonal = std::sqrt((24 / k) * (24 / k) + (36 / k) * (36 / k));
    const double halfDiagonalPixels = std::sqrt(halfHeight * halfHeight + halfWidth * halfWidth);
    return diagonal / halfDiagonalPixels;
}

double viewingCircleOfConfusion(int cropIndex, int formIndex, double viewDistance,
                                double printWidth)
{
    const double diagonal = 43.2666 / cropFactor(cropIndex);
    // The width of a diagonal for the aspect w:h is diagonal * w / sqrt(w² + h²).
    const double sensorWidth = formIndex == 1 ? diagonal * 4 / 5 : diagonal * 3 / std::sqrt(13.0);
    return (viewDistance * 10 / 1250) * sensorWidth / (printWidth * 10);
}

} // namespace Presets
