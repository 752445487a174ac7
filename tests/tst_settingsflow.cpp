#include "app/camerasettings.h"
#include "app/mainwin.h"
#include "coutcapture.h"
#include "fakeprompts.h"
#include "formsnapshot.h"
#include "settingsbytes.h"

#include <QtTest>

#include <QTemporaryDir>

#include <limits>
#include <memory>

// Open, Save and Save as through the window, with scripted dialogs.
class tst_SettingsFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogsAskWithTheirCaptionsAndFilter();
    void saveThenLoadRestoresControls();
    void loadEchoesEachValueThenRecalculates();
    void loadRaisesLeftBorderToCurrentMinimum();
    void radioFlags_data();
    void radioFlags();
    void valuesOutsideRangesAreLimited();
    void longerFileLoadsItsFirst84Bytes();
    void rejectedFileChangesNothing_data();
    void rejectedFileChangesNothing();
    void saveWithRememberedNameAsksNothing();
    void failedSaveKeepsNameTitleAndOldFile();
    void cancelledOpenChangesNothing();
    void cancelledSaveAsAsksOnce();
    void cancelledSaveWritesNothing();

private:
    QString path(const QString &name) const { return dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CoutCapture> out;
    std::unique_ptr<mainWin> window;
    std::shared_ptr<FakePrompts::Log> log;
};

void tst_SettingsFlow::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    out = std::make_unique<CoutCapture>();
    window = std::make_unique<mainWin>();
    log = std::make_shared<FakePrompts::Log>();
    window->setPrompts(std::make_unique<FakePrompts>(log));
    out->clear();
}

void tst_SettingsFlow::cleanup()
{
    window.reset();
    out.reset();
    dir.reset();
}

void tst_SettingsFlow::dialogsAskWithTheirCaptionsAndFilter()
{
    window->load();
    window->saveAs();
    window->save();
    const QString rest = QLatin1Char('|') + QDir::currentPath() + QStringLiteral("| 0.01 (*.cbp)");
    QCOMPARE(
        log->questions,
        QStringList({"open|Open File" + rest, "save|Save File" + rest, "save|Save File" + rest}));
}

void tst_SettingsFlow::saveThenLoadRestoresControls()
{
    mainWin &w = *window;
    w.DSB_leftBorder->setValue(2.5);
    w.distanceFP->setChecked(true);
    w.qxscale->setValue(37);
    w.qyscale->setValue(4);
    w.boxC1->setChecked(false);
    w.c1_fdist->setValue(12.34);
    w.c2_apature->setValue(5.6);
    w.c2_flength->setValue(300);
    w.c2_coc->setValue(0.0288);

    log->answers << path(QStringLiteral("mine.cbp"));
    w.saveAs();
    const QString saved = formSnapshot(*window);
    QCOMPARE(w.currentFileName(), path(QStringLiteral("mine.cbp")));
    QCOMPARE(w.windowTitle(), QStringLiteral("Sharpa ") + path(QStringLiteral("mine.cbp")));
    QCOMPARE(QFileInfo(path(QStringLiteral("mine.cbp"))).size(), 84);

    w.actionNew->trigger();
    QVERIFY(formSnapshot(*window) != saved);
    log->answers << path(QStringLiteral("mine.cbp"));
    w.actionOpen->trigger();
    QCOMPARE(formSnapshot(*window), saved);
    QVERIFY(log->warnings.isEmpty());
}

void tst_SettingsFlow::loadEchoesEachValueThenRecalculates()
{
    QByteArray bytes = formAtStartBytes();
    bytes = withDouble(bytes, 0, 2.5);
    bytes[10 + 3] = 37; // x scale
    bytes = withDouble(bytes, 19, 1234567.0);
    QVERIFY(writeBytes(path(QStringLiteral("a.cbp")), bytes));
    log->answers << path(QStringLiteral("a.cbp"));
    window->load();

    const QStringList lines = out->lines();
    QStringList values;
    for (const QString &line : lines) {
        if (!line.startsWith(QLatin1String("init - ")))
            values << line;
    }
    QCOMPARE(values,
             QStringList({"2.5", "1", "0", "37", "10", "1", "1.23457e+06", "2", "85", "0.0125", "1",
                          "4", "2", "135", "0.0125"}));
    // The value lines come before the recalculations they start; the last
    // recalculation follows the fifteenth value.
    QCOMPARE(lines.first(), QStringLiteral("2.5"));
    QVERIFY(lines.at(lines.size() - 1)
                .startsWith(QLatin1String("init - fdist: 4000 apature: 2 flength: 135")));
    QVERIFY(lines.at(lines.size() - 3) == QLatin1String("0.0125"));
    QCOMPARE(window->c1_fdist->value(), 99999.0); // limited by the spin box
}

