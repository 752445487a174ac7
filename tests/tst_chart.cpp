#include "chart/chartgeometry.h"
#include "optics/depthtable.h"
#include "optics/matching.h"
#include "optics/presets.h"
#include "sharpatest.h"

#include <QPainter>
#include <QTextDocumentFragment>

#include <cmath>

using namespace ChartGeometry;

// The optics that the chart draws, the chart's rules as plain geometry, then
// the painted chart, pixel for pixel, against reference images checked by eye.
class tst_Chart : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); } // the view menu's choices are remembered
    void limitsMatchTheBlur_data();
    void limitsMatchTheBlur();
    void closeRangeDepths_data();
    void closeRangeDepths();
    void tablesFirstRowReachesInfinity();
    void presetsFallBackToTheFirstEntry();
    void matchIsTheBestOnTheGrid_data();
    void matchIsTheBestOnTheGrid();
    void labelsNeverCollide();
    void tickStepsAtTheScalesBoundaries_data();
    void axisRoundTrip_data();
    void axisRoundTrip();
    void tickStepsAtTheScalesBoundaries();
    void band_data();
    void band();
    void pictures_data();
    void pictures();
    void oneDevicePixelPerLine_data();
    void oneDevicePixelPerLine();
    void paintsOnChangesOnly();
    void everyPairOfExtremes();
};

namespace {
const ChartFrame frame{600, 400}; // axis row 370, plot 560 x 360
} // namespace

void tst_Chart::limitsMatchTheBlur_data()
{
    QTest::addColumn<double>("fdist");
    QTest::addColumn<double>("apature");
    QTest::addColumn<double>("flength");
    QTest::addColumn<bool>("diffraction");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("lens"); // "P 0.5", "working" disc, "sum" of squares

    // CoC 0.0125 mm; the far limit is infinite from f² / (N c) + f on. An
    // f-number of 0 stands for f/8 with a CoC as large as its diffraction disc.
    QTest::newRow("85 mm at 4 m") << 4000.0 << 2.0 << 85.0 << false << int(DepthOfField::Sharp)
                                  << "";
    QTest::newRow("with diffraction")
        << 4000.0 << 2.0 << 85.0 << true << int(DepthOfField::Sharp) << "";
    QTest::newRow("at the hyperfocal distance: finite")
        << 289000.0 << 2.0 << 85.0 << false << int(DepthOfField::Sharp) << "";
    QTest::newRow("from f² / (N c) + f: infinite")
        << 289085.0 << 2.0 << 85.0 << false << int(DepthOfField::Sharp) << "";
    QTest::newRow("with diffraction, from f² / (N (c - d)) + f: infinite")
        << 369024.0 << 2.0 << 85.0 << true << int(DepthOfField::Sharp) << "";
    QTest::newRow("f/32 without diffraction")
        << 2000.0 << 32.0 << 50.0 << false << int(DepthOfField::Sharp) << "";
    QTest::newRow("f/32 with diffraction: nothing sharp")
        << 2000.0 << 32.0 << 50.0 << true << int(DepthOfField::DiffractionTooLarge) << "";
    QTest::newRow("diffraction disc as large as the CoC")
        << 4000.0 << 0.0 << 85.0 << true << int(DepthOfField::DiffractionTooLarge) << "";
    QTest::newRow("focus on the focal length")
        << 50.0 << 2.0 << 50.0 << false << int(DepthOfField::FocusInsideFocalLength) << "";
    // At close range: 100 mm at 1:1, 2:1 and 5:1, pupils apart, the disc at the
    // working f-number, disc and lens blur as the root of the sum of squares.
    const auto closeRow = [](const char *name, double magnification, double apature,
                             bool diffraction, const char *lens) {
        QTest::newRow(name) << 100 * (1 + 1 / magnification) << apature << 100.0 << diffraction
                            << int(DepthOfField::Sharp) << QString(lens);
    };
    closeRow("1:1, f/16", 1, 16, false, "");
    closeRow("1:1, pupils 0.5", 1, 16, false, "P 0.5");
    closeRow("2:1, pupils 2, sum of squares", 2, 8, true, "P 2 sum");
    closeRow("5:1, f/4", 5, 4, false, "");
    closeRow("1:2, working f-number", 0.5, 5.6, true, "working");
    closeRow("1:2, working, sum of squares, pupils 0.7", 0.5, 4, true, "P 0.7 working sum");
    QTest::newRow("1:1 f/16, working f-number: nothing sharp")
        << 200.0 << 16.0 << 100.0 << true << int(DepthOfField::DiffractionTooLarge) << "working";
}

