#pragma once

#include "marking/answersheet.h"

#include <QLabel>
#include <QLine>
#include <QWidget>

#include <array>

namespace orlavine {

class AnswerBox;
class ResultMark;

/// Answer frame `Frame1`..`Frame20`: the letter `QLk`, the answer box `FAk`, the result
/// mark `FRk`, the hidden expected-answer box `Mk` and, in a second attempt, the
/// second-attempt mark `SRk`. It draws the light-blue border around its answer box.
class AnswerFrame : public QWidget {
    Q_OBJECT
  public:
    /// Width of a frame, in twips.
    static constexpr int kWidth = 3900;

    AnswerFrame(int k, bool secondAttempt, QWidget* parent);

    AnswerBox* answerBox() const { return m_box; }
    QLabel* letter() const { return m_letter; }
    QLabel* expectedBox() const { return m_expected; }
    ResultMark* firstMark() const { return m_first; }
    ResultMark* secondMark() const { return m_second; }

    /// Frame 1 of a question whose first sub-answer is a long answer: a tall frame with
    /// a large box and the expected answer below it; the short layout otherwise.
    void setLongLayout(bool longAnswer);
    /// Height in twips, for stacking.
    int heightTwips() const { return m_heightTwips; }

    /// Shows sub-answer `slot`: its answer, marks and expected answer, locked and
    /// coloured as the attempt and its state call for.
    void fill(const SheetSlot& slot, bool secondAttempt, bool marked);

    /// The colour of the border lines, light blue.
    static QColor BorderColour();
    /// The four border lines (top, left, bottom, right) around a box given in twips, in
    /// pixels of `widget`'s screen: 30 twips outside its top and left, 15 outside its
    /// bottom and right, the bottom and right lines 15 twips longer so the corner closes.
    static std::array<QLine, 4> BorderLines(const QRect& boxTwips, const QWidget* widget);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void place(QWidget* widget, int left, int top, int width, int height);

    AnswerBox* m_box;
    QLabel* m_letter;
    QLabel* m_expected;
    ResultMark* m_first;
    ResultMark* m_second = nullptr;
    QRect m_boxTwips;
    int m_heightTwips = 375;
};

} // namespace orlavine
