#include "fields.h"

#include "optics/presets.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr std::array<FieldRules, viewInputCount> viewRules{{
    {FieldRules::Number, 0, 99999, 2, true, true, QT_TRANSLATE_NOOP("Field", "Left Border")},
    {FieldRules::Flag, 0, 1, 0, false, true, QT_TRANSLATE_NOOP("Field", "Distance from Camera")},
    {FieldRules::Flag, 0, 1, 0, false, true,
     QT_TRANSLATE_NOOP("Field", "Distance from focus plane")},
    {FieldRules::Whole, 1, 99, 0, false, true, QT_TRANSLATE_NOOP("Field", "Distance scale")},
    {FieldRules::Whole, 1, 99, 0, false, true, QT_TRANSLATE_NOOP("Field", "Uz-Scale")},
    {FieldRules::Flag, 0, 1, 0, false, true,
     QT_TRANSLATE_NOOP("Field", "Diffraction at the Working F-Number")},
    {FieldRules::Flag, 0, 1, 0, false, true,
     QT_TRANSLATE_NOOP("Field", "Combine Blur and Diffraction as Root-Sum-Square")},
    // Views of the optics, which they leave as they are: no trace line. Down
    // to a tenth of a micrometre, so that even a 5:1 shot's depth of field
    // at f/8 fills a third of a laptop's chart.
    {FieldRules::Number, 0.1, 1000, 3, false, false, QT_TRANSLATE_NOOP("Field", "Close-up scale")},
    {FieldRules::Number, -1e7, 1e7, 1, false, false, QT_TRANSLATE_NOOP("Field", "Close-up middle")},
    // The focuses that they set recalculate; they themselves change no optics.
    {FieldRules::Flag, 0, 1, 0, false, false, QT_TRANSLATE_NOOP("Field", "Keep the Framing")},
    {FieldRules::Number, 0.01, 1000, 2, true, false, QT_TRANSLATE_NOOP("Field", "Subject width")},
}};

// The presets' choices change no optics: they apply only when their Set is pressed.
constexpr std::array<FieldRules, cameraInputCount> cameraRules{{
    // To a tenth of a millimetre below a metre (or a foot), where stacks are shot.
    {FieldRules::Number, 0, 99999, 2, true, true, QT_TRANSLATE_NOOP("Field", "Focus"), 4},
    {FieldRules::Number, 0.7, 64, 1, false, true, QT_TRANSLATE_NOOP("Field", "Apature")},
    {FieldRules::Number, 1, 5000, 2, false, true, QT_TRANSLATE_NOOP("Field", "Focal length")},
    {FieldRules::Number, 0.0001, 10, 4, false, true,
     QT_TRANSLATE_NOOP("Field", "Circel of Confusion")},
    {FieldRules::Flag, 0, 1, 0, false, true, QT_TRANSLATE_NOOP("Field", "Calc with diffraction")},
    {FieldRules::Flag, 0, 1, 0, false, true, QT_TRANSLATE_NOOP("Field", "In use")},
    {FieldRules::Whole, 0, Presets::cropFactorCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Crop factor")},
    {FieldRules::Whole, 0, Presets::qualityCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Quality")},
    {FieldRules::Whole, 0, Presets::formFactorCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Form Factor")},
    {FieldRules::Whole, 0, 99, 0, false, false, QT_TRANSLATE_NOOP("Field", "View distance")},
    {FieldRules::Whole, 0, Presets::formFactorCount - 1, 0, false, false,
     QT_TRANSLATE_NOOP("Field", "Form Factor")},
    {FieldRules::Number, 0, 99.99, 2, false, false, QT_TRANSLATE_NOOP("Field", "Image width")},
    {FieldRules::Number, 0.2, 5, 2, false, true, QT_TRANSLATE_NOOP("Field", "Pupil magnification")},
}};

} // namespace

const FieldRules &rulesOf(Field field)
{
    return field.isView() ? viewRules.at(std::size_t(field.viewInput()))
                          : cameraRules.at(std::size_t(field.cameraInput()));
}

QString labelOf(Field field)
{
    return QCoreApplication::translate("Field", rulesOf(field).label);
}
