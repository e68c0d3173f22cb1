// Calculating with fractions: adding, subtracting, multiplying and dividing them, mixed
// numbers, fractions of amounts in stories, and fractions, decimals and percentages.
#include "banks.h"

#include "answerforms.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

const QString kBox = QStringLiteral("&#9633;");

int Lcm(int a, int b)
{
    return a / Gcd(a, b) * b;
}

/// n/d (n > 0) in its simplest written form: a whole number, a mixed number or a fraction.
QString ValueHtml(int n, int d)
{
    const int g = Gcd(n, d);
    const int p = n / g, q = d / g;
    if (q == 1)
        return QString::number(p);
    return p > q ? MixedHtml(p / q, p % q, q) : FractionHtml(p, q);
}

/// The value n/d (n > 0) in every form a pupil who is right writes it: as any equivalent
/// fraction, improper or mixed, as a whole number when it is one, as a decimal when it
/// ends, each with and without `unit`.
Part ValuePart(const QString& prompt, int n, int d, const Unit& unit, int marks)
{
    const int g = Gcd(n, d);
    const int p = n / g, q = d / g;
    QStringList forms;
    if (q == 1) {
        forms = NumberForms(p, 0);
    } else {
        if (p > q)
            forms += MixedForms(p / q, p % q, q, false);
        forms += FractionForms(p, q, false);
        // Two denominators up to 12 multiplied give a common one up to 144.
        for (int k = 100 / q + 1; k * q <= 144; ++k) {
            if (p > q)
                forms.append(QStringLiteral("%1 %2/%3").arg(p / q).arg(k * (p % q)).arg(k * q));
            forms.append(QStringLiteral("%1/%2").arg(k * p).arg(k * q));
        }
        int places = 0;
        int scale = 1;
        while (places < 3 && scale % q != 0)
            ++places, scale *= 10;
        if (scale % q == 0)
            forms += NumberForms(p * (scale / q), places);
    }
    // The unit goes with the usual writings only, not with "3 / 4" spaced round its bar.
    QStringList usual, spaced;
    for (const QString& form : forms)
        (form.contains(QLatin1String("/ ")) || form.contains(QLatin1String(" /")) ? spaced : usual)
            .append(form);
    Part part = AlternativesPart(prompt, WithUnit(usual, unit) + spaced, marks);
    part.unit = unit.shown;
    part.unitBefore = unit.before;
    part.answer =
        ValueHtml(p, q) + (unit.shown.isEmpty() ? QString() : QLatin1Char(' ') + unit.shown);
    return part;
}

/// "n/d", followed by "= its simplest form" when that reads differently.
QString Simplified(int n, int d)
{
    const QString simplest = ValueHtml(n, d);
    return simplest == FractionHtml(n, d) ? simplest
                                          : FractionHtml(n, d) + QStringLiteral(" = ") + simplest;
}

/// The steps that bring n/d to its simplest form and, when it is more than one, to a
/// mixed number.
QStringList Tidy(int n, int d)
{
    QStringList steps;
    const int g = Gcd(n, d);
    const int p = n / g, q = d / g;
    if (g > 1)
        steps.append(
            QStringLiteral("Simplify by dividing the numerator and denominator by %1: "
                           "%2 = %3.")
                .arg(g)
                .arg(FractionHtml(n, d), q == 1 ? QString::number(p) : FractionHtml(p, q)));
    if (q > 1 && p > q)
        steps.append(QStringLiteral("%1 &divide; %2 = %3 remainder %4, so %5 = %6.")
                         .arg(p)
                         .arg(q)
                         .arg(p / q)
                         .arg(p % q)
                         .arg(FractionHtml(p, q), MixedHtml(p / q, p % q, q)));
    return steps;
}

/// "a/b = a'/l and c/d = c'/l": both fractions over their lowest common denominator l.
QString OverCommon(int a, int b, int c, int d)
{
    const int l = Lcm(b, d);
    return QStringLiteral("The lowest common multiple of %1 and %2 is %3, so write both with "
                          "the denominator %3: %4 = %5 and %6 = %7.")
        .arg(b)
        .arg(d)
        .arg(l)
        .arg(FractionHtml(a, b), FractionHtml(a * (l / b), l), FractionHtml(c, d),
             FractionHtml(c * (l / d), l));
}

/// Two different denominators from 2 to `most` that are not equal.
QPair<int, int> TwoDenominators(Prng& rng, int most)
{
    int b = rng.range(2, most), d = rng.range(2, most);
    while (b == d || Lcm(b, d) > 60)
        b = rng.range(2, most), d = rng.range(2, most);
    return {b, d};
}

/// A numerator for a proper fraction over d in its simplest form.
int Numerator(Prng& rng, int d)
{
    int n = rng.range(1, d - 1);
    while (Gcd(n, d) != 1)
        n = rng.range(1, d - 1);
    return n;
}

