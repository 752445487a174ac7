#include "previewscene.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <QPainterPath>

#include <array>
#include <cmath>

namespace PreviewScene {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PreviewScene", text);
}

// Small bright lamps in warm and cold colours on a dark street.
void pointsOfLight(QPainter &painter, const QSize &size, QRandomGenerator &random)
{
    QLinearGradient night(0, 0, 0, size.height());
    night.setColorAt(0, QColor(8, 10, 24));
    night.setColorAt(1, QColor(24, 18, 20));
    painter.fillRect(QRect(QPoint(), size), night);
    const std::array<QColor, 5> lamps{QColor(255, 214, 140), QColor(255, 170, 90),
                                      QColor(255, 250, 235), QColor(170, 200, 255),
                                      QColor(255, 90, 70)};
    painter.setPen(Qt::NoPen);
    const double unit = size.width() / 1920.0;
    for (int k = 0; k < 260; ++k) {
        painter.setBrush(lamps[random.bounded(int(lamps.size()))]);
        const QPointF at(random.bounded(size.width()), random.bounded(size.height()));
        const double radius = unit * (1 + random.bounded(3.0));
        painter.drawEllipse(at, radius, radius);
    }
}

// Leaves in many greens, with the sky showing through between them.
void foliage(QPainter &painter, const QSize &size, QRandomGenerator &random)
{
    painter.fillRect(QRect(QPoint(), size), QColor(205, 225, 240));
    painter.setPen(Qt::NoPen);
    const double unit = size.width() / 1920.0;
    for (int k = 0; k < 2600; ++k) {
        const int light = random.bounded(120);
        painter.setBrush(QColor(30 + light / 2, 70 + light, 20 + light / 4));
        const QPointF at(random.bounded(size.width()), random.bounded(size.height()));
        painter.save();
        painter.translate(at);
        painter.rotate(random.bounded(180.0));
        painter.drawEllipse(QPointF(), unit * (14 + random.bounded(22.0)),
                            unit * (6 + random.bounded(9.0)));
        painter.restore();
    }
    // Sunlit leaves: the highlights that bloom.
    painter.setBrush(QColor(250, 255, 215));
    for (int k = 0; k < 160; ++k) {
        const QPointF at(random.bounded(size.width()), random.bounded(size.height()));
        painter.drawEllipse(at, unit * 3, unit * 3);
    }
}

// Black and white bars of three widths and a star of wedges.
void testChart(QPainter &painter, const QSize &size)
{
    painter.fillRect(QRect(QPoint(), size), Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const int w = size.width();
    const int h = size.height();
    for (const auto &[top, bar] : {std::pair{0, w / 96}, {h / 3, w / 192}, {2 * h / 3, w / 384}}) {
        for (int x = 0; x < w / 2; x += 2 * std::max(bar, 1))
            painter.drawRect(x, top, std::max(bar, 1), h / 3);
    }
    const QPointF centre(0.75 * w, 0.5 * h);
    const double radius = 0.45 * h;
    constexpr int wedges = 36;
    for (int k = 0; k < wedges; k += 2) {
        QPainterPath wedge(centre);
        wedge.arcTo(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                    360.0 * k / wedges, 360.0 / wedges);
        painter.drawPath(wedge);
    }
}

} // namespace

QStringList names()
{
    return {tr("Points of Light"), tr("Foliage"), tr("Test Chart")};
}

QImage make(Kind kind, int width)
{
    const QSize size(width, width * 2 / 3);
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The same picture at every run.
    QRandomGenerator random(1729);
    switch (kind) {
    case PointsOfLight:
        pointsOfLight(painter, size, random);
        break;
    case Foliage:
        foliage(painter, size, random);
        break;
    case TestChart:
        testChart(painter, size);
        break;
    }
    return picture;
}

} // namespace PreviewScene
