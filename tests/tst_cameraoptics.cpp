#include "coutcapture.h"
#include "optics/cameraoptics.h"

#include <QtTest>

#include <cmath>

class tst_CameraOptics : public QObject
{
    Q_OBJECT

private slots:
    void derivedValues_data();
    void derivedValues();
    void relativeBlur_data();
    void relativeBlur();
    void blurBelowFocalLengthIsNegative();
    void blurAtFocalLengthIsNaN();
    void traceLine_data();
    void traceLine();
    void recordKeepsValuesOfLastInit();

private:
    static CameraOptics quietInit(double fdist, double apature, double flength, double coc)
    {
        const CoutCapture silence;
        CameraOptics camera;
        camera.init(fdist, apature, flength, coc);
        return camera;
    }
};

void tst_CameraOptics::derivedValues_data()
{
    QTest::addColumn<double>("flength");
    QTest::addColumn<double>("apature");
    QTest::addColumn<double>("adia");
    QTest::addColumn<double>("dif");
    QTest::addColumn<double>("hyperfocal");

    QTest::newRow("camera 1 at start") << 85.0 << 2.0 << 42.5 << 0.0027084 << 289000.0;
    QTest::newRow("camera 2 at start") << 135.0 << 2.0 << 67.5 << 0.0027084 << 729000.0;
    QTest::newRow("f/8 50 mm") << 50.0 << 8.0 << 6.25 << 0.0108336 << 25000.0;
}

void tst_CameraOptics::derivedValues()
{
    QFETCH(double, flength);
    QFETCH(double, apature);
    QFETCH(double, adia);
    QFETCH(double, dif);
    QFETCH(double, hyperfocal);

    const CameraOptics camera = quietInit(4000, apature, flength, 0.0125);
    QCOMPARE(camera.adia, adia);
    QCOMPARE(camera.dif, dif);
    QCOMPARE(camera.hyperfocal(), hyperfocal);
    QCOMPARE(camera.focusDistance(), 4000.0);
}

void tst_CameraOptics::relativeBlur_data()
{
    QTest::addColumn<double>("fdist");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("withDiffraction");
    QTest::addColumn<QString>("expected");

    // Camera 1 as the form starts: f/2, 85 mm, 0.0125 mm.
    QTest::newRow("in focus") << 4000.0 << 4000.0 << 0 << "0";
    QTest::newRow("in focus, diffraction only") << 4000.0 << 4000.0 << 1 << "0.216672";
    QTest::newRow("2 m in front") << 4000.0 << 2000.0 << 0 << "73.8186";
    QTest::newRow("2 m in front, diffraction added") << 4000.0 << 2000.0 << 1 << "74.0353";
    QTest::newRow("2 m behind") << 4000.0 << 6000.0 << 0 << "24.6062";
    QTest::newRow("4 m behind") << 4000.0 << 8000.0 << 0 << "36.9093";
    QTest::newRow("towards infinity") << 4000.0 << 1e15 << 0 << "73.8186";
    QTest::newRow("focus 0: adia / coc") << 0.0 << 5000.0 << 0 << "3400";
    QTest::newRow("focus 0, far: adia / coc") << 0.0 << 1e9 << 0 << "3400";
    QTest::newRow("focus 0 with diffraction") << 0.0 << 5000.0 << 1 << "3400.22";
}

void tst_CameraOptics::relativeBlur()
{
    QFETCH(double, fdist);
    QFETCH(double, x);
    QFETCH(int, withDiffraction);
    QFETCH(QString, expected);

    const CameraOptics camera = quietInit(fdist, 2, 85, 0.0125);
    // Six significant digits, as the worked figures are given.
    QCOMPARE(QString::number(camera.relativeBlur(x, withDiffraction), 'g', 6), expected);
}

void tst_CameraOptics::blurBelowFocalLengthIsNegative()
{
    const CameraOptics camera = quietInit(4000, 2, 85, 0.0125);
    QVERIFY(camera.relativeBlur(50, 0) < 0);
    QVERIFY(camera.relativeBlur(84, 0) < 0);
    QVERIFY(camera.relativeBlur(86, 0) > 0);
}

void tst_CameraOptics::blurAtFocalLengthIsNaN()
{
    const CameraOptics camera = quietInit(4000, 2, 85, 0.0125);
    QVERIFY(std::isnan(camera.relativeBlur(85, 0)));
    QVERIFY(std::isnan(camera.relativeBlur(85, 1)));
}

void tst_CameraOptics::traceLine_data()
{
    QTest::addColumn<QList<double>>("inputs");
    QTest::addColumn<QString>("line");

    QTest::newRow("camera 1 at start")
        << QList<double>{4000, 2, 85, 0.0125}
        << "init - fdist: 4000 apature: 2 flength: 85 coc: 0.0125 adia: 42.5 dif: 0.0013542\n";
    QTest::newRow("focus of 1000 m switches to exponent")
        << QList<double>{1000000, 2, 135, 0.0125}
        << "init - fdist: 1e+06 apature: 2 flength: 135 coc: 0.0125 adia: 67.5 dif: 0.0013542\n";
    QTest::newRow("six significant digits")
        << QList<double>{1234567, 0.7, 100, 0.0001}
        << "init - fdist: 1.23457e+06 apature: 0.7 flength: 100 coc: 0.0001 adia: 142.857 "
           "dif: 0.00047397\n";
    QTest::newRow("small values switch to exponent")
        << QList<double>{0, 32, 1, 0.0001}
        << "init - fdist: 0 apature: 32 flength: 1 coc: 0.0001 adia: 0.03125 dif: 0.0216672\n";
    QTest::newRow("radius below 0.0001") << QList<double>{4000, 0.1, 85, 0.0125}
                                         << "init - fdist: 4000 apature: 0.1 flength: 85 coc: "
                                            "0.0125 adia: 850 dif: 6.771e-05\n";
}

void tst_CameraOptics::traceLine()
{
    QFETCH(QList<double>, inputs);
    QFETCH(QString, line);

    const CoutCapture out;
    CameraOptics camera;
    camera.init(inputs[0], inputs[1], inputs[2], inputs[3]);
    QCOMPARE(out.text(), line);
    // The stored diameter stays whole; only the trace halves it.
    QCOMPARE(camera.dif, inputs[2] * 0.0013542 / camera.adia);
}

void tst_CameraOptics::recordKeepsValuesOfLastInit()
{
    CameraOptics camera = quietInit(4000, 2, 85, 0.0125);
    const CameraOptics copy = camera;
    camera = quietInit(2000, 4, 50, 0.03);
    QCOMPARE(copy.hyperfocal(), 289000.0);
    QCOMPARE(camera.focusDistance(), 2000.0);
    QCOMPARE(camera.adia, 12.5);
}

QTEST_APPLESS_MAIN(tst_CameraOptics)
#include "tst_cameraoptics.moc"
