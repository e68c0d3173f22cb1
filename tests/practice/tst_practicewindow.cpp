// A practice window from opening to closing: caption, the first page, answering, Back
// and Next, the remaining list and the answered count, saving and closing, the clock.
#include "practice/answerbox.h"
#include "marking/clock.h"
#include "marking/numbers.h"
#include "practicefixture.h"
#include "practice/practicewindows.h"
#include "practice/questionview.h"
#include "practice/remainingbar.h"

#include <QComboBox>
#include <QLabel>

using namespace orlavine;

namespace {

QString TextOf(const QWidget* window, const char* name)
{
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString("<no %1>").arg(name);
}

QList<int> Remaining(const PracticeWindow* window)
{
    return window->findChild<RemainingBar*>()->questions();
}

bool Enabled(const PracticeWindow* window, int button)
{
    return window->findChild<QWidget*>(QString("ToolBar0%1").arg(button))->isEnabled();
}

} // namespace

class TestPracticeWindow : public QObject {
    Q_OBJECT

  private slots:
    void opensWithCaptionAndFirstPage();
    void captionCountsWithinTheTopic();
    void answeringMovesAndSaves();
    void remainingListAndAnsweredCount();
    void pickingARemainingQuestion();
    void blankOfSpaces();
    void backAndNextFollowTheQuestion();
    void saveThenCloseKeepsAnswers();
    void closeWithoutSaveLosesAnswers();
    void noKeepsTheWindow();
    void closedByTheMainWindow();
    void restoredInsideTheScreen();
    void clockRunsFromOpening();
    void damagedRecordsReported();
};

void TestPracticeWindow::opensWithCaptionAndFirstPage()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QString("Test1"));
    QCOMPARE(w->windowTitle(), QString("Numbers - Paper 1"));
    QCOMPARE(TextOf(w, "Title"), QString("Numbers - Paper 1"));
    QCOMPARE(TextOf(w, "QnTitle"), QString("Question 1"));
    QCOMPARE(PracticeSession::viewOf(w)->url(),
             QUrl::fromLocalFile(s.folder.file("temppaper16001.mht")));
    QVERIFY(QFile::exists(s.folder.file("temppaper16001.mht")));
    QCOMPARE(w->findChild<AnswerBox*>("FA1")->text(), QString());
    QCOMPARE(Remaining(w), QList<int>({1, 2, 3}));
    QCOMPARE(TextOf(w, "lblTotalQ"), QString("3"));
    QCOMPARE(TextOf(w, "lblAnsweredQ"), QString("0"));
    QVERIFY(!w->attempt().isMarked());
    QCOMPARE(w->size(), QSize(800, 600)); // 12000 x 9000 twips
    QVERIFY(w->findChild<QWidget*>("lblClock")->isVisible());
    QVERIFY(!w->findChild<QWidget*>("LTime")->isVisible());
    // Typing at once goes into the first answer box, not into the question list.
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->findChild<QWidget*>("FA1"));
}

void TestPracticeWindow::captionCountsWithinTheTopic()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 108); // topic 2 begins with paper 106
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Words - Paper 3"));
}

void TestPracticeWindow::answeringMovesAndSaves()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    PracticeSession::type(w, 1, "3");
    QCOMPARE(w->findChild<AnswerBox*>("FA1")->text(), QString("3")); // one character for Q
    QVERIFY(PracticeSession::waitForPage(w, [&] { PracticeSession::press(w, 6); }));
    QCOMPARE(w->questionNumber(), 2);
    QCOMPARE(TextOf(w, "QnTitle"), QString("Question 2"));
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(101, {"3", "", ""}));
    QVERIFY(!QFile::exists(s.folder.file("temppaper16001.mht"))); // the page left is deleted
    QVERIFY(QFile::exists(s.folder.file("temppaper16002.mht")));
    QCOMPARE(QApplication::focusWidget(), w->findChild<QWidget*>("FA1"));

    PracticeSession::type(w, 1, "Lungs");
    QVERIFY(PracticeSession::waitForPage(w, [&] { PracticeSession::press(w, 5); }));
    QCOMPARE(w->questionNumber(), 1);
    QCOMPARE(w->findChild<AnswerBox*>("FA1")->text(), QString("3"));
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(101, {"3", "Lungs", ""}));
}

