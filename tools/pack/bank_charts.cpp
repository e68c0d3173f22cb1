// Charts and tables: bar charts, pictograms, line graphs, pie charts, tables.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

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
    const int other = most == 0 ? 2 : 0;
    QStringList all;
    for (int v : values)
        all.append(QString::number(v));
    q.working = {
        QStringLiteral("The %1 bar reaches %2.").arg(labels.at(1).toLower()).arg(values.at(1)),
        QStringLiteral("%1 &minus; %2 = %3 more chose %4 than %5.")
            .arg(values.at(most))
            .arg(values.at(other))
            .arg(values.at(most) - values.at(other))
            .arg(labels.at(most).toLower(), labels.at(other).toLower()),
        QStringLiteral("The tallest bar is %1.").arg(labels.at(most).toLower()),
        QStringLiteral("Altogether: %1 = %2 pupils.")
            .arg(all.join(QStringLiteral(" + ")))
            .arg(total)};
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
    auto symbols = [per](int value) {
        const int halves = value * 2 / per;
        return halves % 2 ? QStringLiteral("%1 and a half symbols").arg(halves / 2)
                          : QStringLiteral("%1 symbols").arg(halves / 2);
    };
    q.working = {QStringLiteral("Each whole symbol stands for %1 books, half a symbol for %2.")
                     .arg(per)
                     .arg(per / 2),
                 QStringLiteral("%1 has %2: %3 books.")
                     .arg(days.at(day), symbols(values.at(day)))
                     .arg(values.at(day)),
                 QStringLiteral("Monday %1 + Tuesday %2 = %3 books.")
                     .arg(values.at(0))
                     .arg(values.at(1))
                     .arg(values.at(0) + values.at(1))};
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
    q.working = {QStringLiteral("Go up from 12 noon to the line, then across: %1&deg;C.")
                     .arg(temperatures.at(2)),
                 QStringLiteral("At 8 am it was %1&deg;C: %2 &minus; %1 = %3&deg;C.")
                     .arg(temperatures.at(0))
                     .arg(temperatures.at(2))
                     .arg(temperatures.at(2) - temperatures.at(0))};
    return q;
}

Question PieQuestion(Prng& rng)
{
    QStringList ways = {"Walk", "Car", "Bus", "Bike", "Scooter"};
    rng.shuffle(ways);
    QList<int> quarters = rng.chance(60) ? QList<int>{2, 1, 1} : QList<int>{1, 1, 1, 1};
    rng.shuffle(quarters);
    ways = ways.mid(0, quarters.size());
    const int pupils = rng.range(3, 15) * 4;
    QList<int> values;
    for (int k : quarters)
        values.append(k * pupils / 4);
    const int asked = rng.range(0, int(ways.size()) - 1);
    const int counted = (asked + rng.range(1, int(ways.size()) - 1)) % int(ways.size());
    auto travel = [](const QString& way) {
        return way == QLatin1String("Walk") ? QStringLiteral("walk")
                                            : QStringLiteral("come by ") + way.toLower();
    };
    auto part = [](int k) { return k == 2 ? QStringLiteral("half") : QStringLiteral("a quarter"); };
    Question q = Make(
        Para(QStringLiteral(
                 "%1 pupils were asked how they travel to school. The pie chart shows the answers.")
                 .arg(pupils)),
        {FractionAnswerPart(
             QStringLiteral("What fraction of the pupils %1?").arg(travel(ways.at(asked))),
             quarters.at(asked), 4, false),
         NumberPart(QStringLiteral("How many pupils %1?").arg(travel(ways.at(counted))),
                    values.at(counted))},
        QLatin1String(kNoteAnyFraction));
    q.pictures = {PieChart(ways, values)};
    q.working = {QStringLiteral("The %1 part is %2 of the circle: %3.")
                     .arg(ways.at(asked).toLower(), part(quarters.at(asked)),
                          FractionHtml(quarters.at(asked), 4)),
                 QStringLiteral("The %1 part is %2 of the circle: %3 of %4 = %5 pupils.")
                     .arg(ways.at(counted).toLower(), part(quarters.at(counted)),
                          FractionHtml(quarters.at(counted), 4))
                     .arg(pupils)
                     .arg(values.at(counted))};
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
        parts.append(AlternativesPart(
            QStringLiteral("Which club has the most children?"),
            {clubs.at(most).toLower(), clubs.at(most).toLower() + QLatin1String(" club"),
             QLatin1String("the ") + clubs.at(most).toLower() + QLatin1String(" club")}));
    Question q =
        Make(Para(QStringLiteral("The table shows how many boys and girls go to each club.")) +
                 DataTable({"Club", "Boys", "Girls"}, rows),
             parts);
    q.working = {QStringLiteral("%1 club: %2 + %3 = %4 children.")
                     .arg(clubs.at(asked), rows.at(asked).at(1), rows.at(asked).at(2))
                     .arg(totals.at(asked)),
                 QStringLiteral("All clubs: %1 + %2 + %3 + %4 = %5 children.")
                     .arg(totals.at(0))
                     .arg(totals.at(1))
                     .arg(totals.at(2))
                     .arg(totals.at(3))
                     .arg(totals.at(0) + totals.at(1) + totals.at(2) + totals.at(3))};
    if (!tie)
        q.working.append(QStringLiteral("The biggest total is %1, the %2 club.")
                             .arg(totals.at(most))
                             .arg(clubs.at(most).toLower()));
    return q;
}

