#ifndef DEPTHREPORT_H
#define DEPTHREPORT_H

#include "optics/cameraoptics.h"
#include "optics/distanceorigin.h"
#include "optics/length.h"
#include "plan/planform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

// What goes into the field: each shown camera's depth-of-field table, or
// the plans' shot cards, as pages of rich text in the user's language and
// locale, or as CSV with a dot for the decimal point, which spreadsheets
// read in every locale.
namespace DepthReport {

struct Camera
{
    int index; // counted from 0
    CameraSetup setup;
    double minimum; // the f-number box's range
    double maximum;
    DistanceOrigin origin; // of the distances shown
};

// A section each: a camera's table or a camera's card.
QStringList tables(const std::vector<Camera> &cameras, LengthUnit unit, const QString &credit);
QStringList cards(const std::vector<std::pair<int, ShotCard>> &cards, LengthUnit unit,
                  const QString &credit);
QByteArray tablesCsv(const std::vector<Camera> &cameras, LengthUnit unit);
QByteArray cardsCsv(const std::vector<std::pair<int, ShotCard>> &cards, LengthUnit unit);

// The sections on the device's pages: all on one where they fit, else one
// page each.
void print(const QStringList &sections, QPagedPaintDevice &device);

} // namespace DepthReport

#endif // DEPTHREPORT_H
