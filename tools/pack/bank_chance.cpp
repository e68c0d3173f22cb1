// Averages and probability.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

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
    Question q =
        Make(Para(QStringLiteral("Here are the scores of %1 children in a spelling test.")
                      .arg(NumberWords(count))) +
                 Display(shown.join(QStringLiteral(", "))),
             {NumberPart(QStringLiteral("What is the range of the scores?"),
                         sorted.last() - sorted.first()),
              NumberPart(QStringLiteral("What is the median score?"), sorted.at(count / 2)),
              NumberPart(QStringLiteral("What is the mean score?"), sum / count, 2)});
    q.working = {QStringLiteral("In order: %1.").arg(ListText(sorted)),
                 QStringLiteral("Range = largest &minus; smallest = %1 &minus; %2 = %3.")
                     .arg(sorted.last())
                     .arg(sorted.first())
                     .arg(sorted.last() - sorted.first()),
                 QStringLiteral("Median = the middle (number %1) of the ordered list = %2.")
                     .arg(count / 2 + 1)
                     .arg(sorted.at(count / 2)),
                 QStringLiteral("Mean = total &divide; count = %1 &divide; %2 = %3.")
                     .arg(sum)
                     .arg(count)
                     .arg(sum / count)};
    return q;
}

/// The ways to write a half as a probability: any fraction, 0.5, 50%.
QStringList HalfForms()
{
    QStringList forms = FractionForms(1, 2, false) + NumberForms(50, 2);
    const QStringList bare = NumberForms(50, 0);
    for (const QString& form : MeasureForms(50, 0, units::kPercent)) {
        if (!bare.contains(form)) // 50 alone is no probability
            forms.append(form);
    }
    return forms;
}

/// An event of a fair coin or dice: how many of its equally likely outcomes fit it.
struct Event {
    const char* text;
    int fitting;
    int outcomes;
};

const QList<Event> kEvents = {{"A normal dice shows 7.", 0, 6},
                              {"A normal dice shows 0.", 0, 6},
                              {"A normal dice shows a number from 1 to 6.", 6, 6},
                              {"A fair coin lands on heads or tails.", 2, 2},
                              {"A normal dice shows a whole number.", 6, 6},
                              {"A fair coin lands on heads.", 1, 2},
                              {"A normal dice shows an even number.", 3, 6},
                              {"A normal dice shows an odd number.", 3, 6},
                              {"A normal dice shows a number greater than 3.", 3, 6},
                              {"A normal dice shows a 6.", 1, 6},
                              {"A normal dice shows a number greater than 4.", 2, 6},
                              {"A normal dice shows a number less than 3.", 2, 6},
                              {"A normal dice shows a 1 or a 2.", 2, 6},
                              {"A normal dice shows a number less than 6.", 5, 6},
                              {"A normal dice shows a number greater than 2.", 4, 6},
                              {"A normal dice does not show a 4.", 5, 6},
                              {"A normal dice shows a number greater than 1.", 5, 6}};

/// The word on the likelihood scale for `fitting` of `outcomes` equally likely outcomes.
QString LikelihoodWord(int fitting, int outcomes)
{
    return fitting == 0              ? QStringLiteral("impossible")
           : fitting == outcomes     ? QStringLiteral("certain")
           : 2 * fitting == outcomes ? QStringLiteral("even chance")
           : 2 * fitting < outcomes  ? QStringLiteral("unlikely")
                                     : QStringLiteral("likely");
}

QString EventWorking(const Event& e)
{
    return QStringLiteral("%1 of the %2 equally likely outcomes fit, so it is %3.")
        .arg(e.fitting)
        .arg(e.outcomes)
        .arg(LikelihoodWord(e.fitting, e.outcomes));
}

Question Likelihood(Prng& rng)
{
    const Event e = rng.pick(kEvents);
    const QString word = LikelihoodWord(e.fitting, e.outcomes);
    QStringList others = {"impossible", "unlikely", "even chance", "likely", "certain"};
    others.removeOne(word);
    rng.shuffle(others);
    QList<Option> options;
    for (const QString& w : QStringList{word} + others.mid(0, 3))
        options.append({w, w == word});
    Question q = ChoiceQuestion(Para(QStringLiteral("How likely is this?")) +
                                    Display(QString::fromLatin1(e.text)),
                                UniqueChoice(rng, options));
    q.working = {EventWorking(e)};
    return q;
}

