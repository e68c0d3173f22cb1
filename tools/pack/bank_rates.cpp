// Timetables and rates: reading timetables, speed, distance and time, best buys.
#include "banks.h"

#include "clocktime.h"

#include "answerforms.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

const Unit kKmPerHour{"km/h",
                      {"km/h", "kmh", "kph", "km per hour", "km an hour", "kilometres per hour",
                       "kilometers per hour"}};
const Unit kMilesPerHour{"mph", {"mph", "miles per hour", "miles an hour", "mi/h"}};
const Unit kMiles{"miles", {"miles", "mile"}};
const Unit kEuros{"euros", {"euros", "euro", "eur"}};
const Unit kDollars{"dollars", {"dollars", "dollar", "usd"}};

/// A sum in pounds as a price is written: "&pound;90", "&pound;1,237.50".
QString Pounds(long long pence)
{
    return QStringLiteral("&pound;") + WithCommas(pence / 100) +
           (pence % 100 == 0 ? QString()
                             : QStringLiteral(".%1").arg(pence % 100, 2, 10, QLatin1Char('0')));
}

/// A sum of money as a pupil reads it: pence under a pound, pounds otherwise.
QString Money(long long pence)
{
    return pence < 100 ? QStringLiteral("%1p").arg(pence) : Pounds(pence);
}

/// A bus timetable: stops down the side, four buses across, the same minutes between
/// stops for every bus.
struct BusTimes {
    QStringList stops;
    QList<int> offsets;    // minutes from the first stop
    QList<int> departures; // from the first stop, minutes after midnight

    int at(int bus, int stop) const { return departures.at(bus) + offsets.at(stop); }

    QString table() const
    {
        QList<QStringList> rows;
        for (int s = 0; s < stops.size(); ++s) {
            QStringList row = {stops.at(s)};
            for (int b = 0; b < departures.size(); ++b)
                row.append(At(at(b, s)));
            rows.append(row);
        }
        return DataTable({"Bus stop", "Bus A", "Bus B", "Bus C", "Bus D"}, rows);
    }
};

BusTimes MakeBusTimes(Prng& rng)
{
    static const QList<QStringList> routes = {
        {"Bus Station", "Market Square", "Library", "Hospital", "Riverside", "Park Gates"},
        {"Town Centre", "Church", "Swimming Pool", "Football Ground", "Castle", "Zoo"},
        {"Town Hall", "Railway Station", "Museum", "Leisure Centre", "Beach", "Harbour"},
        {"Garden Centre", "Primary School", "Post Office", "Retail Park", "College", "Airport"}};
    const QStringList route = rng.pick(routes);
    BusTimes t;
    const int count = rng.range(4, 5);
    const int skip = rng.range(0, int(route.size()) - count);
    t.stops = route.mid(skip, count);
    int offset = 0;
    for (int s = 0; s < count; ++s) {
        t.offsets.append(offset);
        offset += rng.range(4, 17);
    }
    int departure = rng.range(6 * 60 + 30, 16 * 60);
    for (int b = 0; b < 4; ++b) {
        t.departures.append(departure);
        departure += rng.range(14, 48);
    }
    return t;
}

Question LatestBus(Prng& rng)
{
    const BusTimes t = MakeBusTimes(rng);
    const int last = int(t.stops.size()) - 1;
    const int from = rng.range(0, 1);
    const int bus = rng.range(0, 2);
    // A deadline from the bus's arrival to a minute before the next one's, round if it can be.
    QList<int> deadlines;
    for (int d = t.at(bus, last); d < t.at(bus + 1, last); ++d) {
        if (d % 5 == 0)
            deadlines.append(d);
    }
    const int deadline = deadlines.isEmpty() ? t.at(bus, last) : rng.pick(deadlines);
    const QString name = Name(rng);
    Question q = Make(Para(QStringLiteral("Here is part of a bus timetable.")) + t.table() +
                          Para(QStringLiteral("%1 must be at the <b>%2</b> by <b>%3</b>.")
                                   .arg(name, t.stops.at(last), At(deadline))),
                      {TimePart(QStringLiteral("What time does the latest bus %1 can catch leave "
                                               "the %2?")
                                    .arg(name, t.stops.at(from)),
                                t.at(bus, from), 2)});
    QStringList arrivals;
    for (int b = 0; b < 4; ++b)
        arrivals.append(At(t.at(b, last)));
    q.working = {
        QStringLiteral("Read along the %1 row: the buses arrive at %2.")
            .arg(t.stops.at(last), arrivals.join(QStringLiteral(", "))),
        QStringLiteral("The latest arrival no later than %1 is %2 (Bus %3); the next, "
                       "%4, is too late.")
            .arg(At(deadline), At(t.at(bus, last)), QChar('A' + bus), At(t.at(bus + 1, last))),
        QStringLiteral("Go up the Bus %1 column to the %2: it leaves at %3.")
            .arg(QChar('A' + bus))
            .arg(t.stops.at(from), At(t.at(bus, from)))};
    return q;
}

