#include "detailspanel.h"

#include "text/readout.h"
#include "ui_mainwin.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

DetailsPanel::DetailsPanel(const Ui_mainWin &form, const FormModel &results)
    : QWidget(form.centralwidget)
    , values(results)
    , model(new DetailsModel(this))
    , table(new QTableView(this))
    , notice(new QLabel(this))
{
    setObjectName(QStringLiteral("detailsPanel"));
    setWindowTitle(QCoreApplication::translate("mainWin", "D&etails"));
    table->setObjectName(QStringLiteral("detailsTable"));
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // As wide as its titles and numbers, the chart taking the rest. Measuring
    // the cells on every change would cost more than the rest of a
    // recalculation: the columns are as wide as the widest likely number.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    const QFontMetrics metrics = table->fontMetrics();
    // Why nothing is sharp is wrapped at its words.
    int widest
        = metrics.horizontalAdvance(QLocale().toString(88888.88, 'f', 2) + QStringLiteral(" mm"));
    for (const QString &reason : DetailsModel::reasons()) {
        for (const QString &word : reason.split(QLatin1Char(' ')))
            widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setDefaultSectionSize(widest + 2 * metrics.averageCharWidth());
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    auto *copy = new QAction(QCoreApplication::translate("mainWin", "Copy"), table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &DetailsPanel::copySelection);
    table->addAction(copy);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(table);
    notice->setObjectName(QStringLiteral("detailsNotice"));
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::RichText);
    notice->hide();
    connect(notice, &QLabel::linkActivated, form.actionWorkingFNumber, &QAction::trigger);
    layout->addWidget(notice);
}

QSize DetailsPanel::sizeHint() const
{
    const int frame = 2 * table->frameWidth();
    return {frame + table->verticalHeader()->sizeHint().width()
                + 2 * table->horizontalHeader()->defaultSectionSize()
                + table->verticalScrollBar()->sizeHint().width(),
            frame + table->horizontalHeader()->sizeHint().height()
                + model->rowCount() * table->verticalHeader()->defaultSectionSize()};
}

QSize DetailsPanel::minimumSizeHint() const
{
    // Its columns whole: the chart and the preview beside it give way first.
    return {sizeHint().width(), QWidget::minimumSizeHint().height()};
}

void DetailsPanel::follow()
{
    if (isHidden())
        return;
    QVector<DetailsModel::Camera> columns;
    QStringList notices;
    for (int k = 0; k < values.cameraCount(); ++k) {
        if (!values.camera(k).shown)
            continue;
        const CameraSetup &setup = values.results(k).setup;
        columns.append({k + 1, values.results(k), values.origin(k)});
        if (const QString said = Readout::discNotice(k, setup.optics, setup.diffraction, QLocale());
            !said.isEmpty())
            notices << said.toHtmlEscaped();
    }
    notice->setVisible(!notices.isEmpty());
    if (!notices.isEmpty())
        notice->setText(QStringLiteral("%1 <a href=\"working\">%2</a>")
                            .arg(notices.join(QStringLiteral("<br>")),
                                 QCoreApplication::translate(
                                     "mainWin", "Compute it at the working f-number.")));
    model->setCameras(columns, values.unit());
    // Why nothing is sharp takes the depth of field's rows, wrapped; a span
    // is set anew only where it changes, not at every recalculation.
    for (int column = 0; column < model->columnCount(); ++column) {
        const int rows = model->nothingSharp(column) ? DetailsModel::depthRows : 1;
        if (table->rowSpan(0, column) != rows)
            table->setSpan(0, column, rows, 1);
    }
}

void DetailsPanel::copySelection() const
{
    const QModelIndexList cells = table->selectionModel()->selectedIndexes();
    if (!cells.isEmpty())
        QGuiApplication::clipboard()->setText(model->text(cells));
}
