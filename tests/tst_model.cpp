#include "coutcapture.h"
#include "model/formmodel.h"
#include "model/settingsmap.h"
#include "settingsbytes.h"

#include <QtTest>

// The form's values and their results, without a window.
class tst_Model : public QObject
{
    Q_OBJECT

private slots:
    void inputsReachTheirResults_data();
    void inputsReachTheirResults();
    void borderFloor_data();
    void borderFloor();
    void fileValuesLandOnTheirFields();
};

namespace {

// "c2.flength=600 border=0.5": a camera's inputs by camera and name, the left border by name.
void change(FormModel &model, const QString &steps)
{
    static const QHash<QString, CameraInput> inputs{
        {"focus", CameraInput::Focus},         {"apature", CameraInput::Apature},
        {"flength", CameraInput::FocalLength}, {"diffraction", CameraInput::Diffraction},
        {"crop", CameraInput::Crop},           {"form", CameraInput::PixelForm}};
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        const QString name = step.section('=', 0, 0);
        const double value = step.section('=', 1).toDouble();
        if (name == "border")
            model.set(ViewInput::LeftBorder, value);
        else
            model.set(Field(name.mid(1, 1).toInt() - 1, inputs.value(name.section('.', 1))), value);
    }
}

double resultOf(const CameraResults &results, const QString &name)
{
    const QHash<QString, double> named{
        {"cropFactor", results.setup.cropFactor}, {"sensorWidth", results.setup.sensorWidth},
        {"hyperfocal", results.hyperfocalFocus},  {"infiniteFrom", results.infiniteFrom},
        {"farLimit", results.depth.farLimit},     {"backgroundBlur", results.backgroundBlur}};
    return named.value(name, qQNaN());
}

} // namespace

void tst_Model::inputsReachTheirResults_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("camera"); // whose results follow; the other's stay
    QTest::addColumn<QString>("result");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("traced"); // trace lines: the optics, both cameras, or none
    // A preset's choice changes the sensor, not the optics.
    QTest::newRow("crop factor") << "c2.crop=1" << 1 << "cropFactor" << 1.5 << 0;
    QTest::newRow("crop factor: the sensor") << "c2.crop=1" << 1 << "sensorWidth" << 24.0 << 0;
    QTest::newRow("form factor 4:3") << "c1.form=1" << 0 << "sensorWidth" << 21.633 << 0;
    QTest::newRow("focal length") << "c1.flength=50" << 0 << "hyperfocal" << 100000.0 << 2;
    // The disc of 0.0027 mm leaves 0.0098 mm of the CoC to the lens.
    QTest::newRow("diffraction") << "c2.diffraction=1" << 1 << "infiniteFrom" << 930779.6 << 2;
    QTest::newRow("focus") << "c2.focus=2" << 1 << "backgroundBlur" << 4.88606 << 2;
    QTest::newRow("f-number") << "c1.apature=8" << 0 << "farLimit" << 4229.17 << 2;
}

void tst_Model::inputsReachTheirResults()
{
    QFETCH(QString, steps);
    QFETCH(int, camera);
    QFETCH(QString, result);
    QFETCH(double, expected);
    QFETCH(int, traced);

    CoutCapture trace;
    FormModel model;
    model.recalculate();
    trace.clear();
    const double other = resultOf(model.results(1 - camera), result);
    QSignalSpy recalculated(&model, &FormModel::recalculated);
    change(model, steps);
    QCOMPARE(recalculated.size(), 1);
    QCOMPARE(trace.lines().size(), traced);
    QVERIFY2(qAbs(resultOf(model.results(camera), result) / expected - 1) < 1e-4,
             qPrintable(QString::number(resultOf(model.results(camera), result))));
    QCOMPARE(resultOf(model.results(1 - camera), result), other);
}

void tst_Model::borderFloor_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("border");
    // Twice a focal length, camera 2's last; a border below a floor rises to it.
    QTest::newRow("camera 2 higher") << "" << 0.27 << 1.0;
    QTest::newRow("camera 2 lower") << "c1.flength=200 c2.flength=50" << 0.1 << 1.0;
    QTest::newRow("camera 1 above the border") << "c1.flength=600 c2.flength=50" << 0.1 << 1.2;
    QTest::newRow("camera 2 above the border") << "c2.flength=600" << 1.2 << 1.2;
    QTest::newRow("border at camera 2's") << "border=0.27 c1.flength=90" << 0.27 << 0.27;
    QTest::newRow("border below, raised") << "border=0.1" << 0.27 << 0.27;
    QTest::newRow("both above the border")
        << "c1.flength=600 c2.flength=700 border=0.5" << 1.4 << 1.4;
    // While a file goes in, the border's own floor; the lenses' once it is in.
    QTest::newRow("held") << "hold c2.flength=5000 border=0.5" << 0.0 << 0.5;
    QTest::newRow("released") << "hold c2.flength=5000 border=0.5 release" << 10.0 << 10.0;
}

void tst_Model::borderFloor()
{
    QFETCH(QString, steps);
    QFETCH(double, minimum);
    QFETCH(double, border);

    const CoutCapture quiet;
    FormModel model;
    model.recalculate();
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        if (step == "hold")
            model.holdFloor();
        else if (step == "release")
            QVERIFY(model.releaseFloor());
        else
            change(model, step);
    }
    QCOMPARE(model.minimum(ViewInput::LeftBorder), minimum);
    QCOMPARE(model.view().leftBorder, border);
}

// What each value of a file means lands on that field of the model, and
// the model's values make the same bytes again.
void tst_Model::fileValuesLandOnTheirFields()
{
    const CoutCapture quiet;
    FormModel model;
    const QByteArray bytes = with(extended(2, presetValues + pupilValues), 19, 12.5);
    const std::optional<CameraSettings> settings = CameraSettings::fromBytes(bytes);
    QVERIFY(settings);
    QVERIFY(SettingsMap::write(model, *settings, false).empty());
    const auto describe = [&model](int k) {
        const CameraInputs &c = model.camera(k);
        return QString("%1 m f/%2 %3 mm %4 mm, shown %5, diffraction %6, crop %7, quality %8, "
                       "form %9, %10 cm, form %11, %12 cm, pupils %13")
            .arg(c.focus)
            .arg(c.apature)
            .arg(c.focalLength)
            .arg(c.coc)
            .arg(c.shown)
            .arg(c.diffraction)
            .arg(c.crop)
            .arg(c.quality)
            .arg(c.pixelForm)
            .arg(c.viewDistance)
            .arg(c.viewForm)
            .arg(c.printWidth)
            .arg(c.pupil);
    };
    QCOMPARE(describe(0),
             "12.5 m f/2 85 mm 0.0125 mm, shown 1, diffraction 1, crop 0, "
             "quality 3, form 1, 40 cm, form 0, 25.4 cm, pupils 0.5");
    QCOMPARE(describe(1),
             "4 m f/2 135 mm 0.0125 mm, shown 1, diffraction 0, crop 2, "
             "quality 0, form 0, 0 cm, form 0, 0 cm, pupils 2");
    QVERIFY(model.view().workingDiffraction && !model.view().rootSumSquare);
    QCOMPARE(SettingsMap::read(model).toBytes(), bytes);
    // A file of the first version reads as the classic model, and stays one.
    SettingsMap::write(model, *CameraSettings::fromBytes(extended(1, presetValues)), false);
    QVERIFY(model.camera(1).pupil == 1 && !model.view().workingDiffraction);
    QCOMPARE(SettingsMap::read(model).toBytes(), extended(1, presetValues));
}

QTEST_GUILESS_MAIN(tst_Model)
#include "tst_model.moc"