void tst_Chart::limitsMatchTheBlur()
{
    QFETCH(double, fdist);
    QFETCH(double, apature);
    QFETCH(double, flength);
    QFETCH(bool, diffraction);
    QFETCH(int, state);
    QFETCH(QString, lens);

    const CoutCapture quiet;
    CameraOptics camera;
    camera.init(fdist, apature > 0 ? apature : 8, flength, 0.0125);
    if (apature == 0)
        camera.init(fdist, 8, flength, camera.dif);
    camera.pupil = lens.startsWith("P ") ? lens.section(' ', 1, 1).toDouble() : 1;
    camera.workingDiffraction = lens.contains("working");
    camera.rootSumSquare = lens.contains("sum");
    const DepthOfField limits = depthOfField(camera, diffraction);
    QCOMPARE(int(limits.state), state);
    if (limits.state != DepthOfField::Sharp)
        return;
    QVERIFY(limits.nearLimit < fdist && limits.farLimit > fdist);
    QVERIFY(qAbs(camera.relativeBlur(limits.nearLimit, diffraction) - 1) < 1e-9);
    QCOMPARE(std::isinf(limits.farLimit), fdist >= farLimitInfiniteFrom(camera, diffraction));
    // The blur of the background is that of a subject far away.
    QVERIFY(qAbs(camera.relativeBlur(1e15, diffraction) * camera.coc
                     / backgroundBlur(camera, diffraction)
                 - 1)
            < 1e-6);
    QVERIFY(std::isinf(limits.farLimit)
            || qAbs(camera.relativeBlur(limits.farLimit, diffraction) - 1) < 1e-9);
}

void tst_Chart::closeRangeDepths_data()
{
    QTest::addColumn<double>("magnification");
    QTest::addColumn<double>("apature");
    QTest::addColumn<double>("pupil");
    QTest::addColumn<QString>("depth"); // published, 2 N c (1 + m / P) / m², c = 0.03 mm
    QTest::newRow("1:1, f/16") << 1.0 << 16.0 << 1.0 << "1.92";
    QTest::newRow("2:1, f/8") << 2.0 << 8.0 << 1.0 << "0.36";
    QTest::newRow("5:1, f/4") << 5.0 << 4.0 << 1.0 << "0.0576";
    QTest::newRow("1:1, f/16, pupils 0.5") << 1.0 << 16.0 << 0.5 << "2.88";
    QTest::newRow("2:1, f/8, pupils 2") << 2.0 << 8.0 << 2.0 << "0.24";
}

// The total depth at close range, to three significant digits, 100 mm lens.
void tst_Chart::closeRangeDepths()
{
    QFETCH(double, magnification);
    QFETCH(double, apature);
    QFETCH(double, pupil);
    QFETCH(QString, depth);
    CameraOptics camera;
    std::tie(camera.fdist, camera.flength, camera.coc, camera.pupil)
        = std::tuple(100 * (1 + 1 / magnification), 100, 0.03, pupil);
    const DepthOfField limits = depthOfField(camera.atApature(apature), false);
    QCOMPARE(QString::number(limits.farLimit - limits.nearLimit, 'g', 3), depth);
}

// At each stop the table's first row reads from its near limit to infinity,
// however the rounding falls, or names no focus where nothing is sharp.
void tst_Chart::tablesFirstRowReachesInfinity()
{
    QSet<bool> met;
    for (const double flength : {10.0, 24.0, 85.0, 300.0, 5000.0})
        for (const double coc : {0.005, 0.01, 0.03})
            for (const double apature : {0.7, 1.4, 5.6, 22.0, 64.0})
                for (const bool diffraction : {false, true}) {
                    CameraOptics camera;
                    std::tie(camera.fdist, camera.flength, camera.coc)
                        = std::tuple(4000, flength, coc);
                    const DepthTable table = DepthTable::build(
                        camera.atApature(apature), diffraction, LengthUnit::Metres, 0.7, 64);
                    for (std::size_t k = 0; k < table.apatures.size(); ++k) {
                        const DepthOfField first = table.cell(camera, diffraction, 0, k);
                        const bool named = !std::isnan(table.hyperfocals[k]);
                        met << named;
                        QVERIFY2(
                            named ? std::isinf(first.farLimit)
                                  : first.state == DepthOfField::DiffractionTooLarge,
                            qPrintable(QString::asprintf("%g mm, CoC %g, f/%g, %d", flength, coc,
                                                         table.apatures[k], diffraction)));
                    }
                }
    QCOMPARE(met.size(), 2); // stops of both kinds
}

