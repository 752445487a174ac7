#include "app/mainwin.h"
#include "coutcapture.h"
#include "optics/presets.h"

#include <QtTest>

class tst_Presets : public QObject
{
    Q_OBJECT

private slots:
    void circleOfConfusion_data();
    void circleOfConfusion();
    void fallbacks_data();
    void fallbacks();
    void setButtonsWriteCoc();
    void setAgainStartsNoRecalculation();
    void hyperfocalButtons();
    void hyperfocalBeyondRange();
    void unboundControlsChangeNothing();
};

void tst_Presets::circleOfConfusion_data()
{
    QTest::addColumn<int>("crop");
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("exact");
    QTest::addColumn<QString>("rounded");

    const struct
    {
        int quality;
        const char *name;
        const char *values[4][2];
    } table[] = {
        {0,
         "Standard",
         {{"0.028788", "0.0288"},
          {"0.019192", "0.0192"},
          {"0.017993", "0.0180"},
          {"0.014394", "0.0144"}}},
        {1,
         "6 Mill",
         {{"0.024000", "0.0240"},
          {"0.016000", "0.0160"},
          {"0.015000", "0.0150"},
          {"0.012000", "0.0120"}}},
        {4,
         "12 Mill",
         {{"0.016971", "0.0170"},
          {"0.011314", "0.0113"},
          {"0.010607", "0.0106"},
          {"0.008485", "0.0085"}}},
        {7,
         "32 Mill",
         {{"0.010392", "0.0104"},
          {"0.006928", "0.0069"},
          {"0.006495", "0.0065"},
          {"0.005196", "0.0052"}}},
    };
    const char *const crops[] = {"1.0", "1.5", "1.6", "2.0"};
    for (const auto &row : table) {
        for (int crop = 0; crop < 4; ++crop)
            QTest::addRow("%s, crop %s", row.name, crops[crop])
                << crop << row.quality << row.values[crop][0] << row.values[crop][1];
    }
}

void tst_Presets::circleOfConfusion()
{
    QFETCH(int, crop);
    QFETCH(int, quality);
    QFETCH(QString, exact);
    QFETCH(QString, rounded);

    const double coc = Presets::circleOfConfusion(crop, quality);
    QCOMPARE(QString::number(coc, 'f', 6), exact);
    // What the four-decimal spin box keeps.
    QDoubleSpinBox box;
    box.setDecimals(4);
    box.setRange(0.0001, 10);
    box.setValue(coc);
    QCOMPARE(QString::number(box.value(), 'f', 4), rounded);
}

void tst_Presets::fallbacks_data()
{
    QTest::addColumn<int>("crop");
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("sameAsCrop");
    QTest::addColumn<int>("sameAsQuality");

    QTest::newRow("no crop selection") << -1 << 3 << 0 << 3;
    QTest::newRow("crop index past the list") << 4 << 3 << 0 << 3;
    QTest::newRow("no quality selection") << 2 << -1 << 2 << 0;
    QTest::newRow("quality index past the list") << 2 << 8 << 2 << 0;
}

void tst_Presets::fallbacks()
{
    QFETCH(int, crop);
    QFETCH(int, quality);
    QFETCH(int, sameAsCrop);
    QFETCH(int, sameAsQuality);

    QCOMPARE(Presets::circleOfConfusion(crop, quality),
             Presets::circleOfConfusion(sameAsCrop, sameAsQuality));
}

void tst_Presets::setButtonsWriteCoc()
{
    const CoutCapture silence;
    mainWin window;
    QTest::mouseClick(window.c1_setCOCPS, Qt::LeftButton);
    QCOMPARE(window.c1_coc->value(), 0.018);
    QCOMPARE(window.camera(0).coc, 0.018);
    QCOMPARE(window.c2_coc->value(), 0.0125);
    window.c2_setCOCPS->click();
    QCOMPARE(window.c2_coc->value(), 0.0288);

    window.c1_crop->setCurrentIndex(0);
    window.c1_quality->setCurrentIndex(1);
    window.setC1CocPS();
    QCOMPARE(window.c1_coc->value(), 0.024);
}

void tst_Presets::setAgainStartsNoRecalculation()
{
    CoutCapture out;
    mainWin window;
    window.setC1CocPS();
    out.clear();
    window.setC1CocPS();
    QVERIFY(out.text().isEmpty());
}

void tst_Presets::hyperfocalButtons()
{
    CoutCapture out;
    mainWin window;
    out.clear();
    QTest::mouseClick(window.c1_set_Hyper, Qt::LeftButton);
    QCOMPARE(window.c1_fdist->value(), 289.0);
    QCOMPARE(window.camera(0).focusDistance(), 289000.0);
    QCOMPARE(out.lines().size(), 2);
    window.c2_set_Hyper->click();
    QCOMPARE(window.c2_fdist->value(), 729.0);
    // The hyperfocal distance does not depend on the focus.
    QCOMPARE(window.c2_set_Hyper->text(), QStringLiteral("Set to hyperfocal (729.0m)"));
}

void tst_Presets::hyperfocalBeyondRange()
{
    const CoutCapture silence;
    mainWin window;
    window.c1_flength->setValue(5000);
    window.c1_apature->setValue(0.7);
    window.c1_coc->setValue(0.0001);
    window.setC1Hyper();
    QCOMPARE(window.c1_fdist->value(), 99999.0);
    QCOMPARE(window.c1_set_Hyper->text(), QStringLiteral("Set to hyperfocal (357142857.1m)"));
}

void tst_Presets::unboundControlsChangeNothing()
{
    CoutCapture out;
    mainWin window;
    out.clear();
    window.comboBox_7->setCurrentIndex(1);
    window.comboBox_8->setCurrentIndex(1);
    window.spinBox_2->setValue(30);
    window.doubleSpinBox_10->setValue(20);
    window.pushButton_4->click();
    window.pushButton_2->click();
    QVERIFY(out.text().isEmpty());
    window.setC1CocPS(); // the form factor does not enter the formula
    QCOMPARE(window.c1_coc->value(), 0.018);
}

QTEST_MAIN(tst_Presets)
#include "tst_presets.moc"
