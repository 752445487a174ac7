#ifndef CHARTEXPORT_H
#define CHARTEXPORT_H

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <QVector>

#include <utility>

struct Scene;

// The chart as a picture or a document, drawn by the same routine as on screen.
namespace ChartExport {

enum class Format { Png, Svg, Pdf };

// One camera under a figure's chart: a swatch in its colour, its heading in
// that colour and its details below.
struct LegendEntry
{
    int camera; // counted from 0
    QString heading;
    QString details;
};

// The size of the figure in logical pixels, its device pixel ratio and the
// logical dots per inch that its fonts are sized for, the title that an SVG
// or PDF carries, and the legend under the chart, if any. An image is
// size times ratio unless pixels says otherwise.
struct Page
{
    QSize size;
    qreal ratio = 1;
    qreal dpi = 96;
    QString title;
    QVector<LegendEntry> legend;
    QSize pixels;
};

// The height that the legend takes under a chart of the given width, on screen.
int legendHeight(const QVector<LegendEntry> &legend, int width);

// The smallest figure, in logical pixels, whose chart and legend can be read.
QSize minimumSize(const QVector<LegendEntry> &legend);

// File dialog filters in the order of Format.
QStringList fileFilters();

// A name with a known suffix keeps it and its format; any other name gets the
// format of the chosen filter and its suffix.
std::pair<QString, Format> target(const QString &name, int filterIndex);

// On white, at the size times the device pixel ratio; null where the
// image cannot be had. The linear axis spans the distances of the input's
// columns.
QImage image(const Page &page, const Scene &input);
// Empty where the figure cannot be made. Safe to call off the GUI thread.
QByteArray encode(Format format, const Page &page, const Scene &input);

} // namespace ChartExport

#endif // CHARTEXPORT_H
