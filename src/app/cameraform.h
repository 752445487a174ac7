#ifndef CAMERAFORM_H
#define CAMERAFORM_H

#include "optics/cameraoptics.h"
#include "optics/length.h"

#include <QString>

class DecimalSpinBox;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class Ui_mainWin;

// One camera's controls in the form, found once from the form's members,
// and what the program does with them: the setup that the chart and the
// details read, the hyperfocal button, the CoC presets, a copy of the
// other camera.
class CameraForm
{
public:
    // Camera 1 (index 0) or camera 2; its group's title takes its colour.
    CameraForm(const Ui_mainWin &form, int index);

    QGroupBox *box;
    DecimalSpinBox *fdist;
    DecimalSpinBox *apature;
    DecimalSpinBox *flength;
    DecimalSpinBox *coc;
    QCheckBox *diffraction;
    QPushButton *setHyper;
    QComboBox *crop;
    QComboBox *quality;
    QComboBox *pixelForm;
    QSpinBox *viewDistance;
    QDoubleSpinBox *printWidth;
    QComboBox *viewForm;
    QPushButton *setViewCoc;

    // The optics that the boxes set, each recalculation's trace line written.
    CameraOptics optics() const;
    // The optics with the sensor and the diffraction switch that the controls set.
    CameraSetup setup(const CameraOptics &optics) const;
    // The other camera's optics inputs, diffraction switch and CoC presets' inputs.
    void copy(const CameraForm &other);

    // Focuses at what the button shows.
    void setHyperfocal(const CameraOptics &optics);
    // The hyperfocal distance on the button, in the unit; with diffraction,
    // the focus from which the far limit is infinite.
    void showHyperfocal(const CameraOptics &optics, LengthUnit unit);

    // The CoC presets. The view-distance preset returns what the user must
    // enter first, or nothing when it applied.
    void setCocFromPixelSize();
    QString setCocFromViewDistance();
};

#endif // CAMERAFORM_H
