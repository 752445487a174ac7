#include "app/document/preferences.h"
#include "app/window/recovery.h"
#include "app/window/session.h"
#include "app/window/windowplacement.h"
#include "settings/camerasettings.h"
#include "settingsbytes.h"
#include "sharpatest.h"

#include <QDockWidget>
#include <QMimeData>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

// A rename that fails on request: the last step of a save, after every byte
// is written, as a full or vanished disk can make it fail.
static bool renameFails = false;
extern "C" int rename(const char *from, const char *to)
{
    errno = EIO;
    return renameFails ? -1 : renameat(AT_FDCWD, from, AT_FDCWD, to);
}

// Camera settings files through Open, Save and Save as, with scripted dialogs.
class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saveWritesTheFormAndOpenRestoresIt();
    void load_data();
    void load();
    void failedSave_data();
    void failedSave();
    void guardedActions_data();
    void guardedActions();
    void saveAddsTheSuffix_data();
    void saveAddsTheSuffix();
    void rememberedBetweenRuns();
    void rememberedGeometryBroughtBack_data();
    void rememberedGeometryBroughtBack();
    void keptForTheNextStart_data();
    void keptForTheNextStart();
    void keptOnlyWhereItIsSafe_data();
    void keptOnlyWhereItIsSafe();
    void typedInFeetReadsBackInMetres();
    void unitsFollowTheLocaleUntilChosen_data();
    void unitsFollowTheLocaleUntilChosen();

private:
    QString path(const char *name) const { return dir->filePath(name); }
    QByteArray read(const char *name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const char *name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CoutCapture> out;
    std::unique_ptr<mainWin> window;
    FakePrompts *prompts = nullptr;
};

namespace {
const QString presets = "c1_calcDef=1 c2_calcDef=0 c1_crop=0 c1_quality=3 comboBox_7=1 "
                        "spinBox_2=40 comboBox_8=0 doubleSpinBox_10=25.4 c2_crop=2 c2_quality=0 "
                        "comboBox_4=0 spinBox=0 comboBox_5=0 doubleSpinBox_7=0";

QByteArray everyNumber(double value, const QByteArray &scale)
{
    QByteArray bytes = with(with(atStart, 10, scale), 14, scale);
    for (int offset : {0, 19, 27, 35, 43, 52, 60, 68, 76})
        bytes = with(bytes, offset, value);
    return bytes;
}
} // namespace

void tst_Settings::init()
{
    window.reset(); // before the capture that its trace goes to
    out.reset();
    dir = std::make_unique<QTemporaryDir>();
    QSettings().clear();
    // No kept changes from an earlier case; a link goes, not what it points to.
    if (const QFileInfo kept(Recovery::folder()); kept.isSymLink() || kept.isFile())
        QFile::remove(kept.filePath());
    else
        QDir(kept.filePath()).removeRecursively();
    out = std::make_unique<CoutCapture>();
    window = std::make_unique<mainWin>();
    prompts = fakePrompts(*window);
    out->clear();
}

