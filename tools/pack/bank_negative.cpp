// Negative numbers: reading, ordering and calculating below zero.
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

const QString kBox = QStringLiteral("&#9633;");
const QString kTimes = QStringLiteral("&times;");
const QString kDivide = QStringLiteral("&divide;");
const QString kNoteMinus = QStringLiteral("Write a number below zero with a minus sign, like -4.");

/// v as printed: a true minus sign below zero.
QString SignedWithCommas(long long v)
{
    return v < 0 ? QStringLiteral("&minus;") + WithCommas(-v) : WithCommas(v);
}

/// v as it stands after an operation sign: in brackets below zero, "(&minus;4)".
QString Term(long long v)
{
    return v < 0 ? QStringLiteral("(%1)").arg(SignedWithCommas(v)) : SignedWithCommas(v);
}

/// A temperature as printed, "&minus;4 &deg;C".
QString Celsius(int v)
{
    return SignedWithCommas(v) + QStringLiteral(" &deg;C");
}

/// A sum of money in whole pounds that may be below zero, as a balance is: "-15", "-£15",
/// "£-15" and "-15.00" are all right.
Part BalancePart(const QString& prompt, int pounds, int marks)
{
    if (pounds >= 0)
        return MeasurePart(prompt, pounds * 100LL, 2, units::kPounds, marks);
    QStringList forms;
    for (const QString& number : NumberForms(pounds * 100LL, 2)) {
        const QString size = number.mid(1);
        for (const QString& form :
             {number, QStringLiteral("\u00A3") + number, QStringLiteral("\u00A3 ") + number,
              QStringLiteral("-\u00A3") + size, QStringLiteral("-\u00A3 ") + size,
              QStringLiteral("- \u00A3") + size, number + QStringLiteral(" pounds")}) {
            if (!forms.contains(form))
                forms.append(form);
        }
    }
    Part part = AlternativesPart(prompt, forms, marks);
    part.unit = units::kPounds.shown;
    part.unitBefore = true;
    part.answer = QStringLiteral("&minus;&pound;%1").arg(-pounds);
    return part;
}

/// The question with each stated answer below zero written with a true minus sign.
Question WithMinusSigns(Question q)
{
    for (Part& part : q.parts) {
        if (part.answer.startsWith(QLatin1Char('-')) && part.subs.first().type != 'R')
            part.answer = QStringLiteral("&minus;") + part.answer.mid(1);
    }
    return q;
}

/// A whole number different from each of `taken`, from lo to hi.
int Fresh(Prng& rng, int lo, int hi, const QList<int>& taken)
{
    int v = rng.range(lo, hi);
    while (taken.contains(v))
        v = v == hi ? lo : v + 1;
    return v;
}

Question OrderNumbers(Prng& rng)
{
    QList<int> values;
    while (values.size() < 3)
        values.append(Fresh(rng, -20, -1, values));
    while (values.size() < 5)
        values.append(Fresh(rng, -3, 15, values));
    QList<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    rng.shuffle(values);
    QStringList shown, key, ordered;
    for (int v : values)
        shown.append(SignedWithCommas(v));
    for (int v : sorted) {
        key.append(QString::number(v));
        ordered.append(SignedWithCommas(v));
    }
    Question q = Make(Para(QStringLiteral("Write these numbers in order, starting with the "
                                          "smallest.")) +
                          Display(shown.join(QStringLiteral("&nbsp;&nbsp;&nbsp; "))),
                      {FormPart(QString(), 'R', key.join(QLatin1Char(',')),
                                QStringLiteral("smallest first, with commas between"), 2)});
    q.working = {
        QStringLiteral("Below zero, the further a number is from zero the smaller it is: "
                       "%1 is the smallest.")
            .arg(ordered.first()),
        QStringLiteral("From the smallest up: %1.").arg(ordered.join(QStringLiteral(", "))),
        QStringLiteral("Written with commas: <b>%1</b>.").arg(key.join(QLatin1Char(',')))};
    return WithMinusSigns(q);
}

