#ifndef CHARTPAINTER_H
#define CHARTPAINTER_H

#include <QColor>

#include <array>

class QPainter;
class QSize;
struct Scene;

namespace ChartPainter {

// Camera 1, camera 2: their curves, and their bands at bandAlpha.
constexpr std::array<QRgb, 2> cameraColours{0xff007f00, 0xff00007f};
constexpr int bandAlpha = 40;

// Draws the chart in logical pixels of the given size onto any paint device:
// a widget, an image at any device pixel ratio, SVG or PDF. Paints no background.
void paint(QPainter &painter, const QSize &size, const Scene &input);

} // namespace ChartPainter

#endif // CHARTPAINTER_H
