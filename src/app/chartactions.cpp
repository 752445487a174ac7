#include "chartactions.h"

#include "chart/chartinput.h"
#include "preferences.h"
#include "product.h"
#include "prompts.h"
#include "safefile.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>

ChartActions::ChartActions(graph *shown, const std::unique_ptr<Prompts> &windowPrompts)
    : QObject(shown)
    , chart(shown)
    , prompts(windowPrompts)
    , exporting(new QAction(QCoreApplication::translate("mainWin", "Export Chart..."), this))
    , edit(new QMenu(QCoreApplication::translate("mainWin", "Edit"), chart->window()))
{
    exporting->setObjectName(QStringLiteral("actionExport_Chart"));
    connect(exporting, &QAction::triggered, this, &ChartActions::exportChart);
    edit->setObjectName(QStringLiteral("menuEdit"));
    QAction *copy = edit->addAction(QCoreApplication::translate("mainWin", "Copy Chart"));
    copy->setObjectName(QStringLiteral("actionCopy_Chart"));
    connect(copy, &QAction::triggered, this, &ChartActions::copyChart);
}

ChartActions::~ChartActions() = default;

QAction *ChartActions::exportAction() const
{
    return exporting;
}

QMenu *ChartActions::editMenu() const
{
    return edit;
}

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