const QStringList kPlaces = {"Oslo",   "Cairo",  "Moscow", "London", "Rome",   "Helsinki",
                             "Ottawa", "Sydney", "Madrid", "Warsaw", "Dublin", "Reykjavik"};

Question ColdestPlace(Prng& rng)
{
    QStringList places = kPlaces;
    rng.shuffle(places);
    places = places.mid(0, 4);
    QList<int> temperatures;
    while (temperatures.size() < 4)
        temperatures.append(Fresh(rng, -15, 9, temperatures));
    const bool coldest = rng.chance(60);
    const int best = coldest ? *std::min_element(temperatures.cbegin(), temperatures.cend())
                             : *std::max_element(temperatures.cbegin(), temperatures.cend());
    QList<QStringList> rows;
    QList<Option> options;
    for (int i = 0; i < 4; ++i) {
        rows.append({places.at(i), Celsius(temperatures.at(i))});
        options.append({places.at(i), temperatures.at(i) == best});
    }
    const QString word = coldest ? QStringLiteral("coldest") : QStringLiteral("warmest");
    Question q = ChoiceQuestion(
        Para(QStringLiteral("The table shows the temperature in four cities one morning. "
                            "Which city was the <b>%1</b>?")
                 .arg(word)) +
            DataTable({QStringLiteral("City"), QStringLiteral("Temperature")}, rows),
        UniqueChoice(rng, options));
    QList<int> sorted = temperatures;
    std::sort(sorted.begin(), sorted.end());
    QStringList order;
    for (int v : sorted)
        order.append(SignedWithCommas(v));
    q.working = {
        QStringLiteral("From coldest to warmest: %1.").arg(order.join(QStringLiteral(", "))),
        QStringLiteral("The %1 is %2, in <b>%3</b>.")
            .arg(word, Celsius(best), places.at(int(temperatures.indexOf(best))))};
    return WithMinusSigns(q);
}

Question TemperatureGap(Prng& rng)
{
    QStringList places = kPlaces;
    rng.shuffle(places);
    const int cold = rng.range(-18, -1);
    const int warm = rng.chance(75) ? rng.range(1, 25) : rng.range(cold + 2, 0);
    Question q = Make(Para(QStringLiteral("At midnight it was %1 in %2 and %3 in %4.")
                               .arg(Celsius(cold), places.at(0), Celsius(warm), places.at(1))),
                      {MeasurePart(QStringLiteral("How many degrees warmer was %1 than %2?")
                                       .arg(places.at(1), places.at(0)),
                                   warm - cold, 0, units::kCelsius)});
    if (warm > 0)
        q.working = {QStringLiteral("From %1 up to 0 &deg;C is %2 degrees; from 0 up to %3 is %4 "
                                    "degrees.")
                         .arg(Celsius(cold))
                         .arg(-cold)
                         .arg(Celsius(warm))
                         .arg(warm),
                     QStringLiteral("%1 + %2 = <b>%3</b> degrees warmer.")
                         .arg(-cold)
                         .arg(warm)
                         .arg(warm - cold)};
    else
        q.working = {QStringLiteral("Both are below zero. Count up from %1 to %2.")
                         .arg(Celsius(cold), Celsius(warm)),
                     QStringLiteral("%1 &minus; %2 = %1 + %3 = <b>%4</b> degrees warmer.")
                         .arg(SignedWithCommas(warm), Term(cold))
                         .arg(-cold)
                         .arg(warm - cold)};
    return WithMinusSigns(q);
}

