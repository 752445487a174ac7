#include "settingsbytes.h"

#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>

// The built program across the process boundary: its arguments, File > Quit,
// and a real window in its own X server, closed as a window manager would.
class tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void fitsEachScreen_data();
    void fitsEachScreen();
    void endsAtOnceWhileAsking_data();
    void endsAtOnceWhileAsking();
};

namespace {
const QString startupTrace = QStringLiteral(
    "init - fdist: 4000 apature: 2 flength: 85 coc: 0.0125 adia: 42.5 dif: 0.0013542\n"
    "init - fdist: 4000 apature: 2 flength: 135 coc: 0.0125 adia: 67.5 dif: 0.0013542\n");

template<typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply *reply)
{
    return {reply, &std::free};
}

xcb_atom_t atom(xcb_connection_t *x, const QByteArray &name)
{
    const auto reply
        = owned(xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, name.size(), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// How many pixels of the window, at 24 bits stored in 32, have the colour.
int countColour(xcb_connection_t *x, xcb_window_t window, QRgb colour,
                const QRect &area = QRect(0, 0, 800, 600))
{
    const auto image = owned(xcb_get_image_reply(
        x,
        xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, qint16(area.x()), qint16(area.y()),
                      quint16(area.width()), quint16(area.height()), ~0u),
        nullptr));
    if (!image || image->depth != 24)
        return 0;
    const auto *pixels = reinterpret_cast<const quint32 *>(xcb_get_image_data(image.get()));
    return int(std::count_if(pixels, pixels + xcb_get_image_data_length(image.get()) / 4,
                             [colour](quint32 p) { return ((p ^ colour) & 0xffffffu) == 0; }));
}

QByteArray runXdotool(const QProcessEnvironment &environment, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start("xdotool", arguments);
    tool.waitForFinished(20000);
    return tool.readAllStandardOutput().trimmed();
}

// Settings and data of a run in a folder of its own.
QProcessEnvironment environmentIn(const QTemporaryDir &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    environment.insert("XDG_DATA_HOME", folder.filePath("data"));
    return environment;
}

// An X server of its own with one screen of that size; false where there is none.
bool startXvfb(QProcess &xvfb, QProcessEnvironment &environment, const QString &screen)
{
    // -noreset: a client that connects while the server resets would fail.
    xvfb.start("Xvfb",
               {"-displayfd", "1", "-nolisten", "tcp", "-noreset", "-screen", "0", screen + "x24"});
    if (!xvfb.waitForStarted(10000))
        return false;
    for (QDeadlineTimer deadline(10000); !xvfb.canReadLine() && !deadline.hasExpired();)
        xvfb.waitForReadyRead(100);
    environment.insert("DISPLAY", ':' + xvfb.readLine().trimmed());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    return true;
}

// The program's window in an X server: found, seen with both curves, then
// closed as a window manager would, after a change to the form if asked to;
// or ended by SIGTERM after the change.
void useRealWindow(const QProcessEnvironment &environment, QProcess &program, bool change,
                   bool terminate)
{
    const auto xdotool = [&environment](const QStringList &arguments) {
        return runXdotool(environment, arguments);
    };
    const QByteArray id = xdotool({"search", "--sync", "--onlyvisible", "--name", "^Sharpa$"});
    const auto window = xcb_window_t(id.toULong());
    QVERIFY2(window, "no window named Sharpa");
    xcb_connection_t *x = xcb_connect(qPrintable(environment.value("DISPLAY")), nullptr);
    const auto disconnect = qScopeGuard([x] { xcb_disconnect(x); });
    QTRY_VERIFY_WITH_TIMEOUT(countColour(x, window, qRgb(0, 127, 0)) > 100
                                 && countColour(x, window, qRgb(0, 0, 127)) > 100,
                             20000);
    // It fits a screen of 1280 x 720.
    const auto geometry = owned(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
    QVERIFY(geometry && geometry->width <= 1280 && geometry->height <= 720);
    if (change) { // the left border, which has the focus, one step up; the title shows it
        xdotool({"windowfocus", "--sync", id, "key", "Up"});
        QVERIFY(!xdotool({"search", "--sync", "--name", R"(^Sharpa\*$)"}).isEmpty());
    }
    if (terminate) {
        program.terminate();
        QVERIFY(program.waitForFinished(20000));
        return;
    }
    xcb_client_message_event_t close{XCB_CLIENT_MESSAGE,      32, 0, window,
                                     atom(x, "WM_PROTOCOLS"), {}};
    close.data.data32[0] = atom(x, "WM_DELETE_WINDOW");
    // A close sent while the program still starts is not taken: ask until it ends.
    for (QDeadlineTimer deadline(change ? 0 : 20000); program.state() != QProcess::NotRunning;) {
        xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&close));
        xcb_flush(x);
        if (!program.waitForFinished(1000) && deadline.hasExpired())
            break;
    }
    // Changed, it asks in a box of its own instead of closing.
    QCOMPARE(change, !xdotool({"search", "--onlyvisible", "--name", "^Sharpa$"}).isEmpty());
}
} // namespace

