#ifndef COMPAREACTIONS_H
#define COMPAREACTIONS_H

#include <QObject>

#include <array>

class CameraView;
class FormModel;
class QStatusBar;
class UndoHistory;
class Ui_mainWin;

// The Compare menu: one camera's f-number set so that it has the other's
// depth of field or background blur, one camera made equivalent to the
// other on its own sensor, or one camera copied to the other. The
// status bar says what changed, or how near a match came. Each action is
// one step of the history.
class CompareActions : public QObject
{
    Q_OBJECT

public:
    // The cameras' views write the values as their boxes show them.
    CompareActions(const Ui_mainWin &ui, FormModel &model,
                   const std::array<CameraView *, 2> &cameras, UndoHistory &history);

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

    FormModel &model;
    const std::array<CameraView *, 2> &cameras;
    QStatusBar *bar;
};

#endif // COMPAREACTIONS_H
