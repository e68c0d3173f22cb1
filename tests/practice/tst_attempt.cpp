// The attempt without its window: opening, storing and saving, the sheet of a question,
// marking and recording, the second attempt's carry-over, and files that go missing.
#include "marking/answersheet.h"
#include "marking/attempt.h"
#include "records/error.h"
#include "marking/numbers.h"
#include "recordsfixture.h"

#include <QtTest>

using namespace orlavine;

namespace {
const QByteArray R = kRightMark;
const QByteArray W = kWrongMark;

/// Opens an attempt and reads its records, as a window does.
Attempt Open(AttemptKind kind, int paper)
{
    Attempt attempt(kind, TestPaper(paper));
    attempt.readRecords();
    attempt.setStartTime(TestStart());
    return attempt;
}

/// Answers a whole paper, saves it and marks it twelve minutes and five seconds later.
MarkingOutcome AnswerAndMark(AttemptKind kind, int paper, const Fields& answers)
{
    Attempt attempt = Open(kind, paper);
    attempt.storeAnswers(0, answers);
    attempt.save();
    return *attempt.mark(TestStart().addSecs(12 * 60 + 5));
}
} // namespace

class TestAttempt : public QObject {
    Q_OBJECT

  private slots:
    void opensBlankPaper();
    void markWholePaper_data();
    void markWholePaper();
    void firstMarkingWritesEveryFile();
    void sheetOfEachKindOfQuestion();
    void remainingAndAnswered();
    void markingQuestion();
    void reopeningMarkedAttemptWritesNothing();
    void secondAttemptCarriesOver();
    void secondAttemptExpectedAnswers();
    void secondAttemptMarking();
    void fullyRightFirstAttempt();
    void trendRemovedBeforeMarking();
    void answerFileRemovedBeforeOpening();
    void refusedAnswerChangesNothing();
};

void TestAttempt::opensBlankPaper()
{
    RecordsFolder folder;
    const Attempt attempt = Open(AttemptKind::First, 101);
    QCOMPARE(attempt.questionCount(), 3);
    QCOMPARE(attempt.subAnswerTotal(), 3);
    QCOMPARE(attempt.content().totalMarks, 3);
    QCOMPARE(attempt.answers(), Fields(3));
    QCOMPARE(attempt.results(), Fields(3));
    QVERIFY(!attempt.isMarked());
    QCOMPARE(attempt.recordedPercent(), QByteArray());
    QCOMPARE(RemainingQuestions(attempt.answers(), attempt.content().subAnswerCounts),
             QList<int>({1, 2, 3}));
}

void TestAttempt::markWholePaper_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<Fields>("answers");
    QTest::addColumn<Fields>("results");
    QTest::addColumn<int>("score");
    QTest::addColumn<QByteArray>("percent");

    QTest::newRow("101 Q T N") << 101 << Fields{"3", "Lung", " 0.250"} << Fields{R, W, R} << 2
                               << QByteArray("66.7");
    QTest::newRow("102 alternatives and groups")
        << 102 << Fields{"gaseous", "Wood", "sand", "c", "a", "a", "react"}
        << Fields{R, R, R, R, R, W, R} << 6 << QByteArray("85.7");
    QTest::newRow("103 L X F R") << 103 << Fields{"Photosynthesis ", "1 1/2", "2 : 3", "ABC"}
                                 << Fields{R, R, R, W} << 3 << QByteArray("75");
    QTest::newRow("105 lists without a leading ;")
        << 105 << Fields{"wood", "blue", "red", "t", "-3.0"} << Fields{R, R, R, R, R} << 5
        << QByteArray("100");
    QTest::newRow("107 one question, nothing answered")
        << 107 << Fields{""} << Fields{W} << 0 << QByteArray("0");

    Fields answers;
    Fields results;
    const Fields question = {"1", "b", "3", "d", "1", "f", "3", "h", "1", "j"};
    for (int q = 0; q < 8; ++q)
        answers += question;
    answers[0] = "2"; // worth 2 marks
    answers[79] = "J";
    for (int i = 0; i < 80; ++i)
        results.append(i == 0 ? W : R);
    QTest::newRow("104 eighty sub-answers")
        << 104 << answers << results << 79 << QByteArray("97.5");

    Fields sixteen;
    Fields sixteenResults;
    for (char c = 'a'; c < 'a' + 16; ++c) {
        sixteen.append(QByteArray(1, c == 'p' ? 'x' : c));
        sixteenResults.append(c == 'p' ? W : R);
    }
    QTest::newRow("106 sixteen sub-answers")
        << 106 << sixteen << sixteenResults << 15 << QByteArray("93.8");
}