void tst_Settings::saveWritesTheFormAndOpenRestoresIt()
{
    act(*window, "actionOpen! actionSave! actionSave_as!"); // each one cancelled
    QCOMPARE(QDir(dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QVERIFY(out->lines().isEmpty());
    prompts->answers << path("a.cbp");
    act(*window, "actionSave_as!");
    QCOMPARE(read("a.cbp").left(84), atStart); // then the extension block
    act(*window,
        "DSB_leftBorder=2.5 distanceFP=1 qxscale=37 qyscale=4 boxC1=0 c1_fdist=12.34 "
        "c2_apature=5.6 c2_flength=300 c2_coc=0.0288 "
            + presets + " actionSave!"); // asks nothing
    QVERIFY(!window->isWindowModified());
    const QString changed = formSnapshot(*window);
    act(*window, "actionNew!");
    QCOMPARE(window->windowTitle(), "Sharpa[*]");
    prompts->answers << path("a.cbp");
    act(*window, "actionOpen!");
    QCOMPARE(formSnapshot(*window), changed);
    // The file's name; its path where the window system shows one.
    QCOMPARE(window->windowTitle(), "Sharpa a.cbp[*]");
    QCOMPARE(window->windowFilePath(), path("a.cbp"));
    const QString filter = "|Sharpa camera settings (*.cbp)";
    QCOMPARE(prompts->questions,
             QStringList({"open|Open File" + filter, "save|Save File" + filter,
                          "save|Save File" + filter, "save|Save File" + filter,
                          "open|Open File" + filter}));
    QVERIFY(prompts->warnings.isEmpty());
}

void tst_Settings::load_data()
{
    // Steps on the window before the load, or the file's kind: a folder, a pipe or a device.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QByteArray>("bytes"); // otherwise written to the file
    QTest::addColumn<QString>("settings"); // what the load does to the form at start
    QTest::addColumn<QString>("said");     // the warning, or the values echoed ("|": a trace line)

    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n").leftJustified(11840, 'x');
    QTest::newRow("each record value echoed, then set")
        << "" << with(with(with(atStart, 0, 2.5), 13, "%"), 19, 12345.678)
        << "DSB_leftBorder=2.5 qxscale=37 c1_fdist=12345.68"
        << "2.5 | | 1 0 37 | | 10 1 12345.7 | | 2 85 0.0125 1 4 2 135 0.0125 | |";
    // Taken as the boxes show them, in metres with two decimals.
    QTest::newRow("more decimals than shown")
        << "" << with(with(atStart, 0, 1.234), 19, 4.006) << "DSB_leftBorder=1.23 c1_fdist=4.01"
        << "";
    QTest::newRow("extension block, version 1") << "" << extended(1, presetValues) << presets << "";
    QTest::newRow("a newer version: its unknown tail skipped")
        << "" << extended(3, presetValues + classicValues + "tail") << presets << "";
    QTest::newRow("84 bytes leave the rest as it was") << presets << atStart << presets << "";
    QTest::newRow("independent of the lenses shown before")
        << "c1_flength=5000 c2_flength=5000 DSB_leftBorder=20" << atStart << ""
        << "";
    QTest::newRow("above every range")
        << "" << everyNumber(1e9, QByteArray("\x7f\0\0\0", 4))
        << "DSB_leftBorder=99999 c1_fdist=99999 c1_apature=64 c1_flength=5000 c1_coc=10 "
           "c2_fdist=99999 c2_apature=64 c2_flength=5000 c2_coc=10 qxscale=99 qyscale=99"
        << "values outside the form's ranges. Adjusted:\nLeft Border: 1,000,000,000 became "
           "99,999\nDistance scale: 2,130,706,432 became 99\n";
    QTest::newRow("below every range")
        << "" << everyNumber(-1e9, QByteArray("\x80\0\0\0", 4))
        << "c1_flength=0 c2_flength=0 DSB_leftBorder=0 c1_fdist=0 c1_apature=0 c1_coc=0 "
           "c2_fdist=0 c2_apature=0 c2_coc=0 qxscale=0 qyscale=0"
        << "\nCamera 2, Circel of Confusion: -1,000,000,000 became 0.0001";
    QTest::newRow("a list position beyond its list")
        << "" << extended(1, with(presetValues, 2, QByteArray("\0\0\0\x09", 4)))
        << presets + " c1_crop=7"
        << "Camera 1, Crop factor: 9 became 7";
    QTest::newRow("both distance flags") << "" << with(atStart, 8, "\x01\x01") << "distanceFP=1"
                                         << "";
    QTest::newRow("neither flag") << "" << with(atStart, 8, QByteArray(2, 0)) << ""
                                  << "";
    QTest::newRow("any non-zero byte is true")
        << "" << with(with(atStart, 8, QByteArray("\0\x80", 2)), 18, QByteArray(1, 0))
        << "distanceFP=1 boxC1=0"
        << "";
    QTest::newRow("83 bytes") << "" << atStart.left(83) << ""
                              << "It holds 83 bytes; a camera settings file holds 84.";
    QTest::newRow("85 bytes") << "" << atStart + 'S' << ""
                              << "It holds 85 bytes";
    QTest::newRow("a PNG") << "" << png << ""
                           << "It holds 11840 bytes";
    QTest::newRow("a damaged block") << presets << extended(1, presetValues).chopped(1) + '!' << ""
                                     << "Its extension block is damaged.";
    QTest::newRow("a folder") << "folder" << QByteArray() << ""
                              << "It is a folder.";
    QTest::newRow("a pipe") << "pipe" << QByteArray() << ""
                            << "It is a device, a pipe or a socket, not a regular file.";
    QTest::newRow("a device") << "/dev/zero" << QByteArray() << ""
                              << "It is a device";
    QTest::newRow("NaN left border") << "" << with(atStart, 0, qQNaN()) << ""
                                     << "It holds a value that is not a number.";
    QTest::newRow("infinite last CoC") << "" << with(atStart, 76, qInf()) << ""
                                       << "It holds a value";
}

void tst_Settings::load()
{
    QFETCH(QString, before);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, settings);
    QFETCH(QString, said);

    const QString file = before.contains('=') ? QString() : before;
    act(*window, file.isEmpty() ? before : QString());
    out->clear();
    if (file == "folder")
        QVERIFY(QDir(dir->path()).mkdir("f.cbp"));
    else if (file == "pipe")
        QCOMPARE(::mkfifo(qPrintable(path("f.cbp")), 0600), 0); // the test's watchdog stops a hang
    else if (file.isEmpty())
        write("f.cbp", bytes);
    const QString name = file.startsWith('/') ? file : path("f.cbp");
    prompts->answers << name;
    act(*window, "actionOpen!");
    QStringList echoed;
    for (const QString &line : out->lines())
        echoed << (line.startsWith("init - ") ? "|" : line);
    const CoutCapture quiet;
    mainWin expected;
    const bool refused = said.startsWith("It");
    act(expected, refused && file.isEmpty() ? before : settings);
    QCOMPARE(formSnapshot(*window), formSnapshot(expected));
    const QString warning = prompts->warnings.join('|');
    if (!refused) {
        // A value brought into range leaves the form unlike its file.
        const bool adjusted = said.contains("became");
        QVERIFY2(adjusted ? warning.contains(said) : warning.isEmpty(), qPrintable(warning));
        QCOMPARE(window->isWindowModified(), adjusted);
        QCOMPARE(window->currentFileName(), name);
        QVERIFY(adjusted || said.isEmpty() || echoed.join(' ') == said);
        // Saved unchanged, a file with Sharpa's block comes back byte for byte,
        // a newer version's values among them.
        if (!adjusted && bytes.size() > CameraSettings::recordSize) {
            act(*window, "actionSave!");
            QCOMPARE(read("f.cbp"), bytes);
        }
        return;
    }
    QVERIFY2(warning.startsWith(
                 QStringLiteral("Could not open the camera settings file %1.\n").arg(name))
                 && warning.contains(said),
             qPrintable(warning));
    QVERIFY(echoed.isEmpty());
    QVERIFY(window->currentFileName().isEmpty());
}

void tst_Settings::failedSave_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("failure");

    QTest::newRow("a folder") << "folder.cbp" << 0;
    QTest::newRow("a pipe, left a pipe") << "pipe.cbp" << 0;
    QTest::newRow("in no folder") << "none/new.cbp" << 0;
    QTest::newRow("disk takes 40 of 84 bytes") << "old.cbp" << 1;
    QTest::newRow("last step fails after all bytes") << "old.cbp" << 2;
}

