// Ratio and proportion; sequences and simple algebra.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace orlavine::pack {

namespace {

QString RatioText(int a, int b)
{
    const int g = Gcd(a, b);
    return QStringLiteral("%1:%2").arg(a / g).arg(b / g);
}

/// The working step that brings a:b to its simplest form.
QString SimplifyStep(int a, int b)
{
    const int g = Gcd(a, b);
    if (g == 1)
        return QStringLiteral("%1 and %2 have no common factor but 1, so %3 is already in its "
                              "simplest form.")
            .arg(a)
            .arg(b)
            .arg(RatioText(a, b));
    return QStringLiteral(
               "Divide both numbers by %1, their highest common factor: %2 &divide; %1 = "
               "%3 and %4 &divide; %1 = %5. So the ratio is %6.")
        .arg(g)
        .arg(a)
        .arg(a / g)
        .arg(b)
        .arg(b / g)
        .arg(RatioText(a, b));
}

/// An amount of money in pence as the working writes it: "&pound;4" or "&pound;4.35".
QString Money(long long pence)
{
    return QStringLiteral("&pound;") +
           (pence % 100 == 0 ? QString::number(pence / 100) : FixedText(pence, 2));
}

/// Two different names.
QPair<QString, QString> TwoNames(Prng& rng)
{
    const QString x = Name(rng);
    QString y = Name(rng);
    while (y == x)
        y = Name(rng);
    return {x, y};
}

/// Two different numbers from 1 to `most` with no common factor but 1.
QPair<int, int> CoprimePair(Prng& rng, int most)
{
    int a = 1, b = 1;
    while (a == b || Gcd(a, b) != 1) {
        a = rng.range(1, most);
        b = rng.range(1, most);
    }
    return {a, b};
}

/// One bar of equal parts for each share, named above it, every part marked `part`: a
/// ratio as the working reads it.
Picture PartBars(const QList<QPair<QString, int>>& shares, const QString& part)
{
    int most = 0;
    for (const auto& share : shares)
        most = std::max(most, share.second);
    const double width = std::min(56.0, 400.0 / most);
    Svg svg(440, 16 + int(shares.size()) * 66);
    QStringList said;
    for (int r = 0; r < shares.size(); ++r) {
        const double y = 26 + r * 66;
        svg.text({20, y}, shares.at(r).first, 14, "start", true);
        for (int i = 0; i < shares.at(r).second; ++i) {
            svg.rect(20 + i * width, y + 8, width, 36,
                     r == 0 ? colour::kAmberLight : colour::kBlueLight,
                     r == 0 ? colour::kAmberDark : colour::kBlueDark, 2, 3);
            svg.text({20 + i * width + width / 2, y + 32}, part, 14);
        }
        said.append(QStringLiteral("%1 %2 parts").arg(shares.at(r).first).arg(shares.at(r).second));
    }
    return Picture{svg.finish(),
                   QStringLiteral("Bars of equal parts: ") + said.join(QStringLiteral(", "))};
}

Question BeadRatio(Prng& rng)
{
    static const QStringList colours = {"red", "blue", "green", "yellow", "white"};
    const int a = rng.range(1, 5), b = rng.range(1, 5), k = rng.range(2, 6);
    const QString first = rng.pick(colours);
    QString second = rng.pick(colours);
    if (second == first)
        second = QStringLiteral("black");
    Question q = Make(
        Para(QStringLiteral("A necklace has %1 %2 beads and %3 %4 beads.")
                 .arg(a * k)
                 .arg(first)
                 .arg(b * k)
                 .arg(second)),
        {ExactPart(QStringLiteral("Write the ratio of %1 beads to %2 beads in its simplest form.")
                       .arg(first, second),
                   'F', RatioText(a * k, b * k))},
        QLatin1String(kNoteFraction));
    q.working = {QStringLiteral("In the order asked, %1 beads to %2 beads is %3:%4.")
                     .arg(first, second)
                     .arg(a * k)
                     .arg(b * k),
                 SimplifyStep(a * k, b * k)};
    return q;
}

Question ShadedRatio(Prng& rng)
{
    const int parts = rng.pick(QList<int>{4, 6, 8, 9, 10, 12});
    const int shaded = rng.range(1, parts - 1);
    Question q = Make(
        Para(QStringLiteral("Look at the bar.")),
        {ExactPart(QStringLiteral(
                       "Write the ratio of shaded parts to unshaded parts in its simplest form."),
                   'F', RatioText(shaded, parts - shaded))},
        QLatin1String(kNoteFraction));
    q.pictures = {FractionBar(parts, shaded)};
    q.working = {QStringLiteral("The bar has %1 parts: %2 shaded and %1 &minus; %2 = %3 unshaded.")
                     .arg(parts)
                     .arg(shaded)
                     .arg(parts - shaded),
                 QStringLiteral("Shaded to unshaded is %1:%2.").arg(shaded).arg(parts - shaded),
                 SimplifyStep(shaded, parts - shaded)};
    return q;
}

Question Recipe(Prng& rng)
{
    const int people = rng.pick(QList<int>{2, 4, 5});
    const int each = rng.range(3, 12) * 10;
    const int wanted = people * rng.range(2, 3) + (people == 4 ? 2 : 0);
    Question q =
        Make(Para(QStringLiteral("A recipe for %1 people uses %2 g of flour.")
                      .arg(people)
                      .arg(people * each)),
             {MeasurePart(QStringLiteral("How much flour is needed for %1 people?").arg(wanted),
                          wanted * each, 0, units::kG, 2)});
    q.working = {QStringLiteral("Flour for 1 person: %1 g &divide; %2 = %3 g.")
                     .arg(people * each)
                     .arg(people)
                     .arg(each),
                 QStringLiteral("Flour for %1 people: %2 g &times; %1 = %3 g.")
                     .arg(wanted)
                     .arg(each)
                     .arg(WithCommas(wanted * each))};
    return q;
}

Question Share(Prng& rng)
{
    // A ratio in its simplest form, of two different numbers.
    const int a = rng.range(1, 4), unit = rng.range(3, 15);
    int b = rng.range(2, 5);
    while (b == a || Gcd(a, b) != 1)
        b = b % 5 + 1;
    const auto [x, y] = TwoNames(rng);
    Question q = Make(Para(QStringLiteral("%1 and %2 share &pound;%3 in the ratio %4:%5.")
                               .arg(x, y)
                               .arg((a + b) * unit)
                               .arg(a)
                               .arg(b)),
                      {MeasurePart(QStringLiteral("How much does %1 get?").arg(x), a * unit * 100,
                                   2, units::kPounds, 2),
                       MeasurePart(QStringLiteral("How much does %1 get?").arg(y), b * unit * 100,
                                   2, units::kPounds)});
    q.working = {
        QStringLiteral("There are %1 + %2 = %3 parts altogether.").arg(a).arg(b).arg(a + b),
        QStringLiteral("One part is &pound;%1 &divide; %2 = &pound;%3.")
            .arg((a + b) * unit)
            .arg(a + b)
            .arg(unit),
        QStringLiteral("%1 gets %2 &times; &pound;%3 = &pound;%4.")
            .arg(x)
            .arg(a)
            .arg(unit)
            .arg(a * unit),
        QStringLiteral("%1 gets %2 &times; &pound;%3 = &pound;%4.")
            .arg(y)
            .arg(b)
            .arg(unit)
            .arg(b * unit)};
    q.workingPictures = {PartBars({{x, a}, {y, b}}, QStringLiteral("\u00A3%1").arg(unit))};
    return q;
}

Question UnitPrice(Prng& rng)
{
    const int count = rng.range(3, 6);
    const int each = rng.range(15, 95); // pence
    const int more = count + rng.range(2, 5);
    Question q = Make(Para(QStringLiteral("%1 pens cost &pound;%2 altogether.")
                               .arg(count)
                               .arg(FixedText(count * each, 2))),
                      {MeasurePart(QStringLiteral("How much does one pen cost, in pounds?"), each,
                                   2, units::kPounds),
                       MeasurePart(QStringLiteral("How much do %1 pens cost, in pounds?").arg(more),
                                   each * more, 2, units::kPounds, 2)});
    q.working = {QStringLiteral("One pen: %1p &divide; %2 = %3p, which is %4.")
                     .arg(count * each)
                     .arg(count)
                     .arg(each)
                     .arg(Money(each)),
                 QStringLiteral("%1 pens: %2 &times; %3p = %4p, which is %5.")
                     .arg(more)
                     .arg(more)
                     .arg(each)
                     .arg(more * each)
                     .arg(Money(more * each))};
    return q;
}

Question MapScale(Prng& rng)
{
    const int km = rng.pick(QList<int>{2, 5, 10, 20});
    const int cm = rng.range(3, 12);
    Question q =
        Make(Para(QStringLiteral(
                      "On a map, 1 cm stands for %1 km. Two towns are %2 cm apart on the map.")
                      .arg(km)
                      .arg(cm)),
             {MeasurePart(QStringLiteral("How far apart are the towns?"), km * cm, 0, units::kKm)});
    q.working = {
        QStringLiteral("Each centimetre on the map is %1 km on the ground.").arg(km),
        QStringLiteral("%1 cm stands for %1 &times; %2 km = %3 km.").arg(cm).arg(km).arg(km * cm)};
    return q;
}

/// "a + s = b", or "a &minus; |s| = b" for a step below zero.
QString StepSum(int a, int step)
{
    return QStringLiteral("%1 %2 %3 = %4")
        .arg(Signed(a), step < 0 ? QStringLiteral("&minus;") : QStringLiteral("+"))
        .arg(std::abs(step))
        .arg(Signed(a + step));
}

Question NextTerms(Prng& rng)
{
    const int step = rng.pick(QList<int>{3, 4, 6, 7, 8, 9, 11, 25, -3, -4, -6});
    const int start = step > 0 ? rng.range(1, 30) : rng.range(40, 80);
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown.append(QString::number(start + i * step));
    Question q = Make(Para(QStringLiteral("Here is a number sequence.")) +
                          Display(shown.join(QStringLiteral(", ")) + QStringLiteral(", ...")),
                      {NumberPart(QStringLiteral("Write the next term."), start + 4 * step),
                       NumberPart(QStringLiteral("Write the term after that."), start + 5 * step),
                       NumberPart(QStringLiteral("What is the 10th term?"), start + 9 * step)},
                      start + 9 * step < 0
                          ? QStringLiteral("Write a number below zero with a minus sign, like -4.")
                          : QString());
    q.working = {QStringLiteral("The terms go %1 by %2 each time.")
                     .arg(step > 0 ? QStringLiteral("up") : QStringLiteral("down"))
                     .arg(std::abs(step)),
                 QStringLiteral("Next term: %1. The one after: %2.")
                     .arg(StepSum(start + 3 * step, step), StepSum(start + 4 * step, step)),
                 QStringLiteral("The 10th term is 9 steps after the 1st: %1 %2 9 &times; %3 = %4.")
                     .arg(start)
                     .arg(step < 0 ? QStringLiteral("&minus;") : QStringLiteral("+"))
                     .arg(std::abs(step))
                     .arg(Signed(start + 9 * step))};
    return q;
}

/// A rule that makes each term of a sequence from the one before.
struct Rule {
    enum Op { Add, Subtract, Multiply } op;
    int n;