Question TemperatureDay(Prng& rng)
{
    const int noon = rng.range(-4, 12);
    const int fall = rng.range(noon + 2, noon + 14);
    const int night = noon - fall;
    const int rise = rng.range(2, 9);
    Question q = Make(
        Para(QStringLiteral("The thermometer shows the temperature at noon. By midnight the "
                            "temperature had fallen by %1 degrees. By 8 am the next morning it "
                            "had risen by %2 degrees.")
                 .arg(fall)
                 .arg(rise)),
        {MeasurePart(QStringLiteral("What was the temperature at midnight?"), night, 0,
                     units::kCelsius),
         MeasurePart(QStringLiteral("What was the temperature at 8 am?"), night + rise, 0,
                     units::kCelsius)},
        kNoteMinus);
    q.pictures = {Thermometer(-20, 15, noon)};
    q.workingPictures = {Thermometer(-20, 15, night)};
    q.working = {QStringLiteral("The thermometer shows %1 at noon.").arg(Celsius(noon)),
                 QStringLiteral("Midnight: %1 &minus; %2 = <b>%3</b> (the thermometer below).")
                     .arg(SignedWithCommas(noon))
                     .arg(fall)
                     .arg(Celsius(night)),
                 QStringLiteral("8 am: %1 + %2 = <b>%3</b>.")
                     .arg(SignedWithCommas(night))
                     .arg(rise)
                     .arg(Celsius(night + rise))};
    return WithMinusSigns(q);
}

Question LineBelowZero(Prng& rng)
{
    const int step = rng.pick(QList<int>{1, 2, 5, 10});
    const int from = -rng.range(5, 9) * step;
    const int to = from + 10 * step;
    int at = from + rng.range(1, 9) * step;
    if ((at - from) % (5 * step) == 0)
        at += step; // not on a label
    Question q = Make(Para(QStringLiteral("What number is the arrow pointing to?")),
                      {NumberPart(QString(), at)}, kNoteMinus);
    q.pictures = {NumberLine(from, to, step, 5 * step, 0, at)};
    const int label = from + (at - from) / (5 * step) * (5 * step);
    q.working = {QStringLiteral("The labels go up in %1s with 5 small steps between, so each "
                                "small step is %2.")
                     .arg(5 * step)
                     .arg(step),
                 QStringLiteral("The arrow is %1 small step%5 to the right of %2: %2 + %3 = "
                                "<b>%4</b>.")
                     .arg((at - label) / step)
                     .arg(SignedWithCommas(label))
                     .arg(at - label)
                     .arg(SignedWithCommas(at), at - label == step ? QString() : QStringLiteral("s"))};
    q.workingPictures = {NumberLine(from, to, step, 5 * step, 0, at, DecimalText(at, 0))};
    return WithMinusSigns(q);
}

Question AddSubtract(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    QList<int> forms = {0, 1, 2, 3, 4};
    rng.shuffle(forms);
    forms = forms.mid(0, 4);
    // The difference of two positive numbers that crosses zero first, before the sums
    // that start below zero or take a negative.
    std::stable_partition(forms.begin(), forms.end(), [](int form) { return form == 1; });
    for (int form : forms) {
        const int a = rng.range(2, 12), b = rng.range(2, 12);
        int x = 0, y = 0, answer = 0;
        bool add = true;
        QString rule;
        switch (form) {
        case 0: // -a + b
            x = -a, y = b, answer = b - a;
            rule = QStringLiteral("Start at %1 and count up %2").arg(SignedWithCommas(x)).arg(b);
            break;
        case 1: // a - (a + b): across zero
            x = a, y = a + b, add = false, answer = -b;
            rule = QStringLiteral("Start at %1 and count down %2").arg(x).arg(y);
            break;
        case 2: // -a - b
            x = -a, y = b, add = false, answer = -a - b;
            rule = QStringLiteral("Start at %1 and count down %2").arg(SignedWithCommas(x)).arg(b);
            break;
        case 3: // a - (-b)
            x = rng.range(-6, 9), y = -b, add = false, answer = x + b;
            rule =
                QStringLiteral("Taking away a negative is adding: %1 + %2").arg(SignedWithCommas(x)).arg(b);
            break;
        default: // a + (-b)
            x = rng.range(-6, 9), y = -b, answer = x - b;
            rule = QStringLiteral("Adding a negative is taking away: %1 &minus; %2")
                       .arg(SignedWithCommas(x))
                       .arg(b);
        }
        const QString sum =
            QStringLiteral("%1 %2 %3")
                .arg(SignedWithCommas(x), add ? QStringLiteral("+") : QStringLiteral("&minus;"), Term(y));
        parts.append(NumberPart(sum, answer));
        steps.append(QStringLiteral("%1: %2, giving <b>%3</b>.").arg(sum, rule, SignedWithCommas(answer)));
    }
    Question q = Make(Para(QStringLiteral("Work out")), parts, kNoteMinus);
    q.working = steps;
    return WithMinusSigns(q);
}

