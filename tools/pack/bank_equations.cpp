// Simple equations: a missing number found by undoing, in one and two steps; equations
// from stories, balances and bar models; substitution and like terms.
#include "banks.h"

#include "answerforms.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>
#include <cmath>

namespace orlavine::pack {

namespace {

const Unit kYears{"years", {"years", "year", "yrs", "years old"}};

QString Letter(Prng& rng)
{
    return rng.pick(QStringList{"x", "y", "n", "a", "m", "p", "k"});
}

/// Two different names.
QPair<QString, QString> TwoNames(Prng& rng)
{
    const QString x = Name(rng);
    QString y = Name(rng);
    while (y == x)
        y = Name(rng);
    return {x, y};
}

/// coefficient × letter as algebra writes it: "x" for 1, "3x" otherwise.
QString Term(int coefficient, const QString& letter)
{
    return coefficient == 1 ? letter : QString::number(coefficient) + letter;
}

/// The letter over a number, as a fraction.
QString Over(const QString& letter, int d)
{
    return QStringLiteral("<span class=\"fr\"><span>%1</span><span>%2</span></span>")
        .arg(letter)
        .arg(d);
}

/// The value of `letter` that solves an equation: the number alone (with its unit, if
/// any) or after "x =". The solution page states it as "x = 6".
Part SolutionPart(const QString& prompt, const QString& letter, int value, int marks = 1,
                  const Unit& unit = units::kNone)
{
    QStringList forms = WithUnit(NumberForms(value, 0), unit);
    for (const QString& number : QStringList(forms)) {
        forms.append(letter + QLatin1Char('=') + number);
        forms.append(letter + QStringLiteral(" = ") + number);
    }
    Part part = AlternativesPart(prompt, forms, marks);
    part.unit = unit.shown;
    part.answer = QStringLiteral("%1 = %2").arg(letter, Signed(value));
    if (!unit.shown.isEmpty())
        part.answer +=
            (unit.shown == units::kDegrees.shown ? QString() : QStringLiteral(" ")) + unit.shown;
    return part;
}

/// The forms of coefficient × letter + constant ("6a + 8"): either term first, the
/// product in any of its forms, with or without spaces round the sign.
QStringList SumForms(int coefficient, const QString& letter, int constant)
{
    QStringList forms;
    const QString c = QString::number(constant);
    const QStringList products =
        coefficient == 1 ? QStringList{letter} : ProductForms(coefficient, letter);
    for (const char* sign : {"+", " + "}) {
        for (const QString& product : products)
            forms.append(product + QLatin1String(sign) + c);
    }
    for (const char* sign : {"+", " + "}) {
        for (const QString& product : products)
            forms.append(c + QLatin1String(sign) + product);
    }
    return forms;
}

QString SolvedStep(const QString& letter, int value)
{
    return QStringLiteral("So %1 = %2.").arg(letter, Signed(value));
}

Question AddEquation(Prng& rng)
{
    const QString x = Letter(rng);
    const int value = rng.range(2, 60), a = rng.range(2, 50);
    const QStringList shapes = {QStringLiteral("%1 + %2 = %3"), QStringLiteral("%2 + %1 = %3"),
                                QStringLiteral("%3 = %1 + %2")};
    Question q = Make(Para(QStringLiteral("Solve the equation.")) +
                          Display(rng.pick(shapes).arg(x).arg(a).arg(value + a)),
                      {SolutionPart(QString(), x, value)});
    q.working = {QStringLiteral("Undo the + %1: subtract %1 from both sides.").arg(a),
                 QStringLiteral("%1 = %2 &minus; %3 = %4.").arg(x).arg(value + a).arg(a).arg(value),
                 SolvedStep(x, value)};
    return q;
}

Question SubtractEquation(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 40), b = rng.range(1, 50);
    if (rng.chance(60)) { // x - a = b
        Question q = Make(Para(QStringLiteral("Solve the equation.")) +
                              Display(QStringLiteral("%1 &minus; %2 = %3").arg(x).arg(a).arg(b)),
                          {SolutionPart(QString(), x, a + b)});
        q.working = {QStringLiteral("Undo the &minus; %1: add %1 to both sides.").arg(a),
                     QStringLiteral("%1 = %2 + %3 = %4.").arg(x).arg(b).arg(a).arg(a + b),
                     SolvedStep(x, a + b)};
        return q;
    }
    // a + b - x = b: the unknown is taken away.
    Question q = Make(Para(QStringLiteral("Solve the equation.")) +
                          Display(QStringLiteral("%1 &minus; %2 = %3").arg(a + b).arg(x).arg(b)),
                      {SolutionPart(QString(), x, a)});
    q.working = {QStringLiteral("Add %1 to both sides: %2 = %3 + %1.").arg(x).arg(a + b).arg(b),
                 QStringLiteral("Subtract %1 from both sides: %2 = %3 &minus; %1 = %4.")
                     .arg(b)
                     .arg(x)
                     .arg(a + b)
                     .arg(a),
                 SolvedStep(x, a)};
    return q;
}

Question MultiplyEquation(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 12), value = rng.range(2, 15);
    const QString equation = rng.chance(70)
                                 ? QStringLiteral("%1%2 = %3").arg(a).arg(x).arg(a * value)
                                 : QStringLiteral("%3 = %1%2").arg(a).arg(x).arg(a * value);
    Question q = Make(Para(QStringLiteral("Solve the equation.")) + Display(equation),
                      {SolutionPart(QString(), x, value)});
    q.working = {
        QStringLiteral("%1%2 means %1 &times; %2. Undo it: divide both sides by %1.").arg(a).arg(x),
        QStringLiteral("%1 = %2 &divide; %3 = %4.").arg(x).arg(a * value).arg(a).arg(value),
        SolvedStep(x, value)};
    return q;
}

