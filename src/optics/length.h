#ifndef LENGTH_H
#define LENGTH_H

#include <QString>

// The unit in which the user reads and types distances. Everything inside,
// files included, stays in millimetres and metres.
enum class LengthUnit { Metres, Feet };

// A length, and the one place that knows how many millimetres a metre, a
// foot, an inch and a mile hold, and how many micrometres a millimetre: every conversion goes
// through it.
class Length
{
public:
    static constexpr Length millimetres(double mm) { return Length(mm); }
    static constexpr Length micrometres(double um) { return Length(um / perMillimetre); }
    static constexpr Length metres(double m) { return Length(m * perMetre); }
    static constexpr Length in(double value, LengthUnit unit) { return Length(value * per(unit)); }

    constexpr double millimetres() const { return mm; }
    constexpr double micrometres() const { return mm * perMillimetre; }
    constexpr double metres() const { return mm / perMetre; }
    constexpr double in(LengthUnit unit) const { return mm / per(unit); }
    constexpr double inches() const { return mm / perInch; }
    // In kilometres or miles: the unit's larger one, for long distances.
    constexpr double inLarger(LengthUnit unit) const
    {
        return unit == LengthUnit::Feet ? in(unit) / feetPerMile : metres() / perMetre;
    }

    // Whole hundredths of the unit at or below the length, counted exactly
    // from whole millimetres (a hundredth of a foot is 3.048 mm).
    static constexpr qint64 hundredths(qint64 mm, LengthUnit unit)
    {
        return unit == LengthUnit::Feet ? floorDiv(mm * 1000, qint64(perFoot * 10))
                                        : floorDiv(mm, qint64(perMetre / 100));
    }

    static constexpr const char *symbolOf(LengthUnit unit)
    {
        return unit == LengthUnit::Feet ? "ft" : "m";
    }
    // " m" or " ft", as a distance's text ends.
    static QString suffixOf(LengthUnit unit)
    {
        return QLatin1Char(' ') + QLatin1String(symbolOf(unit));
    }
    static constexpr const char *largerSymbolOf(LengthUnit unit)
    {
        return unit == LengthUnit::Feet ? "mi" : "km";
    }

private:
    static constexpr double perMetre = 1000;
    static constexpr double perMillimetre = 1000; // micrometres
    static constexpr double perFoot = 304.8;
    static constexpr double perInch = 25.4;
    static constexpr double feetPerMile = 5280;

    static constexpr double per(LengthUnit unit)
    {
        return unit == LengthUnit::Feet ? perFoot : perMetre;
    }
    static constexpr qint64 floorDiv(qint64 a, qint64 b)
    {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
    }

    explicit constexpr Length(double millimetres)
        : mm(millimetres)
    {}

    double mm;
};

#endif // LENGTH_H
