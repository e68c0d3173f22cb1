// Marking in the practice windows: the two questions, declining, the animation (and
// closing during it), the files afterwards, the locked state, reopening a marked attempt,
// and the second attempt's carry-over, locks, colours and expected answers.
#include "practice/answerbox.h"
#include "practice/answerframe.h"
#include "marking/clock.h"
#include "practice/markingpanel.h"
#include "marking/numbers.h"
#include "chrome/picturebutton.h"
#include "practicefixture.h"
#include "testfolder.h"
#include "practice/resultmark.h"
#include "chrome/twips.h"

#include <QLabel>
#include <QWebEngineView>

using namespace orlavine;

namespace {
const QByteArray R = kRightMark;
const QByteArray W = kWrongMark;
const QString kUnanswered =
    "You have not answered all the questions.  Do you still want to mark your practice?";
const QString kMarkNow = "Do you want to mark your practice now?";

/// Answers paper 101 as shown (one box per question) and marks it with Yes.
void AnswerAndMark(PracticeWindow* w, const QStringList& answers)
{
    for (int q = 0; q < answers.size(); ++q) {
        PracticeSession::type(w, 1, answers.at(q));
        if (q + 1 < answers.size())
            PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    }
    PracticeSession::press(w, 2);
}

QString TextOf(const QWidget* window, const char* name)
{
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

AnswerFrame* Frame(const PracticeWindow* w, int k)
{
    return w->findChild<AnswerFrame*>(QString("Frame%1").arg(k));
}

} // namespace

class TestPracticeMarking : public QObject {
    Q_OBJECT

  private slots:
    void declineKeepsOnlyTheSave();
    void markingWritesEveryFile();
    void animationShowsFifteenBars();
    void closingDuringTheAnimationMarksFirst();
    void reopeningMarkedAttemptWritesNothing();
    void secondAttemptCarriesOver();
    void secondAttemptMarked();
    void secondAttemptOfAFullyRightPaper();
    void trendRemovedBeforeMarkingIsReported();
    void workedSolutionsOnceMarked();
};

void TestPracticeMarking::declineKeepsOnlyTheSave()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    const QByteArray marks = s.folder.read("marks1TS.txt");
    s.answer({2});
    PracticeSession::type(w, 1, "3");
    PracticeSession::press(w, 2);
    QCOMPARE(s.answers()->titles, QStringList({"Marking"}));
    QCOMPARE(s.answers()->messages, QStringList({kUnanswered}));
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(101, {"3", "", ""}));
    QCOMPARE(s.folder.read("marks1TS.txt"), marks);
    QVERIFY(s.folder.read("fresults1TS.txt").startsWith("...\r\n"));
    QVERIFY(!w->attempt().isMarked());
    QVERIFY(!w->findChild<AnswerBox*>("FA1")->isReadOnly());
}

void TestPracticeMarking::markingWritesEveryFile()
{
    QDateTime now = TestStart();
    SetClock([&now] { return now; });
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    PracticeSession::type(w, 1, "3");
    PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    PracticeSession::type(w, 1, "Lung");
    PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    PracticeSession::type(w, 1, " 0.250");
    now = TestStart().addSecs(12 * 60 + 5);
    PracticeSession::press(w, 2);
    SetClock(nullptr);
    QCOMPARE(s.answers()->messages, QStringList({kMarkNow}));

    const QByteArray date = ShortDateText(TestStart().date());
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(101, {"3", "Lung", " 0.250"}));
    QCOMPARE(s.folder.read("fresults1TS.txt"), PaperFile(101, {R, W, R}));
    QCOMPARE(s.folder.read("marks1TS.txt"), MarksFile(1, "66.7", "", "0:12:5", date, "1", "0"));
    QCOMPARE(s.folder.read("trend1TS.txt"), QByteArray("#TRD#>66.7\r\n"));

    QCOMPARE(TextOf(w, "Scoring"), QString("2"));
    QCOMPARE(TextOf(w, "PScoring"), QString("66.7"));
    QCOMPARE(TextOf(w, "LTime"), QString("0:12:5"));
    QCOMPARE(TextOf(w, "ETime"), QString::fromLatin1(date));
    QVERIFY(w->findChild<QWidget*>("LTime")->isVisible());
    QVERIFY(!w->findChild<QWidget*>("lblClock")->isVisible());
    QVERIFY(!w->findChild<QWidget*>("lblDate")->isVisible());
    QVERIFY(!w->findChild<QWidget*>("TxtRem")->isVisible());
    QVERIFY(w->attempt().isMarked());
    QVERIFY(w->findChild<AnswerBox*>("FA1")->isReadOnly());
    QCOMPARE(w->findChild<ResultMark*>("FR1")->mark(), R);
    QVERIFY(w->findChild<ResultMark*>("FR1")->isVisible());

    // Save and Mark show their disabled pictures and do nothing; Back still works.
    auto* save = w->findChild<PictureButton*>("ToolBar01");
    QTRY_COMPARE(save->picture(), QString("save_disabled.bmp"));
    QCOMPARE(w->findChild<PictureButton*>("ToolBar02")->picture(), QString("mark_disabled.bmp"));
    QVERIFY(!save->isEnabled());
    w->markPaper();
    QCOMPARE(s.answers()->messages.size(), 1);
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->previousQuestion(); }));
    QCOMPARE(w->findChild<ResultMark*>("FR1")->mark(), W);
    QCOMPARE(s.folder.read("trend1TS.txt"), QByteArray("#TRD#>66.7\r\n"));
}