void tst_Settings::failedSave()
{
    QFETCH(QString, target);
    QFETCH(int, failure);

    QVERIFY(QDir(dir->path()).mkdir("folder.cbp"));
    QCOMPARE(::mkfifo(qPrintable(path("pipe.cbp")), 0600), 0);
    write("old.cbp", "the user's old file");
    prompts->answers << path("kept.cbp") << dir->filePath(target);
    window->saveAs();
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    if (failure == 1) { // writes past 40 bytes fail; SIGXFSZ must not end the program
        const rlimit small{40, previous.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    renameFails = failure == 2;
    window->saveAs();
    renameFails = false;
    ::setrlimit(RLIMIT_FSIZE, &previous);

    const QString warning = prompts->warnings.value(0);
    QVERIFY2(warning.startsWith(QStringLiteral("Could not save the camera settings to %1.\n")
                                    .arg(dir->filePath(target)))
                 && warning.section('\n', 1).size() > 5,
             qPrintable(warning));
    QCOMPARE(window->windowFilePath(), path("kept.cbp"));
    QCOMPARE(window->currentFileName(), path("kept.cbp"));
    QCOMPARE(read("old.cbp"), "the user's old file");
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 2);
    QVERIFY(QFileInfo(path("pipe.cbp")).exists() && !QFileInfo(path("pipe.cbp")).isFile());
}

void tst_Settings::guardedActions_data()
{
    QTest::addColumn<QString>("action"); // after a change of camera 1's focus to 5 m
    QTest::addColumn<QList<QMessageBox::StandardButton>>("decisions");
    QTest::addColumn<QString>("expected");

    const QList<QMessageBox::StandardButton> save{QMessageBox::Save}, discard{QMessageBox::Discard},
        cancel{QMessageBox::Cancel};
    const QString changed = "c1_fdist.value=5; mainWin.windowModified=true";
    QTest::newRow("New, Cancel") << "actionNew!" << cancel << changed;
    QTest::newRow("New, Discard") << "actionNew!" << discard
                                  << "c1_fdist.value=4; mainWin.windowModified=false";
    QTest::newRow("New, Save") << ">a.cbp actionNew!" << save
                               << "c1_fdist.value=4; mainWin.windowTitle=Sharpa[*]";
    QTest::newRow("New, Save cancelled") << "actionNew!" << save << changed;
    QTest::newRow("Open, Cancel") << ">d.cbp actionOpen!" << cancel << changed;
    QTest::newRow("Open, Discard")
        << ">d.cbp actionOpen!" << discard << "DSB_leftBorder.value=3.5; c1_fdist.value=4";
    QTest::newRow("drop, Cancel") << "drop" << cancel << changed;
    QTest::newRow("drop, Discard")
        << "drop" << discard << "DSB_leftBorder.value=3.5; mainWin.windowModified=false";
    QTest::newRow("close, Cancel") << "close" << cancel << "mainWin.visible=true";
    QTest::newRow("close, Discard") << "close" << discard << "mainWin.visible=false";
    QTest::newRow("close, Save") << ">a.cbp close" << save << "mainWin.visible=false";
    QTest::newRow("Open, Save") << ">a.cbp >d.cbp actionOpen!" << save
                                << "DSB_leftBorder.value=3.5; c1_fdist.value=4";
    QTest::newRow("Quit, Cancel") << "actionQuit!" << cancel << changed;
}

void tst_Settings::guardedActions()
{
    QFETCH(QString, action);
    QFETCH(QList<QMessageBox::StandardButton>, decisions);
    QFETCH(QString, expected);

    write("d.cbp", with(atStart, 0, 3.5));
    window->show();
    act(*window, "c1_fdist=5");
    prompts->decisions = decisions;
    const bool saves = action.startsWith(">a");
    for (const QString &answer : action.split(' ').filter(QRegularExpression("^>")))
        prompts->answers << path(qPrintable(answer.mid(1)));
    action = action.section(' ', -1);
    if (action == "close") {
        window->close();
    } else if (action == "drop") {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("d.cbp"))});
        QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
    } else {
        act(*window, action);
    }
    QCOMPARE(observe(*window, expected), expected);
    QCOMPARE(prompts->questions.value(0),
             "The camera settings have been changed.\nDo you want to save your changes?");
    QCOMPARE(read("a.cbp").isEmpty(), !saves);
}

