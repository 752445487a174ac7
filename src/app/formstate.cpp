#include "formstate.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

FormState FormState::capture(const QWidget *root)
{
    FormState state;
    for (QDoubleSpinBox *box : root->findChildren<QDoubleSpinBox *>())
        state.doubleSpins.push_back({box, box->minimum(), box->value()});
    for (QSpinBox *box : root->findChildren<QSpinBox *>())
        state.spins.emplace_back(box, box->value());
    for (QSlider *slider : root->findChildren<QSlider *>())
        state.sliders.emplace_back(slider, slider->value());
    for (QComboBox *box : root->findChildren<QComboBox *>())
        state.combos.emplace_back(box, box->currentIndex());
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (button->isCheckable())
            state.buttons.emplace_back(button, button->isChecked());
    }
    for (QGroupBox *group : root->findChildren<QGroupBox *>()) {
        if (group->isCheckable())
            state.groups.emplace_back(group, group->isChecked());
    }
    return state;
}

FormState FormState::now() const
{
    FormState state = *this;
    for (DoubleSpin &spin : state.doubleSpins)
        spin = {spin.box, spin.box->minimum(), spin.box->value()};
    for (auto &[box, value] : state.spins)
        value = box->value();
    for (auto &[slider, value] : state.sliders)
        value = slider->value();
    for (auto &[box, index] : state.combos)
        index = box->currentIndex();
    for (auto &[button, checked] : state.buttons)
        checked = button->isChecked();
    for (auto &[group, checked] : state.groups)
        checked = group->isChecked();
    return state;
}

void FormState::restore() const
{
    for (const DoubleSpin &spin : doubleSpins) {
        spin.box->setMinimum(spin.minimum);
        spin.box->setValue(spin.value);
    }
    for (const auto &[box, value] : spins)
        box->setValue(value);
    for (const auto &[slider, value] : sliders)
        slider->setValue(value);
    for (const auto &[box, index] : combos)
        box->setCurrentIndex(index);
    for (const auto &[button, checked] : buttons) {
        // An exclusive button is unchecked by checking its partner.
        if (checked || !button->autoExclusive())
            button->setChecked(checked);
    }
    for (const auto &[group, checked] : groups)
        group->setChecked(checked);
}

void FormState::restoreQuietly() const
{
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(doubleSpins.size() + spins.size() + sliders.size() + combos.size()
                  + buttons.size() + groups.size());
    for (const DoubleSpin &spin : doubleSpins)
        quiet.emplace_back(spin.box);
    for (const auto &spin : spins)
        quiet.emplace_back(spin.first);
    for (const auto &slider : sliders)
        quiet.emplace_back(slider.first);
    for (const auto &combo : combos)
        quiet.emplace_back(combo.first);
    for (const auto &button : buttons)
        quiet.emplace_back(button.first);
    for (const auto &group : groups)
        quiet.emplace_back(group.first);
    restore();
}

bool FormState::operator==(const FormState &other) const
{
    return doubleSpins == other.doubleSpins && spins == other.spins && sliders == other.sliders
        && combos == other.combos && buttons == other.buttons && groups == other.groups;
}
