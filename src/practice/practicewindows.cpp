#include "practice/practicewindows.h"

#include "practice/practicewindow.h"
#include "practice/questionview.h"

#include <QWebEnginePage>

namespace orlavine {

void PracticeWindows::open(const PaperChoice& choice, std::function<void()> closed)
{
    for (const QPointer<PracticeWindow>& window : std::as_const(m_open)) {
        if (window && window->holds(choice)) {
            if (choice.showSolution)
                window->showQuestionAt(choice.question, true);
            window->bringToFront();
            return;
        }
    }
    closeAll();
    PracticeWindow* window = PracticeWindow::Open(choice);
    if (!window)
        return;
    connect(window, &PracticeWindow::closed, this, [closed = std::move(closed)] {
        if (closed)
            closed();
    });
    m_open.append(window);
}

void PracticeWindows::closeAll()
{
    // Deleted at once, not later: the main window may be closing too, and the page
    // viewers must go before the application does.
    const QList<QPointer<PracticeWindow>> open = std::exchange(m_open, {});
    for (const QPointer<PracticeWindow>& window : open) {
        if (!window)
            continue;
        window->closeForProgram();
        delete window.data();
    }
}

void PracticeWindows::warmUp(std::function<void()> done)
{
    if (m_warmed) {
        if (done)
            done();
        return;
    }
    if (!m_warm) {
        // A page of the viewers' own profile starts the viewer's processes and a page process.
        ChooseSoftwareDrawing();
        m_warm = new QWebEnginePage(this);
        m_warm->setHtml(QStringLiteral("<html></html>"));
    }
    connect(m_warm, &QWebEnginePage::loadFinished, this,
            [this, done = std::move(done)] {
                m_warmed = true;
                if (done)
                    done();
            },
            Qt::SingleShotConnection);
}

} // namespace orlavine
