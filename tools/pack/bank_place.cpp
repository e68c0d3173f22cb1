// Place value, rounding, Roman numerals and negative numbers.
#include "banks.h"

#include "answerforms.h"
#include "bankutil.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

/// The name of the place worth 10^power ("hundreds").
QString PlaceName(int power)
{
    static const QStringList names = {
        "ones", "tens", "hundreds", "thousands", "ten thousands", "hundred thousands", "millions"};
    return names.at(power);
}

long long PowerOfTen(int power)
{
    long long value = 1;
    for (int i = 0; i < power; ++i)
        value *= 10;
    return value;
}

/// v rounded to the nearest `to` (a power of ten), halves up.
long long Rounded(long long v, long long to)
{
    return (v + to / 2) / to * to;
}

/// How v rounds to the nearest `to`, told by the digit that decides it.
QString RoundingStep(long long v, long long to)
{
    const long long down = v / to * to;
    const int decider = int(v / (to / 10) % 10);
    return QStringLiteral("To the nearest %1: %2 lies between %3 and %4. The %5 digit is %6, "
                          "so round %7 to <b>%8</b>.")
        .arg(WithCommas(to), WithCommas(v), WithCommas(down), WithCommas(down + to),
             PlaceName(int(QString::number(to).size()) - 2))
        .arg(decider)
        .arg(decider >= 5 ? QStringLiteral("up") : QStringLiteral("down"))
        .arg(WithCommas(Rounded(v, to)));
}

/// A number from 1 to 3999 split into thousands, hundreds, tens and ones, each part
/// with its numeral: "1000 + 900 + 4" and "M + CM + IV".
QPair<QString, QString> RomanParts(int n)
{
    QStringList values, numerals;
    for (int place = 1000; place >= 1; place /= 10) {
        const int part = n / place % 10 * place;
        if (part > 0) {
            values.append(QString::number(part));
            numerals.append(RomanNumeral(part));
        }
    }
    return {values.join(QStringLiteral(" + ")), numerals.join(QStringLiteral(" + "))};
}

Question DigitValue(Prng& rng)
{
    // Five digits; the asked digit stands once only, at 10^place.
    const int place = rng.range(1, 4);
    const int digit = rng.range(2, 9);
    long long n = 0;
    long long power = 1;
    for (int at = 0; at < 5; ++at, power *= 10) {
        int d = at == place ? digit : rng.range(at == 4 ? 1 : 0, 8);
        if (at != place && d >= digit)
            ++d;
        n += d * power;
    }
    // The options are the digit's value at each place but one; the number tells which fits.
    QList<int> places = {0, 1, 2, 3, 4, 5};
    places.removeOne(place);
    rng.shuffle(places);
    places = places.mid(0, 3) << place;
    QList<Option> options;
    for (int at : places) {
        const long long unit = PowerOfTen(at);
        options.append({WithCommas(digit * unit), n / unit % 10 == digit});
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("What is the value of the digit <b>%1</b> in the number below?")
                 .arg(digit)) +
            Display(WithCommas(n)),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("In %1 the digit %2 is in the %3 place.")
                     .arg(WithCommas(n))
                     .arg(digit)
                     .arg(PlaceName(place)),
                 QStringLiteral("So its value is %1 &times; %2 = <b>%3</b>.")
                     .arg(digit)
                     .arg(WithCommas(PowerOfTen(place)), WithCommas(digit * PowerOfTen(place)))};
    return q;
}

/// The ways to write a number in words: with or without "and", a hyphen or a space in
/// "forty-two", a comma after "thousand" or none.
QStringList WordForms(int n)
{
    QStringList forms = {NumberWords(n)};
    static const QList<QPair<QString, QString>> choices = {
        {QStringLiteral("-"), QStringLiteral(" ")},
        {QStringLiteral(" and "), QStringLiteral(" ")},
        {QStringLiteral("thousand "), QStringLiteral("thousand, ")}};
    for (const auto& [usual, other] : choices) {
        for (const QString& form : QStringList(forms)) {
            if (form.contains(usual))
                forms.append(QString(form).replace(usual, other));
        }
    }
    return forms;
}

