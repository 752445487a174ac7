#include "matching.h"

#include <cmath>
#include <functional>
#include <limits>

namespace Matching {
namespace {

constexpr double none = std::numeric_limits<double>::quiet_NaN();

double totalDepth(const CameraSetup &side)
{
    const DepthOfField limits = depthOfField(side.optics, side.diffraction);
    return limits.state == DepthOfField::Sharp ? limits.farLimit - limits.nearLimit : none;
}

double backgroundShare(const CameraSetup &side)
{
    return backgroundBlur(side.optics, side.diffraction) / side.sensorWidth;
}

// Every f-number of the range, on its grid: the one whose quantity comes
// nearest to the wanted value, among those where it is a number. Where
// there is none, fallback.
Result search(const Range &range, double wanted, double fallback,
              const std::function<double(double)> &quantity)
{
    Result result{fallback, false, none, wanted};
    if (std::isnan(wanted)) // nothing to match
        return result;
    const double perUnit = std::round(1 / range.step);
    const auto first = std::lround(range.minimum * perUnit);
    const auto last = std::lround(range.maximum * perUnit);
    double nearest = std::numeric_limits<double>::infinity();
    double lowest = nearest;
    double highest = -nearest;
    for (auto k = first; k <= last; ++k) {
        const double apature = double(k) / perUnit;
        const double value = quantity(apature);
        if (std::isnan(value))
            continue;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
        if (std::abs(value - wanted) < nearest) {
            nearest = std::abs(value - wanted);
            result.apature = apature;
            result.achieved = value;
        }
    }
    result.reached = lowest <= wanted && wanted <= highest;
    return result;
}

CameraSetup at(CameraSetup side, double apature)
{
    side.optics = side.optics.atApature(apature);
    return side;
}

} // namespace

Result depthOfField(const CameraSetup &target, const CameraSetup &other, const Range &range)
{
    const DepthOfField wanted = ::depthOfField(other.optics, other.diffraction);
    if (wanted.state != DepthOfField::Sharp)
        return {target.optics.apature, false, totalDepth(target), none};
    // Towards infinity the target must reach it too, and then its near
    // limit is what can still be compared; the smallest f-numbers give the
    // least depth, the largest the most.
    const bool toInfinity = std::isinf(wanted.farLimit);
    Result result = search(
        range, toInfinity ? wanted.nearLimit : wanted.farLimit - wanted.nearLimit,
        toInfinity ? range.maximum : range.minimum, [&](double apature) {
            const DepthOfField limits
                = ::depthOfField(target.optics.atApature(apature), target.diffraction);
            if (limits.state != DepthOfField::Sharp || std::isinf(limits.farLimit) != toInfinity)
                return none;
            return toInfinity ? limits.nearLimit : limits.farLimit - limits.nearLimit;
        });
    result.achieved = totalDepth(at(target, result.apature));
    result.wanted = wanted.farLimit - wanted.nearLimit;
    return result;
}

Result backgroundBlur(const CameraSetup &target, const CameraSetup &other, const Range &range)
{
    return search(range, backgroundShare(other), target.optics.apature,
                  [&](double apature) { return backgroundShare(at(target, apature)); });
}

} // namespace Matching
