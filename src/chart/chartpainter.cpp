#include "chartpainter.h"

#include "chartgeometry.h"
#include "planpainter.h"
#include "scene.h"

#include <QCoreApplication>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>

using namespace ChartGeometry;

namespace ChartPainter {
namespace {

const QColor axisColour(0, 0, 0);
const QColor gridColour(200, 200, 200);

// One device pixel wide at every scale.
QPen cosmeticPen(const QColor &colour)
{
    QPen pen(colour, 0);
    pen.setCosmetic(true);
    return pen;
}

void fillRects(QPainter &painter, const QVector<QRect> &rects, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(colour, Qt::SolidPattern));
    painter.drawRects(rects);
}

// Device pixels per logical pixel where that is a whole number on a raster
// device, so that rectangles can be filled in device pixels; 0 elsewhere
// (fractional ratios, SVG, PDF).
int wholePixelScale(QPainter &painter)
{
    const QTransform &transform = painter.deviceTransform();
    const int scale = qRound(transform.m11());
    if (painter.paintEngine()->type() != QPaintEngine::Raster
        || transform.type() > QTransform::TxScale || scale < 1 || transform.m11() != scale
        || transform.m22() != scale)
        return 0;
    return scale;
}

// Axis-aligned lines of a colour. Where device pixels are whole, they are
// filled as rectangles of the cosmetic pen's very pixels, many times faster;
// elsewhere the pen draws them.
void drawStraightLines(QPainter &painter, const QVector<QLine> &lines, const QColor &colour)
{
    const int scale = wholePixelScale(painter);
    if (scale == 0) {
        painter.setPen(cosmeticPen(colour));
        painter.drawLines(lines);
        return;
    }
    QVector<QRect> rects;
    rects.reserve(lines.size());
    for (const QLine &line : lines) {
        const QRect r = lineRect(line);
        rects.append(QRect(r.x() * scale, r.y() * scale, (r.width() - 1) * scale + 1,
                           (r.height() - 1) * scale + 1));
    }
    painter.save();
    painter.scale(1.0 / scale, 1.0 / scale);
    fillRects(painter, rects, colour);
    painter.restore();
}

// What decides a label's pixels, apart from where it goes.
struct LabelKey
{
    QString text;
    QFont font;
    QSize size;
    int flags;
    int scale;
    int dpi; // the device's, which sizes the font in pixels
    QRgb colour;

    bool operator==(const LabelKey &other) const
    {
        return text == other.text && size == other.size && flags == other.flags
            && scale == other.scale && dpi == other.dpi && colour == other.colour
            && font == other.font;
    }
};

size_t qHash(const LabelKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.size.width(), key.size.height(), key.flags, key.scale,
                      key.dpi, key.colour);
}

