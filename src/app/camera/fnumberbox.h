#ifndef FNUMBERBOX_H
#define FNUMBERBOX_H

#include "decimalspinbox.h"

// An f-number box: Up and Down move along the third-stop series, a typed
// value stays as typed, and a whole f-number shows without decimals (f/16).
class FNumberBox : public DecimalSpinBox
{
    Q_OBJECT

public:
    using DecimalSpinBox::DecimalSpinBox;

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
};

#endif // FNUMBERBOX_H
