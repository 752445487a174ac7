#ifndef GRAPH_H
#define GRAPH_H

#include "scene.h"

#include <QWidget>

// The blur chart on screen. It paints the scene it was last given, built
// once per recalculation: no paint reads a control of the form.
// It tells which plot column the mouse is over, and when the mouse leaves
// the plot, so that others can read the chart there.
class graph : public QWidget
{
    Q_OBJECT

public:
    explicit graph(QWidget *parent = nullptr);
    ~graph() override;

    // Shows the scene from the next paint on.
    void setScene(const Scene &scene);
    // What the chart shows now, with the plot's columns at the widget's
    // present size.
    Scene input() const;

    // Readable at its smallest; beside other panels it asks for a
    // comfortable share of the width.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    // Columns counted from the y axis, as in the chart's geometry.
    void hovered(int column);
    void leftPlot();
    // The wheel turned over a column, in notches: positive away from the user.
    void wheeled(int column, int steps);
    // The left button dragged the plot from one column to another.
    void dragged(int from, int to);
    void doubleClicked(int column, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void hover(QPoint at);
    // The plot column at a point, or -1 outside the plot.
    int columnAt(QPoint at) const;

    Scene scene;
    bool hasScene = false;
    bool overPlot = false;
    int dragColumn = -1; // where the left button last held the plot
    int wheelAngle = 0;  // eighths of a degree not yet a whole notch
};

#endif // GRAPH_H
