#include "chartgeometry.h"

#include "optics/cameraoptics.h"

#include <algorithm>
#include <cmath>

namespace ChartGeometry {
namespace {

// Rows beyond this distance from the axis are clamped. Far larger than any
// widget, so that a clamped segment crosses the visible rows in the same
// pixels, and far smaller than the 32-bit range.
constexpr double rowLimit = 1 << 24;

} // namespace

double gridStep(int ys)
{
    if (ys <= 2)
        return 10;
    if (ys <= 6)
        return 5;
    if (ys <= 11)
        return 2.5;
    if (ys <= 50)
        return 1;
    return 0.5;
}

QVector<GridLine> gridLines(const ChartFrame &frame, int ys)
{
    QVector<GridLine> lines;
    const double step = gridStep(ys);
    const int axis = frame.axisRow();
    // Keeps the highest line clear of the y axis's arrow head.
    for (double u = 0; u * ys < frame.plotHeight() - 10; u += step) {
        const int labelTop = int(axis - u * ys - 8);
        lines.append({rowOf(frame, u, ys),
                      QRect(QPoint(5, labelTop), QPoint(frame.leftMargin - 4, labelTop + 7)),
                      QString::number(u)});
    }
    return lines;
}

TickRule tickRule(int xs)
{
    if (xs <= 1)
        return {10, 10};
    if (xs <= 5)
        return {100, 10};
    if (xs <= 11)
        return {500, 10};
    return {1000, 1};
}

QVector<Tick> distanceTicks(const ChartFrame &frame, const ChartScale &scale)
{
    QVector<Tick> ticks;
    const TickRule rule = tickRule(scale.xs);
    // A tick falls on the first column at or past a multiple of the interval.
    for (int i = 1; i < frame.plotWidth(); ++i) {
        const qint64 previous = scale.leftBorder + qint64(i - 1) * scale.xs;
        const qint64 d = scale.leftBorder + qint64(i) * scale.xs;
        if (previous / rule.interval == d / rule.interval)
            continue;
        QString label;
        if (rule.divisor == 1)
            label = QString::number(d / 1000);
        else if ((d / 10) % 10 == 0)
            label = QString::number(double(d / 100) / 10);
        ticks.append({i, label});
    }
    return ticks;
}

int rowOf(const ChartFrame &frame, double u, int ys)
{
    const double row = frame.axisRow() - u * ys;
    if (std::isnan(row))
        return int(-rowLimit);
    return int(std::clamp(row, -rowLimit, rowLimit));
}

double sampleDistance(const ChartScale &scale, double focusDistance, int column)
{
    const double offset = double(scale.leftBorder) + double(column) * scale.xs;
    if (scale.fromCamera)
        return offset;
    return std::trunc(focusDistance - double(scale.leftBorder) + double(column) * scale.xs);
}

Curve traceCurve(const CameraOptics &camera, int withDiffraction, const ChartFrame &frame,
                 const ChartScale &scale)
{
    Curve curve;
    const int columns = frame.plotWidth();
    if (columns <= 1)
        return curve;
    curve.segments.reserve(columns - 1);

    const double focus = camera.focusDistance();
    double previousU = camera.relativeBlur(sampleDistance(scale, focus, 0), withDiffraction);
    int previousRow = rowOf(frame, previousU, scale.ys);
    for (int i = 1; i < columns; ++i) {
        const double u = camera.relativeBlur(sampleDistance(scale, focus, i), withDiffraction);
        const int row = rowOf(frame, u, scale.ys);
        curve.segments.append(QLine(frame.x(i - 1), previousRow, frame.x(i), row));
        // Later crossings win; comparisons with NaN are false on purpose.
        if (previousU > 1 && u <= 1)
            curve.band.entry = i - 1;
        if (previousU <= 1 && u > 1)
            curve.band.exit = i;
        previousU = u;
        previousRow = row;
    }
    return curve;
}

QRect bandRect(const ChartFrame &frame, const Band &band)
{
    if (!band.isDrawn() || frame.plotHeight() <= 0)
        return {};
    return QRect(QPoint(frame.x(band.entry), frame.topMargin),
                 QPoint(frame.x(band.exit - 1), frame.topMargin + frame.plotHeight() - 1));
}

} // namespace ChartGeometry
