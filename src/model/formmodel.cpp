#include "formmodel.h"

#include "optics/presets.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// As Qt's spin box rounds a value to the decimals it holds.
double roundedTo(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}

} // namespace

double CameraInputs::value(CameraInput input) const
{
    switch (input) {
    case CameraInput::Focus:
        return focus;
    case CameraInput::Apature:
        return apature;
    case CameraInput::FocalLength:
        return focalLength;
    case CameraInput::Coc:
        return coc;
    case CameraInput::Diffraction:
        return diffraction;
    case CameraInput::Shown:
        return shown;
    case CameraInput::Crop:
        return crop;
    case CameraInput::Quality:
        return quality;
    case CameraInput::PixelForm:
        return pixelForm;
    case CameraInput::ViewDistance:
        return viewDistance;
    case CameraInput::ViewForm:
        return viewForm;
    case CameraInput::PrintWidth:
        return printWidth;
    case CameraInput::Pupil:
        return pupil;
    }
    return 0;
}

void CameraInputs::set(CameraInput input, double value)
{
    switch (input) {
    case CameraInput::Focus:
        focus = value;
        break;
    case CameraInput::Apature:
        apature = value;
        break;
    case CameraInput::FocalLength:
        focalLength = value;
        break;
    case CameraInput::Coc:
        coc = value;
        break;
    case CameraInput::Diffraction:
        diffraction = value != 0;
        break;
    case CameraInput::Shown:
        shown = value != 0;
        break;
    case CameraInput::Crop:
        crop = int(value);
        break;
    case CameraInput::Quality:
        quality = int(value);
        break;
    case CameraInput::PixelForm:
        pixelForm = int(value);
        break;
    case CameraInput::ViewDistance:
        viewDistance = int(value);
        break;
    case CameraInput::ViewForm:
        viewForm = int(value);
        break;
    case CameraInput::PrintWidth:
        printWidth = value;
        break;
    case CameraInput::Pupil:
        pupil = value;
        break;
    }
}

bool CameraInputs::operator==(const CameraInputs &other) const
{
    for (int input = 0; input < cameraInputCount; ++input) {
        if (value(CameraInput(input)) != other.value(CameraInput(input)))
            return false;
    }
    return true;
}

double ViewInputs::value(ViewInput input) const
{
    switch (input) {
    case ViewInput::LeftBorder:
        return leftBorder;
    case ViewInput::FromCamera:
        return fromCamera;
    case ViewInput::FromFocusPlane:
        return fromFocusPlane;
    case ViewInput::DistanceScale:
        return distanceScale;
    case ViewInput::BlurScale:
        return blurScale;
    case ViewInput::WorkingDiffraction:
        return workingDiffraction;
    case ViewInput::RootSumSquare:
        return rootSumSquare;
    case ViewInput::CloseUpScale:
        return closeUpScale;
    case ViewInput::CloseUpCentre:
        return closeUpCentre;
    case ViewInput::KeepFraming:
        return keepFraming;
    case ViewInput::FramingWidth:
        return framingWidth;
    }
    return 0;
}

void ViewInputs::set(ViewInput input, double value)
{
    switch (input) {
    case ViewInput::LeftBorder:
        leftBorder = value;
        break;
    case ViewInput::FromCamera:
        fromCamera = value != 0;
        break;
    case ViewInput::FromFocusPlane:
        fromFocusPlane = value != 0;
        break;
    case ViewInput::DistanceScale:
        distanceScale = int(value);
        break;
    case ViewInput::BlurScale:
        blurScale = int(value);
        break;
    case ViewInput::WorkingDiffraction:
        workingDiffraction = value != 0;
        break;
    case ViewInput::RootSumSquare:
        rootSumSquare = value != 0;
        break;
    case ViewInput::CloseUpScale:
        closeUpScale = value;
        break;
    case ViewInput::CloseUpCentre:
        closeUpCentre = value;
        break;
    case ViewInput::KeepFraming:
        keepFraming = value != 0;
        break;
    case ViewInput::FramingWidth:
        framingWidth = value;
        break;
    }
}

bool ViewInputs::operator==(const ViewInputs &other) const
{
    for (int input = 0; input < viewInputCount; ++input) {
        if (value(ViewInput(input)) != other.value(ViewInput(input)))
            return false;
    }
    return true;
}

double Inputs::value(Field field) const
{
    return field.isView() ? view.value(field.viewInput())
                          : cameras.at(std::size_t(field.camera())).value(field.cameraInput());
}

void Inputs::set(Field field, double value)
{
    if (field.isView())
        view.set(field.viewInput(), value);
    else
        cameras.at(std::size_t(field.camera())).set(field.cameraInput(), value);
}

bool Inputs::operator==(const Inputs &other) const
{
    return view == other.view && cameras == other.cameras;
}

Inputs FormModel::startInputs()
{
    CameraInputs first;
    first.crop = 2; // 1.6
    CameraInputs second;
    second.focalLength = 135;
    return {ViewInputs(), {first, second}};
}

