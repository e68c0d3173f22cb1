#include "mainwin/practisepanel.h"

#include "chrome/focusmark.h"
#include "records/recordtext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orlavine {

namespace {

const QString kAllRight =
    QStringLiteral("Nothing to practise: every question of your marked papers is right. Well done!");
const QString kNoneMarked = QStringLiteral(
    "Mark a paper, and any question you did not get right will be listed here to practise.");

/// An entry that Enter presses too, as Space does, like the main window's other controls.
class EntryButton : public QPushButton {
  public:
    EntryButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (IsPressKey(event))
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

QString Shown(const QByteArray& stored)
{
    const QString text = DecodeRecordText(stored).trimmed();
    if (text.isEmpty())
        return QStringLiteral("(no answer)");
    return text.size() > 40 ? text.left(38) + QChar(0x2026) : text;
}

} // namespace

PractisePanel::PractisePanel(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("RC4Practise"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setAutoFillBackground(true);
    // The entries take the focus; the list itself shows none to take.
    setFocusPolicy(Qt::NoFocus);
}

void PractisePanel::showQuestions(const std::array<QList<WrongQuestion>, 10>& topics,
                                  const Fields& names, int topicCount, bool anyMarked)
{
    auto* content = new QWidget;
    content->setAutoFillBackground(false);
    m_list = new QVBoxLayout(content);
    m_list->setContentsMargins(24, 12, 24, 12);
    m_list->setSpacing(4);
    int entries = 0;
    for (int t = 0; t < topicCount && t < 10; ++t) {
        if (topics[t].isEmpty())
            continue;
        auto* heading = new QLabel(DecodeRecordText(names.value(t)).trimmed(), content);
        heading->setObjectName(QStringLiteral("PractiseTopic%1").arg(t + 1));
        heading->setStyleSheet(QStringLiteral("font-weight: bold; margin-top: 8px;"));
        heading->setWordWrap(true);
        m_list->addWidget(heading);
        for (const WrongQuestion& question : topics[t]) {
            const QString text =
                QStringLiteral("Paper %1, question %2%3\nYour answer: %4    Expected: %5")
                    .arg((question.paperNumber - 101) % 5 + 1)
                    .arg(question.question)
                    .arg(question.attempt == AttemptKind::Second ? QStringLiteral(" (2nd attempt)")
                                                                 : QString())
                    .arg(Shown(question.answer), Shown(question.expected));
            auto* entry = new EntryButton(text, content);
            entry->setObjectName(QStringLiteral("PractiseEntry%1").arg(++entries));
            entry->setFlat(true);
            entry->setCursor(Qt::PointingHandCursor);
            entry->setToolTip(QStringLiteral("Click to see the question and its worked solution"));
            entry->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 3px 8px; }"
                                                "QPushButton:hover, QPushButton:focus { "
                                                "background: #dde8f6; }"));
            connect(entry, &QPushButton::clicked, this, [this, question] {
                if (m_onChoose)
                    m_onChoose(question);
            });
            m_list->addWidget(entry);
        }
    }
    if (entries == 0) {
        auto* sentence = new QLabel(anyMarked ? kAllRight : kNoneMarked, content);
        sentence->setObjectName(QStringLiteral("PractiseNothing"));
        sentence->setWordWrap(true);
        m_list->addWidget(sentence);
    }
    m_list->addStretch();
    setWidget(content); // the earlier list goes with its widget
}

} // namespace orlavine
