#include "cameraview.h"

#include "chart/chartpainter.h"
#include "fieldbinder.h"
#include "history/undohistory.h"
#include "model/formmodel.h"
#include "text/readout.h"
#include "ui_mainwin.h"

#include <QLocale>
#include <QSignalBlocker>

#include <cmath>

// Where the form keeps each camera's controls, one row per camera: the
// form's own names, which its callers and files have always known.
struct CameraControls
{
    QGroupBox *Ui_mainWin::*box;
    DecimalSpinBox *Ui_mainWin::*focus;
    FNumberBox *Ui_mainWin::*apature;
    DecimalSpinBox *Ui_mainWin::*focalLength;
    DecimalSpinBox *Ui_mainWin::*coc;
    QCheckBox *Ui_mainWin::*diffraction;
    QPushButton *Ui_mainWin::*hyperfocal;
    QComboBox *Ui_mainWin::*crop;
    QComboBox *Ui_mainWin::*quality;
    QComboBox *Ui_mainWin::*pixelForm;
    QSpinBox *Ui_mainWin::*viewDistance;
    QComboBox *Ui_mainWin::*viewForm;
    DecimalSpinBox *Ui_mainWin::*printWidth;
    QPushButton *Ui_mainWin::*setViewCoc;
    QTabWidget *Ui_mainWin::*presets;
    MagnificationBox *Ui_mainWin::*magnification;
    DecimalSpinBox *Ui_mainWin::*pupil;
};

namespace {

constexpr std::array<CameraControls, 2> cameraControls{{
    {&Ui_mainWin::boxC1, &Ui_mainWin::c1_fdist, &Ui_mainWin::c1_apature, &Ui_mainWin::c1_flength,
     &Ui_mainWin::c1_coc, &Ui_mainWin::c1_calcDef, &Ui_mainWin::c1_set_Hyper, &Ui_mainWin::c1_crop,
     &Ui_mainWin::c1_quality, &Ui_mainWin::comboBox_7, &Ui_mainWin::spinBox_2,
     &Ui_mainWin::comboBox_8, &Ui_mainWin::doubleSpinBox_10, &Ui_mainWin::pushButton_4,
     &Ui_mainWin::c1_cocPresets, &Ui_mainWin::c1_magnification, &Ui_mainWin::c1_pupil},
    {&Ui_mainWin::boxC2, &Ui_mainWin::c2_fdist, &Ui_mainWin::c2_apature, &Ui_mainWin::c2_flength,
     &Ui_mainWin::c2_coc, &Ui_mainWin::c2_calcDef, &Ui_mainWin::c2_set_Hyper, &Ui_mainWin::c2_crop,
     &Ui_mainWin::c2_quality, &Ui_mainWin::comboBox_4, &Ui_mainWin::spinBox,
     &Ui_mainWin::comboBox_5, &Ui_mainWin::doubleSpinBox_7, &Ui_mainWin::pushButton_2,
     &Ui_mainWin::c2_cocPresets, &Ui_mainWin::c2_magnification, &Ui_mainWin::c2_pupil},
}};

} // namespace

CameraView::CameraView(const Ui_mainWin &ui, int camera, FormModel &values, UndoHistory &steps)
    : QObject(ui.*cameraControls.at(std::size_t(camera)).box)
    , index(camera)
    , model(values)
    , history(steps)
    , controls(cameraControls.at(std::size_t(camera)))
    , form(ui)
    , binder(new FieldBinder(values, steps, this))
{
    const auto field = [camera](CameraInput input) {
        return Field(camera, input);
    };
    binder->bind(field(CameraInput::Focus), form.*controls.focus);
    binder->bind(field(CameraInput::Apature), form.*controls.apature);
    binder->bind(field(CameraInput::FocalLength), form.*controls.focalLength);
    binder->bind(field(CameraInput::Coc), form.*controls.coc);
    binder->bind(field(CameraInput::Diffraction), form.*controls.diffraction);
    binder->bind(field(CameraInput::Shown), form.*controls.box);
    binder->bind(field(CameraInput::Crop), form.*controls.crop);
    binder->bind(field(CameraInput::Quality), form.*controls.quality);
    binder->bind(field(CameraInput::PixelForm), form.*controls.pixelForm);
    binder->bind(field(CameraInput::ViewDistance), form.*controls.viewDistance);
    binder->bind(field(CameraInput::ViewForm), form.*controls.viewForm);
    binder->bind(field(CameraInput::PrintWidth), form.*controls.printWidth);
    binder->bind(field(CameraInput::Pupil), form.*controls.pupil);
    showUnit();
    // A magnification typed sets the focus where the lens gives it.
    MagnificationBox *magnification = form.*controls.magnification;
    connect(magnification, &MagnificationBox::valueChanged, this, [this](double m) {
        if (m <= 0)
            return;
        const Length focus
            = Length::millimetres(focusForMagnification(model.camera(index).focalLength, m));
        history.change(Field(index, CameraInput::Focus),
                       model.shown(Field(index, CameraInput::Focus), focus.metres()));
    });
    connect(magnification, &MagnificationBox::editingFinished, this, [this] {
        history.endRun();
        showMagnification();
    });

    // The camera's colour in the chart marks its group's title.
    QGroupBox *box = form.*controls.box;
    box->setStyleSheet(QStringLiteral("#%1::title { color: %2; }")
                           .arg(box->objectName(),
                                QColor(ChartPainter::cameraColours.at(std::size_t(index))).name()));
    connect(form.*controls.setViewCoc, &QPushButton::clicked, this,
            &CameraView::setCocFromViewDistance);
    focusTip = (form.*controls.focus)->toolTip();
    showOrigin();
    connect(&model, &FormModel::displayChosen, this, &CameraView::showUnit);
    connect(&model, &FormModel::displayChosen, this, &CameraView::showOrigin);
    connect(&model, &FormModel::recalculated, this, &CameraView::showOrigin);
    connect(&model, &FormModel::recalculated, this, &CameraView::showHyperfocal);
    connect(&model, &FormModel::recalculated, this, &CameraView::showMagnification);
}

