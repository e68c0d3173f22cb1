// Measures: units, scales and rulers.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>
#include <cstdlib>

namespace orlavine::pack
{

namespace
{

/// A written number: thousands marked by commas, no trailing zeros.
QString Num(long long scaled, int places)
{
    const QString text = DecimalText(scaled, places);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return WithCommas(text.left(point < 0 ? text.size() : point).toLongLong()) +
           (point < 0 ? QString() : text.mid(point));
}

/// "1 mark", "3 marks": small marks of a scale counted.
QString Marks(int count)
{
    return count == 1 ? QStringLiteral("1 mark") : QStringLiteral("%1 marks").arg(count);
}

/// A conversion to fill in and the line of working that does it.
struct Converted {
    Part part;
    QString step;
};

Converted Conversion(Prng& rng)
{
    switch (rng.range(0, 5)) {
    case 0: {
        const int tenths = rng.range(11, 95);
        return {MeasurePart(QStringLiteral("%1 km = &#9633; m").arg(DecimalText(tenths, 1)),
                            tenths * 100, 0, units::kM),
                QStringLiteral("1 km = 1,000 m, so %1 &times; 1,000 = %2 m.")
                    .arg(DecimalText(tenths, 1), Num(tenths * 100, 0))};
    }
    case 1: {
        const int grams = rng.range(11, 95) * 100;
        return {MeasurePart(QStringLiteral("%1 g = &#9633; kg").arg(WithCommas(grams)), grams / 100,
                            1, units::kKg),
                QStringLiteral("1 kg = 1,000 g, so %1 &divide; 1,000 = %2 kg.")
                    .arg(WithCommas(grams), Num(grams / 100, 1))};
    }
    case 2: {
        const int ml = rng.range(1, 19) * 50;
        return {MeasurePart(QStringLiteral("%1 ml = &#9633; litres").arg(ml), ml / 10, 2,
                            units::kLitres),
                QStringLiteral("1 litre = 1,000 ml, so %1 &divide; 1,000 = %2 litres.")
                    .arg(ml)
                    .arg(Num(ml / 10, 2))};
    }
    case 3: {
        const int mm = rng.range(12, 99);
        return {MeasurePart(QStringLiteral("%1 mm = &#9633; cm").arg(mm), mm, 1, units::kCm),
                QStringLiteral("1 cm = 10 mm, so %1 &divide; 10 = %2 cm.").arg(mm).arg(Num(mm, 1))};
    }
    case 4: {
        const int cm = rng.range(120, 980);
        return {MeasurePart(QStringLiteral("%1 cm = &#9633; m").arg(cm), cm, 2, units::kM),
                QStringLiteral("1 m = 100 cm, so %1 &divide; 100 = %2 m.").arg(cm).arg(Num(cm, 2))};
    }
    default: {
        const int hundredths = rng.range(105, 950);
        return {
            MeasurePart(QStringLiteral("%1 kg = &#9633; g").arg(DecimalText(hundredths * 10, 3)),
                        hundredths * 10, 0, units::kG),
            QStringLiteral("1 kg = 1,000 g, so %1 &times; 1,000 = %2 g.")
                .arg(DecimalText(hundredths * 10, 3), Num(hundredths * 10, 0))};
    }
    }
}

Question Conversions(Prng& rng)
{
    return ConversionDrill(rng, rng.range(3, 6));
}

Question PencilLength(Prng& rng)
{
    // The ruler shows 0 to 7 cm, so that its millimetre marks stand apart.
    const int mm = rng.range(25, 66);
    Question q = Make(Para(QStringLiteral("How long is the pencil, in centimetres?")),
                      {MeasurePart(QString(), mm, 1, units::kCm)});
    q.pictures = {Ruler(mm)};
    q.working = {QStringLiteral("The pencil starts at 0, so its length is where its tip is."),
                 QStringLiteral("Each small mark is 1 mm, a tenth of a centimetre.")};
    q.working.append(mm % 10 == 0
                         ? QStringLiteral("The tip is exactly at the %1 cm mark.").arg(mm / 10)
                         : QStringLiteral("The tip is %1 small marks past %2 cm: %2 cm and %1 mm.")
                               .arg(mm % 10)
                               .arg(mm / 10));
    q.working.append(QStringLiteral("So the pencil is %1 cm long.").arg(DecimalText(mm, 1)));
    return q;
}

Question JugReading(Prng& rng)
{
    struct JugScale {
        int max, step, label;
    };
    static const QList<JugScale> jugs = {{1000, 50, 200}, {1000, 100, 200}, {500, 25, 100},
                                         {500, 50, 100},  {2000, 100, 500}, {2000, 250, 500}};
    const JugScale jug = rng.pick(jugs);
    const int value = rng.range(2, jug.max / jug.step - 1) * jug.step;
    Question q = Make(Para(QStringLiteral("How much water is in the jug, in millilitres?")),
                      {MeasurePart(QString(), value, 0, units::kMl)});
    q.pictures = {Jug(jug.max, jug.step, jug.label, value)};
    const int below = value / jug.label * jug.label;
    q.working = {QStringLiteral("The numbers go up in %1 ml, with %2 spaces between them, so "
                                "each mark is %1 &divide; %2 = %3 ml.")
                     .arg(jug.label)
                     .arg(jug.label / jug.step)
                     .arg(jug.step)};
    q.working.append(value == below
                         ? QStringLiteral("The water is level with the %1 ml label.").arg(value)
                         : QStringLiteral("The water is %1 above %2: %2 + %3 &times; %4 = "
                                          "%5 ml.")
                               .arg(Marks((value - below) / jug.step))
                               .arg(below)
                               .arg((value - below) / jug.step)
                               .arg(jug.step)
                               .arg(WithCommas(value)));
    q.working.append(
        QStringLiteral("So there are %1 ml of water in the jug.").arg(WithCommas(value)));
    return q;
}

Question ChooseUnit(Prng& rng)
{
    enum Quantity { kLength, kMass, kCapacity };
    struct UnitSize {
        const char* name;
        Quantity quantity;
        long long size; // in mm, g or ml
    };
    static const QList<UnitSize> unitSizes = {
        {"millimetres", kLength, 1},      {"centimetres", kLength, 10}, {"metres", kLength, 1000},
        {"kilometres", kLength, 1000000}, {"grams", kMass, 1},          {"kilograms", kMass, 1000},
        {"millilitres", kCapacity, 1},    {"litres", kCapacity, 1000}};
    struct Thing {
        const char* thing;
        Quantity quantity;
        long long size; // about, in mm, g or ml
    };
    static const QList<Thing> things = {{"the mass of an apple", kMass, 150},
                                        {"the mass of a car", kMass, 1200000},
                                        {"the mass of a bag of potatoes", kMass, 2500},
                                        {"the mass of a pencil", kMass, 8},
                                        {"the length of an ant", kLength, 5},
                                        {"the length of a pencil", kLength, 150},
                                        {"the length of a football pitch", kLength, 100000},
                                        {"the distance from London to Paris", kLength, 340000000},
                                        {"the amount of water in a bath", kCapacity, 150000},
                                        {"the amount of medicine in a spoon", kCapacity, 5},
                                        {"the amount of water in a bucket", kCapacity, 10000}};
    const Thing t = rng.pick(things);
    // The best unit is the largest of the thing's kind in which it measures at least 1.
    int best = -1;
    for (int i = 0; i < unitSizes.size(); ++i) {
        const UnitSize& u = unitSizes.at(i);
        if (u.quantity == t.quantity && u.size <= t.size &&
            (best < 0 || u.size > unitSizes.at(best).size))
            best = i;
    }
    // The wrong options are clearly wrong: of another kind, or giving under 0.1 or 1,000 and
    // more (an ant is 0.5 cm long: centimetres would not be wrong enough).
    QList<int> others;
    for (int i = 0; i < unitSizes.size(); ++i) {
        const UnitSize& u = unitSizes.at(i);
        if (i != best &&
            (u.quantity != t.quantity || t.size * 10 < u.size || t.size >= u.size * 1000))
            others.append(i);
    }
    rng.shuffle(others);
    QList<Option> options;
    for (int i : QList<int>{best, others.at(0), others.at(1), others.at(2)})
        options.append({QLatin1String(unitSizes.at(i).name), i == best});
    Question q =
        ChoiceQuestion(Para(QStringLiteral("Which unit is best for measuring %1?").arg(t.thing)),
                       UniqueChoice(rng, options));
    const UnitSize& u = unitSizes.at(best);
    static const QStringList quantities = {"length", "mass", "capacity"};
    q.working = {
        QStringLiteral("To measure %1 we need a unit of %2.")
            .arg(t.thing, quantities.at(t.quantity)),
        QStringLiteral("In %1 it is about %2: a number easy to say. A smaller unit gives a very "
                       "large number, a larger one a number under 1.")
            .arg(u.name, WithCommas(t.size / u.size)),
        QStringLiteral("So the best unit is %1.").arg(u.name)};
    return q;
}

Question InLitres(Prng& rng)
{
    // Hundreds or fifties of millilitres, or quarters of a litre, under 3 litres, never whole
    // litres.
    int ml = 0;
    do
        ml = rng.chance(25)   ? rng.pick(QList<int>{250, 750, 1250, 1750, 2250, 2750})
             : rng.chance(30) ? rng.range(1, 29) * 100 + 50
                              : rng.range(1, 29) * 100;
    while (ml % 1000 == 0);
    const int whole = ml / 1000;
    const int rest = ml % 1000;
    // Every equivalent fraction; with the unit, the decimal and the simplest fractions, as
    // the forms with the unit of every equivalent fraction would make a key of pages.
    QStringList forms = WithUnit(
        NumberForms(ml, 3) << SimplestFraction(ml, 1000) << MixedNumber(ml, 1000), units::kLitres);
    QStringList fractions = FractionForms(ml, 1000, false);
    if (whole > 0)
        fractions += MixedForms(whole, rest, 1000, false);
    for (const QString& form : fractions) {
        if (!forms.contains(form))
            forms.append(form);
    }
    Part part = AlternativesPart(QString(), forms);
    part.unit = units::kLitres.shown;
    part.answer = DecimalText(ml, 3) + QStringLiteral(" litres");
    Question q = Make(Para(QStringLiteral("Write <b>%1 ml</b> in litres.").arg(WithCommas(ml))),
                      {part}, QStringLiteral("Write it as a decimal, like 0.4, or as a fraction."));
    q.working = {QStringLiteral("1 litre = 1,000 ml, so divide by 1,000."),
                 QStringLiteral("%1 &divide; 1,000 = %2").arg(WithCommas(ml), DecimalText(ml, 3)),
                 QStringLiteral("So %1 ml is %2 litres.").arg(WithCommas(ml), DecimalText(ml, 3))};
    return q;
}

Question FlourLeft(Prng& rng)
{
    const int kg = rng.range(2, 5);
    const int used = rng.range(3, 17) * 50;
    Question q = Make(Para(QStringLiteral("A bag holds %1 kg of flour. A baker uses %2 g of it.")
                               .arg(kg)
                               .arg(used)),
                      {MeasurePart(QStringLiteral("How much flour is left, in grams?"),
                                   kg * 1000 - used, 0, units::kG, 2)});
    q.working = {QStringLiteral("Write the bag in grams: %1 kg = %1 &times; 1,000 = %2 g.")
                     .arg(kg)
                     .arg(WithCommas(kg * 1000)),
                 QStringLiteral("%1 &minus; %2 = %3")
                     .arg(WithCommas(kg * 1000))
                     .arg(used)
                     .arg(WithCommas(kg * 1000 - used)),
                 QStringLiteral("So %1 g of flour is left.").arg(WithCommas(kg * 1000 - used))};
    return q;
}

Question Longest(Prng& rng)
{
    // Four lengths near one another, each written in its own way; which way the longest
    // takes falls as the lengths do.
    enum Way { kMetres, kWholeCm, kMillimetres, kTenthsCm };
    const int base = rng.range(101, 189) * 10;
    QList<int> mm;
    while (mm.size() < 4) {
        const Way way = Way(mm.size());
        const int wholeCm = rng.range(-9, 9) * 10;
        const int anyMm = rng.range(-90, 90);
        const int length = base + (way == kMetres || way == kWholeCm ? wholeCm : anyMm);
        if (!mm.contains(length) && !(way == kTenthsCm && length % 10 == 0))
            mm.append(length);
    }
    const int longest = *std::max_element(mm.cbegin(), mm.cend());
    const QStringList written = {DecimalText(mm[kMetres], 3) + QStringLiteral(" m"),
                                 QStringLiteral("%1 cm").arg(mm[kWholeCm] / 10),
                                 WithCommas(mm[kMillimetres]) + QStringLiteral(" mm"),
                                 DecimalText(mm[kTenthsCm], 1) + QStringLiteral(" cm")};
    QList<Option> options;
    for (int i = 0; i < 4; ++i)
        options.append({written.at(i), mm.at(i) == longest});
    Question q = ChoiceQuestion(Para(QStringLiteral("Which length is the <b>longest</b>?")),
                                UniqueChoice(rng, options));
    QStringList inMm;
    for (int i = 0; i < 4; ++i)
        inMm.append(QStringLiteral("%1 = %2 mm").arg(written.at(i), WithCommas(mm.at(i))));
    q.working = {QStringLiteral("Write every length in millimetres: 1 m = 1,000 mm and 1 cm = "
                                "10 mm."),
                 inMm.join(QStringLiteral("; ")),
                 QStringLiteral("The longest is %1 mm, so the answer is %2.")
                     .arg(WithCommas(longest), written.at(int(mm.indexOf(longest))))};
    return q;
}

Question ScaleReading(Prng& rng)
{
    struct Scale {
        int to, step, label, places;
        const Unit* unit;
        const char* name;
    };
    static const QList<Scale> scales = {{50, 2, 10, 1, &units::kKg, "kg"},
                                        {40, 5, 10, 1, &units::kKg, "kg"},
                                        {1000, 50, 200, 0, &units::kG, "g"},
                                        {500, 25, 100, 0, &units::kG, "g"},
                                        {30, 2, 10, 1, &units::kKg, "kg"}};
    const Scale s = rng.pick(scales);
    int value = 0;
    do
        value = rng.range(1, s.to / s.step - 1) * s.step;
    while (value % s.label == 0);
    Question q = Make(Para(QStringLiteral("The arrow shows the mass of a parcel on a scale. What "
                                          "is its mass, in %1?")
                               .arg(s.unit == &units::kKg ? "kilograms" : "grams")),
                      {MeasurePart(QString(), value, s.places, *s.unit)});
    q.pictures = {NumberLine(0, s.to, s.step, s.label, s.places, value)};
    q.pictures.first().alt = QStringLiteral("A scale in %1 with an arrow").arg(s.name);
    const int below = value / s.label * s.label;
    q.working = {
        QStringLiteral("The labels go up in %1 %2 with %3 spaces between them, so each mark is "
                       "%4 %2.")
            .arg(DecimalText(s.label, s.places), s.name)
            .arg(s.label / s.step)
            .arg(DecimalText(s.step, s.places)),
        QStringLiteral("The arrow is %1 past %2: %2 + %3 &times; %4 = %5")
            .arg(Marks((value - below) / s.step), DecimalText(below, s.places))
            .arg((value - below) / s.step)
            .arg(DecimalText(s.step, s.places), DecimalText(value, s.places)),
        QStringLiteral("So the parcel's mass is %1 %2.").arg(DecimalText(value, s.places), s.name)};
    return q;
}

Question SameAs(Prng& rng)
{
    struct Pair {
        const char* big;
        const char* small;
        int factor;
    };
    static const QList<Pair> pairs = {{"kg", "g", 1000},      {"m", "cm", 100}, {"km", "m", 1000},
                                      {"litres", "ml", 1000}, {"cm", "mm", 10}, {"m", "mm", 1000}};
    const Pair p = rng.pick(pairs);
    const int tenths = rng.range(11, 99); // the amount in the large unit, in tenths
    const long long right = (long long)tenths * p.factor / 10;
    // The wrong options slip the point: ten times too big, too small, a hundred times.
    QList<Option> options;
    for (const long long hundredths : {right * 100, right * 1000, right * 10, right * 10000})
        options.append(
            {QStringLiteral("%1 %2").arg(Num(hundredths, 2), p.small), hundredths == right * 100});
    Question q = ChoiceQuestion(Para(QStringLiteral("Which is the same as <b>%1 %2</b>?")
                                         .arg(DecimalText(tenths, 1), p.big)),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("1 %1 = %2 %3, so multiply by %2.")
                     .arg(p.big, WithCommas(p.factor), p.small),
                 QStringLiteral("%1 &times; %2 = %3")
                     .arg(DecimalText(tenths, 1), WithCommas(p.factor), WithCommas(right)),
                 QStringLiteral("So %1 %2 is the same as %3 %4.")
                     .arg(DecimalText(tenths, 1), p.big, WithCommas(right), p.small)};
    return q;
}

Question Recipe(Prng& rng)
{
    struct Ingredient {
        const char* name;
        const Unit* unit;
        const char* written;
    };
    static const QList<Ingredient> ingredients = {{"flour", &units::kG, "g"},
                                                  {"sugar", &units::kG, "g"},
                                                  {"butter", &units::kG, "g"},
                                                  {"milk", &units::kMl, "ml"},
                                                  {"oats", &units::kG, "g"}};
    static const QStringList dishes = {"pancakes", "a crumble", "flapjacks", "a cake", "scones"};
    const Ingredient ing = rng.pick(ingredients);
    const int each = rng.range(3, 30) * 5;
    const int people = rng.range(2, 6);
    int wanted = people;
    while (wanted == people)
        wanted = rng.range(2, 12);
    Question q =
        Make(Para(QStringLiteral("A recipe for %1 for <b>%2 people</b> uses <b>%3 %4</b> "
                                 "of %5.")
                      .arg(rng.pick(dishes))
                      .arg(people)
                      .arg(each * people)
                      .arg(ing.written, ing.name)),
             {MeasurePart(
                 QStringLiteral("How much %1 is needed for %2 people?").arg(ing.name).arg(wanted),
                 each * wanted, 0, *ing.unit, 2)});
    q.working = {QStringLiteral("For 1 person: %1 &divide; %2 = %3 %4.")
                     .arg(each * people)
                     .arg(people)
                     .arg(each)
                     .arg(ing.written),
                 QStringLiteral("For %1 people: %2 &times; %1 = %3 %4.")
                     .arg(wanted)
                     .arg(each)
                     .arg(WithCommas(each * wanted), ing.written),
                 QStringLiteral("So %1 %2 of %3 is needed.")
                     .arg(WithCommas(each * wanted), ing.written, ing.name)};
    return q;
}

Question Ribbon(Prng& rng)
{
    const QString name = Name(rng);
    const int first = rng.range(105, 180); // cm, written in metres
    const int second = rng.range(3, 19) * 5;
    const int third = rng.range(20, 95);
    const int total = first + second + third;
    const int needed = (total / 100 + 1) * 100 + rng.range(0, 1) * 100;
    Question q = Make(
        Para(QStringLiteral("%1 has three pieces of ribbon: <b>%2 m</b>, <b>%3 cm</b> and "
                            "<b>%4 cm</b> long.")
                 .arg(name, DecimalText(first, 2))
                 .arg(second)
                 .arg(third)),
        {MeasurePart(QStringLiteral("How long are the three pieces altogether, in centimetres?"),
                     total, 0, units::kCm, 2),
         MeasurePart(QStringLiteral("%1 needs %2 m of ribbon. How much more ribbon is needed, in "
                                    "centimetres?")
                         .arg(name)
                         .arg(needed / 100),
                     needed - total, 0, units::kCm)});
    q.working = {QStringLiteral("%1 m = %2 cm").arg(DecimalText(first, 2)).arg(first),
                 QStringLiteral("%1 + %2 + %3 = %4 cm altogether.")
                     .arg(first)
                     .arg(second)
                     .arg(third)
                     .arg(total),
                 QStringLiteral("%1 m = %2 cm, and %2 &minus; %3 = %4")
                     .arg(needed / 100)
                     .arg(needed)
                     .arg(total)
                     .arg(needed - total),
                 QStringLiteral("So %1 needs %2 cm more.").arg(name).arg(needed - total)};
    return q;
}

Question Glasses(Prng& rng)
{
    const int ml = rng.range(2, 6) * 500;
    int glass = 0;
    do
        glass = rng.pick(QList<int>{150, 200, 250, 300, 350, 400, 450});
    while (ml % glass == 0);
    static const QStringList drinks = {"orange juice", "apple juice", "lemonade", "milk", "water"};
    const QString drink = rng.pick(drinks);
    Question q = Make(
        Para(QStringLiteral("A jug holds <b>%1 litres</b> of %2. Each glass holds <b>%3 ml</b>.")
                 .arg(DecimalText(ml, 3), drink)
                 .arg(glass)),
        {MeasurePart(QStringLiteral("How many glasses can be filled?"), ml / glass, 0,
                     units::kNone),
         MeasurePart(QStringLiteral("How much %1 is left over, in millilitres?").arg(drink),
                     ml % glass, 0, units::kMl)});
    q.working = {QStringLiteral("%1 litres = %2 ml").arg(DecimalText(ml, 3), WithCommas(ml)),
                 QStringLiteral("%1 &divide; %2 = %3 remainder %4")
                     .arg(WithCommas(ml))
                     .arg(glass)
                     .arg(ml / glass)
                     .arg(ml % glass),
                 QStringLiteral("So %1 glasses can be filled, and %2 ml is left over.")
                     .arg(ml / glass)
                     .arg(ml % glass)};
    return q;
}

Question Imperial(Prng& rng)
{
    struct Rule {
        const char* big;    // "inch"
        int tenths;         // metric units in one, in tenths
        const char* metric; // "cm"
        const Unit* unit;
        Unit old;
    };
    static const QList<Rule> rules = {
        {"inch", 25, "cm", &units::kCm, {"inches", {"inches", "inch", "in"}}},
        {"foot", 300, "cm", &units::kCm, {"feet", {"feet", "foot", "ft"}}},
        {"gallon", 45, "litres", &units::kLitres, {"gallons", {"gallons", "gallon"}}},
        {"mile", 16, "km", &units::kKm, {"miles", {"miles", "mile"}}}};
    const Rule& r = rng.pick(rules);
    const QString bigs = r.old.shown;
    const int many = rng.range(2, 12);
    // Back the other way, a metric amount that makes a whole number of the old unit.
    int back = many;
    while (back == many || r.tenths * back % 10 != 0)
        back = rng.range(2, 20);
    const long long backMetric = (long long)r.tenths * back / 10;
    Question q = Make(
        Para(QStringLiteral("1 %1 is about <b>%2 %3</b>.")
                 .arg(r.big, DecimalText(r.tenths, 1), r.metric)),
        {MeasurePart(
             QStringLiteral("About how many %1 is %2 %3?").arg(r.metric).arg(many).arg(bigs),
             r.tenths * many, 1, *r.unit),
         MeasurePart(
             QStringLiteral("About how many %1 is %2 %3?").arg(bigs).arg(backMetric).arg(r.metric),
             back, 0, r.old, 2)});
    q.working = {QStringLiteral("(a) Each %1 is about %2 %3, so multiply: %4 &times; %2 = %5 %3.")
                     .arg(r.big, DecimalText(r.tenths, 1), r.metric)
                     .arg(many)
                     .arg(DecimalText(r.tenths * many, 1)),
                 QStringLiteral("(b) Going back, divide by %1: %2 &divide; %1 = %3")
                     .arg(DecimalText(r.tenths, 1))
                     .arg(backMetric)
                     .arg(back),
                 QStringLiteral("So %1 %2 is about %3 %4.")
                     .arg(backMetric)
                     .arg(r.metric)
                     .arg(back)
                     .arg(bigs)};
    return q;
}

Question ThermometerReading(Prng& rng)
{
    const int minC = rng.pick(QList<int>{-10, -5, 0});
    const int maxC = minC + rng.pick(QList<int>{30, 40});
    int value = 0;
    do
        value = rng.range(minC + 1, maxC - 1);
    while (value % 5 == 0);
    const int night = value - rng.range(3, 15);
    static const Unit degrees{"degrees", {"degrees", "degree", "\u00B0", "\u00B0C", "deg"}};
    Question q = Make(Para(QStringLiteral("The thermometer shows the temperature at midday. At "
                                          "midnight the temperature was <b>%1 &deg;C</b>.")
                               .arg(Signed(night))),
                      {MeasurePart(QStringLiteral("What temperature does the thermometer show?"),
                                   value, 0, units::kCelsius),
                       MeasurePart(QStringLiteral("How many degrees warmer was it at midday than "
                                                  "at midnight?"),
                                   value - night, 0, degrees)});
    q.pictures = {Thermometer(minC, maxC, value)};
    const int label = value > 0 ? value / 5 * 5 : -((-value) / 5 * 5);
    const int apart = value - label;
    q.working = {QStringLiteral("The labels go up in 5 &deg;C with 5 spaces between them, so each "
                                "mark is 1 &deg;C."),
                 QStringLiteral("The top of the red line is %1 %2 %3 &deg;C.")
                     .arg(Marks(std::abs(apart)))
                     .arg(apart > 0 ? "above" : "below")
                     .arg(Signed(label)),
                 QStringLiteral("So the thermometer shows %1 &deg;C.").arg(Signed(value)),
                 night < 0 && value > 0
                     ? QStringLiteral("From %1 &deg;C up to 0 &deg;C is %2 degrees, and "
                                      "on to %3 &deg;C is %3 more: %2 + %3 = %4 degrees "
                                      "warmer.")
                           .arg(Signed(night))
                           .arg(-night)
                           .arg(value)
                           .arg(value - night)
                     : QStringLiteral("Count up from %1 &deg;C to %2 &deg;C: %3 degrees "
                                      "warmer.")
                           .arg(Signed(night), Signed(value))
                           .arg(value - night)};
    return q;
}

Question Parcel(Prng& rng)
{
    static const QStringList items = {"tins of soup", "jars of jam", "books", "bags of rice",
                                      "bottles of juice"};
    const QString item = rng.pick(items);
    const int box = rng.range(8, 40) * 10;
    const int count = rng.range(3, 9);
    const int each = rng.range(12, 90) * 5;
    const int total = box + count * each;
    Question q = Make(
        Para(QStringLiteral("An empty box has a mass of <b>%1 g</b>. %2 %3 of <b>%4 g</b> each "
                            "are packed into it.")
                 .arg(box)
                 .arg(NumberWords(count).at(0).toUpper() + NumberWords(count).mid(1), item)
                 .arg(each)),
        {MeasurePart(QStringLiteral("What is the mass of the full box, in grams?"), total, 0,
                     units::kG, 2),
         MeasurePart(QStringLiteral("Write the mass of the full box in kilograms."), total, 3,
                     units::kKg)});
    q.working = {QStringLiteral("The %1: %2 &times; %3 = %4 g")
                     .arg(item)
                     .arg(count)
                     .arg(each)
                     .arg(WithCommas(count * each)),
                 QStringLiteral("With the box: %1 + %2 = %3 g")
                     .arg(WithCommas(count * each))
                     .arg(box)
                     .arg(WithCommas(total)),
                 QStringLiteral("1 kg = 1,000 g, so %1 g = %1 &divide; 1,000 = %2 kg.")
                     .arg(WithCommas(total), DecimalText(total, 3))};
    return q;
}

Question TallerBy(Prng& rng)
{
    const QString first = Name(rng);
    QString second = first;
    while (second == first)
        second = Name(rng);
    const int tall = rng.range(125, 172);
    const int shorter = tall - rng.range(3, 29);
    const bool metresFirst = rng.chance(50);
    const QString tallText = metresFirst ? DecimalText(tall, 2) + QStringLiteral(" m")
                                         : QStringLiteral("%1 cm").arg(tall);
    const QString shortText = metresFirst ? QStringLiteral("%1 cm").arg(shorter)
                                          : DecimalText(shorter, 2) + QStringLiteral(" m");
    Question q = Make(Para(QStringLiteral("%1 is <b>%2</b> tall. %3 is <b>%4</b> tall.")
                               .arg(first, tallText, second, shortText)),
                      {MeasurePart(QStringLiteral("How much taller is %1 than %2, in "
                                                  "centimetres?")
                                       .arg(first, second),
                                   tall - shorter, 0, units::kCm, 2)});
    q.working = {QStringLiteral("Write both heights in centimetres: %1 = %2 cm and %3 = %4 cm.")
                     .arg(tallText)
                     .arg(tall)
                     .arg(shortText)
                     .arg(shorter),
                 QStringLiteral("%1 &minus; %2 = %3").arg(tall).arg(shorter).arg(tall - shorter),
                 QStringLiteral("So %1 is %2 cm taller than %3.")
                     .arg(first)
                     .arg(tall - shorter)
                     .arg(second)};
    return q;
}

} // namespace

Question ConversionDrill(Prng& rng, int parts)
{
    QList<Part> list;
    QStringList working;
    for (int i = 0; i < parts; ++i) {
        const Converted c = Conversion(rng);
        list.append(c.part);
        working.append(c.step);
    }
    Question q = Make(Para(QStringLiteral("Fill in the missing numbers.")), list);
    q.working = working;
    return q;
}

QList<Generator> MeasureKinds()
{
    return {Conversions, PencilLength, JugReading,  ChooseUnit,         InLitres, FlourLeft,
            Longest,     ChooseUnit,   Conversions, ScaleReading,       SameAs,   Recipe,
            Ribbon,      Glasses,      Imperial,    ThermometerReading, Parcel,   TallerBy};
}

} // namespace orlavine::pack
