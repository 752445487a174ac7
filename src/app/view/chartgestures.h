#ifndef CHARTGESTURES_H
#define CHARTGESTURES_H

#include <QObject>

class FormModel;
class UndoHistory;
class graph;

// The mouse on the chart: the wheel zooms the distance axis about the
// pointer (the distance under it stays put; on the axis to infinity it
// moves the left border out or in), a drag with the left button pans it,
// a double-click focuses camera 1 there, with Shift camera 2. Each step
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

private:
    // The distance scale and the left border (mm), recalculated once if either changed.
    void setAxis(int xs, qint64 leftBorder);

    graph *chart;
    FormModel &model;
    UndoHistory &history;
};

#endif // CHARTGESTURES_H
