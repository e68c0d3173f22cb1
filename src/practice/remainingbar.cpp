#include "practice/remainingbar.h"

#include "chrome/skin.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace orlavine {

RemainingBar::RemainingBar(std::function<void(int question)> picked, QWidget* parent)
    : QWidget(parent), m_panel(new QLabel(this)), m_list(new QComboBox)
{
    setAutoFillBackground(true);
    QPalette bar = palette();
    bar.setColor(QPalette::Window, QColor(244, 245, 235));
    setPalette(bar);

    m_panel->setObjectName(QStringLiteral("TxtRem"));
    m_panel->setPixmap(Skin::picture(pic::BottomBg2));
    m_panel->setScaledContents(true);
    auto* row = new QHBoxLayout(m_panel);
    row->setContentsMargins(6, 1, 6, 1);
    auto* caption = new QLabel(QStringLiteral("Qns left:"), m_panel);
    caption->setObjectName(QStringLiteral("TxtRemlbl"));
    row->addWidget(caption);
    m_list->setObjectName(QStringLiteral("RemQns"));
    m_list->setAccessibleName(QStringLiteral("Questions left")); // its caption's words
    m_list->setPlaceholderText(QStringLiteral("Select a remaining question"));
    m_list->setToolTip(QStringLiteral("Select a remaining question"));
    m_list->setMinimumWidth(190);
    row->addWidget(m_list);
    m_panel->setGeometry(0, 0, 290, barHeight());
    connect(m_list, &QComboBox::activated, this, [this, picked](int index) {
        const int question = m_list->itemText(index).toInt();
        if (question > 0)
            picked(question);
    });
}

void RemainingBar::setQuestions(const QList<int>& questions)
{
    m_list->clear();
    for (int q : questions)
        m_list->addItem(QString::number(q));
    m_list->setCurrentIndex(-1);
}

QList<int> RemainingBar::questions() const
{
    QList<int> out;
    for (int i = 0; i < m_list->count(); ++i)
        out.append(m_list->itemText(i).toInt());
    return out;
}

void RemainingBar::setPanelVisible(bool visible)
{
    m_panel->setVisible(visible);
}

} // namespace orlavine
