// The default package: the same bytes on every run, passes the checker, has the figures
// it promises, and its keys agree with answers worked out here from the pages' text.
#include "marking/answercheck.h"
#include "check.h"
#include "stats.h"
#include "generate.h"
#include "mime.h"
#include "marking/numbers.h"
#include "papers.h"
#include "records/package.h"
#include "records/resources.h"

#include <QRegularExpression>
#include <QtTest>

using namespace orlavine;
using namespace orlavine::pack;

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A page's parts decoded: the HTML first, then its pictures.
QList<QByteArray> DecodedParts(const QByteArray& page)
{
    QStringList errors;
    const MimeDocument doc = ParseMime(page, errors);
    QList<QByteArray> parts;
    for (const MimePart& part : doc.parts)
        parts.append(DecodeBody(part, errors));
    return parts;
}

/// A number as written on a page ("3,456", "4.25", "-3") in thousandths.
long long Thousandths(QString text)
{
    text.remove(QLatin1Char(','));
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringList pieces = text.mid(negative ? 1 : 0).split(QLatin1Char('.'));
    long long value = pieces.at(0).toLongLong() * 1000;
    if (pieces.size() > 1)
        value += pieces.at(1).leftJustified(3, QLatin1Char('0')).left(3).toLongLong();
    return negative ? -value : value;
}

/// The number a key stands for (the first alternative of an M key).
double KeyValue(const QByteArray& key, const QByteArray& type)
{
    double value = std::nan("");
    ParseNumber(type == "M" ? Alternatives(key).first() : key, value);
    return value;
}

double Work(const QString& a, const QString& op, const QString& b)
{
    const long long x = Thousandths(a), y = Thousandths(b);
    if (op == QLatin1String("+"))
        return (x + y) / 1000.0;
    if (op == QLatin1String("&minus;"))
        return (x - y) / 1000.0;
    if (op == QLatin1String("&times;"))
        return double(x) * double(y) / 1e6;
    return double(x) / double(y);
}

QString Roman(int n)
{
    // Written differently from the generator on purpose: by digit tables.
    static const char* const ones[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    static const char* const tens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    return QLatin1String(tens[n / 10 % 10]) + QLatin1String(ones[n % 10]);
}

int Gcd(int a, int b)
{
    return b == 0 ? a : Gcd(b, a % b);
}

struct Sample {
    QuestionInfo question;
    QString html;
    QList<QByteArray> pictures;
};

} // namespace

class TestPackGenerate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameBytesEveryRun();
    void passesTheChecker();
    void figures();
    void everyKeyCanBeAnsweredRight();
    void sumsAgreeWithTheirKeys();
    void otherKeysAgreeWithTheText();
    void picturesAreSvgParts();

private:
    QList<Sample> samples() const;

    QTemporaryDir m_dir;
    PackageInfo m_package;
};

void TestPackGenerate::initTestCase()
{
    QElapsedTimer timer;
    timer.start();
    GeneratePackage(m_dir.path(), DefaultSkinFolder(), kDefaultSeed);
    QVERIFY2(timer.elapsed() < 20000, "generation must take seconds");
    Findings findings;
    m_package = ReadPackage(FolderResources(m_dir.path()), findings);
    QVERIFY(findings.problems().isEmpty());
}

QList<Sample> TestPackGenerate::samples() const
{
    const FolderResources resources(m_dir.path());
    QList<Sample> list;
    for (const ModuleInfo& module : m_package.modules) {
        for (const PaperInfo& paper : module.papers) {
            for (const QuestionInfo& q : paper.questions) {
                QList<QByteArray> parts = DecodedParts(*resources.load(q.id.toInt()));
                list.append(Sample{q, QString::fromLatin1(parts.takeFirst()), parts});
            }
        }
    }
    return list;
}

