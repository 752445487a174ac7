#ifndef CAMERAVIEW_H
#define CAMERAVIEW_H

#include "model/fields.h"

#include <QObject>

class FieldBinder;
class FormModel;
class QGroupBox;
class QPushButton;
class QStatusBar;
class QTabWidget;
class UndoHistory;
class Ui_mainWin;
struct CameraControls;

// One camera's box in the form as a view of that camera in the model: its
// controls bound to the camera's values, its focus in the chosen unit, its
// hyperfocal distance on its button, its colour on its title. Its buttons
// are each one named step of the history.
class CameraView : public QObject
{
    Q_OBJECT

public:
    CameraView(const Ui_mainWin &form, int index, FormModel &model, UndoHistory &history);
    ~CameraView() override;

    // A value of one of the camera's number boxes as the box would show
    // it, prefix and suffix included: "f/5.6", "136.00 mm".
    QString text(CameraInput input, double value) const;

    void setHyperfocal();
    void setCocFromPixelSize();
    // Says in the status bar what must be entered first, if anything.
    void setCocFromViewDistance();

private:
    void showUnit();
    // The focus box from the lens or the sensor plane, as chosen.
    void showOrigin();
    void showHyperfocal();
    void showMagnification();

    int index;
    FormModel &model;
    UndoHistory &history;
    const CameraControls &controls;
    const Ui_mainWin &form;
    FieldBinder *binder;
    double mappedLength = 0; // the focal length the focus box reads from the sensor with; 0: none
    QString focusTip;        // the focus box's own
};

#endif // CAMERAVIEW_H
