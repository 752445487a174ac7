#include <QtTest>

#include <QProcess>

#include "startuptrace.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

// The built program in a real X server (Xvfb, xcb platform), seen and
// closed from outside the way a window manager would.
class tst_RealWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void showsBothCurvesAndClosesCleanly();

private:
    QProcess xvfb;
    QString display;
    xcb_connection_t *connection = nullptr;
};

namespace {

template<typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply>
ReplyPointer<Reply> owned(Reply *reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QByteArray windowName(xcb_connection_t *connection, xcb_window_t window)
{
    const auto reply
        = owned(xcb_get_property_reply(connection,
                                       xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME,
                                                        XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                       nullptr));
    if (!reply)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

// The viewable top-level window of that name, or none.
xcb_window_t findWindow(xcb_connection_t *connection, const QByteArray &name)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto tree
        = owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree)
        return XCB_WINDOW_NONE;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const auto attributes = owned(xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, children[i]), nullptr));
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE
            && windowName(connection, children[i]) == name)
            return children[i];
    }
    return XCB_WINDOW_NONE;
}

// Counts the pixels of each exact colour in a grab of the window.
QMap<QRgb, int> countColours(xcb_connection_t *connection, xcb_window_t window,
                             const QList<QRgb> &colours)
{
    QMap<QRgb, int> counts;
    const auto geometry
        = owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry)
        return counts;
    const auto image
        = owned(xcb_get_image_reply(connection,
                                    xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0,
                                                  0, geometry->width, geometry->height, ~0u),
                                    nullptr));
    if (!image || image->depth != 24)
        return counts;
    // 24-bit depth is stored as 32 bits a pixel, blue first.
    const auto *pixels = reinterpret_cast<const quint32 *>(xcb_get_image_data(image.get()));
    const int length = xcb_get_image_data_length(image.get()) / 4;
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = 0xff000000u | (pixels[i] & 0xffffffu);
        if (colours.contains(pixel))
            ++counts[pixel];
    }
    return counts;
}

} // namespace

void tst_RealWindow::initTestCase()
{
    for (int number = 91; number < 140 && display.isEmpty(); ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        const QString candidate = QStringLiteral(":%1").arg(number);
        xvfb.start(QStringLiteral("Xvfb"),
                   {candidate, QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                    QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("1280x1024x24")});
        if (!xvfb.waitForStarted(10000))
            QSKIP("No X server can be started here: Xvfb is not installed (make deps installs it)");
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && xvfb.state() == QProcess::Running) {
            xcb_connection_t *attempt = xcb_connect(qPrintable(candidate), nullptr);
            if (!xcb_connection_has_error(attempt)) {
                connection = attempt;
                display = candidate;
                break;
            }
            xcb_disconnect(attempt);
            QTest::qWait(50);
        }
        if (display.isEmpty()) {
            xvfb.kill();
            xvfb.waitForFinished();
        }
    }
    if (display.isEmpty())
        QSKIP("No X server could be started on any free display");
}

void tst_RealWindow::cleanupTestCase()
{
    if (connection)
        xcb_disconnect(connection);
    xvfb.terminate();
    xvfb.waitForFinished(10000);
}

void tst_RealWindow::showsBothCurvesAndClosesCleanly()
{
    QProcess sharpa;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    sharpa.setProcessEnvironment(environment);
    sharpa.start(QStringLiteral(SHARPA_BINARY), QStringList());
    QVERIFY(sharpa.waitForStarted(10000));
    const auto stop = qScopeGuard([&] {
        if (sharpa.state() != QProcess::NotRunning) {
            sharpa.kill();
            sharpa.waitForFinished();
        }
    });

    xcb_window_t window = XCB_WINDOW_NONE;
    QTRY_VERIFY_WITH_TIMEOUT((window = findWindow(connection, "Sharpa")) != XCB_WINDOW_NONE, 20000);

    const QRgb camera1 = qRgb(0, 127, 0);
    const QRgb camera2 = qRgb(0, 0, 127);
    QMap<QRgb, int> counts;
    QTRY_VERIFY_WITH_TIMEOUT((counts = countColours(connection, window, {camera1, camera2}),
                              counts.value(camera1) > 100 && counts.value(camera2) > 100),
                             20000);

    const xcb_client_message_event_t close{
        XCB_CLIENT_MESSAGE, 32, 0, window, atom(connection, "WM_PROTOCOLS"), {}};
    xcb_client_message_event_t message = close;
    message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    QVERIFY(sharpa.waitForFinished(20000));
    QCOMPARE(sharpa.exitStatus(), QProcess::NormalExit);
    QVERIFY2(sharpa.exitCode() == 0, sharpa.readAllStandardError().right(4000).constData());
    QCOMPARE(QString::fromLocal8Bit(sharpa.readAllStandardOutput()), startupTraceText());
}

QTEST_GUILESS_MAIN(tst_RealWindow)
#include "tst_realwindow.moc"
