#include "standardkeys.h"

#include "ui_mainwin.h"

void assignStandardKeys(const Ui_mainWin &form)
{
    form.actionNew->setShortcut(QKeySequence::New);
    form.actionOpen->setShortcut(QKeySequence::Open);
    form.actionSave->setShortcut(QKeySequence::Save);
    form.actionSave_as->setShortcut(QKeySequence::SaveAs);
    form.actionPrintTable->setShortcut(QKeySequence::Print);
    form.actionQuit->setShortcut(QKeySequence::Quit);
    form.actionUserGuide->setShortcut(QKeySequence::HelpContents);
}
