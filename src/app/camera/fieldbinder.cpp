#include "fieldbinder.h"

#include "decimalspinbox.h"
#include "history/undohistory.h"
#include "model/formmodel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

FieldBinder::FieldBinder(FormModel &values, UndoHistory &steps, QObject *parent)
    : QObject(parent)
    , model(values)
    , history(steps)
{
    connect(&model, &FormModel::changed, this, &FieldBinder::show);
}

void FieldBinder::add(Field field, std::function<void()> showValue)
{
    showValue();
    shown.emplace_back(field, std::move(showValue));
}

void FieldBinder::show(Field field)
{
    for (const auto &[bound, showValue] : shown) {
        if (bound == field)
            showValue();
    }
}

void FieldBinder::bind(Field field, DecimalSpinBox *box)
{
    box->setDecimals(rulesOf(field).decimals);
    box->setCloseDecimals(rulesOf(field).closeDecimals);
    add(field, [this, field, box] {
        const QSignalBlocker quiet(box);
        // The left border's minimum follows the lenses.
        if (box->minimum() != model.minimum(field) || box->maximum() != model.maximum(field))
            box->setRange(model.minimum(field), model.maximum(field));
        // A box being typed into keeps its text where the value is its own.
        if (box->value() != model.value(field))
            box->setValue(model.value(field));
    });
    connect(box, &DecimalSpinBox::valueChanged, this,
            [this, field](double value) { history.change(field, value); });
    connect(box, &DecimalSpinBox::editingFinished, &history, &UndoHistory::endRun);
}

template<typename Whole>
void FieldBinder::bindWhole(Field field, Whole *control)
{
    control->setRange(int(model.minimum(field)), int(model.maximum(field)));
    add(field, [this, field, control] {
        const QSignalBlocker quiet(control);
        if (control->value() != int(model.value(field)))
            control->setValue(int(model.value(field)));
    });
    connect(control, &Whole::valueChanged, this,
            [this, field](int value) { history.change(field, value); });
}

void FieldBinder::bind(Field field, QSpinBox *box)
{
    bindWhole(field, box);
    connect(box, &QSpinBox::editingFinished, &history, &UndoHistory::endRun);
}

void FieldBinder::bind(Field field, QSlider *slider)
{
    bindWhole(field, slider);
}

void FieldBinder::bind(Field field, QComboBox *list)
{
    Q_ASSERT(list->count() == int(model.maximum(field)) + 1);
    add(field, [this, field, list] {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(int(model.value(field)));
    });
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, field](int index) { history.change(field, index); });
}

void FieldBinder::bind(Field field, QAbstractButton *button)
{
    add(field, [this, field, button] {
        const QSignalBlocker quiet(button);
        // One of a radio pair goes off as its partner goes on.
        if (model.value(field) != 0 || !button->autoExclusive())
            button->setChecked(model.value(field) != 0);
    });
    connect(button, &QAbstractButton::toggled, this, [this, field, button](bool on) {
        if (on || !button->autoExclusive())
            history.change(field, on);
    });
}

void FieldBinder::bind(Field field, QGroupBox *group)
{
    add(field, [this, field, group] {
        const QSignalBlocker quiet(group);
        group->setChecked(model.value(field) != 0);
    });
    connect(group, &QGroupBox::toggled, this,
            [this, field](bool on) { history.change(field, on); });
}

void FieldBinder::bind(Field field, QAction *action)
{
    add(field, [this, field, action] {
        const QSignalBlocker quiet(action);
        action->setChecked(model.value(field) != 0);
    });
    connect(action, &QAction::toggled, this, [this, field](bool on) { history.change(field, on); });
}