Question WhichEvent(Prng& rng)
{
    static const QStringList words = {"impossible", "unlikely", "even chance", "likely", "certain"};
    const QString asked = rng.pick(words);
    QList<Event> events = kEvents;
    rng.shuffle(events);
    QList<Option> options;
    QStringList used = {asked};
    Event right{};
    for (const Event& e : events) {
        const QString word = LikelihoodWord(e.fitting, e.outcomes);
        const bool fits = word == asked;
        if (fits ? right.text != nullptr : used.contains(word) || used.size() == 4)
            continue;
        if (fits)
            right = e;
        else
            used.append(word);
        options.append({QString::fromLatin1(e.text), fits});
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which of these %1?")
                 .arg(asked == QLatin1String("even chance") ? QStringLiteral("has an even chance")
                                                            : QStringLiteral("is ") + asked)),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("Count the outcomes that fit each event."),
                 QString::fromLatin1(right.text) + QLatin1Char(' ') + EventWorking(right)};
    return q;
}

Question BagOfCounters(Prng& rng)
{
    const int red = rng.range(1, 9), blue = rng.range(1, 9), green = rng.range(1, 6);
    const int total = red + blue + green;
    Question q =
        Make(Para(QStringLiteral("A bag has %1 red, %2 blue and %3 green counters. One counter is "
                                 "taken without looking.")
                      .arg(red)
                      .arg(blue)
                      .arg(green)),
             {FractionAnswerPart(QStringLiteral("What is the probability that it is red?"), red,
                                 total, false),
              FractionAnswerPart(QStringLiteral("What is the probability that it is not green?"),
                                 red + blue, total, false)},
             QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("There are %1 + %2 + %3 = %4 counters.")
                     .arg(red)
                     .arg(blue)
                     .arg(green)
                     .arg(total),
                 QStringLiteral("%1 of them are red: the probability is %2.")
                     .arg(red)
                     .arg(FractionHtml(red, total)),
                 QStringLiteral("%1 + %2 = %3 are not green: the probability is %4.")
                     .arg(red)
                     .arg(blue)
                     .arg(red + blue)
                     .arg(FractionHtml(red + blue, total))};
    return q;
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
    const int fitting = int(labels.count(asked));
    q.working = {QStringLiteral("The %1 parts are equally likely.").arg(sectors),
                 QStringLiteral("%1 of them %2 %3, so the probability is %4.")
                     .arg(fitting)
                     .arg(fitting == 1 ? "is" : "are", asked, FractionHtml(fitting, sectors))};
    return q;
}

Question CoinOrDice(Prng& rng)
{
    const QString name = Name(rng);
    const int k = rng.range(2, 5);
    const int kind = rng.range(0, 10);
    if (kind == 10) {
        const QString side = rng.chance(50) ? QStringLiteral("heads") : QStringLiteral("tails");
        Question q = Make(Para(QStringLiteral("%1 throws a fair coin. What is the probability that "
                                              "it lands on %2?")
                                   .arg(name, side)),
                          {AlternativesPart(QString(), HalfForms())},
                          QStringLiteral("Write it as a fraction, a decimal or a percentage."));
        q.parts.first().answer = FractionHtml(1, 2);
        q.working = {
            QStringLiteral("A coin has 2 equally likely sides and 1 of them is %1.").arg(side),
            QStringLiteral("So the probability is %1.").arg(FractionHtml(1, 2))};
        return q;
    }
    // A dice event and the numbers 1 to 6 that fit it.
    static const QList<int> primes = {2, 3, 5}, squares = {1, 4}, factors = {1, 2, 3, 6};
    const QStringList events = {QStringLiteral("a %1").arg(k),
                                QStringLiteral("an even number"),
                                QStringLiteral("an odd number"),
                                QStringLiteral("a number greater than %1").arg(k),
                                QStringLiteral("a number less than %1").arg(k),
                                QStringLiteral("a multiple of 3"),
                                QStringLiteral("a square number"),
                                QStringLiteral("a prime number"),
                                QStringLiteral("a factor of 6"),
                                QStringLiteral("a number that is not %1").arg(k)};
    auto fits = [&](int n) {
        switch (kind) {
        case 0:
            return n == k;
        case 1:
            return n % 2 == 0;
        case 2:
            return n % 2 == 1;
        case 3:
            return n > k;
        case 4:
            return n < k;
        case 5:
            return n % 3 == 0;
        case 6:
            return squares.contains(n);
        case 7:
            return primes.contains(n);
        case 8:
            return factors.contains(n);
        default:
            return n != k;
        }
    };
    QStringList fitting;
    for (int n = 1; n <= 6; ++n) {
        if (fits(n))
            fitting.append(QString::number(n));
    }
    const int sixths = int(fitting.size());
    const bool half = sixths == 3; // the one chance here that a decimal writes exactly
    Question q =
        Make(Para(QStringLiteral("%1 rolls a fair dice. What is the probability that it "
                                 "shows %2?")
                      .arg(name, events.at(kind))),
             {AlternativesPart(QString(), half ? HalfForms() : FractionForms(sixths, 6, false))},
             half ? QStringLiteral("Write it as a fraction, a decimal or a percentage.")
                  : QLatin1String(kNoteAnyFraction));
    q.parts.first().answer = FractionHtml(sixths, 6);
    q.working = {QStringLiteral("A dice shows 1 to 6, all equally likely."),
                 QStringLiteral("The numbers that fit: %1. That is %2 of the 6.")
                     .arg(fitting.join(QStringLiteral(", ")))
                     .arg(sixths),
                 QStringLiteral("So the probability is %1.").arg(FractionHtml(sixths, 6))};
    return q;
}

