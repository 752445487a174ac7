#include "optics/presets.h"
#include "sharpatest.h"

#include <cmath>

// The optics model's closed forms against its own blur, and the presets'
// fallbacks for choices beyond their tables.
class tst_Optics : public QObject
{
    Q_OBJECT

private slots:
    void limitsMatchTheBlur_data();
    void limitsMatchTheBlur();
    void presetsFallBackToTheFirstEntry();
};

void tst_Optics::limitsMatchTheBlur_data()
{
    QTest::addColumn<double>("fdist");
    QTest::addColumn<double>("apature");
    QTest::addColumn<double>("flength");
    QTest::addColumn<bool>("diffraction");
    QTest::addColumn<int>("state");

    // CoC 0.0125 mm; the far limit is infinite from f² / (N c) + f on. An
    // f-number of 0 stands for f/8 with a CoC as large as its diffraction disc.
    QTest::newRow("85 mm at 4 m") << 4000.0 << 2.0 << 85.0 << false << int(DepthOfField::Sharp);
    QTest::newRow("with diffraction") << 4000.0 << 2.0 << 85.0 << true << int(DepthOfField::Sharp);
    QTest::newRow("at the hyperfocal distance: finite")
        << 289000.0 << 2.0 << 85.0 << false << int(DepthOfField::Sharp);
    QTest::newRow("from f² / (N c) + f: infinite")
        << 289085.0 << 2.0 << 85.0 << false << int(DepthOfField::Sharp);
    QTest::newRow("f/32 without diffraction")
        << 2000.0 << 32.0 << 50.0 << false << int(DepthOfField::Sharp);
    QTest::newRow("f/32 with diffraction: nothing sharp")
        << 2000.0 << 32.0 << 50.0 << true << int(DepthOfField::DiffractionTooLarge);
    QTest::newRow("diffraction disc as large as the CoC")
        << 4000.0 << 0.0 << 85.0 << true << int(DepthOfField::DiffractionTooLarge);
    QTest::newRow("focus on the focal length")
        << 50.0 << 2.0 << 50.0 << false << int(DepthOfField::FocusInsideFocalLength);
}

void tst_Optics::limitsMatchTheBlur()
{
    QFETCH(double, fdist);
    QFETCH(double, apature);
    QFETCH(double, flength);
    QFETCH(bool, diffraction);
    QFETCH(int, state);

    const CoutCapture quiet;
    CameraOptics camera;
    camera.init(fdist, apature > 0 ? apature : 8, flength, 0.0125);
    if (apature == 0)
        camera.init(fdist, 8, flength, camera.dif);
    const DepthOfField limits = depthOfField(camera, diffraction ? 1 : 0);
    QCOMPARE(int(limits.state), state);
    if (limits.state != DepthOfField::Sharp)
        return;
    QVERIFY(limits.nearLimit < fdist && limits.farLimit > fdist);
    QVERIFY(qAbs(camera.relativeBlur(limits.nearLimit, diffraction) - 1) < 1e-9);
    QCOMPARE(std::isinf(limits.farLimit), fdist >= flength * flength / apature / 0.0125 + flength);
    QVERIFY(std::isinf(limits.farLimit)
            || qAbs(camera.relativeBlur(limits.farLimit, diffraction) - 1) < 1e-9);
}

void tst_Optics::presetsFallBackToTheFirstEntry()
{
    // Crop 1.0, 4.17 million pixels, 3:2; the last entries of each table differ.
    for (const auto &[crop, quality, form] : {std::tuple{-1, 8, 2}, std::tuple{4, -1, -1}})
        QCOMPARE(Presets::circleOfConfusion(crop, quality, form),
                 Presets::circleOfConfusion(0, 0, 0));
    QVERIFY(Presets::circleOfConfusion(3, 7, 1) != Presets::circleOfConfusion(0, 0, 0));
}

QTEST_APPLESS_MAIN(tst_Optics)
#include "tst_optics.moc"