void tst_Settings::saveAddsTheSuffix_data()
{
    QTest::addColumn<QString>("steps");                       // the action, then the name typed
    QTest::addColumn<QMessageBox::StandardButton>("replace"); // the answer when asked
    QTest::addColumn<QString>("expected");
    QTest::newRow("Save, new name") << "actionSave! new" << QMessageBox::No << "new.cbp=written";
    QTest::newRow("Save, name of a file: No")
        << "actionSave! old" << QMessageBox::No << "old.cbp=kept asked";
    QTest::newRow("Save, name of a file: Yes")
        << "actionSave! old" << QMessageBox::Yes << "old.cbp=written asked";
    QTest::newRow("Save, with its suffix: asked by the dialog")
        << "actionSave! old.cbp" << QMessageBox::No << "old.cbp=written";
    QTest::newRow("Export, name of a file: No")
        << "actionExport_Chart! old" << QMessageBox::No << "old.png=kept asked";
    QTest::newRow("Export, name of a file: Yes")
        << "actionExport_Chart! old" << QMessageBox::Yes << "old.png=written asked sized";
    // What cannot be written is refused before any question.
    QTest::newRow("Save, name of a folder")
        << "actionSave! dir" << QMessageBox::Yes << "dir.cbp=kept";
    QTest::newRow("Export, name of a folder")
        << "actionExport_Chart! dir" << QMessageBox::Yes << "dir.png=kept";
}