Question MissingValue(Prng& rng)
{
    const int count = rng.range(3, 5);
    const int mean = rng.range(4, 15);
    QList<int> known;
    int sum = 0;
    for (int i = 0; i < count - 1; ++i) {
        known.append(rng.range(std::max(1, mean - 6), mean + 6));
        sum += known.last();
    }
    const int missing = mean * count - sum;
    if (missing < 1)
        return MissingValue(rng);
    const QString name = Name(rng);
    Question q = Make(
        Para(QStringLiteral("%1 has %2 cards with numbers on them. The mean of the "
                            "numbers is %3. %4 of the cards show %5.")
                 .arg(name, NumberWords(count))
                 .arg(mean)
                 .arg(NumberWords(count - 1).replace(0, 1, NumberWords(count - 1).at(0).toUpper()),
                      ListText(known))),
        {NumberPart(QStringLiteral("What number is on the last card?"), missing, 2)});
    q.working = {QStringLiteral("The total of all %1 numbers is %1 &times; %2 = %3.")
                     .arg(count)
                     .arg(mean)
                     .arg(mean * count),
                 QStringLiteral("The cards we know add up to %1 = %2.")
                     .arg(ListText(known).replace(QLatin1String(", "), QLatin1String(" + ")))
                     .arg(sum),
                 QStringLiteral("The last card is %1 &minus; %2 = %3.")
                     .arg(mean * count)
                     .arg(sum)
                     .arg(missing)};
    return q;
}

Question Mode(Prng& rng)
{
    static const QStringList contexts = {
        "shoe sizes of some children", "goals scored in some matches",
        "numbers of pets some children have", "ages of the children in a club"};
    const int context = rng.range(0, 3);
    const int low = context == 0 ? 1 : context == 3 ? 7 : 0;
    const int count = rng.range(7, 10);
    QList<int> values;
    const int mode = rng.range(low, low + 5);
    for (int i = 0; i < 3; ++i)
        values.append(mode);
    while (values.size() < count) {
        const int v = rng.range(low, low + 5);
        if (v != mode && values.count(v) < 2)
            values.append(v);
    }
    rng.shuffle(values);
    Question q = Make(Para(QStringLiteral("Here are the %1.").arg(contexts.at(context))) +
                          Display(ListText(values)),
                      {NumberPart(QStringLiteral("What is the mode?"), mode)});
    q.working = {QStringLiteral("The mode is the value that comes up most often."),
                 QStringLiteral("%1 comes up 3 times; every other value at most twice.").arg(mode),
                 QStringLiteral("So the mode is %1.").arg(mode)};
    return q;
}

