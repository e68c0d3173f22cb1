// Order of operations: brackets, powers and the order of a calculation.
#include "banks.h"

#include "answerforms.h"
#include "numbertext.h"

#include <algorithm>
#include <functional>

#include <QSet>
#include <stdexcept>

namespace orlavine::pack {

namespace {

const QString kTimes = QStringLiteral("&times;");
const QString kDivide = QStringLiteral("&divide;");
const QString kMinus = QStringLiteral("&minus;");

/// A calculation written in plain characters ("3+4*(5-2)^2", r for a square root), read
/// the way a pupil must read it: brackets, then powers and roots, then times and divide,
/// then add and subtract, each from left to right. It shows itself as HTML and works
/// itself out one stage at a time.
class Calc {
public:
    explicit Calc(const QString& text) : m_text(text)
    {
        m_root = sum();
        if (m_at != m_text.size())
            throw std::logic_error("a calculation that does not read: " + text.toStdString());
    }

    /// Whether every stage comes out a whole number, none below zero.
    bool fine() const
    {
        long long v = 0;
        return evaluate(m_nodes, m_root, v);
    }
    long long value() const
    {
        long long v = 0;
        if (!evaluate(m_nodes, m_root, v))
            throw std::logic_error("a calculation that is not whole: " + m_text.toStdString());
        return v;
    }
    QString html() const { return html(m_nodes, m_root); }

    /// The calculation done one stage at a time: every operation ready to be done at the
    /// highest level at once, each stage a line "what is done: before = after".
    QStringList steps() const
    {
        QStringList lines;
        QString before = html();
        for (const auto& [what, after] : stages()) {
            lines.append(QStringLiteral("%1: %2 = %3").arg(what, before, after));
            before = after;
        }
        return lines;
    }

    /// The stages on one line: "2 + 3 &times; 4 = 2 + 12 = 14".
    QString chain() const
    {
        QString line = html();
        for (const auto& stage : stages())
            line += QStringLiteral(" = ") + stage.second;
        return line;
    }

    /// The operation done first, as HTML ("4 &minus; 1"), without its brackets.
    QString firstStep() const
    {
        Node first = m_nodes.at(readyFirst(m_nodes).first());
        first.bracket = false;
        QList<Node> nodes = m_nodes;
        nodes.append(first);
        return html(nodes, int(nodes.size()) - 1);
    }

private:
    struct Node {
        char op = 0; // 0 for a number, + - * / ^ (a power) r (a square root)
        long long value = 0; // the number, or the power
        int left = -1, right = -1;
        bool bracket = false;
    };

    static int Level(char op)
    {
        return op == '^' || op == 'r' ? 3 : op == '*' || op == '/' ? 2 : 1;
    }

    /// What each stage does and the calculation after it.
    QList<QPair<QString, QString>> stages() const
    {
        QList<Node> nodes = m_nodes;
        QList<QPair<QString, QString>> done;
        while (nodes.at(m_root).op != 0) {
            const QList<int> ready = readyFirst(nodes);
            const Node& first = nodes.at(ready.first());
            const QString what = depth(nodes, ready.first()) > 0 ? QStringLiteral("Brackets first")
                                 : Level(first.op) == 3      ? QStringLiteral("Powers and roots")
                                 : Level(first.op) == 2 ? QStringLiteral("Multiply and divide")
                                                        : QStringLiteral("Add and subtract");
            for (int i : ready) {
                long long v = 0;
                if (!evaluate(nodes, i, v))
                    throw std::logic_error("a calculation that is not whole");
                nodes[i] = Node{0, v, -1, -1, false};
            }
            done.append({what, html(nodes, m_root)});
        }
        return done;
    }

    int depth(const QList<Node>& nodes, int target) const
    {
        // Brackets round the node or round any node above it.
        std::function<int(int, int)> walk = [&](int at, int level) -> int {
            if (at < 0)
                return -1;
            const int here = level + (nodes.at(at).bracket ? 1 : 0);
            if (at == target)
                return here;
            const int left = walk(nodes.at(at).left, here);
            return left >= 0 ? left : walk(nodes.at(at).right, here);
        };
        return walk(m_root, 0);
    }

    /// The operations whose numbers are ready, of the highest level among them.
    QList<int> readyFirst(const QList<Node>& nodes) const
    {
        QList<int> ready;
        int best = -1;
        for (int i = 0; i < nodes.size(); ++i) {
            const Node& n = nodes.at(i);
            if (n.op == 0 || !reachable(nodes, i) || nodes.at(n.left).op != 0 ||
                (n.right >= 0 && nodes.at(n.right).op != 0))
                continue;
            const int level = depth(nodes, i) * 10 + Level(n.op);
            if (level > best)
                ready.clear();
            if (level >= best) {
                best = level;
                ready.append(i);
            }
        }
        return ready;
    }

    bool reachable(const QList<Node>& nodes, int target) const { return depth(nodes, target) >= 0; }