void tst_Chart::presetsFallBackToTheFirstEntry()
{
    // Crop 1.0, 4.17 million pixels, 3:2; the last entries of each table differ.
    for (const auto &[crop, quality, form] : {std::tuple{-1, 11, 2}, std::tuple{8, -1, -1}})
        QCOMPARE(Presets::circleOfConfusion(crop, quality, form),
                 Presets::circleOfConfusion(0, 0, 0));
    QVERIFY(Presets::circleOfConfusion(7, 10, 1) != Presets::circleOfConfusion(0, 0, 0));
}

void tst_Chart::matchIsTheBestOnTheGrid_data()
{
    QTest::addColumn<bool>("depth"); // or background blur
    // Each camera: focus distance, focal length (mm), CoC (mm), crop factor, diffraction.
    QTest::addColumn<QList<double>>("target");
    QTest::addColumn<QList<double>>("other");
    QTest::addColumn<double>("end"); // out of reach: the end of the range nearest to it; else 0
    const QList<double> portrait{4000, 85, 0.0125, 1.6, 0};
    QTest::newRow("depth, same distance")
        << true << QList<double>{4000, 135, 0.0125, 1, 0} << portrait << 0.0;
    QTest::newRow("depth, other distance and crop, diffraction")
        << true << QList<double>{2000, 50, 0.03, 1.5, 1} << QList<double>{6000, 100, 0.03, 1, 0}
        << 0.0;
    QTest::newRow("depth to infinity") << true << QList<double>{10000, 50, 0.03, 1.5, 0}
                                       << QList<double>{10000, 24, 0.03, 1, 0} << 0.0;
    QTest::newRow("depth out of reach")
        << true << QList<double>{4000, 20, 0.0125, 1, 0} << portrait << 0.7;
    QTest::newRow("background, other crop")
        << false << QList<double>{3000, 50, 0.02, 2, 0} << portrait << 0.0;
    QTest::newRow("depth to infinity out of reach") << true << QList<double>{5000, 200, 0.03, 1, 0}
                                                    << QList<double>{10000, 24, 0.03, 1, 0} << 64.0;
    QTest::newRow("background out of reach")
        << false << QList<double>{1000, 300, 0.02, 1, 0} << portrait << 64.0;
}

void tst_Chart::matchIsTheBestOnTheGrid()
{
    QFETCH(bool, depth);
    QFETCH(QList<double>, target);
    QFETCH(QList<double>, other);
    QFETCH(double, end);

    const CoutCapture quiet;
    const auto setup = [](const QList<double> &v) {
        CameraSetup camera{{}, v[4] != 0, v[3], 36 / v[3]};
        camera.optics.init(v[0], 2, v[1], v[2]);
        return camera;
    };
    const CameraSetup mine = setup(target);
    const CameraSetup theirs = setup(other);
    // Where the blur reaches one CoC between a sharp and a blurred distance,
    // found on the blur itself rather than from the limits' formulas.
    const auto crossing
        = [](const CameraSetup &camera, const CameraOptics &optics, double sharp, double blurred) {
              for (int k = 0; k < 200; ++k) {
                  const double middle = (sharp + blurred) / 2;
                  (optics.relativeBlur(middle, camera.diffraction) <= 1 ? sharp : blurred) = middle;
              }
              return sharp;
          };
    constexpr double farAway = 1e12; // mm, as good as infinity for these lenses
    const auto farLimit = [&](const CameraSetup &camera, const CameraOptics &optics) {
        return optics.relativeBlur(farAway, camera.diffraction) <= 1
            ? qInf()
            : crossing(camera, optics, optics.focusDistance(), farAway);
    };
    const bool toInfinity = std::isinf(farLimit(theirs, theirs.optics));
    // What a match should bring alike: the depth of field, from the near
    // limit when it reaches infinity, or the blur at infinity as a share of
    // the sensor's width.
    const auto quantity = [&](const CameraSetup &camera, double apature) {
        const CameraOptics optics = camera.optics.atApature(apature);
        if (!depth)
            return optics.relativeBlur(farAway, camera.diffraction) * optics.coc
                / camera.sensorWidth;
        const double focus = optics.focusDistance();
        if (!(optics.relativeBlur(focus, camera.diffraction) <= 1))
            return qQNaN(); // nothing sharp
        const double nearLimit = crossing(camera, optics, focus, optics.flength * 1.000001);
        const double far = farLimit(camera, optics);
        if (std::isinf(far) != toInfinity)
            return qQNaN();
        return toInfinity ? nearLimit : far - nearLimit;
    };
    const Matching::Result match
        = depth ? Matching::depthOfField(mine, theirs) : Matching::backgroundBlur(mine, theirs);
    const double wanted = quantity(theirs, 2);
    const double miss = qAbs(quantity(mine, match.apature) - wanted);
    QVERIFY(match.apature >= 0.7 && match.apature <= 64);
    for (const double neighbour : {match.apature - 0.1, match.apature + 0.1}) {
        if (neighbour >= 0.65 && neighbour <= 64.05 && !qIsNaN(quantity(mine, neighbour)))
            QVERIFY2(miss <= qAbs(quantity(mine, neighbour) - wanted),
                     qPrintable(QString::number(neighbour)));
    }
    QCOMPARE(match.reached, end == 0);
    QVERIFY(end == 0 ? miss < wanted * 0.05 : match.apature == end);
}

