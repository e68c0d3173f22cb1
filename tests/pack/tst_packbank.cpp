// Every kind of question of the default package, drawn many times: the parts it makes
// are well formed and every key is one the marker accepts from a pupil who is right.
#include "marking/answercheck.h"
#include "modules.h"
#include "marking/numbers.h"
#include "banks.h"
#include "page.h"
#include "records/recordtext.h"

#include <QLineF>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

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

/// Other ways a pupil who is right writes the answer `right` of a slot: a decimal with a
/// trailing zero, thousands with a comma, a fraction not in its simplest form.
QStringList OtherRightForms(const QString& right, bool simplestAsked)
{
    static const QRegularExpression fraction(QStringLiteral("^(\\d+)/(\\d+)$"));
    static const QRegularExpression oneDecimal(QStringLiteral("^\\d+\\.\\d$"));
    static const QRegularExpression thousands(QStringLiteral("^(\\d+)(\\d{3})$"));
    QStringList forms;
    if (oneDecimal.match(right).hasMatch())
        forms.append(right + QLatin1Char('0'));
    const QRegularExpressionMatch big = thousands.match(right);
    if (big.hasMatch())
        forms.append(big.captured(1) + QLatin1Char(',') + big.captured(2));
    const QRegularExpressionMatch f = fraction.match(right);
    if (f.hasMatch() && !simplestAsked)
        forms.append(QStringLiteral("%1/%2").arg(f.captured(1).toInt() * 2).arg(f.captured(2).toInt() * 2));
    return forms;
}