/// Different whole numbers from lo to hi, each a multiple of `step`.
QList<int> DistinctValues(Prng& rng, int count, int lo, int hi, int step)
{
    QList<int> values;
    while (values.size() < count) {
        const int v = rng.range(lo, hi) * step;
        if (!values.contains(v))
            values.append(v);
    }
    return values;
}

QString Sum(const QList<int>& values)
{
    QStringList shown;
    int total = 0;
    for (int v : values) {
        shown.append(QString::number(v));
        total += v;
    }
    return QStringLiteral("%1 = %2").arg(shown.join(QStringLiteral(" + "))).arg(total);
}

/// A time of day in minutes after midnight as "09:05".
QString Clock24(int minutes)
{
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

Question SportsChart(Prng& rng)
{
    QStringList sports = {"Swim", "Run", "Tennis", "Netball", "Hockey", "Golf"};
    rng.shuffle(sports);
    sports = sports.mid(0, 4);
    const QList<int> values = DistinctValues(rng, 4, 1, 9, 5);
    const int a = rng.range(0, 3);
    int b = rng.range(0, 2);
    b = b >= a ? b + 1 : b;
    const int big = values.at(a) > values.at(b) ? a : b, small = big == a ? b : a;
    Question q = Make(
        Para(QStringLiteral("The bar chart shows the sports chosen by children at a summer camp.")),
        {NumberPart(QStringLiteral("How many fewer children chose %1 than %2?")
                        .arg(sports.at(small).toLower(), sports.at(big).toLower()),
                    values.at(big) - values.at(small)),
         NumberPart(QStringLiteral("How many children were asked altogether?"),
                    values.at(0) + values.at(1) + values.at(2) + values.at(3), 2)});
    q.pictures = {
        BarChart(QStringLiteral("Sports chosen"), sports, values, 5, QStringLiteral("Children"))};
    q.working = {QStringLiteral("%1 has %2 and %3 has %4: %2 &minus; %4 = %5 fewer.")
                     .arg(sports.at(big))
                     .arg(values.at(big))
                     .arg(sports.at(small))
                     .arg(values.at(small))
                     .arg(values.at(big) - values.at(small)),
                 QStringLiteral("Add all the bars: %1 children.").arg(Sum(values))};
    return q;
}

Question MissingBar(Prng& rng)
{
    QStringList pets = {"Cat", "Dog", "Fish", "Rabbit", "Bird", "Hamster"};
    rng.shuffle(pets);
    pets = pets.mid(0, 5);
    const QList<int> values = DistinctValues(rng, 5, 1, 10, 2);
    const int missing = rng.range(0, 4);
    int total = 0;
    for (int v : values)
        total += v;
    QList<int> drawn = values;
    drawn[missing] = 0;
    Question q = Make(
        Para(QStringLiteral("%1 children said which pet they like best. The bar for "
                            "%2 has not been drawn yet.")
                 .arg(total)
                 .arg(pets.at(missing).toLower())),
        {NumberPart(QStringLiteral("How many children chose %1?").arg(pets.at(missing).toLower()),
                    values.at(missing), 2)});
    q.pictures = {
        BarChart(QStringLiteral("Favourite pets"), pets, drawn, 2, QStringLiteral("Children"))};
    QList<int> shown = values;
    shown.removeAt(missing);
    q.working = {QStringLiteral("The bars drawn add up to %1.").arg(Sum(shown)),
                 QStringLiteral("%1 &minus; %2 = %3 children chose %4.")
                     .arg(total)
                     .arg(total - values.at(missing))
                     .arg(values.at(missing))
                     .arg(pets.at(missing).toLower())};
    return q;
}

Question PictogramSymbols(Prng& rng)
{
    static const QStringList days = {"Mon", "Tue", "Wed", "Thu", "Fri"};
    const int per = rng.pick(QList<int>{2, 4, 6, 10});
    QList<int> values;
    for (int i = 0; i < 4; ++i)
        values.append(rng.range(1, 12) * per / 2);
    const int day = rng.range(0, 3);
    const int fridayHalves = rng.range(1, 12);
    const int friday = fridayHalves * per / 2;
    Question q =
        Make(Para(QStringLiteral("The pictogram shows how many cars were washed at a car wash from "
                                 "Monday to Thursday.")),
             {NumberPart(QStringLiteral("How many cars were washed on %1?").arg(days.at(day)),
                         values.at(day)),
              AlternativesPart(
                  QStringLiteral("On Friday %1 cars were washed. How many symbols are "
                                 "needed for Friday?")
                      .arg(friday),
                  NumberForms(fridayHalves * 5, 1) +
                      (fridayHalves % 2
                           ? QStringList{QStringLiteral("%1 1/2").arg(fridayHalves / 2),
                                         QStringLiteral("%1 and a half").arg(fridayHalves / 2)}
                           : QStringList{}))});
    q.pictures = {Pictogram(days.mid(0, 4), values, per)};
    q.working = {QStringLiteral("One symbol stands for %1 cars.").arg(per),
                 QStringLiteral("%1: %2 symbols &times; %3 = %4 cars.")
                     .arg(days.at(day), DecimalText(values.at(day) * 10 / per, 1))
                     .arg(per)
                     .arg(values.at(day)),
                 QStringLiteral("Friday: %1 &divide; %2 = %3 symbols.")
                     .arg(friday)
                     .arg(per)
                     .arg(DecimalText(fridayHalves * 5, 1))};
    return q;
}

Question PlantGrowth(Prng& rng)
{
    const QStringList weeks = {"0", "1", "2", "3", "4", "5"};
    QList<int> heights;
    int h = rng.range(1, 4);
    for (int i = 0; i < 6; ++i) {
        heights.append(h);
        h += rng.range(1, 5);
    }
    const int at = rng.range(1, 5);
    const int from = rng.range(0, 3), to = rng.range(from + 1, 5);
    const QString plant =
        rng.pick(QStringList{"sunflower", "bean plant", "tomato plant", "pea plant"});
    Question q =
        Make(Para(QStringLiteral("The line graph shows the height of a %1 each week.").arg(plant)),
             {MeasurePart(QStringLiteral("How tall was it in week %1?").arg(at), heights.at(at), 0,
                          units::kCm),
              MeasurePart(
                  QStringLiteral("How much did it grow from week %1 to week %2?").arg(from).arg(to),
                  heights.at(to) - heights.at(from), 0, units::kCm)});
    q.pictures = {LineGraph(QStringLiteral("Height of the %1 (weeks)").arg(plant), weeks, heights,
                            2, QStringLiteral("cm"))};
    q.working = {QStringLiteral("Week %1: the point is at %2 cm.").arg(at).arg(heights.at(at)),
                 QStringLiteral("Week %1 is %2 cm and week %3 is %4 cm: %4 &minus; %2 = %5 cm.")
                     .arg(from)
                     .arg(heights.at(from))
                     .arg(to)
                     .arg(heights.at(to))
                     .arg(heights.at(to) - heights.at(from))};
    return q;
}

const Unit kMiles{"miles", {"miles", "mile"}};

const Unit kInches{"inches", {"inches", "inch", "in"}};
const Unit kGallons{"gallons", {"gallons", "gallon"}};

Question ConversionGraph(Prng& rng)
{
    // Each graph is marked every `from` of the first unit, which is `to` of the second.
    struct Conversion {
        const char* fromName;
        const char* toName;
        const char* toShort;
        int from;
        int to;
        const Unit* fromUnit;
        const Unit* toUnit;
    };
    static const QList<Conversion> conversions = {
        {"miles", "kilometres", "km", 5, 8, &kMiles, &units::kKm},
        {"inches", "centimetres", "cm", 2, 5, &kInches, &units::kCm},
        {"gallons", "litres", "litres", 2, 9, &kGallons, &units::kLitres}};
    const Conversion& c = rng.pick(conversions);
    const int scale = rng.range(1, 3);
    QStringList labels;
    QList<int> values;
    for (int i = 0; i < 6; ++i) {
        labels.append(QString::number(i * c.from * scale));
        values.append(i * c.to * scale);
    }
    const int steps = rng.range(1, 5);
    const int first = steps * c.from * scale, second = steps * c.to * scale;
    const bool forward = rng.chance(50);
    const QString fromName = QString::fromLatin1(c.fromName),
                  toName = QString::fromLatin1(c.toName);
    Question q = Make(
        Para(QStringLiteral("The graph changes %1 (along the bottom) into %2 (up the "
                            "side).")
                 .arg(fromName, toName)),
        {forward
             ? MeasurePart(
                   QStringLiteral("How many %1 is %2 %3?").arg(toName).arg(first).arg(fromName),
                   second, 0, *c.toUnit)
             : MeasurePart(
                   QStringLiteral("How many %1 is %2 %3?").arg(fromName).arg(second).arg(toName),
                   first, 0, *c.fromUnit)});
    q.pictures = {LineGraph(QStringLiteral("Changing %1 into %2").arg(fromName, toName), labels,
                            values, c.to * scale, QString::fromLatin1(c.toShort))};
    q.working = {forward
                     ? QStringLiteral("Go up from %1 %2 to the line, then across to the side.")
                           .arg(first)
                           .arg(fromName)
                     : QStringLiteral("Go across from %1 %2 to the line, then down to the bottom.")
                           .arg(second)
                           .arg(toName),
                 QStringLiteral("The line passes through %1 %2 and %3 %4, so the answer is %5.")
                     .arg(first)
                     .arg(fromName)
                     .arg(second)
                     .arg(toName)
                     .arg(forward ? QStringLiteral("%1 %2").arg(second).arg(toName)
                                  : QStringLiteral("%1 %2").arg(first).arg(fromName))};
    return q;
}

Question PieAngles(Prng& rng)
{
    static const QStringList lunches = {"Sandwich", "Pasta", "Soup", "Salad"};
    // Angles in twelfths of a turn (30 degrees); the total of pupils a multiple of 12.
    QList<int> twelfths;
    for (;;) {
        twelfths = {rng.range(1, 6), rng.range(1, 5), rng.range(1, 4)};
        const int rest = 12 - twelfths.at(0) - twelfths.at(1) - twelfths.at(2);
        if (rest >= 1) {
            twelfths.append(rest);
            break;
        }
    }
    const int pupils = 12 * rng.range(2, 6);
    const int asked = rng.range(0, 3);
    QList<int> values;
    for (int t : twelfths)
        values.append(t * pupils / 12);
    const int angle = twelfths.at(asked) * 30;
    Question q = Make(
        Para(QStringLiteral("%1 pupils chose their lunch. In the pie chart the %2 part has an "
                            "angle of %3&deg;.")
                 .arg(pupils)
                 .arg(lunches.at(asked).toLower())
                 .arg(angle)),
        {FractionAnswerPart(QStringLiteral("What fraction of the pupils chose %1?")
                                .arg(lunches.at(asked).toLower()),
                            angle / Gcd(angle, 360), 360 / Gcd(angle, 360), false),
         NumberPart(QStringLiteral("How many pupils chose %1?").arg(lunches.at(asked).toLower()),
                    values.at(asked), 2)},
        QLatin1String(kNoteAnyFraction));
    q.pictures = {PieChart(lunches, values)};
    const int g = Gcd(angle, 360);
    q.working = {QStringLiteral("A whole circle is 360&deg;, so the fraction is %1 = %2.")
                     .arg(FractionHtml(angle, 360), FractionHtml(angle / g, 360 / g)),
                 QStringLiteral("%1 of %2: %2 &divide; %3 &times; %4 = %5 pupils.")
                     .arg(FractionHtml(angle / g, 360 / g))
                     .arg(pupils)
                     .arg(360 / g)
                     .arg(angle / g)
                     .arg(values.at(asked))};
    return q;
}

Question TwoWayTable(Prng& rng)
{
    static const QStringList columns = {"Packed lunch", "School dinner"};
    const int boysPacked = rng.range(5, 25), boysDinner = rng.range(5, 25);
    const int girlsPacked = rng.range(5, 25), girlsDinner = rng.range(5, 25);
    const int boys = boysPacked + boysDinner, girls = girlsPacked + girlsDinner;
    const int packed = boysPacked + girlsPacked;
    Question q =
        Make(Para(QStringLiteral("The table shows how the children of a school have lunch. Some "
                                 "numbers are missing.")) +
                 DataTable({"", columns.at(0), columns.at(1), "Total"},
                           {{"Boys", QString::number(boysPacked), "A", QString::number(boys)},
                            {"Girls", "B", QString::number(girlsDinner), QString::number(girls)},
                            {"Total", QString::number(packed),
                             QString::number(boysDinner + girlsDinner), "C"}}),
             {NumberPart(QStringLiteral("What number is A?"), boysDinner),
              NumberPart(QStringLiteral("What number is B?"), girlsPacked),
              NumberPart(QStringLiteral("What number is C?"), boys + girls)});
    q.working = {
        QStringLiteral("Each row and each column adds up to its total."),
        QStringLiteral("A: all the boys less the boys with a packed lunch, %1 &minus; %2 = %3.")
            .arg(boys)
            .arg(boysPacked)
            .arg(boysDinner),
        QStringLiteral("B: all the packed lunches less the boys', %1 &minus; %2 = %3.")
            .arg(packed)
            .arg(boysPacked)
            .arg(girlsPacked),
        QStringLiteral("C: boys and girls together, %1 + %2 = %3 children.")
            .arg(boys)
            .arg(girls)
            .arg(boys + girls)};
    return q;
}

Question Timetable(Prng& rng)
{
    QStringList stops = {"Bus station", "Market", "School", "Park", "Hospital", "Library"};
    const QString first = stops.takeFirst();
    rng.shuffle(stops);
    stops = QStringList{first} + stops.mid(0, 3);
    const QList<int> legs = {rng.range(4, 15), rng.range(4, 15), rng.range(4, 15)};
    QList<int> starts = {rng.range(96, 114) * 5};
    for (int i = 0; i < 3; ++i)
        starts.append(starts.last() + rng.range(4, 9) * 5);
    QList<QStringList> rows;
    auto at = [&](int bus, int stop) {
        int t = starts.at(bus);
        for (int i = 0; i < stop; ++i)
            t += legs.at(i);
        return t;
    };
    for (int s = 0; s < 4; ++s) {
        QStringList row = {stops.at(s)};
        for (int b = 0; b < 4; ++b)
            row.append(Clock24(at(b, s)));
        rows.append(row);
    }
    const int journey = legs.at(0) + legs.at(1) + legs.at(2);
    const int bus = rng.range(0, 2);
    const int deadline = at(bus, 2) + rng.range(0, at(bus + 1, 2) - at(bus, 2) - 1);
    const int read = rng.range(0, 3);
    const QString name = Name(rng);
    Question q = Make(
        Para(QStringLiteral("Here is part of a bus timetable.")) +
            DataTable({"Stop", "Bus 1", "Bus 2", "Bus 3", "Bus 4"}, rows),
        {FormPart(QStringLiteral("When does Bus %1 reach the %2?")
                      .arg(read + 1)
                      .arg(stops.at(3).toLower()),
                  'R', Clock24(at(read, 3)), QStringLiteral("as hh:mm")),
         MeasurePart(QStringLiteral("How long does a bus take from the %1 to the %2?")
                         .arg(stops.at(0).toLower(), stops.at(3).toLower()),
                     journey, 0, units::kMinutes),
         FormPart(QStringLiteral("%1 must be at the %2 by %3. What is the latest time %1 can leave "
                                 "the %4?")
                      .arg(name, stops.at(2).toLower(), Clock24(deadline), stops.at(0).toLower()),
                  'R', Clock24(starts.at(bus)), QStringLiteral("as hh:mm"), 2)});
    q.working = {
        QStringLiteral("Bus %1 is at the %2 at %3.")
            .arg(read + 1)
            .arg(stops.at(3).toLower(), Clock24(at(read, 3))),
        QStringLiteral("From %1 to %2 is %3 minutes.")
            .arg(Clock24(starts.at(0)), Clock24(at(0, 3)))
            .arg(journey),
        QStringLiteral("Bus %1 reaches the %2 at %3, in time; bus %4 comes at %5, too late.")
            .arg(bus + 1)
            .arg(stops.at(2).toLower(), Clock24(at(bus, 2)))
            .arg(bus + 2)
            .arg(Clock24(at(bus + 1, 2))),
        QStringLiteral("So %1 leaves on bus %2 at %3.")
            .arg(name)
            .arg(bus + 1)
            .arg(Clock24(starts.at(bus)))};
    return q;
}

Question CityTemperatures(Prng& rng)
{
    QStringList cities = {"Oslo", "Paris", "Rome", "Cairo", "Moscow", "Madrid", "Dublin", "Berlin"};
    rng.shuffle(cities);
    cities = cities.mid(0, 5);
    const QList<int> temps = DistinctValues(rng, 5, -9, 15, 1);
    int cold = 0, warm = 0;
    for (int i = 1; i < 5; ++i) {
        cold = temps.at(i) < temps.at(cold) ? i : cold;
        warm = temps.at(i) > temps.at(warm) ? i : warm;
    }
    if (temps.at(cold) >= 0)
        return CityTemperatures(rng);
    QList<QStringList> rows;
    for (int i = 0; i < 5; ++i)
        rows.append({cities.at(i), QStringLiteral("%1&deg;C")
                                       .arg(temps.at(i))
                                       .replace(QLatin1Char('-'), QStringLiteral("&minus;"))});
    Question q =
        Make(Para(QStringLiteral("The table shows the temperature in five cities at midnight.")) +
                 DataTable({"City", "Temperature"}, rows),
             {AlternativesPart(QStringLiteral("Which city was the coldest?"),
                               {cities.at(cold).toLower()}),
              MeasurePart(QStringLiteral("How many degrees warmer was %1 than %2?")
                              .arg(cities.at(warm), cities.at(cold)),
                          temps.at(warm) - temps.at(cold), 0, units::kCelsius, 2)});
    q.parts.first().answer = cities.at(cold);
    q.working = {
        QStringLiteral("The lowest temperature is %1&deg;C, in %2.")
            .arg(temps.at(cold))
            .arg(cities.at(cold)),
        QStringLiteral("From %1&deg;C up to 0&deg;C is %2 degrees, and on to %3&deg;C is %4 more.")
            .arg(temps.at(cold))
            .arg(-temps.at(cold))
            .arg(temps.at(warm))
            .arg(std::max(0, temps.at(warm))),
        QStringLiteral("%1 &minus; (%2) = %3 degrees warmer.")
            .arg(temps.at(warm))
            .arg(temps.at(cold))
            .arg(temps.at(warm) - temps.at(cold))};
    return q;
}

Question ShoeSizes(Prng& rng)
{
    const int first = rng.range(1, 4);
    QList<int> counts;
    for (int i = 0; i < 5; ++i)
        counts.append(rng.range(1, 12));
    const int from = first + rng.range(1, 3);
    QList<QStringList> rows;
    int total = 0, atLeast = 0;
    QList<int> big;
    for (int i = 0; i < 5; ++i) {
        rows.append({QString::number(first + i), QString::number(counts.at(i))});
        total += counts.at(i);
        if (first + i >= from) {
            atLeast += counts.at(i);
            big.append(counts.at(i));
        }
    }
    const bool all = rng.chance(40);
    Question q = Make(
        Para(QStringLiteral("The table shows the shoe sizes of the children in a class.")) +
            DataTable({"Shoe size", "Number of children"}, rows),
        {all ? NumberPart(QStringLiteral("How many children are in the class?"), total)
             : NumberPart(QStringLiteral("How many children wear size %1 or bigger?").arg(from),
                          atLeast)});
    q.working = {all ? QStringLiteral("Add the numbers of children: %1.").arg(Sum(counts))
                     : QStringLiteral("Add the children of sizes %1 to %2: %3.")
                           .arg(from)
                           .arg(first + 4)
                           .arg(Sum(big))};
    return q;
}

Question DistanceChart(Prng& rng)
{
    QStringList towns = {"Ashby", "Brook", "Carlow", "Dunmore", "Elton", "Fenwick"};
    rng.shuffle(towns);
    towns = towns.mid(0, 4);
    // Distances between each pair, in km.
    int d[4][4] = {};
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j)
            d[i][j] = d[j][i] = rng.range(12, 95);
    }
    QList<QStringList> rows;
    for (int i = 0; i < 4; ++i) {
        QStringList row = {towns.at(i)};
        for (int j = 0; j < 4; ++j)
            row.append(i == j ? QStringLiteral("-") : QString::number(d[i][j]));
        rows.append(row);
    }
    const int a = rng.range(0, 3);
    const int b = (a + rng.range(1, 3)) % 4;
    int c = (b + rng.range(1, 3)) % 4;
    if (c == a)
        c = (c + 1) % 4 == b ? (c + 2) % 4 : (c + 1) % 4;
    Question q = Make(
        Para(QStringLiteral("The table shows the distances in kilometres between four towns.")) +
            DataTable(QStringList{"km"} + towns, rows),
        {MeasurePart(QStringLiteral("How far is it from %1 to %2?").arg(towns.at(a), towns.at(b)),
                     d[a][b], 0, units::kKm),
         MeasurePart(QStringLiteral("A van drives from %1 to %2 and then on to %3. How far does it "
                                    "drive?")
                         .arg(towns.at(a), towns.at(b), towns.at(c)),
                     d[a][b] + d[b][c], 0, units::kKm, 2)});
    q.working = {
        QStringLiteral("Find the row of %1 and the column of %2: %3 km.")
            .arg(towns.at(a), towns.at(b))
            .arg(d[a][b]),
        QStringLiteral("%1 to %2 is %3 km.").arg(towns.at(b), towns.at(c)).arg(d[b][c]),
        QStringLiteral("%1 + %2 = %3 km.").arg(d[a][b]).arg(d[b][c]).arg(d[a][b] + d[b][c])};
    return q;
}

