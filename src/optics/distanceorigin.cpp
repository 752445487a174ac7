#include "distanceorigin.h"

#include <cmath>

double DistanceOrigin::imageDistance(double focus) const
{
    return sensor && focus > flength ? flength * focus / (focus - flength) : 0;
}

double DistanceOrigin::fromLens(double x, double focus) const
{
    return x + imageDistance(focus);
}

DepthOfField DistanceOrigin::fromLens(const DepthOfField &depth, double focus) const
{
    if (depth.state != DepthOfField::Sharp)
        return depth;
    return {depth.state, fromLens(depth.nearLimit, focus), fromLens(depth.farLimit, focus)};
}

double DistanceOrigin::toLens(double distance, double focus) const
{
    return distance - imageDistance(focus);
}

double DistanceOrigin::focusAt(double distance, double near) const
{
    // Inside the focal length the distances are the lens's own.
    const double f = flength;
    if (!sensor || distance <= f)
        return distance;
    if (distance <= 4 * f)
        return 2 * f;
    // s + f s / (s - f) = d: s² - d s + d f = 0, whose roots multiply to d f.
    const double far = (distance + std::sqrt(distance * distance - 4 * distance * f)) / 2;
    return near < 2 * f ? distance * f / far : far;
}
