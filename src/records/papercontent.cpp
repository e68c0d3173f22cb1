#include "records/papercontent.h"

#include "records/error.h"
#include "records/package.h"
#include "records/programfolder.h"
#include "records/resources.h"

#include <cctype>
#include <numeric>

namespace orlavine {

namespace {

void ReadTable(int id, const QString& scratch, const std::function<void(const RecordBytes&)>& read)
{
    const int result = ReadThroughScratch(id, scratch, read);
    if (result != 0)
        throw Error(scratch, ResourceWriteError(result, id));
}

} // namespace

int PaperContent::offsetOf(int q) const
{
    return std::accumulate(subAnswerCounts.cbegin(), subAnswerCounts.cbegin() + q, 0);
}

PaperContent LoadPaperContent(int module, int paperNumber)
{
    PaperContent paper;
    const QString scratch = ProgramFile(QStringLiteral("temptext.txt"));
    const QByteArray key = QByteArray::number(paperNumber);
    ReadTable(PaperTableResource(module), scratch,
              [&](const RecordBytes& table) { paper.questionIds = ReadAllFields(table, key); });
    const int q = paper.questionCount();
    ReadTable(AnswerKeyResource(module), scratch, [&](const RecordBytes& table) {
        paper.keys = ReadFieldsForKeys(table, q, paper.questionIds);
        paper.subAnswerCounts = CountFieldsForKeys(table, q, paper.questionIds);
    });
    ReadTable(AnswerTypeResource(module), scratch, [&](const RecordBytes& table) {
        paper.types = ReadFieldsForKeys(table, q, paper.questionIds);
    });
    ReadTable(MarksTableResource(module), scratch, [&](const RecordBytes& table) {
        paper.marks = ReadFieldsForKeys(table, q, paper.questionIds);
    });

    for (const QByteArray& mark : paper.marks)
        paper.totalMarks += int(LeadingNumber(mark));
    if (q == 0 || paper.types.size() != paper.keys.size() || paper.marks.size() != paper.keys.size() ||
        paper.keys.size() > 80 || paper.totalMarks <= 0) {
        throw Error(QString(), QStringLiteral("Paper %1 of module %2 is damaged in the content package")
                                   .arg(paperNumber)
                                   .arg(module));
    }
    return paper;
}

QString QuestionPagePath(const QByteArray& questionId)
{
    return ProgramFile(QStringLiteral("temppaper%1.mht").arg(QString::fromLatin1(questionId)));
}

QString SolutionPagePath(const QByteArray& questionId)
{
    return ProgramFile(QStringLiteral("tempsolution%1.mht").arg(QString::fromLatin1(questionId)));
}

double LeadingNumber(const QByteArray& text)
{
    const QByteArray t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t[end] == '+' || t[end] == '-'))
        ++end;
    bool point = false;
    while (end < t.size() && (std::isdigit(static_cast<unsigned char>(t[end])) || (t[end] == '.' && !point))) {
        point = point || t[end] == '.';
        ++end;
    }
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace orlavine
