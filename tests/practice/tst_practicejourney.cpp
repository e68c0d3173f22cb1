// From the main window to a second-attempt review: OpenPaper opens Test1, marking and
// closing refresh the main window, OpenPaper for attempt 2 opens Test2 with the carried
// answers, and closing the main window closes the practice window.
#include "practice/answerbox.h"
#include "practice/answerframe.h"
#include "guitest.h"
#include "mainwindowfixture.h"
#include "practice/markingpanel.h"
#include "practicefixture.h"
#include "mainwin/practiceloader.h"
#include "practice/practicewindow.h"

using namespace orlavine;

namespace {

PracticeWindow* OpenWindow(MainWindowFixture& f, int offset, int attempt)
{
    f.window->OpenPaper(offset, attempt);
    PracticeWindow* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<PracticeWindow*>(top);
        if (window && window->isVisible())
            found = window;
    }
    if (found && !PracticeSession::waitUntilLoaded(found))
        qWarning("the first page did not load");
    return found;
}

void Answer(PracticeWindow* w, const QString& text)
{
    auto* box = w->findChild<AnswerBox*>("FA1");
    box->setPlainText(text);
}

} // namespace

class TestPracticeJourney : public QObject {
    Q_OBJECT

  private slots:
    void firstAttemptToSecondAttemptReview();
};

void TestPracticeJourney::firstAttemptToSecondAttemptReview()
{
    MarkingPanel::SetPause(0);
    MainWindowFixture f;
    bool warmed = false;
    LoadPracticeWindowsWhenNeeded(f.start(), QStringLiteral(PRACTICE_PLUGIN),
                                  [&warmed] { warmed = true; });
    f.show();
    // Once painted and idle, the main window warms the page viewer before any paper opens.
    QTRY_VERIFY_WITH_TIMEOUT(warmed, 60000);
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!window->objectName().startsWith(QStringLiteral("Test")));

    PracticeWindow* first = OpenWindow(f, 0, 1);
    QVERIFY(first);
    QCOMPARE(first->objectName(), QString("Test1"));
    QCOMPARE(first->windowTitle(), QString("Numbers - Paper 1"));
    Answer(first, "3");
    first->nextQuestion();
    Answer(first, "Lung");
    first->markPaper();
    QCOMPARE(f.popUps.messages.last(),
             QString("You have not answered all the questions.  Do you still "
                     "want to mark your practice?"));
    first->closePaper();
    QCOMPARE(f.window->marks()[FSE].at(0), QByteArray("33.3")); // refreshed as it closed

    // The second attempt opens over the carried answers.
    PracticeWindow* second = OpenWindow(f, 0, 2);
    QVERIFY(second);
    QCOMPARE(second->objectName(), QString("Test2"));
    auto* carried = second->findChild<AnswerBox*>("FA1");
    QCOMPARE(carried->text(), QString("3"));
    QVERIFY(carried->isReadOnly());
    second->nextQuestion();
    Answer(second, "Lungs");
    second->markPaper();
    second->nextQuestion();
    auto* frame = second->findChild<AnswerFrame*>("Frame1");
    QVERIFY(frame->expectedBox()->isVisible());
    QCOMPARE(frame->expectedBox()->text(), QString("0.25"));

    // Opening another paper closes the window on show; closing the main window closes
    // the last one.
    QPointer<PracticeWindow> review = second;
    PracticeWindow* other = OpenWindow(f, 1, 1);
    QVERIFY(!review);
    QVERIFY(other);
    QCOMPARE(f.window->marks()[SSE].at(0), QByteArray("66.7"));
    QPointer<PracticeWindow> last = other;
    f.window->close();
    QVERIFY(!last);
    MarkingPanel::SetPause(200);
}

ORLAVINE_GUI_TEST_MAIN(TestPracticeJourney)
#include "tst_practicejourney.moc"
