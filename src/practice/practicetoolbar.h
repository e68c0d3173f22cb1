#pragma once

#include "practice/practicelayout.h"

#include <QWidget>

#include <array>
#include <functional>

namespace orlavine {

class PictureButton;

/// The practice window's toolbar strip: Save, Mark, Print, Close, Back and Next
/// (`ToolBar01`..`ToolBar06`, captions `lblTB01`..`lblTB06`) and the worked solution's
/// button (`ToolBar07`, hidden until a marked question has a solution). Each button shows
/// its pictures by the pointer, a press and whether it is enabled.
class PracticeToolbar : public QWidget {
    Q_OBJECT
  public:
    /// `actions` runs a button by its slot.
    PracticeToolbar(std::function<void(ToolbarSlot)> actions, QWidget* parent);

    PictureButton* button(ToolbarSlot slot) const { return m_buttons.at(slot); }
    /// Height of the strip and size of one button.
    int stripHeight() const;
    QSize buttonSize() const;
    /// Places the buttons at `places` (strip coordinates).
    void place(const std::array<QRect, kToolbarSlots>& places);

    /// Save and Mark enabled while the attempt is `open` (not marked), Back and Next by
    /// the question shown.
    void enableButtons(bool open, bool canGoBack, bool canGoNext);

    /// The worked solution's button: shown when `available`, offering the solution or,
    /// while it is on show, the question.
    void showSolutionButton(bool available, bool solutionShown);

  private:
    std::array<PictureButton*, kToolbarSlots> m_buttons{};
};

} // namespace orlavine
