#include "chartactions.h"

#include "chart/scene.h"
#include "document/preferences.h"
#include "settings/safefile.h"
#include "text/readout.h"
#include "window/product.h"
#include "window/prompts.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QLocale>
#include <QMainWindow>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>
#include <QtConcurrent>
#include <QtMath>

namespace {

// The largest side offered: an image's in pixels (20000 × 20000 is 1.6 GB
// to draw in), a page's in points (what PDF readers take).
constexpr int largestImageSide = 20000;
constexpr int largestPageSide = 14400;

} // namespace

ChartActions::ChartActions(graph *shown, const std::unique_ptr<Prompts> &windowPrompts)
    : QObject(shown)
    , chart(shown)
    , prompts(windowPrompts)
{}

ChartActions::~ChartActions() = default;

void ChartActions::exportChart()
{
    QWidget *window = chart->window();
    const QStringList filters = ChartExport::fileFilters();
    QString filter = filters.first();
    const QString answer = prompts->saveFileName(
        window, QCoreApplication::translate("mainWin", "Export Chart"), Preferences::lastFolder(),
        filters.join(QStringLiteral(";;")), &filter);
    if (answer.isEmpty())
        return;
    // Not a structured binding: the lambda below captures the path.
    const std::pair<QString, ChartExport::Format> named
        = ChartExport::target(answer, int(filters.indexOf(filter)));
    const QString &path = named.first;
    const ChartExport::Format format = named.second;
    const auto refuse = [&](const FileError &reason) {
        prompts->reportFailure(
            window, QCoreApplication::translate("mainWin", "Could not export the chart to %1.\n%2"),
            path, reason);
    };
    if (const std::optional<FileError> refused = writeRefusal(path))
        return refuse(*refused);
    // The dialog asked about the name as typed, not about the one with the suffix.
    if (path != answer && !prompts->mayReplace(window, path))
        return;
    ChartExport::Page page = figure();
    const QSize smallest = ChartExport::minimumSize(page.legend);
    if (format == ChartExport::Format::Png) {
        page.pixels = prompts->figureSize(
            window, QCoreApplication::translate("mainWin", "px"), page.size * page.ratio,
            QSizeF(smallest * page.ratio).toSize(), QSize(largestImageSide, largestImageSide));
        page.size
            = QSize(int(page.pixels.width() / page.ratio), int(page.pixels.height() / page.ratio));
    } else {
        // Points of the page; the figure's logical pixels are the widget's,
        // never more than the page holds.
        const qreal perPoint = page.dpi / 72;
        const QSize points = prompts->figureSize(
            window, QCoreApplication::translate("mainWin", "pt"), page.size / perPoint,
            QSize(qCeil(smallest.width() / perPoint), qCeil(smallest.height() / perPoint)),
            QSize(largestPageSide, largestPageSide));
        page.ratio = 1;
        page.size = QSize(int(points.width() * perPoint), int(points.height() * perPoint));
    }
    if (page.size.isEmpty())
        return;
    Preferences::setLastFolder(path);
    const std::optional<QByteArray> bytes = encodeWhileWaiting(format, page);
    if (!bytes)
        return; // abandoned
    if (bytes->isEmpty()) {
        const QSize pixels = page.pixels.isEmpty() ? page.size : page.pixels;
        prompts->warn(window, productName,
                      QCoreApplication::translate(
                          "mainWin", "There is not enough memory for a figure of %1 × %2 pixels.")
                          .arg(pixels.width())
                          .arg(pixels.height()));
        return;
    }
    FileError error;
    if (!writeWholeFile(path, *bytes, &error))
        refuse(error);
}

std::optional<QByteArray> ChartActions::encodeWhileWaiting(ChartExport::Format format,
                                                           const ChartExport::Page &page) const
{
    const Scene input = chart->input();
    QFutureWatcher<QByteArray> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([format, page, input] {
        try {
            return ChartExport::encode(format, page, input);
        } catch (const std::bad_alloc &) {
            return QByteArray();
        }
    }));
    // A figure done in a moment shows no dialog and takes no input meanwhile;
    // a longer one shows that it is being drawn and can be abandoned.
    QTimer moment;
    moment.setSingleShot(true);
    connect(&moment, &QTimer::timeout, &loop, &QEventLoop::quit);
    moment.start(400);
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    moment.stop();
    if (!watcher.isFinished()) {
        QProgressDialog progress(QCoreApplication::translate("mainWin", "Drawing the figure…"),
                                 QCoreApplication::translate("mainWin", "Cancel"), 0, 0,
                                 chart->window());
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        progress.show();
        if (!watcher.isFinished())
            loop.exec();
        if (!watcher.isFinished())
            return std::nullopt;
    }
    return watcher.result();
}

void ChartActions::copyChart()
{
    QGuiApplication::clipboard()->setImage(ChartExport::image(figure(), chart->input()));
    if (auto *window = qobject_cast<QMainWindow *>(chart->window()))
        window->statusBar()->showMessage(
            QCoreApplication::translate("mainWin",
                                        "The chart is on the clipboard, with its legend."),
            5000);
}

ChartExport::Page ChartActions::figure() const
{
    const Scene input = chart->input();
    const QLocale locale;
    ChartExport::Page page{chart->size(), 2, qreal(chart->logicalDpiY()), productName, {}, {}};
    for (std::size_t k = 0; k < input.cameras.size(); ++k) {
        if (!input.shown[k])
            continue;
        const CameraOptics &camera = input.cameras[k];
        page.legend.append(
            {int(k),
             Readout::depthOfField(int(k), depthOfField(camera, input.diffraction[k]), locale,
                                   input.axis.unit),
             Readout::settings(camera, input.diffraction[k], locale, input.axis.unit)
                 + (input.plans[k].shown ? QCoreApplication::translate(
                        "mainWin",
                        "; the thick bracket: the plan's range at its blur limit, the "
                        "dots its worst blur; the thin brackets: the stack's shots, the "
                        "dashed line its least blur")
                                         : QString())});
    }
    page.size.rheight() += ChartExport::legendHeight(page.legend, page.size.width());
    return page;
}
