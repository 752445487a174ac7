#include "chartgestures.h"

#include "chart/graph.h"
#include "chart/scene.h"
#include "optics/length.h"
#include "ui_mainwin.h"
#include "undohistory.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

ChartGestures::ChartGestures(graph *shown, const Ui_mainWin &ui, UndoHistory &steps,
                             std::function<void()> run)
    : QObject(shown)
    , chart(shown)
    , form(ui)
    , history(steps)
    , recalculate(std::move(run))
{
    connect(chart, &graph::wheeled, this, &ChartGestures::zoom);
    connect(chart, &graph::dragged, this, &ChartGestures::pan);
    connect(chart, &graph::doubleClicked, this, &ChartGestures::focus);
}

void ChartGestures::zoom(int column, int notches)
{
    const UndoHistory::Step step(history, QCoreApplication::translate("mainWin", "Zoom"), true);
    // Beyond either end of the ranges long before this; a wild wheel stays finite.
    const int steps = std::clamp(notches, -50, 50);
    const ChartGeometry::Axis axis = chart->input().axis;
    if (axis.mode == ChartGeometry::AxisMode::ToInfinity) {
        // Distances on this axis grow with the border alone: a quarter
        // farther out or nearer per notch, from at least a centimetre.
        setAxis(form.qxscale->value(),
                std::llround(std::max(double(axis.leftBorder), 10.0) * std::pow(1.25, steps)));
        return;
    }
    // A quarter more or less distance per notch, at least one step of the scale.
    const int xs = form.qxscale->value();
    const int wanted = int(std::lround(xs * std::pow(1.25, -steps)));
    const int zoomedXs = std::clamp(wanted == xs ? xs - (steps > 0 ? 1 : -1) : wanted,
                                    form.qxscale->minimum(), form.qxscale->maximum());
    ChartGeometry::Axis zoomed = axis;
    zoomed.xs = zoomedXs;
    setAxis(zoomedXs, zoomed.borderFor(axis.distanceAt(column), column));
}

void ChartGestures::pan(int from, int to)
{
    const UndoHistory::Step step(history, QCoreApplication::translate("mainWin", "Move the Chart"),
                                 true);
    const ChartGeometry::Axis axis = chart->input().axis;
    setAxis(form.qxscale->value(), axis.borderFor(axis.distanceAt(from), to));
}

void ChartGestures::focus(int column, Qt::KeyboardModifiers modifiers)
{
    const UndoHistory::Step step(history,
                                 QCoreApplication::translate("mainWin", "Focus by Double-Click"));
    const bool second = modifiers & Qt::ShiftModifier;
    const Scene input = chart->input();
    const double distance
        = input.axis.sampleAt(input.cameras[second ? 1 : 0].focusDistance(), column);
    if (std::isfinite(distance))
        (second ? form.c2_fdist : form.c1_fdist)
            ->setShownValue(Length::millimetres(distance).metres());
}

void ChartGestures::setAxis(int xs, qint64 leftBorder)
{
    const int oldXs = form.qxscale->value();
    const double oldBorder = form.DSB_leftBorder->value();
    {
        const QSignalBlocker quietScale(form.qxscale);
        const QSignalBlocker quietBorder(form.DSB_leftBorder);
        form.qxscale->setValue(xs);
        form.DSB_leftBorder->setShownValue(Length::millimetres(double(leftBorder)).metres());
    }
    if (form.qxscale->value() != oldXs || form.DSB_leftBorder->value() != oldBorder)
        recalculate();
}
