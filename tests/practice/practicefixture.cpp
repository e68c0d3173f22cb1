#include "practicefixture.h"

#include "practice/answerbox.h"
#include "records/learner.h"
#include "practice/markingpanel.h"
#include "records/package.h"
#include "chrome/picturebutton.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace orlavine;

namespace {

// A page takes 20-300 ms here, but far longer in a sanitizer build on a busy machine.
constexpr int kPageTimeoutMs = 60000;

/// Runs the event loop until `done()` holds; false when it did not within a generous time.
/// Unlike QTest::qWaitFor it does not sleep between rounds of events, which would stretch
/// the viewer's many round trips for a page to seconds.
bool RunUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(kPageTimeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop round;
        QTimer::singleShot(10, &round, &QEventLoop::quit);
        round.exec();
    }
    return true;
}

} // namespace

PracticeSession::PracticeSession()
{
    EnsureLearnerRecords(ReadSettings(), TestStart());
    MarkingPanel::SetPause(0);
    answer({1});
}

PracticeSession::~PracticeSession()
{
    MarkingPanel::SetPause(200);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<PracticeWindow*>(top))
            delete top;
    }
}

PopUpAnswers& PracticeSession::answer(QList<int> answers)
{
    m_answers.reset();
    m_answers = std::make_unique<PopUpAnswers>(std::move(answers));
    return *m_answers;
}

PaperChoice PracticeSession::choice(AttemptKind kind, int paper)
{
    PaperChoice choice;
    choice.kind = kind;
    choice.paper.module = 1;
    choice.paper.code = "TS";
    choice.paper.paperNumber = paper;
    choice.paper.paperCount = 10;
    choice.firstPaperOfTopic = paper <= 105 ? 1 : 6;
    choice.topicName = paper <= 105 ? "Numbers" : "Words";
    return choice;
}

PracticeWindow* PracticeSession::open(AttemptKind kind, int paper)
{
    PracticeWindow* window = PracticeWindow::Open(choice(kind, paper));
    if (!window)
        return nullptr;
    QObject::connect(window, &PracticeWindow::closed, [this] { ++refreshes; });
    if (!waitUntilLoaded(window))
        qWarning("the first page did not load");
    return window;
}

QWebEngineView* PracticeSession::viewOf(const PracticeWindow* window)
{
    return window->findChild<QWebEngineView*>("brwWebBrowser");
}

bool PracticeSession::waitForPage(PracticeWindow* window, const std::function<void()>& action)
{
    // Counted, not awaited: the action may run the event loop (a pop-up box) while the
    // page loads, and QSignalSpy::wait() waits for a further signal.
    QWebEngineView* view = viewOf(window);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    action();
    return RunUntil([&] { return !loaded.isEmpty() && !view->page()->isLoading(); });
}

bool PracticeSession::waitUntilLoaded(const PracticeWindow* window)
{
    // A new view starts its first load only once the viewer's engine is up: until then it
    // is not loading either, but has no page in its history.
    QWebEnginePage* page = viewOf(window)->page();
    return RunUntil([page] { return page->history()->count() > 0 && !page->isLoading(); });
}

void PracticeSession::type(PracticeWindow* window, int k, const QString& text)
{
    auto* box = window->findChild<AnswerBox*>(QString("FA%1").arg(k));
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

void PracticeSession::press(PracticeWindow* window, int button)
{
    auto* target = window->findChild<PictureButton*>(QString("ToolBar0%1").arg(button));
    // The window enables its buttons on its 100 ms tick (Back only after a move to
    // question 2): a click before that is lost, as a pupil's would be.
    if (!QTest::qWaitFor([target] { return target->isEnabled(); }, 10000))
        qWarning("toolbar button %d stayed disabled", button);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(target->width() / 2, 10));
}

void PracticeSession::dispose(PracticeWindow* window)
{
    QPointer<PracticeWindow> guard(window);
    if (guard)
        delete guard.data();
}
