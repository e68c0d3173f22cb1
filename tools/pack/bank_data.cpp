// Position and direction; charts and tables; averages and probability.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack
{

namespace
{

QString Point(QPoint p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

const char* const kNotePoint = "Write coordinates in brackets with a comma, like (3,5).";

QList<QPoint> DistinctPoints(Prng& rng, int count, int low, int high)
{
    QList<QPoint> points;
    while (points.size() < count) {
        const QPoint p(rng.range(low, high), rng.range(low, high));
        if (!points.contains(p) && p.x() != 0 && p.y() != 0)
            points.append(p);
    }
    return points;
}

Question ReadPoints(Prng& rng)
{
    const QList<QPoint> points = DistinctPoints(rng, 2, 1, 8);
    Question q = Make(Para(QStringLiteral("Write the coordinates of each point.")),
                      {ExactPart(QStringLiteral("Point A"), 'R', Point(points.at(0))),
                       ExactPart(QStringLiteral("Point B"), 'R', Point(points.at(1)))},
                      QLatin1String(kNotePoint));
    q.pictures = {CoordinateGrid(
        8, false, {{QStringLiteral("A"), points.at(0)}, {QStringLiteral("B"), points.at(1)}})};
    return q;
}

Question WhichPoint(Prng& rng)
{
    const QList<QPoint> points = DistinctPoints(rng, 4, 1, 8);
    const int right = rng.range(0, 3);
    QList<QPair<QString, QPoint>> marked;
    for (int i = 0; i < 4; ++i)
        marked.append({QString(QChar('P' + i)), points.at(i)});
    Question q = Make(Para(QStringLiteral("Which point is at <b>%1</b>? Write its letter.")
                               .arg(Point(points.at(right)))),
                      {WordPart(QString(), QString(QChar('P' + right)))});
    q.pictures = {CoordinateGrid(8, false, marked)};
    return q;
}

Question FourQuadrants(Prng& rng)
{
    // At least one point away from the first quadrant.
    QList<QPoint> points = DistinctPoints(rng, 2, -5, 5);
    if (points.at(0).x() > 0 && points.at(0).y() > 0 && points.at(1).x() > 0 &&
        points.at(1).y() > 0)
        points[0].setX(-points.at(0).x());
    Question q = Make(Para(QStringLiteral("Write the coordinates of points C and D.")),
                      {ExactPart(QStringLiteral("Point C"), 'R', Point(points.at(0))),
                       ExactPart(QStringLiteral("Point D"), 'R', Point(points.at(1)))},
                      QStringLiteral("Write coordinates in brackets with a comma, like (-2,4)."));
    q.pictures = {CoordinateGrid(
        5, true, {{QStringLiteral("C"), points.at(0)}, {QStringLiteral("D"), points.at(1)}})};
    return q;
}

Question Translate(Prng& rng)
{
    const QPoint p(rng.range(1, 6), rng.range(1, 6));
    const QPoint move(rng.range(1, 4), rng.range(-1, 3));
    const QString up = move.y() == 0  ? QString()
                       : move.y() > 0 ? QStringLiteral(" and %1 up").arg(move.y())
                                      : QStringLiteral(" and %1 down").arg(-move.y());
    return Make(Para(QStringLiteral("Point P is at %1. It moves %2 squares right%3.")
                         .arg(Point(p))
                         .arg(move.x())
                         .arg(up)),
                {ExactPart(QStringLiteral("What are its new coordinates?"), 'R', Point(p + move))},
                QLatin1String(kNotePoint));
}

Question SquareCorner(Prng& rng)
{
    const int x = rng.range(1, 5), y = rng.range(1, 5), s = rng.range(2, 4);
    QList<QPoint> corners = {{x, y}, {x + s, y}, {x + s, y + s}, {x, y + s}};
    const int missing = rng.range(0, 3);
    const QPoint answer = corners.takeAt(missing);
    return Make(Para(QStringLiteral("Three corners of a square are at %1, %2 and %3.")
                         .arg(Point(corners.at(0)), Point(corners.at(1)), Point(corners.at(2)))),
                {ExactPart(QStringLiteral("What are the coordinates of the fourth corner?"), 'R',
                           Point(answer))},
                QLatin1String(kNotePoint));
}

const QStringList kFruits = {"Apple", "Banana", "Grape", "Mango", "Pear", "Plum"};

Question BarChartQuestion(Prng& rng)
{
    QStringList labels = kFruits;
    rng.shuffle(labels);
    labels = labels.mid(0, 5);
    QList<int> values;
    while (values.size() < 5) {
        const int v = rng.range(1, 12) * 2;
        if (!values.contains(v))
            values.append(v);
    }
    int most = 0;
    int total = 0;
    for (int i = 0; i < 5; ++i) {
        most = values.at(i) > values.at(most) ? i : most;
        total += values.at(i);
    }
    Question q = Make(
        Para(QStringLiteral("The bar chart shows the favourite fruit of the pupils in Year 6.")),
        {NumberPart(QStringLiteral("How many pupils chose %1?").arg(labels.at(1).toLower()),
                    values.at(1)),
         NumberPart(QStringLiteral("How many more pupils chose %1 than %2?")
                        .arg(labels.at(most).toLower(), labels.at(most == 0 ? 2 : 0).toLower()),
                    values.at(most) - values.at(most == 0 ? 2 : 0)),
         WordPart(QStringLiteral("Which fruit was chosen most often?"), labels.at(most)),
         NumberPart(QStringLiteral("How many pupils are there in Year 6 altogether?"), total, 2)});
    q.pictures = {
        BarChart(QStringLiteral("Favourite fruit"), labels, values, 4, QStringLiteral("Pupils"))};
    return q;
}

Question PictogramQuestion(Prng& rng)
{
    static const QStringList days = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    const int per = rng.pick(QList<int>{2, 4, 10});
    QList<int> values;
    for (int i = 0; i < 5; ++i)
        values.append(rng.range(2, 12) * per / 2);
    const int day = rng.range(0, 4);
    Question q = Make(
        Para(QStringLiteral("The pictogram shows how many books were borrowed from the library.")),
        {NumberPart(QStringLiteral("How many books were borrowed on %1?").arg(days.at(day)),
                    values.at(day)),
         NumberPart(QStringLiteral("How many books were borrowed on Monday and Tuesday together?"),
                    values.at(0) + values.at(1))});
    q.pictures = {Pictogram(days, values, per)};
    return q;
}

Question LineGraphQuestion(Prng& rng)
{
    const QStringList hours = {"8 am", "10 am", "12 noon", "2 pm", "4 pm", "6 pm"};
    QList<int> temperatures;
    int t = rng.range(4, 10);
    for (int i = 0; i < 6; ++i) {
        temperatures.append(t);
        t = std::max(1, t + (i < 3 ? rng.range(1, 5) : -rng.range(0, 4)));
    }
    Question q = Make(
        Para(QStringLiteral("The line graph shows the temperature in a garden during one day.")),
        {NumberPart(QStringLiteral("What was the temperature at %1, in &deg;C?").arg(hours.at(2)),
                    temperatures.at(2)),
         NumberPart(
             QStringLiteral("By how many degrees did the temperature rise from 8 am to 12 noon?"),
             temperatures.at(2) - temperatures.at(0))});
    q.pictures = {LineGraph(QStringLiteral("Temperature in the garden"), hours, temperatures, 2,
                            QStringLiteral("°C"))};
    return q;
}

Question PieQuestion(Prng& rng)
{
    static const QStringList ways = {"Walk", "Car", "Bus", "Bike"};
    QList<int> quarters = {2, 1, 1};
    rng.shuffle(quarters);
    const int pupils = rng.range(3, 10) * 4;
    QList<int> values;
    for (int k : quarters)
        values.append(k * pupils / 4);
    Question q = Make(
        Para(QStringLiteral(
                 "%1 pupils were asked how they travel to school. The pie chart shows the answers.")
                 .arg(pupils)),
        {ExactPart(QStringLiteral("What fraction of the pupils walk?"), 'F',
                   SimplestFraction(quarters.at(0), 4)),
         NumberPart(QStringLiteral("How many pupils come by car?"), values.at(1))},
        QLatin1String(kNoteFraction));
    q.pictures = {PieChart(ways.mid(0, 3), values)};
    return q;
}

Question TableQuestion(Prng& rng)
{
    static const QStringList clubs = {"Chess", "Choir", "Football", "Art"};
    QList<QStringList> rows;
    int most = 0;
    QList<int> totals;
    for (int i = 0; i < 4; ++i) {
        const int boys = rng.range(3, 15), girls = rng.range(3, 15);
        totals.append(boys + girls);
        rows.append({clubs.at(i), QString::number(boys), QString::number(girls)});
        most = totals.at(i) > totals.at(most) ? i : most;
    }
    const bool tie = totals.count(totals.at(most)) > 1;
    QList<Part> parts = {
        NumberPart(
            QStringLiteral("How many children are in the %1 club?").arg(clubs.at(1).toLower()),
            totals.at(1)),
        NumberPart(QStringLiteral("How many children go to a club altogether?"),
                   totals.at(0) + totals.at(1) + totals.at(2) + totals.at(3))};
    if (!tie)
        parts.append(WordPart(QStringLiteral("Which club has the most children?"), clubs.at(most)));
    return Make(Para(QStringLiteral("The table shows how many boys and girls go to each club.")) +
                    DataTable({"Club", "Boys", "Girls"}, rows),
                parts);
}

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

QList<Generator> PositionKinds()
{
    return {ReadPoints, WhichPoint, FourQuadrants, Translate, Translate, SquareCorner};
}

QList<Generator> ChartKinds()
{
    return {BarChartQuestion, PictogramQuestion, LineGraphQuestion,
            PieQuestion,      TableQuestion,     TableQuestion};
}

QList<Generator> AverageKinds()
{
    return {Averages, Averages, Likelihood, BagOfCounters, SpinnerQuestion, CoinChance};
}

} // namespace orlavine::pack
