// Multi-step problems: stories that take two or three calculations.
#include "banks.h"

#include "answerforms.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

// What is counted in an answer, written after its line like a unit.
const Unit kWeeks{"weeks", {"weeks", "week", "wks"}};
const Unit kYears{"years old", {"years old", "years", "year old", "yrs", "yrs old"}};
const Unit kPassengers{"passengers", {"passengers", "people"}};
const Unit kPoints{"points", {"points", "pts"}};
const Unit kBoxes{"boxes", {"boxes", "box"}};
const Unit kMinibuses{"minibuses", {"minibuses", "minibus", "buses"}};
const Unit kTables{"tables", {"tables", "table"}};
const Unit kTrays{"trays", {"trays", "tray"}};
const Unit kPacks{"packs", {"packs", "pack"}};

/// An amount of money in pence as the page writes it: "&pound;20", "&pound;3.45".
QString Money(int pence)
{
    return QStringLiteral("&pound;") + WithCommas(pence / 100) +
           (pence % 100 == 0 ? QString() : FixedText(pence % 100, 2).mid(1));
}

/// Money as the worked solution states a result: always with pence.
QString Price(int pence)
{
    return QStringLiteral("&pound;") + WithCommas(pence / 100) + FixedText(pence % 100, 2).mid(1);
}

struct Item {
    QString one;
    QString many;
    int low; // price range in pence, multiples of 5
    int high;
};

Item PickItem(Prng& rng, const Item* unlike = nullptr)
{
    static const QList<Item> items = {
        {"notebook", "notebooks", 85, 260},   {"pen", "pens", 35, 140},
        {"sandwich", "sandwiches", 180, 395}, {"drink", "drinks", 60, 175},
        {"comic", "comics", 120, 350},        {"apple", "apples", 20, 65},
        {"ruler", "rulers", 45, 120},         {"magazine", "magazines", 210, 480}};
    for (;;) {
        const Item item = rng.pick(items);
        if (!unlike || item.one != unlike->one)
            return item;
    }
}

int PriceOf(Prng& rng, const Item& item)
{
    return rng.range(item.low / 5, item.high / 5) * 5;
}

Question ShoppingChange(Prng& rng)
{
    const Item first = PickItem(rng);
    const Item second = PickItem(rng, &first);
    const int p1 = PriceOf(rng, first), p2 = PriceOf(rng, second);
    const int k1 = rng.range(2, 5), k2 = rng.range(2, 4);
    const int total = k1 * p1 + k2 * p2;
    const int note = total < 1000 ? 1000 : total < 2000 ? 2000 : 5000;
    const QString who = Name(rng);
    Question q = Make(Para(QStringLiteral("%1 buys %2 %3 at %4 each and %5 %6 at %7 each. %1 "
                                          "pays with a %8 note.")
                               .arg(who)
                               .arg(k1)
                               .arg(first.many, Money(p1))
                               .arg(k2)
                               .arg(second.many, Money(p2), Money(note))) +
                          Para(QStringLiteral("How much change should %1 get?").arg(who)),
                      {MeasurePart(QString(), note - total, 2, units::kPounds, 2)});
    q.working = {
        QStringLiteral("%1 %2: %1 &times; %3 = %4.")
            .arg(k1)
            .arg(first.many, Money(p1), Price(k1 * p1)),
        QStringLiteral("%1 %2: %1 &times; %3 = %4.")
            .arg(k2)
            .arg(second.many, Money(p2), Price(k2 * p2)),
        QStringLiteral("Total: %1 + %2 = %3.").arg(Price(k1 * p1), Price(k2 * p2), Price(total)),
        QStringLiteral("Change: %1 &minus; %2 = %3.")
            .arg(Money(note), Price(total), Price(note - total))};
    return q;
}

