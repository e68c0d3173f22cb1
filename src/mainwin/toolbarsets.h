#pragma once

#include <QString>

namespace orlavine {

/// What one position of the main window's toolbar offers: its caption, its tooltip
/// (button and caption carry the same one) and the stem of its pictures ("home" for
/// home_off.bmp, home_on.bmp, home_pressed.bmp). An empty caption means the position is
/// hidden.
struct ToolBarEntry {
    QString caption;
    QString tooltip;
    QString pictureStem;
};

/// Position 1..4 of the set for a module tab (Home, Report, Print, Close) or, with
/// `helpTab`, for the Help tab (About, Trash, hidden, Setup).
ToolBarEntry ToolBarSetEntry(bool helpTab, int position);

} // namespace orlavine
