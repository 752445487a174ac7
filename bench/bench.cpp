// Measures what decides whether the chart keeps up with the keyboard:
// a recalculation with its synchronous repaint, the chart's paint against a
// plain fill of the same image, and how paint time grows with width.
#include "app/mainwin.h"
#include "chart/chartinput.h"
#include "chart/graph.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <streambuf>
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

// The image's size is in device pixels; the chart is laid out in logical ones.
double chartPaint(graph &chart, QImage &image)
{
    image.setDevicePixelRatio(qApp->devicePixelRatio());
    chart.resize(image.deviceIndependentSize().toSize());
    // The chart paints no background; the window's would be a second fill.
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

    graph chart;
    chart.setSource([&window] { return window.chartInput(); });
    QImage image(3840, 2000, QImage::Format_ARGB32_Premultiplied);
    const double fill = medianMicroseconds(40, [&] { image.fill(Qt::white); });
    const double paint = chartPaint(chart, image);

    std::vector<std::pair<int, double>> widths;
    for (int width : {960, 1920, 3840}) {
        QImage strip(width, 2000, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::white);
        widths.emplace_back(width, chartPaint(chart, strip));
    }
    std::cout.rdbuf(stdoutBuffer);

    const double growth = widths.back().second / widths.front().second;
    std::printf("device pixel ratio %g (QT_SCALE_FACTOR sets it)\n", qApp->devicePixelRatio());
    std::printf("%-46s %12s %14s %8s\n", "measure", "median", "target", "");
    std::printf("%-46s %9.1f us %14s %8s\n", "run() with repaint, window 852 x 724", run,
                "<= 1000 us", verdict(run <= 1000));
    std::printf("%-46s %9.1f us\n", "  with the event loop pass that follows it", runAndLoop);
    std::printf("%-46s %9.1f us\n", "plain fill, 3840 x 2000 device pixels", fill);
    std::printf("%-46s %9.1f us %14s %8s\n", "chart paint, 3840 x 2000 device pixels", paint,
                "<= 3 x fill", verdict(paint <= 3 * fill));
    std::printf("%-46s %9.2f x\n", "  paint / fill", paint / fill);
    for (const auto &[width, micros] : widths)
        std::printf("  chart paint, %4d x 2000 %20s %9.1f us   %6.3f us/column\n", width, "",
                    micros, micros / width);
    std::printf("%-46s %9.2f x %14s %8s\n", "  growth 960 -> 3840 columns", growth, "<= 4 x",
                verdict(growth <= 4.0));
    return 0;
}