void TestAttempt::markWholePaper()
{
    QFETCH(int, paper);
    QFETCH(Fields, answers);
    QFETCH(Fields, results);
    QFETCH(int, score);
    QFETCH(QByteArray, percent);

    RecordsFolder folder;
    const MarkingOutcome outcome = AnswerAndMark(AttemptKind::First, paper, answers);
    QCOMPARE(outcome.score, score);
    QCOMPARE(outcome.percent, percent);
    QCOMPARE(outcome.timeTaken, QByteArray("0:12:5"));
    QCOMPARE(folder.read("first1TS.txt"), PaperFile(paper, answers));
    QCOMPARE(folder.read("fresults1TS.txt"), PaperFile(paper, results));
    const QByteArray date = ShortDateText(TestStart().date());
    QCOMPARE(folder.read("marks1TS.txt"),
             MarksFile(paper - 100, percent, "", "0:12:5", date, "1", "0"));
    QCOMPARE(folder.read("trend1TS.txt"), "#TRD#>" + percent + "\r\n");
}

void TestAttempt::firstMarkingWritesEveryFile()
{
    RecordsFolder folder;
    AnswerAndMark(AttemptKind::First, 101, {"3", "Lungs", "0.25"});
    AnswerAndMark(AttemptKind::First, 107, {"1"});
    // The second attempt files are untouched; the trend keeps the order of marking.
    QVERIFY(folder.read("second1TS.txt").startsWith("...\r\n"));
    QVERIFY(folder.read("sresults1TS.txt").startsWith("...\r\n"));
    QCOMPARE(folder.read("trend1TS.txt"), QByteArray("#TRD#>100>0\r\n"));
    const MarksLists marks = ReadMarksLists(1, "TS", 10);
    QCOMPARE(marks[FSE].mid(0, 7), Fields({"100", "", "", "", "", "", "0"}));
    QCOMPARE(marks[FST].mid(0, 8), Fields({"1", "0", "0", "0", "0", "0", "1", "0"}));
}

void TestAttempt::sheetOfEachKindOfQuestion()
{
    RecordsFolder folder;
    const Attempt p102 = Open(AttemptKind::First, 102);
    const QuestionSheet groups = SheetFor(p102, 3);
    QCOMPARE(groups.offset, 3);
    QCOMPARE(groups.count, 3);
    QCOMPARE(groups.frames.size(), 3);
    QCOMPARE(groups.frames.at(2).index, 5);
    QCOMPARE(groups.frames.at(0).type, QByteArray("G"));
    QCOMPARE(groups.frames.at(0).expected, QByteArray(";a;b;c")); // the key, as stored
    QVERIFY(!groups.longAnswer && !groups.instruction);

    const Attempt p103 = Open(AttemptKind::First, 103);
    QVERIFY(SheetFor(p103, 1).longAnswer);
    QVERIFY(!SheetFor(p103, 1).instruction);
    QVERIFY(SheetFor(p103, 2).instruction); // X
    QVERIFY(SheetFor(p103, 3).instruction); // F
    QVERIFY(!SheetFor(p103, 4).instruction && !SheetFor(p103, 4).longAnswer);

    const Attempt p106 = Open(AttemptKind::First, 106);
    QCOMPARE(SheetFor(p106, 1).frames.size(), 16);
    const Attempt p104 = Open(AttemptKind::First, 104);
    QCOMPARE(SheetFor(p104, 8).offset, 70);
    QCOMPARE(SheetFor(p104, 8).frames.size(), 10);
}

void TestAttempt::remainingAndAnswered()
{
    RecordsFolder folder;
    Attempt attempt = Open(AttemptKind::First, 102);
    const QList<int> counts = attempt.content().subAnswerCounts;
    attempt.storeAnswers(0, {"Gas"});
    attempt.storeAnswers(1, {"Sand", "   "}); // spaces: answered, yet the question remains
    attempt.storeAnswers(6, {"React"});
    QCOMPARE(RemainingQuestions(attempt.answers(), counts), QList<int>({2, 3}));
    QCOMPARE(AnsweredCount(attempt.answers()), 4);
    attempt.storeAnswers(3, {"a", "", "c"});
    QCOMPARE(RemainingQuestions(attempt.answers(), counts), QList<int>({2, 3}));
    QCOMPARE(AnsweredCount(attempt.answers()), 6);
    // Storing beyond the paper is ignored, never a failure.
    attempt.storeAnswers(6, {"x", "y"});
    QCOMPARE(attempt.answers().size(), 7);
}

