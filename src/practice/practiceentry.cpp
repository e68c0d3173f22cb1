#include "practice/practiceentry.h"

#include "mainwin/contents.h"
#include "practice/practicewindow.h"

#include <QPointer>

using namespace orlavine;

void orlavine_open_practice_window(Contents* contents, int attempt)
{
    PracticeWindow::Host host;
    host.fields = &contents->state();
    host.topicName = contents->selectedTopicName();
    host.refreshContents = [main = QPointer<Contents>(contents)] {
        if (main)
            main->RefreshContents();
    };
    PracticeWindow::Open(attempt == 1 ? AttemptKind::First : AttemptKind::Second, host);
}

void orlavine_close_practice_windows()
{
    ClosePracticeWindows();
}
