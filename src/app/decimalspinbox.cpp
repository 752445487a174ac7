#include "decimalspinbox.h"

#include <QKeyEvent>

void DecimalSpinBox::stepBy(int steps)
{
    // Qt adds the step unrounded, so 4.00 up and down again would hold
    // 3.9999999999999996; setValue() rounds to the decimals shown.
    setValue(value() + steps * singleStep());
    selectAll();
}

void DecimalSpinBox::keyPressEvent(QKeyEvent *event)
{
    const QString point = locale().decimalPoint();
    if ((event->text() != QLatin1String(".") && event->text() != QLatin1String(","))
        || event->text() == point) {
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(QEvent::KeyPress,
                       point == QLatin1String(",") ? Qt::Key_Comma : Qt::Key_Period,
                       event->modifiers(), point);
    QDoubleSpinBox::keyPressEvent(&replaced);
}
