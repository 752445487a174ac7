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
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *copy = new QAction(tr("Copy"), table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &DetailsPanel::copySelection);
    table->addAction(copy);
    setWidget(table);
}

void DetailsPanel::setCameras(const std::array<CameraSetup, 2> &cameras, std::array<bool, 2> shown)
{
    QVector<DetailsModel::Camera> columns;
    for (std::size_t k = 0; k < cameras.size(); ++k) {
        if (shown[k])
            columns.append({int(k) + 1, cameras[k]});
    }
    model->setCameras(columns);
}

void DetailsPanel::copySelection() const
{
    const QModelIndexList cells = table->selectionModel()->selectedIndexes();
    if (!cells.isEmpty())
        QGuiApplication::clipboard()->setText(model->text(cells));
}
