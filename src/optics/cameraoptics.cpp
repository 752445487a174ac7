#include "cameraoptics.h"

#include <cmath>
#include <iostream>
#include <limits>

namespace {
// Airy disc diameter factor 2.44 times a wavelength of 555 nm, in mm.
constexpr double airyFactor = 0.0013542;
// The limits of a lens whose pupils differ: in u = 1/x its blur is
// P D |u - w| / ((F - w)(P + e u)), with w = 1/s, F = 1/f, D its entrance
// pupil and e = f (1 - P) where its exit pupil lies.
DepthOfField pupilDepthOfField(const CameraOptics &camera, bool withDiffraction, double allowed)
{
    const double f = camera.flength;
    const double p = camera.pupil;
    const double d = camera.adia;
    const double e = f * (1 - p);
    const double w = 1 / camera.fdist;
    const double k = allowed * (1 / f - w);
    const double inf = std::numeric_limits<double>::infinity();
    // Nearer than the focal length nothing has an image: sharp down to it.
    const double nearDenominator = p * d - k * e;
    const double nearU = nearDenominator > 0 ? p * (k + d * w) / nearDenominator : inf;
    const double farU = p * (d * w - k) / (p * d + k * e);
    const bool farInfinite
        = farU <= 0 || camera.fdist >= farLimitInfiniteFrom(camera, withDiffraction);
    return {DepthOfField::Sharp, nearU >= 1 / f ? f : 1 / nearU, farInfinite ? inf : 1 / farU};
}

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
    double g = lensBlur(x);
    if (withDiffraction)
        g = rootSumSquare ? std::hypot(g, disc()) : g + disc();
    return g / coc;
}

double CameraOptics::lensBlur(double x) const
{
    const double b = 1 / (1 / flength - 1 / x);     // image distance of the subject
    const double v = 1 / (1 / flength - 1 / fdist); // image distance of the focus plane
    // b keeps its sign: subjects closer than the focal length give negative blur.
    if (pupil == 1)
        return (std::fabs(b - v) * adia) / b;
    // The cone from the exit pupil, P times the entrance pupil and f (1 - P)
    // behind the rear principal plane, to the image of the subject.
    return (std::fabs(b - v) * adia * pupil) / (b - flength * (1 - pupil));
}

double CameraOptics::magnification() const
{
    return magnificationAt(flength, fdist);
}

double magnificationAt(double flength, double fdist)
{
    return flength / (fdist - flength);
}

double focusForMagnification(double flength, double magnification)
{
    return flength * (1 + 1 / magnification);
}

double CameraOptics::workingApature() const
{
    return apature * (1 + magnification() / pupil);
}

double CameraOptics::disc() const
{
    return workingDiffraction ? dif * (1 + magnification() / pupil) : dif;
}

double CameraOptics::allowedBlur(double limit, bool withDiffraction) const
{
    if (!withDiffraction)
        return limit;
    const double d = disc();
    if (!rootSumSquare)
        return limit - d;
    return d >= limit ? limit - d : std::sqrt(limit * limit - d * d);
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
    const double allowed = camera.allowedBlur(camera.coc, withDiffraction);
    if (allowed <= 0)
        return {DepthOfField::DiffractionTooLarge, 0, 0};
    if (s <= f)
        return {DepthOfField::FocusInsideFocalLength, 0, 0};
    if (camera.pupil != 1)
        return pupilDepthOfField(camera, withDiffraction, allowed);
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
    // The blur at infinity, adia f / (s - f), is the pupils' whatever they are.
    const auto from = [&camera, withDiffraction](const CameraOptics &focused) {
        const double allowed = focused.allowedBlur(camera.coc, withDiffraction);
        return allowed <= 0
            ? std::numeric_limits<double>::quiet_NaN()
            : camera.flength * camera.flength / (camera.apature * allowed) + camera.flength;
    };
    double focus = from(camera);
    // The disc at the working f-number shrinks as the focus recedes: a few
    // steps from the disc at the focus given settle it.
    for (int step = 0; step < 8 && withDiffraction && camera.workingDiffraction; ++step) {
        CameraOptics focused = camera;
        focused.fdist = std::isnan(focus) ? std::numeric_limits<double>::infinity() : focus;
        focus = from(focused);
    }
    return focus;
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
    const double lens = f * f / (camera.apature * (camera.fdist - f));
    if (!withDiffraction)
        return lens;
    return camera.rootSumSquare ? std::hypot(lens, camera.disc()) : lens + camera.disc();
}
