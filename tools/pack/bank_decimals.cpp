// Decimals and percentages, money.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack {

namespace {

const QString kTimes = QStringLiteral("&times;");

Question DecimalDigit(Prng& rng)
{
    // Three different digits, so that the one asked about stands in one place only.
    QList<int> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    rng.shuffle(digits);
    const int units = digits.at(0), tenths = digits.at(1), hundredths = digits.at(2);
    const bool askTenths = rng.chance(50);
    const int digit = askTenths ? tenths : hundredths;
    const int value = askTenths ? digit * 10 : digit; // hundredths
    QList<Option> options;
    for (int scaled : {digit, digit * 10, digit * 100, digit * 1000})
        options.append({DecimalText(scaled, 2), scaled == value});
    return ChoiceQuestion(
        Para(
            QStringLiteral("What is the value of the digit <b>%1</b> in this number?").arg(digit)) +
            Display(QStringLiteral("%1.%2%3").arg(units).arg(tenths).arg(hundredths)),
        UniqueChoice(rng, options));
}

Question OrderDecimals(Prng& rng)
{
    const int a = rng.range(1, 8);
    int b = rng.range(1, 8);
    if (b == a)
        b = a % 8 + 1;
    const int whole = rng.range(0, 9) * 1000;
    // Thousandths, so that the options differ in their number of decimal places.
    const QList<int> values = {whole + a * 100, whole + a * 100 + b * 10,
                               whole + a * 10 + b * 100, whole + a * 100 + b};
    const bool smallest = rng.chance(50);
    int answer = values.first();
    for (int v : values)
        answer = smallest ? std::min(answer, v) : std::max(answer, v);
    QList<Option> options;
    for (int v : values)
        options.append({DecimalText(v, 3), v == answer});
    return ChoiceQuestion(Para(QStringLiteral("Which number is the <b>%1</b>?")
                                   .arg(smallest ? "smallest" : "largest")),
                          UniqueChoice(rng, options));
}

Question AddDecimals(Prng& rng)
{
    const int a = rng.range(110, 980); // hundredths
    const int b = rng.range(11, 98) * (rng.chance(50) ? 10 : 1);
    const bool add = rng.chance(60);
    const int big = std::max(a, b), small = std::min(a, b);
    return Make(Para(QStringLiteral("Work out")) +
                    Display(QStringLiteral("%1 %2 %3")
                                .arg(DecimalText(big, 2),
                                     add ? QStringLiteral("+") : QStringLiteral("&minus;"),
                                     DecimalText(small, 2))),
                {DecimalPart(QString(), add ? big + small : big - small, 2)});
}

Question Change(Prng& rng)
{
    const int first = rng.range(105, 480);
    const int second = rng.range(55, 420);
    // A note bigger than the cost, so that there is always change.
    const int paid = first + second >= 500 ? 1000 : 500;
    const QString who = Name(rng);
    return Make(
        Para(QStringLiteral("%1 buys a book for &pound;%2 and a pen for &pound;%3. %1 pays with a "
                            "&pound;%4 note.")
                 .arg(who, FixedText(first, 2), FixedText(second, 2), QString::number(paid / 100))),
        {MeasurePart(QStringLiteral("How much do the two things cost together, in pounds?"),
                     first + second, 2, units::kPounds),
         MeasurePart(QStringLiteral("How much change should %1 get, in pounds?").arg(who),
                     paid - first - second, 2, units::kPounds)});
}

Question RoundDecimal(Prng& rng)
{
    int n = rng.range(1001, 9899); // hundredths
    if (n % 10 == 5)
        ++n;
    return Make(Para(QStringLiteral("Round <b>%1</b>").arg(DecimalText(n, 2))),
                {DecimalPart(QStringLiteral("to the nearest whole number"), (n + 50) / 100, 0),
                 DecimalPart(QStringLiteral("to one decimal place"), (n + 5) / 10, 1)});
}

Question DecimalOnLine(Prng& rng)
{
    const int start = rng.range(0, 9) * 10; // tenths
    const int at = start + rng.range(1, 9);
    Question q = Make(Para(QStringLiteral("What number is the arrow pointing to?")),
                      {DecimalPart(QString(), at, 1)});
    q.pictures = {NumberLine(start, start + 10, 1, 5, 1, at)};
    return q;
}

Question DecimalAsFraction(Prng& rng)
{
    const int hundredths = rng.pick(QList<int>{25, 75, 50, 20, 40, 60, 80, 5, 35});
    return Make(
        Para(QStringLiteral("Write <b>%1</b> as a fraction.").arg(DecimalText(hundredths, 2))),
        {FractionAnswerPart(QString(), hundredths, 100, false)}, QLatin1String(kNoteAnyFraction));
}

Question TimesWhole(Prng& rng)
{
    const int a = rng.range(12, 95); // tenths
    const int b = rng.range(2, 9);
    return Make(Para(QStringLiteral("Work out")) +
                    Display(QStringLiteral("%1 %2 %3").arg(DecimalText(a, 1), kTimes).arg(b)),
                {DecimalPart(QString(), a * b, 1)});
}

Question PercentOf(Prng& rng)
{
    const int percent = rng.pick(QList<int>{10, 20, 25, 50, 75, 5, 30, 60});
    const int amount = rng.range(2, 30) * 20;
    return Make(Para(QStringLiteral("What is %1% of %2?").arg(percent).arg(amount)),
                {NumberPart(QString(), amount * percent / 100)});
}

Question PercentAsFraction(Prng& rng)
{
    const int percent = rng.pick(QList<int>{20, 40, 60, 80, 25, 75, 10, 30, 70, 90, 35, 45});
    return Make(
        Para(QStringLiteral("Write <b>%1%</b> as a fraction in its simplest form.").arg(percent)),
        {ExactPart(QString(), 'F', SimplestFraction(percent, 100))}, QLatin1String(kNoteFraction));
}

Question Conversions(Prng& rng)
{
    const int tenths = rng.range(1, 9);
    const int quarter = rng.pick(QList<int>{1, 3});
    const int percent = rng.range(11, 99);
    return Make(
        Para(QStringLiteral("Write each number in the form asked.")),
        {MeasurePart(QStringLiteral("0.%1 as a percentage").arg(tenths), tenths * 10, 0,
                     units::kPercent),
         MeasurePart(FractionHtml(quarter, 4) + QStringLiteral(" as a percentage"), quarter * 25,
                     0, units::kPercent),
         DecimalPart(QStringLiteral("%1% as a decimal").arg(percent), percent, 2)});
}

Question ShadedPercent(Prng& rng)
{
    const int shaded = rng.range(8, 92);
    Question q =
        Make(Para(QStringLiteral("The grid has 100 squares.")),
             {MeasurePart(QStringLiteral("What percentage of the grid is shaded?"), shaded, 0,
                          units::kPercent),
              MeasurePart(QStringLiteral("What percentage is <b>not</b> shaded?"), 100 - shaded,
                          0, units::kPercent)});
    q.pictures = {HundredGrid(shaded)};
    return q;
}

Question Sale(Prng& rng)
{
    const int price = rng.range(2, 24) * 4;
    const int off = rng.pick(QList<int>{25, 50, 10, 20, 75});
    static const QStringList items = {"a coat", "a bike helmet", "a pair of trainers",
                                      "a board game", "a tent"};
    return Make(
        Para(QStringLiteral("In a sale, everything is %1% off. Before the sale %2 cost &pound;%3.")
                 .arg(off)
                 .arg(rng.pick(items))
                 .arg(price)),
        {MeasurePart(QStringLiteral("What is the sale price, in pounds?"), price * (100 - off), 2,
                     units::kPounds, 2)});
}

Question GreatestOfForms(Prng& rng)
{
    // Four different hundredths near one another, two written as percentages.
    const int p = rng.range(30, 70);
    QList<int> hundredths;
    while (hundredths.size() < 4) {
        const int v = p + rng.range(-9, 9);
        if (!hundredths.contains(v))
            hundredths.append(v);
    }
    const int greatest = *std::max_element(hundredths.cbegin(), hundredths.cend());
    QList<Option> options;
    for (int i = 0; i < 4; ++i) {
        options.append({i % 2 == 0 ? QStringLiteral("%1%").arg(hundredths.at(i))
                                   : DecimalText(hundredths.at(i), 2),
                        hundredths.at(i) == greatest});
    }
    return ChoiceQuestion(Para(QStringLiteral("Which is the <b>greatest</b>?")),
                          UniqueChoice(rng, options));
}

} // namespace

QList<Generator> DecimalKinds()
{
    return {DecimalDigit,  OrderDecimals, AddDecimals,       Change,    RoundDecimal,
            DecimalOnLine, DecimalOnLine, DecimalAsFraction, TimesWhole};
}

QList<Generator> PercentageKinds()
{
    return {PercentOf,     PercentOf, PercentAsFraction, Conversions, ShadedPercent,
            ShadedPercent, Sale,      GreatestOfForms};
}

} // namespace orlavine::pack
