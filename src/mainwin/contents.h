#pragma once

#include "mainwin/selection.h"
#include "practice/practiceplugin.h"
#include "records/learner.h"
#include "records/package.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace orlavine {

class AboutPage;
class CardPrinter;
class Error;
class HomePage;
class Navigation;
class ReportPage;
struct WrongQuestion;
class SkinnedFrame;
class TrashPage;

/// What the main window hands on to the windows and pages built on it. Every hook is
/// optional; an empty one does nothing. The main window sets the report, printing and
/// web-page hooks itself; tests may replace them.
struct ContentsHooks {
    /// Closes the practice windows Test1 and Test2 where open (CloseProgram). A window
    /// closed this way asks nothing, saves the answers of an open attempt and calls
    /// RefreshContents.
    std::function<void()> closePracticeWindows;
    /// Opens Test1 or Test2 for `choice`, modeless, closing the open one first; a window
    /// already holding that attempt comes to the front instead. A window calls
    /// RefreshContents as it closes.
    std::function<void(const PaperChoice& choice)> openPracticeWindow;
    /// The Report button: FillReport, ArrangeReport, then show Body_Report with placePage.
    std::function<void()> showReport;
    /// The Print button: PrintResultsCard. The page in front stays.
    std::function<void()> printResultsCard;
    /// The Help tab's Setup button: PrintSetup. The page in front stays.
    std::function<void()> printSetup;
    /// The About page's link: OpenMakerPage.
    std::function<void()> openMakerPage;
};

/// The main window `Contents`, the first and last window of a run. Constructing it does
/// the start-up: pictures written to the Graphics folder, frame, settings, learner files
/// made sure of (backed up before any repair), tabs, and the first module's home page
/// with topic 1 selected. Closing it closes the practice windows and ends the program.
///
/// What the pupil has selected is the window's selection(). Errors of the core are shown
/// in the pop-up box; the window never fails on them.
class Contents : public QWidget {
    Q_OBJECT
  public:
    explicit Contents(QWidget* parent = nullptr);
    ~Contents() override;

    const MainSelection& selection() const { return m_selection; }
    ContentsHooks& hooks() { return m_hooks; }
    /// The package settings read at start-up (empty when they could not be read).
    const PackageSettings& settings() const { return m_settings; }
    /// The chosen module's six marks lists, as last loaded by LoadModuleMarks.
    const MarksLists& marks() const { return m_marks; }
    /// The selected topic's name (the grid heading SubH1).
    QString selectedTopicName() const;

    /// Reloads the chosen module's results and redraws the selected topic's grid, keeping
    /// the selection; the practice windows call it as they close.
    void RefreshContents();
    /// Opens paper `offset` + 1 (0..4) of the selected topic for `attempt` 1 or 2 through
    /// the practice-window hook.
    void OpenPaper(int offset, int attempt);
    /// Opens the marked attempt that holds `question` at that question, its worked
    /// solution shown, through the practice-window hook.
    void OpenQuestionToPractise(const WrongQuestion& question);
    /// Acts on the tab in front and the toolbar position: shows a page or runs a toolbar
    /// action.
    void ShowPage();
    /// Arranges the tabs with `tab` (1..4) in front.
    void RaiseTab(int tab);
    /// A click on tab 1..4.
    void TabClick(int tab);
    /// A click on toolbar position 1..4.
    void ToolBarClick(int position);
    /// Loads module `module`'s results into the home page; selects topic 1 unless
    /// `keepTopic`.
    void LoadModuleMarks(int module, bool keepTopic = false);
    /// Closes the practice windows, then this window, which ends the program.
    void CloseProgram();
    /// Places `page` below the tab strip and brings it in front of the other pages.
    void placePage(QWidget* page);
    /// Shows `error` to the pupil in the pop-up box.
    void showError(const Error& error);
    /// The Report button: the chosen module's report computed afresh and shown on
    /// Body_Report, opened on the section last opened.
    void ShowReport();
    /// Fills the report's fourth section with the chosen module's questions to practise.
    void ShowQuestionsToPractise();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    void attachReportAndPrinting();
    void readSettings();
    void ensureLearnerRecords();
    std::optional<QString> resetResults();

    MainSelection m_selection;
    ContentsHooks m_hooks;
    PackageSettings m_settings;
    MarksLists m_marks;
    SkinnedFrame* m_frame = nullptr;
    Navigation* m_navigation = nullptr;
    HomePage* m_home = nullptr;
    AboutPage* m_about = nullptr;
    TrashPage* m_trash = nullptr;
    ReportPage* m_report = nullptr;
    std::unique_ptr<CardPrinter> m_printer;
};

} // namespace orlavine