void TestPracticeMarking::animationShowsFifteenBars()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 107);
    MarkingPanel::SetPause(20);
    auto* panel = w->findChild<MarkingPanel*>("fmeMark");
    QList<int> seen;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        int shown = 0;
        for (int k = 1; k <= 15; ++k)
            shown += panel->bar(k)->isVisible() ? 1 : 0;
        if (panel->isVisible() && (seen.isEmpty() || seen.last() != shown))
            seen.append(shown);
    });
    watch.start(2);
    QElapsedTimer clock;
    clock.start();
    PracticeSession::type(w, 1, "2");
    PracticeSession::press(w, 2);
    // Marked once the bars are done; meanwhile the pupil's keys and clicks do nothing.
    auto* box = w->findChild<AnswerBox*>("FA1");
    QVERIFY(panel->isVisible());
    box->selectAll();
    QTest::keyClicks(box, "9");
    QCOMPARE(box->text(), QString("2"));
    PracticeSession::press(w, 4); // Close
    QVERIFY(w->isVisible());
    QVERIFY(!box->isReadOnly());
    QTRY_VERIFY_WITH_TIMEOUT(box->isReadOnly(), 10000);
    QVERIFY(clock.elapsed() >= 15 * 20);
    QVERIFY(!panel->isVisible());
    QVERIFY(seen.size() >= 8);
    QVERIFY(std::is_sorted(seen.begin(), seen.end())); // one after another, in order
    QCOMPARE(panel->bar(1)->objectName(), QString("imgBar01"));
    QCOMPARE(s.folder.read("fresults1TS.txt"), PaperFile(107, {R}));
}

void TestPracticeMarking::closingDuringTheAnimationMarksFirst()
{
    PracticeSession s;
    QPointer<PracticeWindow> w = s.open(AttemptKind::First, 107);
    MarkingPanel::SetPause(200);
    PracticeSession::type(w, 1, "2");
    PracticeSession::press(w, 2);
    QVERIFY(w->findChild<MarkingPanel*>("fmeMark")->isVisible());
    QVERIFY(w->close());
    QCOMPARE(s.folder.read("fresults1TS.txt"), PaperFile(107, {R}));
    QCOMPARE(s.refreshes, 1);
    QTRY_VERIFY(!w);
}

void TestPracticeMarking::reopeningMarkedAttemptWritesNothing()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    AnswerAndMark(w, {"3", "Lungs", "0.2"});
    w->close();
    const QStringList names = {"first1TS.txt", "fresults1TS.txt", "marks1TS.txt", "trend1TS.txt"};
    QStringList before;
    for (const QString& name : names)
        before << FileIdentity(s.folder.file(name));
    s.answer({1});

    PracticeWindow* again = s.open(AttemptKind::First, 101);
    QVERIFY(again->attempt().isMarked());
    QCOMPARE(TextOf(again, "PScoring"), QString("66.7"));
    QCOMPARE(TextOf(again, "Scoring"), QString("2"));
    QVERIFY(again->findChild<QWidget*>("LTime")->isVisible());
    QVERIFY(again->findChild<AnswerBox*>("FA1")->isReadOnly());
    QCOMPARE(again->findChild<ResultMark*>("FR1")->mark(), R);
    QVERIFY(PracticeSession::waitForPage(again, [&] { again->nextQuestion(); }));
    again->markPaper();
    again->savePaper();
    QVERIFY(s.answers()->messages.isEmpty());
    again->close();
    for (int k = 0; k < names.size(); ++k)
        QCOMPARE(FileIdentity(s.folder.file(names.at(k))), before.at(k));
}

