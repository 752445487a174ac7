#include "blurrender.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace BlurRender {
namespace {

// The sRGB transfer curve, both ways: 8 bits to linear by table, back by
// a table of 4096 steps, finer than the 8 bits it rounds to.
const std::array<float, 256> &toLinear()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> values{};
        for (std::size_t k = 0; k < values.size(); ++k) {
            const double c = double(k) / 255;
            values[k] = float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return values;
    }();
    return table;
}

constexpr int encodeSteps = 4096;
// The most pixels a disc's radius spans before it is laid at fewer pixels.
constexpr double maximumReach = 6;

const std::array<uchar, encodeSteps + 1> &toSrgb()
{
    static const std::array<uchar, encodeSteps + 1> table = [] {
        std::array<uchar, encodeSteps + 1> values{};
        for (std::size_t k = 0; k < values.size(); ++k) {
            const double l = double(k) / encodeSteps;
            const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
            values[k] = uchar(std::lround(std::clamp(c, 0.0, 1.0) * 255));
        }
        return values;
    }();
    return table;
}

uchar encode(float linear)
{
    return toSrgb()[std::size_t(std::lround(std::clamp(linear, 0.0F, 1.0F) * encodeSteps))];
}

// A figure of head and shoulders framed by the width: its shoulders half
// of it, standing on the bottom edge in the middle.
void drawSubject(QImage &picture, double width)
{
    const double w = width * picture.width() / 2;
    const double x = (picture.width() - w) / 2;
    const double bottom = picture.height();
    QPainterPath figure;
    const double shoulders = bottom - 0.32 * w;
    figure.addRoundedRect(QRectF(x, shoulders, w, 0.32 * w + 0.1 * w), 0.22 * w, 0.22 * w);
    const double neck = 0.14 * w;
    figure.addRect(QRectF(x + (w - neck) / 2, shoulders - 0.1 * w, neck, 0.12 * w));
    const QSizeF head(0.3 * w, 0.38 * w);
    figure.addEllipse(
        QRectF(QPointF(x + (w - head.width()) / 2, shoulders - 0.06 * w - head.height()), head));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 32, 28), std::max(1.0, w / 200)));
    painter.setBrush(QColor(118, 92, 76));
    painter.drawPath(figure.simplified());
}

} // namespace

