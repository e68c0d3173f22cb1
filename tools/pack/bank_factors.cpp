// Factors, multiples, primes, squares and cubes.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

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

QStringList Factors(int n, bool withEnds)
{
    QStringList list;
    for (int d = withEnds ? 1 : 2; d <= (withEnds ? n : n - 1); ++d) {
        if (n % d == 0)
            list.append(QString::number(d));
    }
    return list;
}

Question TwoFactors(Prng& rng)
{
    const int n = rng.pick(QList<int>{12, 18, 20, 24, 28, 30, 36, 40, 42, 45, 48});
    return Make(
        Para(QStringLiteral("Write <b>two</b> different factors of <b>%1</b>. Do not use 1 or %1.")
                 .arg(n)),
        {GroupPart(QString(), Factors(n, false), 2)}, QLatin1String(kNoteGroup));
}

Question PrimesBetween(Prng& rng)
{
    const int from = rng.pick(QList<int>{10, 20, 30, 40, 50, 60, 70});
    QStringList primes;
    for (int n = from; n <= from + 10; ++n) {
        if (IsPrime(n))
            primes.append(QString::number(n));
    }
    return Make(Para(QStringLiteral("There are %1 prime numbers between %2 and %3. Write them all.")
                         .arg(NumberWords(int(primes.size())))
                         .arg(from)
                         .arg(from + 10)),
                {GroupPart(QString(), primes, int(primes.size()))}, QLatin1String(kNoteGroup));
}

Question CommonMultiples(Prng& rng)
{
    const int a = rng.range(2, 6);
    int b = rng.range(3, 9);
    if (b == a)
        ++b;
    const int lcm = a * b / Gcd(a, b);
    return Make(
        Para(QStringLiteral("Write the first <b>three</b> common multiples of %1 and %2.")
                 .arg(a)
                 .arg(b)),
        {GroupPart(QString(),
                   {QString::number(lcm), QString::number(2 * lcm), QString::number(3 * lcm)}, 3)},
        QLatin1String(kNoteGroup));
}

Question PrimeOrNot(Prng& rng)
{
    QList<Part> parts;
    QList<int> used;
    while (parts.size() < 4) {
        const int n = rng.range(2, 60);
        if (used.contains(n))
            continue;
        used.append(n);
        parts.append(TrueFalsePart(QStringLiteral("%1 is a prime number").arg(n), IsPrime(n)));
    }
    return Make(
        Para(QStringLiteral("Write <b>T</b> if the statement is true or <b>F</b> if it is false.")),
        parts);
}

Question HcfLcm(Prng& rng)
{
    const int g = rng.range(2, 8);
    int p = rng.range(2, 7), q = rng.range(2, 7);
    while (Gcd(p, q) != 1 || p == q)
        q = q % 7 + 2;
    return Make(Para(QStringLiteral("Look at the numbers %1 and %2.").arg(g * p).arg(g * q)),
                {NumberPart(QStringLiteral("What is their highest common factor?"), g),
                 NumberPart(QStringLiteral("What is their lowest common multiple?"), g * p * q)});
}

bool IsSquare(int n)
{
    int root = 0;
    while (root * root < n)
        ++root;
    return root * root == n;
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
    for (int n : others)
        options.append({QString::number(n), IsSquare(n)});
    return ChoiceQuestion(Para(QStringLiteral("Which of these is a <b>square number</b>?")),
                          UniqueChoice(rng, options));
}

Question SquaresAndCubes(Prng& rng)
{
    const int a = rng.range(6, 15);
    const int b = rng.range(2, 5);
    return Make(Para(QStringLiteral("Work out")),
                {NumberPart(QStringLiteral("%1<sup>2</sup>").arg(a), a * a),
                 NumberPart(QStringLiteral("%1<sup>3</sup>").arg(b), b * b * b)});
}

Question SortVenn(Prng& rng)
{
    const int m = rng.pick(QList<int>{3, 4, 5});
    QList<Part> parts;
    QList<int> used;
    while (parts.size() < 3) {
        const int n = rng.range(5, 40);
        if (used.contains(n))
            continue;
        used.append(n);
        const bool even = n % 2 == 0;
        const bool multiple = n % m == 0;
        const QString region = even ? (multiple ? "B" : "A") : (multiple ? "C" : "D");
        parts.append(WordPart(QStringLiteral("In which region does <b>%1</b> go?").arg(n), region));
    }
    Question q = Make(
        Para(QStringLiteral("The diagram sorts numbers. Write the letter of the region.")), parts);
    q.pictures = {Venn(QStringLiteral("Even numbers"), QStringLiteral("Multiples of %1").arg(m))};
    return q;
}

} // namespace

QList<Generator> FactorKinds()
{
    return {TwoFactors,   PrimesBetween,   CommonMultiples, PrimeOrNot, HcfLcm,
            SquareNumber, SquaresAndCubes, SortVenn,        SortVenn};
}

} // namespace orlavine::pack
