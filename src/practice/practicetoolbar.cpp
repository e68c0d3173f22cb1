#include "practice/practicetoolbar.h"

#include "chrome/picturebutton.h"
#include "chrome/skin.h"

#include <QLabel>

namespace orlavine {

namespace {

struct ButtonLook {
    const char* stem;
    const char* caption;
    const char* hint;
};

const ButtonLook kButtons[kToolbarSlots] = {
    {"save", "Save", "Save paper (Ctrl+S)"},
    {"mark", "Mark", "Mark paper (Ctrl+M)"},
    {"print", "Print", "Print question (Ctrl+P)"},
    {"close", "Close", "Close paper (Ctrl+W or Esc)"},
    {"back", "Back", "Previous question (PgUp)"},
    {"forward", "Next", "Next question (PgDn)"},
    {"solution", "Solution", "Show the worked solution (Ctrl+E)"},
};

constexpr int kCaptionHeight = 16;

} // namespace

PracticeToolbar::PracticeToolbar(std::function<void(ToolbarSlot)> actions, QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, QColor(244, 245, 235));
    setPalette(strip);
    for (int slot = SaveSlot; slot < kToolbarSlots; ++slot) {
        const ButtonLook& look = kButtons[slot];
        const ToolbarPictures pictures = ToolbarButtonPictures(QString::fromLatin1(look.stem));
        auto* button =
            new PictureButton(QStringLiteral("ToolBar0%1").arg(slot + 1), pictures.off, this);
        button->setToolTip(QString::fromLatin1(look.hint));
        button->setKeyboardReachable(true);
        // The caption covers only the foot of the button, so a press on the picture
        // still shows the pressed picture.
        ClickLabel* caption =
            AddCaption(button, QStringLiteral("lblTB0%1").arg(slot + 1),
                       QString::fromLatin1(look.caption), Qt::AlignHCenter | Qt::AlignBottom);
        caption->setGeometry(0, button->height() - kCaptionHeight, button->width(), kCaptionHeight);
        caption->setToolTip(button->toolTip());
        connect(button, &PictureButton::clicked, this,
                [actions, slot] { actions(ToolbarSlot(slot)); });
        button->setLooks({pictures.off, pictures.on, pictures.pressed, pictures.disabled});
        m_buttons[slot] = button;
    }
    m_buttons[SolutionSlot]->hide();
}

int PracticeToolbar::stripHeight() const
{
    return buttonSize().height() + 6;
}

QSize PracticeToolbar::buttonSize() const
{
    return m_buttons[SaveSlot]->size();
}

void PracticeToolbar::place(const std::array<QRect, kToolbarSlots>& places)
{
    for (int slot = SaveSlot; slot < kToolbarSlots; ++slot)
        m_buttons[slot]->move(places[slot].topLeft());
}

void PracticeToolbar::enableButtons(bool open, bool canGoBack, bool canGoNext)
{
    m_buttons[SaveSlot]->setEnabled(open);
    m_buttons[MarkSlot]->setEnabled(open);
    m_buttons[BackSlot]->setEnabled(canGoBack);
    m_buttons[NextSlot]->setEnabled(canGoNext);
}

void PracticeToolbar::showSolutionButton(bool available, bool solutionShown)
{
    PictureButton* button = m_buttons[SolutionSlot];
    button->setVisible(available);
    const QString hint = solutionShown ? QStringLiteral("Back to the question (Ctrl+E)")
                                       : QString::fromLatin1(kButtons[SolutionSlot].hint);
    button->setToolTip(hint);
    auto* caption = button->findChild<QLabel*>(QStringLiteral("lblTB07"));
    caption->setText(solutionShown ? QStringLiteral("Question") : QStringLiteral("Solution"));
    caption->setToolTip(hint);
}

} // namespace orlavine