Question DivideEquation(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 10), b = rng.range(2, 15);
    const QString left =
        rng.chance(50) ? Over(x, a) : QStringLiteral("%1 &divide; %2").arg(x).arg(a);
    Question q = Make(Para(QStringLiteral("Solve the equation.")) +
                          Display(QStringLiteral("%1 = %2").arg(left).arg(b)),
                      {SolutionPart(QString(), x, a * b)});
    q.working = {
        QStringLiteral("%1 is divided by %2. Undo it: multiply both sides by %2.").arg(x).arg(a),
        QStringLiteral("%1 = %2 &times; %3 = %4.").arg(x).arg(b).arg(a).arg(a * b),
        SolvedStep(x, a * b)};
    return q;
}

Question TwoStepPlus(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 9), b = rng.range(1, 30), value = rng.range(2, 15);
    const int c = a * value + b;
    Question q = Make(Para(QStringLiteral("Solve the equation.")) +
                          Display(QStringLiteral("%1%2 + %3 = %4").arg(a).arg(x).arg(b).arg(c)),
                      {SolutionPart(QString(), x, value, 2)});
    q.working = {QStringLiteral("Subtract %1 from both sides: %2%3 = %4 &minus; %1 = %5.")
                     .arg(b)
                     .arg(a)
                     .arg(x)
                     .arg(c)
                     .arg(a * value),
                 QStringLiteral("Divide both sides by %1: %2 = %3 &divide; %1 = %4.")
                     .arg(a)
                     .arg(x)
                     .arg(a * value)
                     .arg(value),
                 QStringLiteral("Check: %1 &times; %2 + %3 = %4.").arg(a).arg(value).arg(b).arg(c)};
    return q;
}

Question TwoStepMinus(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 9), value = rng.range(2, 15);
    const int b = rng.range(1, a * value - 1);
    const int c = a * value - b;
    Question q =
        Make(Para(QStringLiteral("Solve the equation.")) +
                 Display(QStringLiteral("%1%2 &minus; %3 = %4").arg(a).arg(x).arg(b).arg(c)),
             {SolutionPart(QString(), x, value, 2)});
    q.working = {
        QStringLiteral("Add %1 to both sides: %2%3 = %4 + %1 = %5.")
            .arg(b)
            .arg(a)
            .arg(x)
            .arg(c)
            .arg(a * value),
        QStringLiteral("Divide both sides by %1: %2 = %3 &divide; %1 = %4.")
            .arg(a)
            .arg(x)
            .arg(a * value)
            .arg(value),
        QStringLiteral("Check: %1 &times; %2 &minus; %3 = %4.").arg(a).arg(value).arg(b).arg(c)};
    return q;
}

Question FractionTwoStep(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 8), quotient = rng.range(2, 12), b = rng.range(1, 20);
    const bool plus = rng.chance(50) || b >= quotient;
    const int c = plus ? quotient + b : quotient - b;
    Question q = Make(
        Para(QStringLiteral("Solve the equation.")) +
            Display(QStringLiteral("%1 %2 %3 = %4")
                        .arg(Over(x, a), plus ? QStringLiteral("+") : QStringLiteral("&minus;"))
                        .arg(b)
                        .arg(c)),
        {SolutionPart(QString(), x, a * quotient, 2)});
    q.working = {plus ? QStringLiteral("Subtract %1 from both sides: %2 = %3 &minus; %1 = %4.")
                            .arg(b)
                            .arg(Over(x, a))
                            .arg(c)
                            .arg(quotient)
                      : QStringLiteral("Add %1 to both sides: %2 = %3 + %1 = %4.")
                            .arg(b)
                            .arg(Over(x, a))
                            .arg(c)
                            .arg(quotient),
                 QStringLiteral("Multiply both sides by %1: %2 = %3 &times; %1 = %4.")
                     .arg(a)
                     .arg(x)
                     .arg(quotient)
                     .arg(a * quotient),
                 SolvedStep(x, a * quotient)};
    return q;
}

