#ifndef LENGTHUNIT_H
#define LENGTHUNIT_H

// The unit in which the user reads and types distances. Everything inside,
// files included, stays in millimetres and metres.
enum class LengthUnit { Metres, Feet };

constexpr double millimetresPer(LengthUnit unit)
{
    return unit == LengthUnit::Feet ? 304.8 : 1000;
}

constexpr const char *symbolOf(LengthUnit unit)
{
    return unit == LengthUnit::Feet ? "ft" : "m";
}

#endif // LENGTHUNIT_H
