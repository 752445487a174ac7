#ifndef CHARTGESTURES_H
#define CHARTGESTURES_H

#include <QObject>

class FormModel;
class UndoHistory;
class graph;

// The mouse on the chart: the wheel zooms the distance axis about the
// pointer (the distance under it stays put; on the axis to infinity it
// moves the left border out or in; close up it scales the axis
// continuously), a drag with the left button pans it,
// a double-click focuses camera 1 there, with Shift camera 2; View > Fit
// shows the depths of field. Each step
// changes the model once and recalculates once; a run of wheel notches, a
// drag and a double-click are each one step to undo.
class ChartGestures : public QObject
{
    Q_OBJECT

public:
    ChartGestures(graph *chart, FormModel &model, UndoHistory &history);

    void zoom(int column, int notches);
    void pan(int from, int to);
    void focus(int column, Qt::KeyboardModifiers modifiers);
    // The close-up axis centred on the focus plane, at the scale at which the
    // deepest shown depth of field spans half the plot, within its range;
    // a step of the history.
    void fitCloseUp();
    // The same where the close-up axis is shown, not as a step: for a new
    // set of values, and at the chart's first showing.
    void refit();
    // View > Fit: the left border, distance scale and blur scale at which
    // every shown camera's depth of field and its curve up to a few CoC
    // fill the plot; close up, fitCloseUp(); a step of the history.
    void fitView();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();
    // The blur scale at which the curves up to a few CoC fill the plot's height.
    void fitBlurScale();
    // The close-up axis's scale (µm per column) and middle (µm from the focus plane).
    void setCloseUp(double scale, double centre);
    // The distance scale and the left border (mm), recalculated once if either changed.
    void setAxis(int xs, qint64 leftBorder);

    graph *chart;
    FormModel &model;
    UndoHistory &history;
};

#endif // CHARTGESTURES_H
