// Averages and probability.
#include "banks.h"

#include "answerforms.h"
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
    static const QList<Case> cases = {
        {"A normal dice shows 7.", "impossible"},
        {"A normal dice shows 0.", "impossible"},
        {"A normal dice shows a number from 1 to 6.", "certain"},
        {"A fair coin lands on heads or tails.", "certain"},
        {"A fair coin lands on heads.", "even chance"},
        {"A normal dice shows an even number.", "even chance"},
        {"A normal dice shows a 6.", "unlikely"},
        {"A normal dice shows a number greater than 4.", "unlikely"},
        {"A normal dice shows a number less than 6.", "likely"},
        {"A normal dice shows a number greater than 2.", "likely"}};
    const Case c = rng.pick(cases);
    QStringList others = {"impossible", "unlikely", "even chance", "likely", "certain"};
    others.removeOne(QString::fromLatin1(c.word));
    rng.shuffle(others);
    QList<Option> options;
    for (const QString& word : QStringList{QString::fromLatin1(c.word)} + others.mid(0, 3))
        options.append({word, word == QLatin1String(c.word)});
    return ChoiceQuestion(
        Para(QStringLiteral("How likely is this?")) + Display(QString::fromLatin1(c.event)),
        UniqueChoice(rng, options));
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
                {FractionAnswerPart(QStringLiteral("What is the probability that it is red?"), red,
                                    total, false),
                 FractionAnswerPart(
                     QStringLiteral("What is the probability that it is not green?"), red + blue,
                     total, false)},
                QLatin1String(kNoteAnyFraction));
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
             {FractionAnswerPart(
                 QStringLiteral("What is the probability that it lands on %1?").arg(asked),
                 int(labels.count(asked)), sectors, false)},
             QLatin1String(kNoteAnyFraction));
    q.pictures = {Spinner(labels)};
    return q;
}

Question CoinOrDice(Prng& rng)
{
    // An event of a coin or a dice and its chance in sixths (a coin's half is 3/6).
    const int k = rng.range(2, 5);
    const int kind = rng.range(0, 4);
    const QString event =
        kind == 0   ? QStringLiteral("A fair coin is thrown. What is the probability that it "
                                     "lands on heads?")
        : kind == 1 ? QStringLiteral("A fair dice is rolled. What is the probability that it "
                                     "shows a %1?")
                          .arg(k)
        : kind == 2 ? QStringLiteral("A fair dice is rolled. What is the probability that it "
                                     "shows an even number?")
        : kind == 3 ? QStringLiteral("A fair dice is rolled. What is the probability that it "
                                     "shows a number greater than %1?")
                          .arg(k)
                    : QStringLiteral("A fair dice is rolled. What is the probability that it "
                                     "shows a number less than %1?")
                          .arg(k);
    const int sixths = kind == 0 || kind == 2 ? 3 : kind == 1 ? 1 : kind == 3 ? 6 - k : k - 1;
    QStringList forms = FractionForms(sixths, 6, false);
    const bool half = sixths == 3; // the one chance here that a decimal writes exactly
    if (half) {
        forms += NumberForms(50, 2);
        const QStringList bare = NumberForms(50, 0);
        for (const QString& form : MeasureForms(50, 0, units::kPercent)) {
            if (!bare.contains(form)) // 50 alone is no probability
                forms.append(form);
        }
    }
    return Make(Para(event), {AlternativesPart(QString(), forms)},
                half ? QStringLiteral("Write it as a fraction, a decimal or a percentage.")
                     : QLatin1String(kNoteAnyFraction));
}

} // namespace

QList<Generator> AverageKinds()
{
    return {Averages, Averages, Likelihood, BagOfCounters, SpinnerQuestion, CoinOrDice};
}

} // namespace orlavine::pack
