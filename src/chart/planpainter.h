#ifndef PLANPAINTER_H
#define PLANPAINTER_H

#include <QColor>

class QPainter;
struct PlanMarks;
struct Scene;

namespace ChartGeometry {
struct Axis;
struct ChartFrame;
} // namespace ChartGeometry

namespace PlanPainter {

// One camera's plan over its curve: the range as a bracket at its blur
// limit, dots where the planned setup's blur is worst, each stack shot's
// sharp stretch as a thin bracket above the distance axis and the stack's
// envelope as a dashed curve.
void paint(QPainter &painter, const ChartGeometry::ChartFrame &frame,
           const ChartGeometry::Axis &axis, const Scene &scene, std::size_t camera,
           const QColor &colour);

} // namespace PlanPainter

#endif // PLANPAINTER_H