Question HottestTime(Prng& rng)
{
    const QStringList hours = {"6 am", "8 am", "10 am", "12 noon", "2 pm", "4 pm"};
    QList<int> temps;
    for (;;) {
        temps = DistinctValues(rng, 6, 2, 15, 1);
        const int peak = int(std::max_element(temps.cbegin(), temps.cend()) - temps.cbegin());
        const int low = int(std::min_element(temps.cbegin(), temps.cend()) - temps.cbegin());
        if (peak != 0 && low != peak)
            break;
    }
    const int peak = int(std::max_element(temps.cbegin(), temps.cend()) - temps.cbegin());
    const int low = int(std::min_element(temps.cbegin(), temps.cend()) - temps.cbegin());
    QStringList when = {hours.at(peak), QString(hours.at(peak)).remove(QLatin1Char(' '))};
    if (peak == 3)
        when = QStringList{QStringLiteral("12 noon"), QStringLiteral("noon"),
                           QStringLiteral("12"),      QStringLiteral("12 pm"),
                           QStringLiteral("12pm"),    QStringLiteral("midday")};
    Question q = Make(
        Para(QStringLiteral("The line graph shows the temperature in a classroom during one day.")),
        {AlternativesPart(QStringLiteral("At which time was the classroom warmest?"), when),
         MeasurePart(QStringLiteral("What is the difference between the highest and the lowest "
                                    "temperature?"),
                     temps.at(peak) - temps.at(low), 0, units::kCelsius)});
    q.pictures = {
        LineGraph(QStringLiteral("Classroom temperature"), hours, temps, 2, QStringLiteral("°C"))};
    q.working = {QStringLiteral("The highest point, %1&deg;C, is at %2.")
                     .arg(temps.at(peak))
                     .arg(hours.at(peak)),
                 QStringLiteral("The lowest point is %1&deg;C, at %2.")
                     .arg(temps.at(low))
                     .arg(hours.at(low)),
                 QStringLiteral("%1 &minus; %2 = %3&deg;C.")
                     .arg(temps.at(peak))
                     .arg(temps.at(low))
                     .arg(temps.at(peak) - temps.at(low))};
    return q;
}

