#include "chartactions.h"

#include "chart/chartinput.h"
#include "preferences.h"
#include "product.h"
#include "prompts.h"
#include "readout.h"
#include "safefile.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>

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
    const auto refuse = [&](const QString &reason) {
        prompts->reportFailure(
            window, QCoreApplication::translate("mainWin", "Could not export the chart to %1.\n%2"),
            path, reason);
    };
    if (const QString refused = writeRefusal(path); !refused.isEmpty())
        return refuse(refused);
    // The dialog asked about the name as typed, not about the one with the suffix.
    if (path != answer && !prompts->mayReplace(window, path))
        return;
    ChartExport::Page page = figure();
    if (format == ChartExport::Format::Png) {
        page.pixels = prompts->figureSize(window, QCoreApplication::translate("mainWin", "px"),
                                          page.size * page.ratio);
        page.size
            = QSize(int(page.pixels.width() / page.ratio), int(page.pixels.height() / page.ratio));
    } else {
        // Points of the page; the figure's logical pixels are the widget's,
        // never more than the page holds.
        const qreal perPoint = page.dpi / 72;
        const QSize points = prompts->figureSize(
            window, QCoreApplication::translate("mainWin", "pt"), page.size / perPoint);
        page.ratio = 1;
        page.size = QSize(int(points.width() * perPoint), int(points.height() * perPoint));
    }
    if (page.size.isEmpty())
        return;
    Preferences::setLastFolder(path);
    QString error;
    if (!writeWholeFile(path, ChartExport::encode(format, page, chart->input()), &error))
        refuse(error);
}

void ChartActions::copyChart()
{
    QGuiApplication::clipboard()->setImage(ChartExport::image(figure(), chart->input()));
}

ChartExport::Page ChartActions::figure() const
{
    const ChartInput input = chart->input();
    const QLocale locale;
    ChartExport::Page page{chart->size(), 2, qreal(chart->logicalDpiY()), productName, {}, {}};
    for (std::size_t k = 0; k < input.cameras.size(); ++k) {
        if (!input.shown[k])
            continue;
        const CameraOptics &camera = input.cameras[k];
        page.legend.append(
            {int(k),
             Readout::depthOfField(int(k), depthOfField(camera, input.diffraction[k]), locale,
                                   input.scale.unit),
             Readout::settings(camera, input.diffraction[k], locale, input.scale.unit)});
    }
    page.size.rheight() += ChartExport::legendHeight(page.legend, page.size.width());
    return page;
}
