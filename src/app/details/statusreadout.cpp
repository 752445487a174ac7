#include "statusreadout.h"

#include "chart/chartpainter.h"
#include "chart/graph.h"
#include "chart/scene.h"
#include "optics/distanceorigin.h"
#include "text/readout.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>

StatusReadout::StatusReadout(QStatusBar *statusBar, const graph *shown)
    : QObject(statusBar)
    , bar(statusBar)
    , chart(shown)
{
    hover = new QLabel(bar);
    hover->setObjectName(QStringLiteral("hoverReadout"));
    hover->setTextFormat(Qt::RichText);
    hover->hide();
    bar->addWidget(hover, 1);
    connect(chart, &graph::hovered, this, &StatusReadout::showColumn);
    connect(chart, &graph::leftPlot, this, &StatusReadout::leavePlot);
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k] = new QLabel(bar);
        labels[k]->setObjectName(QStringLiteral("readoutC%1").arg(k + 1));
        labels[k]->setStyleSheet(
            QStringLiteral("color: %1").arg(QColor(ChartPainter::cameraColours[k]).name()));
        // Long limits may be cut, but never widen the window.
        labels[k]->setMinimumWidth(1);
        bar->addPermanentWidget(labels[k]);
    }
}

void StatusReadout::follow()
{
    if (hovered >= 0)
        hover->setText(Readout::atColumn(chart->input(), hovered, QLocale(), true));
    else
        showDepthOfField();
}

void StatusReadout::showDepthOfField()
{
    const Scene input = chart->input();
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k]->setVisible(input.shown[k]);
        if (!input.shown[k])
            continue;
        const CameraOptics &camera = input.cameras[k];
        const DistanceOrigin origin{input.axis.fromSensor, camera.flength};
        labels[k]->setText(Readout::depthOfField(
            int(k), origin.fromLens(depthOfField(camera, input.diffraction[k]), camera.fdist),
            QLocale(), input.axis.unit));
    }
}

void StatusReadout::showColumn(int column)
{
    hovered = column;
    for (QLabel *label : labels)
        label->hide();
    bar->clearMessage();
    hover->setText(Readout::atColumn(chart->input(), column, QLocale(), true));
    hover->show();
}

void StatusReadout::leavePlot()
{
    hovered = -1;
    hover->hide();
    showDepthOfField();
}