void tst_Chart::labelsNeverCollide()
{
    const QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(QFont("Arial", 8), &device);
    // Measured alternately with another font, so that no label keeps a size of the other's.
    const QFontMetrics large(QFont("Arial", 12), &device);
    Axis axis;
    axis.columns = frame.plotWidth();
    for (int xs = 1; xs <= 99; ++xs) {
        axis.xs = xs % 4 == 1 ? xs + 0.37 : xs; // a figure's scale need not be whole
        // Close up, micrometres a column, or tens of them.
        const bool closeUp = xs % 7 == 0;
        if (closeUp)
            axis.xs = xs / (xs % 14 == 0 ? 10000.0 : 100.0);
        distanceTicks(frame, axis, large, 540);
        for (const qint64 border : {0, 270, 9990, 99500, 999000, 9999900, 99999000}) {
            axis.leftBorder = border;
            axis.unit = xs % 3 == 0 ? LengthUnit::Feet : LengthUnit::Metres;
            // Every mode across the scales.
            axis.mode = closeUp ? AxisMode::CloseUp
                : xs % 5 == 0   ? AxisMode::ToInfinity
                : xs % 2 == 0   ? AxisMode::FromCamera
                                : AxisMode::FromFocusPlane;
            int free = 0;
            // One stride all along: equal steps; or to infinity round steps.
            const QList<double> roundSteps{1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 9};
            QList<double> values;
            const QRect infinity = infinityLabel(frame, metrics);
            for (const Tick &tick : distanceTicks(frame, axis, metrics, 540)) {
                if (tick.label.isEmpty())
                    continue;
                values << (tick.label == "∞" ? qInf() : tick.label.toDouble());
                // Close up the label reads the distance from the focus under it, in the
                // title's µm or mm.
                QVERIFY(!closeUp
                        || qAbs(values.last() * (closeUpInMillimetres(axis) ? 1 : 0.001)
                                - axis.distanceAt(tick.column))
                            <= axis.xs);
                const double mantissa
                    = values.last() / std::pow(10, std::floor(std::log10(values.last())));
                QVERIFY(axis.mode == AxisMode::ToInfinity ? std::isinf(values.last())
                                || roundSteps.contains(std::round(mantissa * 10) / 10)
                                                          : values.size() < 3
                                || qAbs(values.last() - values[values.size() - 2] - values[1]
                                        + values[0])
                                    < 1e-6);
                // At least a space between two labels.
                // Up to the title, or to infinity up to the "∞", the title below.
                const int end = axis.mode == AxisMode::ToInfinity ? infinity.left() : 540;
                QVERIFY2(tick.labelRect.left() >= free
                             && (tick.labelRect.right() < end || tick.label == "∞")
                             && tick.labelRect.width() - metrics.horizontalAdvance(tick.label) <= 2,
                         qPrintable(QStringLiteral("%1 at XS %2").arg(tick.label).arg(axis.xs)));
                free = tick.labelRect.right() + 1 + metrics.horizontalAdvance(' ');
            }
            QCOMPARE(axis.mode == AxisMode::ToInfinity,
                     std::isinf(values.value(values.size() - 1)));
            // To infinity about as densely as the linear axis: a label every 100 columns.
            QVERIFY2(axis.mode != AxisMode::ToInfinity || values.size() >= frame.plotWidth() / 100,
                     qPrintable(QStringLiteral("%1 labels, border %2, unit %3")
                                    .arg(values.size())
                                    .arg(border)
                                    .arg(int(axis.unit))));
        }
    }
}

