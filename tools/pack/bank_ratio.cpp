// Ratio and proportion; sequences and simple algebra.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

QString RatioText(int a, int b)
{
    const int g = Gcd(a, b);
    return QStringLiteral("%1:%2").arg(a / g).arg(b / g);
}

Question BeadRatio(Prng& rng)
{
    static const QStringList colours = {"red", "blue", "green", "yellow", "white"};
    const int a = rng.range(1, 5), b = rng.range(1, 5), k = rng.range(2, 6);
    const QString first = rng.pick(colours);
    QString second = rng.pick(colours);
    if (second == first)
        second = QStringLiteral("black");
    return Make(
        Para(QStringLiteral("A necklace has %1 %2 beads and %3 %4 beads.")
                 .arg(a * k)
                 .arg(first)
                 .arg(b * k)
                 .arg(second)),
        {ExactPart(QStringLiteral("Write the ratio of %1 beads to %2 beads in its simplest form.")
                       .arg(first, second),
                   'F', RatioText(a * k, b * k))},
        QLatin1String(kNoteFraction));
}

Question ShadedRatio(Prng& rng)
{
    const int parts = rng.pick(QList<int>{4, 6, 8, 9, 10, 12});
    const int shaded = rng.range(1, parts - 1);
    Question q = Make(
        Para(QStringLiteral("Look at the bar.")),
        {ExactPart(QStringLiteral(
                       "Write the ratio of shaded parts to unshaded parts in its simplest form."),
                   'F', RatioText(shaded, parts - shaded))},
        QLatin1String(kNoteFraction));
    q.pictures = {FractionBar(parts, shaded)};
    return q;
}

Question Recipe(Prng& rng)
{
    const int people = rng.pick(QList<int>{2, 4, 5});
    const int each = rng.range(3, 12) * 10;
    const int wanted = people * rng.range(2, 3) + (people == 4 ? 2 : 0);
    return Make(
        Para(QStringLiteral("A recipe for %1 people uses %2 g of flour.")
                 .arg(people)
                 .arg(people * each)),
        {MeasurePart(QStringLiteral("How much flour is needed for %1 people?").arg(wanted),
                     wanted * each, 0, units::kG, 2)});
}

Question Share(Prng& rng)
{
    // A ratio in its simplest form, of two different numbers.
    const int a = rng.range(1, 4), unit = rng.range(3, 15);
    int b = rng.range(2, 5);
    while (b == a || Gcd(a, b) != 1)
        b = b % 5 + 1;
    const QString x = Name(rng);
    QString y = Name(rng);
    if (y == x)
        y = QStringLiteral("Sam");
    return Make(Para(QStringLiteral("%1 and %2 share &pound;%3 in the ratio %4:%5.")
                         .arg(x, y)
                         .arg((a + b) * unit)
                         .arg(a)
                         .arg(b)),
                {MeasurePart(QStringLiteral("How much does %1 get?").arg(x), a * unit * 100, 2,
                             units::kPounds),
                 MeasurePart(QStringLiteral("How much does %1 get?").arg(y), b * unit * 100, 2,
                             units::kPounds)});
}

Question UnitPrice(Prng& rng)
{
    const int count = rng.range(3, 6);
    const int each = rng.range(15, 95); // pence
    const int more = count + rng.range(2, 5);
    return Make(Para(QStringLiteral("%1 pens cost &pound;%2 altogether.")
                         .arg(count)
                         .arg(FixedText(count * each, 2))),
                {MeasurePart(QStringLiteral("How much does one pen cost, in pounds?"), each, 2,
                             units::kPounds),
                 MeasurePart(QStringLiteral("How much do %1 pens cost, in pounds?").arg(more),
                             each * more, 2, units::kPounds)});
}

Question MapScale(Prng& rng)
{
    const int km = rng.pick(QList<int>{2, 5, 10, 20});
    const int cm = rng.range(3, 12);
    return Make(Para(QStringLiteral(
                         "On a map, 1 cm stands for %1 km. Two towns are %2 cm apart on the map.")
                         .arg(km)
                         .arg(cm)),
                {MeasurePart(QStringLiteral("How far apart are the towns?"), km * cm, 0,
                             units::kKm)});
}

Question NextTerms(Prng& rng)
{
    const int step = rng.pick(QList<int>{3, 4, 6, 7, 8, 9, 11, 25, -3, -4, -6});
    const int start = step > 0 ? rng.range(1, 30) : rng.range(40, 80);
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown.append(QString::number(start + i * step));
    return Make(Para(QStringLiteral("Here is a number sequence.")) +
                    Display(shown.join(QStringLiteral(", ")) + QStringLiteral(", ...")),
                {NumberPart(QStringLiteral("Write the next term."), start + 4 * step),
                 NumberPart(QStringLiteral("Write the term after that."), start + 5 * step),
                 NumberPart(QStringLiteral("What is the 10th term?"), start + 9 * step)},
                start + 9 * step < 0
                    ? QStringLiteral("Write a number below zero with a minus sign, like -4.")
                    : QString());
}

