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
    fields.setValue("LChose", "1");
    fields.setValue("lblCOD", "TS");
    fields.setValue("TtPapersCon", "10");
    fields.setValue("PopUpResponse", "False");
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

PracticeWindow* PracticeSession::open(AttemptKind kind, int paper)
{
    fields.setValue("PaperNum", QString::number(paper));
    fields.setValue("TakeNum", kind == AttemptKind::First ? "1" : "2");
    fields.setValue("TopicCount", paper <= 105 ? "1" : "6");
    PracticeWindow::Host host;
    host.fields = &fields;
    host.topicName = paper <= 105 ? "Numbers" : "Words";
    host.refreshContents = [this] { ++refreshes; };
    PracticeWindow* window = PracticeWindow::Open(kind, host);
    if (!window)
        return nullptr;
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