Question MultiplyDivide(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    QList<int> forms = {0, 1, 2, 3, 4};
    rng.shuffle(forms);
    for (int form : forms.mid(0, 4)) {
        const int a = rng.range(2, 9), b = rng.range(2, 9);
        QString sum;
        int answer = 0;
        bool same = false;
        switch (form) {
        case 0:
            sum = QStringLiteral("%1 %2 %3").arg(SignedWithCommas(-a), kTimes).arg(b);
            answer = -a * b;
            break;
        case 1:
            sum = QStringLiteral("%1 %2 %3").arg(SignedWithCommas(-a), kTimes, Term(-b));
            answer = a * b, same = true;
            break;
        case 2:
            sum = QStringLiteral("%1 %2 %3").arg(SignedWithCommas(-a * b), kDivide).arg(b);
            answer = -a;
            break;
        case 3:
            sum = QStringLiteral("%1 %2 %3").arg(SignedWithCommas(-a * b), kDivide, Term(-a));
            answer = b, same = true;
            break;
        default:
            sum = QStringLiteral("%1 %2 %3").arg(a * b).arg(kDivide, Term(-b));
            answer = -a;
        }
        parts.append(NumberPart(sum, answer));
        steps.append(QStringLiteral("%1: %2, so the answer is %3: <b>%4</b>.")
                         .arg(sum,
                              same ? QStringLiteral("the signs are the same")
                                   : QStringLiteral("the signs are different"),
                              same ? QStringLiteral("positive") : QStringLiteral("negative"),
                              SignedWithCommas(answer)));
    }
    Question q = Make(Para(QStringLiteral("Work out")), parts, kNoteMinus);
    q.working = {QStringLiteral("Work out the size as usual; the answer is positive when the two "
                                "signs are the same and negative when they differ.")};
    q.working += steps;
    return WithMinusSigns(q);
}

Question SequenceDown(Prng& rng)
{
    const int step = rng.range(2, 7);
    const bool down = rng.chance(65);
    const int start = down ? rng.range(3, 4 * step) : -rng.range(6 * step, 8 * step);
    QList<int> terms;
    for (int i = 0; i < 7; ++i)
        terms.append(start + (down ? -i : i) * step);
    const int gap = rng.range(1, 4);
    QStringList shown;
    for (int i = 0; i < 7; ++i)
        shown.append(i == gap || i == 6 ? kBox : SignedWithCommas(terms.at(i)));
    const QString sign = down ? QStringLiteral("&minus;") : QStringLiteral("+");
    Question q = Make(Para(QStringLiteral("The numbers in this sequence go %1 in equal steps.")
                               .arg(down ? QStringLiteral("down") : QStringLiteral("up"))) +
                          Display(shown.join(QStringLiteral(", "))),
                      {NumberPart(QStringLiteral("the first missing number"), terms.at(gap)),
                       NumberPart(QStringLiteral("the last number"), terms.at(6))},
                      kNoteMinus);
    const int known = gap == 1 ? 2 : 0; // two terms side by side that are both shown
    q.working = {QStringLiteral("From %1 to %2 the numbers go %3 by %4.")
                     .arg(SignedWithCommas(terms.at(known)), SignedWithCommas(terms.at(known + 1)),
                          down ? QStringLiteral("down") : QStringLiteral("up"))
                     .arg(step),
                 QStringLiteral("%1 %2 %3 = <b>%4</b>.")
                     .arg(SignedWithCommas(terms.at(gap - 1)), sign)
                     .arg(step)
                     .arg(SignedWithCommas(terms.at(gap))),
                 QStringLiteral("%1 %2 %3 = <b>%4</b>.")
                     .arg(SignedWithCommas(terms.at(5)), sign)
                     .arg(step)
                     .arg(SignedWithCommas(terms.at(6)))};
    return WithMinusSigns(q);
}

