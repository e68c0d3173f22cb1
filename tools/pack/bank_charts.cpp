// Charts and tables: bar charts, pictograms, line graphs, pie charts, tables.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

const QStringList kFruits = {"Apple", "Banana", "Grape", "Mango", "Pear", "Plum"};

/// A fruit's name as a pupil writes it: one or many ("mango", "mangoes", "mangos").
QStringList FruitNames(const QString& fruit)
{
    const QString one = fruit.toLower();
    QStringList names = {one, one + QLatin1Char('s')};
    if (one.endsWith(QLatin1Char('o')))
        names.append(one + QLatin1String("es"));
    return names;
}

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
         AlternativesPart(QStringLiteral("Which fruit was chosen most often?"),
                          FruitNames(labels.at(most))),
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
        {MeasurePart(QStringLiteral("What was the temperature at %1?").arg(hours.at(2)),
                     temperatures.at(2), 0, units::kCelsius),
         MeasurePart(
             QStringLiteral("By how many degrees did the temperature rise from 8 am to 12 noon?"),
             temperatures.at(2) - temperatures.at(0), 0, units::kCelsius)});
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
        {FractionAnswerPart(QStringLiteral("What fraction of the pupils walk?"), quarters.at(0), 4,
                            false),
         NumberPart(QStringLiteral("How many pupils come by car?"), values.at(1))},
        QLatin1String(kNoteAnyFraction));
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
    const int asked = rng.range(0, 3);
    QList<Part> parts = {
        NumberPart(
            QStringLiteral("How many children are in the %1 club?").arg(clubs.at(asked).toLower()),
            totals.at(asked)),
        NumberPart(QStringLiteral("How many children go to a club altogether?"),
                   totals.at(0) + totals.at(1) + totals.at(2) + totals.at(3))};
    if (!tie)
        parts.append(AlternativesPart(QStringLiteral("Which club has the most children?"),
                                      {clubs.at(most).toLower(),
                                       clubs.at(most).toLower() + QLatin1String(" club"),
                                       QLatin1String("the ") + clubs.at(most).toLower() +
                                           QLatin1String(" club")}));
    return Make(Para(QStringLiteral("The table shows how many boys and girls go to each club.")) +
                    DataTable({"Club", "Boys", "Girls"}, rows),
                parts);
}

} // namespace

QList<Generator> ChartKinds()
{
    return {BarChartQuestion, PictogramQuestion, LineGraphQuestion,
            PieQuestion,      TableQuestion,     TableQuestion};
}

} // namespace orlavine::pack