FormModel::FormModel(QObject *parent)
    : QObject(parent)
    , current(startInputs())
    , derived(current.cameras.size())
{}

const CameraInputs &FormModel::camera(int index) const
{
    return current.cameras.at(std::size_t(index));
}

const CameraResults &FormModel::results(int camera) const
{
    return derived.at(std::size_t(camera));
}

double FormModel::minimum(Field field) const
{
    if (field != ViewInput::LeftBorder || floorHeld)
        return rulesOf(field).minimum;
    // The last camera's floor: each rises the border to it in turn.
    const double focalLength = current.cameras.back().focalLength;
    return roundedTo(Length::millimetres(2 * focalLength).metres(), rulesOf(field).heldDecimals());
}

double FormModel::maximum(Field field) const
{
    return rulesOf(field).maximum;
}

double FormModel::held(Field field, double value) const
{
    const FieldRules &rules = rulesOf(field);
    switch (rules.kind) {
    case FieldRules::Flag:
        return value != 0 ? 1 : 0;
    case FieldRules::Whole:
        return std::trunc(std::clamp(value, minimum(field), maximum(field)));
    case FieldRules::Number:
        break;
    }
    return std::clamp(roundedTo(value, rules.heldDecimals()), minimum(field), maximum(field));
}

double FormModel::shown(Field field, double value, bool roundUp) const
{
    const FieldRules &rules = rulesOf(field);
    const double factor = rules.distance ? Length::metres(1).in(shownAs.unit) : 1;
    const double scale = std::pow(10.0, rules.decimalsFor(value * factor));
    const double inUnit = value * factor * scale;
    return (roundUp ? std::ceil(inUnit - 1e-9) : std::round(inUnit)) / scale / factor;
}

void FormModel::set(Field field, double value)
{
    if (std::isnan(value))
        return;
    if (field == ViewInput::FromCamera || field == ViewInput::FromFocusPlane) {
        // As the form's radio pair: the other button goes off first, and
        // each button's toggle recalculates.
        if (value == 0)
            return;
        const Field other = field == ViewInput::FromCamera ? Field(ViewInput::FromFocusPlane)
                                                           : Field(ViewInput::FromCamera);
        for (const Field flag : {other, field}) {
            if (current.value(flag) != (flag == field)) {
                store(flag, flag == field);
                follow(Work::Recalculate);
            }
        }
        return;
    }
    const double taken = held(field, value);
    if (taken == current.value(field))
        return;
    store(field, taken);
    const bool refocused = frame(field);
    follow(rulesOf(field).recalculates || refocused ? Work::Recalculate : Work::Derive);
}

bool FormModel::frame(Field changed)
{
    if (!current.view.keepFraming || floorHeld)
        return false;
    // The subject's width W across the sensor's width w: a magnification of w / W.
    const auto sensorWidth = [this](int k) {
        return Presets::sensorWidth(camera(k).crop, camera(k).pixelForm);
    };
    const Field width = ViewInput::FramingWidth;
    const bool typed = changed.is(CameraInput::Focus);
    if (typed) {
        // A typed focus frames its camera: the width follows it.
        const CameraInputs &inputs = camera(changed.camera());
        const double f = inputs.focalLength;
        const double s = Length::metres(inputs.focus).millimetres();
        if (s <= f)
            return false;
        const double framed = held(
            width,
            Length::millimetres(sensorWidth(changed.camera()) / magnificationAt(f, s)).metres());
        if (framed != current.view.framingWidth)
            store(width, framed);
    } else if (changed != ViewInput::KeepFraming && changed != width
               && !changed.is(CameraInput::FocalLength) && !changed.is(CameraInput::Crop)
               && !changed.is(CameraInput::PixelForm)) {
        return false;
    }
    bool refocused = false;
    for (int k = 0; k < cameraCount(); ++k) {
        if (typed && k == changed.camera())
            continue;
        const Field focus(k, CameraInput::Focus);
        const double m = sensorWidth(k) / Length::metres(current.view.framingWidth).millimetres();
        const double framed = held(
            focus, Length::millimetres(focusForMagnification(camera(k).focalLength, m)).metres());
        if (framed != current.value(focus)) {
            store(focus, framed);
            refocused = true;
        }
    }
    return refocused;
}

void FormModel::setShown(Field field, double value, bool roundUp)
{
    set(field, shown(field, value, roundUp));
}

void FormModel::setKept(Field field, double value)
{
    const FieldRules &rules = rulesOf(field);
    if (rules.kind != FieldRules::Number)
        return set(field, value);
    const double scale = std::pow(10.0, rules.decimalsFor(value));
    set(field, std::round(value * scale) / scale);
}

void FormModel::restore(const Inputs &inputs)
{
    for (int input = 0; input < viewInputCount; ++input) {
        const Field field = ViewInput(input);
        if (inputs.value(field) != current.value(field))
            store(field, inputs.value(field));
    }
    for (int k = 0; k < cameraCount(); ++k) {
        for (int input = 0; input < cameraInputCount; ++input) {
            const Field field(k, CameraInput(input));
            if (inputs.value(field) != current.value(field))
                store(field, inputs.value(field));
        }
    }
    recalculate();
}

