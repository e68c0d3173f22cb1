// Place value, rounding, Roman numerals and negative numbers.
#include "banks.h"

#include "answerforms.h"
#include "bankutil.h"
#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

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
        long long unit = 1;
        for (int i = 0; i < at; ++i)
            unit *= 10;
        options.append({WithCommas(digit * unit), n / unit % 10 == digit});
    }
    return ChoiceQuestion(
        Para(QStringLiteral("What is the value of the digit <b>%1</b> in the number below?")
                 .arg(digit)) +
            Display(WithCommas(n)),
        UniqueChoice(rng, options));
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

Question InWords(Prng& rng)
{
    const int n = rng.chance(50) ? rng.range(101, 999) : rng.range(1001, 9999);
    return Make(Para(QStringLiteral("Write this number in words.")) + Display(WithCommas(n)),
                {AlternativesPart(QString(), WordForms(n), 2)});
}

Question InFigures(Prng& rng)
{
    const int n =
        rng.range(1, 9) * 1000 + rng.range(0, 9) * (rng.chance(50) ? 100 : 10) + rng.range(0, 9);
    return Make(Para(QStringLiteral("Write this number in figures:")) +
                    Display(QStringLiteral("<i>%1</i>").arg(NumberWords(n))),
                {NumberPart(QString(), n)});
}

Question Rounding(Prng& rng)
{
    const int n = rng.range(10001, 99999);
    auto rounded = [](int v, int to) { return (v + to / 2) / to * to; };
    return Make(Para(QStringLiteral("Round <b>%1</b>").arg(WithCommas(n))),
                {NumberPart(QStringLiteral("to the nearest 10"), rounded(n, 10)),
                 NumberPart(QStringLiteral("to the nearest 100"), rounded(n, 100)),
                 NumberPart(QStringLiteral("to the nearest 1,000"), rounded(n, 1000))});
}

Question Roman(Prng& rng)
{
    const int a = rng.range(14, 99);
    const int b = rng.range(11, 60);
    return Make(Para(QStringLiteral("Roman numerals use the letters I, V, X, L and C.")),
                {AlternativesPart(QStringLiteral("Write <b>%1</b> in Roman numerals.").arg(a),
                                  {RomanNumeral(a)}),
                 NumberPart(QStringLiteral("What number is <b>%1</b>?").arg(RomanNumeral(b)), b)});
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
    return ChoiceQuestion(Para(QStringLiteral("Which of these numbers is the <b>%1</b>?")
                                   .arg(largest ? "largest" : "smallest")),
                          UniqueChoice(rng, options));
}

Question NegativeCompare(Prng& rng)
{
    QList<Part> parts;
    for (int i = 0; i < 4; ++i) {
        const int a = rng.range(-12, 6);
        int b = rng.range(-12, 6);
        if (b == a)
            b = a - 3;
        const bool greater = rng.chance(50);
        parts.append(TrueFalsePart(
            QStringLiteral("%1 is %2 than %3").arg(a).arg(greater ? "greater" : "less").arg(b),
            greater ? a > b : a < b));
    }
    return Make(
        Para(QStringLiteral(
            "Is each statement true or false? Write <b>T</b> for true or <b>F</b> for false.")),
        parts);
}

Question Partition(Prng& rng)
{
    // No digit 0, so that every place has a part to add; any of the four lower parts is
    // the missing one.
    QList<int> parts;
    int n = 0;
    for (int place = 10000; place >= 1; place /= 10) {
        parts.append(rng.range(1, 9) * place);
        n += parts.last();
    }
    const int missing = rng.range(1, 4);
    QStringList shown;
    for (int i = 0; i < parts.size(); ++i)
        shown.append(i == missing ? QStringLiteral("&#9633;") : WithCommas(parts.at(i)));
    return Make(Para(QStringLiteral("Find the missing number.")) +
                    Display(QStringLiteral("%1 = %2").arg(WithCommas(n), shown.join(" + "))),
                {NumberPart(QString(), parts.at(missing))});
}

Question MoreOrLess(Prng& rng)
{
    const int n = rng.range(20000, 98000);
    const int sign = rng.chance(50) ? 1 : -1;
    const QString word = sign > 0 ? QStringLiteral("more") : QStringLiteral("less");
    return Make(
        Para(QStringLiteral("Start with <b>%1</b>. Write the number that is").arg(WithCommas(n))),
        {NumberPart(QStringLiteral("10 %1").arg(word), n + sign * 10),
         NumberPart(QStringLiteral("100 %1").arg(word), n + sign * 100),
         NumberPart(QStringLiteral("1,000 %1").arg(word), n + sign * 1000)});
}

} // namespace

QList<Generator> PlaceValueKinds()
{
    return {DigitValue,  InWords,     InFigures,         Rounding,        Roman,
            ArrowOnLine, Temperature, LargestOrSmallest, NegativeCompare, Partition,
            MoreOrLess,  DigitValue,  ArrowOnLine,       ArrowChoice};
}

} // namespace orlavine::pack