void TestPracticeMarking::secondAttemptCarriesOver()
{
    PracticeSession s;
    PracticeWindow* first = s.open(AttemptKind::First, 101);
    AnswerAndMark(first, {"3", "Lung", ""});
    first->close();

    PracticeWindow* w = s.open(AttemptKind::Second, 101);
    QCOMPARE(w->objectName(), QString("Test2"));
    QCOMPARE(w->windowTitle(), QString("Numbers - Paper 1"));
    QCOMPARE(TextOf(w, "Label1"), QString("Second Attempt"));
    QVERIFY(!w->findChild<QWidget*>("lblClock") && !w->findChild<QWidget*>("Bot2"));
    auto* box = w->findChild<AnswerBox*>("FA1");
    QCOMPARE(box->text(), QString("3"));
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->background(), QColor(192, 192, 255));
    auto* tick = w->findChild<ResultMark*>("FR1");
    QVERIFY(tick->isVisible());
    QCOMPARE(tick->mark(), R);
    QCOMPARE(tick->x(), box->x() + box->width() + Twips(105, w));
    QVERIFY(!w->findChild<QWidget*>("SR1")->isVisible());
    QTest::keyClicks(box, "4"); // locked
    QCOMPARE(box->text(), QString("3"));
    QCOMPARE(s.answers()->messages.size(), 1);

    PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    box = w->findChild<AnswerBox*>("FA1");
    QCOMPARE(box->text(), QString()); // wrong the first time: empty, editable, white
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->background(), QColor(255, 255, 255));
    QVERIFY(!w->findChild<QWidget*>("FR1")->isVisible());
    QTRY_COMPARE(TextOf(w, "lblAnsweredQ"), QString("1")); // the carried answer counts
    // The carried answers reach the second file with the next save.
    PracticeSession::type(w, 1, "Lungs");
    PracticeSession::press(w, 1);
    QCOMPARE(s.folder.read("second1TS.txt"), PaperFile(101, {"3", "Lungs", ""}));
}

void TestPracticeMarking::secondAttemptMarked()
{
    PracticeSession s;
    PracticeWindow* first = s.open(AttemptKind::First, 102);
    PracticeSession::type(first, 1, "Solid");
    PracticeSession::waitForPage(first, [&] { first->nextQuestion(); });
    PracticeSession::type(first, 1, "Wood");
    PracticeSession::waitForPage(first, [&] { first->nextQuestion(); });
    PracticeSession::type(first, 1, "c");
    PracticeSession::type(first, 2, "a");
    PracticeSession::type(first, 3, "a");
    first->markPaper();
    first->close();
    const QByteArray trend = s.folder.read("trend1TS.txt");

    PracticeWindow* w = s.open(AttemptKind::Second, 102);
    PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    PracticeSession::type(w, 3, "d");
    PracticeSession::press(w, 2);
    QCOMPARE(s.answers()->messages.last(), kUnanswered); // questions 1 and 4 are blank
    QCOMPARE(s.folder.read("sresults1TS.txt"), PaperFile(102, {W, R, W, R, R, W, W}));
    QCOMPARE(s.folder.read("trend1TS.txt"), trend);
    QCOMPARE(TextOf(w, "PScoring"), QString("42.9"));

    // Question 3: groups. The one still wrong shows the alternative the group lacks.
    QVERIFY(Frame(w, 3)->expectedBox()->isVisible());
    QCOMPARE(Frame(w, 3)->expectedBox()->text(), QString("b"));
    QVERIFY(!Frame(w, 1)->expectedBox()->isVisible());
    QCOMPARE(Frame(w, 1)->answerBox()->background(), QColor(192, 192, 255));
    QCOMPARE(Frame(w, 3)->answerBox()->background(), QColor(255, 255, 255));
    QVERIFY(w->findChild<QWidget*>("SR1")->isVisible());
    QVERIFY(!w->findChild<QWidget*>("FR1")->isVisible());
    // Question 4: an M key ";Respond;React" shows "Respond"; question 2's follow-on slot
    // shows the head's remaining alternative.
    PracticeSession::waitForPage(w, [&] { w->nextQuestion(); });
    QCOMPARE(Frame(w, 1)->expectedBox()->text(), QString("Respond"));
    PracticeSession::waitForPage(w, [&] { w->pickRemainingQuestion(2); });
    QCOMPARE(Frame(w, 2)->expectedBox()->text(), QString("Sand"));
    w->close();

    // Reopening shows the same expected answers again.
    PracticeWindow* again = s.open(AttemptKind::Second, 102);
    QVERIFY(Frame(again, 1)->expectedBox()->isVisible());
    QCOMPARE(Frame(again, 1)->expectedBox()->text(), QString("Gas"));
}

