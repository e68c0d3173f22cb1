#include "mainwin/headerbar.h"

#include "chrome/focusmark.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace orlavine {

HeaderBar::HeaderBar(const QString& name, const QString& caption, const QString& tooltip,
                     QWidget* parent)
    : QWidget(parent), m_caption(new QLabel(caption, this))
{
    setObjectName(name);
    setToolTip(tooltip);
    setCursor(Qt::PointingHandCursor);
    setFixedHeight(24);
    setFocusPolicy(Qt::TabFocus);
    m_caption->setObjectName(QStringLiteral("lbl") + name);
    m_caption->setToolTip(tooltip);
    m_caption->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
}

void HeaderBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(92, 132, 196));
    gradient.setColorAt(1, QColor(44, 78, 140));
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(30, 55, 100));
    painter.drawLine(0, height() - 1, width(), height() - 1);
    painter.end();
    if (hasFocus())
        PaintFocusMark(this, kFocusMarkLight);
}

void HeaderBar::mousePressEvent(QMouseEvent* event)
{
    // Accepting the press keeps the release here, also when it began on the caption.
    event->accept();
}

void HeaderBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        m_onClick)
        m_onClick();
}

void HeaderBar::keyPressEvent(QKeyEvent* event)
{
    if (IsPressKey(event) && m_onClick)
        m_onClick();
    else
        QWidget::keyPressEvent(event);
}

void HeaderBar::resizeEvent(QResizeEvent*)
{
    m_caption->setGeometry(10, 0, width() - 10, height());
}

} // namespace orlavine