Question TimetableWait(Prng& rng)
{
    const BusTimes t = MakeBusTimes(rng);
    const int last = int(t.stops.size()) - 1;
    const int bus = rng.range(0, 3);
    const int stop = rng.range(1, last - 1);
    const int next = rng.range(1, 3);
    const int gap = t.at(next, stop) - t.at(next - 1, stop);
    const int wait = rng.range(3, gap - 1);
    const int arrives = t.at(next, stop) - wait;
    const QString name = Name(rng);
    Question q = Make(
        Para(QStringLiteral("Here is part of a bus timetable.")) + t.table(),
        {MeasurePart(QStringLiteral("How many minutes does Bus %1 take from the %2 to the %3?")
                         .arg(QChar('A' + bus))
                         .arg(t.stops.at(0), t.stops.at(last)),
                     t.offsets.at(last), 0, units::kMinutes),
         MeasurePart(QStringLiteral("%1 gets to the %2 at %3. How many minutes must %1 wait for "
                                    "the next bus?")
                         .arg(name, t.stops.at(stop), At(arrives)),
                     wait, 0, units::kMinutes, 2)});
    q.working = {QStringLiteral("(a) Bus %1 leaves the %2 at %3 and reaches the %4 at %5.")
                     .arg(QChar('A' + bus))
                     .arg(t.stops.at(0), At(t.at(bus, 0)), t.stops.at(last), At(t.at(bus, last)))};
    q.working += CountOn(t.at(bus, 0), t.at(bus, last));
    q.working.append(QStringLiteral("(b) In the %1 row, the first bus after %2 is at %3.")
                         .arg(t.stops.at(stop), At(arrives), At(t.at(next, stop))));
    q.working += CountOn(arrives, t.at(next, stop));
    return q;
}

Question JourneyHoursMinutes(Prng& rng)
{
    static const QStringList places = {"Leeds",   "Bristol", "York",    "Cardiff", "Glasgow",
                                       "Norwich", "Exeter",  "Chester", "Durham",  "Oxford"};
    const QString from = rng.pick(places);
    QString to = from;
    while (to == from)
        to = rng.pick(places);
    int start = 0;
    int end = 0;
    do {
        start = rng.range(6 * 60, 15 * 60);
        end = start + rng.range(65, 250);
    } while (start % 60 == 0 || end % 60 == 0 || (end - start) % 60 == 0 || end % 60 >= start % 60);
    const int length = end - start;
    Question q = Make(Para(QStringLiteral("A train leaves %1 at <b>%2</b> and arrives in %3 at "
                                          "<b>%4</b>. How long is the journey?")
                               .arg(from, At(start), to, At(end))),
                      {MeasurePart(QStringLiteral("hours"), length / 60, 0, units::kHours),
                       MeasurePart(QStringLiteral("minutes"), length % 60, 0, units::kMinutes)});
    const int firstHour = (start / 60 + 1) * 60;
    const int lastHour = end / 60 * 60;
    q.working = {QStringLiteral("From %1 to %2 is %3 minutes.")
                     .arg(At(start), At(firstHour))
                     .arg(firstHour - start),
                 QStringLiteral("From %1 to %2 is %3 %4.")
                     .arg(At(firstHour), At(lastHour))
                     .arg((lastHour - firstHour) / 60)
                     .arg(lastHour - firstHour == 60 ? "hour" : "hours"),
                 QStringLiteral("From %1 to %2 is %3 minutes; %4 + %3 = %5 minutes.")
                     .arg(At(lastHour), At(end))
                     .arg(end - lastHour)
                     .arg(firstHour - start)
                     .arg(firstHour - start + end - lastHour),
                 QStringLiteral("So the journey takes %1 hours %2 minutes.")
                     .arg(length / 60)
                     .arg(length % 60)};
    return q;
}