/// The text a pupil reads in `html`: fractions as n/d, tags dropped, the usual entities
/// as characters, spaces single.
QString Plain(QString html)
{
    static const QRegularExpression fraction(
        QStringLiteral("<span class=\"fr\"><span>([^<]*)</span><span>([^<]*)</span></span>"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.replace(fraction, QStringLiteral(" \\1/\\2")).replace(tag, QStringLiteral(" "));
    html.replace(QLatin1String("&pound;"), QStringLiteral("\u00A3"))
        .replace(QLatin1String("&deg;"), QStringLiteral("\u00B0"))
        .replace(QLatin1String("&times;"), QStringLiteral("\u00D7"))
        .replace(QLatin1String("&divide;"), QStringLiteral("\u00F7"))
        .replace(QLatin1String("&minus;"), QStringLiteral("-"))
        .replace(QLatin1String("&sup2;"), QStringLiteral("\u00B2"))
        .replace(QLatin1String("&sup3;"), QStringLiteral("\u00B3"))
        .replace(QLatin1String("&nbsp;"), QStringLiteral(" "))
        .replace(QLatin1String("&lt;"), QStringLiteral("<"))
        .replace(QLatin1String("&gt;"), QStringLiteral(">"))
        .replace(QLatin1String("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

/// The numbers written in `text`, thousands commas read as such.
QList<double> NumbersIn(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("-?\\d{1,3}(?:,\\d{3})+(?:\\.\\d+)?|-?\\d+(?:\\.\\d+)?|-?\\.\\d+"));
    QList<double> numbers;
    for (auto m = number.globalMatch(text); m.hasNext();)
        numbers.append(m.next().captured().remove(QLatin1Char(',')).toDouble());
    return numbers;
}

/// Whether `text` holds `form` as a whole word, letter case aside.
bool Mentions(const QString& text, const QString& form)
{
    const QRegularExpression word(QStringLiteral("(?<![\\w.])%1(?![\\w]|\\.\\d)")
                                      .arg(QRegularExpression::escape(form)),
                                  QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

/// Why the worked solution of `q` does not agree with its key, or empty: every part
/// states an answer the marker takes, and the working arrives at it.
QString WorkingFault(const Question& q)
{
    if (q.working.isEmpty() || q.working.contains(QString()))
        return QStringLiteral("no working");
    const QString working = Plain(q.working.join(QLatin1Char(' ')));
    for (const Part& part : q.parts) {
        const Slot& slot = part.subs.first();
        if (part.answer.isEmpty())
            return QStringLiteral("a part without its answer");
        if (slot.type == 'Q') {
            const QString option = Plain(part.options.at(slot.key.toInt() - 1));
            if (!option.isEmpty() && !working.contains(option, Qt::CaseInsensitive))
                return QStringLiteral("the working never reaches \"%1\"").arg(option);
            continue;
        }
        const QString answer = Plain(part.answer);
        QByteArray typed;
        if (part.subs.size() == 1 &&
            (!EncodeRecordText(answer, typed) ||
             CheckSubAnswer({typed}, {slot.key}, {QByteArray(1, slot.type)}, 0) != "\xFC"))
            return QStringLiteral("the answer \"%1\" is marked wrong").arg(answer);
        QStringList forms;
        for (const QByteArray& form : slot.type == 'M' || slot.type == 'G' ? Alternatives(slot.key)
                                                                           : Fields{slot.key})
            forms.append(QString::fromLatin1(form));
        const int needed = slot.type == 'G' ? int(part.subs.size()) : 1;
        const int found = int(std::count_if(forms.cbegin(), forms.cend(), [&](const QString& f) {
            return Mentions(working, f);
        }));
        const QList<double> value = NumbersIn(answer);
        const QList<double> written = NumbersIn(working);
        if (found < needed && !(needed == 1 && value.size() == 1 && written.contains(value.first())))
            return QStringLiteral("the working never reaches \"%1\"").arg(answer);
    }
    return QString();
}

QString PictureFault(const Picture& picture);

void TopicRows()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("topic");
    for (const ModulePlan& plan : DefaultModules()) {
        for (int t = 0; t < 9; ++t)
            QTest::addRow("%d/%s", plan.number, qPrintable(plan.topics.at(t).name))
                << plan.number << t;
    }
}

} // namespace

class TestPackBank : public QObject {
    Q_OBJECT

private slots:
    // A warning (a QString::arg without its place marker, say) is a fault of the kind.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }
    void everyKindIsWellFormed_data();
    void everyKindIsWellFormed();
    void drillsHaveTheSizeAsked();
    void workingAgreesWithTheKey_data();
    void workingAgreesWithTheKey();
    void picturesAreReadable();
    void longestIsTheLongestInAnyForm();
    void shapeChoicesHaveOneRightOption();
    void numbersAndFractionsInOtherFormsAreRight();
    void numberAnswersTakeUsualWritings();
    void calculationsFollowTheOrderOfOperations();
    void ratioAndEquationChoicesHaveOneRightOption();
    void rateAndCalendarChoicesHaveOneRightOption();
    void nextStepsChoicesFitTheirNumbers();
    void cubeNetChoicesFoldAsTheElevenNets();
    void pointsMoveByTheirRules();
    void fractionSumsAreRightInEveryForm();
    void negativeComparisonsHaveOneTrueOption();
};

void TestPackBank::everyKindIsWellFormed_data()
{
    TopicRows();
}

void TestPackBank::everyKindIsWellFormed()
{
    QFETCH(int, module);
    QFETCH(int, topic);
    const QList<Generator> kinds = DefaultModules().at(module - 1).topics.at(topic).kinds;
    QVERIFY(QSet<Generator>(kinds.cbegin(), kinds.cend()).size() >= 15);
    for (int k = 0; k < kinds.size(); ++k) {
        Prng rng(7000 + k);
        QSet<QString> different;
        for (int draw = 0; draw < kDraws; ++draw) {
            const Question q = kinds.at(k)(rng);
            const QString fault = QuestionFault(q);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("kind %1, draw %2: %3\n%4")
                                                     .arg(k)
                                                     .arg(draw)
                                                     .arg(fault, q.stem)));
            different.insert(q.signature());
        }
        // A topic's five papers draw each kind about six times, never the same question twice.
        QVERIFY2(different.size() >= 12, qPrintable(QStringLiteral("kind %1: only %2 questions")
                                                        .arg(k)
                                                        .arg(different.size())));
    }
}

void TestPackBank::workingAgreesWithTheKey_data()
{
    TopicRows();
}

void TestPackBank::workingAgreesWithTheKey()
{
    QFETCH(int, module);
    QFETCH(int, topic);
    const QList<Generator> kinds = DefaultModules().at(module - 1).topics.at(topic).kinds;
    for (int k = 0; k < kinds.size(); ++k) {
        Prng rng(9000 + k);
        for (int draw = 0; draw < kDraws; ++draw) {
            const Question q = kinds.at(k)(rng);
            const QString fault = WorkingFault(q);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("kind %1, draw %2: %3\n%4\n%5")
                                                     .arg(k)
                                                     .arg(draw)
                                                     .arg(fault, q.stem, q.working.join('\n'))));
            for (const Picture& picture : q.workingPictures)
                QVERIFY2(PictureFault(picture).isEmpty(), qPrintable(PictureFault(picture)));
        }
    }
}

