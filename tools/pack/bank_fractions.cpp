// Fractions: shaded parts, equivalence, simplest form, mixed numbers, fractions of amounts.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{


QString Times(int a, int b)
{
    return QStringLiteral("%1 &times; %2").arg(a).arg(b);
}

/// n/d to three decimal places, "&asymp; 0.429" or "= 0.5" when exact.
QString DecimalAbout(int n, int d)
{
    const int thousandths = (n * 1000 * 2 + d) / (2 * d);
    return (n * 1000 % d == 0 ? QStringLiteral("= ") : QStringLiteral("&asymp; ")) +
           DecimalText(thousandths, 3);
}

/// "k/d, which is p/q in its simplest form" when it simplifies.
QString WithSimplest(int n, int d)
{
    const int g = Gcd(n, d);
    if (g == 1)
        return FractionHtml(n, d);
    return QStringLiteral("%1 (= %2 in its simplest form)")
        .arg(FractionHtml(n, d), FractionHtml(n / g, d / g));
}

/// The bar model of a fraction of an amount: `parts` equal parts each marked `each`, the
/// first `shaded` of them shaded, and the whole amount marked over the bar.
Picture BarOfParts(int parts, int shaded, int each, const QString& whole)
{
    Svg svg(420, 100);
    const double w = 400.0 / parts;
    svg.text({210, 18}, whole, 14);
    svg.line({10, 28}, {410, 28}, colour::kSlate, 1.5);
    svg.line({10, 22}, {10, 34}, colour::kSlate, 1.5);
    svg.line({410, 22}, {410, 34}, colour::kSlate, 1.5);
    for (int i = 0; i < parts; ++i) {
        svg.rect(10 + i * w, 40, w, 50, i < shaded ? colour::kBlueLight : "#ffffff");
        svg.text({10 + (i + 0.5) * w, 70}, QString::number(each), 14);
    }
    return {svg.finish(), QStringLiteral("A bar of %1 in %2 equal parts of %3, %4 of them shaded")
                              .arg(whole)
                              .arg(parts)
                              .arg(each)
                              .arg(shaded)};
}

Question Shaded(Prng& rng)
{
    const int d = rng.pick(QList<int>{4, 5, 6, 8, 10, 12});
    const int k = rng.range(1, d - 1);
    Question q = Make(Para(QStringLiteral("What fraction of the shape is shaded?")),
                      {FractionAnswerPart(QString(), k, d, false)},
                      QStringLiteral("Write a fraction like 3/4."));
    q.pictures = {rng.chance(50) ? FractionBar(d, k) : FractionCircle(d, k)};
    q.working = {QStringLiteral("Count the equal parts: there are %1, so each is %2.")
                     .arg(d)
                     .arg(FractionHtml(1, d)),
                 QStringLiteral("Shaded parts: %1, so the shaded fraction is %2.")
                     .arg(k)
                     .arg(WithSimplest(k, d))};
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
    q.working = {QStringLiteral("The circle has %1 equal parts; the shaded parts: %2. That is %3.")
                     .arg(d)
                     .arg(k)
                     .arg(FractionHtml(k, d))};
    if (g > 1)
        q.working.append(QStringLiteral("Divide the numerator and denominator by %1: %2 = %3.")
                             .arg(g)
                             .arg(FractionHtml(k, d), FractionHtml(k / g, d / g)));
    q.working.append(QStringLiteral("So the answer is %1.").arg(FractionHtml(k / g, d / g)));
    return q;
}

/// The HTML of a fraction with a box for its numerator or its denominator.
QString BoxedFraction(int n, int d, bool boxTop)
{
    return FractionHtml(boxTop ? 0 : n, boxTop ? d : 0)
        .replace(QStringLiteral("<span>0</span>"), QStringLiteral("<span>&#9633;</span>"));
}