void tst_SettingsFlow::loadRaisesLeftBorderToCurrentMinimum()
{
    mainWin &w = *window;
    w.c1_flength->setValue(50);
    w.c2_flength->setValue(50);
    w.DSB_leftBorder->setValue(0.2); // minimum is 0.1 now
    log->answers << path(QStringLiteral("near.cbp"));
    w.saveAs();

    w.DSB_leftBorder->setValue(1.0);
    w.c2_flength->setValue(135); // the minimum becomes 0.27
    QCOMPARE(w.DSB_leftBorder->minimum(), 0.27);
    log->answers << path(QStringLiteral("near.cbp"));
    w.load();
    QCOMPARE(w.DSB_leftBorder->value(), 0.27);
    QCOMPARE(w.c2_flength->value(), 50.0);
}

void tst_SettingsFlow::radioFlags_data()
{
    QTest::addColumn<bool>("startOnCamera");
    QTest::addColumn<char>("camera");
    QTest::addColumn<char>("focusPlane");
    QTest::addColumn<bool>("endOnCamera");

    QTest::newRow("false, false keeps camera") << true << '\0' << '\0' << true;
    QTest::newRow("false, false keeps focus plane") << false << '\0' << '\0' << false;
    QTest::newRow("true, true ends on focus plane") << true << '\1' << '\1' << false;
    QTest::newRow("true, false") << false << '\1' << '\0' << true;
    QTest::newRow("false, true") << true << '\0' << '\1' << false;
    QTest::newRow("any non-zero byte is true") << false << '\xff' << '\0' << true;
}

void tst_SettingsFlow::radioFlags()
{
    QFETCH(bool, startOnCamera);
    QFETCH(char, camera);
    QFETCH(char, focusPlane);
    QFETCH(bool, endOnCamera);

    (startOnCamera ? window->distanceCam : window->distanceFP)->setChecked(true);
    QByteArray bytes = formAtStartBytes();
    bytes[8] = camera;
    bytes[9] = focusPlane;
    QVERIFY(writeBytes(path(QStringLiteral("r.cbp")), bytes));
    log->answers << path(QStringLiteral("r.cbp"));
    window->load();
    QCOMPARE(window->distanceCam->isChecked(), endOnCamera);
    QCOMPARE(window->distanceFP->isChecked(), !endOnCamera);
}

void tst_SettingsFlow::valuesOutsideRangesAreLimited()
{
    QByteArray bytes = QByteArray(84, '\0');
    bytes = withDouble(bytes, 27, -5.0);     // f-number
    bytes = withDouble(bytes, 43, 1e300);    // CoC
    bytes = withDouble(bytes, 60, 4.9e-324); // denormal f-number
    QVERIFY(writeBytes(path(QStringLiteral("odd.cbp")), bytes));
    log->answers << path(QStringLiteral("odd.cbp"));
    window->load();
    QVERIFY(log->warnings.isEmpty());
    QCOMPARE(window->c1_apature->value(), 0.7);
    QCOMPARE(window->c1_coc->value(), 10.0);
    QCOMPARE(window->c2_apature->value(), 0.7);
    QCOMPARE(window->qxscale->value(), 1);
    QVERIFY(!window->boxC1->isChecked());
    QVERIFY(window->distanceCam->isChecked()); // false, false: unchanged
}

void tst_SettingsFlow::longerFileLoadsItsFirst84Bytes()
{
    window->c1_flength->setValue(200);
    QVERIFY(
        writeBytes(path(QStringLiteral("long.cbp")), formAtStartBytes() + QByteArray(16, '\x7f')));
    log->answers << path(QStringLiteral("long.cbp"));
    window->load();
    QCOMPARE(window->c1_flength->value(), 85.0);
    QVERIFY(log->warnings.isEmpty());
}

