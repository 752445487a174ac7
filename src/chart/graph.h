#ifndef GRAPH_H
#define GRAPH_H

#include <QWidget>

#include <functional>

struct ChartInput;

// The blur chart on screen. It holds no chart settings of its own: every
// paint asks its source for the form's settings and the camera records.
// It tells which plot column the mouse is over, and when the mouse leaves
// the plot, so that others can read the chart there.
class graph : public QWidget
{
    Q_OBJECT

public:
    using Source = std::function<ChartInput()>;

    explicit graph(QWidget *parent = nullptr);
    ~graph() override;

    void setSource(Source source);
    // What the chart shows now, as its next paint will read it.
    ChartInput input() const;

signals:
    // Column counted from the y axis, as in the chart's geometry.
    void hovered(int column);
    void leftPlot();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void hover(QPoint at);

    Source source;
    bool overPlot = false;
};

#endif // GRAPH_H