void FormModel::preset(Field field, double value)
{
    store(field, held(field, value));
}

void FormModel::setDisplay(const ViewChoices &display)
{
    shownAs = display;
    emit displayChosen();
}

DistanceOrigin FormModel::origin(int camera) const
{
    return {shownAs.fromSensor, this->camera(camera).focalLength};
}

void FormModel::holdFloor()
{
    floorHeld = true;
}

bool FormModel::releaseFloor()
{
    floorHeld = false;
    const double before = current.view.leftBorder;
    raiseToFloor();
    return current.view.leftBorder != before;
}

FormModel::Batch::Batch(FormModel &changed)
    : model(changed)
{
    ++model.batches;
}

FormModel::Batch::~Batch()
{
    if (--model.batches == 0)
        model.follow(std::exchange(model.pending, Work::None));
}

void FormModel::setCocFromPixelSize(int camera)
{
    const CameraInputs &inputs = this->camera(camera);
    set(Field(camera, CameraInput::Coc),
        Presets::circleOfConfusion(inputs.crop, inputs.quality, inputs.pixelForm));
}

FormModel::CocPreset FormModel::setCocFromViewDistance(int camera)
{
    const CameraInputs &inputs = this->camera(camera);
    if (inputs.viewDistance == 0)
        return CocPreset::NeedsViewDistance;
    if (inputs.printWidth == 0)
        return CocPreset::NeedsImageWidth;
    set(Field(camera, CameraInput::Coc),
        Presets::viewingCircleOfConfusion(inputs.crop, inputs.viewForm, inputs.viewDistance,
                                          inputs.printWidth));
    return CocPreset::Applied;
}

void FormModel::setHyperfocal(int camera)
{
    setShown(Field(camera, CameraInput::Focus),
             Length::millimetres(results(camera).hyperfocalFocus).metres(),
             this->camera(camera).diffraction);
}

void FormModel::copyCamera(int from, int to)
{
    const CameraInputs source = camera(from);
    for (int input = 0; input < cameraInputCount; ++input) {
        if (CameraInput(input) != CameraInput::Shown)
            set(Field(to, CameraInput(input)), source.value(CameraInput(input)));
    }
}

void FormModel::recalculate()
{
    raiseToFloor();
    for (std::size_t k = 0; k < derived.size(); ++k) {
        const CameraInputs &inputs = current.cameras[k];
        CameraOptics &optics = derived[k].setup.optics;
        optics.init(Length::metres(inputs.focus).millimetres(), inputs.apature, inputs.focalLength,
                    inputs.coc);
        optics.pupil = inputs.pupil;
        optics.workingDiffraction = current.view.workingDiffraction;
        optics.rootSumSquare = current.view.rootSumSquare;
    }
    derive();
    emit recalculated();
}

void FormModel::store(Field field, double value)
{
    current.set(field, value);
    emit changed(field);
}

void FormModel::raiseToFloor()
{
    if (floorHeld)
        return;
    const int decimals = rulesOf(ViewInput::LeftBorder).heldDecimals();
    for (const CameraInputs &camera : current.cameras) {
        const double floor
            = roundedTo(Length::millimetres(2 * camera.focalLength).metres(), decimals);
        if (current.view.leftBorder < floor)
            store(ViewInput::LeftBorder, floor);
    }
}

void FormModel::derive()
{
    for (std::size_t k = 0; k < derived.size(); ++k) {
        const CameraInputs &inputs = current.cameras[k];
        CameraResults &results = derived[k];
        CameraSetup &setup = results.setup;
        setup.diffraction = inputs.diffraction;
        setup.cropFactor = Presets::cropFactor(inputs.crop);
        setup.sensorWidth = Presets::sensorWidth(inputs.crop, inputs.pixelForm);
        results.depth = depthOfField(setup.optics, setup.diffraction);
        results.hyperfocalFocus = hyperfocalFocus(setup.optics, setup.diffraction);
        results.infiniteFrom = farLimitInfiniteFrom(setup.optics, setup.diffraction);
        results.backgroundBlur = backgroundBlur(setup.optics, setup.diffraction);
        const CameraOptics &optics = setup.optics;
        const bool imaged = optics.fdist > optics.flength;
        const double none = std::numeric_limits<double>::quiet_NaN();
        results.magnification = imaged ? optics.magnification() : none;
        results.workingApature = imaged ? optics.workingApature() : none;
        // The image lies v = f (1 + m) behind the lens.
        results.subjectToSensor
            = imaged ? optics.fdist + optics.flength * (1 + optics.magnification()) : none;
    }
}

void FormModel::follow(Work work)
{
    if (batches > 0) {
        pending = std::max(pending, work);
        return;
    }
    if (work == Work::Recalculate) {
        recalculate();
    } else if (work == Work::Derive) {
        derive();
        emit recalculated();
    }
}
