#ifndef DETAILSMODEL_H
#define DETAILSMODEL_H

#include "model/formmodel.h"
#include "optics/length.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QVector>

// What a photographer asks of each shown camera: its depth of field, the
// blur of the background, its 35 mm equivalents and angle of view. One
// column per shown camera, one row per quantity, in the user's locale.
class DetailsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Camera
    {
        int number; // 1 or 2
        CameraResults results;
        DistanceOrigin origin; // of its distances
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The columns are rebuilt only where the shown cameras change, so that
    // a selection survives new values. Distances are given in the unit.
    void setCameras(const QVector<Camera> &shown, LengthUnit unit);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The cells, with their row and column headers, as tab-separated lines.
    QString text(const QModelIndexList &cells) const;

    // Rows of the depth of field, which say instead why nothing is sharp.
    static constexpr int depthRows = 5;
    bool nothingSharp(int column) const;
    // What the first of those rows says then.
    static QStringList reasons();

private:
    QString cell(const Camera &camera, int row) const;

    QVector<Camera> cameras;
    LengthUnit unit = LengthUnit::Metres;
};

#endif // DETAILSMODEL_H
