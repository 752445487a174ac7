#include "readout.h"

#include "chart/chartinput.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace Readout {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("mainWin", text);
}

// Metres with two decimals; kilometres where metres grow long.
QString limit(double mm, const QLocale &locale)
{
    if (std::isinf(mm))
        return QStringLiteral("∞");
    const double metres = mm / 1000;
    if (std::abs(metres) >= 1000)
        return locale.toString(metres / 1000, 'f', 2) + QStringLiteral(" km");
    return locale.toString(metres, 'f', 2) + QStringLiteral(" m");
}

// At least three significant digits: metres, or millimetres where metres
// would read 0.00.
QString length(double mm, const QLocale &locale)
{
    if (std::isinf(mm) || mm >= 1000000)
        return limit(mm, locale);
    const auto decimals = [](double value) {
        return std::max(2, 2 - int(std::floor(std::log10(value))));
    };
    if (mm < 5)
        return locale.toString(mm, 'f', mm > 0 ? decimals(mm) : 2) + QStringLiteral(" mm");
    return locale.toString(mm / 1000, 'f', decimals(mm / 1000)) + QStringLiteral(" m");
}

} // namespace

QString depthOfField(int camera, const DepthOfField &limits, const QLocale &locale)
{
    const QString name = tr("Camera %1: ").arg(camera + 1);
    switch (limits.state) {
    case DepthOfField::DiffractionTooLarge:
        return name + tr("nothing sharp, the diffraction disc alone reaches the CoC");
    case DepthOfField::FocusInsideFocalLength:
        return name + tr("nothing sharp, the focus lies at or inside the focal length");
    case DepthOfField::Sharp:
        break;
    }
    return name + limit(limits.nearLimit, locale) + QStringLiteral(" – ")
        + limit(limits.farLimit, locale) + QStringLiteral(" (")
        + length(limits.farLimit - limits.nearLimit, locale) + QLatin1Char(')');
}

QString atColumn(const ChartInput &input, int column, const QLocale &locale)
{
    const ChartGeometry::ChartScale &scale = input.scale;
    QStringList blur;
    for (std::size_t k = 0; k < 2; ++k) {
        if (!input.shown[k])
            continue;
        const CameraOptics &camera = input.cameras[k];
        const double u = camera.relativeBlur(
            ChartGeometry::sampleDistance(scale, camera.focusDistance(), column),
            input.diffraction[k] ? 1 : 0);
        blur << (std::isfinite(u) ? locale.toString(u, 'f', 1) : QStringLiteral("–"));
    }
    const QString metres
        = locale.toString(double(ChartGeometry::axisDistance(scale, column)) / 1000, 'f', 2)
        + QStringLiteral(" m");
    return blur.isEmpty() ? metres
                          : metres + QStringLiteral(": U ") + blur.join(QStringLiteral(" / "));
}

} // namespace Readout