Question ShareThenCompare(Prng& rng)
{
    const int n1 = rng.range(3, 8);
    int n2 = rng.range(3, 8);
    if (n2 == n1)
        ++n2;
    const int each1 = rng.range(6, 25);
    int each2 = rng.range(6, 25);
    if (each2 == each1)
        each2 += 3;
    const QString a = Name(rng);
    QString b = Name(rng);
    if (b == a)
        b = a == QLatin1String("Noah") ? QStringLiteral("Isla") : QStringLiteral("Noah");
    const QString thing = Thing(rng);
    const int more = std::abs(each1 - each2);
    const QString richer = each1 > each2 ? a : b;
    Question q = Make(Para(QStringLiteral("%1 shares %2 %3 equally among %4 friends. %5 shares "
                                          "%6 %3 equally among %7 friends.")
                               .arg(a)
                               .arg(n1 * each1)
                               .arg(thing)
                               .arg(n1)
                               .arg(b)
                               .arg(n2 * each2)
                               .arg(n2)) +
                          Para(QStringLiteral("How many more %1 does each of %2's friends get "
                                              "than each of %3's friends?")
                                   .arg(thing, richer, richer == a ? b : a)),
                      {MeasurePart(QString(), more, 0, Unit{thing, {thing}}, 2)});
    q.working = {QStringLiteral("%1's friends: %2 &divide; %3 = %4 each.")
                     .arg(a)
                     .arg(n1 * each1)
                     .arg(n1)
                     .arg(each1),
                 QStringLiteral("%1's friends: %2 &divide; %3 = %4 each.")
                     .arg(b)
                     .arg(n2 * each2)
                     .arg(n2)
                     .arg(each2),
                 QStringLiteral("Difference: %1 &minus; %2 = %3.")
                     .arg(std::max(each1, each2))
                     .arg(std::min(each1, each2))
                     .arg(more)};
    return q;
}

