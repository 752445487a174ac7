#ifndef PLANFORM_H
#define PLANFORM_H

#include "chart/scene.h"
#include "optics/distanceorigin.h"
#include "optics/length.h"

#include <QGroupBox>

#include <optional>

class CameraView;
class DecimalSpinBox;
class FormModel;
class QCheckBox;
class QAction;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSettings;
class QSpinBox;
class QTableView;
class ShotModel;
class UndoHistory;

// What a plan tells, for a shot card: the range, the camera's settings,
// of which the stack's f-number, the answers, the shots.
struct ShotCard
{
    QString range;
    QString settings;
    QString plan;
    QString stack;
    std::vector<Planning::Shot> shots;
    DistanceOrigin origin; // of the distances shown
};

// One camera's plan: what should be sharp (near to far, far perhaps
// infinite) within a blur limit, from the lens or the sensor plane as the
// distances are shown, answered with the focus and f-numbers
// that keep it so, rounded as the camera's boxes show them, and with the
// focus stack that keeps it so at the camera's own f-number, by refocusing
// or on a rail, the camera moving and its magnification staying. Apply sets
// the planned focus and f-number, one step of the history. The inputs are
// remembered between runs.
class PlanForm : public QGroupBox
{
    Q_OBJECT

public:
    // working switches the disc to the working f-number, where a notice offers it.
    PlanForm(int index, FormModel &model, const CameraView &camera, UndoHistory &history,
             QAction *working, QWidget *parent);

    // Plans anew for the camera as last recalculated, in the chosen unit.
    void follow();
    PlanMarks marks() const;
    ShotCard card() const;
    // The stack's shots, tab-separated, to the clipboard.
    void copyShots() const;

signals:
    // An input changed: the plan must follow.
    void changed();

private:
    // As typed, from the origin, mm.
    Planning::Range typed() const;
    // From the lens.
    Planning::Range range() const;
    void remember();
    void apply();
    // The answer for one shot; false where none keeps the limit.
    bool planShot(const CameraSetup &setup, LengthUnit unit);
    void planStack(const CameraSetup &setup, LengthUnit unit);

    int index;
    FormModel &model;
    const CameraView &camera;
    UndoHistory &history;
    QString key; // of the remembered inputs
    // Kept open: it writes the inputs out when the event loop is idle, not
    // at every keystroke.
    QSettings *settings;
    DecimalSpinBox *nearBox;
    DecimalSpinBox *farBox;
    QCheckBox *toInfinity;
    QDoubleSpinBox *limitBox;
    QSpinBox *overlapBox;
    // A stack on a rail rather than by refocusing, and the subject's depth, mm.
    QCheckBox *railBox;
    QDoubleSpinBox *depthBox;
    QLabel *answer;
    // What diffraction would do, or does beyond what is computed, and the remedy.
    QLabel *notice;
    QPushButton *applyButton;
    QLabel *stackAnswer;
    ShotModel *shots;
    QTableView *shotTable;
    std::optional<LengthUnit> shownUnit; // of the distance boxes
    bool shownFromSensor = false;
    PlanMarks current;
    QString stretch;         // the range as the answer names it
    double plannedFocus = 0; // metres, as the focus box will hold it
    double plannedApature = 0;
};

#endif // PLANFORM_H