    static bool evaluate(const QList<Node>& nodes, int at, long long& out)
    {
        const Node& n = nodes.at(at);
        if (n.op == 0) {
            out = n.value;
            return true;
        }
        long long a = 0, b = 0;
        if (!evaluate(nodes, n.left, a) || (n.right >= 0 && !evaluate(nodes, n.right, b)))
            return false;
        switch (n.op) {
        case '+': out = a + b; break;
        case '-': out = a - b; break;
        case '*': out = a * b; break;
        case '/':
            if (b == 0 || a % b != 0)
                return false;
            out = a / b;
            break;
        case '^':
            out = 1;
            for (int i = 0; i < n.value; ++i)
                out *= a;
            break;
        default: { // r
            long long root = 0;
            while ((root + 1) * (root + 1) <= a)
                ++root;
            if (root * root != a)
                return false;
            out = root;
        }
        }
        return out >= 0;
    }

    static QString html(const QList<Node>& nodes, int at)
    {
        const Node& n = nodes.at(at);
        QString text;
        switch (n.op) {
        case 0: text = QString::number(n.value); break;
        case '^': text = html(nodes, n.left) + QStringLiteral("<sup>%1</sup>").arg(n.value); break;
        case 'r': text = QStringLiteral("&radic;") + html(nodes, n.left); break;
        default:
            text = html(nodes, n.left) + QLatin1Char(' ') +
                   (n.op == '+'   ? QStringLiteral("+")
                    : n.op == '-' ? kMinus
                    : n.op == '*' ? kTimes
                                  : kDivide) +
                   QLatin1Char(' ') + html(nodes, n.right);
        }
        return n.bracket ? QLatin1Char('(') + text + QLatin1Char(')') : text;
    }

    QChar peek() const { return m_at < m_text.size() ? m_text.at(m_at) : QChar(); }

    int add(const Node& node)
    {
        m_nodes.append(node);
        return int(m_nodes.size()) - 1;
    }

    int sum()
    {
        int left = product();
        while (peek() == QLatin1Char('+') || peek() == QLatin1Char('-')) {
            const char op = m_text.at(m_at++).toLatin1();
            left = add(Node{op, 0, left, product(), false});
        }
        return left;
    }

    int product()
    {
        int left = power();
        while (peek() == QLatin1Char('*') || peek() == QLatin1Char('/')) {
            const char op = m_text.at(m_at++).toLatin1();
            left = add(Node{op, 0, left, power(), false});
        }
        return left;
    }

    int power()
    {
        const int base = atom();
        if (peek() != QLatin1Char('^'))
            return base;
        ++m_at;
        return add(Node{'^', m_text.at(m_at++).digitValue(), base, -1, false});
    }

    int atom()
    {
        if (peek() == QLatin1Char('r')) {
            ++m_at;
            return add(Node{'r', 0, atom(), -1, false});
        }
        if (peek() == QLatin1Char('(')) {
            ++m_at;
            const int inner = sum();
            if (peek() != QLatin1Char(')'))
                throw std::logic_error("a bracket left open: " + m_text.toStdString());
            ++m_at;
            m_nodes[inner].bracket = true;
            return inner;
        }
        const int start = m_at;
        while (peek().isDigit())
            ++m_at;
        if (m_at == start)
            throw std::logic_error("a calculation that does not read: " + m_text.toStdString());
        return add(Node{0, m_text.mid(start, m_at - start).toLongLong(), -1, -1, false});
    }