void tst_Settings::saveAddsTheSuffix()
{
    QFETCH(QString, steps);
    QFETCH(QMessageBox::StandardButton, replace);
    QFETCH(QString, expected);

    const QByteArray old = "the user's old file";
    write("old.cbp", old), write("old.png", old);
    QVERIFY(QDir(dir->path()).mkdir("dir.cbp") && QDir(dir->path()).mkdir("dir.png"));
    prompts->answers << dir->filePath(steps.section(' ', 1));
    prompts->decisions << replace;
    act(*window, steps.section(' ', 0, 0));
    const QString file = expected.section('=', 0, 0);
    const bool written = !QList<QByteArray>{"", old}.contains(read(qPrintable(file)));
    QCOMPARE(file + (written ? "=written" : "=kept")
                 + (prompts->questions.filter("already exists").size() == 1 ? " asked" : "")
                 + (prompts->questions.filter("size|").isEmpty() ? "" : " sized"),
             expected);
    QCOMPARE(prompts->warnings.size(), int(file.startsWith("dir")));
    QCOMPARE(window->currentFileName(),
             written && file.endsWith("cbp") ? path(qPrintable(file)) : "");
}

void tst_Settings::rememberedBetweenRuns()
{
    write("r.cbp", atStart);
    prompts->answers << path("r.cbp") << path("s.cbp");
    act(*window, "actionOpen! actionSave_as! actionAxisToInfinity! actionPlan! c1_planNear=5");
    window->setGeometry(37, 41, 600, 400);
    window->show();
    window->close();

    mainWin next; // the next run
    prompts = fakePrompts(next);
    QCOMPARE(next.pos(), QPoint(37, 41));
    // The axis to infinity, without the distance scale and the focus-plane choice.
    QVERIFY(next.actionAxisToInfinity->isChecked() && !next.qxscale->isEnabled()
            && !next.distanceFP->isEnabled());
    // The plan as it was, though closing the window hid it.
    QVERIFY(!next.findChild<QWidget *>("planPanel")->isHidden());
    QCOMPARE(next.findChild<QDoubleSpinBox *>("c1_planNear")->value(), 5);
    act(next, "actionOpen!");
    QCOMPARE(prompts->directory, dir->path());
    const auto *recent = next.findChild<QMenu *>("menuOpenRecent");
    QCOMPARE(recent->actions().size(), 2);
    QCOMPARE(recent->actions()[1]->text(), "&2 r.cbp");
    QVERIFY(QFile::remove(path("r.cbp")));
    recent->actions()[1]->trigger();
    QCOMPARE(prompts->warnings,
             {path("r.cbp") + " no longer exists. It has been removed from the recent files."});
    recent->actions()[0]->trigger(); // "&1 s.cbp"
    QCOMPARE(next.currentFileName(), path("s.cbp"));
    QCOMPARE(Preferences::recentFiles(), QStringList{path("s.cbp")});

    // A hand-edited list longer than the menu, a name with a newline.
    QStringList many;
    for (int k = 0; k < 20; ++k)
        many << path(qPrintable(QStringLiteral("%1\nb.cbp").arg(k)));
    QSettings().setValue("files/recent", many);
    mainWin edited;
    const auto *entries = edited.findChild<QMenu *>("menuOpenRecent");
    QCOMPARE(entries->actions().size(), Preferences::recentCount);
    QCOMPARE(entries->actions()[0]->text(), "&1 0\\nb.cbp");
    write("a\nb.cbp", atStart);
    edited.openFile(path("a\nb.cbp"));
    QCOMPARE(edited.windowTitle(), "Sharpa a\\nb.cbp[*]");
}

