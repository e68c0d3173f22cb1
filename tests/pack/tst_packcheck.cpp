// The package checker: passes the test package, reports each kind of defect where it
// is, and never fails on a broken folder.
#include "check.h"
#include "records/resources.h"
#include "testfolder.h"

#include <QProcess>
#include <QtTest>

#include <functional>

using namespace orlavine;
using namespace orlavine::pack;

namespace {

/// A copy of the test package to damage. Written byte by byte: CopyTestPackage's
/// QFile::copy syncs every file to disk, a second a copy, too slow for forty copies.
void FreshCopy(const QString& target)
{
    const QDir source(TestPackageFolder());
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile in(source.filePath(name));
        QFile out(QDir(target).filePath(name));
        QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
        out.write(in.readAll());
    }
}

QString FileOf(const QString& dir, int id)
{
    return FolderResources(dir).fileOf(id);
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

/// Replaces `from` by `to` in the file of resource `id`; `from` must be there.
void Replace(const QString& dir, int id, const QByteArray& from, const QByteArray& to)
{
    const QString path = FileOf(dir, id);
    QByteArray bytes = Read(path);
    QVERIFY2(bytes.contains(from), from.constData());
    Write(path, bytes.replace(from, to));
}

/// Appends `count` fields to the line of question `key` in the three answer tables of module 1.
void AddFields(const QString& dir, const QByteArray& key, int count)
{
    const QByteArray values[] = {">x", ">T", ">1"};
    for (int t = 0; t < 3; ++t) {
        const QString path = FileOf(dir, 30013 + t);
        QByteArray bytes = Read(path);
        const qsizetype start = bytes.indexOf("#" + key + "#");
        const qsizetype end = bytes.indexOf("\r\n", start);
        QVERIFY(start >= 0 && end > start);
        Write(path, bytes.insert(end, values[t].repeated(count)));
    }
}

struct Defect {
    const char* name;
    std::function<void(const QString&)> damage;
    int resource, paper, question;
    const char* fragment;
};

QList<Defect> Defects()
{
    auto replace = [](int id, const QByteArray& from, const QByteArray& to) {
        return [=](const QString& dir) { Replace(dir, id, from, to); };
    };
    auto remove = [](int id) {
        return [=](const QString& dir) { QVERIFY(QFile::remove(FileOf(dir, id))); };
    };
    auto overwrite = [](int id, const QByteArray& bytes) {
        return [=](const QString& dir) { Write(FileOf(dir, id), bytes); };
    };
    return {
        {"topic count", replace(30000, "#TT1#>2", "#TT1#>11"), 30000, 0, 0,
         "TT1 must be a whole number from 1 to 10"},
        {"no name", replace(30000, "#NME#", "#NMX#"), 30000, 0, 0,
         "NME, the package name, is missing"},
        {"code", replace(30000, "#COD#>TS", "#COD#>T/S"), 30000, 0, 0,
         "cannot be part of a file name"},
        {"papers beyond topics", replace(30000, "#TP1#>10", "#TP1#>12"), 30000, 0, 0,
         "TP1 is 12, but 2 topics hold only 10 papers"},
        {"topic names", replace(30000, "#TN1#>Numbers>Words", "#TN1#>Numbers"), 30000, 0, 0,
         "TN1 must hold 2 topic names"},
        {"paper table missing", remove(30012), 30012, 0, 0,
         "the paper table of module 1 is missing"},
        {"type table missing", remove(30014), 30014, 0, 0,
         "the answer-type table of module 1 is missing"},
        {"paper missing", replace(30012, "#103#>16008>16009>16010>16011\r\n", ""), 30012, 103, 0,
         "missing from the paper table"},
        {"bad question id", replace(30012, ">16002>", ">16x02>"), 30012, 101, 2,
         "is not a question id"},
        {"question out of order",
         replace(30013, "#16005#>;Sand;Wood> \r\n#16006#>;a;b;c> > ",
                 "#16006#>;a;b;c> > \r\n#16005#>;Sand;Wood> "),
         30013, 102, 3, "stands before the question before it"},
        {"question missing from marks", replace(30015, "#16022#>1\r\n", ""), 30015, 105, 3,
         "missing from the marks table"},
        {"field counts", replace(30014, "#16002#>T", "#16002#>T>T"), 30014, 101, 2,
         "1 keys, 2 answer types and 1 marks"},
        {"choice key", replace(30013, "#16001#>3", "#16001#>7"), 30013, 101, 1,
         "is not a choice from 1 to 4"},
        {"number key", replace(30013, "#16003#>0.25", "#16003#>a quarter"), 30013, 101, 3,
         "is not a number"},
        {"empty key", replace(30013, "#16002#>Lungs", "#16002#> "), 30013, 101, 2,
         "key of sub-answer 2 is empty"},
        {"unknown type", replace(30014, "#16002#>T", "#16002#>Z"), 30014, 101, 2,
         "unknown answer type \"Z\""},
        {"marks not whole", replace(30015, "#16002#>1", "#16002#>one"), 30015, 101, 2,
         "are not a whole number"},
        {"no marks", replace(30015, "#16025#>1", "#16025#>0"), 30015, 107, 0,
         "total marks are not above zero"},
        {"follow-on without head", replace(30013, "#16004#>;Gas;Gaseous", "#16004#> "), 30013, 102,
         1, "no group head"},
        {"group too small", replace(30013, "#16006#>;a;b;c", "#16006#>;a;b"), 30013, 102, 3,
         "only 2 different alternatives"},
        {"paper too long", [](const QString& dir) { AddFields(dir, "16012", 1); }, 30012, 104, 0,
         "81 sub-answers; at most 80"},
        {"question too long", [](const QString& dir) { AddFields(dir, "16024", 5); }, 30013, 106, 1,
         "21 sub-answers; at most 20"},
        {"page missing", remove(16001), 16001, 101, 1, "the question's page is missing"},
        {"damaged worked solution", overwrite(26002, "garbage"), 26002, 101, 2,
         "the worked solution: "},
        {"worked solution of no question",
         [](const QString& dir) { Write(QDir(dir).filePath("29990.mht"), Read(FileOf(dir, 26001))); },
         29990, 0, 0, "a worked solution for question 19990, which no paper holds"},
        {"page of garbage",
         overwrite(16002, QByteArray("\x89\x01garbage\0\xff>#", 14).repeated(50)), 16002, 101, 2,
         "not a MIME document"},
        {"page cut short",
         [](const QString& dir) {
             const QString f = FileOf(dir, 16003);
             Write(f, Read(f).left(Read(f).size() - 20));
         },
         16003, 101, 3, "closing boundary"},
        {"picture in a local file",
         replace(16007, "Content-Location: http://orlavine.example/picture1.gif",
                 "Content-Location: file:///C:/p/picture1.gif"),
         16007, 102, 4, "a local file the viewer refuses to show"},
        {"picture not in the page",
         replace(16003, "src=3D\"picture1.gif\"", "src=3D\"picture2.gif\""), 16003, 101, 3,
         "\"picture2.gif\", which is not among the parts"},
        {"bad quoted-printable", replace(16001, "<h2>", "=ZZ<h2>"), 16001, 101, 1,
         "not valid quoted-printable"},
        {"window picture missing", remove(88), 88, 0, 0, "the picture info_mark.gif is missing"},
        {"window picture damaged", overwrite(82, "garbage"), 82, 0, 0,
         "the picture Handle.bmp is not a BMP file"},
        {"trend template", replace(30116, "#TRD#", "#TRD#\r\n"), 30116, 0, 0,
         "exactly \"#TRD#\" with no line end"},
        {"answer template", replace(30112, "#103#>>>>", "#103#>>>"), 30112, 103, 0,
         "exactly 4 empty fields"},
        {"marks template", replace(30111, "#FST#>0>0", "#FST#>1>0"), 30111, 0, 0,
         "FST line of the marks template must be \"0\""},
        {"template missing", remove(30124), 30124, 0, 0, "the learner-record template is missing"},
    };
}

bool Reported(const QList<Problem>& problems, const Defect& defect)
{
    for (const Problem& p : problems) {
        if (!p.warning && p.resource == defect.resource && p.paper == defect.paper &&
            p.question == defect.question && p.message.contains(QLatin1String(defect.fragment)))
            return true;
    }
    return false;
}

QString Listing(const QList<Problem>& problems)
{
    QStringList lines;
    for (const Problem& p : problems)
        lines.append(p.text());
    return lines.join(QLatin1Char('\n'));
}

int RunTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(ORLAVINE_PACK_TOOL), arguments);
    if (!tool.waitForFinished(60000))
        return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

} // namespace

