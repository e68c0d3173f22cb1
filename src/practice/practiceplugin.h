#pragma once

// The practice windows as the main window sees them: a plugin loaded when the first paper
// opens, so that the program starts without the page viewer's libraries.

#include "marking/attempt.h"

#include <QString>
#include <QtPlugin>

#include <functional>

namespace orlavine {

/// The paper a practice window opens, as the main window had it selected.
struct PaperChoice {
    AttemptKind kind = AttemptKind::First;
    PaperRef paper;
    /// The topic's first paper within the module (1, 6, ..., 46): the window's caption
    /// numbers the paper within its topic.
    int firstPaperOfTopic = 1;
    /// The topic's name, as the paper grid heads it.
    QString topicName;
    /// The question shown first, and whether its worked solution shows in its place (a
    /// marked attempt with a solution only), as the report's questions to practise open.
    int question = 1;
    bool showSolution = false;
};

/// Opens and closes the practice windows (`Test1` for a first attempt, `Test2` for a
/// second). At most one is open: opening a paper closes the open window first (see
/// closeAll), unless it holds that very attempt, which is then brought to the front (and shows
/// the question `choice` names when it asks for the solution).
class PracticePlugin {
  public:
    virtual ~PracticePlugin() = default;

    /// Opens the window for `choice` and shows it; `closed` runs once as it closes. When
    /// the paper cannot be opened the pupil is told why in the pop-up box and no window
    /// opens (`closed` does not run).
    virtual void open(const PaperChoice& choice, std::function<void()> closed) = 0;
    /// Closes the open windows, minimised ones included: each asks nothing, stores and
    /// saves the answers of an attempt still open, and runs its `closed`.
    virtual void closeAll() = 0;
    /// Readies the page viewer before any paper opens: its profile and a page process,
    /// with a hidden page of nothing kept for the program's life, so that the first paper
    /// opens as quickly as the rest. `done` runs once the page is up. Does nothing more
    /// when called again.
    virtual void warmUp(std::function<void()> done) = 0;
};

} // namespace orlavine

#define OrlavinePracticePlugin_iid "org.orlavine.Practice.PracticePlugin/1"
Q_DECLARE_INTERFACE(orlavine::PracticePlugin, OrlavinePracticePlugin_iid)
