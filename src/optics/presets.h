#ifndef PRESETS_H
#define PRESETS_H

// Presets that derive a camera input from a choice in the form. The
// choices are item indices of the form's combo boxes; an index outside the
// list (no selection) falls back to the first entry's value.
namespace Presets {

// How many choices each of the form's lists offers: crop factors, pixel
// counts, form factors.
inline constexpr int cropFactorCount = 8;
inline constexpr int qualityCount = 11;
inline constexpr int formFactorCount = 2;

double cropFactor(int cropIndex);
double megapixels(int qualityIndex);

// The diagonal in mm of a 36 x 24 mm frame shrunk by the crop factor,
// whatever its form factor.
double sensorDiagonal(int cropIndex);

// The width in mm of a sensor with the diagonal of a 36 x 24 mm frame
// shrunk by the crop factor, at the form factor.
double sensorWidth(int cropIndex, int formIndex);

// The f-number steps away from value along the third-stop series 1.0, 1.1,
// 1.2, 1.4 ... 57, 64: up to the next stop above, down to the next below,
// never beyond the series' ends.
double stepFNumber(double value, int steps);

// The form factors of the form's "Form Factor" boxes: 3:2 (index 0) and 4:3.
double aspectRatio(int formIndex);

// Circle of confusion in mm that spans two pixels along the diagonal of a
// grid of the chosen pixel count and form factor, on a sensor with the
// diagonal of a 36 x 24 mm frame shrunk by the crop factor.
double circleOfConfusion(int cropIndex, int qualityIndex, int formIndex = 0);

// Circle of confusion in mm that the eye just resolves on a print of the
// given width seen from the given distance (both in cm): 0.2 mm at 25 cm,
// scaled from the print down to the width of the sensor.
double viewingCircleOfConfusion(int cropIndex, int formIndex, double viewDistance,
                                double printWidth);

} // namespace Presets

#endif // PRESETS_H
