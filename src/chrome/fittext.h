#pragma once

#include <QString>

class QLabel;

namespace orlavine {

/// Shows a name such as a topic's in `label` at the label's own font and width: on one line
/// if it fits, else word-wrapped onto up to `maxLines` lines, the last one elided with "…"
/// where the rest still does not fit. Package texts have no length limit, while the windows
/// keep their design size. The tool tip is `hint` for a name shown whole; for an elided one
/// it is the full name, with `hint` on a line of its own below it. Returns the lines shown.
int ShowName(QLabel* label, const QString& name, int maxLines, const QString& hint = {});

/// `folder` as the pupil reads it in a message, with a place to break the line after each
/// separator so that a long path wraps inside a word-wrapped label.
QString ShownFolder(const QString& folder);

} // namespace orlavine
