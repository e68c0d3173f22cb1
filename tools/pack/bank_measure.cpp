// Measures: units, scales and rulers.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack {

namespace {

Part Conversion(Prng& rng)
{
    switch (rng.range(0, 5)) {
    case 0: {
        const int tenths = rng.range(11, 95);
        return MeasurePart(QStringLiteral("%1 km = &#9633; m").arg(DecimalText(tenths, 1)),
                           tenths * 100, 0, units::kM);
    }
    case 1: {
        const int grams = rng.range(11, 95) * 100;
        return MeasurePart(QStringLiteral("%1 g = &#9633; kg").arg(WithCommas(grams)), grams / 100,
                           1, units::kKg);
    }
    case 2: {
        const int ml = rng.range(1, 19) * 50;
        return MeasurePart(QStringLiteral("%1 ml = &#9633; litres").arg(ml), ml / 10, 2,
                           units::kLitres);
    }
    case 3: {
        const int mm = rng.range(12, 99);
        return MeasurePart(QStringLiteral("%1 mm = &#9633; cm").arg(mm), mm, 1, units::kCm);
    }
    case 4: {
        const int cm = rng.range(120, 980);
        return MeasurePart(QStringLiteral("%1 cm = &#9633; m").arg(cm), cm, 2, units::kM);
    }
    default: {
        const int hundredths = rng.range(105, 950);
        return MeasurePart(
            QStringLiteral("%1 kg = &#9633; g").arg(DecimalText(hundredths * 10, 3)),
            hundredths * 10, 0, units::kG);
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
    return q;
}

Question JugReading(Prng& rng)
{
    const int step = rng.pick(QList<int>{50, 100});
    const int value = rng.range(2, 1000 / step - 1) * step;
    Question q = Make(Para(QStringLiteral("How much water is in the jug, in millilitres?")),
                      {MeasurePart(QString(), value, 0, units::kMl)});
    q.pictures = {Jug(1000, step, 200, value)};
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
        {"millimetres", kLength, 1}, {"centimetres", kLength, 10},   {"metres", kLength, 1000},
        {"kilometres", kLength, 1000000}, {"grams", kMass, 1},       {"kilograms", kMass, 1000},
        {"millilitres", kCapacity, 1},    {"litres", kCapacity, 1000}};
    struct Thing {
        const char* thing;
        Quantity quantity;
        long long size; // about, in mm, g or ml
    };
    static const QList<Thing> things = {
        {"the mass of an apple", kMass, 150},
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
    return ChoiceQuestion(Para(QStringLiteral("Which unit is best for measuring %1?").arg(t.thing)),
                          UniqueChoice(rng, options));
}

Question InLitres(Prng& rng)
{
    // Hundreds of millilitres and quarters of a litre, under 3 litres, never whole litres.
    const int ml = rng.chance(30) ? rng.pick(QList<int>{250, 750, 1250, 1750, 2250, 2750})
                                  : rng.pick(QList<int>{1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 15, 18,
                                                        21, 24, 25, 28}) *
                                        100;
    const int whole = ml / 1000;
    const int rest = ml % 1000;
    // Every equivalent fraction; with the unit, the decimal and the simplest fractions, as
    // the forms with the unit of every equivalent fraction would make a key of pages.
    QStringList forms =
        WithUnit(NumberForms(ml, 3) << SimplestFraction(ml, 1000) << MixedNumber(ml, 1000),
                 units::kLitres);
    QStringList fractions = FractionForms(ml, 1000, false);
    if (whole > 0)
        fractions += MixedForms(whole, rest, 1000, false);
    for (const QString& form : fractions) {
        if (!forms.contains(form))
            forms.append(form);
    }
    Part part = AlternativesPart(QString(), forms);
    part.unit = units::kLitres.shown;
    return Make(Para(QStringLiteral("Write <b>%1 ml</b> in litres.").arg(WithCommas(ml))), {part},
                QStringLiteral("Write it as a decimal, like 0.4, or as a fraction."));
}

Question FlourLeft(Prng& rng)
{
    const int kg = rng.range(2, 5);
    const int used = rng.range(3, 17) * 50;
    return Make(Para(QStringLiteral("A bag holds %1 kg of flour. A baker uses %2 g of it.")
                         .arg(kg)
                         .arg(used)),
                {MeasurePart(QStringLiteral("How much flour is left, in grams?"),
                             kg * 1000 - used, 0, units::kG, 2)});
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
    return ChoiceQuestion(Para(QStringLiteral("Which length is the <b>longest</b>?")),
                          UniqueChoice(rng, options));
}

} // namespace

Question ConversionDrill(Prng& rng, int parts)
{
    QList<Part> list;
    for (int i = 0; i < parts; ++i)
        list.append(Conversion(rng));
    return Make(Para(QStringLiteral("Fill in the missing numbers.")), list);
}

QList<Generator> MeasureKinds()
{
    return {Conversions, PencilLength, JugReading, ChooseUnit, InLitres,
            FlourLeft,   Longest,      ChooseUnit, Conversions};
}

} // namespace orlavine::pack