    int next(int term) const { return op == Add ? term + n : op == Subtract ? term - n : term * n; }
    QString text() const
    {
        static const char* const words[] = {"add %1", "subtract %1", "multiply by %1"};
        return QString::fromLatin1(words[op]).arg(n);
    }
};

Question SequenceRule(Prng& rng)
{
    const int step = rng.range(3, 9);
    const bool up = rng.chance(60);
    const int start = up ? rng.range(2, 20) : rng.range(40, 70);
    QList<int> terms;
    for (int i = 0; i < 5; ++i)
        terms.append(start + i * (up ? step : -step));
    const Rule::Op op = up ? Rule::Add : Rule::Subtract;
    const Rule::Op other = up ? Rule::Subtract : Rule::Add;
    QList<Rule> rules = {{op, step - 1},         {op, step + 1},      {other, step},
                         {Rule::Multiply, step}, {Rule::Multiply, 2}, {op, terms.first()}};
    rng.shuffle(rules);
    rules.prepend({op, step});
    // The rule meant and the first three others that do not fit the terms shown.
    QList<Option> options;
    QStringList texts;
    for (const Rule& rule : rules) {
        bool fits = true;
        for (int i = 1; i < 5; ++i)
            fits = fits && rule.next(terms.at(i - 1)) == terms.at(i);
        if (options.size() < 4 && !texts.contains(rule.text()) && (options.isEmpty() || !fits)) {
            options.append({rule.text(), fits});
            texts.append(rule.text());
        }
    }
    QStringList shown, steps;
    for (int term : terms)
        shown.append(QString::number(term));
    for (int i = 1; i < 3; ++i)
        steps.append(StepSum(terms.at(i - 1), up ? step : -step));
    Question q = ChoiceQuestion(Para(QStringLiteral("What is the rule of this sequence?")) +
                                    Display(shown.join(QStringLiteral(", "))),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("Each term is %1 %2 than the one before: %3, and so on.")
                     .arg(step)
                     .arg(up ? QStringLiteral("more") : QStringLiteral("less"))
                     .arg(steps.join(QStringLiteral(", "))),
                 QStringLiteral("So the rule is %1.").arg(rules.first().text())};
    return q;
}

Question Formula(Prng& rng)
{
    const int rate = rng.range(3, 9);
    const int fee = rng.range(2, 10);
    const int hours = rng.range(2, 8);
    const int paid = rate * (hours + 2) + fee;
    Question q = Make(
        Para(QStringLiteral("To hire a boat costs &pound;%1 for each hour plus &pound;%2.")
                 .arg(rate)
                 .arg(fee)) +
            Display(QStringLiteral("cost = %1 &times; hours + %2").arg(rate).arg(fee)),
        {MeasurePart(QStringLiteral("What does it cost to hire the boat for %1 hours?").arg(hours),
                     (rate * hours + fee) * 100, 2, units::kPounds),
         MeasurePart(
             QStringLiteral("Maya paid &pound;%1. For how many hours did she hire the boat?")
                 .arg(paid),
             hours + 2, 0, units::kHours, 2)});
    q.working = {
        QStringLiteral("For %1 hours: cost = %2 &times; %1 + %3 = %4 + %3 = &pound;%5.")
            .arg(hours)
            .arg(rate)
            .arg(fee)
            .arg(rate * hours)
            .arg(rate * hours + fee),
        QStringLiteral("Maya: take away the &pound;%1 first: &pound;%2 &minus; &pound;%1 = "
                       "&pound;%3 for the hours.")
            .arg(fee)
            .arg(paid)
            .arg(paid - fee),
        QStringLiteral("Each hour costs &pound;%1: %2 &divide; %1 = %3 hours.")
            .arg(rate)
            .arg(paid - fee)
            .arg(hours + 2)};
    return q;
}

Question MissingNumber(Prng& rng)
{
    const int a = rng.range(2, 9), x = rng.range(2, 12), b = rng.range(1, 20);
    Question q = Make(
        Para(QStringLiteral("What number goes in the box?")) +
            Display(QStringLiteral("%1 &times; &#9633; + %2 = %3").arg(a).arg(b).arg(a * x + b)),
        {NumberPart(QString(), x, 2)});
    q.working = {
        QStringLiteral("Undo the + %1: %2 &minus; %1 = %3, so %4 &times; &#9633; = %3.")
            .arg(b)
            .arg(a * x + b)
            .arg(a * x)
            .arg(a),
        QStringLiteral("Undo the &times; %1: %2 &divide; %1 = %3.").arg(a).arg(a * x).arg(x),
        QStringLiteral("So the box is %1.").arg(x)};
    return q;
}

Question Sticks(Prng& rng)
{
    const int n = rng.range(4, 7);
    const int far = rng.range(10, 30);
    Question q =
        Make(Para(QStringLiteral("These patterns are made of sticks.")),
             {NumberPart(QStringLiteral("How many sticks are in pattern %1?").arg(n), 3 * n + 1),
              NumberPart(QStringLiteral("How many sticks are in pattern %1?").arg(far), 3 * far + 1,
                         2)});
    q.pictures = {StickPatterns()};
    q.working = {
        QStringLiteral("Pattern 1 has 4 sticks and each new square adds 3 sticks, so a "
                       "pattern has 3 &times; its number + 1 sticks."),
        QStringLiteral("Pattern %1: 3 &times; %1 + 1 = %2 sticks.").arg(n).arg(3 * n + 1),
        QStringLiteral("Pattern %1: 3 &times; %1 + 1 = %2 sticks.").arg(far).arg(3 * far + 1)};
    return q;
}

Question Expression(Prng& rng)
{
    const int k = rng.range(2, 9);
    const QString letter = rng.pick(QStringList{"n", "m", "y", "a"});
    if (rng.chance(50)) {
        // Either term first, with or without a space on either side of the sign.
        QStringList sums;
        for (const QString& first : {letter, QString::number(k)}) {
            const QString second = first == letter ? QString::number(k) : letter;
            for (const char* sign : {"+", " +", "+ ", " + "})
                sums.append(first + QLatin1String(sign) + second);
        }
        Question q =
            Make(Para(QStringLiteral("Write an expression for <b>%1 more than %2</b>.")
                          .arg(k)
                          .arg(letter)),
                 {AlternativesPart(QString(), sums)}, QStringLiteral("Use the letter, like n+3."));
        q.working = {
            QStringLiteral("%1 more than %2 means start with %2 and add %1.").arg(k).arg(letter),
            QStringLiteral("So the expression is %1 + %2.").arg(letter).arg(k)};
        return q;
    }
    Question q =
        Make(Para(QStringLiteral("Write an expression for <b>%1 times %2</b>.").arg(k).arg(letter)),
             {ProductPart(QString(), k, letter)}, QStringLiteral("Use the letter, like 3n."));
    q.working = {QStringLiteral("%1 times %2 is %1 &times; %2.").arg(k).arg(letter),
                 QStringLiteral("In algebra the &times; sign is left out and the number written "
                                "first: %1%2.")
                     .arg(k)
                     .arg(letter)};
    return q;
}

Question RatioOfTotal(Prng& rng)
{
    struct Group {
        const char* first;
        const char* second;
        const char* whole;
    };
    static const QList<Group> groups = {{"boys", "girls", "children in a class"},
                                        {"cats", "dogs", "animals at a rescue centre"},
                                        {"adult tickets", "child tickets", "tickets sold"},
                                        {"red apples", "green apples", "apples in a box"},
                                        {"fiction books", "non-fiction books", "books on a shelf"}};
    const Group group = rng.pick(groups);
    const auto [a, b] = CoprimePair(rng, 7);
    const int k = rng.range(2, 9);
    const bool askFirst = rng.chance(50);
    const QString asked = QLatin1String(askFirst ? group.first : group.second);
    const int share = askFirst ? a : b;
    Question q =
        Make(Para(QStringLiteral("There are %1 %2. The ratio of %3 to %4 is %5:%6.")
                      .arg((a + b) * k)
                      .arg(QLatin1String(group.whole), QLatin1String(group.first),
                           QLatin1String(group.second))
                      .arg(a)
                      .arg(b)),
             {NumberPart(QStringLiteral("How many %1 are there?").arg(asked), share * k, 2)});
    q.working = {
        QStringLiteral("The ratio has %1 + %2 = %3 parts.").arg(a).arg(b).arg(a + b),
        QStringLiteral("One part is %1 &divide; %2 = %3.").arg((a + b) * k).arg(a + b).arg(k),
        QStringLiteral("The %1 are %2 parts: %2 &times; %3 = %4.")
            .arg(asked)
            .arg(share)
            .arg(k)
            .arg(share * k)};
    q.workingPictures = {
        PartBars({{QString::fromLatin1(group.first), a}, {QString::fromLatin1(group.second), b}},
                 QString::number(k))};
    return q;
}

Question ForEvery(Prng& rng)
{
    static const QList<QPair<QString, QString>> pairs = {
        {"roses", "tulips"},           {"red cars", "blue cars"},
        {"blue tiles", "white tiles"}, {"cups of flour", "cups of sugar"},
        {"apple trees", "pear trees"}, {"spoons of cocoa", "cups of milk"}};
    const auto [first, second] = rng.pick(pairs);
    const int k = rng.range(3, 12);
    int a = 1, b = 1;
    while (a == 1 || b == 1) // a ratio in its simplest form, neither part 1
        std::tie(a, b) = CoprimePair(rng, 9);
    Question q = Make(Para(QStringLiteral("For every %1 %2 there are %3 %4. There are %5 %2.")
                               .arg(a)
                               .arg(first)
                               .arg(b)
                               .arg(second)
                               .arg(a * k)),
                      {NumberPart(QStringLiteral("How many %1 are there?").arg(second), b * k)});
    q.working = {QStringLiteral("%1 %2 make %1 &divide; %3 = %4 groups of %3.")
                     .arg(a * k)
                     .arg(first)
                     .arg(a)
                     .arg(k),
                 QStringLiteral("Each group has %1 %2: %3 &times; %1 = %4 %2.")
                     .arg(b)
                     .arg(second)
                     .arg(k)
                     .arg(b * k)};
    return q;
}

Question Squash(Prng& rng)
{
    const int a = rng.range(1, 3), k = rng.range(2, 9) * 10;
    int b = rng.range(2, 9);
    while (Gcd(a, b) != 1)
        ++b;
    const QString drink = rng.pick(
        QStringList{"orange squash", "blackcurrant squash", "lemon cordial", "plant food"});
    Question q =
        Make(Para(QStringLiteral(
                      "To make %1, mix concentrate and water in the ratio %2:%3. %4 uses %5 ml "
                      "of concentrate.")
                      .arg(drink)
                      .arg(a)
                      .arg(b)
                      .arg(Name(rng))
                      .arg(a * k)),
             {MeasurePart(QStringLiteral("How much water is needed?"), b * k, 0, units::kMl),
              MeasurePart(QStringLiteral("How much %1 does that make altogether?").arg(drink),
                          (a + b) * k, 0, units::kMl)});
    q.working = {
        a == 1 ? QStringLiteral("%1 ml of concentrate is 1 part.").arg(k)
               : QStringLiteral("%1 ml of concentrate is %2 parts, so one part is %1 &divide; "
                                "%2 = %3 ml.")
                     .arg(a * k)
                     .arg(a)
                     .arg(k),
        QStringLiteral("Water: %1 parts = %1 &times; %2 = %3 ml.").arg(b).arg(k).arg(b * k),
        QStringLiteral("Altogether: %1 + %2 = %3 ml.")
            .arg(a * k)
            .arg(b * k)
            .arg(WithCommas((a + b) * k))};
    return q;
}

Question RecipeTable(Prng& rng)
{
    const int people = rng.pick(QList<int>{2, 4, 6});
    int times = rng.pick(QList<int>{1, 3, 4, 5, 6}); // halves of the recipe
    if (people == 2 && times == 1)
        times = 3;
    const int wanted = people * times / 2;
    const int flour = rng.range(2, 8) * 50, eggs = rng.range(1, 3) * 2,
              milk = rng.range(2, 6) * 100;
    Question q = Make(
        Para(QStringLiteral("This recipe makes pancakes for %1 people.").arg(people)) +
            DataTable({QStringLiteral("Flour"), QStringLiteral("Eggs"), QStringLiteral("Milk")},
                      {{QStringLiteral("%1 g").arg(flour), QString::number(eggs),
                        QStringLiteral("%1 ml").arg(milk)}}) +
            Para(QStringLiteral("%1 makes pancakes for %2 people.").arg(Name(rng)).arg(wanted)),
        {MeasurePart(QStringLiteral("How much flour is needed?"), flour * times / 2, 0, units::kG),
         NumberPart(QStringLiteral("How many eggs are needed?"), eggs * times / 2),
         MeasurePart(QStringLiteral("How much milk is needed?"), milk * times / 2, 0, units::kMl)});
    q.working = {
        QStringLiteral("Half the recipe is for %1 &divide; 2 = %2 %3: %4 g flour, %5 and "
                       "%6 ml milk.")
            .arg(people)
            .arg(people / 2)
            .arg(people == 2 ? QStringLiteral("person") : QStringLiteral("people"))
            .arg(flour / 2)
            .arg(eggs == 2 ? QStringLiteral("1 egg") : QStringLiteral("%1 eggs").arg(eggs / 2))
            .arg(milk / 2)};
    if (times > 1)
        q.working.append(QStringLiteral("%1 people is %2 times %3, so multiply each by %2.")
                             .arg(wanted)
                             .arg(times)
                             .arg(people / 2));
    q.working.append(QStringLiteral("For %1 people: %2 g flour, %3 eggs and %4 ml milk.")
                         .arg(wanted)
                         .arg(WithCommas(flour * times / 2))
                         .arg(eggs * times / 2)
                         .arg(WithCommas(milk * times / 2)));
    return q;
}

Question BestBuy(Prng& rng)
{
    const QString item = rng.pick(QStringList{"pens", "yoghurts", "bread rolls", "cans of juice",
                                              "tennis balls", "notebooks"});
    QList<int> sizes = {2, 3, 4, 5, 6, 8, 10, 12};
    rng.shuffle(sizes);
    // Four different prices of one item, in pence: the cheapest is the best value.
    QList<int> each = {rng.range(20, 60)};
    while (each.size() < 4) {
        const int price = each.first() + rng.range(1, 15);
        if (!each.contains(price))
            each.append(price);
    }
    QList<Option> options;
    QStringList steps;
    for (int i = 0; i < 4; ++i) {
        const QString text =
            QStringLiteral("%1 for %2").arg(sizes.at(i)).arg(Money(sizes.at(i) * each.at(i)));
        options.append({text, each.at(i) == *std::min_element(each.cbegin(), each.cend())});
        steps.append(QStringLiteral("%1: %2p &divide; %3 = %4p each")
                         .arg(text)
                         .arg(sizes.at(i) * each.at(i))
                         .arg(sizes.at(i))
                         .arg(each.at(i)));
    }
    const Choice choice = UniqueChoice(rng, options);
    Question q = ChoiceQuestion(
        Para(QStringLiteral("A shop sells %1 in packs. Which pack is the best value for money?")
                 .arg(item)),
        choice);
    q.working = {QStringLiteral("Work out the price of one in each pack."),
                 steps.join(QStringLiteral("; ")) + QLatin1Char('.'),
                 QStringLiteral("The lowest price each is %1p, so the best value is %2.")
                     .arg(each.first())
                     .arg(options.first().text)};
    return q;
}

Question RatioFraction(Prng& rng)
{
    static const QList<QPair<QString, QString>> pairs = {{"red", "blue"},
                                                         {"green", "yellow"},
                                                         {"white", "black"},
                                                         {"striped", "spotted"},
                                                         {"orange", "purple"}};
    const auto [first, second] = rng.pick(pairs);
    const auto [a, b] = CoprimePair(rng, 9);
    const bool askFirst = rng.chance(50);
    const int share = askFirst ? a : b;
    Question q = Make(
        Para(QStringLiteral("A bag holds %1 and %2 counters in the ratio %3:%4.")
                 .arg(first, second)
                 .arg(a)
                 .arg(b)),
        {FractionAnswerPart(
            QStringLiteral("What fraction of the counters are %1?").arg(askFirst ? first : second),
            share, a + b, false)},
        QLatin1String(kNoteAnyFraction));
    q.working = {
        QStringLiteral("The ratio has %1 + %2 = %3 parts altogether.").arg(a).arg(b).arg(a + b),
        QStringLiteral("%1 of the %2 parts are %3, so the fraction is %4.")
            .arg(share)
            .arg(a + b)
            .arg(askFirst ? first : second, FractionHtml(share, a + b))};
    return q;
}

Question ShareByDifference(Prng& rng)
{
    const auto [x, y] = TwoNames(rng);
    int a = rng.range(1, 4), b = rng.range(2, 7);
    while (b <= a || Gcd(a, b) != 1)
        ++b;
    const int k = rng.range(2, 9);
    const QString thing = Thing(rng);
    Question q = Make(
        Para(QStringLiteral(
                 "%1 and %2 share some %3 in the ratio %4:%5. %2 gets %6 more %3 than %1.")
                 .arg(x, y, thing)
                 .arg(a)
                 .arg(b)
                 .arg((b - a) * k)),
        {NumberPart(QStringLiteral("How many %1 does %2 get?").arg(thing, x), a * k, 2),
         NumberPart(QStringLiteral("How many %1 are there altogether?").arg(thing), (a + b) * k)});
    q.working = {
        QStringLiteral("%1 gets %2 &minus; %3 = %4 more parts than %5.")
            .arg(y)
            .arg(b)
            .arg(a)
            .arg(b - a)
            .arg(x),
        b - a == 1 ? QStringLiteral("So one part is %1 %2.").arg(k).arg(thing)
                   : QStringLiteral("%1 parts are %2 %3, so one part is %2 &divide; %1 = %4.")
                         .arg(b - a)
                         .arg((b - a) * k)
                         .arg(thing)
                         .arg(k),
        QStringLiteral("%1 gets %2 &times; %3 = %4.").arg(x).arg(a).arg(k).arg(a * k),
        QStringLiteral("Altogether: %1 parts &times; %2 = %3.").arg(a + b).arg(k).arg((a + b) * k)};
    q.workingPictures = {PartBars({{x, a}, {y, b}}, QString::number(k))};
    return q;
}

Question SteadyRate(Prng& rng)
{
    struct Rate {
        const char* text;
        const char* asked;
        const char* per;
    };
    static const QList<Rate> rates = {
        {"A printer prints %1 pages in %2 minutes.", "How many pages does it print in %1 minutes?",
         "minute"},
        {"A machine fills %1 bottles in %2 minutes.",
         "How many bottles does it fill in %1 minutes?", "minute"},
        {"A baker makes %1 rolls in %2 hours.", "How many rolls does the baker make in %1 hours?",
         "hour"},
        {"A tap drips %1 drops in %2 seconds.", "How many drops fall in %1 seconds?", "second"}};
    const Rate rate = rng.pick(rates);
    const int each = rng.range(3, 15), first = rng.range(2, 6);
    int then = rng.range(5, 12);
    if (then == first)
        ++then;
    Question q = Make(Para(QString::fromLatin1(rate.text).arg(each * first).arg(first)),
                      {NumberPart(QString::fromLatin1(rate.asked).arg(then), each * then, 2)});
    q.working = {QStringLiteral("In 1 %1: %2 &divide; %3 = %4.")
                     .arg(QLatin1String(rate.per))
                     .arg(each * first)
                     .arg(first)
                     .arg(each),
                 QStringLiteral("In %1 %2s: %3 &times; %1 = %4.")
                     .arg(then)
                     .arg(QLatin1String(rate.per))
                     .arg(each)
                     .arg(each * then)};
    return q;
}

Question Enlarge(Prng& rng)
{
    const int w = rng.range(2, 9), factor = rng.range(2, 5);
    int h = rng.range(1, 8);
    if (h == w)
        ++h;
    Question q = Make(
        Para(QStringLiteral("A rectangle is %1 cm long and %2 cm wide. It is enlarged "
                            "by scale factor %3.")
                 .arg(w)
                 .arg(h)
                 .arg(factor)),
        {MeasurePart(QStringLiteral("How long is the new rectangle?"), w * factor, 0, units::kCm),
         MeasurePart(QStringLiteral("How wide is the new rectangle?"), h * factor, 0, units::kCm),
         MeasurePart(QStringLiteral("What is the perimeter of the new rectangle?"),
                     2 * (w + h) * factor, 0, units::kCm)});
    q.working = {
        QStringLiteral("Scale factor %1 multiplies every length by %1.").arg(factor),
        QStringLiteral("Length: %1 &times; %2 = %3 cm.").arg(w).arg(factor).arg(w * factor),
        QStringLiteral("Width: %1 &times; %2 = %3 cm.").arg(h).arg(factor).arg(h * factor),
        QStringLiteral("Perimeter: %1 + %2 + %1 + %2 = %3 cm.")
            .arg(w * factor)
            .arg(h * factor)
            .arg(2 * (w + h) * factor)};
    return q;
}

Question MapDistance(Prng& rng)
{
    const int km = rng.pick(QList<int>{2, 3, 4, 5, 10, 25});
    const int cm = rng.range(2, 15);
    Question q = Make(
        Para(QStringLiteral("On a map, 1 cm stands for %1 km. Two villages are %2 km "
                            "apart.")
                 .arg(km)
                 .arg(km * cm)),
        {MeasurePart(QStringLiteral("How far apart are they on the map?"), cm, 0, units::kCm)});
    q.working = {QStringLiteral("Each %1 km is 1 cm on the map.").arg(km),
                 QStringLiteral("%1 km &divide; %2 = %3, so they are %3 cm apart on the map.")
                     .arg(km * cm)
                     .arg(km)
                     .arg(cm)};
    return q;
}

Question ScaleModel(Prng& rng)
{
    const int scale = rng.pick(QList<int>{10, 20, 25, 50});
    const QString model = rng.pick(QStringList{"car", "boat", "lorry", "train carriage", "plane"});
    const int cm = rng.range(8, 40);
    Question q =
        Make(Para(QStringLiteral("A model %1 is made to a scale of 1:%2. The model is %3 cm "
                                 "long.")
                      .arg(model)
                      .arg(scale)
                      .arg(cm)),
             {MeasurePart(QStringLiteral("How long is the real %1 in centimetres?").arg(model),
                          cm * scale, 0, units::kCm),
              MeasurePart(QStringLiteral("How long is the real %1 in metres?").arg(model),
                          cm * scale, 2, units::kM)});
    q.working = {
        QStringLiteral("1:%1 means the real %2 is %1 times as long as the model.")
            .arg(scale)
            .arg(model),
        QStringLiteral("%1 cm &times; %2 = %3 cm.").arg(cm).arg(scale).arg(WithCommas(cm * scale)),
        QStringLiteral("100 cm make 1 m: %1 &divide; 100 = %2 m.")
            .arg(WithCommas(cm * scale))
            .arg(DecimalText(cm * scale, 2))};
    return q;
}

Question MissingTerm(Prng& rng)
{
    const int step =
        rng.pick(QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 15, 20, 25, -2, -3, -5, -7});
    const int start = step > 0 ? rng.range(1, 40) : rng.range(60, 120);
    const int gap = rng.range(1, 3);
    QStringList shown;
    for (int i = 0; i < 5; ++i)
        shown.append(i == gap ? QStringLiteral("&#9633;") : QString::number(start + i * step));
    Question q = Make(Para(QStringLiteral("What number goes in the box in this sequence?")) +
                          Display(shown.join(QStringLiteral(", "))),
                      {NumberPart(QString(), start + gap * step)});
    q.working = {QStringLiteral("The terms go %1 by %2 each time: %3.")
                     .arg(step > 0 ? QStringLiteral("up") : QStringLiteral("down"))
                     .arg(std::abs(step))
                     .arg(StepSum(start + (gap == 1 ? 2 : 0) * step, step)),
                 QStringLiteral("The box comes after %1: %2.")
                     .arg(start + (gap - 1) * step)
                     .arg(StepSum(start + (gap - 1) * step, step)),
                 QStringLiteral("Check: %1.").arg(StepSum(start + gap * step, step))};
    return q;
}