Question ThinkOfANumber(Prng& rng)
{
    const QString who = Name(rng);
    const int m = rng.range(2, 9), c = rng.range(1, 20), n = rng.range(2, 15);
    const int kind =
        rng.range(0, 2); // multiply then add, multiply then subtract, add then multiply
    int result = 0;
    QString story;
    QStringList working;
    switch (kind) {
    case 0:
        result = m * n + c;
        story = QStringLiteral("multiplies it by %1 and then adds %2").arg(m).arg(c);
        working = {QStringLiteral("Call the number n: %1n + %2 = %3.").arg(m).arg(c).arg(result),
                   QStringLiteral("Undo the last step first: %1 &minus; %2 = %3.")
                       .arg(result)
                       .arg(c)
                       .arg(m * n),
                   QStringLiteral("Then undo the &times; %1: %2 &divide; %1 = %3.")
                       .arg(m)
                       .arg(m * n)
                       .arg(n)};
        break;
    case 1:
        result = m * n - (c % (m * n - 1) + 1);
        story =
            QStringLiteral("multiplies it by %1 and then subtracts %2").arg(m).arg(m * n - result);
        working = {QStringLiteral("Call the number n: %1n &minus; %2 = %3.")
                       .arg(m)
                       .arg(m * n - result)
                       .arg(result),
                   QStringLiteral("Undo the last step first: %1 + %2 = %3.")
                       .arg(result)
                       .arg(m * n - result)
                       .arg(m * n),
                   QStringLiteral("Then undo the &times; %1: %2 &divide; %1 = %3.")
                       .arg(m)
                       .arg(m * n)
                       .arg(n)};
        break;
    default:
        result = m * (n + c);
        story = QStringLiteral("adds %1 and then multiplies the total by %2").arg(c).arg(m);
        working = {
            QStringLiteral("Call the number n: %1(n + %2) = %3.").arg(m).arg(c).arg(result),
            QStringLiteral("Undo the last step first: %1 &divide; %2 = %3.")
                .arg(result)
                .arg(m)
                .arg(n + c),
            QStringLiteral("Then undo the + %1: %2 &minus; %1 = %3.").arg(c).arg(n + c).arg(n)};
        break;
    }
    Question q = Make(Para(QStringLiteral("%1 thinks of a number, %2. The answer is %3.")
                               .arg(who, story)
                               .arg(result)),
                      {NumberPart(QStringLiteral("What number did %1 think of?").arg(who), n, 2)});
    q.working = working;
    q.working.append(QStringLiteral("So %1 thought of %2.").arg(who).arg(n));
    return q;
}

/// Scales that balance: `bags` bags marked with the letter and a weight of `known` grams
/// (none when 0) on the left pan, a weight of `right` grams on the right.
Picture BalancePicture(int bags, const QString& letter, int known, int right)
{
    Svg svg(480, 140);
    svg.polygon({{240, 72}, {214, 124}, {266, 124}}, colour::kShade, colour::kSlate, 2);
    svg.line({20, 72}, {460, 72}, colour::kInk, 5);
    const double leftWidth = bags * 36 + (known > 0 ? 60 : 0);
    double x = 126 - leftWidth / 2;
    for (int i = 0; i < bags; ++i, x += 36) {
        svg.rect(x, 26, 32, 44, colour::kAmberLight, colour::kAmberDark, 2, 8);
        svg.text({x + 16, 54}, letter, 16, "middle", true);
    }
    if (known > 0) {
        svg.rect(x + 2, 36, 56, 34, colour::kBlueLight, colour::kBlueDark, 2, 3);
        svg.text({x + 30, 58}, QStringLiteral("%1 g").arg(known), 14, "middle", true);
    }
    svg.rect(314, 36, 72, 34, colour::kBlueLight, colour::kBlueDark, 2, 3);
    svg.text({350, 58}, QStringLiteral("%1 g").arg(right), 14, "middle", true);
    return Picture{svg.finish(),
                   QStringLiteral("Balanced scales: %1 bags marked %2%3 on one side, "
                                  "%4 g on the other")
                       .arg(bags)
                       .arg(letter)
                       .arg(known > 0 ? QStringLiteral(" and %1 g").arg(known) : QString())
                       .arg(right)};
}

Question BalanceScales(Prng& rng)
{
    const QString x = Letter(rng);
    const int bags = rng.range(2, 4), each = rng.range(3, 20) * 5, known = rng.range(1, 12) * 5;
    const int more = rng.range(5, 10);
    const int right = bags * each + known;
    Question q = Make(Para(QStringLiteral("The scales balance. Each bag weighs %1 grams.").arg(x)),
                      {SolutionPart(QStringLiteral("Find %1.").arg(x), x, each, 2, units::kG),
                       MeasurePart(QStringLiteral("How much would %1 of the bags weigh?").arg(more),
                                   more * each, 0, units::kG)});
    q.pictures = {BalancePicture(bags, x, known, right)};
    q.workingPictures = {BalancePicture(bags, x, 0, right - known)};
    q.working = {
        QStringLiteral("The scales show %1%2 + %3 = %4.").arg(bags).arg(x).arg(known).arg(right),
        QStringLiteral("Take %1 g off both pans: %2%3 = %4 &minus; %1 = %5.")
            .arg(known)
            .arg(bags)
            .arg(x)
            .arg(right)
            .arg(bags * each),
        QStringLiteral("Share between the %1 bags: %2 = %3 &divide; %1 = %4 g.")
            .arg(bags)
            .arg(x)
            .arg(bags * each)
            .arg(each),
        QStringLiteral("%1 bags weigh %1 &times; %2 = %3 g.")
            .arg(more)
            .arg(each)
            .arg(WithCommas(more * each))};
    return q;
}