class TestPackCheck : public QObject {
    Q_OBJECT

private slots:
    void testPackagePasses();
    void reportsDefect_data();
    void reportsDefect();
    void warnsOfPapersUnlikeRealOnes();
    void warnsOfMarksOnlyForOutliers_data();
    void warnsOfMarksOnlyForOutliers();
    void problemText();
    void warnsOfEmptyAlternative();
    void solutionPicturesAreOptional();
    void brokenFoldersNeverCrash_data();
    void brokenFoldersNeverCrash();
    void exitStatus();
};

void TestPackCheck::testPackagePasses()
{
    const QList<Problem> problems = CheckPackage(TestPackageFolder());
    int errors = 0;
    for (const Problem& p : problems)
        errors += p.warning ? 0 : 1;
    QVERIFY2(errors == 0, qPrintable(Listing(problems)));
    // The two lists written without a leading ";" are read as pieces, and said so. Its
    // papers, a few questions each, are all unlike real ones: a teacher's short papers.
    QCOMPARE(problems.size(), 2);
    QCOMPARE(problems.first().questionId, QByteArray("16020"));
}

void TestPackCheck::warnsOfMarksOnlyForOutliers_data()
{
    QTest::addColumn<QList<int>>("marks"); // of papers 101 to 110; the last topic the mock
    QTest::addColumn<QString>("warned");
    QTest::newRow("one outlier") << QList<int>{40, 35, 31, 50, 81, 70, 60, 65, 80, 75}
                                 << QStringLiteral("1 of the papers have marks unlike a real "
                                                   "paper's (30 to 50 a topic paper, 60 to 80 the "
                                                   "mock examination, the last topic): 105 (81)");
    QTest::newRow("short papers") << QList<int>{6, 5, 40, 4, 5, 9, 8, 70, 7, 6} << QString();
}

