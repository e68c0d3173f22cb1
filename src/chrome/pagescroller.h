#pragma once

#include <QScrollArea>

namespace orlavine {

/// Holds a page laid out at fixed positions: the page fills the scroller when there is
/// room, and scrolls up and down when the window is shorter than the page's minimum height
/// (a high scale or large text on a small screen), so nothing is cut off. A control that
/// takes the keyboard focus is scrolled into sight. The scroller itself takes no focus.
class PageScroller : public QScrollArea {
    Q_OBJECT
  public:
    /// Takes `page` as its own; `page` sets its minimum height.
    PageScroller(QWidget* page, QWidget* parent);
    /// What shows `page` in its parent: the scroller holding it, or the page itself.
    static QWidget* outer(QWidget* page);
};

} // namespace orlavine
