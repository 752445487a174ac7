#ifndef SCENE_H
#define SCENE_H

#include "chartgeometry.h"
#include "optics/cameraoptics.h"

#include <QString>

#include <array>

// Everything one paint of the chart reads, built once per recalculation
// from the form: the distance axis, the U scale, both cameras and which are
// shown.
struct Scene
{
    ChartGeometry::Axis axis;
    int ys = 10; // pixels per unit of U
    std::array<CameraOptics, 2> cameras;
    std::array<bool, 2> shown{true, true};
    std::array<bool, 2> diffraction{false, false};
    QString credit; // drawn in camera 1's colour at the bottom left
};

#endif // SCENE_H