Question MedianOfEven(Prng& rng)
{
    const int count = rng.pick(QList<int>{4, 6, 8});
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values.append(rng.range(100, 160));
    QList<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const int a = sorted.at(count / 2 - 1), b = sorted.at(count / 2);
    Question q =
        Make(Para(QStringLiteral("The heights of %1 children, in centimetres, are")
                      .arg(NumberWords(count))) +
                 Display(ListText(values)),
             {MeasurePart(QStringLiteral("What is the median height?"), (a + b) * 5, 1, units::kCm),
              MeasurePart(QStringLiteral("What is the range of the heights?"),
                          sorted.last() - sorted.first(), 0, units::kCm)});
    q.working = {QStringLiteral("In order: %1.").arg(ListText(sorted)),
                 QStringLiteral("There are two middle values, %1 and %2: the median is halfway, "
                                "(%1 + %2) &divide; 2 = %3 cm.")
                     .arg(a)
                     .arg(b)
                     .arg(DecimalText((a + b) * 5, 1)),
                 QStringLiteral("Range = %1 &minus; %2 = %3 cm.")
                     .arg(sorted.last())
                     .arg(sorted.first())
                     .arg(sorted.last() - sorted.first())};
    return q;
}

Question MeanMoney(Prng& rng)
{
    const int count = rng.range(3, 5);
    QList<int> pence;
    int total = 0;
    for (int i = 0; i < count; ++i) {
        pence.append(rng.range(10, 90) * 10);
        total += pence.last();
    }
    // Whole pence for the mean: the last amount takes up the rest.
    const int fix = (count - total % count) % count * 10;
    pence.last() += fix;
    total += fix;
    QStringList shown;
    for (int p : pence)
        shown.append(QStringLiteral("&pound;") + FixedText(p, 2));
    QStringList names;
    while (names.size() < count) {
        const QString n = Name(rng);
        if (!names.contains(n))
            names.append(n);
    }
    QList<QStringList> rows;
    for (int i = 0; i < count; ++i)
        rows.append({names.at(i), shown.at(i)});
    Question q = Make(Para(QStringLiteral("The table shows how much pocket money some children "
                                          "saved.")) +
                          DataTable({"Name", "Saved"}, rows),
                      {MeasurePart(QStringLiteral("How much did they save altogether?"), total, 2,
                                   units::kPounds),
                       MeasurePart(QStringLiteral("What is the mean amount saved?"), total / count,
                                   2, units::kPounds, 2)});
    q.working = {QStringLiteral("Total: %1 = &pound;%2.")
                     .arg(shown.join(QStringLiteral(" + ")), FixedText(total, 2)),
                 QStringLiteral("Mean = total &divide; number of children = &pound;%1 &divide; %2.")
                     .arg(FixedText(total, 2))
                     .arg(count),
                 QStringLiteral("The mean is &pound;%1.").arg(FixedText(total / count, 2))};
    return q;
}

Question NotHappening(Prng& rng)
{
    static const QStringList events = {"it rains tomorrow",         "the bus is late",
                                       "a seed grows into a plant", "the school team wins",
                                       "a letter arrives today",    "the spinner lands on red"};
    const int hundredths = rng.range(1, 19) * 5;
    const QString event = rng.pick(events);
    const int rest = 100 - hundredths;
    QStringList forms = NumberForms(rest, 2);
    for (const QString& f : FractionForms(rest, 100, false)) {
        if (!forms.contains(f))
            forms.append(f);
    }
    Question q =
        Make(Para(QStringLiteral("The probability that %1 is %2.")
                      .arg(event, DecimalText(hundredths, 2))),
             {AlternativesPart(QStringLiteral("What is the probability that it does not happen?"),
                               forms)});
    q.working = {
        QStringLiteral("It either happens or it does not, so the two probabilities add "
                       "up to 1."),
        QStringLiteral("1 &minus; %1 = %2.").arg(DecimalText(hundredths, 2), DecimalText(rest, 2))};
    return q;
}

