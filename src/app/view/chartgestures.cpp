#include "chartgestures.h"

#include "chart/graph.h"
#include "chart/scene.h"
#include "history/undohistory.h"
#include "model/formmodel.h"
#include "optics/length.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <cmath>

namespace {
// The gestures whose steps join one another, as history numbers them.
enum Gesture { Zooming, Panning };
} // namespace

ChartGestures::ChartGestures(graph *shown, FormModel &values, UndoHistory &steps)
    : QObject(shown)
    , chart(shown)
    , model(values)
    , history(steps)
{
    connect(chart, &graph::wheeled, this, &ChartGestures::zoom);
    connect(chart, &graph::dragged, this, &ChartGestures::pan);
    connect(chart, &graph::doubleClicked, this, &ChartGestures::focus);
    chart->installEventFilter(this);
}

bool ChartGestures::eventFilter(QObject *watched, QEvent *event)
{
    // Remembered, the close-up axis shows the depth of field from the start.
    if (event->type() == QEvent::Show) {
        chart->removeEventFilter(this);
        refit();
    }
    return QObject::eventFilter(watched, event);
}

void ChartGestures::zoom(int column, int notches)
{
    const UndoHistory::Step step(history, QCoreApplication::translate("mainWin", "Zoom"), Zooming);
    // Beyond either end of the ranges long before this; a wild wheel stays finite.
    const int steps = std::clamp(notches, -50, 50);
    const ChartGeometry::Axis axis = chart->input().axis;
    if (axis.mode == ChartGeometry::AxisMode::CloseUp) {
        // Continuous, a quarter more or less per notch; the distance under
        // the pointer stays put.
        const Field scale = ViewInput::CloseUpScale;
        const double zoomed = std::clamp(model.view().closeUpScale * std::pow(1.25, -steps),
                                         model.minimum(scale), model.maximum(scale));
        const double middle = (axis.columns - 1) / 2.0;
        setCloseUp(zoomed,
                   Length::millimetres(axis.distanceAt(column)).micrometres()
                       - (column - middle) * zoomed);
        return;
    }
    if (axis.mode == ChartGeometry::AxisMode::ToInfinity) {
        // Distances on this axis grow with the border alone: a quarter
        // farther out or nearer per notch, from at least a centimetre.
        setAxis(model.view().distanceScale,
                std::llround(std::max(double(axis.leftBorder), 10.0) * std::pow(1.25, steps)));
        return;
    }
    // A quarter more or less distance per notch, at least one step of the scale.
    const int xs = model.view().distanceScale;
    const int wanted = int(std::lround(xs * std::pow(1.25, -steps)));
    const Field scale = ViewInput::DistanceScale;
    const int zoomedXs = std::clamp(wanted == xs ? xs - (steps > 0 ? 1 : -1) : wanted,
                                    int(model.minimum(scale)), int(model.maximum(scale)));
    ChartGeometry::Axis zoomed = axis;
    zoomed.xs = zoomedXs;
    setAxis(zoomedXs, zoomed.borderFor(axis.distanceAt(column), column));
}

void ChartGestures::pan(int from, int to)
{
    const UndoHistory::Step step(history, QCoreApplication::translate("mainWin", "Move the Chart"),
                                 Panning);
    const ChartGeometry::Axis axis = chart->input().axis;
    if (axis.mode == ChartGeometry::AxisMode::CloseUp)
        setCloseUp(model.view().closeUpScale,
                   model.view().closeUpCentre + (from - to) * model.view().closeUpScale);
    else
        setAxis(model.view().distanceScale, axis.borderFor(axis.distanceAt(from), to));
}

void ChartGestures::fitCloseUp()
{
    const UndoHistory::Step step(history, QCoreApplication::translate("mainWin", "Close-Up Axis"));
    fit();
}

void ChartGestures::refit()
{
    if (model.distanceAxis() == DistanceAxis::CloseUp)
        fit();
}

void ChartGestures::fit()
{
    double deepest = 0;
    for (int k = 0; k < model.cameraCount(); ++k) {
        const DepthOfField &depth = model.results(k).depth;
        if (model.camera(k).shown && depth.state == DepthOfField::Sharp)
            deepest = std::max(deepest, depth.farLimit - depth.nearLimit);
    }
    const int columns = chart->input().axis.columns;
    const Field scale = ViewInput::CloseUpScale;
    // Nothing sharp, or no plot yet: the scale as it is.
    const double fitted = deepest > 0 && columns > 1
        ? std::clamp(Length::millimetres(deepest).micrometres() / (columns / 2.0),
                     model.minimum(scale), model.maximum(scale))
        : model.view().closeUpScale;
    setCloseUp(model.shown(scale, fitted), 0);
}

