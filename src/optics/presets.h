#ifndef PRESETS_H
#define PRESETS_H

// Presets that derive a camera input from a choice in the form. The
// choices are item indices of the form's combo boxes; an index outside the
// list (no selection) falls back to the first entry's value.
namespace Presets {

double cropFactor(int cropIndex);
double megapixels(int qualityIndex);

// Circle of confusion in mm that spans two pixels of a 3:2 grid of the
// chosen pixel count on a 36 x 24 mm frame shrunk by the crop factor.
double circleOfConfusion(int cropIndex, int qualityIndex);

} // namespace Presets

#endif // PRESETS_H
