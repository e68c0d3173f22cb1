#pragma once

#include "marking/attempt.h"
#include "records/package.h"

#include <array>

namespace orlavine {

/// A question still wrong in the latest marked attempt of its paper: where it is, what
/// the pupil wrote and what was expected. For a question of several sub-answers only
/// the wrong ones are given, each after its letter ("(b) 7; (c) 9"), a blank one as "-".
struct WrongQuestion {
    int paperNumber = 0; // 101..150
    int question = 0;    // 1-based within the paper
    AttemptKind attempt = AttemptKind::First;
    QByteArray answer;
    QByteArray expected;
};

/// The questions of one paper wrong in its latest marked attempt: the second when
/// `secondMarked`, where a sub-answer right the first time was carried over and stays
/// right, else the first. Lists hold one entry per sub-answer of `content`.
QList<WrongQuestion> WrongInPaper(const PaperContent& content, int paperNumber, bool secondMarked,
                                  const Fields& firstAnswers, const Fields& firstResults,
                                  const Fields& secondAnswers, const Fields& secondResults);

/// Whether any paper's first attempt is marked (its FST entry is 1).
bool AnyPaperMarked(const MarksLists& marks);

/// Per topic (0..9) of the module, the questions still wrong in the latest marked
/// attempt of each paper, the most recently completed paper first. Reads the paper
/// contents and the learner files once each; writes nothing. Throws Error when one
/// cannot be read.
std::array<QList<WrongQuestion>, 10> LoadQuestionsToPractise(const MarksLists& marks,
                                                             const ModuleSettings& module,
                                                             int moduleNumber,
                                                             const QByteArray& code);

} // namespace orlavine
