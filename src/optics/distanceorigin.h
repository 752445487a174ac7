#ifndef DISTANCEORIGIN_H
#define DISTANCEORIGIN_H

#include "cameraoptics.h"

// Where the user's distances are measured from: the lens, as the optics
// reckon them, or the sensor plane, from which a lens's focus scale and a
// focusing rail read. A subject then lies farther by the image distance of
// the focus it is seen with, f s / (s - f); a focus distance by its own.
// Inside the focal length there is no image and nothing moves. Distances
// in mm; infinity stays infinite.
struct DistanceOrigin
{
    bool sensor = false;
    double flength = 0;

    // The image distance at a focus: how far the sensor lies behind the lens.
    double imageDistance(double focus) const;
    // A subject's distance from the origin, seen with the lens focused at focus.
    double fromLens(double x, double focus) const;
    // A focus distance from the origin.
    double fromLens(double focus) const { return fromLens(focus, focus); }
    DepthOfField fromLens(const DepthOfField &depth, double focus) const;
    // A subject's distance from the lens focused at focus.
    double toLens(double distance, double focus) const;
    // The focus whose own distance from the sensor is distance: as close as
    // 1:1 (4 f) allows, and of the two focuses that give each farther one,
    // the one on the side of 1:1 where near lies.
    double focusAt(double distance, double near) const;

    bool operator==(const DistanceOrigin &other) const
    {
        return sensor == other.sensor && flength == other.flength;
    }
    bool operator!=(const DistanceOrigin &other) const { return !(*this == other); }
};

#endif // DISTANCEORIGIN_H