Question Equivalent(Prng& rng)
{
    const int b = rng.range(2, 9);
    const int a = rng.range(1, b - 1);
    const int k = rng.range(2, 6);
    int m = rng.range(2, 7);
    while (m == k)
        m = rng.range(2, 7);
    Question q = Make(
        Para(QStringLiteral("Find the missing numbers.")),
        {NumberPart(FractionHtml(a, b) + QStringLiteral(" = ") + BoxedFraction(a * k, b * k, true),
                    a * k),
         NumberPart(FractionHtml(a, b) + QStringLiteral(" = ") + BoxedFraction(a * m, b * m, false),
                    b * m)});
    q.working = {QStringLiteral("a) The denominator %1 became %2: %3 = %2. Multiply the numerator "
                                "by %4 too: %5 = %6.")
                     .arg(b)
                     .arg(b * k)
                     .arg(Times(b, k))
                     .arg(k)
                     .arg(Times(a, k))
                     .arg(a * k),
                 QStringLiteral("b) The numerator %1 became %2: %3 = %2. Multiply the denominator "
                                "by %4 too: %5 = %6.")
                     .arg(a)
                     .arg(a * m)
                     .arg(Times(a, m))
                     .arg(m)
                     .arg(Times(b, m))
                     .arg(b * m)};
    return q;
}

Question Simplify(Prng& rng)
{
    QList<Part> parts;
    QList<int> shown;
    QStringList working;
    while (parts.size() < 2) {
        int b = rng.range(3, 9);
        int a = rng.range(1, b - 1);
        const int g = Gcd(a, b);
        a /= g;
        b /= g;
        const int k = rng.range(2, 6);
        if (shown.contains(a * k * 100 + b * k))
            continue;
        shown.append(a * k * 100 + b * k);
        parts.append(ExactPart(FractionHtml(a * k, b * k), 'F', SimplestFraction(a, b)));
        working.append(QStringLiteral("%1) The highest common factor of %2 and %3 is %4: %2 "
                                      "&divide; %4 = %5 and %3 &divide; %4 = %6, so %7 = %8.")
                           .arg(QLatin1Char(char('a' + parts.size() - 1)))
                           .arg(a * k)
                           .arg(b * k)
                           .arg(k)
                           .arg(a)
                           .arg(b)
                           .arg(FractionHtml(a * k, b * k), FractionHtml(a, b)));
    }
    Question q = Make(Para(QStringLiteral("Write each fraction in its simplest form.")), parts,
                      QLatin1String(kNoteFraction));
    q.working = working;
    return q;
}

Question ToMixed(Prng& rng)
{
    const int d = rng.range(2, 9);
    const int whole = rng.range(1, 5);
    const int rest = rng.range(1, d - 1);
    const int n = whole * d + rest;
    Question q =
        Make(Para(QStringLiteral("Write this improper fraction as a mixed number.")) +
                 Display(FractionHtml(n, d)),
             {MixedAnswerPart(QString(), whole, rest, d, false)}, QLatin1String(kNoteMixed));
    q.working = {QStringLiteral("How many wholes are in %1? %2 &divide; %3 = %4 remainder %5.")
                     .arg(FractionHtml(n, d))
                     .arg(n)
                     .arg(d)
                     .arg(whole)
                     .arg(rest),
                 QStringLiteral("%1 %2 and %3 left over: %4 = %5.")
                     .arg(whole)
                     .arg(whole == 1 ? QStringLiteral("whole") : QStringLiteral("wholes"))
                     .arg(FractionHtml(rest, d), FractionHtml(n, d), MixedHtml(whole, rest, d))};
    return q;
}

