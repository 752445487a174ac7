#include "viewoptions.h"

#include "ui_mainwin.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

#include <cmath>

namespace {
const QString axisKey = QStringLiteral("view/distanceAxis");
const QString unitsKey = QStringLiteral("view/units");
} // namespace

ViewOptions::ViewOptions(const Ui_mainWin &ui)
    : QObject(ui.menuView)
    , form(ui)
    , scaleTip(ui.qxscale->toolTip())
    , cameraTip(ui.distanceCam->toolTip())
    , focusPlaneTip(ui.distanceFP->toolTip())
{
    for (const auto &[first, second] : {std::pair{form.actionAxisLinear, form.actionAxisToInfinity},
                                        {form.actionUnitsMetres, form.actionUnitsFeet}}) {
        auto *group = new QActionGroup(this);
        group->addAction(first);
        group->addAction(second);
    }
    const QSettings settings;
    const bool imperial = QLocale().measurementSystem() != QLocale::MetricSystem;
    (settings.value(axisKey).toString() == QLatin1String("infinity") ? form.actionAxisToInfinity
                                                                     : form.actionAxisLinear)
        ->setChecked(true);
    const QString units = settings.value(unitsKey).toString();
    (units == QLatin1String("feet") || (units.isEmpty() && imperial) ? form.actionUnitsFeet
                                                                     : form.actionUnitsMetres)
        ->setChecked(true);
    apply();
    for (QAction *action : {form.actionAxisLinear, form.actionAxisToInfinity,
                            form.actionUnitsMetres, form.actionUnitsFeet})
        connect(action, &QAction::triggered, this, &ViewOptions::choose);
}

LengthUnit ViewOptions::unit() const
{
    return form.actionUnitsFeet->isChecked() ? LengthUnit::Feet : LengthUnit::Metres;
}

bool ViewOptions::toInfinity() const
{
    return form.actionAxisToInfinity->isChecked();
}

ChartGeometry::Axis ViewOptions::axis() const
{
    ChartGeometry::Axis axis;
    axis.xs = form.qxscale->value();
    axis.leftBorder = std::llround(Length::metres(form.DSB_leftBorder->value()).millimetres());
    using ChartGeometry::AxisMode;
    axis.mode = toInfinity()            ? AxisMode::ToInfinity
        : form.distanceCam->isChecked() ? AxisMode::FromCamera
                                        : AxisMode::FromFocusPlane;
    axis.unit = unit();
    return axis;
}

void ViewOptions::choose()
{
    QSettings settings;
    settings.setValue(axisKey,
                      toInfinity() ? QStringLiteral("infinity") : QStringLiteral("linear"));
    settings.setValue(
        unitsKey, unit() == LengthUnit::Feet ? QStringLiteral("feet") : QStringLiteral("metres"));
    apply();
    emit changed();
}

void ViewOptions::apply()
{
    const bool infinity = toInfinity();
    form.qxscale->setEnabled(!infinity);
    form.qxscale->setToolTip(
        infinity ? QCoreApplication::translate("mainWin",
                                               "Not used on the axis to infinity, which spaces "
                                               "distances by 1/distance (View > Distance Axis).")
                 : scaleTip);
    const QString fromCamera = QCoreApplication::translate(
        "mainWin", "The axis to infinity measures from the camera (View > Distance Axis).");
    form.distanceCam->setEnabled(!infinity);
    form.distanceCam->setToolTip(infinity ? fromCamera : cameraTip);
    form.distanceFP->setEnabled(!infinity);
    form.distanceFP->setToolTip(infinity ? fromCamera : focusPlaneTip);

    const LengthUnit shown = unit();
    for (DecimalSpinBox *box : {form.c1_fdist, form.c2_fdist, form.DSB_leftBorder})
        box->setDisplayUnit(Length::metres(1).in(shown), Length::suffixOf(shown));
    // The scroll bar moves the border in whole units up to 1000 m; its range changes quietly.
    const QSignalBlocker quiet(form.SB_leftBorder);
    form.SB_leftBorder->setRange(1, int(std::ceil(Length::metres(1000).in(shown))));
}
