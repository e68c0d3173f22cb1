#pragma once

#include "practice/practicelayout.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

namespace orlavine {

class PictureButton;
class StateFields;

/// The practice window's toolbar strip: Save, Mark, Print, Close, Back and Next
/// (`ToolBar01`..`ToolBar06`, captions `lblTB01`..`lblTB06`). Each tick picks every
/// button's picture by the pointer and the press state, and enables or disables Save,
/// Mark, Back and Next.
class PracticeToolbar : public QWidget {
    Q_OBJECT
  public:
    /// `fields` holds the window's txtPressTrack; `actions` runs a button by its slot.
    PracticeToolbar(StateFields& fields, std::function<void(ToolbarSlot)> actions, QWidget* parent);

    PictureButton* button(ToolbarSlot slot) const { return m_buttons.at(slot); }
    /// Height of the strip and size of one button.
    int stripHeight() const;
    QSize buttonSize() const;
    /// Places the buttons at `places` (strip coordinates).
    void place(const std::array<QRect, 6>& places);

    /// One tick: pointer at screen position `pointer`; `open` while the attempt is not
    /// marked; `canGoBack`, `canGoNext` by the question shown.
    void update(const QPoint& pointer, bool open, bool canGoBack, bool canGoNext);

  private:
    void updateButton(ToolbarSlot slot, const QPoint& pointer, bool enabled);

    StateFields& m_fields;
    std::array<PictureButton*, 6> m_buttons{};
    std::array<QStringList, 6> m_pictures; // off, on, pressed, disabled
};

} // namespace orlavine