Question ToImproper(Prng& rng)
{
    const int d = rng.range(2, 9);
    const int whole = rng.range(1, 4);
    int rest = rng.range(1, d - 1);
    while (Gcd(rest, d) != 1)
        --rest;
    Question q = Make(Para(QStringLiteral("Write this mixed number as an improper fraction.")) +
                          Display(MixedHtml(whole, rest, d)),
                      {FractionAnswerPart(QString(), whole * d + rest, d, false)},
                      QStringLiteral("Write a fraction like 7/3."));
    q.working = {QStringLiteral("Each whole is %1, so %2 wholes are %3 = %4 %5.")
                     .arg(FractionHtml(d, d))
                     .arg(whole)
                     .arg(Times(whole, d))
                     .arg(whole * d)
                     .arg(d == 2 ? QStringLiteral("halves") : QStringLiteral("parts")),
                 QStringLiteral("Add the %1 more: %2 + %1 = %3.")
                     .arg(rest)
                     .arg(whole * d)
                     .arg(whole * d + rest),
                 QStringLiteral("So %1 = %2.")
                     .arg(MixedHtml(whole, rest, d), FractionHtml(whole * d + rest, d))};
    return q;
}

Question AddSame(Prng& rng)
{
    const int d = rng.range(3, 12);
    const int a = rng.range(1, d - 1);
    const int b = rng.range(1, d - 1);
    const int sum = a + b;
    const bool mixed = sum > d && sum % d != 0;
    const QString display = FractionHtml(a, d) + QStringLiteral(" + ") + FractionHtml(b, d);
    const QString add = QStringLiteral("The denominators are the same, so add the numerators: "
                                       "%1 + %2 = %3, giving %4.")
                            .arg(a)
                            .arg(b)
                            .arg(sum)
                            .arg(FractionHtml(sum, d));
    Question q;
    if (sum % d == 0) { // a whole number, or the fraction as it comes
        q = Make(
            Para(QStringLiteral("Work out")) + Display(display),
            {AlternativesPart(QString(), NumberForms(sum / d, 0) + FractionForms(sum, d, false))});
        q.working = {add, QStringLiteral("%1 = %2 &divide; %3 = %4.")
                              .arg(FractionHtml(sum, d))
                              .arg(sum)
                              .arg(d)
                              .arg(sum / d)};
    } else if (mixed) {
        const int g = Gcd(sum - d, d);
        q = Make(
            Para(QStringLiteral(
                "Work out the sum. Write the answer as a mixed number in its simplest form.")) +
                Display(display),
            {ExactPart(QString(), 'X', MixedNumber(sum, d), 2)}, QLatin1String(kNoteMixed));
        q.working = {
            add, QStringLiteral("%1 is more than one whole: %2 = %3.")
                     .arg(FractionHtml(sum, d), FractionHtml(sum, d), MixedHtml(1, sum - d, d))};
        if (g > 1)
            q.working.append(QStringLiteral("Simplify the fraction part by dividing by %1: %2.")
                                 .arg(g)
                                 .arg(MixedHtml(1, (sum - d) / g, d / g)));
    } else {
        const int g = Gcd(sum, d);
        q = Make(Para(QStringLiteral("Work out the sum. Give your answer in its simplest form.")) +
                     Display(display),
                 {ExactPart(QString(), 'F', SimplestFraction(sum, d), g > 1 ? 2 : 1)},
                 QLatin1String(kNoteFraction));
        q.working = {add};
        q.working.append(g > 1 ? QStringLiteral("Divide the numerator and denominator by %1: %2.")
                                     .arg(g)
                                     .arg(FractionHtml(sum / g, d / g))
                               : QStringLiteral("%1 and %2 have no common factor but 1, so %3 is "
                                                "in its simplest form.")
                                     .arg(sum)
                                     .arg(d)
                                     .arg(FractionHtml(sum, d)));
    }
    return q;
}

