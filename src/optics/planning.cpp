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
    return camera.atApature(1).disc();
}

// The lens's worst blur over the range times N, mm: at f/N it blurs this over N.
// Classic: f * v * D, with D the largest |1/x - 1/s| over the range.
double spread(const CameraOptics &camera, const Range &range)
{
    if (camera.pupil != 1)
        return camera.apature
            * std::max(camera.lensBlur(range.nearLimit), camera.lensBlur(range.farLimit));
    const double s = camera.fdist;
    const double f = camera.flength;
    const double v = f * s / (s - f);
    const double reach = std::max(1 / range.nearLimit - 1 / s, 1 / s - 1 / range.farLimit);
    return f * v * reach;
}

// Where the closed forms of the classic model hold: the lens's blur linear
// in 1/x, the disc one size at every focus and added to it.
bool classic(const CameraOptics &camera, bool withDiffraction)
{
    return camera.pupil == 1
        && (!withDiffraction || (!camera.workingDiffraction && !camera.rootSumSquare));
}

// The focus whose far limit lies at x, between the focal length and the focus
// from which the far limit is infinite, in 1/s; NaN where nothing is sharp.
double focusForFarLimit(const CameraOptics &camera, bool withDiffraction, double x)
{
    const double infiniteFrom = farLimitInfiniteFrom(camera, withDiffraction);
    if (std::isinf(x) || std::isnan(infiniteFrom))
        return infiniteFrom;
    double farther = 1 / infiniteFrom;
    double nearer = 1 / camera.flength;
    CameraOptics focused = camera;
    for (int step = 0; step < 100; ++step) {
        const double middle = (farther + nearer) / 2;
        focused.fdist = 1 / middle;
        const DepthOfField depth = depthOfField(focused, withDiffraction);
        (depth.state == DepthOfField::Sharp && depth.farLimit > x ? farther : nearer) = middle;
    }
    return 1 / farther;
}

// A stack where no closed form holds: each shot focused where its far limit
// meets the previous one's near limit, less the overlap in 1/x.
Stack searchedStack(const CameraOptics &camera, bool withDiffraction, const Range &range,
                    double limit, double overlap)
{
    CameraOptics shot = camera;
    shot.coc = limit * camera.coc;
    Stack stack{Stack::Built, {}};
    double farEdge = range.farLimit;
    while (stack.shots.size() < maximumShots) {
        shot.fdist = focusForFarLimit(shot, withDiffraction, farEdge);
        const DepthOfField depth = depthOfField(shot, withDiffraction);
        // Where the disc grows as the focus nears, no shot may reach the far edge.
        if (std::isnan(shot.fdist) || depth.state != DepthOfField::Sharp
            || std::abs(depth.farLimit / farEdge - 1) > 1e-6)
            return {Stack::DiffractionTooLarge, {}};
        stack.shots.push_back({shot.fdist, depth.nearLimit, farEdge});
        if (depth.nearLimit <= range.nearLimit)
            return stack;
        const double nearEdge = 1 / depth.nearLimit;
        farEdge = 1 / (nearEdge - overlap * (nearEdge - 1 / farEdge));
    }
    return {Stack::TooManyShots, {}};
}

} // namespace

bool Range::isValidFor(double focalLength) const
{
    return nearLimit > focalLength && farLimit > nearLimit;
}

double bestFocus(const Range &range, double focalLength, double pupil)
{
    if (pupil != 1) {
        // P D (n - w) / (P + e n) = P D (w - r) / (P + e r) in u = 1/x, e = f (1 - P).
        const double e = focalLength * (1 - pupil);
        const double n = 1 / range.nearLimit;
        const double r = 1 / range.farLimit;
        return (2 * pupil + e * (n + r)) / (pupil * (n + r) + 2 * e * n * r);
    }
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
    const double k = discPerStop(camera);
    const double sharpest = std::sqrt(a / k);
    if (camera.rootSumSquare) {
        // (a / N)² + (k N)² = allowed²: the wider root, and the least at N² = a / k.
        const double discriminant = std::pow(allowed, 4) - 4 * k * k * a * a;
        const double widest = discriminant < 0
            ? none
            : std::sqrt((allowed * allowed - std::sqrt(discriminant)) / (2 * k * k));
        return {widest, sharpest, std::sqrt(2 * a * k) / camera.coc};
    }
    // a / N + k N = allowed: the wider root, and the least of the left side.
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
    if (!classic(camera, withDiffraction))
        return searchedStack(camera, withDiffraction, range, limit, overlap);
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

Stack railStack(const CameraOptics &camera, bool withDiffraction, double depth, double limit,
                double overlap)
{
    CameraOptics shot = camera;
    shot.coc = limit * camera.coc;
    const DepthOfField field = depthOfField(shot, withDiffraction);
    if (!(depth > 0) || field.state == DepthOfField::FocusInsideFocalLength)
        return {};
    if (field.state != DepthOfField::Sharp)
        return {Stack::DiffractionTooLarge, {}};
    const double front = camera.fdist - field.nearLimit;
    const double reach = field.farLimit - field.nearLimit;
    const double step = reach * (1 - overlap);
    // A hair's tolerance, lest rounding ask for a shot that would add nothing.
    const double further = std::isinf(reach) ? 0 : std::ceil((depth - reach) / step - 1e-9);
    if (further >= double(maximumShots))
        return {Stack::TooManyShots, {}};
    Stack stack{Stack::Built, {}, step};
    for (int k = 0; k <= further; ++k) {
        const double rail = front + k * step;
        stack.shots.push_back(
            {camera.fdist + rail, field.nearLimit + rail, field.farLimit + rail, rail});
    }
    return stack;
}

double stackBlur(const CameraOptics &camera, bool withDiffraction, const std::vector<Shot> &shots,
                 double x)
{
    // The least blur comes from the shot focused next beyond x or next
    // before it: farther ones on either side blur it more.
    const bool nearToFar = shots.size() > 1 && shots.front().focus < shots.back().focus;
    const auto next = nearToFar
        ? std::lower_bound(shots.begin(), shots.end(), x,
                           [](const Shot &shot, double at) { return shot.focus < at; })
        : std::lower_bound(shots.begin(), shots.end(), x,
                           [](const Shot &shot, double at) { return shot.focus > at; });
    double least = std::numeric_limits<double>::infinity();
    for (auto shot = next == shots.begin() ? next : next - 1; shot != shots.end() && shot <= next;
         ++shot) {
        // On a rail the camera, and so the subject's distance, moved.
        CameraOptics focused = camera;
        focused.fdist = shot->focus - shot->rail;
        least = std::min(least, focused.relativeBlur(x - shot->rail, withDiffraction));
    }
    return least;
}

} // namespace Planning
