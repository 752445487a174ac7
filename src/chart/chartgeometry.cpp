#include "chartgeometry.h"

#include "optics/cameraoptics.h"
#include "optics/distanceorigin.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace ChartGeometry {
namespace {

// Rows beyond this distance from the axis are clamped. Far larger than any
// widget, so that a clamped segment crosses the visible rows in the same
// pixels, and far smaller than the 32-bit range.
constexpr double rowLimit = 1 << 24;

// Division and remainder rounding toward negative infinity, so that ticks and
// labels fall alike on both sides of the focus plane.
qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

qint64 floorMod(qint64 a, qint64 b)
{
    return a - floorDiv(a, b) * b;
}

// As QString::number() writes them, in the user's locale (a decimal comma
// in German), without digit grouping.
QLocale numbers()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// The distance at a column of the linear axis, mm.
qint64 linearDistance(const Axis &axis, int column)
{
    const auto along = qint64(std::floor(column * axis.xs));
    return axis.mode == AxisMode::FromCamera ? axis.leftBorder + along : along - axis.leftBorder;
}

// The axis to infinity starts at least a millimetre out, where 1/distance is finite.
double borderToInfinity(const Axis &axis)
{
    return std::max(double(axis.leftBorder), 1.0);
}

// The close-up axis's middle column, at its centre.
double middleColumn(const Axis &axis)
{
    return (axis.columns - 1) / 2.0;
}

// How far the camera's lens lies in front of the axis's origin, mm: its image
// distance where an axis from the camera reads from the sensor plane.
double lensOffset(const Axis &axis, const CameraOptics &camera)
{
    const bool fromCamera = axis.mode == AxisMode::FromCamera || axis.mode == AxisMode::ToInfinity;
    return DistanceOrigin{axis.fromSensor && fromCamera, camera.flength}.imageDistance(
        camera.fdist);
}

// The camera's subject distance from the lens at a column or between two, mm; unrounded.
double exactDistance(const Axis &axis, const CameraOptics &camera, double column)
{
    switch (axis.mode) {
    case AxisMode::ToInfinity: {
        const int last = axis.columns - 1;
        const double border = borderToInfinity(axis);
        if (last <= 0)
            return border - lensOffset(axis, camera);
        return (column >= last ? qInf() : border * last / (last - column))
            - lensOffset(axis, camera);
    }
    case AxisMode::CloseUp:
        return camera.fdist + axis.centre + (column - middleColumn(axis)) * axis.xs;
    case AxisMode::FromCamera:
        return double(axis.leftBorder) + column * axis.xs - lensOffset(axis, camera);
    case AxisMode::FromFocusPlane:
        break;
    }
    return camera.fdist - double(axis.leftBorder) + column * axis.xs;
}

// The row of a blur value, unrounded, clamped; NaN counts as above the top.
double exactRow(const ChartFrame &frame, double u, double ys)
{
    const double row = frame.axisRow() - u * ys;
    return std::isnan(row) ? -rowLimit : std::clamp(row, -rowLimit, rowLimit);
}

// Cuts the segment from a to b to the rows from top to bottom; false where
// none of it lies there.
bool clipToRows(QPointF &a, QPointF &b, double top, double bottom)
{
    if ((a.y() < top && b.y() < top) || (a.y() > bottom && b.y() > bottom))
        return false;
    const auto cut = [](QPointF &p, const QPointF &q, double row) {
        const double t = (row - p.y()) / (q.y() - p.y());
        p = QPointF(p.x() + t * (q.x() - p.x()), row);
    };
    for (auto [p, q] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
        if (p->y() < top)
            cut(*p, *q, top);
        else if (p->y() > bottom)
            cut(*p, *q, bottom);
    }
    return true;
}

// A label's text, centred under its tick. Measuring a text costs more than
// the rest of the axis together, so each one is measured once for the
// metrics last used on its thread.
QRect labelRect(const ChartFrame &frame, int column, const QString &text,
                const QFontMetrics &metrics)
{
    thread_local std::optional<QFontMetrics> measuredWith;
    thread_local QHash<QString, QRect> measured;
    if (measuredWith != metrics || measured.size() > 2000) {
        measuredWith = metrics;
        measured.clear();
    }
    auto rect = measured.constFind(text);
    if (rect == measured.constEnd())
        rect = measured.insert(
            text,
            metrics.boundingRect(QRect(0, 0, 30, 12), Qt::AlignHCenter | Qt::AlignVCenter, text));
    return rect->translated(frame.x(column) - 15, frame.axisRow() + 5);
}

// One stride for the whole axis, the smallest of 1, 2, 5, 10, 20 ... at
// which no two labels collide, values counting each tick's label; a label
// that would leave the widget or meet the axis title is left out on its own.
void keepLabelsApart(QVector<Tick> &ticks, const QVector<qint64> &values,
                     const QFontMetrics &metrics, int titleLeft)
{
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    const auto shown = [&](int k, qint64 stride) {
        const Tick &tick = ticks[k];
        return !tick.label.isEmpty() && floorMod(values[k], stride) == 0
            && tick.labelRect.left() >= 0 && tick.labelRect.right() + gap < titleLeft;
    };
    const auto collides = [&](qint64 stride) {
        int free = 0; // the first pixel column right of the last label
        for (int k = 0; k < ticks.size(); ++k) {
            if (!shown(k, stride))
                continue;
            if (ticks[k].labelRect.left() < free)
                return true;
            free = ticks[k].labelRect.right() + gap + 1;
        }
        return false;
    };
    qint64 stride = 1;
    while (collides(stride)) {
        qint64 decade = 1;
        while (stride >= decade * 10)
            decade *= 10;
        stride = stride / decade == 2 ? 5 * decade : 2 * stride;
    }
    for (int k = 0; k < ticks.size(); ++k) {
        if (!shown(k, stride)) {
            ticks[k].label.clear();
            ticks[k].labelRect = {};
        }
    }
}

QVector<Tick> linearTicks(const ChartFrame &frame, const Axis &axis, const QFontMetrics &metrics,
                          int titleLeft)
{
    QVector<Tick> ticks;
    QVector<qint64> values; // each tick's label in multiples of the rule's labelEvery
    const TickRule rule = tickRule(axis.xs, axis.unit);
    const QLocale locale = numbers();
    // A tick falls on the first column at or past a multiple of the interval.
    qint64 previous = Length::hundredths(linearDistance(axis, 0), axis.unit);
    for (int i = 1; i < frame.plotWidth(); ++i) {
        const qint64 d = Length::hundredths(linearDistance(axis, i), axis.unit);
        if (floorDiv(std::exchange(previous, d), rule.interval) == floorDiv(d, rule.interval))
            continue;
        Tick tick{i, {}, {}};
        // The round distance that the tick marks, though its column lies a little past it.
        const qint64 mark = floorDiv(d, rule.interval) * rule.interval;
        if (floorMod(mark, rule.labelEvery) == 0) {
            tick.label = locale.toString(double(mark) / 100, 'g', 12);
            tick.labelRect = labelRect(frame, i, tick.label, metrics);
        }
        ticks.append(tick);
        values.append(floorDiv(mark, rule.labelEvery));
    }
    keepLabelsApart(ticks, values, metrics, titleLeft);
    return ticks;
}

// Micrometres between the close-up axis's ticks: the least 1, 2 or 5 of a
// decade that keeps them a few columns apart.
double closeUpInterval(const Axis &axis)
{
    constexpr int apart = 8;
    const double wanted = Length::millimetres(axis.xs).micrometres() * apart;
    const double decade = std::pow(10.0, std::floor(std::log10(wanted)));
    for (const double step : {1, 2, 5}) {
        if (step * decade >= wanted)
            return step * decade;
    }
    return 10 * decade;
}

QVector<Tick> closeUpTicks(const ChartFrame &frame, const Axis &axis, const QFontMetrics &metrics,
                           int titleLeft)
{
    QVector<Tick> ticks;
    QVector<qint64> values;
    const double interval = Length::micrometres(closeUpInterval(axis)).millimetres();
    const double perLabel = closeUpInMillimetres(axis) ? 1 : Length::micrometres(1).millimetres();
    const QLocale locale = numbers();
    const int last = frame.plotWidth() - 1;
    // A tick falls on the first column at or past a multiple of the interval.
    for (auto k = qint64(std::ceil(axis.distanceAt(1) / interval - 1e-9));; ++k) {
        const double mark = double(k) * interval;
        const int column
            = int(std::ceil(middleColumn(axis) + (mark - axis.centre) / axis.xs - 1e-9));
        if (column > last)
            break;
        const QString label = locale.toString(std::round(mark / perLabel * 1e6) / 1e6, 'g', 12);
        ticks.append({column, label, labelRect(frame, column, label, metrics)});
        values.append(k);
    }
    keepLabelsApart(ticks, values, metrics, titleLeft);
    return ticks;
}

// Round distances from the left border on, then infinity. Each decade of the
// unit takes the finest of three sets of steps whose ticks stay a label's
// width apart, so that the near half, which the scale stretches, reads as
// densely as the linear axis; towards infinity the ticks crowd and fall back
// to 1, 2 and 5, and end where one would lie within a few columns of the
// previous one or of infinity. Labels run from the left for as long as each
// fits clear of the one before and of the "∞"; after the first that does
// not, none follows, so that the labels never skip irregularly. The axis's
// title stands below them.
QVector<Tick> ticksToInfinity(const ChartFrame &frame, const Axis &axis,
                              const QFontMetrics &metrics)
{
    QVector<Tick> ticks;
    const int last = frame.plotWidth() - 1;
    if (last < 1)
        return ticks;
    constexpr int closest = 4; // columns between ticks, so that grid lines stay apart
    static const std::array<std::vector<double>, 3> steps{
        std::vector<double>{1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 9},
        std::vector<double>{1, 1.5, 2, 3, 4, 5, 7}, std::vector<double>{1, 2, 5}};
    const Tick infinity{last, QStringLiteral("∞"), infinityLabel(frame, metrics)};
    const double border = borderToInfinity(axis);
    const double unit = Length::in(1, axis.unit).millimetres();
    const auto columnOf = [&](double value) {
        return last * (1 - border / (value * unit));
    };
    const QLocale locale = numbers();
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    const int labelsEnd = infinity.labelRect.left() - gap;
    int free = 0; // the first pixel column right of the last label; -1 once labels end
    int previous = 0;
    for (double decade = std::pow(10.0, std::floor(std::log10(border / unit)));; decade *= 10) {
        // Apart by the widest label of the decade and a gap.
        const double apart
            = metrics.horizontalAdvance(locale.toString(decade * 9.5, 'g', 12)) + 2.0 * gap;
        const std::vector<double> *chosen = &steps.back();
        for (const std::vector<double> &set : steps) {
            double closestPair = columnOf(10 * decade) - columnOf(set.back() * decade);
            for (std::size_t k = 1; k < set.size(); ++k)
                closestPair = std::min(closestPair,
                                       columnOf(set[k] * decade) - columnOf(set[k - 1] * decade));
            if (closestPair >= apart) {
                chosen = &set;
                break;
            }
        }
        for (const double step : *chosen) {
            const double value = step * decade;
            const int column = int(std::ceil(columnOf(value) - 1e-9));
            if (column < 1)
                continue;
            if (last - column < closest || (previous > 0 && column - previous < closest)) {
                ticks.append(infinity);
                return ticks;
            }
            Tick tick{column, locale.toString(value, 'g', 12), {}};
            tick.labelRect = labelRect(frame, column, tick.label, metrics);
            if (free < 0 || tick.labelRect.left() < free || tick.labelRect.right() >= labelsEnd) {
                free = -1;
                tick.label.clear();
                tick.labelRect = {};
            } else {
                free = tick.labelRect.right() + gap + 1;
            }
            ticks.append(tick);
            previous = column;
        }
    }
}

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

QVector<GridLine> gridLines(const ChartFrame &frame, int ys, double perUnit)
{
    QVector<GridLine> lines;
    const double step = gridStep(ys);
    const int axis = frame.axisRow();
    const QLocale locale = numbers();
    // Keeps the highest line clear of the y axis's arrow head.
    for (double u = 0; u * ys < frame.plotHeight() - 10; u += step) {
        const int labelTop = int(axis - u * ys - 8);
        // A label beside the y axis's arrow head, which reaches 10 rows down, is left out.
        const bool labelled = labelTop > frame.topMargin + 10;
        lines.append({rowOf(frame, u, ys),
                      labelled
                          ? QRect(QPoint(5, labelTop), QPoint(frame.leftMargin - 4, labelTop + 7))
                          : QRect(),
                      labelled ? locale.toString(u * perUnit, 'g', 6) : QString()});
    }
    return lines;
}

TickRule tickRule(double xs, LengthUnit unit)
{
    if (unit == LengthUnit::Feet) {
        if (xs <= 1)
            return {5, 10};
        if (xs <= 4)
            return {20, 20};
        if (xs <= 11)
            return {50, 50};
        if (xs <= 30)
            return {100, 100};
        return xs <= 60 ? TickRule{200, 200} : TickRule{500, 500};
    }
    if (xs <= 1)
        return {1, 10};
    if (xs <= 5)
        return {10, 10};
    if (xs <= 11)
        return {50, 10};
    return {100, 100};
}

double Axis::distanceAt(int column) const
{
    switch (mode) {
    case AxisMode::ToInfinity:
        return exactDistance(*this, CameraOptics(), column);
    case AxisMode::CloseUp:
        return centre + (column - middleColumn(*this)) * xs;
    default:
        return double(linearDistance(*this, column));
    }
}

Axis Axis::spanning(int otherColumns) const
{
    Axis same = *this;
    if (columns > 1 && otherColumns > 1)
        same.xs = xs * (columns - 1) / (otherColumns - 1);
    same.columns = otherColumns;
    return same;
}

qint64 Axis::borderFor(double distance, int column) const
{
    if (!std::isfinite(distance))
        return leftBorder;
    if (mode == AxisMode::ToInfinity) {
        const int last = columns - 1;
        return last > 0 ? std::llround(distance * (last - column) / last) : leftBorder;
    }
    const qint64 along = std::llround(column * xs);
    const auto mm = qint64(std::llround(distance));
    return mode == AxisMode::FromCamera ? mm - along : along - mm;
}

bool closeUpInMillimetres(const Axis &axis)
{
    return closeUpInterval(axis) >= Length::millimetres(1).micrometres();
}

QRect infinityLabel(const ChartFrame &frame, const QFontMetrics &metrics)
{
    return labelRect(frame, frame.plotWidth() - 1, QStringLiteral("∞"), metrics);
}

QVector<Tick> distanceTicks(const ChartFrame &frame, const Axis &axis, const QFontMetrics &metrics,
                            int titleLeft)
{
    switch (axis.mode) {
    case AxisMode::ToInfinity:
        return ticksToInfinity(frame, axis, metrics);
    case AxisMode::CloseUp:
        return closeUpTicks(frame, axis, metrics, titleLeft);
    default:
        return linearTicks(frame, axis, metrics, titleLeft);
    }
}

int rowOf(const ChartFrame &frame, double u, double ys)
{
    return int(exactRow(frame, u, ys));
}

double Axis::readingOf(double distance, const CameraOptics &camera) const
{
    return distance + lensOffset(*this, camera);
}

double Axis::columnAt(double distance, const CameraOptics &camera) const
{
    const double read = readingOf(distance, camera);
    switch (mode) {
    case AxisMode::ToInfinity: {
        const int last = columns - 1;
        return std::isinf(read) ? last : last * (1 - borderToInfinity(*this) / read);
    }
    case AxisMode::CloseUp:
        return middleColumn(*this) + (distance - camera.fdist - centre) / xs;
    case AxisMode::FromCamera:
        return (read - double(leftBorder)) / xs;
    case AxisMode::FromFocusPlane:
        break;
    }
    return (distance - camera.fdist + double(leftBorder)) / xs;
}

double Axis::sampleAt(const CameraOptics &camera, int column) const
{
    const double distance = exactDistance(*this, camera, column);
    return mode == AxisMode::FromFocusPlane ? std::trunc(distance) : distance;
}

Curve traceCurve(const CameraOptics &camera, bool withDiffraction, const ChartFrame &frame,
                 const Axis &axis, double ys)
{
    Curve curve;
    const int columns = frame.plotWidth();
    if (columns <= 1)
        return curve;
    curve.points.reserve(columns);

    const double focus = camera.focusDistance();
    // A subject at or inside the focal length has no real image and no
    // blur: the curve starts beyond it. Distance grows with the column.
    int start = 0;
    while (start < columns && !(axis.sampleAt(camera, start) > camera.flength))
        ++start;
    if (start == columns)
        return curve;
    const double first = axis.sampleAt(camera, start);
    double previousU = camera.relativeBlur(first, withDiffraction);
    curve.points.append(QPoint(frame.x(start), rowOf(frame, previousU, ys)));
    if (previousU <= 1)
        curve.band.entry = start;
    double previousX = first;
    int focusColumn = -1;
    for (int i = start + 1; i < columns; ++i) {
        const double x = axis.sampleAt(camera, i);
        const double u = camera.relativeBlur(x, withDiffraction);
        curve.points.append(QPoint(frame.x(i), rowOf(frame, u, ys)));
        // Later crossings win; comparisons with NaN are false on purpose.
        if (previousU > 1 && u <= 1)
            curve.band.entry = i - 1;
        if (previousU <= 1 && u > 1)
            curve.band.exit = i;
        if (previousX <= focus && focus < x)
            focusColumn = i - 1;
        previousU = u;
        previousX = x;
    }
    // A depth of field narrower than a column falls between two samples: it
    // shows as the column that holds the focus.
    if (!curve.band.isDrawn() && focusColumn >= 0
        && depthOfField(camera, withDiffraction).state == DepthOfField::Sharp)
        curve.band = {focusColumn, focusColumn + 1};
    return curve;
}

QPainterPath smoothCurve(const CameraOptics &camera, bool withDiffraction, const ChartFrame &frame,
                         const Axis &axis, double ys, int perColumn)
{
    QPainterPath path;
    const int samples = (frame.plotWidth() - 1) * perColumn;
    const auto distance = [&](int k) {
        return exactDistance(axis, camera, double(k) / perColumn);
    };
    const auto point = [&](int k) {
        const double u = camera.relativeBlur(distance(k), withDiffraction);
        return QPointF(frame.x(0) + double(k) / perColumn, exactRow(frame, u, ys));
    };
    // Beyond the focal length only, as on screen.
    int start = 0;
    while (start <= samples && !(distance(start) > camera.flength))
        ++start;
    if (start > samples)
        return path;
    QPointF previous = point(start);
    for (int k = start + 1; k <= samples; ++k) {
        const QPointF next = point(k);
        QPointF a = previous;
        QPointF b = next;
        if (clipToRows(a, b, -1, frame.height + 1)) {
            if (path.isEmpty() || path.currentPosition() != a)
                path.moveTo(a);
            path.lineTo(b);
        }
        previous = next;
    }
    return path;
}

QRect lineRect(const QLine &line)
{
    // Not QRect::normalized(), which drops a row and a column of an inverted rectangle.
    return QRect(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                 QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2())));
}

QVector<QLine> curveSegments(const QVector<QPoint> &points)
{
    QVector<QLine> segments;
    segments.reserve(points.size());
    for (int i = 0; i + 1 < points.size(); ++i) {
        const QPoint from = points[i];
        const QPoint to = points[i + 1];
        if (!segments.isEmpty() && from.y() == to.y() && segments.last().y1() == from.y()
            && segments.last().y2() == from.y())
            segments.last().setP2(to);
        else
            segments.append(QLine(from, to));
    }
    return segments;
}

QRect bandRect(const ChartFrame &frame, const Band &band)
{
    if (!band.isDrawn() || frame.plotHeight() <= 0)
        return {};
    const int last = std::min(band.exit - 1, frame.plotWidth() - 1);
    return QRect(QPoint(frame.x(band.entry), frame.topMargin),
                 QPoint(frame.x(last), frame.topMargin + frame.plotHeight() - 1));
}

} // namespace ChartGeometry
