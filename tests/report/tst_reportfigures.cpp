// Report figures: averages, papers completed, strongest and weakest topic, trend values
// and where they fall on the plot.
#include "records/error.h"
#include "marking/attempt.h"
#include "report/practisenext.h"
#include "report/reportfigures.h"
#include "testfolder.h"
#include "report/trendplot.h"

#include <QtTest>

using namespace orlavine;

namespace {

/// A module of `topics` topics named "Topic 1".. unless names are given.
ModuleSettings Module(int topics, int papers = 50, const QList<QByteArray>& names = {})
{
    ModuleSettings module;
    module.label = "Module";
    module.topicCount = topics;
    module.paperCount = papers;
    for (int t = 0; t < topics; ++t)
        module.topicNames[t] =
            t < names.size() ? names.at(t) : "Topic " + QByteArray::number(t + 1);
    return module;
}

/// A 50-entry list with the scores of topic t (1-based) from its paper 1 on.
struct Scores {
    Fields list = Fields(50);
    Scores& topic(int t, const QList<QByteArray>& values)
    {
        for (int p = 0; p < values.size(); ++p)
            list[5 * (t - 1) + p] = values.at(p);
        return *this;
    }
};

QByteArray TrendLine(int entries)
{
    QByteArray line = "#TRD#";
    for (int i = 1; i <= entries; ++i)
        line += '>' + QByteArray::number(i);
    return line;
}

} // namespace

class TestReportFigures : public QObject {
    Q_OBJECT

private slots:
    void freshRecords();
    void averagesOverPapers();
    void topicWithSecondAttempts();
    void oneTopicAttempted();
    void ranking_data();
    void ranking();
    void onlyTopicsWithinCountAreCounted();
    void eightTopicsShowEightRows();
    void trendValues_data();
    void trendValues();
    void trendReadFromFile();
    void plotGeometry();
    void questionsToPractise();
};

void TestReportFigures::freshRecords()
{
    const ReportFigures f = ComputeReportFigures(Fields(50), Fields(50), Module(3, 15), "#TRD#");
    QCOMPARE(f.firstAverage, QByteArray("-"));
    QCOMPARE(f.secondAverage, QByteArray("-"));
    QCOMPARE(f.papersCompleted, QByteArray("0 / 15"));
    QCOMPARE(f.strongest, QByteArray("-"));
    QCOMPARE(f.weakest, QByteArray("-"));
    QVERIFY(f.trend.isEmpty());
    for (const TopicFigures& topic : f.topics) {
        QCOMPARE(topic.firstMark(), QByteArray());
        QCOMPARE(topic.secondMark(), QByteArray());
        QCOMPARE(topic.firstAverage(), 0.0);
        QCOMPARE(topic.secondAverage(), 0.0);
    }
}

void TestReportFigures::averagesOverPapers()
{
    // Topic 1 has three papers, topic 2 one: the overall average weighs papers, not topics.
    const Fields fse = Scores().topic(1, {"100", "100", "100"}).topic(2, {"0"}).list;
    const ReportFigures f = ComputeReportFigures(fse, Fields(50), Module(2, 10), "#TRD#");
    QCOMPARE(f.firstAverage, QByteArray("75%"));
    QCOMPARE(f.papersCompleted, QByteArray("4 / 10"));
    QCOMPARE(f.topics[0].firstMark(), QByteArray("100%"));
    QCOMPARE(f.topics[1].firstMark(), QByteArray("0%"));

    const Fields thirds = Scores().topic(1, {"66.7", "66.6", "66.7"}).list;
    QCOMPARE(ComputeReportFigures(thirds, Fields(50), Module(1), "").firstAverage,
             QByteArray("66.7%"));
}

void TestReportFigures::topicWithSecondAttempts()
{
    const Fields fse = Scores().topic(1, {"50", "70"}).topic(2, {"65"}).list;
    const Fields sse = Scores().topic(1, {"90"}).list;
    const ReportFigures f = ComputeReportFigures(fse, sse, Module(2), "#TRD#");
    const TopicFigures& topic = f.topics[0];
    QCOMPARE(topic.firstMark(), QByteArray("60%"));
    QCOMPARE(topic.secondMark(), QByteArray("90%"));
    QCOMPARE(topic.topicAverage(), 70.0);
    QCOMPARE(f.topics[1].secondMark(), QByteArray());
    // 65 lies between the first-attempt average 60 and the pooled 70: ranking uses the pooled one.
    QCOMPARE(f.strongest, QByteArray("Topic 1 "));
    QCOMPARE(f.weakest, QByteArray("Topic 2 "));
    QCOMPARE(f.firstAverage, QByteArray("61.7%"));
    QCOMPARE(f.secondAverage, QByteArray("90%"));
}

