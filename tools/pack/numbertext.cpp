#include "numbertext.h"

#include <QStringList>

#include <cstdlib>

namespace orlavine::pack {

QString WithCommas(long long value)
{
    QString digits = QString::number(std::llabs(value));
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return value < 0 ? QStringLiteral("-") + digits : digits;
}

QString FixedText(long long scaled, int places)
{
    long long unit = 1;
    for (int i = 0; i < places; ++i)
        unit *= 10;
    const long long whole = std::llabs(scaled) / unit;
    QString text = (scaled < 0 ? QStringLiteral("-") : QString()) + QString::number(whole);
    if (places > 0)
        text += QLatin1Char('.') +
                QString::number(std::llabs(scaled) % unit).rightJustified(places, QLatin1Char('0'));
    return text;
}

QString DecimalText(long long scaled, int places)
{
    QString text = FixedText(scaled, places);
    if (places > 0) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString NumberWords(int value)
{
    static const QStringList small = {"zero",    "one",     "two",       "three",    "four",
                                      "five",    "six",     "seven",     "eight",    "nine",
                                      "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                      "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    static const QStringList tens = {"",      "",      "twenty",  "thirty", "forty",
                                     "fifty", "sixty", "seventy", "eighty", "ninety"};
    if (value < 20)
        return small.at(value);
    if (value < 100)
        return tens.at(value / 10) +
               (value % 10 ? QLatin1Char('-') + small.at(value % 10) : QString());
    if (value < 1000) {
        const QString head = small.at(value / 100) + QStringLiteral(" hundred");
        return value % 100 ? head + QStringLiteral(" and ") + NumberWords(value % 100) : head;
    }
    const QString head = NumberWords(value / 1000) + QStringLiteral(" thousand");
    const int rest = value % 1000;
    if (rest == 0)
        return head;
    return head + (rest < 100 ? QStringLiteral(" and ") : QStringLiteral(" ")) + NumberWords(rest);
}

QString RomanNumeral(int value)
{
    static const int values[] = {1000, 900, 500, 400, 100, 90, 50, 40, 10, 9, 5, 4, 1};
    static const char* symbols[] = {"M",  "CM", "D",  "CD", "C",  "XC", "L",
                                    "XL", "X",  "IX", "V",  "IV", "I"};
    QString text;
    for (int i = 0; i < 13; ++i) {
        for (; value >= values[i]; value -= values[i])
            text += QLatin1String(symbols[i]);
    }
    return text;
}

int Gcd(int a, int b)
{
    while (b != 0) {
        const int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

QString SimplestFraction(int n, int d)
{
    const int g = Gcd(n, d);
    if (n % d == 0)
        return QString::number(n / d);
    return QStringLiteral("%1/%2").arg(n / g).arg(d / g);
}

QString MixedNumber(int n, int d)
{
    const int whole = n / d;
    const int rest = n % d;
    if (rest == 0)
        return QString::number(whole);
    const QString fraction = SimplestFraction(rest, d);
    return whole == 0 ? fraction : QStringLiteral("%1 %2").arg(whole).arg(fraction);
}

QString FractionHtml(int n, int d)
{
    return QStringLiteral("<span class=\"fr\"><span>%1</span><span>%2</span></span>").arg(n).arg(d);
}

QString MixedHtml(int whole, int n, int d)
{
    return QString::number(whole) + FractionHtml(n, d);
}

} // namespace orlavine::pack
