// Factors, multiples, primes, squares and cubes.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>

namespace orlavine::pack
{

namespace
{

const QString kTimes = QStringLiteral(" &times; ");
const QString kBox = QStringLiteral("&#9633;");

bool IsPrime(int n)
{
    if (n < 2)
        return false;
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0)
            return false;
    }
    return true;
}

QList<int> FactorList(int n)
{
    QList<int> list;
    for (int d = 1; d <= n; ++d) {
        if (n % d == 0)
            list.append(d);
    }
    return list;
}

QStringList Factors(int n, bool withEnds)
{
    QStringList list;
    for (int d : FactorList(n)) {
        if (withEnds || (d != 1 && d != n))
            list.append(QString::number(d));
    }
    return list;
}

/// "1 &times; 12, 2 &times; 6, 3 &times; 4": the factor pairs of n.
QString FactorPairs(int n)
{
    QStringList pairs;
    for (int d = 1; d * d <= n; ++d) {
        if (n % d == 0)
            pairs.append(QString::number(d) + kTimes + QString::number(n / d));
    }
    return pairs.join(QStringLiteral(", "));
}

QString JoinAnd(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

/// The first multiples of n up to and including `upTo`.
QString MultiplesUpTo(int n, int upTo)
{
    QStringList list;
    for (int m = n; m <= upTo; m += n)
        list.append(QString::number(m));
    return list.join(QStringLiteral(", "));
}

Question TwoFactors(Prng& rng)
{
    int n = rng.range(12, 99);
    while (Factors(n, false).size() < 4)
        n = rng.range(12, 99);
    const QStringList factors = Factors(n, false);
    const int asked = factors.size() >= 6 && rng.chance(40) ? 3 : 2;
    Question q = Make(
        Para(QStringLiteral("Write <b>%1</b> different factors of <b>%2</b>. Do not use 1 or %2.")
                 .arg(NumberWords(asked))
                 .arg(n)),
        {GroupPart(QString(), factors, asked)}, QLatin1String(kNoteGroup));
    q.working = {
        QStringLiteral("Find the pairs of numbers that multiply to make %1: %2.")
            .arg(n)
            .arg(FactorPairs(n)),
        QStringLiteral("Leaving out 1 and %1, the factors are %2.").arg(n).arg(JoinAnd(factors)),
        QStringLiteral("Any %1 of them are right, for example %2.")
            .arg(NumberWords(asked), JoinAnd(factors.mid(0, asked)))};
    return q;
}

Question PrimesBetween(Prng& rng)
{
    int from = 0;
    QStringList primes;
    while (primes.size() < 2 || primes.size() > 4) {
        from = rng.range(10, 90);
        primes.clear();
        for (int n = from + 1; n < from + 10; ++n) {
            if (IsPrime(n))
                primes.append(QString::number(n));
        }
    }
    Question q =
        Make(Para(QStringLiteral("There are %1 prime numbers between %2 and %3. Write them all.")
                      .arg(NumberWords(int(primes.size())))
                      .arg(from)
                      .arg(from + 10)),
             {GroupPart(QString(), primes, int(primes.size()))}, QLatin1String(kNoteGroup));
    QStringList composite;
    for (int n = from + 1; n < from + 10; ++n) {
        if (n % 2 != 0 && !IsPrime(n)) {
            int d = 3;
            while (n % d != 0)
                d += 2;
            composite.append(QStringLiteral("%1 = %2").arg(n).arg(QString::number(d) + kTimes +
                                                                  QString::number(n / d)));
        }
    }
    q.working = {
        QStringLiteral("A prime number has exactly two factors: 1 and itself. Even numbers "
                       "above 2 and numbers ending in 5 are not prime.")};
    if (!composite.isEmpty())
        q.working.append(QStringLiteral("Check the odd numbers left: %1 are not prime.")
                             .arg(composite.join(QStringLiteral(", "))));
    q.working.append(QStringLiteral("So the prime numbers between %1 and %2 are %3.")
                         .arg(from)
                         .arg(from + 10)
                         .arg(JoinAnd(primes)));
    return q;
}

Question CommonMultiples(Prng& rng)
{
    const int a = rng.range(2, 6);
    int b = rng.range(3, 9);
    if (b == a)
        ++b;
    const int lcm = a * b / Gcd(a, b);
    Question q = Make(
        Para(QStringLiteral("Write the first <b>three</b> common multiples of %1 and %2.")
                 .arg(a)
                 .arg(b)),
        {GroupPart(QString(),
                   {QString::number(lcm), QString::number(2 * lcm), QString::number(3 * lcm)}, 3)},
        QLatin1String(kNoteGroup));
    const int big = std::max(a, b), small = std::min(a, b);
    q.working = {QStringLiteral("Count in %1s: %2.").arg(big).arg(MultiplesUpTo(big, lcm)),
                 QStringLiteral("%1 is the first of these that is also a multiple of %2, so it is "
                                "the lowest common multiple.")
                     .arg(lcm)
                     .arg(small),
                 QStringLiteral("Every common multiple is a multiple of %1: %1, %2 and %3.")
                     .arg(lcm)
                     .arg(2 * lcm)
                     .arg(3 * lcm)};
    return q;
}

Question PrimeOrNot(Prng& rng)
{
    QList<Part> parts;
    QList<int> used;
    QStringList working;
    while (parts.size() < 4) {
        const int n = rng.range(2, 60);
        if (used.contains(n))
            continue;
        used.append(n);
        const bool prime = IsPrime(n);
        parts.append(TrueFalsePart(QStringLiteral("%1 is a prime number").arg(n), prime));
        int d = 2;
        while (!prime && n % d != 0)
            ++d;
        working.append(prime ? QStringLiteral("%1 has only the factors 1 and %1, so it is prime: "
                                              "true.")
                                   .arg(n)
                             : QStringLiteral("%1 = %2, so %1 is not prime: false.")
                                   .arg(n)
                                   .arg(QString::number(d) + kTimes + QString::number(n / d)));
    }
    Question q = Make(
        Para(QStringLiteral("Write <b>T</b> if the statement is true or <b>F</b> if it is false.")),
        parts);
    q.working = working;
    return q;
}

Question HcfLcm(Prng& rng)
{
    const int g = rng.range(2, 8);
    int p = rng.range(2, 7), q = rng.range(2, 7);
    while (Gcd(p, q) != 1 || p == q)
        q = q % 7 + 2;
    Question question =
        Make(Para(QStringLiteral("Look at the numbers %1 and %2.").arg(g * p).arg(g * q)),
             {NumberPart(QStringLiteral("What is their highest common factor?"), g),
              NumberPart(QStringLiteral("What is their lowest common multiple?"), g * p * q)});
    question.working = {
        QStringLiteral("%1 = %2 and %3 = %4.")
            .arg(g * p)
            .arg(QString::number(g) + kTimes + QString::number(p))
            .arg(g * q)
            .arg(QString::number(g) + kTimes + QString::number(q)),
        QStringLiteral("%1 and %2 have no common factor but 1, so the highest common factor is %3.")
            .arg(p)
            .arg(q)
            .arg(g),
        QStringLiteral("The lowest common multiple is %1 = %2.")
            .arg(QString::number(g * p) + kTimes + QString::number(q))
            .arg(g * p * q)};
    return question;
}

bool IsSquare(int n)
{
    int root = 0;
    while (root * root < n)
        ++root;
    return root * root == n;
}

int RootBelow(int n)
{
    int root = 0;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

Question SquareNumber(Prng& rng)
{
    const int k = rng.range(4, 12);
    QList<int> others;
    for (int n : {k * k + 1, k * k - 2, k * (k + 1), k * 10, 2 * k * k, k * k + k - 1}) {
        if (!IsSquare(n) && !others.contains(n))
            others.append(n);
    }
    rng.shuffle(others);
    others = others.mid(0, 3) << k * k;
    QList<Option> options;
    QStringList between;
    for (int n : others) {
        options.append({QString::number(n), IsSquare(n)});
        const int r = RootBelow(n);
        if (!IsSquare(n))
            between.append(QStringLiteral("%1 lies between %2 and %3")
                               .arg(n)
                               .arg(r * r)
                               .arg((r + 1) * (r + 1)));
    }
    Question q = ChoiceQuestion(Para(QStringLiteral("Which of these is a <b>square number</b>?")),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("A square number is a number multiplied by itself."),
                 QStringLiteral("%1, so %2 is a square number.")
                     .arg(QString::number(k) + kTimes + QString::number(k) + QStringLiteral(" = ") +
                          QString::number(k * k))
                     .arg(k * k),
                 QStringLiteral("The others are not: %1 (two square numbers next to each other).")
                     .arg(between.join(QStringLiteral("; ")))};
    return q;
}

Question SquaresAndCubes(Prng& rng)
{
    const int a = rng.range(6, 15);
    const int b = rng.range(2, 5);
    Question q = Make(Para(QStringLiteral("Work out")),
                      {NumberPart(QStringLiteral("%1<sup>2</sup>").arg(a), a * a),
                       NumberPart(QStringLiteral("%1<sup>3</sup>").arg(b), b * b * b)});
    q.working = {
        QStringLiteral("a) %1<sup>2</sup> = %2 = %3.")
            .arg(a)
            .arg(QString::number(a) + kTimes + QString::number(a))
            .arg(a * a),
        QStringLiteral("b) %1<sup>3</sup> = %2 = %3 = %4.")
            .arg(b)
            .arg(QString::number(b) + kTimes + QString::number(b) + kTimes + QString::number(b))
            .arg(QString::number(b * b) + kTimes + QString::number(b))
            .arg(b * b * b)};
    return q;
}

/// The sorting diagram of Venn() with each number written in its region ('A' to 'D').
Picture SortedVenn(const QString& left, const QString& right,
                   const QList<QPair<int, QChar>>& placed)
{
    Svg svg(400, 230);
    svg.rect(10, 10, 380, 210, "#ffffff", colour::kSlate, 2, 8);
    svg.circle({155, 125}, 80, "rgba(52,120,200,0.15)", colour::kBlue, 2.5);
    svg.circle({245, 125}, 80, "rgba(246,184,56,0.18)", colour::kAmberDark, 2.5);
    svg.text({130, 36}, left, 13, "middle", true, colour::kBlueDark);
    svg.text({275, 36}, right, 13, "middle", true, colour::kInk);
    const QList<QPointF> letters = {{115, 90}, {200, 90}, {285, 90}, {360, 205}};
    const QList<QPointF> firsts = {{115, 120}, {200, 120}, {285, 120}, {40, 205}};
    QList<int> counts(4, 0);
    QStringList alt;
    for (int r = 0; r < 4; ++r)
        svg.text(letters.at(r), QString(QChar('A' + r)), 14, "middle", true, colour::kSlate);
    for (const auto& [n, region] : placed) {
        const int r = region.unicode() - 'A';
        const QPointF at = firsts.at(r) + QPointF(0, (r == 3 ? -24 : 24) * counts[r]++);
        svg.text(at, QString::number(n), 16, "middle", true, colour::kBlueDark);
        alt.append(QStringLiteral("%1 in region %2").arg(n).arg(region));
    }
    return {svg.finish(),
            QStringLiteral("The sorting diagram with ") + alt.join(QStringLiteral(", "))};
}

Question SortVenn(Prng& rng)
{
    const int m = rng.pick(QList<int>{3, 4, 5});
    QList<Part> parts;
    QList<int> used;
    QList<QPair<int, QChar>> placed;
    QStringList working = {QStringLiteral("Region B is the overlap: even numbers that are also "
                                          "multiples of %1. D is outside both circles.")
                               .arg(m)};
    while (parts.size() < 3) {
        const int n = rng.range(5, 40);
        if (used.contains(n))
            continue;
        used.append(n);
        const bool even = n % 2 == 0;
        const bool multiple = n % m == 0;
        const QString region = even ? (multiple ? "B" : "A") : (multiple ? "C" : "D");
        parts.append(WordPart(QStringLiteral("In which region does <b>%1</b> go?").arg(n), region));
        placed.append({n, region.at(0)});
        working.append(
            QStringLiteral("%1) %2 is %3 and %4 a multiple of %5, so it goes in region %6.")
                .arg(QLatin1Char(char('a' + parts.size() - 1)))
                .arg(n)
                .arg(even ? QStringLiteral("even") : QStringLiteral("odd"))
                .arg(multiple ? QStringLiteral("is") : QStringLiteral("is not"))
                .arg(m)
                .arg(region));
    }
    Question q = Make(
        Para(QStringLiteral("The diagram sorts numbers. Write the letter of the region.")), parts);
    q.pictures = {Venn(QStringLiteral("Even numbers"), QStringLiteral("Multiples of %1").arg(m))};
    q.working = working;
    q.workingPictures = {SortedVenn(QStringLiteral("Even numbers"),
                                    QStringLiteral("Multiples of %1").arg(m), placed)};
    return q;
}

Question FactorCount(Prng& rng)
{
    const int n = rng.range(12, 99);
    const QList<int> factors = FactorList(n);
    Question q = Make(Para(QStringLiteral("How many factors does <b>%1</b> have?").arg(n)),
                      {NumberPart(QString(), factors.size(), 2)});
    q.working = {QStringLiteral("Find the factor pairs of %1, starting from 1: %2.")
                     .arg(n)
                     .arg(FactorPairs(n)),
                 QStringLiteral("The factors are %1.").arg(JoinAnd(Factors(n, true))),
                 QStringLiteral("So %1 has %2 factors.").arg(n).arg(factors.size())};
    return q;
}

Question PrimeFactors(Prng& rng)
{
    static const QList<int> primes = {2, 3, 5, 7, 11};
    QList<int> chosen;
    int n = 1;
    while (chosen.size() < 2 || n > 200 || n < 20) {
        chosen.clear();
        n = 1;
        const int count = rng.range(2, 3);
        while (chosen.size() < count) {
            const int p = rng.pick(primes);
            if (!chosen.contains(p))
                chosen.append(p);
        }
        for (int p : chosen)
            n *= p * (rng.chance(40) ? p : 1);
    }
    std::sort(chosen.begin(), chosen.end());
    QStringList steps, factors, distinct;
    int rest = n;
    for (int p : chosen) {
        distinct.append(QString::number(p));
        while (rest % p == 0) {
            steps.append(QStringLiteral("%1 &divide; %2 = %3").arg(rest).arg(p).arg(rest / p));
            factors.append(QString::number(p));
            rest /= p;
        }
    }
    Question q =
        Make(Para(QStringLiteral("Write all the <b>prime</b> factors of <b>%1</b>. "
                                 "Write each one once.")
                      .arg(n)),
             {GroupPart(QString(), distinct, int(distinct.size()))}, QLatin1String(kNoteGroup));
    q.working = {QStringLiteral("Divide by prime numbers, smallest first, until you reach 1: %1.")
                     .arg(steps.join(QStringLiteral(", "))),
                 QStringLiteral("So %1 = %2.").arg(n).arg(factors.join(kTimes)),
                 QStringLiteral("The prime factors of %1 are %2.").arg(n).arg(JoinAnd(distinct))};
    return q;
}

Question CommonMultipleChoice(Prng& rng)
{
    int a = rng.range(2, 9), b = rng.range(2, 9);
    while (b == a || a % b == 0 || b % a == 0 || a * b / Gcd(a, b) > 45)
        b = rng.range(2, 9), a = rng.range(2, 9);
    const int lcm = a * b / Gcd(a, b);
    const int right = lcm * rng.range(1, 2);
    QList<int> values = {right};
    const auto add = [&](int v) {
        if (v > 0 && !values.contains(v))
            values.append(v);
    };
    add(a * rng.range(2, 12)); // most of these are multiples of a only
    add(b * rng.range(2, 12));
    add(right + a);
    add(right - b);
    add(right + 1);
    add(right + a * b);
    QList<Option> options;
    QStringList checks;
    for (int v : values) {
        const bool both = v % a == 0 && v % b == 0;
        if (options.size() < 4 && (!both || v == right)) {
            options.append({QString::number(v), both});
            if (v != right)
                checks.append(
                    QStringLiteral("%1 is not a multiple of %2").arg(v).arg(v % a != 0 ? a : b));
        }
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which number is a multiple of <b>both</b> %1 and %2?").arg(a).arg(b)),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("%1 = %2 and %1 = %3, so %1 is a multiple of both.")
                     .arg(right)
                     .arg(QString::number(a) + kTimes + QString::number(right / a))
                     .arg(QString::number(b) + kTimes + QString::number(right / b)),
                 QStringLiteral("Check the others: %1.").arg(checks.join(QStringLiteral("; "))),
                 QStringLiteral("So the answer is %1.").arg(right)};
    return q;
}

Question NotAFactor(Prng& rng)
{
    const int n =
        rng.pick(QList<int>{24, 30, 36, 40, 42, 48, 54, 56, 60, 63, 64, 70, 72, 80, 84, 90, 96});
    QStringList factors = Factors(n, false);
    rng.shuffle(factors);
    int odd = rng.range(3, n / 2);
    while (n % odd == 0)
        odd = rng.range(3, n / 2);
    QList<Option> options = {{QString::number(odd), n % odd != 0}};
    QStringList checks;
    for (int i = 0; i < 3; ++i) {
        const int f = factors.at(i).toInt();
        options.append({factors.at(i), n % f != 0});
        checks.append(QString::number(f) + kTimes + QString::number(n / f) + QStringLiteral(" = ") +
                      QString::number(n));
    }
    Question q =
        ChoiceQuestion(Para(QStringLiteral("Which of these is <b>not</b> a factor of %1?").arg(n)),
                       UniqueChoice(rng, options));
    q.working = {QStringLiteral("A factor divides %1 exactly: %2.")
                     .arg(n)
                     .arg(checks.join(QStringLiteral(", "))),
                 QStringLiteral("%1 &divide; %2 = %3 remainder %4.")
                     .arg(n)
                     .arg(odd)
                     .arg(n / odd)
                     .arg(n % odd),
                 QStringLiteral("So %1 is not a factor of %2.").arg(odd).arg(n)};
    return q;
}

Question HcfStory(Prng& rng)
{
    struct Story {
        const char* setUp; // %1 name, %2 and %3 the amounts
        const char* group;
        Unit unit;
    };
    static const QList<Story> stories = {
        {"%1 has %2 red roses and %3 white roses. %1 makes identical bunches using all of them, "
         "with no flowers left over. What is the greatest number of bunches %1 can make?",
         "bunches",
         {"bunches", {"bunches", "bunch"}}},
        {"%1 has %2 pencils and %3 rubbers. %1 puts them all into identical packs, with nothing "
         "left over. What is the greatest number of packs %1 can make?",
         "packs",
         {"packs", {"packs", "pack"}}},
        {"A club has %2 boys and %3 girls. %1 splits them into teams, each with the same number "
         "of boys and the same number of girls. What is the greatest number of teams?",
         "teams",
         {"teams", {"teams", "team"}}},
        {"%1 has %2 biscuits and %3 cakes. %1 shares them all out equally onto plates, with "
         "none left over. What is the greatest number of plates %1 can use?",
         "plates",
         {"plates", {"plates", "plate"}}}};
    const Story& story = rng.pick(stories);
    const int g = rng.range(3, 12);
    int p = rng.range(2, 6), r = rng.range(2, 7);
    while (Gcd(p, r) != 1 || p == r)
        r = rng.range(2, 7);
    const int a = g * p, b = g * r;
    Question q = Make(Para(QString::fromLatin1(story.setUp).arg(Name(rng)).arg(a).arg(b)),
                      {MeasurePart(QString(), g, 0, story.unit, 2)});
    q.working = {QStringLiteral("The number of %1 must be a factor of both %2 and %3.")
                     .arg(QLatin1String(story.group))
                     .arg(a)
                     .arg(b),
                 QStringLiteral("Factors of %1: %2.").arg(a).arg(JoinAnd(Factors(a, true))),
                 QStringLiteral("Factors of %1: %2.").arg(b).arg(JoinAnd(Factors(b, true))),
                 QStringLiteral("The highest common factor is %1, so the greatest number of %2 is "
                                "%1.")
                     .arg(g)
                     .arg(QLatin1String(story.group))};
    return q;
}

Question LcmStory(Prng& rng)
{
    int a = rng.range(3, 15), b = rng.range(4, 20);
    while (a == b || a % b == 0 || b % a == 0 || a * b / Gcd(a, b) > 120)
        a = rng.range(3, 15), b = rng.range(4, 20);
    const int lcm = a * b / Gcd(a, b);
    const int kind = rng.range(0, 2);
    const Unit& unit = kind == 0 ? units::kSeconds : units::kMinutes;
    const QString first = Name(rng);
    QString second = Name(rng);
    while (second == first)
        second = Name(rng);
    const QString stem =
        kind == 0   ? QStringLiteral("A red light flashes every %1 seconds and a green light every "
                                       "%2 seconds. They have just flashed together. After how many "
                                       "seconds will they next flash together?")
        : kind == 1 ? QStringLiteral("One bus leaves the station every %1 minutes and another "
                                     "every %2 minutes. Both have just left. After how many "
                                     "minutes will they next leave together?")
                    : QStringLiteral("%1 swims a length every %2 minutes and %3 every %4 minutes. "
                                     "They start together. After how many minutes are they next "
                                     "both at the start together?")
                          .arg(first, QStringLiteral("%1"), second, QStringLiteral("%2"));
    Question q = Make(Para(stem.arg(a).arg(b)), {MeasurePart(QString(), lcm, 0, unit, 2)});
    q.working = {QStringLiteral("The time must be a multiple of both %1 and %2.").arg(a).arg(b),
                 QStringLiteral("Multiples of %1: %2.").arg(b).arg(MultiplesUpTo(b, lcm)),
                 QStringLiteral("The first of these that %1 divides is %2: the lowest common "
                                "multiple.")
                     .arg(a)
                     .arg(lcm),
                 QStringLiteral("So they are next together after %1 %2.").arg(lcm).arg(unit.shown)};
    return q;
}

Question MissingFactorPairs(Prng& rng)
{
    const int n = rng.pick(QList<int>{24, 30, 36, 40, 42, 48, 54, 56, 60, 64,
                                      66, 70, 72, 78, 80, 84, 88, 90, 96, 100});
    QList<int> small;
    for (int d = 2; d * d < n; ++d) {
        if (n % d == 0)
            small.append(d);
    }
    rng.shuffle(small);
    small = small.mid(0, 3);
    std::sort(small.begin(), small.end());
    QList<Part> parts;
    QStringList working = {
        QStringLiteral("Each missing number is %1 divided by the number shown.").arg(n)};
    for (int f : small) {
        parts.append(
            NumberPart(QStringLiteral("%1 &times; %2 = %3").arg(f).arg(kBox).arg(n), n / f));
        working.append(QStringLiteral("%1) %2 &divide; %3 = %4, so %3 &times; %4 = %2.")
                           .arg(QLatin1Char(char('a' + parts.size() - 1)))
                           .arg(n)
                           .arg(f)
                           .arg(n / f));
    }
    Question q =
        Make(Para(QStringLiteral("Complete the factor pairs of <b>%1</b>.").arg(n)), parts);
    q.working = working;
    return q;
}

Question Roots(Prng& rng)
{
    const int k = rng.range(4, 15);
    const int c = rng.range(2, 6);
    Question q = Make(
        Para(QStringLiteral("Find the missing numbers.")),
        {NumberPart(QStringLiteral("%1 &times; %1 = %2").arg(kBox).arg(k * k), k),
         NumberPart(QStringLiteral("%1 &times; %1 &times; %1 = %2").arg(kBox).arg(c * c * c), c)});
    q.working = {
        QStringLiteral("a) %1 is a square number: %2 = %1, so the number is %3.")
            .arg(k * k)
            .arg(QString::number(k) + kTimes + QString::number(k))
            .arg(k),
        QStringLiteral("b) %1 is a cube number: %2 = %1, so the number is %3.")
            .arg(c * c * c)
            .arg(QString::number(c) + kTimes + QString::number(c) + kTimes + QString::number(c))
            .arg(c)};
    return q;
}

bool IsCube(int n)
{
    int root = 1;
    while (root * root * root < n)
        ++root;
    return root * root * root == n;
}

Question CubeNumber(Prng& rng)
{
    const int k = rng.range(2, 6);
    const int cube = k * k * k;
    QList<int> others;
    for (int n : {cube + 1, cube - 1, k * k, 3 * k, (k + 1) * (k + 1), cube + k, 2 * cube,
                  (k + 2) * (k + 2)}) {
        if (n > 1 && !IsCube(n) && !others.contains(n))
            others.append(n);
    }
    rng.shuffle(others);
    QList<Option> options = {{QString::number(cube), true}};
    QStringList between;
    for (int n : others.mid(0, 3)) {
        options.append({QString::number(n), IsCube(n)});
        int r = 1;
        while ((r + 1) * (r + 1) * (r + 1) <= n)
            ++r;
        between.append(QStringLiteral("%1 lies between %2 and %3")
                           .arg(n)
                           .arg(r * r * r)
                           .arg((r + 1) * (r + 1) * (r + 1)));
    }
    Question q = ChoiceQuestion(Para(QStringLiteral("Which of these is a <b>cube number</b>?")),
                                UniqueChoice(rng, options));
    q.working = {
        QStringLiteral("A cube number is a number multiplied by itself and by itself again."),
        QStringLiteral("%1 = %2, so %2 is a cube number.")
            .arg(QString::number(k) + kTimes + QString::number(k) + kTimes + QString::number(k))
            .arg(cube),
        QStringLiteral("The others are not: %1 (two cube numbers next to each other).")
            .arg(between.join(QStringLiteral("; ")))};
    return q;
}

Question NextPrime(Prng& rng)
{
    const int n = rng.range(8, 95);
    int p = n + 1;
    while (!IsPrime(p))
        ++p;
    QStringList checks;
    for (int m = n + 1; m < p; ++m) {
        int d = 2;
        while (m % d != 0)
            ++d;
        checks.append(QStringLiteral("%1 = %2").arg(m).arg(QString::number(d) + kTimes +
                                                           QString::number(m / d)));
    }
    Question q = Make(Para(QStringLiteral("What is the first prime number after %1?").arg(n)),
                      {NumberPart(QString(), p)});
    q.working = {
        QStringLiteral("Check the numbers after %1 in turn: a prime has no factors but 1 and "
                       "itself.")
            .arg(n)};
    if (!checks.isEmpty())
        q.working.append(QStringLiteral("%1: not prime.").arg(checks.join(QStringLiteral(", "))));
    q.working.append(QStringLiteral("%1 has no factor from 2 up to its square root, so the first "
                                    "prime after %2 is %1.")
                         .arg(p)
                         .arg(n));
    return q;
}

} // namespace

QList<Generator> FactorKinds()
{
    return {TwoFactors, PrimesBetween, CommonMultiples, PrimeOrNot,
            HcfLcm,     SquareNumber,  SquaresAndCubes, SortVenn,
            SortVenn,   FactorCount,   PrimeFactors,    CommonMultipleChoice,
            NotAFactor, HcfStory,      LcmStory,        MissingFactorPairs,
            Roots,      CubeNumber,    NextPrime};
}

} // namespace orlavine::pack