void TestReportFigures::oneTopicAttempted()
{
    const Fields fse = Scores().topic(2, {"40", "45"}).list;
    const ReportFigures f =
        ComputeReportFigures(fse, Scores().topic(2, {"80"}).list, Module(3), "");
    QCOMPARE(f.firstAverage, QByteArray("42.5%"));
    QCOMPARE(f.secondAverage, QByteArray("80%"));
    QCOMPARE(f.strongest, QByteArray("-"));
    QCOMPARE(f.weakest, QByteArray("-"));
}

void TestReportFigures::ranking_data()
{
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<QList<QByteArray>>("scores"); // one first-attempt score per topic, "" for none
    QTest::addColumn<QByteArray>("strongest");
    QTest::addColumn<QByteArray>("weakest");
    const QList<QByteArray> abc{"A", "B", "C"};
    QTest::newRow("first topic never attempted")
        << abc << QList<QByteArray>{"", "60", "80"} << QByteArray("C ") << QByteArray("B ");
    QTest::newRow("equal averages: the later wins both")
        << abc << QList<QByteArray>{"70", "70", ""} << QByteArray("B ") << QByteArray("B ");
    QTest::newRow("three equal") << abc << QList<QByteArray>{"50", "50", "50"} << QByteArray("C ")
                                 << QByteArray("C ");
    QTest::newRow("mock examination passed over")
        << QList<QByteArray>{"A", "B", "Mock Examination"} << QList<QByteArray>{"60", "80", "95"}
        << QByteArray("B ") << QByteArray("A ");
    QTest::newRow("low mock examination passed over")
        << QList<QByteArray>{"A", "Mock Examination", "B"} << QList<QByteArray>{"60", "5", "80"}
        << QByteArray("B ") << QByteArray("A ");
    QTest::newRow("mock examination counts as attempted")
        << QList<QByteArray>{"A", "Mock Examination"} << QList<QByteArray>{"60", "90"}
        << QByteArray("A ") << QByteArray("A ");
    QTest::newRow("name compared with letter case")
        << QList<QByteArray>{"A", "mock examination"} << QList<QByteArray>{"60", "90"}
        << QByteArray("mock examination ") << QByteArray("A ");
    QTest::newRow("empty name") << QList<QByteArray>{"A", ""} << QList<QByteArray>{"60", "90"}
                                << QByteArray(" ") << QByteArray("A ");
}

void TestReportFigures::ranking()
{
    QFETCH(QList<QByteArray>, names);
    QFETCH(QList<QByteArray>, scores);
    QFETCH(QByteArray, strongest);
    QFETCH(QByteArray, weakest);
    Scores fse;
    for (int t = 0; t < scores.size(); ++t)
        fse.topic(t + 1, {scores.at(t)});
    const ReportFigures f =
        ComputeReportFigures(fse.list, Fields(50), Module(int(names.size()), 50, names), "");
    QCOMPARE(f.strongest, strongest);
    QCOMPARE(f.weakest, weakest);
}

void TestReportFigures::onlyTopicsWithinCountAreCounted()
{
    const Fields fse = Scores().topic(1, {"50"}).topic(2, {"90"}).topic(3, {"10"}).list;
    const ReportFigures f = ComputeReportFigures(fse, fse, Module(2, 10), "");
    QCOMPARE(f.papersCompleted, QByteArray("2 / 10"));
    QCOMPARE(f.firstAverage, QByteArray("70%"));
    QCOMPARE(f.topics[2].count1, 0);
    QCOMPARE(f.topics[2].count2, 0);
    QCOMPARE(f.weakest, QByteArray("Topic 1 "));
}

void TestReportFigures::eightTopicsShowEightRows()
{
    const ReportFigures f = ComputeReportFigures(Fields(50), Fields(50), Module(8), "");
    for (int t = 0; t < 10; ++t) {
        QCOMPARE(f.topics[t].shown, t < 8);
        QCOMPARE(f.topics[t].name.isEmpty(), t >= 8);
    }
}

void TestReportFigures::trendValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<double>>("values");
    QTest::newRow("fresh") << QByteArray("#TRD#") << QList<double>{};
    QTest::newRow("no line") << QByteArray() << QList<double>{};
    QTest::newRow("lone >") << QByteArray("#TRD#>") << QList<double>{};
    QTest::newRow("two") << QByteArray("#TRD#>66.7>100") << QList<double>{66.7, 100};
    QTest::newRow("trailing >") << QByteArray("#TRD#>50>0>") << QList<double>{50, 0};
    QTest::newRow("empty entry") << QByteArray("#TRD#>50>>70") << QList<double>{50, 0, 70};
    QList<double> twenty;
    for (int i = 1; i <= 20; ++i)
        twenty.append(i);
    QTest::newRow("twenty") << TrendLine(20) << twenty;
    QList<double> last20;
    for (int i = 6; i <= 25; ++i)
        last20.append(i);
    QTest::newRow("25: entries 6..25") << TrendLine(25) << last20;
    QList<double> beyond;
    for (int i = 41; i <= 60; ++i)
        beyond.append(i);
    QTest::newRow("more than 50") << TrendLine(60) << beyond;
}