void TestPracticeWindow::remainingListAndAnsweredCount()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 102);
    QCOMPARE(Remaining(w), QList<int>({1, 2, 3, 4}));
    PracticeSession::type(w, 1, "Gas");
    // Typed but not stored: the count waits for a move.
    QTest::qWait(250);
    QCOMPARE(TextOf(w, "lblAnsweredQ"), QString("0"));
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QCOMPARE(Remaining(w), QList<int>({2, 3, 4}));
    QTRY_COMPARE(TextOf(w, "lblAnsweredQ"), QString("1"));
    PracticeSession::type(w, 1, "Sand"); // question 2 has a second sub-answer still blank
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QCOMPARE(Remaining(w), QList<int>({2, 3, 4}));
    QTRY_COMPARE(TextOf(w, "lblAnsweredQ"), QString("2"));
}

void TestPracticeWindow::pickingARemainingQuestion()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 102);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    PracticeSession::type(w, 1, "Gas");
    auto* list = w->findChild<QComboBox*>("RemQns");
    list->setFocus();
    QCOMPARE(list->placeholderText(), QString("Select a remaining question"));
    QVERIFY(PracticeSession::waitForPage(w, [&] {
        list->setCurrentIndex(2);
        emit list->activated(2); // "3"
    }));
    QCOMPARE(w->questionNumber(), 3);
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(102, {"Gas", "", "", "", "", "", ""}));
    QCOMPARE(Remaining(w), QList<int>({2, 3, 4}));
    // Typing goes into the question's first box, not into the list.
    QTRY_COMPARE(QApplication::focusWidget(), w->findChild<QWidget*>("FA1"));
}

void TestPracticeWindow::blankOfSpaces()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    PracticeSession::type(w, 1, " ");
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QCOMPARE(Remaining(w), QList<int>({1, 2, 3}));
    QTRY_COMPARE(TextOf(w, "lblAnsweredQ"), QString("1"));
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(101, {" ", "", ""}));
}

void TestPracticeWindow::backAndNextFollowTheQuestion()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QTRY_VERIFY(!Enabled(w, 5));
    QVERIFY(Enabled(w, 6));
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QVERIFY(PracticeSession::waitForPage(w, [&] { w->nextQuestion(); }));
    QTRY_VERIFY(!Enabled(w, 6));
    QVERIFY(Enabled(w, 5));
    w->nextQuestion(); // beyond the last question: nothing happens
    QCOMPARE(w->questionNumber(), 3);
    PracticeSession::dispose(w);

    PracticeWindow* one = s.open(AttemptKind::First, 107);
    QTRY_VERIFY(!Enabled(one, 5) && !Enabled(one, 6));
    QVERIFY(Enabled(one, 1) && Enabled(one, 2) && Enabled(one, 3) && Enabled(one, 4));
}

void TestPracticeWindow::saveThenCloseKeepsAnswers()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    PracticeSession::type(w, 1, "2");
    PracticeSession::press(w, 1);
    QCOMPARE(s.answers()->titles, QStringList({"Orlavine"}));
    QCOMPARE(s.answers()->messages, QStringList({"Paper saved"}));
    PracticeSession::press(w, 4);
    QCOMPARE(s.answers()->titles.last(), QString("Close Practice"));
    QCOMPARE(s.answers()->messages.last(), QString("Confirm?"));
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(s.refreshes, 1);
    QVERIFY(!QFile::exists(s.folder.file("temppaper16001.mht")));

    PracticeWindow* again = s.open(AttemptKind::First, 101);
    QCOMPARE(again->findChild<AnswerBox*>("FA1")->text(), QString("2"));
    QCOMPARE(Remaining(again), QList<int>({2, 3}));
}

