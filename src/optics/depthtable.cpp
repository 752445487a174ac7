#include "depthtable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr std::array<double, 14> fullStops{0.7, 1, 1.4, 2, 2.8, 4, 5.6, 8, 11, 16, 22, 32, 45, 64};
// Columns of a table: as many as fit a portrait page beside the focus.
constexpr std::size_t stopsShown = 9;
// Rows beyond that would not fit a page beside the other camera's.
constexpr std::size_t mostRows = 16;

} // namespace

DepthTable DepthTable::build(const CameraOptics &camera, bool withDiffraction, LengthUnit unit,
                             double minimum, double maximum, DistanceOrigin origin)
{
    DepthTable table;
    std::vector<double> stops;
    std::copy_if(fullStops.begin(), fullStops.end(), std::back_inserter(stops),
                 [&](double stop) { return stop >= minimum && stop <= maximum; });
    // The stops f/1.4 to f/22 where they hold the stop nearest the camera's.
    const auto nearest = std::min_element(stops.begin(), stops.end(), [&](double a, double b) {
        return std::abs(std::log(a / camera.apature)) < std::abs(std::log(b / camera.apature));
    });
    const auto placeOf = [&](auto stop) {
        return std::size_t(stop - stops.begin());
    };
    const std::size_t held = placeOf(nearest);
    const std::size_t shown = std::min(stopsShown, stops.size());
    const auto usual = std::find(stops.begin(), stops.end(), 1.4);
    std::size_t first = usual == stops.end() ? 0 : placeOf(usual);
    // Elsewhere the camera's stop in the middle, as far as the series goes.
    if (held < first || held >= first + shown)
        first = std::min(held > shown / 2 ? held - shown / 2 : 0, stops.size() - shown);
    table.apatures.assign(stops.begin() + std::ptrdiff_t(first),
                          stops.begin() + std::ptrdiff_t(first + shown));
    const auto own = std::lower_bound(table.apatures.begin(), table.apatures.end(), camera.apature);
    table.ownColumn = std::size_t(own - table.apatures.begin());
    if (own == table.apatures.end() || *own != camera.apature)
        table.apatures.insert(own, camera.apature);

    const double from = origin.fromLens(2 * camera.flength);
    double widest = from;
    for (const double apature : table.apatures) {
        const double focus = farLimitInfiniteFrom(camera.atApature(apature), withDiffraction);
        table.hyperfocals.push_back(focus);
        if (origin.fromLens(focus) > widest) // NaN where nothing is sharp: no row for it
            widest = origin.fromLens(focus);
    }
    const double unitMm = Length::in(1, unit).millimetres();
    // 1, 2 and 5 times the powers of ten of the unit.
    double decade = std::pow(10, std::floor(std::log10(from / unitMm))) * unitMm;
    for (int k = 0; table.focuses.size() < mostRows; ++k) {
        const double round = decade * std::array<double, 3>{1, 2, 5}[std::size_t(k % 3)];
        if (k % 3 == 2)
            decade *= 10;
        if (round < from)
            continue;
        table.focuses.push_back(origin.focusAt(round, std::numeric_limits<double>::infinity()));
        if (round > widest)
            break;
    }
    return table;
}

double DepthTable::focusAt(std::size_t row, std::size_t column) const
{
    return row == 0 ? hyperfocals[column] : focuses[row - 1];
}

DepthOfField DepthTable::cell(const CameraOptics &camera, bool withDiffraction, std::size_t row,
                              std::size_t column) const
{
    CameraOptics focused = camera.atApature(apatures[column]);
    focused.fdist = focusAt(row, column);
    return depthOfField(focused, withDiffraction);
}
