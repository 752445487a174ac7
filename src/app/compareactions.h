#ifndef COMPAREACTIONS_H
#define COMPAREACTIONS_H

#include "optics/cameraoptics.h"

#include <QCoreApplication>
#include <QObject>

#include <array>
#include <functional>

class CameraForm;
class QStatusBar;
class UndoHistory;
class Ui_mainWin;
class ViewOptions;

// The Compare menu: one camera's f-number set so that it has the other's
// depth of field or background blur, one camera made equivalent to the
// other on its own sensor, or one camera copied to the other. The
// status bar says what changed, or how near a match came.
class CompareActions : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<std::array<CameraSetup, 2>()>;

    // Wires the form's Compare menu; source gives both cameras as the
    // window has them now, view the unit of the messages.
    // Each action is one step of the history.
    CompareActions(const Ui_mainWin &ui, std::array<CameraForm, 2> &form, const ViewOptions &view,
                   UndoHistory &history, Source source);

    // Cameras counted from 0; the target takes the other's.
    void matchDepthOfField(int target);
    void matchBackgroundBlur(int target);
    void copyCamera(int target);
    // The other's angle of view and depth of field on the target's sensor,
    // at the target's focus: focal length, f-number and CoC scaled by the
    // ratio of the sensors' diagonals. A value outside its box changes nothing.
    void makeEquivalent(int target);

private:
    void setApature(int target, double apature, const QString &shortfall);
    // Leaves the target as it is, saying why.
    void refuse(const QString &why);

    std::array<CameraForm, 2> &form;
    const ViewOptions &view;
    Source source;
    QStatusBar *bar;
};

#endif // COMPAREACTIONS_H
