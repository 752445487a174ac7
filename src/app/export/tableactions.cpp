#include "tableactions.h"

#include "document/pathtext.h"
#include "document/preferences.h"
#include "model/formmodel.h"
#include "plan/planpanel.h"
#include "settings/safefile.h"
#include "ui_mainwin.h"
#include "window/product.h"
#include "window/prompts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>

#include <cstdlib>
#include <new>

namespace {

// Room that drawing a table may take at the most. Where a memory limit
// leaves less, the program says so rather than running out while drawing,
// where it could not go on.
constexpr std::size_t drawingRoom = std::size_t(64) << 20;

bool roomToDraw()
{
    void *room = std::malloc(drawingRoom);
    std::free(room);
    return room != nullptr;
}

} // namespace

TableActions::TableActions(QWidget *parent, const Ui_mainWin &ui, const FormModel &values,
                           const PlanPanel &panel, const std::unique_ptr<Prompts> &windowPrompts)
    : QObject(parent)
    , window(parent)
    , model(values)
    , plans(panel)
    , prompts(windowPrompts)
{
    connect(ui.actionExportTable, &QAction::triggered, this, &TableActions::exportTable);
    connect(ui.actionPrintTable, &QAction::triggered, this, &TableActions::printTable);
}

std::optional<TableActions::Content> TableActions::choose(const QString &title) const
{
    if (plans.cards().empty())
        return Content::Tables;
    const int chosen
        = prompts->choose(window, title, tr("Which pages to make:"),
                          {tr("Depth-of-field tables"), tr("Shot cards of the plans")});
    if (chosen < 0)
        return std::nullopt;
    return chosen == 0 ? Content::Tables : Content::Cards;
}

std::vector<DepthReport::Camera> TableActions::cameras() const
{
    std::vector<DepthReport::Camera> shown;
    for (int k = 0; k < model.cameraCount(); ++k) {
        const Field apature(k, CameraInput::Apature);
        if (model.camera(k).shown)
            shown.push_back({k, model.results(k).setup, model.minimum(apature),
                             model.maximum(apature), model.origin(k)});
    }
    return shown;
}

QStringList TableActions::sections(Content content) const
{
    const QString credit = QStringLiteral("%1 %2").arg(productName, productVersion);
    return content == Content::Tables ? DepthReport::tables(cameras(), model.unit(), credit)
                                      : DepthReport::cards(plans.cards(), model.unit(), credit);
}

QByteArray TableActions::csv(Content content) const
{
    return content == Content::Tables ? DepthReport::tablesCsv(cameras(), model.unit())
                                      : DepthReport::cardsCsv(plans.cards(), model.unit());
}

void TableActions::setUpPage(QPagedPaintDevice &device) const
{
    const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    device.setPageSize(QPageSize(inches ? QPageSize::Letter : QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

void TableActions::exportTable()
{
    const QString title = tr("Export Table");
    const std::optional<Content> content = choose(title);
    if (!content)
        return;
    const QStringList filters{tr("PDF (*.pdf)"), tr("CSV, comma-separated values (*.csv)")};
    QString filter = filters.first();
    const QString answer = prompts->saveFileName(window, title, Preferences::lastFolder(),
                                                 filters.join(QStringLiteral(";;")), &filter);
    if (answer.isEmpty())
        return;
    const QString suffix = QFileInfo(answer).suffix().toLower();
    const bool named = suffix == QLatin1String("pdf") || suffix == QLatin1String("csv");
    const bool asCsv = named ? suffix == QLatin1String("csv") : filter == filters.last();
    const QString path
        = named ? answer : answer + (asCsv ? QStringLiteral(".csv") : QStringLiteral(".pdf"));
    const QString failure = tr("Could not export the table to %1.\n%2");
    if (const std::optional<FileError> refused = writeRefusal(path))
        return prompts->reportFailure(window, failure, path, *refused);
    // The dialog asked about the name as typed, not about the one with the suffix.
    if (path != answer && !prompts->mayReplace(window, path))
        return;
    Preferences::setLastFolder(path);
    QByteArray bytes;
    try {
        if (!roomToDraw())
            throw std::bad_alloc();
        if (asCsv) {
            bytes = csv(*content);
        } else {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            pdf.setCreator(QStringLiteral("%1 %2").arg(productName, productVersion));
            pdf.setTitle(title);
            setUpPage(pdf);
            DepthReport::print(sections(*content), pdf);
        }
    } catch (const std::bad_alloc &) {
        return prompts->warn(window, productName,
                             tr("There is not enough memory to export the table."));
    }
    FileError error;
    if (!writeWholeFile(path, bytes, &error))
        prompts->reportFailure(window, failure, path, error);
}

void TableActions::printTable()
{
    const std::optional<Content> content = choose(tr("Print Table"));
    if (!content)
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer);
    if (!prompts->setUpPrinter(window, printer))
        return;
    try {
        if (!roomToDraw())
            throw std::bad_alloc();
        DepthReport::print(sections(*content), printer);
    } catch (const std::bad_alloc &) {
        return prompts->warn(window, productName,
                             tr("There is not enough memory to print the table."));
    }
    // A printer that could not begin, or a file that could not be written.
    if (printer.printerState() == QPrinter::Error)
        prompts->warn(window, productName,
                      tr("The table could not be printed on %1.")
                          .arg(printer.outputFileName().isEmpty()
                                   ? printer.printerName()
                                   : pathText(printer.outputFileName())));
}
