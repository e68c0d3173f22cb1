// Every kind of question of the default package, drawn many times: the parts it makes
// are well formed and every key is one the marker accepts from a pupil who is right.
#include "banks.h"
#include "marking/answercheck.h"
#include "marking/numbers.h"
#include "modules.h"
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
    void numberAnswersTakeUsualWritings();
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

void TestPackBank::numberAnswersTakeUsualWritings()
{
    // A pupil who is right may write a number in words without "and" or a hyphen, a Roman
    // numeral in small letters, a mixed number's fraction part unsimplified.
    const auto right = [](const Slot& slot, const QString& answer) {
        QByteArray typed;
        return EncodeRecordText(answer, typed) &&
               CheckSubAnswer({typed}, {slot.key}, {QByteArray(1, slot.type)}, 0) == "\xFC";
    };
    const auto usual = [](const Slot& slot) {
        return QString::fromLatin1(Alternatives(slot.key).first());
    };
    Prng rng(11);
    for (int draw = 0; draw < 50; ++draw) {
        const Slot words = PlaceValueKinds().at(1)(rng).parts.first().subs.first();
        QVERIFY2(right(words, usual(words)
                                  .replace(QLatin1Char('-'), QLatin1Char(' '))
                                  .replace(QLatin1String(" and "), QLatin1String(" "))),
                 words.key.constData());
        const Slot roman = PlaceValueKinds().at(4)(rng).parts.first().subs.first();
        QVERIFY2(right(roman, usual(roman).toLower()), roman.key.constData());
        const Slot mixed = FractionKinds().at(5)(rng).parts.first().subs.first();
        const QStringList wholeNumDen =
            usual(mixed).split(QRegularExpression(QStringLiteral("[ /]")));
        QVERIFY2(right(mixed, QStringLiteral("%1 %2/%3")
                                  .arg(wholeNumDen.at(0))
                                  .arg(wholeNumDen.at(1).toInt() * 2)
                                  .arg(wholeNumDen.at(2).toInt() * 2)),
                 mixed.key.constData());
    }
}

QTEST_GUILESS_MAIN(TestPackBank)
#include "tst_packbank.moc"
