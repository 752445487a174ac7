#ifndef STATUSREADOUT_H
#define STATUSREADOUT_H

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;
class graph;

// The status bar's readout: each shown camera's depth of field, in the
// camera's colour, or while the mouse is over the plot the chart read there.
class StatusReadout : public QObject
{
    Q_OBJECT

public:
    // Reads what the chart shows and follows the mouse over it.
    StatusReadout(QStatusBar *bar, const graph *chart);

    // After every recalculation: what the chart shows now, read again under
    // the mouse where it is over the plot.
    void follow();

private:
    void showColumn(int column);
    void leavePlot();
    void showDepthOfField();

    QStatusBar *bar;
    const graph *chart;
    std::array<QLabel *, 2> labels{};
    QLabel *hover = nullptr;
    int hovered = -1; // the plot's column under the mouse, or none
};

#endif // STATUSREADOUT_H
