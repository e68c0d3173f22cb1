#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace orlavine {

// What assistive tools (screen readers, over AT-SPI on Linux) are told of the skin's
// controls:
// - a PictureButton is a button named by its accessible name, else by its caption, else
//   by its hover hint; the press action clicks it from the event loop; its caption is part
//   of it, not a child of its own;
// - a ClickLabel standing alone (a topic entry) is such a button named by its text, a
//   checkable one when it is one of a group of which one is chosen.

/// Installs the interfaces above, once (after the application object, which installs Qt's
/// own, so that they are asked first), and makes them answer for `control`, a skin control
/// or a widget given a role or a readout below. Only the controls so named are looked at:
/// the factory is asked for every object, the page viewer's among them, some of them not
/// yet whole.
void InstallSkinInterfaces(QWidget* control);

/// Gives `widget` the accessible role `role` in place of the one of its class.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

/// Marks the skin control `control` as the chosen one of its group (the selected topic)
/// or not: it is told as a button that is checked, and a change is announced.
void SetAccessibleChosen(QWidget* control, bool chosen);

/// Makes `panel` one reading: static text named `what` (when not empty), a colon and the
/// texts of its visible labels in order ("Questions answered: 2 / 33"); the labels are
/// not told apart.
void SetReadout(QWidget* panel, const QString& what);

/// Tells assistive tools that the reading holding `label` changed (a counter moved, a
/// score was given), so a screen reader can say it again; the clock's ticking is not told.
void AnnounceReadout(QWidget* label);

} // namespace orlavine