Question OfAmount(Prng& rng)
{
    const int d = rng.range(2, 10);
    int n = rng.range(1, d - 1);
    while (Gcd(n, d) != 1)
        n = rng.range(1, d - 1);
    const int amount = d * rng.range(3, 15);
    const int answer = amount / d * n;
    static const Unit sweets{"sweets", {"sweets"}};
    const QString of = QStringLiteral("What is %1 of ").arg(FractionHtml(n, d));
    const int kind = rng.range(0, 3);
    const Unit& unit = kind == 0   ? sweets
                       : kind == 1 ? units::kPupils
                       : kind == 2 ? units::kM
                                   : units::kPounds;
    const QString amountText = kind == 3 ? QStringLiteral("&pound;%1").arg(amount)
                                         : QStringLiteral("%1 %2").arg(amount).arg(
                                               kind == 2 ? QStringLiteral("metres") : unit.shown);
    const int marks = n > 1 ? 2 : 1;
    Question q = Make(Para(of + amountText + QLatin1Char('?')),
                      {kind == 3 ? MeasurePart(QString(), answer * 100, 2, unit, marks)
                                 : MeasurePart(QString(), answer, 0, unit, marks)});
    q.working = {QStringLiteral("To find %1, divide by %2: %3 &divide; %2 = %4.")
                     .arg(FractionHtml(1, d))
                     .arg(d)
                     .arg(amount)
                     .arg(amount / d)};
    if (n > 1)
        q.working.append(QStringLiteral("For %1, multiply by %2: %3 = %4.")
                             .arg(FractionHtml(n, d))
                             .arg(n)
                             .arg(Times(amount / d, n))
                             .arg(answer));
    q.workingPictures = {BarOfParts(
        d, n, amount / d,
        QString(amountText).replace(QLatin1String("&pound;"), QStringLiteral("\u00A3")))};
    q.working.append(QStringLiteral("So %1 of %2 is %3.")
                         .arg(FractionHtml(n, d), amountText,
                              kind == 3 ? QStringLiteral("&pound;%1").arg(answer)
                                        : QStringLiteral("%1 %2").arg(answer).arg(unit.shown)));
    return q;
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
    QStringList decimals;
    for (int i = 0; i < 4; ++i) {
        const auto [n, d] = fractions.at(i);
        options.append({FractionHtml(n, d), i == best});
        decimals.append(FractionHtml(n, d) + QLatin1Char(' ') + DecimalAbout(n, d));
    }
    const QString which = largest ? QStringLiteral("largest") : QStringLiteral("smallest");
    Question q = ChoiceQuestion(Para(QStringLiteral("Which fraction is the <b>%1</b>?").arg(which)),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("Write each fraction as a decimal (divide the numerator by the "
                                "denominator): %1.")
                     .arg(decimals.join(QStringLiteral(", "))),
                 QStringLiteral("The %1 decimal belongs to %2, so %2 is the %1 fraction.")
                     .arg(which)
                     .arg(FractionHtml(fractions.at(best).first, fractions.at(best).second))};
    return q;
}

Question PartOfHour(Prng& rng)
{
    struct Whole {
        const char* what;  // "an hour"
        int size;          // in its units
        int step;          // the parts asked about are multiples of it
        const char* parts; // "minutes"
    };
    static const QList<Whole> wholes = {{"an hour", 60, 5, "minutes"},
                                        {"a day", 24, 1, "hours"},
                                        {"a year", 12, 1, "months"},
                                        {"a metre", 100, 5, "centimetres"},
                                        {"a kilogram", 1000, 50, "grams"}};
    const Whole& whole = rng.pick(wholes);
    const int part = whole.step * rng.range(1, whole.size / whole.step - 1);
    const int g = Gcd(part, whole.size);
    QStringList forms = FractionForms(part, whole.size, false);
    if (100 % (whole.size / g) == 0)
        forms += NumberForms(part * 100 / whole.size, 2);
    Question q =
        Make(Para(QStringLiteral("What fraction of %1 is %2 %3?")
                      .arg(QLatin1String(whole.what))
                      .arg(part)
                      .arg(QLatin1String(whole.parts))),
             {AlternativesPart(QString(), forms)}, QStringLiteral("Write a fraction like 1/4."));
    q.parts.first().answer = FractionHtml(part / g, whole.size / g);
    q.working = {QStringLiteral("There are %1 %2 in %3, so %4 %2 is %5.")
                     .arg(whole.size)
                     .arg(QLatin1String(whole.parts), QLatin1String(whole.what))
                     .arg(part)
                     .arg(FractionHtml(part, whole.size))};
    if (g > 1)
        q.working.append(
            QStringLiteral("Divide the numerator and denominator by %1: %2 = %3.")
                .arg(g)
                .arg(FractionHtml(part, whole.size), FractionHtml(part / g, whole.size / g)));
    return q;
}

