#include "fields.h"

#include "optics/presets.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr std::array<FieldSpec, viewInputCount> viewSpecs{{
    {FieldSpec::Number, 0, 99999, 2, true, true, QT_TRANSLATE_NOOP("Field", "Left Border")},
    {FieldSpec::Flag, 0, 1, 0, false, true, QT_TRANSLATE_NOOP("Field", "Distance from Camera")},
    {FieldSpec::Flag, 0, 1, 0, false, true,
     QT_TRANSLATE_NOOP("Field", "Distance from focus plane")},
    {FieldSpec::Whole, 1, 99, 0, false, true, QT_TRANSLATE_NOOP("Field", "Distance scale")},
    {FieldSpec::Whole, 1, 99, 0, false, true, QT_TRANSLATE_NOOP("Field", "Uz-Scale")},
    {FieldSpec::Flag, 0, 1, 0, false, true,
     QT_TRANSLATE_NOOP("Field", "Diffraction at the Working F-Number")},
    {FieldSpec::Flag, 0, 1, 0, false, true,
     QT_TRANSLATE_NOOP("Field", "Combine Blur and Diffraction as Root-Sum-Square")},
    // Views of the optics, which they leave as they are: no trace line. Down
    // to a tenth of a micrometre, so that even a 5:1 shot's depth of field
    // at f/8 fills a third of a laptop's chart.
    {FieldSpec::Number, 0.1, 1000, 3, false, false, QT_TRANSLATE_NOOP("Field", "Close-up scale")},
    {FieldSpec::Number, -1e7, 1e7, 1, false, false, QT_TRANSLATE_NOOP("Field", "Close-up middle")},
    // The focuses that they set recalculate; they themselves change no optics.
    {FieldSpec::Flag, 0, 1, 0, false, false, QT_TRANSLATE_NOOP("Field", "Keep the Framing")},
    {FieldSpec::Number, 0.01, 1000, 2, true, false, QT_TRANSLATE_NOOP("Field", "Subject width")},
}};

// The presets' choices change no optics: they apply only when their Set is pressed.
constexpr std::array<FieldSpec, cameraInputCount> cameraSpecs{{
    // To a tenth of a millimetre below a metre (or a foot), where stacks are shot.
    {FieldSpec::Number, 0, 99999, 2, true, true, QT_TRANSLATE_NOOP("Field", "Focus"), 4},
    {FieldSpec::Number, 0.7, 64, 1, false, true, QT_TRANSLATE_NOOP("Field", "Apature")},
    {FieldSpec::Number, 1, 5000, 2, false, true, QT_TRANSLATE_NOOP("Field", "Focal length")},
    {FieldSpec::Number, 0.0001, 10, 4, false, true,
     QT_TRANSLATE_NOOP("Field", "Circel of Confusion")},
    {FieldSpec::Flag, 0, 1, 0, false, true, QT_TRANSLATE_NOOP("Field", "Calc with diffraction")},
    {FieldSpec::Flag, 0, 1, 0, false, true, QT_TRANSLATE_NOOP("Field", "In use")},
    {FieldSpec::Whole, 0, Presets::cropFactorCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Crop factor")},
    {FieldSpec::Whole, 0, Presets::qualityCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Quality")},
    {FieldSpec::Whole, 0, Presets::formFactorCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Form Factor")},
    {FieldSpec::Whole, 0, 99, 0, false, false, QT_TRANSLATE_NOOP("Field", "View distance")},
    {FieldSpec::Whole, 0, Presets::formFactorCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Form Factor")},
    {FieldSpec::Number, 0, 99.99, 2, false, false, QT_TRANSLATE_NOOP("Field", "Image width")},
    {FieldSpec::Number, 0.2, 5, 2, false, true, QT_TRANSLATE_NOOP("Field", "Pupil magnification")},
}};

} // namespace

const FieldSpec &specOf(Field field)
{
    return field.isView() ? viewSpecs.at(std::size_t(field.viewInput()))
                          : cameraSpecs.at(std::size_t(field.cameraInput()));
}

QString labelOf(Field field)
{
    return QCoreApplication::translate("Field", specOf(field).label);
}