/// Something that travels, with the units of its speed.
struct Traveller {
    const char* who;
    bool miles;
};

const QList<Traveller>& Travellers()
{
    static const QList<Traveller> list = {
        {"A car", true},       {"A coach", false}, {"A train", false}, {"A lorry", true},
        {"A motorbike", true}, {"A tram", false},  {"A ferry", false}, {"A delivery van", true}};
    return list;
}

Question FindSpeed(Prng& rng)
{
    const Traveller who = rng.pick(Travellers());
    const int speed = rng.range(4, 24) * 5;
    const int hours = rng.range(2, 5);
    const char* unit = who.miles ? "miles" : "km";
    Question q = Make(Para(QStringLiteral("%1 travels <b>%2 %3</b> in <b>%4 hours</b>. What is "
                                          "its average speed?")
                               .arg(who.who)
                               .arg(speed * hours)
                               .arg(unit)
                               .arg(hours)),
                      {MeasurePart(QString(), speed, 0, who.miles ? kMilesPerHour : kKmPerHour)});
    const char* per = who.miles ? "mph" : "km/h";
    q.working = {QStringLiteral("Speed = distance &divide; time"),
                 QStringLiteral("%1 &divide; %2 = %3").arg(speed * hours).arg(hours).arg(speed),
                 QStringLiteral("So its average speed is %1 %2.").arg(speed).arg(per)};
    return q;
}

Question FindDistance(Prng& rng)
{
    const Traveller who = rng.pick(Travellers());
    const int speed = rng.range(3, 25) * 4;
    const int quarters = rng.pick(QList<int>{1, 2, 3});
    const int hours = rng.range(0, 3);
    const int minutes = hours * 60 + quarters * 15;
    const int distance = speed * minutes / 60;
    const char* unit = who.miles ? "miles" : "km";
    Question q = Make(Para(QStringLiteral("%1 travels at <b>%2 %3</b> for <b>%4</b>.")
                               .arg(who.who)
                               .arg(speed)
                               .arg(who.miles ? "mph" : "km/h", HoursAndMinutes(minutes))),
                      {MeasurePart(QStringLiteral("How far does it travel?"), distance, 0,
                                   who.miles ? kMiles : units::kKm, 2)});
    const int part = speed * quarters / 4;
    q.working = {QStringLiteral("In 1 hour it travels %1 %2, so in %3 minutes it travels %4 "
                                "of that: %1 &times; %5 = %6 %2.")
                     .arg(speed)
                     .arg(unit)
                     .arg(quarters * 15)
                     .arg(FractionHtml(quarters == 2 ? 1 : quarters, quarters == 2 ? 2 : 4))
                     .arg(FractionHtml(quarters == 2 ? 1 : quarters, quarters == 2 ? 2 : 4))
                     .arg(part)};
    if (hours > 0)
        q.working.append(QStringLiteral("In %1 %2: %3 &times; %1 = %4 %5, and %4 + %6 = %7 %5.")
                             .arg(hours)
                             .arg(hours == 1 ? "hour" : "hours")
                             .arg(speed)
                             .arg(speed * hours)
                             .arg(unit)
                             .arg(part)
                             .arg(distance));
    q.working.append(QStringLiteral("So it travels %1 %2.").arg(distance).arg(unit));
    return q;
}

