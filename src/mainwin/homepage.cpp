#include "mainwin/homepage.h"

#include "chrome/fittext.h"

#include "mainwin/papergrid.h"
#include "chrome/picturebutton.h"
#include "records/recordtext.h"
#include "chrome/skin.h"
#include "chrome/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace orlavine {

namespace {

// Twips, inside the page.
constexpr double kTopicColumnWidth = 2400;
constexpr double kHeadHeight = 360;
constexpr double kEntriesTop = 480;
constexpr double kEntryPitch = 360;
constexpr double kEntryHeight = 300;
constexpr double kBulletLeft = 120;
constexpr double kEntryLeft = 300;
constexpr double kEntryWidth = 2010;

const QString kEntryHint = QStringLiteral("Click to select topic");
const QColor kDivider(224, 224, 224);
const QColor kSelectedEntry(128, 128, 128);
const QColor kHeadText(30, 50, 80);

QLabel* ColumnHead(QWidget* page, const QString& picture, const QString& name, const QString& text,
                   int left)
{
    auto* head = new QLabel(page);
    head->setPixmap(Skin::picture(picture));
    head->setScaledContents(true);
    head->setGeometry(left, 0, Skin::picture(picture).width(), Twips(kHeadHeight, page));
    auto* caption = new QLabel(text, head);
    caption->setObjectName(name);
    caption->setGeometry(Twips(kBulletLeft, page), 0, head->width() - Twips(kBulletLeft, page),
                         head->height());
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, kHeadText);
    caption->setPalette(palette);
    return head;
}

} // namespace

HomePage::HomePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Body_Home"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    const int split = Twips(kTopicColumnWidth, this);
    ColumnHead(this, pic::ColumnHead1, QStringLiteral("lblSelectTopic"),
               QStringLiteral("Select a Topic"), 0);
    ColumnHead(this, pic::ColumnHead2, QStringLiteral("lblSelectPaper"),
               QStringLiteral("Select a Paper"), split + 1);

    for (int k = 1; k <= 10; ++k) {
        auto* bullet = new QLabel(this);
        bullet->setObjectName(QStringLiteral("Bullet%1").arg(k));
        bullet->setPixmap(Skin::picture(pic::Bullet));
        bullet->adjustSize();
        auto* entry = new ClickLabel(QStringLiteral("Topic%1").arg(k), QString(), this);
        entry->setAutoFillBackground(true);
        entry->setIndent(4);
        entry->setKeyboardReachable(true);
        connect(entry, &ClickLabel::clicked, this, [this, k] { selectTopic(k); });
        m_topics[k - 1] = entry;
        m_bullets[k - 1] = bullet;
    }
    layOutTopics();

    m_grid = new PaperGrid(this);
    connect(m_grid, &PaperGrid::paperRequested, this, &HomePage::paperRequested);
    // Shorter than this, the page scrolls rather than cutting off the last paper or topic.
    setMinimumHeight(qMax(Twips(kHeadHeight, this) + m_grid->minimumHeight(),
                          Twips(kEntriesTop + 9 * kEntryPitch + kEntryHeight, this)));

    m_noModule = new QLabel(this);
    m_noModule->setObjectName(QStringLiteral("lblNoModule"));
    m_noModule->setWordWrap(true);
    m_noModule->setAlignment(Qt::AlignCenter);
    m_noModule->setText(
        QStringLiteral("There is nothing to practise: no practice module was found in this "
                       "program's content. Please ask for a complete copy of the program."));
    m_noModule->setAutoFillBackground(true);
    m_noModule->hide();
}

void HomePage::showModule(const Fields& topicNames, int topicCount, const Fields& firstScores,
                          const Fields& secondScores)
{
    m_noModule->hide();
    m_names = topicNames;
    m_firstScores = firstScores;
    m_secondScores = secondScores;
    m_topicCount = topicCount;
    for (int k = 1; k <= 10; ++k) {
        m_topics[k - 1]->setVisible(k <= topicCount);
        m_bullets[k - 1]->setVisible(k <= topicCount);
    }
    layOutTopics();
}

void HomePage::layOutTopics()
{
    const int lineSpacing = fontMetrics().lineSpacing();
    // The room below the column, at one line an entry, goes to the names that need a second
    // line, from the top; the names after it runs out are elided.
    const double lastBottom = kEntriesTop + (m_topicCount - 1) * kEntryPitch + kEntryHeight;
    int spare = height() - Twips(lastBottom, this);
    int shift = 0;
    for (int k = 1; k <= 10; ++k) {
        const double top = kEntriesTop + (k - 1) * kEntryPitch;
        QLabel* bullet = m_bullets[k - 1];
        bullet->move(Twips(kBulletLeft, this),
                     Twips(top + kEntryHeight / 2, this) + shift - bullet->height() / 2);
        ClickLabel* entry = m_topics[k - 1];
        entry->setAccessibleName(DecodeRecordText(m_names.value(k - 1)));
        entry->setGeometry(
            TwipsRect(kEntryLeft, top, kEntryWidth, kEntryHeight, this).translated(0, shift));
        const int lines = k <= m_topicCount && spare >= lineSpacing ? 2 : 1;
        if (ShowName(entry, DecodeRecordText(m_names.value(k - 1)), lines, kEntryHint) > 1) {
            entry->resize(entry->width(), entry->height() + lineSpacing);
            spare -= lineSpacing;
            shift += lineSpacing;
        }
    }
}

void HomePage::showNoModule()
{
    m_noModule->show();
    m_noModule->raise();
}

void HomePage::selectTopic(int k)
{
    const int first = 5 * (k - 1) + 1;
    m_grid->showTopic(first, m_firstScores, m_secondScores,
                      DecodeRecordText(m_names.value((first - 1) / 5)));
    topicButtonColour(k);
    emit topicSelected(first);
}

QString HomePage::selectedTopicName() const
{
    return m_grid->topicName();
}

void HomePage::topicButtonColour(int selected)
{
    for (int k = 1; k <= 10; ++k) {
        QPalette palette = m_topics[k - 1]->palette();
        palette.setColor(QPalette::Window, k == selected ? kSelectedEntry : QColor(Qt::white));
        palette.setColor(QPalette::WindowText,
                         k == selected ? QColor(Qt::white) : QColor(Qt::black));
        m_topics[k - 1]->setPalette(palette);
    }
}

void HomePage::resizeEvent(QResizeEvent*)
{
    layOutTopics();
    const int top = Twips(kHeadHeight, this);
    m_grid->setGeometry(Twips(kTopicColumnWidth, this) + 1, top,
                        width() - Twips(kTopicColumnWidth, this) - 1, height() - top);
    m_noModule->setGeometry(rect().adjusted(Twips(600, this), 0, -Twips(600, this), 0));
}

void HomePage::keyPressEvent(QKeyEvent* event)
{
    const int step = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
    const auto focused = std::find(m_topics.begin(), m_topics.end(), focusWidget());
    if (step == 0 || focused == m_topics.end() || !(*focused)->hasFocus()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = int(focused - m_topics.begin()) + step;
    if (next >= 0 && next < m_topicCount)
        m_topics[next]->setFocus(Qt::TabFocusReason);
}

void HomePage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kDivider);
    const int x = Twips(kTopicColumnWidth, this);
    painter.drawLine(x, Twips(kHeadHeight, this), x, height());
}

} // namespace orlavine
