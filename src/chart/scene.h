#ifndef SCENE_H
#define SCENE_H

#include "chartgeometry.h"
#include "optics/cameraoptics.h"
#include "optics/planning.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

class FormModel;

// What a camera's plan marks on the chart: the range to keep sharp at its
// blur limit, the planned setup, whose blur is worst at the range's ends
// (none where no single shot keeps the limit), and a focus stack's shots
// at the camera's own f-number with their envelope.
struct PlanMarks
{
    bool shown = false;
    Planning::Range range;
    double limit = 1;
    std::optional<CameraOptics> planned;
    std::vector<Planning::Shot> shots;
};

// Everything one paint of the chart reads, built once per recalculation
// from the model: the distance axis, the U scale, both cameras and which are
// shown, and their plans.
struct Scene
{
    ChartGeometry::Axis axis;
    int ys = 10; // pixels per unit of U
    std::array<CameraOptics, 2> cameras;
    std::array<bool, 2> shown{true, true};
    std::array<bool, 2> diffraction{false, false};
    QString credit; // drawn in camera 1's colour at the bottom left
    std::array<PlanMarks, 2> plans;
};

// The model's view, its first two cameras' optics as last recalculated and
// which are shown; without credit or plans.
Scene sceneOf(const FormModel &model);

#endif // SCENE_H
