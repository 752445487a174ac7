#include "exportguard.h"

#include "model/formmodel.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

ExportGuard::ExportGuard(const FormModel &values, const QList<QAction *> &guarded, QObject *parent)
    : QObject(parent)
    , model(values)
    , actions(guarded)
{
    for (QAction *action : actions) {
        for (QObject *place : action->associatedObjects()) {
            if (auto *menu = qobject_cast<QMenu *>(place))
                menu->setToolTipsVisible(true);
        }
    }
    follow();
    connect(&model, &FormModel::changed, this, [this](Field field) {
        if (field.is(CameraInput::Shown))
            follow();
    });
}

void ExportGuard::follow()
{
    bool shown = false;
    for (int k = 0; k < model.cameraCount(); ++k)
        shown = shown || model.camera(k).shown;
    for (QAction *action : actions) {
        action->setEnabled(shown);
        // Without a tip of its own, a menu entry shows nothing but its text.
        action->setToolTip(
            shown ? QString()
                  : QCoreApplication::translate("mainWin",
                                                "Switch a camera on first: there is nothing to "
                                                "export or print while none is shown."));
    }
}
