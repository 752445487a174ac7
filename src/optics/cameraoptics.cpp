#include "cameraoptics.h"

#include <cmath>
#include <iostream>

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
    adia = flength / apature;
    dif = (flength * airyFactor) / adia;

    // The trace reports the radius of the diffraction disc.
    std::cout << "init - fdist: " << this->fdist << " apature: " << this->apature
              << " flength: " << this->flength << " coc: " << this->coc << " adia: " << adia
              << " dif: " << dif * 0.5 << '\n';
}

double CameraOptics::hyperfocal() const
{
    return (flength * flength) / (coc * apature);
}

double CameraOptics::relativeBlur(double x, int withDiffraction) const
{
    const double b = 1 / (1 / flength - 1 / x);     // image distance of the subject
    const double v = 1 / (1 / flength - 1 / fdist); // image distance of the focus plane
    // b keeps its sign: subjects closer than the focal length give negative blur.
    double g = (std::fabs(b - v) * adia) / b;
    if (withDiffraction != 0)
        g = g + dif;
    return g / coc;
}

double CameraOptics::focusDistance() const
{
    return fdist;
}
