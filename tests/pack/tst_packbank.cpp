// Every kind of question of the default package, drawn many times: the parts it makes
// are well formed and every key is one the marker accepts from a pupil who is right.
#include "marking/answercheck.h"
#include "modules.h"
#include "marking/numbers.h"
#include "page.h"
#include "records/recordtext.h"

#include <QRegularExpression>
#include <QtTest>

using namespace orlavine;
using namespace orlavine::pack;

namespace {

constexpr int kDraws = 300;

int Gcd(int a, int b)
{
    return b == 0 ? a : Gcd(b, a % b);
}

/// Why the key of `slot` is not of the form its type asks for, or empty.
QString KeyFault(const Slot& slot)
{
    const QString key = QString::fromLatin1(slot.key);
    static const QRegularExpression fraction(QStringLiteral("^(\\d+)[/:](\\d+)$"));
    static const QRegularExpression mixed(QStringLiteral("^\\d+ (\\d+)/(\\d+)$"));
    double value = 0;
    switch (slot.type) {
    case 'Q':
        return key.size() == 1 && key >= QLatin1String("1") && key <= QLatin1String("4")
                   ? QString()
                   : QStringLiteral("choice");
    case 'N':
        return ParseNumber(slot.key, value) ? QString() : QStringLiteral("number");
    case 'M':
    case 'G':
        return key == QLatin1String(" ") ||
                       (key.startsWith(QLatin1Char(';')) && !key.contains(QLatin1String(";;")) &&
                        !key.endsWith(QLatin1Char(';')))
                   ? QString()
                   : QStringLiteral("alternatives");
    case 'F': {
        const QRegularExpressionMatch m = fraction.match(key);
        return m.hasMatch() && Gcd(m.captured(1).toInt(), m.captured(2).toInt()) == 1
                   ? QString()
                   : QStringLiteral("simplest fraction or ratio");
    }
    case 'X': {
        const QRegularExpressionMatch m = mixed.match(key);
        return m.hasMatch() && m.captured(1).toInt() < m.captured(2).toInt() &&
                       Gcd(m.captured(1).toInt(), m.captured(2).toInt()) == 1
                   ? QString()
                   : QStringLiteral("mixed number");
    }
    case 'R':
        return !key.isEmpty() && !key.contains(QLatin1Char(' ')) ? QString()
                                                                 : QStringLiteral("exact form");
    case 'T':
    case 'L':
        return !key.trimmed().isEmpty() && key == key.trimmed() ? QString()
                                                                : QStringLiteral("word");
    default:
        return QStringLiteral("type");
    }
}

/// Why the question is not well formed, or empty.
QString QuestionFault(const Question& q)
{
    if (q.slotCount() < 1 || q.slotCount() > 12)
        return QStringLiteral("%1 sub-answers").arg(q.slotCount());
    Fields keys, types, answers;
    for (const Part& part : q.parts) {
        const bool choice = part.subs.first().type == 'Q';
        if (choice != !part.options.isEmpty())
            return QStringLiteral("options only and always for a choice");
        if (choice && (part.options.size() != 4 ||
                       QSet<QString>(part.options.cbegin(), part.options.cend()).size() != 4))
            return QStringLiteral("four different options");
        const QByteArray head = part.subs.first().key;
        if (part.subs.size() > 1 && Alternatives(head).size() < part.subs.size())
            return QStringLiteral("a group with fewer alternatives than boxes");
        for (int s = 0; s < part.subs.size(); ++s) {
            const Slot& slot = part.subs.at(s);
            if (slot.key.contains('>') || slot.key.contains('\r') || slot.key.contains('\n') ||
                slot.marks < 1 || slot.marks > 2)
                return QStringLiteral("a key that cannot be stored, or marks");
            const QString fault = KeyFault(slot);
            if (!fault.isEmpty())
                return QStringLiteral("key \"%1\" is not a %2")
                    .arg(QString::fromLatin1(slot.key), fault);
            keys.append(slot.key);
            types.append(QByteArray(1, slot.type));
            // The pupil who is right: the key, or the group's alternatives in turn.
            answers.append(slot.type == 'M' || slot.type == 'G' ? Alternatives(head).at(s)
                                                                : slot.key);
        }
    }
    for (int i = 0; i < keys.size(); ++i) {
        if (CheckSubAnswer(answers, keys, types, i) != QByteArray(1, '\xFC'))
            return QStringLiteral("sub-answer %1 cannot be answered right").arg(i + 1);
    }
    // A right answer written with the unit the page shows by its line is right too.
    for (const Part& part : q.parts) {
        if (part.unit.isEmpty() || part.subs.size() != 1)
            continue;
        QString unit = part.unit; // as the pupil types what the page shows
        unit.replace(QLatin1String("&deg;"), QStringLiteral("\u00B0"))
            .replace(QLatin1String("&pound;"), QStringLiteral("\u00A3"))
            .replace(QLatin1String("&sup2;"), QStringLiteral("\u00B2"))
            .replace(QLatin1String("&sup3;"), QStringLiteral("\u00B3"));
        const QByteArray bare = part.subs.first().type == 'M'
                                    ? Alternatives(part.subs.first().key).first()
                                    : part.subs.first().key;
        for (const QString& form :
             part.unitBefore ? QStringList{unit + QString::fromLatin1(bare)}
                             : QStringList{QString::fromLatin1(bare) + unit,
                                           QString::fromLatin1(bare) + QLatin1Char(' ') + unit}) {
            QByteArray typed;
            if (!EncodeRecordText(form, typed) ||
                CheckSubAnswer({typed}, {part.subs.first().key},
                               {QByteArray(1, part.subs.first().type)}, 0) != "\xFC")
                return QStringLiteral("\"%1\" is marked wrong").arg(form);
        }
    }
    const QByteArray html = PageHtml(q, 1, QStringList(q.pictures.size(), QStringLiteral("x.svg")));
    if (std::any_of(html.cbegin(), html.cend(), [](char c) { return c < 0; }))
        return QStringLiteral("a page beyond ASCII");
    if (q.slotCount() > 1 && !html.contains(SlotLetters(q.slotCount() - 1, 1).toLatin1()))
        return QStringLiteral("the last sub-answer's letter is missing");
    return QString();
}

} // namespace

