#include "shotmodel.h"

#include "text/readout.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {
enum Column { Number, Focus, Near, Far, Columns };
}

void ShotModel::setShots(const std::vector<Planning::Shot> &stack, LengthUnit shown,
                         DistanceOrigin from)
{
    const auto same = [](const Planning::Shot &a, const Planning::Shot &b) {
        return a.focus == b.focus && a.nearLimit == b.nearLimit && a.farLimit == b.farLimit
            && a.rail == b.rail;
    };
    if (shown == unit && from == origin
        && std::equal(stack.begin(), stack.end(), shots.begin(), shots.end(), same))
        return;
    beginResetModel();
    shots = stack;
    unit = shown;
    origin = from;
    endResetModel();
}

int ShotModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(shots.size());
}

int ShotModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ShotModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= shots.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const Planning::Shot &shot = shots[std::size_t(index.row())];
    // Three significant digits at least, and close up as many as tell the
    // shot's focus and limits apart.
    const auto distance = [this, &shot](double mm) {
        return Readout::length(origin.fromLens(mm, shot.focus - shot.rail), QLocale(), unit,
                               (shot.farLimit - shot.nearLimit) / 2);
    };
    switch (index.column()) {
    case Number:
        return index.row() + 1;
    case Focus:
        // On a rail, where the rail is set, in millimetres as rails are marked.
        if (Planning::onRail(shots))
            return Readout::length(shot.rail, QLocale(), LengthUnit::Metres, railStep());
        return distance(shot.focus);
    case Near:
        return distance(shot.nearLimit);
    default:
        return distance(shot.farLimit);
    }
}

QVariant ShotModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Number:
        return QStringLiteral("#");
    case Focus:
        return Planning::onRail(shots) ? QCoreApplication::translate("PlanForm", "Rail")
                                       : QCoreApplication::translate("mainWin", "Focus");
    case Near:
        return QCoreApplication::translate("PlanForm", "Near");
    default:
        return QCoreApplication::translate("PlanForm", "Far");
    }
}

double ShotModel::railStep() const
{
    return shots.size() > 1 ? shots[1].rail - shots[0].rail : 0;
}

QString ShotModel::text() const
{
    QStringList lines;
    for (int row = -1; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < Columns; ++column)
            cells << (row < 0 ? headerData(column, Qt::Horizontal) : data(this->index(row, column)))
                         .toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
