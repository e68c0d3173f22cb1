#include "practice/statuspanels.h"

#include "chrome/accessibility.h"
#include "chrome/skin.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace orlavine {

namespace {

QLabel* AddLabel(QBoxLayout* row, QWidget* parent, const QString& name, const QString& text,
                 const QString& hint)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setToolTip(hint);
    row->addWidget(label);
    return label;
}

QHBoxLayout* CentredRow(QWidget* panel)
{
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(1);
    row->addStretch();
    return row;
}

} // namespace

StatusPanels::StatusPanels(bool secondAttempt, QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    m_scorePanel = new QWidget(this);
    auto* scoreRow = CentredRow(m_scorePanel);
    auto* pen = new QLabel(m_scorePanel);
    pen->setObjectName(QStringLiteral("PaperSum"));
    pen->setPixmap(Skin::picture(pic::Pen));
    scoreRow->addWidget(pen);
    scoreRow->addWidget(new QLabel(QStringLiteral("Score:"), m_scorePanel));
    m_score = AddLabel(scoreRow, m_scorePanel, QStringLiteral("Scoring"), QString(), QString());
    scoreRow->addSpacing(12);
    m_percent = AddLabel(scoreRow, m_scorePanel, QStringLiteral("PScoring"), QString(),
                         QStringLiteral("Your score"));
    scoreRow->addWidget(new QLabel(QStringLiteral("%"), m_scorePanel));
    scoreRow->addStretch();
    QFont bold = m_score->font();
    bold.setBold(true);
    m_score->setFont(bold);
    m_percent->setFont(bold);
    column->addWidget(m_scorePanel);
    SetReadout(m_scorePanel, QString()); // "Score:" is its first label

    auto* panels = new QHBoxLayout;
    panels->setSpacing(2);
    panels->setContentsMargins(2, 0, 2, 2);
    column->addLayout(panels);
    QLabel* bot1 =
        addPanel(QStringLiteral("Bot1"), secondAttempt ? pic::BottomBg1 : pic::BottomBg3);
    panels->addWidget(bot1);
    auto* row1 = CentredRow(bot1);
    SetReadout(bot1, secondAttempt ? QString() : QStringLiteral("Time taken"));
    if (secondAttempt) {
        AddLabel(row1, bot1, QStringLiteral("Label1"), QStringLiteral("Second Attempt"), QString());
    } else {
        m_clock = AddLabel(row1, bot1, QStringLiteral("lblClock"), QStringLiteral("00:00:00"),
                           QStringLiteral("Clock"));
        m_timeTaken = AddLabel(row1, bot1, QStringLiteral("LTime"), QStringLiteral("00:00:00"),
                               QStringLiteral("Time taken"));
        QLabel* bot2 = addPanel(QStringLiteral("Bot2"), pic::BottomBg3);
        panels->addWidget(bot2);
        auto* row2 = CentredRow(bot2);
        SetReadout(bot2, QStringLiteral("Date"));
        m_date = AddLabel(row2, bot2, QStringLiteral("lblDate"), QString(), QStringLiteral("Date"));
        m_dateCompleted = AddLabel(row2, bot2, QStringLiteral("ETime"), QString(),
                                   QStringLiteral("Date completed"));
        row2->addStretch();
    }
    row1->addStretch();
    QLabel* bot3 = addPanel(QStringLiteral("Bot3"), pic::BottomBg3);
    panels->addWidget(bot3);
    auto* row3 = CentredRow(bot3);
    SetReadout(bot3, QStringLiteral("Questions answered"));
    m_answered = AddLabel(row3, bot3, QStringLiteral("lblAnsweredQ"), QStringLiteral("0"),
                          QStringLiteral("Number of questions answered"));
    row3->addWidget(new QLabel(QStringLiteral("/"), bot3));
    m_total = AddLabel(row3, bot3, QStringLiteral("lblTotalQ"), QString(),
                       QStringLiteral("Total number of questions"));
    row3->addStretch();
    showMarked(false);
}

QLabel* StatusPanels::addPanel(const QString& name, const QString& picture)
{
    auto* panel = new QLabel(this);
    panel->setObjectName(name);
    panel->setPixmap(Skin::picture(picture));
    panel->setScaledContents(true);
    panel->setFixedHeight(24);
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return panel;
}

void StatusPanels::showMarked(bool marked)
{
    m_scorePanel->setVisible(marked);
    if (!m_clock)
        return;
    m_clock->setVisible(!marked);
    m_date->setVisible(!marked);
    m_timeTaken->setVisible(marked);
    m_dateCompleted->setVisible(marked);
}

} // namespace orlavine
