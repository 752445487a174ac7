#include "chartcontrols.h"

#include "camera/fieldbinder.h"
#include "history/undohistory.h"
#include "model/formmodel.h"
#include "ui_mainwin.h"

#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

ChartControls::ChartControls(const Ui_mainWin &ui, FormModel &values, UndoHistory &steps)
    : QObject(ui.centralwidget)
    , form(ui)
    , model(values)
    , history(steps)
    , binder(new FieldBinder(values, steps, this))
    , scaleTip(ui.qxscale->toolTip())
    , cameraTip(ui.distanceCam->toolTip())
    , focusPlaneTip(ui.distanceFP->toolTip())
    , blurLabel(ui.label_24->text())
    , blurTip(ui.qyscale->toolTip())
{
    binder->bind(ViewInput::LeftBorder, form.DSB_leftBorder);
    binder->bind(ViewInput::FromCamera, form.distanceCam);
    binder->bind(ViewInput::FromFocusPlane, form.distanceFP);
    binder->bind(ViewInput::DistanceScale, form.qxscale);
    binder->bind(ViewInput::BlurScale, form.qyscale);
    showDisplay();
    connect(&model, &FormModel::displayChosen, this, &ChartControls::showDisplay);
    connect(&model, &FormModel::recalculated, this, &ChartControls::showResults);
}

void ChartControls::setBorderFromBar()
{
    const double metres = Length::in(form.SB_leftBorder->value(), model.unit()).metres();
    history.change(ViewInput::LeftBorder, model.shown(ViewInput::LeftBorder, metres));
}

void ChartControls::showDisplay()
{
    const DistanceAxis axis = model.distanceAxis();
    const bool linear = axis == DistanceAxis::Linear;
    const bool closeUp = axis == DistanceAxis::CloseUp;
    form.qxscale->setEnabled(linear);
    // Its label greys out with it; close up its value still reads the scale.
    form.label_2->setEnabled(linear);
    form.qxscaled->setEnabled(axis != DistanceAxis::ToInfinity);
    form.qxscale->setToolTip(
        linear ? scaleTip
            : closeUp
            ? QCoreApplication::translate(
                "mainWin",
                "Close up the mouse wheel scales the axis, from a tenth of a micrometre to a "
                "millimetre per pixel (View > Distance Axis).")
            : QCoreApplication::translate("mainWin",
                                          "Not used on the axis to infinity, which spaces "
                                          "distances by 1/distance (View > Distance Axis)."));
    const QString origin = closeUp
        ? QCoreApplication::translate(
            "mainWin", "The close-up axis measures from the focus plane (View > Distance Axis).")
        : QCoreApplication::translate(
            "mainWin", "The axis to infinity measures from the camera (View > Distance Axis).");
    form.distanceCam->setEnabled(linear);
    form.distanceCam->setToolTip(linear ? cameraTip : origin);
    form.distanceFP->setEnabled(linear);
    form.distanceFP->setToolTip(linear ? focusPlaneTip : origin);
    // Close up the axis is centred on the focus plane: no border.
    form.DSB_leftBorder->setEnabled(!closeUp);
    form.SB_leftBorder->setEnabled(!closeUp);
    // The blur scale says what it scales.
    switch (model.display().measure) {
    case BlurMeasure::Coc:
        form.label_24->setText(blurLabel);
        form.qyscale->setToolTip(blurTip);
        break;
    case BlurMeasure::Percent:
        form.label_24->setText(QCoreApplication::translate("mainWin", "%-Scale"));
        form.qyscale->setToolTip(QCoreApplication::translate(
            "mainWin", "Blur scale: pixels of the chart per 0.1 % of the image width."));
        break;
    case BlurMeasure::Sensor:
        form.label_24->setText(QCoreApplication::translate("mainWin", "µm-Scale"));
        form.qyscale->setToolTip(QCoreApplication::translate(
            "mainWin", "Blur scale: pixels of the chart per 10 µm of blur on the sensor."));
        break;
    }
    showResults();

    const LengthUnit unit = model.unit();
    form.DSB_leftBorder->setDisplayUnit(unit);
    // The scroll bar moves the border in whole units up to 1000 m; its range changes quietly.
    const QSignalBlocker quiet(form.SB_leftBorder);
    form.SB_leftBorder->setRange(1, int(std::ceil(Length::metres(1000).in(unit))));
}

void ChartControls::showResults()
{
    // The lenses of this recalculation set the border's floor.
    binder->show(ViewInput::LeftBorder);
    if (model.distanceAxis() == DistanceAxis::CloseUp)
        form.qxscaled->setText(QCoreApplication::translate("mainWin", "%1 µm")
                                   .arg(QLocale().toString(model.view().closeUpScale, 'g', 3)));
    else
        form.qxscaled->setNum(model.view().distanceScale);
    form.qyscaled->setNum(model.view().blurScale);
    // Follows the border without writing back to it.
    const QSignalBlocker quiet(form.SB_leftBorder);
    const double shown = Length::metres(model.view().leftBorder).in(model.unit());
    form.SB_leftBorder->setValue(
        int(std::clamp(std::round(shown), 1.0, double(form.SB_leftBorder->maximum()))));
}