/// The steps that read n (under 10,000) in words: the thousands, then the rest.
QStringList WordsSteps(int n)
{
    QStringList steps;
    if (n >= 1000 && n % 1000 > 0)
        steps.append(QStringLiteral("%1 is %2 thousand and %3 more.")
                         .arg(WithCommas(n))
                         .arg(n / 1000)
                         .arg(n % 1000));
    if (n % 1000 >= 100)
        steps.append(QStringLiteral("%1 is %2 hundreds and %3 more.")
                         .arg(n % 1000)
                         .arg(n % 1000 / 100)
                         .arg(n % 100));
    steps.append(QStringLiteral("So %1 is <b>%2</b>.").arg(WithCommas(n), NumberWords(n)));
    return steps;
}

Question InWords(Prng& rng)
{
    const int n = rng.chance(50) ? rng.range(101, 999) : rng.range(1001, 9999);
    Question q = Make(Para(QStringLiteral("Write this number in words.")) + Display(WithCommas(n)),
                      {AlternativesPart(QString(), WordForms(n), 2)});
    q.working = WordsSteps(n);
    return q;
}

/// The steps that write n in figures: the thousands, then the hundreds, tens and ones.
QString FiguresStep(int n)
{
    return QStringLiteral("%1 thousand, then %2 hundreds, %3 tens and %4 ones, a 0 in each "
                          "empty place: <b>%5</b>.")
        .arg(n / 1000)
        .arg(n / 100 % 10)
        .arg(n / 10 % 10)
        .arg(n % 10)
        .arg(WithCommas(n));
}

Question InFigures(Prng& rng)
{
    const int small =
        rng.range(1, 9) * 1000 + rng.range(0, 9) * (rng.chance(50) ? 100 : 10) + rng.range(0, 9);
    const int big =
        rng.range(11, 999) * 1000 + rng.range(1, 9) * (rng.chance(50) ? 100 : 10) + rng.range(0, 9);
    Question q = Make(Para(QStringLiteral("Write each number in figures.")),
                      {NumberPart(QStringLiteral("<i>%1</i>").arg(NumberWords(small)), small),
                       NumberPart(QStringLiteral("<i>%1</i>").arg(NumberWords(big)), big)});
    q.working = {FiguresStep(small), FiguresStep(big)};
    return q;
}

Question Rounding(Prng& rng)
{
    const int n = rng.range(10001, 99999);
    Question q = Make(Para(QStringLiteral("Round <b>%1</b>").arg(WithCommas(n))),
                      {NumberPart(QStringLiteral("to the nearest 10"), Rounded(n, 10)),
                       NumberPart(QStringLiteral("to the nearest 100"), Rounded(n, 100)),
                       NumberPart(QStringLiteral("to the nearest 1,000"), Rounded(n, 1000))});
    q.working = {RoundingStep(n, 10), RoundingStep(n, 100), RoundingStep(n, 1000)};
    return q;
}

Question Roman(Prng& rng)
{
    const int a = rng.range(14, 99);
    const int b = rng.range(11, 60);
    Question q =
        Make(Para(QStringLiteral("Roman numerals use the letters I, V, X, L and C.")),
             {AlternativesPart(QStringLiteral("Write <b>%1</b> in Roman numerals.").arg(a),
                               {RomanNumeral(a)}),
              NumberPart(QStringLiteral("What number is <b>%1</b>?").arg(RomanNumeral(b)), b)});
    const auto [aValues, aNumerals] = RomanParts(a);
    const auto [bValues, bNumerals] = RomanParts(b);
    // A number of tens only is one numeral: nothing to split.
    const auto step = [](const QString& given, const QString& split, const QString& other,
                         const QString& answer) {
        return split.contains(QLatin1Char('+'))
                   ? QStringLiteral("%1 = %2 = %3, so %1 is <b>%4</b>.")
                         .arg(given, split, other, answer)
                   : QStringLiteral("%1 is <b>%2</b>.").arg(given, answer);
    };
    q.working = {step(QString::number(a), aValues, aNumerals, RomanNumeral(a)),
                 step(RomanNumeral(b), bNumerals, bValues, QString::number(b))};
    return q;
}