/// A bar of `total` over `parts` equal boxes marked with the letter and a box of `known`.
Picture BarEquationPicture(int total, int parts, const QString& letter, int known)
{
    Svg svg(440, 130);
    svg.rect(20, 15, 400, 44, colour::kBlueLight, colour::kBlueDark, 2, 4);
    svg.text({220, 43}, QString::number(total), 17, "middle", true);
    const double each = 300.0 / parts;
    for (int i = 0; i < parts; ++i) {
        svg.rect(20 + i * each, 71, each, 44, colour::kAmberLight, colour::kAmberDark, 2, 4);
        svg.text({20 + i * each + each / 2, 99}, letter, 17, "middle", true);
    }
    svg.rect(320, 71, 100, 44, "#ffffff", colour::kAmberDark, 2, 4);
    svg.text({370, 99}, QString::number(known), 17, "middle", true);
    return Picture{svg.finish(), QStringLiteral("A bar model: %1 is %2 equal parts %3 and %4")
                                     .arg(total)
                                     .arg(parts)
                                     .arg(letter)
                                     .arg(known)};
}

Question BarModelEquation(Prng& rng)
{
    const QString x = Letter(rng);
    const int parts = rng.range(2, 5), value = rng.range(4, 40), known = rng.range(3, 60);
    const int total = parts * value + known;
    Question q = Make(Para(QStringLiteral("The bar model shows that %1%2 + %3 = %4.")
                               .arg(parts)
                               .arg(x)
                               .arg(known)
                               .arg(total)),
                      {SolutionPart(QStringLiteral("Find the value of %1.").arg(x), x, value, 2)});
    q.pictures = {BarEquationPicture(total, parts, x, known)};
    q.working = {QStringLiteral("Take the %1 away from the whole bar: %2 &minus; %1 = %3.")
                     .arg(known)
                     .arg(total)
                     .arg(parts * value),
                 QStringLiteral("That is %1 equal parts: %2 &divide; %1 = %3.")
                     .arg(parts)
                     .arg(parts * value)
                     .arg(value),
                 SolvedStep(x, value)};
    return q;
}

Question SubstituteThree(Prng& rng)
{
    const int a = rng.range(2, 9), b = rng.range(2, 9), c = rng.range(1, std::min(9, a * b - 1));
    const int p = rng.range(2, 6);
    const bool square = rng.chance(50);
    const int third = square ? a * a + c : 2 * (b + c);
    Question q = Make(
        Para(QStringLiteral("a = %1, b = %2 and c = %3. Work out the value of each expression.")
                 .arg(a)
                 .arg(b)
                 .arg(c)),
        {NumberPart(QStringLiteral("%1a + b").arg(p), p * a + b),
         NumberPart(QStringLiteral("ab &minus; c"), a * b - c),
         NumberPart(square ? QStringLiteral("a&sup2; + c") : QStringLiteral("2(b + c)"), third)});
    q.working = {QStringLiteral("%1a + b = %1 &times; %2 + %3 = %4 + %3 = %5.")
                     .arg(p)
                     .arg(a)
                     .arg(b)
                     .arg(p * a)
                     .arg(p * a + b),
                 QStringLiteral("ab &minus; c = %1 &times; %2 &minus; %3 = %4 &minus; %3 = %5.")
                     .arg(a)
                     .arg(b)
                     .arg(c)
                     .arg(a * b)
                     .arg(a * b - c),
                 square ? QStringLiteral("a&sup2; + c = %1 &times; %1 + %2 = %3 + %2 = %4.")
                              .arg(a)
                              .arg(c)
                              .arg(a * a)
                              .arg(third)
                        : QStringLiteral("2(b + c) = 2 &times; (%1 + %2) = 2 &times; %3 = %4.")
                              .arg(b)
                              .arg(c)
                              .arg(b + c)
                              .arg(third)};
    return q;
}

