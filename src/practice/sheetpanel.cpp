#include "practice/sheetpanel.h"

#include "practice/answerbox.h"
#include "practice/answerframe.h"
#include "chrome/twips.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace orlavine {

SheetPanel::SheetPanel(bool secondAttempt, QWidget* parent)
    : QWidget(parent), m_second(secondAttempt), m_stack(new QWidget),
      m_scroll(new QScrollArea(this)), m_instruction(new QLabel(this)),
      m_column(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("AnsBox"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFixedWidth(Twips(kWidth, this));

    for (int k = 1; k <= kSheetFrames; ++k) {
        m_frames[k - 1] = new AnswerFrame(k, secondAttempt, m_stack);
        if (k > 1)
            setTabOrder(frame(k - 1)->answerBox(), frame(k)->answerBox());
    }
    m_scroll->setWidget(m_stack);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFocusPolicy(Qt::NoFocus);

    m_instruction->setObjectName(QStringLiteral("PicInstruction"));
    m_instruction->setAlignment(Qt::AlignCenter);
    m_instruction->hide();

    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    m_column->addWidget(m_scroll, 1);
    m_column->addWidget(m_instruction);
    stack(0);
}

void SheetPanel::setInstructionPicture(const QPixmap& picture)
{
    m_instruction->setPixmap(picture);
}

void SheetPanel::build(const QuestionSheet& sheet, bool marked)
{
    m_sheet = sheet;
    m_instruction->setVisible(sheet.instruction);
    if (sheet.count >= 1)
        frame(1)->setLongLayout(sheet.longAnswer);
    for (int k = 0; k < sheet.frames.size(); ++k)
        m_frames[k]->fill(sheet.frames.at(k), m_second, marked);
    stack(sheet.count);
    for (int k = 1; k <= kSheetFrames; ++k)
        frame(k)->setVisible(sheet.count >= k);
    frame(1)->letter()->setVisible(sheet.count >= 2);
}

void SheetPanel::stack(int subAnswers)
{
    const int gap = StackGap(subAnswers);
    int top = 50;
    int bottom = 0;
    for (int k = 1; k <= kSheetFrames; ++k) {
        AnswerFrame* f = frame(k);
        f->move(0, Twips(top, this));
        if (k <= subAnswers)
            bottom = Twips(top + f->heightTwips(), this);
        top += f->heightTwips() + gap;
    }
    m_stack->resize(Twips(AnswerFrame::kWidth, this), bottom + Twips(50, this));
}

Fields SheetPanel::typedAnswers() const
{
    Fields typed;
    for (int k = 1; k <= m_sheet.frames.size(); ++k)
        typed.append(frame(k)->answerBox()->recordText());
    return typed;
}

void SheetPanel::focusFirstBox()
{
    frame(1)->answerBox()->setFocus(Qt::OtherFocusReason);
}

} // namespace orlavine
