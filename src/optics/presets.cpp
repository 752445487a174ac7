#include "presets.h"

#include <algorithm>
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
    // Later entries are appended, so that every stored list position keeps its meaning.
    static constexpr std::array<double, cropFactorCount> factors{1.0, 1.5, 1.6,  2.0,
                                                                 1.3, 2.7, 0.79, 0.64};
    return pick(factors, cropIndex);
}

double megapixels(int qualityIndex)
{
    // "Standard" makes the full-frame result the diagonal divided by about 1503.
    static constexpr std::array<double, qualityCount> millions{4.17, 6,  8,  10, 12, 15,
                                                               21,   32, 45, 61, 100};
    return pick(millions, qualityIndex);
}

double aspectRatio(int formIndex)
{
    static constexpr std::array<double, formFactorCount> ratios{1.5, 4.0 / 3};
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

double sensorDiagonal(int cropIndex)
{
    return 43.2666 / cropFactor(cropIndex);
}

double sensorWidth(int cropIndex, int formIndex)
{
    const double diagonal = sensorDiagonal(cropIndex);
    // The width of a diagonal for the aspect w:h is diagonal * w / sqrt(w² + h²).
    return formIndex == 1 ? diagonal * 4 / 5 : diagonal * 3 / std::sqrt(13.0);
}

double viewingCircleOfConfusion(int cropIndex, int formIndex, double viewDistance,
                                double printWidth)
{
    return (viewDistance * 10 / 1250) * sensorWidth(cropIndex, formIndex) / (printWidth * 10);
}

double stepFNumber(double value, int steps)
{
    static constexpr std::array<double, 37> stops{
        1.0, 1.1, 1.2, 1.4, 1.6, 1.8, 2,  2.2, 2.5, 2.8, 3.2, 3.5, 4,  4.5, 5,  5.6, 6.3, 7.1, 8,
        9,   10,  11,  13,  14,  16,  18, 20,  22,  25,  29,  32,  36, 40,  45, 51,  57,  64};
    for (; steps > 0; --steps)
        value = *std::upper_bound(stops.begin(), stops.end() - 1, value);
    for (; steps < 0 && value > stops.front(); ++steps)
        value = *(std::lower_bound(stops.begin() + 1, stops.end(), value) - 1);
    return value;
}

} // namespace Presets