void tst_Chart::tickStepsAtTheScalesBoundaries_data()
{
    QTest::addColumn<double>("xs"); // mm per column
    QTest::addColumn<LengthUnit>("unit");
    QTest::addColumn<int>("step"); // between ticks, in hundredths of the unit
    const auto row = [](double xs, LengthUnit unit, int step) {
        QTest::addRow("%s, %g mm per column", unit == LengthUnit::Feet ? "ft" : "m", xs)
            << xs << unit << step;
    };
    for (const auto &[xs, step] : {std::pair{1.0, 5},
                                   {2.0, 20},
                                   {4.0, 20},
                                   {5.0, 50},
                                   {11.0, 50},
                                   {12.0, 100},
                                   {30.0, 100},
                                   {31.0, 200},
                                   {60.0, 200},
                                   {61.0, 500}})
        row(xs, LengthUnit::Feet, step);
    for (const auto &[xs, step] :
         {std::pair{1.0, 1}, {2.0, 10}, {5.0, 10}, {6.0, 50}, {11.0, 50}, {12.0, 100}})
        row(xs, LengthUnit::Metres, step);
}

// Consecutive ticks lie one step apart, to within the distance of a column.
void tst_Chart::tickStepsAtTheScalesBoundaries()
{
    QFETCH(double, xs);
    QFETCH(LengthUnit, unit);
    QFETCH(int, step);
    Axis axis;
    axis.columns = frame.plotWidth();
    axis.xs = xs;
    axis.unit = unit;
    axis.leftBorder = 1000;
    const QImage device(1, 1, QImage::Format_RGB32);
    const QVector<Tick> ticks
        = distanceTicks(frame, axis, QFontMetrics(QFont("Arial", 8), &device), 10000);
    QVERIFY(ticks.size() >= 3);
    const double perColumn = 100 * Length::millimetres(xs).in(unit);
    for (qsizetype k = 1; k < ticks.size(); ++k) {
        const double apart = 100
            * Length::millimetres(axis.distanceAt(ticks[k].column)
                                  - axis.distanceAt(ticks[k - 1].column))
                  .in(unit);
        QVERIFY2(qAbs(apart - step) <= perColumn, qPrintable(QString::number(apart)));
    }
}

void tst_Chart::axisRoundTrip_data()
{
    QTest::addColumn<AxisMode>("mode");
    QTest::addColumn<int>("column");
    const int last = frame.plotWidth() - 1;
    for (const auto &[mode, name] : {std::pair{AxisMode::FromCamera, "from the camera"},
                                     {AxisMode::FromFocusPlane, "from the focus plane"},
                                     {AxisMode::ToInfinity, "to infinity"}}) {
        for (const int column : {0, last / 2, last})
            QTest::addRow("%s, column %d", name, column) << mode << column;
    }
}

// Column to distance and back: the border that keeps a column's distance
// under it is the one that put it there, and a zoom keeps it there.
void tst_Chart::axisRoundTrip()
{
    QFETCH(AxisMode, mode);
    QFETCH(int, column);
    Axis axis;
    axis.columns = frame.plotWidth();
    axis.xs = 7;
    axis.leftBorder = 1234;
    axis.mode = mode;
    const double distance = axis.distanceAt(column);
    QCOMPARE(axis.borderFor(distance, column), axis.leftBorder);
    Axis zoomed = axis;
    zoomed.xs = 3;
    zoomed.leftBorder = zoomed.borderFor(distance, column);
    const double kept = zoomed.distanceAt(column);
    QVERIFY2(std::isinf(distance) ? std::isinf(kept) : qAbs(kept - distance) <= 1,
             qPrintable(QString::number(kept)));
}

void tst_Chart::band_data()
{
    QTest::addColumn<double>("fdist");
    QTest::addColumn<double>("flength");
    QTest::addColumn<double>("coc"); // 0: the diffraction disc exactly
    QTest::addColumn<bool>("diffraction");
    QTest::addColumn<int>("leftBorder");
    QTest::addColumn<int>("xs");
    QTest::addColumn<int>("first"); // columns of the band; -2: from the closed form
    QTest::addColumn<int>("last");

    const double hyperfocal = 85.0 * 85 / 0.0125 / 2;
    QTest::newRow("inside the plot") << 4000.0 << 85.0 << 0.0125 << false << 1000 << 10 << -2 << -2;
    QTest::newRow("135 mm with diffraction")
        << 4000.0 << 135.0 << 0.0125 << true << 1000 << 10 << -2 << -2;
    QTest::newRow("touches U 1 at one column")
        << 4000.0 << 85.0 << 0.0 << true << 1000 << 10 << 299 << 300;
    QTest::newRow("narrower than a column: the focus column")
        << 4000.0 << 135.0 << 0.0125 << false << 1000 << 99 << -2 << -2;
    QTest::newRow("sharp from the left edge")
        << 4000.0 << 85.0 << 0.0125 << false << 3950 << 10 << 0 << 10;
    QTest::newRow("sharp to the right edge")
        << hyperfocal << 85.0 << 0.0125 << false << 100000 << 99 << -2 << 559;
    QTest::newRow("sharp all through")
        << hyperfocal << 85.0 << 0.0125 << false << 150000 << 99 << 0 << 559;
    QTest::newRow("in front of the focal length: no band")
        << 4000.0 << 85.0 << 0.0125 << false << 50 << 1 << -1 << -1;
    QTest::newRow("in front of the focal length, then sharp")
        << 4000.0 << 85.0 << 0.0125 << false << 50 << 10 << -2 << -2;
}

