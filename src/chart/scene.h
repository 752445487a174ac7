#ifndef SCENE_H
#define SCENE_H

#include "chartgeometry.h"
#include "model/formmodel.h"
#include "optics/cameraoptics.h"
#include "optics/planning.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

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
// from the model: the distance axis, the blur's measure and scale, both
// cameras and which are shown, and their plans.
struct Scene
{
    ChartGeometry::Axis axis;
    int ys = 10; // pixels per unit of the blur scale
    BlurMeasure measure = BlurMeasure::Coc;
    // The measure's value of a unit of the scale: 1 CoC, 0.1 % or 10 µm.
    double perUnit = 1;
    // Units of the scale that one CoC of each camera spans.
    std::array<double, 2> perCoc{1, 1};
    std::array<CameraOptics, 2> cameras;
    std::array<bool, 2> shown{true, true};
    std::array<bool, 2> diffraction{false, false};
    QString credit; // drawn in camera 1's colour at the bottom left
    // Each focus as the form shows it, beside the arrow where it lies off the plot.
    std::array<QString, 2> focusText;
    std::array<PlanMarks, 2> plans;
};

// A camera's blur of u CoCs in the measure: u itself, % of the image width
// (the sensor's, as the Details take it) or µm on the sensor.
double blurIn(BlurMeasure measure, const CameraSetup &setup, double u);

// The model's view, its first two cameras' optics as last recalculated and
// which are shown; without credit, plans or the focuses' text.
Scene sceneOf(const FormModel &model);

#endif // SCENE_H
