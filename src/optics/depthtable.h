#ifndef DEPTHTABLE_H
#define DEPTHTABLE_H

#include "cameraoptics.h"
#include "distanceorigin.h"
#include "length.h"

#include <vector>

// A depth-of-field table to take into the field: for one camera, the near
// and far limits at focus distances (rows) and f-numbers (columns), from the
// program's own limits with the camera's diffraction switch. Distances in mm.
struct DepthTable
{
    // Full stops around the camera's own f-number, with that f-number too
    // where it is none, within minimum to maximum.
    std::vector<double> apatures;
    std::size_t ownColumn = 0;
    // Row 0 focuses each column where its far limit becomes infinite, so that
    // it reads from its near limit to infinity; the others at round distances
    // in the unit from the origin, 1, 2 and 5 of each decade, from twice the
    // focal length (1:1) to the first beyond the widest column's row 0. The
    // focuses are the lens's distances; from the sensor, on the side of 1:1
    // beyond it.
    std::vector<double> focuses;
    // The first row's focus of each column; NaN where nothing is sharp at its stop.
    std::vector<double> hyperfocals;

    static DepthTable build(const CameraOptics &camera, bool withDiffraction, LengthUnit unit,
                            double minimum, double maximum, DistanceOrigin origin = {});
    double focusAt(std::size_t row, std::size_t column) const;
    DepthOfField cell(const CameraOptics &camera, bool withDiffraction, std::size_t row,
                      std::size_t column) const;
    std::size_t rows() const { return focuses.size() + 1; }
};

#endif // DEPTHTABLE_H
