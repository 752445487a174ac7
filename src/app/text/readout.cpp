#include "readout.h"

#include "chart/chartpainter.h"
#include "chart/scene.h"

#include <QColor>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace Readout {

QString limit(double mm, const QLocale &locale, LengthUnit unit)
{
    if (std::isinf(mm))
        return QStringLiteral("∞");
    const Length distance = Length::millimetres(mm);
    const double value = distance.in(unit);
    // Too short for two decimals of the unit: in millimetres or inches.
    if (value != 0 && std::abs(value) < 0.005)
        return length(mm, locale, unit);
    // Long distances in kilometres or miles.
    if (const double larger = distance.inLarger(unit); std::abs(larger) >= 1)
        return locale.toString(larger, 'f', 2) + QLatin1Char(' ')
            + QLatin1String(Length::largerSymbolOf(unit));
    return locale.toString(value, 'f', 2) + Length::suffixOf(unit);
}

QString length(double mm, const QLocale &locale, LengthUnit unit)
{
    const Length distance = Length::millimetres(mm);
    if (std::isinf(mm) || distance.inLarger(LengthUnit::Metres) >= 1)
        return limit(mm, locale, unit);
    const auto decimals = [](double value) {
        return std::max(2, 2 - int(std::floor(std::log10(value))));
    };
    const auto write = [&](double value, const QString &symbol) {
        return locale.toString(value, 'f', value > 0 ? decimals(value) : 2) + symbol;
    };
    if (unit == LengthUnit::Feet)
        return distance.in(unit) < 1 ? write(distance.inches(), QStringLiteral(" in"))
                                     : write(distance.in(unit), Length::suffixOf(unit));
    return mm < 5 ? write(mm, QStringLiteral(" mm"))
                  : write(distance.metres(), Length::suffixOf(unit));
}

QString depthOfField(int camera, const DepthOfField &limits, const QLocale &locale, LengthUnit unit)
{
    switch (limits.state) {
    case DepthOfField::DiffractionTooLarge:
        return QCoreApplication::translate(
                   "mainWin",
                   "Camera %1: nothing sharp, the diffraction disc alone reaches the CoC")
            .arg(camera + 1);
    case DepthOfField::FocusInsideFocalLength:
        return QCoreApplication::translate(
                   "mainWin",
                   "Camera %1: nothing sharp, the focus lies at or inside the focal length")
            .arg(camera + 1);
    case DepthOfField::Sharp:
        break;
    }
    return QCoreApplication::translate("mainWin", "Camera %1: %2 – %3 (%4)")
        .arg(camera + 1)
        .arg(limit(limits.nearLimit, locale, unit), limit(limits.farLimit, locale, unit),
             length(limits.farLimit - limits.nearLimit, locale, unit));
}

QString settings(const CameraOptics &camera, bool diffraction, const QLocale &locale,
                 LengthUnit unit)
{
    return QCoreApplication::translate("mainWin",
                                       "focus %1 · f/%2 · %3 mm · CoC %4 mm · diffraction %5")
        .arg(limit(camera.fdist, locale, unit), locale.toString(camera.apature, 'g', 3),
             locale.toString(camera.flength, 'g', 6), locale.toString(camera.coc, 'g', 6),
             diffraction ? QCoreApplication::translate("mainWin", "on")
                         : QCoreApplication::translate("mainWin", "off"));
}

QString atColumn(const Scene &input, int column, const QLocale &locale, bool coloured)
{
    const ChartGeometry::Axis &axis = input.axis;
    const double distance = axis.distanceAt(column);
    const QString text = std::isinf(distance)
        ? QStringLiteral("∞")
        : locale.toString(Length::millimetres(distance).in(axis.unit), 'f', 2)
            + Length::suffixOf(axis.unit);
    QStringList blur;
    for (std::size_t k = 0; k < 2; ++k) {
        if (!input.shown[k])
            continue;
        const CameraOptics &camera = input.cameras[k];
        const double x = axis.sampleAt(camera.focusDistance(), column);
        const double u = camera.relativeBlur(x, input.diffraction[k]);
        // A subject there has no real image, so no blur to state.
        const QString part = x <= camera.flength
            ? QCoreApplication::translate("mainWin", "Camera %1: inside the focal length")
                  .arg(k + 1)
            : QCoreApplication::translate("mainWin", "Camera %1: U %2")
                  .arg(k + 1)
                  .arg(std::isfinite(u) ? locale.toString(u, 'f', 1) : QStringLiteral("–"));
        blur << (coloured ? QStringLiteral("<span style=\"color: %1\">%2</span>")
                                .arg(QColor(ChartPainter::cameraColours[k]).name(), part)
                          : part);
    }
    return blur.isEmpty() ? text : text + QStringLiteral(" — ") + blur.join(QStringLiteral(" · "));
}

} // namespace Readout
