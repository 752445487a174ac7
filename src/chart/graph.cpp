#include "graph.h"

#include "chartinput.h"
#include "chartpainter.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

graph::graph(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setToolTip(QCoreApplication::translate(
        "graph", "The blur U of a subject at each distance, in circles of confusion: the "
                 "subject looks sharp where a camera's curve lies at or below the line U = 1, "
                 "and that stretch, its depth of field, is shaded in the camera's colour."));
}

graph::~graph() = default;

void graph::setSource(Source newSource)
{
    source = std::move(newSource);
}

ChartInput graph::input() const
{
    return source ? source() : ChartInput();
}

void graph::paintEvent(QPaintEvent *)
{
    if (!source)
        return;
    QPainter painter(this);
    ChartPainter::paint(painter, size(), source());
}

void graph::mouseMoveEvent(QMouseEvent *event)
{
    hover(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void graph::leaveEvent(QEvent *event)
{
    hover(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void graph::hover(QPoint at)
{
    const ChartGeometry::ChartFrame plot{width(), height()};
    const int column = at.x() - plot.leftMargin;
    if (column >= 0 && column < plot.plotWidth() && at.y() >= plot.topMargin
        && at.y() <= plot.axisRow()) {
        overPlot = true;
        emit hovered(column);
    } else if (overPlot) {
        overPlot = false;
        emit leftPlot();
    }
}
