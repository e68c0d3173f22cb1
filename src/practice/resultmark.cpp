#include "practice/resultmark.h"

#include "chrome/accessibility.h"
#include "records/learner.h"
#include "chrome/twips.h"

#include <QPainter>
#include <QPainterPath>

namespace orlavine {

ResultMark::ResultMark(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    resize(Twips(240, this), Twips(240, this));
    hide();
    SetAccessibleRole(this, QAccessible::Graphic);
}

void ResultMark::setMark(const QByteArray& mark)
{
    m_mark = mark;
    setAccessibleName(mark == kRightMark   ? QStringLiteral("correct")
                      : mark == kWrongMark ? QStringLiteral("wrong")
                                           : QString());
    update();
}

void ResultMark::paintEvent(QPaintEvent*)
{
    if (m_mark != kRightMark && m_mark != kWrongMark)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    QPainterPath path;
    if (m_mark == kRightMark) {
        path.moveTo(r.left(), r.top() + r.height() * 0.55);
        path.lineTo(r.left() + r.width() * 0.38, r.bottom());
        path.lineTo(r.right(), r.top());
        painter.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        path.moveTo(r.topLeft());
        path.lineTo(r.bottomRight());
        path.moveTo(r.topRight());
        path.lineTo(r.bottomLeft());
        painter.setPen(QPen(QColor(200, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    }
    painter.drawPath(path);
}

} // namespace orlavine
