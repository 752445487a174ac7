#ifndef PLANNING_H
#define PLANNING_H

#include "cameraoptics.h"

#include <vector>

// Setups planned from what should be sharp, exact to the model of
// relativeBlur(): there the lens's blur of a subject at x is
// adia * v * |1/x - 1/s| with v the image distance of the focus s, linear in
// 1/x, so over a range of distances it is worst at one of the range's ends.
// Distances in mm from the camera; blur limits in circles of confusion.
namespace Planning {

// The subjects from nearLimit to farLimit, which may be infinite.
struct Range
{
    double nearLimit = 0;
    double farLimit = 0;

    // Beyond the focal length, near before far.
    bool isValidFor(double focalLength) const;
};

// The focus at which the worst blur over the range is least, whatever the
// f-number: 2 n F / (n + F), 2 n for F infinite; where the pupils of the
// lens of that focal length differ, where its blur at both ends is the same.
double bestFocus(const Range &range, double focalLength = 0, double pupil = 1);

// The camera's worst blur over the range, at its focus and f-number.
double worstBlur(const CameraOptics &camera, bool withDiffraction, const Range &range);

// The f-numbers that keep a range within a blur limit at the camera's focus.
struct Apertures
{
    // The widest; NaN where no f-number keeps the range within the limit.
    double widest;
    // Where diffraction counts, the f-number of the least worst blur, and that
    // blur; NaN without diffraction, where stopping down always helps.
    double sharpest;
    double sharpestBlur;
};
Apertures apertures(const CameraOptics &camera, bool withDiffraction, const Range &range,
                    double limit);

// One shot of a focus stack and the subjects that it keeps within the limit,
// all from where the camera stands. On a rail the camera has moved rail mm
// into the scene for the shot; by at least the shot's front depth, so every
// rail shot's is above 0, and 0 where the lens refocuses instead.
struct Shot
{
    double focus;
    double nearLimit;
    double farLimit;
    double rail = 0;
};

struct Stack
{
    enum State { Built, DiffractionTooLarge, TooManyShots, InvalidRange };
    State state = InvalidRange;
    std::vector<Shot> shots; // far to near by refocusing, near to far on a rail
    double step = 0;         // on a rail, the camera's move from shot to shot
};

inline bool onRail(const std::vector<Shot> &shots)
{
    return !shots.empty() && shots.front().rail > 0;
}

inline constexpr std::size_t maximumShots = 999;

// The fewest shots at the camera's f-number that keep every subject of the
// range within the limit in at least one of them: from the far end, each
// shot's far limit on the previous one's near limit, less overlap (a share
// of the previous shot's depth in 1/x, below 1).
Stack focusStack(const CameraOptics &camera, bool withDiffraction, const Range &range, double limit,
                 double overlap = 0);

// The fewest shots on a rail at the camera's focus and f-number, so at its
// magnification, that keep the subject from the focus to depth mm beyond it
// within the limit: the first shot's near limit on the focus, each next one
// a step on, the shot's depth less overlap (a share of it, below 1).
Stack railStack(const CameraOptics &camera, bool withDiffraction, double depth, double limit,
                double overlap = 0);

// The least blur of a subject at x over the shots, in the order
// focusStack() or railStack() gives them: the stack's envelope.
double stackBlur(const CameraOptics &camera, bool withDiffraction, const std::vector<Shot> &shots,
                 double x);

} // namespace Planning

#endif // PLANNING_H