Question SubtractSame(Prng& rng)
{
    const int d = rng.range(3, 15);
    const int a = rng.range(2, d);
    const int b = rng.range(1, a - 1);
    Question q =
        Make(Para(QStringLiteral("Work out")) +
                 Display(FractionHtml(a, d) + QStringLiteral(" &minus; ") + FractionHtml(b, d)),
             {FractionAnswerPart(QString(), a - b, d, false)}, QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("The denominators are the same, so subtract the numerators: "
                                "%1 &minus; %2 = %3.")
                     .arg(a)
                     .arg(b)
                     .arg(a - b),
                 QStringLiteral("The denominator stays %1, so the answer is %2.")
                     .arg(d)
                     .arg(WithSimplest(a - b, d))};
    return q;
}

Question CompareTwo(Prng& rng)
{
    int b = rng.range(3, 10), d = rng.range(3, 12);
    while (b % d == 0 || d % b == 0 || b * d / Gcd(b, d) > 40)
        b = rng.range(3, 10), d = rng.range(3, 12);
    const int l = b * d / Gcd(b, d);
    int a = rng.range(1, b - 1), c = rng.range(1, d - 1);
    while (a * d == c * b)
        c = rng.range(1, d - 1);
    const int an = a * l / b, cn = c * l / d;
    const bool first = an > cn;
    Question q =
        Make(Para(QStringLiteral("Which is greater, %1 or %2? Write both fractions with the "
                                 "denominator %3 to find out.")
                      .arg(FractionHtml(a, b), FractionHtml(c, d))
                      .arg(l)),
             {NumberPart(QStringLiteral("%1 = %2").arg(
                             FractionHtml(a, b),
                             FractionHtml(0, l).replace(QStringLiteral("<span>0</span>"),
                                                        QStringLiteral("<span>&#9633;</span>"))),
                         an),
              NumberPart(QStringLiteral("%1 = %2").arg(
                             FractionHtml(c, d),
                             FractionHtml(0, l).replace(QStringLiteral("<span>0</span>"),
                                                        QStringLiteral("<span>&#9633;</span>"))),
                         cn),
              FractionAnswerPart(QStringLiteral("Which fraction is greater?"), first ? a : c,
                                 first ? b : d, false)},
             QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("a) %1 &times; %2 = %3, so %4 = %5.")
                     .arg(b)
                     .arg(l / b)
                     .arg(l)
                     .arg(FractionHtml(a, b), FractionHtml(an, l)),
                 QStringLiteral("b) %1 &times; %2 = %3, so %4 = %5.")
                     .arg(d)
                     .arg(l / d)
                     .arg(l)
                     .arg(FractionHtml(c, d), FractionHtml(cn, l)),
                 QStringLiteral("c) %1 is more than %2, so %3 is greater.")
                     .arg(first ? an : cn)
                     .arg(first ? cn : an)
                     .arg(first ? FractionHtml(a, b) : FractionHtml(c, d))};
    return q;
}

