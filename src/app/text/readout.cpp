#include "readout.h"

#include "chart/chartpainter.h"
#include "chart/scene.h"

#include <QColor>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace Readout {

namespace {

// Lengths nearer than this read in millimetres or inches, and below a
// millimetre in micrometres: where focus stacks are shot.
constexpr double closeRange = 100;

// Decimals enough for at least atLeast, three significant digits of the
// value where it is given, and a last digit no larger than the difference
// between two values that lie apart by that much: rounded, they never read alike.
int decimalsFor(double value, double apart, int atLeast)
{
    int decimals = atLeast;
    if (value > 0)
        decimals = std::max(decimals, 2 - int(std::floor(std::log10(value))));
    if (apart > 0 && std::isfinite(apart))
        decimals = std::max(decimals, int(std::ceil(-std::log10(apart))));
    return std::min(decimals, 9);
}

} // namespace

QString limit(double mm, const QLocale &locale, LengthUnit unit, double apart)
{
    if (std::isinf(mm))
        return QStringLiteral("∞");
    const Length distance = Length::millimetres(mm);
    if (mm != 0 && std::abs(mm) < closeRange)
        return length(mm, locale, unit, apart);
    // Long distances in kilometres or miles.
    if (const double larger = distance.inLarger(unit); std::abs(larger) >= 1)
        return locale.toString(larger, 'f', 2) + QLatin1Char(' ')
            + QLatin1String(Length::largerSymbolOf(unit));
    const int decimals = decimalsFor(0, Length::millimetres(apart).in(unit), 2);
    return locale.toString(distance.in(unit), 'f', decimals) + Length::suffixOf(unit);
}

QString length(double mm, const QLocale &locale, LengthUnit unit, double apart)
{
    const Length distance = Length::millimetres(mm);
    if (std::isinf(mm) || distance.inLarger(LengthUnit::Metres) >= 1)
        return limit(mm, locale, unit);
    const auto write = [&](double value, double perUnit, int atLeast, const QString &symbol) {
        return locale.toString(value, 'f', decimalsFor(std::abs(value), apart / perUnit, atLeast))
            + symbol;
    };
    if (unit == LengthUnit::Feet)
        return std::abs(distance.in(unit)) < 1
            ? write(distance.inches(), 1 / Length::millimetres(1).inches(), 2,
                    QStringLiteral(" in"))
            : write(distance.in(unit), Length::in(1, unit).millimetres(), 2,
                    Length::suffixOf(unit));
    if (std::abs(mm) < 1)
        return write(distance.micrometres(), Length::micrometres(1).millimetres(), 0,
                     QStringLiteral(" µm"));
    return std::abs(mm) < closeRange
        ? write(mm, 1, 0, QStringLiteral(" mm"))
        : write(distance.metres(), Length::metres(1).millimetres(), 2, Length::suffixOf(unit));
}

QString magnification(double m, const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto part = [&numbers](double ratio) {
        const double rounded = ratio >= 10 ? std::round(ratio) : std::round(ratio * 10) / 10;
        return numbers.toString(rounded, 'f', rounded == std::round(rounded) ? 0 : 1);
    };
    return m >= 1 ? part(m) + QStringLiteral(":1") : QStringLiteral("1:") + part(1 / m);
}

QString discNotice(int camera, const CameraOptics &optics, bool diffraction, const QLocale &locale)
{
    const double m = optics.fdist > optics.flength ? optics.magnification() : 0;
    // From 1:10 on the marked f-number's disc is a tenth or more too small.
    if (!diffraction || optics.workingDiffraction || m < 0.1)
        return {};
    return QCoreApplication::translate(
               "mainWin",
               "At %1 the diffraction disc of Camera %2 is %3 × the one computed "
               "at the marked f-number.")
        .arg(magnification(m, locale))
        .arg(camera + 1)
        .arg(locale.toString(1 + m / optics.pupil, 'f', 1));
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
    const double depth = limits.farLimit - limits.nearLimit;
    return QCoreApplication::translate("mainWin", "Camera %1: %2 – %3 (%4)")
        .arg(camera + 1)
        .arg(limit(limits.nearLimit, locale, unit, depth),
             limit(limits.farLimit, locale, unit, depth), length(depth, locale, unit));
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

QString share(double percent, const QLocale &locale)
{
    return locale.toString(percent, 'f', decimalsFor(percent, 0, 2));
}

QString blurText(const Scene &input, std::size_t camera, double u, const QLocale &locale)
{
    const double value = u * input.perCoc[camera] * input.perUnit;
    const int number = int(camera) + 1;
    switch (input.measure) {
    case BlurMeasure::Percent:
        return QCoreApplication::translate("mainWin", "Camera %1: %2 %")
            .arg(number)
            .arg(share(value, locale));
    case BlurMeasure::Sensor:
        return QCoreApplication::translate("mainWin", "Camera %1: %2 µm")
            .arg(number)
            .arg(locale.toString(value, 'f', decimalsFor(value, 0, 0)));
    case BlurMeasure::Coc:
        break;
    }
    return QCoreApplication::translate("mainWin", "Camera %1: U %2")
        .arg(number)
        .arg(locale.toString(u, 'f', 1));
}

QString atColumn(const Scene &input, int column, const QLocale &locale, bool coloured)
{
    const ChartGeometry::Axis &axis = input.axis;
    const double distance = axis.distanceAt(column);
    QString text;
    if (std::isinf(distance))
        text = QStringLiteral("∞");
    else if (axis.mode == ChartGeometry::AxisMode::CloseUp)
        // Signed, as the close-up axis counts from the focus, and in its
        // metric ticks' units, a column apart.
        text = QCoreApplication::translate("mainWin", "%1 from the focus")
                   .arg((distance > 0 ? QStringLiteral("+") : QString())
                        + length(distance, locale, LengthUnit::Metres, axis.xs));
    else
        text = locale.toString(Length::millimetres(distance).in(axis.unit), 'f', 2)
            + Length::suffixOf(axis.unit);
    QStringList blur;
    for (std::size_t k = 0; k < 2; ++k) {
        if (!input.shown[k])
            continue;
        const CameraOptics &camera = input.cameras[k];
        const double x = axis.sampleAt(camera, column);
        const double u = camera.relativeBlur(x, input.diffraction[k]);
        // A subject there has no real image, so no blur to state.
        const QString part = x <= camera.flength
            ? QCoreApplication::translate("mainWin", "Camera %1: inside the focal length")
                  .arg(k + 1)
            : !std::isfinite(u) ? QCoreApplication::translate("mainWin", "Camera %1: U %2")
                                      .arg(k + 1)
                                      .arg(QStringLiteral("–"))
                                : blurText(input, k, u, locale);
        blur << (coloured ? QStringLiteral("<span style=\"color: %1\">%2</span>")
                                .arg(QColor(ChartPainter::cameraColours[k]).name(), part)
                          : part);
    }
    return blur.isEmpty() ? text : text + QStringLiteral(" — ") + blur.join(QStringLiteral(" · "));
}

} // namespace Readout