void TestPackGenerate::sameBytesEveryRun()
{
    QTemporaryDir second;
    QFile stale(second.filePath(QStringLiteral("19000-stale.mht")));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    GeneratePackage(second.path(), DefaultSkinFolder(), kDefaultSeed);
    const QStringList first = QDir(m_dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(QDir(second.path()).entryList(QDir::Files, QDir::Name),
             first); // the stale file is gone
    for (const QString& name : first)
        QVERIFY2(Read(m_dir.filePath(name)) == Read(second.filePath(name)), qPrintable(name));
}

void TestPackGenerate::passesTheChecker()
{
    const QList<Problem> problems = CheckPackage(m_dir.path());
    for (const Problem& p : problems)
        qWarning("%s", qPrintable(p.text()));
    QVERIFY(problems.isEmpty());
}

void TestPackGenerate::figures()
{
    QCOMPARE(m_package.modules.size(), 3);
    QCOMPARE(m_package.modules.at(0).label, QByteArray("Number"));
    QCOMPARE(m_package.modules.at(1).label, QByteArray("Shape & Data"));
    QCOMPARE(m_package.modules.at(2).label, QByteArray("Next Steps"));
    const FolderResources resources(m_dir.path());
    QSet<QByteArray> types;
    int withPictures = 0, pages = 0;
    for (const ModuleInfo& module : m_package.modules) {
        QCOMPARE(module.topicCount, 10);
        QCOMPARE(module.paperCount, 50);
        QCOMPARE(module.topicNames.at(9), QByteArray("Mock Examination"));
        for (const PaperInfo& paper : module.papers) {
            int min = 0, max = 0;
            QVERIFY2(MarksInRange(module, paper, min, max), qPrintable(QString::number(paper.number)));
            const bool mock = ModuleInfo::topicOf(paper.number) == 9;
            QVERIFY(mock || (paper.questions.size() >= 12 && paper.questions.size() <= 25));
            QVERIFY(paper.subAnswerCount() <= 80);
            int lastMarks = 0; // from one-mark questions to multi-step problems
            for (const QuestionInfo& q : paper.questions) {
                QVERIFY(q.keys.size() <= 12);
                QVERIFY(q.id.toInt() >= 16001 && q.id.toInt() <= 19448);
                QVERIFY(resources.contains(SolutionResource(q.id.toInt())));
                int marks = 0;
                for (const QByteArray& mark : q.marks)
                    marks += mark.toInt();
                QVERIFY(marks >= lastMarks);
                lastMarks = marks;
                for (const QByteArray& type : q.types)
                    types.insert(type);
            }
        }
    }
    for (const Sample& sample : samples()) {
        ++pages;
        withPictures += sample.pictures.isEmpty() ? 0 : 1;
    }
    QCOMPARE(types, (QSet<QByteArray>{"Q", "T", "N", "M", "G", "R", "F", "X"}));
    QVERIFY2(withPictures * 6 > pages && withPictures * 3 < pages,
             qPrintable(QString::number(withPictures)));
    // Every topic: fifteen kinds or more, no question twice.
    static const QRegularExpression topicLine(
        QStringLiteral("^    (.+): (\\d+) kinds, (\\d+) repeated"), QRegularExpression::MultilineOption);
    int topics = 0;
    const QString stats = PackageStats(m_dir.path());
    for (auto m = topicLine.globalMatch(stats); m.hasNext(); ++topics) {
        const QRegularExpressionMatch line = m.next();
        QVERIFY2(line.captured(2).toInt() >= 15 && line.captured(3) == QLatin1String("0"),
                 qPrintable(line.captured()));
    }
    QCOMPARE(topics, 30);
    QVERIFY(stats.contains(QLatin1String("All modules: 3 modules, 30 topics")));
}

void TestPackGenerate::everyKeyCanBeAnsweredRight()
{
    for (const ModuleInfo& module : m_package.modules) {
        for (const PaperInfo& paper : module.papers) {
            Fields keys, types, answers;
            for (const QuestionInfo& q : paper.questions) {
                keys += q.keys;
                types += q.types;
            }
            // A pupil's right answers: the key itself, an alternative, a group's members in turn.
            Fields group;
            for (int i = 0; i < keys.size(); ++i) {
                if (keys.at(i) != " ")
                    group = (types.at(i) == "M" || types.at(i) == "G") ? Alternatives(keys.at(i))
                                                                       : Fields{keys.at(i)};
                answers.append(group.isEmpty() ? QByteArray() : group.takeFirst());
            }
            for (int i = 0; i < keys.size(); ++i)
                QVERIFY2(
                    CheckSubAnswer(answers, keys, types, i) == QByteArray(1, '\xFC'),
                    qPrintable(
                        QStringLiteral("paper %1 sub-answer %2").arg(paper.number).arg(i + 1)));
        }
    }
}

void TestPackGenerate::sumsAgreeWithTheirKeys()
{
    // "Work out" sums shown large, and the sums of lettered parts.
    static const QRegularExpression display(QStringLiteral(
        "<p class=\"big\">(-?[\\d,.]+) (\\+|&minus;|&times;|&divide;) ([\\d,.]+)</p>"));
    static const QRegularExpression part(
        QStringLiteral("<td>(-?[\\d,.]+) (\\+|&minus;|&times;|&divide;) ([\\d,.]+)</td>"));
    int checked = 0;
    for (const Sample& s : samples()) {
        const QuestionInfo& q = s.question;
        if (q.keys.size() == 1 && s.html.contains(QLatin1String("Work out</p>"))) {
            const QRegularExpressionMatch m = display.match(s.html);
            if (m.hasMatch()) {
                QCOMPARE(KeyValue(q.keys.at(0), q.types.at(0)),
                         Work(m.captured(1), m.captured(2), m.captured(3)));
                ++checked;
            }
        }
        int k = 0;
        for (auto it = part.globalMatch(s.html); it.hasNext() && k < q.keys.size(); ++k) {
            const QRegularExpressionMatch m = it.next();
            QVERIFY2(std::fabs(KeyValue(q.keys.at(k), q.types.at(k)) -
                               Work(m.captured(1), m.captured(2), m.captured(3))) < 1e-9,
                     q.id.constData());
            ++checked;
        }
    }
    QVERIFY2(checked > 150, qPrintable(QString::number(checked)));
}

void TestPackGenerate::otherKeysAgreeWithTheText()
{
    static const QRegularExpression percentOf(QStringLiteral("What is (\\d+)% of (\\d+)\\?"));
    static const QRegularExpression roman(QStringLiteral("Write <b>(\\d+)</b> in Roman numerals"));
    static const QRegularExpression simplest(QStringLiteral(
        "<td><span class=\"fr\"><span>(\\d+)</span><span>(\\d+)</span></span></td>"));
    static const QRegularExpression label(QStringLiteral(">(\\d+)(?: cm| m|&#176;)</text>"));
    QMap<QString, int> checked;
    for (const Sample& s : samples()) {
        const QuestionInfo& q = s.question;
        if (const QRegularExpressionMatch m = percentOf.match(s.html); m.hasMatch()) {
            QCOMPARE(KeyValue(q.keys.at(0), q.types.at(0)),
                     m.captured(1).toDouble() * m.captured(2).toDouble() / 100);
            ++checked["percent"];
        }
        if (const QRegularExpressionMatch m = roman.match(s.html); m.hasMatch()) {
            QCOMPARE(Alternatives(q.keys.at(0)).first(), Roman(m.captured(1).toInt()).toLatin1());
            ++checked["roman"];
        }
        if (s.html.contains(QLatin1String("Write each fraction in its simplest form."))) {
            int k = 0;
            for (auto it = simplest.globalMatch(s.html); it.hasNext(); ++k) {
                const QRegularExpressionMatch m = it.next();
                const int a = m.captured(1).toInt(), b = m.captured(2).toInt(), g = Gcd(a, b);
                QCOMPARE(q.keys.at(k), QStringLiteral("%1/%2").arg(a / g).arg(b / g).toLatin1());
                ++checked["simplest"];
            }
        }
        if (s.pictures.size() != 1)
            continue;
        QList<int> labels;
        for (auto it = label.globalMatch(QString::fromUtf8(s.pictures.first())); it.hasNext();)
            labels.append(it.next().captured(1).toInt());
        if (s.html.contains(QLatin1String("Here is a rectangle ")) && labels.size() == 2) {
            QCOMPARE(KeyValue(q.keys.at(0), q.types.at(0)), 2.0 * (labels.at(0) + labels.at(1)));
            QCOMPARE(KeyValue(q.keys.at(1), q.types.at(1)), double(labels.at(0) * labels.at(1)));
            ++checked["rectangle"];
        }
        if (s.html.contains(QLatin1String("Two angles on a straight line")) && labels.size() == 1) {
            QCOMPARE(KeyValue(q.keys.at(0), q.types.at(0)), 180.0 - labels.at(0));
            ++checked["straight line"];
        }
        if (s.html.contains(QLatin1String("A triangle with two angles marked")) &&
            labels.size() == 2) {
            QCOMPARE(KeyValue(q.keys.at(0), q.types.at(0)), 180.0 - labels.at(0) - labels.at(1));
            ++checked["triangle"];
        }
    }
    for (const char* kind :
         {"percent", "roman", "simplest", "rectangle", "straight line", "triangle"})
        QVERIFY2(checked.value(QLatin1String(kind)) >= 5, kind);
}

void TestPackGenerate::picturesAreSvgParts()
{
    int cid = 0, http = 0;
    const FolderResources resources(m_dir.path());
    for (const Sample& s : samples()) {
        for (const QByteArray& picture : s.pictures)
            QVERIFY(picture.startsWith("<svg xmlns=\"http://www.w3.org/2000/svg\""));
        if (!s.pictures.isEmpty())
            (s.html.contains(QLatin1String("src=\"cid:")) ? cid : http) += 1;
        QVERIFY(std::none_of(s.html.cbegin(), s.html.cend(),
                             [](QChar c) { return c.unicode() > 127; }));
    }
    QVERIFY(cid > 50 && http > 50);
}

QTEST_GUILESS_MAIN(TestPackGenerate)
#include "tst_packgenerate.moc"