Question FindWhole(Prng& rng)
{
    const int d = rng.range(3, 10);
    int n = rng.range(1, d - 1);
    while (Gcd(n, d) != 1)
        n = rng.range(1, d - 1);
    const int unit = rng.range(2, 12);
    const int known = n * unit;
    const QString name = Name(rng);
    const QString thing = Thing(rng);
    const Unit things{thing, {thing}};
    Question q = Make(Para(QStringLiteral("%1 gave away %2 of %3 %4. That was %5 %4. How many %4 "
                                          "did %1 have at the start?")
                               .arg(name, FractionHtml(n, d), QStringLiteral("their"), thing)
                               .arg(known)),
                      {MeasurePart(QString(), unit * d, 0, things, 2)});
    q.working = {QStringLiteral("%1 of the %2 is %3.").arg(FractionHtml(n, d), thing).arg(known)};
    if (n > 1)
        q.working.append(QStringLiteral("So %1 is %2 &divide; %3 = %4.")
                             .arg(FractionHtml(1, d))
                             .arg(known)
                             .arg(n)
                             .arg(unit));
    q.working.append(QStringLiteral("The whole is %1 times as much: %2 = %3.")
                         .arg(d)
                         .arg(Times(unit, d))
                         .arg(unit * d));
    q.working.append(
        QStringLiteral("So %1 had %2 %3 at the start.").arg(name).arg(unit * d).arg(thing));
    q.workingPictures = {BarOfParts(d, n, unit, QStringLiteral("%1 %2").arg(unit * d).arg(thing))};
    return q;
}

Question FractionLeft(Prng& rng)
{
    const int d = rng.range(3, 10);
    int n = rng.range(1, d - 1);
    while (Gcd(n, d) != 1)
        n = rng.range(1, d - 1);
    const int total = d * rng.range(3, 12);
    const QString name = Name(rng);
    const QString thing = Thing(rng);
    const Unit things{thing, {thing}};
    const int given = total / d * n;
    Question q = Make(Para(QStringLiteral("%1 has %2 %3 and gives %4 of them to a friend. How many "
                                          "%3 does %1 have left?")
                               .arg(name)
                               .arg(total)
                               .arg(thing, FractionHtml(n, d))),
                      {MeasurePart(QString(), total - given, 0, things, 2)});
    q.working = {QStringLiteral("%1 of %2 is %2 &divide; %3 = %4.")
                     .arg(FractionHtml(1, d))
                     .arg(total)
                     .arg(d)
                     .arg(total / d),
                 QStringLiteral("%1 of %2 is %3 = %4 %5 given away.")
                     .arg(FractionHtml(n, d))
                     .arg(total)
                     .arg(Times(total / d, n))
                     .arg(given)
                     .arg(thing),
                 QStringLiteral("%1 &minus; %2 = %3, so %4 has %3 %5 left.")
                     .arg(total)
                     .arg(given)
                     .arg(total - given)
                     .arg(name, thing)};
    q.workingPictures = {
        BarOfParts(d, n, total / d, QStringLiteral("%1 %2").arg(total).arg(thing))};
    return q;
}

Question EquivalentChoice(Prng& rng)
{
    const int b = rng.range(2, 9);
    int a = rng.range(1, b - 1);
    while (Gcd(a, b) != 1)
        a = rng.range(1, b - 1);
    const int k = rng.range(2, 6);
    QList<QPair<int, int>> candidates = {
        {a * k, b * k}, {a + k, b + k},     {a * k, b + k},     {a + k, b * k},
        {b, a * k},     {a * k + 1, b * k}, {a * k, b * k + 1}, {a * (k + 1), b * k}};
    QList<Option> wrong;
    for (const auto& [n, m] : candidates.mid(1)) {
        const Option option{FractionHtml(n, m), n * b == a * m};
        if (!option.fits && std::none_of(wrong.cbegin(), wrong.cend(),
                                         [&](const Option& o) { return o.text == option.text; }))
            wrong.append(option);
    }
    rng.shuffle(wrong);
    const QList<Option> options =
        QList<Option>{{FractionHtml(a * k, b * k), true}} + wrong.mid(0, 3);
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which fraction is <b>equivalent</b> to %1?").arg(FractionHtml(a, b))),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("An equivalent fraction has its numerator and denominator "
                                "multiplied by the same number."),
                 QStringLiteral("%1 = %2 and %3 = %4.")
                     .arg(Times(a, k))
                     .arg(a * k)
                     .arg(Times(b, k))
                     .arg(b * k),
                 QStringLiteral("So %1 = %2; adding the same number to both does not keep the "
                                "fraction the same.")
                     .arg(FractionHtml(a, b), FractionHtml(a * k, b * k))};
    return q;
}

