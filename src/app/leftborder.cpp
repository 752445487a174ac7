#include "leftborder.h"

#include "decimalspinbox.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

LeftBorder::LeftBorder(DecimalSpinBox *border, QScrollBar *scrollBar,
                       std::array<const QDoubleSpinBox *, 2> lenses)
    : box(border)
    , bar(scrollBar)
    , focalLengths(lenses)
    , ownFloor(border->minimum())
{}

void LeftBorder::follow(LengthUnit unit)
{
    if (!held)
        raiseToFloor();
    // Follows a typed border without writing back to it.
    const QSignalBlocker quiet(bar);
    const double shown = Length::metres(box->value()).in(unit);
    bar->setValue(int(std::clamp(std::round(shown), 1.0, double(bar->maximum()))));
}

void LeftBorder::holdFloor()
{
    held = true;
    box->setMinimum(ownFloor);
}

bool LeftBorder::releaseFloor()
{
    held = false;
    return raiseToFloor();
}

bool LeftBorder::raiseToFloor()
{
    const double before = box->value();
    // Camera 2's floor is applied last and wins where the border lies above
    // both. A border at or below a floor rises to it, quietly: the
    // recalculation that asked goes on with the new border.
    const QSignalBlocker quiet(box);
    for (const QDoubleSpinBox *lens : focalLengths)
        box->setMinimum(Length::millimetres(2 * lens->value()).metres());
    return box->value() != before;
}
