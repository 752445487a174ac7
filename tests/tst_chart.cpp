#include "chart/chartgeometry.h"
#include "chartfixture.h"

#include <QtTest>

#include <QPainter>
#include <QRandomGenerator>

#include <cmath>

using namespace ChartGeometry;

namespace {

const QSize chartSize(600, 400); // axis row 370, plot width 560, plot height 360
const QRgb white = qRgb(255, 255, 255);
const QRgb grey = qRgb(200, 200, 200);
const QRgb black = qRgb(0, 0, 0);
const QRgb camera1 = qRgb(0, 127, 0);
const QRgb camera2 = qRgb(0, 0, 127);

// Rows from the top to the x axis: the credit text below shares camera 1's colour.
QRect plotArea(const QImage &image)
{
    return QRect(0, 0, image.width(), std::max(0, image.height() - 30 + 1));
}

int countColour(const QImage &image, QRgb colour)
{
    const QRect area = plotArea(image);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// The lowest pixel of a colour in the plot area, scanning left to right.
QPoint lowestPixel(const QImage &image, QRgb colour)
{
    const QRect area = plotArea(image);
    for (int y = area.bottom(); y >= area.top(); --y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return {x, y};
    return {-1, -1};
}

bool hasInk(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

// Depth-of-field limits in mm from the closed form of the blur formula:
// the distances where the geometric blur equals the CoC less the diffraction disc.
QPair<double, double> depthOfField(double s, double n, double f, double coc, bool diffraction)
{
    const double adia = f / n;
    const double allowed = diffraction ? coc - f * 0.0013542 / adia : coc;
    const double c = allowed / adia;
    return {s * f / (f + c * (s - f)), s * f / (f - c * (s - f))};
}

} // namespace

class tst_Chart : public QObject
{
    Q_OBJECT

private slots:
    void gridRows_data();
    void gridRows();
    void ticks_data();
    void ticks();
    void rowClamping_data();
    void rowClamping();
    void bandFollowsDepthOfField_data();
    void bandFollowsDepthOfField();
    void bandPixels();
    void gridAndTicksPixels_data();
    void gridAndTicksPixels();
    void tickLabelsPixels();
    void unitLinePixels_data();
    void unitLinePixels();
    void cameraSwitchedOff();
    void noBandWhenCurveStartsSharp();
    void diffractionNarrowsBand();
    void focusPlaneMode();
    void curvesInCameraColours();
    void curveThroughFocalLengthLeavesTop();
    void bandRectRules_data();
    void bandRectRules();
    void redrawsOnRecalculationAndResize();
    void degenerateSizes_data();
    void degenerateSizes();
    void curveSegmentsMatchThePen_data();
    void curveSegmentsMatchThePen();
    void lineRectsMatchThePen();
};

void tst_Chart::gridRows_data()
{
    QTest::addColumn<int>("ys");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("labels");

    // Plot height 360: lines while u * YS < 350.
    QList<int> every10;
    QStringList tens;
    for (int k = 0; k * 10 < 350; ++k) {
        every10 << 370 - 10 * k;
        tens << QString::number(10 * k);
    }
    QTest::newRow("YS 1: step 10") << 1 << every10 << tens;
    QTest::newRow("YS 10: step 2.5")
        << 10 << QList<int>{370, 345, 320, 295, 270, 245, 220, 195, 170, 145, 120, 95, 70, 45}
        << QStringList{"0",    "2.5", "5",    "7.5", "10",   "12.5", "15",
                       "17.5", "20",  "22.5", "25",  "27.5", "30",   "32.5"};
    QTest::newRow("YS 99: step 0.5, rows truncated")
        << 99 << QList<int>{370, 320, 271, 221, 172, 122, 73, 23}
        << QStringList{"0", "0.5", "1", "1.5", "2", "2.5", "3", "3.5"};
    QTest::newRow("YS 3: step 5") << 3 << QList<int>{370, 355, 340, 325} << QStringList{};
}

void tst_Chart::gridRows()
{
    QFETCH(int, ys);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, labels);

    const QVector<GridLine> lines = gridLines({chartSize.width(), chartSize.height()}, ys);
    QList<int> actualRows;
    QStringList actualLabels;
    for (const GridLine &line : lines) {
        actualRows << line.row;
        actualLabels << line.label;
        QCOMPARE(line.labelRect.right(), 26);
        QCOMPARE(line.labelRect.height(), 8);
    }
    if (labels.isEmpty()) { // only the first rows matter here
        actualRows = actualRows.mid(0, rows.size());
    } else {
        QCOMPARE(actualLabels, labels);
    }
    QCOMPARE(actualRows, rows);
    QCOMPARE(lines.first().labelRect.top(), 362);
}

void tst_Chart::ticks_data()
{
    QTest::addColumn<int>("xs");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("total");

    // Left border 1.0 m; plot width 560 gives columns 1 to 559.
    QTest::newRow("XS 1: label every tenth tick")
        << 1 << QList<int>{10, 20, 90, 100, 110, 200} << QStringList{"", "", "", "1.1", "", "1.2"}
        << 55;
    QTest::newRow("XS 10: every 0.5 m") << 10 << QList<int>{50, 100, 150, 500, 550}
                                        << QStringList{"1.5", "2", "2.5", "6", "6.5"} << 11;
    QTest::newRow("XS 11: 5.5 m tick unlabelled")
        << 11 << QList<int>{46, 91, 137, 182, 410, 455}
        << QStringList{"1.5", "2", "2.5", "3", "", "6"} << 12;
    QTest::newRow("XS 12: first tick 8 mm past 2 m")
        << 12 << QList<int>{84, 167, 250} << QStringList{"2", "3", "4"} << 6;
    QTest::newRow("XS 3: every 0.1 m")
        << 3 << QList<int>{34, 67, 100} << QStringList{"1.1", "1.2", "1.3"} << 16;
}

void tst_Chart::ticks()
{
    QFETCH(int, xs);
    QFETCH(QList<int>, columns);
    QFETCH(QStringList, labels);
    QFETCH(int, total);

    ChartScale scale;
    scale.xs = xs;
    scale.leftBorder = 1000;
    const QVector<Tick> ticks = distanceTicks({chartSize.width(), chartSize.height()}, scale);
    QCOMPARE(ticks.size(), total);
    for (int k = 0; k < columns.size(); ++k) {
        const auto it = std::find_if(ticks.cbegin(), ticks.cend(),
                                     [&](const Tick &t) { return t.column == columns[k]; });
        QVERIFY2(it != ticks.cend(), qPrintable(QString::number(columns[k])));
        QCOMPARE(it->label, labels[k]);
    }
    QVERIFY(
        std::none_of(ticks.cbegin(), ticks.cend(), [](const Tick &t) { return t.column == 0; }));
}

void tst_Chart::rowClamping_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("ys");
    QTest::addColumn<int>("row");

    const int top = -(1 << 24);
    const int bottom = 1 << 24;
    QTest::newRow("U = 1") << 1.0 << 10 << 360;
    QTest::newRow("truncated toward zero") << 0.55 << 99 << 315;             // 370 - 54.45
    QTest::newRow("negative row truncated toward zero") << 4.0 << 99 << -26; // -26.0
    QTest::newRow("negative U below the axis") << -2.0 << 10 << 390;
    QTest::newRow("NaN leaves through the top") << std::nan("") << 10 << top;
    QTest::newRow("+inf") << HUGE_VAL << 10 << top;
    QTest::newRow("-inf") << -HUGE_VAL << 10 << bottom;
    QTest::newRow("beyond 32 bits") << 1e300 << 99 << top;
    QTest::newRow("far below") << -1e12 << 1 << bottom;
}

void tst_Chart::rowClamping()
{
    QFETCH(double, u);
    QFETCH(int, ys);
    QFETCH(int, row);

    QCOMPARE(rowOf({chartSize.width(), chartSize.height()}, u, ys), row);
}

void tst_Chart::bandFollowsDepthOfField_data()
{
    QTest::addColumn<int>("camera");
    QTest::addColumn<double>("flength");
    QTest::addColumn<bool>("diffraction");

    QTest::newRow("camera 1, 85 mm") << 0 << 85.0 << false;
    QTest::newRow("camera 2, 135 mm") << 1 << 135.0 << false;
    QTest::newRow("camera 1 with diffraction") << 0 << 85.0 << true;
    QTest::newRow("camera 2 with diffraction") << 1 << 135.0 << true;
}

void tst_Chart::bandFollowsDepthOfField()
{
    QFETCH(int, camera);
    QFETCH(double, flength);
    QFETCH(bool, diffraction);

    ChartFixture fixture;
    mainWin &w = fixture.form();
    (camera == 0 ? w.c1_calcDef : w.c2_calcDef)->setChecked(diffraction);
    ChartScale scale;
    scale.leftBorder = 1000;
    const Curve curve = traceCurve(w.camera(camera), diffraction ? 1 : 0,
                                   {chartSize.width(), chartSize.height()}, scale);
    const auto [nearLimit, farLimit] = depthOfField(4000, 2, flength, 0.0125, diffraction);
    // Entry: last column before the near limit; exit: first column past the far one.
    QCOMPARE(curve.band.entry, int(std::floor((nearLimit - 1000) / 10)));
    QCOMPARE(curve.band.exit, int(std::floor((farLimit - 1000) / 10)) + 1);
    QCOMPARE(curve.points.size(), 560);
}

void tst_Chart::bandPixels()
{
    ChartFixture fixture;
    const QImage image = fixture.render(chartSize);
    // Camera 1's band covers columns 294 to 305 (pixels 324 to 335), camera
    // 2's columns 297 to 302 (327 to 332). Row 232 is clear of lines there.
    const int y = 232;
    QCOMPARE(image.pixel(323, y), white);
    QCOMPARE(image.pixel(336, y), white);
    const QRgb oneBand = image.pixel(324, y);
    QVERIFY(oneBand != white);
    QVERIFY(qGreen(oneBand) > qRed(oneBand) && qRed(oneBand) == qBlue(oneBand));
    QCOMPARE(image.pixel(335, y), oneBand);
    QCOMPARE(image.pixel(326, y), oneBand);
    QCOMPARE(image.pixel(333, y), oneBand);
    const QRgb twoBands = image.pixel(327, y);
    QVERIFY(twoBands != oneBand);
    QVERIFY(qBlue(twoBands) > qRed(twoBands));
    QCOMPARE(image.pixel(332, y), twoBands);
    // Full plot height: from the top margin to the row above the axis.
    QCOMPARE(image.pixel(325, 9), white);
    QCOMPARE(image.pixel(325, 10), oneBand);
    QCOMPARE(image.pixel(325, 369), oneBand);
}

void tst_Chart::gridAndTicksPixels_data()
{
    QTest::addColumn<int>("ys");
    QTest::addColumn<int>("xs");

    QTest::newRow("YS 1, XS 1") << 1 << 1;
    QTest::newRow("YS 10, XS 10") << 10 << 10;
    QTest::newRow("YS 99, XS 11") << 99 << 11;
    QTest::newRow("YS 50, XS 12") << 50 << 12;
}

void tst_Chart::gridAndTicksPixels()
{
    QFETCH(int, ys);
    QFETCH(int, xs);

    ChartFixture fixture;
    mainWin &w = fixture.form();
    w.boxC1->setChecked(false);
    w.boxC2->setChecked(false);
    w.qyscale->setValue(ys);
    w.qxscale->setValue(xs);
    const QImage image = fixture.render(chartSize);
    const ChartFrame frame{chartSize.width(), chartSize.height()};

    for (const GridLine &line : gridLines(frame, ys)) {
        if (line.row == 370 || line.row == 370 - ys)
            continue; // the axis and the U = 1 line are drawn over the grid
        QCOMPARE(image.pixel(27, line.row), grey);  // tick mark left of the y axis
        QCOMPARE(image.pixel(584, line.row), grey); // 5 pixels short of the arrow
        QCOMPARE(image.pixel(586, line.row), white);
    }
    ChartScale scale;
    scale.xs = xs;
    scale.leftBorder = 1000;
    QVector<bool> tickAt(frame.plotWidth(), false);
    for (const Tick &tick : distanceTicks(frame, scale))
        tickAt[tick.column] = true;
    for (int i = 0; i < frame.plotWidth() - 20; ++i) { // left of the arrow head
        // Three pixels below the axis only tick marks reach.
        QCOMPARE(image.pixel(frame.x(i), 373) == grey, bool(tickAt[i]));
        QCOMPARE(image.pixel(frame.x(i), 374), white);
    }
}

void tst_Chart::tickLabelsPixels()
{
    ChartFixture fixture;
    mainWin &w = fixture.form();
    w.boxC1->setChecked(false);
    w.boxC2->setChecked(false);
    w.qxscale->setValue(11);
    const QImage image = fixture.render(chartSize);
    const auto labelBox = [](int column) {
        return QRect(QPoint(30 + column - 15, 375), QPoint(30 + column + 14, 386));
    };
    QVERIFY(hasInk(image, labelBox(46)));
    QVERIFY(hasInk(image, labelBox(91)));
    QVERIFY(!hasInk(image, labelBox(410))); // 5.51 m: tick without label
    QVERIFY(hasInk(image, labelBox(455)));
    QVERIFY(!hasInk(image, labelBox(250))); // no tick at all
    // U labels sit right-aligned just above their grid lines.
    QVERIFY(hasInk(image, QRect(QPoint(5, 362), QPoint(26, 369))));
    QVERIFY(!hasInk(image, QRect(QPoint(5, 350), QPoint(26, 361))));
}

void tst_Chart::unitLinePixels_data()
{
    QTest::addColumn<int>("ys");
    QTest::newRow("YS 10") << 10;
    QTest::newRow("YS 37") << 37;
    QTest::newRow("YS 1") << 1;
}

void tst_Chart::unitLinePixels()
{
    QFETCH(int, ys);

    ChartFixture fixture;
    mainWin &w = fixture.form();
    w.boxC1->setChecked(false);
    w.boxC2->setChecked(false);
    w.qyscale->setValue(ys);
    const QImage image = fixture.render(chartSize);
    for (int x = 30; x <= 585; ++x)
        QCOMPARE(image.pixel(x, 370 - ys), black);
    QVERIFY(image.pixel(586, 370 - ys) != black);
    // The x axis runs on to its arrow tip.
    QCOMPARE(image.pixel(590, 370), black);
    QCOMPARE(image.pixel(580, 365), black);
    QCOMPARE(image.pixel(30, 10), black);
}

void tst_Chart::cameraSwitchedOff()
{
    ChartFixture fixture;
    fixture.form().boxC1->setChecked(false);
    const QImage image = fixture.render(chartSize);
    QCOMPARE(countColour(image, camera1), 0);
    QVERIFY(countColour(image, camera2) > 100);
    QCOMPARE(image.pixel(324, 232), white); // camera 1's band is gone
    QVERIFY(image.pixel(327, 232) != white);
    QCOMPARE(image.pixel(200, 360), black); // U = 1 line stays
}

void tst_Chart::noBandWhenCurveStartsSharp()
{
    ChartFixture fixture;
    mainWin &w = fixture.form();
    w.boxC2->setChecked(false);
    w.DSB_leftBorder->setValue(3.95); // inside camera 1's depth of field
    const QImage image = fixture.render(chartSize);
    for (int x = 31; x < 590; ++x)
        QVERIFY2(image.pixel(x, 232) == white || image.pixel(x, 232) == grey
                     || image.pixel(x, 232) == camera1,
                 qPrintable(QString::number(x)));
    ChartScale scale;
    scale.leftBorder = 3950;
    const Curve curve = traceCurve(w.camera(0), 0, {chartSize.width(), chartSize.height()}, scale);
    QCOMPARE(curve.band.entry, -1);
    QVERIFY(curve.band.exit != 99999);
}

void tst_Chart::diffractionNarrowsBand()
{
    ChartFixture fixture;
    mainWin &w = fixture.form();
    w.boxC2->setChecked(false);
    const QImage without = fixture.render(chartSize);
    w.c1_calcDef->setChecked(true);
    const QImage with = fixture.render(chartSize);
    // Without diffraction the band spans pixels 324 to 335, with it 325 to 334.
    QVERIFY(without.pixel(324, 232) != white);
    QCOMPARE(with.pixel(324, 232), white);
    QVERIFY(with.pixel(325, 232) != white);
    QVERIFY(without.pixel(335, 232) != white);
    QCOMPARE(with.pixel(335, 232), white);
    // The whole curve is raised by dif / coc: 2.2 pixels at YS 10.
    QCOMPARE(lowestPixel(without, camera1).y(), 370);
    QCOMPARE(lowestPixel(with, camera1).y(), 367);
}

void tst_Chart::focusPlaneMode()
{
    ChartFixture fixture;
    mainWin &w = fixture.form();
    w.c2_fdist->setValue(7.25);
    w.distanceFP->setChecked(true);
    const ChartFrame frame{chartSize.width(), chartSize.height()};
    ChartScale scale;
    scale.leftBorder = 1000;
    scale.fromCamera = false;
    for (int k = 0; k < 2; ++k) {
        const Curve curve = traceCurve(w.camera(k), 0, frame, scale);
        const auto lowest = std::max_element(curve.points.cbegin(), curve.points.cend(),
                                             [](QPoint a, QPoint b) { return a.y() < b.y(); });
        QCOMPARE(*lowest, QPoint(frame.x(100), 370));
    }
    // Labels keep measuring from the camera: column 100 still reads 2.
    const QImage image = fixture.render(chartSize);
    const QImage camera = ChartFixture().render(chartSize);
    QCOMPARE(image.copy(0, 375, 600, 12), camera.copy(0, 375, 600, 12));
    // Camera 2 is drawn last and covers camera 1's minimum.
    QCOMPARE(lowestPixel(image, camera2), QPoint(130, 370));
    w.boxC2->setChecked(false);
    QCOMPARE(lowestPixel(fixture.render(chartSize), camera1), QPoint(130, 370));
}

void tst_Chart::curvesInCameraColours()
{
    ChartFixture fixture;
    const QImage image = fixture.render(chartSize);
    QVERIFY(countColour(image, camera1) > 300);
    QVERIFY(countColour(image, camera2) > 300);
    // Camera 1's near curve: U at 3.3 m is about 15.4, so row 216 in column 230.
    bool found = false;
    for (int y = 200; y < 232; ++y)
        found = found || image.pixel(260, y) == camera1;
    QVERIFY(found);
}

void tst_Chart::curveThroughFocalLengthLeavesTop()
{
    ChartFixture fixture;
    mainWin &w = fixture.form();
    w.boxC2->setChecked(false);
    w.c1_flength->setValue(5000); // column 400 samples exactly the focal length
    const QImage image = fixture.render(chartSize);
    bool atTop = false;
    bool belowAxis = false;
    for (int x = 425; x <= 432; ++x) {
        atTop = atTop || image.pixel(x, 0) == camera1;
        belowAxis = belowAxis || image.pixel(x, 399) == camera1;
    }
    QVERIFY(atTop);
    QVERIFY(belowAxis); // negative blur in front of the focal length
}

void tst_Chart::bandRectRules_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("exit");
    QTest::addColumn<int>("height");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("inside") << 294 << 306 << 400 << QRect(QPoint(324, 10), QPoint(335, 369));
    QTest::newRow("never leaves again")
        << 10 << 99999 << 400 << QRect(QPoint(40, 10), QPoint(100028, 369));
    QTest::newRow("never entered") << -1 << 306 << 400 << QRect();
    QTest::newRow("inverted: exit left of entry") << 300 << 120 << 400 << QRect();
    QTest::newRow("no plot height") << 10 << 20 << 40 << QRect();
}