void tst_Chart::band()
{
    QFETCH(double, fdist);
    QFETCH(double, flength);
    QFETCH(double, coc);
    QFETCH(bool, diffraction);
    QFETCH(int, leftBorder);
    QFETCH(int, xs);
    QFETCH(int, first);
    QFETCH(int, last);

    const CoutCapture quiet;
    CameraOptics camera;
    camera.init(fdist, 2, flength, 1);
    camera.init(fdist, 2, flength, coc > 0 ? coc : camera.dif);
    Axis axis;
    axis.leftBorder = leftBorder;
    axis.xs = xs;
    const Curve curve = traceCurve(camera, diffraction, frame, axis, 10);
    // From the last column in front of the near limit to the last one before the far limit.
    const DepthOfField limits = depthOfField(camera, diffraction);
    first = first == -2 ? int(std::floor((limits.nearLimit - leftBorder) / xs)) : first;
    last = last == -2 ? int(std::floor((limits.farLimit - leftBorder) / xs)) : last;
    const QRect band = bandRect(frame, curve.band);
    QCOMPARE(band.isNull() ? -1 : band.left() - frame.leftMargin, first);
    QCOMPARE(band.isNull() ? -1 : band.right() - frame.leftMargin, last);
    // Drawn from the first column whose subject lies beyond the focal length.
    const int start = leftBorder > flength ? 0 : int(std::floor((flength - leftBorder) / xs)) + 1;
    QCOMPARE(curve.points.first().x() - frame.leftMargin, start);
    QCOMPARE(curve.points.size(), 560 - start);
}

void tst_Chart::pictures_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QSize>("size");

    QTest::newRow("chart-start") << "" << QSize(600, 400);
    QTest::newRow("chart-focus-plane")
        << "c2_fdist=7.25 distanceFP=1 c1_calcDef=1 qyscale=99 qxscale=3" << QSize(600, 400);
    QTest::newRow("chart-camera-2")
        << "boxC1=0 c2_calcDef=1 qxscale=5 qyscale=3 DSB_leftBorder=3.9" << QSize(500, 300);
    // From the camera itself: the curve starts beyond the focal length.
    QTest::newRow("chart-inside-focal-length")
        << "boxC2=0 distanceFP=1 DSB_leftBorder=4 qyscale=3" << QSize(600, 400);
    // The scales at both sides of each boundary of the grid-step and tick tables.
    QTest::newRow("chart-ys2-xs1") << "qyscale=2 qxscale=1" << QSize(600, 400);
    QTest::newRow("chart-ys3-xs2") << "qyscale=3 qxscale=2 DSB_leftBorder=0.27" << QSize(600, 400);
    QTest::newRow("chart-ys6-xs5") << "qyscale=6 qxscale=5 DSB_leftBorder=10.05" << QSize(600, 400);
    QTest::newRow("chart-ys7-xs6") << "qyscale=7 qxscale=6 DSB_leftBorder=3.5" << QSize(600, 400);
    QTest::newRow("chart-ys11-xs11") << "qyscale=11 qxscale=11" << QSize(600, 400);
    QTest::newRow("chart-ys12-xs12")
        << "qyscale=12 qxscale=12 DSB_leftBorder=99999" << QSize(600, 400);
    QTest::newRow("chart-ys50-xs99") << "qyscale=50 qxscale=99 distanceFP=1" << QSize(600, 400);
    QTest::newRow("chart-narrow") << "DSB_leftBorder=3.95" << QSize(42, 300);
    QTest::newRow("chart-to-infinity") << "actionAxisToInfinity! c2_fdist=20" << QSize(600, 400);
    QTest::newRow("chart-feet") << "actionUnitsFeet! qxscale=3 DSB_leftBorder=3" << QSize(600, 400);
    // Between whole millimetres, where truncating and rounding the samples differ.
    QTest::newRow("chart-focus-plane-2.0125")
        << "c1_fdist=2.0125 boxC2=0 distanceFP=1 qxscale=1 qyscale=99 DSB_leftBorder=0.3"
        << QSize(600, 400);
    QTest::newRow("chart-flat") << "" << QSize(300, 41);
    // A plan from 5 m to infinity, and a stack from 3.5 m to 5 m.
    QTest::newRow("chart-plan")
        << "actionAxisToInfinity! actionPlan! boxC2=0 c1_planNear=5 c1_planToInfinity=1 "
           "c1_apature=8 c1_planApply!"
        << QSize(600, 400);
    QTest::newRow("chart-stack") << "actionPlan! boxC1=0 c2_planNear=3.5 c2_planToInfinity=0 "
                                    "c2_planFar=5 c2_apature=11 c2_planOverlap=10"
                                 << QSize(600, 400);
}

