#include "unsavedchanges.h"

#include "camerasettings.h"
#include "prompts.h"

#include <QCoreApplication>

void UnsavedChanges::markSaved(const CameraSettings &settings)
{
    saved = settings.toBytes();
}

bool UnsavedChanges::isModified(const CameraSettings &current) const
{
    return current.toBytes() != saved;
}

bool UnsavedChanges::mayProceed(QWidget *parent, Prompts &prompts, const CameraSettings &current,
                                const std::function<bool()> &save) const
{
    if (!isModified(current))
        return true;
    switch (prompts.ask(parent, QStringLiteral("Sharpa"),
                        QCoreApplication::translate("mainWin",
                                                    "The camera settings have been changed.\n"
                                                    "Do you want to save your changes?"),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                        QMessageBox::Save)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}
