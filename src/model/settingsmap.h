#ifndef SETTINGSMAP_H
#define SETTINGSMAP_H

#include "fields.h"
#include "settings/camerasettings.h"

#include <array>
#include <vector>

class FormModel;

// The camera settings file's values, each a field of the model, in the
// file's order: the record's fifteen, then the extension block's.
namespace SettingsMap {

inline constexpr std::array<Field, settingsTypes.size()> fields{
    ViewInput::LeftBorder,
    ViewInput::FromCamera,
    ViewInput::FromFocusPlane,
    ViewInput::DistanceScale,
    ViewInput::BlurScale,
    Field(0, CameraInput::Shown),
    Field(0, CameraInput::Focus),
    Field(0, CameraInput::Apature),
    Field(0, CameraInput::FocalLength),
    Field(0, CameraInput::Coc),
    Field(1, CameraInput::Shown),
    Field(1, CameraInput::Focus),
    Field(1, CameraInput::Apature),
    Field(1, CameraInput::FocalLength),
    Field(1, CameraInput::Coc),
    // The extension block, version 1.
    Field(0, CameraInput::Diffraction),
    Field(1, CameraInput::Diffraction),
    Field(0, CameraInput::Crop),
    Field(0, CameraInput::Quality),
    Field(0, CameraInput::PixelForm),
    Field(0, CameraInput::ViewDistance),
    Field(0, CameraInput::ViewForm),
    Field(0, CameraInput::PrintWidth),
    Field(1, CameraInput::Crop),
    Field(1, CameraInput::Quality),
    Field(1, CameraInput::PixelForm),
    Field(1, CameraInput::ViewDistance),
    Field(1, CameraInput::ViewForm),
    Field(1, CameraInput::PrintWidth),
    // Version 2.
    Field(0, CameraInput::Pupil),
    Field(1, CameraInput::Pupil),
    ViewInput::WorkingDiffraction,
    ViewInput::RootSumSquare,
};

// The record and the block of the first version that holds every value
// that is not as it starts: a file of the classic model is as it always was.
CameraSettings read(const FormModel &model);

// One value at a time, in the file's order, each as its control takes it
// and recalculating as a change of it does; with echo, each value of the
// 84-byte record is written on its own line to standard output first.
// The border's floor is held meanwhile, so that the result does not depend
// on what was shown before. A file without the later versions' values reads
// as the classic model: pupils even, diffraction as it always counted. Returns
// the positions of the values that lay outside their ranges and were brought
// into them, the left border's where the new lenses raised it.
std::vector<std::size_t> write(FormModel &model, const CameraSettings &settings, bool echo);

} // namespace SettingsMap

#endif // SETTINGSMAP_H
