#include "chrome/picturebutton.h"

#include "chrome/accessibility.h"
#include "chrome/focusmark.h"
#include "chrome/skin.h"

#include <QMouseEvent>

namespace orlavine {

void PressableLabel::setKeyboardReachable(bool reachable)
{
    setFocusPolicy(reachable ? Qt::TabFocus : Qt::NoFocus);
}

void PressableLabel::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() != Qt::NoFocus && IsPressKey(event))
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void PressableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        PaintFocusMark(this);
}

PictureButton::PictureButton(const QString& objectName, const QString& picture, QWidget* parent)
    : PressableLabel(parent)
{
    InstallSkinInterfaces(this);
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
    setPixmap(Skin::picture(name, devicePixelRatioF()));
}

void PictureButton::setLooks(const ButtonLooks& looks)
{
    m_looks = looks;
    showLook();
}

void PictureButton::showLook()
{
    if (m_looks.off.isEmpty())
        return;
    if (!isEnabled())
        setPicture(m_looks.disabled.isEmpty() ? m_looks.off : m_looks.disabled);
    else if (m_hovered && m_pressed && !m_looks.pressed.isEmpty())
        setPicture(m_looks.pressed);
    else
        setPicture(m_hovered ? m_looks.on : m_looks.off);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    showLook();
    emit pressed(event->button());
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    showLook();
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    showLook();
    QLabel::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    showLook();
    QLabel::leaveEvent(event);
}

void PictureButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        showLook();
    QLabel::changeEvent(event);
}


ClickLabel::ClickLabel(const QString& objectName, const QString& text, QWidget* parent)
    : PressableLabel(text, parent)
{
    InstallSkinInterfaces(this);
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

} // namespace orlavine
