// Averages and probability.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

Question Averages(Prng& rng)
{
    QList<int> values;
    const int count = rng.pick(QList<int>{5, 7});
    for (int i = 0; i < count; ++i)
        values.append(rng.range(2, 20));
    int sum = 0;
    for (int v : values)
        sum += v;
    // Make the mean a whole number by adjusting the last value.
    values.last() += (count - sum % count) % count;
    sum += (count - sum % count) % count;
    QList<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    QStringList shown;
    for (int v : values)
        shown.append(QString::number(v));
    return Make(Para(QStringLiteral("Here are the scores of %1 children in a spelling test.")
                         .arg(NumberWords(count))) +
                    Display(shown.join(QStringLiteral(", "))),
                {NumberPart(QStringLiteral("What is the range of the scores?"),
                            sorted.last() - sorted.first()),
                 NumberPart(QStringLiteral("What is the median score?"), sorted.at(count / 2)),
                 NumberPart(QStringLiteral("What is the mean score?"), sum / count, 2)});
}

Question Likelihood(Prng& rng)
{
    struct Case {
        const char* event;
        const char* word;
    };
    static const QList<Case> cases = {{"A normal dice shows 7.", "impossible"},
                                      {"It gets dark tonight.", "certain"},
                                      {"A fair coin lands on heads.", "even chance"},
                                      {"A normal dice shows a 6.", "unlikely"},
                                      {"A normal dice shows a number less than 6.", "likely"}};
    const Case c = rng.pick(cases);
    return ChoiceQuestion(
        Para(QStringLiteral("How likely is this?")) + Display(QString::fromLatin1(c.event)),
        MakeChoice(rng, c.word, {"impossible", "unlikely", "even chance", "likely", "certain"}));
}

Question BagOfCounters(Prng& rng)
{
    const int red = rng.range(1, 9), blue = rng.range(1, 9), green = rng.range(1, 6);
    const int total = red + blue + green;
    return Make(Para(QStringLiteral("A bag has %1 red, %2 blue and %3 green counters. One counter "
                                    "is taken without looking.")
                         .arg(red)
                         .arg(blue)
                         .arg(green)),
                {ExactPart(QStringLiteral("What is the probability that it is red?"), 'F',
                           SimplestFraction(red, total)),
                 ExactPart(QStringLiteral("What is the probability that it is not green?"), 'F',
                           SimplestFraction(red + blue, total))},
                QLatin1String(kNoteFraction));
}

Question SpinnerQuestion(Prng& rng)
{
    const int sectors = rng.pick(QList<int>{4, 5, 6, 8});
    static const QStringList colours = {"red", "blue", "green", "yellow"};
    QStringList labels;
    for (int i = 0; i < sectors; ++i)
        labels.append(colours.at(rng.range(0, 3)));
    if (labels.count(labels.first()) == sectors) // a spinner of one colour asks nothing
        labels.last() = labels.first() == colours.first() ? colours.last() : colours.first();
    const QString asked = labels.first();
    Question q =
        Make(Para(QStringLiteral("The spinner has %1 equal parts. It is spun once.").arg(sectors)),
             {ExactPart(QStringLiteral("What is the probability that it lands on %1?").arg(asked),
                        'F', SimplestFraction(int(labels.count(asked)), sectors))},
             QLatin1String(kNoteFraction));
    q.pictures = {Spinner(labels)};
    return q;
}

Question CoinChance(Prng& rng)
{
    Q_UNUSED(rng);
    return Make(Para(QStringLiteral(
                    "A fair coin is thrown. What is the probability that it lands on heads?")),
                {AlternativesPart(QString(), {"1/2", "0.5", "50%", "2/4"})},
                QStringLiteral("Write it as a fraction, a decimal or a percentage."));
}

} // namespace

QList<Generator> AverageKinds()
{
    return {Averages, Averages, Likelihood, BagOfCounters, SpinnerQuestion, CoinChance};
}

} // namespace orlavine::pack
