// The four operations: written and mental methods, missing numbers, word problems.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>
#include <cstdlib>

namespace orlavine::pack {

namespace {

const QString kTimes = QStringLiteral("&times;");
const QString kDivide = QStringLiteral("&divide;");
const QString kBox = QStringLiteral("&#9633;");

// What is counted in a word problem, written after the answer line like a unit.
const Unit kPupils{"pupils", {"pupils", "children"}};
const Unit kMoreGirls{"girls", {"girls", "more girls", "more"}};
const Unit kBoxes{"boxes", {"boxes", "box"}};

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

Question WrittenAdd(Prng& rng)
{
    const int a = rng.range(1200, 8999);
    int b = rng.range(1200, 8999);
    if (b == a)
        b += 101; // not a difference of 0
    const bool add = rng.chance(50);
    const int big = std::max(a, b), small = std::min(a, b);
    return Make(
        Para(QStringLiteral("Work out")) +
            Display(QStringLiteral("%1 %2 %3")
                        .arg(WithCommas(big), add ? QStringLiteral("+") : QStringLiteral("&minus;"),
                             WithCommas(small))),
        {NumberPart(QString(), add ? big + small : big - small)});
}

Question MissingAddend(Prng& rng)
{
    const int total = rng.pick(QList<int>{100, 500, 1000, 1000, 2000});
    const int known = rng.range(total / 10, total - total / 10);
    const bool first = rng.chance(50);
    const QString sum =
        first
            ? QStringLiteral("%1 + %2 = %3").arg(kBox, WithCommas(known), WithCommas(total))
            : QStringLiteral("%1 &minus; %2 = %3").arg(WithCommas(total), kBox, WithCommas(known));
    return Make(Para(QStringLiteral("What number goes in the box?")) + Display(sum),
                {NumberPart(QString(), total - known)});
}

Question TwoStepStory(Prng& rng)
{
    const int boys = rng.range(180, 480);
    const int girls = boys + rng.range(12, 90);
    return Make(Para(QStringLiteral("At Hill Park School there are %1 boys and %2 girls.")
                         .arg(boys)
                         .arg(girls)),
                {MeasurePart(QStringLiteral("How many pupils are there altogether?"), boys + girls,
                             0, kPupils),
                 MeasurePart(QStringLiteral("How many more girls than boys are there?"),
                             girls - boys, 0, kMoreGirls)});
}

Question Estimate(Prng& rng)
{
    const int a = rng.range(2, 8) * 100 + rng.pick(QList<int>{-3, -2, -1, 1, 2, 3, 4});
    const int b = rng.range(2, 8) * 100 + rng.pick(QList<int>{-4, -2, -1, 1, 2, 3});
    const int rounded = (a + 50) / 100 * 100 + (b + 50) / 100 * 100;
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
    return ChoiceQuestion(Para(QStringLiteral("Which is the best estimate of")) +
                              Display(QStringLiteral("%1 + %2").arg(a).arg(b)),
                          UniqueChoice(rng, options));
}

Question CheckSums(Prng& rng)
{
    QList<Part> parts;
    for (int i = 0; i < 3; ++i) {
        const int a = rng.range(300, 900);
        const int b = rng.range(110, a - 50);
        const bool right = rng.chance(50);
        const int slip = a - b > 100 ? rng.pick(QList<int>{-100, -10, 10, 100})
                                     : rng.pick(QList<int>{-10, 10, 100});
        const int shown = right ? a - b : a - b + slip;
        parts.append(
            TrueFalsePart(QStringLiteral("%1 &minus; %2 = %3").arg(a).arg(b).arg(shown), right));
    }
    return Make(
        Para(QStringLiteral(
            "Check each subtraction. Write <b>T</b> if it is true or <b>F</b> if it is false.")),
        parts);
}

Question TimesTables(Prng& rng)
{
    QList<Part> parts;
    const int count = rng.range(4, 8);
    for (int i = 0; i < count; ++i) {
        const int a = rng.range(3, 12);
        const int b = rng.range(3, 12);
        if (rng.chance(40))
            parts.append(NumberPart(QStringLiteral("%1 %2 %3").arg(a * b).arg(kDivide).arg(a), b));
        else
            parts.append(NumberPart(QStringLiteral("%1 %2 %3").arg(a).arg(kTimes).arg(b), a * b));
    }
    return Make(Para(QStringLiteral("Work these out in your head.")), parts);
}

Question LongMultiplication(Prng& rng)
{
    const int a = rng.range(120, 899);
    const int b = rng.range(12, 48);
    return Make(Para(QStringLiteral("Work out")) +
                    Display(QStringLiteral("%1 %2 %3").arg(a).arg(kTimes).arg(b)),
                {NumberPart(QString(), a * b, 2)},
                QStringLiteral("Show your working on paper. Two marks for the right answer."));
}

Question Remainders(Prng& rng)
{
    const int d = rng.range(3, 9);
    const int q = rng.range(21, 140);
    const int r = rng.range(1, d - 1);
    const int n = q * d + r;
    return Make(Para(QStringLiteral("Work out %1 %2 %3.").arg(n).arg(kDivide).arg(d)),
                {NumberPart(QStringLiteral("The whole number answer"), q),
                 NumberPart(QStringLiteral("The remainder"), r)});
}

Question Boxes(Prng& rng)
{
    static const QStringList items = {"eggs", "cakes", "pens", "cups"};
    const QString item = rng.pick(items);
    const int per = rng.range(4, 12);
    const int need = rng.range(3, 12) * per + rng.range(1, per - 1);
    const QString who = Name(rng);
    return Make(Para(QStringLiteral("%1 are packed in boxes of %2. %3 needs %4 %5.")
                         .arg(item.left(1).toUpper() + item.mid(1))
                         .arg(per)
                         .arg(who)
                         .arg(need)
                         .arg(item)),
                {MeasurePart(QStringLiteral("How many boxes must %1 buy?").arg(who),
                             (need + per - 1) / per, 0, kBoxes, 2)},
                QStringLiteral("Think about what to do with the remainder."));
}

Question PowersOfTen(Prng& rng)
{
    const int a = rng.range(12, 98);     // tenths: 1.2 .. 9.8
    const int b = rng.range(2, 99) * 10; // 20 .. 990
    const int c = rng.range(11, 99);
    return Make(Para(QStringLiteral("Work out")),
                {DecimalPart(QStringLiteral("%1 %2 100").arg(DecimalText(a, 1), kTimes), a * 10, 0),
                 DecimalPart(QStringLiteral("%1 %2 10").arg(b).arg(kDivide), b / 10, 0),
                 DecimalPart(QStringLiteral("%1 %2 100").arg(c).arg(kDivide), c, 2)});
}

Question WhichProduct(Prng& rng)
{
    const int a = rng.range(3, 9);
    const int b = rng.range(4, 9);
    const int n = a * b;
    const Calculation right =
        rng.pick(QList<Calculation>{{a, '*', b}, {b, '*', a}, {2 * n, '/', 2}});
    return ChoiceQuestion(
        Para(QStringLiteral("Which calculation has the answer <b>%1</b>?").arg(n)),
        UniqueChoice(
            rng, CalculationOptions(
                     rng, right,
                     {{a + 1, '*', b}, {a, '+', b}, {a, '*', b - 1}, {n + a, '/', a}, {n, '-', a}},
                     [n](const Calculation& c) { return c.value() == n; })));
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
    return q;
}

Part MentalSum(Prng& rng)
{
    switch (rng.range(0, 3)) {
    case 0: {
        const int a = rng.range(15, 85), b = rng.range(12, 60);
        return NumberPart(QStringLiteral("%1 + %2").arg(a).arg(b), a + b);
    }
    case 1: {
        const int a = rng.range(60, 150), b = rng.range(12, 55);
        return NumberPart(QStringLiteral("%1 &minus; %2").arg(a).arg(b), a - b);
    }
    case 2: {
        const int a = rng.range(2, 12), b = rng.range(3, 12);
        return NumberPart(QStringLiteral("%1 %2 %3").arg(a).arg(kTimes).arg(b), a * b);
    }
    default: {
        const int a = rng.range(2, 12), b = rng.range(2, 12);
        return NumberPart(QStringLiteral("%1 %2 %3").arg(a * b).arg(kDivide).arg(a), b);
    }
    }
}

Question Mental(Prng& rng)
{
    return MentalDrill(rng, rng.range(4, 8));
}

} // namespace

Question MentalDrill(Prng& rng, int parts)
{
    QList<Part> list;
    for (int i = 0; i < parts; ++i)
        list.append(MentalSum(rng));
    return Make(Para(QStringLiteral("Mental maths. Work these out in your head.")), list);
}

QList<Generator> AdditionKinds()
{
    return {WrittenAdd, WrittenAdd, MissingAddend, TwoStepStory, Estimate,
            CheckSums,  Mental,     MissingPart,   MissingPart};
}

QList<Generator> MultiplicationKinds()
{
    return {TimesTables, LongMultiplication, Remainders, Boxes, PowersOfTen, WhichProduct,
            Mental,      ArrayOfDots,        ArrayOfDots};
}

} // namespace orlavine::pack
