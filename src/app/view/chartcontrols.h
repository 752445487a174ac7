#ifndef CHARTCONTROLS_H
#define CHARTCONTROLS_H

#include <QObject>
#include <QString>

class FieldBinder;
class FormModel;
class UndoHistory;
class Ui_mainWin;

// The chart's own controls below it as a view of the model's chart view:
// the left border in the chosen unit, with the floor that the lenses give
// it, and the scroll bar that moves it in whole units and follows it; the
// distance origin; the two scales with their numbers. On the axis to
// infinity the distance scale and the origin do not apply, close up nor
// does the border: they are disabled, and their tooltips say why; close
// up the distance scale's number is the close-up axis's.
class ChartControls : public QObject
{
    Q_OBJECT

public:
    ChartControls(const Ui_mainWin &form, FormModel &model, UndoHistory &history);

    // The border from the scroll bar, in whole units.
    void setBorderFromBar();

private:
    void showDisplay();
    void showResults();

    const Ui_mainWin &form;
    FormModel &model;
    UndoHistory &history;
    FieldBinder *binder;
    QString scaleTip; // the distance scale's own tooltip
    QString cameraTip;
    QString focusPlaneTip;
    // The blur scale's own label and tooltip, for blur in CoCs.
    QString blurLabel;
    QString blurTip;
};

#endif // CHARTCONTROLS_H
