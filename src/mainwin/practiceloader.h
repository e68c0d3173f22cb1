#pragma once

#include <QString>

namespace orlavine {

class Contents;

/// Lets the main window open and close the practice windows, which live in a plugin of
/// their own with the page viewer (Qt WebEngine): the plugin `pluginFile` is loaded when
/// the first paper opens, so the program starts without the viewer's libraries. When it
/// cannot be loaded the pupil is told so in the pop-up box and the main window goes on.
void LoadPracticeWindowsWhenNeeded(Contents& contents, const QString& pluginFile);

} // namespace orlavine