QString DecimalAbout(int n, int d)
{
    const int thousandths = (n * 2000 + d) / (2 * d);
    return (n * 1000 % d == 0 ? QStringLiteral("= ") : QStringLiteral("&asymp; ")) +
           DecimalText(thousandths, 3);
}

Question AddUnlike(Prng& rng)
{
    const auto [b, d] = TwoDenominators(rng, 12);
    const int a = Numerator(rng, b), c = Numerator(rng, d);
    const int l = Lcm(b, d);
    const int sum = a * (l / b) + c * (l / d);
    Question q =
        Make(Para(QStringLiteral("Work out")) +
                 Display(FractionHtml(a, b) + QStringLiteral(" + ") + FractionHtml(c, d)),
             {ValuePart(QString(), sum, l, units::kNone, 2)}, QLatin1String(kNoteAnyFraction));
    q.working = {
        OverCommon(a, b, c, d),
        QStringLiteral("Add the numerators: %1 + %2 = %3.")
            .arg(FractionHtml(a * (l / b), l), FractionHtml(c * (l / d), l), FractionHtml(sum, l))};
    q.working += Tidy(sum, l);
    q.working.append(QStringLiteral("So the answer is %1.").arg(ValueHtml(sum, l)));
    return q;
}

Question SubtractUnlike(Prng& rng)
{
    auto [b, d] = TwoDenominators(rng, 12);
    int a = Numerator(rng, b), c = Numerator(rng, d);
    if (a * d < c * b)
        std::swap(a, c), std::swap(b, d);
    const int l = Lcm(b, d);
    const int difference = a * (l / b) - c * (l / d);
    Question q = Make(
        Para(QStringLiteral("Work out")) +
            Display(FractionHtml(a, b) + QStringLiteral(" &minus; ") + FractionHtml(c, d)),
        {ValuePart(QString(), difference, l, units::kNone, 2)}, QLatin1String(kNoteAnyFraction));
    q.working = {OverCommon(a, b, c, d),
                 QStringLiteral("Subtract the numerators: %1 &minus; %2 = %3.")
                     .arg(FractionHtml(a * (l / b), l), FractionHtml(c * (l / d), l),
                          FractionHtml(difference, l))};
    q.working += Tidy(difference, l);
    q.working.append(QStringLiteral("So the answer is %1.").arg(ValueHtml(difference, l)));
    return q;
}

Question AddMixed(Prng& rng)
{
    const auto [b, d] = TwoDenominators(rng, 10);
    const int a = Numerator(rng, b), c = Numerator(rng, d);
    const int w = rng.range(1, 5), v = rng.range(1, 4);
    const int l = Lcm(b, d);
    const int parts = a * (l / b) + c * (l / d);
    const int total = (w + v) * l + parts;
    Question q = Make(Para(QStringLiteral("Work out")) +
                          Display(MixedHtml(w, a, b) + QStringLiteral(" + ") + MixedHtml(v, c, d)),
                      {ValuePart(QString(), total, l, units::kNone, 2)}, QLatin1String(kNoteMixed));
    q.working = {QStringLiteral("Add the whole numbers: %1 + %2 = %3.").arg(w).arg(v).arg(w + v),
                 OverCommon(a, b, c, d),
                 QStringLiteral("Add the fractions: %1 + %2 = %3.")
                     .arg(FractionHtml(a * (l / b), l), FractionHtml(c * (l / d), l),
                          FractionHtml(parts, l))};
    if (parts >= l)
        q.working.append(QStringLiteral("%1 is more than one whole: %2 + %1 = %3.")
                             .arg(FractionHtml(parts, l))
                             .arg(w + v)
                             .arg(ValueHtml(total, l)));
    q.working.append(QStringLiteral("So the answer is %1.").arg(ValueHtml(total, l)));
    return q;
}

Question SubtractMixed(Prng& rng)
{
    const auto [b, d] = TwoDenominators(rng, 10);
    const int a = Numerator(rng, b), c = Numerator(rng, d);
    const int w = rng.range(2, 6);
    const int v = rng.range(1, w - 1);
    const int l = Lcm(b, d);
    const int first = (w * b + a) * (l / b), second = (v * d + c) * (l / d);
    const int difference = first - second;
    Question q =
        Make(Para(QStringLiteral("Work out")) +
                 Display(MixedHtml(w, a, b) + QStringLiteral(" &minus; ") + MixedHtml(v, c, d)),
             {ValuePart(QString(), difference, l, units::kNone, 2)}, QLatin1String(kNoteMixed));
    q.working = {QStringLiteral("Write both as improper fractions: %1 = %2 and %3 = %4.")
                     .arg(MixedHtml(w, a, b), FractionHtml(w * b + a, b), MixedHtml(v, c, d),
                          FractionHtml(v * d + c, d)),
                 QStringLiteral("Over the common denominator %1: %2 = %3 and %4 = %5.")
                     .arg(l)
                     .arg(FractionHtml(w * b + a, b), FractionHtml(first, l),
                          FractionHtml(v * d + c, d), FractionHtml(second, l)),
                 QStringLiteral("Subtract the numerators: %1 &minus; %2 = %3, giving %4.")
                     .arg(first)
                     .arg(second)
                     .arg(difference)
                     .arg(FractionHtml(difference, l))};
    q.working += Tidy(difference, l);
    q.working.append(QStringLiteral("So the answer is %1.").arg(ValueHtml(difference, l)));
    return q;
}

