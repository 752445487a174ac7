#ifndef DETAILSPANEL_H
#define DETAILSPANEL_H

#include "detailsmodel.h"

#include <QWidget>

class FormModel;
class QLabel;
class QTableView;
class Ui_mainWin;

// View > Details: the details of the shown cameras beside the chart. Its cells can be selected, and
// the platform's Copy key copies them with their headers as tab-separated text.
class DetailsPanel : public QWidget
{
    Q_OBJECT

public:
    DetailsPanel(const Ui_mainWin &form, const FormModel &model);

    // After every recalculation, and when brought to the front: the model's
    // results, while it shows.
    void follow();
    void copySelection() const;
    // Wide enough for both cameras whichever are shown, so that the chart
    // beside it keeps its width.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    const FormModel &values;
    DetailsModel *model;
    QTableView *table;
    QLabel *notice; // where the disc is underestimated, with the remedy
};

#endif // DETAILSPANEL_H
