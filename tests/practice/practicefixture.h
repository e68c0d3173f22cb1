#pragma once

#include "guifixture.h"
#include "guitest.h"
#include "practice/practicewindow.h"
#include "recordsfixture.h"

class QWebEngineView;

// A practice window on the test package, as the main window opens it: the paper chosen,
// a count of the windows closed (where the main window refreshes), the pop-up box answered
// by the test, the marking animation without pauses.

class PracticeSession {
  public:
    PracticeSession();
    ~PracticeSession();

    /// Paper `paper` of module 1 (topic 1 for 101..105, topic 2 for 106..110).
    static orlavine::PaperChoice choice(orlavine::AttemptKind kind, int paper);
    /// Opens the window for choice(kind, paper) and waits until its first page is loaded.
    /// Null when it did not open.
    orlavine::PracticeWindow* open(orlavine::AttemptKind kind, int paper);
    /// The window's question viewer.
    static QWebEngineView* viewOf(const orlavine::PracticeWindow* window);
    /// Runs `action` and waits until the window's viewer has loaded a page; false when no
    /// page came within a generous time.
    static bool waitForPage(orlavine::PracticeWindow* window, const std::function<void()>& action);
    /// Waits until the window's viewer has no page load under way (the page shown, as after
    /// opening); false when that did not come within a generous time.
    static bool waitUntilLoaded(const orlavine::PracticeWindow* window);

    /// Types `text` into answer box k (1..20) of the sheet on show, replacing its text.
    static void type(orlavine::PracticeWindow* window, int k, const QString& text);
    /// Presses a toolbar button (1..6) with the mouse, once the window has enabled it.
    static void press(orlavine::PracticeWindow* window, int button);
    /// Closes the window (if still open) and waits until it is gone.
    static void dispose(orlavine::PracticeWindow* window);

    /// Answers pop-up boxes with `answers` (1 = OK or Yes, 2 = No) from now on; records them.
    PopUpAnswers& answer(QList<int> answers);
    PopUpAnswers* answers() { return m_answers.get(); }

    SkinnedTestFolder folder;
    int refreshes = 0;

  private:
    std::unique_ptr<PopUpAnswers> m_answers;
};
