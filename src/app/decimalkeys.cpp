#include "decimalkeys.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>

namespace {

class DecimalKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString point = static_cast<QWidget *>(watched)->locale().decimalPoint();
        if ((key->text() != QLatin1String(".") && key->text() != QLatin1String(","))
            || key->text() == point)
            return false;
        QKeyEvent replaced(QEvent::KeyPress,
                           point == QLatin1String(",") ? Qt::Key_Comma : Qt::Key_Period,
                           key->modifiers(), point);
        QCoreApplication::sendEvent(watched, &replaced);
        return true;
    }
};

} // namespace

void acceptBothDecimalSeparators(QWidget *root)
{
    auto *filter = new DecimalKeys(root);
    for (QDoubleSpinBox *box : root->findChildren<QDoubleSpinBox *>())
        box->installEventFilter(filter);
}
