#include "decimalspinbox.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <cmath>

void DecimalSpinBox::setDisplayUnit(LengthUnit unit)
{
    if (shown < 0) {
        shown = decimals();
        setDecimals(shown + 4);
    }
    factor = Length::metres(1).in(unit);
    setSuffix(Length::suffixOf(unit)); // shows the value anew
}

QString DecimalSpinBox::shownText(double value) const
{
    return prefix() + textFromValue(value) + suffix();
}

void DecimalSpinBox::setCloseDecimals(int decimals)
{
    close = decimals;
}

void DecimalSpinBox::setMapping(std::function<double(double)> shownFrom,
                                std::function<double(double)> valueFrom)
{
    toShown = std::move(shownFrom);
    fromShown = std::move(valueFrom);
    // Shows the value anew.
    const QSignalBlocker quiet(this);
    setValue(value());
}

double DecimalSpinBox::shownOf(double value) const
{
    return (toShown ? toShown(value) : value) * factor;
}

double DecimalSpinBox::valueOf(double inUnit) const
{
    const double value = inUnit / factor;
    return fromShown ? fromShown(value) : value;
}

int DecimalSpinBox::decimalsOfShown(double inUnit) const
{
    const int far = shown < 0 ? decimals() : shown;
    return close > far && std::abs(inUnit) < 1 ? close : far;
}

int DecimalSpinBox::shownDecimals(double value) const
{
    return decimalsOfShown(shownOf(value));
}

double DecimalSpinBox::shownScale(double value) const
{
    return std::pow(10.0, shownDecimals(value));
}

double DecimalSpinBox::shownValue(double value, bool roundUp) const
{
    const double scale = shownScale(value);
    const double inUnit = shownOf(value) * scale;
    return valueOf((roundUp ? std::ceil(inUnit - 1e-9) : std::round(inUnit)) / scale);
}

void DecimalSpinBox::setShownValue(double value, bool roundUp)
{
    setValue(shownValue(value, roundUp));
}

void DecimalSpinBox::setKeptValue(double value)
{
    const int far = shown < 0 ? decimals() : shown;
    const double scale = std::pow(10.0, close > far && std::abs(value) < 1 ? close : far);
    setValue(std::round(value * scale) / scale);
}

void DecimalSpinBox::stepBy(int steps)
{
    // Qt adds the step unrounded, so 4.00 up and down again would hold
    // 3.9999999999999996; rounding to the decimals shown keeps what is shown.
    const double scale = shownScale(value());
    const double stepped = std::round(shownOf(value()) * scale) / scale + steps * singleStep();
    setValue(valueOf(std::round(stepped * scale) / scale));
    selectAll();
}

QString DecimalSpinBox::textFromValue(double value) const
{
    if (shown < 0)
        return QDoubleSpinBox::textFromValue(value);
    QLocale numbers = locale();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(shownOf(value), 'f', shownDecimals(value));
}

double DecimalSpinBox::valueFromText(const QString &text) const
{
    if (shown < 0)
        return QDoubleSpinBox::valueFromText(text);
    // To the decimals held, so that 10.01 ft is held, and saved, as 3.051048 m.
    const double scale = std::pow(10.0, decimals());
    return inRange(std::round(valueOf(locale().toDouble(number(text))) * scale) / scale);
}

QValidator::State DecimalSpinBox::validate(QString &text, int &pos) const
{
    if (shown < 0)
        return QDoubleSpinBox::validate(text, pos);
    const QString typed = number(text);
    if (typed.isEmpty() || typed == locale().negativeSign())
        return QValidator::Intermediate;
    const qsizetype point = typed.indexOf(locale().decimalPoint());
    bool ok = false;
    const double inUnit = locale().toDouble(typed, &ok);
    if (!ok || typed.contains(locale().groupSeparator())
        || (point >= 0 && typed.size() - point - 1 > decimalsOfShown(inUnit)))
        return QValidator::Invalid;
    const double held = inRange(valueOf(inUnit));
    return held < minimum() || held > maximum() ? QValidator::Intermediate : QValidator::Acceptable;
}

double DecimalSpinBox::inRange(double held) const
{
    // A bound shown in another unit is rounded: 99999 m reads 328080.71 ft,
    // a little more than the maximum, and must still be taken as shown.
    for (const double bound : {minimum(), maximum()}) {
        if (held != bound && textFromValue(held) == textFromValue(bound))
            return bound;
    }
    return held;
}

QString DecimalSpinBox::number(const QString &text) const
{
    QString body = text;
    if (body.startsWith(prefix()))
        body.remove(0, prefix().size());
    if (!suffix().isEmpty() && body.endsWith(suffix()))
        body.chop(suffix().size());
    return body.trimmed();
}

void DecimalSpinBox::keyPressEvent(QKeyEvent *event)
{
    const QString point = locale().decimalPoint();
    if ((event->text() != QLatin1String(".") && event->text() != QLatin1String(","))
        || event->text() == point) {
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(QEvent::KeyPress,
                       point == QLatin1String(",") ? Qt::Key_Comma : Qt::Key_Period,
                       event->modifiers(), point);
    QDoubleSpinBox::keyPressEvent(&replaced);
}