Question MultiplyByWhole(Prng& rng)
{
    const int b = rng.range(3, 12);
    const int a = Numerator(rng, b);
    const int k = rng.range(2, 9);
    Question q =
        Make(Para(QStringLiteral("Work out")) +
                 Display(FractionHtml(a, b) + QStringLiteral(" &times; %1").arg(k)),
             {ValuePart(QString(), a * k, b, units::kNone, 1)}, QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("Multiply the numerator by %1 and keep the denominator: "
                                "%2 &times; %1 = %3.")
                     .arg(k)
                     .arg(FractionHtml(a, b), FractionHtml(a * k, b))};
    q.working += Tidy(a * k, b);
    q.working.append(QStringLiteral("So the answer is %1.").arg(ValueHtml(a * k, b)));
    return q;
}

Question MultiplyFractions(Prng& rng)
{
    const int b = rng.range(2, 9), d = rng.range(2, 9);
    const int a = Numerator(rng, b), c = Numerator(rng, d);
    const int n = a * c, m = b * d;
    const int g = Gcd(n, m);
    Question q =
        Make(Para(QStringLiteral("Work out. Give your answer in its simplest form.")) +
                 Display(FractionHtml(a, b) + QStringLiteral(" &times; ") + FractionHtml(c, d)),
             {FractionAnswerPart(QString(), n, m, true)}, QLatin1String(kNoteAnyFraction));
    q.working = {
        QStringLiteral("Multiply the numerators: %1 &times; %2 = %3.").arg(a).arg(c).arg(n),
        QStringLiteral("Multiply the denominators: %1 &times; %2 = %3.").arg(b).arg(d).arg(m)};
    q.working.append(
        g > 1 ? QStringLiteral("%1 simplifies: divide both by %2 to get %3.")
                    .arg(FractionHtml(n, m))
                    .arg(g)
                    .arg(FractionHtml(n / g, m / g))
              : QStringLiteral("%1 is already in its simplest form.").arg(FractionHtml(n, m)));
    return q;
}

Question DivideByWhole(Prng& rng)
{
    const int b = rng.range(2, 9);
    const int a = Numerator(rng, b);
    const int k = rng.range(2, 6);
    Question q =
        Make(Para(QStringLiteral("Work out")) +
                 Display(FractionHtml(a, b) + QStringLiteral(" &divide; %1").arg(k)),
             {ValuePart(QString(), a, b * k, units::kNone, 1)}, QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("Dividing by %1 makes each part %1 times smaller, so multiply the "
                                "denominator by %1.")
                     .arg(k),
                 QStringLiteral("%1 &divide; %2 = %3.")
                     .arg(FractionHtml(a, b))
                     .arg(k)
                     .arg(FractionHtml(a, b * k))};
    q.working += Tidy(a, b * k);
    q.working.append(QStringLiteral("So the answer is %1.").arg(ValueHtml(a, b * k)));
    return q;
}

Question Reciprocal(Prng& rng)
{
    const int kind = rng.range(0, 2);
    int n = 0, d = 0; // the number is n/d
    QString shown;
    QStringList working = {QStringLiteral("The reciprocal of a number is 1 divided by it: the "
                                          "number and its reciprocal multiply to make 1.")};
    if (kind == 0) {
        d = rng.range(2, 12);
        n = Numerator(rng, d);
        shown = FractionHtml(n, d);
    } else if (kind == 1) {
        n = rng.range(2, 20);
        d = 1;
        shown = QString::number(n);
        working.append(QStringLiteral("%1 = %2.").arg(n).arg(FractionHtml(n, 1)));
    } else {
        d = rng.range(2, 9);
        const int w = rng.range(1, 4);
        const int r = Numerator(rng, d);
        n = w * d + r;
        shown = MixedHtml(w, r, d);
        working.append(QStringLiteral("First write it as an improper fraction: %1 = %2.")
                           .arg(shown, FractionHtml(n, d)));
    }
    working.append(QStringLiteral("Turn the fraction upside down: the reciprocal is %1, since "
                                  "%2 &times; %1 = 1.")
                       .arg(FractionHtml(d, n), FractionHtml(n, d)));
    working += Tidy(d, n);
    Question q =
        Make(Para(QStringLiteral("What is the <b>reciprocal</b> of %1?").arg(shown)),
             {ValuePart(QString(), d, n, units::kNone, 1)}, QLatin1String(kNoteAnyFraction));
    working.append(QStringLiteral("So the answer is %1.").arg(ValueHtml(d, n)));
    q.working = working;
    return q;
}