void tst_Settings::rememberedGeometryBroughtBack_data()
{
    QTest::addColumn<QRect>("left"); // the window as it was closed
    QTest::addColumn<QSize>("size");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("inside: kept") << QRect(37, 41, 600, 400) << QSize(600, 400);
    QTest::newRow("partly off: moved back")
        << QRect(screen.right() - 100, -50, 600, 400) << QSize(600, 400);
    QTest::newRow("from a larger screen: fitted anew")
        << QRect(0, 0, 3000, 2000) << WindowPlacement::firstGeometry(screen, {}).size();
    QTest::newRow("taller, not wider, than the screen: fitted anew")
        << QRect(20, 0, screen.width() - 40, screen.height() + 100)
        << WindowPlacement::firstGeometry(screen, {}).size();
}

void tst_Settings::rememberedGeometryBroughtBack()
{
    QFETCH(QRect, left);
    QFETCH(QSize, size);
    window->setGeometry(left);
    window->close();
    mainWin next;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(next.geometry()));
    QCOMPARE(next.size(), size);
    if (screen.contains(left))
        QCOMPARE(next.pos(), left.topLeft());
}

void tst_Settings::keptForTheNextStart_data()
{
    // Each earlier run, ended as the session ends, or closed by the user ("close").
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("decisions"); // at the next start
    QTest::addColumn<QStringList>("asked");                            // what each question names
    QTest::addColumn<double>("focus"); // camera 1's, m, at the next start
    QTest::addColumn<int>("left");     // sets kept for a later start
    const auto yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
    const QString unnamed = "unsaved changes to a new document";
    QTest::newRow("unchanged: nothing kept")
        << QStringList{""} << QList<QMessageBox::StandardButton>() << QStringList() << 4.0 << 0;
    QTest::newRow("changed in a file: restored to it")
        << QStringList{"actionOpen! c1_fdist=7"} << QList{yes} << QStringList{"f.cbp"} << 7.0 << 0;
    // Each run keeps its own; the newest is offered first.
    QTest::newRow("two runs: both offered")
        << QStringList{"actionOpen! c1_fdist=7", "c1_fdist=8"} << QList{no, yes}
        << QStringList{unnamed, "f.cbp"} << 7.0 << 0;
    QTest::newRow("two runs: the older kept for later")
        << QStringList{"actionOpen! c1_fdist=7", "c1_fdist=8"} << QList{yes, yes, cancel}
        << QStringList{unnamed, "f.cbp", "have been changed"} << 8.0 << 1;
    QTest::newRow("a clean end leaves the other's")
        << QStringList{"c1_fdist=7", "c1_fdist=8 close"} << QList{yes} << QStringList{unnamed}
        << 7.0 << 0;
}

void tst_Settings::keptForTheNextStart()
{
    QFETCH(QStringList, runs);
    QFETCH(QList<QMessageBox::StandardButton>, decisions);
    QFETCH(QStringList, asked);
    QFETCH(double, focus);
    QFETCH(int, left);
    write("f.cbp", atStart);
    window.reset();
    for (const QString &steps : runs) {
        mainWin run;
        FakePrompts *said = fakePrompts(run);
        said->answers << path("f.cbp");
        act(run, QString(steps).remove("close"));
        run.endOfRun().keepUnsavedChanges(); // as the session ends
        if (steps.endsWith("close"))
            run.close();
    }

    mainWin next;
    prompts = fakePrompts(next);
    prompts->decisions = decisions;
    next.endOfRun().offerRecovery();
    QCOMPARE(prompts->questions.size(), asked.size());
    for (qsizetype k = 0; k < asked.size(); ++k)
        QVERIFY2(prompts->questions[k].contains(asked[k]), qPrintable(prompts->questions[k]));
    QCOMPARE(next.c1_fdist->value(), focus);
    // Restored as unsaved changes to the file they belong to.
    const bool restored = decisions.contains(QMessageBox::Yes);
    QCOMPARE(next.isWindowModified(), restored);
    // The file's run focused camera 1 at 7 m.
    const bool inTheFile = focus == 7.0 && asked.contains("f.cbp");
    QCOMPARE(next.currentFileName(), inTheFile ? path("f.cbp") : QString());
    QCOMPARE(Recovery::sets().size(), left);
    if (inTheFile) {
        act(next, "actionSave!");
        QCOMPARE(read("f.cbp").left(atStart.size()), with(atStart, 19, 7.0));
    }
}