    QString m_text;
    QList<Node> m_nodes;
    int m_root = 0;
    int m_at = 0;
};

QString Html(const QString& text)
{
    return Calc(text).html();
}

/// The working of a calculation: its stages, then the answer.
QStringList Worked(const QString& text)
{
    const Calc calc(text);
    QStringList lines = calc.steps();
    lines.append(QStringLiteral("So %1 = <b>%2</b>.").arg(calc.html()).arg(calc.value()));
    return lines;
}

/// `pattern` with its %1, %2, ... filled by numbers drawn from `lo` to `hi` until the
/// calculation is fine (whole numbers, none below zero) and `accept` takes its value.
template <typename Accept>
QString Drawn(Prng& rng, const QString& pattern, int lo, int hi, Accept accept)
{
    int count = 0;
    while (pattern.contains(QStringLiteral("%%1").arg(count + 1)))
        ++count;
    for (;;) {
        QString text = pattern;
        for (int i = 0; i < count; ++i)
            text = text.arg(rng.range(lo, hi));
        const Calc calc(text);
        if (calc.fine() && accept(calc.value()))
            return text;
    }
}


Question OrderOfTwo(Prng& rng)
{
    static const QStringList patterns = {"%1+%2*%3", "%1-%2*%3", "%1*%2+%3", "%1+%2/%3",
                                         "%1*%2-%3*%4", "%1-%2/%3", "%1/%2+%3*%4"};
    const QString text = Drawn(rng, rng.pick(patterns), 2, 12,
                               [](long long v) { return v >= 1 && v <= 150; });
    Question q = Make(Para(QStringLiteral("Work out")) + Display(Html(text)),
                      {NumberPart(QString(), Calc(text).value())});
    q.working = QStringList{QStringLiteral("Multiply and divide before you add and subtract.")} +
                Worked(text);
    return q;
}

Question BracketsFirst(Prng& rng)
{
    static const QStringList patterns = {"(%1+%2)*%3", "%1*(%2-%3)", "(%1-%2)/%3",
                                         "%1/(%2+%3)", "(%1+%2)*(%3-%4)", "%1-(%2+%3)",
                                         "(%1+%2)/(%3-%4)"};
    const QString pattern = rng.pick(patterns);
    const QString text = Drawn(rng, pattern, pattern.contains('/') ? 1 : 2,
                               pattern.contains('/') ? 60 : 15,
                               [](long long v) { return v >= 1 && v <= 200; });
    Question q = Make(Para(QStringLiteral("Work out")) + Display(Html(text)),
                      {NumberPart(QString(), Calc(text).value())});
    q.working = Worked(text);
    return q;
}

Question WithAndWithoutBrackets(Prng& rng)
{
    const int a = rng.range(2, 12), b = rng.range(2, 12), c = rng.range(3, 9);
    const bool times = rng.chance(60);
    // a + b × c against (a + b) × c, or a × b + c against a × (b + c).
    const QString plain = times ? QStringLiteral("%1+%2*%3").arg(a).arg(b).arg(c)
                                : QStringLiteral("%1*%2+%3").arg(a).arg(b).arg(c);
    const QString bracketed = times ? QStringLiteral("(%1+%2)*%3").arg(a).arg(b).arg(c)
                                    : QStringLiteral("%1*(%2+%3)").arg(a).arg(b).arg(c);
    const long long first = Calc(plain).value(), second = Calc(bracketed).value();
    Question q = Make(Para(QStringLiteral("Work out")),
                      {NumberPart(Html(plain), first), NumberPart(Html(bracketed), second),
                       NumberPart(QStringLiteral("How much larger is the answer to (b) than the "
                                                 "answer to (a)?"),
                                  second - first)});
    q.working = Worked(plain) + Worked(bracketed);
    q.working.append(QStringLiteral("The difference: %1 %2 %3 = <b>%4</b>.")
                         .arg(second)
                         .arg(kMinus)
                         .arg(first)
                         .arg(second - first));
    return q;
}

Question SquaresAndCubes(Prng& rng)
{
    const int n = rng.range(2, 15);
    const int m = rng.range(2, 6);
    Question q = Make(Para(QStringLiteral("Work out")),
                      {NumberPart(QStringLiteral("%1<sup>2</sup>").arg(n), n * n),
                       NumberPart(QStringLiteral("%1<sup>3</sup>").arg(m), m * m * m)});
    q.working = {QStringLiteral("%1<sup>2</sup> means %1 %2 %1 = <b>%3</b>.")
                     .arg(n)
                     .arg(kTimes)
                     .arg(n * n),
                 QStringLiteral("%1<sup>3</sup> means %1 %2 %1 %2 %1 = %3 %2 %1 = <b>%4</b>.")
                     .arg(m)
                     .arg(kTimes)
                     .arg(m * m)
                     .arg(m * m * m)};
    return q;
}

Question RootsOfSquares(Prng& rng)
{
    const int n = rng.range(2, 15);
    QString text;
    do {
        const int a = rng.range(1, 12), b = rng.range(1, 12), k = rng.range(2, 9);
        switch (rng.range(0, 4)) {
        case 0: text = QStringLiteral("r%1+r%2").arg(a * a).arg(b * b); break;
        case 1: text = QStringLiteral("r%1*r%2").arg(a * a).arg(b * b); break;
        case 2: text = QStringLiteral("r%1-r%2").arg(a * a).arg(b * b); break;
        case 3: text = QStringLiteral("%1*r%2").arg(k).arg(a * a); break;
        default: text = QStringLiteral("r%1+%2^2").arg(a * a).arg(k);
        }
    } while (!Calc(text).fine() || text.contains(QStringLiteral("r%1").arg(n * n)));
    Question q = Make(Para(QStringLiteral("Work out")),
                      {NumberPart(QStringLiteral("&radic;%1").arg(n * n), n),
                       NumberPart(Html(text), Calc(text).value())});
    q.working = {QStringLiteral("&radic;%1 is the number that multiplied by itself gives %1: %2 "
                                "%3 %2 = %1, so &radic;%1 = <b>%2</b>.")
                     .arg(n * n)
                     .arg(n)
                     .arg(kTimes)};
    q.working += Worked(text);
    return q;
}

Question PowersInCalculation(Prng& rng)
{
    static const QStringList patterns = {"%1+%2*%3^2", "(%1+%2)^2-%3", "%1^2-%2^2", "%1*%2^2",
                                         "%1^3+%2*%3", "(%1-%2)^2+%3", "%1^2+%2^2-%3"};
    const QString text = Drawn(rng, rng.pick(patterns), 2, 9,
                               [](long long v) { return v >= 1 && v <= 400; });
    Question q = Make(Para(QStringLiteral("Work out")) + Display(Html(text)),
                      {NumberPart(QString(), Calc(text).value(), 2)});
    q.working = Worked(text);
    return q;
}

/// Options whose calculations are all fine, of which those with value `target` fit.
QList<Option> ByValue(const QStringList& texts, long long target)
{
    QList<Option> options;
    for (const QString& text : texts)
        options.append({Html(text), Calc(text).value() == target});
    return options;
}

int Fitting(const QList<Option>& options)
{
    return int(std::count_if(options.cbegin(), options.cend(),
                             [](const Option& o) { return o.fits; }));
}

/// A line of working for each option of `choice`, in the order the page shows them; `texts`
/// are the options' calculations.
QStringList EachOption(const Choice& choice, const QStringList& texts)
{
    QStringList lines;
    for (int i = 0; i < 4; ++i) {
        for (const QString& text : texts) {
            if (Html(text) == choice.options.at(i))
                lines.append(QStringLiteral("Option %1: %2").arg(i + 1).arg(Calc(text).chain()));
        }
    }
    return lines;
}

Question PlaceTheBrackets(Prng& rng)
{
    static const QStringList signs = {"+", "-", "*"};
    for (;;) {
        const int n[4] = {rng.range(2, 12), rng.range(2, 9), rng.range(2, 9), rng.range(1, 9)};
        const QString s[3] = {rng.pick(signs), rng.pick(signs), rng.pick(signs)};
        if (!(s[0] == "*" || s[1] == "*" || s[2] == "*"))
            continue; // brackets only matter round a sum next to a product
        const auto write = [&](int open, int close) {
            QString text;
            for (int i = 0; i < 4; ++i) {
                text += (i == open ? "(" : "") + QString::number(n[i]) + (i == close ? ")" : "");
                if (i < 3)
                    text += s[i];
            }
            return text;
        };
        QStringList placings = {write(0, 1), write(1, 2), write(2, 3), write(0, 2), write(1, 3)};
        rng.shuffle(placings);
        if (!std::all_of(placings.cbegin(), placings.cend(),
                         [](const QString& t) { return Calc(t).fine(); }))
            continue;
        const QString right = placings.first();
        const long long target = Calc(right).value();
        const Calc plain(write(-1, -1));
        if (!plain.fine() || plain.value() == target)
            continue; // the brackets must change the answer
        QStringList others;
        for (const QString& t : placings.mid(1)) {
            if (Calc(t).value() != target)
                others.append(t);
        }
        if (others.size() < 3)
            continue;
        const QStringList shown = QStringList{right} + others.mid(0, 3);
        const Choice choice = UniqueChoice(rng, ByValue(shown, target));
        Question q = ChoiceQuestion(
            Para(QStringLiteral("Where must the brackets go to make this true?")) +
                Display(QStringLiteral("%1 = %2").arg(Html(write(-1, -1))).arg(target)),
            choice);
        q.working = EachOption(choice, shown);
        q.working.append(QStringLiteral("Only option %1, <b>%2</b>, makes %3.")
                             .arg(choice.right + 1)
                             .arg(Html(right))
                             .arg(target));
        return q;
    }
}

Question LargestResult(Prng& rng)
{
    for (;;) {
        const int a = rng.range(2, 12), b = rng.range(2, 12), c = rng.range(2, 12);
        const bool largest = rng.chance(60);
        QStringList texts = {QStringLiteral("%1+%2*%3"), QStringLiteral("(%1+%2)*%3"),
                             QStringLiteral("%1*%2-%3"), QStringLiteral("%1*(%2-%3)"),
                             QStringLiteral("%1-%2+%3"), QStringLiteral("%1*%2+%3")};
        rng.shuffle(texts);
        texts = texts.mid(0, 4);
        for (QString& t : texts)
            t = t.arg(a).arg(b).arg(c);
        if (!std::all_of(texts.cbegin(), texts.cend(), [](const QString& t) { return Calc(t).fine(); }))
            continue;
        QList<long long> values;
        for (const QString& t : texts)
            values.append(Calc(t).value());
        const long long best = largest ? *std::max_element(values.cbegin(), values.cend())
                                       : *std::min_element(values.cbegin(), values.cend());
        if (values.count(best) != 1)
            continue;
        const Choice choice = UniqueChoice(rng, ByValue(texts, best));
        Question q = ChoiceQuestion(Para(QStringLiteral("Which calculation gives the <b>%1</b> "
                                                        "answer?")
                                             .arg(largest ? "largest" : "smallest")),
                                    choice);
        q.working = EachOption(choice, texts);
        q.working.append(QStringLiteral("The %1 answer is %2, from option %3: <b>%4</b>.")
                             .arg(largest ? "largest" : "smallest")
                             .arg(best)
                             .arg(choice.right + 1)
                             .arg(Html(texts.at(int(values.indexOf(best))))));
        return q;
    }
}

Question InverseMissing(Prng& rng)
{
    // An addition or subtraction and a multiplication or division, each with a number missing.
    const int a = rng.range(12, 99), b = rng.range(15, 240);
    const bool minus = rng.chance(50);
    const int c = rng.range(3, 9), d = rng.range(6, 45);
    const bool divide = rng.chance(50);
    const int first = minus ? b + a : b; // ? − a = b, or ? + a = b + a
    const int second = divide ? c * d : d; // ? ÷ c = d, or ? × c = c × d
    const QString box = QStringLiteral("<b>?</b>");
    Question q = Make(
        Para(QStringLiteral("Use the inverse operation to find each missing number.")),
        {NumberPart(minus ? QStringLiteral("%1 %2 %3 = %4").arg(box, kMinus).arg(a).arg(b)
                          : QStringLiteral("%1 + %2 = %3").arg(box).arg(a).arg(b + a),
                    first),
         NumberPart(divide ? QStringLiteral("%1 %2 %3 = %4").arg(box, kDivide).arg(c).arg(d)
                           : QStringLiteral("%1 %2 %3 = %4").arg(box, kTimes).arg(c).arg(c * d),
                    second)});
    q.working = {
        minus ? QStringLiteral("The inverse of subtracting %1 is adding %1: %2 + %1 = <b>%3</b>.")
                    .arg(a)
                    .arg(b)
                    .arg(first)
              : QStringLiteral("The inverse of adding %1 is subtracting %1: %2 %3 %1 = <b>%4</b>.")
                    .arg(a)
                    .arg(b + a)
                    .arg(kMinus)
                    .arg(first),
        divide ? QStringLiteral("The inverse of dividing by %1 is multiplying by %1: %2 %3 %1 = "
                                "<b>%4</b>.")
                     .arg(c)
                     .arg(d)
                     .arg(kTimes)
                     .arg(second)
               : QStringLiteral("The inverse of multiplying by %1 is dividing by %1: %2 %3 %1 = "
                                "<b>%4</b>.")
                     .arg(c)
                     .arg(c * d)
                     .arg(kDivide)
                     .arg(second)};
    return q;
}

Question CheckByInverse(Prng& rng)
{
    const QString who = Name(rng);
    const int x = rng.range(4, 9), y = rng.range(12, 95);
    // The sum worked, and calculations from its numbers: the one that undoes it gives back
    // the number the sum started from.
    struct Sum {
        QString text;
        long long start;
        QStringList tries;
    };
    const QList<Sum> sums = {
        {QStringLiteral("%1/%2").arg(x * y).arg(x), x * y,
         {QStringLiteral("%1*%2").arg(y).arg(x), QStringLiteral("%1+%2").arg(y).arg(x),
          QStringLiteral("%1*%2").arg(x * y).arg(x), QStringLiteral("%1-%2").arg(x * y).arg(y)}},
        {QStringLiteral("%1*%2").arg(y).arg(x), y,
         {QStringLiteral("%1/%2").arg(x * y).arg(x), QStringLiteral("%1*%2").arg(x * y).arg(x),
          QStringLiteral("%1-%2").arg(x * y).arg(x), QStringLiteral("%1+%2").arg(y).arg(x)}},
        {QStringLiteral("%1+%2").arg(y * 3).arg(y + x), y * 3,
         {QStringLiteral("%1-%2").arg(y * 4 + x).arg(y + x),
          QStringLiteral("%1+%2").arg(y * 4 + x).arg(y + x),
          QStringLiteral("%1-%2").arg(y * 3).arg(y + x), QStringLiteral("%1*%2").arg(y + x).arg(3)}},
        {QStringLiteral("%1-%2").arg(y * 3).arg(y + x), y * 3,
         {QStringLiteral("%1+%2").arg(2 * y - x).arg(y + x),
          QStringLiteral("%1-%2").arg(2 * y - x).arg(y + x),
          QStringLiteral("%1+%2").arg(y * 3).arg(y + x),
          QStringLiteral("%1*%2").arg(2 * y - x).arg(3)}}};
    const Sum& sum = rng.pick(sums);
    const Calc worked(sum.text);
    QList<Option> options;
    QString right;
    for (const QString& t : sum.tries) {
        const Calc c(t);
        options.append({c.html(), c.fine() && c.value() == sum.start});
        if (options.last().fits)
            right = c.html();
    }
    Question q = ChoiceQuestion(Para(QStringLiteral("%1 works out %2 = %3. Which calculation "
                                                    "checks the answer?")
                                         .arg(who, worked.html())
                                         .arg(worked.value())),
                                UniqueChoice(rng, options));
    q.working = {QStringLiteral("To check, start from the answer %1 and do the inverse "
                                "operation.")
                     .arg(worked.value()),
                 QStringLiteral("<b>%1</b> = %2, the number %3 started with, so it checks %4.")
                     .arg(right)
                     .arg(sum.start)
                     .arg(who, worked.html())};
    return q;
}

Question StoryCalculation(Prng& rng)
{
    struct Story {
        const char* text;     // %1 a name, %2 %3 %4 the numbers
        const char* question; // %1 a name
        const char* reason;   // %1 %2 %3 the numbers
        QStringList tries;    // the right calculation first
        bool money;
    };
    static const QList<Story> stories = {
        {"%1 buys %2 packs of %3 stickers and gives %4 stickers away.",
         "How many stickers does %1 have left?",
         "%1 packs of %2 is %1 %4 %2 stickers; then %3 are taken away.",
         {"%1*%2-%3", "%1*(%2-%3)", "%1+%2-%3", "(%1-%3)*%2"}, false},
        {"%1's school hall has %2 rows of %3 chairs, and %4 more chairs stand at the side.",
         "How many chairs are there?",
         "%1 rows of %2 is %1 %4 %2 chairs; then %3 more are added.",
         {"%1*%2+%3", "%1*(%2+%3)", "%1+%2*%3", "(%1+%2)*%3"}, false},
        {"%1 shares %2 packs of %3 biscuits equally between %4 children.",
         "How many biscuits does each child get?",
         "%1 packs of %2 is %1 %4 %2 biscuits; then they are shared between %3.",
         {"%1*%2/%3", "%1+%2/%3", "%1*%2*%3", "(%1+%2)/%3"}, false},
        {"%1 saves &pound;%2 a week for %3 weeks, then spends &pound;%4.",
         "How much money does %1 have left, in pounds?",
         "%2 weeks of &pound;%1 is %1 %4 %2 pounds; then %3 pounds are spent.",
         {"%1*%2-%3", "%1*(%2-%3)", "%1+%2-%3", "%1-%3*%2"}, true}};
    const Story& story = rng.pick(stories);
    const QString who = Name(rng);
    for (;;) {
        const int a = rng.range(3, 9), b = rng.range(4, 12), c = rng.range(2, 11);
        QStringList texts;
        for (const QString& t : story.tries)
            texts.append(QString(t).arg(a).arg(b).arg(c));
        const Calc right(texts.first());
        if (!right.fine())
            continue;
        QList<Option> options;
        for (const QString& t : texts) {
            const Calc calc(t);
            options.append({calc.html(), calc.fine() && calc.value() == right.value()});
        }
        if (Fitting(options) != 1)
            continue; // another calculation happens to give the same number
        QString asked = QString::fromLatin1(story.question);
        if (asked.contains(QLatin1String("%1")))
            asked = asked.arg(who);
        const Choice choice = UniqueChoice(rng, options);
        Question q = Make(
            Para(QString::fromLatin1(story.text).arg(who).arg(a).arg(b).arg(c)),
            {ChoicePart(asked + QStringLiteral(" Which calculation gives the answer?"),
                        choice.options, choice.right),
             story.money ? MeasurePart(QStringLiteral("Work out the answer."),
                                       right.value() * 100, 2, units::kPounds)
                         : NumberPart(QStringLiteral("Work out the answer."), right.value())},
            QStringLiteral("For (a), type the number of your answer, 1 to 4."));
        q.working = {QString::fromLatin1(story.reason).arg(a).arg(b).arg(c).arg(kTimes),
                     QStringLiteral("So the calculation is <b>%1</b>.").arg(right.html()),
                     right.chain() + (story.money ? QStringLiteral(", so &pound;%1.").arg(right.value())
                                                  : QStringLiteral("."))};
        return q;
    }
}

Question EstimateByRounding(Prng& rng)
{
    const bool up = rng.chance(50);
    const auto draw = [&] { return rng.range(1, 9) * 10 + (up ? rng.range(6, 9) : rng.range(1, 4)); };
    const int a = draw(), b = draw();
    const int ra = (a + 5) / 10 * 10, rb = (b + 5) / 10 * 10;
    const int estimate = ra * rb, exact = a * b;
    Question q = Make(
        Para(QStringLiteral("Round each number to the nearest ten to estimate")) +
            Display(QStringLiteral("%1 %2 %3").arg(a).arg(kTimes).arg(b)),
        {NumberPart(QStringLiteral("What is your estimate?"), estimate),
         AlternativesPart(QStringLiteral("Is the exact answer <b>more</b> or <b>less</b> than your "
                                         "estimate?"),
                          {up ? QStringLiteral("less") : QStringLiteral("more")}),
         NumberPart(QStringLiteral("Work out the exact answer."), exact)});
    const int tens = b / 10 * 10, ones = b % 10;
    q.working = {
        QStringLiteral("%1 rounds to %2 and %3 rounds to %4: %2 %5 %4 = <b>%6</b>.")
            .arg(a)
            .arg(ra)
            .arg(b)
            .arg(rb)
            .arg(kTimes)
            .arg(WithCommas(estimate)),
        QStringLiteral("Both numbers were rounded %1, so the estimate is too %2: the exact answer "
                       "is <b>%3</b>.")
            .arg(up ? "up" : "down", up ? "big" : "small", up ? "less" : "more"),
        QStringLiteral("%1 %2 %3 = %1 %2 %4 + %1 %2 %5 = %6 + %7 = <b>%8</b>")
            .arg(a)
            .arg(kTimes)
            .arg(b)
            .arg(tens)
            .arg(ones)
            .arg(WithCommas(a * tens))
            .arg(a * ones)
            .arg(WithCommas(exact))};
    return q;
}

Question MissingSign(Prng& rng)
{
    static const QList<QPair<QString, QString>> signs = {
        {"+", "+"}, {"-", "&minus;"}, {"*", "&times;"}, {"/", "&divide;"}};
    for (;;) {
        const int a = rng.range(2, 20), b = rng.range(2, 10), c = rng.range(2, 10);
        const auto& other = signs.at(rng.range(0, 2)); // the sign shown: +, - or *
        const bool first = rng.chance(50); // the missing sign first or second
        const auto write = [&](const QString& sign) {
            return first ? QStringLiteral("%1%2%3%4%5").arg(a).arg(sign).arg(b).arg(other.first).arg(c)
                         : QStringLiteral("%1%2%3%4%5").arg(a).arg(other.first).arg(b).arg(sign).arg(c);
        };
        const int right = rng.range(0, 3);
        const Calc target(write(signs.at(right).first));
        if (!target.fine() || target.value() == 0)
            continue;
        QList<Option> options;
        QStringList tried;
        for (const auto& [ascii, shown] : signs) {
            const Calc calc(write(ascii));
            options.append({shown, calc.fine() && calc.value() == target.value()});
            if (calc.fine())
                tried.append(QStringLiteral("%1 = %2").arg(calc.html()).arg(calc.value()));
        }
        if (Fitting(options) != 1)
            continue;
        const QString question =
            (first ? QStringLiteral("%1 <b>?</b> %2 %3 %4 = %5")
                   : QStringLiteral("%1 %3 %2 <b>?</b> %4 = %5"))
                .arg(a)
                .arg(b)
                .arg(other.second)
                .arg(c)
                .arg(target.value());
        Question q = ChoiceQuestion(Para(QStringLiteral("Which sign goes in the box to make this "
                                                        "true?")) +
                                        Display(question),
                                    UniqueChoice(rng, options));
        q.working = {QStringLiteral("Try each sign, doing %1 and %2 before + and %3: %4.")
                         .arg(kTimes, kDivide, kMinus, tried.join(QStringLiteral("; "))),
                     QStringLiteral("Only %1 gives %2, so the sign is <b>%3</b>.")
                         .arg(target.html())
                         .arg(target.value())
                         .arg(signs.at(right).second)};
        return q;
    }
}

Question TrueOrFalse(Prng& rng)
{
    // A calculation and the way it is often misread: left to right, or brackets ignored.
    static const QList<QPair<QString, QString>> pairs = {
        {"%1+%2*%3", "(%1+%2)*%3"}, {"%1-%2*%3", "(%1-%2)*%3"}, {"(%1+%2)*%3", "%1+%2*%3"},
        {"%1*(%2+%3)", "%1*%2+%3"}, {"%1+%2/%3", "(%1+%2)/%3"}, {"%1*%2^2+%3", "(%1*%2)^2+%3"},
        {"%1-(%2+%3)", "%1-%2+%3"}, {"%1^2+%2*%3", "(%1^2+%2)*%3"}};
    QList<Part> parts;
    QStringList working;
    while (parts.size() < 2) {
        const auto& [right, misread] = rng.pick(pairs);
        const int a = rng.range(2, 12), b = rng.range(2, 9), c = rng.range(2, 9);
        const Calc calc(QString(right).arg(a).arg(b).arg(c));
        const Calc wrong(QString(misread).arg(a).arg(b).arg(c));
        if (!calc.fine() || !wrong.fine() || calc.value() == wrong.value())
            continue;
        const bool isTrue = rng.chance(50);
        const long long said = isTrue ? calc.value() : wrong.value();
        parts.append(TrueFalsePart(QStringLiteral("%1 = %2").arg(calc.html()).arg(said), isTrue));
        working.append(QStringLiteral("%1, so &ldquo;%2 = %3&rdquo; is <b>%4</b>.")
                           .arg(calc.chain(), calc.html())
                           .arg(said)
                           .arg(isTrue ? "true" : "false"));
    }
    Question q = Make(Para(QStringLiteral("Is each statement true or false? Write T or F.")), parts);
    q.working = working;
    return q;
}

Question LongCalculation(Prng& rng)
{
    QStringList patterns = {"%1+%2*%3-%4", "%1*(%2+%3)-%4", "(%1+%2)/%3+%4", "%1^2-%2*%3",
                            "%1-%2+%3",    "%1/%2*%3",      "%1*%2/%3",      "%1-%2-%3",
                            "%1+%2^2/%3",  "(%1-%2)*(%3+%4)"};
    rng.shuffle(patterns);
    QList<Part> parts;
    QStringList working;
    for (int i = 0; i < 3; ++i) {
        const QString text = Drawn(rng, patterns.at(i), 2, 20,
                                   [](long long v) { return v >= 1 && v <= 400; });
        const Calc calc(text);
        parts.append(NumberPart(calc.html(), calc.value()));
        working.append(calc.chain());
    }
    Question q = Make(Para(QStringLiteral("Work out")), parts);
    q.working = QStringList{QStringLiteral("Brackets, then powers, then %1 and %2 from left to "
                                           "right, then + and %3 from left to right.")
                                .arg(kTimes, kDivide, kMinus)} +
                working;
    return q;
}

Question SquareSide(Prng& rng)
{
    static const QStringList shapes = {"A square tile", "A square photo", "A square table top",
                                       "A square card"};
    const bool garden = rng.chance(30);
    const int side = garden ? rng.range(4, 20) : rng.range(3, 15);
    const int edge = rng.range(2, 10);
    const Unit& unit = garden ? units::kM : units::kCm;
    const QString shape = garden ? QStringLiteral("A square garden") : rng.pick(shapes);
    Question q = Make(
        Para(QStringLiteral("%1 has an area of %2 %3.").arg(shape).arg(side * side).arg(
            garden ? units::kSquareM.shown : units::kSquareCm.shown)),
        {MeasurePart(QStringLiteral("How long is each side?"), side, 0, unit),
         MeasurePart(QStringLiteral("What is its perimeter?"), 4 * side, 0, unit),
         MeasurePart(QStringLiteral("A cube has edges %1 cm long. What is its volume?").arg(edge),
                     edge * edge * edge, 0, units::kCubicCm)});
    q.working = {QStringLiteral("The area is side %1 side, so the side is &radic;%2 = <b>%3 %4</b> "
                                "(%3 %1 %3 = %2).")
                     .arg(kTimes)
                     .arg(side * side)
                     .arg(side)
                     .arg(unit.shown),
                 QStringLiteral("Perimeter = 4 %1 %2 = <b>%3 %4</b>.")
                     .arg(kTimes)
                     .arg(side)
                     .arg(4 * side)
                     .arg(unit.shown),
                 QStringLiteral("Volume = %1<sup>3</sup> = %1 %2 %1 %2 %1 = <b>%3 cm&sup3;</b>.")
                     .arg(edge)
                     .arg(kTimes)
                     .arg(edge * edge * edge)};
    return q;
}

Question TicketsStory(Prng& rng)
{
    static const QStringList places = {"the zoo", "the cinema", "the swimming pool",
                                       "the museum", "a theme park", "the ice rink"};
    const int adult = rng.range(6, 18), child = rng.range(3, adult - 2);
    const int adults = rng.range(1, 3), children = rng.range(2, 5);
    const int total = adults * adult + children * child;
    const int note = total < 20 ? 20 : total < 50 ? 50 : total < 100 ? 100 : 200;
    const QString text = QStringLiteral("%1*%2+%3*%4").arg(adults).arg(adult).arg(children).arg(child);
    Question q = Make(
        Para(QStringLiteral("Tickets for %1 cost &pound;%2 for an adult and &pound;%3 for a child. "
                            "%4 adult%5 and %6 children go together.")
                 .arg(rng.pick(places))
                 .arg(adult)
                 .arg(child)
                 .arg(adults)
                 .arg(adults > 1 ? "s" : "")
                 .arg(children)),
        {MeasurePart(QStringLiteral("How much do their tickets cost altogether?"), total * 100, 2,
                     units::kPounds, 2),
         MeasurePart(QStringLiteral("They pay with a &pound;%1 note. How much change do they get?")
                         .arg(note),
                     (note - total) * 100, 2, units::kPounds)});
    q.working = {QStringLiteral("The cost is %1: multiply before adding.").arg(Html(text)),
                 Calc(text).chain() + QStringLiteral(", so &pound;%1.").arg(total),
                 QStringLiteral("Change: &pound;%1 %2 &pound;%3 = <b>&pound;%4</b>.")
                     .arg(note)
                     .arg(kMinus)
                     .arg(total)
                     .arg(note - total)};
    return q;
}

Question FirstStep(Prng& rng)
{
    static const QStringList signs = {"+", "-", "*"};
    for (;;) {
        int n[5];
        for (int& v : n)
            v = rng.range(2, 12);
        const int bracket = rng.chance(60) ? rng.range(0, 3) : -1; // round n[i] and n[i+1]
        QString ops[4];
        const int times = rng.range(0, 3);
        for (int i = 0; i < 4; ++i)
            ops[i] = bracket < 0 ? (i == times ? "*" : rng.pick(QStringList{"+", "-"}))
                                 : rng.pick(signs);
        QString text;
        QStringList pairs;
        for (int i = 0; i < 5; ++i) {
            text += (i == bracket ? "(" : "") + QString::number(n[i]) +
                    (bracket >= 0 && i == bracket + 1 ? ")" : "");
            if (i < 4) {
                text += ops[i];
                pairs.append(Html(QStringLiteral("%1%2%3").arg(n[i]).arg(ops[i]).arg(n[i + 1])));
            }
        }
        const Calc calc(text);
        if (!calc.fine() || QSet<QString>(pairs.cbegin(), pairs.cend()).size() != 4)
            continue;
        const QString first = calc.firstStep();
        QList<Option> options;
        for (const QString& pair : pairs)
            options.append({pair, pair == first});
        Question q = ChoiceQuestion(Para(QStringLiteral("Which part of this calculation must be "
                                                        "worked out first?")) +
                                        Display(calc.html()),
                                    UniqueChoice(rng, options));
        q.working = {QStringLiteral("%1, so <b>%2</b> comes first.")
                         .arg(bracket >= 0 ? QStringLiteral("Brackets are always worked out first")
                                           : QStringLiteral("There are no brackets or powers; %1 "
                                                            "comes before + and %2")
                                                 .arg(kTimes, kMinus),
                              first),
                     QStringLiteral("The whole calculation: %1.").arg(calc.chain())};
        return q;
    }
}

} // namespace

QList<Generator> OperationsKinds()
{
    return {OrderOfTwo,       BracketsFirst,   WithAndWithoutBrackets, SquaresAndCubes,
            RootsOfSquares,   PowersInCalculation, PlaceTheBrackets,   LargestResult,
            InverseMissing,   CheckByInverse,  StoryCalculation,       EstimateByRounding,
            MissingSign,      TrueOrFalse,     LongCalculation,        SquareSide,
            TicketsStory,     FirstStep};
}

} // namespace orlavine::pack
