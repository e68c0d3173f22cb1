// Sequences and formulae: nth terms, term-to-term rules, formulae in words and letters.
#include "banks.h"

#include "answerforms.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orlavine::pack
{

namespace
{

/// 42 as "42nd", 13 as "13th".
QString Ordinal(int n)
{
    const int last = n % 10;
    const bool teen = n % 100 >= 11 && n % 100 <= 13;
    return QString::number(n) + (teen        ? QStringLiteral("th")
                                 : last == 1 ? QStringLiteral("st")
                                 : last == 2 ? QStringLiteral("nd")
                                 : last == 3 ? QStringLiteral("rd")
                                             : QStringLiteral("th"));
}

/// The terms first, first + step, ... as the page lists them.
QList<int> Terms(int first, int step, int count)
{
    QList<int> terms;
    for (int i = 0; i < count; ++i)
        terms.append(first + i * step);
    return terms;
}

/// a&times;n + b as the working writes it: "3n + 1", "3n &minus; 2", "20 &minus; 3n".
QString LinearHtml(int a, int b, const QString& letter = QStringLiteral("n"))
{
    const QString product = (std::abs(a) == 1 ? QString() : QString::number(std::abs(a))) + letter;
    if (a < 0)
        return QStringLiteral("%1 &minus; %2").arg(b).arg(product);
    if (b == 0)
        return product;
    return QStringLiteral("%1 %2 %3")
        .arg(product, b < 0 ? QStringLiteral("&minus;") : QStringLiteral("+"))
        .arg(std::abs(b));
}

/// a&times;n + b with the number n put in: "3 &times; 10 + 5".
QString LinearAt(int a, int b, int n)
{
    const QString product = QStringLiteral("%1 &times; %2").arg(a).arg(n);
    return b == 0 ? product
                  : QStringLiteral("%1 %2 %3")
                        .arg(product, b < 0 ? QStringLiteral("&minus;") : QStringLiteral("+"))
                        .arg(std::abs(b));
}

/// Every common way to write a&times;n + b (a is not 0; when a is negative b is positive):
/// the number before the letter with nothing, a space, &times;, x or * between, the two
/// terms either way round, with and without spaces round the sign.
QStringList LinearForms(int a, int b, const QString& letter = QStringLiteral("n"))
{
    QStringList products;
    for (const QString& form : ProductForms(std::abs(a), letter)) {
        if (form.front().isDigit() && !form.contains(QLatin1Char('.')))
            products.append(form);
    }
    if (std::abs(a) == 1)
        products.prepend(letter);
    QStringList forms;
    const QString c = QString::number(std::abs(b));
    for (const QString& p : products) {
        if (a < 0) {
            forms << c + QStringLiteral(" - ") + p << c + QLatin1Char('-') + p
                  << QLatin1Char('-') + p + QStringLiteral(" + ") + c
                  << QLatin1Char('-') + p + QLatin1Char('+') + c;
        } else if (b == 0) {
            forms << p;
        } else if (b > 0) {
            forms << p + QStringLiteral(" + ") + c << p + QLatin1Char('+') + c
                  << c + QStringLiteral(" + ") + p << c + QLatin1Char('+') + p;
        } else {
            forms << p + QStringLiteral(" - ") + c << p + QLatin1Char('-') + c
                  << QLatin1Char('-') + c + QStringLiteral(" + ") + p
                  << QLatin1Char('-') + c + QLatin1Char('+') + p;
        }
    }
    return forms;
}

/// A term-to-term rule of a linear or doubling sequence written every usual way.
QStringList RuleForms(char op, int by)
{
    const QString n = QString::number(by);
    QStringList heads;
    switch (op) {
    case '+':
        heads = {"add " + n,         "+" + n,
                 "+ " + n,           "plus " + n,
                 "add on " + n,      "goes up by " + n,
                 "increase by " + n, "up " + n,
                 "up by " + n,       "goes up in " + n + "s",
                 "up in " + n + "s"};
        break;
    case '-':
        heads = {"subtract " + n,
                 "-" + n,
                 "- " + n,
                 "minus " + n,
                 "take away " + n,
                 "take " + n,
                 "goes down by " + n,
                 "decrease by " + n,
                 "down " + n,
                 "down by " + n,
                 "goes down in " + n + "s",
                 "down in " + n + "s"};
        break;
    default:
        heads = {"multiply by " + n, "\u00D7" + n, "\u00D7 " + n,  "x" + n, "x " + n, "*" + n,
                 "* " + n,           "times " + n, "times by " + n};
        if (by == 2)
            heads << "double"
                  << "double it"
                  << "doubles";
        break;
    }
    QStringList forms = heads;
    for (const QString& head : heads)
        forms << head + QStringLiteral(" each time");
    return forms;
}

Question NextTerm(Prng& rng)
{
    int step = rng.range(2, 12) * (rng.chance(30) ? -1 : 1);
    const int first = step > 0 ? rng.range(-10, 40) : rng.range(20, 80);
    const QList<int> terms = Terms(first, step, 6);
    const bool two = rng.chance(40);
    Question q = Make(Para(QStringLiteral("Here is a sequence:")) +
                          Display(ListText(terms.mid(0, 5)) + QStringLiteral(", &hellip;")),
                      {NumberPart(QStringLiteral("What is the next term?"), terms.at(5))});
    q.working = {
        QStringLiteral("Each term is %1 %2 than the one before.")
            .arg(std::abs(step))
            .arg(step > 0 ? QStringLiteral("more") : QStringLiteral("less")),
        QStringLiteral("%1 %2 %3 = %4.")
            .arg(Signed(terms.at(4)), step > 0 ? QStringLiteral("+") : QStringLiteral("&minus;"))
            .arg(std::abs(step))
            .arg(Signed(terms.at(5)))};
    if (two) {
        const int seventh = first + 6 * step;
        q.parts.append(NumberPart(QStringLiteral("And the term after that?"), seventh));
        q.working.append(QStringLiteral("%1 %2 %3 = %4.")
                             .arg(Signed(terms.at(5)),
                                  step > 0 ? QStringLiteral("+") : QStringLiteral("&minus;"))
                             .arg(std::abs(step))
                             .arg(Signed(seventh)));
    }
    return q;
}

Question TermToTermRule(Prng& rng)
{
    const int op = rng.range(0, 2);
    const int by = op == 2 ? rng.range(2, 4) : rng.range(2, 15);
    const int first = op == 2 ? rng.range(1, 7) : op == 0 ? rng.range(1, 30) : rng.range(60, 120);
    QList<int> terms = {first};
    for (int i = 1; i < 5; ++i)
        terms.append(op == 0 ? terms.last() + by : op == 1 ? terms.last() - by : terms.last() * by);
    const char sign = "+-*"[op];
    Question q = Make(Para(QStringLiteral("Here is a sequence:")) +
                          Display(ListText(terms) + QStringLiteral(", &hellip;")) +
                          Para(QStringLiteral("What is the term-to-term rule?")),
                      {AlternativesPart(QString(), RuleForms(sign, by))});
    const QString rule = RuleForms(sign, by).first();
    q.parts.first().answer = rule;
    q.working = {QStringLiteral("Compare each term with the one before: %1 to %2, %2 to %3.")
                     .arg(terms.at(0))
                     .arg(terms.at(1))
                     .arg(terms.at(2)),
                 op == 2 ? QStringLiteral("%1 &times; %2 = %3 and %3 &times; %2 = %4.")
                               .arg(terms.at(0))
                               .arg(by)
                               .arg(terms.at(1))
                               .arg(terms.at(2))
                         : QStringLiteral("The difference is always %1.").arg(by),
                 QStringLiteral("So the rule is %1.").arg(rule)};
    return q;
}

Question NthTermValue(Prng& rng)
{
    const int a = rng.range(2, 9);
    const int b = rng.range(-9, 12);
    const int k = rng.pick(QList<int>{5, 8, 10, 12, 15, 20, 25, 30, 50, 100});
    Question q = Make(
        Para(QStringLiteral("The <i>n</i>th term of a sequence is %1.").arg(LinearHtml(a, b))) +
            Para(QStringLiteral("What is the %1th term?").arg(k)),
        {NumberPart(QString(), a * k + b)});
    q.working = {QStringLiteral("Put n = %1 into %2.").arg(k).arg(LinearHtml(a, b)),
                 QStringLiteral("%1 = %2.").arg(LinearAt(a, b, k)).arg(a * k + b)};
    return q;
}

/// Steps that find the nth term a n + b of the terms shown.
QStringList NthTermSteps(int a, int b)
{
    return {QStringLiteral("The terms go up by %1 each time, so the rule starts %1n.").arg(a),
            b == 0
                ? QStringLiteral("%1 &times; 1 = %1, the first term itself, so nothing is added.")
                      .arg(a)
                : QStringLiteral("%1 &times; 1 = %1, and the first term is %2, so %3 %4.")
                      .arg(a)
                      .arg(Signed(a + b))
                      .arg(b < 0 ? QStringLiteral("subtract") : QStringLiteral("add"))
                      .arg(std::abs(b)),
            QStringLiteral("The nth term is %1.").arg(LinearHtml(a, b))};
}

Question FindNthTerm(Prng& rng)
{
    const int a = rng.range(2, 9);
    int b = rng.range(-7, 12);
    if (b == 0)
        b = 1;
    Question q = Make(Para(QStringLiteral("Here are the first terms of a sequence:")) +
                          Display(ListText(Terms(a + b, a, 5)) + QStringLiteral(", &hellip;")) +
                          Para(QStringLiteral("Write an expression for the <i>n</i>th term.")),
                      {AlternativesPart(QString(), LinearForms(a, b), 2)});
    q.parts.first().answer = LinearHtml(a, b);
    q.working = NthTermSteps(a, b);
    return q;
}

Question FarTerm(Prng& rng)
{
    const int a = rng.range(2, 9);
    int b = rng.range(-6, 12);
    if (b == 0)
        b = -1;
    const int k = rng.pick(QList<int>{20, 30, 40, 50, 100});
    Question q = Make(Para(QStringLiteral("Here are the first terms of a sequence:")) +
                          Display(ListText(Terms(a + b, a, 5)) + QStringLiteral(", &hellip;")) +
                          Para(QStringLiteral("What is the %1th term?").arg(k)),
                      {NumberPart(QString(), a * k + b, 2)});
    q.working = NthTermSteps(a, b);
    q.working.append(
        QStringLiteral("The %1th term is %2 = %3.").arg(k).arg(LinearAt(a, b, k)).arg(a * k + b));
    return q;
}

/// Four numbers of which one is a term of a n + b: (x &minus; b) &divide; a is whole.
Question WhichIsATerm(Prng& rng)
{
    const int a = rng.range(3, 9);
    const int b = rng.range(-5, 10);
    auto isTerm = [a, b](int x) { return x >= a + b && (x - b) % a == 0; };
    QList<Option> options;
    QList<int> values;
    const int right = a * rng.range(8, 30) + b;
    values.append(right);
    options.append({QString::number(right), isTerm(right)});
    while (options.size() < 4) {
        const int x = a * rng.range(8, 30) + b + rng.range(1, a - 1);
        if (!values.contains(x)) {
            values.append(x);
            options.append({QString::number(x), isTerm(x)});
        }
    }
    const Choice choice = UniqueChoice(rng, options);
    Question q = ChoiceQuestion(
        Para(QStringLiteral("The <i>n</i>th term of a sequence is %1.").arg(LinearHtml(a, b))) +
            Para(QStringLiteral("Which of these numbers is in the sequence?")),
        choice);
    QStringList checks;
    for (int x : values) {
        const int rest = (x - b) % a;
        checks.append(
            rest == 0
                ? QStringLiteral("%1 gives %2 exactly").arg(x).arg((x - b) / a)
                : QStringLiteral("%1 gives %2 remainder %3").arg(x).arg((x - b) / a).arg(rest));
    }
    q.working = {QStringLiteral("A number is a term when undoing the rule, %1 %2 and then "
                                "&divide; %3, gives a whole number n.")
                     .arg(b < 0 ? QStringLiteral("+") : QStringLiteral("&minus;"))
                     .arg(std::abs(b))
                     .arg(a),
                 checks.join(QStringLiteral("; ")) + QLatin1Char('.'),
                 QStringLiteral("Only %1 gives a whole number (n = %2), so %1 is in the sequence.")
                     .arg(right)
                     .arg((right - b) / a)};
    return q;
}

Question WhichTermIs(Prng& rng)
{
    const int a = rng.range(2, 9);
    const int b = rng.range(-9, 15);
    const int n = rng.range(12, 60);
    const int value = a * n + b;
    Question q = Make(
        Para(QStringLiteral("The <i>n</i>th term of a sequence is %1.").arg(LinearHtml(a, b))) +
            Para(QStringLiteral("Which term of the sequence is %1?").arg(value)),
        {NumberPart(QString(), n, 2)});
    q.working = {QStringLiteral("Solve %1 = %2.").arg(LinearHtml(a, b)).arg(value),
                 QStringLiteral("%1 %2 %3 = %4, so %5n = %4.")
                     .arg(value)
                     .arg(b < 0 ? QStringLiteral("+") : QStringLiteral("&minus;"))
                     .arg(std::abs(b))
                     .arg(a * n)
                     .arg(a),
                 QStringLiteral("n = %1 &divide; %2 = %3: it is the %4 term.")
                     .arg(a * n)
                     .arg(a)
                     .arg(n)
                     .arg(Ordinal(n))};
    return q;
}

/// A matchstick pattern: its name, the sticks of pattern n (a n + b) and how to draw it.
struct StickPattern {
    QString shapes;
    int a;
    int b;
    int kind; // 0 squares in a row, 1 triangles, 2 two rows of squares, 3 houses
};

void DrawSticks(Svg& svg, const StickPattern& p, int n, double x0, double base, double u)
{
    auto stick = [&](double x1, double y1, double x2, double y2) {
        svg.line({x0 + x1 * u, base - y1 * u}, {x0 + x2 * u, base - y2 * u}, colour::kAmberDark, 4);
    };
    for (int i = 0; i < n; ++i) {
        switch (p.kind) {
        case 0:
        case 3:
            stick(i, 0, i + 1, 0);
            stick(i, 1, i + 1, 1);
            stick(i + 1, 0, i + 1, 1);
            if (p.kind == 3) {
                stick(i, 1, i + 0.5, 1.7);
                stick(i + 0.5, 1.7, i + 1, 1);
            }
            break;
        case 1:
            // Triangles alternately up and down along a strip.
            if (i % 2 == 0) {
                stick(i / 2.0, 0, i / 2.0 + 1, 0);
                stick(i / 2.0 + 1, 0, i / 2.0 + 0.5, 0.87);
            } else {
                stick(i / 2.0, 0.87, i / 2.0 + 1, 0.87);
                stick(i / 2.0 + 0.5, 0, i / 2.0 + 1, 0.87);
            }
            break;
        default:
            stick(i, 0, i + 1, 0);
            stick(i, 1, i + 1, 1);
            stick(i, 2, i + 1, 2);
            stick(i + 1, 0, i + 1, 1);
            stick(i + 1, 1, i + 1, 2);
            break;
        }
    }
    if (p.kind == 1)
        stick(0, 0, 0.5, 0.87);
    else
        stick(0, 0, 0, 1);
    if (p.kind == 2)
        stick(0, 1, 0, 2);
}

/// Patterns 1 to 3; `counted` writes each one's number of matchsticks under it and the
/// number added between them, for the worked solution.
Picture StickPicture(const StickPattern& p, bool counted = false)
{
    const double u = 40;
    const double base = 20 + 2 * u;
    const double widths[3] = {1, p.kind == 1 ? 1.5 : 2.0, p.kind == 1 ? 2.0 : 3.0};
    Svg svg(int(40 + (widths[0] + widths[1] + widths[2]) * u + 2 * 40),
            int(base + (counted ? 60 : 40)));
    double x = 20;
    for (int n = 1; n <= 3; ++n) {
        DrawSticks(svg, p, n, x, base, u);
        svg.text({x + widths[n - 1] * u / 2, base + 30}, QStringLiteral("Pattern %1").arg(n), 14);
        if (counted) {
            svg.text({x + widths[n - 1] * u / 2, base + 52}, QString::number(p.a * n + p.b), 16,
                     "middle", true, colour::kBlueDark);
            if (n > 1)
                svg.text({x - 20, base + 52}, QStringLiteral("+%1").arg(p.a), 14, "middle", true,
                         colour::kRed);
        }
        x += widths[n - 1] * u + 40;
    }
    return Picture{svg.finish(),
                   QStringLiteral("Patterns 1, 2 and 3 of %1 made from matchsticks%2")
                       .arg(p.shapes, counted
                                          ? QStringLiteral(", each with its number of matchsticks")
                                          : QString())};
}

Question MatchstickPattern(Prng& rng)
{
    static const QList<StickPattern> patterns = {{"squares in a row", 3, 1, 0},
                                                 {"triangles in a row", 2, 1, 1},
                                                 {"two rows of squares", 5, 2, 2},
                                                 {"houses in a row", 5, 1, 3}};
    const StickPattern p = rng.pick(patterns);
    const int k = rng.range(6, 40);
    Question q = Make(
        Para(QStringLiteral("These patterns of %1 are made from matchsticks.").arg(p.shapes)),
        {MeasurePart(QStringLiteral("How many matchsticks are in pattern %1?").arg(k),
                     p.a * k + p.b, 0, Unit{"matchsticks", {"matchsticks", "matches", "sticks"}}),
         AlternativesPart(QStringLiteral("Write an expression for the number of "
                                         "matchsticks in pattern <i>n</i>."),
                          LinearForms(p.a, p.b), 2)});
    q.parts.last().answer = LinearHtml(p.a, p.b);
    q.pictures = {StickPicture(p)};
    q.workingPictures = {StickPicture(p, true)};
    q.working = {QStringLiteral("Count the matchsticks: %1, %2, %3.")
                     .arg(p.a + p.b)
                     .arg(2 * p.a + p.b)
                     .arg(3 * p.a + p.b),
                 QStringLiteral("Each new pattern adds %1, so the rule starts %1n; %1 &times; 1 "
                                "= %1 and pattern 1 has %2, so add %3.")
                     .arg(p.a)
                     .arg(p.a + p.b)
                     .arg(p.b),
                 QStringLiteral("Pattern n has %1 matchsticks.").arg(LinearHtml(p.a, p.b)),
                 QStringLiteral("Pattern %1: %2 &times; %1 + %3 = %4.")
                     .arg(k)
                     .arg(p.a)
                     .arg(p.b)
                     .arg(p.a * k + p.b)};
    return q;
}

/// A charge made of a fixed part and a part per unit, in whole pounds.
struct Charge {
    QString what;   // "hiring a bike"
    QString per;    // "hour"
    QString pers;   // "hours"
    QString letter; // for the formula
};

Charge PickCharge(Prng& rng)
{
    static const QList<Charge> charges = {{"hiring a bike", "hour", "hours", "h"},
                                          {"a taxi ride", "mile", "miles", "m"},
                                          {"hiring a bouncy castle", "hour", "hours", "h"},
                                          {"a window cleaner", "window", "windows", "w"},
                                          {"a plumber's visit", "hour", "hours", "h"},
                                          {"printing T-shirts", "shirt", "shirts", "s"}};
    return rng.pick(charges);
}

/// What the charge is counted in, written after an answer line.
Unit CountUnit(const Charge& c)
{
    return c.pers == QLatin1String("hours") ? units::kHours : Unit{c.pers, {c.pers, c.per}};
}

Question WordFormula(Prng& rng)
{
    const Charge c = PickCharge(rng);
    const int per = rng.range(2, 15);
    const int fixed = rng.range(3, 30);
    const int k = rng.range(2, 12);
    Question q =
        Make(Para(QStringLiteral("The cost of %1 is worked out with this formula:").arg(c.what)) +
                 Display(QStringLiteral("cost in pounds = %1 &times; number of %2 + %3")
                             .arg(per)
                             .arg(c.pers)
                             .arg(fixed)) +
                 Para(QStringLiteral("What is the cost for %1 %2?").arg(k).arg(c.pers)),
             {MeasurePart(QString(), (per * k + fixed) * 100LL, 2, units::kPounds)});
    q.working = {QStringLiteral("%1 &times; %2 = %3.").arg(per).arg(k).arg(per * k),
                 QStringLiteral("%1 + %2 = %3, so the cost is &pound;%3.")
                     .arg(per * k)
                     .arg(fixed)
                     .arg(per * k + fixed)};
    return q;
}

/// A formula in letters with two values to put in.
Question LetterFormula(Prng& rng)
{
    const int kind = rng.range(0, 4);
    const int p = rng.range(2, 15);
    const int r = rng.range(2, 12);
    QString formula, given, steps;
    int value = 0;
    switch (kind) {
    case 0:
        formula = QStringLiteral("P = 2a + 2b");
        given = QStringLiteral("a = %1 and b = %2").arg(p).arg(r);
        value = 2 * p + 2 * r;
        steps = QStringLiteral("P = 2 &times; %1 + 2 &times; %2 = %3 + %4 = %5")
                    .arg(p)
                    .arg(r)
                    .arg(2 * p)
                    .arg(2 * r)
                    .arg(value);
        break;
    case 1:
        formula = QStringLiteral("v = u + 10t");
        given = QStringLiteral("u = %1 and t = %2").arg(p).arg(r);
        value = p + 10 * r;
        steps = QStringLiteral("v = %1 + 10 &times; %2 = %1 + %3 = %4")
                    .arg(p)
                    .arg(r)
                    .arg(10 * r)
                    .arg(value);
        break;
    case 2:
        formula = QStringLiteral("A = bh &divide; 2");
        given = QStringLiteral("b = %1 and h = %2").arg(2 * p).arg(r);
        value = p * r;
        steps = QStringLiteral("A = %1 &times; %2 &divide; 2 = %3 &divide; 2 = %4")
                    .arg(2 * p)
                    .arg(r)
                    .arg(2 * p * r)
                    .arg(value);
        break;
    case 3:
        formula = QStringLiteral("y = 3c &minus; 2d");
        given = QStringLiteral("c = %1 and d = %2").arg(p).arg(r);
        value = 3 * p - 2 * r;
        steps = QStringLiteral("y = 3 &times; %1 &minus; 2 &times; %2 = %3 &minus; %4 = %5")
                    .arg(p)
                    .arg(r)
                    .arg(3 * p)
                    .arg(2 * r)
                    .arg(Signed(value));
        break;
    default:
        formula = QStringLiteral("T = 20m + 15");
        given = QStringLiteral("m = %1").arg(p);
        value = 20 * p + 15;
        steps =
            QStringLiteral("T = 20 &times; %1 + 15 = %2 + 15 = %3").arg(p).arg(20 * p).arg(value);
        break;
    }
    const QString letter = formula.left(1);
    Question q =
        Make(Display(formula) +
                 Para(QStringLiteral("Work out the value of %1 when %2.").arg(letter, given)),
             {NumberPart(QString(), value, kind == 4 ? 1 : 2)});
    q.working = {QStringLiteral("Put %1 into %2.").arg(given, formula), steps + QLatin1Char('.')};
    return q;
}

Question RearrangeFormula(Prng& rng)
{
    const Charge c = PickCharge(rng);
    const int per = rng.range(2, 15);
    const int fixed = rng.range(3, 30);
    const int k = rng.range(2, 20);
    const int cost = per * k + fixed;
    Question q =
        Make(Para(QStringLiteral("The cost, <i>C</i> pounds, of %1 for <i>%2</i> %3 is")
                      .arg(c.what, c.letter, c.pers)) +
                 Display(QStringLiteral("C = %1%2 + %3").arg(per).arg(c.letter).arg(fixed)) +
                 Para(QStringLiteral("The cost was &pound;%1. How many %2?").arg(cost).arg(c.pers)),
             {MeasurePart(QString(), k, 0, CountUnit(c), 2)});
    q.working = {QStringLiteral("%1 = %2%3 + %4.").arg(cost).arg(per).arg(c.letter).arg(fixed),
                 QStringLiteral("Take away %1: %2 &minus; %1 = %3, so %4%5 = %3.")
                     .arg(fixed)
                     .arg(cost)
                     .arg(cost - fixed)
                     .arg(per)
                     .arg(c.letter),
                 QStringLiteral("Divide by %1: %2 &divide; %1 = %3 %4.")
                     .arg(per)
                     .arg(cost - fixed)
                     .arg(k)
                     .arg(c.pers)};
    return q;
}

/// Four formulae for a charge; the one that gives the right cost for 1 to 5 units fits.
Question WhichFormula(Prng& rng)
{
    const Charge c = PickCharge(rng);
    const int per = rng.range(2, 9);
    int fixed = rng.range(2, 12);
    if (fixed == per)
        ++fixed;
    struct Formula {
        int a, b;   // C = a n + b
        bool times; // C = a (n + b) instead
    };
    const QList<Formula> formulae = {
        {per, fixed, false}, {fixed, per, false}, {per + fixed, 0, false}, {per, fixed, true}};
    auto cost = [](const Formula& f, int n) { return f.times ? f.a * (n + f.b) : f.a * n + f.b; };
    auto text = [&c](const Formula& f) {
        return f.times ? QStringLiteral("C = %1(%2 + %3)").arg(f.a).arg(c.letter).arg(f.b)
                       : QStringLiteral("C = %1").arg(LinearHtml(f.a, f.b, c.letter));
    };
    QList<Option> options;
    for (const Formula& f : formulae) {
        bool fits = true;
        for (int n = 1; n <= 5; ++n)
            fits = fits && cost(f, n) == per * n + fixed;
        options.append({text(f), fits});
    }
    const Choice choice = UniqueChoice(rng, options);
    Question q = ChoiceQuestion(Para(QStringLiteral("For %1 you pay &pound;%2 and then &pound;%3 "
                                                    "for each %4.")
                                         .arg(c.what)
                                         .arg(fixed)
                                         .arg(per)
                                         .arg(c.per)) +
                                    Para(QStringLiteral("Which formula gives the cost, <i>C</i> "
                                                        "pounds, for <i>%1</i> %2?")
                                             .arg(c.letter, c.pers)),
                                choice);
    q.working = {
        QStringLiteral("&pound;%1 for each %2 makes %1 &times; %3 = %1%3.")
            .arg(per)
            .arg(c.per, c.letter),
        QStringLiteral("Add the &pound;%1 paid once: %2.").arg(fixed).arg(text(formulae.first())),
        QStringLiteral("Check with 2 %1: %2 &times; 2 + %3 = %4.")
            .arg(c.pers)
            .arg(per)
            .arg(fixed)
            .arg(per * 2 + fixed)};
    return q;
}

Question SpecialNumber(Prng& rng)
{
    const bool square = rng.chance(50);
    const int n = rng.range(4, 25);
    const int value = square ? n * n : n * (n + 1) / 2;
    Question q =
        Make(square ? Para(QStringLiteral("The square numbers are 1, 4, 9, 16, 25, &hellip;")) +
                          Para(QStringLiteral("What is the %1th square number?").arg(n))
                    : Para(QStringLiteral("The triangular numbers are 1, 3, 6, 10, 15, &hellip;")) +
                          Para(QStringLiteral("What is the %1th triangular number?").arg(n)),
             {NumberPart(QString(), value)});
    q.working =
        square ? QStringList{QStringLiteral("The nth square number is n &times; n."),
                             QStringLiteral("%1 &times; %1 = %2.").arg(n).arg(value)}
               : QStringList{
                     QStringLiteral("The nth triangular number is 1 + 2 + &hellip; + n "
                                    "= n &times; (n + 1) &divide; 2."),
                     QStringLiteral("%1 &times; %2 &divide; 2 = %3.").arg(n).arg(n + 1).arg(value)};
    return q;
}

bool IsSquare(int x)
{
    const int r = int(std::lround(std::sqrt(double(x))));
    return r * r == x;
}

bool IsTriangular(int x)
{
    return IsSquare(8 * x + 1);
}

Question WhichIsSpecial(Prng& rng)
{
    const bool square = rng.chance(50);
    auto fits = [square](int x) { return square ? IsSquare(x) : IsTriangular(x); };
    const int k = rng.range(4, 15);
    const int right = square ? k * k : k * (k + 1) / 2;
    QList<Option> options = {{QString::number(right), true}};
    QList<int> values = {right};
    while (options.size() < 4) {
        const int j = rng.range(4, 15);
        const int x = (square ? j * j : j * (j + 1) / 2) + rng.range(-3, 3);
        if (!values.contains(x) && !fits(x) && x > 1) {
            values.append(x);
            options.append({QString::number(x), false});
        }
    }
    const Choice choice = UniqueChoice(rng, options);
    const QString name = square ? QStringLiteral("square") : QStringLiteral("triangular");
    Question q =
        ChoiceQuestion(Para(QStringLiteral("Which of these is a %1 number?").arg(name)), choice);
    q.working = {
        square ? QStringLiteral("A square number is a whole number times itself.")
               : QStringLiteral("A triangular number is 1 + 2 + 3 + &hellip; up to some "
                                "number: 1, 3, 6, 10, 15, &hellip;"),
        square ? QStringLiteral("%1 &times; %1 = %2.").arg(k).arg(right)
               : QStringLiteral("1 + 2 + &hellip; + %1 = %1 &times; %2 &divide; 2 = %3.")
                     .arg(k)
                     .arg(k + 1)
                     .arg(right),
        QStringLiteral("None of the others is %1, so the answer is %2.").arg(name).arg(right)};
    return q;
}

Question FibonacciNext(Prng& rng)
{
    const int a = rng.range(1, 12);
    const int b = rng.range(1, 15);
    const QList<int> t = {a, b, a + b, a + 2 * b, 2 * a + 3 * b, 3 * a + 5 * b};
    Question q = Make(Para(QStringLiteral("In this sequence each term is the sum of the two "
                                          "terms before it.")) +
                          Display(QStringLiteral("%1, %2, %3, %4, __, __")
                                      .arg(t.at(0))
                                      .arg(t.at(1))
                                      .arg(t.at(2))
                                      .arg(t.at(3))),
                      {NumberPart(QStringLiteral("the 5th term"), t.at(4)),
                       NumberPart(QStringLiteral("the 6th term"), t.at(5))});
    q.working = {QStringLiteral("5th term: %1 + %2 = %3.").arg(t.at(2)).arg(t.at(3)).arg(t.at(4)),
                 QStringLiteral("6th term: %1 + %2 = %3.").arg(t.at(3)).arg(t.at(4)).arg(t.at(5))};
    return q;
}

Question FibonacciBack(Prng& rng)
{
    const int a = rng.range(1, 12);
    const int b = rng.range(a + 1, 20);
    const QList<int> t = {a, b, a + b, a + 2 * b, 2 * a + 3 * b};
    Question q = Make(
        Para(QStringLiteral("In this sequence each term is the sum of the two "
                            "terms before it.")) +
            Display(QStringLiteral("__, __, %1, %2, %3").arg(t.at(2)).arg(t.at(3)).arg(t.at(4))),
        {NumberPart(QStringLiteral("the 2nd term"), b),
         NumberPart(QStringLiteral("the 1st term"), a)});
    q.working = {QStringLiteral("2nd term + %1 = %2, so the 2nd term is %2 &minus; %1 = %3.")
                     .arg(t.at(2))
                     .arg(t.at(3))
                     .arg(b),
                 QStringLiteral("1st term + %1 = %2, so the 1st term is %2 &minus; %1 = %3.")
                     .arg(b)
                     .arg(t.at(2))
                     .arg(a)};
    return q;
}

Question MissingTerms(Prng& rng)
{
    const int step = rng.range(2, 15) * (rng.chance(25) ? -1 : 1);
    const int first = step > 0 ? rng.range(-10, 30) : rng.range(40, 90);
    const QList<int> t = Terms(first, step, 5);
    const bool middle = rng.chance(50); // gaps at 2 and 3, or at 2 and 4
    const int second = middle ? 2 : 3;
    QStringList shown;
    for (int i = 0; i < 5; ++i)
        shown.append(i == 1 || i == second ? QStringLiteral("__") : Signed(t.at(i)));
    const int known = middle ? 3 : 2; // the first term after the first shown
    Question q = Make(Para(QStringLiteral("The terms of this sequence go up or down by the same "
                                          "amount each time. Fill in the missing terms.")) +
                          Display(shown.join(QStringLiteral(", "))),
                      {NumberPart(QStringLiteral("the 2nd term"), t.at(1)),
                       NumberPart(QStringLiteral("the %1 term")
                                      .arg(middle ? QStringLiteral("3rd") : QStringLiteral("4th")),
                                  t.at(second))});
    q.working = {QStringLiteral("From %1 to %2 is %3 steps: %2 &minus; %1 = %4.")
                     .arg(Signed(t.at(0)), Signed(t.at(known)))
                     .arg(known)
                     .arg(Signed(t.at(known) - t.at(0))),
                 QStringLiteral("One step is %1 &divide; %2 = %3.")
                     .arg(Signed(t.at(known) - t.at(0)))
                     .arg(known)
                     .arg(Signed(step)),
                 QStringLiteral("The missing terms are %1 and %2.")
                     .arg(Signed(t.at(1)), Signed(t.at(second)))};
    return q;
}

Question PositionRuleInWords(Prng& rng)
{
    const int a = rng.range(2, 12);
    const int b = rng.range(1, 20) * (rng.chance(40) ? -1 : 1);
    const int k = rng.range(6, 40);
    Question q = Make(Para(QStringLiteral("The rule for a sequence is: <b>multiply the position "
                                          "number by %1, then %2 %3</b>.")
                               .arg(a)
                               .arg(b < 0 ? QStringLiteral("subtract") : QStringLiteral("add"))
                               .arg(std::abs(b))) +
                          Para(QStringLiteral("What is the term in position %1?").arg(k)),
                      {NumberPart(QString(), a * k + b)});
    q.working = {QStringLiteral("%1 &times; %2 = %3.").arg(k).arg(a).arg(a * k),
                 QStringLiteral("%1 %2 %3 = %4.")
                     .arg(a * k)
                     .arg(b < 0 ? QStringLiteral("&minus;") : QStringLiteral("+"))
                     .arg(std::abs(b))
                     .arg(a * k + b)};
    return q;
}

Question FirstTermOver(Prng& rng)
{
    const int step = rng.range(3, 13);
    const int first = rng.range(1, 20);
    const int limit = rng.pick(QList<int>{100, 150, 200, 250, 500});
    const int steps = (limit - first) / step + 1;
    const int answer = first + steps * step;
    Question q =
        Make(Para(QStringLiteral("A sequence starts at %1 and goes up by %2 each time.")
                      .arg(first)
                      .arg(step)) +
                 Para(QStringLiteral("What is the first term that is greater than %1?").arg(limit)),
             {NumberPart(QString(), answer, 2)});
    q.working = {
        QStringLiteral("From %1 to %2 is %3; %3 &divide; %4 = %5 remainder %6.")
            .arg(first)
            .arg(limit)
            .arg(limit - first)
            .arg(step)
            .arg((limit - first) / step)
            .arg((limit - first) % step),
        QStringLiteral("After %1 steps the term is %2 + %1 &times; %3 = %4, not yet more "
                       "than %5.")
            .arg(steps - 1)
            .arg(first)
            .arg(step)
            .arg(answer - step)
            .arg(limit),
        QStringLiteral("One more step: %1 + %2 = %3.").arg(answer - step).arg(step).arg(answer)};
    return q;
}

/// Two sequences that share a term at the same position.
Question TwoSequences(Prng& rng)
{
    const int a1 = rng.range(2, 6);
    const int a2 = a1 + rng.range(1, 4);
    const int meet = rng.range(3, 12);
    const int b2 = rng.range(-8, 6);
    const int b1 = b2 + (a2 - a1) * meet;
    const int k = rng.pick(QList<int>{10, 20, 50, 100});
    Question q = Make(
        Para(QStringLiteral("Sequence A has <i>n</i>th term %1. Sequence B has "
                            "<i>n</i>th term %2.")
                 .arg(LinearHtml(a1, b1), LinearHtml(a2, b2))),
        {NumberPart(QStringLiteral("What is the %1th term of sequence A?").arg(k), a1 * k + b1),
         NumberPart(QStringLiteral("What is the %1th term of sequence B?").arg(k), a2 * k + b2),
         NumberPart(QStringLiteral("For which value of <i>n</i> are the <i>n</i>th "
                                   "terms of A and B the same?"),
                    meet)});
    q.working = {
        QStringLiteral("A: %1 = %2.").arg(LinearAt(a1, b1, k)).arg(a1 * k + b1),
        QStringLiteral("B: %1 = %2.").arg(LinearAt(a2, b2, k)).arg(a2 * k + b2),
        QStringLiteral("Set them equal: %1 = %2.").arg(LinearHtml(a1, b1), LinearHtml(a2, b2)),
        QStringLiteral("Take %1n from both sides and %2 from both sides: %3 &minus; %4 = "
                       "%5n, so %6 = %5n.")
            .arg(a1)
            .arg(Signed(b2), Signed(b1),
                 b2 < 0 ? QStringLiteral("(%1)").arg(Signed(b2)) : Signed(b2))
            .arg(a2 - a1)
            .arg(b1 - b2),
        QStringLiteral("n = %1 &divide; %2 = %3 (both terms are then %4).")
            .arg(b1 - b2)
            .arg(a2 - a1)
            .arg(meet)
            .arg(a1 * meet + b1)};
    return q;
}

/// A charge formula used forwards, then backwards.
Question FormulaBothWays(Prng& rng)
{
    const Charge c = PickCharge(rng);
    const int per = rng.range(2, 12);
    const int fixed = rng.range(3, 25);
    const int k1 = rng.range(2, 12);
    int k2 = rng.range(5, 25);
    if (k2 == k1)
        ++k2;
    Question q =
        Make(Para(QStringLiteral("The cost, <i>C</i> pounds, of %1 for <i>%2</i> %3 is")
                      .arg(c.what, c.letter, c.pers)) +
                 Display(QStringLiteral("C = %1%2 + %3").arg(per).arg(c.letter).arg(fixed)),
             {MeasurePart(QStringLiteral("What is the cost for %1 %2?").arg(k1).arg(c.pers),
                          (per * k1 + fixed) * 100LL, 2, units::kPounds),
              MeasurePart(QStringLiteral("The cost was &pound;%1. How many %2?")
                              .arg(per * k2 + fixed)
                              .arg(c.pers),
                          k2, 0, CountUnit(c), 2)});
    q.working = {QStringLiteral("C = %1 &times; %2 + %3 = %4, so &pound;%4.")
                     .arg(per)
                     .arg(k1)
                     .arg(fixed)
                     .arg(per * k1 + fixed),
                 QStringLiteral("%1 = %2%3 + %4, so %2%3 = %1 &minus; %4 = %5.")
                     .arg(per * k2 + fixed)
                     .arg(per)
                     .arg(c.letter)
                     .arg(fixed)
                     .arg(per * k2),
                 QStringLiteral("%1 = %2 &divide; %3 = %4 %5.")
                     .arg(c.letter)
                     .arg(per * k2)
                     .arg(per)
                     .arg(k2)
                     .arg(c.pers)};
    return q;
}

/// A pattern's table of tiles: a term far on, the nth term, and which pattern has a number.
Question TileTable(Prng& rng)
{
    const int a = rng.range(2, 9);
    const int b = rng.range(-1, 9);
    const int k = rng.range(8, 30);
    const int target = rng.range(12, 60);
    static const QStringList things = {"tiles", "counters", "dots", "cubes", "paving slabs"};
    const QString thing = rng.pick(things);
    QStringList header = {QStringLiteral("Pattern number")};
    QStringList row = {QStringLiteral("Number of %1").arg(thing)};
    for (int n = 1; n <= 4; ++n) {
        header.append(QString::number(n));
        row.append(QString::number(a * n + b));
    }
    Question q =
        Make(Para(QStringLiteral("A pattern is made of %1. The table shows how many are "
                                 "in the first four patterns.")
                      .arg(thing)) +
                 DataTable(header, {row}),
             {MeasurePart(QStringLiteral("How many %1 are in pattern %2?").arg(thing).arg(k),
                          a * k + b, 0, Unit{thing, {thing}}),
              AlternativesPart(QStringLiteral("Write an expression for the number of %1 "
                                              "in pattern <i>n</i>.")
                                   .arg(thing),
                               LinearForms(a, b)),
              NumberPart(QStringLiteral("Which pattern has %1 %2?").arg(a * target + b).arg(thing),
                         target, 2)});
    q.parts[1].answer = LinearHtml(a, b);
    q.working = NthTermSteps(a, b);
    q.working.append(
        QStringLiteral("Pattern %1: %2 = %3.").arg(k).arg(LinearAt(a, b, k)).arg(a * k + b));
    q.working.append(QStringLiteral("%1 = %2, so %3n = %4 and n = %4 &divide; %3 = %5.")
                         .arg(LinearHtml(a, b))
                         .arg(a * target + b)
                         .arg(a)
                         .arg(a * target)
                         .arg(target));
    return q;
}

} // namespace

QList<Generator> FormulaKinds()
{
    return {NextTerm,         TermToTermRule, NthTermValue,        FindNthTerm,    FarTerm,
            WhichIsATerm,     WhichTermIs,    MatchstickPattern,   WordFormula,    LetterFormula,
            RearrangeFormula, WhichFormula,   SpecialNumber,       WhichIsSpecial, FibonacciNext,
            FibonacciBack,    MissingTerms,   PositionRuleInWords, FirstTermOver,  TwoSequences,
            FormulaBothWays,  TileTable};
}

} // namespace orlavine::pack
