#pragma once

// The two functions the main window finds in this library when it loads it (see
// practiceloader.h), with C names so they can be looked up by name.

namespace orlavine {
class Contents;
}

extern "C" {

/// Opens `Test1` for `attempt` 1, `Test2` otherwise, for the paper the main window's state
/// fields name, over its selected topic; the window calls the main window's
/// RefreshContents as it closes.
void orlavine_open_practice_window(orlavine::Contents* contents, int attempt);

/// Closes the open practice windows (see ClosePracticeWindows).
void orlavine_close_practice_windows();
}