Question BankBalance(Prng& rng)
{
    const QString who = Name(rng);
    const int start = rng.range(3, 40);
    const int spend = start + rng.range(5, 45);
    const int payIn = rng.range(10, 60);
    static const QStringList buys = {"a bike", "a phone",         "concert tickets",
                                     "a coat", "a games console", "a guitar"};
    const int after = start - spend;
    Question q = Make(
        Para(QStringLiteral("%1 has &pound;%2 in a bank account and pays &pound;%3 for %4, so the "
                            "account goes below zero.")
                 .arg(who)
                 .arg(start)
                 .arg(spend)
                 .arg(rng.pick(buys))),
        {BalancePart(QStringLiteral("What is the balance of the account now?"), after, 1),
         BalancePart(QStringLiteral("%1 then pays in &pound;%2. What is the balance now?")
                         .arg(who)
                         .arg(payIn),
                     after + payIn, 2)},
        QStringLiteral("Write a balance below zero with a minus sign, like -&pound;5."));
    const QString next = after + payIn < 0
                             ? QStringLiteral("&minus;&pound;%1").arg(-(after + payIn))
                             : QStringLiteral("&pound;%1").arg(after + payIn);
    q.working = {QStringLiteral("&pound;%1 &minus; &pound;%2 = <b>&minus;&pound;%3</b>: %4 owes "
                                "the bank &pound;%3.")
                     .arg(start)
                     .arg(spend)
                     .arg(-after)
                     .arg(who),
                 QStringLiteral("Paying in moves the balance up: &minus;&pound;%1 + &pound;%2 = "
                                "<b>%3</b>.")
                     .arg(-after)
                     .arg(payIn)
                     .arg(next)};
    return WithMinusSigns(q);
}

Question SeaLevel(Prng& rng)
{
    const int depth = rng.range(12, 40);
    const int climb = rng.range(3, depth - 2);
    const int height = rng.range(4, 30);
    static const QStringList above = {"A seagull is flying", "A helicopter is hovering",
                                      "A kite is flying", "A lighthouse lamp is"};
    Question q = Make(
        Para(QStringLiteral("A diver is at &minus;%1 m, %1 metres below sea level. %2 %3 m above "
                            "sea level.")
                 .arg(depth)
                 .arg(rng.pick(above))
                 .arg(height)),
        {MeasurePart(
             QStringLiteral("The diver swims up %1 m. What is the diver's height now?").arg(climb),
             climb - depth, 0, units::kM),
         MeasurePart(QStringLiteral("How far above the diver is it then?"), height + depth - climb,
                     0, units::kM, 2)},
        kNoteMinus);
    q.working = {QStringLiteral("Up %1 m from &minus;%2 m: &minus;%2 + %1 = <b>%3 m</b>.")
                     .arg(climb)
                     .arg(depth)
                     .arg(SignedWithCommas(climb - depth)),
                 QStringLiteral("From %1 m up to sea level is %2 m; then up to %3 m is %3 m more.")
                     .arg(SignedWithCommas(climb - depth))
                     .arg(depth - climb)
                     .arg(height),
                 QStringLiteral("%1 + %2 = <b>%3 m</b>.")
                     .arg(depth - climb)
                     .arg(height)
                     .arg(height + depth - climb)};
    return WithMinusSigns(q);
}

Question MissingNumber(Prng& rng)
{
    QList<Part> parts;
    QStringList steps;
    for (int form : {0, 1, 2}) {
        const int box = -rng.range(2, 15);
        const int k = rng.range(2, 12);
        QString sum, inverse;
        switch (form) {
        case 0: // box + k = r
            sum = QStringLiteral("%1 + %2 = %3").arg(kBox).arg(k).arg(SignedWithCommas(box + k));
            inverse = QStringLiteral("%1 &minus; %2").arg(SignedWithCommas(box + k)).arg(k);
            break;
        case 1: // k - box = r
            sum = QStringLiteral("%1 &minus; %2 = %3").arg(k).arg(kBox).arg(k - box);
            inverse = QStringLiteral("%1 &minus; %2").arg(k).arg(k - box);
            break;
        default: // box - k = r
            sum = QStringLiteral("%1 &minus; %2 = %3").arg(kBox).arg(k).arg(SignedWithCommas(box - k));
            inverse = QStringLiteral("%1 + %2").arg(SignedWithCommas(box - k)).arg(k);
        }
        parts.append(NumberPart(sum, box));
        steps.append(
            QStringLiteral("%1: the box is %2 = <b>%3</b>.").arg(sum, inverse, SignedWithCommas(box)));
    }
    Question q =
        Make(Para(QStringLiteral("Write the missing number in each box.")), parts, kNoteMinus);
    q.working = {QStringLiteral("Use the inverse operation to find each box.")};
    q.working += steps;
    return WithMinusSigns(q);
}

