// The four operations: written and mental methods, missing numbers, word problems.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>
#include <cstdlib>

namespace orlavine::pack
{

namespace
{

const QString kTimes = QStringLiteral("&times;");
const QString kDivide = QStringLiteral("&divide;");
const QString kBox = QStringLiteral("&#9633;");

// What is counted in a word problem, written after the answer line like a unit.
const Unit kMoreGirls{"girls", {"girls", "more girls", "more"}};
const Unit kBoxes{"boxes", {"boxes", "box"}};
const Unit kMiles{"miles", {"miles", "mile"}};

/// A calculation offered as an option: x op y, op one of + - * /.
struct Calculation {
    int x = 0;
    char op = '*';
    int y = 0;

    QString text() const
    {
        const QString sign = op == '+'   ? QStringLiteral("+")
                             : op == '-' ? QStringLiteral("&minus;")
                             : op == '*' ? kTimes
                                         : kDivide;
        return QStringLiteral("%1 %2 %3").arg(x).arg(sign).arg(y);
    }
    double value() const
    {
        return op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : double(x) / y;
    }
};

/// `shown` and three of `others` (those whose text differs), each marked by `fits`.
template <typename Fits>
QList<Option> CalculationOptions(Prng& rng, const Calculation& shown, QList<Calculation> others,
                                 Fits fits)
{
    rng.shuffle(others);
    QList<Option> options = {{shown.text(), fits(shown)}};
    for (const Calculation& other : others) {
        const QString text = other.text();
        if (options.size() < 4 && std::none_of(options.cbegin(), options.cend(),
                                               [&](const Option& o) { return o.text == text; }))
            options.append({text, fits(other)});
    }
    return options;
}

/// "+" or "&minus;" for a sum or a difference.
QString Sign(bool add)
{
    return add ? QStringLiteral("+") : QStringLiteral("&minus;");
}

/// A written sum or difference of two four-digit numbers, with the steps that work it.
Part ColumnSum(Prng& rng, bool add, const QString& label, QStringList& steps)
{
    const int a = rng.range(1200, 8999);
    int b = rng.range(1200, 8999);
    if (b == a)
        b += 101; // not a difference of 0
    const int big = std::max(a, b), small = std::min(a, b);
    const int answer = add ? big + small : big - small;
    steps.append(
        QStringLiteral("%1 Write %2 under %3, ones under ones. %4")
            .arg(label, WithCommas(small), WithCommas(big),
                 add ? QStringLiteral("Add each column from the ones, carrying 1 when a column "
                                      "makes 10 or more.")
                     : QStringLiteral("Take away each column from the ones, exchanging from the "
                                      "next column when the top digit is too small.")));
    steps.append(
        QStringLiteral("%1 %2 %3 = <b>%4</b>; check: %4 %5 %3 = %1.")
            .arg(WithCommas(big), Sign(add), WithCommas(small), WithCommas(answer), Sign(!add)));
    return NumberPart(QStringLiteral("%1 %2 %3").arg(WithCommas(big), Sign(add), WithCommas(small)),
                      answer);
}

Question WrittenAdd(Prng& rng)
{
    QStringList steps;
    const Part sum = ColumnSum(rng, true, QStringLiteral("(a)"), steps);
    const Part difference = ColumnSum(rng, false, QStringLiteral("(b)"), steps);
    Question q = Make(Para(QStringLiteral("Work out")), {sum, difference});
    q.working = steps;
    return q;
}

Question MissingAddend(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    for (const bool first : {true, false}) {
        const int total = rng.pick(QList<int>{100, 500, 1000, 1000, 2000});
        const int known = rng.range(total / 10, total - total / 10);
        const QString sum =
            first ? QStringLiteral("%1 + %2 = %3").arg(kBox, WithCommas(known), WithCommas(total))
                  : QStringLiteral("%1 &minus; %2 = %3")
                        .arg(WithCommas(total), kBox, WithCommas(known));
        parts.append(NumberPart(sum, total - known));
        steps.append(QStringLiteral("%1: %2 so the box is %3 &minus; %4 = <b>%5</b>.")
                         .arg(sum,
                              first ? QStringLiteral("the box and %1 make %2,")
                                          .arg(WithCommas(known), WithCommas(total))
                                    : QStringLiteral("taking the box from %1 leaves %2,")
                                          .arg(WithCommas(total), WithCommas(known)),
                              WithCommas(total), WithCommas(known), WithCommas(total - known)));
    }
    Question q = Make(Para(QStringLiteral("What number goes in each box?")), parts);
    q.working = steps;
    return q;
}

Question TwoStepStory(Prng& rng)
{
    const int boys = rng.range(180, 480);
    const int girls = boys + rng.range(12, 90);
    static const QStringList schools = {"Hill Park",   "Riverside", "Oak Lane",
                                        "Meadow View", "St Anne's", "Brook Green"};
    Question q = Make(Para(QStringLiteral("At %1 School there are %2 boys and %3 girls.")
                               .arg(rng.pick(schools))
                               .arg(boys)
                               .arg(girls)),
                      {MeasurePart(QStringLiteral("How many pupils are there altogether?"),
                                   boys + girls, 0, units::kPupils),
                       MeasurePart(QStringLiteral("How many more girls than boys are there?"),
                                   girls - boys, 0, kMoreGirls)});
    q.working = {QStringLiteral("Altogether means add: %1 + %2 = <b>%3</b> pupils.")
                     .arg(boys)
                     .arg(girls)
                     .arg(WithCommas(boys + girls)),
                 QStringLiteral("How many more means find the difference: %1 &minus; %2 = "
                                "<b>%3</b> more girls.")
                     .arg(girls)
                     .arg(boys)
                     .arg(girls - boys)};
    return q;
}

Question Estimate(Prng& rng)
{
    const int a = rng.range(2, 8) * 100 + rng.pick(QList<int>{-3, -2, -1, 1, 2, 3, 4});
    const int b = rng.range(2, 8) * 100 + rng.pick(QList<int>{-4, -2, -1, 1, 2, 3});
    const int ra = (a + 50) / 100 * 100, rb = (b + 50) / 100 * 100;
    const int rounded = ra + rb;
    QList<int> values = {rounded - 200, rounded - 100, rounded + 100, rounded + 200};
    rng.shuffle(values);
    values = values.mid(0, 3) << rounded;
    // The best estimate is the option nearest the sum.
    int nearest = values.first();
    for (int v : values) {
        if (std::abs(v - (a + b)) < std::abs(nearest - (a + b)))
            nearest = v;
    }
    QList<Option> options;
    for (int v : values)
        options.append({WithCommas(v), v == nearest});
    Question q = ChoiceQuestion(Para(QStringLiteral("Which is the best estimate of")) +
                                    Display(QStringLiteral("%1 + %2").arg(a).arg(b)),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("Round each number to the nearest hundred: %1 is about %2 and "
                                "%3 is about %4.")
                     .arg(a)
                     .arg(ra)
                     .arg(b)
                     .arg(rb),
                 QStringLiteral("%1 + %2 = %3, so the best estimate is <b>%4</b>.")
                     .arg(ra)
                     .arg(rb)
                     .arg(WithCommas(rounded), WithCommas(nearest))};
    return q;
}

Question CheckSums(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    for (int i = 0; i < 3; ++i) {
        const int a = rng.range(300, 900);
        const int b = rng.range(110, a - 50);
        const bool right = rng.chance(50);
        const int slip = a - b > 100 ? rng.pick(QList<int>{-100, -10, 10, 100})
                                     : rng.pick(QList<int>{-10, 10, 100});
        const int shown = right ? a - b : a - b + slip;
        parts.append(
            TrueFalsePart(QStringLiteral("%1 &minus; %2 = %3").arg(a).arg(b).arg(shown), right));
        steps.append(QStringLiteral("%1 &minus; %2 = %3, %4 %5: <b>%6</b>.")
                         .arg(a)
                         .arg(b)
                         .arg(a - b)
                         .arg(right ? QStringLiteral("the same as") : QStringLiteral("not"))
                         .arg(shown)
                         .arg(right ? QStringLiteral("True") : QStringLiteral("False")));
    }
    Question q = Make(
        Para(QStringLiteral(
            "Check each subtraction. Write <b>T</b> if it is true or <b>F</b> if it is false.")),
        parts);
    q.working = steps;
    return q;
}

/// A table fact: a × b, or its inverse a·b ÷ a, with the step that works it out.
Part TableFact(Prng& rng, QStringList& steps)
{
    const int a = rng.range(3, 12);
    const int b = rng.range(3, 12);
    if (rng.chance(40)) {
        steps.append(QStringLiteral("%1 %2 %3 = <b>%4</b>, because %3 %5 %4 = %1.")
                         .arg(a * b)
                         .arg(kDivide)
                         .arg(a)
                         .arg(b)
                         .arg(kTimes));
        return NumberPart(QStringLiteral("%1 %2 %3").arg(a * b).arg(kDivide).arg(a), b);
    }
    steps.append(QStringLiteral("%1 %2 %3 = <b>%4</b>.").arg(a).arg(kTimes).arg(b).arg(a * b));
    return NumberPart(QStringLiteral("%1 %2 %3").arg(a).arg(kTimes).arg(b), a * b);
}

Question TimesTables(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    const int count = rng.range(4, 8);
    for (int i = 0; i < count; ++i)
        parts.append(TableFact(rng, steps));
    Question q = Make(Para(QStringLiteral("Work these out in your head.")), parts);
    q.working = steps;
    return q;
}

Question LongMultiplication(Prng& rng)
{
    const int a = rng.range(120, 899);
    const int b = rng.range(12, 48);
    const int tens = b / 10 * 10, ones = b % 10;
    Question q =
        Make(Para(QStringLiteral("Work out")) +
                 Display(QStringLiteral("%1 %2 %3").arg(a).arg(kTimes).arg(b)),
             {NumberPart(QString(), a * b, 2)},
             QStringLiteral("Show your working on paper. Two marks for the right answer."));
    q.working = {QStringLiteral("Split %1 into %2 + %3.").arg(b).arg(tens).arg(ones),
                 QStringLiteral("%1 %2 %3 = %4 and %1 %2 %5 = %6.")
                     .arg(a)
                     .arg(kTimes)
                     .arg(tens)
                     .arg(WithCommas(a * tens))
                     .arg(ones)
                     .arg(WithCommas(a * ones)),
                 QStringLiteral("%1 + %2 = <b>%3</b>.")
                     .arg(WithCommas(a * tens), WithCommas(a * ones), WithCommas(a * b))};
    return q;
}

Question Remainders(Prng& rng)
{
    const int d = rng.range(3, 9);
    const int q = rng.range(21, 140);
    const int r = rng.range(1, d - 1);
    const int n = q * d + r;
    Question question = Make(Para(QStringLiteral("Work out %1 %2 %3.").arg(n).arg(kDivide).arg(d)),
                             {NumberPart(QStringLiteral("The whole number answer"), q),
                              NumberPart(QStringLiteral("The remainder"), r)});
    question.working = {
        QStringLiteral("The largest multiple of %1 not above %2 is %3 %4 %1 = %5, so the whole "
                       "number answer is <b>%3</b>.")
            .arg(d)
            .arg(n)
            .arg(q)
            .arg(kTimes)
            .arg(q * d),
        QStringLiteral("%1 &minus; %2 = %3 is left over: the remainder is <b>%3</b>.")
            .arg(n)
            .arg(q * d)
            .arg(r)};
    return question;
}

Question Boxes(Prng& rng)
{
    static const QStringList items = {"eggs", "cakes", "pens", "cups"};
    const QString item = rng.pick(items);
    const int per = rng.range(4, 12);
    const int need = rng.range(3, 12) * per + rng.range(1, per - 1);
    const QString who = Name(rng);
    const int full = need / per;
    Question q = Make(Para(QStringLiteral("%1 are packed in boxes of %2. %3 needs %4 %5.")
                               .arg(item.left(1).toUpper() + item.mid(1))
                               .arg(per)
                               .arg(who)
                               .arg(need)
                               .arg(item)),
                      {MeasurePart(QStringLiteral("How many boxes must %1 buy?").arg(who), full + 1,
                                   0, kBoxes, 2)},
                      QStringLiteral("Think about what to do with the remainder."));
    q.working = {QStringLiteral("%1 %2 %3 = %4 remainder %5.")
                     .arg(need)
                     .arg(kDivide)
                     .arg(per)
                     .arg(full)
                     .arg(need - full * per),
                 QStringLiteral("%1 full boxes leave %2 %3 over, which need one more box.")
                     .arg(full)
                     .arg(need - full * per)
                     .arg(item),
                 QStringLiteral("%1 + 1 = <b>%2</b> boxes.").arg(full).arg(full + 1)};
    return q;
}

Question PowersOfTen(Prng& rng)
{
    const int a = rng.range(12, 98);     // tenths: 1.2 .. 9.8
    const int b = rng.range(2, 99) * 10; // 20 .. 990
    const int c = rng.range(11, 99);
    Question q =
        Make(Para(QStringLiteral("Work out")),
             {DecimalPart(QStringLiteral("%1 %2 100").arg(DecimalText(a, 1), kTimes), a * 10, 0),
              DecimalPart(QStringLiteral("%1 %2 10").arg(b).arg(kDivide), b / 10, 0),
              DecimalPart(QStringLiteral("%1 %2 100").arg(c).arg(kDivide), c, 2)});
    q.working = {QStringLiteral("%2 100 moves each digit two places to the left: %1 %2 100 = "
                                "<b>%3</b>.")
                     .arg(DecimalText(a, 1), kTimes, DecimalText(a * 10, 0)),
                 QStringLiteral("%2 10 moves each digit one place to the right: %1 %2 10 = "
                                "<b>%3</b>.")
                     .arg(b)
                     .arg(kDivide, DecimalText(b / 10, 0)),
                 QStringLiteral("%2 100 moves each digit two places to the right: %1 %2 100 = "
                                "<b>%3</b>.")
                     .arg(c)
                     .arg(kDivide, DecimalText(c, 2))};
    return q;
}

Question WhichProduct(Prng& rng)
{
    const int a = rng.range(3, 9);
    const int b = rng.range(4, 9);
    const int n = a * b;
    const Calculation right =
        rng.pick(QList<Calculation>{{a, '*', b}, {b, '*', a}, {2 * n, '/', 2}});
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which calculation has the answer <b>%1</b>?").arg(n)),
        UniqueChoice(
            rng, CalculationOptions(
                     rng, right,
                     {{a + 1, '*', b}, {a, '+', b}, {a, '*', b - 1}, {n + a, '/', a}, {n, '-', a}},
                     [n](const Calculation& c) { return c.value() == n; })));
    q.working = {QStringLiteral("Work out each calculation and look for %1.").arg(n),
                 QStringLiteral("<b>%1</b> = %2; each of the others gives a different answer.")
                     .arg(right.text())
                     .arg(n)};
    return q;
}

Question ArrayOfDots(Prng& rng)
{
    const int rows = rng.range(2, 6);
    int columns = rng.range(3, 9);
    if (columns == rows)
        ++columns;
    // An option shows the array when it multiplies its rows by its columns, in either order.
    const auto shows = [rows, columns](const Calculation& c) {
        return c.op == '*' && ((c.x == rows && c.y == columns) || (c.x == columns && c.y == rows));
    };
    const Calculation right =
        rng.chance(50) ? Calculation{rows, '*', columns} : Calculation{columns, '*', rows};
    Question q =
        ChoiceQuestion(Para(QStringLiteral("Which calculation does this array of dots show?")),
                       UniqueChoice(rng, CalculationOptions(rng, right,
                                                            {{rows, '+', columns},
                                                             {rows + 1, '*', columns},
                                                             {rows, '*', columns + 1},
                                                             {rows, '*', rows},
                                                             {columns, '*', columns}},
                                                            shows)));
    q.pictures = {DotArray(rows, columns)};
    q.working = {
        QStringLiteral("There are %1 rows with %2 dots in each row.").arg(rows).arg(columns),
        QStringLiteral("%1 lots of %2 is <b>%3</b> = %4 dots.")
            .arg(rows)
            .arg(columns)
            .arg(right.text())
            .arg(rows * columns)};
    return q;
}

Question MissingPart(Prng& rng)
{
    const int whole = rng.range(30, 99) * 10;
    const int part = rng.range(whole / 5, whole * 3 / 5);
    Question q = Make(
        Para(QStringLiteral(
            "The bar model shows a whole and one of its two parts. What is the missing part?")),
        {NumberPart(QString(), whole - part)});
    q.pictures = {BarModel(QString::number(whole), QString::number(part))};
    q.working = {QStringLiteral("The two parts together make the whole, %1.").arg(whole),
                 QStringLiteral("Missing part = %1 &minus; %2 = <b>%3</b>.")
                     .arg(whole)
                     .arg(part)
                     .arg(whole - part)};
    return q;
}

/// A quick sum of the mental drill, with the step that works it out.
Part MentalSum(Prng& rng, QStringList& steps)
{
    switch (rng.range(0, 3)) {
    case 0: {
        const int a = rng.range(15, 85), b = rng.range(12, 60);
        steps.append(QStringLiteral("%1 + %2 = %3 + %4 = <b>%5</b>.")
                         .arg(a)
                         .arg(b)
                         .arg(a + b / 10 * 10)
                         .arg(b % 10)
                         .arg(a + b));
        return NumberPart(QStringLiteral("%1 + %2").arg(a).arg(b), a + b);
    }
    case 1: {
        const int a = rng.range(60, 150), b = rng.range(12, 55);
        steps.append(QStringLiteral("%1 &minus; %2 = %3 &minus; %4 = <b>%5</b>.")
                         .arg(a)
                         .arg(b)
                         .arg(a - b / 10 * 10)
                         .arg(b % 10)
                         .arg(a - b));
        return NumberPart(QStringLiteral("%1 &minus; %2").arg(a).arg(b), a - b);
    }
    default:
        return TableFact(rng, steps);
    }
}

Question Mental(Prng& rng)
{
    return MentalDrill(rng, rng.range(4, 8));
}

Question ShoppingChange(Prng& rng)
{
    static const QList<QPair<QString, QString>> shops = {
        {"a book", "a pen"},        {"a cap", "a drink"}, {"a comic", "a ruler"},
        {"a sandwich", "an apple"}, {"a ball", "a kite"}, {"a plant", "a pot"}};
    const auto& [first, second] = rng.pick(shops);
    const int a = rng.range(15, 95) * 5 + rng.range(0, 1) * 2; // pence
    const int b = rng.range(8, 60) * 5 + rng.range(0, 1) * 3;
    const int paid = a + b < 900 ? 1000 : 2000;
    const QString who = Name(rng);
    Question q = Make(
        Para(QStringLiteral("%1 buys %2 for &pound;%3 and %4 for &pound;%5. %1 pays with a "
                            "&pound;%6 note.")
                 .arg(who, first, FixedText(a, 2), second, FixedText(b, 2))
                 .arg(paid / 100)),
        {MeasurePart(QStringLiteral("How much does %1 spend?").arg(who), a + b, 2, units::kPounds),
         MeasurePart(QStringLiteral("How much change does %1 get?").arg(who), paid - a - b, 2,
                     units::kPounds, 2)});
    q.working = {QStringLiteral("Spent: &pound;%1 + &pound;%2 = <b>&pound;%3</b>.")
                     .arg(FixedText(a, 2), FixedText(b, 2), FixedText(a + b, 2)),
                 QStringLiteral("Change: &pound;%1 &minus; &pound;%2 = <b>&pound;%3</b>.")
                     .arg(FixedText(paid, 2), FixedText(a + b, 2), FixedText(paid - a - b, 2)),
                 QStringLiteral("Check: &pound;%1 + &pound;%2 = &pound;%3.")
                     .arg(FixedText(a + b, 2), FixedText(paid - a - b, 2), FixedText(paid, 2))};
    return q;
}

Question InverseFact(Prng& rng)
{
    const int a = rng.range(1100, 6999);
    const int b = rng.range(1100, 2999);
    const int c = a + b;
    const bool takeB = rng.chance(50);
    Question q = Make(
        Para(QStringLiteral("Use the fact")) +
            Display(
                QStringLiteral("%1 + %2 = %3").arg(WithCommas(a), WithCommas(b), WithCommas(c))) +
            Para(QStringLiteral("to write the answer to")) +
            Display(QStringLiteral("%1 &minus; %2").arg(WithCommas(c), WithCommas(takeB ? b : a))),
        {NumberPart(QString(), takeB ? a : b)});
    q.working = {QStringLiteral("Subtraction undoes addition: the whole %1 take away one part "
                                "leaves the other part.")
                     .arg(WithCommas(c)),
                 QStringLiteral("%1 &minus; %2 = <b>%3</b>.")
                     .arg(WithCommas(c), WithCommas(takeB ? b : a), WithCommas(takeB ? a : b))};
    return q;
}

/// What n needs to make `target`, counted up through the next hundred and thousand.
Part Complement(int n, int target, const QString& label, QStringList& steps)
{
    QStringList jumps, sizes;
    int at = n;
    for (int stop : {(n + 99) / 100 * 100, (n + 999) / 1000 * 1000, target}) {
        if (stop > at) {
            jumps.append(QStringLiteral("%1 + %2 = %3")
                             .arg(WithCommas(at), WithCommas(stop - at), WithCommas(stop)));
            sizes.append(WithCommas(stop - at));
            at = stop;
        }
    }
    steps.append(sizes.size() == 1
                     ? QStringLiteral("%1 %2, so <b>%3</b> must be added.")
                           .arg(label, jumps.first(), WithCommas(target - n))
                     : QStringLiteral("%1 Count up: %2. The jumps make %3 = <b>%4</b>.")
                           .arg(label, jumps.join(QStringLiteral("; ")),
                                sizes.join(QStringLiteral(" + ")), WithCommas(target - n)));
    return NumberPart(QStringLiteral("What must be added to <b>%1</b> to make <b>%2</b>?")
                          .arg(WithCommas(n), WithCommas(target)),
                      target - n);
}

Question ComplementTo(Prng& rng)
{
    QStringList steps;
    const Part thousand = Complement(rng.range(11, 189) * 5, 1000, QStringLiteral("(a)"), steps);
    const Part tenThousand =
        Complement(rng.range(101, 1989) * 5, 10000, QStringLiteral("(b)"), steps);
    Question q = Make(Para(QStringLiteral("Count up through the next hundred and thousand.")),
                      {thousand, tenThousand});
    q.working = steps;
    return q;
}

Question CyclingPlan(Prng& rng)
{
    const QString who = Name(rng);
    const int goal = rng.range(8, 20) * 5;
    const int a = rng.range(goal / 8, goal / 5), b = rng.range(goal / 8, goal / 5),
              c = rng.range(goal / 8, goal / 5);
    static const QStringList ways = {"cycle", "walk", "run", "swim"};
    const QString way = rng.pick(ways);
    const bool swim = way == QLatin1String("swim");
    const Unit& unit = swim ? units::kM : units::kKm;
    const QString u = unit.shown;
    const int scale = swim ? 100 : 1;
    Question q =
        Make(Para(QStringLiteral("%1 plans to %2 %3 %4 this month. So far %1 has been out three "
                                 "times: %5 %4, %6 %4 and %7 %4.")
                      .arg(who, way, WithCommas(goal * scale), u, WithCommas(a * scale),
                           WithCommas(b * scale), WithCommas(c * scale))),
             {MeasurePart(QStringLiteral("How far has %1 gone so far?").arg(who),
                          (a + b + c) * scale, 0, unit),
              MeasurePart(QStringLiteral("How much further must %1 go to reach the plan?").arg(who),
                          (goal - a - b - c) * scale, 0, unit, 2)});
    q.working = {QStringLiteral("So far: %1 + %2 + %3 = <b>%4 %5</b>.")
                     .arg(WithCommas(a * scale), WithCommas(b * scale), WithCommas(c * scale),
                          WithCommas((a + b + c) * scale), u),
                 QStringLiteral("Still to go: %1 &minus; %2 = <b>%3 %4</b>.")
                     .arg(WithCommas(goal * scale), WithCommas((a + b + c) * scale),
                          WithCommas((goal - a - b - c) * scale), u)};
    return q;
}

/// A number pyramid of three rows: bricks labelled from the bottom row up.
Picture Pyramid(const QStringList& bottom, const QStringList& middle, const QString& top)
{
    Svg svg(330, 150);
    const auto brick = [&svg](double x, double y, const QString& label) {
        const bool unknown = label == QLatin1String("?");
        svg.rect(x, y, 100, 40, unknown ? "#ffffff" : colour::kBlueLight, colour::kInk, 2);
        svg.text({x + 50, y + 26}, label, 16, "middle", true,
                 unknown ? colour::kRed : colour::kInk);
    };
    for (int i = 0; i < 3; ++i)
        brick(15 + 100 * i, 100, bottom.at(i));
    for (int i = 0; i < 2; ++i)
        brick(65 + 100 * i, 55, middle.at(i));
    brick(115, 10, top);
    return Picture{svg.finish(), QStringLiteral("A number pyramid of six bricks")};
}

Question AdditionPyramid(Prng& rng)
{
    const int a = rng.range(105, 480), b = rng.range(105, 480), c = rng.range(105, 480);
    const int left = a + b, right = b + c;
    const QStringList bottom = {QString::number(a), QString::number(b), QString::number(c)};
    Question q = Make(Para(QStringLiteral("In this number pyramid each brick is the sum of the "
                                          "two bricks it stands on. Find the missing numbers.")),
                      {NumberPart(QStringLiteral("the left brick of the middle row"), left),
                       NumberPart(QStringLiteral("the right brick of the middle row"), right),
                       NumberPart(QStringLiteral("the top brick"), left + right)});
    q.pictures = {Pyramid(bottom, {QStringLiteral("?"), QStringLiteral("?")}, QStringLiteral("?"))};
    q.working = {
        QStringLiteral("Left middle brick: %1 + %2 = <b>%3</b>.").arg(a).arg(b).arg(left),
        QStringLiteral("Right middle brick: %1 + %2 = <b>%3</b>.").arg(b).arg(c).arg(right),
        QStringLiteral("Top brick: %1 + %2 = <b>%3</b>.")
            .arg(left)
            .arg(right)
            .arg(WithCommas(left + right))};
    q.workingPictures = {Pyramid(bottom, {QString::number(left), QString::number(right)},
                                 QString::number(left + right))};
    return q;
}

Question LargestAnswer(Prng& rng)
{
    // Two sums and two differences whose answers all differ; the largest answer fits.
    QList<Calculation> calculations;
    QList<double> values;
    while (calculations.size() < 4) {
        const bool add = calculations.size() < 2;
        const Calculation c = add ? Calculation{rng.range(120, 480), '+', rng.range(120, 480)}
                                  : Calculation{rng.range(700, 990), '-', rng.range(50, 300)};
        if (!values.contains(c.value())) {
            calculations.append(c);
            values.append(c.value());
        }
    }
    const double largest = *std::max_element(values.cbegin(), values.cend());
    QList<Option> options;
    QStringList worked;
    for (const Calculation& c : calculations) {
        options.append({c.text(), c.value() == largest});
        worked.append(QStringLiteral("%1 = %2").arg(c.text()).arg(c.value()));
    }
    Question q = ChoiceQuestion(Para(QStringLiteral("Which calculation has the largest answer?")),
                                UniqueChoice(rng, options));
    const Calculation& best = calculations.at(int(values.indexOf(largest)));
    q.working = {
        QStringLiteral("Work out each one: %1.").arg(worked.join(QStringLiteral("; "))),
        QStringLiteral("The largest answer is %1, from <b>%2</b>.").arg(largest).arg(best.text())};
    return q;
}

Question StockChange(Prng& rng)
{
    struct Story {
        const char* start;
        const char* out;
        const char* in;
        const char* ask;
    };
    static const QList<Story> stories = {
        {"A library has %1 books.", "It lends out %1 books", "gets %1 new ones",
         "How many books are on its shelves now?"},
        {"A farm has %1 sheep.", "It sells %1 sheep", "buys %1 lambs",
         "How many sheep does the farm have now?"},
        {"A shop has %1 tins of soup.", "It sells %1 tins", "has %1 more delivered",
         "How many tins does the shop have now?"},
        {"A school collects %1 bottle tops.", "It sends %1 away", "collects %1 more",
         "How many bottle tops does the school have now?"}};
    const Story& story = rng.pick(stories);
    const int start = rng.range(1200, 4800);
    const int out = rng.range(150, 990);
    const int in = rng.range(150, 990);
    const bool outFirst = rng.chance(50);
    const QString outText = QString::fromLatin1(story.out).arg(out);
    const QString inText = QString::fromLatin1(story.in).arg(in);
    Question q =
        Make(Para(QString::fromLatin1(story.start).arg(WithCommas(start)) + QLatin1Char(' ') +
                  (outFirst ? outText + QStringLiteral(" and then ") + inText
                            : QStringLiteral("It ") + inText + QStringLiteral(" and then ") +
                                  outText.mid(3)) +
                  QStringLiteral(". ") + QString::fromLatin1(story.ask)),
             {NumberPart(QString(), start - out + in, 2)});
    const int middle = outFirst ? start - out : start + in;
    q.working = {QStringLiteral("%1 %2 %3 = %4.")
                     .arg(WithCommas(start), Sign(!outFirst), QString::number(outFirst ? out : in),
                          WithCommas(middle)),
                 QStringLiteral("%1 %2 %3 = <b>%4</b>.")
                     .arg(WithCommas(middle), Sign(outFirst), QString::number(outFirst ? in : out),
                          WithCommas(start - out + in))};
    return q;
}

/// Three numbers to add of which two make a round hundred, and the steps that add them.
Part RoundPairSum(Prng& rng, const QString& label, QStringList& steps)
{
    const int a = rng.range(11, 89);
    const int pair = 100 - a + rng.range(0, 3) * 100;
    const int b = rng.range(23, 98);
    QList<int> numbers = {a, b, pair};
    rng.shuffle(numbers);
    const QString sum =
        QStringLiteral("%1 + %2 + %3").arg(numbers.at(0)).arg(numbers.at(1)).arg(numbers.at(2));
    steps.append(QStringLiteral("%1: %2 + %3 = %4 first, then %4 + %5 = <b>%6</b>.")
                     .arg(label)
                     .arg(a)
                     .arg(pair)
                     .arg(a + pair)
                     .arg(b)
                     .arg(a + pair + b));
    return NumberPart(sum, a + b + pair);
}

Question ThreeNumbers(Prng& rng)
{
    // Spotting the pair that makes a round hundred makes each sum easy.
    QStringList steps = {QStringLiteral("Look for two numbers that make a round hundred.")};
    const Part first = RoundPairSum(rng, QStringLiteral("(a)"), steps);
    const Part second = RoundPairSum(rng, QStringLiteral("(b)"), steps);
    Question q = Make(Para(QStringLiteral("Work these out. Look for numbers that go well "
                                          "together.")),
                      {first, second});
    q.working = steps;
    return q;
}

Question DifferenceByCounting(Prng& rng)
{
    const int round = rng.range(2, 9) * 1000;
    const int low = round - rng.range(3, 60) * 5 - rng.range(0, 4);
    const int high = round + rng.range(2, 90) * 10 + rng.range(0, 9);
    struct Story {
        const char* text;
        const char* ask;
        const Unit* unit;
    };
    static const QList<Story> stories = {
        {"A museum had %1 visitors in May and %2 visitors in June.",
         "How many more visitors did it have in May than in June?", &units::kNone},
        {"One mountain is %1 m high and another is %2 m high.",
         "How much higher is the first mountain?", &units::kM},
        {"A school scored %1 points in a reading challenge last year and %2 points this year.",
         "How many more points did it score last year?", &units::kNone},
        {"A car had done %1 miles at its last service and %2 miles at the one before.",
         "How far did it go between the two services?", &kMiles}};
    const Story& story = rng.pick(stories);
    Question q = Make(Para(QString::fromLatin1(story.text).arg(WithCommas(high), WithCommas(low)) +
                           QLatin1Char(' ') + QString::fromLatin1(story.ask)),
                      {MeasurePart(QString(), high - low, 0, *story.unit, 2)});
    q.working = {
        QStringLiteral("Count up from %1 to %2: that is %3.")
            .arg(WithCommas(low), WithCommas(round), WithCommas(round - low)),
        QStringLiteral("Then from %1 to %2: that is %3.")
            .arg(WithCommas(round), WithCommas(high), WithCommas(high - round)),
        QStringLiteral("%1 + %2 = <b>%3</b>.")
            .arg(WithCommas(round - low), WithCommas(high - round), WithCommas(high - low))};
    return q;
}

/// The digit-by-digit steps of n ÷ d by short division, the remainder carried on.
QString ShortDivisionSteps(int n, int d)
{
    QStringList steps;
    int carry = 0;
    bool started = false;
    for (const QChar c : QString::number(n)) {
        const int part = carry * 10 + c.digitValue();
        carry = part % d;
        if (!started && part < d) {
            carry = part;
            continue; // the first digit is too small: carry it into the next
        }
        started = true;
        steps.append(
            carry > 0
                ? QStringLiteral("%1 %2 %3 = %4 r %5")
                      .arg(part)
                      .arg(kDivide)
                      .arg(d)
                      .arg(part / d)
                      .arg(carry)
                : QStringLiteral("%1 %2 %3 = %4").arg(part).arg(kDivide).arg(d).arg(part / d));
    }
    return steps.join(QStringLiteral("; "));
}

Question ShortDivision(Prng& rng)
{
    const int d = rng.range(3, 9);
    const int quotient = rng.range(112, 999);
    const int n = quotient * d;
    Question q = Make(Para(QStringLiteral("Work out")) +
                          Display(QStringLiteral("%1 %2 %3").arg(WithCommas(n), kDivide).arg(d)),
                      {NumberPart(QString(), quotient, 2)});
    q.working = {QStringLiteral("Divide each digit from the left, carrying any remainder to the "
                                "next digit."),
                 ShortDivisionSteps(n, d) + QLatin1Char('.'),
                 QStringLiteral("So %1 %2 %3 = <b>%4</b>. Check: %4 %5 %3 = %1.")
                     .arg(WithCommas(n), kDivide)
                     .arg(d)
                     .arg(quotient)
                     .arg(kTimes)};
    return q;
}

Question TicketCost(Prng& rng)
{
    static const QStringList places = {"the zoo",      "a museum", "the cinema",
                                       "a theme park", "a castle", "the aquarium"};
    const int adult = rng.range(9, 24);
    const int child = rng.range(4, adult - 2);
    const int adults = rng.range(2, 5), children = rng.range(2, 6);
    Question q =
        Make(Para(QStringLiteral("Tickets for %1 cost &pound;%2 for an adult and &pound;%3 for a "
                                 "child. A group of %4 adults and %5 children goes.")
                      .arg(rng.pick(places))
                      .arg(adult)
                      .arg(child)
                      .arg(adults)
                      .arg(children)),
             {MeasurePart(QStringLiteral("How much do the adults' tickets cost?"),
                          adults * adult * 100, 2, units::kPounds),
              MeasurePart(QStringLiteral("How much does the whole group pay?"),
                          (adults * adult + children * child) * 100, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("Adults: %1 %2 &pound;%3 = <b>&pound;%4</b>.")
                     .arg(adults)
                     .arg(kTimes)
                     .arg(adult)
                     .arg(adults * adult),
                 QStringLiteral("Children: %1 %2 &pound;%3 = &pound;%4.")
                     .arg(children)
                     .arg(kTimes)
                     .arg(child)
                     .arg(children * child),
                 QStringLiteral("Whole group: &pound;%1 + &pound;%2 = <b>&pound;%3</b>.")
                     .arg(adults * adult)
                     .arg(children * child)
                     .arg(adults * adult + children * child)};
    return q;
}

Question MissingFactor(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    const QList<int> forms = {0, 1, 2};
    for (int form : forms) {
        const int a = rng.range(3, 12), b = rng.range(3, 12);
        switch (form) {
        case 0:
            parts.append(
                NumberPart(QStringLiteral("%1 %2 %3 = %4").arg(kBox, kTimes).arg(a).arg(a * b), b));
            steps.append(QStringLiteral("%1 %2 %3 = <b>%4</b>, so the box is %4.")
                             .arg(a * b)
                             .arg(kDivide)
                             .arg(a)
                             .arg(b));
            break;
        case 1:
            parts.append(NumberPart(
                QStringLiteral("%1 %2 %3 = %4").arg(a * b).arg(kDivide, kBox).arg(a), b));
            steps.append(QStringLiteral("%1 %2 %3 = <b>%4</b>, so the box is %4.")
                             .arg(a * b)
                             .arg(kDivide)
                             .arg(a)
                             .arg(b));
            break;
        default:
            parts.append(NumberPart(
                QStringLiteral("%1 %2 %3 = %4").arg(kBox, kDivide).arg(a).arg(b), a * b));
            steps.append(QStringLiteral("Undo the division: %1 %2 %3 = <b>%4</b>.")
                             .arg(b)
                             .arg(kTimes)
                             .arg(a)
                             .arg(a * b));
        }
    }
    Question q = Make(Para(QStringLiteral("Write the missing number in each box.")), parts);
    q.working = steps;
    return q;
}

Question DerivedFacts(Prng& rng)
{
    const int a = rng.range(13, 49);
    const int b = rng.range(3, 9);
    const int p = a * b;
    Question q =
        Make(Para(QStringLiteral("You know that")) +
                 Display(QStringLiteral("%1 %2 %3 = %4").arg(a).arg(kTimes).arg(b).arg(p)) +
                 Para(QStringLiteral("Use this fact to work out")),
             {NumberPart(QStringLiteral("%1 %2 %3").arg(a * 10).arg(kTimes).arg(b), p * 10),
              NumberPart(QStringLiteral("%1 %2 %3").arg(a).arg(kTimes).arg(b * 100), p * 100),
              NumberPart(QStringLiteral("%1 %2 %3").arg(p).arg(kDivide).arg(b), a)});
    q.working = {QStringLiteral("%1 is 10 times %2, so the answer is 10 times %3: <b>%4</b>.")
                     .arg(a * 10)
                     .arg(a)
                     .arg(p)
                     .arg(WithCommas(p * 10)),
                 QStringLiteral("%1 is 100 times %2, so the answer is 100 times %3: <b>%4</b>.")
                     .arg(b * 100)
                     .arg(b)
                     .arg(p)
                     .arg(WithCommas(p * 100)),
                 QStringLiteral("Division undoes multiplication: %1 %2 %3 = <b>%4</b>.")
                     .arg(p)
                     .arg(kDivide)
                     .arg(b)
                     .arg(a)};
    return q;
}

Question FullGroups(Prng& rng)
{
    struct Story {
        const char* text;
        const char* groups;
    };
    static const QList<Story> stories = {{"%1 children are put into teams of %2.", "teams"},
                                         {"%1 apples are packed in bags of %2.", "bags"},
                                         {"%1 chairs are set out in rows of %2.", "rows"},
                                         {"%1 stickers are put on pages of %2.", "pages"}};
    const Story& story = rng.pick(stories);
    const int size = rng.range(3, 9);
    const int full = rng.range(6, 25);
    const int left = rng.range(1, size - 1);
    const int n = full * size + left;
    Question q =
        Make(Para(QString::fromLatin1(story.text).arg(n).arg(size)),
             {NumberPart(QStringLiteral("How many full %1 are there?").arg(story.groups), full),
              NumberPart(QStringLiteral("How many are left over?"), left)});
    q.working = {QStringLiteral("%1 %2 %3 = %4 remainder %5.")
                     .arg(n)
                     .arg(kDivide)
                     .arg(size)
                     .arg(full)
                     .arg(left),
                 QStringLiteral("So there are <b>%1</b> full %2 and <b>%3</b> left over.")
                     .arg(full)
                     .arg(QString::fromLatin1(story.groups))
                     .arg(left)};
    return q;
}

Question ShareMoney(Prng& rng)
{
    const int people = rng.range(3, 9);
    const int each = rng.chance(50) ? rng.range(4, 40) * 100 : rng.range(30, 250) * 5; // pence
    const int total = each * people;
    const QString who = rng.pick(QStringList{"friends", "children", "cousins", "players"});
    Question q = Make(Para(QStringLiteral("&pound;%1 is shared equally between %2 %3. How much "
                                          "does each get?")
                               .arg(FixedText(total, 2))
                               .arg(people)
                               .arg(who)),
                      {MeasurePart(QString(), each, 2, units::kPounds, each % 100 == 0 ? 1 : 2)});
    q.working = {QStringLiteral("Share means divide: &pound;%1 %2 %3.")
                     .arg(FixedText(total, 2), kDivide)
                     .arg(people),
                 QStringLiteral("In pence: %1 %2 %3 = %4p = <b>&pound;%5</b>.")
                     .arg(total)
                     .arg(kDivide)
                     .arg(people)
                     .arg(each)
                     .arg(FixedText(each, 2))};
    return q;
}

Question SquaresAndCubes(Prng& rng)
{
    const int s = rng.range(3, 15);
    const int c = rng.range(2, 10);
    Question q = Make(Para(QStringLiteral("Work out")),
                      {NumberPart(QStringLiteral("%1&sup2;").arg(s), s * s),
                       NumberPart(QStringLiteral("%1&sup3;").arg(c), c * c * c)});
    q.working = {QStringLiteral("%1&sup2; = %1 %2 %1 = <b>%3</b>.").arg(s).arg(kTimes).arg(s * s),
                 QStringLiteral("%1&sup3; = %1 %2 %1 %2 %1 = %3 %2 %1 = <b>%4</b>.")
                     .arg(c)
                     .arg(kTimes)
                     .arg(c * c)
                     .arg(c * c * c)};
    return q;
}

Question LargestProduct(Prng& rng)
{
    QList<Calculation> calculations;
    QList<double> values;
    while (calculations.size() < 4) {
        const bool times = calculations.size() < 3;
        const int y = rng.range(3, 9);
        const Calculation c = times ? Calculation{rng.range(12, 40), '*', y}
                                    : Calculation{rng.range(30, 90) * y, '/', y};
        if (!values.contains(c.value())) {
            calculations.append(c);
            values.append(c.value());
        }
    }
    const bool largest = rng.chance(50);
    const double best = largest ? *std::max_element(values.cbegin(), values.cend())
                                : *std::min_element(values.cbegin(), values.cend());
    QList<Option> options;
    QStringList worked;
    for (const Calculation& c : calculations) {
        options.append({c.text(), c.value() == best});
        worked.append(QStringLiteral("%1 = %2").arg(c.text()).arg(c.value()));
    }
    const QString word = largest ? QStringLiteral("largest") : QStringLiteral("smallest");
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which calculation has the <b>%1</b> answer?").arg(word)),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("Work out each one: %1.").arg(worked.join(QStringLiteral("; "))),
                 QStringLiteral("The %1 answer is %2, from <b>%3</b>.")
                     .arg(word)
                     .arg(best)
                     .arg(calculations.at(int(values.indexOf(best))).text())};
    return q;
}

} // namespace

Question MentalDrill(Prng& rng, int parts)
{
    QList<Part> list;
    QStringList steps;
    for (int i = 0; i < parts; ++i)
        list.append(MentalSum(rng, steps));
    Question q = Make(Para(QStringLiteral("Mental maths. Work these out in your head.")), list);
    q.working = steps;
    return q;
}

QList<Generator> AdditionKinds()
{
    return {WrittenAdd,  WrittenAdd,   MissingAddend,       TwoStepStory,    Estimate,
            CheckSums,   Mental,       MissingPart,         MissingPart,     ShoppingChange,
            InverseFact, ComplementTo, CyclingPlan,         AdditionPyramid, LargestAnswer,
            StockChange, ThreeNumbers, DifferenceByCounting};
}

QList<Generator> MultiplicationKinds()
{
    return {TimesTables,   LongMultiplication, Remainders, Boxes,
            PowersOfTen,   WhichProduct,       Mental,     ArrayOfDots,
            ArrayOfDots,   ShortDivision,      TicketCost, MissingFactor,
            DerivedFacts,  FullGroups,         ShareMoney, SquaresAndCubes,
            LargestProduct};
}

} // namespace orlavine::pack
