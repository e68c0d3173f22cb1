// Decimals and percentages, money.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>

namespace orlavine::pack {

namespace {

const QString kTimes = QStringLiteral("&times;");
const QString kDivide = QStringLiteral("&divide;");
const QString kMinus = QStringLiteral("&minus;");

QString Pounds(long long pence)
{
    return QStringLiteral("&pound;") + FixedText(pence, 2);
}

long long PowerOfTen(int k)
{
    long long p = 1;
    for (int i = 0; i < k; ++i)
        p *= 10;
    return p;
}

const QStringList kPlaceNames = {QStringLiteral("ones"), QStringLiteral("tenths"),
                                 QStringLiteral("hundredths"), QStringLiteral("thousandths")};

Question DecimalDigit(Prng& rng)
{
    // Three different digits, so that the one asked about stands in one place only.
    QList<int> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    rng.shuffle(digits);
    const int units = digits.at(0), tenths = digits.at(1), hundredths = digits.at(2);
    const bool askTenths = rng.chance(50);
    const int digit = askTenths ? tenths : hundredths;
    const int value = askTenths ? digit * 10 : digit; // hundredths
    QList<Option> options;
    for (int scaled : {digit, digit * 10, digit * 100, digit * 1000})
        options.append({DecimalText(scaled, 2), scaled == value});
    const QString number = QStringLiteral("%1.%2%3").arg(units).arg(tenths).arg(hundredths);
    Question q = ChoiceQuestion(
        Para(
            QStringLiteral("What is the value of the digit <b>%1</b> in this number?").arg(digit)) +
            Display(number),
        UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("In %1 the first digit after the decimal point is tenths, the second "
                       "hundredths.")
            .arg(number),
        QStringLiteral("The %1 is in the %2 column.").arg(digit).arg(kPlaceNames.at(askTenths ? 1 : 2)),
        QStringLiteral("So it is worth %1 %2 = <b>%3</b>.")
            .arg(digit)
            .arg(kPlaceNames.at(askTenths ? 1 : 2), DecimalText(value, 2))};
    return q;
}

Question OrderDecimals(Prng& rng)
{
    const int a = rng.range(1, 8);
    int b = rng.range(1, 8);
    if (b == a)
        b = a % 8 + 1;
    const int whole = rng.range(0, 9) * 1000;
    // Thousandths, so that the options differ in their number of decimal places.
    const QList<int> values = {whole + a * 100, whole + a * 100 + b * 10,
                               whole + a * 10 + b * 100, whole + a * 100 + b};
    const bool smallest = rng.chance(50);
    int answer = values.first();
    for (int v : values)
        answer = smallest ? std::min(answer, v) : std::max(answer, v);
    QList<Option> options;
    QStringList padded;
    for (int v : values) {
        options.append({DecimalText(v, 3), v == answer});
        padded.append(FixedText(v, 3));
    }
    Question q = ChoiceQuestion(Para(QStringLiteral("Which number is the <b>%1</b>?")
                                         .arg(smallest ? "smallest" : "largest")),
                                UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("Give every number three decimal places with zeros: %1.")
            .arg(padded.join(QStringLiteral(", "))),
        QStringLiteral("The ones are the same, so compare the tenths, then the hundredths, then "
                       "the thousandths."),
        QStringLiteral("So the %1 is <b>%2</b>.")
            .arg(smallest ? "smallest" : "largest", DecimalText(answer, 3))};
    return q;
}

Question AddDecimals(Prng& rng)
{
    const int a = rng.range(110, 980); // hundredths
    const int b = rng.range(11, 98) * (rng.chance(50) ? 10 : 1);
    const bool add = rng.chance(60);
    const int big = std::max(a, b), small = std::min(a, b);
    const QString sign = add ? QStringLiteral("+") : kMinus;
    const int result = add ? big + small : big - small;
    Question q = Make(Para(QStringLiteral("Work out")) +
                          Display(QStringLiteral("%1 %2 %3")
                                      .arg(DecimalText(big, 2), sign, DecimalText(small, 2))),
                      {DecimalPart(QString(), result, 2)});
    q.working = {
        QStringLiteral("Line up the decimal points, giving both numbers two decimal places: "
                       "%1 %2 %3.")
            .arg(FixedText(big, 2), sign, FixedText(small, 2)),
        QStringLiteral("%1 the hundredths, then the tenths, then the ones%2.")
            .arg(add ? "Add" : "Subtract",
                 add ? QStringLiteral(", carrying where a column makes 10")
                     : QStringLiteral(", exchanging where a column is too small")),
        QStringLiteral("%1 %2 %3 = <b>%4</b>")
            .arg(FixedText(big, 2), sign, FixedText(small, 2), DecimalText(result, 2))};
    return q;
}

Question Change(Prng& rng)
{
    const int first = rng.range(105, 480);
    const int second = rng.range(55, 420);
    // A note bigger than the cost, so that there is always change.
    const int paid = first + second >= 500 ? 1000 : 500;
    const QString who = Name(rng);
    Question q = Make(
        Para(QStringLiteral("%1 buys a book for &pound;%2 and a pen for &pound;%3. %1 pays with a "
                            "&pound;%4 note.")
                 .arg(who, FixedText(first, 2), FixedText(second, 2), QString::number(paid / 100))),
        {MeasurePart(QStringLiteral("How much do the two things cost together, in pounds?"),
                     first + second, 2, units::kPounds),
         MeasurePart(QStringLiteral("How much change should %1 get, in pounds?").arg(who),
                     paid - first - second, 2, units::kPounds)});
    q.working = {
        QStringLiteral("Add the prices: %1 + %2 = %3.")
            .arg(Pounds(first), Pounds(second), Pounds(first + second)),
        QStringLiteral("Take the total from the note: %1 %2 %3 = %4.")
            .arg(Pounds(paid), kMinus, Pounds(first + second), Pounds(paid - first - second)),
        QStringLiteral("So %1 gets %2 change.").arg(who, Pounds(paid - first - second))};
    return q;
}

Question RoundDecimal(Prng& rng)
{
    int n = rng.range(1001, 9899); // hundredths
    if (n % 10 == 5)
        ++n;
    const int tenthsDigit = n / 10 % 10, hundredthsDigit = n % 10;
    Question q =
        Make(Para(QStringLiteral("Round <b>%1</b>").arg(DecimalText(n, 2))),
             {DecimalPart(QStringLiteral("to the nearest whole number"), (n + 50) / 100, 0),
              DecimalPart(QStringLiteral("to one decimal place"), (n + 5) / 10, 1)});
    q.working = {
        QStringLiteral("Nearest whole number: the tenths digit is %1, %2 5, so round %3 to "
                       "<b>%4</b>.")
            .arg(tenthsDigit)
            .arg(tenthsDigit >= 5 ? QStringLiteral("at least") : QStringLiteral("less than"),
                 tenthsDigit >= 5 ? QStringLiteral("up") : QStringLiteral("down"),
                 QString::number((n + 50) / 100)),
        QStringLiteral("One decimal place: the hundredths digit is %1, %2 5, so round %3 to "
                       "<b>%4</b>.")
            .arg(hundredthsDigit)
            .arg(hundredthsDigit >= 5 ? QStringLiteral("at least") : QStringLiteral("less than"),
                 hundredthsDigit >= 5 ? QStringLiteral("up") : QStringLiteral("down"),
                 FixedText((n + 5) / 10, 1))};
    return q;
}

Question DecimalOnLine(Prng& rng)
{
    const int start = rng.range(0, 9) * 10; // tenths
    const int at = start + rng.range(1, 9);
    Question q = Make(Para(QStringLiteral("What number is the arrow pointing to?")),
                      {DecimalPart(QString(), at, 1)});
    q.pictures = {NumberLine(start, start + 10, 1, 5, 1, at)};
    q.working = {
        QStringLiteral("From %1 to %2 there are 10 equal steps, so each step is 0.1.")
            .arg(DecimalText(start, 1), DecimalText(start + 10, 1)),
        QStringLiteral("The arrow is %1 steps after %2: %2 + %1 %3 0.1 = <b>%4</b>.")
            .arg(at - start)
            .arg(DecimalText(start, 1), kTimes, DecimalText(at, 1))};
    return q;
}

Question DecimalAsFraction(Prng& rng)
{
    int hundredths = rng.range(2, 98);
    if (Gcd(hundredths, 100) == 1) // one that simplifies, so its equivalents fit under 100
        ++hundredths;
    const int g = Gcd(hundredths, 100);
    Question q = Make(
        Para(QStringLiteral("Write <b>%1</b> as a fraction.").arg(DecimalText(hundredths, 2))),
        {FractionAnswerPart(QString(), hundredths, 100, false)}, QLatin1String(kNoteAnyFraction));
    q.working = {QStringLiteral("%1 is %2 hundredths, so it is %3.")
                     .arg(FixedText(hundredths, 2))
                     .arg(hundredths)
                     .arg(FractionHtml(hundredths, 100)),
                 QStringLiteral("Dividing top and bottom by %1 gives the simplest form, %2 "
                                "(either is right).")
                     .arg(g)
                     .arg(FractionHtml(hundredths / g, 100 / g))};
    return q;
}

Question TimesWhole(Prng& rng)
{
    const int a = rng.range(12, 95); // tenths
    const int b = rng.range(2, 9);
    Question q = Make(Para(QStringLiteral("Work out")) +
                          Display(QStringLiteral("%1 %2 %3").arg(DecimalText(a, 1), kTimes).arg(b)),
                      {DecimalPart(QString(), a * b, 1)});
    q.working = {
        QStringLiteral("%1 is %2 tenths.").arg(DecimalText(a, 1)).arg(a),
        QStringLiteral("%1 %2 %3 = %4, so the answer is %4 tenths.")
            .arg(a)
            .arg(kTimes)
            .arg(b)
            .arg(a * b),
        QStringLiteral("%1 tenths = <b>%2</b>").arg(a * b).arg(DecimalText(a * b, 1))};
    return q;
}

/// A decimal multiplied or divided by 10, 100 or 1000.
Question ScaleByTens(Prng& rng)
{
    QList<int> ops = {1, 2, 3, -1, -2, -3}; // a power of ten: times when positive
    rng.shuffle(ops);
    QList<Part> parts;
    QStringList working;
    for (int i = 0; i < 3; ++i) {
        const int shift = ops.at(i);
        const int k = std::abs(shift);
        // No more than three decimal places in the answer.
        const int places = shift < 0 ? std::min(rng.range(1, 2), 3 - k) : rng.range(1, 2);
        const int scaled = places == 1 ? rng.range(11, 999) : rng.range(101, 9999);
        // The digits stay, the point moves: work with the digits and a new number of places.
        const long long digits = shift > 0 && k > places ? scaled * PowerOfTen(k - places) : scaled;
        const int newPlaces = shift > 0 ? std::max(0, places - k) : places + k;
        const QString sum = QStringLiteral("%1 %2 %3")
                                .arg(DecimalText(scaled, places), shift > 0 ? kTimes : kDivide)
                                .arg(PowerOfTen(k));
        parts.append(MeasurePart(sum, digits, newPlaces, units::kNone));
        working.append(QStringLiteral("%1: the digits move %2 place%3 to the %4, %1 = <b>%5</b>.")
                           .arg(sum)
                           .arg(k)
                           .arg(k > 1 ? "s" : "")
                           .arg(shift > 0 ? "left" : "right", DecimalText(digits, newPlaces)));
    }
    Question q = Make(Para(QStringLiteral("Work out")), parts);
    q.working = working;
    return q;
}

Question MakeWhole(Prng& rng)
{
    const int target = rng.pick(QList<int>{1, 5, 10, 10, 20});
    int value = rng.range(1, target * 100 - 1); // hundredths
    if (value % 100 == 0)
        ++value;
    const int next = (value / 100 + 1) * 100;
    Question q = Make(Para(QStringLiteral("What must be added to <b>%1</b> to make <b>%2</b>?")
                               .arg(DecimalText(value, 2))
                               .arg(target)),
                      {DecimalPart(QString(), target * 100 - value, 2)});
    q.working = {QStringLiteral("Count on from %1 to the next whole number, %2: that is %3.")
                     .arg(DecimalText(value, 2))
                     .arg(next / 100)
                     .arg(DecimalText(next - value, 2))};
    if (next < target * 100)
        q.working.append(QStringLiteral("Then from %1 to %2 is %3.")
                             .arg(next / 100)
                             .arg(target)
                             .arg(target - next / 100));
    q.working.append(QStringLiteral("So %1 must be added: %2 + %1 = %3.")
                         .arg(DecimalText(target * 100 - value, 2), DecimalText(value, 2))
                         .arg(target));
    return q;
}

Question ShareLength(Prng& rng)
{
    struct Context {
        const char* whole;
        const char* pieces;
        const Unit* unit;
    };
    static const QList<Context> contexts = {
        {"A ribbon %1 m long is cut into %2 equal pieces.", "How long is each piece?", &units::kM},
        {"A rope %1 m long is cut into %2 equal lengths.", "How long is each length?", &units::kM},
        {"%1 litres of juice is shared equally between %2 jugs.",
         "How much juice goes in each jug?", &units::kLitres},
        {"A bag of %1 kg of rice is shared equally into %2 tubs.", "How much rice is in each tub?",
         &units::kKg}};
    const Context& c = rng.pick(contexts);
    const int count = rng.range(3, 9);
    const int places = rng.chance(60) ? 1 : 2;
    const int piece = places == 1 ? rng.range(3, 29) : rng.range(21, 99); // not a whole number
    const int total = piece * count;
    const QString unitText = c.unit->shown;
    Question q = Make(Para(QString::fromLatin1(c.whole).arg(DecimalText(total, places)).arg(count)),
                      {MeasurePart(QString::fromLatin1(c.pieces), piece,
                                   places, *c.unit, 2)});
    q.working = {
        QStringLiteral("Divide by the number of shares: %1 %2 %3.")
            .arg(DecimalText(total, places), kDivide)
            .arg(count),
        QStringLiteral("%1 is %2 %3; %2 %4 %5 = %6 %3.")
            .arg(DecimalText(total, places))
            .arg(total)
            .arg(kPlaceNames.at(places), kDivide)
            .arg(count)
            .arg(piece),
        QStringLiteral("%1 %2 = <b>%3 %4</b>")
            .arg(piece)
            .arg(kPlaceNames.at(places), DecimalText(piece, places), unitText)};
    return q;
}

Question RunningTotals(Prng& rng)
{
    static const QStringList activities = {"runs", "cycles", "walks"};
    static const QStringList days = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
    const QString who = Name(rng);
    const QString activity = rng.pick(activities);
    const Unit& unit = units::kKm;
    const int first = rng.range(0, 2);
    // One distance with a single decimal, so that lining up the points matters.
    QList<int> hundredths = {rng.range(5, 45) * 10};
    while (hundredths.size() < 3) {
        const int v = rng.range(105, 595);
        if (v % 10 != 0 && !hundredths.contains(v))
            hundredths.append(v);
    }
    rng.shuffle(hundredths);
    const int total = hundredths.at(0) + hundredths.at(1) + hundredths.at(2);
    const int most = *std::max_element(hundredths.cbegin(), hundredths.cend());
    const int least = *std::min_element(hundredths.cbegin(), hundredths.cend());
    QStringList said, padded;
    for (int i = 0; i < 3; ++i) {
        said.append(
            QStringLiteral("%1 km on %2").arg(DecimalText(hundredths.at(i), 2), days.at(first + i)));
        padded.append(FixedText(hundredths.at(i), 2));
    }
    Question q = Make(
        Para(QStringLiteral("%1 %2 %3, %4 and %5.")
                 .arg(who, activity, said.at(0), said.at(1), said.at(2))),
        {MeasurePart(QStringLiteral("How far does %1 go altogether?").arg(who), total, 2, unit, 2),
         MeasurePart(QStringLiteral("How much further is the longest day than the shortest?"),
                     most - least, 2, unit)});
    q.working = {
        QStringLiteral("Line up the decimal points, writing each distance with two decimal places: "
                       "%1 + %2 + %3 = <b>%4 km</b>.")
            .arg(padded.at(0), padded.at(1), padded.at(2), DecimalText(total, 2)),
        QStringLiteral("The longest is %1 km and the shortest %2 km.")
            .arg(DecimalText(most, 2), DecimalText(least, 2)),
        QStringLiteral("%1 %2 %3 = <b>%4 km</b>")
            .arg(FixedText(most, 2), kMinus, FixedText(least, 2), DecimalText(most - least, 2))};
    return q;
}

Question DecimalSteps(Prng& rng)
{
    const int step = rng.pick(QList<int>{10, 20, 25, 30, 50, 5, 2, 15}); // hundredths
    const bool up = rng.chance(60);
    const int start = up ? rng.range(0, 60) * 5 : rng.range(6 * step, 6 * step + 400);
    QStringList shown;
    QList<int> terms;
    for (int i = 0; i < 6; ++i)
        terms.append(start + (up ? i : -i) * step);
    for (int i = 0; i < 4; ++i)
        shown.append(DecimalText(terms.at(i), 2));
    Question q = Make(Para(QStringLiteral("The numbers in this sequence %1 in equal steps.")
                               .arg(up ? "go up" : "go down")) +
                          Display(shown.join(QStringLiteral(", ")) + QStringLiteral(", ..., ...")),
                      {DecimalPart(QStringLiteral("What is the next number?"), terms.at(4), 2),
                       DecimalPart(QStringLiteral("And the one after it?"), terms.at(5), 2)});
    const QString sign = up ? QStringLiteral("+") : kMinus;
    q.working = {
        QStringLiteral("The step is the difference of two neighbours: %1 %2 %3 = %4.")
            .arg(DecimalText(std::max(terms.at(1), terms.at(0)), 2), kMinus,
                 DecimalText(std::min(terms.at(1), terms.at(0)), 2), DecimalText(step, 2)),
        QStringLiteral("%1 %2 %3 = <b>%4</b>")
            .arg(DecimalText(terms.at(3), 2), sign, DecimalText(step, 2), DecimalText(terms.at(4), 2)),
        QStringLiteral("%1 %2 %3 = <b>%4</b>")
            .arg(DecimalText(terms.at(4), 2), sign, DecimalText(step, 2), DecimalText(terms.at(5), 2))};
    return q;
}

Question BetweenDecimals(Prng& rng)
{
    const int low = rng.range(1, 98); // tenths
    const int whole = low / 10, tenth = low % 10;
    // Hundredths: one between, and numbers that share digits with the bounds but are not.
    QList<int> values = {low * 10 + rng.range(1, 9), (low + 1) * 10 + rng.range(1, 9),
                         low * 10 - rng.range(1, 9), whole * 100 + rng.range(1, 9)};
    if (tenth == 0 || values.count(values.at(3)) > 1)
        values[3] = (low + 2) * 10 + tenth;
    QList<Option> options;
    for (int v : values)
        options.append({DecimalText(v, 2), low * 10 < v && v < (low + 1) * 10});
    const Choice choice = UniqueChoice(rng, options);
    Question q = ChoiceQuestion(Para(QStringLiteral("Which number is between <b>%1</b> and "
                                                    "<b>%2</b>?")
                                         .arg(DecimalText(low, 1), DecimalText(low + 1, 1))),
                                choice);
    q.working = {
        QStringLiteral("Write the two numbers with two decimal places: %1 and %2.")
            .arg(FixedText(low * 10, 2), FixedText((low + 1) * 10, 2)),
        QStringLiteral("A number between them is more than %1 hundredths and less than %2 "
                       "hundredths.")
            .arg(low * 10)
            .arg((low + 1) * 10),
        QStringLiteral("%1 &lt; <b>%2</b> &lt; %3, so the answer is %2.")
            .arg(FixedText(low * 10, 2), DecimalText(values.at(0), 2),
                 FixedText((low + 1) * 10, 2))};
    return q;
}

Question Shopping(Prng& rng)
{
    static const QList<QPair<QString, QString>> items = {
        {"pens", "a ruler"}, {"notebooks", "a rubber"}, {"apples", "a loaf of bread"},
        {"cupcakes", "a drink"}, {"comics", "a bookmark"}, {"plant pots", "a bag of soil"}};
    const auto& [many, one] = rng.pick(items);
    const QString who = Name(rng);
    const int each = rng.range(55, 245);
    const int count = rng.range(3, 6);
    int other = rng.range(35, 150);
    if (each * count + other == 1000) // no change of nothing
        ++other;
    const int cost = each * count + other;
    const int paid = cost > 1000 ? 2000 : 1000;
    Question q = Make(
        Para(QStringLiteral("The %1 cost %2 each and %3 costs %4. %5 buys %6 %1 and %3, and pays "
                            "with a &pound;%7 note.")
                 .arg(many, Pounds(each), one, Pounds(other), who)
                 .arg(count)
                 .arg(paid / 100)),
        {MeasurePart(QStringLiteral("How much do the %1 %2 cost?").arg(count).arg(many),
                     each * count, 2, units::kPounds),
         MeasurePart(QStringLiteral("How much change does %1 get?").arg(who), paid - cost, 2,
                     units::kPounds, 2)});
    q.working = {
        QStringLiteral("%1 %2 %3 = <b>%4</b> for the %5.")
            .arg(count)
            .arg(kTimes, Pounds(each), Pounds(each * count), many),
        QStringLiteral("Add %1: %2 + %3 = %4.")
            .arg(one, Pounds(each * count), Pounds(other), Pounds(cost)),
        QStringLiteral("Change: %1 %2 %3 = <b>%4</b>.")
            .arg(Pounds(paid), kMinus, Pounds(cost), Pounds(paid - cost))};
    return q;
}

Question FractionToDecimal(Prng& rng)
{
    const bool hundredths = rng.chance(50);
    const int d1 = hundredths ? 100 : 10;
    const int d2 = rng.pick(QList<int>{2, 4, 5, 20, 25, 50});
    int n2 = rng.range(1, d2 - 1);
    while (Gcd(n2, d2) != 1)
        ++n2;
    const int times = 100 / d2;
    int n1 = hundredths ? rng.range(1, 99) : rng.range(1, 9);
    if (n1 * (100 / d1) == n2 * times) // two different decimals
        n1 = n1 % (d1 - 1) + 1;
    Question q = Make(Para(QStringLiteral("Write each fraction as a decimal.")),
                      {DecimalPart(FractionHtml(n1, d1), n1 * (100 / d1), 2),
                       DecimalPart(FractionHtml(n2, d2), n2 * times, 2)});
    q.working = {
        QStringLiteral("%1 is %2 %3, so it is <b>%4</b>.")
            .arg(FractionHtml(n1, d1))
            .arg(n1)
            .arg(hundredths ? "hundredths" : "tenths", DecimalText(n1 * (100 / d1), 2)),
        QStringLiteral("Make the bottom 100: multiply top and bottom of %1 by %2 to get %3.")
            .arg(FractionHtml(n2, d2))
            .arg(times)
            .arg(FractionHtml(n2 * times, 100)),
        QStringLiteral("%1 hundredths is <b>%2</b>.").arg(n2 * times).arg(DecimalText(n2 * times, 2))};
    return q;
}

Question DecimalMeasures(Prng& rng)
{
    struct Conversion {
        const char* from; // the unit converted from
        const Unit* to;
        const char* toName;
        int factor;   // how many of the smaller unit make one of the larger
        bool larger;  // converting from the larger unit (multiply)
    };
    static const QList<Conversion> conversions = {
        {"m", &units::kCm, "centimetres", 100, true},   {"cm", &units::kM, "metres", 100, false},
        {"kg", &units::kG, "grams", 1000, true},        {"g", &units::kKg, "kilograms", 1000, false},
        {"litres", &units::kMl, "millilitres", 1000, true},
        {"ml", &units::kLitres, "litres", 1000, false}, {"km", &units::kM, "metres", 1000, true}};
    QList<int> order = {0, 1, 2, 3, 4, 5, 6};
    rng.shuffle(order);
    QList<Part> parts;
    QStringList working;
    for (int i = 0; i < 3; ++i) {
        const Conversion& c = conversions.at(order.at(i));
        const int k = c.factor == 100 ? 2 : 3;
        // From the larger unit: a decimal of one or two places; from the smaller: a whole number.
        const int places = c.larger ? rng.range(1, 2) : 0;
        int scaled = c.larger ? (places == 1 ? rng.range(11, 99) : rng.range(101, 999))
                              : rng.range(c.factor / 10 + 1, c.factor * 5 - 1);
        if (c.larger && scaled % 10 == 0) // as many decimal places as it shows
            ++scaled;
        const long long result = c.larger ? scaled * PowerOfTen(k - places) : scaled;
        const int resultPlaces = c.larger ? 0 : k;
        const QString given =
            QStringLiteral("%1 %2").arg(DecimalText(scaled, places), QString::fromLatin1(c.from));
        parts.append(MeasurePart(QStringLiteral("%1 in %2").arg(given, c.toName), result,
                                 resultPlaces, *c.to));
        const QString number = DecimalText(scaled, places);
        const auto one = [](const QString& unit) {
            return unit == QLatin1String("litres") ? QStringLiteral("litre") : unit;
        };
        working.append(
            c.larger ? QStringLiteral("1 %1 = %2 %3, so multiply by %2: %4 %5 %2 = <b>%6 %3</b>.")
                           .arg(one(QString::fromLatin1(c.from)))
                           .arg(c.factor)
                           .arg(c.to->shown, number, kTimes, DecimalText(result, resultPlaces))
                     : QStringLiteral("%1 %2 = 1 %3, so divide by %1: %4 %5 %1 = <b>%6 %7</b>.")
                           .arg(c.factor)
                           .arg(QString::fromLatin1(c.from), one(c.to->shown), number, kDivide,
                                DecimalText(result, resultPlaces), c.to->shown));
    }
    Question q = Make(Para(QStringLiteral("Convert each measurement to the unit asked.")), parts);
    q.working = working;
    return q;
}

Question DecimalMissing(Prng& rng)
{
    const int a = rng.range(11, 89), gap = rng.range(11, 89); // tenths
    const int d = rng.range(101, 899), c = rng.range(11, 99) * (rng.chance(50) ? 10 : 1); // hundredths
    const int e = rng.range(3, 9), f = rng.range(2, 9); // e times 0.f
    const QString box = QStringLiteral("<b>?</b>");
    Question q = Make(
        Para(QStringLiteral("Find each missing number.")),
        {DecimalPart(QStringLiteral("%1 + %2 = %3")
                         .arg(DecimalText(a, 1), box, DecimalText(a + gap, 1)),
                     gap, 1),
         DecimalPart(QStringLiteral("%1 %2 %3 = %4")
                         .arg(box, kMinus, DecimalText(c, 2), DecimalText(d, 2)),
                     c + d, 2),
         DecimalPart(QStringLiteral("%1 %2 %3 = %4")
                         .arg(QString::number(e), kTimes, box, DecimalText(e * f, 1)),
                     f, 1)});
    q.working = {
        QStringLiteral("Subtract to undo the adding: %1 %2 %3 = <b>%4</b>.")
            .arg(DecimalText(a + gap, 1), kMinus, DecimalText(a, 1), DecimalText(gap, 1)),
        QStringLiteral("Add to undo the taking away: %1 + %2 = <b>%3</b>.")
            .arg(DecimalText(d, 2), DecimalText(c, 2), DecimalText(c + d, 2)),
        QStringLiteral("Divide to undo the multiplying: %1 %2 %3 = <b>%4</b> (%5 tenths %2 %3 = %6 "
                       "tenths).")
            .arg(DecimalText(e * f, 1), kDivide, QString::number(e), DecimalText(f, 1))
            .arg(e * f)
            .arg(f)};
    return q;
}

/// The steps that find `percent`% of `amount` (a whole number of 1/10^places, pence when
/// `money`) from a half, a quarter, 10% and 5%
/// (`percent` a multiple of 5). The last step ends at the result.
QStringList PercentSteps(int percent, long long amount, int places, bool money)
{
    const long long x = amount * 100; // two more places, so that every step is exact
    const auto show = [&](long long v) {
        return money && v % 100 == 0 ? Pounds(v / 100)
               : money               ? QStringLiteral("&pound;") + DecimalText(v, 4)
                                     : DecimalText(v, places + 2);
    };
    const QString result = QStringLiteral("<b>%1</b>").arg(show(x * percent / 100));
    if (percent == 50)
        return {QStringLiteral("50% is one half: %1 %2 2 = %3.").arg(show(x), kDivide, result)};
    if (percent == 25 || percent == 75) {
        QStringList steps = {QStringLiteral("25% is one quarter: %1 %2 4 = %3.")
                                 .arg(show(x), kDivide,
                                      percent == 25 ? result : show(x / 4))};
        if (percent == 75)
            steps.append(QStringLiteral("75% is three quarters: 3 %1 %2 = %3.")
                             .arg(kTimes, show(x / 4), result));
        return steps;
    }
    const long long ten = x / 10;
    QStringList steps = {QStringLiteral("10% is %1 %2 10 = %3.")
                             .arg(show(x), kDivide, percent == 10 ? result : show(ten))};
    const int tens = percent / 10;
    if (percent % 10 == 0) {
        if (percent > 10)
            steps.append(QStringLiteral("%1% is %2 lots of 10%: %2 %3 %4 = %5.")
                             .arg(percent)
                             .arg(tens)
                             .arg(kTimes, show(ten), result));
        return steps;
    }
    steps.append(QStringLiteral("5% is half of 10%: %1 %2 2 = %3.")
                     .arg(show(ten), kDivide, percent == 5 ? result : show(ten / 2)));
    if (percent > 5)
        steps.append(QStringLiteral("%1% = %2 + 5%: %3 + %4 = %5.")
                         .arg(percent)
                         .arg(tens > 1 ? QStringLiteral("%1 %2 10%").arg(tens).arg(kTimes)
                                       : QStringLiteral("10%"),
                              show(ten * tens), show(ten / 2), result));
    return steps;
}

Question PercentOf(Prng& rng)
{
    const int percent = rng.pick(QList<int>{10, 20, 25, 50, 75, 5, 30, 60});
    const int amount = rng.range(2, 30) * 20;
    Question q = Make(Para(QStringLiteral("What is %1% of %2?").arg(percent).arg(amount)),
                      {NumberPart(QString(), amount * percent / 100)});
    q.working = PercentSteps(percent, amount, 0, false);
    return q;
}

Question PercentAsFraction(Prng& rng)
{
    int percent = rng.range(2, 98);
    if (Gcd(percent, 100) == 1) // a fraction that simplifies
        ++percent;
    const int g = Gcd(percent, 100);
    Question q = Make(
        Para(QStringLiteral("Write <b>%1%</b> as a fraction in its simplest form.").arg(percent)),
        {ExactPart(QString(), 'F', SimplestFraction(percent, 100))}, QLatin1String(kNoteFraction));
    q.working = {QStringLiteral("%1% means %1 out of 100: %2.")
                     .arg(percent)
                     .arg(FractionHtml(percent, 100)),
                 QStringLiteral("Divide top and bottom by %1, the largest number that divides both: "
                                "%2.")
                     .arg(g)
                     .arg(FractionHtml(percent / g, 100 / g))};
    return q;
}

Question Conversions(Prng& rng)
{
    const int tenths = rng.range(1, 9);
    const int quarter = rng.pick(QList<int>{1, 3});
    const int percent = rng.range(11, 99);
    Question q = Make(
        Para(QStringLiteral("Write each number in the form asked.")),
        {MeasurePart(QStringLiteral("0.%1 as a percentage").arg(tenths), tenths * 10, 0,
                     units::kPercent),
         MeasurePart(FractionHtml(quarter, 4) + QStringLiteral(" as a percentage"), quarter * 25,
                     0, units::kPercent),
         DecimalPart(QStringLiteral("%1% as a decimal").arg(percent), percent, 2)});
    q.working = {
        QStringLiteral("0.%1 is %1 tenths, which is %2 hundredths: <b>%2%</b>.")
            .arg(tenths)
            .arg(tenths * 10),
        QStringLiteral("%1 = %2, so it is <b>%3%</b>.")
            .arg(FractionHtml(quarter, 4), FractionHtml(quarter * 25, 100))
            .arg(quarter * 25),
        QStringLiteral("%1% is %1 hundredths: %1 %2 100 = <b>%3</b>.")
            .arg(percent)
            .arg(kDivide, DecimalText(percent, 2))};
    return q;
}

Question ShadedPercent(Prng& rng)
{
    const int shaded = rng.range(8, 92);
    Question q =
        Make(Para(QStringLiteral("The grid has 100 squares.")),
             {MeasurePart(QStringLiteral("What percentage of the grid is shaded?"), shaded, 0,
                          units::kPercent),
              MeasurePart(QStringLiteral("What percentage is <b>not</b> shaded?"), 100 - shaded,
                          0, units::kPercent)});
    q.pictures = {HundredGrid(shaded)};
    q.working = {
        QStringLiteral("%1 of the 100 squares are shaded: %1 out of 100 is <b>%1%</b>.").arg(shaded),
        QStringLiteral("The rest are not shaded: 100 %1 %2 = <b>%3%</b>.")
            .arg(kMinus)
            .arg(shaded)
            .arg(100 - shaded)};
    return q;
}

Question Sale(Prng& rng)
{
    const int price = rng.range(2, 24) * 4;
    const int off = rng.pick(QList<int>{25, 50, 10, 20, 75});
    static const QStringList items = {"a coat", "a bike helmet", "a pair of trainers",
                                      "a board game", "a tent"};
    Question q = Make(
        Para(QStringLiteral("In a sale, everything is %1% off. Before the sale %2 cost &pound;%3.")
                 .arg(off)
                 .arg(rng.pick(items))
                 .arg(price)),
        {MeasurePart(QStringLiteral("What is the sale price, in pounds?"), price * (100 - off), 2,
                     units::kPounds, 2)});
    q.working = PercentSteps(off, price * 100, 2, true);
    q.working.append(QStringLiteral("Take that off the price: %1 %2 %3 = <b>%4</b>.")
                         .arg(Pounds(price * 100), kMinus, Pounds(price * off),
                              Pounds(price * (100 - off))));
    return q;
}

Question GreatestOfForms(Prng& rng)
{
    // Four different hundredths near one another, two written as percentages.
    const int p = rng.range(30, 70);
    QList<int> hundredths;
    while (hundredths.size() < 4) {
        const int v = p + rng.range(-9, 9);
        if (!hundredths.contains(v))
            hundredths.append(v);
    }
    const int greatest = *std::max_element(hundredths.cbegin(), hundredths.cend());
    QList<Option> options;
    QStringList asPercent;
    QString right;
    for (int i = 0; i < 4; ++i) {
        const int v = hundredths.at(i);
        const QString text =
            i % 2 == 0 ? QStringLiteral("%1%").arg(v) : DecimalText(v, 2);
        options.append({text, v == greatest});
        if (i % 2 == 1)
            asPercent.append(QStringLiteral("%1 = %2%").arg(text).arg(v));
        if (v == greatest)
            right = text;
    }
    Question q = ChoiceQuestion(Para(QStringLiteral("Which is the <b>greatest</b>?")),
                                UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("Write the decimals as percentages: %1.")
            .arg(asPercent.join(QStringLiteral(", "))),
        QStringLiteral("The greatest percentage is %1%, so the greatest is <b>%2</b>.")
            .arg(greatest)
            .arg(right)};
    return q;
}

Question PercentOfGroup(Prng& rng)
{
    struct Context {
        const char* whole;
        const char* part;
    };
    static const QList<Context> contexts = {
        {"A school has %1 pupils. %2% of them walk to school.",
         "How many pupils walk to school?"},
        {"A farm has %1 animals. %2% of them are sheep.", "How many sheep are there?"},
        {"A cinema has %1 seats. %2% of the seats are empty.", "How many seats are empty?"},
        {"A box holds %1 beads. %2% of the beads are red.", "How many red beads are there?"},
        {"A library has %1 books. %2% of them are about animals.",
         "How many books are about animals?"}};
    const Context& c = rng.pick(contexts);
    const int percent = rng.pick(QList<int>{15, 35, 45, 65, 30, 40, 60, 70, 80, 90, 5, 25, 75});
    const int amount = rng.range(6, 40) * 20;
    Question q = Make(Para(QString::fromLatin1(c.whole).arg(amount).arg(percent)),
                      {NumberPart(QString::fromLatin1(c.part), amount * percent / 100, 2)});
    q.working = PercentSteps(percent, amount, 0, false);
    q.working.append(QStringLiteral("So the answer is %1.").arg(amount * percent / 100));
    return q;
}

Question PriceRise(Prng& rng)
{
    static const QStringList things = {"a school bag", "a pair of trainers", "a football",
                                       "a box of paints", "a pair of jeans", "a scooter"};
    const QString thing = rng.pick(things);
    const int pounds = rng.range(6, 90);
    const int percent = rng.pick(QList<int>{5, 10, 15, 20, 25, 30, 50});
    const int rise = pounds * percent; // pence
    Question q =
        Make(Para(QStringLiteral("The price of %1 was &pound;%2. It goes up by %3%.")
                      .arg(thing)
                      .arg(pounds)
                      .arg(percent)),
             {MeasurePart(QStringLiteral("By how much does the price go up?"), rise, 2,
                          units::kPounds),
              MeasurePart(QStringLiteral("What is the new price?"), pounds * 100 + rise, 2,
                          units::kPounds, 2)});
    q.working = PercentSteps(percent, pounds * 100, 2, true);
    q.working.append(QStringLiteral("Add the rise to the old price: %1 + %2 = <b>%3</b>.")
                         .arg(Pounds(pounds * 100), Pounds(rise), Pounds(pounds * 100 + rise)));
    return q;
}

Question ScoreAsPercent(Prng& rng)
{
    static const QStringList tests = {"a spelling test", "a times-tables quiz", "a science test",
                                      "a map quiz"};
    const int outOf = rng.pick(QList<int>{10, 20, 25, 50, 20, 25});
    const int score = rng.range(outOf / 2, outOf - 1);
    const int times = 100 / outOf;
    const QString who = Name(rng);
    Question q = Make(Para(QStringLiteral("%1 scored %2 out of %3 in %4.")
                               .arg(who)
                               .arg(score)
                               .arg(outOf)
                               .arg(rng.pick(tests))),
                      {MeasurePart(QStringLiteral("What percentage did %1 score?").arg(who),
                                   score * times, 0, units::kPercent, 2)});
    q.working = {
        QStringLiteral("%1 out of %2 is %3.").arg(score).arg(outOf).arg(FractionHtml(score, outOf)),
        QStringLiteral("Multiply top and bottom by %1 to make the bottom 100: %2.")
            .arg(times)
            .arg(FractionHtml(score * times, 100)),
        QStringLiteral("%1 out of 100 is <b>%1%</b>.").arg(score * times)};
    return q;
}

Question PercentRest(Prng& rng)
{
    static const QList<QStringList> surveys = {
        {"children chose their favourite fruit", "apples", "bananas", "grapes"},
        {"people voted for a class trip", "the zoo", "the beach", "a museum"},
        {"pupils chose a club", "football", "art", "chess"},
        {"children named their favourite season", "summer", "winter", "spring"}};
    const QStringList& s = rng.pick(surveys);
    const int a = rng.range(4, 10) * 5;
    const int b = rng.range(2, 8) * 5;
    const int rest = 100 - a - b;
    const int total = rng.range(3, 20) * 20;
    const QString who = s.at(0).section(QLatin1Char(' '), 0, 0);
    Question q = Make(
        Para(QStringLiteral("In a survey, %1 %2. %3% chose %4, %5% chose %6 and the rest chose "
                            "%7.")
                 .arg(total)
                 .arg(s.at(0))
                 .arg(a)
                 .arg(s.at(1))
                 .arg(b)
                 .arg(s.at(2), s.at(3))),
        {MeasurePart(QStringLiteral("What percentage chose %1?").arg(s.at(3)), rest, 0,
                     units::kPercent),
         NumberPart(QStringLiteral("How many %1 chose %2?").arg(who, s.at(3)), total * rest / 100,
                    2)});
    q.working = {QStringLiteral("The percentages add up to 100%: 100 %1 %2 %1 %3 = <b>%4%</b>.")
                     .arg(kMinus)
                     .arg(a)
                     .arg(b)
                     .arg(rest)};
    q.working += PercentSteps(rest, total, 0, false);
    q.working.append(QStringLiteral("So %1 %2 chose %3.").arg(total * rest / 100).arg(who, s.at(3)));
    return q;
}

Question FractionToPercent(Prng& rng)
{
    const int d = rng.pick(QList<int>{2, 4, 5, 10, 20, 25, 50});
    int n = rng.range(1, d - 1);
    while (Gcd(n, d) != 1)
        ++n;
    const int times = 100 / d;
    Question q = Make(Para(QStringLiteral("Write %1 as a percentage.").arg(FractionHtml(n, d))),
                      {MeasurePart(QString(), n * times, 0, units::kPercent)});
    q.working = {QStringLiteral("Multiply top and bottom by %1 to make the bottom 100: %2 = %3.")
                     .arg(times)
                     .arg(FractionHtml(n, d), FractionHtml(n * times, 100)),
                 QStringLiteral("%1 out of 100 is <b>%1%</b>.").arg(n * times)};
    return q;
}

Question BarPercent(Prng& rng)
{
    const int parts = rng.pick(QList<int>{4, 5, 10, 20});
    const int shaded = rng.range(1, parts - 1);
    const int each = 100 / parts;
    Question q = Make(Para(QStringLiteral("The bar is split into equal parts.")),
                      {MeasurePart(QStringLiteral("What percentage of the bar is shaded?"),
                                   shaded * each, 0, units::kPercent)});
    q.pictures = {FractionBar(parts, shaded)};
    q.working = {QStringLiteral("The whole bar is 100% and has %1 parts, so each part is 100 %2 %1 = "
                                "%3%.")
                     .arg(parts)
                     .arg(kDivide)
                     .arg(each),
                 QStringLiteral("%1 part%2 shaded: %1 %3 %4 = <b>%5%</b>.")
                     .arg(shaded)
                     .arg(shaded > 1 ? QStringLiteral("s are") : QStringLiteral(" is"))
                     .arg(kTimes)
                     .arg(each)
                     .arg(shaded * each)};
    return q;
}

Question FromTenPercent(Prng& rng)
{
    const int amount = rng.range(3, 49) * 20;
    QList<int> asked = {20, 30, 40, 5, 15, 25, 90, 35};
    rng.shuffle(asked);
    asked = asked.mid(0, 3);
    std::sort(asked.begin(), asked.end());
    QList<Part> parts;
    QStringList working = {
        QStringLiteral("10% of %1 is %2; use it for each part.").arg(amount).arg(amount / 10)};
    for (int p : asked) {
        parts.append(NumberPart(QStringLiteral("%1% of %2").arg(p).arg(amount), amount * p / 100));
        const int ten = amount / 10;
        const int result = amount * p / 100;
        if (p < 10)
            working.append(QStringLiteral("5% is half of 10%: %1 %2 2 = <b>%3</b>.")
                               .arg(ten)
                               .arg(kDivide)
                               .arg(result));
        else if (p % 10 == 0)
            working.append(QStringLiteral("%1% = %2 %3 10%: %2 %3 %4 = <b>%5</b>.")
                               .arg(p)
                               .arg(p / 10)
                               .arg(kTimes)
                               .arg(ten)
                               .arg(result));
        else
            working.append(QStringLiteral("%1% = %2 + 5%: %3 + %4 = <b>%5</b>.")
                               .arg(p)
                               .arg(p > 20 ? QStringLiteral("%1 %2 10%").arg(p / 10).arg(kTimes)
                                           : QStringLiteral("10%"))
                               .arg(p / 10 * ten)
                               .arg(ten / 2)
                               .arg(result));
    }
    Question q = Make(Para(QStringLiteral("10% of %1 is %2. Use this to work out")
                               .arg(amount)
                               .arg(amount / 10)),
                      parts);
    q.working = working;
    return q;
}

Question LargestPercentOf(Prng& rng)
{
    const bool largest = rng.chance(50);
    QList<int> values;
    QList<Option> options;
    QStringList working;
    while (options.size() < 4) {
        const int p = rng.pick(QList<int>{10, 20, 25, 50, 75, 5, 30, 40});
        const int a = rng.range(1, 12) * 20;
        const QString text = QStringLiteral("%1% of %2").arg(p).arg(a);
        if (std::any_of(options.cbegin(), options.cend(),
                        [&](const Option& o) { return o.text == text; }) ||
            values.contains(a * p / 100))
            continue; // all four values differ, so one is the largest or smallest
        values.append(a * p / 100);
        options.append({text, false});
        working.append(QStringLiteral("%1 = %2").arg(text).arg(a * p / 100));
    }
    const int best = largest ? *std::max_element(values.cbegin(), values.cend())
                             : *std::min_element(values.cbegin(), values.cend());
    const int at = int(values.indexOf(best));
    options[at].fits = true;
    Question q = ChoiceQuestion(Para(QStringLiteral("Which gives the <b>%1</b> answer?")
                                         .arg(largest ? "largest" : "smallest")),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("Work each one out: %1.").arg(working.join(QStringLiteral(", "))),
                 QStringLiteral("The %1 answer is %2, from <b>%3</b>.")
                     .arg(largest ? "largest" : "smallest")
                     .arg(best)
                     .arg(options.at(at).text)};
    return q;
}

Question WholeFromPercent(Prng& rng)
{
    const int percent = rng.pick(QList<int>{10, 20, 25, 50, 5});
    const int times = 100 / percent;
    const int part = rng.range(3, 40);
    const int whole = part * times;
    const bool money = rng.chance(50);
    const QString who = Name(rng);
    const QString stem =
        money ? QStringLiteral("%1 spends %2% of the money in a money box on a present. The "
                               "present costs &pound;%3.")
                    .arg(who)
                    .arg(percent)
                    .arg(part)
              : QStringLiteral("%1% of a number is %2.").arg(percent).arg(part);
    Question q = Make(
        Para(stem),
        {money ? MeasurePart(QStringLiteral("How much was in the money box?"), whole * 100,
                             2, units::kPounds, 2)
               : NumberPart(QStringLiteral("What is the number?"), whole, 2)});
    const QString unit = money ? QStringLiteral("&pound;") : QString();
    q.working = {QStringLiteral("%1% is %2 of the whole, so the whole is %3 times as much.")
                     .arg(percent)
                     .arg(FractionHtml(1, times))
                     .arg(times),
                 QStringLiteral("%1%2 %3 %4 = <b>%1%5</b>")
                     .arg(unit)
                     .arg(part)
                     .arg(kTimes)
                     .arg(times)
                     .arg(whole)};
    return q;
}

Question ShopCompare(Prng& rng)
{
    static const QStringList items = {"bike", "tablet", "guitar", "pair of skates", "tent",
                                      "games console"};
    const QString item = rng.pick(items);
    int price = 0, percent = 0, off = 0;
    do {
        price = rng.range(8, 40) * 10; // pounds
        percent = rng.pick(QList<int>{10, 20, 25, 30, 15});
        off = rng.range(2, price / 10) * 5; // at most half the price
    } while (price * percent == off * 100); // the same price in both shops
    const int a = price * (100 - percent); // pence
    const int b = (price - off) * 100;
    const bool aCheaper = a < b;
    Question q = Make(
        Para(QStringLiteral("Two shops sell the same %1 for &pound;%2. Shop A takes %3% off the "
                            "price. Shop B takes &pound;%4 off the price.")
                 .arg(item)
                 .arg(price)
                 .arg(percent)
                 .arg(off)),
        {MeasurePart(QStringLiteral("What does the %1 cost in Shop A?").arg(item), a, 2,
                     units::kPounds),
         MeasurePart(QStringLiteral("What does the %1 cost in Shop B?").arg(item), b, 2,
                     units::kPounds),
         AlternativesPart(QStringLiteral("Which shop is cheaper? Write A or B."),
                          aCheaper ? QStringList{"A", "Shop A"} : QStringList{"B", "Shop B"})});
    q.working = PercentSteps(percent, price * 100, 2, true);
    q.working += {QStringLiteral("Shop A: %1 %2 %3 = <b>%4</b>.")
                      .arg(Pounds(price * 100), kMinus, Pounds(price * percent), Pounds(a)),
                  QStringLiteral("Shop B: %1 %2 %3 = <b>%4</b>.")
                      .arg(Pounds(price * 100), kMinus, Pounds(off * 100), Pounds(b)),
                  QStringLiteral("%1 is less than %2, so <b>Shop %3</b> is cheaper.")
                      .arg(Pounds(std::min(a, b)), Pounds(std::max(a, b)),
                           aCheaper ? QStringLiteral("A") : QStringLiteral("B"))};
    return q;
}

} // namespace

QList<Generator> DecimalKinds()
{
    return {DecimalDigit,    OrderDecimals,     AddDecimals,     Change,
            RoundDecimal,    DecimalOnLine,     DecimalOnLine,   DecimalAsFraction,
            TimesWhole,      ScaleByTens,       MakeWhole,       ShareLength,
            RunningTotals,   DecimalSteps,      BetweenDecimals, Shopping,
            FractionToDecimal, DecimalMeasures, DecimalMissing};
}

QList<Generator> PercentageKinds()
{
    return {PercentOf,        PercentOf,        PercentAsFraction, Conversions,
            ShadedPercent,    ShadedPercent,    Sale,              GreatestOfForms,
            PercentOfGroup,   PriceRise,        ScoreAsPercent,    PercentRest,
            FractionToPercent, BarPercent,      FromTenPercent,    LargestPercentOf,
            WholeFromPercent, ShopCompare};
}

} // namespace orlavine::pack
