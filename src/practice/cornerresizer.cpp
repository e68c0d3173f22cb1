#include "practice/cornerresizer.h"

#include "practice/practicelayout.h"
#include "chrome/twips.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace orlavine {

CornerResizer::CornerResizer(QWidget* window, QWidget* grip, const QList<QWidget*>& edges,
                             const QList<QWidget*>& topPieces)
    : QObject(window), m_window(window), m_grip(grip)
{
    QList<QWidget*> watched = edges + topPieces;
    watched << window << grip;
    for (QWidget* widget : watched) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
    for (QWidget* piece : topPieces)
        m_topPieces.append(piece);
}

void CornerResizer::press(QWidget* source, const QPoint& global)
{
    const QRect frame = m_window->geometry();
    const QPoint at = global - frame.topLeft();
    EdgeZones zones = ZonesAt(at, frame.size());
    if (source == m_grip)
        zones.right = zones.bottom = true;
    // The pointer goes onto the border line of each zone pressed.
    QPoint onBorder = global;
    if (zones.left)
        onBorder.setX(frame.left());
    if (zones.top)
        onBorder.setY(frame.top());
    if (zones.right)
        onBorder.setX(frame.left() + frame.width());
    if (zones.bottom)
        onBorder.setY(frame.top() + frame.height());
    if (onBorder != global)
        QCursor::setPos(onBorder);
    m_resizing = zones.right && zones.bottom;
}

bool CornerResizer::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const bool topPiece = m_topPieces.contains(widget);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (m_resizing) {
            const QPoint at = global - m_window->geometry().topLeft();
            m_window->resize(CornerDragSize(at, m_window->size(), TwipsPerPixel(m_window)));
            return true;
        }
        const QPoint at = global - m_window->geometry().topLeft();
        widget->setCursor(widget == m_grip ? Qt::SizeFDiagCursor
                                           : SizingPointer(at, m_window->size()));
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (topPiece || mouse->button() != Qt::LeftButton)
            return false;
        press(widget, mouse->globalPosition().toPoint());
        return m_resizing;
    }
    case QEvent::MouseButtonRelease:
        if (!m_resizing)
            return false;
        m_resizing = false;
        return true;
    default:
        return false;
    }
}

} // namespace orlavine