/// A statement comparing two numbers, "&minus;7 &lt; &minus;3", and whether it is true.
Option Comparison(int a, int b, bool less)
{
    return {QStringLiteral("%1 %2 %3")
                .arg(SignedWithCommas(a), less ? QStringLiteral("&lt;") : QStringLiteral("&gt;"), SignedWithCommas(b)),
            less ? a < b : a > b};
}

Question TrueStatement(Prng& rng)
{
    // One true comparison and three false ones, each of two different numbers.
    QList<Option> options;
    QStringList why;
    while (options.size() < 4) {
        const int a = rng.range(-15, 3);
        const int b = rng.range(-15, -1);
        if (b == a)
            continue;
        const bool wantTrue = options.isEmpty();
        const bool less = rng.chance(50);
        Option o = Comparison(a, b, less);
        if (o.fits != wantTrue)
            o = Comparison(a, b, !less);
        if (std::any_of(options.cbegin(), options.cend(),
                        [&](const Option& other) { return other.text == o.text; }))
            continue;
        options.append(o);
        why.append(QStringLiteral("%1 is %2 than %3")
                       .arg(SignedWithCommas(a), a < b ? "less" : "greater", SignedWithCommas(b)));
    }
    const QString right = options.first().text;
    Question q = ChoiceQuestion(Para(QStringLiteral("Which statement is true? (&lt; means "
                                                    "\"is less than\", &gt; means \"is greater "
                                                    "than\".)")),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("On a number line the number further left is the smaller."),
                 why.join(QStringLiteral("; ")) + QLatin1Char('.'),
                 QStringLiteral("So the true statement is <b>%1</b>.").arg(right)};
    return WithMinusSigns(q);
}

Question Halfway(Prng& rng)
{
    const int a = -rng.range(2, 20);
    const int b = a + 2 * rng.range(2, 14);
    Question q = Make(Para(QStringLiteral("What number is halfway between <b>%1</b> and "
                                          "<b>%2</b>?")
                               .arg(SignedWithCommas(a), SignedWithCommas(b))),
                      {NumberPart(QString(), (a + b) / 2)}, kNoteMinus);
    q.working = {
        QStringLiteral("The distance from %1 to %2 is %3.").arg(SignedWithCommas(a), SignedWithCommas(b)).arg(b - a),
        QStringLiteral("Half of %1 is %2, and %3 + %2 = <b>%4</b>.")
            .arg(b - a)
            .arg((b - a) / 2)
            .arg(SignedWithCommas(a), SignedWithCommas((a + b) / 2))};
    return WithMinusSigns(q);
}

Question LiftFloors(Prng& rng)
{
    static const QStringList buildings = {"a hotel", "an office block", "a shopping centre",
                                          "a hospital", "a block of flats"};
    const int start = rng.range(1, 8);
    const int down = start + rng.range(1, 4);
    const int up = rng.range(2, 9);
    const QString who = Name(rng);
    Question q = Make(
        Para(QStringLiteral("In %1 the ground floor is floor 0 and the car park floors below it "
                            "are &minus;1, &minus;2, &minus;3 and &minus;4. %2 gets in the lift "
                            "on floor %3.")
                 .arg(rng.pick(buildings), who)
                 .arg(start)),
        {NumberPart(QStringLiteral("The lift goes down %1 floors. Which floor is %2 on?")
                        .arg(down)
                        .arg(who),
                    start - down),
         NumberPart(QStringLiteral("Then it goes up %1 floors. Which floor is %2 on now?")
                        .arg(up)
                        .arg(who),
                    start - down + up)},
        kNoteMinus);
    q.working = {QStringLiteral("Down %1 floors: %2 &minus; %1 = <b>%3</b>.")
                     .arg(down)
                     .arg(start)
                     .arg(SignedWithCommas(start - down)),
                 QStringLiteral("Up %1 floors: %2 + %1 = <b>%3</b>.")
                     .arg(up)
                     .arg(SignedWithCommas(start - down))
                     .arg(SignedWithCommas(start - down + up))};
    return WithMinusSigns(q);
}