Question PositionRule(Prng& rng)
{
    const int times = rng.range(2, 9), plus = rng.range(1, 9);
    const int near = rng.range(5, 12), far = rng.pick(QList<int>{20, 25, 30, 50, 100});
    QStringList first;
    for (int n = 1; n <= 4; ++n)
        first.append(QString::number(times * n + plus));
    Question q =
        Make(Para(QStringLiteral("The terms of a sequence are made with this rule:")) +
                 Display(QStringLiteral("term = %1 &times; position + %2").arg(times).arg(plus)) +
                 Para(QStringLiteral("The sequence starts %1, ...")
                          .arg(first.join(QStringLiteral(", ")))),
             {NumberPart(QStringLiteral("What is the term in position %1?").arg(near),
                         times * near + plus),
              NumberPart(QStringLiteral("What is the term in position %1?").arg(far),
                         times * far + plus)});
    q.working = {QStringLiteral("Put the position into the rule."),
                 QStringLiteral("Position %1: %2 &times; %1 + %3 = %4 + %3 = %5.")
                     .arg(near)
                     .arg(times)
                     .arg(plus)
                     .arg(times * near)
                     .arg(times * near + plus),
                 QStringLiteral("Position %1: %2 &times; %1 + %3 = %4 + %3 = %5.")
                     .arg(far)
                     .arg(times)
                     .arg(plus)
                     .arg(times * far)
                     .arg(times * far + plus)};
    return q;
}

