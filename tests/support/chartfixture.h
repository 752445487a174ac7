#ifndef CHARTFIXTURE_H
#define CHARTFIXTURE_H

#include "app/mainwin.h"
#include "chart/graph.h"
#include "coutcapture.h"

#include <QImage>

#include <memory>

// A real main window, quiet on standard output, and a chart of any size
// that reads that window's form and camera records.
class ChartFixture
{
public:
    ChartFixture()
        : silence(std::make_unique<CoutCapture>())
        , window(std::make_unique<mainWin>())
    {
        chart.setMainWindow(window.get());
    }

    mainWin &form() { return *window; }

    // The chart paints no background of its own; it is drawn onto white.
    QImage render(const QSize &size)
    {
        chart.resize(size);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        chart.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }

private:
    std::unique_ptr<CoutCapture> silence;
    std::unique_ptr<mainWin> window;
    graph chart;
};

#endif // CHARTFIXTURE_H