void tst_SettingsFlow::rejectedFileChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: no such file
    QTest::addColumn<QString>("reason");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("no such file") << "gone.cbp" << QByteArray() << "";
    QTest::newRow("0 bytes") << "empty.cbp" << QByteArray("") << "holds 0 bytes";
    QTest::newRow("50 bytes") << "short.cbp" << formAtStartBytes().left(50) << "holds 50 bytes";
    QTest::newRow("83 bytes") << "short.cbp" << formAtStartBytes().left(83) << "holds 83 bytes";
    QTest::newRow("NaN inside") << "nan.cbp" << withDouble(formAtStartBytes(), 35, nan)
                                << "not a number";
    QTest::newRow("infinity inside")
        << "inf.cbp" << withDouble(formAtStartBytes(), 0, -inf) << "not a number";
}

void tst_SettingsFlow::rejectedFileChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    log->answers << path(QStringLiteral("first.cbp"));
    window->saveAs();
    window->c1_fdist->setValue(7);
    if (!bytes.isNull())
        QVERIFY(writeBytes(path(name), bytes));
    const QString before = formSnapshot(*window);
    out->clear();

    log->answers << path(name);
    window->load();
    QCOMPARE(formSnapshot(*window), before);
    QCOMPARE(window->currentFileName(), path(QStringLiteral("first.cbp")));
    QVERIFY2(out->text().isEmpty(), qPrintable(out->text())); // no trace, no recalculation
    QCOMPARE(log->warnings.size(), 1);
    QVERIFY(log->warnings.first().startsWith(QStringLiteral("Sharpa|")));
    QVERIFY(log->warnings.first().contains(path(name)));
    QVERIFY(log->warnings.first().contains(reason));
}

void tst_SettingsFlow::saveWithRememberedNameAsksNothing()
{
    log->answers << path(QStringLiteral("s.cbp"));
    window->save(); // no name yet: asks
    QCOMPARE(log->questions.size(), 1);
    window->c2_flength->setValue(50);
    window->actionSave->trigger();
    QCOMPARE(log->questions.size(), 1);
    const std::optional<CameraSettings> saved = SettingsFile::read(path(QStringLiteral("s.cbp")));
    QVERIFY(saved);
    QCOMPARE(saved->cameras[1].flength, 50.0);
}

void tst_SettingsFlow::failedSaveKeepsNameTitleAndOldFile()
{
    log->answers << path(QStringLiteral("kept.cbp"));
    window->saveAs();
    const QString title = window->windowTitle();

    log->answers << path(QStringLiteral("no/such/folder/x.cbp"));
    window->c1_flength->setValue(50);
    window->saveAs();
    QCOMPARE(log->warnings.size(), 1);
    QVERIFY(log->warnings.first().contains(path(QStringLiteral("no/such/folder/x.cbp"))));
    QCOMPARE(window->currentFileName(), path(QStringLiteral("kept.cbp")));
    QCOMPARE(window->windowTitle(), title);
    const std::optional<CameraSettings> kept = SettingsFile::read(path(QStringLiteral("kept.cbp")));
    QVERIFY(kept);
    QCOMPARE(kept->cameras[0].flength, 85.0);
}

void tst_SettingsFlow::cancelledOpenChangesNothing()
{
    log->answers << path(QStringLiteral("c.cbp"));
    window->saveAs();
    const QString before = formSnapshot(*window);
    out->clear();
    window->load(); // no answer: cancelled
    QCOMPARE(formSnapshot(*window), before);
    QCOMPARE(window->currentFileName(), path(QStringLiteral("c.cbp")));
    QVERIFY(out->text().isEmpty());
    QVERIFY(log->warnings.isEmpty());
}

void tst_SettingsFlow::cancelledSaveAsAsksOnce()
{
    log->answers << path(QStringLiteral("c.cbp"));
    window->saveAs();
    log->questions.clear();
    window->saveAs(); // cancelled
    QCOMPARE(log->questions.size(), 1);
    QCOMPARE(window->currentFileName(), path(QStringLiteral("c.cbp")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Sharpa ") + path(QStringLiteral("c.cbp")));
}

void tst_SettingsFlow::cancelledSaveWritesNothing()
{
    window->save();
    QCOMPARE(log->questions.size(), 1);
    QVERIFY(window->currentFileName().isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Sharpa"));
    QVERIFY(QDir(dir->path()).isEmpty());
}

QTEST_MAIN(tst_SettingsFlow)
#include "tst_settingsflow.moc"
