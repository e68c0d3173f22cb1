#pragma once

#include "marking/answersheet.h"

#include <QLabel>
#include <QWidget>

#include <array>

class QScrollArea;
class QVBoxLayout;

namespace orlavine {

class AnswerFrame;

/// The answer-sheet panel `AnsBox`: twenty answer frames stacked one under the other
/// and the instruction picture `PicInstruction` below them. It shows the sheet of one
/// question and gives back what was typed into it.
class SheetPanel : public QWidget {
    Q_OBJECT
  public:
    /// Width of the panel, in twips.
    static constexpr int kWidth = 4200;

    SheetPanel(bool secondAttempt, QWidget* parent);

    /// Fills and lays out the frames for `sheet`, then stacks them and shows those the
    /// question needs; the letter "(a)" only when the question has two sub-answers or
    /// more.
    void build(const QuestionSheet& sheet, bool marked);

    /// The texts of the answer boxes in use, in frame order, as record bytes.
    Fields typedAnswers() const;
    /// Index of the first sub-answer the boxes stand for.
    int firstIndex() const { return m_sheet.offset; }

    void focusFirstBox();
    /// Frame k, 1..20.
    AnswerFrame* frame(int k) const { return m_frames.at(k - 1); }
    QLabel* instruction() const { return m_instruction; }
    void setInstructionPicture(const QPixmap& picture);
    /// The panel's column layout, so the window can add its status panels below.
    QVBoxLayout* column() const { return m_column; }

    /// Gap between stacked frames, in twips: frames overlap by 10 from 16 sub-answers on.
    static int StackGap(int subAnswers) { return subAnswers >= 16 ? -10 : 105; }

  private:
    void stack(int subAnswers);

    bool m_second;
    QuestionSheet m_sheet;
    std::array<AnswerFrame*, kSheetFrames> m_frames{};
    QWidget* m_stack;
    QScrollArea* m_scroll;
    QLabel* m_instruction;
    QVBoxLayout* m_column;
};

} // namespace orlavine