/// The steps that read a number line: the labels' step split into small steps, then
/// counted on from the label before the arrow.
QStringList LineSteps(int from, int step, int labelStep, int at)
{
    const int label = from + (at - from) / labelStep * labelStep;
    QStringList steps = {QStringLiteral("The labels go up in %1s and there are %2 small steps "
                                        "between them, so each small step is %3.")
                             .arg(WithCommas(labelStep))
                             .arg(labelStep / step)
                             .arg(WithCommas(step))};
    if (at == label)
        steps.append(
            QStringLiteral("The arrow points at the label <b>%1</b>.").arg(WithCommas(at)));
    else
        steps.append(QStringLiteral("The arrow is %1 small step%5 after %2: %2 + %1 &times; %3 = "
                                    "<b>%4</b>.")
                         .arg((at - label) / step)
                         .arg(WithCommas(label), WithCommas(step), WithCommas(at),
                              at - label == step ? QString() : QStringLiteral("s")));
    return steps;
}

Question ArrowOnLine(Prng& rng)
{
    static const int steps[] = {1, 2, 5, 10, 25, 50, 100};
    const int step = steps[rng.range(0, 6)];
    const int from = rng.range(0, 20) * step * 2;
    const int ticks = 10;
    const int at = from + rng.range(1, ticks - 1) * step;
    Question q = Make(Para(QStringLiteral("What number is the arrow pointing to?")),
                      {NumberPart(QString(), at)});
    q.pictures = {NumberLine(from, from + ticks * step, step, step * 5, 0, at)};
    q.working = LineSteps(from, step, step * 5, at);
    q.workingPictures = {
        NumberLine(from, from + ticks * step, step, step * 5, 0, at, WithCommas(at))};
    return q;
}

Question ArrowChoice(Prng& rng)
{
    const int step = rng.pick(QList<int>{20, 50, 100, 200, 500});
    const int from = rng.range(1, 40) * step;
    const int at = from + rng.range(1, 9) * step;
    QList<int> values = {at + step, at - step, at + step / 2, at + 10 * step};
    rng.shuffle(values);
    values = values.mid(0, 3) << at;
    QList<Option> options;
    for (int value : values)
        options.append({WithCommas(value), value == at});
    Question q = ChoiceQuestion(Para(QStringLiteral("Which number is the arrow pointing to?")),
                                UniqueChoice(rng, options));
    q.pictures = {NumberLine(from, from + 10 * step, step, step * 5, 0, at)};
    q.working = LineSteps(from, step, step * 5, at);
    return q;
}

Question Temperature(Prng& rng)
{
    const int now = rng.range(-8, 12);
    const int change = rng.range(3, 9);
    const bool falls = now > -2 && rng.chance(60);
    const int later = falls ? now - change : now + change;
    Question q = Make(
        Para(QStringLiteral("The thermometer shows the temperature at 6 am.")),
        {MeasurePart(QStringLiteral("What is the temperature at 6 am?"), now, 0, units::kCelsius),
         MeasurePart(QStringLiteral("By noon the temperature has %1 by %2 degrees. "
                                    "What is the temperature at noon?")
                         .arg(falls ? QStringLiteral("fallen") : QStringLiteral("risen"))
                         .arg(change),
                     later, 0, units::kCelsius)},
        QStringLiteral("Write a temperature below zero with a minus sign, like -4."));
    q.pictures = {Thermometer(-15, 20, now)};
    q.working = {
        QStringLiteral("Each mark is 1 degree. The red line stops at <b>%1 &deg;C</b>.").arg(now),
        QStringLiteral("%1 by %2 degrees: %3 %4 %2 = <b>%5 &deg;C</b>.")
            .arg(falls ? QStringLiteral("Fallen") : QStringLiteral("Risen"))
            .arg(change)
            .arg(now)
            .arg(falls ? QStringLiteral("&minus;") : QStringLiteral("+"))
            .arg(later)};
    return q;
}

Question LargestOrSmallest(Prng& rng)
{
    // Four numbers made of the same digits, so that only place value tells them apart.
    QList<int> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    rng.shuffle(digits);
    const int a = digits.at(0), b = digits.at(1), c = digits.at(2);
    const long long base = rng.range(10, 99) * 1000;
    QList<long long> all = {base + a * 100 + b * 10 + c, base + a * 100 + c * 10 + b,
                            base + b * 100 + a * 10 + c, base + b * 100 + c * 10 + a,
                            base + c * 100 + a * 10 + b, base + c * 100 + b * 10 + a};
    rng.shuffle(all);
    all = all.mid(0, 4);
    const bool largest = rng.chance(50);
    long long answer = all.first();
    for (long long v : all)
        answer = largest ? std::max(answer, v) : std::min(answer, v);
    QList<Option> options;
    for (long long v : all)
        options.append({WithCommas(v), v == answer});
    Question q = ChoiceQuestion(Para(QStringLiteral("Which of these numbers is the <b>%1</b>?")
                                         .arg(largest ? "largest" : "smallest")),
                                UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("All four numbers have %1 thousands, so compare the hundreds digits, "
                       "then the tens.")
            .arg(base / 1000),
        QStringLiteral("The %1 hundreds digit, with the %1 tens digit among those that share "
                       "it, makes the %2 number: <b>%3</b>.")
            .arg(largest ? QStringLiteral("largest") : QStringLiteral("smallest"),
                 largest ? QStringLiteral("largest") : QStringLiteral("smallest"),
                 WithCommas(answer))};
    return q;
}