Question SumAndDifference(Prng& rng)
{
    const int smaller = rng.range(5, 60), difference = rng.range(2, 30);
    const int sum = 2 * smaller + difference;
    if (rng.chance(50)) {
        Question q =
            Make(Para(QStringLiteral("Two numbers add up to %1. Their difference is %2.")
                          .arg(sum)
                          .arg(difference)),
                 {NumberPart(QStringLiteral("What is the smaller number?"), smaller, 2),
                  NumberPart(QStringLiteral("What is the larger number?"), smaller + difference)});
        q.working = {
            QStringLiteral("Take the difference off the total: %1 &minus; %2 = %3. That is "
                           "the smaller number twice.")
                .arg(sum)
                .arg(difference)
                .arg(2 * smaller),
            QStringLiteral("Smaller number: %1 &divide; 2 = %2.").arg(2 * smaller).arg(smaller),
            QStringLiteral("Larger number: %1 + %2 = %3.")
                .arg(smaller)
                .arg(difference)
                .arg(smaller + difference)};
        return q;
    }
    const auto [x, y] = TwoNames(rng);
    const QString thing = Thing(rng);
    Question q =
        Make(Para(QStringLiteral("%1 and %2 have %3 %4 altogether. %1 has %5 more than %2.")
                      .arg(x, y)
                      .arg(sum)
                      .arg(thing)
                      .arg(difference)),
             {NumberPart(QStringLiteral("How many %1 does %2 have?").arg(thing, y), smaller, 2),
              NumberPart(QStringLiteral("How many %1 does %2 have?").arg(thing, x),
                         smaller + difference)});
    q.working = {
        QStringLiteral("If %1 had %2 fewer, they would both have the same: %3 &minus; %2 = %4.")
            .arg(x)
            .arg(difference)
            .arg(sum)
            .arg(2 * smaller),
        QStringLiteral("%1 has %2 &divide; 2 = %3.").arg(y).arg(2 * smaller).arg(smaller),
        QStringLiteral("%1 has %2 + %3 = %4.")
            .arg(x)
            .arg(smaller)
            .arg(difference)
            .arg(smaller + difference)};
    return q;
}

Question CollectLikeTerms(Prng& rng)
{
    const QString x = Letter(rng);
    QString y = Letter(rng);
    while (y == x)
        y = Letter(rng);
    const int p = rng.range(2, 9), r = rng.range(2, 9), s = rng.range(1, p + r - 2);
    const int u = rng.range(2, 8), v = rng.range(1, 9), w = rng.range(2, 8), z = rng.range(1, 9);
    Part second =
        AlternativesPart(QStringLiteral("%1%2 + %3 + %4%2 + %5").arg(u).arg(y).arg(v).arg(w).arg(z),
                         SumForms(u + w, y, v + z));
    second.answer = QStringLiteral("%1%2 + %3").arg(u + w).arg(y).arg(v + z);
    Question q = Make(
        Para(QStringLiteral("Simplify each expression.")),
        {ProductPart(QStringLiteral("%1%2 + %3%2 &minus; %4").arg(p).arg(x).arg(r).arg(Term(s, x)),
                     p + r - s, x),
         second});
    q.working = {QStringLiteral("%1%2 + %3%2 &minus; %4 = (%1 + %3 &minus; %5)%2 = %6%2.")
                     .arg(p)
                     .arg(x)
                     .arg(r)
                     .arg(Term(s, x))
                     .arg(s)
                     .arg(p + r - s),
                 QStringLiteral(
                     "Collect the %1 terms: %2%1 + %3%1 = %4%1. Collect the numbers: %5 + %6 = %7.")
                     .arg(y)
                     .arg(u)
                     .arg(w)
                     .arg(u + w)
                     .arg(v)
                     .arg(z)
                     .arg(v + z),
                 QStringLiteral("So %1%2 + %3%2 + %4 + %5 = %6%2 + %7.")
                     .arg(u)
                     .arg(y)
                     .arg(w)
                     .arg(v)
                     .arg(z)
                     .arg(u + w)
                     .arg(v + z)};
    return q;
}

Question ChooseExpression(Prng& rng)
{
    const QString n = rng.pick(QStringList{"n", "x", "p", "c"});
    const int k = rng.range(2, 9);
    int r = rng.range(2, 40);
    if (r == k)
        ++r;
    struct Story {
        const char* text;
        const char* asked;
    };
    static const QList<Story> stories = {
        {"Pens cost %1 pence each. Ola buys %2 pens and a rubber that costs %3 pence.",
         "the total cost in pence"},
        {"Each box holds %1 eggs. Sam has %2 full boxes and %3 more eggs.", "the number of eggs"},
        {"A bus has %2 rows of %1 seats and %3 more seats at the back.", "the number of seats"},
        {"A taxi ride costs &pound;%3 plus &pound;%1 for each mile. Dev goes %2 miles.",
         "the cost of the ride in pounds"}};
    const Story story = rng.pick(stories);
    // Each expression is a × n + b; the one meant is k × n + r.
    struct Candidate {
        QString text;
        int a, b;
    };
    QList<Candidate> wrong = {{QStringLiteral("%1(%2 + %3)").arg(k).arg(n).arg(r), k, k * r},
                              {QStringLiteral("%1%2 + %3").arg(r).arg(n).arg(k), r, k},
                              {QStringLiteral("%1 + %2").arg(n).arg(k + r), 1, k + r},
                              {QStringLiteral("%1%2").arg(k + r).arg(n), k + r, 0},
                              {QStringLiteral("%1%2").arg(k).arg(n), k, 0}};
    rng.shuffle(wrong);
    const Candidate right{QStringLiteral("%1%2 + %3").arg(k).arg(n).arg(r), k, r};
    QList<Option> options;
    for (const Candidate& c : QList<Candidate>{right, wrong.at(0), wrong.at(1), wrong.at(2)}) {
        bool fits = true;
        for (int value = 1; value <= 3; ++value)
            fits = fits && c.a * value + c.b == k * value + r;
        options.append({c.text, fits});
    }
    Question q = ChoiceQuestion(
        Para(QString::fromLatin1(story.text).arg(n).arg(k).arg(r)) +
            Para(QStringLiteral("Which expression gives %1?").arg(QLatin1String(story.asked))),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("%1 lots of %2 make %1 &times; %2 = %1%2.").arg(k).arg(n),
                 QStringLiteral("Then add the %1: %2.").arg(r).arg(right.text)};
    return q;
}

