// Draws the user guide's pictures in English and German from the program's
// own chart, the parts of the first numbered as the guide lists them:
//   guide_pictures data/guide
// The settings go to Qt's test location, never to the user's.

#include "sharpatest.h"

#include "chart/chartgeometry.h"

#include <QApplication>
#include <QDir>

namespace {

using ChartGeometry::ChartFrame;

// The topmost row of a camera's colour in a column, or -1.
int curveRow(const QImage &chart, int x, QRgb colour)
{
    for (int y = 0; y < chart.height(); ++y) {
        if (chart.pixel(x, y) == colour)
            return y;
    }
    return -1;
}

// A numbered mark, as the guide's list refers to it.
void mark(QPainter &painter, QPoint at, int number)
{
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(0xb0, 0x10, 0x10));
    painter.drawEllipse(at, 8, 8);
    painter.setFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold));
    painter.drawText(QRect(at - QPoint(8, 8), QSize(16, 16)), Qt::AlignCenter,
                     QString::number(number));
}

QImage namedChart(mainWin &window)
{
    const QSize size(1016, 266);
    act(window,
        "DSB_leftBorder=1 qxscale=20 qyscale=10 c1_fdist=4 c1_flength=28 c1_apature=4 "
        "c2_fdist=4 c2_flength=50 c2_apature=1.8");
    QImage chart = renderChart(window, size);
    const ChartFrame frame{size.width(), size.height()};
    // Metres to a column: 20 mm each from the left border at 1 m.
    const auto x = [&frame](double metres) {
        return frame.x(int((metres - 1) * 50));
    };
    const int axis = frame.axisRow();
    // Where the chart sets its title: ending where the English one does.
    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 8), &chart);
    const int titleLeft = size.width() - ChartFrame::titleInset
        - metrics.horizontalAdvance(QCoreApplication::translate("ChartPainter", "Distance [m]"))
        + metrics.horizontalAdvance(QStringLiteral("Distance [m]"));
    QPainter painter(&chart);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::array<QRgb, 2> colours = ChartPainter::cameraColours;
    mark(painter, {x(11), curveRow(chart, x(11), colours[0]) - 14}, 1);
    mark(painter, {x(8.5), curveRow(chart, x(8.5), colours[1]) - 14}, 2);
    mark(painter, {x(18), axis - 10 - 4}, 3);
    mark(painter, {x(4.7), frame.topMargin + 80}, 4);
    mark(painter, {x(3.8), axis + 4}, 5);
    mark(painter, {14, frame.topMargin + 80}, 6);
    mark(painter, {titleLeft - 10, size.height() - 8}, 7);
    mark(painter, {frame.leftMargin + 105, size.height() - 8}, 8);
    return chart;
}

QImage plannedStack(mainWin &window)
{
    act(window,
        "actionPlan.checked=true boxC1=0 c2_planNear=3.5 c2_planToInfinity=0 "
        "c2_planFar=5 c2_apature=11 c2_planOverlap=10");
    return renderChart(window, QSize(600, 400));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    for (const auto &[locale, suffix] :
         {std::pair{QLocale(QLocale::English), ""}, std::pair{QLocale(QLocale::German), "-de"}}) {
        const auto restore = translatedAs(locale);
        const CoutCapture quiet;
        QSettings().clear();
        for (const auto &[name, draw] :
             {std::pair{"chart", &namedChart}, {"plan", &plannedStack}}) {
            mainWin window;
            act(window, "actionUnitsMetres!"); // as the guide's text reads
            const QString path = folder.filePath(QStringLiteral("%1%2.png").arg(name, suffix));
            if (!draw(window).save(path)) {
                qCritical("Could not write %s", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
