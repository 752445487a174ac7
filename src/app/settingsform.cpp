#include "settingsform.h"

#include "decimalspinbox.h"
#include "leftborder.h"

#include <QComboBox>

#include <algorithm>
#include <iostream>

SettingsForm::SettingsForm(const QWidget *form, LeftBorder &leftBorder)
    : border(leftBorder)
{
    for (std::size_t k = 0; k < settingsFields.size(); ++k) {
        auto *control = form->findChild<QObject *>(QLatin1String(settingsFields[k].control));
        Q_ASSERT(control);
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
        if (control == border.control())
            borderField = k;
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
    if (border.releaseFloor()
        && std::find(adjusted.begin(), adjusted.end(), borderField) == adjusted.end())
        adjusted.insert(adjusted.begin(), borderField);
    return adjusted;
}
