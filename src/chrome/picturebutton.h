#pragma once

#include <QLabel>
#include <QString>

namespace orlavine {

/// The pictures a picture button shows by its state: `off` at rest, `on` while the pointer
/// is over it, `pressed` while a press on it lasts and the pointer is over it (`on` when
/// empty), `disabled` while it is disabled (`off` when empty).
struct ButtonLooks {
    QString off;
    QString on;
    QString pressed;
    QString disabled;
};

/// A label the pupil can press: it reports clicks, and, made reachable, takes the focus by
/// the Tab key, shows the focus mark and is pressed by Enter or Space.
class PressableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    /// Lets the pupil reach the label with Tab and press it with Enter or Space; it then
    /// shows the focus mark. A click gives it no focus, so the mouse sees nothing new.
    void setKeyboardReachable(bool reachable);

  signals:
    void clicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

/// A picture control of the skin: shows one picture of the skin layer and reports mouse
/// presses, releases and clicks (a press and a release over it). Buttons, tabs and the
/// frame pieces are picture buttons. A button given looks follows the pointer itself, by
/// its enter and leave events.
class PictureButton : public PressableLabel {
    Q_OBJECT
  public:
    /// A button named `objectName` showing `picture`, sized to it.
    PictureButton(const QString& objectName, const QString& picture, QWidget* parent);

    /// Shows the skin picture `name`; does nothing when it shows it already.
    void setPicture(const QString& name);
    /// The name of the picture shown.
    const QString& picture() const { return m_picture; }
    /// Shows the pictures of `looks` by the button's state from now on.
    void setLooks(const ButtonLooks& looks);
    /// True between the pointer entering the button and leaving it.
    bool isHovered() const { return m_hovered; }
    /// True between a press on the button and its release.
    bool isPressed() const { return m_pressed; }

  public slots:
    /// Performs a click, as a caption label does for its button.
    void click() { emit clicked(); }

  signals:
    void pressed(Qt::MouseButton button);
    void released();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showLook();

    QString m_picture;
    ButtonLooks m_looks;
    bool m_hovered = false;
    bool m_pressed = false;
};

/// A text label that reports clicks (a left press and release over it).
class ClickLabel : public PressableLabel {
    Q_OBJECT
  public:
    ClickLabel(const QString& objectName, const QString& text, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool m_pressed = false;
};

/// A caption label standing on `button` (a child of it, covering it, so it moves and
/// hides with it): its text is aligned by `alignment` and its click performs the button's.
ClickLabel* AddCaption(PictureButton* button, const QString& objectName, const QString& text,
                       Qt::Alignment alignment = Qt::AlignCenter);


} // namespace orlavine
