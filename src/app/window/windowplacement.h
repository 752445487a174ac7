#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

#include <QObject>
#include <QRect>

class QMainWindow;
class QSplitter;
class QWidget;

// Where the window opens and how it shares its height between the chart
// and the camera forms below it. A remembered geometry and split are used
// where they still fit the screen; otherwise the window takes the screen's
// available area, less its frame, and the chart at least half the window's
// height, the forms scrolling if they must. The chart gets what the window
// gains.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    WindowPlacement(QMainWindow *window, QSplitter *split, QWidget *chart);

    // Before the window is first shown.
    void restore();
    void save() const;

    // The share of the window's height that the chart is given at first.
    static constexpr double chartShare = 0.47;
    // A first window on a screen with that available area: as large as is
    // useful, never smaller than the window's minimum, centred.
    static QRect firstGeometry(const QRect &available, const QSize &minimum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveChartItsShare();

    QMainWindow *window;
    QSplitter *split;
    QWidget *chart;
    bool splitRestored = false;
};

#endif // WINDOWPLACEMENT_H