Question FractionToDecimal(Prng& rng)
{
    const int d = rng.pick(QList<int>{2, 4, 5, 10, 20, 25, 50, 100});
    int n = rng.range(1, d - 1);
    while (d > 10 && Gcd(n, d) != 1)
        n = rng.range(1, d - 1);
    const int hundredths = n * (100 / d);
    Question q = Make(Para(QStringLiteral("Write %1 as a decimal.").arg(FractionHtml(n, d))),
                      {DecimalPart(QString(), hundredths, 2)});
    q.working = {d == 100 ? QStringLiteral("%1 is %2 hundredths.").arg(FractionHtml(n, d)).arg(n)
                          : QStringLiteral("Make the denominator 100 by multiplying both numbers "
                                           "by %1: %2 = %3.")
                                .arg(100 / d)
                                .arg(FractionHtml(n, d), FractionHtml(hundredths, 100))};
    q.working.append(
        QStringLiteral("%1 hundredths is %2.").arg(hundredths).arg(DecimalText(hundredths, 2)));
    return q;
}

Question ClassTravel(Prng& rng)
{
    int b = rng.range(2, 5), d = rng.range(3, 8);
    while (b == d)
        d = rng.range(3, 8);
    const int l = b * d / Gcd(b, d);
    const int a = 1;
    int c = rng.range(1, d - 1);
    while (c * b >= d * (b - a) || Gcd(c, d) != 1) // the rest come by car: some must
        --c;
    const int total = l * rng.range(1, std::max(1, 40 / l));
    const int walk = total / b * a, bus = total / d * c;
    const int car = total - walk - bus;
    Question q =
        Make(Para(QStringLiteral("There are %1 pupils in a class. %2 of them walk to "
                                 "school and %3 of them come by bus. The rest come by car.")
                      .arg(total)
                      .arg(FractionHtml(a, b), FractionHtml(c, d))),
             {MeasurePart(QStringLiteral("How many pupils walk to school?"), walk, 0, units::kPupils),
              MeasurePart(QStringLiteral("How many pupils come by car?"), car, 0, units::kPupils, 2)});
    q.working = {
        QStringLiteral("a) %1 of %2 is %2 &divide; %3 = %4 pupils who walk.")
            .arg(FractionHtml(a, b))
            .arg(total)
            .arg(b)
            .arg(walk),
        QStringLiteral("b) %1 of %2 is %2 &divide; %3 &times; %4 = %5 pupils by bus.")
            .arg(FractionHtml(c, d))
            .arg(total)
            .arg(d)
            .arg(c)
            .arg(bus),
        QStringLiteral("The rest: %1 &minus; %2 &minus; %3 = %4, so %4 pupils come by car.")
            .arg(total)
            .arg(walk)
            .arg(bus)
            .arg(car)};
    return q;
}

