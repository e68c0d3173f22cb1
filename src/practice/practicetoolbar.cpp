#include "practice/practicetoolbar.h"

#include "chrome/picturebutton.h"
#include "chrome/skin.h"
#include "chrome/statefields.h"

namespace orlavine {

namespace {

struct ButtonLook {
    const char* stem;
    const char* caption;
    const char* hint;
};

const ButtonLook kButtons[6] = {
    {"save", "Save", "Save paper"},        {"mark", "Mark", "Mark paper"},
    {"print", "Print", "Print question"},  {"close", "Close", "Close paper"},
    {"back", "Back", "Previous question"}, {"forward", "Next", "Next question"},
};

const QString kPressTrack = QStringLiteral("txtPressTrack");
constexpr int kCaptionHeight = 16;

} // namespace

PracticeToolbar::PracticeToolbar(StateFields& fields, std::function<void(ToolbarSlot)> actions,
                                 QWidget* parent)
    : QWidget(parent), m_fields(fields)
{
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, QColor(244, 245, 235));
    setPalette(strip);
    m_fields.setValue(kPressTrack, QStringLiteral("0"));
    for (int slot = SaveSlot; slot <= NextSlot; ++slot) {
        const ButtonLook& look = kButtons[slot];
        const ToolbarPictures pictures = ToolbarButtonPictures(QString::fromLatin1(look.stem));
        auto* button =
            new PictureButton(QStringLiteral("ToolBar0%1").arg(slot + 1), pictures.off, this);
        button->setToolTip(QString::fromLatin1(look.hint));
        // The caption covers only the foot of the button, so a press on the picture
        // still shows the pressed picture.
        ClickLabel* caption =
            AddCaption(button, QStringLiteral("lblTB0%1").arg(slot + 1),
                       QString::fromLatin1(look.caption), Qt::AlignHCenter | Qt::AlignBottom);
        caption->setGeometry(0, button->height() - kCaptionHeight, button->width(), kCaptionHeight);
        caption->setToolTip(button->toolTip());
        connect(button, &PictureButton::pressed, this,
                [this] { m_fields.setValue(kPressTrack, "1"); });
        connect(button, &PictureButton::released, this,
                [this] { m_fields.setValue(kPressTrack, "0"); });
        connect(button, &PictureButton::clicked, this,
                [actions, slot] { actions(ToolbarSlot(slot)); });
        m_buttons[slot] = button;
        m_pictures[slot] = {pictures.off, pictures.on, pictures.pressed, pictures.disabled};
    }
}

int PracticeToolbar::stripHeight() const
{
    return buttonSize().height() + 6;
}

QSize PracticeToolbar::buttonSize() const
{
    return m_buttons[SaveSlot]->size();
}

void PracticeToolbar::place(const std::array<QRect, 6>& places)
{
    for (int slot = SaveSlot; slot <= NextSlot; ++slot)
        m_buttons[slot]->move(places[slot].topLeft());
}

void PracticeToolbar::updateButton(ToolbarSlot slot, const QPoint& pointer, bool enabled)
{
    PictureButton* button = m_buttons[slot];
    const QStringList& pictures = m_pictures[slot];
    button->setEnabled(enabled);
    if (!enabled)
        button->setPicture(pictures.at(3));
    else if (!PointerInside(button, pointer))
        button->setPicture(pictures.at(0));
    else
        button->setPicture(m_fields.value(kPressTrack) == QLatin1String("1") ? pictures.at(2)
                                                                             : pictures.at(1));
}

void PracticeToolbar::update(const QPoint& pointer, bool open, bool canGoBack, bool canGoNext)
{
    updateButton(SaveSlot, pointer, open);
    updateButton(MarkSlot, pointer, open);
    updateButton(PrintSlot, pointer, true);
    updateButton(CloseSlot, pointer, true);
    updateButton(BackSlot, pointer, canGoBack);
    updateButton(NextSlot, pointer, canGoNext);
}

} // namespace orlavine
