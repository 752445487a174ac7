#include "detailsmodel.h"

#include "chart/chartpainter.h"
#include "text/readout.h"

#include <QColor>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace {

enum Row {
    NearLimit,
    FarLimit,
    TotalDepth,
    InFront,
    Behind,
    Hyperfocal,
    InfiniteFrom,
    BlurInCoc,
    BlurInMm,
    BlurShare,
    EquivalentFocalLength,
    EquivalentApature,
    AngleOfView,
    Magnification,
    WorkingApature,
    SubjectToSensor,
    Rows
};

constexpr std::array<const char *, Rows> rowTitles{
    QT_TRANSLATE_NOOP("mainWin", "Near limit"),
    QT_TRANSLATE_NOOP("mainWin", "Far limit"),
    QT_TRANSLATE_NOOP("mainWin", "Total depth"),
    QT_TRANSLATE_NOOP("mainWin", "In front of focus"),
    QT_TRANSLATE_NOOP("mainWin", "Behind focus"),
    QT_TRANSLATE_NOOP("mainWin", "Hyperfocal distance"),
    QT_TRANSLATE_NOOP("mainWin", "Far limit infinite from"),
    QT_TRANSLATE_NOOP("mainWin", "Background blur at ∞ (× CoC)"),
    QT_TRANSLATE_NOOP("mainWin", "Background blur at ∞ (mm)"),
    QT_TRANSLATE_NOOP("mainWin", "Background blur at ∞ (% of width)"),
    QT_TRANSLATE_NOOP("mainWin", "35 mm equivalent focal length"),
    QT_TRANSLATE_NOOP("mainWin", "35 mm equivalent f-number"),
    QT_TRANSLATE_NOOP("mainWin", "Horizontal angle of view"),
    QT_TRANSLATE_NOOP("mainWin", "Magnification"),
    QT_TRANSLATE_NOOP("mainWin", "Working f-number"),
    QT_TRANSLATE_NOOP("mainWin", "Subject to sensor"),
};

const QString nothing = QStringLiteral("–");

static_assert(DetailsModel::depthRows == Behind + 1);

} // namespace

void DetailsModel::setCameras(const QVector<Camera> &shown, LengthUnit newUnit)
{
    unit = newUnit;
    const bool sameColumns
        = std::equal(shown.begin(), shown.end(), cameras.begin(), cameras.end(),
                     [](const Camera &a, const Camera &b) { return a.number == b.number; });
    if (!sameColumns)
        beginResetModel();
    cameras = shown;
    if (!sameColumns)
        endResetModel();
    else if (!cameras.isEmpty())
        emit dataChanged(index(0, 0), index(Rows - 1, int(cameras.size()) - 1));
}

int DetailsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Rows;
}

int DetailsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(cameras.size());
}

QVariant DetailsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(index.row() == NearLimit && nothingSharp(index.column())
                       ? Qt::AlignLeft | Qt::AlignVCenter
                       : Qt::AlignRight | Qt::AlignVCenter);
    // A cell too narrow for its text still tells it when pointed at.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return cell(cameras.at(index.column()), index.row());
}

QVariant DetailsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole
            ? QCoreApplication::translate("mainWin", rowTitles.at(std::size_t(section)))
            : QVariant();
    const int number = cameras.at(section).number;
    if (role == Qt::ForegroundRole)
        return QColor(ChartPainter::cameraColours.at(std::size_t(number - 1)));
    return role == Qt::DisplayRole ? QCoreApplication::translate("mainWin", "Camera %1").arg(number)
                                   : QVariant();
}

QString DetailsModel::cell(const Camera &camera, int row) const
{
    const QLocale locale;
    const CameraResults &results = camera.results;
    const CameraSetup &setup = results.setup;
    const CameraOptics &optics = setup.optics;
    // The depth's lengths are the same from either origin.
    const DepthOfField limits = camera.origin.fromLens(results.depth, optics.fdist);
    if (row <= Behind && limits.state != DepthOfField::Sharp) {
        if (row != NearLimit)
            return nothing;
        return reasons().at(limits.state == DepthOfField::DiffractionTooLarge ? 0 : 1);
    }
    const double blur = results.backgroundBlur;
    const auto number = [&locale](double value, int decimals, const QString &unit) {
        return std::isnan(value) ? nothing : locale.toString(value, 'f', decimals) + unit;
    };
    switch (Row(row)) {
    case NearLimit:
        return Readout::limit(limits.nearLimit, locale, unit, limits.farLimit - limits.nearLimit);
    case FarLimit:
        return Readout::limit(limits.farLimit, locale, unit, limits.farLimit - limits.nearLimit);
    case TotalDepth:
        return Readout::length(limits.farLimit - limits.nearLimit, locale, unit);
    case InFront:
        return Readout::length(optics.fdist - results.depth.nearLimit, locale, unit);
    case Behind:
        return Readout::length(results.depth.farLimit - optics.fdist, locale, unit);
    case Hyperfocal:
        return Readout::limit(camera.origin.fromLens(optics.hyperfocal()), locale, unit);
    case InfiniteFrom:
        return std::isnan(results.infiniteFrom)
            ? nothing
            : Readout::limit(camera.origin.fromLens(results.infiniteFrom), locale, unit);
    case BlurInCoc:
        return number(blur / optics.coc, 1, QString());
    case BlurInMm:
        return number(blur, 3, QStringLiteral(" mm"));
    case BlurShare:
        return number(100 * blur / setup.sensorWidth, 2, QStringLiteral(" %"));
    case EquivalentFocalLength:
        return number(setup.cropFactor * optics.flength, 0, QStringLiteral(" mm"));
    case EquivalentApature:
        return QStringLiteral("f/") + number(setup.cropFactor * optics.apature, 1, {});
    case AngleOfView:
        return number(2 * std::atan(setup.sensorWidth / (2 * optics.flength)) * 180 / M_PI, 1,
                      QStringLiteral("°"));
    case Magnification:
        return std::isnan(results.magnification)
            ? nothing
            : Readout::magnification(results.magnification, locale);
    case WorkingApature:
        return QStringLiteral("f/") + number(results.workingApature, 1, {});
    case SubjectToSensor:
        return std::isnan(results.subjectToSensor)
            ? nothing
            : Readout::length(results.subjectToSensor, locale, unit);
    case Rows:
        break;
    }
    return {};
}

QStringList DetailsModel::reasons()
{
    return {QCoreApplication::translate("mainWin",
                                        "nothing sharp: the diffraction disc reaches the CoC"),
            QCoreApplication::translate("mainWin",
                                        "nothing sharp: focus at or inside the focal length")};
}

bool DetailsModel::nothingSharp(int column) const
{
    return cameras.at(column).results.depth.state != DepthOfField::Sharp;
}

QString DetailsModel::text(const QModelIndexList &cells) const
{
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex &index : cells) {
        rows.insert(index.row());
        columns.insert(index.column());
    }
    QStringList lines;
    QStringList line{QString()};
    for (int column : columns)
        line << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << line.join(QLatin1Char('\t'));
    for (int row : rows) {
        line = QStringList{headerData(row, Qt::Vertical, Qt::DisplayRole).toString()};
        for (int column : columns)
            line << (cells.contains(index(row, column)) ? cell(cameras.at(column), row)
                                                        : QString());
        lines << line.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