void tst_Chart::bandRectRules()
{
    QFETCH(int, entry);
    QFETCH(int, exit);
    QFETCH(int, height);
    QFETCH(QRect, rect);

    QCOMPARE(bandRect({600, height}, Band{entry, exit}), rect);
}

void tst_Chart::redrawsOnRecalculationAndResize()
{
    const CoutCapture silence;
    mainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *chart = window.frame->findChild<graph *>();
    QVERIFY(chart);

    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    chart->installEventFilter(&counter);

    window.run(); // synchronously, without the event loop
    QCOMPARE(counter.paints, 1);
    window.c1_fdist->setValue(5);
    QCOMPARE(counter.paints, 2);
    window.resize(window.width() + 100, window.height() + 50);
    QTRY_VERIFY(counter.paints > 2);
    QCOMPARE(chart->width(),
             window.frame->contentsRect().width() - window.frame->layout()->contentsMargins().left()
                 - window.frame->layout()->contentsMargins().right());
}

void tst_Chart::degenerateSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("curves");

    QTest::newRow("1 x 1") << QSize(1, 1) << false;
    QTest::newRow("PW 0") << QSize(40, 300) << false;
    QTest::newRow("PW 1") << QSize(41, 300) << false;
    QTest::newRow("PW 2") << QSize(42, 300) << true;
    QTest::newRow("PH 0") << QSize(300, 40) << true;
    QTest::newRow("PH 10") << QSize(300, 50) << true;
    QTest::newRow("PH -39") << QSize(300, 1) << true;
}

