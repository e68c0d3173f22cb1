#include "chrome/popupbox.h"

#include "chrome/accessibility.h"
#include "chrome/picturebutton.h"
#include "chrome/skin.h"
#include "chrome/skinnedframe.h"
#include "chrome/twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace orlavine {

namespace {

// The box keeps one size: 265 x 150 pixels at 96 dpi.
constexpr double kClientWidth = 3975;
constexpr double kClientHeight = 2250;
constexpr double kMargin = 240;           // title and icon from the left, icon below the bar
constexpr double kIconToMessage = 150;    // message after the icon
constexpr double kMessageWidth = 2880;    // 192 pixels
constexpr double kMessageHeight = 420;    // two lines
constexpr double kShortMessageDrop = 105; // 7 pixels: one line level with the icon's middle
constexpr double kButtonGap = 150;        // 10 pixels between Yes and No
constexpr int kShortMessage = 33;

std::function<int(PopUpBox&)>& Answerer()
{
    static std::function<int(PopUpBox&)> answerer;
    return answerer;
}

} // namespace

PopUpBox::PopUpBox(QWidget* master) : QDialog(master), m_master(master)
{
    setObjectName(QStringLiteral("frmPopUp"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    m_frame = new SkinnedFrame(this, FrameKind::PopUp);
    setFixedSize(Twips(kClientWidth, this), Twips(kClientHeight, this));
    m_frame->layOut();
    SetAccessibleRole(this, QAccessible::AlertMessage);

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
    m_info->setPixmap(Skin::picture(pic::InfoMark));
    m_info->adjustSize();
    m_info->move(m_frame->title()->x(), m_frame->topHeight() + Twips(kMargin, this));

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setGeometry(m_info->geometry().right() + 1 + Twips(kIconToMessage, this),
                           m_info->y(), Twips(kMessageWidth, this), Twips(kMessageHeight, this));

    m_but1 = new PictureButton(QStringLiteral("But1"), pic::ButtonOff, this);
    m_but2 = new PictureButton(QStringLiteral("But2"), pic::ButtonOff, this);
    const int buttonTop = height() - m_but1->height() - Twips(kMargin, this);
    m_but1->move(m_message->x(), buttonTop);
    m_but2->move(m_but1->x() + m_but1->width() + Twips(kButtonGap, this), buttonTop);
    m_but1Label = AddCaption(m_but1, QStringLiteral("But1_lbl"), QStringLiteral("Yes"));
    m_but2Label = AddCaption(m_but2, QStringLiteral("But2_lbl"), QStringLiteral("No"));
    connect(m_but1, &PictureButton::clicked, this, [this] { press(1); });
    connect(m_but2, &PictureButton::clicked, this, [this] { press(2); });
    for (PictureButton* button : {m_but1, m_but2})
        button->setLooks({pic::ButtonOff, pic::ButtonOn, {}, {}});
}

void PopUpBox::setUp(const QString& title, const QString& message, int numButtons)
{
    m_frame->setTitle(title);
    m_message->setText(message);
    setAccessibleName(title);
    setAccessibleDescription(message);
    if (numButtons == 1) {
        m_buttons = 1;
        m_but2->hide();
        m_but1->move((width() - m_but1->width()) / 2, m_but1->y());
        m_but1Label->setText(QStringLiteral("OK"));
    } else if (numButtons == 2) {
        m_buttons = 2;
        m_but2->show();
        m_but1->move(m_message->x(), m_but1->y());
        m_but2->move(m_but1->x() + m_but1->width() + Twips(kButtonGap, this), m_but1->y());
        m_but1Label->setText(QStringLiteral("Yes"));
        m_but2Label->setText(QStringLiteral("No"));
    }
    const int top =
        m_info->y() + (message.size() < kShortMessage ? Twips(kShortMessageDrop, this) : 0);
    // A message longer than two lines takes the room it needs above the buttons, and
    // where that is not enough the box grows taller, rather than the message being cut.
    const int needed = qMax(Twips(kMessageHeight, this), m_message->heightForWidth(m_message->width()));
    const int designHeight = Twips(kClientHeight, this);
    const int buttonTop = designHeight - m_but1->height() - Twips(kMargin, this);
    const int grow = qMax(0, top + needed + 2 - buttonTop);
    setFixedSize(width(), designHeight + grow);
    for (PictureButton* button : {m_but1, m_but2})
        button->move(button->x(), buttonTop + grow);
    m_message->setGeometry(m_message->x(), top, m_message->width(), needed);

    const QRect master = m_master ? m_master->frameGeometry()
                                  : QGuiApplication::primaryScreen()->availableGeometry();
    move(master.x() + (master.width() - width()) / 2,
         master.y() + (master.height() - height()) / 2);
}

void PopUpBox::press(int button)
{
    m_pressed = button;
    done(button == 1 ? Accepted : Rejected);
}

void PopUpBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A screen reader reads the message out as the box opens.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PopUpBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press(1);
        break;
    case Qt::Key_Escape:
        press(m_buttons == 2 ? 2 : 1);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool CallPop(const QString& title, const QString& message, int numButtons, QWidget* master)
{
    PopUpBox box(master);
    box.setUp(title, message, numButtons);
    if (Answerer()) {
        const int button = Answerer()(box);
        if (button == 1 || button == 2)
            box.press(button);
        else
            box.done(QDialog::Rejected);
    } else {
        box.exec();
    }
    return box.answeredYes();
}

void SetPopUpAnswerer(std::function<int(PopUpBox& box)> answerer)
{
    Answerer() = std::move(answerer);
}

} // namespace orlavine
