#include "magnificationbox.h"

#include "text/readout.h"

#include <QRegularExpression>

#include <cmath>

MagnificationBox::MagnificationBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(8);
    setRange(0, 100);
    setSpecialValueText(QStringLiteral("–"));
}

void MagnificationBox::stepBy(int steps)
{
    const double from = value() > 0 ? value() : 0.01;
    const double stepped = from * std::pow(2.0, steps / 3.0);
    // To three significant digits, so that 1:1 up and down again is 1:1.
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(stepped)));
    setValue(std::round(stepped * scale) / scale);
    selectAll();
}

QString MagnificationBox::textFromValue(double value) const
{
    return Readout::magnification(value, locale());
}

double MagnificationBox::parse(const QString &text) const
{
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), locale().decimalPoint())
        .replace(QLatin1Char('.'), locale().decimalPoint());
    bool ok = false;
    const QStringList ratio = plain.split(QLatin1Char(':'));
    if (ratio.size() == 2) {
        const double subject = locale().toDouble(ratio[0].trimmed(), &ok);
        bool okImage = false;
        const double image = locale().toDouble(ratio[1].trimmed(), &okImage);
        return ok && okImage && image > 0 ? subject / image : std::nan("");
    }
    plain.remove(QRegularExpression(QStringLiteral("\\s*[×xX]$")));
    const double number = locale().toDouble(plain, &ok);
    return ok ? number : std::nan("");
}

double MagnificationBox::valueFromText(const QString &text) const
{
    const double magnification = parse(text);
    return std::isnan(magnification) ? value() : std::clamp(magnification, minimum(), maximum());
}

QValidator::State MagnificationBox::validate(QString &text, int &) const
{
    if (text == specialValueText())
        return QValidator::Acceptable;
    static const QRegularExpression typable(QStringLiteral("^[0-9.,:\\s×xX]*$"));
    if (!typable.match(text).hasMatch())
        return QValidator::Invalid;
    const double magnification = parse(text);
    return !std::isnan(magnification) && magnification > minimum() && magnification <= maximum()
        ? QValidator::Acceptable
        : QValidator::Intermediate;
}