void TestPackBank::drillsHaveTheSizeAsked()
{
    for (const auto drill : {MentalDrill, ConversionDrill}) {
        Prng rng(3);
        for (int parts = 1; parts <= 12; ++parts) {
            const Question q = drill(rng, parts);
            QCOMPARE(q.slotCount(), parts);
            QVERIFY2(QuestionFault(q).isEmpty(), qPrintable(QuestionFault(q)));
        }
    }
}

namespace {

/// Why `picture` is hard to read at the size the page shows it, or empty: text under 12 px,
/// ruler marks under 5 px apart, a clock's minute hand reaching its numerals.
QString PictureFault(const Picture& picture)
{
    // The page shows a picture at most 430 px wide: a 500 px column less its margins.
    static const QRegularExpression width(QStringLiteral("<svg [^>]*width=\"(\\d+)\""));
    static const QRegularExpression text(
        QStringLiteral("<text x=\"([-\\d.]+)\" y=\"([-\\d.]+)\" font-size=\"(\\d+)\""));
    static const QRegularExpression line(QStringLiteral(
        "<line x1=\"([-\\d.]+)\" y1=\"([-\\d.]+)\" x2=\"([-\\d.]+)\" y2=\"([-\\d.]+)\" "
        "stroke=\"[^\"]+\" stroke-width=\"([\\d.]+)\""));
    const double scale = std::min(1.0, 430.0 / width.match(picture.svg).captured(1).toDouble());
    QList<QPointF> texts;
    for (auto m = text.globalMatch(picture.svg); m.hasNext();) {
        const QRegularExpressionMatch t = m.next();
        if (t.captured(3).toDouble() * scale < 12 - 1e-9)
            return QStringLiteral("text of %1 px").arg(t.captured(3).toDouble() * scale);
        texts.append({t.captured(1).toDouble(), t.captured(2).toDouble()});
    }
    QList<double> marks;
    for (auto m = line.globalMatch(picture.svg); m.hasNext();) {
        const QRegularExpressionMatch l = m.next();
        const QPointF a(l.captured(1).toDouble(), l.captured(2).toDouble());
        const QPointF b(l.captured(3).toDouble(), l.captured(4).toDouble());
        if (picture.alt.contains(QLatin1String("ruler")) && a.x() == b.x() && a.y() == 50)
            marks.append(a.x());
        if (picture.alt.contains(QLatin1String("clock")) && l.captured(5) == QLatin1String("4")) {
            // The minute hand, from the centre a to b: its tip a numeral's height clear.
            for (const QPointF& n : texts) {
                if (QLineF(b, n - QPointF(0, 6)).length() < 18)
                    return QStringLiteral("the minute hand reaches a numeral");
            }
        }
    }
    std::sort(marks.begin(), marks.end());
    for (int i = 1; i < marks.size(); ++i) {
        const double apart = (marks.at(i) - marks.at(i - 1)) * scale;
        if (apart < 5)
            return QStringLiteral("ruler marks %1 px apart").arg(apart);
    }
    return QString();
}

} // namespace