void TestPracticeMarking::secondAttemptOfAFullyRightPaper()
{
    PracticeSession s;
    PracticeWindow* first = s.open(AttemptKind::First, 107);
    AnswerAndMark(first, {"2"});
    first->close();
    PracticeWindow* w = s.open(AttemptKind::Second, 107);
    QVERIFY(w->findChild<AnswerBox*>("FA1")->isReadOnly());
    PracticeSession::press(w, 2);
    QCOMPARE(s.answers()->messages.last(), kMarkNow);
    QCOMPARE(TextOf(w, "PScoring"), QString("100"));
    QCOMPARE(s.folder.read("second1TS.txt"), PaperFile(107, {"2"}));
}

void TestPracticeMarking::trendRemovedBeforeMarkingIsReported()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 107);
    PracticeSession::type(w, 1, "2");
    QFile::remove(s.folder.file("trend1TS.txt"));
    PracticeSession::press(w, 2);
    QCOMPARE(s.answers()->titles, QStringList({"Marking", "Orlavine"}));
    QVERIFY(s.answers()->messages.last().contains("trend1TS.txt"));
    QVERIFY(!w->attempt().isMarked());
    QVERIFY(!w->findChild<AnswerBox*>("FA1")->isReadOnly());
    QVERIFY(s.folder.read("fresults1TS.txt").startsWith("...\r\n"));
}

void TestPracticeMarking::workedSolutionsOnceMarked()
{
    PracticeSession s;
    const auto package = PackageInMemory::install(); // questions 1 and 2 have solutions
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QWidget* button = w->findChild<QWidget*>("ToolBar07");
    const auto page = [&] { return PracticeSession::viewOf(w)->url().fileName(); };
    const auto move = [&](const std::function<void()>& action) {
        QVERIFY(PracticeSession::waitForPage(w, action));
    };
    w->toggleSolution(); // never before marking
    QVERIFY(!button->isVisible());
    QCOMPARE(page(), QString("temppaper16001.mht"));

    AnswerAndMark(w, {"3", "Lungs", "0.2"});
    QTRY_VERIFY(w->attempt().isMarked());
    QVERIFY(!button->isVisible()); // question 3 has none
    move([&] { w->previousQuestion(); });
    QVERIFY(button->isVisible());
    move([&] { QTest::keyClick(w, Qt::Key_E, Qt::ControlModifier); });
    QCOMPARE(page(), QString("tempsolution16002.mht"));
    QCOMPARE(TextOf(w, "QnTitle"), QString("Question 2: worked solution"));
    // The choice holds while the pupil moves; a question without one shows its page.
    move([&] { w->previousQuestion(); });
    QCOMPARE(page(), QString("tempsolution16001.mht"));
    move([&] { w->nextQuestion(); });
    move([&] { w->nextQuestion(); });
    QCOMPARE(page(), QString("temppaper16003.mht"));
    QVERIFY(!button->isVisible());

    // A damaged solution: the pupil is told, and the question stays on show.
    package->resources[26001] = "not a page";
    s.answer({1});
    move([&] { w->previousQuestion(); });
    move([&] { w->previousQuestion(); });
    QCOMPARE(page(), QString("temppaper16001.mht"));
    QCOMPARE(s.answers()->messages.size(), 1);
    QVERIFY(s.answers()->messages.first().startsWith("The worked solution of question 1"));

    // Opened from the report's questions to practise: at the question, its solution shown.
    PracticeSession::dispose(w);
    PaperChoice choice = PracticeSession::choice(AttemptKind::First, 101);
    choice.question = 2;
    choice.showSolution = true;
    w = PracticeWindow::Open(choice);
    QVERIFY(PracticeSession::waitUntilLoaded(w));
    QCOMPARE(w->questionNumber(), 2);
    QCOMPARE(page(), QString("tempsolution16002.mht"));
    PracticeSession::dispose(w);
}

ORLAVINE_GUI_TEST_MAIN(TestPracticeMarking)
#include "tst_practicemarking.moc"
