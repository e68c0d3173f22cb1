// Measures: units, scales and rulers.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

Part Conversion(Prng& rng)
{
    switch (rng.range(0, 5)) {
    case 0: {
        const int tenths = rng.range(11, 95);
        return NumberPart(QStringLiteral("%1 km = &#9633; m").arg(DecimalText(tenths, 1)),
                          tenths * 100);
    }
    case 1: {
        const int grams = rng.range(11, 95) * 100;
        return DecimalPart(QStringLiteral("%1 g = &#9633; kg").arg(WithCommas(grams)), grams / 100,
                           1);
    }
    case 2: {
        const int ml = rng.range(1, 19) * 50;
        return DecimalPart(QStringLiteral("%1 ml = &#9633; litres").arg(ml), ml / 10, 2);
    }
    case 3: {
        const int mm = rng.range(12, 99);
        return DecimalPart(QStringLiteral("%1 mm = &#9633; cm").arg(mm), mm, 1);
    }
    case 4: {
        const int cm = rng.range(120, 980);
        return DecimalPart(QStringLiteral("%1 cm = &#9633; m").arg(cm), cm, 2);
    }
    default: {
        const int hundredths = rng.range(105, 950);
        return NumberPart(QStringLiteral("%1 kg = &#9633; g").arg(DecimalText(hundredths * 10, 3)),
                          hundredths * 10);
    }
    }
}

Question Conversions(Prng& rng)
{
    return ConversionDrill(rng, rng.range(3, 6));
}

Question PencilLength(Prng& rng)
{
    const int mm = rng.range(25, 98);
    Question q =
        Make(Para(QStringLiteral("How long is the pencil, in centimetres?")),
             {DecimalPart(QString(), mm, 1)}, QStringLiteral("Type the number only, like 4.5."));
    q.pictures = {Ruler(mm)};
    return q;
}

Question JugReading(Prng& rng)
{
    const int step = rng.pick(QList<int>{50, 100});
    const int value = rng.range(2, 1000 / step - 1) * step;
    Question q = Make(Para(QStringLiteral("How much water is in the jug, in millilitres?")),
                      {NumberPart(QString(), value)});
    q.pictures = {Jug(1000, step, 200, value)};
    return q;
}

Question ChooseUnit(Prng& rng)
{
    struct Case {
        const char* thing;
        const char* unit;
    };
    static const QList<Case> cases = {{"the mass of an apple", "grams"},
                                      {"the length of a football pitch", "metres"},
                                      {"the amount of water in a bath", "litres"},
                                      {"the mass of a car", "kilograms"},
                                      {"the length of an ant", "millimetres"},
                                      {"the distance from London to Paris", "kilometres"}};
    const Case c = rng.pick(cases);
    return ChoiceQuestion(
        Para(QStringLiteral("Which unit is best for measuring %1?").arg(c.thing)),
        MakeChoice(rng, c.unit,
                   {"grams", "metres", "litres", "kilograms", "millilitres", "kilometres"}));
}

Question InLitres(Prng& rng)
{
    const int ml = rng.pick(QList<int>{250, 500, 750, 1500, 2500});
    const int whole = ml / 1000;
    const int rest = ml % 1000;
    QStringList forms = {DecimalText(ml, 3)};
    forms.append(whole == 0 ? SimplestFraction(rest, 1000) : MixedNumber(ml, 1000));
    return Make(Para(QStringLiteral("Write <b>%1 ml</b> in litres.").arg(WithCommas(ml))),
                {AlternativesPart(QString(), forms)},
                QStringLiteral("Write it as a decimal, like 0.4, or as a fraction."));
}

Question FlourLeft(Prng& rng)
{
    const int kg = rng.range(2, 5);
    const int used = rng.range(3, 17) * 50;
    return Make(
        Para(QStringLiteral("A bag holds %1 kg of flour. A baker uses %2 g of it.")
                 .arg(kg)
                 .arg(used)),
        {NumberPart(QStringLiteral("How much flour is left, in grams?"), kg * 1000 - used, 2)});
}

Question Longest(Prng& rng)
{
    const int cm = rng.range(101, 189);
    const QList<int> mm = {cm * 10, cm * 10 + rng.range(3, 9) * 10, cm * 10 - rng.range(30, 90),
                           (cm / 10) * 100 + 5};
    const QStringList written = {DecimalText(mm[0], 3) + QStringLiteral(" m"),
                                 QStringLiteral("%1 cm").arg(mm[1] / 10),
                                 WithCommas(mm[2]) + QStringLiteral(" mm"),
                                 QStringLiteral("%1 cm").arg(DecimalText(mm[3], 1))};
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (mm[i] > mm[best])
            best = i;
    }
    QStringList wrong = written;
    wrong.removeAt(best);
    return ChoiceQuestion(Para(QStringLiteral("Which length is the <b>longest</b>?")),
                          MakeChoice(rng, written.at(best), wrong));
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