/// A fraction whose decimal ends within three places: n/d with d from 2 to 50.
QPair<int, int> EndingFraction(Prng& rng)
{
    const int d = rng.pick(QList<int>{2, 4, 5, 8, 10, 20, 25, 40, 50});
    return {Numerator(rng, d), d};
}

Question FractionDecimalPercent(Prng& rng)
{
    const auto [n, d] = EndingFraction(rng);
    const int thousandths = n * (1000 / d);
    const QString decimal = DecimalText(thousandths, 3);
    const QString percent = DecimalText(thousandths, 1);
    Question q;
    if (rng.chance(50)) {
        q = Make(Para(QStringLiteral("Write %1 as").arg(FractionHtml(n, d))),
                 {DecimalPart(QStringLiteral("a decimal"), thousandths, 3),
                  MeasurePart(QStringLiteral("a percentage"), thousandths, 1, units::kPercent)});
        q.working = {QStringLiteral("a) %1 = %2 &divide; %3 = %4.")
                         .arg(FractionHtml(n, d))
                         .arg(n)
                         .arg(d)
                         .arg(decimal),
                     QStringLiteral("b) Multiply by 100 for a percentage: %1 &times; 100 = %2%.")
                         .arg(decimal, percent)};
    } else {
        q = Make(
            Para(QStringLiteral("Write %1% as").arg(percent)),
            {DecimalPart(QStringLiteral("a decimal"), thousandths, 3),
             FractionAnswerPart(QStringLiteral("a fraction in its simplest form"), n, d, true)},
            QLatin1String(kNoteAnyFraction));
        q.working = {QStringLiteral("a) Per cent means out of 100: %1 &divide; 100 = %2.")
                         .arg(percent, decimal),
                     QStringLiteral("b) %1% = %2, and the simplest form of that fraction is %3.")
                         .arg(percent)
                         .arg(thousandths % 10 == 0
                                  ? FractionHtml(thousandths / 10, 100)
                                  : QStringLiteral("%1 out of 100 = %2")
                                        .arg(percent, FractionHtml(thousandths, 1000)),
                              FractionHtml(n, d))};
    }
    return q;
}

Question PercentToFraction(Prng& rng)
{
    int p = rng.range(2, 98);
    while (p % 10 == 0 && rng.chance(60))
        p = rng.range(2, 98);
    const int g = Gcd(p, 100);
    Question q =
        Make(Para(QStringLiteral("Write %1% as a fraction in its simplest form.").arg(p)),
             {FractionAnswerPart(QString(), p, 100, true)}, QLatin1String(kNoteAnyFraction));
    q.working = {
        QStringLiteral("Per cent means out of 100: %1% = %2.").arg(p).arg(FractionHtml(p, 100))};
    q.working.append(g > 1 ? QStringLiteral("The highest common factor of %1 and 100 is %2: "
                                            "divide both by %2 to get %3.")
                                 .arg(p)
                                 .arg(g)
                                 .arg(FractionHtml(p / g, 100 / g))
                           : QStringLiteral("%1 and 100 have no common factor but 1, so %2 is "
                                            "already in its simplest form.")
                                 .arg(p)
                                 .arg(FractionHtml(p, 100)));
    return q;
}

Question OrderForms(Prng& rng)
{
    // Values in thousandths, each shown as a fraction, a decimal or a percentage.
    QList<int> values;
    QList<Option> options;
    QStringList decimals;
    const bool largest = rng.chance(50);
    int best = -1;
    const int centre = rng.range(250, 750);
    while (options.size() < 4) {
        const auto [n, d] = EndingFraction(rng);
        const int v = n * (1000 / d);
        if (values.contains(v) || std::abs(v - centre) > 200)
            continue;
        values.append(v);
        const int form = rng.range(0, 2);
        const QString text = form == 0   ? FractionHtml(n, d)
                             : form == 1 ? DecimalText(v, 3)
                                         : DecimalText(v, 1) + QLatin1Char('%');
        options.append({text, false});
        decimals.append(form == 1 ? text : text + QStringLiteral(" = ") + DecimalText(v, 3));
    }
    for (int i = 0; i < 4; ++i) {
        if (best < 0 || (largest ? values.at(i) > values.at(best) : values.at(i) < values.at(best)))
            best = i;
    }
    options[best].fits = true;
    const QString which = largest ? QStringLiteral("largest") : QStringLiteral("smallest");
    Question q = ChoiceQuestion(Para(QStringLiteral("Which of these is the <b>%1</b>?").arg(which)),
                                UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("Write them all as decimals: %1.").arg(decimals.join(QStringLiteral(", "))),
        QStringLiteral("The %1 decimal is %2, so the %1 is %3.")
            .arg(which, DecimalText(values.at(best), 3), options.at(best).text)};
    return q;
}