void TestPracticeWindow::closeWithoutSaveLosesAnswers()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    const QByteArray before = s.folder.read("first1TS.txt");
    PracticeSession::type(w, 1, "2");
    w->closePaper();
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(s.folder.read("first1TS.txt"), before);
    PracticeWindow* again = s.open(AttemptKind::First, 101);
    QCOMPARE(again->findChild<AnswerBox*>("FA1")->text(), QString());
}

void TestPracticeWindow::noKeepsTheWindow()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    PracticeSession::type(w, 1, "4");
    s.answer({2});
    QTest::mouseClick(w->findChild<QWidget*>("imgProgClose"), Qt::LeftButton);
    QCOMPARE(s.answers()->messages, QStringList({"Confirm?"}));
    QTest::qWait(50);
    QVERIFY(w->isVisible());
    QCOMPARE(w->findChild<AnswerBox*>("FA1")->text(), QString("4"));
    QCOMPARE(s.refreshes, 0);
}

void TestPracticeWindow::closedByTheMainWindow()
{
    PracticeSession s;
    PracticeWindows windows;
    int closed = 0;
    const auto open = [&](AttemptKind kind, int paper) {
        windows.open(PracticeSession::choice(kind, paper), [&] { ++closed; });
        PracticeWindow* shown = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<PracticeWindow*>(top))
                shown = window;
        }
        return QPointer<PracticeWindow>(shown);
    };
    QPointer<PracticeWindow> w = open(AttemptKind::First, 101);
    QVERIFY(w);
    PracticeSession::type(w, 1, "3");
    w->showMinimized();
    // The same paper asked for again: its window comes back as it was.
    QCOMPARE(open(AttemptKind::First, 101), w);
    QTRY_VERIFY(!w->isMinimized());
    QCOMPARE(w->findChild<AnswerBox*>("FA1")->text(), QString("3"));
    QCOMPARE(closed, 0);
    // Another paper, the window minimised: it saves what was typed and goes at once.
    w->showMinimized();
    QPointer<PracticeWindow> other = open(AttemptKind::Second, 101);
    QVERIFY(!w);
    QVERIFY(other);
    QCOMPARE(closed, 1);
    QCOMPARE(s.folder.read("first1TS.txt"), PaperFile(101, {"3", "", ""}));
    // The main window closing: the same for the window left.
    PracticeSession::type(other, 1, "1");
    windows.closeAll();
    QVERIFY(!other);
    QCOMPARE(closed, 2);
    QVERIFY(s.answers()->messages.isEmpty()); // nothing asked
    QCOMPARE(s.folder.read("second1TS.txt"), PaperFile(101, {"1", "", ""}));
}

void TestPracticeWindow::restoredInsideTheScreen()
{
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY(screen.contains(w->frameGeometry()));
    w->setWindowState(Qt::WindowMinimized);
    w->move(screen.left() - 189, w->y());
    w->setWindowState(Qt::WindowNoState);
    QVERIFY(screen.contains(w->frameGeometry()));
}

void TestPracticeWindow::clockRunsFromOpening()
{
    QDateTime now = TestStart();
    SetClock([&now] { return now; });
    PracticeSession s;
    PracticeWindow* w = s.open(AttemptKind::First, 101);
    QTRY_COMPARE(TextOf(w, "lblClock"), QString("0:0:0"));
    QCOMPARE(TextOf(w, "lblDate"), QString::fromLatin1(ShortDateText(TestStart().date())));
    now = TestStart().addSecs(65);
    QTRY_COMPARE(TextOf(w, "lblClock"), QString("0:1:5"));
    SetClock(nullptr);
}

void TestPracticeWindow::damagedRecordsReported()
{
    PracticeSession s;
    QFile::remove(s.folder.file("fresults1TS.txt"));
    QVERIFY(!s.open(AttemptKind::First, 101));
    QCOMPARE(s.answers()->titles, QStringList({"Orlavine"}));
    QVERIFY(s.answers()->messages.first().contains("fresults1TS.txt"));
    QVERIFY(!QFile::exists(s.folder.file("temppaper16001.mht")));
    QCOMPARE(s.refreshes, 0);
}

ORLAVINE_GUI_TEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