Question ClubSize(Prng& rng)
{
    static const QList<QPair<QString, QString>> groups = {
        {"boys", "girls"}, {"girls", "boys"}, {"adults", "children"}, {"children", "adults"}};
    static const QStringList places = {"a chess club",  "a choir",       "a swimming club",
                                       "a school trip", "a drama group", "a cinema"};
    const auto& [these, others] = rng.pick(groups);
    const QString place = rng.pick(places);
    const int b = rng.range(3, 9);
    int a = rng.range(1, b - 1);
    while (Gcd(a, b) != 1)
        a = rng.range(1, b - 1);
    const int part = rng.range(2, 9);
    const int rest = (b - a) * part;
    const Unit people{"people", {"people"}};
    Question q = Make(Para(QStringLiteral("In %1, %2 of the people are %3. There are %4 %5.")
                               .arg(place, FractionHtml(a, b), these)
                               .arg(rest)
                               .arg(others)),
                      {MeasurePart(QStringLiteral("How many people are there altogether?"),
                                   part * b, 0, people, 2),
                       MeasurePart(QStringLiteral("How many %1 are there?").arg(these), part * a, 0,
                                   Unit{these, {these}})});
    q.working = {
        QStringLiteral("a) The %1 are 1 &minus; %2 = %3 of the people.")
            .arg(others, FractionHtml(a, b), FractionHtml(b - a, b)),
        QStringLiteral("So %1 is %2 &divide; %3 = %4.")
            .arg(FractionHtml(1, b))
            .arg(rest)
            .arg(b - a)
            .arg(part),
        QStringLiteral("Altogether: %1 &times; %2 = %3 people.").arg(part).arg(b).arg(part * b),
        QStringLiteral("b) %1 &times; %2 = %3 %4.").arg(part).arg(a).arg(part * a).arg(these)};
    q.workingPictures = {BarOfParts(b, a, part, QStringLiteral("%1 people").arg(part * b))};
    return q;
}

Question OrderThree(Prng& rng)
{
    static const QList<int> denominators = {2, 3, 4, 5, 6, 8, 10, 12};
    QList<QPair<int, int>> fractions;
    int common = 1;
    while (fractions.size() < 3) {
        const int d = rng.pick(denominators);
        int n = rng.range(1, d - 1);
        while (Gcd(n, d) != 1)
            n = rng.range(1, d - 1);
        const int l = common / Gcd(common, d) * d;
        const bool clash = std::any_of(fractions.cbegin(), fractions.cend(), [&](const auto& f) {
            return f.first * d == n * f.second || f.second == d;
        });
        if (!clash && l <= 60) {
            fractions.append({n, d});
            common = l;
        }
    }
    const QList<QPair<int, int>> shown = fractions;
    std::sort(fractions.begin(), fractions.end(),
              [](const auto& x, const auto& y) { return x.first * y.second < y.first * x.second; });
    QStringList over, order;
    for (const auto& [n, d] : shown)
        over.append(FractionHtml(n, d) + QStringLiteral(" = ") +
                    FractionHtml(n * (common / d), common));
    for (const auto& [n, d] : fractions)
        order.append(FractionHtml(n, d));
    static const QStringList places = {"the smallest", "the middle one", "the largest"};
    QList<Part> parts;
    for (int i = 0; i < 3; ++i)
        parts.append(FractionAnswerPart(QStringLiteral("Which is %1?").arg(places.at(i)),
                                        fractions.at(i).first, fractions.at(i).second, false));
    Question q = Make(Para(QStringLiteral("Put these fractions in order, smallest first.")) +
                          Display(QStringLiteral("%1 &nbsp; %2 &nbsp; %3")
                                      .arg(FractionHtml(shown.at(0).first, shown.at(0).second),
                                           FractionHtml(shown.at(1).first, shown.at(1).second),
                                           FractionHtml(shown.at(2).first, shown.at(2).second))),
                      parts, QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("Write them all with the common denominator %1: %2.")
                     .arg(common)
                     .arg(over.join(QStringLiteral(", "))),
                 QStringLiteral("Compare the numerators: in order, smallest first, %1.")
                     .arg(order.join(QStringLiteral(", ")))};
    return q;
}

} // namespace

QList<Generator> FractionKinds()
{
    return {Shaded,     Shaded,    WhichShaded,  Equivalent,       Simplify,          ToMixed,
            ToImproper, AddSame,   OfAmount,     LargestFraction,  PartOfHour,        SubtractSame,
            CompareTwo, FindWhole, FractionLeft, EquivalentChoice, FractionToDecimal, ClassTravel,
            ClubSize,   OrderThree};
}

} // namespace orlavine::pack