Question NegativeCompare(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    for (int i = 0; i < 4; ++i) {
        const int a = rng.range(-12, 6);
        int b = rng.range(-12, 6);
        if (b == a)
            b = a - 3;
        const bool greater = rng.chance(50);
        const bool isTrue = greater ? a > b : a < b;
        parts.append(TrueFalsePart(
            QStringLiteral("%1 is %2 than %3").arg(a).arg(greater ? "greater" : "less").arg(b),
            isTrue));
        steps.append(QStringLiteral("%1 is to the %2 of %3 on a number line, so it is %4: "
                                    "<b>%5</b>.")
                         .arg(a)
                         .arg(a < b ? QStringLiteral("left") : QStringLiteral("right"))
                         .arg(b)
                         .arg(a < b ? QStringLiteral("less") : QStringLiteral("greater"))
                         .arg(isTrue ? QStringLiteral("True") : QStringLiteral("False")));
    }
    Question q = Make(
        Para(QStringLiteral(
            "Is each statement true or false? Write <b>T</b> for true or <b>F</b> for false.")),
        parts);
    q.working = steps;
    return q;
}

Question Partition(Prng& rng)
{
    // No digit 0, so that every place has a part to add; two of the four lower parts are
    // missing.
    QList<int> parts;
    int n = 0;
    for (int place = 10000; place >= 1; place /= 10) {
        parts.append(rng.range(1, 9) * place);
        n += parts.last();
    }
    QList<int> places = {1, 2, 3, 4};
    rng.shuffle(places);
    QList<int> missing = places.mid(0, 2);
    std::sort(missing.begin(), missing.end());
    QStringList shown;
    for (int i = 0; i < parts.size(); ++i)
        shown.append(missing.contains(i) ? QStringLiteral("&#9633;") : WithCommas(parts.at(i)));
    QList<Part> answers;
    for (int i : missing) {
        answers.append(NumberPart(answers.isEmpty() ? QStringLiteral("the first box")
                                                    : QStringLiteral("the second box"),
                                  parts.at(i)));
    }
    Question q = Make(Para(QStringLiteral("Find the missing numbers.")) +
                          Display(QStringLiteral("%1 = %2").arg(WithCommas(n), shown.join(" + "))),
                      answers);
    for (int i : missing)
        q.working.append(QStringLiteral("The %1 digit of %2 is %3, so that part is %3 %1: "
                                        "<b>%4</b>.")
                             .arg(PlaceName(4 - i), WithCommas(n))
                             .arg(n / PowerOfTen(4 - i) % 10)
                             .arg(WithCommas(parts.at(i))));
    return q;
}

Question MoreOrLess(Prng& rng)
{
    const int n = rng.range(20000, 98000);
    const int sign = rng.chance(50) ? 1 : -1;
    const QString word = sign > 0 ? QStringLiteral("more") : QStringLiteral("less");
    Question q = Make(
        Para(QStringLiteral("Start with <b>%1</b>. Write the number that is").arg(WithCommas(n))),
        {NumberPart(QStringLiteral("10 %1").arg(word), n + sign * 10),
         NumberPart(QStringLiteral("100 %1").arg(word), n + sign * 100),
         NumberPart(QStringLiteral("1,000 %1").arg(word), n + sign * 1000)});
    for (int by : {10, 100, 1000})
        q.working.append(QStringLiteral("%1 %2 %3 = <b>%4</b> (the %5 digit changes by 1).")
                             .arg(WithCommas(n),
                                  sign > 0 ? QStringLiteral("+") : QStringLiteral("&minus;"),
                                  WithCommas(by), WithCommas(n + sign * by),
                                  PlaceName(int(QString::number(by).size()) - 1)));
    return q;
}

