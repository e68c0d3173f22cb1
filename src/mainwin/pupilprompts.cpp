#include "mainwin/pupilprompts.h"

#include "chrome/popupbox.h"

#include <QMessageBox>

namespace orlavine {

PupilPrompts PopUpPrompts(QWidget* window)
{
    PupilPrompts prompts;
    prompts.askYesNo = [window](const QString& title, const QString& message) {
        return CallPop(title, message, 2, window);
    };
    prompts.tell = [window](const QString& title, const QString& message) {
        CallPop(title, message, 1, window);
    };
    return prompts;
}

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
