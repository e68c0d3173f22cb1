#include "practice/pageguard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>

namespace orlavine {

namespace {

bool IsCopyOrCut(const QKeyEvent* key)
{
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    return (ctrl && (key->key() == Qt::Key_C || key->key() == Qt::Key_X)) ||
           key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut);
}

bool IsTab(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

PageGuard::PageGuard(QWidget* view) : QObject(view), m_view(view)
{
    qApp->installEventFilter(this);
}

PageGuard::~PageGuard()
{
    qApp->removeEventFilter(this);
}

bool PageGuard::isOnPage(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && m_view && (widget == m_view || m_view->isAncestorOf(widget));
}

bool PageGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (event->type() == QEvent::KeyPress && isOnPage(watched) &&
            IsTab(static_cast<QKeyEvent*>(event))) {
            // The window moves the focus on, as from any other control.
            const auto* key = static_cast<QKeyEvent*>(event);
            QKeyEvent tab(QEvent::KeyPress, key->key(), key->modifiers());
            QApplication::sendEvent(m_view->window(), &tab);
            return true;
        }
        if (!isOnPage(watched) || !IsCopyOrCut(static_cast<QKeyEvent*>(event)))
            return false;
        // The override only asks who takes the key; the message goes with the press.
        if (event->type() == QEvent::KeyPress)
            refuse();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!isOnPage(watched) || static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
            return false;
        if (event->type() == QEvent::MouseButtonPress)
            refuse();
        return true;
    case QEvent::ContextMenu:
        return isOnPage(watched);
    default:
        return false;
    }
}

void PageGuard::refuse()
{
    if (m_showing)
        return;
    m_showing = true;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"),
                    QStringLiteral("Invalid operation"), QMessageBox::Ok,
                    m_view ? m_view->window() : nullptr);
    box.exec();
    m_showing = false;
}

} // namespace orlavine