void CameraView::showMagnification()
{
    MagnificationBox *box = form.*controls.magnification;
    // Not while it is typed into: it follows once its editing is finished.
    if (box->hasFocus())
        return;
    const double magnification = model.results(index).magnification;
    const QSignalBlocker quiet(box);
    box->setValue(std::isnan(magnification) ? box->minimum() : magnification);
}

CameraView::~CameraView() = default;

QString CameraView::text(CameraInput input, double value) const
{
    switch (input) {
    case CameraInput::Apature:
        return (form.*controls.apature)->shownText(value);
    case CameraInput::FocalLength:
        return (form.*controls.focalLength)->shownText(value);
    case CameraInput::Coc:
        return (form.*controls.coc)->shownText(value);
    case CameraInput::PrintWidth:
        return (form.*controls.printWidth)->shownText(value);
    case CameraInput::Focus:
        return (form.*controls.focus)->shownText(value);
    default: // not a number box
        return {};
    }
}

void CameraView::setHyperfocal()
{
    const UndoHistory::Step step(history, tr("Set to Hyperfocal"));
    model.setHyperfocal(index);
}

void CameraView::setCocFromPixelSize()
{
    const UndoHistory::Step step(history, (form.*controls.presets)->tabText(0));
    model.setCocFromPixelSize(index);
}

void CameraView::setCocFromViewDistance()
{
    const UndoHistory::Step step(history, (form.*controls.presets)->tabText(1));
    switch (model.setCocFromViewDistance(index)) {
    case FormModel::CocPreset::NeedsViewDistance:
        form.statusbar->showMessage(
            QCoreApplication::translate("mainWin", "Enter a view distance to set the CoC from it."),
            5000);
        break;
    case FormModel::CocPreset::NeedsImageWidth:
        form.statusbar->showMessage(
            QCoreApplication::translate("mainWin", "Enter an image width to set the CoC from it."),
            5000);
        break;
    case FormModel::CocPreset::Applied:
        break;
    }
}

void CameraView::showUnit()
{
    const LengthUnit unit = model.unit();
    (form.*controls.focus)->setDisplayUnit(unit);
}

void CameraView::showOrigin()
{
    DecimalSpinBox *box = form.*controls.focus;
    const DistanceOrigin origin = model.origin(index);
    const double length = origin.sensor ? origin.flength : 0;
    if (length == mappedLength)
        return;
    mappedLength = length;
    if (!origin.sensor) {
        box->setPrefix({});
        box->setToolTip(focusTip);
        box->setMapping({}, {});
        return;
    }
    // ⊖ marks the sensor plane on a camera body.
    box->setPrefix(QStringLiteral("⊖ "));
    box->setToolTip(QCoreApplication::translate(
        "mainWin",
        "From the sensor plane (View > Distance Axis). Beyond 1:1 the same distance "
        "gives two focuses: the box keeps to the side of 1:1 that the focus is on; "
        "the magnification crosses it."));
    const auto mm = [](double metres) {
        return Length::metres(metres).millimetres();
    };
    const auto metres = [](double mm) {
        return Length::millimetres(mm).metres();
    };
    box->setMapping(
        [=](double focus) { return metres(origin.fromLens(mm(focus))); },
        [=](double shown) { return metres(origin.focusAt(mm(shown), mm(box->value()))); });
}

void CameraView::showHyperfocal()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const LengthUnit unit = model.unit();
    const double focus = model.origin(index).fromLens(model.results(index).hyperfocalFocus);
    const double inUnit = Length::millimetres(focus).in(unit);
    QPushButton *button = form.*controls.hyperfocal;
    // Shorter than the caption's one decimal shows: in millimetres or inches.
    if (inUnit < 0.05) {
        button->setText(QCoreApplication::translate("mainWin", "Set to hyperfocal (%1)")
                            .arg(Readout::length(focus, locale, unit)));
        return;
    }
    const QString caption = unit == LengthUnit::Feet
        ? QCoreApplication::translate("mainWin", "Set to hyperfocal (%1 ft)")
        : QCoreApplication::translate("mainWin", "Set to hyperfocal (%1 m)");
    button->setText(caption.arg(locale.toString(inUnit, 'f', 1)));
}
