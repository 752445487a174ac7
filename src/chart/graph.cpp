#include "graph.h"

#include "chartgeometry.h"
#include "chartpainter.h"
#include "scene.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

graph::graph(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    // Room for the margins and at least 120 rows of plot, whatever the window's size.
    const ChartGeometry::ChartFrame margins;
    setMinimumHeight(margins.topMargin + margins.bottomMargin + 120);
    setToolTip(QCoreApplication::translate(
        "graph",
        "The blur U of a subject at each distance, in circles of confusion: the "
        "subject looks sharp where a camera's curve lies at or below the line U = 1, "
        "and that stretch, its depth of field, is shaded in the camera's colour."));
}

graph::~graph() = default;

void graph::setScene(const Scene &shown)
{
    scene = shown;
    hasScene = true;
    update();
}

QSize graph::minimumSizeHint() const
{
    return ChartGeometry::smallestChart;
}

QSize graph::sizeHint() const
{
    return ChartGeometry::smallestChart * 2;
}

Scene graph::input() const
{
    Scene input = scene;
    input.axis.columns = ChartGeometry::ChartFrame{width(), height()}.plotWidth();
    return input;
}

void graph::paintEvent(QPaintEvent *)
{
    if (!hasScene)
        return;
    QPainter painter(this);
    ChartPainter::paint(painter, size(), input());
}

void graph::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if ((event->buttons() & Qt::LeftButton) && dragColumn >= 0) {
        // Beyond the plot the drag goes on, by the columns it would have.
        const int column = at.x() - ChartGeometry::ChartFrame{width(), height()}.leftMargin;
        if (column != dragColumn)
            emit dragged(std::exchange(dragColumn, column), column);
    }
    hover(at);
    QWidget::mouseMoveEvent(event);
}

void graph::mousePressEvent(QMouseEvent *event)
{
    dragColumn = event->button() == Qt::LeftButton ? columnAt(event->position().toPoint()) : -1;
    QWidget::mousePressEvent(event);
}

void graph::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int column = columnAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && column >= 0)
        emit doubleClicked(column, event->modifiers());
    QWidget::mouseDoubleClickEvent(event);
}

void graph::wheelEvent(QWheelEvent *event)
{
    const int column = columnAt(event->position().toPoint());
    if (column < 0) {
        event->ignore();
        return;
    }
    wheelAngle += event->angleDelta().y();
    const int steps = wheelAngle / 120;
    wheelAngle -= steps * 120;
    if (steps != 0)
        emit wheeled(column, steps);
    event->accept();
}

int graph::columnAt(QPoint at) const
{
    const ChartGeometry::ChartFrame plot{width(), height()};
    const int column = at.x() - plot.leftMargin;
    return column >= 0 && column < plot.plotWidth() && at.y() >= plot.topMargin
            && at.y() <= plot.axisRow()
        ? column
        : -1;
}

void graph::leaveEvent(QEvent *event)
{
    hover(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void graph::hover(QPoint at)
{
    const int column = columnAt(at);
    if (column >= 0) {
        overPlot = true;
        emit hovered(column);
    } else if (overPlot) {
        overPlot = false;
        emit leftPlot();
    }
}
