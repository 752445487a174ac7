#ifndef LEFTBORDER_H
#define LEFTBORDER_H

#include "optics/length.h"

#include <array>

class DecimalSpinBox;
class QDoubleSpinBox;
class QScrollBar;

// The chart's left border in the form. It may not go below twice a focal
// length, so that no subject on the chart lies inside a lens's focal
// length; the scroll bar follows it in whole units.
class LeftBorder
{
public:
    LeftBorder(DecimalSpinBox *box, QScrollBar *bar,
               std::array<const QDoubleSpinBox *, 2> focalLengths);

    // After every change: the floor, unless held, and the scroll bar.
    void follow(LengthUnit unit);
    // The form's own floor while a whole form of values goes in, so that
    // the result does not depend on the lenses shown before; the floor of
    // the new lenses follows once all are in.
    void holdFloor();
    // True where the border had to rise to the new floor.
    bool releaseFloor();

private:
    bool raiseToFloor();

    DecimalSpinBox *box;
    QScrollBar *bar;
    std::array<const QDoubleSpinBox *, 2> focalLengths;
    double ownFloor; // before any focal length raised it
    bool held = false;
};

#endif // LEFTBORDER_H
