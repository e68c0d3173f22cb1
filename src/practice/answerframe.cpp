#include "practice/answerframe.h"

#include "practice/answerbox.h"
#include "records/learner.h"
#include "records/recordtext.h"
#include "practice/resultmark.h"
#include "chrome/twips.h"

#include <QPainter>

namespace orlavine {

namespace {
// Positions in twips.
constexpr int kBoxLeft = 420;
constexpr int kBoxTop = 60;
constexpr int kMarkLeft = 2040;
constexpr int kMarkGap = 105; // a carried answer's first-attempt tick, right of its box
constexpr int kMarkSize = 240;
} // namespace

AnswerFrame::AnswerFrame(int k, bool secondAttempt, QWidget* parent)
    : QWidget(parent), m_box(new AnswerBox(k, this)), m_letter(new QLabel(this)),
      m_expected(new QLabel(this)), m_first(new ResultMark(QStringLiteral("FR%1").arg(k), this))
{
    setObjectName(QStringLiteral("Frame%1").arg(k));
    m_letter->setObjectName(QStringLiteral("QL%1").arg(k));
    m_letter->setText(QStringLiteral("(%1)").arg(QChar('a' + k - 1)));
    place(m_letter, 30, kBoxTop, kBoxLeft - 90, 255);

    m_expected->setObjectName(QStringLiteral("M%1").arg(k));
    m_expected->setTextFormat(Qt::PlainText);
    m_expected->setMargin(2);
    m_expected->setAutoFillBackground(true);
    QPalette blue = m_expected->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    blue.setColor(QPalette::Window, QColor(240, 244, 255));
    m_expected->setPalette(blue);
    m_expected->hide();
    if (secondAttempt)
        m_second = new ResultMark(QStringLiteral("SR%1").arg(k), this);
    setLongLayout(false);
}

void AnswerFrame::place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips(left, this), Twips(top, this), Twips(width, this),
                        Twips(height, this));
}

void AnswerFrame::setLongLayout(bool longAnswer)
{
    const int markTop = kBoxTop + (255 - kMarkSize) / 2;
    if (longAnswer) {
        m_heightTwips = 2100;
        m_boxTwips = QRect(kBoxLeft, kBoxTop, kWidth - 1000, 1000);
        place(m_expected, kBoxLeft, kBoxTop + 1000 + 100, kWidth - 500, 1000);
        m_expected->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        m_heightTwips = 375;
        m_boxTwips = QRect(kBoxLeft, kBoxTop, 1575, 255);
        place(m_expected, 2400, 60, 1455, 255);
        m_expected->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_box->setWrapped(longAnswer);
    m_expected->setWordWrap(longAnswer);
    const int markLeft = longAnswer ? m_boxTwips.left() + m_boxTwips.width() + 100 : kMarkLeft;
    for (ResultMark* mark : {m_first, m_second}) {
        if (mark)
            place(mark, markLeft, markTop, kMarkSize, kMarkSize);
    }
    place(m_box, m_boxTwips.left(), m_boxTwips.top(), m_boxTwips.width(), m_boxTwips.height());
    resize(Twips(kWidth, this), Twips(m_heightTwips, this));
    update();
}

void AnswerFrame::fill(const SheetSlot& slot, bool secondAttempt, bool marked)
{
    m_expected->setText(DecodeRecordText(slot.expected));
    m_box->setMaxLength(slot.type == "Q" ? 1 : 32767);
    m_box->setReadOnly(marked || slot.carried);
    m_box->setRecordText(slot.answer);
    m_box->setCarriedColour(slot.carried);
    if (!secondAttempt) {
        m_first->setMark(slot.result);
        m_first->setVisible(marked);
        m_expected->hide();
        return;
    }
    m_first->setMark(slot.firstResult);
    m_second->setMark(slot.result);
    m_second->setVisible(marked);
    m_first->setVisible(!marked && slot.carried);
    if (!marked && slot.carried) {
        const int left = m_boxTwips.left() + m_boxTwips.width() + kMarkGap;
        m_first->move(Twips(left, this), m_first->y());
    }
    m_expected->setVisible(marked && slot.result == kWrongMark);
}

QColor AnswerFrame::BorderColour()
{
    return QColor(178, 217, 246);
}

std::array<QLine, 4> AnswerFrame::BorderLines(const QRect& box, const QWidget* widget)
{
    const int top = box.top() - 30;
    const int left = box.left() - 30;
    const int bottom = box.top() + box.height() + 15;
    const int right = box.left() + box.width() + 15;
    const auto px = [widget](int twips) { return Twips(twips, widget); };
    return {QLine(px(left), px(top), px(right), px(top)),
            QLine(px(left), px(top), px(left), px(bottom)),
            QLine(px(left), px(bottom), px(right + 15), px(bottom)),
            QLine(px(right), px(top), px(right), px(bottom + 15))};
}

void AnswerFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(BorderColour(), 1));
    for (const QLine& line : BorderLines(m_boxTwips, this))
        painter.drawLine(line);
}

} // namespace orlavine
