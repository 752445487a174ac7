// Measures what decides whether the chart keeps up with the keyboard and
// the mouse: a recalculation with its synchronous repaint, with and without
// the blur preview shown, a wheel step, the chart's paint on both axes
// against a plain fill of the same image, how paint time grows with width,
// and a preview's picture at two sizes and two discs.
#include "app/preview/blurrender.h"
#include "app/preview/previewscene.h"
#include "app/window/mainwin.h"
#include "chart/chartexport.h"
#include "chart/graph.h"
#include "chart/scene.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QImage>
#include <QStandardPaths>
#include <QThreadPool>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <streambuf>
#include <tuple>
#include <vector>

namespace {

// Swallows the trace lines so that the terminal's speed is not measured.
class NullBuffer : public std::streambuf
{
protected:
    int overflow(int c) override { return c; }
};

template<typename Work>
double medianMicroseconds(int repeats, Work &&work)
{
    work(); // warm caches and glyph tables
    std::vector<qint64> samples;
    samples.reserve(std::size_t(repeats));
    QElapsedTimer timer;
    for (int i = 0; i < repeats; ++i) {
        timer.start();
        work();
        samples.push_back(timer.nsecsElapsed());
    }
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]) / 1000.0;
}

// The chart's paint of a 3840 x 2000 device-pixel image and a plain fill of
// the same image, each repeated on its own, in alternating rounds so that
// both meet the machine alike; medians of both.
std::pair<double, double> paintAndFill(graph &chart)
{
    QImage image(3840, 2000, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(qApp->devicePixelRatio());
    image.fill(Qt::white);
    chart.resize(image.deviceIndependentSize().toSize());
    std::vector<qint64> fills, paints;
    QElapsedTimer timer;
    for (int round = 0; round < 6; ++round) {
        for (int i = 0; i < 11; ++i) {
            timer.start();
            image.fill(Qt::white);
            if (i > 0) // the first of a round warms the caches
                fills.push_back(timer.nsecsElapsed());
        }
        for (int i = 0; i < 11; ++i) {
            timer.start();
            // The chart paints no background; the window's would be a second fill.
            chart.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
            if (i > 0)
                paints.push_back(timer.nsecsElapsed());
        }
    }
    const auto median = [](std::vector<qint64> &samples) {
        std::sort(samples.begin(), samples.end());
        return double(samples[samples.size() / 2]) / 1000.0;
    };
    return {median(paints), median(fills)};
}

// The image's size is in device pixels; the chart is laid out in logical ones.
double chartPaint(graph &chart, QImage &image)
{
    image.setDevicePixelRatio(qApp->devicePixelRatio());
    chart.resize(image.deviceIndependentSize().toSize());
    return medianMicroseconds(
        40, [&] { chart.render(&image, QPoint(), QRegion(), QWidget::RenderFlags()); });
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char *argv[])
{
    // The axis choice below is remembered: in the test location, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    NullBuffer null;
    std::streambuf *const stdoutBuffer = std::cout.rdbuf(&null);

    mainWin window;
    window.resize(852, 724);
    window.show();
    QApplication::processEvents();
    const double run = medianMicroseconds(500, [&] { window.run(); });
    const double runAndLoop = medianMicroseconds(500, [&] {
        window.run();
        QApplication::processEvents();
    });
    // A keystroke in a focus box, the preview hidden and shown: typing
    // must not wait for its pictures, which are made off the GUI thread.
    auto *focus = window.findChild<QDoubleSpinBox *>(QStringLiteral("c1_fdist"));
    bool further = false;
    const auto keystroke = [&] {
        focus->setValue((further = !further) ? 4.01 : 4);
        QApplication::processEvents();
    };
    const double typed = medianMicroseconds(300, keystroke);
    auto *preview = window.findChild<QAction *>(QStringLiteral("actionPreview"));
    preview->trigger();
    QApplication::processEvents();
    const double typedWithPreview = medianMicroseconds(300, keystroke);
    preview->trigger();
    QThreadPool::globalInstance()->waitForDone();
    QApplication::processEvents();
    // The picture of one camera, as the preview makes it off the GUI thread.
    const QImage lights = PreviewScene::make(PreviewScene::PointsOfLight);
    std::vector<std::tuple<QSize, double, double>> pictures;
    for (const QSize size : {QSize(640, 427), QSize(1920, 1280)}) {
        for (const double disc : {0.05, 0.15}) {
            BlurRender::Frame frame;
            frame.size = size;
            frame.disc = disc;
            frame.subject = 0.5;
            pictures.emplace_back(size, disc,
                                  medianMicroseconds(size.width() > 1000 ? 3 : 9, [&] {
                                      const QImage made = BlurRender::render(lights, frame);
                                      Q_UNUSED(made);
                                  }) / 1000);
        }
    }

    // One notch of the wheel over the chart: the zoom, its recalculation and
    // repaint; in and out by turns, so that the scale stays where it was.
    auto *shown = window.frame->findChild<graph *>();
    const QPointF at(shown->width() / 2.0, shown->height() / 2.0);
    int notch = 120;
    const double wheel = medianMicroseconds(200, [&] {
        QWheelEvent event(at, shown->mapToGlobal(at), {}, {0, notch}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(shown, &event);
        notch = -notch;
    });

    // Both cameras' plans shown: camera 1's stack of about 50 shots.
    window.findChild<QAction *>(QStringLiteral("actionPlan"))->trigger();
    auto *planNear = window.findChild<QDoubleSpinBox *>(QStringLiteral("c1_planNear"));
    planNear->setValue(3);
    QApplication::processEvents();
    // Each a keystroke in the plan: its stack anew, and the recalculation that follows.
    bool nearer = false;
    const double planned
        = medianMicroseconds(500, [&] { planNear->setValue((nearer = !nearer) ? 3.01 : 3); });
    const std::size_t shots = window.scene().plans[0].shots.size();
    const CameraOptics lens = window.scene().cameras[0];
    const double stack = medianMicroseconds(2000, [&] {
        const auto built = Planning::focusStack(lens, false, {1500, qInf()}, 2, 0);
        Q_UNUSED(built);
    });
    const std::size_t stackShots
        = Planning::focusStack(lens, false, {1500, qInf()}, 2, 0).shots.size();
    window.findChild<QAction *>(QStringLiteral("actionPlan"))->trigger();

    graph chart;
    chart.setScene(window.scene());
    const auto [paint, fill] = paintAndFill(chart);
    window.actionAxisToInfinity->trigger();
    chart.setScene(window.scene());
    const auto [paintToInfinity, fillToInfinity] = paintAndFill(chart);
    window.actionAxisLinear->trigger();

    std::vector<std::pair<int, double>> widths;
    for (int width : {960, 1920, 3840}) {
        QImage strip(width, 2000, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::white);
        widths.emplace_back(width, chartPaint(chart, strip));
    }
    // The largest figure the export offers, drawn and encoded once, as the
    // export does it off the window's thread.
    QElapsedTimer clock;
    clock.start();
    const QByteArray largest = ChartExport::encode(
        ChartExport::Format::Png, {QSize(10000, 10000), 2, 96, {}, {}, {}}, window.scene());
    const double largestSeconds = double(clock.nsecsElapsed()) / 1e9;
    std::cout.rdbuf(stdoutBuffer);

    const double growth = widths.back().second / widths.front().second;
    std::printf("device pixel ratio %g (QT_SCALE_FACTOR sets it)\n", qApp->devicePixelRatio());
    std::printf("%-46s %12s %14s %8s\n", "measure", "median", "target", "");
    std::printf("%-46s %9.1f us %14s %8s\n", "run() with repaint, window 852 x 724", run,
                "<= 1000 us", verdict(run <= 1000));
    std::printf("%-46s %9.1f us\n", "  with the event loop pass that follows it", runAndLoop);
    std::printf(
        "%-46s %9.1f us %14s %8s\n",
        qPrintable(QStringLiteral("a plan changed, its %1-shot stack, with repaint").arg(shots)),
        planned, "<= 1000 us", verdict(planned <= 1000));
    std::printf("%-46s %9.1f us %14s %8s\n",
                qPrintable(QStringLiteral("a %1-shot stack alone").arg(stackShots)), stack,
                "<= 1000 us", verdict(stack <= 1000));
    std::printf("%-46s %9.1f us\n", "a keystroke in a focus box, preview hidden", typed);
    std::printf("%-46s %9.1f us %14s %8s\n", "  the same, preview shown", typedWithPreview,
                "<= 1.5 x", verdict(typedWithPreview <= 1.5 * typed));
    for (const auto &[size, disc, millis] : pictures)
        std::printf("%-46s %9.1f ms\n",
                    qPrintable(QStringLiteral("preview picture %1 x %2, disc %3 % of the width")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(disc * 100)),
                    millis);
    std::printf("%-46s %9.1f us %14s %8s\n", "wheel step over the chart, with repaint", wheel,
                "<= 4000 us", verdict(wheel <= 4000));
    for (const auto &[axis, painted, filled] :
         {std::tuple{"linear axis", paint, fill},
          {"axis to infinity", paintToInfinity, fillToInfinity}}) {
        std::printf("chart paint, 3840 x 2000 device pixels, %s\n", axis);
        std::printf("%-46s %9.1f us\n", "  plain fill of the same image", filled);
        std::printf("%-46s %9.1f us %14s %8s\n", "  chart paint", painted, "<= 2 x fill",
                    verdict(painted <= 2 * filled));
        std::printf("%-46s %9.2f x\n", "  paint / fill", painted / filled);
    }
    for (const auto &[width, micros] : widths)
        std::printf("  chart paint, %4d x 2000 %20s %9.1f us   %6.3f us/column\n", width, "",
                    micros, micros / width);
    std::printf("%-46s %9.2f x %14s %8s\n", "  growth 960 -> 3840 columns", growth, "<= 4 x",
                verdict(growth <= 4.0));
    std::printf("%-46s %9.1f s  %s\n", "PNG figure, 20000 x 20000 pixels", largestSeconds,
                largest.isEmpty() ? "(not enough memory)" : "(with a progress dialog)");
    return 0;
}
