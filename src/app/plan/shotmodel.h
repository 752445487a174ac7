#ifndef SHOTMODEL_H
#define SHOTMODEL_H

#include "optics/distanceorigin.h"
#include "optics/length.h"
#include "optics/planning.h"

#include <QAbstractTableModel>

// A focus stack's shots, far to near: number, focus and the near and far
// limit of each, in the chosen unit; on a rail, near to far, the rail's
// setting in place of the focus; distances from the origin, each shot's
// from where its lens stands.
class ShotModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setShots(const std::vector<Planning::Shot> &shots, LengthUnit unit,
                  DistanceOrigin origin = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Every shot with the headers, tab-separated, a line each.
    QString text() const;

private:
    double railStep() const;

    std::vector<Planning::Shot> shots;
    LengthUnit unit = LengthUnit::Metres;
    DistanceOrigin origin;
};

#endif // SHOTMODEL_H