void ChartGestures::fitView()
{
    const UndoHistory::Step step(history, QCoreApplication::translate("mainWin", "Fit"));
    const FormModel::Batch once(model);
    fitBlurScale();
    const Scene input = chart->input();
    if (input.axis.mode == ChartGeometry::AxisMode::CloseUp)
        return fit();
    // Each shown camera's stretch up to a few CoC, from its lens, or where
    // those are too far apart for the scale, its depth of field; where it
    // reaches infinity, as far beyond the focus as it begins before it.
    struct Span
    {
        double nearest = qInf(); // as the axis reads it
        double farthest = 0;
        double before = 0; // the most before a focus, from the focus plane
        double beyond = 0;
    };
    const auto spanOf = [&](double cocs) {
        Span span;
        for (std::size_t k = 0; k < input.cameras.size(); ++k) {
            CameraOptics optics = input.cameras[k];
            if (!input.shown[k] || !(optics.fdist > optics.flength))
                continue;
            optics.coc *= cocs;
            const DepthOfField depth = depthOfField(optics, input.diffraction[k]);
            if (depth.state != DepthOfField::Sharp)
                continue;
            const double near = std::max(depth.nearLimit, optics.flength);
            const double far
                = std::isinf(depth.farLimit) ? 2 * optics.fdist - near : depth.farLimit;
            span.nearest = std::min(span.nearest, input.axis.readingOf(near, optics));
            span.farthest = std::max(span.farthest, input.axis.readingOf(far, optics));
            span.before = std::max(span.before, optics.fdist - near);
            span.beyond = std::max(span.beyond, far - optics.fdist);
        }
        return span;
    };
    const bool focusPlane = input.axis.mode == ChartGeometry::AxisMode::FromFocusPlane;
    const int columns = std::max(input.axis.columns - 1, 1);
    const Field scale = ViewInput::DistanceScale;
    const auto length = [&](const Span &span) {
        return focusPlane ? span.before + span.beyond : span.farthest - span.nearest;
    };
    Span span = spanOf(3);
    if (length(span) > columns * model.maximum(scale))
        span = spanOf(1);
    if (std::isinf(span.nearest))
        return; // nothing sharp to show
    // A little room at either end, more than the border box's rounding.
    const double room = 0.02 * length(span) + 10;
    const int xs = std::clamp(int(std::ceil((length(span) + 2 * room) / columns)),
                              int(model.minimum(scale)), int(model.maximum(scale)));
    switch (input.axis.mode) {
    case ChartGeometry::AxisMode::ToInfinity:
        setAxis(model.view().distanceScale, qint64(std::floor(span.nearest - room)));
        break;
    case ChartGeometry::AxisMode::FromFocusPlane:
        setAxis(xs, qint64(std::ceil(span.before + room)));
        break;
    default:
        setAxis(xs, qint64(std::floor(span.nearest - room)));
        break;
    }
}

void ChartGestures::fitBlurScale()
{
    const Scene input = chart->input();
    // The largest CoC in the chart's measure shown fourfold.
    double perCoc = 0;
    for (std::size_t k = 0; k < input.cameras.size(); ++k) {
        if (input.shown[k])
            perCoc = std::max(perCoc, input.perCoc[k]);
    }
    const int height = ChartGeometry::ChartFrame{chart->width(), chart->height()}.plotHeight();
    const Field scale = ViewInput::BlurScale;
    if (perCoc > 0 && height > 0)
        model.set(scale,
                  std::clamp(int(height / (4 * perCoc)), int(model.minimum(scale)),
                             int(model.maximum(scale))));
}

void ChartGestures::setCloseUp(double scale, double centre)
{
    const FormModel::Batch once(model);
    model.set(ViewInput::CloseUpScale, scale);
    model.set(ViewInput::CloseUpCentre, centre);
}

void ChartGestures::focus(int column, Qt::KeyboardModifiers modifiers)
{
    const UndoHistory::Step step(history,
                                 QCoreApplication::translate("mainWin", "Focus by Double-Click"));
    const bool second = modifiers & Qt::ShiftModifier;
    const Scene input = chart->input();
    const double distance = input.axis.sampleAt(input.cameras[second ? 1 : 0], column);
    if (std::isfinite(distance))
        model.setShown(Field(second ? 1 : 0, CameraInput::Focus),
                       Length::millimetres(distance).metres());
}

void ChartGestures::setAxis(int xs, qint64 leftBorder)
{
    const FormModel::Batch once(model);
    model.set(ViewInput::DistanceScale, xs);
    model.setShown(ViewInput::LeftBorder, Length::millimetres(double(leftBorder)).metres());
}