void tst_Program::run_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    // 0: offscreen, 1: a real window, 2: one changed, 3: one changed and ended by SIGTERM
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("status");     // -1: still running
    QTest::addColumn<QString>("output"); // how standard output begins

    const QString usage = "Usage: " SHARPA_BINARY
                          " center.jpg upperRight.jpg lowerleft.jpg lowerRight.jpg upperLeft.jpg\n";
    const QStringList five{"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"};
    QTest::newRow("none: a real window, closed")
        << SHARPA_BINARY << QStringList() << 1 << 0 << startupTrace;
    QTest::newRow("changed: asks before closing")
        << SHARPA_BINARY << QStringList() << 2 << -1 << startupTrace;
    QTest::newRow("changed, SIGTERM: the changes kept")
        << SHARPA_BINARY << QStringList() << 3 << 0 << startupTrace;
    // The file's left border, 2.5 m, is the first value echoed.
    QTest::newRow("a file: opened") << SHARPA_BINARY << QStringList{SHARPA_TEST_DATA "/border.cbp"}
                                    << 0 << -1 << startupTrace + "2.5\n";
    QTest::newRow("--: starts") << SHARPA_BINARY << QStringList{"--"} << 0 << -1 << startupTrace;
    QTest::newRow("-- a file: opened")
        << SHARPA_BINARY << QStringList{"--", SHARPA_TEST_DATA "/border.cbp"} << 0 << -1
        << startupTrace + "2.5\n";
    // A name that is not valid UTF-8, which no QString argument holds, from the shell.
    QTest::newRow("a name that is not UTF-8: opened")
        << "sh"
        << QStringList{"-c",
                       "f=\"$XDG_DATA_HOME/$(printf 'bad\\377.cbp')\"; mkdir -p \"$XDG_DATA_HOME\" "
                       "&& cp \"$1\" \"$f\" && exec \"$0\" \"$f\"",
                       SHARPA_BINARY, SHARPA_TEST_DATA "/border.cbp"}
        << 0 << -1 << startupTrace + "2.5\n";
    QTest::newRow("a missing file: starts")
        << SHARPA_BINARY << QStringList{"/no/such.cbp"} << 0 << -1 << startupTrace;
    QTest::newRow("two: usage") << SHARPA_BINARY << five.mid(3) << 0 << 255 << usage;
    QTest::newRow("an unknown option: usage")
        << SHARPA_BINARY << QStringList{"--frobnicate"} << 0 << 255 << usage;
    QTest::newRow("five: starts") << SHARPA_BINARY << five << 0 << -1 << startupTrace;
    QTest::newRow("six: usage") << SHARPA_BINARY << five + five.mid(4) << 0 << 255 << usage;
    QTest::newRow("--help") << SHARPA_BINARY << QStringList{"--help"} << 0 << 0
                            << "Usage: " SHARPA_BINARY " [options] [file]\n";
    QTest::newRow("--version") << SHARPA_BINARY << QStringList{"--version"} << 0 << 0
                               << "Sharpa 0.01beta\n";
    // Starts the window and chooses File > Quit once the event loop runs.
    QTest::newRow("Quit: status 0, trace kept")
        << QUITHELPER_BINARY << QStringList() << 0 << 0 << startupTrace;
}

void tst_Program::run()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, window);
    QFETCH(int, status);
    QFETCH(QString, output);

    QProcess xvfb;                // writes its display number once it takes clients
    const QTemporaryDir settings; // remembered between runs of this row only
    QProcessEnvironment environment = environmentIn(settings);
    if (window != 0 && !startXvfb(xvfb, environment, "1280x720"))
        QSKIP("No X server here: Xvfb is not installed (make deps installs it)");
    if (!output.startsWith("init")) // these come before any window
        environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    const auto stopXvfb = qScopeGuard([&xvfb] { xvfb.kill(), xvfb.waitForFinished(); });
    QProcess process;
    process.setProcessEnvironment(environment);
    // Line buffered where it goes on running.
    process.start(status == -1 ? "stdbuf" : program,
                  (status == -1 ? QStringList{"-oL", program} : QStringList()) + arguments);
    const auto stop = qScopeGuard([&process] { process.kill(), process.waitForFinished(); });
    if (window != 0)
        useRealWindow(environment, process, window >= 2, window == 3);
    if (QTest::currentTestFailed())
        return;
    QByteArray seen = process.readAllStandardOutput();
    for (QDeadlineTimer deadline(30000); seen.size() < output.toLocal8Bit().size()
         && process.state() != QProcess::NotRunning && !deadline.hasExpired();) {
        process.waitForReadyRead(100);
        seen += process.readAllStandardOutput();
    }
    process.waitForFinished(status == -1 ? 300 : 30000);
    seen += process.readAllStandardOutput();
    QCOMPARE(process.state() == QProcess::Running ? -1 : process.exitCode(), status);
    QVERIFY2(seen.startsWith(output.toLocal8Bit()), seen.constData());
    const QDir kept(settings.filePath("data/Sharpa/Sharpa/recovery"));
    QCOMPARE(kept.entryList({"*.cbp"}, QDir::Files).size(), window == 3 ? 1 : 0);
}

