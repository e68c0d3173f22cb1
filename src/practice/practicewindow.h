#pragma once

#include "marking/answersheet.h"
#include "marking/attempt.h"
#include "marking/pagefile.h"
#include "practice/practicelayout.h"

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
class StateFields;
class StatusPanels;

/// A practice window: `Test1` for a paper's first attempt, `Test2` for its second. The
/// question page on the left (`brwWebBrowser`), the answer sheet on the right (`AnsBox`),
/// the toolbar above, the remaining questions below. The second attempt differs in what
/// it reads and shows, not in how it works.
///
/// The window reads the paper from the main window's state fields (PaperNum, TopicCount,
/// LChose, lblCOD, TtPapersCon) and answers its pop-up boxes through PopUpResponse; when
/// it closes it calls the main window's RefreshContents.
class PracticeWindow : public QWidget {
    Q_OBJECT
  public:
    /// What the window takes from the main window: its state fields, the selected
    /// topic's name (the paper-grid heading) and RefreshContents.
    struct Host {
        StateFields* fields = nullptr;
        QString topicName;
        std::function<void()> refreshContents;
    };

    /// Builds and opens the window for the paper the host's fields name, and shows it.
    /// Returns null, after telling the pupil why in the pop-up box, when the paper cannot
    /// be opened. The window deletes itself when it closes.
    static PracticeWindow* Open(AttemptKind kind, const Host& host);

    ~PracticeWindow() override;

    const Attempt& attempt() const { return *m_attempt; }
    /// QSCount: the question shown, 1..questionCount().
    int questionNumber() const { return m_question; }
    bool sheetShown() const { return m_sheetShown; }
    /// The window's own hidden fields: QSCount, Status, TopicCount, txtPressTrack and the
    /// focus flag.
    StateFields& fields() const { return *m_fields; }

    // The pupil's operations, as the toolbar, the list and the keys run them.
    void nextQuestion();
    void previousQuestion();
    void pickRemainingQuestion(int question);
    void savePaper();
    void markPaper();
    void printQuestion();
    void closePaper();
    void toggleAnswerSheet();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    PracticeWindow(AttemptKind kind, const Host& host);
    void buildParts();
    void openPaper();
    void layOutWindow();
    void applyPlaces();
    void tick(const QPoint& pointer);

    // Questions and the sheet (practicenavigation.cpp).
    void goTo(int question, bool focusFirstBox);
    bool storeAndSave();
    void showQuestion();
    void showQuestionPage();
    void listRemainingQuestions();
    bool canGoBack() const;
    bool canGoNext() const;
    bool isOpen() const;
    void report(const QString& message);

    // Marking (practicemarking.cpp).
    void recordMarking();
    void showMarkedState();

    AttemptKind m_kind;
    Host m_host;
    StateFields* m_fields;
    std::unique_ptr<Attempt> m_attempt;
    QuestionPageFile m_page;
    int m_question = 1;
    bool m_sheetShown = true;
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

/// Closes and deletes the practice windows that are open: each stores and saves nothing
/// and calls RefreshContents. The main window runs it before opening a paper and as it
/// closes.
void ClosePracticeWindows();

} // namespace orlavine
