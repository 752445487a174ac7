#ifndef UNDOHISTORY_H
#define UNDOHISTORY_H

#include "model/formmodel.h"

#include <QObject>

#include <functional>

class QAction;
class QUndoStack;

// Edit > Undo and Redo on the model's values. Every user action is one step
// that takes back, at once and with one recalculation, every value it
// changed: a control's change of one value (a run of changes to that value
// a moment apart, until its editing is finished, is one step, and none
// where the run ends where it began), or a named action such as a preset, a
// Compare action or a gesture on the chart. Units and the axis are views
// of the values, not steps.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    UndoHistory(FormModel &model, QObject *parent);
    ~UndoHistory() override;

    QAction *undoAction() const;
    QAction *redoAction() const;

    // A control's change of its field, done as a step.
    void change(Field field, double value);
    // The control's editing is finished: its next change is a step of its own.
    void endRun();
    // A file was opened: nothing before it can be undone.
    void clear();
    // Milliseconds from any start, which tell a run's changes apart; tests
    // set a clock of their own.
    void setClock(std::function<qint64()> clock);

    // Whatever changes while a Step lives is one step of that name. A
    // gesture's steps, numbered by the gesture, join their predecessor of
    // the same gesture a moment ago.
    class Step
    {
    public:
        Step(UndoHistory &history, const QString &text, int gesture = -1);
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        UndoHistory &history;
    };

private:
    class Snapshot;
    class ValueChange;
    class NamedStep;

    void push(Snapshot *step);
    // The named step's values after it, pushed where they changed.
    void endStep();
    // Whether a step with this id continues the last one.
    bool continues(int id) const;

    FormModel &model;
    QUndoStack *stack;
    QAction *undo;
    QAction *redo;
    std::function<qint64()> clock;
    bool runOpen = false;
    int lastId = -1;
    qint64 lastTime = 0;
    // The named step that is open, and the values before it.
    int stepDepth = 0;
    QString stepText;
    int stepId = -1;
    Inputs stepBefore;
};

#endif // UNDOHISTORY_H
