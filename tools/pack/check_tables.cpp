// The paper table and the answer-key, answer-type and marks tables of a module: every
// paper readable with the program's forward passes, equal field counts, paper order.
#include "check.h"

#include "records/error.h"
#include "records/package.h"

#include <functional>

namespace orlavine::pack {

namespace {

constexpr int kFirstQuestionId = 16001;
constexpr int kLastQuestionId = 19448;

struct Table {
    int resource;
    const char* name;
};

bool Passes(const std::function<void()>& pass)
{
    try {
        pass();
        return true;
    } catch (const Error&) {
        return false;
    }
}

/// The index of the first key at which the forward pass over `ids` fails (given that the
/// pass over all of them fails): the smallest n for which the first n keys fail.
int FirstFailingKey(const RecordBytes& file, const Fields& ids)
{
    int good = 0;
    int bad = int(ids.size());
    while (bad - good > 1) {
        const int mid = (good + bad) / 2;
        if (Passes([&] { CountFieldsForKeys(file, mid, ids.mid(0, mid)); }))
            good = mid;
        else
            bad = mid;
    }
    return bad - 1;
}

bool ReadPaperIds(const RecordBytes& file, ModuleInfo& module, PaperInfo& paper, Findings& findings)
{
    const int resource = PaperTableResource(module.number);
    const QByteArray key = QByteArray::number(paper.number);
    Fields ids;
    if (!Passes([&] { ids = ReadAllFields(file, key); })) {
        findings.error({resource, paper.number},
                       QStringLiteral("the paper is missing from the paper table"));
        return false;
    }
    if (ids.isEmpty() || (ids.size() == 1 && ids.first().isEmpty())) {
        findings.error({resource, paper.number}, QStringLiteral("the paper has no questions"));
        return false;
    }
    bool valid = true;
    for (int q = 0; q < ids.size(); ++q) {
        bool ok = false;
        const int id = ids.at(q).toInt(&ok);
        if (!ok || ids.at(q).size() != 5 || id < kFirstQuestionId || id > kLastQuestionId) {
            findings.error({resource, paper.number, q + 1, ids.at(q)},
                           QStringLiteral("\"%1\" is not a question id from %2 to %3")
                               .arg(QString::fromLatin1(ids.at(q)))
                               .arg(kFirstQuestionId)
                               .arg(kLastQuestionId));
            valid = false;
        }
        paper.questions.append(QuestionInfo{ids.at(q), {}, {}, {}});
    }
    return valid;
}

/// Reads one table's lines of the paper's questions into `member`; false (reported)
/// when the forward pass fails.
bool ReadPaperFields(const RecordBytes& file, const Table& table, PaperInfo& paper,
                     Fields QuestionInfo::*member, Findings& findings)
{
    Fields ids;
    for (const QuestionInfo& q : paper.questions)
        ids.append(q.id);
    const int n = int(ids.size());
    QList<int> counts;
    Fields fields;
    if (!Passes([&] {
            counts = CountFieldsForKeys(file, n, ids);
            fields = ReadFieldsForKeys(file, n, ids);
        })) {
        const int q = FirstFailingKey(file, ids);
        findings.error({table.resource, paper.number, q + 1, ids.at(q)},
                       QStringLiteral("the question is missing from the %1 table, or stands before "
                                      "the question before it")
                           .arg(QLatin1String(table.name)));
        return false;
    }
    int at = 0;
    for (int q = 0; q < n; ++q) {
        paper.questions[q].*member = fields.mid(at, counts.at(q));
        at += counts.at(q);
    }
    return true;
}

void CheckFieldCounts(const ModuleInfo& module, const PaperInfo& paper, Findings& findings)
{
    for (int q = 0; q < paper.questions.size(); ++q) {
        const QuestionInfo& info = paper.questions.at(q);
        const Place place{AnswerKeyResource(module.number), paper.number, q + 1, info.id};
        if (info.keys.isEmpty())
            findings.error(place, QStringLiteral("the question has no sub-answers"));
        if (info.types.size() != info.keys.size() || info.marks.size() != info.keys.size()) {
            findings.error(
                {AnswerTypeResource(module.number), paper.number, q + 1, info.id},
                QStringLiteral(
                    "the question has %1 keys, %2 answer types and %3 marks; they must be equal")
                    .arg(info.keys.size())
                    .arg(info.types.size())
                    .arg(info.marks.size()));
        }
    }
}

} // namespace

void CheckTables(const FolderResources& resources, ModuleInfo& module, Findings& findings)
{
    const int m = module.number;
    const QString paperFile = resources.fileOf(PaperTableResource(m));
    const Table tables[] = {{AnswerKeyResource(m), "answer-key"},
                            {AnswerTypeResource(m), "answer-type"},
                            {MarksTableResource(m), "marks"}};
    Fields QuestionInfo::*members[] = {&QuestionInfo::keys, &QuestionInfo::types,
                                       &QuestionInfo::marks};
    bool missing = paperFile.isEmpty();
    if (paperFile.isEmpty())
        findings.error({PaperTableResource(m)},
                       QStringLiteral("the paper table of module %1 is missing").arg(m));
    for (const Table& table : tables) {
        if (resources.fileOf(table.resource).isEmpty()) {
            findings.error({table.resource}, QStringLiteral("the %1 table of module %2 is missing")
                                                 .arg(QLatin1String(table.name))
                                                 .arg(m));
            missing = true;
        }
    }
    if (missing)
        return;
    // Each table read once: every paper's forward passes run over the same bytes.
    RecordBytes paperTable;
    RecordBytes tableBytes[3];
    try {
        paperTable = ReadRecordFile(paperFile);
        for (int t = 0; t < 3; ++t)
            tableBytes[t] = ReadRecordFile(resources.fileOf(tables[t].resource));
    } catch (const Error& e) {
        findings.error({PaperTableResource(m)},
                       QStringLiteral("the tables of module %1 cannot be read: %2")
                           .arg(m)
                           .arg(e.message()));
        return;
    }

    Fields allIds;
    QList<int> paperOfId;
    bool allReadable = true;
    for (int p = 101; p <= 100 + module.paperCount; ++p) {
        PaperInfo paper;
        paper.number = p;
        paper.readable = ReadPaperIds(paperTable, module, paper, findings);
        for (int t = 0; t < 3 && paper.readable; ++t)
            paper.readable = ReadPaperFields(tableBytes[t], tables[t], paper, members[t], findings);
        if (paper.readable)
            CheckFieldCounts(module, paper, findings);
        allReadable = allReadable && paper.readable;
        for (int q = 0; q < paper.questions.size(); ++q) {
            allIds.append(paper.questions.at(q).id);
            paperOfId.append(p * 100 + q + 1);
        }
        module.papers.append(paper);
    }
    if (!allReadable)
        return; // the order of the whole module is judged only when each paper reads
    for (int t = 0; t < 3; ++t) {
        const Table& table = tables[t];
        if (Passes([&] { CountFieldsForKeys(tableBytes[t], int(allIds.size()), allIds); }))
            continue;
        const int at = FirstFailingKey(tableBytes[t], allIds);
        findings.error(
            {table.resource, paperOfId.at(at) / 100, paperOfId.at(at) % 100, allIds.at(at)},
            QStringLiteral(
                "the %1 table does not list the questions in the order of the paper table: "
                "this question stands before the question before it")
                .arg(QLatin1String(table.name)));
    }
}

} // namespace orlavine::pack
