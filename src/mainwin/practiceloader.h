#pragma once

#include <QString>

#include <functional>

namespace orlavine {

class Contents;

/// Lets the main window open and close the practice windows, which live in a plugin of
/// their own with the page viewer (Qt WebEngine), so that the program starts without the
/// viewer's libraries. Once the main window has been painted and the program is idle, the
/// plugin `pluginFile` is loaded (its libraries in a thread of their own) and the viewer
/// warmed (PracticePlugin::warmUp); `warmed`, when given, runs then. A paper opened before
/// waits only for what remains. When the plugin cannot be loaded the warming says nothing;
/// opening a paper tells the pupil in the pop-up box, and the main window goes on.
void LoadPracticeWindowsWhenNeeded(Contents& contents, const QString& pluginFile,
                                   std::function<void()> warmed = {});

} // namespace orlavine
