// The results card's lines and print zones.
#include "report/resultscard.h"

#include "samplemodule.h"

#include <QtTest>

using namespace orlavine;

namespace {

MarksLists FreshMarks()
{
    MarksLists marks;
    marks.fill(Fields(50));
    return marks;
}

QByteArray Spaces(int n)
{
    return QByteArray(n, ' ');
}

} // namespace

class TestResultsCard : public QObject {
    Q_OBJECT

private slots:
    void zones_data();
    void zones();
    void tenTopicsGive125Lines();
    void paperLinesCarryTheMarks();
    void freshRecordsPrintLonePercent();
    void emptyTopicNamePrinted();
    void topicBlocksStayOnOnePage();
};

void TestResultsCard::zones_data()
{
    QTest::addColumn<CardLine>("line");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty line") << CardLine() << QList<int>{} << QByteArray();
    QTest::newRow("caption in zone 2")
        << CardLine{" ", "Practice"} << QList<int>{0, 14} << Spaces(14) + "Practice";
    QTest::newRow("rule in zone 2")
        << CardLine{"", kCardRule} << QList<int>{0, 14} << Spaces(14) + kCardRule;
    QTest::newRow("second heading")
        << CardLine{" ", " ", " ", "score", " ", " ", " ", "score"}
        << QList<int>{0, 14, 28, 42, 56, 70, 84, 98} << Spaces(42) + "score" + Spaces(51) + "score";
    QTest::newRow("13 characters stay in their zone")
        << CardLine{"1234567890123", "x"} << QList<int>{0, 14} << QByteArray("1234567890123 x");
    QTest::newRow("14 characters push on a zone")
        << CardLine{"12345678901234", "x"} << QList<int>{0, 28}
        << QByteArray("12345678901234") + Spaces(14) + "x";
    QTest::newRow("empty items keep their zones")
        << CardLine{"", "", "x"} << QList<int>{0, 14, 28} << Spaces(28) + "x";
}

void TestResultsCard::zones()
{
    QFETCH(CardLine, line);
    QFETCH(QList<int>, columns);
    QFETCH(QByteArray, text);
    QCOMPARE(ZoneColumns(line), columns);
    QCOMPARE(ZoneText(line), text);
}

void TestResultsCard::tenTopicsGive125Lines()
{
    const QList<CardLine> lines = ResultsCardLines("Test Practice", SampleModule(10), FreshMarks());
    QCOMPARE(lines.size(), 125);
    QCOMPARE(ZoneText(lines.at(2)), Spaces(14) + "Test Practice");
    for (int i : {0, 1, 3, 4})
        QVERIFY(lines.at(i).isEmpty());
    for (int t = 0; t < 10; ++t) {
        const int at = 5 + 12 * t;
        QVERIFY(lines.at(at).isEmpty());
        QVERIFY(lines.at(at + 1).isEmpty());
        QCOMPARE(lines.at(at + 2), (CardLine{" ", "Topic " + QByteArray::number(t + 1)}));
        QCOMPARE(ZoneText(lines.at(at + 3)), Spaces(14) + QByteArray(128, '-'));
        QCOMPARE(ZoneText(lines.at(at + 4)), Spaces(14) + "Papers" + Spaces(22) +
                                                 "First take    Time taken    Date" + Spaces(24) +
                                                 "Second take");
        QCOMPARE(ZoneText(lines.at(at + 5)), Spaces(42) + "score" + Spaces(51) + "score");
        QCOMPARE(lines.at(at + 6), lines.at(at + 3));
        for (int p = 1; p <= 5; ++p)
            QCOMPARE(lines.at(at + 6 + p).at(1), "Paper " + QByteArray::number(p));
    }
}

void TestResultsCard::paperLinesCarryTheMarks()
{
    MarksLists marks = FreshMarks();
    const int n = 5 * 1 + 3 - 1; // topic 2, paper 3
    marks[FSE][n] = "88.8";
    marks[SSE][n] = "100";
    marks[LTM][n] = "0:12:5";
    marks[CDD][n] = "30/12/2005";
    const QList<CardLine> lines = ResultsCardLines("Test Practice", SampleModule(2), marks);
    QCOMPARE(lines.size(), 5 + 2 * 12);
    const QByteArray expected = Spaces(14) + "Paper 3" + Spaces(21) + "88.8%" + Spaces(9) +
                                "0:12:5" + Spaces(8) + "30/12/2005" + Spaces(18) + "100%";
    QCOMPARE(ZoneText(lines.at(5 + 12 + 6 + 3)), expected);
}

void TestResultsCard::freshRecordsPrintLonePercent()
{
    const QList<CardLine> lines = ResultsCardLines("Test Practice", SampleModule(3), FreshMarks());
    int paperLines = 0;
    for (const CardLine& line : lines) {
        if (line.size() != 8 || !line.at(1).startsWith("Paper "))
            continue;
        ++paperLines;
        QCOMPARE(ZoneText(line), Spaces(14) + line.at(1) + Spaces(21) + "%" + Spaces(55) + "%");
    }
    QCOMPARE(paperLines, 15);
}

void TestResultsCard::emptyTopicNamePrinted()
{
    ModuleSettings module = SampleModule(2);
    module.topicNames[0].clear();
    const QList<CardLine> lines = ResultsCardLines("", module, FreshMarks());
    QCOMPARE(lines.at(2), (CardLine{" ", ""}));
    QCOMPARE(lines.at(7), (CardLine{" ", ""}));
    QCOMPARE(lines.at(7 + 12), (CardLine{" ", "Topic 2"}));
}

void TestResultsCard::topicBlocksStayOnOnePage()
{
    const QList<CardLine> lines = ResultsCardLines("Test Practice", SampleModule(10), FreshMarks());
    for (int perPage : {62, 20, 12, 7}) {
        const QList<QList<CardLine>> pages = CardPages(lines, perPage);
        QList<CardLine> all;
        int at = 0;
        for (const QList<CardLine>& page : pages) {
            QVERIFY(!page.isEmpty() && page.size() <= perPage);
            // A page ends at the end of a topic's block, or is full when blocks are longer.
            at += int(page.size());
            if (perPage >= kCardTopicLines && at < lines.size())
                QCOMPARE((at - kCardHeadingLines) % kCardTopicLines, 0);
            else if (at < lines.size())
                QCOMPARE(int(page.size()), perPage);
            all += page;
        }
        QCOMPARE(all, lines);
    }
}

QTEST_GUILESS_MAIN(TestResultsCard)
#include "tst_resultscard.moc"
