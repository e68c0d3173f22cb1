#include "marking/answersheet.h"

#include "marking/answercheck.h"

#include <algorithm>

namespace orlavine {

namespace {

/// Empty or only spaces: the question still counts as remaining.
bool IsBlank(const QByteArray& answer)
{
    return std::all_of(answer.cbegin(), answer.cend(), [](char c) { return c == ' '; });
}

} // namespace

QByteArray ExpectedAnswerText(const Attempt& attempt, int i)
{
    const PaperContent& c = attempt.content();
    const QByteArray& key = c.keys.at(i);
    const QByteArray& type = c.types.at(i);
    if (!attempt.isSecond())
        return key;
    // A single space marks a follow-on slot: its answer is whatever the head's list
    // still lacks, for M as for G, which is also how it was checked.
    if (type == "G" || (type == "M" && key == " "))
        return ExpectedGroupAnswer(attempt.answers(), c.keys, c.types, i);
    if (type == "M")
        return Alternatives(key).value(0);
    return key;
}

QuestionSheet SheetFor(const Attempt& attempt, int question)
{
    const PaperContent& c = attempt.content();
    QuestionSheet sheet;
    sheet.question = question;
    sheet.offset = c.offsetOf(question - 1);
    sheet.count = c.subAnswerCounts.at(question - 1);
    for (int k = 0; k < sheet.count; ++k) {
        const QByteArray& type = c.types.at(sheet.offset + k);
        if (type == "X" || type == "F") {
            sheet.instruction = true;
            break;
        }
    }
    sheet.longAnswer = sheet.count >= 1 && c.types.at(sheet.offset) == "L";
    for (int k = 0; k < qMin(sheet.count, kSheetFrames); ++k) {
        const int i = sheet.offset + k;
        SheetSlot slot;
        slot.index = i;
        slot.type = c.types.at(i);
        slot.answer = attempt.answers().at(i);
        slot.result = attempt.results().at(i);
        slot.firstResult = attempt.firstResults().at(i);
        slot.expected = ExpectedAnswerText(attempt, i);
        slot.carried = attempt.isCarried(i);
        sheet.frames.append(slot);
    }
    return sheet;
}

QList<int> RemainingQuestions(const Fields& answers, const QList<int>& subAnswerCounts)
{
    QList<int> remaining;
    int i = 0;
    for (int q = 0; q < subAnswerCounts.size(); ++q) {
        const int end = i + subAnswerCounts.at(q);
        for (; i < end && i < answers.size(); ++i) {
            if (IsBlank(answers.at(i))) {
                remaining.append(q + 1);
                break;
            }
        }
        i = end;
    }
    return remaining;
}

int AnsweredCount(const Fields& answers)
{
    int count = 0;
    for (const QByteArray& answer : answers)
        count += answer.isEmpty() ? 0 : 1;
    return count;
}

} // namespace orlavine
