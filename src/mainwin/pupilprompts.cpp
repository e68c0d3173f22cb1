#include "pupilprompts.h"

#include <QMessageBox>

namespace orlavine {

PupilPrompts MessageBoxPrompts(QWidget* window)
{
    PupilPrompts prompts;
    prompts.askYesNo = [window](const QString& title, const QString& message) {
        return QMessageBox::question(window, title, message) == QMessageBox::Yes;
    };
    prompts.tell = [window](const QString& title, const QString& message) {
        QMessageBox::information(window, title, message);
    };
    return prompts;
}

} // namespace orlavine
