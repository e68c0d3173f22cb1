#include "mainwin/contents.h"

#include "mainwin/aboutpage.h"
#include "records/error.h"
#include "mainwin/homepage.h"
#include "mainwin/navigation.h"
#include "chrome/popupbox.h"
#include "chrome/skinnedframe.h"
#include "chrome/statefields.h"
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
    CallPop(*m_state, QStringLiteral("Orlavine"), error.message(), 1, this);
}

void Contents::LoadModuleMarks(int module)
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
    m_state->setValue(QStringLiteral("TtPapersCon"), QString::number(settings.paperCount));
    m_home->showModule(settings.topicNames, settings.topicCount, m_marks[FSE], m_marks[SSE]);
    if (m_state->value(QStringLiteral("RefreshLog")) != QLatin1String("on"))
        m_home->selectTopic(1);
}

void Contents::RefreshContents()
{
    m_state->setValue(QStringLiteral("RefreshLog"), QStringLiteral("on"));
    LoadModuleMarks(m_state->number(QStringLiteral("LChose")));
    const int first = m_state->number(QStringLiteral("TopicCount"));
    for (int k = 1; k <= 10; ++k) {
        if (first == 5 * (k - 1) + 1)
            m_home->selectTopic(k);
    }
    m_state->setValue(QStringLiteral("RefreshLog"), QStringLiteral("off"));
}

void Contents::OpenPaper(int offset, int attempt)
{
    const int paper = m_state->number(QStringLiteral("TopicCount")) + 100 + offset;
    m_state->setValue(QStringLiteral("PaperNum"), QString::number(paper));
    m_state->setValue(QStringLiteral("TakeNum"), QString::number(attempt));
    Call(m_hooks.closePracticeWindows);
    if (m_hooks.openPracticeWindow)
        m_hooks.openPracticeWindow(m_state->number(QStringLiteral("TakeNum")) == 1 ? 1 : 2);
}

void Contents::TabClick(int tab)
{
    m_state->setValue(QStringLiteral("txtTabPos"), QString::number(tab));
    m_state->setValue(QStringLiteral("txtToolBarPos"), QStringLiteral("1"));
    m_state->setValue(QStringLiteral("txtReportPos"), QStringLiteral("1"));
    RaiseTab(tab);
    if (tab != 4)
        m_state->setValue(QStringLiteral("LChose"), QString::number(tab));
    ShowPage();
}

void Contents::ToolBarClick(int position)
{
    m_state->setValue(QStringLiteral("txtToolBarPos"), QString::number(position));
    ShowPage();
}

void Contents::ShowPage()
{
    const int tab = m_state->number(QStringLiteral("txtTabPos"));
    const int position = m_state->number(QStringLiteral("txtToolBarPos"));
    if (tab == 4) {
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
        LoadModuleMarks(m_state->number(QStringLiteral("LChose")));
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
    const QRect strip = m_navigation->strip()->geometry();
    const int top = strip.bottom() + 1;
    page->setGeometry(strip.left(), top, strip.width(), height() - top - m_frame->bottomHeight());
    // A page made after the window is shown (the report) stays hidden until shown.
    page->show();
    page->raise();
}

void Contents::Timer1Tick(const QPoint& pointer)
{
    m_navigation->update(pointer);
    m_trash->updateHover(pointer);
    m_home->updateHover(pointer);
    if (m_state->value(QStringLiteral("ContentsFocus")) == QLatin1String("1"))
        m_frame->updateHover(pointer);
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
