#include "optics/planning.h"

#include <QtTest>

#include <cmath>

// Plans and stacks checked against the blur itself, sampled along the range.
class tst_Plan : public QObject
{
    Q_OBJECT

private slots:
    void planKeepsTheRange_data();
    void planKeepsTheRange();
    void stackCoversTheRange_data();
    void stackCoversTheRange();
    void railStackCoversTheDepth_data();
    void railStackCoversTheDepth();
};

namespace {

// The lens of the row: "P 0.5" its pupils, "working" the disc at the
// working f-number, "sum" disc and blur as the root of the sum of squares.
QString lens;

CameraOptics camera(double focus, double apature, double flength, double coc)
{
    CameraOptics optics;
    optics.fdist = focus;
    optics.flength = flength;
    optics.coc = coc;
    optics.pupil = lens.startsWith("P ") ? lens.section(' ', 1, 1).toDouble() : 1;
    optics.workingDiffraction = lens.contains("working");
    optics.rootSumSquare = lens.contains("sum");
    return optics.atApature(apature);
}

// Distances of the range evenly in 1/x, both ends included.
QList<double> samples(const Planning::Range &range, int count = 2000)
{
    QList<double> xs;
    const double near = 1 / range.nearLimit;
    const double far = 1 / range.farLimit;
    for (int k = 0; k <= count; ++k)
        xs << 1 / (far + (near - far) * k / count);
    return xs;
}

double sampledWorst(const CameraOptics &optics, bool diffraction, const Planning::Range &range)
{
    double worst = 0;
    for (const double x : samples(range))
        worst = std::max(worst, optics.relativeBlur(x, diffraction));
    return worst;
}

// A tenth of a stop.
const double tenth = std::pow(2.0, 0.05);

} // namespace

void tst_Plan::planKeepsTheRange_data()
{
    QTest::addColumn<double>("flength");
    QTest::addColumn<double>("coc");
    QTest::addColumn<double>("nearLimit");
    QTest::addColumn<double>("farLimit");
    QTest::addColumn<bool>("diffraction");
    QTest::addColumn<double>("limit");
    QTest::addColumn<bool>("reached");
    QTest::addColumn<QString>("lens");
    const double inf = qInf();
    QTest::newRow("24 mm, 1.5 m to infinity")
        << 24.0 << 0.03 << 1500.0 << inf << false << 1.0 << true << "";
    QTest::newRow("with diffraction") << 24.0 << 0.03 << 3000.0 << inf << true << 1.0 << true << "";
    QTest::newRow("near at the focal length + 1 mm")
        << 50.0 << 0.03 << 51.0 << inf << false << 1.0 << true << "";
    QTest::newRow("85 mm, 3 m to 5 m, U 2")
        << 85.0 << 0.03 << 3000.0 << 5000.0 << true << 2.0 << true << "";
    QTest::newRow("a limit no f-number reaches")
        << 85.0 << 0.0125 << 1500.0 << inf << true << 1.0 << false << "";
    // At close range, 100 mm at about 1:2.
    QTest::newRow("macro, pupils 0.5")
        << 100.0 << 0.03 << 290.0 << 310.0 << false << 1.0 << true << "P 0.5";
    QTest::newRow("macro, pupils 2, working, sum of squares")
        << 100.0 << 0.03 << 295.0 << 305.0 << true << 2.0 << true << "P 2 working sum";
}

void tst_Plan::planKeepsTheRange()
{
    QFETCH(double, flength);
    QFETCH(double, coc);
    QFETCH(double, nearLimit);
    QFETCH(double, farLimit);
    QFETCH(bool, diffraction);
    QFETCH(double, limit);
    QFETCH(bool, reached);
    QFETCH(QString, lens);
    ::lens = lens;
    const Planning::Range range{nearLimit, farLimit};
    const double focus = Planning::bestFocus(range, flength, camera(0, 1, flength, 0).pupil);
    const CameraOptics planned = camera(focus, 2, flength, coc);
    const Planning::Apertures f = Planning::apertures(planned, diffraction, range, limit);
    QCOMPARE(!std::isnan(f.widest), reached);
    if (reached) {
        QVERIFY(sampledWorst(planned.atApature(f.widest), diffraction, range) <= limit * 1.000001);
        QVERIFY(sampledWorst(planned.atApature(f.widest / tenth), diffraction, range) > limit);
        QCOMPARE(Planning::worstBlur(planned.atApature(f.widest), diffraction, range), limit);
        // No focus a centimetre either side does better.
        for (const double moved : {focus - 10, focus + 10})
            QVERIFY(sampledWorst(camera(moved, f.widest, flength, coc), diffraction, range)
                    > limit);
    }
    QCOMPARE(std::isnan(f.sharpest), !diffraction);
    if (diffraction) {
        const double least = sampledWorst(planned.atApature(f.sharpest), diffraction, range);
        QCOMPARE(f.sharpestBlur, least);
        for (const double other : {f.sharpest / tenth, f.sharpest * tenth})
            QVERIFY(sampledWorst(planned.atApature(other), diffraction, range) > least);
        QCOMPARE(least <= limit, reached);
    }
}

