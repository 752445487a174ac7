#include "detailspanel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>

DetailsPanel::DetailsPanel(QWidget *parent)
    : QDockWidget(tr("Details"), parent)
    , model(new DetailsModel(this))
    , table(new QTableView(this))
{
    setObjectName(QStringLiteral("detailsDock"));
    table->setObjectName(QStringLiteral("detailsTable"));
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Wide enough for its numbers where the screen allows.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // Measuring the cells on every change would cost more than the rest of
    // a recalculation: the columns share the width instead.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setDefaultSectionSize(90);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    auto *copy = new QAction(tr("Copy"), table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &DetailsPanel::copySelection);
    table->addAction(copy);
    setWidget(table);
}

void DetailsPanel::setCameras(const std::array<CameraSetup, 2> &cameras, std::array<bool, 2> shown,
                              LengthUnit unit)
{
    QVector<DetailsModel::Camera> columns;
    for (std::size_t k = 0; k < cameras.size(); ++k) {
        if (shown[k])
            columns.append({int(k) + 1, cameras[k]});
    }
    model->setCameras(columns, unit);
}

void DetailsPanel::copySelection() const
{
    const QModelIndexList cells = table->selectionModel()->selectedIndexes();
    if (!cells.isEmpty())
        QGuiApplication::clipboard()->setText(model->text(cells));
}
