#include "framingoption.h"

#include "camera/decimalspinbox.h"
#include "camera/fieldbinder.h"
#include "model/formmodel.h"
#include "ui_mainwin.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QWidgetAction>

namespace {
const QString keepKey = QStringLiteral("framing/keep");
const QString widthKey = QStringLiteral("framing/width");
} // namespace

FramingOption::FramingOption(const Ui_mainWin &form, FormModel &values, UndoHistory &history)
    : QObject(form.menuCompare)
    , model(values)
    , binder(new FieldBinder(values, history, this))
{
    const QSettings settings;
    model.preset(ViewInput::KeepFraming, settings.value(keepKey, false).toBool());
    model.preset(ViewInput::FramingWidth,
                 settings.value(widthKey, model.view().framingWidth).toDouble());

    // In the menu under its switch, where the question is asked.
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    auto *label = new QLabel(tr("Subject width"), row);
    width = new DecimalSpinBox(row);
    width->setObjectName(QStringLiteral("framingWidth"));
    width->setToolTip(tr("The width of the subject that fills the frame: 0.9 m is head and "
                         "shoulders, 0.3 m a face, 2 m a full figure."));
    label->setBuddy(width);
    layout->addWidget(label);
    layout->addWidget(width);
    auto *action = new QWidgetAction(form.menuCompare);
    action->setDefaultWidget(row);
    form.menuCompare->addAction(action);

    binder->bind(ViewInput::KeepFraming, form.actionKeepFraming);
    binder->bind(ViewInput::FramingWidth, width);
    showUnit();
    connect(&model, &FormModel::displayChosen, this, &FramingOption::showUnit);
    connect(&model, &FormModel::changed, this, [this](Field field) {
        if (field == ViewInput::KeepFraming)
            QSettings().setValue(keepKey, model.view().keepFraming);
        else if (field == ViewInput::FramingWidth)
            QSettings().setValue(widthKey, model.view().framingWidth);
    });
}

void FramingOption::showUnit()
{
    const LengthUnit unit = model.unit();
    width->setDisplayUnit(unit);
}