Question WhichSolves(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 9), value = rng.range(2, 12), b = rng.range(1, 20);
    const bool plus = rng.chance(50) || b >= a * value;
    const int c = plus ? a * value + b : a * value - b;
    // Wrong answers a pupil might reach: off by one, or one step not undone.
    QList<int> others = {value + 1, value - 1, value + 2, plus ? c - b : c + b, c};
    rng.shuffle(others);
    QList<int> values = {value};
    for (int other : others) {
        if (values.size() < 4 && other > 0 && !values.contains(other))
            values.append(other);
    }
    QList<Option> options;
    QStringList tries;
    const QString sign = plus ? QStringLiteral("+") : QStringLiteral("&minus;");
    for (int v : values) {
        const int left = plus ? a * v + b : a * v - b;
        options.append({QStringLiteral("%1 = %2").arg(x).arg(v), left == c});
        tries.append(
            QStringLiteral("%1 = %2: %3 &times; %2 %4 %5 = %6%7")
                .arg(x)
                .arg(v)
                .arg(a)
                .arg(sign)
                .arg(b)
                .arg(Signed(left))
                .arg(left == c ? QStringLiteral(", right") : QStringLiteral(", not %1").arg(c)));
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which value of %1 solves this equation?").arg(x)) +
            Display(QStringLiteral("%1%2 %3 %4 = %5").arg(a).arg(x).arg(sign).arg(b).arg(c)),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("Put each value into the left side and see which gives %1.").arg(c),
                 tries.join(QStringLiteral("; ")) + QLatin1Char('.'),
                 QStringLiteral("So %1 = %2.").arg(x).arg(value)};
    return q;
}

Question BracketEquation(Prng& rng)
{
    const QString x = Letter(rng);
    const int a = rng.range(2, 9), value = rng.range(3, 15);
    const bool plus = rng.chance(60);
    const int b = plus ? rng.range(1, 12) : rng.range(1, value - 1);
    const int inside = plus ? value + b : value - b;
    Question q =
        Make(Para(QStringLiteral("Solve the equation.")) +
                 Display(QStringLiteral("%1(%2 %3 %4) = %5")
                             .arg(a)
                             .arg(x, plus ? QStringLiteral("+") : QStringLiteral("&minus;"))
                             .arg(b)
                             .arg(a * inside)),
             {SolutionPart(QString(), x, value, 2)});
    q.working = {QStringLiteral("Divide both sides by %1: %2 %3 %4 = %5 &divide; %1 = %6.")
                     .arg(a)
                     .arg(x, plus ? QStringLiteral("+") : QStringLiteral("&minus;"))
                     .arg(b)
                     .arg(a * inside)
                     .arg(inside),
                 plus ? QStringLiteral("Subtract %1 from both sides: %2 = %3 &minus; %1 = %4.")
                            .arg(b)
                            .arg(x)
                            .arg(inside)
                            .arg(value)
                      : QStringLiteral("Add %1 to both sides: %2 = %3 + %1 = %4.")
                            .arg(b)
                            .arg(x)
                            .arg(inside)
                            .arg(value),
                 SolvedStep(x, value)};
    return q;
}

Question UnknownBothSides(Prng& rng)
{
    const QString x = Letter(rng);
    const int c = rng.range(1, 5), a = c + rng.range(1, 5), value = rng.range(2, 12);
    const int b = rng.range(1, 20), d = (a - c) * value + b;
    Question q = Make(
        Para(QStringLiteral("Solve the equation.")) +
            Display(
                QStringLiteral("%1 + %2 = %3 + %4").arg(Term(a, x)).arg(b).arg(Term(c, x)).arg(d)),
        {SolutionPart(QString(), x, value, 2)});
    q.working = {QStringLiteral("Subtract %1 from both sides: %2 + %3 = %4.")
                     .arg(Term(c, x), Term(a - c, x))
                     .arg(b)
                     .arg(d),
                 QStringLiteral("Subtract %1 from both sides: %2 = %3 &minus; %1 = %4.")
                     .arg(b)
                     .arg(Term(a - c, x))
                     .arg(d)
                     .arg((a - c) * value)};
    if (a - c > 1)
        q.working.append(QStringLiteral("Divide both sides by %1: %2 = %3 &divide; %1 = %4.")
                             .arg(a - c)
                             .arg(x)
                             .arg((a - c) * value)
                             .arg(value));
    q.working.append(SolvedStep(x, value));
    return q;
}

