// Decimals and percentages, money.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

const QString kTimes = QStringLiteral("&times;");

Question DecimalDigit(Prng& rng)
{
    const int units = rng.range(1, 9);
    const int tenths = rng.range(1, 9);
    int hundredths = rng.range(1, 9);
    if (hundredths == tenths)
        hundredths = tenths % 9 + 1;
    const bool askTenths = rng.chance(50);
    const int digit = askTenths ? tenths : hundredths;
    const QString right =
        askTenths ? QStringLiteral("0.%1").arg(digit) : QStringLiteral("0.0%1").arg(digit);
    return ChoiceQuestion(
        Para(
            QStringLiteral("What is the value of the digit <b>%1</b> in this number?").arg(digit)) +
            Display(QStringLiteral("%1.%2%3").arg(units).arg(tenths).arg(hundredths)),
        MakeChoice(
            rng, right,
            {QString::number(digit), QStringLiteral("%1").arg(digit * 10),
             askTenths ? QStringLiteral("0.0%1").arg(digit) : QStringLiteral("0.%1").arg(digit)}));
}

Question OrderDecimals(Prng& rng)
{
    const int a = rng.range(1, 8);
    int b = rng.range(1, 8);
    if (b == a)
        b = a % 8 + 1;
    // Thousandths, so that the options differ in their number of decimal places.
    const QList<int> values = {a * 100, a * 100 + b * 10, a * 10 + b * 100, a * 100 + b};
    const bool smallest = rng.chance(50);
    int answer = values.first();
    for (int v : values)
        answer = smallest ? std::min(answer, v) : std::max(answer, v);
    QStringList wrong;
    for (int v : values) {
        if (v != answer)
            wrong.append(DecimalText(v, 3));
    }
    return ChoiceQuestion(Para(QStringLiteral("Which number is the <b>%1</b>?")
                                   .arg(smallest ? "smallest" : "largest")),
                          MakeChoice(rng, DecimalText(answer, 3), wrong));
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
    const int paid = first + second > 500 ? 1000 : 500;
    const QString who = Name(rng);
    return Make(
        Para(QStringLiteral("%1 buys a book for &pound;%2 and a pen for &pound;%3. %1 pays with a "
                            "&pound;%4 note.")
                 .arg(who, FixedText(first, 2), FixedText(second, 2), QString::number(paid / 100))),
        {DecimalPart(QStringLiteral("How much do the two things cost together, in pounds?"),
                     first + second, 2),
         DecimalPart(QStringLiteral("How much change should %1 get, in pounds?").arg(who),
                     paid - first - second, 2)},
        QStringLiteral("Type the number only, without the &pound; sign, like 3.45."));
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
        {AlternativesPart(QString(), {SimplestFraction(hundredths, 100),
                                      QStringLiteral("%1/100").arg(hundredths)})},
        QStringLiteral("Write a fraction like 3/4."));
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
        Para(QStringLiteral("Fill in the missing numbers.")),
        {NumberPart(QStringLiteral("0.%1 = &#9633; %").arg(tenths), tenths * 10),
         NumberPart(FractionHtml(quarter, 4) + QStringLiteral(" = &#9633; %"), quarter * 25),
         DecimalPart(QStringLiteral("%1% = &#9633; as a decimal").arg(percent), percent, 2)});
}

Question ShadedPercent(Prng& rng)
{
    const int shaded = rng.range(8, 92);
    Question q =
        Make(Para(QStringLiteral("The grid has 100 squares.")),
             {NumberPart(QStringLiteral("What percentage of the grid is shaded?"), shaded),
              NumberPart(QStringLiteral("What percentage is <b>not</b> shaded?"), 100 - shaded)},
             QStringLiteral("Type the number only, without the % sign."));
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
        {DecimalPart(QStringLiteral("What is the sale price, in pounds?"), price * (100 - off), 2,
                     2)},
        QStringLiteral("Type the number only, without the &pound; sign."));
}

Question MixedForms(Prng& rng)
{
    const int p = rng.range(30, 70);
    QList<int> hundredths = {p, p + 5, p - 3, p + 8};
    rng.shuffle(hundredths);
    const QStringList forms = {
        QStringLiteral("%1%").arg(hundredths[0]), DecimalText(hundredths[1], 2),
        QStringLiteral("%1%").arg(hundredths[2]), DecimalText(hundredths[3], 2)};
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (hundredths[i] > hundredths[best])
            best = i;
    }
    QStringList wrong = forms;
    wrong.removeAt(best);
    return ChoiceQuestion(Para(QStringLiteral("Which is the <b>greatest</b>?")),
                          MakeChoice(rng, forms.at(best), wrong));
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
            ShadedPercent, Sale,      MixedForms};
}

} // namespace orlavine::pack
