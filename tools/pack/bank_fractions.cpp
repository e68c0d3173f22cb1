// Fractions: shaded parts, equivalence, simplest form, mixed numbers, fractions of amounts.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

Question Shaded(Prng& rng)
{
    const int d = rng.pick(QList<int>{4, 5, 6, 8, 10, 12});
    const int k = rng.range(1, d - 1);
    Question q =
        Make(Para(QStringLiteral(
                 "What fraction of the shape is shaded? Give your answer in its simplest form.")),
             {ExactPart(QString(), 'F', SimplestFraction(k, d))}, QLatin1String(kNoteFraction));
    q.pictures = {rng.chance(50) ? FractionBar(d, k) : FractionCircle(d, k)};
    return q;
}

Question WhichShaded(Prng& rng)
{
    const int d = rng.pick(QList<int>{3, 4, 5, 6, 8});
    const int k = rng.range(1, d - 1);
    Question q = ChoiceQuestion(
        Para(QStringLiteral("What fraction of the circle is shaded?")),
        MakeChoice(rng, FractionHtml(k, d),
                   {FractionHtml(d - k, d), FractionHtml(k, d + 1), FractionHtml(k + 1, d),
                    FractionHtml(1, k + 1), FractionHtml(k, d * 2)}));
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
                {ExactPart(QString(), 'X', MixedNumber(n, d))}, QLatin1String(kNoteMixed));
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
                {ExactPart(QString(), 'F', QStringLiteral("%1/%2").arg(whole * d + rest).arg(d))},
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
    if (sum % d == 0)
        return Make(Para(QStringLiteral("Work out")) + Display(display),
                    {NumberPart(QString(), sum / d)});
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
    static const QStringList units = {"sweets", "pupils", "metres", "pounds"};
    const QString unit = rng.pick(units);
    return Make(
        Para(QStringLiteral("What is %1 of %2 %3?").arg(FractionHtml(n, d)).arg(amount).arg(unit)),
        {NumberPart(QString(), amount / d * n)}, QStringLiteral("Type the number only."));
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
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (fractions.at(i).first * fractions.at(best).second >
            fractions.at(best).first * fractions.at(i).second)
            best = i;
    }
    QStringList wrong;
    for (int i = 0; i < 4; ++i) {
        if (i != best)
            wrong.append(FractionHtml(fractions.at(i).first, fractions.at(i).second));
    }
    return ChoiceQuestion(
        Para(QStringLiteral("Which fraction is the <b>largest</b>?")),
        MakeChoice(rng, FractionHtml(fractions.at(best).first, fractions.at(best).second), wrong));
}

Question PartOfHour(Prng& rng)
{
    const int minutes = rng.pick(QList<int>{15, 30, 45, 6, 12, 20, 40});
    const int g = Gcd(minutes, 60);
    QStringList forms = {SimplestFraction(minutes, 60), QStringLiteral("%1/60").arg(minutes)};
    if (100 % (60 / g) == 0)
        forms.append(DecimalText(minutes * 100 / 60, 2));
    return Make(
        Para(QStringLiteral("What fraction of an hour is %1 minutes?").arg(minutes)),
        {AlternativesPart(QString(), forms)},
        QStringLiteral("Write a fraction like 1/4. A fraction in its simplest form is best."));
}

} // namespace

QList<Generator> FractionKinds()
{
    return {Shaded,     Shaded,  WhichShaded, Equivalent,      Simplify,  ToMixed,
            ToImproper, AddSame, OfAmount,    LargestFraction, PartOfHour};
}

} // namespace orlavine::pack
