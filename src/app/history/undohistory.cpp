#include "undohistory.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <memory>

namespace {

// Changes to one value closer together than this are one step.
constexpr qint64 momentMs = 1000;
// Gestures are numbered after the fields.
constexpr int firstGestureId = 1000;

QString textOf(Field field)
{
    if (field.isView())
        return labelOf(field);
    const QString camera
        = QCoreApplication::translate("mainWin", "Camera %1").arg(field.camera() + 1);
    if (field.is(CameraInput::Shown))
        return QCoreApplication::translate("mainWin", "Switch %1 On or Off").arg(camera);
    return QCoreApplication::translate("mainWin", "%1: %2").arg(camera, labelOf(field));
}

} // namespace

// A step: the values before and after it, put back at once, with one
// recalculation, by Undo and Redo. A step that continues its predecessor
// merges into it, which drops out where the run ends where it began.
class UndoHistory::Snapshot : public QUndoCommand
{
public:
    Snapshot(FormModel &values, const QString &text, int id, bool continues)
        : QUndoCommand(text)
        , model(values)
        , mergeId(id)
        , continuing(continues)
    {}

    int id() const override { return mergeId; }
    bool continuesRun() const { return continuing; }
    void undo() override { model.restore(before); }
    void redo() override
    {
        if (done)
            model.restore(after);
        else
            doFirst();
        done = true;
        setObsolete(before == after);
    }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const Snapshot *>(other);
        if (!next->continuing)
            return false;
        after = next->after;
        setObsolete(before == after);
        return true;
    }

protected:
    // Makes the change the first time, noting the values before and after.
    virtual void doFirst() {}

    FormModel &model;
    Inputs before;
    Inputs after;

private:
    int mergeId;
    bool continuing;
    bool done = false;
};

class UndoHistory::ValueChange : public Snapshot
{
public:
    ValueChange(FormModel &values, Field changed, double to, bool continues)
        : Snapshot(values, textOf(changed), changed.id(), continues)
        , field(changed)
        , value(to)
    {}

private:
    void doFirst() override
    {
        before = model.inputs();
        model.set(field, value);
        after = model.inputs();
    }

    Field field;
    double value;
};

class UndoHistory::NamedStep : public Snapshot
{
public:
    NamedStep(FormModel &values, const QString &text, int id, bool continues, Inputs from,
              Inputs to)
        : Snapshot(values, text, id, continues)
    {
        before = std::move(from);
        after = std::move(to);
    }
};

UndoHistory::UndoHistory(FormModel &values, QObject *parent)
    : QObject(parent)
    , model(values)
    , stack(new QUndoStack(this))
    , undo(stack->createUndoAction(this))
    , redo(stack->createRedoAction(this))
{
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcut(QKeySequence::Redo);
    undo->setObjectName(QStringLiteral("actionUndo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    // Named as the menus' other entries are, with their keys; after the
    // stack's own naming.
    const auto name = [this] {
        undo->setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
        redo->setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
    };
    name();
    connect(stack, &QUndoStack::indexChanged, this, name);
    connect(stack, &QUndoStack::undoTextChanged, this, name);
    connect(stack, &QUndoStack::redoTextChanged, this, name);
    // After Undo or Redo, no change continues the step before.
    for (QAction *action : {undo, redo})
        connect(action, &QAction::triggered, this, &UndoHistory::endRun);
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock = [timer] {
        return timer->elapsed();
    };
}

UndoHistory::~UndoHistory() = default;

QAction *UndoHistory::undoAction() const
{
    return undo;
}

QAction *UndoHistory::redoAction() const
{
    return redo;
}

void UndoHistory::change(Field field, double value)
{
    // Within a named step, a part of it.
    if (stepDepth > 0)
        return model.set(field, value);
    push(new ValueChange(model, field, value, continues(field.id())));
}

void UndoHistory::endRun()
{
    runOpen = false;
}

void UndoHistory::clear()
{
    stack->clear();
    runOpen = false;
}

void UndoHistory::setClock(std::function<qint64()> milliseconds)
{
    clock = std::move(milliseconds);
}

bool UndoHistory::continues(int id) const
{
    return runOpen && id == lastId && clock() - lastTime < momentMs;
}

void UndoHistory::push(Snapshot *step)
{
    const int id = step->id();
    const bool continuing = step->continuesRun();
    const int before = stack->index();
    // The stack merges a step into the run it continues, and drops one that
    // changed nothing, or merged, a run that ends where it began: then the
    // run is over, and the next change is a step of its own.
    stack->push(step);
    const int after = stack->count();
    runOpen = id >= 0 && (after == before + 1 || (after == before && continuing));
    lastId = id;
    lastTime = clock();
}

UndoHistory::Step::Step(UndoHistory &owner, const QString &text, int gesture)
    : history(owner)
{
    if (history.stepDepth++ > 0)
        return;
    history.stepText = QString(text).remove(QLatin1Char('&'));
    history.stepId = gesture < 0 ? -1 : firstGestureId + gesture;
    history.stepBefore = history.model.inputs();
}

UndoHistory::Step::~Step()
{
    if (--history.stepDepth == 0)
        history.endStep();
}

void UndoHistory::endStep()
{
    Inputs after = model.inputs();
    if (after != stepBefore)
        push(new NamedStep(model, stepText, stepId, continues(stepId), std::move(stepBefore),
                           std::move(after)));
}
