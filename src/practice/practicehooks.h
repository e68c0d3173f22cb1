#pragma once

namespace orlavine {

class Contents;

/// Lets the main window open and close the practice windows: its OpenPaper opens `Test1`
/// or `Test2` for the paper its state fields name, over the selected topic; the windows
/// call its RefreshContents as they close; closing it closes them.
void AttachPracticeWindows(Contents& contents);

} // namespace orlavine
