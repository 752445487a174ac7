#ifndef FORMBINDING_H
#define FORMBINDING_H

#include "formstate.h"
#include "optics/cameraoptics.h"
#include "optics/length.h"
#include "settings/camerasettings.h"

#include <QMetaProperty>

#include <array>
#include <vector>

class DecimalSpinBox;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QPushButton;
class QScrollBar;
class QSpinBox;
class Ui_mainWin;

// The form's controls as the program uses them: each camera's controls,
// resolved once from the form's members, and the controls that a settings
// file keeps, read and written in the file's order.
class FormBinding
{
public:
    // One camera's inputs in the form.
    struct Camera
    {
        QGroupBox *box;
        DecimalSpinBox *fdist;
        QDoubleSpinBox *apature;
        QDoubleSpinBox *flength;
        QDoubleSpinBox *coc;
        QCheckBox *diffraction;
        QPushButton *setHyper;
        QComboBox *crop;
        QComboBox *quality;
        QComboBox *pixelForm;
        QSpinBox *viewDistance;
        QDoubleSpinBox *printWidth;
        QComboBox *viewForm;
        QPushButton *setViewCoc;
    };

    explicit FormBinding(const Ui_mainWin &form);

    const Camera &camera(int index) const;

    CameraSettings read() const;
    // The values that the settings hold, in file order, one control at a
    // time: each value of the 84-byte record is echoed on its own line to
    // standard output, then set; the change recalculates as if typed. Limits
    // that follow from other values are lifted first, so that the result
    // does not depend on what was shown before. Returns the fields whose
    // values lay outside their controls' ranges and were brought into them.
    std::vector<std::size_t> write(const CameraSettings &settings);

    // The form as it was captured, as File > New puts it back; the left
    // border's floor follows once every value is in, as after write().
    void restore(const FormState &state);

    // Both cameras with the given optics as their controls set them up.
    std::array<CameraSetup, 2> setups(const std::array<CameraOptics, 2> &optics) const;
    // The optics inputs, the diffraction switch and the CoC presets' inputs.
    void copyCamera(int from, int to) const;

    // Focuses the camera at what its button shows.
    void setHyperfocal(int camera, const CameraOptics &optics) const;
    // Each camera's hyperfocal distance on its button, in the unit; with
    // diffraction, the focus from which the far limit is infinite.
    void showHyperfocal(const std::array<CameraOptics, 2> &optics, LengthUnit unit) const;

    // The left border may not go below twice a focal length, so that no
    // subject on the chart lies inside a lens's focal length; the scroll
    // bar follows it in whole units.
    void updateLeftBorder(LengthUnit unit);

    // The CoC presets of a camera's two groups. The view-distance preset
    // returns what the user must enter first, or nothing when it applied.
    void setCocFromPixelSize(int camera) const;
    QString setCocFromViewDistance(int camera) const;

private:
    // True where the border had to rise to a floor.
    bool raiseLeftBorderFloor();

    struct Bound
    {
        QObject *control;
        QMetaProperty property; // the control's value
        double minimum;
        double maximum;
    };

    DecimalSpinBox *leftBorder;
    QScrollBar *leftBorderBar;
    double leftBorderFloor; // before any focal length raised it
    bool writing = false;   // a file's values are going in
    std::array<Camera, 2> cameras;
    std::array<Bound, settingsFields.size()> kept;
};

#endif // FORMBINDING_H
