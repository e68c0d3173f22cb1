#include "chrome/skinnedframe.h"

#include "chrome/accessibility.h"
#include "chrome/picturebutton.h"
#include "chrome/skin.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace orlavine {

namespace {

const QColor kActiveTitle(255, 255, 255);
const QColor kInactiveTitle(128, 128, 128);

QSize PictureSize(const PictureButton* piece, QSize fallback)
{
    const QPixmap& pixmap = Skin::picture(piece->picture());
    return pixmap.isNull() ? fallback : pixmap.size();
}

} // namespace

bool MoveForm(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

SkinnedFrame::SkinnedFrame(QWidget* window, FrameKind kind)
    : QObject(window), m_window(window), m_kind(kind)
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    const bool popUp = kind == FrameKind::PopUp;
    m_topLeft = addPiece("BTopLeft", pic::BorderTopLeft);
    m_topCentre = addPiece("BTopCentre", pic::BorderTopCentre);
    m_topRight = addPiece("BTopRight", pic::BorderTopRight);
    m_left = addPiece("BLeft", pic::BorderLeft);
    m_right = addPiece("BRight", pic::BorderRight);
    m_bottomLeft = addPiece("BBotLeft", popUp ? pic::PopUpBottomLeft : pic::BorderLeftCorner);
    m_bottom = addPiece("BBot", pic::BorderBottom);
    m_bottomRight = addPiece("BBotRight", popUp ? pic::PopUpBottomRight : pic::BorderRightCorner);
    for (PictureButton* stretched : {m_topCentre, m_left, m_right, m_bottom})
        stretched->setScaledContents(true);

    m_title = new QLabel(window);
    m_title->setObjectName(popUp ? QStringLiteral("lblTitle") : QStringLiteral("Title"));
    QFont font = m_title->font();
    font.setFamilies({QStringLiteral("Trebuchet MS"), QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    m_title->setFont(font);
    m_title->installEventFilter(this);
    if (!popUp) {
        m_icon = new QLabel(window);
        m_icon->setObjectName(QStringLiteral("ImgIco"));
        m_icon->setPixmap(
            Skin::picture(kind == FrameKind::Main ? pic::MainIcon : pic::PracticeIcon));
        m_icon->setScaledContents(true);
        m_icon->resize(16, 16);
        m_min = new PictureButton(QStringLiteral("imgProgMin"), pic::ProgBlueOffMin, window);
        if (kind == FrameKind::Practice)
            m_max = new PictureButton(QStringLiteral("imgProgMax"), pic::ProgBlueOffMax, window);
        m_close = new PictureButton(QStringLiteral("imgProgClose"), pic::ProgBlueOffClose, window);
        m_min->setAccessibleName(QStringLiteral("Minimise"));
        if (m_max)
            m_max->setAccessibleName(QStringLiteral("Maximise"));
        m_close->setAccessibleName(QStringLiteral("Close"));
    }
    setTopSkin(true);
    window->installEventFilter(this);
}

PictureButton* SkinnedFrame::addPiece(const char* name, const QString& picture)
{
    auto* piece = new PictureButton(QString::fromLatin1(name), picture, m_window);
    piece->lower();
    SetAccessibleRole(piece, QAccessible::Graphic);
    piece->installEventFilter(this);
    return piece;
}

void SkinnedFrame::setTitle(const QString& text)
{
    m_title->setText(text);
    m_window->setWindowTitle(text);
    layOut();
}

int SkinnedFrame::topHeight() const
{
    return m_topRight->height();
}
int SkinnedFrame::leftWidth() const
{
    return m_left->width();
}
int SkinnedFrame::rightWidth() const
{
    return m_right->width();
}
int SkinnedFrame::bottomHeight() const
{
    return m_bottom->height();
}

void SkinnedFrame::layOut()
{
    FramePieces pictures;
    pictures.topLeft.setSize(PictureSize(m_topLeft, QSize(8, 30)));
    pictures.topCentre.setSize(PictureSize(m_topCentre, QSize(8, 30)));
    pictures.topRight.setSize(PictureSize(m_topRight, QSize(8, 30)));
    pictures.left.setSize(PictureSize(m_left, QSize(5, 8)));
    pictures.right.setSize(PictureSize(m_right, QSize(5, 8)));
    pictures.bottomLeft.setSize(PictureSize(m_bottomLeft, QSize(5, 5)));
    pictures.bottom.setSize(PictureSize(m_bottom, QSize(8, 5)));
    pictures.bottomRight.setSize(PictureSize(m_bottomRight, QSize(5, 5)));
    const FramePieces p = LayOutFramePieces(m_window->size(), pictures);
    m_topLeft->setGeometry(p.topLeft);
    m_topCentre->setGeometry(p.topCentre);
    m_topRight->setGeometry(p.topRight);
    m_left->setGeometry(p.left);
    m_right->setGeometry(p.right);
    m_bottomLeft->setGeometry(p.bottomLeft);
    m_bottom->setGeometry(p.bottom);
    m_bottomRight->setGeometry(p.bottomRight);

    TitleBarSizes sizes;
    sizes.barHeight = p.topRight.height();
    sizes.title = m_title->sizeHint();
    if (m_icon) {
        sizes.icon = m_icon->size();
        sizes.close = m_close->size();
        sizes.min = m_min->size();
        if (m_max)
            sizes.max = m_max->size();
    }
    const TitleBarPlaces places =
        LayOutTitleBar(m_kind, m_window->width(), sizes, m_window->logicalDpiX());
    // A long title stops short of the buttons rather than running under them.
    const int titleEnd = m_min ? places.min.left() - 4 : m_window->width() - p.topRight.width();
    QRect title = places.title;
    title.setWidth(qMax(0, qMin(title.width(), titleEnd - title.left())));
    m_title->setGeometry(title);
    m_title->raise();
    if (m_icon) {
        m_icon->setGeometry(places.icon);
        m_close->setGeometry(places.close);
        m_min->setGeometry(places.min);
        if (m_max)
            m_max->setGeometry(places.max);
        for (QWidget* item : {static_cast<QWidget*>(m_icon), static_cast<QWidget*>(m_close),
                              static_cast<QWidget*>(m_min), static_cast<QWidget*>(m_max)}) {
            if (item)
                item->raise();
        }
    }
    m_window->setMask(QRegion(RoundedOutline(m_window->size(), m_kind), Qt::WindingFill));
}

void SkinnedFrame::setTopSkin(bool active)
{
    const bool blue = active || m_kind == FrameKind::PopUp;
    m_topLeft->setPicture(blue ? pic::BorderTopLeft : pic::BorderWhiteTopLeft);
    m_topCentre->setPicture(blue ? pic::BorderTopCentre : pic::BorderWhiteTopCentre);
    m_topRight->setPicture(blue ? pic::BorderTopRight : pic::BorderWhiteTopRight);
    QPalette palette = m_title->palette();
    palette.setColor(QPalette::WindowText, blue ? kActiveTitle : kInactiveTitle);
    m_title->setPalette(palette);
    setButtonLooks();
}

void SkinnedFrame::setButtonLooks()
{
    if (!m_close)
        return;
    // An inactive window's buttons stay white under the pointer.
    const auto looks = [this](const QString& off, const QString& on, const QString& white) {
        return m_active ? ButtonLooks{off, on, {}, {}} : ButtonLooks{white, white, {}, {}};
    };
    m_close->setLooks(looks(pic::ProgBlueOffClose, pic::ProgBlueClose, pic::ProgWhiteClose));
    m_min->setLooks(looks(pic::ProgBlueOffMin, pic::ProgBlueMin, pic::ProgWhiteMin));
    if (m_max) {
        m_max->setLooks(m_window->isMaximized()
                            ? looks(pic::ProgBlueOffNorm, pic::ProgBlueNorm, pic::ProgWhiteMax)
                            : looks(pic::ProgBlueOffMax, pic::ProgBlueMax, pic::ProgWhiteMax));
    }
}

void SkinnedFrame::showActiveFrame()
{
    if (m_kind == FrameKind::PopUp)
        return;
    m_active = true;
    setTopSkin(true);
}

void SkinnedFrame::showInactiveFrame()
{
    if (m_kind == FrameKind::PopUp)
        return;
    m_active = false;
    setTopSkin(false);
}

void SkinnedFrame::keepOnScreen()
{
    if (m_window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (const QScreen* screen = m_window->screen()) {
        const QRect fitted = FitInside(m_window->geometry(), screen->availableGeometry());
        if (fitted != m_window->geometry())
            m_window->setGeometry(fitted);
    }
}

bool SkinnedFrame::isDragHandle(QObject* object) const
{
    return object == m_topLeft || object == m_topCentre || object == m_topRight ||
           object == m_title;
}

bool SkinnedFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WindowActivate)
            showActiveFrame();
        else if (event->type() == QEvent::WindowDeactivate)
            showInactiveFrame();
        else if (event->type() == QEvent::Resize)
            layOut();
        else if (event->type() == QEvent::WindowStateChange)
            setButtonLooks(); // the maximise button becomes the restore button and back
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange)
            keepOnScreen();
        return false;
    }
    if (!isDragHandle(watched))
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        // The window system's move first (the only one on Wayland); a drag of our own
        // where it refuses.
        m_dragging = !MoveForm(m_window);
        m_dragOffset = mouse->globalPosition().toPoint() - m_window->pos();
        return true;
    case QEvent::MouseMove:
        if (m_dragging)
            m_window->move(mouse->globalPosition().toPoint() - m_dragOffset);
        return m_dragging;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return false;
    }
}

} // namespace orlavine
