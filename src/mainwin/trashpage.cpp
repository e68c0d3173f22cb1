#include "mainwin/trashpage.h"

#include "chrome/fittext.h"
#include "chrome/picturebutton.h"
#include "chrome/skin.h"
#include "chrome/twips.h"

#include <QApplication>
#include <QLabel>

namespace orlavine {

namespace {

// Twips from the page's top.
constexpr double kTextTop = 900;
constexpr double kTextHeight = 720;
constexpr double kTextMargin = 450;
constexpr double kButtonsTop = 1950;
constexpr double kButtonGap = 300;

QLabel* Text(QWidget* page, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

PictureButton* Button(QWidget* page, const QString& name, const QString& caption)
{
    auto* button = new PictureButton(name, pic::ButtonOff, page);
    button->setLooks({pic::ButtonOff, pic::ButtonOn, {}, {}});
    button->setKeyboardReachable(true);
    button->setToolTip(caption);
    AddCaption(button, name + QStringLiteral("lbl"), caption)->setToolTip(caption);
    return button;
}

} // namespace

TrashPage::TrashPage(QWidget* parent, std::function<std::optional<QString>()> reset)
    : QWidget(parent), m_reset(std::move(reset))
{
    setObjectName(QStringLiteral("Body_Trash"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_invite = Text(this, QStringLiteral("Trashlbl1"),
                    QStringLiteral("Click on the button below if you wish to erase all your past "
                                   "results and reset the program."));
    m_question = Text(this, QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"));
    m_done = Text(this, QStringLiteral("Trashlbl3"),
                  QStringLiteral("All your past results have been erased."));
    m_done->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_trash = Button(this, QStringLiteral("ButTrash"), QStringLiteral("Trash"));
    m_yes = Button(this, QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"));
    m_no = Button(this, QStringLiteral("ButTrash_No"), QStringLiteral("No"));
    connect(m_trash, &PictureButton::clicked, this, [this] { enter(Confirm); });
    connect(m_no, &PictureButton::clicked, this, [this] { enter(Invite); });
    connect(m_yes, &PictureButton::clicked, this, [this] {
        const std::optional<QString> backup = m_reset();
        if (!backup) {
            enter(Invite);
            return;
        }
        QString done = QStringLiteral("All your past results have been erased.");
        if (!backup->isEmpty())
            done += QStringLiteral(" A copy of them is in ") + ShownFolder(*backup) + QLatin1Char('.');
        m_done->setText(done);
        enter(Done);
    });
    enter(Invite);
}

void TrashPage::showInvite()
{
    enter(Invite);
}

void TrashPage::enter(State state)
{
    m_state = state;
    QWidget* focused = QApplication::focusWidget();
    const bool keyboard = focused && isAncestorOf(focused);
    m_invite->setVisible(state == Invite);
    m_trash->setVisible(state == Invite);
    m_question->setVisible(state == Confirm);
    m_yes->setVisible(state == Confirm);
    m_no->setVisible(state == Confirm);
    m_done->setVisible(state == Done);
    // The focus follows a pupil at the keyboard to the new state's button, No before Yes.
    if (keyboard && state != Done)
        (state == Invite ? m_trash : m_no)->setFocus(Qt::TabFocusReason);
}

void TrashPage::resizeEvent(QResizeEvent*)
{
    const QRect text(Twips(kTextMargin, this), Twips(kTextTop, this),
                     width() - 2 * Twips(kTextMargin, this), Twips(kTextHeight, this));
    for (QLabel* label : {m_invite, m_question})
        label->setGeometry(text);
    // Alone on the page, the last words may take the buttons' room too.
    m_done->setGeometry(text.adjusted(0, 0, 0, Twips(kButtonsTop - kTextTop, this)));
    const int top = Twips(kButtonsTop, this);
    m_trash->move((width() - m_trash->width()) / 2, top);
    const int pair = m_yes->width() + Twips(kButtonGap, this) + m_no->width();
    m_yes->move((width() - pair) / 2, top);
    m_no->move(m_yes->x() + m_yes->width() + Twips(kButtonGap, this), top);
}

} // namespace orlavine