void tst_Chart::degenerateSizes()
{
    QFETCH(QSize, size);
    QFETCH(bool, curves);

    ChartFixture fixture;
    fixture.form().DSB_leftBorder->setValue(3.95);
    const QImage image = fixture.render(size);
    const ChartFrame frame{size.width(), size.height()};
    QCOMPARE(traceCurve(fixture.form().camera(0), 0, frame, {}).points.isEmpty(), !curves);
    if (!curves)
        QCOMPARE(countColour(image, camera1) + countColour(image, camera2), 0);
    if (frame.plotHeight() <= 10)
        QVERIFY(gridLines(frame, 10).isEmpty());
}

void tst_Chart::curveSegmentsMatchThePen_data()
{
    QTest::addColumn<QVector<QPoint>>("points");

    const auto fromWindow = [](double flength, int ys, double leftBorder) {
        ChartFixture fixture;
        mainWin &w = fixture.form();
        w.c1_flength->setValue(flength);
        w.DSB_leftBorder->setValue(leftBorder);
        ChartScale scale;
        scale.ys = ys;
        scale.leftBorder = qint64(w.DSB_leftBorder->value() * 1000);
        return traceCurve(w.camera(0), 0, {800, 500}, scale).points;
    };
    QTest::newRow("default curve") << fromWindow(85, 10, 1.0);
    QTest::newRow("steep, YS 99") << fromWindow(85, 99, 1.0);
    QTest::newRow("through the focal length") << fromWindow(5000, 10, 1.0);
    QTest::newRow("left border below the focal length") << fromWindow(85, 10, 0.05);

    QRandomGenerator random(20261206);
    for (int round = 0; round < 20; ++round) {
        QVector<QPoint> points;
        for (int x = 30; x < 790; ++x) {
            int row = random.bounded(-60, 560);
            if (random.bounded(10) == 0) // rows clamped far outside
                row = random.bounded(2) ? 1 << 24 : -(1 << 24);
            else if (random.bounded(3) == 0 && !points.isEmpty()) // flat stretches
                row = points.last().y() + random.bounded(-1, 2);
            points.append(QPoint(x, row));
        }
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(round))) << points;
    }
}