class TestPackBank : public QObject {
    Q_OBJECT

private slots:
    void everyKindIsWellFormed_data();
    void everyKindIsWellFormed();
    void drillsHaveTheSizeAsked();
    void shapeChoicesHaveOneRightOption();
};

void TestPackBank::everyKindIsWellFormed_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("topic");
    for (const ModulePlan& plan : DefaultModules()) {
        for (int t = 0; t < 9; ++t)
            QTest::addRow("%d/%s", plan.number, qPrintable(plan.topics.at(t).name))
                << plan.number << t;
    }
}

void TestPackBank::everyKindIsWellFormed()
{
    QFETCH(int, module);
    QFETCH(int, topic);
    const QList<Generator> kinds = DefaultModules().at(module - 1).topics.at(topic).kinds;
    QVERIFY(kinds.size() >= 5);
    for (int k = 0; k < kinds.size(); ++k) {
        Prng rng(7000 + k);
        for (int draw = 0; draw < kDraws; ++draw) {
            const Question q = kinds.at(k)(rng);
            const QString fault = QuestionFault(q);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("kind %1, draw %2: %3\n%4")
                                                     .arg(k)
                                                     .arg(draw)
                                                     .arg(fault, q.stem)));
        }
    }
}

void TestPackBank::drillsHaveTheSizeAsked()
{
    for (const ModulePlan& plan : DefaultModules()) {
        Prng rng(plan.number);
        for (int parts = 1; parts <= 12; ++parts) {
            const Question q = plan.drill(rng, parts);
            QCOMPARE(q.slotCount(), parts);
            QVERIFY2(QuestionFault(q).isEmpty(), qPrintable(QuestionFault(q)));
        }
    }
}


void TestPackBank::shapeChoicesHaveOneRightOption()
{
    // Facts looked up apart from the generator's model: faces, edges, vertices.
    static const QHash<QString, QList<int>> solids = {
        {"cube", {6, 12, 8}},
        {"cuboid", {6, 12, 8}},
        {"triangular prism", {5, 9, 6}},
        {"square-based pyramid", {5, 8, 5}},
        {"triangular-based pyramid", {4, 6, 4}},
        {"pentagonal prism", {7, 15, 10}},
        {"hexagonal prism", {8, 18, 12}},
        {"pentagonal-based pyramid", {6, 10, 6}},
        {"hexagonal-based pyramid", {7, 12, 7}}};
    static const QRegularExpression solidAsked(
        QStringLiteral("exactly <b>(\\d+) (faces|edges|vertices)</b>"));
    static const QRegularExpression triangleAsked(
        QStringLiteral("side lengths of an? (\\w+) triangle"));
    static const QStringList counts = {"faces", "edges", "vertices"};
    const QList<TopicPlan> topics = DefaultModules().at(1).topics;
    const QList<Generator> kinds = topics.at(0).kinds + topics.at(1).kinds;
    Prng rng(11);
    int checked = 0;
    for (int draw = 0; draw < kDraws; ++draw) {
        for (Generator kind : kinds) {
            const Question q = kind(rng);
            const QRegularExpressionMatch solid = solidAsked.match(q.stem);
            const QRegularExpressionMatch triangle = triangleAsked.match(q.stem);
            if (!solid.hasMatch() && !triangle.hasMatch())
                continue;
            const Part& part = q.parts.first();
            QList<int> fitting;
            for (int i = 0; i < 4; ++i) {
                const QString option = part.options.at(i);
                bool fits = false;
                if (solid.hasMatch()) {
                    QVERIFY2(solids.contains(option), qPrintable(option));
                    fits = solids.value(option).at(int(counts.indexOf(solid.captured(2)))) ==
                           solid.captured(1).toInt();
                } else {
                    QList<int> s;
                    for (const QString& side : option.split(QStringLiteral(", ")))
                        s.append(side.section(QLatin1Char(' '), 0, 0).toInt());
                    const int equal = (s[0] == s[1]) + (s[1] == s[2]) + (s[0] == s[2]);
                    const QString asked = triangle.captured(1);
                    fits = asked == QLatin1String("equilateral") ? equal == 3
                           : asked == QLatin1String("isosceles") ? equal >= 1
                                                                  : equal == 0;
                }
                if (fits)
                    fitting.append(i + 1);
            }
            QCOMPARE(fitting, QList<int>{part.subs.first().key.toInt()});
            ++checked;
        }
    }
    QVERIFY(checked > kDraws);
}

QTEST_GUILESS_MAIN(TestPackBank)
#include "tst_packbank.moc"
