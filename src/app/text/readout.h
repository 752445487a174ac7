#ifndef READOUT_H
#define READOUT_H

#include "optics/length.h"

#include <QString>

class QLocale;
struct CameraOptics;
struct DepthOfField;
struct Scene;

// Lengths and numbers as the user reads them, in the locale and unit.
namespace Readout {

// A distance with two decimals: metres, or kilometres where metres grow
// long; feet, or miles where feet do; as length() under 10 cm; "∞" for
// infinity. Where another distance lies apart by that much (mm), with
// decimals enough that the two never read alike.
QString limit(double mm, const QLocale &locale, LengthUnit unit, double apart = 0);
// A length with at least three significant digits: metres, millimetres
// under 10 cm, micrometres under one; feet, or inches below a foot; and
// decimals enough to tell it from another apart by that much (mm).
QString length(double mm, const QLocale &locale, LengthUnit unit, double apart = 0);

// A magnification as photographers write it: 1:46, 1:2.5, 1:1, 2.5:1;
// whole from ten on, to a tenth below.
QString magnification(double m, const QLocale &locale);

// Where a camera works at close range and its disc is taken at the marked
// f-number: by how much that underestimates it; empty elsewhere.
QString discNotice(int camera, const CameraOptics &optics, bool diffraction, const QLocale &locale);

// "Camera 1: 3.87 m – 4.14 m (0.270 m)", camera counted from 0.
QString depthOfField(int camera, const DepthOfField &limits, const QLocale &locale,
                     LengthUnit unit);

// A camera's inputs: "focus 4.00 m · f/2 · 85 mm · CoC 0.0125 mm · diffraction off".
QString settings(const CameraOptics &camera, bool diffraction, const QLocale &locale,
                 LengthUnit unit);

// A share in per cent, with two decimals and at least three significant
// digits: "2.05", "0.00412".
QString share(double percent, const QLocale &locale);

// A camera's blur of u CoCs in the chart's measure: "Camera 1: U 1.8",
// "Camera 1: 2.05 %", "Camera 1: 461 µm"; camera counted from 0.
QString blurText(const Scene &input, std::size_t camera, double u, const QLocale &locale);

// The distance under a column of the chart and each shown camera's U there:
// "4.25 m — Camera 1: U 1.8 · Camera 2: U 3.1", each camera's part in its
// colour where coloured (rich text).
QString atColumn(const Scene &input, int column, const QLocale &locale, bool coloured = false);

} // namespace Readout

#endif // READOUT_H