Question ComposeNumber(Prng& rng)
{
    // Parts of a five- or six-digit number, one place left empty, shown out of order.
    const int top = rng.range(4, 5);
    const int empty = rng.range(0, top - 1);
    QStringList parts;
    long long n = 0;
    for (int power = top; power >= 0; --power) {
        if (power == empty)
            continue;
        const long long part = rng.range(1, 9) * PowerOfTen(power);
        parts.append(WithCommas(part));
        n += part;
    }
    QStringList shuffled = parts;
    rng.shuffle(shuffled);
    // A number told in thousands, more than nine hundreds, tens and ones: the hundreds
    // regroup into thousands.
    const int thousands = rng.range(2, 9), hundreds = rng.range(11, 19), tens = rng.range(1, 9),
              ones = rng.range(0, 9);
    const int regrouped = thousands * 1000 + hundreds * 100 + tens * 10 + ones;
    Question q = Make(Para(QStringLiteral("Write each as one number.")),
                      {NumberPart(shuffled.join(QStringLiteral(" + ")), n),
                       NumberPart(QStringLiteral("%1 thousands, %2 hundreds, %3 tens and %4 ones")
                                      .arg(thousands)
                                      .arg(hundreds)
                                      .arg(tens)
                                      .arg(ones),
                                  regrouped)});
    q.working = {QStringLiteral("Put the parts in order of place: %1. There are no %2, so that "
                                "place holds a 0: <b>%3</b>.")
                     .arg(parts.join(QStringLiteral(" + ")), PlaceName(empty), WithCommas(n)),
                 QStringLiteral("%1 hundreds = %2 thousand and %3 hundreds, so there are %4 "
                                "thousands and %3 hundreds.")
                     .arg(hundreds)
                     .arg(hundreds / 10)
                     .arg(hundreds % 10)
                     .arg(thousands + hundreds / 10),
                 QStringLiteral("%1 + %2 + %3 + %4 = <b>%5</b>.")
                     .arg(WithCommas(thousands * 1000), WithCommas(hundreds * 100))
                     .arg(tens * 10)
                     .arg(ones)
                     .arg(WithCommas(regrouped))};
    return q;
}

Question RoundingBounds(Prng& rng)
{
    const long long to = rng.pick(QList<long long>{10, 100, 1000});
    const long long rounded =
        rng.range(12, 98) * 1000 / (to == 1000 ? 1 : 10) + (to == 10 ? rng.range(1, 9) * 10 : 0);
    const long long smallest = rounded - to / 2;
    const long long largest = rounded + to / 2 - 1;
    Question q =
        Make(Para(QStringLiteral("A whole number rounded to the nearest %1 is <b>%2</b>.")
                      .arg(WithCommas(to), WithCommas(rounded))),
             {NumberPart(QStringLiteral("What is the smallest number it could be?"), smallest),
              NumberPart(QStringLiteral("What is the largest number it could be?"), largest)});
    q.working = {QStringLiteral("Numbers from halfway below %1 round to it: halfway is %2 "
                                "&divide; 2 = %3.")
                     .arg(WithCommas(rounded), WithCommas(to), WithCommas(to / 2)),
                 QStringLiteral("Smallest: %1 &minus; %2 = <b>%3</b>.")
                     .arg(WithCommas(rounded), WithCommas(to / 2), WithCommas(smallest)),
                 QStringLiteral("%1 + %2 = %3 rounds up to the next %4, so the largest is "
                                "<b>%5</b>.")
                     .arg(WithCommas(rounded), WithCommas(to / 2), WithCommas(rounded + to / 2),
                          WithCommas(to), WithCommas(largest))};
    return q;
}

