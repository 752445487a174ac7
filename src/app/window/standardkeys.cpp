#include "standardkeys.h"

#include "ui_mainwin.h"

void assignStandardKeys(const Ui_mainWin &form)
{
    form.actionNew->setShortcut(QKeySequence::New);
    form.actionOpen->setShortcut(QKeySequence::Open);
    form.actionSave->setShortcut(QKeySequence::Save);
    // Ctrl+Shift+S everywhere, the platform's own key as well.
    QList<QKeySequence> saveAs{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::SaveAs)) {
        if (!saveAs.contains(key))
            saveAs << key;
    }
    form.actionSave_as->setShortcuts(saveAs);
    form.actionPrintTable->setShortcut(QKeySequence::Print);
    form.actionQuit->setShortcut(QKeySequence::Quit);
    form.actionUserGuide->setShortcut(QKeySequence::HelpContents);
}