void TestAttempt::markingQuestion()
{
    RecordsFolder folder;
    Attempt attempt = Open(AttemptKind::First, 101);
    QCOMPARE(
        attempt.markingQuestion(),
        QString(
            "You have not answered all the questions.  Do you still want to mark your practice?"));
    attempt.storeAnswers(0, {"1", "x", " "}); // a single space counts as an answer
    QCOMPARE(attempt.markingQuestion(), QString("Do you want to mark your practice now?"));
}

void TestAttempt::reopeningMarkedAttemptWritesNothing()
{
    RecordsFolder folder;
    AnswerAndMark(AttemptKind::First, 101, {"3", "Lung", "0.25"});
    const QStringList names = {"first1TS.txt", "fresults1TS.txt", "marks1TS.txt", "trend1TS.txt"};
    QStringList before;
    for (const QString& name : names)
        before << FileIdentity(folder.file(name));

    Attempt again = Open(AttemptKind::First, 101);
    QVERIFY(again.isMarked());
    QCOMPARE(again.recordedPercent(), QByteArray("66.7"));
    QCOMPARE(again.recordedTime(), QByteArray("0:12:5"));
    QCOMPARE(again.results(), Fields({R, W, R}));
    QCOMPARE(again.score(), 2);
    again.storeAnswers(0, {"4", "Lungs", "1"});
    again.save();
    QVERIFY(!again.mark(TestStart().addSecs(60)).has_value());
    QCOMPARE(again.answers(), Fields({"3", "Lung", "0.25"}));
    for (int k = 0; k < names.size(); ++k)
        QCOMPARE(FileIdentity(folder.file(names.at(k))), before.at(k));
}

void TestAttempt::secondAttemptCarriesOver()
{
    RecordsFolder folder;
    AnswerAndMark(AttemptKind::First, 102, {"gaseous", "Wood", "sand", "c", "a", "a", "Reply"});
    // An earlier, unmarked second attempt saved one answer of its own.
    folder.write("second1TS.txt", PaperFile(102, {"", "", "", "", "", "b", ""}));

    Attempt second = Open(AttemptKind::Second, 102);
    QVERIFY(!second.isMarked());
    QCOMPARE(second.answers(), Fields({"gaseous", "Wood", "sand", "c", "a", "b", ""}));
    QCOMPARE(second.results(), Fields({R, R, R, R, R, "", ""}));
    QCOMPARE(second.firstResults(), Fields({R, R, R, R, R, W, W}));
    QVERIFY(second.isCarried(0) && !second.isCarried(5));
    QCOMPARE(RemainingQuestions(second.answers(), second.content().subAnswerCounts),
             QList<int>({4}));

    // A carried answer is locked; the others take what is typed.
    second.storeAnswers(3, {"x", "y", "c"});
    second.storeAnswers(6, {"Respond"});
    QCOMPARE(second.answers(), Fields({"gaseous", "Wood", "sand", "c", "a", "c", "Respond"}));
    // Only the second file changes, with the carried answers in it.
    const QByteArray first = folder.read("first1TS.txt");
    second.save();
    QCOMPARE(folder.read("second1TS.txt"), PaperFile(102, second.answers()));
    QCOMPARE(folder.read("first1TS.txt"), first);
}

void TestAttempt::secondAttemptExpectedAnswers()
{
    RecordsFolder folder;
    AnswerAndMark(AttemptKind::First, 102, {"Solid", "Wood", "", "c", "a", "a", "Reply"});
    Attempt second = Open(AttemptKind::Second, 102);
    second.storeAnswers(2, {"Iron"});
    second.storeAnswers(5, {"d"});
    second.mark(TestStart().addSecs(30));
    // Shown for the sub-answers still wrong.
    QCOMPARE(second.results(), Fields({W, R, W, R, R, W, W}));
    const QList<std::pair<int, QByteArray>> wanted = {
        {0, "Gas"}, {2, "Sand"}, {5, "b"}, {6, "Respond"}};
    for (const auto& [i, text] : wanted)
        QCOMPARE(ExpectedAnswerText(second, i), text);
    QCOMPARE(SheetFor(second, 4).frames.at(0).expected, QByteArray("Respond"));

    // Paper 105: an M key without a leading ";" and a list written "Red ; Blue".
    AnswerAndMark(AttemptKind::First, 105, {"", "", "", "", ""});
    const Attempt other = Open(AttemptKind::Second, 105);
    QCOMPARE(ExpectedAnswerText(other, 0), QByteArray("Sand"));
    QCOMPARE(ExpectedAnswerText(other, 1), QByteArray("Red"));
    QCOMPARE(ExpectedAnswerText(other, 2), QByteArray("Blue"));
    QCOMPARE(ExpectedAnswerText(other, 4), QByteArray("-3"));
    // A first attempt shows the key as stored.
    QCOMPARE(ExpectedAnswerText(Open(AttemptKind::First, 105), 1), QByteArray("Red ; Blue"));
}