Question LetterCards(Prng& rng)
{
    static const QStringList words = {"MATHEMATICS", "PROBABILITY", "BANANA",      "CALCULATOR",
                                      "TRIANGLE",    "ELEPHANT",    "PARALLEL",    "BALLOON",
                                      "DIVISION",    "SUBTRACT",    "MISSISSIPPI", "COMMITTEE"};
    const QString word = rng.pick(words);
    QString letter;
    do {
        letter = word.at(rng.range(0, int(word.size()) - 1));
    } while (word.count(letter) < 2 && rng.chance(70));
    const int n = int(word.size());
    const int times = int(word.count(letter));
    int vowels = 0;
    for (QChar c : word)
        vowels += QStringLiteral("AEIOU").contains(c) ? 1 : 0;
    Question q = Make(
        Para(QStringLiteral("Each letter of the word <b>%1</b> is written on a card. One card is "
                            "picked at random.")
                 .arg(word)),
        {FractionAnswerPart(QStringLiteral("What is the probability that it shows %1?").arg(letter),
                            times, n, false),
         FractionAnswerPart(QStringLiteral("What is the probability that it shows a vowel?"),
                            vowels, n, false),
         FractionAnswerPart(
             QStringLiteral("What is the probability that it does not show %1?").arg(letter),
             n - times, n, false)},
        QLatin1String(kNoteAnyFraction));
    q.working = {
        QStringLiteral("There are %1 cards, all equally likely.").arg(n),
        QStringLiteral("%1 of them show %2: %3.").arg(times).arg(letter, FractionHtml(times, n)),
        QStringLiteral("%1 of them show a vowel (A, E, I, O or U): %2.")
            .arg(vowels)
            .arg(FractionHtml(vowels, n)),
        QStringLiteral("%1 &minus; %2 = %3 do not show %4: %5.")
            .arg(n)
            .arg(times)
            .arg(n - times)
            .arg(letter, FractionHtml(n - times, n))};
    return q;
}

Question EvenUp(Prng& rng)
{
    static const QStringList colours = {"red", "blue", "green", "yellow", "white", "black"};
    QStringList pair = colours;
    rng.shuffle(pair);
    const int few = rng.range(1, 8), many = few + rng.range(1, 9);
    Question q = Make(
        Para(QStringLiteral("A bag holds %1 %2 and %3 %4 marbles.")
                 .arg(few)
                 .arg(pair.at(0))
                 .arg(many)
                 .arg(pair.at(1))),
        {NumberPart(QStringLiteral("How many %1 marbles must be added so that a %1 and a %2 "
                                   "marble are equally likely to be picked?")
                        .arg(pair.at(0), pair.at(1)),
                    many - few),
         AlternativesPart(
             QStringLiteral("Then what is the probability of picking a %1 marble?").arg(pair.at(0)),
             HalfForms())},
        QLatin1String(kNoteAnyFraction));
    q.parts.last().answer = FractionHtml(1, 2);
    q.working = {QStringLiteral("Equally likely needs as many %1 as %2 marbles: %3 of each.")
                     .arg(pair.at(0), pair.at(1))
                     .arg(many),
                 QStringLiteral("%1 &minus; %2 = %3 %4 marbles must be added.")
                     .arg(many)
                     .arg(few)
                     .arg(many - few)
                     .arg(pair.at(0)),
                 QStringLiteral("Then half of the %1 marbles are %2: the probability is %3.")
                     .arg(2 * many)
                     .arg(pair.at(0), FractionHtml(1, 2))};
    return q;
}

Question Expected(Prng& rng)
{
    const int sectors = rng.pick(QList<int>{4, 5, 6, 8, 10});
    const int red = rng.range(1, sectors - 1);
    const int spins = sectors * rng.range(3, 12);
    Question q = Make(Para(QStringLiteral("A fair spinner has %1 equal parts. %2 of them are red. "
                                          "It is spun %3 times.")
                               .arg(sectors)
                               .arg(red)
                               .arg(spins)),
                      {NumberPart(QStringLiteral("About how many times would you expect it to land "
                                                 "on red?"),
                                  spins / sectors * red, 2)});
    q.working = {QStringLiteral("The probability of red is %1.").arg(FractionHtml(red, sectors)),
                 QStringLiteral("%1 &divide; %2 = %3, and %3 &times; %4 = %5.")
                     .arg(spins)
                     .arg(sectors)
                     .arg(spins / sectors)
                     .arg(red)
                     .arg(spins / sectors * red),
                 QStringLiteral("Expect red about %1 times.").arg(spins / sectors * red)};
    return q;
}

Question NewMean(Prng& rng)
{
    const int count = rng.range(3, 6);
    const int mean = rng.range(8, 20);
    const int next = rng.range(1, 4) * (count + 1) + mean; // keeps the new mean whole
    const int newMean = (mean * count + next) / (count + 1);
    const QString name = Name(rng);
    Question q =
        Make(Para(QStringLiteral("%1 played %2 games of darts. The mean score was %3.")
                      .arg(name, NumberWords(count))
                      .arg(mean)),
             {NumberPart(QStringLiteral("What was %1's total score?").arg(name), mean * count),
              NumberPart(QStringLiteral("In the next game %1 scored %2. What is the new mean?")
                             .arg(name)
                             .arg(next),
                         newMean, 2)});
    q.working = {
        QStringLiteral("Total = %1 &times; %2 = %3.").arg(count).arg(mean).arg(mean * count),
        QStringLiteral("New total = %1 + %2 = %3, over %4 games.")
            .arg(mean * count)
            .arg(next)
            .arg(mean * count + next)
            .arg(count + 1),
        QStringLiteral("New mean = %1 &divide; %2 = %3.")
            .arg(mean * count + next)
            .arg(count + 1)
            .arg(newMean)};
    return q;
}

