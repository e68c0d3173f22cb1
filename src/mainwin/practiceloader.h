#pragma once

#include <QString>

namespace orlavine {

class Contents;

/// Lets the main window open and close the practice windows, which live in a library of
/// their own with the page viewer (Qt WebEngine): its OpenPaper opens `Test1` or `Test2`,
/// loading that library when the first paper opens, so the program starts without the
/// viewer's libraries. The library lies beside this one; `library` names another file (for
/// tests). When it cannot be loaded the pupil is told so in the pop-up box and the main
/// window goes on.
void LoadPracticeWindowsWhenNeeded(Contents& contents, const QString& library = QString());

} // namespace orlavine
