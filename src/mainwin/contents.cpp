#include "mainwin/contents.h"

#include "mainwin/aboutpage.h"
#include "records/error.h"
#include "mainwin/homepage.h"
#include "mainwin/navigation.h"
#include "chrome/pagescroller.h"
#include "chrome/popupbox.h"
#include "mainwin/reportpage.h"
#include "chrome/skinnedframe.h"
#include "mainwin/trashpage.h"

#include <QCloseEvent>

namespace orlavine {

namespace {

void Call(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

} // namespace

QString Contents::selectedTopicName() const
{
    return m_home->selectedTopicName();
}

void Contents::showError(const Error& error)
{
    CallPop(QStringLiteral("Orlavine"), error.message(), 1, this);
}

void Contents::LoadModuleMarks(int module, bool keepTopic)
{
    if (module < 1 || module > 3 || !m_settings.module(module).exists()) {
        m_home->showNoModule();
        return;
    }
    const ModuleSettings& settings = m_settings.module(module);
    try {
        m_marks = ReadMarksLists(module, m_settings.code, settings.paperCount);
    } catch (const Error& error) {
        for (auto& list : m_marks)
            list = Fields(50);
        showError(error);
    }
    m_home->showModule(settings.topicNames, settings.topicCount, m_marks[FSE], m_marks[SSE]);
    if (!keepTopic)
        m_home->selectTopic(1);
}

void Contents::RefreshContents()
{
    LoadModuleMarks(m_selection.chosenModule, true);
    const int first = m_selection.firstPaperOfTopic;
    for (int k = 1; k <= 10; ++k) {
        if (first == 5 * (k - 1) + 1)
            m_home->selectTopic(k);
    }
}

void Contents::OpenPaper(int offset, int attempt)
{
    m_selection.paper = m_selection.firstPaperOfTopic + 100 + offset;
    m_selection.attempt = attempt;
    if (!m_hooks.openPracticeWindow)
        return;
    PaperChoice choice;
    choice.kind = attempt == 1 ? AttemptKind::First : AttemptKind::Second;
    choice.paper.module = m_selection.chosenModule;
    choice.paper.code = m_settings.code;
    choice.paper.paperNumber = m_selection.paper;
    choice.paper.paperCount = m_settings.module(m_selection.chosenModule).paperCount;
    choice.firstPaperOfTopic = m_selection.firstPaperOfTopic;
    choice.topicName = selectedTopicName();
    m_hooks.openPracticeWindow(choice);
}

void Contents::TabClick(int tab)
{
    m_selection.frontTab = tab;
    m_selection.toolbarPosition = 1;
    m_selection.reportSection = 1;
    RaiseTab(tab);
    if (tab != 4)
        m_selection.chosenModule = tab;
    ShowPage();
}

void Contents::ToolBarClick(int position)
{
    m_selection.toolbarPosition = position;
    ShowPage();
}

void Contents::ShowPage()
{
    const int position = m_selection.toolbarPosition;
    if (m_selection.frontTab == 4) {
        switch (position) {
        case 1:
            placePage(m_about);
            break;
        case 2:
            m_trash->showInvite();
            placePage(m_trash);
            break;
        case 4:
            Call(m_hooks.printSetup);
            break;
        }
        return;
    }
    switch (position) {
    case 1:
        LoadModuleMarks(m_selection.chosenModule);
        placePage(m_home);
        break;
    case 2:
        Call(m_hooks.showReport);
        break;
    case 3:
        Call(m_hooks.printResultsCard);
        break;
    case 4:
        CloseProgram();
        break;
    }
}

void Contents::RaiseTab(int tab)
{
    m_navigation->raiseTab(tab);
}

void Contents::placePage(QWidget* page)
{
    page = PageScroller::outer(page);
    const QRect strip = m_navigation->strip()->geometry();
    const int top = strip.bottom() + 1;
    page->setGeometry(strip.left(), top, strip.width(), height() - top - m_frame->bottomHeight());
    // A page made after the window is shown (the report) stays hidden until shown. The
    // pages behind are hidden, so the Tab key never reaches a control out of sight.
    page->show();
    page->raise();
    for (QWidget* other : {static_cast<QWidget*>(m_home), static_cast<QWidget*>(m_about),
                           static_cast<QWidget*>(m_trash), static_cast<QWidget*>(m_report)}) {
        if (other && PageScroller::outer(other) != page)
            PageScroller::outer(other)->hide();
    }
}

void Contents::CloseProgram()
{
    close();
}

void Contents::closeEvent(QCloseEvent* event)
{
    Call(m_hooks.closePracticeWindows);
    event->accept();
}

} // namespace orlavine
