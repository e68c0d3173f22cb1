#include "practicehooks.h"

#include "contents.h"
#include "practicewindow.h"

#include <QPointer>

namespace orlavine {

void AttachPracticeWindows(Contents& contents)
{
    ContentsHooks& hooks = contents.hooks();
    hooks.closePracticeWindows = ClosePracticeWindows;
    hooks.openPracticeWindow = [main = QPointer<Contents>(&contents)](int attempt) {
        if (!main)
            return;
        PracticeWindow::Host host;
        host.fields = &main->state();
        host.topicName = main->selectedTopicName();
        host.refreshContents = [main] {
            if (main)
                main->RefreshContents();
        };
        PracticeWindow::Open(attempt == 1 ? AttemptKind::First : AttemptKind::Second, host);
    };
}

} // namespace orlavine
