// Mean, median, mode and range.
#include "banks.h"

#include "answerforms.h"
#include "numbertext.h"

#include <algorithm>
#include <cstdlib>

namespace orlavine::pack
{

namespace
{

QString Capital(QString text)
{
    text[0] = text.at(0).toUpper();
    return text;
}

int Sum(const QList<int>& values)
{
    int total = 0;
    for (int v : values)
        total += v;
    return total;
}

QList<int> Sorted(QList<int> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

int Range(const QList<int>& values)
{
    const auto [low, high] = std::minmax_element(values.cbegin(), values.cend());
    return *high - *low;
}

/// The median in tenths (the middle two of an even count may be half apart).
int MedianTenths(const QList<int>& values)
{
    const QList<int> s = Sorted(values);
    const int n = int(s.size());
    return n % 2 == 1 ? s.at(n / 2) * 10 : (s.at(n / 2 - 1) + s.at(n / 2)) * 5;
}

/// `n` whole numbers from 1 up whose mean is `mean`, none further than `spread` from it.
QList<int> WithMean(Prng& rng, int n, int mean, int spread)
{
    for (;;) {
        QList<int> values;
        for (int i = 0; i < n - 1; ++i)
            values.append(rng.range(std::max(1, mean - spread), mean + spread));
        const int last = n * mean - Sum(values);
        if (last >= 1 && std::abs(last - mean) <= spread) {
            values.append(last);
            rng.shuffle(values);
            return values;
        }
    }
}

/// `n` numbers from `low` to `high` in which `mode` comes three times and no other
/// number more than twice (or twice and the others once, when `twice`).
QList<int> WithMode(Prng& rng, int n, int mode, int low, int high, bool twice = false)
{
    QList<int> values(twice ? 2 : 3, mode);
    while (values.size() < n) {
        const int v = rng.range(low, high);
        if (v != mode && values.count(v) < (twice ? 1 : 2))
            values.append(v);
    }
    rng.shuffle(values);
    return values;
}

/// Steps that find the median of `values`; returns it in tenths.
int MedianSteps(const QList<int>& values, QStringList& working)
{
    const QList<int> s = Sorted(values);
    const int n = int(s.size());
    working.append(QStringLiteral("Put the %1 values in order: %2.").arg(n).arg(ListText(s)));
    const int median = MedianTenths(values);
    if (n % 2 == 1) {
        working.append(QStringLiteral("The middle one is value number %1: %2.")
                           .arg((n + 1) / 2)
                           .arg(Signed(s.at(n / 2))));
    } else {
        working.append(
            QStringLiteral("The middle two are %1 and %2; halfway between them is "
                           "(%1 + %2) &divide; 2 = %3.")
                .arg(Signed(s.at(n / 2 - 1)), Signed(s.at(n / 2)), DecimalText(median, 1)));
    }
    return median;
}

void RangeSteps(const QList<int>& values, QStringList& working)
{
    const QList<int> s = Sorted(values);
    working.append(
        QStringLiteral("Largest %1, smallest %2.").arg(Signed(s.last()), Signed(s.first())));
    working.append(QStringLiteral("Range = %1 &minus; %2 = %3.")
                       .arg(Signed(s.last()), s.first() < 0
                                                  ? QStringLiteral("(%1)").arg(Signed(s.first()))
                                                  : Signed(s.first()))
                       .arg(Range(values)));
}

Question MeanOfList(Prng& rng)
{
    const int n = rng.range(4, 7);
    const int mean = rng.range(5, 40);
    const QList<int> values = WithMean(rng, n, mean, std::min(mean - 1, rng.range(3, 12)));
    static const QStringList contexts = {
        "points a team scored in %1 basketball games", "minutes %1 pupils spent on their homework",
        "books read by %1 friends over the summer", "goals a club scored in %1 seasons"};
    Question q =
        Make(Para(QStringLiteral("Here are the numbers of %1:").arg(rng.pick(contexts).arg(n))) +
                 Display(ListText(values)) + Para(QStringLiteral("Work out the mean.")),
             {NumberPart(QString(), mean)});
    q.working = {QStringLiteral("Add the values: %1 = %2.")
                     .arg(ListText(values, QStringLiteral(" + ")))
                     .arg(Sum(values)),
                 QStringLiteral("Divide by how many there are: %1 &divide; %2 = %3.")
                     .arg(Sum(values))
                     .arg(n)
                     .arg(mean),
                 QStringLiteral("So the mean is %1.").arg(mean)};
    return q;
}

Question MedianOfList(Prng& rng)
{
    const int n = rng.pick(QList<int>{5, 6, 7, 8, 9});
    QList<int> values;
    for (int i = 0; i < n; ++i)
        values.append(rng.range(1, 60));
    const QString who = Name(rng);
    Question q = Make(Para(QStringLiteral("%1 wrote down the number of %2 in each of %3 bags:")
                               .arg(who, Thing(rng))
                               .arg(n)) +
                          Display(ListText(values)) + Para(QStringLiteral("Find the median.")),
                      {});
    const int median = MedianSteps(values, q.working);
    q.parts = {DecimalPart(QString(), median, 1)};
    q.working.append(QStringLiteral("So the median is %1.").arg(DecimalText(median, 1)));
    return q;
}

Question ModeOfList(Prng& rng)
{
    const int mode = rng.range(2, 20);
    const QList<int> values = WithMode(rng, rng.range(8, 11), mode, 1, 20);
    Question q =
        Make(Para(QStringLiteral("Here are the numbers of letters %1 received on each day:")
                      .arg(Name(rng))) +
                 Display(ListText(values)) + Para(QStringLiteral("What is the mode?")),
             {NumberPart(QString(), mode)});
    q.working = {
        QStringLiteral("The mode is the value that comes up most often."),
        QStringLiteral("%1 comes up 3 times; no other value comes up more than twice.").arg(mode),
        QStringLiteral("So the mode is %1.").arg(mode)};
    return q;
}

Question RangeOfList(Prng& rng)
{
    const int n = rng.range(5, 7);
    QList<int> values;
    const bool temperatures = rng.chance(50);
    for (int i = 0; i < n; ++i)
        values.append(temperatures ? rng.range(-9, 12) : rng.range(110, 180));
    if (Range(values) == 0)
        values[0] += 3;
    static const QStringList days = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    QStringList cells;
    for (int v : values)
        cells.append(Signed(v));
    Question q = Make(
        temperatures
            ? Para(QStringLiteral("The table shows the temperature at midday each day of a week, "
                                  "in &deg;C.")) +
                  DataTable(days.mid(0, n), {cells}) +
                  Para(QStringLiteral("Work out the range of the temperatures."))
            : Para(QStringLiteral("The heights of %1 plants, in centimetres, are:").arg(n)) +
                  Display(ListText(values)) + Para(QStringLiteral("Work out the range.")),
        {MeasurePart(QString(), Range(values), 0, temperatures ? units::kCelsius : units::kCm)});
    RangeSteps(values, q.working);
    q.working.append(QStringLiteral("So the range is %1.").arg(q.parts.first().answer));
    return q;
}

Question MissingValueFromMean(Prng& rng)
{
    const int n = rng.range(4, 6);
    const int mean = rng.range(6, 25);
    const QList<int> values = WithMean(rng, n, mean, 5);
    const QList<int> known = values.mid(0, n - 1);
    const int missing = values.last();
    Question q =
        Make(Para(QStringLiteral("The mean of %1 numbers is %2. %3 of the numbers are:")
                      .arg(n)
                      .arg(mean)
                      .arg(Capital(NumberWords(n - 1)))) +
                 Display(ListText(known)) + Para(QStringLiteral("What is the other number?")),
             {NumberPart(QString(), missing, 2)});
    q.working = {QStringLiteral("The total of all %1 numbers is %1 &times; %2 = %3.")
                     .arg(n)
                     .arg(mean)
                     .arg(n * mean),
                 QStringLiteral("The %1 numbers given add up to %2.").arg(n - 1).arg(Sum(known)),
                 QStringLiteral("%1 &minus; %2 = %3, so the other number is %3.")
                     .arg(n * mean)
                     .arg(Sum(known))
                     .arg(missing)};
    return q;
}

/// A frequency table of `values` 0, 1, 2, ... with the counts in `counts`.
QString FrequencyTable(const QString& what, const QString& counted, const QList<int>& values,
                       const QList<int>& counts)
{
    QList<QStringList> rows;
    for (int i = 0; i < values.size(); ++i)
        rows.append({QString::number(values.at(i)), QString::number(counts.at(i))});
    return DataTable({what, counted}, rows);
}

struct Survey {
    QString question; // "The table shows the number of ... "
    QString value;    // header of the values
    QString counted;  // header of the frequencies
};

Survey PickSurvey(Prng& rng)
{
    static const QList<Survey> surveys = {
        {"goals a team scored in each of its matches", "Goals", "Number of matches"},
        {"pets owned by each pupil of a class", "Pets", "Number of pupils"},
        {"children in each family of a street", "Children", "Number of families"},
        {"times each pupil was late in a term", "Times late", "Number of pupils"},
        {"letters in each word of a sentence", "Letters", "Number of words"}};
    return rng.pick(surveys);
}

Question MeanFromFrequencyTable(Prng& rng)
{
    const Survey survey = PickSurvey(rng);
    const int first = survey.value == QLatin1String("Letters") ? 1 : 0;
    QList<int> values, counts;
    int total = 0, count = 0;
    do {
        values.clear();
        counts.clear();
        total = count = 0;
        for (int v = first; v < first + 5; ++v) {
            values.append(v);
            counts.append(rng.range(1, 9));
            total += v * counts.last();
            count += counts.last();
        }
    } while (total * 10 % count != 0);
    QStringList products, countTexts;
    for (int i = 0; i < values.size(); ++i) {
        products.append(QStringLiteral("%1 &times; %2").arg(values.at(i)).arg(counts.at(i)));
        countTexts.append(QString::number(counts.at(i)));
    }
    Question q =
        Make(Para(QStringLiteral("The table shows the number of %1.").arg(survey.question)) +
                 FrequencyTable(survey.value, survey.counted, values, counts) +
                 Para(QStringLiteral("Work out the mean.")),
             {DecimalPart(QString(), total * 10 / count, 1, 2)});
    q.working = {
        QStringLiteral("Total: %1 = %2.").arg(products.join(QStringLiteral(" + "))).arg(total),
        QStringLiteral("How many: %1 = %2.").arg(countTexts.join(QStringLiteral(" + "))).arg(count),
        QStringLiteral("Mean = %1 &divide; %2 = %3.")
            .arg(total)
            .arg(count)
            .arg(DecimalText(total * 10 / count, 1))};
    return q;
}

Question ModeFromFrequencyTable(Prng& rng)
{
    const int start = rng.range(1, 6);
    QList<int> sizes, counts;
    for (int s = start; s < start + 5; ++s) {
        sizes.append(s);
        counts.append(rng.range(2, 11));
    }
    const int top = int(std::max_element(counts.cbegin(), counts.cend()) - counts.cbegin());
    counts[top] = *std::max_element(counts.cbegin(), counts.cend());
    for (int i = 0; i < counts.size(); ++i) {
        if (i != top && counts.at(i) == counts.at(top))
            --counts[i];
    }
    Question q = Make(Para(QStringLiteral("The table shows the shoe sizes of the pupils in a "
                                          "class.")) +
                          FrequencyTable(QStringLiteral("Shoe size"),
                                         QStringLiteral("Number of pupils"), sizes, counts) +
                          Para(QStringLiteral("What is the modal shoe size?")),
                      {NumberPart(QString(), sizes.at(top))});
    q.working = {QStringLiteral("The mode is the size with the largest frequency."),
                 QStringLiteral("The largest frequency is %1, for size %2.")
                     .arg(counts.at(top))
                     .arg(sizes.at(top)),
                 QStringLiteral("So the modal shoe size is %1 (not %2, which is how many).")
                     .arg(sizes.at(top))
                     .arg(counts.at(top))};
    return q;
}

Question MedianFromFrequencyTable(Prng& rng)
{
    const Survey survey = PickSurvey(rng);
    const int first = survey.value == QLatin1String("Letters") ? 1 : 0;
    QList<int> values, counts;
    int count = 0;
    do {
        values.clear();
        counts.clear();
        count = 0;
        for (int v = first; v < first + 5; ++v) {
            values.append(v);
            counts.append(rng.range(1, 9));
            count += counts.last();
        }
    } while (count % 2 == 0);
    const int position = (count + 1) / 2;
    int running = 0, median = -1;
    QStringList totals;
    for (int i = 0; i < values.size(); ++i) {
        running += counts.at(i);
        totals.append(QString::number(running));
        if (running >= position && median < 0)
            median = values.at(i);
    }
    Question q =
        Make(Para(QStringLiteral("The table shows the number of %1.").arg(survey.question)) +
                 FrequencyTable(survey.value, survey.counted, values, counts) +
                 Para(QStringLiteral("Find the median.")),
             {NumberPart(QString(), median, 2)});
    q.working = {QStringLiteral("There are %1 values, so the median is value number "
                                "(%1 + 1) &divide; 2 = %2.")
                     .arg(count)
                     .arg(position),
                 QStringLiteral("Running totals of the frequencies: %1.")
                     .arg(totals.join(QStringLiteral(", "))),
                 QStringLiteral("Value number %1 falls in the row for %2, so the median is %2.")
                     .arg(position)
                     .arg(median)};
    return q;
}

/// Two teams' scores, each with a whole mean, the means different.
Question CompareMeans(Prng& rng)
{
    const int meanA = rng.range(8, 30);
    int meanB = rng.range(8, 30);
    if (meanB == meanA)
        meanB += rng.chance(50) ? 2 : -2;
    const QList<int> a = WithMean(rng, 5, meanA, 6);
    const QList<int> b = WithMean(rng, 5, meanB, 6);
    static const QList<QStringList> pairs = {
        {"Reds", "Blues"}, {"Lions", "Tigers"}, {"Hawks", "Owls"}, {"Stars", "Comets"}};
    const QStringList teams = rng.pick(pairs);
    const QString winner = teams.at(meanA > meanB ? 0 : 1);
    Question q =
        Make(Para(QStringLiteral("Two quiz teams each played five rounds. Their "
                                 "scores were:")) +
                 DataTable({QStringLiteral("Team"), QStringLiteral("Scores")},
                           {{teams.at(0), ListText(a)}, {teams.at(1), ListText(b)}}),
             {NumberPart(QStringLiteral("the mean score of the %1").arg(teams.at(0)), meanA),
              NumberPart(QStringLiteral("the mean score of the %1").arg(teams.at(1)), meanB),
              AlternativesPart(QStringLiteral("Which team had the higher mean score?"),
                               {winner, QStringLiteral("the ") + winner})});
    q.working = {QStringLiteral("%1: %2 = %3, and %3 &divide; 5 = %4.")
                     .arg(teams.at(0), ListText(a, QStringLiteral(" + ")))
                     .arg(Sum(a))
                     .arg(meanA),
                 QStringLiteral("%1: %2 = %3, and %3 &divide; 5 = %4.")
                     .arg(teams.at(1), ListText(b, QStringLiteral(" + ")))
                     .arg(Sum(b))
                     .arg(meanB),
                 QStringLiteral("%1 is more than %2, so the %3 had the higher mean.")
                     .arg(std::max(meanA, meanB))
                     .arg(std::min(meanA, meanB))
                     .arg(winner)};
    return q;
}

Question MeanAfterAdding(Prng& rng)
{
    const int n = rng.range(3, 9);
    const int mean = rng.range(8, 30);
    int after = 0, added = 0;
    do {
        after = mean + rng.range(-4, 5);
        added = (n + 1) * after - n * mean;
    } while (after == mean || added < 1);
    const QString who = Name(rng);
    Question q = Make(Para(QStringLiteral("The mean of %1's first %2 test scores is %3. In the "
                                          "next test %1 scores %4.")
                               .arg(who)
                               .arg(n)
                               .arg(mean)
                               .arg(added)) +
                          Para(QStringLiteral("What is the mean of all %1 scores now?").arg(n + 1)),
                      {NumberPart(QString(), after, 2)});
    q.working = {QStringLiteral("Total of the first %1 scores: %1 &times; %2 = %3.")
                     .arg(n)
                     .arg(mean)
                     .arg(n * mean),
                 QStringLiteral("Add the new score: %1 + %2 = %3.")
                     .arg(n * mean)
                     .arg(added)
                     .arg((n + 1) * after),
                 QStringLiteral("Divide by %1 scores: %2 &divide; %1 = %3.")
                     .arg(n + 1)
                     .arg((n + 1) * after)
                     .arg(after)};
    return q;
}

/// Data that are not numbers have a mode and nothing else.
Question CategoryMode(Prng& rng)
{
    static const QList<QStringList> sets = {
        {"apple", "banana", "grape", "orange", "pear"},
        {"cat", "dog", "fish", "rabbit", "hamster"},
        {"red", "blue", "green", "yellow", "purple"},
        {"football", "swimming", "tennis", "netball", "cricket"}};
    static const QStringList subjects = {"fruit", "pet", "colour", "sport"};
    const int set = rng.range(0, int(sets.size()) - 1);
    QStringList items = sets.at(set);
    rng.shuffle(items);
    items = items.mid(0, 4);
    QList<int> counts = {rng.range(9, 14), rng.range(2, 8), rng.range(2, 8), rng.range(2, 8)};
    rng.shuffle(counts);
    const int top = int(std::max_element(counts.cbegin(), counts.cend()) - counts.cbegin());
    QList<QStringList> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({items.at(i), QString::number(counts.at(i))});
    struct Statistic {
        QString text;
        bool needsNumbers;
    };
    const QList<Statistic> statistics = {
        {"the mode", false}, {"the mean", true}, {"the median", true}, {"the range", true}};
    QList<Option> options;
    for (const Statistic& s : statistics)
        options.append({s.text, !s.needsNumbers});
    const Choice choice = UniqueChoice(rng, options);
    Question q = Make(Para(QStringLiteral("The pupils of a class were asked their favourite %1.")
                               .arg(subjects.at(set))) +
                          DataTable({QStringLiteral("Favourite %1").arg(subjects.at(set)),
                                     QStringLiteral("Number of pupils")},
                                    rows),
                      {ChoicePart(QStringLiteral("Which of these can be found for this data?"),
                                  choice.options, choice.right),
                       AlternativesPart(QStringLiteral("Work it out for this data."),
                                        {items.at(top), items.at(top) + QLatin1Char('s')})},
                      QStringLiteral("In (a) type the number of your answer, 1 to 4."));
    q.working = {QStringLiteral("The answers are words, not numbers: they cannot be added or "
                                "put in order of size, so there is no mean, median or range."),
                 QStringLiteral("Only the mode can be found: the answer given most often."),
                 QStringLiteral("The most pupils, %2, chose %1, so the mode is %1.")
                     .arg(items.at(top))
                     .arg(counts.at(top))};
    return q;
}

/// One of four sets that has the mean, median or range asked; computed for each set.
Question WhichSetHas(Prng& rng)
{
    const int stat = rng.range(0, 2);
    static const QStringList names = {"mean", "median", "range"};
    // In tenths: the mean of five whole numbers is a whole number of fifths.
    auto value = [stat](const QList<int>& set) {
        return stat == 0 ? Sum(set) * 2 : stat == 1 ? MedianTenths(set) : Range(set) * 10;
    };
    const int target = rng.range(4, 12);
    QList<QList<int>> sets;
    QList<Option> options;
    while (options.size() < 4) {
        QList<int> set;
        if (options.isEmpty() && stat == 0) {
            set = WithMean(rng, 5, target, 3);
        } else {
            for (int i = 0; i < 5; ++i)
                set.append(rng.range(1, 16));
            if (options.isEmpty() && stat == 1)
                set[rng.range(0, 4)] = target; // tried until its median is the target
        }
        const bool fits = value(set) == target * 10;
        if (fits != options.isEmpty())
            continue;
        const QString text = ListText(set);
        if (std::any_of(options.cbegin(), options.cend(),
                        [&](const Option& o) { return o.text == text; }))
            continue;
        options.append({text, fits});
        sets.append(set);
    }
    Question q;
    for (int i = 0; i < 4; ++i) {
        const QList<int>& set = sets.at(i);
        const QString found =
            stat == 0 ? QStringLiteral("total %1, mean %1 &divide; 5 = %2")
                            .arg(Sum(set))
                            .arg(DecimalText(Sum(set) * 2, 1))
            : stat == 1 ? QStringLiteral("in order %1, median %2")
                              .arg(ListText(Sorted(set)), DecimalText(MedianTenths(set), 1))
                        : QStringLiteral("range %1 &minus; %2 = %3")
                              .arg(Sorted(set).last())
                              .arg(Sorted(set).first())
                              .arg(Range(set));
        q.working.append(QStringLiteral("%1: %2.").arg(ListText(set), found));
    }
    q.working.append(QStringLiteral("Only %1 has a %2 of %3.")
                         .arg(options.first().text, names.at(stat))
                         .arg(target));
    const Choice choice = UniqueChoice(rng, options);
    const Question made = ChoiceQuestion(
        Para(
            QStringLiteral("Which set of numbers has a %1 of %2?").arg(names.at(stat)).arg(target)),
        choice);
    q.stem = made.stem;
    q.parts = made.parts;
    q.note = made.note;
    return q;
}

Question MeanOfPrices(Prng& rng)
{
    const int n = rng.range(3, 5);
    const int mean = rng.range(60, 450) * 5; // pence
    QList<int> prices = WithMean(rng, n, mean / 5, 40);
    for (int& p : prices)
        p *= 5;
    QStringList shown;
    for (int p : prices)
        shown.append(QStringLiteral("&pound;") + FixedText(p, 2));
    static const QStringList items = {"a sandwich", "a cinema ticket", "a notebook", "a bus fare",
                                      "a bag of apples"};
    Question q =
        Make(Para(QStringLiteral("The price of %1 in %2 shops is:").arg(rng.pick(items)).arg(n)) +
                 Display(shown.join(QStringLiteral(", "))) +
                 Para(QStringLiteral("Work out the mean price.")),
             {MeasurePart(QString(), mean, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("Total: %1 = &pound;%2.")
                     .arg(shown.join(QStringLiteral(" + ")))
                     .arg(FixedText(Sum(prices), 2)),
                 QStringLiteral("&pound;%1 &divide; %2 = &pound;%3.")
                     .arg(FixedText(Sum(prices), 2))
                     .arg(n)
                     .arg(FixedText(mean, 2)),
                 QStringLiteral("So the mean price is &pound;%1.").arg(FixedText(mean, 2))};
    return q;
}

Question MissingFromRange(Prng& rng)
{
    QList<int> cards;
    const int n = rng.range(3, 5);
    for (int i = 0; i < n; ++i)
        cards.append(rng.range(2, 40));
    const bool largest = rng.chance(50);
    const int range = Range(cards) + rng.range(3, 15);
    const int low = *std::min_element(cards.cbegin(), cards.cend());
    const int high = *std::max_element(cards.cbegin(), cards.cend());
    const int hidden = largest ? low + range : high - range;
    Question q =
        Make(Para(QStringLiteral("%1 cards show the numbers %2 and one card is face "
                                 "down. The range of all %3 numbers is %4, and the "
                                 "face-down number is %5 than all the others.")
                      .arg(Capital(NumberWords(n)))
                      .arg(ListText(cards))
                      .arg(n + 1)
                      .arg(range)
                      .arg(largest ? QStringLiteral("larger") : QStringLiteral("smaller"))) +
                 Para(QStringLiteral("What is the face-down number?")),
             {NumberPart(QString(), hidden)});
    q.working =
        largest
            ? QStringList{QStringLiteral("The face-down number is the largest; the "
                                         "smallest is %1.")
                              .arg(low),
                          QStringLiteral("Largest = smallest + range = %1 + %2 = %3.")
                              .arg(low)
                              .arg(range)
                              .arg(hidden)}
            : QStringList{QStringLiteral("The face-down number is the smallest; the "
                                         "largest is %1.")
                              .arg(high),
                          QStringLiteral("Smallest = largest &minus; range = %1 &minus; %2 = %3.")
                              .arg(high)
                              .arg(range)
                              .arg(Signed(hidden))};
    return q;
}

Question TotalFromMean(Prng& rng)
{
    struct Context {
        QString text;
        const Unit* unit;
        int places;
    };
    const QList<Context> contexts = {
        {"The mean mass of %1 parcels is %2 kg.", &units::kKg, 1},
        {"The mean height of %1 sunflowers is %2 m.", &units::kM, 1},
        {"The mean length of %1 ribbons is %2 cm.", &units::kCm, 1},
        {"%1 friends each paid for a meal; the mean they paid was &pound;%2.", &units::kPounds, 2}};
    const Context c = rng.pick(contexts);
    const int n = rng.range(3, 9);
    const int mean = c.places == 2 ? rng.range(30, 150) * 10 : rng.range(12, 95);
    const QString meanText = c.places == 2 ? FixedText(mean, 2) : DecimalText(mean, 1);
    Question q =
        Make(Para(c.text.arg(n).arg(meanText)) + Para(QStringLiteral("What is the total?")),
             {MeasurePart(QString(), n * mean, c.places, *c.unit)});
    q.working = {
        QStringLiteral("Mean = total &divide; number, so total = number &times; mean."),
        QStringLiteral("%1 &times; %2 = %3.").arg(n).arg(meanText, q.parts.first().answer)};
    return q;
}

Question ModeMedianRange(Prng& rng)
{
    const int mode = rng.range(3, 25);
    const QList<int> values = WithMode(rng, 7, mode, 1, 30, true);
    Question q = Make(Para(QStringLiteral("Here are the scores of seven players:")) +
                          Display(ListText(values)) + Para(QStringLiteral("Find")),
                      {NumberPart(QStringLiteral("the mode"), mode)});
    q.working.append(QStringLiteral("Mode: %1 comes up twice, every other score once, so the "
                                    "mode is %1.")
                         .arg(mode));
    const int median = MedianSteps(values, q.working);
    q.parts.append(NumberPart(QStringLiteral("the median"), median / 10));
    RangeSteps(values, q.working);
    q.parts.append(NumberPart(QStringLiteral("the range"), Range(values)));
    return q;
}

Question CombinedMean(Prng& rng)
{
    int a = 0, b = 0, ma = 0, mb = 0;
    do {
        a = rng.range(2, 6) * 5;
        b = rng.range(2, 6) * 5;
        ma = rng.range(8, 20);
        mb = rng.range(8, 20);
    } while (ma == mb || (a * ma + b * mb) % (a + b) != 0);
    const int mean = (a * ma + b * mb) / (a + b);
    static const QList<QStringList> groups = {
        {"boys", "girls", "points in a quiz"},
        {"pupils in class 6A", "pupils in class 6B", "marks in a test"},
        {"members of the chess club", "members of the art club", "points in a quiz"}};
    const QStringList g = rng.pick(groups);
    Question q = Make(Para(QStringLiteral("%1 %2 scored a mean of %3 %4. %5 %6 scored a mean of "
                                          "%7 %4.")
                               .arg(a)
                               .arg(g.at(0))
                               .arg(ma)
                               .arg(g.at(2))
                               .arg(b)
                               .arg(g.at(1))
                               .arg(mb)) +
                          Para(QStringLiteral("What is the mean score of all %1?").arg(a + b)),
                      {NumberPart(QString(), mean, 2)});
    q.working = {
        QStringLiteral("Total of the first group: %1 &times; %2 = %3.").arg(a).arg(ma).arg(a * ma),
        QStringLiteral("Total of the second group: %1 &times; %2 = %3.").arg(b).arg(mb).arg(b * mb),
        QStringLiteral("(%1 + %2) &divide; %3 = %4 &divide; %3 = %5.")
            .arg(a * ma)
            .arg(b * mb)
            .arg(a + b)
            .arg(a * ma + b * mb)
            .arg(mean)};
    return q;
}

Question ScoreForTargetMean(Prng& rng)
{
    const int n = rng.range(3, 6);
    const int mean = rng.range(55, 80);
    int target = 0, needed = 0;
    do {
        target = mean + rng.range(1, 6);
        needed = (n + 1) * target - n * mean;
    } while (needed > 100);
    const QString who = Name(rng);
    Question q = Make(Para(QStringLiteral("After %1 tests %2's mean mark is %3. What must %2 "
                                          "score in the next test to make the mean of all "
                                          "%4 tests %5?")
                               .arg(n)
                               .arg(who)
                               .arg(mean)
                               .arg(n + 1)
                               .arg(target)),
                      {NumberPart(QString(), needed, 2)});
    q.working = {QStringLiteral("Marks so far: %1 &times; %2 = %3.").arg(n).arg(mean).arg(n * mean),
                 QStringLiteral("Marks needed in all: %1 &times; %2 = %3.")
                     .arg(n + 1)
                     .arg(target)
                     .arg((n + 1) * target),
                 QStringLiteral("%1 &minus; %2 = %3, so %4 needs %3.")
                     .arg((n + 1) * target)
                     .arg(n * mean)
                     .arg(needed)
                     .arg(who)};
    return q;
}

/// The player whose scores have the smaller range is the more consistent.
Question CompareRanges(Prng& rng)
{
    QList<int> a, b;
    do {
        a.clear();
        b.clear();
        for (int i = 0; i < 6; ++i) {
            a.append(rng.range(20, 60));
            b.append(rng.range(30, 50));
        }
    } while (Range(a) == Range(b));
    QString first = Name(rng), second = Name(rng);
    if (second == first)
        second = first == QLatin1String("Tom") ? QStringLiteral("Zara") : QStringLiteral("Tom");
    if (rng.chance(50))
        std::swap(a, b);
    const QString steady = Range(a) < Range(b) ? first : second;
    Question q = Make(Para(QStringLiteral("%1 and %2 each played six games of darts. Their "
                                          "scores were:")
                               .arg(first, second)) +
                          DataTable({QStringLiteral("Player"), QStringLiteral("Scores")},
                                    {{first, ListText(a)}, {second, ListText(b)}}),
                      {NumberPart(QStringLiteral("the range of %1's scores").arg(first), Range(a)),
                       NumberPart(QStringLiteral("the range of %1's scores").arg(second), Range(b)),
                       WordPart(QStringLiteral("Who is the more consistent player?"), steady)});
    q.working.append(QStringLiteral("%1: %2 &minus; %3 = %4.")
                         .arg(first)
                         .arg(Sorted(a).last())
                         .arg(Sorted(a).first())
                         .arg(Range(a)));
    q.working.append(QStringLiteral("%1: %2 &minus; %3 = %4.")
                         .arg(second)
                         .arg(Sorted(b).last())
                         .arg(Sorted(b).first())
                         .arg(Range(b)));
    q.working.append(QStringLiteral("The smaller range means scores closer together, so %1 is "
                                    "more consistent.")
                         .arg(steady));
    return q;
}

/// Mode, range and mean of one frequency table; the end rows may be empty.
Question FrequencyTableAverages(Prng& rng)
{
    const Survey survey = PickSurvey(rng);
    const int first = survey.value == QLatin1String("Letters") ? 1 : 0;
    QList<int> values, counts;
    int total = 0, count = 0, top = 0, low = 0, high = 0;
    do {
        values.clear();
        counts.clear();
        total = count = 0;
        for (int v = first; v < first + 6; ++v) {
            values.append(v);
            counts.append(v == first || v == first + 5 ? rng.range(0, 4) : rng.range(1, 9));
            total += v * counts.last();
            count += counts.last();
        }
        top = int(std::max_element(counts.cbegin(), counts.cend()) - counts.cbegin());
        low = counts.first() > 0 ? first : first + 1;
        high = counts.last() > 0 ? first + 5 : first + 4;
    } while (counts.count(counts.at(top)) != 1 || total % count != 0);
    QStringList products;
    for (int i = 0; i < values.size(); ++i)
        products.append(QStringLiteral("%1 &times; %2").arg(values.at(i)).arg(counts.at(i)));
    Question q =
        Make(Para(QStringLiteral("The table shows the number of %1.").arg(survey.question)) +
                 FrequencyTable(survey.value, survey.counted, values, counts) +
                 Para(QStringLiteral("Work out")),
             {NumberPart(QStringLiteral("the mode"), values.at(top)),
              NumberPart(QStringLiteral("the range"), high - low),
              NumberPart(QStringLiteral("the mean"), total / count, 2)});
    q.working = {
        QStringLiteral("Mode: the largest frequency is %1, for %2.")
            .arg(counts.at(top))
            .arg(values.at(top)),
        QStringLiteral("Range: the values that occur go from %1 to %2, so %2 &minus; %1 = %3.")
            .arg(low)
            .arg(high)
            .arg(high - low),
        QStringLiteral("Mean: (%1) &divide; %2 = %3 &divide; %2 = %4.")
            .arg(products.join(QStringLiteral(" + ")))
            .arg(count)
            .arg(total)
            .arg(total / count)};
    return q;
}

/// A value added to a list: the new mean and the new median.
Question AddedValueEffects(Prng& rng)
{
    const int mean = rng.range(6, 20);
    QList<int> values = WithMean(rng, 4, mean, 5);
    const int added = rng.range(1, 40);
    QList<int> after = values;
    after.append(added);
    if ((Sum(after) % 5) != 0) {
        const int fix = 5 - Sum(after) % 5;
        after.last() += fix; // keeps the new mean whole
    }
    if (after.last() == mean)
        after.last() += 5; // a score equal to the mean would leave it as it was
    const int extra = after.last();
    const QString who = Name(rng);
    Question q =
        Make(Para(QStringLiteral("%1's first four scores in a game were %2.")
                      .arg(who, ListText(values))) +
                 Para(QStringLiteral("%1 then scored %2.").arg(who).arg(extra)),
             {NumberPart(QStringLiteral("What was the mean of the first four scores?"), mean),
              NumberPart(QStringLiteral("What is the mean of all five scores?"), Sum(after) / 5),
              NumberPart(QStringLiteral("What is the median of all five scores?"),
                         MedianTenths(after) / 10)});
    q.working = {QStringLiteral("First four: %1 = %2, and %2 &divide; 4 = %3.")
                     .arg(ListText(values, QStringLiteral(" + ")))
                     .arg(Sum(values))
                     .arg(mean),
                 QStringLiteral("All five: %1 + %2 = %3, and %3 &divide; 5 = %4.")
                     .arg(Sum(values))
                     .arg(extra)
                     .arg(Sum(after))
                     .arg(Sum(after) / 5),
                 QStringLiteral("In order: %1; the middle one is %2.")
                     .arg(ListText(Sorted(after)))
                     .arg(MedianTenths(after) / 10)};
    return q;
}

} // namespace

QList<Generator> StatisticsKinds()
{
    return {MeanOfList,
            MedianOfList,
            ModeOfList,
            RangeOfList,
            MissingValueFromMean,
            MeanFromFrequencyTable,
            ModeFromFrequencyTable,
            MedianFromFrequencyTable,
            CompareMeans,
            MeanAfterAdding,
            CategoryMode,
            WhichSetHas,
            MeanOfPrices,
            MissingFromRange,
            TotalFromMean,
            ModeMedianRange,
            CombinedMean,
            ScoreForTargetMean,
            CompareRanges,
            FrequencyTableAverages,
            AddedValueEffects};
}

} // namespace orlavine::pack
