#ifndef MATCHING_H
#define MATCHING_H

#include "cameraoptics.h"

// The f-number that gives one camera what the other has, each camera at its
// own focus distance, focal length, CoC and diffraction switch, exact to the
// model of relativeBlur().
namespace Matching {

// The f-numbers to choose from: minimum, minimum + step, ... up to maximum.
struct Range
{
    double minimum = 0.7;
    double maximum = 64;
    double step = 0.1;
};

struct Result
{
    double apature = 0;
    // False where no f-number of the range gives the target: apature is
    // then the one that comes nearest.
    bool reached = false;
    // What is matched, for the target camera at apature and for the other:
    // total depth of field in mm, or background blur as a share of the width.
    double achieved = 0;
    double wanted = 0;
};

// The total depth of the other camera; where its far limit is infinite,
// its near limit with the target's own far limit infinite.
Result depthOfField(const CameraSetup &target, const CameraSetup &other, const Range &range = {});

// The background blur at infinity as a share of the image width.
Result backgroundBlur(const CameraSetup &target, const CameraSetup &other, const Range &range = {});

} // namespace Matching

#endif // MATCHING_H