void tst_Chart::pictures()
{
    QFETCH(QString, settings);
    QFETCH(QSize, size);

    const CoutCapture quiet;
    mainWin window;
    act(window, settings);
    compareToReference(renderChart(window, size), QString::fromLatin1(QTest::currentDataTag()));
}

void tst_Chart::paintsOnChangesOnly()
{
    const CoutCapture quiet;
    mainWin window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *chart = window.frame->findChild<graph *>();
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
    // Reading the chart under the mouse repaints nothing.
    const auto *hover = window.findChild<QLabel *>("hoverReadout");
    QTest::mouseMove(chart, QPoint(30 + 250, 200)); // 3.5 m
    QCOMPARE(QTextDocumentFragment::fromHtml(hover->text()).toPlainText(),
             "3.50 m — Camera 1: U 10.5 · Camera 2: U 26.9");
    QVERIFY(hover->isVisible() && !window.findChild<QLabel *>("readoutC1")->isVisible());
    QTest::mouseMove(chart, QPoint(10, 200)); // left of the plot
    QVERIFY(!hover->isVisible());
    QVERIFY(window.findChild<QLabel *>("readoutC1")->isVisible());
    QCOMPARE(counter.paints, 0);
    window.c1_fdist->setValue(5); // no event loop in between
    QCOMPARE(counter.paints, 1);
    window.resize(window.width() + 100, window.height());
    QTRY_COMPARE(chart->width(), window.frame->width() - 2 * chart->x());
    QTRY_VERIFY(counter.paints > 1);
    // At the window's smallest, which fits 1280 x 720, the plot keeps 120 rows.
    window.resize(window.minimumSizeHint());
    QVERIFY(window.minimumSizeHint().height() <= 720 && window.minimumSizeHint().width() <= 1280);
    QTRY_VERIFY(chart->height() - 40 >= 120);
}

void tst_Chart::oneDevicePixelPerLine_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("dpi"); // which sizes the fonts
    QTest::newRow("1") << 1.0 << 96;
    QTest::newRow("1.5") << 1.5 << 96;
    QTest::newRow("2") << 2.0 << 96;
    QTest::newRow("1, 120 dpi") << 1.0 << 120;
}

void tst_Chart::oneDevicePixelPerLine()
{
    QFETCH(qreal, ratio);
    QFETCH(int, dpi);

    // The plot without curves, against its lines drawn with cosmetic pens and
    // its labels as text, at each ratio in turn.
    const CoutCapture quiet;
    mainWin window;
    act(window, "boxC1=0 boxC2=0");
    const QImage chart = renderChart(window, QSize(600, 400), ratio, dpi);
    QImage pens(chart); // its size, ratio and resolution
    pens.detach();
    pens.fill(Qt::white);
    QPainter painter(&pens);
    painter.setPen(QPen(QColor(200, 200, 200), 0));
    const int left = frame.x(0);
    const int right = frame.width - frame.rightMargin;
    const int lineEnd = right - ChartFrame::lineEndGap;
    const int axisRow = frame.axisRow();
    for (const GridLine &line : gridLines(frame, 10))
        painter.drawLine(left - ChartFrame::tickLength, line.row, lineEnd, line.row);
    Axis axis;
    axis.leftBorder = 1000;
    painter.setFont(QFont("Arial", 8));
    const QVector<Tick> ticks = distanceTicks(frame, axis, painter.fontMetrics(), 540);
    for (const Tick &tick : ticks)
        painter.drawLine(frame.x(tick.column), axisRow + ChartFrame::tickLength,
                         frame.x(tick.column), frame.topMargin);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLines(QVector<QLine>{{left, axisRow, right, axisRow},
                                     {left, axisRow, left, frame.topMargin},
                                     {left, axisRow - 10, lineEnd, axisRow - 10}}); // U = 1
    for (const GridLine &line : gridLines(frame, 10))
        painter.drawText(line.labelRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                         line.label);
    for (const Tick &tick : ticks)
        painter.drawText(tick.labelRect, Qt::AlignHCenter | Qt::AlignVCenter, tick.label);
    painter.end();
    // The plot with the lines' ends, the ticks below the axis and the labels,
    // clear of titles and arrows.
    for (const QRectF area : {QRectF(QPointF(27, 21), QPointF(588, 364)), QRectF(36, 371, 500, 15),
                              QRectF(0, 21, 26, 355)}) {
        const QRect pixels((area.topLeft() * ratio).toPoint(),
                           (area.bottomRight() * ratio).toPoint());
        QCOMPARE(chart.copy(pixels), pens.copy(pixels));
    }
}

