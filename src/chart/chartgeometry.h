#ifndef CHARTGEOMETRY_H
#define CHARTGEOMETRY_H

#include <QFontMetrics>
#include <QLine>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

#include "optics/length.h"

struct CameraOptics;

// Where the blur chart puts things, free of any painter so that every rule
// can be checked on its own. Columns are counted from the y axis (column 0)
// and converted to pixels with ChartFrame::x().
namespace ChartGeometry {

// The smallest chart whose ticks, titles and credit stay apart.
constexpr QSize smallestChart(260, 160);

struct ChartFrame
{
    int width = 0;
    int height = 0;
    int leftMargin = 30;
    int rightMargin = 10;
    int topMargin = 10;
    int bottomMargin = 30;

    // Grid lines reach this far left of the y axis, ticks below the x axis.
    static constexpr int tickLength = 3;
    // Each axis ends in an arrow head this long and twice this wide.
    static constexpr int arrowLength = 10;
    static constexpr int arrowHalfWidth = 5;
    // The grid lines and U = 1 end this far short of the x axis's tip.
    static constexpr int lineEndGap = 5;
    // The English axis title begins this far left of the right edge; its
    // baseline lies this far above the bottom.
    static constexpr int titleInset = 60;
    static constexpr int titleBaseline = 12;

    int axisRow() const { return height - bottomMargin; }
    int plotWidth() const { return width - leftMargin - rightMargin; }
    int plotHeight() const { return height - bottomMargin - topMargin; }
    int x(int column) const { return leftMargin + column; }
};

// How columns map to distances.
enum class AxisMode {
    FromCamera, // linear, from the camera
    // Linear, signed from each camera's focus plane, around which each curve is sampled.
    FromFocusPlane,
    // Linear in 1/distance, from the left border to infinity at the last of
    // the plot's columns; xs does not apply.
    ToInfinity,
    // Linear and continuous, signed from each camera's focus plane, centre
    // at the plot's middle column; xs below a millimetre.
    CloseUp,
};

// The distance axis: columns to distances and back, in one of its four
// modes, across the plot's columns. Each camera's subjects are placed by
// their distance from its lens, which on an axis from the camera lies its
// image distance in front of the axis's origin where that is the sensor plane.
struct Axis
{
    double xs = 10;        // millimetres of distance per column; whole on screen but close up
    qint64 leftBorder = 0; // distance at column 0, mm
    AxisMode mode = AxisMode::FromCamera;
    int columns = 0;                      // the plot's, which the axis to infinity spans
    LengthUnit unit = LengthUnit::Metres; // of the tick labels
    double centre = 0;                    // close up, at the middle column, mm
    bool fromSensor = false;              // the origin of the axes from the camera

    // The distance that the axis reads at a column, mm: from the camera, or
    // in focus-plane mode and close up signed from the focus plane; infinite
    // at the last column of the axis to infinity.
    double distanceAt(int column) const;
    // The column, unrounded, at which a subject of the camera lies, its
    // distance from the lens given; around the focus in focus-plane mode and
    // close up. Infinity lies at the last column of the axis to infinity,
    // beyond every other.
    double columnAt(double distance, const CameraOptics &camera) const;
    // The distance that the axis reads for a subject of the camera, its
    // distance from the lens given: from the sensor plane where an axis from
    // the camera reads from there.
    double readingOf(double distance, const CameraOptics &camera) const;
    // The camera's subject distance from the lens sampled for a column, mm:
    // whole mm on the linear axis.
    double sampleAt(const CameraOptics &camera, int column) const;
    // The left border, mm, at which the axis reads distance at the column;
    // the present one for an infinite distance.
    qint64 borderFor(double distance, int column) const;
    // The axis for a plot of another number of columns that spans the same
    // distances; the axis to infinity spans them at any width already.
    Axis spanning(int otherColumns) const;
};

struct GridLine
{
    int row;
    QRect labelRect;
    QString label;
};

// In hundredths of the unit: ticks every interval, labels on multiples of labelEvery.
struct TickRule
{
    int interval;
    int labelEvery;
};

struct Tick
{
    int column;
    QString label;   // empty for a tick without a label
    QRect labelRect; // the label's text, centred under the tick
};

// Columns between which a curve lies at or below U = 1. entry is the last
// column above the line before the curve dips (0 when it starts sharp
// beyond the focal length), exit the first above it again.
struct Band
{
    int entry = -1;
    int exit = 99999;

    bool isDrawn() const { return entry != -1 && exit > entry; }
};

// The curve is the polyline through one point per column, from the first
// column whose subject lies beyond the focal length.
struct Curve
{
    QVector<QPoint> points;
    Band band;
};

double gridStep(int ys);
// Labelled in the measure, perUnit to a unit of the scale.
QVector<GridLine> gridLines(const ChartFrame &frame, int ys, double perUnit = 1);

TickRule tickRule(double xs, LengthUnit unit);

// Ticks mark round distances in the scale's unit from the camera, or in
// focus-plane mode signed distances from the focus plane; on the axis to
// infinity round steps of each decade, and infinity at the last column; close
// up 1, 2 or 5 of a decade of micrometres or millimetres from the focus
// plane, as closeUpInMillimetres() says. A
// label is kept only where its whole text fits in the widget, clear of the
// previous label and of the axis title, whose left edge is titleLeft (to
// infinity the title stands below the labels).
QVector<Tick> distanceTicks(const ChartFrame &frame, const Axis &axis, const QFontMetrics &metrics,
                            int titleLeft);

// Whether the close-up axis's tick labels count millimetres rather than micrometres.
bool closeUpInMillimetres(const Axis &axis);

// The "∞" label under the last column of the axis to infinity.
QRect infinityLabel(const ChartFrame &frame, const QFontMetrics &metrics);

// The pixel row of a blur value, truncated toward zero. Values that are not
// finite or lie far outside the widget are clamped first, far enough away
// that a segment towards them looks the same inside the widget; NaN counts
// as above the top edge.
int rowOf(const ChartFrame &frame, double u, double ys);

// ys: pixels per unit of U; the band is where U <= 1 whatever the scale.
Curve traceCurve(const CameraOptics &camera, bool withDiffraction, const ChartFrame &frame,
                 const Axis &axis, double ys);

// The curve for devices that draw finer than a pixel (SVG, PDF): sampled
// perColumn times per column at unrounded rows, and cut where it leaves the
// widget's rows, so that no coordinate lies far outside the page.
QPainterPath smoothCurve(const CameraOptics &camera, bool withDiffraction, const ChartFrame &frame,
                         const Axis &axis, double ys, int perColumn);

// The pixels that a one-pixel cosmetic pen sets for an axis-aligned line,
// as a rectangle to fill: the same pixels at a fraction of the cost.
QRect lineRect(const QLine &line);

// The segments of the polyline through the curve's points, with each run of
// equal rows joined into one horizontal segment: the same pixels for an
// aliased pen, in far fewer segments where the curve is flat.
QVector<QLine> curveSegments(const QVector<QPoint> &points);

// Full plot height from the entry to the column before the exit, at most to
// the plot's last column; null when there is nothing to draw.
QRect bandRect(const ChartFrame &frame, const Band &band);

} // namespace ChartGeometry

#endif // CHARTGEOMETRY_H
