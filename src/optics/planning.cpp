#include "planning.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Planning {
namespace {

constexpr double none = std::numeric_limits<double>::quiet_NaN();

// The diffraction disc per f-number, mm.
double discPerStop(const CameraOptics &camera)
{
    return camera.atApature(1).dif;
}

// f * v * D, with D the largest |1/x - 1/s| over the range: the lens's worst
// blur at f/N is this over N, in mm.
double spread(const CameraOptics &camera, const Range &range)
{
    const double s = camera.fdist;
    const double f = camera.flength;
    const double v = f * s / (s - f);
    const double reach = std::max(1 / range.nearLimit - 1 / s, 1 / s - 1 / range.farLimit);
    return f * v * reach;
}

} // namespace

bool Range::isValidFor(double focalLength) const
{
    return nearLimit > focalLength && farLimit > nearLimit;
}

double bestFocus(const Range &range)
{
    return std::isinf(range.farLimit)
        ? 2 * range.nearLimit
        : 2 * range.nearLimit * range.farLimit / (range.nearLimit + range.farLimit);
}

double worstBlur(const CameraOptics &camera, bool withDiffraction, const Range &range)
{
    return std::max(camera.relativeBlur(range.nearLimit, withDiffraction),
                    camera.relativeBlur(range.farLimit, withDiffraction));
}

Apertures apertures(const CameraOptics &camera, bool withDiffraction, const Range &range,
                    double limit)
{
    const double a = spread(camera, range);
    const double allowed = limit * camera.coc;
    if (!withDiffraction)
        return {a / allowed, none, none};
    // a / N + k N = allowed: the wider root, and the least of the left side.
    const double k = discPerStop(camera);
    const double sharpest = std::sqrt(a / k);
    const double least = 2 * std::sqrt(k * a) / camera.coc;
    const double discriminant = allowed * allowed - 4 * k * a;
    const double widest = discriminant < 0 ? none : (allowed - std::sqrt(discriminant)) / (2 * k);
    return {widest, sharpest, least};
}

Stack focusStack(const CameraOptics &camera, bool withDiffraction, const Range &range, double limit,
                 double overlap)
{
    const double f = camera.flength;
    if (!range.isValidFor(f))
        return {};
    const double allowed = limit * camera.coc - (withDiffraction ? camera.dif : 0);
    if (allowed <= 0)
        return {Stack::DiffractionTooLarge, {}};
    // In 1/x a shot focused at 1/s keeps |1/x - 1/s| <= k (1 - f/s) sharp.
    const double k = allowed / (camera.adia * f);
    const double nearEnd = 1 / range.nearLimit;
    Stack stack{Stack::Built, {}};
    double farEdge = 1 / range.farLimit;
    while (stack.shots.size() < maximumShots) {
        const double focus = (farEdge + k) / (1 + k * f);
        const double nearEdge = focus + k * (1 - f * focus);
        stack.shots.push_back({1 / focus, nearEdge >= 1 / f ? f : 1 / nearEdge, 1 / farEdge});
        if (nearEdge >= nearEnd)
            return stack;
        farEdge = nearEdge - overlap * (nearEdge - farEdge);
    }
    return {Stack::TooManyShots, {}};
}

double stackBlur(const CameraOptics &camera, bool withDiffraction, const std::vector<Shot> &shots,
                 double x)
{
    // In 1/x the least blur comes from the shot focused next beyond x or
    // next before it: farther ones on either side blur it more.
    const auto next = std::lower_bound(shots.begin(), shots.end(), x,
                                       [](const Shot &shot, double at) { return shot.focus > at; });
    double least = std::numeric_limits<double>::infinity();
    for (auto shot = next == shots.begin() ? next : next - 1; shot != shots.end() && shot <= next;
         ++shot) {
        CameraOptics focused = camera;
        focused.fdist = shot->focus;
        least = std::min(least, focused.relativeBlur(x, withDiffraction));
    }
    return least;
}

} // namespace Planning
