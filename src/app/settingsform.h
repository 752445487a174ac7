#ifndef SETTINGSFORM_H
#define SETTINGSFORM_H

#include "settings/camerasettings.h"

#include <QMetaProperty>

#include <array>
#include <vector>

class CameraForm;
class LeftBorder;
class Ui_mainWin;

// The values that a settings file keeps, moved between the file and the
// form's controls in the file's order. A file and File > New go in alike.
class SettingsForm
{
public:
    SettingsForm(const Ui_mainWin &form, const std::array<CameraForm, 2> &cameras,
                 LeftBorder &border);

    CameraSettings read() const;
    // One control at a time, in file order, each change recalculating as if
    // typed; with echo, each value of the 84-byte record is written on its
    // own line to standard output first. A value lands as its control shows
    // it. Limits that follow from other values are lifted first, so that the
    // result does not depend on what was shown before. Returns the fields
    // whose values lay outside their controls' ranges and were brought into
    // them, the left border's where the lenses raised it.
    std::vector<std::size_t> write(const CameraSettings &settings, bool echo);

private:
    struct Bound
    {
        QObject *control;
        QMetaProperty property; // the control's value
        double minimum;
        double maximum;
    };

    LeftBorder &border;
    std::array<Bound, settingsFields.size()> kept;
};

#endif // SETTINGSFORM_H
