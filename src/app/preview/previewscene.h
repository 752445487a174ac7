#ifndef PREVIEWSCENE_H
#define PREVIEWSCENE_H

#include <QImage>
#include <QStringList>

// Backgrounds that the program makes itself, the same at every run: the
// lights of a street at night, sunlit leaves, and a chart of lines.
namespace PreviewScene {

enum Kind { PointsOfLight, Foliage, TestChart };
constexpr int kinds = TestChart + 1;

// In the user's language, by kind.
QStringList names();
// An sRGB picture of 3:2.
QImage make(Kind kind, int width = 1920);

} // namespace PreviewScene

#endif // PREVIEWSCENE_H
