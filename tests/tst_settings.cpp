#include "sharpatest.h"

#include <QMimeData>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>

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
// The form at start: left border, from camera, from focus plane, the two scales, then for
// each camera in use, focus (m), f-number, focal length (mm), CoC (mm); big-endian.
const QByteArray atStart = QByteArray::fromHex(
    "3FF0000000000000 01 00 0000000A 0000000A 01 4010000000000000 4000000000000000 "
    "4055400000000000 3F8999999999999A 01 4010000000000000 4000000000000000 "
    "4060E00000000000 3F8999999999999A");

QByteArray with(QByteArray bytes, int offset, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        bytes[offset + i] = char(bits >> (56 - 8 * i));
    return bytes;
}

QByteArray with(QByteArray bytes, int offset, const QByteArray &replacement)
{
    return bytes.replace(offset, replacement.size(), replacement);
}

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
    QCOMPARE(read("a.cbp"), atStart);
    act(*window,
        "DSB_leftBorder=2.5 distanceFP=1 qxscale=37 qyscale=4 boxC1=0 c1_fdist=12.34 "
        "c2_apature=5.6 c2_flength=300 c2_coc=0.0288 actionSave!"); // asks nothing
    QVERIFY(!window->isWindowModified());
    const QString changed = formSnapshot(*window);
    act(*window, "actionNew!");
    QCOMPARE(window->windowTitle(), "Sharpa[*]");
    prompts->answers << path("a.cbp");
    act(*window, "actionOpen!");
    QCOMPARE(formSnapshot(*window), changed);
    QCOMPARE(window->windowTitle(), "Sharpa " + path("a.cbp") + "[*]");
    const QString filter = "| 0.01 (*.cbp)";
    QCOMPARE(prompts->questions,
             QStringList({"open|Open File" + filter, "save|Save File" + filter,
                          "save|Save File" + filter, "save|Save File" + filter,
                          "open|Open File" + filter}));
    QVERIFY(prompts->warnings.isEmpty());
}

void tst_Settings::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("settings"); // what the load does to the form at start
    QTest::addColumn<QString>("said");     // the warning, or the values echoed ("|": a trace line)

    QTest::newRow("each value echoed, then set; tail ignored")
        << with(with(with(atStart, 0, 2.5), 13, "%"), 19, 1234567) + "tail"
        << "DSB_leftBorder=2.5 qxscale=37 c1_fdist=99999"
        << "2.5 | | 1 0 37 | | 10 1 1.23457e+06 | | 2 85 0.0125 1 4 2 135 0.0125 | |";
    QTest::newRow("above every range")
        << everyNumber(1e9, QByteArray("\x7f\0\0\0", 4))
        << "DSB_leftBorder=99999 c1_fdist=99999 c1_apature=32 c1_flength=5000 c1_coc=10 "
           "c2_fdist=99999 c2_apature=32 c2_flength=5000 c2_coc=10 qxscale=99 qyscale=99"
        << "";
    QTest::newRow("below every range")
        << everyNumber(-1e9, QByteArray("\x80\0\0\0", 4))
        << "DSB_leftBorder=0 c1_fdist=0 c1_apature=0 c1_flength=0 c1_coc=0 c2_fdist=0 "
           "c2_apature=0 c2_flength=0 c2_coc=0 qxscale=0 qyscale=0"
        << "";
    QTest::newRow("both distance flags") << with(atStart, 8, "\x01\x01") << "distanceFP=1"
                                         << "";
    QTest::newRow("neither flag") << with(atStart, 8, QByteArray(2, 0)) << ""
                                  << "";
    QTest::newRow("any non-zero byte is true")
        << with(with(atStart, 8, QByteArray("\0\x80", 2)), 18, QByteArray(1, 0))
        << "distanceFP=1 boxC1=0"
        << "";
    QTest::newRow("83 bytes") << atStart.left(83) << ""
                              << "It holds 83 bytes; a camera settings file holds 84.";
    QTest::newRow("empty") << QByteArray() << ""
                           << "It holds 0 bytes";
    QTest::newRow("NaN left border") << with(atStart, 0, qQNaN()) << ""
                                     << "It holds a value that is not a number.";
    QTest::newRow("infinite last CoC") << with(atStart, 76, qInf()) << ""
                                       << "It holds a value";
}

void tst_Settings::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, settings);
    QFETCH(QString, said);

    write("f.cbp", bytes);
    prompts->answers << path("f.cbp");
    act(*window, "actionOpen!");
    QStringList echoed;
    for (const QString &line : out->lines())
        echoed << (line.startsWith("init - ") ? "|" : line);
    const CoutCapture quiet;
    mainWin expected;
    act(expected, settings);
    QCOMPARE(formSnapshot(*window), formSnapshot(expected));
    if (!said.startsWith("It holds")) {
        QVERIFY(prompts->warnings.isEmpty()
                && !window->isWindowModified()); // clamped is not changed
        QCOMPARE(window->currentFileName(), path("f.cbp"));
        QVERIFY(said.isEmpty() || echoed.join(' ') == said);
        return;
    }
    QCOMPARE(prompts->warnings.size(), 1);
    QVERIFY2(prompts->warnings[0].startsWith(
                 QStringLiteral("Could not open the camera settings file %1.\n").arg(path("f.cbp")))
                 && prompts->warnings[0].contains(said),
             qPrintable(prompts->warnings[0]));
    QVERIFY(echoed.isEmpty());
    QVERIFY(window->currentFileName().isEmpty());
}

void tst_Settings::failedSave_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("failure");

    QTest::newRow("a folder") << "folder.cbp" << 0;
    QTest::newRow("in no folder") << "none/new.cbp" << 0;
    QTest::newRow("disk takes 40 of 84 bytes") << "old.cbp" << 1;
    QTest::newRow("last step fails after all bytes") << "old.cbp" << 2;
}

void tst_Settings::failedSave()
{
    QFETCH(QString, target);
    QFETCH(int, failure);

    QVERIFY(QDir(dir->path()).mkdir("folder.cbp"));
    write("old.cbp", "the user's old file");
    prompts->answers << path("kept.cbp") << dir->filePath(target);
    window->saveAs();
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    if (failure == 1) { // writes past 40 bytes fail with EFBIG, not SIGXFSZ
        std::signal(SIGXFSZ, SIG_IGN);
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
    QCOMPARE(window->windowTitle(), "Sharpa " + path("kept.cbp") + "[*]");
    QCOMPARE(window->currentFileName(), path("kept.cbp"));
    QCOMPARE(read("old.cbp"), "the user's old file");
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 2);
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
    QCOMPARE(read("a.cbp").size(), saves ? 84 : 0);
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
        << "actionExport_Chart! old" << QMessageBox::Yes << "old.png=written asked";
}

void tst_Settings::saveAddsTheSuffix()
{
    QFETCH(QString, steps);
    QFETCH(QMessageBox::StandardButton, replace);
    QFETCH(QString, expected);

    const QByteArray old = "the user's old file";
    write("old.cbp", old), write("old.png", old);
    prompts->answers << dir->filePath(steps.section(' ', 1));
    prompts->decisions << replace;
    act(*window, steps.section(' ', 0, 0));
    const QString file = expected.section('=', 0, 0);
    const bool written = !QList<QByteArray>{"", old}.contains(read(qPrintable(file)));
    QCOMPARE(file + (written ? "=written" : "=kept")
                 + (prompts->questions.size() == 2 ? " asked" : ""),
             expected);
    QCOMPARE(window->currentFileName(),
             written && file.endsWith("cbp") ? path(qPrintable(file)) : "");
}

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