Question Substitute(Prng& rng)
{
    static const QList<QPair<QString, QString>> letters = {
        {"a", "b"}, {"x", "y"}, {"m", "n"}, {"p", "q"}};
    const auto [u, v] = rng.pick(letters);
    const int a = rng.range(2, 12), b = rng.range(1, a - 1), k = rng.range(2, 9);
    const bool product = rng.chance(50);
    const int second = product ? a * b : a - b;
    Question q =
        Make(Para(QStringLiteral("%1 = %2 and %3 = %4.").arg(u).arg(a).arg(v).arg(b)),
             {NumberPart(QStringLiteral("Work out %1%2 + %3.").arg(k).arg(u, v), k * a + b),
              NumberPart(QStringLiteral("Work out %1.")
                             .arg(product ? u + v : u + QStringLiteral(" &minus; ") + v),
                         second)});
    q.working = {
        QStringLiteral("%1%2 means %1 &times; %2: %1%2 + %3 = %1 &times; %4 + %5 = %6 + %5 = %7.")
            .arg(k)
            .arg(u, v)
            .arg(a)
            .arg(b)
            .arg(k * a)
            .arg(k * a + b),
        product ? QStringLiteral("%1%2 means %1 &times; %2: %3 &times; %4 = %5.")
                      .arg(u, v)
                      .arg(a)
                      .arg(b)
                      .arg(second)
                : QStringLiteral("%1 &minus; %2 = %3 &minus; %4 = %5.")
                      .arg(u, v)
                      .arg(a)
                      .arg(b)
                      .arg(second)};
    return q;
}

