#ifndef DECIMALSPINBOX_H
#define DECIMALSPINBOX_H

#include <QDoubleSpinBox>

// The form's number box: it holds exactly what it shows, also after a step,
// and takes a typed '.' or ',' as its decimal point, never as a thousands
// separator.
class DecimalSpinBox : public QDoubleSpinBox
{
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

#endif // DECIMALSPINBOX_H
