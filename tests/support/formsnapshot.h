#ifndef FORMSNAPSHOT_H
#define FORMSNAPSHOT_H

#include "app/mainwin.h"

#include <QStringList>

// Every value a user or a settings file can change, with the spin boxes'
// minimums, the title and the file name, as one comparable text.
inline QString formSnapshot(const mainWin &w)
{
    QStringList values{w.windowTitle(), w.currentFileName()};
    for (const QDoubleSpinBox *box : w.findChildren<QDoubleSpinBox *>())
        values << QString::number(box->value(), 'g', 17) + QLatin1Char('/')
                + QString::number(box->minimum(), 'g', 17);
    for (const QAbstractSlider *slider : w.findChildren<QAbstractSlider *>())
        values << QString::number(slider->value());
    for (const QAbstractButton *button : w.findChildren<QAbstractButton *>())
        values << QString::number(button->isChecked());
    for (const QGroupBox *group : w.findChildren<QGroupBox *>())
        values << QString::number(group->isChecked());
    return values.join(QLatin1Char(' '));
}

#endif // FORMSNAPSHOT_H
