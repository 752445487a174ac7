#include "app/mainwin.h"
#include "chart/graph.h"
#include "coutcapture.h"
#include "startuptrace.h"

#include <QtTest>

#include <memory>

// The window's recalculation and wiring, driven through its controls.
class tst_MainWin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionRunsOnceWithoutNesting();
    void initialState();
    void slotTable();
    void metaCast();
    void chartIsInstalledInFrame();
    void inputsRecalculate_data();
    void inputsRecalculate();
    void leftBorderFloor_data();
    void leftBorderFloor();
    void hyperfocalCaption_data();
    void hyperfocalCaption();
    void scaleLabelsFollowSliders();
    void scrollBarSetsLeftBorder();
    void typedLeftBorderLeavesScrollBar();
    void slotsInvocableByName();

private:
    std::unique_ptr<mainWin> window;
    std::unique_ptr<CoutCapture> out;
};

void tst_MainWin::init()
{
    out = std::make_unique<CoutCapture>();
    window = std::make_unique<mainWin>();
    out->clear();
}

void tst_MainWin::cleanup()
{
    window.reset();
    out.reset();
}

void tst_MainWin::constructionRunsOnceWithoutNesting()
{
    const CoutCapture capture;
    const mainWin fresh;
    // The first run lifts the scroll bar to 1, whose setDist finds the left
    // border at 1.0 already: no second recalculation.
    QCOMPARE(capture.lines(), startupTrace());
}

void tst_MainWin::initialState()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Sharpa"));
    QCOMPARE(window->windowIcon().availableSizes(),
             QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    QCOMPARE(window->versionText(), QStringLiteral("0.01beta"));
    QVERIFY(window->currentFileName().isEmpty());
    QCOMPARE(window->SB_leftBorder->value(), 1);
    QCOMPARE(window->SB_leftBorder->minimum(), 1);
    QCOMPARE(window->SB_leftBorder->maximum(), 1000);
    QCOMPARE(window->qxscaled->text(), QStringLiteral("10"));
    QCOMPARE(window->qyscaled->text(), QStringLiteral("10"));
    QCOMPARE(window->c1_set_Hyper->text(), QStringLiteral("Set to hyperfocal (289.0m)"));
    QCOMPARE(window->c2_set_Hyper->text(), QStringLiteral("Set to hyperfocal (729.0m)"));
    QCOMPARE(window->DSB_leftBorder->value(), 1.0);
    QCOMPARE(window->DSB_leftBorder->minimum(), 0.27);
    QCOMPARE(window->camera(0).hyperfocal(), 289000.0);
    QCOMPARE(window->camera(1).adia, 67.5);
}

void tst_MainWin::slotTable()
{
    const QMetaObject &meta = mainWin::staticMetaObject;
    QCOMPARE(QByteArray(meta.className()), QByteArray("mainWin"));
    const QList<QByteArray> expected{"run",  "setDist",    "setC1CocPS", "setC2CocPS", "load",
                                     "save", "saveAs",     "quit",       "about",      "vcheck",
                                     "help", "setC1Hyper", "setC2Hyper"};
    QCOMPARE(meta.methodCount() - meta.methodOffset(), int(expected.size()));
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(method.name(), expected[i]);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Public);
        QCOMPARE(method.parameterCount(), 0);
        QCOMPARE(method.returnType(), int(QMetaType::Void));
    }
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    QCOMPARE(meta.enumeratorCount(), meta.enumeratorOffset());
}

void tst_MainWin::metaCast()
{
    mainWin &w = *window;
    QCOMPARE(w.qt_metacast("mainWin"), static_cast<void *>(&w));
    QCOMPARE(w.qt_metacast("Ui_mainWin"), static_cast<void *>(static_cast<Ui_mainWin *>(&w)));
    QCOMPARE(w.qt_metacast("QMainWindow"), static_cast<void *>(static_cast<QMainWindow *>(&w)));
}

void tst_MainWin::chartIsInstalledInFrame()
{
    QLayout *layout = window->frame->layout();
    QVERIFY(qobject_cast<QVBoxLayout *>(layout));
    QCOMPARE(layout->count(), 1);
    QWidget *chart = layout->itemAt(0)->widget();
    QVERIFY(dynamic_cast<graph *>(chart));
    QCOMPARE(chart->parentWidget(), window->frame);
}

void tst_MainWin::inputsRecalculate_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("traceLines");

    // Connected to run(): one change, one recalculation, two trace lines.
    for (const char *name : {"c1_fdist", "c2_fdist", "c1_apature", "c2_apature", "c1_flength",
                             "c2_flength", "c1_coc", "c2_coc", "DSB_leftBorder", "qxscale",
                             "qyscale", "boxC1", "boxC2", "c1_calcDef", "c2_calcDef"})
        QTest::newRow(name) << name << 2;
    // Both buttons of the radio pair toggle, and each runs a recalculation.
    QTest::newRow("distanceFP") << "distanceFP" << 4;
    // Present in the form, but nothing reads them.
    for (const char *name :
         {"c1_crop", "c2_quality", "comboBox_7", "comboBox_4", "spinBox_2", "spinBox", "comboBox_8",
          "comboBox_5", "doubleSpinBox_10", "doubleSpinBox_7"})
        QTest::newRow(name) << name << 0;
}