void tst_Program::fitsEachScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<double>("scale");
    QTest::newRow("1280 x 720") << "1280x720" << 1.0;
    QTest::newRow("1366 x 768") << "1366x768" << 1.0;
    QTest::newRow("1920 x 1080 at 150 %") << "1920x1080" << 1.5;
    QTest::newRow("2560 x 1440 at 200 %") << "2560x1440" << 2.0;
}

// The first window on a laptop's screen: whole on it, camera 2's depth of
// field in the status bar's last rows.
void tst_Program::fitsEachScreen()
{
    QFETCH(QString, screen);
    QFETCH(double, scale);
    const QTemporaryDir settings;
    QProcessEnvironment environment = environmentIn(settings);
    environment.insert("QT_SCALE_FACTOR", QString::number(scale));
    QProcess xvfb;
    if (!startXvfb(xvfb, environment, screen))
        QSKIP("No X server here: Xvfb is not installed (make deps installs it)");
    const auto stopXvfb = qScopeGuard([&xvfb] { xvfb.kill(), xvfb.waitForFinished(); });
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(SHARPA_BINARY);
    const auto stop = qScopeGuard([&program] { program.kill(), program.waitForFinished(); });
    const auto window = xcb_window_t(
        runXdotool(environment, {"search", "--sync", "--onlyvisible", "--name", "^Sharpa$"})
            .toULong());
    QVERIFY2(window, "no window named Sharpa");
    xcb_connection_t *x = xcb_connect(qPrintable(environment.value("DISPLAY")), nullptr);
    const auto disconnect = qScopeGuard([x] { xcb_disconnect(x); });
    const auto geometry = owned(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
    QVERIFY(geometry);
    const QRect placed(geometry->x, geometry->y, geometry->width, geometry->height);
    const QSize size(screen.section('x', 0, 0).toInt(), screen.section('x', 1).toInt());
    QVERIFY2(QRect(QPoint(), size).contains(placed), qPrintable(screen));
    const QRect statusBar(0, placed.height() - int(20 * scale), placed.width(), int(20 * scale));
    QTRY_VERIFY_WITH_TIMEOUT(countColour(x, window, qRgb(0, 0, 127), statusBar) > 20, 20000);
}

void tst_Program::endsAtOnceWhileAsking_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("kept");    // an earlier run's unsaved changes are waiting
    QTest::addColumn<bool>("changed"); // then File > Quit asks about the run's own
    QTest::newRow("restore the kept changes?") << QStringList() << true << false;
    QTest::newRow("the file named cannot be opened")
        << QStringList{"/no/such/file.cbp"} << false << false;
    QTest::newRow("later: save the changes?") << QStringList() << false << true;
}

// SIGTERM while a question is open at start-up ends the run at once and
// removes no changes that an earlier run kept.
void tst_Program::endsAtOnceWhileAsking()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, kept);
    QFETCH(bool, changed);
    const QTemporaryDir settings;
    QProcessEnvironment environment = environmentIn(settings);
    const QString set = settings.filePath("data/Sharpa/Sharpa/recovery/1-2-3.cbp");
    QFile file(set);
    if (kept)
        QVERIFY(QDir().mkpath(QFileInfo(set).path()) && file.open(QIODevice::WriteOnly)
                && file.write(atStart) == atStart.size());
    QProcess xvfb;
    if (!startXvfb(xvfb, environment, "1280x720"))
        QSKIP("No X server here: Xvfb is not installed (make deps installs it)");
    const auto stopXvfb = qScopeGuard([&xvfb] { xvfb.kill(), xvfb.waitForFinished(); });
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(SHARPA_BINARY, arguments);
    const auto stop = qScopeGuard([&program] { program.kill(), program.waitForFinished(); });
    if (changed) { // the left border, which has the focus, one step up; then Quit
        const QByteArray id
            = runXdotool(environment, {"search", "--sync", "--onlyvisible", "--name", "^Sharpa$"});
        runXdotool(environment, {"windowfocus", "--sync", id, "key", "Up", "ctrl+q"});
    }
    // The window and the question's box.
    QTRY_COMPARE_WITH_TIMEOUT(
        runXdotool(environment, {"search", "--onlyvisible", "--name", "^Sharpa\\*?$"}).count('\n'),
        1, 20000);
    program.terminate();
    QVERIFY(program.waitForFinished(10000) && program.exitStatus() == QProcess::NormalExit
            && program.exitCode() == 0);
    QCOMPARE(QFile::exists(set), kept);
    // The run's own changes, and no others, kept for the next.
    const QDir folder(QFileInfo(set).path());
    QCOMPARE(folder.entryList({"*.cbp"}, QDir::Files).size(), int(kept) + int(changed));
}

QTEST_GUILESS_MAIN(tst_Program)
#include "tst_program.moc"