void tst_Settings::keptOnlyWhereItIsSafe_data()
{
    QTest::addColumn<QString>("place"); // what stands where the changes go
    QTest::newRow("a file for the folder") << "file";
    QTest::newRow("a link for the folder") << "folder link";
    QTest::newRow("a link for the kept file") << "link";
}

// Nothing is written through a link or onto another thing; that the changes
// could not be kept is said at the end and at the next start.
void tst_Settings::keptOnlyWhereItIsSafe()
{
    QFETCH(QString, place);
    write("victim", "the user's other file");
    QVERIFY(QDir(dir->path()).mkdir("elsewhere"));
    QDir().mkpath(QFileInfo(Recovery::folder()).path());
    if (place == "file")
        QVERIFY(QFile(Recovery::folder()).open(QIODevice::WriteOnly));
    if (place == "folder link")
        QVERIFY(QFile::link(path("elsewhere"), Recovery::folder()));
    act(*window, "c1_fdist=7");
    if (place == "link") { // kept once, then the file replaced by a link
        window->endOfRun().keepUnsavedChanges();
        const QString kept = Recovery::sets().value(0).path;
        QVERIFY(QFile::remove(kept) && QFile::link(path("victim"), kept));
        act(*window, "c1_fdist=8");
    }
    CoutCapture said(std::cerr);
    window->endOfRun().keepUnsavedChanges();
    QVERIFY(said.lines().value(0).contains("the unsaved changes could not be kept"));
    QCOMPARE(read("victim"), "the user's other file");
    QCOMPARE(QDir(path("elsewhere")).entryList(QDir::Files), QStringList());
    window.reset();
    mainWin next;
    prompts = fakePrompts(next);
    next.endOfRun().offerRecovery();
    QVERIFY(prompts->warnings.value(0).startsWith("The unsaved changes of a run that ended on "));
    QVERIFY(prompts->questions.isEmpty());
}

void tst_Settings::typedInFeetReadsBackInMetres()
{
    act(*window, "actionUnitsFeet!");
    window->c1_fdist->selectAll();
    QTest::keyClicks(window->c1_fdist, "10.01");
    QTest::keyClick(window->c1_fdist, Qt::Key_Enter);
    prompts->answers << path("f.cbp") << path("f.cbp");
    act(*window, "actionSave_as! actionUnitsMetres! actionNew! actionOpen!");
    QCOMPARE(read("f.cbp").left(84), with(atStart, 19, 3.051048));
    QCOMPARE(window->c1_fdist->text(), "3.05 m");
    act(*window, "actionUnitsFeet!"); // changes no value
    QCOMPARE(window->c1_fdist->text(), "10.01 ft");
    QVERIFY(!window->isWindowModified());
    // The largest border, 99999 m, reads 328080.71 ft, a little more: as shown, it is taken.
    window->DSB_leftBorder->selectAll();
    QTest::keyClicks(window->DSB_leftBorder, window->DSB_leftBorder->cleanText() + "0");
    QTest::keyClick(window->DSB_leftBorder, Qt::Key_Enter);
    window->DSB_leftBorder->selectAll();
    QTest::keyClicks(window->DSB_leftBorder, "328080.71");
    QTest::keyClick(window->DSB_leftBorder, Qt::Key_Enter);
    QCOMPARE(window->DSB_leftBorder->text(), "328080.71 ft");
    QCOMPARE(window->DSB_leftBorder->value(), 99999.0);
}

void tst_Settings::unitsFollowTheLocaleUntilChosen_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("feet");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << false;
    QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates) << true;
    QTest::newRow("UK") << QLocale(QLocale::English, QLocale::UnitedKingdom) << true;
}

void tst_Settings::unitsFollowTheLocaleUntilChosen()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, feet);

    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    mainWin first;
    QCOMPARE(first.actionUnitsFeet->isChecked(), feet);
    act(first, feet ? "actionUnitsMetres!" : "actionUnitsFeet!");
    const mainWin next;
    QCOMPARE(next.actionUnitsFeet->isChecked(), !feet);
}

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
