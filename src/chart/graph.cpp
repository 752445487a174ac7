#include "graph.h"

#include "app/mainwin.h"
#include "chartgeometry.h"

#include <QPainter>

using namespace ChartGeometry;

namespace {

enum Pen { CameraOnePen, CameraTwoPen, AxisPen, GridPen };

constexpr int bandAlpha = 40;

// Fills without an outline: the painter's pen is left off afterwards.
void fillRects(QPainter &painter, const QVector<QRect> &rects, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(colour, Qt::SolidPattern));
    painter.drawRects(rects);
}

ChartScale scaleOf(const mainWin &window)
{
    ChartScale scale;
    scale.xs = window.qxscale->value();
    scale.ys = window.qyscale->value();
    scale.leftBorder = qint64(window.DSB_leftBorder->value() * 1000);
    scale.fromCamera = window.distanceCam->isChecked();
    return scale;
}

} // namespace

graph::graph(QWidget *parent)
    : QWidget(parent)
{
    const std::array<QColor, 4> colours{QColor(0, 127, 0), QColor(0, 0, 127), QColor(0, 0, 0),
                                        QColor(200, 200, 200)};
    for (std::size_t i = 0; i < pens.size(); ++i)
        pens[i].setColor(colours[i]);
}

graph::~graph() = default;

void graph::setMainWindow(mainWin *window)
{
    mainWindow = window;
}

void graph::paintEvent(QPaintEvent *)
{
    if (!mainWindow)
        return;

    const ChartFrame frame{width(), height()};
    const ChartScale scale = scaleOf(*mainWindow);
    const int w = frame.width;
    const int h = frame.height;
    const int axis = frame.axisRow();

    QPainter painter(this);

    // Axis titles keep the painter's initial pen, the widget's foreground.
    painter.setFont(QFont(QStringLiteral("Arial"), 8));
    painter.drawText(0, 10, QStringLiteral("U  [-]"));
    painter.drawText(7, 12, QStringLiteral("z"));
    painter.drawText(w - 60, h - 12, QStringLiteral("Distance [m]"));

    painter.setFont(QFont(QStringLiteral("Arial"), 9));
    painter.setPen(pens[CameraOnePen]);
    painter.drawText(1, h - 1, QStringLiteral("Sharpa ") + mainWindow->versionText());

    painter.setFont(QFont(QStringLiteral("Arial"), 8));

    // Axis-aligned lines are filled as one-pixel rectangles, all of a colour
    // in one call: the same pixels as the pen draws, many times faster.
    const QVector<GridLine> grid = gridLines(frame, scale.ys);
    QVector<QRect> greyLines;
    for (const GridLine &line : grid)
        greyLines.append(
            lineRect({frame.leftMargin - 3, line.row, w - frame.rightMargin - 5, line.row}));
    const QVector<Tick> ticks = distanceTicks(frame, scale);
    for (const Tick &tick : ticks)
        greyLines.append(
            lineRect({frame.x(tick.column), axis + 3, frame.x(tick.column), frame.topMargin}));
    fillRects(painter, greyLines, pens[GridPen].color());

    painter.setPen(pens[AxisPen]);
    for (const GridLine &line : grid)
        painter.drawText(line.labelRect, Qt::AlignRight | Qt::AlignVCenter, line.label);
    for (const Tick &tick : ticks) {
        if (tick.label.isEmpty())
            continue;
        const int x = frame.x(tick.column);
        painter.drawText(QRect(QPoint(x - 15, axis + 5), QPoint(x + 14, axis + 16)),
                         Qt::AlignHCenter | Qt::AlignVCenter, tick.label);
    }

    const int right = w - frame.rightMargin;
    const int left = frame.leftMargin;
    const int top = frame.topMargin;
    const QVector<QRect> axes{
        lineRect({left, axis, right, axis}), lineRect({left, axis, left, top}),
        lineRect({left, axis - scale.ys, right - 5, axis - scale.ys}), // U = 1
    };
    fillRects(painter, axes, pens[AxisPen].color());
    const QLine arrowHeads[] = {
        {right, axis, right - 10, axis - 5},
        {right, axis, right - 10, axis + 5},
        {left, top, left - 5, top + 10},
        {left, top, left + 5, top + 10},
    };
    painter.setPen(pens[AxisPen]);
    painter.drawLines(arrowHeads, int(std::size(arrowHeads)));

    const std::array<bool, 2> shown{mainWindow->boxC1->isChecked(), mainWindow->boxC2->isChecked()};
    const std::array<bool, 2> diffraction{mainWindow->c1_calcDef->isChecked(),
                                          mainWindow->c2_calcDef->isChecked()};
    for (int k = 0; k < 2; ++k) {
        if (!shown[k])
            continue;
        const Curve curve = traceCurve(mainWindow->camera(k), diffraction[k] ? 1 : 0, frame, scale);
        painter.setPen(pens[k]);
        painter.drawLines(curveSegments(curve.points));

        const QRect band = bandRect(frame, curve.band);
        if (band.isNull())
            continue;
        QColor tint = pens[k].color();
        tint.setAlpha(bandAlpha);
        fillRects(painter, {band}, tint);
    }
}
