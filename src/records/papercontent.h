#pragma once

#include "records/recordfile.h"

namespace orlavine {

/// What a paper is made of, read from the module's tables: its questions and, per
/// sub-answer (question after question, field after field), the key, type and marks.
struct PaperContent {
    Fields questionIds;          // in paper order
    QList<int> subAnswerCounts;  // per question
    Fields keys;
    Fields types;
    Fields marks;
    int totalMarks = 0;          // sum of the marks' numeric values

    int questionCount() const { return int(questionIds.size()); }
    int subAnswerTotal() const { return int(keys.size()); }
    /// Index in the flat lists of the first sub-answer of question q (0-based).
    int offsetOf(int q) const;
};

/// Reads paper `paperNumber` (101..150) of module `module` through the scratch file
/// "temptext.txt": paper table, answer keys, answer types, marks, in that order.
/// Throws Error when a table cannot be written or read, or when the tables disagree
/// (so a damaged package never reaches the windows as half a paper).
PaperContent LoadPaperContent(int module, int paperNumber);

/// The file a question's page is written to: "temppaper<id>.mht" in the program folder.
QString QuestionPagePath(const QByteArray& questionId);
/// The file a question's worked solution is written to: "tempsolution<id>.mht".
QString SolutionPagePath(const QByteArray& questionId);

/// The numeric value of a stored number, reading the leading number of the text and
/// ignoring what follows ("12abc" is 12, "" and "abc" are 0).
double LeadingNumber(const QByteArray& text);

} // namespace orlavine
