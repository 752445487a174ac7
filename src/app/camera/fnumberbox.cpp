#include "fnumberbox.h"

#include "optics/presets.h"

#include <cmath>

void FNumberBox::stepBy(int steps)
{
    setValue(Presets::stepFNumber(value(), steps));
    selectAll();
}

QString FNumberBox::textFromValue(double value) const
{
    // Only the text: the value keeps its decimal, as a file stores it.
    return locale().toString(value, 'f', value == std::round(value) ? 0 : decimals());
}
