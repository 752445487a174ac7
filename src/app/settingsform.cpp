#include "settingsform.h"

#include "cameraform.h"
#include "decimalspinbox.h"
#include "leftborder.h"
#include "ui_mainwin.h"

#include <QComboBox>

#include <algorithm>
#include <iostream>

SettingsForm::SettingsForm(const Ui_mainWin &form, const std::array<CameraForm, 2> &cameras,
                           LeftBorder &leftBorder)
    : border(leftBorder)
{
    const auto &[one, two] = cameras;
    // In the file's order.
    const std::array<QWidget *, settingsFields.size()> controls{
        form.DSB_leftBorder, form.distanceCam, form.distanceFP,  form.qxscale,
        form.qyscale,        one.box,          one.fdist,        one.apature,
        one.flength,         one.coc,          two.box,          two.fdist,
        two.apature,         two.flength,      two.coc,          one.diffraction,
        two.diffraction,     one.crop,         one.quality,      one.pixelForm,
        one.viewDistance,    one.viewForm,     one.printWidth,   two.crop,
        two.quality,         two.pixelForm,    two.viewDistance, two.viewForm,
        two.printWidth};
    for (std::size_t k = 0; k < controls.size(); ++k) {
        QWidget *control = controls[k];
        const QMetaObject *type = control->metaObject();
        if (const auto *list = qobject_cast<QComboBox *>(control)) {
            kept[k] = {control, type->property(type->indexOfProperty("currentIndex")), 0,
                       double(list->count() - 1)};
        } else {
            // Check boxes and radio buttons have no range: 0 and 1.
            const QVariant minimum = control->property("minimum");
            kept[k] = {control, type->userProperty(), minimum.isValid() ? minimum.toDouble() : 0,
                       minimum.isValid() ? control->property("maximum").toDouble() : 1};
        }
    }
}

CameraSettings SettingsForm::read() const
{
    CameraSettings settings;
    for (std::size_t k = 0; k < kept.size(); ++k)
        settings.values[k] = kept[k].property.read(kept[k].control).toDouble();
    return settings;
}

std::vector<std::size_t> SettingsForm::write(const CameraSettings &settings, bool echo)
{
    border.holdFloor();
    std::vector<std::size_t> adjusted;
    for (std::size_t k = 0; k < settings.held; ++k) {
        const double value = settings.values[k];
        const Bound &bound = kept[k];
        const double taken = std::clamp(value, bound.minimum, bound.maximum);
        if (taken != value)
            adjusted.push_back(k);
        const bool echoed = echo && k < recordFields;
        switch (settingsFields[k].type) {
        case SettingsField::Double:
            if (echoed)
                std::cout << value << '\n';
            if (auto *box = qobject_cast<DecimalSpinBox *>(bound.control))
                box->setKeptValue(taken);
            else
                bound.property.write(bound.control, taken);
            break;
        case SettingsField::Bool:
            if (echoed)
                std::cout << (value != 0) << '\n';
            bound.property.write(bound.control, value != 0);
            break;
        case SettingsField::Int32:
            if (echoed)
                std::cout << qint32(value) << '\n';
            bound.property.write(bound.control, qint32(taken));
            break;
        }
    }
    // The new lenses may lift the border: that is an adjustment too.
    // The border is the file's first field.
    if (border.releaseFloor() && (adjusted.empty() || adjusted.front() != 0))
        adjusted.insert(adjusted.begin(), 0);
    return adjusted;
}
