#pragma once

#include <QColor>

class QKeyEvent;
class QWidget;

namespace orlavine {

/// The skin's dark blue, in which a control that has the keyboard focus is outlined.
inline const QColor kFocusMarkDark(30, 55, 100);
/// The outline on the skin's dark bars.
inline const QColor kFocusMarkLight(221, 232, 246);

/// Draws the focus mark, a 2-pixel outline just inside `widget`'s edges, in `colour`;
/// call it at the end of the widget's paintEvent.
void PaintFocusMark(QWidget* widget, const QColor& colour = kFocusMarkDark);

/// True for the keys that press a focused control: Enter, Return and Space, without Ctrl,
/// Alt or Meta, and not repeated by a key held down.
bool IsPressKey(const QKeyEvent* event);

} // namespace orlavine