void TestPackCheck::warnsOfMarksOnlyForOutliers()
{
    QFETCH(QList<int>, marks);
    QFETCH(QString, warned);
    ModuleInfo module;
    module.number = 1;
    module.topicCount = 2;
    for (int p = 0; p < marks.size(); ++p)
        module.papers.append({101 + p, {{"1", {"1"}, {"N"}, {QByteArray::number(marks.at(p))}}}, true});
    QTemporaryDir empty;
    Findings findings;
    CheckPapers(FolderResources(empty.path()), module, findings);
    QCOMPARE(findings.problems().isEmpty() ? QString() : findings.problems().first().message,
             warned);
}

void TestPackCheck::warnsOfPapersUnlikeRealOnes()
{
    QTemporaryDir dir;
    FreshCopy(dir.path());
    Replace(dir.path(), 16004, "Test question 16004.", "Test question 16001.");
    Replace(dir.path(), 16003, "Test question 16003.", "How long is the rope in cm?");
    const QString problems = Listing(CheckPackage(dir.path()));
    QVERIFY2(problems.contains(QLatin1String("warning: resource 16004, paper 102, question 1 "
                                             "(16004): the same question as question 1 of paper "
                                             "101 (16001)")),
             qPrintable(problems));
    QVERIFY2(problems.contains(QLatin1String("question 3 (16003): the page asks for an answer "
                                             "in cm but does not print cm")),
             qPrintable(problems));
}

void TestPackCheck::reportsDefect_data()
{
    QTest::addColumn<int>("index");
    const QList<Defect> defects = Defects();
    for (int i = 0; i < defects.size(); ++i)
        QTest::newRow(defects.at(i).name) << i;
}

void TestPackCheck::reportsDefect()
{
    QFETCH(int, index);
    const Defect defect = Defects().at(index);
    QTemporaryDir dir;
    FreshCopy(dir.path());
    defect.damage(dir.path());
    const QList<Problem> problems = CheckPackage(dir.path());
    QVERIFY2(Reported(problems, defect), qPrintable(Listing(problems)));
}

