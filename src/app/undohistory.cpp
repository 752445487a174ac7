#include "undohistory.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTextDocumentFragment>
#include <QUndoCommand>

namespace {

// Changes to one control closer together than this are one step.
constexpr qint64 momentMs = 1000;

// The text that names a control on the form: its own, or that of the label
// before it in its row.
QString labelOf(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text().remove(QLatin1Char('&'));
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    const QWidget *parent = control->parentWidget();
    if (!parent || !parent->layout())
        return {};
    QList<QLayout *> layouts{parent->layout()};
    while (!layouts.isEmpty()) {
        QLayout *layout = layouts.takeFirst();
        const int index = layout->indexOf(const_cast<QWidget *>(control));
        QLayoutItem *before = nullptr;
        if (auto *grid = qobject_cast<QGridLayout *>(layout); grid && index >= 0) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            before = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
        } else if (index > 0) {
            before = layout->itemAt(index - 1);
        }
        // A label after the control where none comes before it.
        QLayoutItem *after = index >= 0 && !before ? layout->itemAt(index + 1) : nullptr;
        for (QLayoutItem *item : {before, after}) {
            if (const auto *label = qobject_cast<const QLabel *>(item ? item->widget() : nullptr))
                return QTextDocumentFragment::fromHtml(label->text()).toPlainText().trimmed();
        }
        for (int k = 0; k < layout->count(); ++k) {
            if (QLayout *inner = layout->itemAt(k)->layout())
                layouts << inner;
        }
    }
    return {};
}

} // namespace

// One step: the form before and after it.
class UndoHistory::Change : public QUndoCommand
{
public:
    Change(UndoHistory &owner, const FormState &before, const QString &text, const void *source)
        : QUndoCommand(text)
        , history(owner)
        , before(before)
        , after(before)
        , source(source)
    {}

    void undo() override { history.apply(before); }
    void redo() override
    {
        // Pushed after it was done.
        if (done)
            history.apply(after);
        done = true;
    }

    UndoHistory &history;
    FormState before;
    FormState after;
    const void *source; // the control, or none for a named step
    bool done = false;
};

UndoHistory::UndoHistory(QWidget *formRoot, std::function<void()> recalculation, QObject *parent)
    : QObject(parent)
    , form(formRoot)
    , recalculate(std::move(recalculation))
    , stack(new QUndoStack(this))
    , undo(stack->createUndoAction(this))
    , redo(stack->createRedoAction(this))
    , last(FormState::capture(formRoot))
{
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcut(QKeySequence::Redo);
    undo->setObjectName(QStringLiteral("actionUndo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
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

void UndoHistory::watchControls()
{
    const auto follow = [this](auto *control, auto signal) {
        connect(control, signal, this, [this, control] { record(control); });
    };
    for (QDoubleSpinBox *box : form->findChildren<QDoubleSpinBox *>())
        follow(box, &QDoubleSpinBox::valueChanged);
    for (QSpinBox *box : form->findChildren<QSpinBox *>())
        follow(box, &QSpinBox::valueChanged);
    for (QAbstractSpinBox *box : form->findChildren<QAbstractSpinBox *>())
        connect(box, &QAbstractSpinBox::editingFinished, this, [this] { openChange = nullptr; });
    for (QSlider *slider : form->findChildren<QSlider *>())
        follow(slider, &QSlider::valueChanged);
    for (QComboBox *box : form->findChildren<QComboBox *>())
        follow(box, &QComboBox::currentIndexChanged);
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>()) {
        if (button->isCheckable())
            follow(button, &QAbstractButton::toggled);
    }
    for (QGroupBox *group : form->findChildren<QGroupBox *>()) {
        if (group->isCheckable())
            follow(group, &QGroupBox::toggled);
    }
}

void UndoHistory::record(const QObject *source)
{
    if (applying || stepDepth > 0)
        return;
    push(textFor(source), source, true);
}

void UndoHistory::clear()
{
    stack->clear();
    openChange = nullptr;
    last = last.now();
}

void UndoHistory::push(const QString &text, const void *source, bool joins)
{
    const FormState now = last.now();
    if (now == last)
        return;
    emit changed();
    const bool recent = sinceChange.isValid() && sinceChange.elapsed() < momentMs;
    sinceChange.start();
    if (openChange && joins && recent && openChange->source == source
        && openChange->text() == text) {
        openChange->after = now;
    } else {
        auto *change = new Change(*this, last, text, source);
        change->after = now;
        stack->push(change);
        openChange = change;
    }
    last = now;
}

void UndoHistory::apply(const FormState &state)
{
    applying = true;
    state.restoreQuietly();
    recalculate();
    applying = false;
    last = last.now();
    openChange = nullptr;
    emit changed();
}

QString UndoHistory::textFor(const QObject *source) const
{
    const auto *control = qobject_cast<const QWidget *>(source);
    if (const auto *camera = qobject_cast<const QGroupBox *>(control))
        return QCoreApplication::translate("mainWin", "Switch %1 On or Off").arg(camera->title());
    const QString label = control ? labelOf(control) : QString();
    for (const QWidget *above = control ? control->parentWidget() : nullptr; above;
         above = above->parentWidget()) {
        if (const auto *camera = qobject_cast<const QGroupBox *>(above);
            camera && camera->isCheckable())
            return QCoreApplication::translate("mainWin", "%1: %2").arg(camera->title(), label);
    }
    return label.isEmpty() ? QCoreApplication::translate("mainWin", "Change") : label;
}

UndoHistory::Step::Step(UndoHistory &owner, const QString &text, bool joins)
    : history(owner)
{
    if (history.stepDepth++ == 0) {
        history.stepText = QString(text).remove(QLatin1Char('&'));
        history.stepJoins = joins;
    }
}

UndoHistory::Step::~Step()
{
    if (--history.stepDepth == 0 && !history.applying)
        history.push(history.stepText, nullptr, history.stepJoins);
}
