#include "practicefixture.h"

#include "practice/answerbox.h"
#include "records/learner.h"
#include "practice/markingpanel.h"
#include "records/package.h"
#include "chrome/picturebutton.h"

#include <QWebEngineView>

using namespace orlavine;

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
    QSignalSpy loaded(viewOf(window), &QWebEngineView::loadFinished);
    if (!loaded.wait(15000))
        qWarning("the first page did not load");
    return window;
}

QWebEngineView* PracticeSession::viewOf(const PracticeWindow* window)
{
    return window->findChild<QWebEngineView*>("brwWebBrowser");
}

bool PracticeSession::waitForPage(PracticeWindow* window, const std::function<void()>& action)
{
    QSignalSpy loaded(viewOf(window), &QWebEngineView::loadFinished);
    action();
    return loaded.wait(10000);
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
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(target->width() / 2, 10));
}

void PracticeSession::dispose(PracticeWindow* window)
{
    QPointer<PracticeWindow> guard(window);
    if (guard)
        delete guard.data();
}
