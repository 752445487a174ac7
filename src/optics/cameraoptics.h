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
    double dif = 0;     // diameter of the diffraction disc

    // Stores the inputs, derives adia and dif, and writes a trace line to
    // standard output.
    void init(double fdist, double apature, double flength, double coc);

    double hyperfocal() const;
    // Blur diameter of a subject at distance x, in units of coc.
    double relativeBlur(double x, bool withDiffraction) const;
    double focusDistance() const;
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

#endif // CAMERAOPTICS_H
