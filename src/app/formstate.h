#ifndef FORMSTATE_H
#define FORMSTATE_H

#include <utility>
#include <vector>

class QAbstractButton;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QSlider;
class QSpinBox;
class QWidget;

// The values of every input control below a widget, taken once and put
// back on request: each step of Edit > Undo holds two of them.
// Scroll bars are left alone: they follow what they scroll, and one put
// back would set its control anew (the left border's, in the unit shown).
class FormState
{
public:
    static FormState capture(const QWidget *root);
    // The same controls' values as they are now.
    FormState now() const;
    // Each control emits its change signals as if the user had changed it.
    void restore() const;
    // The same without a signal: the caller recalculates once.
    void restoreQuietly() const;

    bool operator==(const FormState &other) const;
    bool operator!=(const FormState &other) const { return !(*this == other); }

private:
    struct DoubleSpin
    {
        QDoubleSpinBox *box;
        double minimum;
        double value;
        bool operator==(const DoubleSpin &other) const
        {
            return box == other.box && minimum == other.minimum && value == other.value;
        }
    };
    std::vector<DoubleSpin> doubleSpins;
    std::vector<std::pair<QSpinBox *, int>> spins;
    std::vector<std::pair<QSlider *, int>> sliders;
    std::vector<std::pair<QComboBox *, int>> combos;
    std::vector<std::pair<QAbstractButton *, bool>> buttons;
    std::vector<std::pair<QGroupBox *, bool>> groups;
};

#endif // FORMSTATE_H
