#ifndef UNDOHISTORY_H
#define UNDOHISTORY_H

#include "formstate.h"

#include <QElapsedTimer>
#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;
class QWidget;

// Edit > Undo and Redo. Every user action on the form is one step that
// takes back, at once and with one recalculation, every value it changed:
// a control's own change (a run of changes to one control within a moment,
// until its editing is finished, counts once), or a named action such as a
// preset, a Compare action or a gesture on the chart. Units and the axis
// are views of the values, not steps.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    // The changes between steps are read from the controls below form.
    UndoHistory(QWidget *form, std::function<void()> recalculate, QObject *parent);
    ~UndoHistory() override;

    QAction *undoAction() const;
    QAction *redoAction() const;

signals:
    // The form's values changed: by a step, or by Undo or Redo.
    void changed();

public:
    // Follows every input control below the form, after the connections
    // made before it: what a control's change left, once recalculated, is
    // its step, or joins its step of a moment ago until its editing ends.
    void watchControls();
    // A file was opened: nothing before it can be undone.
    void clear();

    // Whatever changes while a Step lives is one step of that name. A
    // gesture's steps join their predecessor a moment ago.
    class Step
    {
    public:
        Step(UndoHistory &history, const QString &text, bool joins = false);
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        UndoHistory &history;
    };

private:
    class Change;

    void record(const QObject *source);
    void push(const QString &text, const void *key, bool joins);
    void apply(const FormState &state);
    QString textFor(const QObject *source) const;

    QWidget *form;
    std::function<void()> recalculate;
    QUndoStack *stack;
    QAction *undo;
    QAction *redo;
    FormState last; // the form after the last step
    bool applying = false;
    int stepDepth = 0;
    QString stepText;
    bool stepJoins = false;
    QElapsedTimer sinceChange;
    Change *openChange = nullptr; // the last step, while it may grow
};

#endif // UNDOHISTORY_H