Question DigitCards(Prng& rng)
{
    // Five different digits, odd and even among them, sometimes a 0.
    QList<int> pool = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    rng.shuffle(pool);
    QList<int> digits = pool.mid(0, 5);
    const auto parities = [&digits](int parity) {
        return std::count_if(digits.cbegin(), digits.cend(),
                             [parity](int d) { return d % 2 == parity; });
    };
    if (parities(0) == 0 || parities(1) == 0)
        digits[0] = pool.at(5); // five digits of one parity leave only the other
    QList<int> down = digits;
    std::sort(down.begin(), down.end(), std::greater<int>());
    QList<int> up = digits;
    std::sort(up.begin(), up.end());
    const bool zero = up.first() == 0;
    if (zero)
        up.swapItemsAt(0, 1); // no number starts with 0
    // The largest number ends in the smallest digit; ask for the other parity, whose
    // largest number has the smallest digit of that parity moved to the end.
    const int smallestDigit = *std::min_element(digits.cbegin(), digits.cend());
    const int wanted = 1 - smallestDigit % 2;
    QList<int> other = down;
    int last = 10;
    for (int d : digits) {
        if (d % 2 == wanted)
            last = std::min(last, d);
    }
    other.removeOne(last);
    other.append(last);
    auto number = [](const QList<int>& ds) {
        long long n = 0;
        for (int d : ds)
            n = n * 10 + d;
        return n;
    };
    const QString word = wanted == 0 ? QStringLiteral("even") : QStringLiteral("odd");
    QStringList cards;
    for (int d : digits)
        cards.append(QStringLiteral("<b>%1</b>").arg(d));
    Question q =
        Make(Para(QStringLiteral(
                 "Use each of these five digit cards once to make a five-digit number.")) +
                 Display(cards.join(QStringLiteral("&nbsp;&nbsp;&nbsp;"))),
             {NumberPart(QStringLiteral("the largest number"), number(down)),
              NumberPart(QStringLiteral("the smallest number"), number(up)),
              NumberPart(QStringLiteral("the largest %1 number").arg(word), number(other))});
    q.working = {
        QStringLiteral("Largest: the biggest digit in the biggest place, and so on down: "
                       "<b>%1</b>.")
            .arg(WithCommas(number(down))),
        QStringLiteral("Smallest: the digits from smallest up%1: <b>%2</b>.")
            .arg(zero ? QStringLiteral(", but a number cannot start with 0") : QString(),
                 WithCommas(number(up))),
        QStringLiteral("An %1 number ends in an %1 digit: put the smallest %1 digit, %2, last "
                       "and the others from largest down: <b>%3</b>.")
            .arg(word)
            .arg(last)
            .arg(WithCommas(number(other)))};
    return q;
}

Question CountInSteps(Prng& rng)
{
    const int step = rng.pick(QList<int>{25, 50, 250, 500, 1000, 10000});
    const bool up = rng.chance(60);
    const int start = (rng.range(6, 60) * step) + (step >= 1000 ? rng.range(1, 9) * 100 : 0);
    QList<int> terms;
    for (int i = 0; i < 6; ++i)
        terms.append(up ? start + i * step : start + (5 - i) * step);
    const int gap = rng.range(2, 4);
    QStringList shown;
    for (int i = 0; i < 6; ++i)
        shown.append(i == gap || i == 5 ? QStringLiteral("&#9633;") : WithCommas(terms.at(i)));
    Question q = Make(Para(QStringLiteral("The numbers go %1 in equal steps. Write the missing "
                                          "numbers.")
                               .arg(up ? QStringLiteral("up") : QStringLiteral("down"))) +
                          Display(shown.join(QStringLiteral(", "))),
                      {NumberPart(QStringLiteral("the first missing number"), terms.at(gap)),
                       NumberPart(QStringLiteral("the last number"), terms.at(5))});
    q.working = {QStringLiteral("From %1 to %2 is a step of %3.")
                     .arg(WithCommas(terms.at(0)), WithCommas(terms.at(1)), WithCommas(step)),
                 QStringLiteral("%1 %2 %3 = <b>%4</b>.")
                     .arg(WithCommas(terms.at(gap - 1)),
                          up ? QStringLiteral("+") : QStringLiteral("&minus;"), WithCommas(step),
                          WithCommas(terms.at(gap))),
                 QStringLiteral("%1 %2 %3 = <b>%4</b>.")
                     .arg(WithCommas(terms.at(4)),
                          up ? QStringLiteral("+") : QStringLiteral("&minus;"), WithCommas(step),
                          WithCommas(terms.at(5)))};
    return q;
}

Question LargeRounding(Prng& rng)
{
    // Six digits, below 950,000 so that no answer reaches a million.
    const long long n = rng.range(100, 949) * 1000LL + rng.range(0, 999);
    static const QStringList places = {"a town", "a city", "an island", "a county"};
    Question q = Make(Para(QStringLiteral("The population of %1 is <b>%2</b>. Round it")
                               .arg(rng.pick(places), WithCommas(n))),
                      {NumberPart(QStringLiteral("to the nearest 1,000"), Rounded(n, 1000)),
                       NumberPart(QStringLiteral("to the nearest 10,000"), Rounded(n, 10000)),
                       NumberPart(QStringLiteral("to the nearest 100,000"), Rounded(n, 100000))});
    q.working = {RoundingStep(n, 1000), RoundingStep(n, 10000), RoundingStep(n, 100000)};
    return q;
}