Question BetweenChoice(Prng& rng)
{
    QList<QPair<int, int>> pool; // proper fractions in their simplest form
    for (int m = 2; m <= 12; ++m) {
        for (int n = 1; n < m; ++n) {
            if (Gcd(n, m) == 1)
                pool.append({n, m});
        }
    }
    const auto less = [](const QPair<int, int>& x, const QPair<int, int>& y) {
        return x.first * y.second < y.first * x.second;
    };
    QPair<int, int> low, high;
    QList<QPair<int, int>> inside, outside;
    while (inside.isEmpty() || outside.size() < 3) {
        low = rng.pick(pool);
        high = rng.pick(pool);
        if (!less(low, high))
            continue;
        inside.clear();
        outside.clear();
        for (const auto& f : pool) {
            if (less(low, f) && less(f, high))
                inside.append(f);
            else if (f != low && f != high)
                outside.append(f);
        }
        if (inside.size() > 6)
            inside.clear(); // the two must be close enough to make the question worth asking
    }
    const QPair<int, int> right = rng.pick(inside);
    rng.shuffle(outside);
    QList<Option> options = {{FractionHtml(right.first, right.second), true}};
    QStringList others;
    for (const auto& f : outside.mid(0, 3)) {
        options.append({FractionHtml(f.first, f.second), false});
        others.append(FractionHtml(f.first, f.second) + QLatin1Char(' ') +
                      DecimalAbout(f.first, f.second));
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which fraction lies between %1 and %2?")
                 .arg(FractionHtml(low.first, low.second), FractionHtml(high.first, high.second))),
        UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("As decimals: %1 %2 and %3 %4.")
            .arg(FractionHtml(low.first, low.second), DecimalAbout(low.first, low.second),
                 FractionHtml(high.first, high.second), DecimalAbout(high.first, high.second)),
        QStringLiteral("The options: %1 %2; %3.")
            .arg(FractionHtml(right.first, right.second), DecimalAbout(right.first, right.second),
                 others.join(QStringLiteral("; "))),
        QStringLiteral("Only %1 lies between them.").arg(FractionHtml(right.first, right.second))};
    return q;
}

Question MoneyStory(Prng& rng)
{
    static const QList<QPair<QString, QString>> buys = {{"book", "game"},
                                                        {"jacket", "pair of shoes"},
                                                        {"train ticket", "meal"},
                                                        {"bike lock", "helmet"},
                                                        {"present", "card"}};
    const auto& [first, second] = rng.pick(buys);
    const int b = rng.range(2, 5), d = rng.range(2, 5);
    const int a = Numerator(rng, b), c = Numerator(rng, d);
    const int pounds = b * d * rng.range(1, std::max(1, 120 / (b * d)));
    const int spent = pounds / b * a;
    const int left = pounds - spent;
    const int then = left / d * c;
    const QString name = Name(rng);
    Question q = Make(
        Para(QStringLiteral("%1 had &pound;%2. %1 spent %3 of it on a %4, then %5 of what was left "
                            "on a %6.")
                 .arg(name)
                 .arg(pounds)
                 .arg(FractionHtml(a, b), first, FractionHtml(c, d), second)),
        {MeasurePart(QStringLiteral("How much did the %1 cost?").arg(first), spent * 100, 2,
                     units::kPounds),
         MeasurePart(QStringLiteral("How much money did %1 have left at the end?").arg(name),
                     (left - then) * 100, 2, units::kPounds, 2)});
    q.working = {
        QStringLiteral("a) %1 of &pound;%2: &pound;%2 &divide; %3 &times; %4 = &pound;%5.")
            .arg(FractionHtml(a, b))
            .arg(pounds)
            .arg(b)
            .arg(a)
            .arg(spent),
        QStringLiteral("b) Left after that: &pound;%1 &minus; &pound;%2 = &pound;%3.")
            .arg(pounds)
            .arg(spent)
            .arg(left),
        QStringLiteral("%1 of &pound;%2: &pound;%2 &divide; %3 &times; %4 = &pound;%5 on the %6.")
            .arg(FractionHtml(c, d))
            .arg(left)
            .arg(d)
            .arg(c)
            .arg(then)
            .arg(second),
        QStringLiteral("&pound;%1 &minus; &pound;%2 = &pound;%3 left at the end.")
            .arg(left)
            .arg(then)
            .arg(left - then)};
    return q;
}

