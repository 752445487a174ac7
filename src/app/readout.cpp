#include "readout.h"

#include "chart/chartinput.h"
#include "chart/chartpainter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

#include <cmath>

namespace Readout {

QString limit(double mm, const QLocale &locale)
{
    if (std::isinf(mm))
        return QStringLiteral("∞");
    const double metres = mm / 1000;
    if (std::abs(metres) >= 1000)
        return locale.toString(metres / 1000, 'f', 2) + QStringLiteral(" km");
    return locale.toString(metres, 'f', 2) + QStringLiteral(" m");
}

QString length(double mm, const QLocale &locale)
{
    if (std::isinf(mm) || mm >= 1000000)
        return limit(mm, locale);
    const auto decimals = [](double value) {
        return std::max(2, 2 - int(std::floor(std::log10(value))));
    };
    if (mm < 5)
        return locale.toString(mm, 'f', mm > 0 ? decimals(mm) : 2) + QStringLiteral(" mm");
    return locale.toString(mm / 1000, 'f', decimals(mm / 1000)) + QStringLiteral(" m");
}

QString depthOfField(int camera, const DepthOfField &limits, const QLocale &locale)
{
    switch (limits.state) {
    case DepthOfField::DiffractionTooLarge:
        return QCoreApplication::translate(
                   "mainWin",
                   "Camera %1: nothing sharp, the diffraction disc alone reaches the CoC")
            .arg(camera + 1);
    case DepthOfField::FocusInsideFocalLength:
        return QCoreApplication::translate(
                   "mainWin",
                   "Camera %1: nothing sharp, the focus lies at or inside the focal length")
            .arg(camera + 1);
    case DepthOfField::Sharp:
        break;
    }
    return QCoreApplication::translate("mainWin", "Camera %1: %2 – %3 (%4)")
        .arg(camera + 1)
        .arg(limit(limits.nearLimit, locale), limit(limits.farLimit, locale),
             length(limits.farLimit - limits.nearLimit, locale));
}

QString atColumn(const ChartInput &input, int column, const QLocale &locale, bool coloured)
{
    const ChartGeometry::ChartScale &scale = input.scale;
    const QString text
        = locale.toString(double(ChartGeometry::axisDistance(scale, column)) / 1000, 'f', 2)
        + QStringLiteral(" m");
    QStringList blur;
    for (std::size_t k = 0; k < 2; ++k) {
        if (!input.shown[k])
            continue;
        const CameraOptics &camera = input.cameras[k];
        const double u = camera.relativeBlur(
            ChartGeometry::sampleDistance(scale, camera.focusDistance(), column),
            input.diffraction[k]);
        const QString part
            = QCoreApplication::translate("mainWin", "Camera %1: U %2")
                  .arg(k + 1)
                  .arg(std::isfinite(u) ? locale.toString(u, 'f', 1) : QStringLiteral("–"));
        blur << (coloured ? QStringLiteral("<span style=\"color: %1\">%2</span>")
                                .arg(QColor(ChartPainter::cameraColours[k]).name(), part)
                          : part);
    }
    return blur.isEmpty() ? text : text + QStringLiteral(" — ") + blur.join(QStringLiteral(" · "));
}

} // namespace Readout

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

void StatusReadout::showDepthOfField()
{
    const ChartInput input = chart->input();
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k]->setVisible(input.shown[k] && !hovering);
        if (input.shown[k])
            labels[k]->setText(Readout::depthOfField(
                int(k), depthOfField(input.cameras[k], input.diffraction[k]), QLocale()));
    }
}

void StatusReadout::showColumn(int column)
{
    hovering = true;
    for (QLabel *label : labels)
        label->hide();
    bar->clearMessage();
    hover->setText(Readout::atColumn(chart->input(), column, QLocale(), true));
    hover->show();
}

void StatusReadout::leavePlot()
{
    hovering = false;
    hover->hide();
    showDepthOfField();
}