Question RomanYear(Prng& rng)
{
    const int year = rng.range(1066, 1980);
    const int later = year + rng.range(12, std::min(150, 2030 - year));
    static const QStringList things = {"a church",      "a bridge",    "a school",
                                       "a clock tower", "a town hall", "a statue"};
    const auto [values, numerals] = RomanParts(year);
    Question q = Make(
        Para(QStringLiteral("The year %1 was built is carved on it: <b>%2</b>. The year it was "
                            "mended is carved below: <b>%3</b>.")
                 .arg(rng.pick(things), RomanNumeral(year), RomanNumeral(later))),
        {NumberPart(QStringLiteral("In which year was it built?"), year),
         NumberPart(QStringLiteral("How many years after it was built was it mended?"),
                    later - year)});
    q.parts.first().answer = QString::number(year); // a year has no thousands comma
    q.working = {QStringLiteral("M = 1000, D = 500, C = 100, L = 50, X = 10, V = 5, I = 1; a "
                                "smaller letter before a larger one is taken away."),
                 QStringLiteral("%1 = %2 = %3 = <b>%4</b>.")
                     .arg(RomanNumeral(year), numerals, values)
                     .arg(year),
                 QStringLiteral("%1 is %2. %2 &minus; %3 = <b>%4</b> years.")
                     .arg(RomanNumeral(later))
                     .arg(later)
                     .arg(year)
                     .arg(later - year)};
    return q;
}

Question TownTable(Prng& rng)
{
    static const QStringList towns = {"Ashford", "Brompton",  "Carlow",   "Dunmore",
                                      "Elmsley", "Fairhaven", "Glenrock", "Hartwell"};
    QStringList names = towns;
    rng.shuffle(names);
    names = names.mid(0, 4);
    // Four populations with the same ten thousands, so that the lower places decide.
    const int base = rng.range(11, 98) * 10000;
    QList<int> people;
    while (people.size() < 4) {
        const int p = base + rng.range(1000, 9999);
        if (!people.contains(p))
            people.append(p);
    }
    QList<QStringList> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({names.at(i), WithCommas(people.at(i))});
    const int most = int(std::max_element(people.cbegin(), people.cend()) - people.cbegin());
    const int least = int(std::min_element(people.cbegin(), people.cend()) - people.cbegin());
    const int asked = rng.range(0, 3);
    Question q =
        Make(Para(QStringLiteral("The table shows how many people live in four towns.")) +
                 DataTable({QStringLiteral("Town"), QStringLiteral("People")}, rows),
             {AlternativesPart(QStringLiteral("Which town has the most people?"), {names.at(most)}),
              NumberPart(QStringLiteral("Round the number of people in %1 to the nearest 1,000.")
                             .arg(names.at(asked)),
                         Rounded(people.at(asked), 1000)),
              NumberPart(QStringLiteral("How many more people live in %1 than in %2?")
                             .arg(names.at(most), names.at(least)),
                         people.at(most) - people.at(least))});
    q.working = {QStringLiteral("All four have %1 ten thousands, so the thousands and then the "
                                "hundreds decide: the most is %2, in <b>%3</b>.")
                     .arg(base / 10000)
                     .arg(WithCommas(people.at(most)), names.at(most)),
                 RoundingStep(people.at(asked), 1000),
                 QStringLiteral("%1 &minus; %2 = <b>%3</b>.")
                     .arg(WithCommas(people.at(most)), WithCommas(people.at(least)),
                          WithCommas(people.at(most) - people.at(least)))};
    return q;
}

} // namespace

QList<Generator> PlaceValueKinds()
{
    return {DigitValue,     InWords,     InFigures,         Rounding,        Roman,
            ArrowOnLine,    Temperature, LargestOrSmallest, NegativeCompare, Partition,
            MoreOrLess,     DigitValue,  ArrowOnLine,       ArrowChoice,     ComposeNumber,
            RoundingBounds, DigitCards,  CountInSteps,      LargeRounding,   RomanYear,
            TownTable};
}

} // namespace orlavine::pack