void TestAttempt::secondAttemptMarking()
{
    RecordsFolder folder;
    AnswerAndMark(AttemptKind::First, 101, {"3", "Lung", ""});
    const QByteArray trend = folder.read("trend1TS.txt");
    const QByteArray fresults = folder.read("fresults1TS.txt");

    Attempt second = Open(AttemptKind::Second, 101);
    QCOMPARE(
        second.markingQuestion(),
        QString(
            "You have not answered all the questions.  Do you still want to mark your practice?"));
    second.storeAnswers(1, {"lungs", "0.3"});
    QCOMPARE(second.markingQuestion(), QString("Do you want to mark your practice now?"));
    second.save();
    const MarkingOutcome outcome = *second.mark(TestStart().addSecs(3600));
    QCOMPARE(outcome.score, 2);
    QCOMPARE(outcome.percent, QByteArray("66.7"));
    QVERIFY(outcome.timeTaken.isEmpty() && outcome.date.isEmpty());
    QCOMPARE(folder.read("second1TS.txt"), PaperFile(101, {"3", "lungs", "0.3"}));
    QCOMPARE(folder.read("sresults1TS.txt"), PaperFile(101, {R, R, W}));
    const QByteArray date = ShortDateText(TestStart().date());
    QCOMPARE(folder.read("marks1TS.txt"), MarksFile(1, "33.3", "66.7", "0:12:5", date, "1", "1"));
    QCOMPARE(folder.read("trend1TS.txt"), trend);
    QCOMPARE(folder.read("fresults1TS.txt"), fresults);

    const Attempt reopened = Open(AttemptKind::Second, 101);
    QVERIFY(reopened.isMarked());
    QCOMPARE(reopened.recordedPercent(), QByteArray("66.7"));
    QCOMPARE(reopened.results(), Fields({R, R, W}));
    QCOMPARE(ExpectedAnswerText(reopened, 2), QByteArray("0.25"));
}

void TestAttempt::fullyRightFirstAttempt()
{
    RecordsFolder folder;
    AnswerAndMark(AttemptKind::First, 107, {"2"});
    Attempt second = Open(AttemptKind::Second, 107);
    QCOMPARE(second.answers(), Fields({"2"}));
    QVERIFY(second.isCarried(0));
    QCOMPARE(second.markingQuestion(), QString("Do you want to mark your practice now?"));
    second.save();
    QCOMPARE(second.mark(TestStart())->percent, QByteArray("100"));
    QCOMPARE(folder.read("sresults1TS.txt"), PaperFile(107, {R}));
}

void TestAttempt::trendRemovedBeforeMarking()
{
    RecordsFolder folder;
    Attempt attempt = Open(AttemptKind::First, 101);
    attempt.storeAnswers(0, {"3", "Lungs", "0.25"});
    attempt.save();
    const QByteArray results = folder.read("fresults1TS.txt");
    const QByteArray marks = folder.read("marks1TS.txt");
    QFile::remove(folder.file("trend1TS.txt"));

    QVERIFY_THROWS_EXCEPTION(Error, attempt.mark(TestStart()));
    QVERIFY(!attempt.isMarked());
    QCOMPARE(attempt.results(), Fields(3));
    QCOMPARE(folder.read("fresults1TS.txt"), results);
    QCOMPARE(folder.read("marks1TS.txt"), marks);
}

void TestAttempt::answerFileRemovedBeforeOpening()
{
    RecordsFolder folder;
    QFile::remove(folder.file("fresults1TS.txt"));
    Attempt attempt(AttemptKind::First, TestPaper(101));
    try {
        attempt.readRecords();
        QFAIL("a missing results file must be reported");
    } catch (const Error& e) {
        QCOMPARE(e.file(), folder.file("fresults1TS.txt"));
    }
    // A paper line too short for the paper is reported with its file.
    folder.write("first1TS.txt", PaperFile(101, {"1"}));
    QVERIFY_THROWS_EXCEPTION(Error, Attempt(AttemptKind::First, TestPaper(101)).readRecords());
}

void TestAttempt::refusedAnswerChangesNothing()
{
    RecordsFolder folder;
    Attempt attempt = Open(AttemptKind::First, 101);
    const QByteArray before = folder.read("first1TS.txt");
    attempt.storeAnswers(0, {"1>2"});
    QVERIFY_THROWS_EXCEPTION(Error, attempt.save());
    QCOMPARE(folder.read("first1TS.txt"), before);
}

QTEST_GUILESS_MAIN(TestAttempt)
#include "tst_attempt.moc"