void tst_Plan::stackCoversTheRange_data()
{
    QTest::addColumn<double>("apature");
    QTest::addColumn<double>("flength");
    QTest::addColumn<double>("nearLimit");
    QTest::addColumn<double>("farLimit");
    QTest::addColumn<bool>("diffraction");
    QTest::addColumn<double>("overlap");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("lens");
    const int built = Planning::Stack::Built;
    QTest::newRow("85 mm f/2, 1.5 m to infinity")
        << 2.0 << 85.0 << 1500.0 << qInf() << false << 0.0 << built << "";
    QTest::newRow("macro, with diffraction")
        << 8.0 << 100.0 << 300.0 << 320.0 << true << 0.0 << built << "";
    QTest::newRow("overlapping by a fifth")
        << 4.0 << 50.0 << 500.0 << 3000.0 << false << 0.2 << built << "";
    QTest::newRow("inside one shot's depth")
        << 11.0 << 24.0 << 3000.0 << 5000.0 << false << 0.0 << built << "";
    QTest::newRow("diffraction alone beyond the limit")
        << 64.0 << 50.0 << 500.0 << 3000.0 << true << 0.0
        << int(Planning::Stack::DiffractionTooLarge) << "";
    QTest::newRow("more than 999 shots") << 1.4 << 100.0 << 101.0 << qInf() << false << 0.0
                                         << int(Planning::Stack::TooManyShots) << "";
    QTest::newRow("macro, pupils 0.5")
        << 8.0 << 100.0 << 300.0 << 320.0 << false << 0.0 << built << "P 0.5";
    QTest::newRow("macro, working, sum of squares")
        << 8.0 << 100.0 << 300.0 << 320.0 << true << 0.0 << built << "working sum";
    QTest::newRow("macro, working: the near shots' disc too large")
        << 16.0 << 100.0 << 150.0 << 320.0 << true << 0.0
        << int(Planning::Stack::DiffractionTooLarge) << "working";
}

void tst_Plan::stackCoversTheRange()
{
    QFETCH(double, apature);
    QFETCH(double, flength);
    QFETCH(double, nearLimit);
    QFETCH(double, farLimit);
    QFETCH(bool, diffraction);
    QFETCH(double, overlap);
    QFETCH(int, state);
    QFETCH(QString, lens);
    ::lens = lens;
    const Planning::Range range{nearLimit, farLimit};
    const CameraOptics optics = camera(4000, apature, flength, 0.03);
    const Planning::Stack stack = Planning::focusStack(optics, diffraction, range, 1, overlap);
    QCOMPARE(int(stack.state), state);
    if (stack.state != Planning::Stack::Built)
        return;
    const auto covered = [&](const std::vector<Planning::Shot> &shots) {
        for (const double x : samples(range, 20000)) {
            if (Planning::stackBlur(optics, diffraction, shots, x) > 1.000001)
                return false;
        }
        return true;
    };
    QVERIFY(covered(stack.shots));
    for (std::size_t k = 0; overlap == 0 && stack.shots.size() > 1 && k < stack.shots.size(); ++k) {
        std::vector<Planning::Shot> fewer = stack.shots;
        fewer.erase(fewer.begin() + std::ptrdiff_t(k));
        QVERIFY2(!covered(fewer), qPrintable(QStringLiteral("without shot %1").arg(k + 1)));
    }
    if (overlap > 0)
        return;
    // The fewest shots from a fine grid of focus distances, each keeping
    // sharp what the model finds sharp around it (bisected), by the
    // textbook cover: each next shot the one reaching nearest among those
    // that start where the last one ends.
    const double farEnd = 1 / farLimit;
    const double nearEnd = 1 / nearLimit;
    const auto sharp = [&](double focus, double u) {
        return camera(1 / focus, apature, flength, 0.03).relativeBlur(1 / u, diffraction) <= 1;
    };
    const auto edge = [&](double focus, double outside) {
        double in = focus;
        if (sharp(focus, outside))
            return outside;
        for (int k = 0; k < 60; ++k)
            (sharp(focus, (in + outside) / 2) ? in : outside) = (in + outside) / 2;
        return in;
    };
    QList<std::pair<double, double>> cover; // far and near edge of each grid focus, in 1/x
    for (int k = 0; k <= 20000; ++k) {
        const double focus = farEnd + (nearEnd - farEnd) * k / 20000;
        cover.append({edge(focus, 0), edge(focus, 1 / flength)});
    }
    double reached = farEnd;
    int fewest = 0;
    while (reached < nearEnd) {
        double best = reached;
        for (const auto &[farEdge, nearEdge] : cover) {
            if (farEdge <= reached)
                best = std::max(best, nearEdge);
        }
        QVERIFY(best > reached);
        reached = best;
        ++fewest;
    }
    QCOMPARE(int(stack.shots.size()), fewest);
}

