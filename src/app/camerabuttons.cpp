#include "camerabuttons.h"

#include "undohistory.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

CameraButtons::CameraButtons(std::array<CameraForm, 2> &forms, std::array<QTabWidget *, 2> tabs,
                             const std::array<CameraOptics, 2> &recalculated, UndoHistory &steps,
                             QStatusBar *statusBar)
    : QObject(statusBar)
    , cameras(forms)
    , presets(tabs)
    , optics(recalculated)
    , history(steps)
    , status(statusBar)
{
    for (std::size_t k = 0; k < cameras.size(); ++k)
        connect(cameras[k].setViewCoc, &QPushButton::clicked, this,
                [this, k] { setCocFromViewDistance(k); });
}

void CameraButtons::setHyperfocal(std::size_t camera)
{
    const UndoHistory::Step step(history, tr("Set to Hyperfocal"));
    cameras[camera].setHyperfocal(optics[camera]);
}

void CameraButtons::setCocFromPixelSize(std::size_t camera)
{
    const UndoHistory::Step step(history, presets[camera]->tabText(0));
    cameras[camera].setCocFromPixelSize();
}

void CameraButtons::setCocFromViewDistance(std::size_t camera)
{
    const UndoHistory::Step step(history, presets[camera]->tabText(1));
    const QString missing = cameras[camera].setCocFromViewDistance();
    if (!missing.isEmpty())
        status->showMessage(missing, 5000);
}