void tst_MainWin::inputsRecalculate()
{
    QFETCH(QString, control);
    QFETCH(int, traceLines);

    auto *object = window->findChild<QObject *>(control);
    QVERIFY(object);
    if (auto *box = qobject_cast<QDoubleSpinBox *>(object))
        box->setValue(box->value() + 5 * std::pow(10.0, -box->decimals()));
    else if (auto *spin = qobject_cast<QSpinBox *>(object))
        spin->setValue(spin->value() + 1);
    else if (auto *slider = qobject_cast<QAbstractSlider *>(object))
        slider->setValue(slider->value() + 1);
    else if (auto *combo = qobject_cast<QComboBox *>(object))
        combo->setCurrentIndex(1 - std::min(combo->currentIndex(), 1));
    else if (auto *group = qobject_cast<QGroupBox *>(object))
        group->setChecked(!group->isChecked());
    else if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setChecked(!button->isChecked());
    else
        QFAIL("unhandled control");

    QCOMPARE(out->lines().size(), traceLines);
}

void tst_MainWin::leftBorderFloor_data()
{
    QTest::addColumn<double>("leftBorder");
    QTest::addColumn<double>("flength1");
    QTest::addColumn<double>("flength2");
    QTest::addColumn<double>("minimum");

    QTest::newRow("both pass, camera 2 higher wins") << 1.0 << 85.0 << 135.0 << 0.27;
    QTest::newRow("both pass, camera 2 lower wins") << 1.0 << 200.0 << 50.0 << 0.1;
    QTest::newRow("camera 1 fails") << 1.0 << 600.0 << 50.0 << 0.1;
    QTest::newRow("camera 2 fails") << 1.0 << 85.0 << 600.0 << 0.17;
    QTest::newRow("camera 2 equal: strict") << 0.27 << 85.0 << 135.0 << 0.17;
    QTest::newRow("both fail: unchanged") << 1.0 << 600.0 << 700.0 << 0.27;
}

void tst_MainWin::leftBorderFloor()
{
    QFETCH(double, leftBorder);
    QFETCH(double, flength1);
    QFETCH(double, flength2);
    QFETCH(double, minimum);

    // The window starts with the minimum at 0.27 from camera 2.
    window->DSB_leftBorder->setValue(leftBorder);
    window->c1_flength->setValue(flength1);
    window->c2_flength->setValue(flength2);
    QCOMPARE(window->DSB_leftBorder->minimum(), minimum);
    QCOMPARE(window->DSB_leftBorder->value(), leftBorder);
}

void tst_MainWin::hyperfocalCaption_data()
{
    QTest::addColumn<double>("apature");
    QTest::addColumn<double>("flength");
    QTest::addColumn<double>("coc");
    QTest::addColumn<QString>("caption");

    QTest::newRow("rounds to one decimal")
        << 1.0 << 1111.11 << 1.0 << "Set to hyperfocal (1234.6m)";
    QTest::newRow("below 0.05 m") << 32.0 << 1.0 << 10.0 << "Set to hyperfocal (0.0m)";
    QTest::newRow("no digit grouping")
        << 0.7 << 5000.0 << 0.0001 << "Set to hyperfocal (357142857.1m)";
}

void tst_MainWin::hyperfocalCaption()
{
    QFETCH(double, apature);
    QFETCH(double, flength);
    QFETCH(double, coc);
    QFETCH(QString, caption);

    QLocale::setDefault(QLocale(QLocale::German));
    window->c2_apature->setValue(apature);
    window->c2_flength->setValue(flength);
    window->c2_coc->setValue(coc);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(window->c2_set_Hyper->text(), caption);
    QCOMPARE(window->c1_set_Hyper->text(), QStringLiteral("Set to hyperfocal (289.0m)"));
}

void tst_MainWin::scaleLabelsFollowSliders()
{
    window->qxscale->setValue(37);
    window->qyscale->setValue(99);
    QCOMPARE(window->qxscaled->text(), QStringLiteral("37"));
    QCOMPARE(window->qyscaled->text(), QStringLiteral("99"));
}

void tst_MainWin::scrollBarSetsLeftBorder()
{
    window->SB_leftBorder->setValue(37);
    QCOMPARE(window->DSB_leftBorder->value(), 37.0);
    QCOMPARE(out->lines().size(), 2);
    QCOMPARE(window->SB_leftBorder->value(), 37);
}

void tst_MainWin::typedLeftBorderLeavesScrollBar()
{
    window->DSB_leftBorder->setValue(12.5);
    QCOMPARE(window->SB_leftBorder->value(), 1);
    QCOMPARE(window->DSB_leftBorder->value(), 12.5);
}

void tst_MainWin::slotsInvocableByName()
{
    QVERIFY(QMetaObject::invokeMethod(window.get(), "run"));
    QCOMPARE(out->lines().size(), 2);
    QVERIFY(out->lines().first().startsWith(
        QStringLiteral("init - fdist: 4000 apature: 2 flength: 85")));
}

QTEST_MAIN(tst_MainWin)
#include "tst_mainwin.moc"
