#include "cameraoptics.h"

#include <cmath>
#include <iostream>
#include <limits>

namespace {
// Airy disc diameter factor 2.44 times a wavelength of 555 nm, in mm.
constexpr double airyFactor = 0.0013542;
} // namespace

void CameraOptics::init(double fdist, double apature, double flength, double coc)
{
    this->fdist = fdist;
    this->apature = apature;
    this->flength = flength;
    this->coc = coc;
    *this = atApature(apature);

    // The trace reports the radius of the diffraction disc.
    std::cout << "init - fdist: " << this->fdist << " apature: " << this->apature
              << " flength: " << this->flength << " coc: " << this->coc << " adia: " << adia
              << " dif: " << dif * 0.5 << '\n';
}

CameraOptics CameraOptics::atApature(double newApature) const
{
    CameraOptics camera = *this;
    camera.apature = newApature;
    camera.adia = flength / newApature;
    camera.dif = (flength * airyFactor) / camera.adia;
    return camera;
}

double CameraOptics::hyperfocal() const
{
    return (flength * flength) / (coc * apature);
}

double CameraOptics::relativeBlur(double x, bool withDiffraction) const
{
    const double b = 1 / (1 / flength - 1 / x);     // image distance of the subject
    const double v = 1 / (1 / flength - 1 / fdist); // image distance of the focus plane
    // b keeps its sign: subjects closer than the focal length give negative blur.
    double g = (std::fabs(b - v) * adia) / b;
    if (withDiffraction)
        g = g + dif;
    return g / coc;
}

double CameraOptics::focusDistance() const
{
    return fdist;
}

DepthOfField depthOfField(const CameraOptics &camera, bool withDiffraction)
{
    // In front of the focus s the geometric blur is adia * f * (s - x) / (x * (s - f)),
    // behind it adia * f * (x - s) / (x * (s - f)); solved for the blur that the
    // circle of confusion leaves beside the diffraction disc.
    const double s = camera.fdist;
    const double f = camera.flength;
    const double allowed = camera.coc - (withDiffraction ? camera.dif : 0);
    if (allowed <= 0)
        return {DepthOfField::DiffractionTooLarge, 0, 0};
    if (s <= f)
        return {DepthOfField::FocusInsideFocalLength, 0, 0};
    const double a = camera.adia * f;
    const double spread = allowed * (s - f);
    // Close to the focal length the blur tends to adia: all sharp when that is small enough.
    const double nearLimit = camera.adia <= allowed ? f : a * s / (a + spread);
    // From the focus on which the far limit is infinite it is, however the
    // rounding of a - spread falls there.
    const double farLimit = a <= spread || s >= farLimitInfiniteFrom(camera, withDiffraction)
        ? std::numeric_limits<double>::infinity()
        : a * s / (a - spread);
    return {DepthOfField::Sharp, nearLimit, farLimit};
}

double farLimitInfiniteFrom(const CameraOptics &camera, bool withDiffraction)
{
    const double allowed = camera.coc - (withDiffraction ? camera.dif : 0);
    if (allowed <= 0)
        return std::numeric_limits<double>::quiet_NaN();
    return camera.flength * camera.flength / (camera.apature * allowed) + camera.flength;
}

double hyperfocalFocus(const CameraOptics &camera, bool withDiffraction)
{
    const double from = withDiffraction ? farLimitInfiniteFrom(camera, true)
                                        : std::numeric_limits<double>::quiet_NaN();
    return std::isnan(from) ? camera.hyperfocal() : from;
}

double backgroundBlur(const CameraOptics &camera, bool withDiffraction)
{
    const double f = camera.flength;
    if (camera.fdist <= f)
        return std::numeric_limits<double>::quiet_NaN();
    return f * f / (camera.apature * (camera.fdist - f)) + (withDiffraction ? camera.dif : 0);
}
