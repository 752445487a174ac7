#include "viewoptions.h"

#include "model/formmodel.h"
#include "ui_mainwin.h"

#include <QActionGroup>
#include <QLocale>
#include <QSettings>

namespace {
const QString axisKey = QStringLiteral("view/distanceAxis");
const QString unitsKey = QStringLiteral("view/units");
} // namespace

ViewOptions::ViewOptions(const Ui_mainWin &ui, FormModel &values)
    : QObject(ui.menuView)
    , form(ui)
    , model(values)
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
    model.setDisplay(form.actionUnitsFeet->isChecked() ? LengthUnit::Feet : LengthUnit::Metres,
                     form.actionAxisToInfinity->isChecked());
    for (QAction *action : {form.actionAxisLinear, form.actionAxisToInfinity,
                            form.actionUnitsMetres, form.actionUnitsFeet})
        connect(action, &QAction::triggered, this, &ViewOptions::choose);
}

void ViewOptions::choose()
{
    const bool infinity = form.actionAxisToInfinity->isChecked();
    const bool feet = form.actionUnitsFeet->isChecked();
    QSettings settings;
    settings.setValue(axisKey, infinity ? QStringLiteral("infinity") : QStringLiteral("linear"));
    settings.setValue(unitsKey, feet ? QStringLiteral("feet") : QStringLiteral("metres"));
    model.setDisplay(feet ? LengthUnit::Feet : LengthUnit::Metres, infinity);
}
