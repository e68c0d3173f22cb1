#include "marking/attempt.h"

#include "marking/answercheck.h"
#include "records/error.h"
#include "records/fileio.h"
#include "marking/numbers.h"

namespace orlavine {

const QString kUnansweredQuestion = QStringLiteral(
    "You have not answered all the questions.  Do you still want to mark your practice?");
const QString kMarkNowQuestion = QStringLiteral("Do you want to mark your practice now?");

namespace {

bool IsOne(const QByteArray& state)
{
    return LeadingNumber(state) == 1;
}

} // namespace

Attempt::Attempt(AttemptKind kind, const PaperRef& paper)
    : m_kind(kind), m_paper(paper), m_content(LoadPaperContent(paper.module, paper.paperNumber))
{
    const int n = subAnswerTotal();
    m_answers = m_results = m_firstResults = Fields(n);
}

QString Attempt::filePath(LearnerFile file) const
{
    return LearnerFilePath(file, m_paper.module, m_paper.code);
}

Fields Attempt::readPaperFields(LearnerFile file, Fields* lines) const
{
    const QString path = filePath(file);
    const Fields all = ReadPaperLines(path, m_paper.paperCount);
    try {
        Fields fields = SplitLine(all.at(m_paper.index() - 1), subAnswerTotal());
        fields.resize(subAnswerTotal());
        if (lines)
            *lines = all;
        return fields;
    } catch (const Error& e) {
        throw Error(path, QStringLiteral("Paper %1: %2").arg(m_paper.paperNumber).arg(e.reason()));
    }
}

void Attempt::readRecords()
{
    if (m_paper.index() < 1 || m_paper.index() > m_paper.paperCount)
        throw Error(QString(),
                    QStringLiteral("Paper %1 is not in this module").arg(m_paper.paperNumber));
    if (isSecond()) {
        m_firstResults = readPaperFields(LearnerFile::FResults, nullptr);
        m_answers = readPaperFields(LearnerFile::Second, &m_answerLines);
        m_results = readPaperFields(LearnerFile::SResults, &m_resultLines);
        carryOverCorrect(readPaperFields(LearnerFile::First, nullptr));
    } else {
        m_answers = readPaperFields(LearnerFile::First, &m_answerLines);
        m_results = readPaperFields(LearnerFile::FResults, &m_resultLines);
    }
    m_marks = ReadMarksLists(m_paper.module, m_paper.code, m_paper.paperCount);
    m_marked = IsOne(m_marks[isSecond() ? SST : FST].at(m_paper.index() - 1));
}

void Attempt::carryOverCorrect(const Fields& firstAnswers)
{
    for (int i = 0; i < subAnswerTotal(); ++i) {
        if (isCarried(i)) {
            m_answers[i] = firstAnswers.at(i);
            m_results[i] = kRightMark;
        }
    }
}

QByteArray Attempt::recordedPercent() const
{
    return m_marks[isSecond() ? SSE : FSE].at(m_paper.index() - 1);
}

QByteArray Attempt::recordedTime() const
{
    return isSecond() ? QByteArray() : m_marks[LTM].at(m_paper.index() - 1);
}

QByteArray Attempt::recordedDate() const
{
    return isSecond() ? QByteArray() : m_marks[CDD].at(m_paper.index() - 1);
}

bool Attempt::isCarried(int i) const
{
    return isSecond() && m_firstResults.at(i) == kRightMark;
}

void Attempt::storeAnswers(int first, const Fields& typed)
{
    if (m_marked)
        return;
    for (int k = 0; k < typed.size(); ++k) {
        const int i = first + k;
        if (i >= 0 && i < subAnswerTotal() && !isCarried(i))
            m_answers[i] = typed.at(k);
    }
}

void Attempt::save()
{
    if (m_marked)
        return;
    SaveRecordLine(m_answerLines, m_answers, m_paper.index(),
                   QByteArray::number(m_paper.paperNumber), m_paper.paperCount, subAnswerTotal(),
                   filePath(isSecond() ? LearnerFile::Second : LearnerFile::First));
}

QString Attempt::markingQuestion() const
{
    for (int i = 0; i < subAnswerTotal(); ++i) {
        if (!isCarried(i) && m_answers.at(i).isEmpty())
            return kUnansweredQuestion;
    }
    return kMarkNowQuestion;
}

int Attempt::scoreOf(const Fields& results) const
{
    int score = 0;
    for (int i = 0; i < subAnswerTotal(); ++i) {
        if (results.at(i) == kRightMark)
            score += int(LeadingNumber(m_content.marks.at(i)));
    }
    return score;
}

std::optional<MarkingOutcome> Attempt::mark(const QDateTime& now)
{
    if (m_marked)
        return std::nullopt;
    const PaperContent& c = m_content;
    Fields results(subAnswerTotal());
    for (int i = 0; i < subAnswerTotal(); ++i)
        results[i] = CheckSubAnswer(m_answers, c.keys, c.types, i);
    MarkingOutcome outcome;
    outcome.score = scoreOf(results);
    outcome.percent = PercentText(outcome.score, c.totalMarks);
    if (!isSecond()) {
        outcome.timeTaken = ElapsedText(m_startTime.secsTo(now));
        outcome.date = ShortDateText(now.date());
    }

    const int p = m_paper.index() - 1;
    MarksLists marks = m_marks;
    if (isSecond()) {
        marks[SSE][p] = outcome.percent;
        marks[SST][p] = "1";
    } else {
        marks[FSE][p] = outcome.percent;
        marks[LTM][p] = outcome.timeTaken;
        marks[CDD][p] = outcome.date;
        marks[FST][p] = "1";
    }
    // The results, the marks and the trend are saved as one change: a crash never leaves
    // a marked paper without its results or its trend entry.
    const QString resultsPath = filePath(isSecond() ? LearnerFile::SResults : LearnerFile::FResults);
    RecordFileChange resultFile =
        ChangeRecordLine(m_resultLines, results, m_paper.index(), QByteArray::number(m_paper.paperNumber),
                         m_paper.paperCount, subAnswerTotal(), resultsPath);
    QList<FileReplacement> files = {
        {resultsPath, resultFile.bytes},
        {filePath(LearnerFile::Marks), FormatMarksLists(marks, m_paper.module, m_paper.code, m_paper.paperCount)}};
    if (!isSecond()) {
        files.append({filePath(LearnerFile::Trend),
                      TrendWithScore(m_paper.module, m_paper.code, outcome.percent)});
    }
    WriteFilesTogether(files);
    m_resultLines = std::move(resultFile.lines);
    m_results = results;
    m_marks = marks;
    m_marked = true;
    return outcome;
}

} // namespace orlavine
