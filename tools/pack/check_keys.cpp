// Sub-answers: limits, marks, answer types, and keys valid for their type, groups whole.
#include "check.h"

#include "marking/answercheck.h"
#include "marking/numbers.h"
#include "records/package.h"

#include <QSet>

#include <cmath>

namespace orlavine::pack {

namespace {

constexpr int kMaxPaperSubAnswers = 80;
constexpr int kMaxQuestionSubAnswers = 20;
constexpr int kLookBack = 20; // how far back the marker looks for a group's head

QString Quoted(const QByteArray& text)
{
    return QLatin1Char('"') + QString::fromLatin1(text) + QLatin1Char('"');
}

/// The flat, per-sub-answer view of a paper, as the marker sees it.
struct Flat {
    Fields keys, types;
    QList<int> question; // the question (0-based) of each sub-answer
};

Flat Flatten(const PaperInfo& paper)
{
    Flat flat;
    for (int q = 0; q < paper.questions.size(); ++q) {
        flat.keys += paper.questions.at(q).keys;
        flat.types += paper.questions.at(q).types;
        for (int k = 0; k < paper.questions.at(q).keys.size(); ++k)
            flat.question.append(q);
    }
    return flat;
}

int HeadOf(const Fields& keys, int i)
{
    for (int j = i - 1; j >= 0 && j >= i - kLookBack; --j) {
        if (keys.at(j) != " ")
            return j;
    }
    return -1;
}

int NonEmptyAlternatives(const QByteArray& key)
{
    QSet<QString> distinct;
    for (const QByteArray& alternative : Alternatives(key)) {
        const QString text = QString::fromLatin1(alternative.trimmed()).toLower();
        if (!text.isEmpty())
            distinct.insert(text);
    }
    return int(distinct.size());
}

void CheckAlternativesKey(const Flat& flat, int i, const Place& place, Findings& findings)
{
    const QByteArray& key = flat.keys.at(i);
    if (key == " ") {
        const int head = HeadOf(flat.keys, i);
        if (head < 0)
            findings.error(place, QStringLiteral("sub-answer %1 follows on a group (its key is a "
                                                 "single space) but no group head stands before it")
                                      .arg(i + 1));
        else if (flat.types.at(head) != "G" && flat.types.at(head) != "M")
            findings.error(
                place,
                QStringLiteral(
                    "sub-answer %1 follows on a group, but its head, sub-answer %2, is of type %3")
                    .arg(i + 1)
                    .arg(head + 1)
                    .arg(QString::fromLatin1(flat.types.at(head))));
        else if (flat.question.at(head) != flat.question.at(i))
            findings.warning(
                place, QStringLiteral("the group of sub-answer %1 begins in an earlier question")
                           .arg(i + 1));
        return;
    }
    const int alternatives = NonEmptyAlternatives(key);
    if (alternatives == 0) {
        findings.error(place, QStringLiteral("key %1 of sub-answer %2 lists no alternatives")
                                  .arg(Quoted(key))
                                  .arg(i + 1));
        return;
    }
    if (Alternatives(key).contains(QByteArray()))
        findings.warning(place, QStringLiteral("key %1 of sub-answer %2 has an empty alternative, "
                                               "so an empty answer is marked right")
                                    .arg(Quoted(key))
                                    .arg(i + 1));
    if (!key.startsWith(';'))
        findings.warning(place, QStringLiteral("key %1 of sub-answer %2 does not begin with \";\": "
                                               "it is read as its \";\"-separated pieces")
                                    .arg(Quoted(key))
                                    .arg(i + 1));
    int length = 1;
    while (i + length < flat.keys.size() && flat.keys.at(i + length) == " " && length <= kLookBack)
        ++length;
    if (length > alternatives)
        findings.error(place, QStringLiteral("the group of %1 slots from sub-answer %2 has only %3 "
                                             "different alternatives, so it can never be all right")
                                  .arg(length)
                                  .arg(i + 1)
                                  .arg(alternatives));
}

void CheckKey(const Flat& flat, int i, int module, const Place& place, Findings& findings)
{
    const QByteArray& key = flat.keys.at(i);
    const QByteArray& type = flat.types.at(i);
    double number = 0;
    if (type == "Q") {
        const QByteArray choice = key.trimmed();
        if (choice.size() != 1 || choice.at(0) < '1' || choice.at(0) > '4')
            findings.error(place,
                           QStringLiteral("key %1 of sub-answer %2 is not a choice from 1 to 4")
                               .arg(Quoted(key))
                               .arg(i + 1));
    } else if (type == "N") {
        if (!ParseNumber(key, number))
            findings.error(place, QStringLiteral("key %1 of sub-answer %2 is not a number")
                                      .arg(Quoted(key))
                                      .arg(i + 1));
    } else if (type == "M" || type == "G") {
        CheckAlternativesKey(flat, i, place, findings);
    } else if (QByteArray("TLRFX").contains(type) && type.size() == 1) {
        if (key.trimmed().isEmpty())
            findings.error(place, QStringLiteral("key of sub-answer %1 is empty").arg(i + 1));
    } else {
        findings.error({AnswerTypeResource(module), place.paper, place.question, place.questionId},
                       QStringLiteral("sub-answer %1 has the unknown answer type %2")
                           .arg(i + 1)
                           .arg(Quoted(type)));
    }
}

void CheckMarks(const ModuleInfo& module, const PaperInfo& paper, Findings& findings)
{
    int total = 0;
    int first = 0;
    for (int q = 0; q < paper.questions.size(); ++q) {
        const QuestionInfo& info = paper.questions.at(q);
        for (int k = 0; k < info.marks.size(); ++k) {
            double value = 0;
            if (!ParseNumber(info.marks.at(k), value) || value < 0 || value != std::floor(value)) {
                findings.error({MarksTableResource(module.number), paper.number, q + 1, info.id},
                               QStringLiteral("marks %1 of sub-answer %2 are not a whole number")
                                   .arg(Quoted(info.marks.at(k)))
                                   .arg(first + k + 1));
            } else {
                total += int(value);
            }
        }
        first += int(info.marks.size());
    }
    if (total <= 0)
        findings.error({MarksTableResource(module.number), paper.number},
                       QStringLiteral("the paper's total marks are not above zero"));
}

} // namespace

void CheckKeys(const ModuleInfo& module, Findings& findings)
{
    for (const PaperInfo& paper : module.papers) {
        if (!paper.readable)
            continue;
        const int count = paper.subAnswerCount();
        if (count > kMaxPaperSubAnswers)
            findings.error(
                {PaperTableResource(module.number), paper.number},
                QStringLiteral("the paper has %1 sub-answers; at most %2 fit the answer sheet")
                    .arg(count)
                    .arg(kMaxPaperSubAnswers));
        for (int q = 0; q < paper.questions.size(); ++q) {
            const QuestionInfo& info = paper.questions.at(q);
            if (info.keys.size() > kMaxQuestionSubAnswers)
                findings.error(
                    {AnswerKeyResource(module.number), paper.number, q + 1, info.id},
                    QStringLiteral(
                        "the question has %1 sub-answers; at most %2 fit the answer sheet")
                        .arg(info.keys.size())
                        .arg(kMaxQuestionSubAnswers));
        }
        CheckMarks(module, paper, findings);
        const Flat flat = Flatten(paper);
        if (flat.types.size() != flat.keys.size())
            continue; // already reported with the field counts
        for (int i = 0; i < flat.keys.size(); ++i) {
            const int q = flat.question.at(i);
            CheckKey(
                flat, i, module.number,
                {AnswerKeyResource(module.number), paper.number, q + 1, paper.questions.at(q).id},
                findings);
        }
    }
}

} // namespace orlavine::pack