Question CityTable(Prng& rng)
{
    QStringList places = kPlaces;
    rng.shuffle(places);
    places = places.mid(0, 5);
    QList<int> temperatures;
    while (temperatures.size() < 5)
        temperatures.append(Fresh(rng, -16, 12, temperatures));
    if (*std::min_element(temperatures.cbegin(), temperatures.cend()) >= 0)
        temperatures[0] = -rng.range(1, 16);
    QList<QStringList> rows;
    for (int i = 0; i < 5; ++i)
        rows.append({places.at(i), Celsius(temperatures.at(i))});
    const int low = *std::min_element(temperatures.cbegin(), temperatures.cend());
    const int high = *std::max_element(temperatures.cbegin(), temperatures.cend());
    const QString coldest = places.at(int(temperatures.indexOf(low)));
    const int pick = rng.range(0, 4);
    const int drop = rng.range(3, 9);
    Question q = Make(
        Para(QStringLiteral("The table shows the lowest temperature in five cities one day.")) +
            DataTable({QStringLiteral("City"), QStringLiteral("Lowest temperature")}, rows),
        {AlternativesPart(QStringLiteral("Which city was the coldest?"), {coldest}),
         MeasurePart(QStringLiteral("What is the difference between the highest and the lowest "
                                    "of these temperatures?"),
                     high - low, 0, units::kCelsius),
         MeasurePart(QStringLiteral("The next day %1 was %2 degrees colder. What was its lowest "
                                    "temperature then?")
                         .arg(places.at(pick))
                         .arg(drop),
                     temperatures.at(pick) - drop, 0, units::kCelsius)},
        kNoteMinus);
    q.working = {QStringLiteral("The lowest number is %1, so the coldest city is <b>%2</b>.")
                     .arg(Celsius(low), coldest),
                 QStringLiteral("Highest %1, lowest %2: %3 &minus; %4 = <b>%5</b> degrees.")
                     .arg(Celsius(high), Celsius(low), SignedWithCommas(high), Term(low))
                     .arg(high - low),
                 QStringLiteral("%1 colder: %2 &minus; %3 = <b>%4</b>.")
                     .arg(drop)
                     .arg(SignedWithCommas(temperatures.at(pick)))
                     .arg(drop)
                     .arg(Celsius(temperatures.at(pick) - drop))};
    return WithMinusSigns(q);
}

Question LessThan(Prng& rng)
{
    const int start = rng.range(-9, 5);
    const int by = rng.range(3, 12);
    const bool less = rng.chance(60);
    const int answer = less ? start - by : start + by;
    // The slips: the other direction, and each of these from the size alone.
    QList<int> values = {answer, less ? start + by : start - by, -answer, by - start};
    QList<Option> options;
    for (int v : values) {
        if (std::none_of(options.cbegin(), options.cend(),
                         [&](const Option& o) { return o.text == SignedWithCommas(v); }))
            options.append({SignedWithCommas(v), v == answer});
    }
    for (int extra = 1; options.size() < 4; ++extra) {
        const int v = answer + (extra % 2 ? extra : -extra);
        if (std::none_of(options.cbegin(), options.cend(),
                         [&](const Option& o) { return o.text == SignedWithCommas(v); }))
            options.append({SignedWithCommas(v), false});
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which number is %1 %2 than <b>%3</b>?")
                 .arg(by)
                 .arg(less ? QStringLiteral("less") : QStringLiteral("more"), SignedWithCommas(start))),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("%1 than means count %2 %3 on the number line.")
                     .arg(less ? QStringLiteral("Less") : QStringLiteral("More"),
                          less ? QStringLiteral("down") : QStringLiteral("up"))
                     .arg(by),
                 QStringLiteral("%1 %2 %3 = <b>%4</b>.")
                     .arg(SignedWithCommas(start), less ? QStringLiteral("&minus;") : QStringLiteral("+"))
                     .arg(by)
                     .arg(SignedWithCommas(answer))};
    return WithMinusSigns(q);
}

