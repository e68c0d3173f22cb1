#pragma once

#include "marking/attempt.h"

namespace orlavine {

// What the answer sheet shows for one question, and the counts beside it. Computed from
// an attempt; the window only places it in its frames.

/// The sheet has twenty frames; sub-answers of a question beyond them are not shown.
constexpr int kSheetFrames = 20;

/// One frame of the sheet: sub-answer `index` (0-based, in the paper's flat lists).
struct SheetSlot {
    int index = 0;
    QByteArray type;
    QByteArray answer;
    QByteArray result;      // this attempt's mark (second-attempt mark in a second attempt)
    QByteArray firstResult; // the first attempt's mark, second attempt only
    QByteArray expected;    // the text of the expected-answer box
    bool carried = false;   // right in the first attempt: filled in and locked
};

/// The sheet of question `question` (1-based): its first sub-answer's index, its number
/// of sub-answers, whether frame 1 takes the long-answer layout (first sub-answer of
/// type L), whether the instruction picture shows (a sub-answer of type X or F), and
/// one slot per frame used.
struct QuestionSheet {
    int question = 1;
    int offset = 0;
    int count = 0;
    bool longAnswer = false;
    bool instruction = false;
    QList<SheetSlot> frames;
};

/// The sheet of question `question` of the attempt. Never throws for a question in
/// 1..questionCount().
QuestionSheet SheetFor(const Attempt& attempt, int question);

/// The expected answer shown for sub-answer i: in a second attempt the group's missing
/// alternative for type G (and for a follow-on slot of type M), the first alternative of
/// the key for type M; the key as stored otherwise.
QByteArray ExpectedAnswerText(const Attempt& attempt, int i);

/// The questions (1-based, ascending) with at least one sub-answer blank or holding only
/// spaces.
QList<int> RemainingQuestions(const Fields& answers, const QList<int>& subAnswerCounts);

/// The number of sub-answers that are not the empty text (spaces count as answered).
int AnsweredCount(const Fields& answers);

} // namespace orlavine