// A label as drawText() would draw it. On a raster device whose pixels are
// whole it is drawn once into a transparent image, kept, and blended: the
// very pixels that drawing the text sets, at a twentieth of the cost, for
// the chart draws the same few dozen numbers at every paint.
void drawLabel(QPainter &painter, const QRect &rect, int flags, const QString &text)
{
    const int scale = wholePixelScale(painter);
    if (scale == 0) {
        painter.drawText(rect, flags, text);
        return;
    }
    struct Drawn
    {
        QPoint offset; // of the image from the rectangle's top left
        QImage image;
    };
    thread_local QHash<LabelKey, Drawn> drawn; // figures are drawn off the GUI thread
    const int dpi = painter.device()->logicalDpiY();
    const LabelKey key{
        text, painter.font(), rect.size(), flags, scale, dpi, painter.pen().color().rgba()};
    auto label = drawn.constFind(key);
    if (label == drawn.constEnd()) {
        if (drawn.size() > 2000)
            drawn.clear();
        // Room for glyphs beyond the rectangle, as TextDontClip lets them go.
        const QRect local(QPoint(), rect.size());
        const QRect area = painter.fontMetrics()
                               .boundingRect(local, flags, text)
                               .united(local)
                               .adjusted(-2, -2, 2, 2);
        QImage image(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.setDotsPerMeterX(qRound(painter.device()->logicalDpiX() / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::transparent);
        QPainter layer(&image);
        layer.setFont(painter.font());
        layer.setPen(painter.pen());
        layer.drawText(local.translated(-area.topLeft()), flags, text);
        layer.end();
        label = drawn.insert(key, {area.topLeft(), image});
    }
    painter.drawImage(rect.topLeft() + label->offset, label->image);
}

QString axisTitle(const Axis &axis)
{
    const bool feet = axis.unit == LengthUnit::Feet;
    const char *title = feet ? QT_TRANSLATE_NOOP("ChartPainter", "Distance [ft]")
                             : QT_TRANSLATE_NOOP("ChartPainter", "Distance [m]");
    if (axis.mode == ChartGeometry::AxisMode::CloseUp)
        title = closeUpInMillimetres(axis)
            ? QT_TRANSLATE_NOOP("ChartPainter", "Distance from focus [mm]")
            : QT_TRANSLATE_NOOP("ChartPainter", "Distance from focus [µm]");
    else if (axis.fromSensor && axis.mode != ChartGeometry::AxisMode::FromFocusPlane)
        title = feet ? QT_TRANSLATE_NOOP("ChartPainter", "Distance from sensor [ft]")
                     : QT_TRANSLATE_NOOP("ChartPainter", "Distance from sensor [m]");
    return QCoreApplication::translate("ChartPainter", title);
}

// Where a camera's focus lies off the plot: an arrow at that edge in its
// colour, with the focus distance as the form shows it.
void drawOffPlot(QPainter &painter, const ChartFrame &frame, const Axis &axis,
                 const CameraOptics &camera, int index, const QColor &colour, const QString &text)
{
    const double column = axis.columnAt(camera.fdist, camera);
    const int last = frame.plotWidth() - 1;
    if (!(column < 0 || column > last))
        return;
    const bool left = column < 0;
    const int y = frame.topMargin + 14 + index * 16;
    const int edge = left ? frame.x(0) + 2 : frame.x(last) - 2;
    const int inward = left ? 1 : -1;
    const QPolygon arrow{QPoint(edge, y), QPoint(edge + inward * 9, y - 5),
                         QPoint(edge + inward * 9, y + 5)};
    painter.save();
    // Within the plot, however small.
    painter.setClipRect(QRect(frame.x(0), frame.topMargin, frame.plotWidth(), frame.plotHeight()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(arrow);
    painter.setPen(colour);
    const QRect room(left ? edge + 12 : edge - 12 - 200, y - 8, 200, 16);
    const Qt::Alignment side = left ? Qt::AlignLeft : Qt::AlignRight;
    painter.drawText(room, int(Qt::AlignVCenter | side), text);
    painter.restore();
}

QString measureTitle(BlurMeasure measure)
{
    return measure == BlurMeasure::Percent
        ? QCoreApplication::translate("ChartPainter", "Blur [%]")
        : QCoreApplication::translate("ChartPainter", "Blur [µm]");
}

} // namespace

void paint(QPainter &painter, const QSize &size, const Scene &input)
{
    const ChartFrame frame{size.width(), size.height()};
    Axis distances = input.axis;
    distances.columns = frame.plotWidth();
    const int w = frame.width;
    const int h = frame.height;
    const int axis = frame.axisRow();
    const int left = frame.leftMargin;
    const int right = w - frame.rightMargin;
    const int top = frame.topMargin;
    const int lineEnd = right - ChartFrame::lineEndGap;
    const std::array<QColor, 2> cameraColour{QColor(cameraColours[0]), QColor(cameraColours[1])};

    // Axis titles keep the painter's initial pen, the widget's foreground.
    const QFont small(QStringLiteral("Arial"), 8);
    painter.setFont(small);
    if (input.measure == BlurMeasure::Coc) {
        painter.drawText(0, 10, QStringLiteral("U  [-]"));
        painter.drawText(7, 12, QStringLiteral("z"));
    } else {
        painter.drawText(0, 10, measureTitle(input.measure));
    }
    const QString title = axisTitle(distances);
    // A translated title ends where the English one always has. On the axis
    // to infinity the labels run up to the "∞", and the title stands below
    // them, ending with the plot.
    const QFontMetrics metrics = painter.fontMetrics();
    int titleLeft = w - ChartFrame::titleInset - metrics.horizontalAdvance(title)
        + metrics.horizontalAdvance(QStringLiteral("Distance [m]"));
    if (distances.mode == ChartGeometry::AxisMode::ToInfinity)
        painter.drawText(frame.x(frame.plotWidth() - 1) - metrics.horizontalAdvance(title), h - 1,
                         title);
    else
        painter.drawText(titleLeft, h - ChartFrame::titleBaseline, title);

    painter.setFont(QFont(QStringLiteral("Arial"), 9));
    painter.setPen(cosmeticPen(cameraColour[0]));
    painter.drawText(1, h - 1, input.credit);
    painter.setFont(small);

    const QVector<GridLine> grid = gridLines(frame, input.ys, input.perUnit);
    const QVector<Tick> ticks = distanceTicks(frame, distances, metrics, titleLeft);
    QVector<QLine> greyLines;
    for (const GridLine &line : grid)
        greyLines.append({left - ChartFrame::tickLength, line.row, lineEnd, line.row});
    for (const Tick &tick : ticks)
        greyLines.append(
            {frame.x(tick.column), axis + ChartFrame::tickLength, frame.x(tick.column), top});
    drawStraightLines(painter, greyLines, gridColour);

    painter.setPen(cosmeticPen(axisColour));
    for (const GridLine &line : grid) {
        if (!line.label.isEmpty())
            drawLabel(painter, line.labelRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                      line.label);
    }
    for (const Tick &tick : ticks) {
        if (!tick.label.isEmpty())
            drawLabel(painter, tick.labelRect, Qt::AlignHCenter | Qt::AlignVCenter, tick.label);
    }

    QVector<QLine> axes{{left, axis, right, axis}, {left, axis, left, top}};
    if (input.measure == BlurMeasure::Coc)
        axes.append({left, axis - input.ys, lineEnd, axis - input.ys}); // U = 1
    drawStraightLines(painter, axes, axisColour);
    // Otherwise each camera's own CoC, in its colour.
    for (std::size_t k = 0; k < 2 && input.measure != BlurMeasure::Coc; ++k) {
        const int row = rowOf(frame, 1, input.ys * input.perCoc[k]);
        if (input.shown[k])
            drawStraightLines(painter, {{left, row, lineEnd, row}}, cameraColour[k]);
    }
    painter.setPen(cosmeticPen(axisColour));
    constexpr int length = ChartFrame::arrowLength;
    constexpr int half = ChartFrame::arrowHalfWidth;
    painter.drawLines(QVector<QLine>{{right, axis, right - length, axis - half},
                                     {right, axis, right - length, axis + half},
                                     {left, top, left - half, top + length},
                                     {left, top, left + half, top + length}});

    const QPaintEngine::Type engine = painter.paintEngine()->type();
    const bool vector = engine == QPaintEngine::SVG || engine == QPaintEngine::Pdf;
    for (std::size_t k = 0; k < 2; ++k) {
        if (!input.shown[k])
            continue;
        const double ys = input.ys * input.perCoc[k];
        const Curve curve
            = traceCurve(input.cameras[k], input.diffraction[k], frame, distances, ys);
        painter.setPen(cosmeticPen(cameraColour[k]));
        if (vector) {
            // A figure is looked at closer than a screen: no pixel staircase.
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(
                smoothCurve(input.cameras[k], input.diffraction[k], frame, distances, ys, 4));
        } else {
            // Stretches wholly above or below the widget would set no pixel.
            QVector<QLine> segments = curveSegments(curve.points);
            segments.erase(std::remove_if(segments.begin(), segments.end(),
                                          [h](const QLine &line) {
                                              return (line.y1() < 0 && line.y2() < 0)
                                                  || (line.y1() >= h && line.y2() >= h);
                                          }),
                           segments.end());
            painter.drawLines(segments);
        }

        PlanPainter::paint(painter, frame, distances, input, k, cameraColour[k]);
        drawOffPlot(painter, frame, distances, input.cameras[k], int(k), cameraColour[k],
                    input.focusText[k]);
        const QRect band = bandRect(frame, curve.band);
        if (band.isNull())
            continue;
        QColor tint = cameraColour[k];
        tint.setAlpha(bandAlpha);
        if (const int scale = wholePixelScale(painter)) {
            // Blended as one image: the same pixels as the translucent fill,
            // which the raster engine blends row by row, ten times faster.
            QImage layer(band.size() * scale, QImage::Format_ARGB32_Premultiplied);
            layer.setDevicePixelRatio(scale);
            layer.fill(tint);
            painter.drawImage(band.topLeft(), layer);
        } else {
            fillRects(painter, {band}, tint);
        }
    }
}

} // namespace ChartPainter
