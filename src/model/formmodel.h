#ifndef FORMMODEL_H
#define FORMMODEL_H

#include "fields.h"
#include "optics/cameraoptics.h"
#include "optics/distanceorigin.h"
#include "optics/length.h"

#include <QObject>

#include <vector>

// One camera's inputs, in the units its box shows them.
struct CameraInputs
{
    double focus = 4;
    double apature = 2;
    double focalLength = 85;
    double coc = 0.0125;
    bool diffraction = false;
    bool shown = true;
    int crop = 0;
    int quality = 0;
    int pixelForm = 0;
    int viewDistance = 0;
    int viewForm = 0;
    double printWidth = 0;
    double pupil = 1;

    double value(CameraInput input) const;
    void set(CameraInput input, double value);
    bool operator==(const CameraInputs &other) const;
    bool operator!=(const CameraInputs &other) const { return !(*this == other); }
};

// The chart's view.
struct ViewInputs
{
    double leftBorder = 1;
    bool fromCamera = true;
    bool fromFocusPlane = false;
    int distanceScale = 10;
    int blurScale = 10;
    bool workingDiffraction = false;
    bool rootSumSquare = false;
    double closeUpScale = 10;
    double closeUpCentre = 0;
    bool keepFraming = false;
    double framingWidth = 0.9; // head and shoulders

    double value(ViewInput input) const;
    void set(ViewInput input, double value);
    bool operator==(const ViewInputs &other) const;
};

// Every value that a user, a file or a step of the history sets.
struct Inputs
{
    ViewInputs view;
    std::vector<CameraInputs> cameras;

    double value(Field field) const;
    void set(Field field, double value);
    bool operator==(const Inputs &other) const;
    bool operator!=(const Inputs &other) const { return !(*this == other); }
};

// What one camera's inputs give, recomputed once per change: its optics with
// its sensor and diffraction switch, its depth of field, and what the
// hyperfocal button and the Details state. Distances in mm.
struct CameraResults
{
    CameraSetup setup;
    DepthOfField depth;
    double hyperfocalFocus = 0; // what Set to Hyperfocal focuses at
    double infiniteFrom = 0;    // the focus from which the far limit is infinite; NaN: none
    double backgroundBlur = 0;  // of a subject at infinity, on the sensor; NaN: none
    // At the focus: the magnification, the f-number at which the lens works,
    // and how far the subject is from the sensor; NaN at or inside the focal length.
    double magnification = 0;
    double workingApature = 0;
    double subjectToSensor = 0;
};

// How the chart spaces distances: linearly from the left border, in
// 1/distance from it to infinity, or around the focus plane close up.
enum class DistanceAxis { Linear, ToInfinity, CloseUp };

// What the chart's vertical axis measures: the blur in circles of
// confusion, as a share of the image width, or on the sensor.
enum class BlurMeasure { Coc, Percent, Sensor };

// How the values are shown: the unit of every distance, the chart's
// distance axis and vertical measure, and whether distances read from the
// sensor plane rather than the lens.
struct ViewChoices
{
    LengthUnit unit = LengthUnit::Metres;
    DistanceAxis axis = DistanceAxis::Linear;
    bool fromSensor = false;
    BlurMeasure measure = BlurMeasure::Coc;
};

// The form's values and what follows from them, in one place: each camera's
// inputs (a list, of which the window shows two), the chart's view, the unit
// and the axis, and the results. A change comes in as its control would take
// it, rounded and bounded alike, and is followed by the recalculation that
// the form's inputs have always caused: both cameras' optics initialised,
// each writing its trace line, and the results derived once. The presets'
// choices derive the results without a new trace. The model says what
// changed; every view follows it.
class FormModel : public QObject
{
    Q_OBJECT

public:
    // The values of a new document: two cameras as the form starts.
    static Inputs startInputs();

    explicit FormModel(QObject *parent = nullptr);

    const Inputs &inputs() const { return current; }
    double value(Field field) const { return current.value(field); }
    int cameraCount() const { return int(current.cameras.size()); }
    const CameraInputs &camera(int index) const;
    const ViewInputs &view() const { return current.view; }

    // The range that a field's control offers now; the left border's floor
    // follows the lenses.
    double minimum(Field field) const;
    double maximum(Field field) const;
    // A value as the field's box would show it: to its decimals, in the
    // chosen unit where it is a distance; up where a bound must not be undercut.
    double shown(Field field, double value, bool roundUp = false) const;

    // A value as its control would take it: rounded to the decimals the
    // control holds, brought into its range. The two distance origins are
    // exclusive: setting one sets the other off; neither goes off alone.
    void set(Field field, double value);
    void setShown(Field field, double value, bool roundUp = false);
    // As a file keeps it: to the decimals shown in the field's own unit,
    // whatever unit is chosen, so that a unit changes none of a file's values.
    void setKept(Field field, double value);
    // Every value at once, recalculated once.
    void restore(const Inputs &inputs);
    // A start value other than the classic model's, remembered from an
    // earlier run: set before the first recalculation, without one.
    void preset(Field field, double value);

    // How the values are shown (the distance scale and the origin apply only
    // to the linear axis). Views of the values, not values: no file keeps
    // them and no step of the history.
    const ViewChoices &display() const { return shownAs; }
    LengthUnit unit() const { return shownAs.unit; }
    DistanceAxis distanceAxis() const { return shownAs.axis; }
    bool toInfinity() const { return shownAs.axis == DistanceAxis::ToInfinity; }
    bool fromSensor() const { return shownAs.fromSensor; }
    void setDisplay(const ViewChoices &display);
    // Where a camera's distances are shown from.
    DistanceOrigin origin(int camera) const;

    // The left border never lies nearer than twice a focal length, so that
    // no subject on the chart lies inside a lens; at each recalculation it
    // rises to each camera's floor in turn, the last camera's staying its
    // minimum. While a whole form of values goes in the floor is held at the
    // border's own, so that the result does not depend on the lenses before;
    // released, it returns whether the border had to rise.
    void holdFloor();
    bool releaseFloor();

    // Changes made while a Batch lives are recalculated once, at its end.
    class Batch
    {
    public:
        explicit Batch(FormModel &model);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        FormModel &model;
    };

    const CameraResults &results(int camera) const;

    // The CoC presets and the hyperfocal button of a camera. The view
    // distance's preset says what must be entered first, if anything.
    enum class CocPreset { Applied, NeedsViewDistance, NeedsImageWidth };
    void setCocFromPixelSize(int camera);
    CocPreset setCocFromViewDistance(int camera);
    // Focuses at the hyperfocal distance of the last recalculation, rounded
    // up where the far limit must stay infinite.
    void setHyperfocal(int camera);
    // The other camera's optics, diffraction switch and presets' choices,
    // one value after another as if typed.
    void copyCamera(int from, int to);

public slots:
    // Applies the border's floor, initialises each camera's optics and
    // derives the results.
    void recalculate();

signals:
    // A value changed, by whatever means: its controls follow.
    void changed(Field field);
    // The display was chosen; nothing is recalculated yet.
    void displayChosen();
    // The results are new.
    void recalculated();

private:
    enum class Work { None, Derive, Recalculate };

    void store(Field field, double value);
    double held(Field field, double value) const;
    void raiseToFloor();
    void derive();
    void follow(Work work);

    Inputs current;
    std::vector<CameraResults> derived;
    // With the framing kept, the focuses that a change leaves to follow;
    // whether any did.
    bool frame(Field changed);

    ViewChoices shownAs;
    bool floorHeld = false;
    int batches = 0;
    Work pending = Work::None;
};

#endif // FORMMODEL_H
