#include "chrome/focusmark.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace orlavine {

void PaintFocusMark(QWidget* widget, const QColor& colour)
{
    QPainter painter(widget);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(widget->rect()).adjusted(1, 1, -1, -1));
}

bool IsPressKey(const QKeyEvent* event)
{
    if (event->isAutoRepeat() ||
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace orlavine
