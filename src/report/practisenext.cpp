#include "report/practisenext.h"

#include "marking/answercheck.h"
#include "records/error.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

namespace orlavine {

namespace {

bool IsSet(const QByteArray& state)
{
    return LeadingNumber(state) == 1;
}

/// The answer shown as expected for sub-answer i: a group's alternative the pupil has
/// not given, a list's first alternative, the key otherwise.
QByteArray ExpectedOf(const PaperContent& content, const Fields& answers, int i)
{
    const QByteArray& key = content.keys.at(i);
    const QByteArray& type = content.types.at(i);
    if (type == "G" || (type == "M" && key == " ")) {
        const QByteArray missing = ExpectedGroupAnswer(answers, content.keys, content.types, i);
        if (!missing.isEmpty())
            return missing;
    }
    if (type == "M" || type == "G")
        return Alternatives(key).value(0);
    return key;
}

/// The date a paper was completed, as its CDD entry says; the earliest date when it
/// cannot be read.
QDate CompletedOn(const QByteArray& text)
{
    const QString date = QString::fromLatin1(text).trimmed();
    QDate read = QLocale::system().toDate(date, QLocale::ShortFormat);
    if (!read.isValid())
        read = QDate::fromString(date, Qt::ISODate);
    return read.isValid() ? read : QDate(1, 1, 1);
}

Fields PaperLine(const Fields& lines, int index, int subAnswers)
{
    Fields fields = SplitLine(lines.value(index), subAnswers);
    fields.resize(subAnswers);
    return fields;
}

} // namespace

bool AnyPaperMarked(const MarksLists& marks)
{
    return std::any_of(marks[FST].cbegin(), marks[FST].cend(), IsSet);
}

QList<WrongQuestion> WrongInPaper(const PaperContent& content, int paperNumber, bool secondMarked,
                                  const Fields& firstAnswers, const Fields& firstResults,
                                  const Fields& secondAnswers, const Fields& secondResults)
{
    QList<WrongQuestion> wrong;
    const Fields& answers = secondMarked ? secondAnswers : firstAnswers;
    for (int q = 0; q < content.questionCount(); ++q) {
        const int first = content.offsetOf(q);
        const int count = content.subAnswerCounts.at(q);
        QList<QByteArray> given, expected;
        for (int i = first; i < first + count; ++i) {
            const bool right = firstResults.value(i) == kRightMark ||
                               (secondMarked && secondResults.value(i) == kRightMark);
            if (right)
                continue;
            const QByteArray letter =
                count > 1 ? "(" + QByteArray(1, char('a' + i - first)) + ") " : QByteArray();
            // A blank sub-answer of several reads as a dash beside its letter.
            const QByteArray answer = answers.value(i).trimmed();
            given.append(letter + (answer.isEmpty() && count > 1 ? QByteArray("-") : answer));
            expected.append(letter + ExpectedOf(content, answers, i));
        }
        if (!given.isEmpty())
            wrong.append({paperNumber, q + 1,
                          secondMarked ? AttemptKind::Second : AttemptKind::First,
                          given.join("; "), expected.join("; ")});
    }
    return wrong;
}

std::array<QList<WrongQuestion>, 10> LoadQuestionsToPractise(const MarksLists& marks,
                                                             const ModuleSettings& module,
                                                             int moduleNumber,
                                                             const QByteArray& code)
{
    std::array<QList<WrongQuestion>, 10> topics;
    QList<int> marked; // paper indices (0-based), the most recently completed first
    for (int p = 0; p < module.paperCount; ++p) {
        if (IsSet(marks[FST].value(p)))
            marked.append(p);
    }
    if (marked.isEmpty())
        return topics;
    std::stable_sort(marked.begin(), marked.end(), [&](int a, int b) {
        const QDate da = CompletedOn(marks[CDD].value(a)), db = CompletedOn(marks[CDD].value(b));
        return da != db ? da > db : a > b;
    });
    const auto lines = [&](LearnerFile file) {
        return ReadPaperLines(LearnerFilePath(file, moduleNumber, code), module.paperCount);
    };
    const Fields firstAnswers = lines(LearnerFile::First), firstResults = lines(LearnerFile::FResults);
    const bool anySecond = std::any_of(marked.cbegin(), marked.cend(),
                                       [&](int p) { return IsSet(marks[SST].value(p)); });
    const Fields secondAnswers = anySecond ? lines(LearnerFile::Second) : Fields();
    const Fields secondResults = anySecond ? lines(LearnerFile::SResults) : Fields();
    for (int p : marked) {
        const int topic = p / 5;
        if (topic >= module.topicCount)
            continue;
        const PaperContent content = LoadPaperContent(moduleNumber, 101 + p);
        const int n = content.subAnswerTotal();
        const bool second = IsSet(marks[SST].value(p));
        topics[topic] += WrongInPaper(
            content, 101 + p, second, PaperLine(firstAnswers, p, n), PaperLine(firstResults, p, n),
            second ? PaperLine(secondAnswers, p, n) : Fields(n),
            second ? PaperLine(secondResults, p, n) : Fields(n));
    }
    return topics;
}

} // namespace orlavine
