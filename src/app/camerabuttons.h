#ifndef CAMERABUTTONS_H
#define CAMERABUTTONS_H

#include "cameraform.h"
#include "optics/cameraoptics.h"

#include <QObject>

#include <array>

class QStatusBar;
class QTabWidget;
class UndoHistory;

// Each camera's buttons, each press one named step of the history: Set to
// Hyperfocal, at the optics of the last recalculation, and the two CoC
// presets, named by their tabs.
class CameraButtons : public QObject
{
    Q_OBJECT

public:
    CameraButtons(std::array<CameraForm, 2> &cameras, std::array<QTabWidget *, 2> presets,
                  const std::array<CameraOptics, 2> &optics, UndoHistory &history,
                  QStatusBar *status);

    void setHyperfocal(std::size_t camera);
    void setCocFromPixelSize(std::size_t camera);
    // Says in the status bar what must be entered first, if anything.
    void setCocFromViewDistance(std::size_t camera);

private:
    std::array<CameraForm, 2> &cameras;
    std::array<QTabWidget *, 2> presets;
    const std::array<CameraOptics, 2> &optics;
    UndoHistory &history;
    QStatusBar *status;
};

#endif // CAMERABUTTONS_H