/// A function machine drawn as boxes joined by arrows; `alt` says its steps in words.
Picture MachinePicture(const QStringList& steps, const QString& alt)
{
    Svg svg(440, 90);
    const QStringList boxes =
        QStringList{QStringLiteral("IN")} + steps + QStringList{QStringLiteral("OUT")};
    const double width = 440.0 / boxes.size();
    for (int i = 0; i < boxes.size(); ++i) {
        const double x = i * width + 12;
        const bool end = i == 0 || i == boxes.size() - 1;
        svg.rect(x, 22, width - 34, 44, end ? colour::kAmberLight : colour::kBlueLight,
                 end ? colour::kAmberDark : colour::kBlueDark, 2, 6);
        svg.text({x + (width - 34) / 2, 50}, boxes.at(i), 17, "middle", true);
        if (i + 1 < boxes.size()) {
            svg.line({x + width - 32, 44}, {x + width - 6, 44}, colour::kInk, 2);
            svg.arrowHead({x + width - 32, 44}, {x + width - 2, 44}, colour::kInk, 8);
        }
    }
    return Picture{svg.finish(), alt};
}

Question FunctionMachine(Prng& rng)
{
    const int times = rng.range(2, 9);
    const bool plus = rng.chance(60);
    const int add = plus ? rng.range(1, 12) : rng.range(1, 2 * times - 1); // outputs above 0
    const int in = rng.range(2, 12);
    int back = rng.range(3, 15);
    if (back == in)
        ++back;
    const auto out = [&](int n) { return times * n + (plus ? add : -add); };
    const QString sign = plus ? QStringLiteral("+") : QStringLiteral("&minus;");
    const QString undo = plus ? QStringLiteral("&minus;") : QStringLiteral("+");
    Question q =
        Make(Para(QStringLiteral("Here is a function machine.")),
             {NumberPart(QStringLiteral("The input is %1. What is the output?").arg(in), out(in)),
              NumberPart(QStringLiteral("The output is %1. What was the input?").arg(out(back)),
                         back, 2)});
    q.pictures = {
        MachinePicture({QStringLiteral("\u00D7 %1").arg(times),
                        (plus ? QStringLiteral("+ %1") : QStringLiteral("\u2212 %1")).arg(add)},
                       QStringLiteral("A function machine: multiply by %1, then %2 %3")
                           .arg(times)
                           .arg(plus ? QStringLiteral("add") : QStringLiteral("subtract"))
                           .arg(add))};
    q.working = {QStringLiteral("Forwards: %1 &times; %2 = %3, then %3 %4 %5 = %6.")
                     .arg(in)
                     .arg(times)
                     .arg(times * in)
                     .arg(sign)
                     .arg(add)
                     .arg(out(in)),
                 QStringLiteral("Backwards, undo each step in reverse order: %1 %2 %3 = %4.")
                     .arg(out(back))
                     .arg(undo)
                     .arg(add)
                     .arg(times * back),
                 QStringLiteral("Then %1 &divide; %2 = %3, so the input was %3.")
                     .arg(times * back)
                     .arg(times)
                     .arg(back)};
    return q;
}