void TestPackBank::picturesAreReadable()
{
    int pictures = 0;
    for (const ModulePlan& plan : DefaultModules()) {
        for (const auto& topic : plan.topics) {
            Prng rng(plan.number);
            for (Generator kind : topic.kinds) {
                for (int draw = 0; draw < 40; ++draw) {
                    for (const Picture& picture : kind(rng).pictures) {
                        ++pictures;
                        const QString fault = PictureFault(picture);
                        QVERIFY2(fault.isEmpty(),
                                 qPrintable(picture.alt + QLatin1String(": ") + fault));
                    }
                }
            }
        }
    }
    QVERIFY(pictures > 1000);
}

void TestPackBank::longestIsTheLongestInAnyForm()
{
    // The options read back as millimetres: the right one is the longest, in any unit.
    static const QRegularExpression length(QStringLiteral("^([\\d.,]+) (m|cm|mm)$"));
    const Generator longest = MeasureKinds().at(6);
    Prng rng(11);
    QSet<QString> rightUnits;
    for (int draw = 0; draw < kDraws; ++draw) {
        const Part part = longest(rng).parts.first();
        QList<double> mm;
        for (const QString& option : part.options) {
            const QRegularExpressionMatch m = length.match(option);
            QVERIFY2(m.hasMatch(), qPrintable(option));
            const double factor = m.captured(2) == QLatin1String("m") ? 1000
                                  : m.captured(2) == QLatin1String("cm") ? 10 : 1;
            mm.append(QString(m.captured(1)).remove(QLatin1Char(',')).toDouble() * factor);
        }
        const int right = part.subs.first().key.toInt() - 1;
        QCOMPARE(std::max_element(mm.cbegin(), mm.cend()) - mm.cbegin(), qsizetype(right));
        const QString option = part.options.at(right);
        rightUnits.insert(option.section(QLatin1Char(' '), 1) +
                          (option.endsWith(QLatin1String("cm")) && option.contains(QLatin1Char('.'))
                               ? QStringLiteral(".")
                               : QString()));
    }
    QCOMPARE(rightUnits.size(), 4); // m, whole cm, mm, tenths of cm
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

void TestPackBank::numbersAndFractionsInOtherFormsAreRight()
{
    // Every topic's keys take every common form; a page that wants the simplest form of
    // a fraction says so.
    for (const ModulePlan& plan : DefaultModules()) {
        for (const TopicPlan& topic : plan.topics) {
            if (topic.kinds.isEmpty())
                continue;
            Prng rng(11);
            for (int draw = 0; draw < kDraws; ++draw) {
                const Question q = rng.pick(topic.kinds)(rng);
                QString text = q.stem + q.note;
                for (const Part& part : q.parts)
                    text += part.prompt;
                const bool simplestAsked = text.contains(QLatin1String("simplest form"));
                for (const Part& part : q.parts) {
                    const Slot& slot = part.subs.first();
                    QVERIFY2(slot.type != 'F' || simplestAsked, qPrintable(q.stem));
                    const QByteArray right =
                        slot.type == 'M' ? Alternatives(slot.key).first() : slot.key;
                    for (const QString& form : OtherRightForms(QString::fromLatin1(right),
                                                               simplestAsked)) {
                        QVERIFY2(CheckSubAnswer({form.toLatin1()}, {slot.key},
                                                {QByteArray(1, slot.type)}, 0) == "\xFC",
                                 qPrintable(form + QLatin1String(" for ") + q.stem));
                    }
                }
            }
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

namespace {

/// The value of a calculation as the page shows it, read on its own: brackets, then
/// powers and roots, then × and ÷, then + and −, each from the left.
class Reader {
public:
    explicit Reader(QString html)
    {
        html.replace(QLatin1String("<sup>"), QLatin1String("^"))
            .replace(QLatin1String("&radic;"), QStringLiteral("\u221A"));
        m_text = Plain(html).remove(QLatin1Char(' '));
    }
    double value() { return sum(); }

private:
    QChar peek() const { return m_at < m_text.size() ? m_text.at(m_at) : QChar(); }
    double sum()
    {
        double v = product();
        for (QChar c = peek(); c == QLatin1Char('+') || c == QLatin1Char('-'); c = peek()) {
            ++m_at;
            v += (c == QLatin1Char('+') ? 1 : -1) * product();
        }
        return v;
    }
    double product()
    {
        double v = power();
        for (QChar c = peek(); c == QChar(0xD7) || c == QChar(0xF7); c = peek()) {
            ++m_at;
            v = c == QChar(0xD7) ? v * power() : v / power();
        }
        return v;
    }
    double power()
    {
        const double v = atom();
        if (peek() != QLatin1Char('^'))
            return v;
        ++m_at;
        return std::pow(v, atom());
    }
    double atom()
    {
        const QChar c = peek();
        ++m_at;
        if (c == QChar(0x221A))
            return std::sqrt(atom());
        if (c == QLatin1Char('(')) {
            const double v = sum();
            ++m_at; // ')'
            return v;
        }
        const int start = --m_at;
        while (peek().isDigit())
            ++m_at;
        return m_text.mid(start, m_at - start).toDouble();
    }

    QString m_text;
    int m_at = 0;
};

} // namespace

void TestPackBank::calculationsFollowTheOrderOfOperations()
{
    static const QRegularExpression shown(QStringLiteral("<p class=\"big\">(.*) = (\\d+)</p>"));
    Prng rng(5);
    for (int draw = 0; draw < 100; ++draw) {
        // Sums to work out: the key is the value of the sum shown.
        for (int k : {0, 1, 5}) {
            const Question q = OperationsKinds().at(k)(rng);
            const QString sum = q.stem.section(QLatin1String("<p class=\"big\">"), 1)
                                    .section(QLatin1String("</p>"), 0, 0);
            QCOMPARE(Reader(sum).value(),
                     QString::fromLatin1(q.parts.first().subs.first().key).toDouble());
        }
        // Brackets placed to make a sum true: the right option alone makes it.
        const Question q = OperationsKinds().at(6)(rng);
        const QRegularExpressionMatch m = shown.match(q.stem);
        QVERIFY(m.hasMatch());
        const Part& part = q.parts.first();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Reader(part.options.at(i)).value() == m.captured(2).toDouble(),
                     i + 1 == part.subs.first().key.toInt());
    }
}

void TestPackBank::ratioAndEquationChoicesHaveOneRightOption()
{
    // Read back from the page apart from the generator's model: the best buy is the lowest
    // price each, the value that solves the equation makes both sides equal.
    static const QRegularExpression pack(QStringLiteral("^(\\d+) for &pound;([\\d.]+)$"));
    static const QRegularExpression equation(
        QStringLiteral("big\">(\\d+)([a-z]) (\\+|&minus;) (\\d+) = (\\d+)<"));
    Prng rng(11);
    for (int draw = 0; draw < kDraws; ++draw) {
        const Part buy = RatioKinds().at(11)(rng).parts.first();
        QList<double> each;
        for (const QString& option : buy.options) {
            const QRegularExpressionMatch m = pack.match(option);
            QVERIFY2(m.hasMatch(), qPrintable(option));
            each.append(m.captured(2).toDouble() / m.captured(1).toInt());
        }
        const int cheapest = int(std::min_element(each.cbegin(), each.cend()) - each.cbegin());
        QCOMPARE(buy.subs.first().key.toInt() - 1, cheapest);
        QCOMPARE(each.count(each.at(cheapest)), 1);

        const Question solve = EquationKinds().at(14)(rng);
        const QRegularExpressionMatch m = equation.match(solve.stem);
        QVERIFY2(m.hasMatch(), qPrintable(solve.stem));
        QList<int> solving;
        for (int i = 0; i < 4; ++i) {
            const int x = solve.parts.first().options.at(i).section(QLatin1Char(' '), 2).toInt();
            const int left = m.captured(1).toInt() * x +
                             (m.captured(3) == QLatin1String("+") ? 1 : -1) * m.captured(4).toInt();
            if (left == m.captured(5).toInt())
                solving.append(i + 1);
        }
        QCOMPARE(solving, QList<int>{solve.parts.first().subs.first().key.toInt()});
    }
}

void TestPackBank::rateAndCalendarChoicesHaveOneRightOption()
{
    // Each option read back on its own: a pack's price for one, a journey's speed, a year's
    // leap-ness by the full calendar rule. The key is the one option that wins.
    static const QRegularExpression pack(
        QStringLiteral("^(\\d+) for &pound;(\\d+)(?:\\.(\\d\\d))?$"));
    static const QRegularExpression journey(
        QStringLiteral("^(\\d+) km in (?:(30) minutes|(\\d+) hours)$"));
    static const QRegularExpression year(QStringLiteral("^\\d{4}$"));
    const QList<Generator> kinds =
        DefaultModules().at(2).topics.at(8).kinds + DefaultModules().at(1).topics.at(5).kinds;
    Prng rng(11);
    QSet<QString> checked;
    for (int draw = 0; draw < kDraws; ++draw) {
        for (Generator kind : kinds) {
            for (const Part& part : kind(rng).parts) {
                if (part.options.isEmpty())
                    continue;
                QList<double> score; // the best option scores most
                for (const QString& option : part.options) {
                    QRegularExpressionMatch m;
                    if ((m = pack.match(option)).hasMatch()) {
                        score.append(-(m.captured(2).toInt() * 100 + m.captured(3).toInt()) /
                                     m.captured(1).toDouble());
                        checked.insert(QStringLiteral("pack"));
                    } else if ((m = journey.match(option)).hasMatch()) {
                        score.append(m.captured(1).toDouble() /
                                     (m.captured(2).isEmpty() ? m.captured(3).toDouble() : 0.5));
                        checked.insert(QStringLiteral("journey"));
                    } else if (year.match(option).hasMatch()) {
                        const int y = option.toInt();
                        score.append((y % 4 == 0 && y % 100 != 0) || y % 400 == 0 ? 1 : 0);
                        checked.insert(QStringLiteral("year"));
                    }
                }
                if (score.size() != 4)
                    continue;
                const double best = *std::max_element(score.cbegin(), score.cend());
                QCOMPARE(score.count(best), 1);
                QCOMPARE(score.indexOf(best) + 1, part.subs.first().key.toInt());
            }
        }
    }
    QCOMPARE(checked.size(), 3);
}

void TestPackBank::nextStepsChoicesFitTheirNumbers()
{
    // The right option, and only it, has the average asked or is a term of the rule given.
    static const QRegularExpression asked(QStringLiteral("has a (mean|median|range) of (\\d+)"));
    static const QRegularExpression rule(
        QStringLiteral("sequence is (\\d+)n(?: (\\+|&minus;) (\\d+))?"));
    Prng rng(13);
    for (int draw = 0; draw < 100; ++draw) {
        const Question sets = StatisticsKinds().at(11)(rng);
        const QRegularExpressionMatch m = asked.match(sets.stem);
        QVERIFY2(m.hasMatch(), qPrintable(sets.stem));
        for (int i = 0; i < 4; ++i) {
            QList<int> v;
            int sum = 0;
            for (const QString& n : sets.parts.first().options.at(i).split(QStringLiteral(", "))) {
                v.append(n.toInt());
                sum += v.last();
            }
            std::sort(v.begin(), v.end());
            const double value = m.captured(1) == QLatin1String("mean")     ? sum / 5.0
                                 : m.captured(1) == QLatin1String("median") ? v.at(2)
                                                                            : v.last() - v.first();
            QCOMPARE(value == m.captured(2).toDouble(),
                     sets.parts.first().subs.first().key.toInt() == i + 1);
        }
        const Question terms = FormulaKinds().at(5)(rng);
        const QRegularExpressionMatch r = rule.match(terms.stem);
        QVERIFY2(r.hasMatch(), qPrintable(terms.stem));
        const int a = r.captured(1).toInt();
        const int b = (r.captured(2) == QLatin1String("+") ? 1 : -1) * r.captured(3).toInt();
        for (int i = 0; i < 4; ++i) {
            const int x = terms.parts.first().options.at(i).toInt();
            QCOMPARE(x >= a + b && (x - b) % a == 0,
                     terms.parts.first().subs.first().key.toInt() == i + 1);
        }
    }
}

void TestPackBank::cubeNetChoicesFoldAsTheElevenNets()
{
    // The eleven nets of a cube, looked up apart from the generator's folding, in any turn
    // or reflection; the lettered net the key names is the only one (not) among them.
    static const QList<QStringList> elevenNets = {
        {".X..", "XXXX", ".X.."}, {"X...", "XXXX", ".X.."}, {"X...", "XXXX", "X..."},
        {"X...", "XXXX", "..X."}, {"X...", "XXXX", "...X"}, {".X..", "XXXX", "..X."},
        {"XX..", ".XXX", ".X.."}, {"XX..", ".XXX", "..X."}, {"XX..", ".XXX", "...X"},
        {"XX..", ".XX.", "..XX"}, {"XXX..", "..XXX"}};
    const auto canonical = [](const QList<QPoint>& cells) {
        QStringList forms;
        for (int turn = 0; turn < 8; ++turn) {
            QList<QPoint> moved;
            for (const QPoint& c : cells) {
                const int x = turn & 1 ? c.y() : c.x(), y = turn & 1 ? c.x() : c.y();
                moved.append({turn & 2 ? -x : x, turn & 4 ? -y : y});
            }
            int left = 99, top = 99;
            for (const QPoint& c : moved)
                left = std::min(left, c.x()), top = std::min(top, c.y());
            QStringList text;
            for (const QPoint& c : moved)
                text.append(QStringLiteral("%1,%2").arg(c.x() - left).arg(c.y() - top));
            text.sort();
            forms.append(text.join(' '));
        }
        return *std::min_element(forms.cbegin(), forms.cend());
    };
    QSet<QString> known;
    for (const QStringList& rows : elevenNets) {
        QList<QPoint> cells;
        for (int y = 0; y < rows.size(); ++y) {
            for (int x = 0; x < rows.at(y).size(); ++x) {
                if (rows.at(y).at(x) == 'X')
                    cells.append({x, y});
            }
        }
        known.insert(canonical(cells));
    }
    QCOMPARE(known.size(), 11);
    static const QRegularExpression square(
        QStringLiteral("<rect x=\"([\\d.]+)\" y=\"([\\d.]+)\" width=\"26\""));
    Prng rng(11);
    for (int draw = 0; draw < 100; ++draw) {
        const Question q = SolidKinds().at(13)(rng);
        QList<QList<QPoint>> nets(4);
        for (auto m = square.globalMatch(q.pictures.first().svg); m.hasNext();) {
            const QRegularExpressionMatch r = m.next();
            const double x = r.captured(1).toDouble(), y = r.captured(2).toDouble();
            const int net = (x >= 190 ? 1 : 0) + (y >= 160 ? 2 : 0);
            nets[net].append({qRound((x - 20 - net % 2 * 170) / 26),
                              qRound((y - 14 - net / 2 * 146) / 26)});
        }
        const int right = q.parts.first().answer.at(0).unicode() - 'A';
        const bool netAsked = !q.stem.contains(QLatin1String("<b>not</b>"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(nets.at(i).size(), 6);
            QCOMPARE(known.contains(canonical(nets.at(i))) == netAsked, i == right);
        }
    }
}

void TestPackBank::pointsMoveByTheirRules()
{
    // A point reflected in a line or turned about the origin: its key is where the rule
    // takes the point of the question.
    static const QRegularExpression point(QStringLiteral("\\((-?\\d+),(-?\\d+)\\)"));
    static const QRegularExpression line(QStringLiteral("line ([xy]) = (-?\\d+)"));
    Prng rng(5);
    for (int draw = 0; draw < 100; ++draw) {
        for (int k : {3, 4, 12, 13}) {
            const Question q = TransformationKinds().at(k)(rng);
            const QRegularExpressionMatch p = point.match(q.stem);
            int x = p.captured(1).toInt(), y = p.captured(2).toInt();
            const QRegularExpressionMatch m = line.match(q.stem);
            if (m.hasMatch() && m.captured(1) == QLatin1String("x"))
                x = 2 * m.captured(2).toInt() - x;
            else if (m.hasMatch())
                y = 2 * m.captured(2).toInt() - y;
            else if (q.stem.contains(QLatin1String("180")))
                std::tie(x, y) = std::make_pair(-x, -y);
            else if (q.stem.contains(QLatin1String("anticlockwise")))
                std::tie(x, y) = std::make_pair(-y, x);
            else
                std::tie(x, y) = std::make_pair(y, -x);
            QCOMPARE(q.parts.first().subs.first().key,
                     QStringLiteral("(%1,%2)").arg(x).arg(y).toLatin1());
        }
    }
}

void TestPackBank::fractionSumsAreRightInEveryForm()
{
    // The sum of the two fractions shown, worked out here, is right over the product of
    // the denominators, in its simplest form and as a mixed number.
    static const QRegularExpression shown(
        QStringLiteral("<span class=\"fr\"><span>(\\d+)</span><span>(\\d+)</span></span>"));
    Prng rng(13);
    for (int draw = 0; draw < 100; ++draw) {
        const Question q = FractionCalculationKinds().at(0)(rng);
        QList<int> values;
        for (auto m = shown.globalMatch(q.stem); m.hasNext();) {
            const QRegularExpressionMatch f = m.next();
            values << f.captured(1).toInt() << f.captured(2).toInt();
        }
        QCOMPARE(values.size(), 4);
        const int n = values[0] * values[3] + values[2] * values[1], d = values[1] * values[3];
        const int p = n / Gcd(n, d), r = d / Gcd(n, d);
        QStringList forms = {QStringLiteral("%1/%2").arg(n).arg(d),
                             QStringLiteral("%1/%2").arg(p).arg(r)};
        if (p > r)
            forms << QStringLiteral("%1 %2/%3").arg(p / r).arg(p % r).arg(r);
        const Slot& slot = q.parts.first().subs.first();
        for (const QString& form : forms)
            QVERIFY2(CheckSubAnswer({form.toLatin1()}, {slot.key}, {QByteArray(1, slot.type)}, 0) ==
                         "\xFC",
                     qPrintable(form + QLatin1String(" for ") + q.stem));
    }
}

void TestPackBank::negativeComparisonsHaveOneTrueOption()
{
    // The true statement is judged from the numbers the options show, not from the model
    // that made them.
    static const QRegularExpression comparison(QStringLiteral("^(-?\\d+) ([<>]) (-?\\d+)$"));
    Prng rng(17);
    for (int draw = 0; draw < kDraws; ++draw) {
        const Part part = NegativeNumberKinds().at(11)(rng).parts.first();
        QList<int> trueOnes;
        for (int i = 0; i < part.options.size(); ++i) {
            const QRegularExpressionMatch m = comparison.match(Plain(part.options.at(i)));
            QVERIFY2(m.hasMatch(), qPrintable(part.options.at(i)));
            const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
            if (m.captured(2) == QLatin1String("<") ? a < b : a > b)
                trueOnes.append(i + 1);
        }
        QCOMPARE(trueOnes, QList<int>{part.subs.first().key.toInt()});
    }
}

QTEST_GUILESS_MAIN(TestPackBank)
#include "tst_packbank.moc"