// The window at the edges of every control, the chart from one pixel to
// 3840 x 2000: every pair of extremes meets once. Under the sanitizer build
// this proves that no value reaches undefined behaviour.
void tst_Chart::everyPairOfExtremes()
{
    const QList<QStringList> axes{
        {"qxscale=1", "qxscale=2", "qxscale=11", "qxscale=12", "qxscale=99"},
        {"qyscale=1", "qyscale=3", "qyscale=50", "qyscale=51", "qyscale=99"},
        {"DSB_leftBorder=0", "DSB_leftBorder=99999", "distanceFP=1 DSB_leftBorder=4"},
        {"c1_flength=1 c2_flength=1", "c1_flength=5000 c2_flength=5000"},
        {"c1_apature=0.7 c2_apature=0.7", "c1_apature=32 c2_apature=32"},
        {"c1_coc=0.0001 c2_coc=0.0001", "c1_coc=10 c2_coc=10"},
        {"c1_fdist=0 c2_fdist=0", "c1_fdist=0.08 c2_fdist=99999"},
        {"distanceFP=1 c1_calcDef=1", "c2_calcDef=1"},
        {"actionAxisLinear! actionUnitsMetres!", "actionAxisToInfinity! actionUnitsFeet!"},
        {"1x1", "40x40", "41x51", "300x41", "3840x2000"},
        {"actionPlan.checked=false",
         "actionPlan.checked=true c1_planNear=0.01 c1_planLimit=0.1 c2_planNear=20 "
         "c2_planToInfinity=0 c2_planFar=99999 c2_planOverlap=90"}};
    const CoutCapture quiet;
    mainWin window;
    fakePrompts(window); // New discards the last pair's changes
    for (int a = 0; a < axes.size(); ++a) {
        for (int b = a + 1; b < axes.size(); ++b) {
            for (const QString &first : axes[a]) {
                for (const QString &second : axes[b]) {
                    QSize size(600, 400);
                    act(window, "actionNew!");
                    for (const QString &step : {first, second}) {
                        if (step[0].isDigit())
                            size = QSize(step.section('x', 0, 0).toInt(),
                                         step.section('x', 1).toInt());
                        else
                            act(window, step);
                    }
                    const QImage image = renderChart(window, size);
                    for (const char *answer :
                         {"c1_planAnswer", "c1_planStack", "c2_planAnswer", "c2_planStack"}) {
                        const QString text = window.findChild<QLabel *>(answer)->text();
                        QVERIFY2(!text.contains(QRegularExpression(
                                     "nan|inf", QRegularExpression::CaseInsensitiveOption)),
                                 qPrintable(first + ' ' + second + ": " + text));
                    }
                    // The U = 0 grid line's tick, left of the y axis where no curve reaches.
                    if (size.height() > 50 && size.width() > 30)
                        QCOMPARE(image.pixel(27, size.height() - 30), qRgb(200, 200, 200));
                    // No curve leaves the plot: no camera's colour among the tick
                    // labels (above the credit) or left of the y axis.
                    const int axis = size.height() - 30;
                    for (int y = 0; y < size.height() - 14; ++y) {
                        for (int x = 0; x < (y > axis ? size.width() : std::min(30, size.width()));
                             ++x) {
                            const QRgb pixel = image.pixel(x, y);
                            QVERIFY2(pixel != ChartPainter::cameraColours[0]
                                         && pixel != ChartPainter::cameraColours[1],
                                     qPrintable(first + ' ' + second));
                        }
                    }
                }
            }
        }
    }
}

QTEST_MAIN(tst_Chart)
#include "tst_chart.moc"