Question FindTime(Prng& rng)
{
    const Traveller who = rng.pick(Travellers());
    int speed = 0;
    int minutes = 0;
    do {
        speed = rng.range(3, 20) * 5;
        minutes = rng.range(2, 11) * 5;
    } while (speed * minutes % 60 != 0);
    const int distance = speed * minutes / 60;
    const char* unit = who.miles ? "miles" : "km";
    Question q = Make(Para(QStringLiteral("%1 travels <b>%2 %3</b> at an average speed of <b>%4 "
                                          "%5</b>.")
                               .arg(who.who)
                               .arg(distance)
                               .arg(unit)
                               .arg(speed)
                               .arg(who.miles ? "mph" : "km/h")),
                      {MeasurePart(QStringLiteral("How many minutes does the journey take?"),
                                   minutes, 0, units::kMinutes, 2)});
    q.working = {
        QStringLiteral("Time = distance &divide; speed = %1 &divide; %2 = %3 of an hour.")
            .arg(distance)
            .arg(speed)
            .arg(FractionHtml(distance / Gcd(distance, speed), speed / Gcd(distance, speed))),
        QStringLiteral("An hour is 60 minutes: %1 &times; 60 = %2.")
            .arg(FractionHtml(distance / Gcd(distance, speed), speed / Gcd(distance, speed)))
            .arg(minutes),
        QStringLiteral("So the journey takes %1 minutes.").arg(minutes)};
    return q;
}

