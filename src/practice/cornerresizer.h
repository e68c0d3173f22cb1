#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace orlavine {

/// Resizing a borderless practice window by its bottom-right corner. Over the window's
/// own surface and its frame pieces the pointer takes the sizing shape of the edge zone
/// it is in; a left press in a zone brings the pointer onto the window's border line, and
/// a press in the bottom-right corner zone (or anywhere on the grip) drags the window's
/// size until the button is released, never below 7300 x 5000 twips.
class CornerResizer : public QObject {
    Q_OBJECT
  public:
    /// `edges` are the frame pieces along the sides and bottom; `topPieces` the top bar's
    /// pieces, which only show the pointer shape (a press there drags the window).
    CornerResizer(QWidget* window, QWidget* grip, const QList<QWidget*>& edges,
                  const QList<QWidget*>& topPieces);

    bool isResizing() const { return m_resizing; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void press(QWidget* source, const QPoint& global);

    QWidget* m_window;
    QPointer<QWidget> m_grip;
    QList<QPointer<QWidget>> m_topPieces;
    bool m_resizing = false;
};

} // namespace orlavine