Question InSequence(Prng& rng)
{
    const int step = rng.range(3, 9), start = rng.range(1, 12);
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown.append(QString::number(start + i * step));
    // One number in the sequence and three that are not, all beyond the terms shown.
    QList<int> numbers = {start + step * rng.range(8, 20)};
    while (numbers.size() < 4) {
        const int n = start + step * rng.range(8, 20) + rng.range(1, step - 1);
        if (!numbers.contains(n))
            numbers.append(n);
    }
    QList<Option> options;
    QStringList checks;
    for (int n : numbers) {
        const bool fits = (n - start) % step == 0;
        options.append({QString::number(n), fits});
        checks.append(QStringLiteral("%1 &minus; %2 = %3%4")
                          .arg(n)
                          .arg(start)
                          .arg(n - start)
                          .arg(fits ? QStringLiteral(", a multiple of %1").arg(step)
                                    : QStringLiteral(", not a multiple of %1").arg(step)));
    }
    Question q =
        ChoiceQuestion(Para(QStringLiteral("The sequence goes on in the same way. Which "
                                           "number is in the sequence?")) +
                           Display(shown.join(QStringLiteral(", ")) + QStringLiteral(", ...")),
                       UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("The terms are %1 plus a multiple of %2, as they go up by %2 from %1.")
            .arg(start)
            .arg(step),
        checks.join(QStringLiteral("; ")) + QLatin1Char('.'),
        QStringLiteral("So %1 is in the sequence.").arg(numbers.first())};
    return q;
}