Question UnitPrice(Prng& rng)
{
    static const QStringList items = {"pens",        "notebooks",    "bus tickets",     "cupcakes",
                                      "glue sticks", "tennis balls", "packets of seeds"};
    const QString item = rng.pick(items);
    const int each = rng.range(12, 95) * 5;
    const int count = rng.range(3, 8);
    int wanted = count;
    while (wanted == count)
        wanted = rng.range(2, 12);
    Question q = Make(Para(QStringLiteral("<b>%1 %2</b> cost <b>%3</b>.")
                               .arg(count)
                               .arg(item, Pounds(each * count))),
                      {MeasurePart(QStringLiteral("How much do %1 %2 cost?").arg(wanted).arg(item),
                                   each * wanted, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("One costs %1 &divide; %2 = %3.")
                     .arg(Pounds(each * count))
                     .arg(count)
                     .arg(Money(each)),
                 QStringLiteral("%1 cost %2 &times; %1 = %3.")
                     .arg(wanted)
                     .arg(Money(each), Pounds(each * wanted)),
                 QStringLiteral("So %1 %2 cost %3.").arg(wanted).arg(item, Pounds(each * wanted))};
    return q;
}

Question BestBuy(Prng& rng)
{
    static const QStringList items = {"yoghurts",      "muffins", "bread rolls",
                                      "cans of drink", "apples",  "pencils"};
    const QString item = rng.pick(items);
    QList<int> counts = {2, 3, 4, 5, 6, 8, 10, 12};
    rng.shuffle(counts);
    const int cheapest = rng.range(20, 80);
    QList<int> each = {cheapest};
    while (each.size() < 4) {
        const int p = cheapest + rng.range(1, 12);
        if (!each.contains(p))
            each.append(p);
    }
    QList<Option> options;
    QStringList lines;
    for (int i = 0; i < 4; ++i) {
        const QString text =
            QStringLiteral("%1 for %2").arg(counts.at(i)).arg(Pounds(counts.at(i) * each.at(i)));
        options.append({text, each.at(i) == cheapest});
        lines.append(QStringLiteral("%1: %2 &divide; %3 = %4p")
                         .arg(text)
                         .arg(counts.at(i) * each.at(i))
                         .arg(counts.at(i))
                         .arg(each.at(i)));
    }
    const Choice choice = UniqueChoice(rng, options);
    Question q = Make(
        Para(QStringLiteral("A shop sells %1 in packs of different sizes.").arg(item)),
        {ChoicePart(QStringLiteral("Which pack is the best value for money?"), choice.options,
                    choice.right),
         MeasurePart(QStringLiteral("How much does one of the %1 cost in that pack?").arg(item),
                     cheapest, 0, units::kPence)},
        QStringLiteral("For (a), type the number of your answer, 1 to 4."));
    q.working = {QStringLiteral("Find the price of one in each pack, in pence."),
                 lines.join(QStringLiteral("; ")),
                 QStringLiteral("The lowest price for one is %1p, so %2 is the best value.")
                     .arg(cheapest)
                     .arg(options.first().text)};
    return q;
}

Question Exchange(Prng& rng)
{
    const bool euros = rng.chance(60);
    const int rate = euros ? rng.pick(QList<int>{110, 112, 115, 116, 118, 120, 125})
                           : rng.pick(QList<int>{125, 128, 130, 132, 135});
    const QString money = euros ? QStringLiteral("euros") : QStringLiteral("US dollars");
    const int pounds = rng.range(2, 60) * 5;
    int back = 0;
    do
        back = rng.range(2, 40) * 5;
    while (back * rate % 100 != 0 || back == pounds);
    auto foreign = [&](long long hundredths, const QString& prompt, int marks) {
        Part part = MeasurePart(prompt, hundredths, 2, euros ? kEuros : kDollars, marks);
        if (!euros) {
            for (const QString& number : NumberForms(hundredths, 2))
                part.subs.first().key += QStringLiteral(";$%1").arg(number).toLatin1();
        }
        return part;
    };
    Question q = Make(
        Para(QStringLiteral("The exchange rate is <b>&pound;1 = %1 %2</b>.")
                 .arg(FixedText(rate, 2), money)),
        {foreign(pounds * rate,
                 QStringLiteral("How many %1 do you get for &pound;%2?").arg(money).arg(pounds), 1),
         MeasurePart(QStringLiteral("How many pounds do you get for %1 %2?")
                         .arg(back * rate / 100)
                         .arg(money),
                     back * 100, 2, units::kPounds, 2)});
    q.working = {
        QStringLiteral("(a) Pounds to %1: multiply by the rate. %2 &times; %3 = %4 %1.")
            .arg(money)
            .arg(pounds)
            .arg(FixedText(rate, 2), DecimalText(pounds * rate, 2)),
        QStringLiteral("(b) %1 to pounds: divide by the rate. %2 &divide; %3 = %4")
            .arg(money.at(0).toUpper() + money.mid(1))
            .arg(back * rate / 100)
            .arg(FixedText(rate, 2))
            .arg(back),
        QStringLiteral("So %1 %2 is &pound;%3.").arg(back * rate / 100).arg(money).arg(back)};
    return q;
}

Question MilesKilometres(Prng& rng)
{
    const int miles = rng.range(2, 30) * 5;
    int km = 0;
    do
        km = rng.range(2, 30) * 8;
    while (km == miles * 8 / 5);
    Question q =
        Make(Para(QStringLiteral("<b>5 miles</b> is about <b>8 km</b>.")),
             {MeasurePart(QStringLiteral("About how many kilometres is %1 miles?").arg(miles),
                          miles / 5 * 8, 0, units::kKm),
              MeasurePart(QStringLiteral("About how many miles is %1 km?").arg(km), km / 8 * 5, 0,
                          kMiles, 2)});
    q.working = {
        QStringLiteral("(a) %1 miles is %1 &divide; 5 = %2 lots of 5 miles; %2 &times; 8 = "
                       "%3 km.")
            .arg(miles)
            .arg(miles / 5)
            .arg(miles / 5 * 8),
        QStringLiteral("(b) %1 km is %1 &divide; 8 = %2 lots of 8 km.").arg(km).arg(km / 8),
        QStringLiteral("%1 &times; 5 = %2, so %3 km is about %2 miles.")
            .arg(km / 8)
            .arg(km / 8 * 5)
            .arg(km)};
    return q;
}

Question Filling(Prng& rng)
{
    struct Container {
        const char* what;
        int lowRate, highRate;
    };
    static const QList<Container> containers = {{"A paddling pool", 8, 20},
                                                {"A water tank", 10, 25},
                                                {"A fish tank", 3, 8},
                                                {"A garden water butt", 4, 10}};
    const Container c = rng.pick(containers);
    const int rate = rng.range(c.lowRate, c.highRate);
    const int minutes = rng.range(6, 40);
    const int already = rng.range(0, 8) * 10;
    const int full = already + rate * minutes;
    const int start = rng.range(8 * 12, 17 * 12) * 5;
    Question q = Make(
        Para(QStringLiteral("%1 holds <b>%2 litres</b> when full. %3 A hose fills it at <b>%4 "
                            "litres a minute</b>, starting at %5.")
                 .arg(c.what, WithCommas(full),
                      already == 0 ? QStringLiteral("It is empty.")
                                   : QStringLiteral("It already has %1 litres in it.").arg(already))
                 .arg(rate)
                 .arg(At(start))),
        {MeasurePart(QStringLiteral("How many minutes does it take to fill it?"), minutes, 0,
                     units::kMinutes, 2),
         TimePart(QStringLiteral("At what time is it full?"), start + minutes)});
    q.working = {QStringLiteral("Litres still to go in: %1 &minus; %2 = %3")
                     .arg(WithCommas(full))
                     .arg(already)
                     .arg(WithCommas(rate * minutes)),
                 QStringLiteral("%1 &divide; %2 = %3 minutes")
                     .arg(WithCommas(rate * minutes))
                     .arg(rate)
                     .arg(minutes),
                 QStringLiteral("%1 + %2 minutes = %3, so it is full at %3.")
                     .arg(At(start))
                     .arg(minutes)
                     .arg(At(start + minutes))};
    if (already == 0)
        q.working[0] = QStringLiteral("It is empty, so %1 litres go in.").arg(WithCommas(full));
    return q;
}

Question PaymentPlan(Prng& rng)
{
    static const QStringList goods = {"bike", "games console", "laptop",
                                      "sofa", "keyboard",      "tablet"};
    const QString thing = rng.pick(goods);
    const QString name = Name(rng);
    const int months = rng.pick(QList<int>{6, 10, 12, 18, 24});
    const int monthly = rng.range(6, 40) * 250; // pence
    const int deposit = rng.range(1, 10) * 1000;
    const int total = deposit + months * monthly;
    const int cash = total * rng.range(80, 95) / 100 / 500 * 500;
    Question q = Make(
        Para(QStringLiteral("A %1 costs <b>%2</b> if paid in one go. %3 pays for it with a "
                            "deposit of <b>%4</b> and then <b>%5 payments of %6</b>, one a month.")
                 .arg(thing, Pounds(cash), name, Pounds(deposit))
                 .arg(months)
                 .arg(Pounds(monthly))),
        {MeasurePart(QStringLiteral("How much does %1 pay altogether?").arg(name), total, 2,
                     units::kPounds, 2),
         MeasurePart(QStringLiteral("How much more is that than paying in one go?"), total - cash,
                     2, units::kPounds)});
    q.working = {QStringLiteral("The payments: %1 &times; %2 = %3")
                     .arg(months)
                     .arg(Pounds(monthly), Pounds(months * monthly)),
                 QStringLiteral("With the deposit: %1 + %2 = %3")
                     .arg(Pounds(months * monthly), Pounds(deposit), Pounds(total)),
                 QStringLiteral("%1 &minus; %2 = %3 more")
                     .arg(Pounds(total), Pounds(cash), Pounds(total - cash))};
    return q;
}

Question EqualPayments(Prng& rng)
{
    static const QStringList goods = {"a bike",   "a fridge", "a laptop",
                                      "a guitar", "a phone",  "a sewing machine"};
    const int months = rng.pick(QList<int>{3, 4, 5, 6, 8, 10, 12});
    const int each = rng.range(4, 60) * 250;
    const int deposit = rng.range(0, 6) * 2000;
    const int price = deposit + months * each;
    const QString start = deposit == 0 ? QStringLiteral("nothing now")
                                       : QStringLiteral("%1 now").arg(Pounds(deposit));
    Question q = Make(Para(QStringLiteral("A shop sells %1 for <b>%2</b>. You can pay %3 and the "
                                          "rest in <b>%4 equal monthly payments</b>, at no "
                                          "extra cost.")
                               .arg(rng.pick(goods), Pounds(price), start)
                               .arg(months)),
                      {MeasurePart(QStringLiteral("How much is each monthly payment?"), each, 2,
                                   units::kPounds, 2)});
    q.working = {deposit == 0 ? QStringLiteral("All %1 is paid monthly.").arg(Pounds(price))
                              : QStringLiteral("The rest: %1 &minus; %2 = %3")
                                    .arg(Pounds(price), Pounds(deposit), Pounds(price - deposit)),
                 QStringLiteral("%1 &divide; %2 = %3")
                     .arg(Pounds(price - deposit))
                     .arg(months)
                     .arg(Pounds(each)),
                 QStringLiteral("So each payment is %1.").arg(Pounds(each))};
    return q;
}

Question Wages(Prng& rng)
{
    static const QStringList jobs = {"in a caf&eacute;", "at a garden centre", "in a bakery",
                                     "at a car wash", "in a bookshop"};
    const QString name = Name(rng);
    const int rate = rng.range(36, 52) * 25; // pence an hour
    const int halfHours = rng.range(4, 16);
    const int pay = rate * halfHours / 2;
    Question q =
        Make(Para(QStringLiteral("%1 works %2 and is paid <b>%3 an hour</b>. One "
                                 "Saturday %1 works for <b>%4 hours</b>.")
                      .arg(name, rng.pick(jobs), Pounds(rate), DecimalText(halfHours * 5, 1))),
             {MeasurePart(QStringLiteral("How much is %1 paid for that day?").arg(name), pay, 2,
                          units::kPounds)});
    q.working = {QStringLiteral("Pay = pay for an hour &times; hours"),
                 QStringLiteral("%1 &times; %2 = %3")
                     .arg(Pounds(rate), DecimalText(halfHours * 5, 1), Pounds(pay)),
                 QStringLiteral("So %1 is paid %2.").arg(name, Pounds(pay))};
    if (halfHours % 2 == 1)
        q.working.insert(1, QStringLiteral("Half an hour pays half of %1, which is %2.")
                                .arg(Pounds(rate))
                                .arg(Money(rate / 2)));
    return q;
}

Question FuelCost(Prng& rng)
{
    const int per100 = rng.range(5, 9);
    int km = 0;
    do
        km = rng.range(2, 14) * 50;
    while (per100 * km % 100 != 0);
    const int litres = per100 * km / 100;
    const int price = rng.range(130, 165); // pence a litre
    Question q = Make(
        Para(QStringLiteral("A car uses <b>%1 litres</b> of petrol for every <b>100 km</b>. Petrol "
                            "costs <b>%2p a litre</b>.")
                 .arg(per100)
                 .arg(price)),
        {MeasurePart(QStringLiteral("How many litres does the car use on a %1 km journey?").arg(km),
                     litres, 0, units::kLitres, 2),
         MeasurePart(QStringLiteral("How much does that petrol cost?"), litres * price, 2,
                     units::kPounds)});
    q.working = {QStringLiteral("%1 km is %1 &divide; 100 = %2 lots of 100 km.")
                     .arg(km)
                     .arg(DecimalText(km / 10, 1)),
                 QStringLiteral("%1 &times; %2 = %3 litres")
                     .arg(DecimalText(km / 10, 1))
                     .arg(per100)
                     .arg(litres),
                 QStringLiteral("%1 &times; %2p = %3p = %4")
                     .arg(litres)
                     .arg(price)
                     .arg(litres * price)
                     .arg(Pounds(litres * price))};
    return q;
}

Question TrainsEvery(Prng& rng)
{
    static const QStringList stations = {"Brookfield", "Ashby",     "Kingsmoor",
                                         "Westhaven",  "Elmbridge", "Northgate"};
    const int first = rng.range(5 * 12 + 6, 8 * 12) * 5;
    const int every = rng.pick(QList<int>{12, 15, 18, 20, 25, 35, 40, 45});
    const int nth = rng.range(3, 6);
    static const QStringList ordinals = {"", "", "", "3rd", "4th", "5th", "6th"};
    const int leaves = first + (nth - 1) * every;
    Question q = Make(
        Para(QStringLiteral("Trains leave %1 every <b>%2 minutes</b>. The first "
                            "train leaves at <b>%3</b>.")
                 .arg(rng.pick(stations))
                 .arg(every)
                 .arg(At(first))),
        {TimePart(QStringLiteral("At what time does the %1 train leave?").arg(ordinals.at(nth)),
                  leaves)});
    q.working = {QStringLiteral("The %1 train leaves %2 gaps after the first: %2 &times; %3 = %4 "
                                "minutes.")
                     .arg(ordinals.at(nth))
                     .arg(nth - 1)
                     .arg(every)
                     .arg((nth - 1) * every),
                 QStringLiteral("%1 + %2 = %3")
                     .arg(At(first), HoursAndMinutes((nth - 1) * every), At(leaves)),
                 QStringLiteral("So it leaves at %1.").arg(At(leaves))};
    return q;
}

Question Fastest(Prng& rng)
{
    static const QStringList movers = {"a cyclist", "a bus",   "a runner",
                                       "a boat",    "a horse", "a scooter"};
    QList<int> speeds;
    while (speeds.size() < 4) {
        const int s = rng.range(3, 30) * 2;
        if (!speeds.contains(s))
            speeds.append(s);
    }
    const int top = *std::max_element(speeds.cbegin(), speeds.cend());
    QList<Option> options;
    QStringList lines;
    for (int s : speeds) {
        // Half an hour or whole hours, so that each speed takes a step to find.
        const int halfHours = rng.pick(QList<int>{1, 2, 4, 6});
        const QString time = halfHours == 1 ? QStringLiteral("30 minutes")
                                            : QStringLiteral("%1 hours").arg(halfHours / 2);
        const QString text = QStringLiteral("%1 km in %2").arg(s * halfHours / 2).arg(time);
        options.append({text, s == top});
        lines.append(halfHours == 1
                         ? QStringLiteral("%1: %2 &times; 2 = %3 km/h").arg(text).arg(s / 2).arg(s)
                         : QStringLiteral("%1: %2 &divide; %3 = %4 km/h")
                               .arg(text)
                               .arg(s * halfHours / 2)
                               .arg(halfHours / 2)
                               .arg(s));
    }
    const QString best = options.at(int(speeds.indexOf(top))).text;
    Question q = ChoiceQuestion(Para(QStringLiteral("Four journeys by %1 are shown. Which journey "
                                                    "has the <b>fastest</b> average speed?")
                                         .arg(rng.pick(movers))),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("Find each speed in km an hour."), lines.join(QStringLiteral("; ")),
                 QStringLiteral("The fastest is %1 km/h: %2.").arg(top).arg(best)};
    return q;
}

Question WorkRate(Prng& rng)
{
    struct Task {
        const char* stem; // %1 rate, %2 total
        const char* what;
    };
    static const QList<Task> tasks = {
        {"A printer prints <b>%1 pages a minute</b>. How many minutes does it take to print "
         "<b>%2 pages</b>?",
         "pages"},
        {"A machine fills <b>%1 bottles a minute</b>. How many minutes does it take to fill "
         "<b>%2 bottles</b>?",
         "bottles"},
        {"Isla types <b>%1 words a minute</b>. How many minutes does it take her to type <b>%2 "
         "words</b>?",
         "words"},
        {"A tap drips <b>%1 drops a minute</b>. How many minutes does it take to drip <b>%2 "
         "drops</b>?",
         "drops"}};
    const Task task = rng.pick(tasks);
    const int rate = rng.range(12, 48);
    const int minutes = rng.range(3, 25);
    Question q =
        Make(Para(QString::fromLatin1(task.stem).arg(rate).arg(WithCommas(rate * minutes))),
             {MeasurePart(QString(), minutes, 0, units::kMinutes)});
    q.working = {QStringLiteral("Each minute makes %1 %2, so divide.").arg(rate).arg(task.what),
                 QStringLiteral("%1 &divide; %2 = %3")
                     .arg(WithCommas(rate * minutes))
                     .arg(rate)
                     .arg(minutes),
                 QStringLiteral("So it takes %1 minutes.").arg(minutes)};
    return q;
}

} // namespace

QList<Generator> RateKinds()
{
    return {LatestBus,       TimetableWait, JourneyHoursMinutes,
            FindSpeed,       FindDistance,  FindTime,
            UnitPrice,       BestBuy,       Exchange,
            MilesKilometres, Filling,       PaymentPlan,
            EqualPayments,   Wages,         FuelCost,
            TrainsEvery,     Fastest,       WorkRate};
}

} // namespace orlavine::pack