Question Substitute(Prng& rng)
{
    const int n = -rng.range(2, 9);
    const int a = rng.range(2, 6), b = rng.range(1, 12);
    const int c = rng.range(3, 15);
    const QString letter = rng.pick(QStringList{"n", "x", "y", "a", "t"});
    Question q =
        Make(Para(QStringLiteral("<i>%1</i> = %2. Find the value of each expression.")
                      .arg(letter, SignedWithCommas(n))),
             {NumberPart(QStringLiteral("%1<i>%2</i> + %3").arg(a).arg(letter).arg(b), a * n + b),
              NumberPart(QStringLiteral("%1 &minus; <i>%2</i>").arg(c).arg(letter), c - n),
              NumberPart(QStringLiteral("<i>%1</i>&sup2;").arg(letter), n * n)},
             kNoteMinus);
    q.working = {QStringLiteral("%1<i>%2</i> + %3 = %1 %4 %5 + %3 = %6 + %3 = <b>%7</b>.")
                     .arg(a)
                     .arg(letter)
                     .arg(b)
                     .arg(kTimes, Term(n), SignedWithCommas(a * n), SignedWithCommas(a * n + b)),
                 QStringLiteral("%1 &minus; <i>%2</i> = %1 &minus; %3 = %1 + %4 = <b>%5</b>.")
                     .arg(c)
                     .arg(letter, Term(n))
                     .arg(-n)
                     .arg(c - n),
                 QStringLiteral("<i>%1</i>&sup2; = %2 %3 %2 = <b>%4</b>: two negatives multiply "
                                "to a positive.")
                     .arg(letter, Term(n), kTimes)
                     .arg(n * n)};
    return WithMinusSigns(q);
}

Question SumAndProduct(Prng& rng)
{
    // Two numbers, one of them negative, found from their sum and product.
    const int big = rng.range(2, 12);
    int small = -rng.range(1, 12);
    if (small == -big)
        small = -big + 1; // a sum of 0 would hide which of the pair is negative
    const int sum = big + small, product = big * small;
    Question q =
        Make(Para(QStringLiteral("Two whole numbers add to make <b>%1</b> and multiply to "
                                 "make <b>%2</b>. What are the two numbers?")
                      .arg(SignedWithCommas(sum), SignedWithCommas(product))),
             {GroupPart(QString(), {QString::number(big), QString::number(small)}, 2)}, kNoteGroup);
    q.parts.first().answer = QStringLiteral("%1 and %2").arg(big).arg(SignedWithCommas(small));
    q.working = {QStringLiteral("The product %1 is negative, so one number is negative and the "
                                "other positive.")
                     .arg(SignedWithCommas(product)),
                 QStringLiteral("Try the pairs that multiply to %1 until the sum is %2.")
                     .arg(-product)
                     .arg(SignedWithCommas(sum)),
                 QStringLiteral("%1 &times; %2 = %3 and %1 + %2 = %4: the numbers are <b>%1</b> "
                                "and <b>%5</b>.")
                     .arg(big)
                     .arg(Term(small), SignedWithCommas(product), SignedWithCommas(sum), SignedWithCommas(small))};
    return q;
}

} // namespace

QList<Generator> NegativeNumberKinds()
{
    return {OrderNumbers,  ColdestPlace,   TemperatureGap, TemperatureDay, LineBelowZero,
            AddSubtract,   MultiplyDivide, SequenceDown,   BankBalance,    SeaLevel,
            MissingNumber, TrueStatement,  Halfway,        LiftFloors,     CityTable,
            LessThan,      Substitute,     SumAndProduct};
}

} // namespace orlavine::pack
