#ifndef VIEWOPTIONS_H
#define VIEWOPTIONS_H

#include <QObject>

class FormModel;
class Ui_mainWin;

// View > Distance Axis, its origin, View > Units and the chart's vertical
// measure: the model's display,
// remembered between runs. The first start follows the region's
// measurement system.
class ViewOptions : public QObject
{
    Q_OBJECT

public:
    ViewOptions(const Ui_mainWin &form, FormModel &model);

private:
    void show();
    void choose();

    const Ui_mainWin &form;
    FormModel &model;
};

#endif // VIEWOPTIONS_H
