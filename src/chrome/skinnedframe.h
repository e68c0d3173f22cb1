#pragma once

#include "chrome/framelayout.h"

#include <QObject>
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace orlavine {

class PictureButton;

/// Lets the user drag `window` with the mouse: asks the window system to move it (its own
/// move loop runs until the button is released). Returns false when the system refuses
/// (X11 without a window manager); SkinnedFrame then drags the window itself.
bool MoveForm(QWidget* window);

/// The skinned frame of a window: makes the window borderless and builds on it the frame
/// pieces `BTopLeft`, `BTopCentre`, `BTopRight`, `BLeft`, `BRight`, `BBotLeft`, `BBot`,
/// `BBotRight`, the title (`Title`; on the pop-up box `lblTitle`) and, except on the pop-up
/// box, the icon `ImgIco` and the picture buttons `imgProgMin`, `imgProgClose` (and
/// `imgProgMax` on practice windows). The window owns the frame.
///
/// The frame lays itself out (pieces, title bar, rounded outline) whenever the window is
/// resized; a press on the top bar or the title drags the window; activation switches the
/// main and practice windows between the blue and the white skin, and only an active
/// window's title-bar buttons light up under the pointer. Clicks on the title-bar buttons
/// are the window's: connect to closeButton() etc. A window shown or restored comes
/// inside its screen's available area, no larger than it.
class SkinnedFrame : public QObject {
    Q_OBJECT
  public:
    SkinnedFrame(QWidget* window, FrameKind kind);

    FrameKind kind() const { return m_kind; }
    /// Shows `text` as the window's title (and caption).
    void setTitle(const QString& text);
    QLabel* title() const { return m_title; }
    /// The title-bar buttons; null on the pop-up box, max() null but on practice windows.
    PictureButton* closeButton() const { return m_close; }
    PictureButton* minButton() const { return m_min; }
    PictureButton* maxButton() const { return m_max; }
    /// Height of the top bar and widths of the side pieces and height of the bottom piece.
    int topHeight() const;
    int leftWidth() const;
    int rightWidth() const;
    int bottomHeight() const;

    /// LayOutFrame and pRoundCorners: places the pieces and the title bar for the window's
    /// present size and cuts its outline. Runs by itself on every resize.
    void layOut();
    /// The blue skin, white title (main and practice windows).
    void showActiveFrame();
    /// The white skin, grey title.
    void showInactiveFrame();
    /// True between showActiveFrame and showInactiveFrame: the window has the focus.
    bool isActive() const { return m_active; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PictureButton* addPiece(const char* name, const QString& picture);
    void setTopSkin(bool active);
    void setButtonLooks();
    /// Brings the window, shown or restored, inside its screen's available area.
    void keepOnScreen();
    bool isDragHandle(QObject* object) const;

    QWidget* m_window;
    FrameKind m_kind;
    bool m_active = true;
    PictureButton *m_topLeft, *m_topCentre, *m_topRight, *m_left, *m_right, *m_bottomLeft,
        *m_bottom, *m_bottomRight;
    QLabel* m_title;
    QLabel* m_icon = nullptr;
    PictureButton* m_close = nullptr;
    PictureButton* m_min = nullptr;
    PictureButton* m_max = nullptr;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace orlavine