void tst_Chart::curveSegmentsMatchThePen()
{
    QFETCH(QVector<QPoint>, points);

    // One segment per column, each drawn on its own, against the joined segments in one call.
    QImage bySegment(800, 500, QImage::Format_RGB32);
    bySegment.fill(Qt::white);
    QImage joined = bySegment;
    {
        QPainter painter(&bySegment);
        painter.setPen(QColor(0, 127, 0));
        for (int i = 0; i + 1 < points.size(); ++i)
            painter.drawLine(points[i], points[i + 1]);
    }
    const QVector<QLine> segments = curveSegments(points);
    QVERIFY(segments.size() < points.size());
    {
        QPainter painter(&joined);
        painter.setPen(QColor(0, 127, 0));
        painter.drawLines(segments);
    }
    QCOMPARE(joined, bySegment);
}

void tst_Chart::lineRectsMatchThePen()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 2000; ++round) {
        QImage byPen(random.bounded(1, 60), random.bounded(1, 60), QImage::Format_RGB32);
        byPen.fill(Qt::white);
        QImage byRect = byPen;
        const int a = random.bounded(-80, 80);
        const int b = random.bounded(-80, 80);
        int c = random.bounded(-80, 80);
        if (round % 5 == 0)
            c = round % 2 ? 1 << 24 : -(1 << 24);
        const QLine line = round % 2 ? QLine(a, c, a, b) : QLine(c, a, b, a);
        {
            QPainter painter(&byPen);
            painter.setPen(QColor(200, 200, 200));
            painter.drawLine(line);
        }
        {
            QPainter painter(&byRect);
            painter.fillRect(lineRect(line), QColor(200, 200, 200));
        }
        QVERIFY2(byRect == byPen,
                 qPrintable(QStringLiteral("%1,%2 -> %3,%4")
                                .arg(line.x1())
                                .arg(line.y1())
                                .arg(line.x2())
                                .arg(line.y2())));
    }
}

QTEST_MAIN(tst_Chart)
#include "tst_chart.moc"