Question QuantityInSmallerUnits(Prng& rng)
{
    struct Measure {
        const char* big;   // "kg"
        const char* small; // "grams"
        int factor;
        const Unit* unit;
    };
    static const QList<Measure> measures = {{"kg", "grams", 1000, &units::kG},
                                            {"m", "centimetres", 100, &units::kCm},
                                            {"litres", "millilitres", 1000, &units::kMl},
                                            {"km", "metres", 1000, &units::kM},
                                            {"hours", "minutes", 60, &units::kMinutes}};
    const Measure& measure = rng.pick(measures);
    const int amount = rng.range(1, 5);
    const int whole = amount * measure.factor;
    int d = rng.range(2, 12);
    while (whole % d != 0)
        d = rng.range(2, 12);
    const int n = Numerator(rng, d);
    const int answer = whole / d * n;
    const QString big = amount == 1 && measure.factor == 60 ? QStringLiteral("hour")
                        : amount == 1 && measure.factor == 1000 && measure.big[0] == 'l'
                            ? QStringLiteral("litre")
                            : QLatin1String(measure.big);
    Question q = Make(Para(QStringLiteral("What is %1 of %2 %3? Give your answer in %4.")
                               .arg(FractionHtml(n, d))
                               .arg(amount)
                               .arg(big, QLatin1String(measure.small))),
                      {MeasurePart(QString(), answer, 0, *measure.unit, 2)});
    q.working = {QStringLiteral("%1 %2 = %1 &times; %3 = %4 %5.")
                     .arg(amount)
                     .arg(big)
                     .arg(measure.factor)
                     .arg(whole)
                     .arg(QLatin1String(measure.small)),
                 QStringLiteral("%1 of %2 is %2 &divide; %3 = %4.")
                     .arg(FractionHtml(1, d))
                     .arg(whole)
                     .arg(d)
                     .arg(whole / d),
                 QStringLiteral("%1 of %2 is %3 &times; %4 = %5 %6.")
                     .arg(FractionHtml(n, d))
                     .arg(whole)
                     .arg(whole / d)
                     .arg(n)
                     .arg(answer)
                     .arg(QLatin1String(measure.small))};
    return q;
}

Question MissingAddend(Prng& rng)
{
    const auto [b, d] = TwoDenominators(rng, 10);
    const int a = Numerator(rng, b), c = Numerator(rng, d);
    const int l = Lcm(b, d);
    const int sum = a * (l / b) + c * (l / d);
    const int g = Gcd(sum, l);
    Question q =
        Make(Para(QStringLiteral("What fraction goes in the box?")) +
                 Display(FractionHtml(a, b) + QStringLiteral(" + %1 = ").arg(kBox) +
                         FractionHtml(sum / g, l / g)),
             {ValuePart(QString(), c, d, units::kNone, 2)}, QLatin1String(kNoteAnyFraction));
    q.working = {
        QStringLiteral("The missing number is %1 &minus; %2.")
            .arg(FractionHtml(sum / g, l / g), FractionHtml(a, b)),
        QStringLiteral("Over the common denominator %1: %2 = %3 and %4 = %5.")
            .arg(l)
            .arg(FractionHtml(sum / g, l / g), FractionHtml(sum, l), FractionHtml(a, b),
                 FractionHtml(a * (l / b), l)),
        QStringLiteral("%1 &minus; %2 = %3.")
            .arg(FractionHtml(sum, l), FractionHtml(a * (l / b), l), FractionHtml(c * (l / d), l))};
    q.working += Tidy(c * (l / d), l);
    q.working.append(QStringLiteral("So the missing fraction is %1.").arg(ValueHtml(c, d)));
    return q;
}

Question WhatIsLeft(Prng& rng)
{
    struct Story {
        const char* text; // %1 and %2 the fractions
        const char* used;
        const char* left;
    };
    static const QList<Story> stories = {
        {"%3 fills a water tank. On Monday %1 of the water is used, and on Tuesday %2 of it.",
         "used", "is left in the tank"},
        {"%3 spends %1 of the week's pocket money on a comic and %2 of it on sweets.", "spent",
         "of the pocket money is left"},
        {"%3 plants %1 of a garden with carrots and %2 of it with beans.", "planted",
         "of the garden is not planted"},
        {"On a trip, %3 travels %1 of the way by train and %2 of the way by bus, and walks the "
         "rest.",
         "travelled by train and bus", "of the way is walked"}};
    const Story& story = rng.pick(stories);
    const auto [b, d] = TwoDenominators(rng, 10);
    int a = Numerator(rng, b), c = Numerator(rng, d);
    while (a * d + c * b >= b * d) // something must be left
        a = Numerator(rng, b), c = Numerator(rng, d);
    const int l = Lcm(b, d);
    const int used = a * (l / b) + c * (l / d);
    Question q = Make(
        Para(
            QString::fromLatin1(story.text).arg(FractionHtml(a, b), FractionHtml(c, d), Name(rng))),
        {ValuePart(QStringLiteral("What fraction is %1 altogether?").arg(QLatin1String(story.used)),
                   used, l, units::kNone, 1),
         ValuePart(QStringLiteral("What fraction %1?").arg(QLatin1String(story.left)), l - used, l,
                   units::kNone, 2)},
        QLatin1String(kNoteAnyFraction));
    q.working = {
        QStringLiteral("a) %1").arg(OverCommon(a, b, c, d)),
        QStringLiteral("%1 + %2 = %3.")
            .arg(FractionHtml(a * (l / b), l), FractionHtml(c * (l / d), l), Simplified(used, l)),
        QStringLiteral("b) The whole is %1, so %1 &minus; %2 = %3 is left.")
            .arg(FractionHtml(l, l), FractionHtml(used, l), Simplified(l - used, l))};
    return q;
}