void TestPackCheck::problemText()
{
    const Problem problem{false, 30013,   104,
                          5,     "16087", QStringLiteral("key \"7\" is not a choice from 1 to 4")};
    QCOMPARE(problem.text(), QStringLiteral("error: resource 30013, paper 104, question 5 (16087): "
                                            "key \"7\" is not a choice from 1 to 4"));
    const Problem warning{true, 30000, 0, 0, {}, QStringLiteral("x")};
    QCOMPARE(warning.text(), QStringLiteral("warning: resource 30000: x"));
}

void TestPackCheck::solutionPicturesAreOptional()
{
    // A package made before the worked solution's button still passes, with a warning.
    QTemporaryDir dir;
    FreshCopy(dir.path());
    QVERIFY(QFile::remove(FileOf(dir.path(), 94)));
    const QList<Problem> problems = CheckPackage(dir.path());
    const auto it = std::find_if(problems.cbegin(), problems.cend(),
                                 [](const Problem& p) { return p.resource == 94; });
    QVERIFY2(it != problems.cend() && it->warning, qPrintable(Listing(problems)));
    QVERIFY(std::none_of(problems.cbegin(), problems.cend(),
                         [](const Problem& p) { return !p.warning; }));
}

void TestPackCheck::warnsOfEmptyAlternative()
{
    QTemporaryDir dir;
    FreshCopy(dir.path());
    Replace(dir.path(), 30013, "#16004#>;Gas;Gaseous", "#16004#>;Gas;Gaseous;");
    const QList<Problem> problems = CheckPackage(dir.path());
    const auto it = std::find_if(problems.cbegin(), problems.cend(),
                                 [](const Problem& p) { return p.questionId == "16004"; });
    QVERIFY(it != problems.cend());
    QVERIFY(it->warning);
    QVERIFY(it->message.contains(QLatin1String("an empty answer is marked right")));
}

void TestPackCheck::brokenFoldersNeverCrash_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("empty folder") << 0;
    QTest::newRow("every file garbage") << 1;
    QTest::newRow("every file cut in half") << 2;
    QTest::newRow("every other file missing") << 3;
    QTest::newRow("tables of record markers") << 4;
}

void TestPackCheck::brokenFoldersNeverCrash()
{
    QFETCH(int, kind);
    QTemporaryDir dir;
    if (kind != 0)
        FreshCopy(dir.path());
    const QStringList names = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    for (int i = 0; i < names.size(); ++i) {
        const QString path = QDir(dir.path()).filePath(names.at(i));
        const QByteArray bytes = Read(path);
        if (kind == 1)
            Write(path, QByteArray::number(i * 7919).repeated(i % 13) +
                            QByteArray("\xfe\x00>#\r", 5).repeated(i % 7));
        else if (kind == 2)
            Write(path, bytes.left(bytes.size() / 2));
        else if (kind == 3 && i % 2 == 0)
            QFile::remove(path);
        else if (kind == 4 && names.at(i).endsWith(QLatin1String(".txt")))
            Write(
                path,
                "#101#>#16001#>>>\r\n#TT1#>99\r\n#TP1#>-4\r\n#LAH#>x\r\n#16001#\r\n>>>>>>>>>>\r\n");
    }
    const QList<Problem> problems = CheckPackage(dir.path());
    QVERIFY(!problems.isEmpty());
    int errors = 0;
    for (const Problem& p : problems)
        errors += p.warning ? 0 : 1;
    QVERIFY(errors > 0);
}

void TestPackCheck::exitStatus()
{
    QCOMPARE(RunTool({QStringLiteral("check"), TestPackageFolder()}), 0);
    QTemporaryDir dir;
    FreshCopy(dir.path());
    Replace(dir.path(), 30013, "#16001#>3", "#16001#>9");
    QCOMPARE(RunTool({QStringLiteral("check"), dir.path()}), 1);
    QCOMPARE(RunTool({QStringLiteral("check"), dir.filePath(QStringLiteral("no-such-folder"))}), 2);
    QCOMPARE(RunTool({QStringLiteral("frobnicate")}), 2);
}

QTEST_GUILESS_MAIN(TestPackCheck)
#include "tst_packcheck.moc"