Question UnitPriceThenTotal(Prng& rng)
{
    const Item item = PickItem(rng);
    const int unit = PriceOf(rng, item);
    const int k = rng.range(3, 8);
    int m = rng.range(2, 12);
    if (m == k)
        ++m;
    Question q = Make(
        Para(QStringLiteral("%1 %2 cost %3 altogether.").arg(k).arg(item.many, Price(k * unit))) +
            Para(QStringLiteral("How much do %1 %2 cost?").arg(m).arg(item.many)),
        {MeasurePart(QString(), m * unit, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("One %1 costs %2 &divide; %3 = %4.")
                     .arg(item.one, Price(k * unit))
                     .arg(k)
                     .arg(Price(unit)),
                 QStringLiteral("%1 %2 cost %1 &times; %3 = %4.")
                     .arg(m)
                     .arg(item.many, Price(unit), Price(m * unit))};
    return q;
}

Question Fencing(Prng& rng)
{
    const int length = rng.range(8, 40);
    int width = rng.range(5, 30);
    if (width == length)
        width -= 2;
    const int perMetre = rng.range(3, 15) * 100 + rng.pick(QList<int>{0, 0, 50, 25});
    const int perimeter = 2 * (length + width);
    static const QStringList places = {"garden", "field", "play area", "vegetable plot", "paddock"};
    Question q =
        Make(Para(QStringLiteral("A rectangular %1 is %2 m long and %3 m wide. A fence "
                                 "is put all the way round it.")
                      .arg(rng.pick(places))
                      .arg(length)
                      .arg(width)),
             {MeasurePart(QStringLiteral("How long is the fence?"), perimeter, 0, units::kM),
              MeasurePart(QStringLiteral("The fencing costs %1 a metre. What does the "
                                         "whole fence cost?")
                              .arg(Price(perMetre)),
                          perimeter * perMetre, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("Perimeter: %1 + %2 + %1 + %2 = %3 m.")
                     .arg(length)
                     .arg(width)
                     .arg(perimeter),
                 QStringLiteral("Cost: %1 &times; %2 = %3.")
                     .arg(perimeter)
                     .arg(Price(perMetre), Price(perimeter * perMetre))};
    return q;
}

Question TicketSales(Prng& rng)
{
    const int adult = rng.range(8, 30) * 50;
    const int child = rng.range(4, adult / 50 - 2) * 50;
    const int adults = rng.range(12, 95), children = rng.range(12, 120);
    static const QStringList events = {"school play", "football match", "concert", "pantomime",
                                       "magic show"};
    const int total = adults * adult + children * child;
    Question q = Make(Para(QStringLiteral("Tickets for a %1 cost %2 for an adult and %3 for a "
                                          "child. %4 adult tickets and %5 child tickets were sold.")
                               .arg(rng.pick(events), Money(adult), Money(child))
                               .arg(adults)
                               .arg(children)) +
                          Para(QStringLiteral("How much money was taken altogether?")),
                      {MeasurePart(QString(), total, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("Adults: %1 &times; %2 = %3.")
                     .arg(adults)
                     .arg(Money(adult), Price(adults * adult)),
                 QStringLiteral("Children: %1 &times; %2 = %3.")
                     .arg(children)
                     .arg(Money(child), Price(children * child)),
                 QStringLiteral("Altogether: %1 + %2 = %3.")
                     .arg(Price(adults * adult), Price(children * child), Price(total))};
    return q;
}

Question SavingUp(Prng& rng)
{
    const int weekly = rng.range(2, 12) * 50;
    const int saved = rng.range(1, 20) * 100;
    int cost = 0;
    do {
        cost = saved + rng.range(4, 30) * 100 + rng.pick(QList<int>{0, 50, 99, 49});
    } while ((cost - saved) % weekly == 0);
    const int weeks = (cost - saved) / weekly + 1;
    static const QStringList wants = {"a bike", "a game",    "a pair of trainers",
                                      "a tent", "a scooter", "a guitar"};
    const QString who = Name(rng);
    Question q =
        Make(Para(QStringLiteral("%1 wants to buy %2 that costs %3. %1 has saved %4 "
                                 "and saves %5 each week.")
                      .arg(who, rng.pick(wants), Money(cost), Money(saved), Money(weekly))) +
                 Para(QStringLiteral("How many more weeks until %1 has enough?").arg(who)),
             {MeasurePart(QString(), weeks, 0, kWeeks, 2)});
    q.working = {QStringLiteral("Still needed: %1 &minus; %2 = %3.")
                     .arg(Money(cost), Money(saved), Price(cost - saved)),
                 QStringLiteral("%1 &divide; %2 = %3 remainder %4.")
                     .arg(Price(cost - saved), Price(weekly))
                     .arg((cost - saved) / weekly)
                     .arg(Price((cost - saved) % weekly)),
                 QStringLiteral("After %1 weeks it is not quite enough, so %2 needs %3 weeks.")
                     .arg((cost - saved) / weekly)
                     .arg(who)
                     .arg(weeks)};
    return q;
}

Question Ages(Prng& rng)
{
    const int young = rng.range(4, 14);
    const int times = rng.range(2, 5);
    const int later = young + rng.range(2, 15);
    const QString who = Name(rng);
    static const QStringList elders = {"mother", "father", "aunt", "uncle", "grandmother"};
    const QString elder = rng.pick(elders);
    const int old = young * times;
    const int answer = old + later - young;
    Question q = Make(
        Para(QStringLiteral("%1 is %2 years old. %1's %3 is %4 times as old as %1.")
                 .arg(who)
                 .arg(young)
                 .arg(elder)
                 .arg(times)) +
            Para(
                QStringLiteral("How old will the %1 be when %2 is %3?").arg(elder, who).arg(later)),
        {MeasurePart(QString(), answer, 0, kYears, 2)});
    q.working = {QStringLiteral("The %1 is %2 &times; %3 = %4 now.")
                     .arg(elder)
                     .arg(young)
                     .arg(times)
                     .arg(old),
                 QStringLiteral("%1 will be %2 in %2 &minus; %3 = %4 years.")
                     .arg(who)
                     .arg(later)
                     .arg(young)
                     .arg(later - young),
                 QStringLiteral("The %1 will then be %2 + %3 = %4.")
                     .arg(elder)
                     .arg(old)
                     .arg(later - young)
                     .arg(answer)};
    return q;
}

Question CombinedRate(Prng& rng)
{
    const int r1 = rng.range(3, 15), r2 = rng.range(2, 12);
    const int minutes = rng.range(4, 20);
    const int total = (r1 + r2) * minutes;
    struct Job {
        QString doers;
        QString first;
        QString second;
        QString things;
    };
    static const QList<Job> jobs = {
        {"Two machines fill bottles.", "Machine A", "machine B", "bottles"},
        {"Two pupils fold leaflets.", "Amir", "Bea", "leaflets"},
        {"Two printers print pages.", "The first", "the second", "pages"},
        {"Two bakers ice cakes.", "Kofi", "Lena", "cakes"}};
    const Job job = rng.pick(jobs);
    Question q = Make(Para(QStringLiteral("%1 %2 does %3 a minute and %4 does %5 a minute.")
                               .arg(job.doers, job.first)
                               .arg(r1)
                               .arg(job.second)
                               .arg(r2)) +
                          Para(QStringLiteral("Working together, how many minutes do they take "
                                              "for %1 %2?")
                                   .arg(total)
                                   .arg(job.things)),
                      {MeasurePart(QString(), minutes, 0, units::kMinutes, 2)});
    q.working = {
        QStringLiteral("Together they do %1 + %2 = %3 %4 a minute.")
            .arg(r1)
            .arg(r2)
            .arg(r1 + r2)
            .arg(job.things),
        QStringLiteral("%1 &divide; %2 = %3 minutes.").arg(total).arg(r1 + r2).arg(minutes)};
    return q;
}

/// Things packed in groups: the group, its unit, how many it holds.
struct Packing {
    QString things;
    QString groups;
    const Unit* unit;
    int low; // size range of a group
    int high;
};

Packing PickPacking(Prng& rng)
{
    static const QList<Packing> packings = {{"eggs", "boxes", &kBoxes, 6, 12},
                                            {"people", "minibuses", &kMinibuses, 12, 17},
                                            {"guests", "tables", &kTables, 6, 10},
                                            {"cakes", "trays", &kTrays, 8, 15},
                                            {"pencils", "packs", &kPacks, 8, 12}};
    return rng.pick(packings);
}

Question GroupsNeeded(Prng& rng)
{
    const Packing p = PickPacking(rng);
    const int size = rng.range(p.low, p.high);
    int n = 0;
    do {
        n = rng.range(40, 250);
    } while (n % size == 0);
    const int needed = n / size + 1;
    Question q =
        Make(Para(QStringLiteral("There are %1 %2. Each of the %3 holds %4 %2.")
                      .arg(n)
                      .arg(p.things, p.groups)
                      .arg(size)) +
                 Para(QStringLiteral("How many %1 are needed for all of them?").arg(p.groups)),
             {MeasurePart(QString(), needed, 0, *p.unit, 2)});
    q.working = {QStringLiteral("%1 &divide; %2 = %3 remainder %4.")
                     .arg(n)
                     .arg(size)
                     .arg(n / size)
                     .arg(n % size),
                 QStringLiteral("%1 full %2 leave %3 %4 over, which need one more.")
                     .arg(n / size)
                     .arg(p.groups)
                     .arg(n % size)
                     .arg(p.things),
                 QStringLiteral("%1 + 1 = %2 %3.").arg(n / size).arg(needed).arg(p.groups)};
    return q;
}

Question FullAndLeftOver(Prng& rng)
{
    const Packing p = PickPacking(rng);
    const int size = rng.range(p.low, p.high);
    int n = 0;
    do {
        n = rng.range(40, 250);
    } while (n % size == 0);
    Question q = Make(Para(QStringLiteral("There are %1 %2. They are put into %3 of %4.")
                               .arg(n)
                               .arg(p.things, p.groups)
                               .arg(size)),
                      {MeasurePart(QStringLiteral("How many %1 can be filled?").arg(p.groups),
                                   n / size, 0, *p.unit),
                       MeasurePart(QStringLiteral("How many %1 are left over?").arg(p.things),
                                   n % size, 0, Unit{p.things, {p.things}})});
    q.working = {QStringLiteral("%1 &divide; %2 = %3 remainder %4.")
                     .arg(n)
                     .arg(size)
                     .arg(n / size)
                     .arg(n % size),
                 QStringLiteral("Check: %1 &times; %2 = %3, and %4 &minus; %3 = %5 left over.")
                     .arg(n / size)
                     .arg(size)
                     .arg(n / size * size)
                     .arg(n)
                     .arg(n % size)};
    return q;
}

Question RecipeScaling(Prng& rng)
{
    static const QList<QStringList> recipes = {{"pancakes", "flour", "g"},
                                               {"soup", "carrots", "g"},
                                               {"a smoothie", "milk", "ml"},
                                               {"biscuits", "butter", "g"},
                                               {"a fruit punch", "orange juice", "ml"}};
    const QStringList r = rng.pick(recipes);
    const Unit& unit = r.at(2) == QLatin1String("g") ? units::kG : units::kMl;
    const int people = rng.pick(QList<int>{2, 4, 5, 6, 8});
    const int each = rng.range(3, 12) * 5;
    int wanted = rng.range(3, 15);
    if (wanted == people)
        ++wanted;
    Question q =
        Make(Para(QStringLiteral("A recipe for %1 for %2 people uses %3 %4 of %5.")
                      .arg(r.at(0))
                      .arg(people)
                      .arg(people * each)
                      .arg(r.at(2), r.at(1))) +
                 Para(QStringLiteral("How many %1 of %2 are needed for %3 people?")
                          .arg(r.at(2) == QLatin1String("g") ? QStringLiteral("grams")
                                                             : QStringLiteral("millilitres"),
                               r.at(1))
                          .arg(wanted)),
             {MeasurePart(QString(), wanted * each, 0, unit, 2)});
    q.working = {QStringLiteral("For 1 person: %1 &divide; %2 = %3 %4.")
                     .arg(people * each)
                     .arg(people)
                     .arg(each)
                     .arg(r.at(2)),
                 QStringLiteral("For %1 people: %2 &times; %1 = %3 %4.")
                     .arg(wanted)
                     .arg(each)
                     .arg(wanted * each)
                     .arg(r.at(2))};
    return q;
}

Question BestBuy(Prng& rng)
{
    const Item item = PickItem(rng);
    const int k1 = rng.range(2, 6);
    int k2 = rng.range(3, 10);
    if (k2 == k1)
        ++k2;
    const int u1 = rng.range(item.low / 5, item.high / 5) * 5;
    int u2 = 0;
    do {
        u2 = u1 + rng.range(-6, 6) * 5;
    } while (u2 == u1 || u2 < 10);
    const QString better = u1 < u2 ? QStringLiteral("A") : QStringLiteral("B");
    const int saving = std::abs(u1 - u2);
    Question q = Make(
        Para(QStringLiteral("A shop sells %1 in two packs.").arg(item.many)) +
            DataTable({QStringLiteral("Pack"), QStringLiteral("Number"), QStringLiteral("Price")},
                      {{QStringLiteral("A"), QString::number(k1), Price(k1 * u1)},
                       {QStringLiteral("B"), QString::number(k2), Price(k2 * u2)}}),
        {AlternativesPart(QStringLiteral("Which pack is better value, A or B?"),
                          {better, QStringLiteral("pack ") + better}),
         MeasurePart(QStringLiteral("How much less does one %1 cost in that pack?").arg(item.one),
                     saving, 0, units::kPence, 2)});
    q.working = {
        QStringLiteral("Pack A: %1 &divide; %2 = %3p each.").arg(Price(k1 * u1)).arg(k1).arg(u1),
        QStringLiteral("Pack B: %1 &divide; %2 = %3p each.").arg(Price(k2 * u2)).arg(k2).arg(u2),
        QStringLiteral("Pack %1 is cheaper for each %2, by %3p &minus; %4p = %5p.")
            .arg(better, item.one)
            .arg(std::max(u1, u2))
            .arg(std::min(u1, u2))
            .arg(saving)};
    return q;
}

Question JuiceLeft(Prng& rng)
{
    const int litres = rng.range(1, 4);
    const int glass = rng.pick(QList<int>{150, 200, 250, 300, 125, 175});
    const int glasses = rng.range(2, litres * 1000 / glass - 1);
    const int left = litres * 1000 - glasses * glass;
    static const QStringList drinks = {"juice", "lemonade", "milk", "water", "squash"};
    const QString drink = rng.pick(drinks);
    Question q = Make(
        Para(QStringLiteral("A bottle holds %1 litre%2 of %3. %4 glasses of %5 ml "
                            "are poured from it.")
                 .arg(litres)
                 .arg(litres == 1 ? QString() : QStringLiteral("s"))
                 .arg(drink)
                 .arg(glasses)
                 .arg(glass)) +
            Para(QStringLiteral("How much %1 is left in the bottle, in millilitres?").arg(drink)),
        {MeasurePart(QString(), left, 0, units::kMl, 2)});
    q.working = {QStringLiteral("%1 litre%2 = %3 ml.")
                     .arg(litres)
                     .arg(litres == 1 ? QString() : QStringLiteral("s"))
                     .arg(litres * 1000),
                 QStringLiteral("Poured: %1 &times; %2 = %3 ml.")
                     .arg(glasses)
                     .arg(glass)
                     .arg(glasses * glass),
                 QStringLiteral("Left: %1 &minus; %2 = %3 ml.")
                     .arg(litres * 1000)
                     .arg(glasses * glass)
                     .arg(left)};
    return q;
}

Question SaleThenTotal(Prng& rng)
{
    const int d = rng.pick(QList<int>{2, 3, 4, 5, 10});
    const int price = d * rng.range(3, 15) * 100;
    const int off = price / d;
    const Item extra = PickItem(rng);
    const int extraPrice = PriceOf(rng, extra);
    static const QStringList goods = {"coat", "jacket", "pair of boots", "rucksack", "lamp"};
    const QString good = rng.pick(goods);
    const int total = price - off + extraPrice;
    const QString article = QStringLiteral("aeiou").contains(extra.one.front())
                                ? QStringLiteral("an")
                                : QStringLiteral("a");
    Question q = Make(Para(QStringLiteral("A %1 costs %2. In a sale it has %3 off. %4 buys the "
                                          "%1 in the sale and %5 %6 for %7.")
                               .arg(good, Money(price), FractionHtml(1, d), Name(rng), article,
                                    extra.one, Money(extraPrice))) +
                          Para(QStringLiteral("How much is that altogether?")),
                      {MeasurePart(QString(), total, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("%1 of %2 is %2 &divide; %3 = %4.")
                     .arg(FractionHtml(1, d), Money(price))
                     .arg(d)
                     .arg(Price(off)),
                 QStringLiteral("Sale price: %1 &minus; %2 = %3.")
                     .arg(Money(price), Price(off), Price(price - off)),
                 QStringLiteral("Altogether: %1 + %2 = %3.")
                     .arg(Price(price - off), Money(extraPrice), Price(total))};
    return q;
}

Question BusPassengers(Prng& rng)
{
    const int start = rng.range(25, 60);
    const int off = rng.range(5, 20);
    int on = rng.range(3, 20);
    if ((start - off + on) % 2 == 1)
        ++on;
    const int middle = start - off + on;
    const int now = middle / 2;
    Question q = Make(Para(QStringLiteral("A bus leaves the station with %1 passengers. At the "
                                          "first stop %2 get off and %3 get on. At the second stop "
                                          "half of the passengers get off and nobody gets on.")
                               .arg(start)
                               .arg(off)
                               .arg(on)) +
                          Para(QStringLiteral("How many passengers are on the bus now?")),
                      {MeasurePart(QString(), now, 0, kPassengers, 2)});
    q.working = {QStringLiteral("After the first stop: %1 &minus; %2 + %3 = %4.")
                     .arg(start)
                     .arg(off)
                     .arg(on)
                     .arg(middle),
                 QStringLiteral("Half get off: %1 &divide; 2 = %2 stay on.").arg(middle).arg(now)};
    return q;
}

Question AreaThenCost(Prng& rng)
{
    const int length = rng.range(3, 12);
    int width = rng.range(2, 9);
    if (width == length)
        ++width;
    const int perSquare = rng.range(4, 30) * 100 + rng.pick(QList<int>{0, 50});
    static const QStringList floors = {"carpet", "floor tiles", "wooden flooring",
                                       "artificial grass"};
    const QString cover = rng.pick(floors);
    Question q = Make(Para(QStringLiteral("A rectangular room is %1 m long and %2 m wide. %3 "
                                          "costs %4 for each square metre.")
                               .arg(length)
                               .arg(width)
                               .arg(cover.left(1).toUpper() + cover.mid(1), Price(perSquare))) +
                          Para(QStringLiteral("How much does it cost to cover the whole floor?")),
                      {MeasurePart(QString(), length * width * perSquare, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("Area: %1 &times; %2 = %3 m&sup2;.")
                     .arg(length)
                     .arg(width)
                     .arg(length * width),
                 QStringLiteral("Cost: %1 &times; %2 = %3.")
                     .arg(length * width)
                     .arg(Price(perSquare), Price(length * width * perSquare))};
    return q;
}

Question ThinkOfANumber(Prng& rng)
{
    const int x = rng.range(3, 25);
    const int a = rng.range(2, 9);
    const int b = rng.range(1, 30);
    const bool add = rng.chance(40) || a * x <= b;
    const int result = add ? a * x + b : a * x - b;
    const QString who = Name(rng);
    Question q = Make(Para(QStringLiteral("%1 thinks of a number, multiplies it by %2 and then "
                                          "%3 %4. The answer is %5.")
                               .arg(who)
                               .arg(a)
                               .arg(add ? QStringLiteral("adds") : QStringLiteral("subtracts"))
                               .arg(b)
                               .arg(result)) +
                          Para(QStringLiteral("What number did %1 think of?").arg(who)),
                      {NumberPart(QString(), x, 2)});
    q.working = {
        QStringLiteral("Work backwards, doing the opposite of each step."),
        QStringLiteral("Undo the %1: %2 %3 %4 = %5.")
            .arg(add ? QStringLiteral("adding") : QStringLiteral("subtracting"))
            .arg(result)
            .arg(add ? QStringLiteral("&minus;") : QStringLiteral("+"))
            .arg(b)
            .arg(a * x),
        QStringLiteral("Undo the multiplying: %1 &divide; %2 = %3.").arg(a * x).arg(a).arg(x)};
    return q;
}

Question LeaguePoints(Prng& rng)
{
    const int played = rng.range(10, 30);
    const int won = rng.range(2, played - 4);
    const int drawn = rng.range(1, played - won - 1);
    const int lost = played - won - drawn;
    const int win = rng.pick(QList<int>{3, 3, 2});
    const int points = win * won + drawn;
    Question q = Make(Para(QStringLiteral("In a league a team gets %1 points for a win, 1 point "
                                          "for a draw and none for a loss. A team played %2 "
                                          "games. It won %3 and lost %4; the rest were draws.")
                               .arg(win)
                               .arg(played)
                               .arg(won)
                               .arg(lost)) +
                          Para(QStringLiteral("How many points did it get?")),
                      {MeasurePart(QString(), points, 0, kPoints, 2)});
    q.working = {
        QStringLiteral("Draws: %1 &minus; %2 &minus; %3 = %4.")
            .arg(played)
            .arg(won)
            .arg(lost)
            .arg(drawn),
        QStringLiteral("Points for wins: %1 &times; %2 = %3.").arg(won).arg(win).arg(win * won),
        QStringLiteral("Total: %1 + %2 = %3 points.").arg(win * won).arg(drawn).arg(points)};
    return q;
}

Question StackUnderShelf(Prng& rng)
{
    const int box = rng.range(12, 35);
    int shelf = 0;
    do {
        shelf = rng.range(10, 25) * 10;
    } while (shelf % box == 0);
    const int fit = shelf / box;
    Question q = Make(Para(QStringLiteral("Boxes %1 cm tall are stacked one on top of another "
                                          "under a shelf that is %2 m above the floor.")
                               .arg(box)
                               .arg(DecimalText(shelf, 2))) +
                          Para(QStringLiteral("How many boxes can fit in the stack?")),
                      {MeasurePart(QString(), fit, 0, kBoxes, 2)});
    q.working = {QStringLiteral("%1 m = %2 cm.").arg(DecimalText(shelf, 2)).arg(shelf),
                 QStringLiteral("%1 &divide; %2 = %3 remainder %4.")
                     .arg(shelf)
                     .arg(box)
                     .arg(fit)
                     .arg(shelf % box),
                 QStringLiteral("Another box would not fit, so %1 boxes.").arg(fit)};
    return q;
}

Question PartyInvitations(Prng& rng)
{
    const int guests = rng.range(15, 60);
    int pack = rng.pick(QList<int>{6, 8, 10, 12});
    if (guests % pack == 0)
        pack = pack == 6 ? 8 : 6;
    if (guests % pack == 0)
        pack = 7;
    const int packs = guests / pack + 1;
    const int price = rng.range(25, 60) * 5;
    const int cost = packs * price;
    const int note = cost < 1000 ? 1000 : cost < 2000 ? 2000 : 5000;
    static const QStringList events = {"party", "picnic", "school fair", "sports day"};
    const QString who = Name(rng);
    Question q = Make(
        Para(QStringLiteral("%1 invites %2 guests to a %3. Invitations come in packs "
                            "of %4, and a pack costs %5.")
                 .arg(who)
                 .arg(guests)
                 .arg(rng.pick(events))
                 .arg(pack)
                 .arg(Money(price))),
        {MeasurePart(QStringLiteral("How many packs does %1 need?").arg(who), packs, 0, kPacks),
         MeasurePart(QStringLiteral("How much do they cost?"), cost, 2, units::kPounds),
         MeasurePart(QStringLiteral("How much change from %1?").arg(Money(note)), note - cost, 2,
                     units::kPounds)});
    q.working = {
        QStringLiteral("%1 &divide; %2 = %3 remainder %4, so %3 packs are not enough: "
                       "%5 packs.")
            .arg(guests)
            .arg(pack)
            .arg(guests / pack)
            .arg(guests % pack)
            .arg(packs),
        QStringLiteral("%1 &times; %2 = %3.").arg(packs).arg(Money(price), Price(cost)),
        QStringLiteral("%1 &minus; %2 = %3.").arg(Money(note), Price(cost), Price(note - cost))};
    return q;
}

Question FuelForJourney(Prng& rng)
{
    const int perLitre = rng.range(10, 18); // km a litre
    const int litres = rng.range(4, 30);
    const int distance = perLitre * litres;
    const int price = rng.range(130, 175); // pence a litre
    Question q = Make(Para(QStringLiteral("A car goes %1 km on 1 litre of fuel. Fuel costs %2p a "
                                          "litre. The car makes a journey of %3 km.")
                               .arg(perLitre)
                               .arg(price)
                               .arg(distance)),
                      {MeasurePart(QStringLiteral("How much fuel does the journey use?"), litres, 0,
                                   units::kLitres),
                       MeasurePart(QStringLiteral("How much does that fuel cost, in pounds?"),
                                   litres * price, 2, units::kPounds, 2)});
    q.working = {
        QStringLiteral("Fuel: %1 &divide; %2 = %3 litres.").arg(distance).arg(perLitre).arg(litres),
        QStringLiteral("Cost: %1 &times; %2p = %3p.").arg(litres).arg(price).arg(litres * price),
        QStringLiteral("%1p = %2.").arg(litres * price).arg(Price(litres * price))};
    return q;
}

Question SaveAFraction(Prng& rng)
{
    const int d = rng.pick(QList<int>{2, 3, 4, 5});
    const int kept = rng.range(1, d - 1);
    const int part = rng.range(1, 6) * 50; // a d-th of the weekly money, in pence
    const int weekly = part * d;
    const int saved = part * (d - kept);
    const int weeks = rng.range(4, 20);
    const QString who = Name(rng);
    Question q = Make(
        Para(QStringLiteral("%1 gets %2 pocket money a week, spends %3 of it and "
                            "saves the rest.")
                 .arg(who, Money(weekly), FractionHtml(kept / Gcd(kept, d), d / Gcd(kept, d)))),
        {MeasurePart(QStringLiteral("How much does %1 save each week?").arg(who), saved, 2,
                     units::kPounds),
         MeasurePart(QStringLiteral("How many weeks does %1 take to save %2?")
                         .arg(who, Money(saved * weeks)),
                     weeks, 0, kWeeks, 2)});
    q.working = {QStringLiteral("%1 of %2 is %2 &divide; %3 &times; %4 = %5 spent.")
                     .arg(FractionHtml(kept / Gcd(kept, d), d / Gcd(kept, d)), Money(weekly))
                     .arg(d / Gcd(kept, d))
                     .arg(kept / Gcd(kept, d))
                     .arg(Price(part * kept)),
                 QStringLiteral("Saved: %1 &minus; %2 = %3 a week.")
                     .arg(Money(weekly), Price(part * kept), Price(saved)),
                 QStringLiteral("%1 &divide; %2 = %3 weeks.")
                     .arg(Money(saved * weeks), Price(saved))
                     .arg(weeks)};
    return q;
}

Question CinemaTrip(Prng& rng)
{
    const int adults = rng.range(1, 3), children = rng.range(2, 5);
    const int adult = rng.range(14, 24) * 50, child = rng.range(8, 13) * 50;
    const int snack = rng.range(30, 80) * 5;
    const int tickets = adults * adult + children * child;
    const int people = adults + children;
    const int total = tickets + people * snack;
    static const QStringList places = {"cinema", "zoo", "theme park", "museum", "aquarium"};
    static const QStringList snacks = {"a drink", "an ice cream", "a bag of popcorn", "a snack"};
    Question q = Make(Para(QStringLiteral("%1 adult%2 and %3 children go to the %4. Tickets cost "
                                          "%5 for an adult and %6 for a child. Everyone also "
                                          "buys %7 at %8.")
                               .arg(adults)
                               .arg(adults == 1 ? QString() : QStringLiteral("s"))
                               .arg(children)
                               .arg(rng.pick(places), Money(adult), Money(child), rng.pick(snacks),
                                    Money(snack))),
                      {MeasurePart(QStringLiteral("How much do the tickets cost altogether?"),
                                   tickets, 2, units::kPounds),
                       MeasurePart(QStringLiteral("How much do they spend altogether?"), total, 2,
                                   units::kPounds, 2)});
    q.working = {
        QStringLiteral("Tickets: %1 &times; %2 + %3 &times; %4 = %5 + %6 = %7.")
            .arg(adults)
            .arg(Money(adult))
            .arg(children)
            .arg(Money(child), Price(adults * adult), Price(children * child), Price(tickets)),
        QStringLiteral("Snacks: %1 people &times; %2 = %3.")
            .arg(people)
            .arg(Money(snack), Price(people * snack)),
        QStringLiteral("Altogether: %1 + %2 = %3.")
            .arg(Price(tickets), Price(people * snack), Price(total))};
    return q;
}

} // namespace

QList<Generator> MultiStepKinds()
{
    return {ShoppingChange,
            ShareThenCompare,
            UnitPriceThenTotal,
            Fencing,
            TicketSales,
            SavingUp,
            Ages,
            CombinedRate,
            GroupsNeeded,
            FullAndLeftOver,
            RecipeScaling,
            BestBuy,
            JuiceLeft,
            SaleThenTotal,
            BusPassengers,
            AreaThenCost,
            ThinkOfANumber,
            LeaguePoints,
            StackUnderShelf,
            PartyInvitations,
            FuelForJourney,
            SaveAFraction,
            CinemaTrip};
}

} // namespace orlavine::pack
