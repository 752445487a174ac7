#ifndef DECIMALSPINBOX_H
#define DECIMALSPINBOX_H

#include "optics/length.h"

#include <QDoubleSpinBox>

#include <functional>

// The form's number box: it holds exactly what it shows, also after a step,
// and takes a typed '.' or ',' as its decimal point, never as a thousands
// separator. A distance box may show its value in another unit.
class DecimalSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    using QDoubleSpinBox::QDoubleSpinBox;

    // The value as the box would show it: to its shown decimals in the
    // shown unit, up where a bound must not be undercut. Every value that
    // the program sets goes through it, so that what the box holds, the
    // recalculation uses and a file keeps is what it shows.
    double shownValue(double value, bool roundUp = false) const;
    void setShownValue(double value, bool roundUp = false);
    // A value as a file keeps it, in the box's own unit: to the decimals
    // shown there, whatever unit is shown now, so that viewing a file in
    // another unit changes none of its values.
    void setKeptValue(double value);

    // The whole text the box would show for a value, prefix and suffix
    // included: "f/5.6", "136.00 mm".
    QString shownText(double value) const;

    // A distance held in metres, shown and taken in the unit, with its
    // suffix; value() and the range stay as they are. The box then keeps
    // four more decimals than it shows, so that a value typed in either unit
    // reads back as typed and switching the unit changes no value. Steps
    // land on the shown decimals of the shown unit.
    void setDisplayUnit(LengthUnit unit);
    // Below one unit, at close range, the box shows these decimals, where more.
    void setCloseDecimals(int decimals);
    // Shows another quantity that the value gives, in the value's own unit
    // before the display unit's factor, and takes what is typed back through
    // the inverse; empty functions show the value itself.
    void setMapping(std::function<double(double)> toShown, std::function<double(double)> fromShown);

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &text, int &pos) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // 10 to the power of the decimals shown for a value held, in the shown unit.
    double shownScale(double value) const;
    int shownDecimals(double value) const;
    // A value held as the box shows its number, and back.
    double shownOf(double value) const;
    double valueOf(double shown) const;
    int decimalsOfShown(double shown) const;
    // The held value, or the bound that it reads as.
    double inRange(double held) const;
    // The number in the text, without prefix and suffix.
    QString number(const QString &text) const;

    double factor = 1;
    int shown = -1; // decimals shown, once a display unit is set
    int close = 0;  // decimals shown below one unit, where more
    std::function<double(double)> toShown;
    std::function<double(double)> fromShown;
};

#endif // DECIMALSPINBOX_H
