// Fractions: shaded parts, equivalence, simplest form, mixed numbers, fractions of amounts.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack {

namespace {

Question Shaded(Prng& rng)
{
    const int d = rng.pick(QList<int>{4, 5, 6, 8, 10, 12});
    const int k = rng.range(1, d - 1);
    Question q = Make(Para(QStringLiteral("What fraction of the shape is shaded?")),
                      {FractionAnswerPart(QString(), k, d, false)},
                      QStringLiteral("Write a fraction like 3/4."));
    q.pictures = {rng.chance(50) ? FractionBar(d, k) : FractionCircle(d, k)};
    return q;
}

Question WhichShaded(Prng& rng)
{
    const int d = rng.pick(QList<int>{3, 4, 5, 6, 8});
    const int k = rng.range(1, d - 1);
    // The right option as the circle shows it or in its simplest form; the wrong ones are
    // other values, so that one option only equals k/d.
    const int g = rng.chance(50) ? Gcd(k, d) : 1;
    QList<QPair<int, int>> values = {{k / g, d / g}};
    QList<QPair<int, int>> others = {{d - k, d}, {k, d + 1}, {k + 1, d}, {1, k + 1}, {k, d * 2}};
    rng.shuffle(others);
    for (const QPair<int, int>& other : others) {
        const auto equal = [&](const QPair<int, int>& v) {
            return v.first * other.second == other.first * v.second;
        };
        if (values.size() < 4 && std::none_of(values.cbegin(), values.cend(), equal))
            values.append(other);
    }
    QList<Option> options;
    for (const auto& [n, m] : values)
        options.append({FractionHtml(n, m), n * d == k * m});
    Question q = ChoiceQuestion(Para(QStringLiteral("What fraction of the circle is shaded?")),
                                UniqueChoice(rng, options));
    q.pictures = {FractionCircle(d, k)};
    return q;
}

Question Equivalent(Prng& rng)
{
    const int b = rng.range(2, 9);
    const int a = rng.range(1, b - 1);
    const int k = rng.range(2, 6);
    return Make(Para(QStringLiteral("What number goes in the box?")) +
                    Display(FractionHtml(a, b) + QStringLiteral(" = ") +
                            FractionHtml(0, b * k).replace(QStringLiteral("<span>0</span>"),
                                                           QStringLiteral("<span>&#9633;</span>"))),
                {NumberPart(QString(), a * k)});
}

Question Simplify(Prng& rng)
{
    int b = rng.range(3, 9);
    int a = rng.range(1, b - 1);
    const int g = Gcd(a, b);
    a /= g;
    b /= g;
    const int k = rng.range(2, 6);
    return Make(Para(QStringLiteral("Write this fraction in its simplest form.")) +
                    Display(FractionHtml(a * k, b * k)),
                {ExactPart(QString(), 'F', SimplestFraction(a, b))}, QLatin1String(kNoteFraction));
}

Question ToMixed(Prng& rng)
{
    const int d = rng.range(2, 9);
    const int whole = rng.range(1, 5);
    const int rest = rng.range(1, d - 1);
    const int n = whole * d + rest;
    return Make(Para(QStringLiteral("Write this improper fraction as a mixed number.")) +
                    Display(FractionHtml(n, d)),
                {MixedAnswerPart(QString(), whole, rest, d, false)}, QLatin1String(kNoteMixed));
}

Question ToImproper(Prng& rng)
{
    const int d = rng.range(2, 9);
    const int whole = rng.range(1, 4);
    int rest = rng.range(1, d - 1);
    while (Gcd(rest, d) != 1)
        --rest;
    return Make(Para(QStringLiteral("Write this mixed number as an improper fraction.")) +
                    Display(MixedHtml(whole, rest, d)),
                {FractionAnswerPart(QString(), whole * d + rest, d, false)},
                QStringLiteral("Write a fraction like 7/3."));
}

Question AddSame(Prng& rng)
{
    const int d = rng.range(3, 12);
    const int a = rng.range(1, d - 1);
    const int b = rng.range(1, d - 1);
    const int sum = a + b;
    const bool mixed = sum > d && sum % d != 0;
    const QString display = FractionHtml(a, d) + QStringLiteral(" + ") + FractionHtml(b, d);
    if (sum % d == 0) // a whole number, or the fraction as it comes
        return Make(
            Para(QStringLiteral("Work out")) + Display(display),
            {AlternativesPart(QString(), NumberForms(sum / d, 0) + FractionForms(sum, d, false))});
    if (mixed) {
        return Make(
            Para(QStringLiteral(
                "Work out the sum. Write the answer as a mixed number in its simplest form.")) +
                Display(display),
            {ExactPart(QString(), 'X', MixedNumber(sum, d))}, QLatin1String(kNoteMixed));
    }
    return Make(Para(QStringLiteral("Work out the sum. Give your answer in its simplest form.")) +
                    Display(display),
                {ExactPart(QString(), 'F', SimplestFraction(sum, d))},
                QLatin1String(kNoteFraction));
}

Question OfAmount(Prng& rng)
{
    const int d = rng.range(2, 10);
    const int n = rng.range(1, d - 1);
    const int amount = d * rng.range(3, 15);
    const int answer = amount / d * n;
    static const Unit sweets{"sweets", {"sweets"}};
    static const Unit pupils{"pupils", {"pupils", "children"}};
    const QString of = QStringLiteral("What is %1 of ").arg(FractionHtml(n, d));
    switch (rng.range(0, 3)) {
    case 0:
        return Make(Para(of + QStringLiteral("%1 sweets?").arg(amount)),
                    {MeasurePart(QString(), answer, 0, sweets)});
    case 1:
        return Make(Para(of + QStringLiteral("%1 pupils?").arg(amount)),
                    {MeasurePart(QString(), answer, 0, pupils)});
    case 2:
        return Make(Para(of + QStringLiteral("%1 metres?").arg(amount)),
                    {MeasurePart(QString(), answer, 0, units::kM)});
    default:
        return Make(Para(of + QStringLiteral("&pound;%1?").arg(amount)),
                    {MeasurePart(QString(), answer * 100, 2, units::kPounds)});
    }
}

Question LargestFraction(Prng& rng)
{
    QList<QPair<int, int>> fractions;
    while (fractions.size() < 4) {
        const int d = rng.range(2, 12);
        const int n = rng.range(1, d - 1);
        bool clash = false;
        for (const auto& f : fractions)
            clash = clash || f.first * d == n * f.second;
        if (!clash)
            fractions.append({n, d});
    }
    const bool largest = rng.chance(50);
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        const int before = fractions.at(i).first * fractions.at(best).second;
        const int after = fractions.at(best).first * fractions.at(i).second;
        if (largest ? before > after : before < after)
            best = i;
    }
    QList<Option> options;
    for (int i = 0; i < 4; ++i)
        options.append({FractionHtml(fractions.at(i).first, fractions.at(i).second), i == best});
    return ChoiceQuestion(Para(QStringLiteral("Which fraction is the <b>%1</b>?")
                                   .arg(largest ? "largest" : "smallest")),
                          UniqueChoice(rng, options));
}

Question PartOfHour(Prng& rng)
{
    const int minutes = rng.pick(QList<int>{15, 30, 45, 6, 12, 20, 40});
    QStringList forms = FractionForms(minutes, 60, false);
    if (100 % (60 / Gcd(minutes, 60)) == 0)
        forms += NumberForms(minutes * 100 / 60, 2);
    return Make(Para(QStringLiteral("What fraction of an hour is %1 minutes?").arg(minutes)),
                {AlternativesPart(QString(), forms)}, QStringLiteral("Write a fraction like 1/4."));
}

} // namespace

QList<Generator> FractionKinds()
{
    return {Shaded,     Shaded,  WhichShaded, Equivalent,      Simplify,  ToMixed,
            ToImproper, AddSame, OfAmount,    LargestFraction, PartOfHour};
}

} // namespace orlavine::pack
