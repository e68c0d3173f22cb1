#pragma once

#include <QString>

class QLabel;

namespace orlavine {

/// Shows a label's whole one-line text in its width: the font steps down (to 7 points at
/// the least) until the text fits; what still does not fit is elided with "…" and the
/// full text goes to the label's status tip. Package texts such as topic names have no
/// length limit, while the windows keep their design size.
void FitTextToWidth(QLabel* label, const QString& text);

/// `folder` as the pupil reads it in a message, with a place to break the line after each
/// separator so that a long path wraps inside a word-wrapped label.
QString ShownFolder(const QString& folder);

} // namespace orlavine
