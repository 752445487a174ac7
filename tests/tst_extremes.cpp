#include "chart/chartgeometry.h"
#include "chartfixture.h"
#include "pairwise.h"

#include <QtTest>

#include <set>

// Drives the real window to the edges of every control and renders the
// chart at sizes from a single pixel to 3840 x 2000. It asserts what must
// hold everywhere; under the sanitizer build it also proves that no value
// reaches undefined behaviour.
class tst_Extremes : public QObject
{
    Q_OBJECT

private slots:
    void everyPairOfExtremes();
};

namespace {

const std::vector<int> scales{1, 2, 10, 11, 12, 50, 51, 99};
enum LeftBorder { AtMinimum, OneMetre, Farthest };
const std::vector<double> focalLengths{1, 5000};
const std::vector<double> fNumbers{0.7, 32};
const std::vector<double> cocs{0.0001, 10};
enum Focus { Zero, AtFocalLength, FarthestFocus };
const std::vector<QSize> sizes{{1, 1}, {40, 40}, {41, 51}, {300, 41}, {852, 724}, {3840, 2000}};

} // namespace

void tst_Extremes::everyPairOfExtremes()
{
    const std::vector<int> axisSizes{int(scales.size()),
                                     int(scales.size()),
                                     3,
                                     int(focalLengths.size()),
                                     int(fNumbers.size()),
                                     int(cocs.size()),
                                     3,
                                     2,
                                     2,
                                     int(sizes.size())};
    const std::vector<std::vector<int>> rows = pairwiseRows(axisSizes);

    // The rows must cover every pair of values of any two axes.
    std::set<std::tuple<int, int, int, int>> seen;
    for (const std::vector<int> &row : rows)
        for (int a = 0; a < int(row.size()); ++a)
            for (int b = a + 1; b < int(row.size()); ++b)
                seen.insert({a, row[a], b, row[b]});
    int pairs = 0;
    for (int a = 0; a < int(axisSizes.size()); ++a)
        for (int b = a + 1; b < int(axisSizes.size()); ++b)
            pairs += axisSizes[a] * axisSizes[b];
    QCOMPARE(int(seen.size()), pairs);
    QVERIFY(rows.size() < 100);

    ChartFixture fixture;
    mainWin &w = fixture.form();
    for (const std::vector<int> &row : rows) {
        const double flength = focalLengths[row[3]];
        for (QDoubleSpinBox *box : {w.c1_flength, w.c2_flength})
            box->setValue(flength);
        for (QDoubleSpinBox *box : {w.c1_apature, w.c2_apature})
            box->setValue(fNumbers[row[4]]);
        for (QDoubleSpinBox *box : {w.c1_coc, w.c2_coc})
            box->setValue(cocs[row[5]]);
        const double focus = row[6] == Zero ? 0 : row[6] == AtFocalLength ? flength / 1000 : 99999;
        w.c1_fdist->setValue(focus);
        w.c2_fdist->setValue(focus);
        w.qxscale->setValue(scales[row[0]]);
        w.qyscale->setValue(scales[row[1]]);
        w.DSB_leftBorder->setValue(row[2] == AtMinimum ? 0 : row[2] == OneMetre ? 1 : 99999);
        (row[7] ? w.distanceFP : w.distanceCam)->setChecked(true);
        w.c1_calcDef->setChecked(row[8] == 1);
        w.c2_calcDef->setChecked(row[8] == 0);

        const QSize size = sizes[row[9]];
        const QImage image = fixture.render(size);
        QCOMPARE(image.size(), size);
        const ChartGeometry::ChartFrame frame{size.width(), size.height()};
        // The tick mark of the U = 0 grid line, left of the y axis where no
        // curve reaches, stands whenever the plot has room for a grid.
        if (frame.plotHeight() > 10 && size.width() > frame.leftMargin)
            QCOMPARE(image.pixel(frame.leftMargin - 3, frame.axisRow()), qRgb(200, 200, 200));
        QVERIFY(w.DSB_leftBorder->value() >= w.DSB_leftBorder->minimum());
        QVERIFY(w.camera(0).flength == flength && w.camera(1).flength == flength);
    }
}

QTEST_MAIN(tst_Extremes)
#include "tst_extremes.moc"