Question ShareStory(Prng& rng)
{
    static const QStringList foods = {"cake", "pizza", "pie", "loaf", "chocolate bar"};
    const QString food = rng.pick(foods);
    const int b = rng.range(2, 8);
    const int a = Numerator(rng, b);
    const int k = rng.range(2, 6);
    Question q =
        Make(Para(QStringLiteral("There is %1 of a %2 left. %3 friends share it equally. "
                                 "What fraction of the whole %2 does each friend get?")
                      .arg(FractionHtml(a, b), food, QString::number(k))),
             {ValuePart(QString(), a, b * k, units::kNone, 2)}, QLatin1String(kNoteAnyFraction));
    q.working = {
        QStringLiteral("Each friend gets %1 &divide; %2.").arg(FractionHtml(a, b)).arg(k),
        QStringLiteral("Dividing by %1 multiplies the denominator by %1: %2 &divide; %1 = %3.")
            .arg(k)
            .arg(FractionHtml(a, b), FractionHtml(a, b * k))};
    q.working += Tidy(a, b * k);
    q.working.append(
        QStringLiteral("So each friend gets %1 of the %2.").arg(ValueHtml(a, b * k), food));
    return q;
}

Question RepeatedAmount(Prng& rng)
{
    struct Story {
        const char* text; // %1 the fraction, %2 the count, %3 a name
        const Unit* unit;
        QList<int> denominators; // the fractions of the unit that make sense
    };
    static const QList<Story> stories = {
        {"Each glass holds %1 of a litre. %3 fills %2 glasses with juice. How many litres of "
         "juice does %3 use?",
         &units::kLitres,
         {2, 3, 4, 5, 8, 10}},
        {"One lap of the park is %1 of a kilometre. %3 runs %2 laps. How far does %3 run?",
         &units::kKm,
         {2, 4, 5, 8, 10}},
        {"A bag of rice weighs %1 of a kilogram. %3 buys %2 bags. What do they weigh altogether?",
         &units::kKg,
         {2, 4, 5, 8, 10}},
        {"%3 practises the piano for %1 of an hour every day. How many hours is that in %2 days?",
         &units::kHours,
         {2, 3, 4, 5, 6, 10, 12}}};
    const Story& story = rng.pick(stories);
    const int b = rng.pick(story.denominators);
    const int a = Numerator(rng, b);
    const int k = rng.range(3, 9);
    Question q = Make(
        Para(
            QString::fromLatin1(story.text).arg(FractionHtml(a, b), QString::number(k), Name(rng))),
        {ValuePart(QString(), a * k, b, *story.unit, 2)}, QLatin1String(kNoteMixed));
    q.working = {QStringLiteral("Multiply the fraction by %1: %2 &times; %1 = %3.")
                     .arg(k)
                     .arg(FractionHtml(a, b), FractionHtml(a * k, b))};
    q.working += Tidy(a * k, b);
    q.working.append(
        QStringLiteral("So the answer is %1 %2.").arg(ValueHtml(a * k, b), story.unit->shown));
    return q;
}

Question MixedTimesWhole(Prng& rng)
{
    const int b = rng.range(2, 9);
    const int a = Numerator(rng, b);
    const int w = rng.range(1, 5);
    const int k = rng.range(2, 6);
    Question q = Make(Para(QStringLiteral("Work out")) +
                          Display(MixedHtml(w, a, b) + QStringLiteral(" &times; %1").arg(k)),
                      {ValuePart(QString(), (w * b + a) * k, b, units::kNone, 2)},
                      QLatin1String(kNoteMixed));
    q.working = {QStringLiteral("Multiply the whole number and the fraction separately: "
                                "%1 &times; %2 = %3.")
                     .arg(w)
                     .arg(k)
                     .arg(w * k),
                 QStringLiteral("%1 &times; %2 = %3 = %4.")
                     .arg(FractionHtml(a, b))
                     .arg(k)
                     .arg(FractionHtml(a * k, b), ValueHtml(a * k, b)),
                 QStringLiteral("Add them: %1 + %2 = %3.")
                     .arg(w * k)
                     .arg(ValueHtml(a * k, b), ValueHtml((w * b + a) * k, b))};
    return q;
}