Question ReadOneBar(Prng& rng)
{
    static const QStringList days = {"Mon", "Tue", "Wed", "Thu", "Fri"};
    const QString place =
        rng.pick(QStringList{"a museum", "a zoo", "a farm park", "a castle", "a swimming pool"});
    const int step = rng.pick(QList<int>{10, 20});
    const QList<int> values = DistinctValues(rng, 5, 1, 16, step / 2);
    const int day = rng.range(0, 4);
    Question q =
        Make(Para(QStringLiteral("The bar chart shows the number of visitors to %1 one week.")
                      .arg(place)),
             {NumberPart(QStringLiteral("How many visitors came on %1?").arg(days.at(day)),
                         values.at(day))});
    q.pictures = {
        BarChart(QStringLiteral("Visitors"), days, values, step, QStringLiteral("Visitors"))};
    q.working = {QStringLiteral("The lines of the scale go up in %1s.").arg(step),
                 values.at(day) % step
                     ? QStringLiteral("The %1 bar stops halfway between %2 and %3, at %4.")
                           .arg(days.at(day))
                           .arg(values.at(day) - step / 2)
                           .arg(values.at(day) + step / 2)
                           .arg(values.at(day))
                     : QStringLiteral("The %1 bar stops on the line for %2.")
                           .arg(days.at(day))
                           .arg(values.at(day))};
    return q;
}

