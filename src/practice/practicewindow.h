#pragma once

#include "marking/answersheet.h"
#include "marking/attempt.h"
#include "marking/pagefile.h"
#include "practice/practicelayout.h"
#include "practice/practiceplugin.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;

namespace orlavine {

class MarkingPanel;
class PictureButton;
class PracticeToolbar;
class QuestionPrinter;
class QuestionView;
class RemainingBar;
class SheetPanel;
class SkinnedFrame;
class StatusPanels;

/// A practice window: `Test1` for a paper's first attempt, `Test2` for its second. The
/// question page on the left (`brwWebBrowser`), the answer sheet on the right (`AnsBox`),
/// the toolbar above, the remaining questions below. The second attempt differs in what
/// it reads and shows, not in how it works.
///
/// The window opens the paper the main window chose; it emits closed() as it closes.
class PracticeWindow : public QWidget {
    Q_OBJECT
  public:
    /// Builds and opens the window for `choice`, and shows it. Returns null, after telling
    /// the pupil why in the pop-up box, when the paper cannot be opened. The window
    /// deletes itself when it closes.
    static PracticeWindow* Open(const PaperChoice& choice);

    ~PracticeWindow() override;

    const Attempt& attempt() const { return *m_attempt; }
    /// True when the window holds the attempt `choice` names.
    bool holds(const PaperChoice& choice) const;
    /// Closed by the program (another paper opened, the main window closing): an open
    /// attempt's answers are stored and saved first, as a move between questions does;
    /// nothing is asked.
    void closeForProgram();
    /// Shows the window in front, restored if it was minimised.
    void bringToFront();

    /// The question shown, 1..questionCount().
    int questionNumber() const { return m_question; }
    bool sheetShown() const { return m_sheetShown; }
    /// Whether the viewer shows the question's worked solution rather than its page.
    bool solutionShown() const;

    // The pupil's operations, as the toolbar, the list and the keys run them.
    void nextQuestion();
    void previousQuestion();
    void pickRemainingQuestion(int question);
    void savePaper();
    void markPaper();
    void printQuestion();
    void closePaper();
    void toggleAnswerSheet();
    /// Once the attempt is marked: the worked solution of the question shown, or back to
    /// the question. The choice holds for the questions the pupil moves to.
    void toggleSolution();
    /// Moves to `question` and shows its worked solution, or its page, as the pupil's
    /// choice from then on; the solution only shows for a marked attempt.
    void showQuestionAt(int question, bool solution);

  signals:
    /// The window is closing: the main window refreshes its results.
    void closed();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    explicit PracticeWindow(const PaperChoice& choice);
    void buildParts();
    void openPaper();
    void layOutWindow();
    void applyPlaces();
    /// Enables the toolbar's buttons for the attempt's state and the question shown, and
    /// shows the count of questions answered.
    void showProgress();
    void showClock();

    // Questions and the sheet (practicenavigation.cpp).
    void goTo(int question, bool focusFirstBox);
    bool storeAndSave();
    void showQuestion();
    void showQuestionPage();
    bool hasSolution() const;
    void listRemainingQuestions();
    bool canGoBack() const;
    bool canGoNext() const;
    bool isOpen() const;
    void report(const QString& message);

    // Marking (practicemarking.cpp).
    void recordMarking();
    void showMarkedState();

    PaperChoice m_choice;
    std::unique_ptr<Attempt> m_attempt;
    QuestionPageFile m_page;
    int m_question = 1;
    bool m_sheetShown = true;
    bool m_solutionChosen = false; // the pupil's last choice, solution or question
    QString m_caption;

    SkinnedFrame* m_frame = nullptr;
    PracticeToolbar* m_toolbar = nullptr;
    QuestionView* m_view = nullptr;
    QuestionPrinter* m_printer = nullptr;
    QWidget* m_titleBar = nullptr;
    QLabel* m_questionTitle = nullptr;
    RemainingBar* m_remaining = nullptr;
    QWidget* m_handleStrip = nullptr;
    PictureButton* m_handle = nullptr;
    SheetPanel* m_sheet = nullptr;
    StatusPanels* m_status = nullptr;
    MarkingPanel* m_marking = nullptr;
    QLabel* m_sizer = nullptr;
    PracticeSizes m_sizes;
    PracticePlaces m_places;
};

} // namespace orlavine
