#ifndef DETAILSPANEL_H
#define DETAILSPANEL_H

#include "detailsmodel.h"

#include <QDockWidget>

class QTableView;

// View > Details: the details of the shown cameras beside the chart. Its
// cells can be selected, and the platform's Copy key copies them with their
// headers as tab-separated text.
class DetailsPanel : public QDockWidget
{
    Q_DECLARE_TR_FUNCTIONS(mainWin)

public:
    explicit DetailsPanel(QWidget *parent);

    void setCameras(const std::array<CameraSetup, 2> &cameras, std::array<bool, 2> shown,
                    LengthUnit unit);
    void copySelection() const;

private:
    DetailsModel *model;
    QTableView *table;
};

#endif // DETAILSPANEL_H
