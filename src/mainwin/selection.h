#pragma once

namespace orlavine {

/// What the main window has selected and which of its pages and sections is in front.
struct MainSelection {
    /// The module whose results the home page and the report show (1..3).
    int chosenModule = 1;
    /// The tab in front: a module's (1..3) or Help (4).
    int frontTab = 1;
    /// The toolbar position last clicked (1..4); 0 before any.
    int toolbarPosition = 0;
    /// The report section opened last (1..3).
    int reportSection = 1;
    /// The selected topic's first paper within the module: 1, 6, ..., 46.
    int firstPaperOfTopic = 1;
    /// The paper last asked for: 100 plus its number within the module (101..150); 0 before any.
    int paper = 0;
    /// The attempt last asked for: 1 or 2; 0 before any.
    int attempt = 0;
};

} // namespace orlavine
