#pragma once

#include "records/learner.h"
#include "mainwin/pupilprompts.h"
#include "report/resultscard.h"

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace orlavine {

/// Prints the results card and keeps the printer chosen for it. Until the pupil chooses
/// one in PrintSetup, every card goes to the system's default printer.
class CardPrinter {
public:
    /// `window` is the parent of the dialogs and message boxes; `prompts` ask and tell
    /// the pupil (the main window's pop-up box); one left empty uses a system message box.
    CardPrinter(QWidget* window, PupilPrompts prompts);
    ~CardPrinter();

    /// Prints the module's results card, headed by `caption`, straight to the current
    /// printer without a dialog. With no printer installed it offers to save the card as
    /// a PDF file instead. Tells the pupil when the card could not be printed or saved.
    void PrintResultsCard(const QByteArray& caption, const ModuleSettings& module,
                          const MarksLists& marks);

    /// The system's printer set-up dialog. An accepted choice (printer, page settings, or
    /// a PDF file) becomes the current printer for later cards; a cancelled dialog keeps
    /// the current one.
    void PrintSetup();

    /// The printer chosen in PrintSetup; null while the system's default printer is used.
    const QPrinter* chosenPrinter() const { return m_chosen.get(); }

    /// Replaces the dialog that asks where to save the card as PDF: given a suggested
    /// path, returns the chosen path or an empty text when the pupil cancels.
    void setSaveFileChooser(std::function<QString(const QString& suggested)> chooser);

private:
    void offerPdf(const QList<CardLine>& lines);
    std::unique_ptr<QPrinter> setupCandidate() const;

    QWidget* m_window;
    PupilPrompts m_prompts;
    std::function<QString(const QString&)> m_chooseFile;
    std::unique_ptr<QPrinter> m_chosen;
};

} // namespace orlavine
