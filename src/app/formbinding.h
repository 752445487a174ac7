#ifndef FORMBINDING_H
#define FORMBINDING_H

#include "camerasettings.h"

#include <QMetaProperty>

#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QPushButton;
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
        QDoubleSpinBox *fdist;
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
    // In file order, one control at a time: each value is echoed on its own
    // line to standard output, then set; the change recalculates as if typed,
    // and the control applies the range it has at that moment.
    void write(const CameraSettings &settings) const;

    // The CoC presets of a camera's two groups. The view-distance preset
    // returns what the user must enter first, or nothing when it applied.
    void setCocFromPixelSize(int camera) const;
    QString setCocFromViewDistance(int camera) const;

private:
    struct Bound
    {
        QObject *control;
        QMetaProperty property; // the control's value
    };

    std::array<Camera, 2> cameras;
    std::array<Bound, settingsFields.size()> kept;
};

#endif // FORMBINDING_H
