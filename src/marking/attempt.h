#pragma once

#include "records/learner.h"
#include "records/papercontent.h"

#include <QDateTime>
#include <QList>

#include <optional>

namespace orlavine {

// One attempt at a paper, the working data of a practice window without the window:
// what it reads when it opens, the answers it stores and saves, and its marking.
// Lists are 0-based and hold one entry per sub-answer of the paper.

enum class AttemptKind { First, Second };

/// Which paper of which module, and the module's paper count (the lines of its files).
struct PaperRef {
    int module = 1;
    QByteArray code;
    int paperNumber = 101;
    int paperCount = 0;

    int index() const { return paperNumber - 100; }
};

/// What marking shows: score in marks, percentage text, and for a first attempt the
/// time taken and the date of marking.
struct MarkingOutcome {
    int score = 0;
    QByteArray percent;
    QByteArray timeTaken;
    QByteArray date;
};

class Attempt {
  public:
    /// Reads the paper's question ids, keys, types and marks through the scratch file.
    /// Throws Error when the content cannot be read or is damaged.
    Attempt(AttemptKind kind, const PaperRef& paper);

    /// Reads the learner files: the attempt's answer and result lines (and, for a second
    /// attempt, the first attempt's results and answers, carrying its right answers
    /// over), then the six marks lists. Throws Error when a file is missing or damaged.
    void readRecords();

    AttemptKind kind() const { return m_kind; }
    bool isSecond() const { return m_kind == AttemptKind::Second; }
    const PaperRef& paper() const { return m_paper; }
    const PaperContent& content() const { return m_content; }
    int subAnswerTotal() const { return m_content.subAnswerTotal(); }
    int questionCount() const { return m_content.questionCount(); }

    const Fields& answers() const { return m_answers; }
    /// This attempt's result marks (second-attempt marks in a second attempt).
    const Fields& results() const { return m_results; }
    /// The first attempt's result marks; empty entries in a first attempt.
    const Fields& firstResults() const { return m_firstResults; }
    const MarksLists& marks() const { return m_marks; }

    /// Status: true once this attempt is marked (FST or SST of the paper is 1).
    bool isMarked() const { return m_marked; }
    /// The recorded percentage of this attempt (FSE or SSE), the time taken (LTM) and
    /// the date completed (CDD); the last two are empty in a second attempt.
    QByteArray recordedPercent() const;
    QByteArray recordedTime() const;
    QByteArray recordedDate() const;

    /// True when sub-answer i was right in the first attempt and so is carried into
    /// the second attempt, filled in and locked.
    bool isCarried(int i) const;

    /// Stores `typed` as the answers of sub-answers first..first+typed.size()-1. Carried
    /// and out-of-range entries, and everything of a marked attempt, are left as they are.
    void storeAnswers(int first, const Fields& typed);

    /// Rewrites the paper's line of the answer file. A marked attempt writes nothing, as
    /// its answers cannot change. Throws Error (and changes nothing) when it fails.
    void save();

    /// The question asked before marking: the unanswered one when a sub-answer is still
    /// empty (carried-over sub-answers never count as empty), the plain one otherwise.
    QString markingQuestion() const;

    /// The moment the window finished opening: the origin of the clock and of the time
    /// taken.
    void setStartTime(const QDateTime& start) { m_startTime = start; }
    QDateTime startTime() const { return m_startTime; }

    /// Checks every sub-answer, then records as one change (WriteFilesTogether) the result
    /// line, the marks file and, for a first attempt, the trend; a missing trend file
    /// leaves every file as it was. Returns nothing
    /// (and writes nothing) for an attempt already marked. Throws Error when a file
    /// operation fails; the attempt then stays open.
    std::optional<MarkingOutcome> mark(const QDateTime& now);

    /// The score of the recorded results: the marks of every right sub-answer.
    int score() const { return scoreOf(m_results); }

  private:
    int scoreOf(const Fields& results) const;
    QString filePath(LearnerFile file) const;
    Fields readPaperFields(LearnerFile file, Fields* lines) const;
    void carryOverCorrect(const Fields& firstAnswers);

    AttemptKind m_kind;
    PaperRef m_paper;
    PaperContent m_content;
    Fields m_answerLines;
    Fields m_answers;
    Fields m_resultLines;
    Fields m_results;
    Fields m_firstResults;
    MarksLists m_marks;
    bool m_marked = false;
    QDateTime m_startTime;
};

/// The unanswered-question and plain-question texts of the marking confirmation.
extern const QString kUnansweredQuestion;
extern const QString kMarkNowQuestion;

} // namespace orlavine
