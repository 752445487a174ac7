#include "chartexport.h"

#include "chartpainter.h"
#include "scene.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QtMath>

#include <array>

namespace ChartExport {
namespace {

constexpr std::array<const char *, 3> suffixes{"png", "svg", "pdf"};

constexpr int swatch = 10;            // the side of a camera's colour square
constexpr int textLeft = swatch + 12; // where the legend's text starts
constexpr int gapAbove = 8;           // clear of the credit's descenders
constexpr int gapRight = 4; // the axis title's last glyph may reach past the chart's width

QFont legendFont()
{
    return QFont(QStringLiteral("Arial"), 9);
}

// Each entry's heading and details, laid out in the width with the metrics.
QVector<QRect> legendRects(const QVector<LegendEntry> &legend, int width,
                           const QFontMetrics &metrics)
{
    QVector<QRect> rects;
    int top = gapAbove;
    for (const LegendEntry &entry : legend) {
        for (const QString &text : {entry.heading, entry.details}) {
            const QRect area(textLeft, top, std::max(width - textLeft - 4, 1), 100000);
            rects.append(metrics.boundingRect(area, Qt::TextWordWrap, text));
            top = rects.last().bottom() + 1;
        }
        top += 4;
    }
    return rects;
}

int heightOf(const QVector<QRect> &rects)
{
    return rects.isEmpty() ? 0 : rects.last().bottom() + 1 + 4;
}

void paintOnWhite(QPaintDevice &device, const Page &page, const Scene &input)
{
    QPainter painter(&device);
    painter.fillRect(QRect(QPoint(), page.size), Qt::white);
    // The legend is laid out with the device's own metrics, so that none of it is cut.
    const QVector<QRect> rects
        = legendRects(page.legend, page.size.width(), QFontMetrics(legendFont(), &device));
    const QSize chart(page.size.width() - gapRight, page.size.height() - heightOf(rects));
    // The linear axis spans the distances shown on screen, whatever the figure's width.
    Scene same = input;
    same.axis
        = input.axis.spanning(ChartGeometry::ChartFrame{chart.width(), chart.height()}.plotWidth());
    painter.save();
    ChartPainter::paint(painter, chart, same);
    painter.restore();
    painter.translate(0, chart.height());
    painter.setFont(legendFont());
    for (qsizetype k = 0; k < page.legend.size(); ++k) {
        const QColor colour(ChartPainter::cameraColours.at(std::size_t(page.legend[k].camera)));
        const QRect heading = rects[2 * k];
        painter.fillRect(QRect(4, heading.top() + (heading.height() - swatch) / 2, swatch, swatch),
                         colour);
        painter.setPen(colour);
        painter.drawText(heading, Qt::TextWordWrap, page.legend[k].heading);
        painter.setPen(Qt::black);
        painter.drawText(rects[2 * k + 1], Qt::TextWordWrap, page.legend[k].details);
    }
}

} // namespace

int legendHeight(const QVector<LegendEntry> &legend, int width)
{
    return heightOf(legendRects(legend, width, QFontMetrics(legendFont())));
}

QSize minimumSize(const QVector<LegendEntry> &legend)
{
    const int width = ChartGeometry::smallestChart.width() + gapRight;
    return {width, ChartGeometry::smallestChart.height() + legendHeight(legend, width)};
}

QStringList fileFilters()
{
    return {QCoreApplication::translate("ChartExport", "PNG image (*.png)"),
            QCoreApplication::translate("ChartExport", "SVG drawing (*.svg)"),
            QCoreApplication::translate("ChartExport", "PDF document (*.pdf)")};
}

std::pair<QString, Format> target(const QString &name, int filterIndex)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    for (std::size_t k = 0; k < suffixes.size(); ++k) {
        if (suffix == QLatin1String(suffixes[k]))
            return {name, Format(k)};
    }
    const auto k = std::size_t(std::clamp(filterIndex, 0, int(suffixes.size()) - 1));
    return {name + QLatin1Char('.') + QLatin1String(suffixes[k]), Format(k)};
}

QImage image(const Page &page, const Scene &input)
{
    QImage picture(page.pixels.isEmpty() ? page.size * page.ratio : page.pixels,
                   QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.setDevicePixelRatio(page.ratio);
    const int dotsPerMetre = qRound(page.dpi / 0.0254);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    paintOnWhite(picture, page, input);
    return picture;
}

QByteArray encode(Format format, const Page &page, const Scene &input)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == Format::Png) {
        const QImage picture = image(page, input);
        if (picture.isNull())
            return {};
        picture.save(&buffer, "PNG");
    } else if (format == Format::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(qRound(page.dpi));
        svg.setSize(page.size);
        svg.setViewBox(QRect(QPoint(), page.size));
        svg.setTitle(page.title);
        paintOnWhite(svg, page, input);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(qRound(page.dpi));
        pdf.setPageMargins(QMarginsF());
        // Whole points, as a PDF page has them, around the whole figure.
        const QSizeF points = QSizeF(page.size) * 72 / page.dpi;
        pdf.setPageSize(
            QPageSize(QSize(qCeil(points.width() - 1e-6), qCeil(points.height() - 1e-6)), QString(),
                      QPageSize::ExactMatch));
        pdf.setTitle(page.title);
        paintOnWhite(pdf, page, input);
    }
    return bytes;
}

} // namespace ChartExport
