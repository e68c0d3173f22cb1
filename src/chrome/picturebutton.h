#pragma once

#include <QLabel>
#include <QString>

#include <functional>

class QTimer;

namespace orlavine {

/// A picture control of the skin: shows one picture of the skin layer and reports mouse
/// presses, releases and clicks (a press and a release over it). Buttons, tabs and the
/// frame pieces are picture buttons; the timers swap their pictures.
class PictureButton : public QLabel {
    Q_OBJECT
  public:
    /// A button named `objectName` showing `picture`, sized to it.
    PictureButton(const QString& objectName, const QString& picture, QWidget* parent);

    /// Shows the skin picture `name`; does nothing when it shows it already.
    void setPicture(const QString& name);
    /// The name of the picture shown.
    const QString& picture() const { return m_picture; }

  public slots:
    /// Performs a click, as a caption label does for its button.
    void click() { emit clicked(); }

  signals:
    void pressed(Qt::MouseButton button);
    void released();
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString m_picture;
};

/// A text label that reports clicks (a left press and release over it).
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    ClickLabel(const QString& objectName, const QString& text, QWidget* parent);

  signals:
    void clicked();

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

/// True when the screen position `pointer` lies within `widget`'s screen rectangle.
bool PointerInside(const QWidget* widget, const QPoint& pointer);

/// The hover swap: `on` when `pointer` lies over the button, `off` otherwise.
void UpdateButtonImage(PictureButton* button, const QPoint& pointer, const QString& off,
                       const QString& on);

/// A window's hover timer: a QTimer named "Timer1", child of `window`, firing every
/// 100 ms, started. Its tick reads the pointer (QCursor::pos) and hands it to the
/// window's own update.
QTimer* StartHoverTimer(QWidget* window, std::function<void(const QPoint& pointer)> tick);

} // namespace orlavine
