#ifndef FIELDS_H
#define FIELDS_H

#include <QString>

// A camera's inputs, as its box in the form has them: the optics, the two
// switches, and the choices of its CoC presets.
enum class CameraInput {
    Focus,       // m
    Apature,     // f-number
    FocalLength, // mm
    Coc,         // mm
    Diffraction,
    Shown,
    Crop, // list positions
    Quality,
    PixelForm,
    ViewDistance, // cm
    ViewForm,
    PrintWidth, // cm
    Pupil,      // exit over entrance pupil diameter
};
inline constexpr int cameraInputCount = int(CameraInput::Pupil) + 1;

// What the form sets for no one camera: the chart's view, and how
// diffraction counts where it does, which a file keeps; the close-up axis's
// scale and middle, and the framing kept, which it does not.
enum class ViewInput {
    LeftBorder, // m
    // The distance origin: exclusive, as the form's radio pair.
    FromCamera,
    FromFocusPlane,
    DistanceScale, // mm of distance per column
    BlurScale,     // pixels per unit of U
    WorkingDiffraction,
    RootSumSquare,
    CloseUpScale,  // µm of distance per column
    CloseUpCentre, // µm from the focus plane at the plot's middle
    KeepFraming,   // each camera focused so that a subject's width fills its frame
    FramingWidth,  // m, that subject's width
};
inline constexpr int viewInputCount = int(ViewInput::FramingWidth) + 1;

// One value of the form: the view's, or one camera's.
class Field
{
public:
    // Implicit: a view input names its field.
    constexpr Field(ViewInput input)
        : cameraIndex(-1)
        , index(int(input))
    {}
    constexpr Field(int camera, CameraInput input)
        : cameraIndex(camera)
        , index(int(input))
    {}

    constexpr bool isView() const { return cameraIndex < 0; }
    constexpr int camera() const { return cameraIndex; } // counted from 0
    constexpr ViewInput viewInput() const { return ViewInput(index); }
    constexpr CameraInput cameraInput() const { return CameraInput(index); }
    constexpr bool is(CameraInput input) const { return !isView() && cameraInput() == input; }
    // A number of its own, the view's fields first.
    constexpr int id() const
    {
        return isView() ? index : viewInputCount + cameraIndex * cameraInputCount + index;
    }

    friend constexpr bool operator==(Field a, Field b)
    {
        return a.cameraIndex == b.cameraIndex && a.index == b.index;
    }
    friend constexpr bool operator!=(Field a, Field b) { return !(a == b); }

private:
    int cameraIndex;
    int index;
};

// How a field holds its value: the control's kind and range, the decimals
// it shows in its own unit, whether it is a distance shown in the chosen
// unit (held then to four more decimals, so that a value typed in either
// unit reads back as typed), and whether its change recomputes the optics,
// as the form's inputs did that were connected to the recalculation.
struct FieldRules
{
    enum Kind { Number, Flag, Whole };
    Kind kind;
    double minimum;
    double maximum;
    int decimals;
    bool distance;
    bool recalculates;
    const char *label; // in the model's translation context, "Field"
    // The decimals shown below one unit, at close range, where more than decimals.
    int closeDecimals = 0;

    constexpr int heldDecimals() const { return decimals + (distance ? 4 : 0); }
    // The decimals shown for a value in the unit it is shown in.
    int decimalsFor(double shown) const
    {
        return closeDecimals > decimals && shown < 1 && shown > -1 ? closeDecimals : decimals;
    }
};

const FieldRules &rulesOf(Field field);
// The field's name as its control's label gives it, in the user's language.
QString labelOf(Field field);

#endif // FIELDS_H
