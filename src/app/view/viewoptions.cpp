#include "viewoptions.h"

#include "model/formmodel.h"
#include "ui_mainwin.h"

#include <QActionGroup>
#include <QLocale>
#include <QSettings>

namespace {
const QString axisKey = QStringLiteral("view/distanceAxis");
const QString unitsKey = QStringLiteral("view/units");
const QString sensorKey = QStringLiteral("view/fromSensor");
const QString measureKey = QStringLiteral("view/blurMeasure");
const QString infinityName = QStringLiteral("infinity");
const QString closeUpName = QStringLiteral("closeUp");
} // namespace

ViewOptions::ViewOptions(const Ui_mainWin &ui, FormModel &values)
    : QObject(ui.menuView)
    , form(ui)
    , model(values)
{
    for (const auto &choices :
         {QList{form.actionAxisLinear, form.actionAxisToInfinity, form.actionAxisCloseUp},
          {form.actionUnitsMetres, form.actionUnitsFeet},
          {form.actionBlurCoC, form.actionBlurPercent, form.actionBlurSensor}}) {
        auto *group = new QActionGroup(this);
        for (QAction *choice : choices)
            group->addAction(choice);
    }
    const QSettings settings;
    const bool imperial = QLocale().measurementSystem() != QLocale::MetricSystem;
    const QString axis = settings.value(axisKey).toString();
    (axis == infinityName      ? form.actionAxisToInfinity
         : axis == closeUpName ? form.actionAxisCloseUp
                               : form.actionAxisLinear)
        ->setChecked(true);
    form.actionFromSensor->setChecked(settings.value(sensorKey, false).toBool());
    const QString measure = settings.value(measureKey).toString();
    (measure == QLatin1String("percent")      ? form.actionBlurPercent
         : measure == QLatin1String("sensor") ? form.actionBlurSensor
                                              : form.actionBlurCoC)
        ->setChecked(true);
    const QString units = settings.value(unitsKey).toString();
    (units == QLatin1String("feet") || (units.isEmpty() && imperial) ? form.actionUnitsFeet
                                                                     : form.actionUnitsMetres)
        ->setChecked(true);
    show();
    for (QAction *action :
         {form.actionAxisLinear, form.actionAxisToInfinity, form.actionAxisCloseUp,
          form.actionUnitsMetres, form.actionUnitsFeet, form.actionFromSensor, form.actionBlurCoC,
          form.actionBlurPercent, form.actionBlurSensor})
        connect(action, &QAction::triggered, this, &ViewOptions::choose);
}

void ViewOptions::show()
{
    const DistanceAxis axis = form.actionAxisToInfinity->isChecked() ? DistanceAxis::ToInfinity
        : form.actionAxisCloseUp->isChecked()                        ? DistanceAxis::CloseUp
                                                                     : DistanceAxis::Linear;
    const BlurMeasure measure = form.actionBlurPercent->isChecked() ? BlurMeasure::Percent
        : form.actionBlurSensor->isChecked()                        ? BlurMeasure::Sensor
                                                                    : BlurMeasure::Coc;
    model.setDisplay({form.actionUnitsFeet->isChecked() ? LengthUnit::Feet : LengthUnit::Metres,
                      axis, form.actionFromSensor->isChecked(), measure});
}

void ViewOptions::choose()
{
    QSettings settings;
    settings.setValue(axisKey,
                      form.actionAxisToInfinity->isChecked()    ? infinityName
                          : form.actionAxisCloseUp->isChecked() ? closeUpName
                                                                : QStringLiteral("linear"));
    settings.setValue(unitsKey,
                      form.actionUnitsFeet->isChecked() ? QStringLiteral("feet")
                                                        : QStringLiteral("metres"));
    settings.setValue(sensorKey, form.actionFromSensor->isChecked());
    settings.setValue(measureKey,
                      form.actionBlurPercent->isChecked()      ? QStringLiteral("percent")
                          : form.actionBlurSensor->isChecked() ? QStringLiteral("sensor")
                                                               : QStringLiteral("coc"));
    show();
}