Question SunnyMonths(Prng& rng)
{
    static const QStringList months = {"March", "April",  "May",      "June",
                                       "July",  "August", "September"};
    const int start = rng.range(0, 2);
    const QList<int> days = DistinctValues(rng, 5, 3, 28, 1);
    const bool most = rng.chance(50);
    int pick = 0;
    for (int i = 1; i < 5; ++i)
        pick = (most ? days.at(i) > days.at(pick) : days.at(i) < days.at(pick)) ? i : pick;
    QList<QStringList> rows;
    for (int i = 0; i < 5; ++i)
        rows.append({months.at(start + i), QString::number(days.at(i))});
    const QString month = months.at(start + pick);
    Question q =
        Make(Para(QStringLiteral("The table shows the number of sunny days in five months.")) +
                 DataTable({"Month", "Sunny days"}, rows),
             {AlternativesPart(QStringLiteral("Which month had the %1 sunny days?")
                                   .arg(most ? QStringLiteral("most") : QStringLiteral("fewest")),
                               {month.toLower(), month.left(3).toLower()})});
    q.parts.first().answer = month;
    q.working = {QStringLiteral("Compare the numbers: the %1 is %2.")
                     .arg(most ? QStringLiteral("largest") : QStringLiteral("smallest"))
                     .arg(days.at(pick)),
                 QStringLiteral("That is %1.").arg(month)};
    return q;
}

} // namespace

QList<Generator> ChartKinds()
{
    return {BarChartQuestion, PictogramQuestion, LineGraphQuestion, PieQuestion,
            TableQuestion,    TableQuestion,     SportsChart,       MissingBar,
            PictogramSymbols, PlantGrowth,       ConversionGraph,   PieAngles,
            TwoWayTable,      Timetable,         CityTemperatures,  ShoeSizes,
            DistanceChart,    HottestTime,       ReadOneBar,        SunnyMonths};
}

} // namespace orlavine::pack