Question RectangleSides(Prng& rng)
{
    auto [b, d] = TwoDenominators(rng, 9);
    int a = Numerator(rng, b), c = Numerator(rng, d);
    if (a * d < c * b) // the length is the longer side
        std::swap(a, c), std::swap(b, d);
    const int l = Lcm(b, d);
    const int half = a * (l / b) + c * (l / d);
    Question q =
        Make(Para(QStringLiteral("A rectangle is %1 m long and %2 m wide.")
                      .arg(FractionHtml(a, b), FractionHtml(c, d))),
             {ValuePart(QStringLiteral("What is its perimeter?"), 2 * half, l, units::kM, 2),
              ValuePart(QStringLiteral("What is its area?"), a * c, b * d, units::kSquareM, 1)},
             QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("a) Length and width together: %1 + %2 = %3 + %4 = %5 m.")
                     .arg(FractionHtml(a, b), FractionHtml(c, d), FractionHtml(a * (l / b), l),
                          FractionHtml(c * (l / d), l), FractionHtml(half, l)),
                 QStringLiteral("The perimeter is twice that: 2 &times; %1 = %2 m.")
                     .arg(FractionHtml(half, l), Simplified(2 * half, l)),
                 QStringLiteral("b) Area = length &times; width = %1 &times; %2 = %3 m&sup2;.")
                     .arg(FractionHtml(a, b), FractionHtml(c, d), Simplified(a * c, b * d))};
    return q;
}

Question FractionOfAFraction(Prng& rng)
{
    struct Group {
        QString who;   // "pupils who walk"
        QString noun;  // "pupils": what is counted
        QString doing; // "bring a scooter"
    };
    static const QList<Group> groups = {{"girls", "girls", "wear glasses"},
                                        {"boys", "boys", "play football"},
                                        {"pupils who walk", "pupils", "bring a scooter"},
                                        {"pupils in the choir", "pupils", "play an instrument"},
                                        {"girls", "girls", "have a pet"}};
    const Group& chosen = rng.pick(groups);
    const QString& group = chosen.who;
    const QString& doing = chosen.doing;
    const Unit counted{chosen.noun, {chosen.noun}};
    const int b = rng.range(2, 5), d = rng.range(2, 5);
    const int a = Numerator(rng, b), c = Numerator(rng, d);
    const int total = b * d * rng.range(1, std::max(1, 36 / (b * d)));
    const int inGroup = total / b * a;
    const int doingIt = inGroup / d * c;
    Question q = Make(
        Para(QStringLiteral("There are %1 pupils in a class. %2 of them are %3, and %4 of the %3 "
                            "%5.")
                 .arg(total)
                 .arg(FractionHtml(a, b), group, FractionHtml(c, d), doing)),
        {MeasurePart(QStringLiteral("How many %1 are there?").arg(group), inGroup, 0, counted),
         MeasurePart(QStringLiteral("How many %1 %2?").arg(group, doing), doingIt, 0, counted),
         ValuePart(QStringLiteral("What fraction of the whole class are they?"), a * c, b * d,
                   units::kNone, 1)},
        QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("a) %1 of %2: %2 &divide; %3 &times; %4 = %5.")
                     .arg(FractionHtml(a, b))
                     .arg(total)
                     .arg(b)
                     .arg(a)
                     .arg(inGroup),
                 QStringLiteral("b) %1 of %2: %2 &divide; %3 &times; %4 = %5.")
                     .arg(FractionHtml(c, d))
                     .arg(inGroup)
                     .arg(d)
                     .arg(c)
                     .arg(doingIt),
                 QStringLiteral("c) %1 of %2 of the class is %1 &times; %2 = %3 (check: %4 out of "
                                "%5 is %6).")
                     .arg(FractionHtml(c, d), FractionHtml(a, b), Simplified(a * c, b * d))
                     .arg(doingIt)
                     .arg(total)
                     .arg(ValueHtml(doingIt, total))};
    return q;
}

} // namespace

QList<Generator> FractionCalculationKinds()
{
    return {AddUnlike,
            SubtractUnlike,
            AddMixed,
            SubtractMixed,
            MultiplyByWhole,
            MultiplyFractions,
            DivideByWhole,
            Reciprocal,
            FractionDecimalPercent,
            PercentToFraction,
            OrderForms,
            BetweenChoice,
            MoneyStory,
            QuantityInSmallerUnits,
            MissingAddend,
            WhatIsLeft,
            ShareStory,
            RepeatedAmount,
            MixedTimesWhole,
            RectangleSides,
            FractionOfAFraction};
}

} // namespace orlavine::pack
