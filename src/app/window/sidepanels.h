#ifndef SIDEPANELS_H
#define SIDEPANELS_H

#include <QTabWidget>
#include <QVector>

class QAction;
class QMenu;
class Ui_mainWin;

// The panels beside the chart (the Details, the Plan, the Preview) share
// that place as tabs, in the order they were added, so that together they
// take no more width than the widest of them and the camera forms below
// keep theirs. Each is switched on and off in the View menu, as last
// chosen; on, a panel stays on while another tab is in front. One panel
// alone shows without a tab bar, none hides the place.
class SidePanels : public QTabWidget
{
    Q_OBJECT

public:
    explicit SidePanels(const Ui_mainWin &form);

    // The panel's entry in the View menu, checked while the panel is on,
    // named by its title and explained by its description.
    QAction *add(QWidget *panel, const QString &settingsKey, bool shownFirst);
    // Switched on where it is off, and in front.
    void bringForward(QWidget *panel);

    // As large as the largest panel that is on, and its tabs: no frame.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void turn(int panel, bool on);
    void remember(const QWidget *inFront);
    QSize fitting(QSize (QWidget::*hint)() const) const;

    QVector<QWidget *> panels;
    QVector<QAction *> switches;
    QMenu *menu;
    QString front; // the panel last brought to the front
};

#endif // SIDEPANELS_H