/// An arc marking the angle at v from direction a to b (degrees, anticlockwise).
void Arc(Svg& svg, QPointF v, double a, double b, double r)
{
    svg.path(QStringLiteral("M%1 A%2,%2 0 0 0 %3")
                 .arg(Svg::pt(Svg::polar(v, r, a)), Svg::num(r), Svg::pt(Svg::polar(v, r, b))),
             "none", colour::kRed, 2);
}

/// Angles marked with expressions: two on a straight line, or the three of a triangle
/// (bottom left, bottom right, top). Not drawn accurately: the labels give the sizes.
Picture ExpressionAngles(const QStringList& labels)
{
    const bool line = labels.size() == 2;
    Svg svg(440, line ? 180 : 240);
    if (line) {
        const QPointF v(220, 140);
        svg.line({30, 140}, {410, 140}, colour::kInk, 3);
        svg.line(v, Svg::polar(v, 120, 65), colour::kInk, 3);
        Arc(svg, v, 0, 65, 30);
        Arc(svg, v, 65, 180, 36);
        svg.text(Svg::polar(v, 62, 30) + QPointF(0, 5), labels.at(0), 15, "middle", true,
                 colour::kRed);
        svg.text(Svg::polar(v, 66, 125) + QPointF(0, 5), labels.at(1), 15, "middle", true,
                 colour::kRed);
    } else {
        const QPointF a(60, 200), b(400, 200), c(230, 20);
        svg.polygon({a, b, c}, colour::kBlueLight, colour::kBlueDark, 2.5);
        const double slope = std::atan2(180.0, 170.0) * 180 / M_PI;
        Arc(svg, a, 0, slope, 26);
        Arc(svg, b, 180 - slope, 180, 26);
        Arc(svg, c, 180 + slope, 360 - slope, 24);
        svg.text({a.x() + 66, a.y() - 10}, labels.at(0), 15, "middle", true, colour::kRed);
        svg.text({b.x() - 66, b.y() - 10}, labels.at(1), 15, "middle", true, colour::kRed);
        svg.text({c.x(), c.y() + 56}, labels.at(2), 15, "middle", true, colour::kRed);
    }
    svg.text({430, line ? 170.0 : 230.0}, QStringLiteral("Not drawn accurately"), 13, "end", false,
             colour::kSlate);
    return Picture{svg.finish(), (line ? QStringLiteral("Two angles on a straight line: ")
                                       : QStringLiteral("A triangle with angles ")) +
                                     labels.join(QStringLiteral(", "))};
}

Question AngleEquation(Prng& rng)
{
    const bool line = rng.chance(50);
    const int m = rng.range(2, 4);
    // Angles m x and x + extra on a straight line, or x, m x and x + extra in a triangle.
    const int parts = line ? m + 1 : m + 2;
    const int x = rng.range(10, 175 / parts);
    const int extra = 180 - parts * x; // at least 5
    const int largest = std::max(m * x, x + extra);
    Question q =
        Make(Para(line ? QStringLiteral("Two angles on a straight line are %1x and x + %2 degrees.")
                             .arg(m)
                             .arg(extra)
                       : QStringLiteral("The angles of a triangle are x, %1x and x + %2 degrees.")
                             .arg(m)
                             .arg(extra)),
             {SolutionPart(QStringLiteral("Find x."), QStringLiteral("x"), x, 2, units::kDegrees),
              MeasurePart(QStringLiteral("What is the size of the largest angle?"), largest, 0,
                          units::kDegrees)});
    q.pictures = {ExpressionAngles(
        line ? QStringList{QStringLiteral("%1x").arg(m), QStringLiteral("x + %1").arg(extra)}
             : QStringList{QStringLiteral("x"), QStringLiteral("x + %1").arg(extra),
                           QStringLiteral("%1x").arg(m)})};
    q.working = {
        line
            ? QStringLiteral("Angles on a straight line add up to 180&deg;: %1x + x + %2 = 180, "
                             "so %3x + %2 = 180.")
                  .arg(m)
                  .arg(extra)
                  .arg(parts)
            : QStringLiteral("The angles of a triangle add up to 180&deg;: x + %1x + x + %2 = 180, "
                             "so %3x + %2 = 180.")
                  .arg(m)
                  .arg(extra)
                  .arg(parts),
        QStringLiteral("Subtract %1: %2x = %3. Divide by %2: x = %4&deg;.")
            .arg(extra)
            .arg(parts)
            .arg(parts * x)
            .arg(x),
        QStringLiteral("The angles are %1%2&deg; and %3&deg;, so the largest is %4&deg;.")
            .arg(line ? QString() : QStringLiteral("%1&deg;, ").arg(x))
            .arg(m * x)
            .arg(x + extra)
            .arg(largest)};
    return q;
}

