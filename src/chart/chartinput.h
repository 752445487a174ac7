#ifndef CHARTINPUT_H
#define CHARTINPUT_H

#include "chartgeometry.h"
#include "optics/cameraoptics.h"

#include <QString>

#include <array>

// Everything one paint of the chart reads, taken from the form at paint time.
struct ChartInput
{
    ChartGeometry::ChartScale scale;
    std::array<CameraOptics, 2> cameras;
    std::array<bool, 2> shown{true, true};
    std::array<bool, 2> diffraction{false, false};
    QString credit; // drawn in camera 1's colour at the bottom left
};

#endif // CHARTINPUT_H
