#ifndef VIEWOPTIONS_H
#define VIEWOPTIONS_H

#include "chart/chartgeometry.h"
#include "optics/length.h"

#include <QObject>
#include <QString>

class Ui_mainWin;

// View > Distance Axis and View > Units, remembered between runs, and the
// chart's scale as the form's controls and these choices set it. On the
// axis to infinity the distance scale and the focus-plane choice do not
// apply: they are disabled and their tooltips say why. In feet the focus
// boxes and the left border show and take feet; the values they hold, and
// so the files, stay in metres.
class ViewOptions : public QObject
{
    Q_OBJECT

public:
    explicit ViewOptions(const Ui_mainWin &form);

    LengthUnit unit() const;
    bool toInfinity() const;
    // The distance axis as the form sets it, its columns left to the chart.
    ChartGeometry::Axis axis() const;

signals:
    // After a choice has been applied to the form.
    void changed();

private:
    void choose();
    void apply();

    const Ui_mainWin &form;
    QString scaleTip; // the distance scale's own tooltip
    QString cameraTip;
    QString focusPlaneTip;
};

#endif // VIEWOPTIONS_H
