#include "chrome/picturebutton.h"

#include "chrome/skin.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

namespace orlavine {

PictureButton::PictureButton(const QString& objectName, const QString& picture, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setPicture(picture);
    const QPixmap& pixmap = Skin::picture(picture);
    if (!pixmap.isNull())
        resize(pixmap.size());
}

void PictureButton::setPicture(const QString& name)
{
    if (name == m_picture)
        return;
    m_picture = name;
    setPixmap(Skin::picture(name));
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button());
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

ClickLabel::ClickLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressed && rect().contains(event->position().toPoint()))
        emit clicked();
    m_pressed = false;
    event->accept();
}

ClickLabel* AddCaption(PictureButton* button, const QString& objectName, const QString& text,
                       Qt::Alignment alignment)
{
    auto* caption = new ClickLabel(objectName, text, button);
    caption->setAlignment(alignment);
    caption->setGeometry(button->rect());
    QObject::connect(caption, &ClickLabel::clicked, button, &PictureButton::click);
    return caption;
}

bool PointerInside(const QWidget* widget, const QPoint& pointer)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()).contains(pointer);
}

void UpdateButtonImage(PictureButton* button, const QPoint& pointer, const QString& off,
                       const QString& on)
{
    button->setPicture(PointerInside(button, pointer) ? on : off);
}

QTimer* StartHoverTimer(QWidget* window, std::function<void(const QPoint& pointer)> tick)
{
    auto* timer = new QTimer(window);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, window, [tick] { tick(QCursor::pos()); });
    timer->start();
    return timer;
}

} // namespace orlavine
