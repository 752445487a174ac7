#include "chartexport.h"

#include "chartpainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <array>

namespace ChartExport {
namespace {

constexpr std::array<const char *, 3> suffixes{"png", "svg", "pdf"};

void paintOnWhite(QPaintDevice &device, const QSize &size, const ChartInput &input)
{
    QPainter painter(&device);
    painter.fillRect(QRect(QPoint(), size), Qt::white);
    ChartPainter::paint(painter, size, input);
}

} // namespace

QStringList fileFilters()
{
    return {QCoreApplication::translate("mainWin", "PNG image (*.png)"),
            QCoreApplication::translate("mainWin", "SVG drawing (*.svg)"),
            QCoreApplication::translate("mainWin", "PDF document (*.pdf)")};
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

QImage image(const Page &page, const ChartInput &input)
{
    QImage picture(page.size * page.ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(page.ratio);
    const int dotsPerMetre = qRound(page.dpi / 0.0254);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    paintOnWhite(picture, page.size, input);
    return picture;
}

QByteArray encode(Format format, const Page &page, const ChartInput &input)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == Format::Png) {
        image(page, input).save(&buffer, "PNG");
    } else if (format == Format::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(qRound(page.dpi));
        svg.setSize(page.size);
        svg.setViewBox(QRect(QPoint(), page.size));
        svg.setTitle(page.title);
        paintOnWhite(svg, page.size, input);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(qRound(page.dpi));
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(QSizeF(page.size) * 25.4 / page.dpi, QPageSize::Millimeter));
        pdf.setTitle(page.title);
        paintOnWhite(pdf, page.size, input);
    }
    return bytes;
}

} // namespace ChartExport