Question GrowingSteps(Prng& rng)
{
    const int start = rng.range(1, 20), first = rng.range(1, 6), grow = rng.range(1, 3);
    QList<int> terms = {start};
    for (int i = 0; i < 6; ++i)
        terms.append(terms.last() + first + i * grow);
    QStringList shown, gaps;
    for (int i = 0; i < 5; ++i)
        shown.append(QString::number(terms.at(i)));
    for (int i = 0; i < 4; ++i)
        gaps.append(QString::number(first + i * grow));
    Question q = Make(Para(QStringLiteral("Here is a sequence.")) +
                          Display(shown.join(QStringLiteral(", ")) + QStringLiteral(", ...")),
                      {NumberPart(QStringLiteral("What is the next term?"), terms.at(5)),
                       NumberPart(QStringLiteral("What is the term after that?"), terms.at(6))});
    q.working = {
        QStringLiteral("The differences between the terms are %1: they go up by %2 each time.")
            .arg(gaps.join(QStringLiteral(", ")))
            .arg(grow),
        QStringLiteral("The next difference is %1 + %2 = %3.")
            .arg(first + 3 * grow)
            .arg(grow)
            .arg(first + 4 * grow),
        QStringLiteral("The next term is %1 + %2 = %3.")
            .arg(terms.at(4))
            .arg(first + 4 * grow)
            .arg(terms.at(5)),
        QStringLiteral("The one after that is %1 + %2 = %3.")
            .arg(terms.at(5))
            .arg(first + 5 * grow)
            .arg(terms.at(6))};
    return q;
}

