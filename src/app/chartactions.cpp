#include "chartactions.h"

#include "chart/chartinput.h"
#include "preferences.h"
#include "product.h"
#include "prompts.h"
#include "safefile.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

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
    const auto [path, format] = ChartExport::target(answer, int(filters.indexOf(filter)));
    // The dialog asked about the name as typed, not about the one with the suffix.
    if (path != answer && !prompts->mayReplace(window, path))
        return;
    Preferences::setLastFolder(path);
    QString error;
    if (!writeWholeFile(path, ChartExport::encode(format, page(), chart->input()), &error))
        prompts->reportFailure(
            window, QCoreApplication::translate("mainWin", "Could not export the chart to %1.\n%2"),
            path, error);
}

void ChartActions::copyChart()
{
    QGuiApplication::clipboard()->setImage(ChartExport::image(page(), chart->input()));
}

ChartExport::Page ChartActions::page() const
{
    return {chart->size(), chart->devicePixelRatioF(), qreal(chart->logicalDpiY()), productName};
}