QImage blurred(const QImage &image, double diameter)
{
    QImage source = image.convertToFormat(QImage::Format_RGB32);
    // Under half a pixel the disc stays within its own pixel.
    if (diameter < 1 || source.isNull())
        return source;
    const int width = source.width();
    const int height = source.height();
    // A large disc is as smooth as its own size: it is laid at a fraction
    // of the pixels, half a dozen of its pixels across its radius, and the
    // result spread back over them.
    const int step = std::max(1, int(diameter / 2 / maximumReach));
    const int columns = (width + step - 1) / step;
    const int rows = (height + step - 1) / step;
    const double radius = diameter / 2 / step;
    const int reach = int(std::floor(radius));
    // The rows run a pixel past the reach, for the disc's partly covered edge.
    const int margin = reach + 1;
    // The light of each block of step x step pixels, by channel.
    const auto &linear = toLinear();
    std::vector<float> light(std::size_t(columns) * std::size_t(rows) * 3);
    for (int y = 0; y < height; ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        float *row = &light[std::size_t(y / step) * std::size_t(columns) * 3];
        for (int x = 0; x < width; ++x) {
            float *block = row + std::size_t(x / step) * 3;
            block[0] += linear[std::size_t(qRed(pixels[x]))];
            block[1] += linear[std::size_t(qGreen(pixels[x]))];
            block[2] += linear[std::size_t(qBlue(pixels[x]))];
        }
    }
    // Each row of a channel, extended by the margin at both ends, summed from
    // the left: a run of a row is the difference of two sums.
    const int extended = columns + 2 * margin;
    const auto sumOf = [&](int row, int channel) {
        return std::size_t(row * 3 + channel) * std::size_t(extended + 1);
    };
    std::vector<float> sums(sumOf(rows, 0));
    for (int y = 0; y < rows; ++y) {
        // The blocks at the edges hold fewer pixels: their mean repeats.
        const int tall = std::min(step, height - y * step);
        for (int channel = 0; channel < 3; ++channel) {
            float *sum = &sums[sumOf(y, channel)];
            for (int k = 0; k < extended; ++k) {
                const int x = std::clamp(k - margin, 0, columns - 1);
                const int wide = std::min(step, width - x * step);
                sum[k + 1] = sum[k]
                    + light[(std::size_t(y) * std::size_t(columns) + std::size_t(x)) * 3
                            + std::size_t(channel)]
                        / float(tall * wide);
            }
        }
    }
    // The disc's half-width on each of its rows: the whole pixels it
    // covers, and the share of the next one on either side, so that its
    // width is the diameter's to a fraction of a pixel; its area in blocks.
    // Its rows from the top, dy = row - reach.
    std::vector<std::pair<int, float>> halfWidth;
    double area = 0;
    for (int dy = -reach; dy <= reach; ++dy) {
        const double half = std::sqrt(radius * radius - double(dy) * dy);
        const int whole = std::max(0, int(std::floor(half - 0.5)));
        const double edge = std::max(0.0, half - whole - 0.5);
        halfWidth.emplace_back(whole, float(edge));
        area += 2 * whole + 1 + 2 * edge;
    }
    std::vector<float> disc(std::size_t(columns) * std::size_t(rows) * 3);
    std::vector<float> total(std::size_t(columns), 0.0F);
    for (int y = 0; y < rows; ++y) {
        for (int channel = 0; channel < 3; ++channel) {
            std::fill(total.begin(), total.end(), 0.0F);
            int dy = -reach;
            for (const auto &[whole, edge] : halfWidth) {
                const float *sum = &sums[sumOf(std::clamp(y + dy++, 0, rows - 1), channel)];
                const float *right = sum + margin + whole + 1;
                const float *left = sum + margin - whole;
                for (int x = 0; x < columns; ++x) {
                    // The pixels just outside the run, a share of each.
                    const float outside = right[x + 1] - right[x] + left[x] - left[x - 1];
                    total[std::size_t(x)] += right[x] - left[x] + edge * outside;
                }
            }
            for (int x = 0; x < columns; ++x)
                disc[(std::size_t(y) * std::size_t(columns) + std::size_t(x)) * 3
                     + std::size_t(channel)]
                    = float(total[std::size_t(x)] / area);
        }
    }
    // Back to every pixel, between the blocks' centres, and to sRGB.
    QImage result(width, height, QImage::Format_RGB32);
    const auto at = [&](int x, int y, int channel) {
        return disc[(std::size_t(std::clamp(y, 0, rows - 1)) * std::size_t(columns)
                     + std::size_t(std::clamp(x, 0, columns - 1)))
                        * 3
                    + std::size_t(channel)];
    };
    for (int y = 0; y < height; ++y) {
        const double v = (y + 0.5) / step - 0.5;
        const int top = int(std::floor(v));
        const auto down = float(v - top);
        auto *pixels = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / step - 0.5;
            const int left = int(std::floor(u));
            const auto across = float(u - left);
            std::array<uchar, 3> value{};
            for (int channel = 0; channel < 3; ++channel) {
                const float upper
                    = at(left, top, channel) * (1 - across) + at(left + 1, top, channel) * across;
                const float lower = at(left, top + 1, channel) * (1 - across)
                    + at(left + 1, top + 1, channel) * across;
                value[std::size_t(channel)] = encode(upper * (1 - down) + lower * down);
            }
            pixels[x] = qRgb(value[0], value[1], value[2]);
        }
    }
    return result;
}

QImage render(const QImage &background, const Frame &frame)
{
    if (background.isNull() || frame.size.isEmpty())
        return {};
    // The largest centred part of the frame's shape, then this camera's share of it.
    QSizeF view = QSizeF(frame.size).scaled(background.size(), Qt::KeepAspectRatio);
    view *= std::clamp(frame.crop, 0.01, 1.0);
    const QRectF seen(
        QPointF((background.width() - view.width()) / 2, (background.height() - view.height()) / 2),
        view);
    const QImage part = background.copy(seen.toAlignedRect())
                            .scaled(frame.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage picture = blurred(part, frame.disc * frame.size.width());
    if (frame.subject > 0)
        drawSubject(picture, frame.subject);
    return picture;
}

} // namespace BlurRender
