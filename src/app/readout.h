#ifndef READOUT_H
#define READOUT_H

#include <QString>

class QLocale;
struct ChartInput;
struct DepthOfField;

// The numbers that the status bar states, in the user's locale.
namespace Readout {

// "Camera 1: 3.87 m – 4.14 m (0.270 m)", camera counted from 0.
QString depthOfField(int camera, const DepthOfField &limits, const QLocale &locale);

// The distance under a column of the chart and each shown camera's U there:
// "4.25 m: U 1.8 / 3.1".
QString atColumn(const ChartInput &input, int column, const QLocale &locale);

} // namespace Readout

#endif // READOUT_H