void tst_Plan::railStackCoversTheDepth_data()
{
    QTest::addColumn<double>("magnification");
    QTest::addColumn<double>("apature");
    QTest::addColumn<double>("depth");
    QTest::addColumn<bool>("diffraction");
    QTest::addColumn<double>("overlap");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("lens");
    const int built = Planning::Stack::Built;
    QTest::newRow("1:1 f/8, 10 mm") << 1.0 << 8.0 << 10.0 << false << 0.0 << built << "";
    QTest::newRow("5:1 f/2.8, 3 mm, working, sum of squares")
        << 5.0 << 2.8 << 3.0 << true << 0.0 << built << "working sum";
    QTest::newRow("1:2 f/11, pupils 0.5")
        << 0.5 << 11.0 << 40.0 << false << 0.0 << built << "P 0.5";
    QTest::newRow("overlapping by a third") << 2.0 << 5.6 << 5.0 << false << 0.33 << built << "";
    QTest::newRow("inside one shot's depth") << 1.0 << 16.0 << 0.5 << false << 0.0 << built << "";
    QTest::newRow("more than 999 shots")
        << 5.0 << 2.8 << 1000.0 << false << 0.0 << int(Planning::Stack::TooManyShots) << "";
    QTest::newRow("5:1 f/16, working: the disc alone too large")
        << 5.0 << 16.0 << 3.0 << true << 0.0 << int(Planning::Stack::DiffractionTooLarge)
        << "working";
}

void tst_Plan::railStackCoversTheDepth()
{
    QFETCH(double, magnification);
    QFETCH(double, apature);
    QFETCH(double, depth);
    QFETCH(bool, diffraction);
    QFETCH(double, overlap);
    QFETCH(int, state);
    QFETCH(QString, lens);
    ::lens = lens;
    const double flength = 65;
    const double focus = flength * (1 + 1 / magnification);
    const CameraOptics optics = camera(focus, apature, flength, 0.03);
    const Planning::Stack stack = Planning::railStack(optics, diffraction, depth, 1, overlap);
    QCOMPARE(int(stack.state), state);
    if (stack.state != Planning::Stack::Built)
        return;
    QVERIFY(Planning::onRail(stack.shots));
    // The camera moves, so every shot keeps the focus, and the magnification.
    for (const Planning::Shot &shot : stack.shots)
        QCOMPARE(shot.focus - shot.rail, focus);
    const auto covered = [&](const std::vector<Planning::Shot> &shots) {
        for (int k = 0; k <= 20000; ++k) {
            const double x = focus + depth * k / 20000;
            if (Planning::stackBlur(optics, diffraction, shots, x) > 1.000001)
                return false;
        }
        return true;
    };
    QVERIFY(covered(stack.shots));
    for (std::size_t k = 0; overlap == 0 && stack.shots.size() > 1 && k < stack.shots.size(); ++k) {
        std::vector<Planning::Shot> fewer = stack.shots;
        fewer.erase(fewer.begin() + std::ptrdiff_t(k));
        QVERIFY2(!covered(fewer), qPrintable(QStringLiteral("without shot %1").arg(k + 1)));
    }
    // The step is what the overlap leaves of a shot's depth.
    const Planning::Shot &first = stack.shots.front();
    QCOMPARE(stack.step, (first.farLimit - first.nearLimit) * (1 - overlap));
}

QTEST_APPLESS_MAIN(tst_Plan)
#include "tst_plan.moc"
