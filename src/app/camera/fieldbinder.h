#ifndef FIELDBINDER_H
#define FIELDBINDER_H

#include "model/fields.h"

#include <QObject>

#include <functional>
#include <vector>

class DecimalSpinBox;
class QAction;
class FormModel;
class QAbstractButton;
class QComboBox;
class QGroupBox;
class QSlider;
class QSpinBox;
class UndoHistory;

// Controls bound each to a field of the model. A control takes its range
// and decimals from its field and shows its value; a change that the user
// makes goes into the model as a step of the history; the model's changes,
// whatever made them, come back to the control with its signals blocked.
class FieldBinder : public QObject
{
    Q_OBJECT

public:
    FieldBinder(FormModel &model, UndoHistory &history, QObject *parent);

    void bind(Field field, DecimalSpinBox *box);
    void bind(Field field, QSpinBox *box);
    void bind(Field field, QSlider *slider);
    void bind(Field field, QComboBox *list);
    // A check box, or one of a radio pair, whose going on alone is a change.
    void bind(Field field, QAbstractButton *button);
    void bind(Field field, QGroupBox *group);
    void bind(Field field, QAction *action); // checkable

    // The field's range and value shown anew.
    void show(Field field);

private:
    void add(Field field, std::function<void()> show);
    // A spin box or slider of whole numbers.
    template<typename Whole>
    void bindWhole(Field field, Whole *control);

    FormModel &model;
    UndoHistory &history;
    std::vector<std::pair<Field, std::function<void()>>> shown;
};

#endif // FIELDBINDER_H
