#include "planpainter.h"

#include "chartgeometry.h"
#include "scene.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace ChartGeometry;

namespace PlanPainter {
namespace {

// Rows apart, so that the two cameras' marks stay apart where they meet.
constexpr int cameraOffset = 3;
constexpr int bracketEnd = 4;
constexpr int dotRadius = 3;
// The shots' brackets above the axis, alternate ones a step higher so that
// shots that meet stay apart.
constexpr int shotRow = 4;
constexpr int shotStep = 2;

// Columns of a stretch of distances, cut to the plot; empty where it misses it.
struct Stretch
{
    double from;
    double to;
    bool fromInside;
    bool toInside;

    bool isEmpty() const { return !(to >= from); }
};

Stretch stretchOf(const Axis &axis, const CameraOptics &camera, double nearLimit, double farLimit)
{
    const double last = axis.columns - 1;
    const double from = axis.columnAt(nearLimit, camera);
    const double to = axis.columnAt(farLimit, camera);
    return {std::max(from, 0.0), std::min(to, last), from >= 0 && from <= last,
            to >= 0 && to <= last};
}

void drawBracket(QPainter &painter, const ChartFrame &frame, const Stretch &stretch, double row,
                 int end)
{
    const double left = frame.x(0) + stretch.from;
    const double right = frame.x(0) + stretch.to;
    painter.drawLine(QLineF(left, row, right, row));
    // Ends closer than this would blur into a comb.
    constexpr double endsApart = 4;
    if (right - left < endsApart)
        return;
    if (stretch.fromInside)
        painter.drawLine(QLineF(left, row - end, left, row + end));
    if (stretch.toInside)
        painter.drawLine(QLineF(right, row - end, right, row + end));
}

// The least blur over the shots at each column, from the first column
// beyond the focal length.
QPainterPath envelope(const CameraOptics &camera, bool diffraction, const PlanMarks &plan,
                      const ChartFrame &frame, const Axis &axis, double ys)
{
    QPainterPath path;
    bool started = false;
    for (int column = 0; column < axis.columns; ++column) {
        const double x = axis.sampleAt(camera, column);
        if (!(x > camera.flength))
            continue;
        const double u = Planning::stackBlur(camera, diffraction, plan.shots, x);
        const QPointF point(frame.x(column), rowOf(frame, u, ys));
        if (started) {
            path.lineTo(point);
        } else {
            path.moveTo(point);
            started = true;
        }
    }
    return path;
}

} // namespace

void paint(QPainter &painter, const ChartFrame &frame, const Axis &axis, const Scene &scene,
           std::size_t camera, const QColor &colour)
{
    const PlanMarks &plan = scene.plans[camera];
    if (!plan.shown)
        return;
    const CameraOptics &optics = scene.cameras[camera];
    const bool diffraction = scene.diffraction[camera];
    const int offset = int(camera) * cameraOffset;
    // Rows per U of this camera, in the chart's measure.
    const double ys = scene.ys * scene.perCoc[camera];
    painter.save();
    // Marks near U = 0 would spill onto the distance labels, those at the
    // left border onto the U labels.
    painter.setClipRect(
        QRect(frame.x(0), 0, frame.width - frame.x(0), frame.topMargin + frame.plotHeight()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);

    const Stretch range = stretchOf(axis, optics, plan.range.nearLimit, plan.range.farLimit);
    if (!range.isEmpty())
        drawBracket(painter, frame, range, rowOf(frame, plan.limit, ys) + offset, bracketEnd);
    if (plan.planned) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const double end : {plan.range.nearLimit, plan.range.farLimit}) {
            const double column = axis.columnAt(end, optics);
            if (column >= 0 && column <= axis.columns - 1)
                painter.drawEllipse(
                    QPointF(frame.x(0) + column,
                            rowOf(frame, plan.planned->relativeBlur(end, diffraction), ys)),
                    dotRadius, dotRadius);
        }
        painter.setBrush(Qt::NoBrush);
    }

    if (!plan.shots.empty()) {
        // Cosmetic, as the curves are: many lines, each one device pixel, fast.
        QPen thin(colour, 0);
        thin.setCosmetic(true);
        painter.setPen(thin);
        for (std::size_t k = 0; k < plan.shots.size(); ++k) {
            const Planning::Shot &shot = plan.shots[k];
            const Stretch stretch = stretchOf(axis, optics, shot.nearLimit, shot.farLimit);
            if (!stretch.isEmpty())
                drawBracket(painter, frame, stretch,
                            frame.axisRow() - shotRow - offset - int(k % 2) * shotStep, 1);
        }
        thin.setStyle(Qt::DashLine);
        painter.setPen(thin);
        painter.drawPath(envelope(optics, diffraction, plan, frame, axis, ys));
    }
    painter.restore();
}

} // namespace PlanPainter