/// A rule that makes each term of a sequence from the one before.
struct Rule {
    enum Op { Add, Subtract, Multiply } op;
    int n;

    int next(int term) const
    {
        return op == Add ? term + n : op == Subtract ? term - n : term * n;
    }
    QString text() const
    {
        static const char* const words[] = {"add %1", "subtract %1", "multiply by %1"};
        return QString::fromLatin1(words[op]).arg(n);
    }
};

Question SequenceRule(Prng& rng)
{
    const int step = rng.range(3, 9);
    const bool up = rng.chance(60);
    const int start = up ? rng.range(2, 20) : rng.range(40, 70);
    QList<int> terms;
    for (int i = 0; i < 5; ++i)
        terms.append(start + i * (up ? step : -step));
    const Rule::Op op = up ? Rule::Add : Rule::Subtract;
    const Rule::Op other = up ? Rule::Subtract : Rule::Add;
    QList<Rule> rules = {{op, step - 1},        {op, step + 1},     {other, step},
                         {Rule::Multiply, step}, {Rule::Multiply, 2}, {op, terms.first()}};
    rng.shuffle(rules);
    rules.prepend({op, step});
    // The rule meant and the first three others that do not fit the terms shown.
    QList<Option> options;
    QStringList texts;
    for (const Rule& rule : rules) {
        bool fits = true;
        for (int i = 1; i < 5; ++i)
            fits = fits && rule.next(terms.at(i - 1)) == terms.at(i);
        if (options.size() < 4 && !texts.contains(rule.text()) && (options.isEmpty() || !fits)) {
            options.append({rule.text(), fits});
            texts.append(rule.text());
        }
    }
    QStringList shown;
    for (int term : terms)
        shown.append(QString::number(term));
    return ChoiceQuestion(Para(QStringLiteral("What is the rule of this sequence?")) +
                              Display(shown.join(QStringLiteral(", "))),
                          UniqueChoice(rng, options));
}

Question Formula(Prng& rng)
{
    const int rate = rng.range(3, 9);
    const int fee = rng.range(2, 10);
    const int hours = rng.range(2, 8);
    return Make(
        Para(QStringLiteral("To hire a boat costs &pound;%1 for each hour plus &pound;%2.")
                 .arg(rate)
                 .arg(fee)) +
            Display(QStringLiteral("cost = %1 &times; hours + %2").arg(rate).arg(fee)),
        {MeasurePart(QStringLiteral("What does it cost to hire the boat for %1 hours?").arg(hours),
                     (rate * hours + fee) * 100, 2, units::kPounds),
         MeasurePart(
             QStringLiteral("Maya paid &pound;%1. For how many hours did she hire the boat?")
                 .arg(rate * (hours + 2) + fee),
             hours + 2, 0, units::kHours)});
}

Question MissingNumber(Prng& rng)
{
    const int a = rng.range(2, 9), x = rng.range(2, 12), b = rng.range(1, 20);
    return Make(
        Para(QStringLiteral("What number goes in the box?")) +
            Display(QStringLiteral("%1 &times; &#9633; + %2 = %3").arg(a).arg(b).arg(a * x + b)),
        {NumberPart(QString(), x)});
}

Question Sticks(Prng& rng)
{
    const int n = rng.range(4, 7);
    const int far = rng.range(10, 30);
    Question q =
        Make(Para(QStringLiteral("These patterns are made of sticks.")),
             {NumberPart(QStringLiteral("How many sticks are in pattern %1?").arg(n), 3 * n + 1),
              NumberPart(QStringLiteral("How many sticks are in pattern %1?").arg(far), 3 * far + 1,
                         2)});
    q.pictures = {StickPatterns()};
    return q;
}

Question Expression(Prng& rng)
{
    const int k = rng.range(2, 9);
    const QString letter = rng.pick(QStringList{"n", "m", "y", "a"});
    if (rng.chance(50)) {
        // Either term first, with or without a space on either side of the sign.
        QStringList sums;
        for (const QString& first : {letter, QString::number(k)}) {
            const QString second = first == letter ? QString::number(k) : letter;
            for (const char* sign : {"+", " +", "+ ", " + "})
                sums.append(first + QLatin1String(sign) + second);
        }
        return Make(Para(QStringLiteral("Write an expression for <b>%1 more than %2</b>.")
                             .arg(k)
                             .arg(letter)),
                    {AlternativesPart(QString(), sums)}, QStringLiteral("Use the letter, like n+3."));
    }
    return Make(
        Para(QStringLiteral("Write an expression for <b>%1 times %2</b>.").arg(k).arg(letter)),
        {ProductPart(QString(), k, letter)}, QStringLiteral("Use the letter, like 3n."));
}

} // namespace

QList<Generator> RatioKinds()
{
    return {BeadRatio, ShadedRatio, ShadedRatio, Recipe, Share, UnitPrice, MapScale};
}

QList<Generator> AlgebraKinds()
{
    return {NextTerms, SequenceRule, Formula, MissingNumber, Sticks, Sticks, Expression};
}

} // namespace orlavine::pack
