#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace orlavine {

/// How a page asks the pupil something or tells them something. The main window routes
/// both through its pop-up box; tests answer them directly.
struct PupilPrompts {
    /// Asks a question with Yes and No; true for Yes.
    std::function<bool(const QString& title, const QString& message)> askYesNo;
    /// Shows a message with an OK button.
    std::function<void(const QString& title, const QString& message)> tell;
};

/// Prompts shown in the program's pop-up box over `window` (CallPop).
PupilPrompts PopUpPrompts(QWidget* window);

/// Prompts shown in plain system message boxes over `window`.
PupilPrompts MessageBoxPrompts(QWidget* window);

} // namespace orlavine
