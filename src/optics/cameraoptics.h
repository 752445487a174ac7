#ifndef CAMERAOPTICS_H
#define CAMERAOPTICS_H

// Thin-lens optics of one camera. Lengths are millimetres throughout; the
// form shows focus distances in metres, so callers convert on the way in
// and out.
struct CameraOptics
{
    double fdist = 0;   // focus distance
    double apature = 0; // f-number
    double flength = 0; // focal length
    double coc = 0;     // permissible circle of confusion
    double adia = 0;    // aperture diameter
    double dif = 0;     // diameter of the diffraction disc at the marked f-number

    // Beyond the classic model, which these leave exact as they start: the
    // pupil magnification P, exit over entrance pupil diameter, the exit
    // pupil lying f (1 - P) behind the rear principal plane; the disc at the
    // working f-number N (1 + m / P) rather than the marked one; and disc
    // and lens blur combined as the root of the sum of their squares rather
    // than added.
    double pupil = 1;
    bool workingDiffraction = false;
    bool rootSumSquare = false;

    // Stores the inputs, derives adia and dif, and writes a trace line to
    // standard output.
    void init(double fdist, double apature, double flength, double coc);

    // The same camera at another f-number, without a trace line.
    CameraOptics atApature(double apature) const;

    double hyperfocal() const;
    // Blur diameter of a subject at distance x, in units of coc.
    double relativeBlur(double x, bool withDiffraction) const;
    double focusDistance() const;

    // The magnification at the focus, f / (s - f).
    double magnification() const;
    // The f-number at which the lens works at its focus, N (1 + m / P).
    double workingApature() const;
    // The diffraction disc, at the marked or the working f-number, mm.
    double disc() const;
    // The lens's own blur that a blur limit (mm) leaves beside the disc,
    // where that counts; at or below 0 where the disc alone reaches it.
    double allowedBlur(double limit, bool withDiffraction) const;
    // The lens's blur of a subject at x, without diffraction, mm.
    double lensBlur(double x) const;
};

// One camera as the window sets it up: its optics, whether the diffraction
// disc counts, and its sensor.
struct CameraSetup
{
    CameraOptics optics;
    bool diffraction = false;
    double cropFactor = 1;
    double sensorWidth = 36; // mm
};

// Where a camera's blur, in the model of relativeBlur(), equals one circle of
// confusion. Distances in mm; the far limit may be infinite.
struct DepthOfField
{
    enum State { Sharp, DiffractionTooLarge, FocusInsideFocalLength };
    State state = Sharp;
    double nearLimit = 0;
    double farLimit = 0;
};

DepthOfField depthOfField(const CameraOptics &camera, bool withDiffraction);

// The focus distance from which the far limit is infinite, f² / (N c') + f
// with c' the lens's blur that the CoC leaves beside the diffraction disc
// where that counts; NaN where nothing is sharp.
double farLimitInfiniteFrom(const CameraOptics &camera, bool withDiffraction);

// The focus that "Set to hyperfocal" sets: the hyperfocal distance, or
// where the diffraction disc counts, the focus from which the far limit is
// infinite (farther, as the disc leaves less of the CoC to the lens's blur),
// where there is one.
double hyperfocalFocus(const CameraOptics &camera, bool withDiffraction);

// The blur disc of a subject at infinity on the sensor, mm: f² / (N (s - f)),
// plus the diffraction disc where that counts; NaN for a focus at or inside
// the focal length.
double backgroundBlur(const CameraOptics &camera, bool withDiffraction);

// A lens of focal length f focused at s magnifies f / (s - f); it focuses at
// f (1 + 1 / m) for a magnification m. Lengths in mm, exact to the thin lens.
double magnificationAt(double flength, double fdist);
double focusForMagnification(double flength, double magnification);

#endif // CAMERAOPTICS_H