Question Doubling(Prng& rng)
{
    const int factor = rng.pick(QList<int>{2, 2, 3, 10});
    const bool up = rng.chance(60);
    int first = rng.range(1, factor == 2 ? 9 : 5);
    if (!up) // halving or dividing down from a big term to a whole number
        first *= factor * factor * factor * factor;
    QList<int> terms = {first};
    for (int i = 0; i < 4; ++i)
        terms.append(up ? terms.last() * factor : terms.last() / factor);
    QStringList shown;
    for (int i = 0; i < 4; ++i)
        shown.append(WithCommas(terms.at(i)));
    Question q = Make(Para(QStringLiteral("Here is a sequence.")) +
                          Display(shown.join(QStringLiteral(", ")) + QStringLiteral(", ...")),
                      {NumberPart(QStringLiteral("What is the next term?"), terms.last())});
    q.working = {QStringLiteral("Each term is the one before %1 by %2: %3 %4 %2 = %5.")
                     .arg(up ? QStringLiteral("multiplied") : QStringLiteral("divided"))
                     .arg(factor)
                     .arg(WithCommas(terms.at(0)))
                     .arg(up ? QStringLiteral("&times;") : QStringLiteral("&divide;"))
                     .arg(WithCommas(terms.at(1))),
                 QStringLiteral("The next term is %1 %2 %3 = %4.")
                     .arg(WithCommas(terms.at(3)))
                     .arg(up ? QStringLiteral("&times;") : QStringLiteral("&divide;"))
                     .arg(factor)
                     .arg(WithCommas(terms.at(4)))};
    return q;
}

Question PerimeterExpression(Prng& rng)
{
    static const QList<QPair<QString, int>> shapes = {{"square", 4},
                                                      {"equilateral triangle", 3},
                                                      {"regular pentagon", 5},
                                                      {"regular hexagon", 6},
                                                      {"regular octagon", 8}};
    const auto [shape, sides] = rng.pick(shapes);
    const QString letter = rng.pick(QStringList{"s", "a", "b", "k", "t", "y"});
    QStringList added(sides, letter);
    const QString article =
        shape.startsWith(QLatin1Char('e')) ? QStringLiteral("an") : QStringLiteral("a");
    Question q =
        Make(Para(QStringLiteral("Each side of %1 %2 is %3 cm long.").arg(article, shape, letter)),
             {ProductPart(QStringLiteral("Write an expression for its perimeter in cm."), sides,
                          letter)},
             QStringLiteral("Use the letter, like 3n."));
    q.working = {QStringLiteral("%1 %2 has %3 equal sides.")
                     .arg(article.at(0).toUpper() + article.mid(1), shape)
                     .arg(sides),
                 QStringLiteral("Perimeter = %1 = %2 &times; %3 = %2%3.")
                     .arg(added.join(QStringLiteral(" + ")))
                     .arg(sides)
                     .arg(letter)};
    return q;
}

Question TablesInARow(Prng& rng)
{
    const int each = rng.range(2, 4), ends = rng.range(1, 2);
    const int tables = rng.range(6, 15);
    int more = rng.range(10, 25);
    if (more == tables)
        ++more;
    QStringList rows;
    for (int t = 1; t <= 3; ++t)
        rows.append(QStringLiteral("%1 table%2: %3 chairs")
                        .arg(t)
                        .arg(t > 1 ? QStringLiteral("s") : QString())
                        .arg(each * t + ends));
    Question q = Make(
        Para(QStringLiteral("A caf&eacute; puts tables in a row and chairs around them.")) +
            Display(rows.join(QStringLiteral("<br>"))),
        {NumberPart(QStringLiteral("How many chairs fit around %1 tables?").arg(tables),
                    each * tables + ends),
         NumberPart(
             QStringLiteral("How many tables are needed for %1 chairs?").arg(each * more + ends),
             more, 2)});
    q.working = {
        QStringLiteral("Each table adds %1 chairs, and there are %2 more: chairs = %1 &times; "
                       "tables + %2.")
            .arg(each)
            .arg(ends),
        QStringLiteral("%1 tables: %2 &times; %1 + %3 = %4 chairs.")
            .arg(tables)
            .arg(each)
            .arg(ends)
            .arg(each * tables + ends),
        QStringLiteral("%1 chairs: %1 &minus; %2 = %3, and %3 &divide; %4 = %5 tables.")
            .arg(each * more + ends)
            .arg(ends)
            .arg(each * more)
            .arg(each)
            .arg(more)};
    return q;
}

Question SymbolPuzzle(Prng& rng)
{
    static const QList<QPair<QString, QString>> symbols = {
        {"&#9650;", "triangle"}, {"&#9679;", "circle"}, {"&#9632;", "square"}, {"&#9733;", "star"}};
    QList<QPair<QString, QString>> pick = symbols;
    rng.shuffle(pick);
    const int count = rng.range(2, 5), first = rng.range(2, 15), second = rng.range(1, 20);
    const QStringList repeated(count, pick.at(0).first);
    Question q =
        Make(Para(QStringLiteral("Each shape stands for a number.")) +
                 Display(repeated.join(QStringLiteral(" + ")) +
                         QStringLiteral(" = %1").arg(count * first)) +
                 Display(QStringLiteral("%1 + %2 = %3")
                             .arg(pick.at(0).first, pick.at(1).first)
                             .arg(first + second)),
             {NumberPart(QStringLiteral("What number is the %1?").arg(pick.at(0).second), first),
              NumberPart(QStringLiteral("What number is the %1?").arg(pick.at(1).second), second)});
    q.working = {QStringLiteral("%1 %2s make %3, so one %2 is %3 &divide; %1 = %4.")
                     .arg(count)
                     .arg(pick.at(0).second)
                     .arg(count * first)
                     .arg(first),
                 QStringLiteral("%1 + %2 = %3, so the %4 is %3 &minus; %1 = %5.")
                     .arg(first)
                     .arg(pick.at(1).first)
                     .arg(first + second)
                     .arg(pick.at(1).second)
                     .arg(second)};
    return q;
}

} // namespace

QList<Generator> RatioKinds()
{
    return {BeadRatio,     ShadedRatio,       ShadedRatio, Recipe,  Share,       UnitPrice,
            MapScale,      RatioOfTotal,      ForEvery,    Squash,  RecipeTable, BestBuy,
            RatioFraction, ShareByDifference, SteadyRate,  Enlarge, MapDistance, ScaleModel};
}

QList<Generator> AlgebraKinds()
{
    return {NextTerms,       SequenceRule, Formula,      MissingNumber, Sticks,
            Sticks,          Expression,   MissingTerm,  PositionRule,  Substitute,
            FunctionMachine, InSequence,   GrowingSteps, Doubling,      PerimeterExpression,
            TablesInARow,    SymbolPuzzle};
}

} // namespace orlavine::pack