Question ConsecutiveNumbers(Prng& rng)
{
    const int count = rng.range(2, 5), first = rng.range(3, 60);
    const int sum = count * first + count * (count - 1) / 2;
    static const QStringList words = {"", "", "two", "three", "four", "five"};
    QStringList terms = {QStringLiteral("n")};
    for (int i = 1; i < count; ++i)
        terms.append(QStringLiteral("(n + %1)").arg(i));
    Question q = Make(Para(QStringLiteral("%1 consecutive whole numbers add up to %2.")
                               .arg(words.at(count).at(0).toUpper() + words.at(count).mid(1))
                               .arg(sum)),
                      {NumberPart(QStringLiteral("What is the smallest of the numbers?"), first, 2),
                       NumberPart(QStringLiteral("What is the largest?"), first + count - 1)});
    q.working = {QStringLiteral("Call the smallest n: %1 = %2, so %3n + %4 = %2.")
                     .arg(terms.join(QStringLiteral(" + ")))
                     .arg(sum)
                     .arg(count)
                     .arg(count * (count - 1) / 2),
                 QStringLiteral("%1n = %2 &minus; %3 = %4, so n = %4 &divide; %1 = %5.")
                     .arg(count)
                     .arg(sum)
                     .arg(count * (count - 1) / 2)
                     .arg(count * first)
                     .arg(first),
                 QStringLiteral("The largest is %1 + %2 = %3.")
                     .arg(first)
                     .arg(count - 1)
                     .arg(first + count - 1)};
    return q;
}

Question PerimeterEquation(Prng& rng)
{
    const int width = rng.range(2, 15), more = rng.range(1, 10);
    const int perimeter = 4 * width + 2 * more;
    Question q =
        Make(Para(QStringLiteral("A rectangle is (x + %1) cm long and x cm wide. Its perimeter "
                                 "is %2 cm.")
                      .arg(more)
                      .arg(perimeter)),
             {SolutionPart(QStringLiteral("Find x."), QStringLiteral("x"), width, 2, units::kCm),
              MeasurePart(QStringLiteral("What is the area of the rectangle?"),
                          width * (width + more), 0, units::kSquareCm)});
    q.working = {
        QStringLiteral("Perimeter: (x + %1) + x + (x + %1) + x = 4x + %2 = %3.")
            .arg(more)
            .arg(2 * more)
            .arg(perimeter),
        QStringLiteral("Subtract %1: 4x = %2. Divide by 4: x = %3 cm.")
            .arg(2 * more)
            .arg(4 * width)
            .arg(width),
        QStringLiteral("The rectangle is %1 cm by %2 cm: area = %1 &times; %2 = %3 cm&sup2;.")
            .arg(width + more)
            .arg(width)
            .arg(width * (width + more))};
    return q;
}

Question AgeProblem(Prng& rng)
{
    const auto [older, younger] = TwoNames(rng);
    const int times = rng.range(2, 5), age = rng.range(2, 13);
    const int sum = (times + 1) * age;
    Question q =
        Make(Para(QStringLiteral("%1 is %2 times as old as %3. Their ages add up to %4 years.")
                      .arg(older)
                      .arg(times)
                      .arg(younger)
                      .arg(sum)),
             {MeasurePart(QStringLiteral("How old is %1?").arg(younger), age, 0, kYears, 2),
              MeasurePart(QStringLiteral("How old is %1?").arg(older), times * age, 0, kYears)});
    q.working = {QStringLiteral("Call %1's age a. Then %2 is %3a, and a + %3a = %4a = %5.")
                     .arg(younger, older)
                     .arg(times)
                     .arg(times + 1)
                     .arg(sum),
                 QStringLiteral("a = %1 &divide; %2 = %3, so %4 is %3.")
                     .arg(sum)
                     .arg(times + 1)
                     .arg(age)
                     .arg(younger),
                 QStringLiteral("%1 is %2 &times; %3 = %4.")
                     .arg(older)
                     .arg(times)
                     .arg(age)
                     .arg(times * age)};
    return q;
}

} // namespace

QList<Generator> EquationKinds()
{
    return {AddEquation,      SubtractEquation, MultiplyEquation,   DivideEquation,
            TwoStepPlus,      TwoStepMinus,     FractionTwoStep,    ThinkOfANumber,
            BalanceScales,    BarModelEquation, SubstituteThree,    SumAndDifference,
            CollectLikeTerms, ChooseExpression, WhichSolves,        BracketEquation,
            UnknownBothSides, AngleEquation,    ConsecutiveNumbers, PerimeterEquation,
            AgeProblem};
}

} // namespace orlavine::pack