Question MostLikelyColour(Prng& rng)
{
    static const QStringList colours = {"red", "blue", "green", "yellow", "purple", "orange"};
    QStringList picked = colours;
    rng.shuffle(picked);
    picked = picked.mid(0, 4);
    QList<int> counts;
    for (int i = 0; i < 4; ++i)
        counts.append(rng.range(1, 12));
    const int top = *std::max_element(counts.cbegin(), counts.cend());
    if (counts.count(top) > 1)
        return MostLikelyColour(rng);
    const bool least = rng.chance(40);
    const int bottom = *std::min_element(counts.cbegin(), counts.cend());
    if (least && counts.count(bottom) > 1)
        return MostLikelyColour(rng);
    QStringList parts;
    QList<Option> options;
    QString right;
    for (int i = 0; i < 4; ++i) {
        parts.append(QStringLiteral("%1 %2").arg(counts.at(i)).arg(picked.at(i)));
        const bool fits = counts.at(i) == (least ? bottom : top);
        options.append({picked.at(i), fits});
        if (fits)
            right = picked.at(i);
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("A box has %1 and %2 pencils. One pencil is taken without looking. "
                            "Which colour is it %3 likely to be?")
                 .arg(parts.mid(0, 3).join(QStringLiteral(", ")), parts.at(3),
                      least ? QStringLiteral("least") : QStringLiteral("most"))),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("Each pencil is equally likely, so the colour with the %1 pencils "
                                "is the %2 likely.")
                     .arg(least ? "fewest" : "most", least ? "least" : "most"),
                 QStringLiteral("%1 has %2 pencils, so the answer is %1.")
                     .arg(right)
                     .arg(least ? bottom : top)};
    return q;
}

Question TemperatureRange(Prng& rng)
{
    static const QStringList days = {"Mon", "Tue", "Wed", "Thu", "Fri"};
    QList<int> temps;
    for (int i = 0; i < 5; ++i)
        temps.append(rng.range(-8, 9));
    const int high = *std::max_element(temps.cbegin(), temps.cend());
    const int low = *std::min_element(temps.cbegin(), temps.cend());
    if (high == low || low >= 0 || temps.count(low) > 1)
        return TemperatureRange(rng);
    static const QStringList longDays = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    const int coldest = int(temps.indexOf(low));
    QStringList cells;
    for (int t : temps)
        cells.append(
            QStringLiteral("%1&deg;C").arg(t).replace(QLatin1Char('-'), QStringLiteral("&minus;")));
    Question q =
        Make(Para(QStringLiteral("The table shows the lowest temperature each night of one "
                                 "week.")) +
                 DataTable(days, {cells}),
             {AlternativesPart(QStringLiteral("On which night was it coldest?"),
                               {days.at(coldest).toLower(), longDays.at(coldest).toLower()}),
              MeasurePart(QStringLiteral("What is the range of the temperatures?"), high - low, 0,
                          units::kCelsius)});
    q.parts.first().answer = longDays.at(coldest);
    q.working = {
        QStringLiteral("The highest is %1&deg;C and the lowest is %2&deg;C, on %3.")
            .arg(high)
            .arg(low)
            .arg(longDays.at(coldest)),
        QStringLiteral("Range = %1 &minus; (%2) = %3&deg;C.").arg(high).arg(low).arg(high - low)};
    return q;
}

} // namespace

QList<Generator> AverageKinds()
{
    return {Averages,   Averages,         Likelihood,      BagOfCounters, SpinnerQuestion,
            CoinOrDice, WhichEvent,       MissingValue,    Mode,          MedianOfEven,
            MeanMoney,  NotHappening,     LetterCards,     EvenUp,        Expected,
            NewMean,    MostLikelyColour, TemperatureRange};
}

} // namespace orlavine::pack
