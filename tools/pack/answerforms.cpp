#include "answerforms.h"

#include "numbertext.h"

#include <cstdlib>

namespace orlavine::pack {

namespace units {
const Unit kNone{};
const Unit kMm{"mm", {"mm", "millimetres", "millimetre", "millimeters", "millimeter"}};
const Unit kCm{"cm", {"cm", "cms", "centimetres", "centimetre", "centimeters", "centimeter"}};
const Unit kM{"m", {"m", "metres", "metre", "meters", "meter"}};
const Unit kKm{"km", {"km", "kms", "kilometres", "kilometre", "kilometers", "kilometer"}};
const Unit kG{"g", {"g", "grams", "gram", "gm", "gms"}};
const Unit kKg{"kg", {"kg", "kgs", "kilograms", "kilogram", "kilos"}};
const Unit kMl{"ml", {"ml", "mls", "millilitres", "millilitre", "milliliters", "milliliter"}};
const Unit kLitres{"litres", {"litres", "l", "litre", "liters", "liter"}};
const Unit kSquareCm{"cm&sup2;", {"cm\u00B2", "cm2", "cm^2", "sq cm", "square cm",
                                  "square centimetres", "square centimeters"}};
const Unit kSquareM{"m&sup2;", {"m\u00B2", "m2", "m^2", "sq m", "square metres",
                                "square meters"}};
const Unit kCubicCm{"cm&sup3;", {"cm\u00B3", "cm3", "cm^3", "cubic cm", "cubic centimetres",
                                 "cubic centimeters"}};
const Unit kDegrees{"&deg;", {"\u00B0", "degrees", "degree", "deg"}};
const Unit kCelsius{"&deg;C", {"\u00B0C", "\u00B0", "C", "\u00B0 C", "degrees", "degrees C",
                              "degrees Celsius", "deg C", "Celsius"}};
const Unit kPercent{"%", {"%", "percent", "per cent"}};
const Unit kPounds{"&pound;", {"\u00A3", "pounds"}, true};
const Unit kPence{"p", {"p", "pence"}};
const Unit kSeconds{"seconds", {"seconds", "second", "secs", "sec", "s"}};
const Unit kMinutes{"minutes", {"minutes", "minute", "mins", "min"}};
const Unit kHours{"hours", {"hours", "hour", "hrs", "hr", "h"}};
const Unit kDays{"days", {"days", "day"}};
const Unit kPupils{"pupils", {"pupils", "children"}};
} // namespace units

namespace {

void AddOnce(QStringList& list, const QString& item)
{
    if (!list.contains(item))
        list.append(item);
}

/// The whole part with the thousands marked by `separator` ("1 050" for a space).
QString Grouped(const QString& digits, QChar separator)
{
    QString out = digits;
    for (int at = int(out.size()) - 3; at > 0; at -= 3)
        out.insert(at, separator);
    return out;
}

QStringList SpacedBars(const QString& fraction)
{
    QString spaced = fraction;
    spaced.replace(QLatin1Char('/'), QStringLiteral(" / "));
    QString before = fraction;
    before.replace(QLatin1Char('/'), QStringLiteral(" /"));
    QString after = fraction;
    after.replace(QLatin1Char('/'), QStringLiteral("/ "));
    return {fraction, spaced, before, after};
}

/// scaled / 10^places as a worked solution states it: thousands marked by commas.
QString ShownNumber(long long scaled, int places)
{
    QString text = DecimalText(scaled, places);
    const bool negative = text.startsWith(QLatin1Char('-'));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QString whole = text.mid(negative ? 1 : 0, (point < 0 ? text.size() : point) - (negative ? 1 : 0));
    return (negative ? QStringLiteral("-") : QString()) + Grouped(whole, QLatin1Char(',')) +
           (point < 0 ? QString() : text.mid(point));
}

} // namespace

QStringList NumberForms(long long scaled, int places)
{
    const QString sign = scaled < 0 ? QStringLiteral("-") : QString();
    const QString exact = DecimalText(std::llabs(scaled), places);
    const QString whole = exact.section(QLatin1Char('.'), 0, 0);
    const QString decimals = exact.section(QLatin1Char('.'), 1);
    QStringList tails;
    if (decimals.isEmpty()) {
        tails = {QString(), QStringLiteral(".0"), QStringLiteral(".00")};
    } else {
        tails = {QLatin1Char('.') + decimals};
        if (decimals.size() < 2)
            tails.append(QLatin1Char('.') + decimals + QLatin1Char('0'));
    }
    QStringList forms;
    for (const QString& tail : tails) {
        for (const QString& head :
             {whole, Grouped(whole, QLatin1Char(',')), Grouped(whole, QLatin1Char(' '))}) {
            AddOnce(forms, sign + head + tail);
            if (head == QLatin1String("0") && !tail.isEmpty())
                AddOnce(forms, sign + tail); // ".5"
        }
    }
    return forms;
}

QStringList WithUnit(const QStringList& numbers, const Unit& unit)
{
    QStringList forms = numbers;
    for (const QString& number : numbers) {
        for (const QString& written : unit.written) {
            const bool symbol = !written.front().isLetter();
            if (unit.before && symbol) {
                AddOnce(forms, written + number);
                AddOnce(forms, written + QLatin1Char(' ') + number);
            } else {
                AddOnce(forms, number + written);
                AddOnce(forms, number + QLatin1Char(' ') + written);
            }
        }
    }
    return forms;
}

QStringList MeasureForms(long long scaled, int places, const Unit& unit)
{
    return WithUnit(NumberForms(scaled, places), unit);
}

QStringList FractionForms(int n, int d, bool simplestOnly)
{
    const int g = Gcd(n, d);
    const int p = n / g;
    const int q = d / g;
    if (simplestOnly)
        return SpacedBars(QStringLiteral("%1/%2").arg(p).arg(q));
    QStringList forms;
    for (int k = 1; k * q <= std::max(100, q); ++k) {
        for (const QString& form : SpacedBars(QStringLiteral("%1/%2").arg(k * p).arg(k * q)))
            AddOnce(forms, form);
    }
    return forms;
}

QStringList MixedForms(int whole, int n, int d, bool simplestOnly)
{
    QStringList forms;
    for (const QString& fraction : FractionForms(n, d, simplestOnly)) {
        if (!fraction.contains(QLatin1Char(' '))) // "5 2/4", not "5 2 / 4"
            forms.append(QStringLiteral("%1 %2").arg(whole).arg(fraction));
    }
    return forms;
}

QStringList ProductForms(int coefficient, const QString& letter)
{
    const QString c = QString::number(coefficient);
    QStringList forms = {c + letter, c + QLatin1Char(' ') + letter, letter + c};
    for (const QString& op : {QStringLiteral("\u00D7"), QStringLiteral("x"), QStringLiteral("*"),
                              QStringLiteral(".")}) {
        AddOnce(forms, c + op + letter);
        AddOnce(forms, c + QLatin1Char(' ') + op + QLatin1Char(' ') + letter);
        AddOnce(forms, letter + op + c);
        AddOnce(forms, letter + QLatin1Char(' ') + op + QLatin1Char(' ') + c);
    }
    return forms;
}

Part MeasurePart(const QString& prompt, long long scaled, int places, const Unit& unit, int marks)
{
    long long thousand = 1000;
    for (int i = 0; i < places; ++i)
        thousand *= 10;
    // A bare number under 1,000 reads as a number in any form: the number rule takes it.
    Part part = unit.written.isEmpty() && std::llabs(scaled) < thousand
                    ? DecimalPart(prompt, scaled, places, marks)
                    : AlternativesPart(prompt, MeasureForms(scaled, places, unit), marks);
    part.unit = unit.shown;
    part.unitBefore = unit.before;
    const QString number = unit.before ? FixedText(scaled, places) : ShownNumber(scaled, places);
    // Degrees and per cent are written close to their number ("110°", "25%").
    const bool close = unit.shown.startsWith(QLatin1String("&deg;")) || unit.shown == "%";
    part.answer = unit.shown.isEmpty() ? number
                  : unit.before        ? unit.shown + number
                  : close              ? number + unit.shown
                                       : number + QLatin1Char(' ') + unit.shown;
    return part;
}

Part FractionAnswerPart(const QString& prompt, int n, int d, bool simplestOnly, int marks)
{
    Part part = AlternativesPart(prompt, FractionForms(n, d, simplestOnly), marks);
    const int g = simplestOnly ? Gcd(n, d) : 1;
    part.answer = FractionHtml(n / g, d / g);
    return part;
}

Part MixedAnswerPart(const QString& prompt, int whole, int n, int d, bool simplestOnly, int marks)
{
    Part part = AlternativesPart(prompt, MixedForms(whole, n, d, simplestOnly), marks);
    const int g = simplestOnly ? Gcd(n, d) : 1;
    part.answer = MixedHtml(whole, n / g, d / g);
    return part;
}

Part ProductPart(const QString& prompt, int coefficient, const QString& letter, int marks)
{
    return AlternativesPart(prompt, ProductForms(coefficient, letter), marks);
}

Part FormPart(const QString& prompt, char type, const QString& key, const QString& form, int marks)
{
    Part part = ExactPart(prompt, type, key, marks);
    part.form = form;
    return part;
}

} // namespace orlavine::pack