void TestReportFigures::trendValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<double>, values);
    QCOMPARE(TrendValues(line), values);
}

void TestReportFigures::trendReadFromFile()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, QDateTime::currentDateTime());
    folder.write("trend2" + QString::fromLatin1(settings.code) + ".txt", "#TRD#>55.5>100\r\n");
    MarksLists marks;
    marks.fill(Fields(50));
    const ReportFigures f = LoadReportFigures(marks, settings.module(2), 2, settings.code);
    QCOMPARE(f.trend, (QList<double>{55.5, 100}));
    QCOMPARE(f.papersCompleted, QByteArray("0 / 15"));
    QCOMPARE(f.topics[2].name, QByteArray("Mock Examination"));

    QFile::remove(LearnerFilePath(LearnerFile::Trend, 2, settings.code));
    QVERIFY_THROWS_EXCEPTION(Error, LoadReportFigures(marks, settings.module(2), 2, settings.code));
}

void TestReportFigures::plotGeometry()
{
    const QSizeF size(420, 200); // xStep 20, yStep 2
    const QList<QPointF> points = TrendPlotPoints(TrendValues(TrendLine(25)), size);
    QCOMPARE(points.size(), 20);
    QCOMPARE(points.first(), QPointF(20, (100 - 6) * 2));
    QCOMPARE(points.last(), QPointF(20 * 20, (100 - 25) * 2));

    const QList<QPointF> edges = TrendPlotPoints({100, 0, 120, -5}, size);
    QCOMPARE(edges.at(0).y(), 0.0);
    QCOMPARE(edges.at(1).y(), 200.0);
    QCOMPARE(edges.at(2).y(), 0.0);
    QCOMPARE(edges.at(3).y(), 200.0);

    const QList<double> grid = TrendGridLines(size);
    QCOMPARE(grid.size(), 9);
    QCOMPARE(grid.first(), 20.0);
    QCOMPARE(grid.last(), 180.0);
}

void TestReportFigures::questionsToPractise()
{
    TestFolder folder;
    const PackageSettings settings = ReadSettings();
    EnsureLearnerRecords(settings, QDateTime::currentDateTime());
    const ModuleSettings& module = settings.module(1);
    const auto markPaper = [&](AttemptKind kind, const Fields& answers) {
        Attempt attempt(kind, PaperRef{1, settings.code, 101, module.paperCount});
        attempt.readRecords();
        attempt.storeAnswers(0, answers);
        attempt.save();
        QVERIFY(attempt.mark(QDateTime::currentDateTime()));
    };
    const auto practise = [&] {
        return LoadQuestionsToPractise(ReadMarksLists(1, settings.code, module.paperCount), module,
                                       1, settings.code)[0];
    };
    QVERIFY(practise().isEmpty()); // nothing marked yet

    // Keys of paper 101: 3, Lungs, 0.25.
    markPaper(AttemptKind::First, {"3", "Heart", "0.5"});
    QList<WrongQuestion> wrong = practise();
    QCOMPARE(wrong.size(), 2);
    QCOMPARE(wrong.at(0).question, 2);
    QCOMPARE(wrong.at(0).answer, QByteArray("Heart"));
    QCOMPARE(wrong.at(0).expected, QByteArray("Lungs"));
    QCOMPARE(wrong.at(1).expected, QByteArray("0.25"));

    // The second attempt corrects question 2; question 1, right at first, is carried over.
    markPaper(AttemptKind::Second, {"", "Lungs", "0.3"});
    wrong = practise();
    QCOMPARE(wrong.size(), 1);
    QCOMPARE(wrong.at(0).question, 3);
    QCOMPARE(wrong.at(0).attempt, AttemptKind::Second);
    QCOMPARE(wrong.at(0).answer, QByteArray("0.3"));

    // A paper with every answer right has nothing to practise.
    PaperContent content;
    content.questionIds = {"1", "2"};
    content.subAnswerCounts = {1, 2};
    content.keys = {"4", ";a;b", " "};
    content.types = {"N", "G", "G"};
    const Fields right(3, kRightMark);
    QVERIFY(WrongInPaper(content, 101, false, {"4", "a", "b"}, right, {}, {}).isEmpty());
    const QList<WrongQuestion> group =
        WrongInPaper(content, 101, false, {"4", "a", "c"}, {kRightMark, kRightMark, kWrongMark}, {}, {});
    QCOMPARE(group.size(), 1);
    QCOMPARE(group.at(0).answer, QByteArray("(b) c"));
    QCOMPARE(group.at(0).expected, QByteArray("(b) b"));
}

QTEST_GUILESS_MAIN(TestReportFigures)
#include "tst_reportfigures.moc"
