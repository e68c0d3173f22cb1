// Papers as a teacher would set them: no question twice in a topic, the marks of a real
// paper, and an answer asked in a unit with that unit printed by its answer line.
#include "check.h"

#include "mime.h"
#include "records/package.h"

#include <QHash>
#include <QRegularExpression>

namespace orlavine::pack {

namespace {

/// The text of the page's HTML a pupil reads: no head, scripts or tags, entities of
/// the usual signs read, spaces single.
QString VisibleText(QString html)
{
    static const QRegularExpression hidden(
        QStringLiteral("<(head|style|script)\\b.*?</\\1>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.remove(hidden).replace(tag, QStringLiteral(" "));
    html.replace(QLatin1String("&pound;"), QStringLiteral("\u00A3"))
        .replace(QLatin1String("&deg;"), QStringLiteral("\u00B0"))
        .replace(QLatin1String("&nbsp;"), QStringLiteral(" "))
        .replace(QLatin1String("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

/// Where the page asks for an answer in a unit ("in cm", "how many grams"): the unit,
/// or empty.
QString AskedUnit(const QString& text)
{
    static const QRegularExpression asked(
        QStringLiteral("\\b(?:in|how many|number of)\\s+(mm|cm|m|km|g|kg|ml|litres|millimetres|"
                       "centimetres|metres|kilometres|grams|kilograms|millilitres|degrees|pence|"
                       "pounds|minutes|seconds|hours|days)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return asked.match(text).captured(1);
}

/// Whether the answer lines print `unit` in one of the ways it is written.
bool PrintsUnit(const QString& answerLines, const QString& unit)
{
    static const QHash<QString, QStringList> written = {
        {"degrees", {"\u00B0"}}, {"pounds", {"\u00A3"}},    {"pence", {"p"}},
        {"grams", {"g"}},         {"kilograms", {"kg"}},     {"millilitres", {"ml"}},
        {"metres", {"m"}},        {"centimetres", {"cm"}},   {"millimetres", {"mm"}},
        {"kilometres", {"km"}},   {"litres", {"l"}},         {"minutes", {"min"}},
        {"seconds", {"s"}},       {"hours", {"h"}}};
    for (const QString& form : QStringList{unit} + written.value(unit.toLower())) {
        const QRegularExpression word(QStringLiteral("(?<!\\w)%1(?!\\w)")
                                          .arg(QRegularExpression::escape(form)),
                                      QRegularExpression::CaseInsensitiveOption);
        if (word.match(answerLines).hasMatch())
            return true;
    }
    return false;
}

/// The text of the page's answer lines (elements of class "al").
QString AnswerLines(const QString& html)
{
    static const QRegularExpression line(QStringLiteral("class=\"al\"[^>]*>(.*?)</div>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QString text;
    for (auto m = line.globalMatch(html); m.hasNext();)
        text += VisibleText(m.next().captured(1)) + QLatin1Char(' ');
    return text;
}

QString PageHtmlOf(const MimeDocument& doc)
{
    QStringList ignored;
    return doc.parts.isEmpty() ? QString()
                               : QString::fromLatin1(DecodeBody(doc.parts.first(), ignored));
}

} // namespace

PageFace ReadPageFace(const QByteArray& page, int number)
{
    static const QRegularExpression kind(
        QStringLiteral("<meta\\s+name=\"question-kind\"\\s+content=\"([^\"]*)\""));
    QStringList ignored;
    const MimeDocument doc = ParseMime(page, ignored);
    const QString html = PageHtmlOf(doc);
    PageFace face;
    face.kind = kind.match(html).captured(1);
    face.answerLines = AnswerLines(html);
    face.text = VisibleText(html);
    // The number heads the page: the same question at another place is the same question.
    const QRegularExpression numberWord(QStringLiteral("\\b%1\\b").arg(number));
    const QRegularExpressionMatch first = numberWord.match(face.text);
    if (first.hasMatch())
        face.text.remove(first.capturedStart(), first.capturedLength());
    for (int i = 1; i < doc.parts.size(); ++i)
        face.pictures += DecodeBody(doc.parts.at(i), ignored);
    return face;
}

int PaperMarks(const PaperInfo& paper)
{
    int marks = 0;
    for (const QuestionInfo& q : paper.questions) {
        for (const QByteArray& mark : q.marks)
            marks += mark.trimmed().toInt();
    }
    return marks;
}

bool MarksInRange(const ModuleInfo& module, const PaperInfo& paper, int& min, int& max)
{
    const bool mock = ModuleInfo::topicOf(paper.number) == module.topicCount - 1;
    min = mock ? 60 : 30;
    max = mock ? 80 : 50;
    const int marks = PaperMarks(paper);
    return marks >= min && marks <= max;
}

void CheckPapers(const FolderResources& resources, const ModuleInfo& module, Findings& findings)
{
    // A question's face and where it was first seen, per topic.
    QList<QHash<QString, Place>> seen(module.topicCount);
    QStringList outside;
    for (const PaperInfo& paper : module.papers) {
        const int topic = ModuleInfo::topicOf(paper.number);
        int min = 0, max = 0;
        if (!MarksInRange(module, paper, min, max))
            outside.append(QStringLiteral("%1 (%2)").arg(paper.number).arg(PaperMarks(paper)));
        for (int q = 0; q < paper.questions.size(); ++q) {
            const QuestionInfo& info = paper.questions.at(q);
            const Place place{info.id.toInt(), paper.number, q + 1, info.id};
            const std::optional<QByteArray> page = resources.load(info.id.toInt());
            if (!page)
                continue; // the page check reports it
            const PageFace face = ReadPageFace(*page, q + 1);
            const QString key = face.identity();
            if (topic >= 0 && topic < seen.size()) {
                if (const auto before = seen[topic].constFind(key); before != seen[topic].cend())
                    findings.warning(place,
                                     QStringLiteral("the same question as question %1 of paper %2 "
                                                    "(%3), in the same topic")
                                         .arg(before->question)
                                         .arg(before->paper)
                                         .arg(QString::fromLatin1(before->questionId)));
                else
                    seen[topic].insert(key, place);
            }
            const QString unit = AskedUnit(face.text);
            if (!unit.isEmpty() && info.types.contains("N") && !PrintsUnit(face.answerLines, unit))
                findings.warning(place, QStringLiteral("the page asks for an answer in %1 but "
                                                       "does not print %1 by its answer line, "
                                                       "and a number answer with %1 is marked "
                                                       "wrong")
                                            .arg(unit));
        }
    }
    // A teacher's short papers are all unlike a real paper; only a few outliers among
    // real-sized papers are likely mistakes.
    if (!outside.isEmpty() && 2 * outside.size() < module.papers.size())
        findings.warning(Place{PaperTableResource(module.number)},
                         QStringLiteral("%1 of the papers have marks unlike a real paper's (30 to "
                                        "50 a topic paper, 60 to 80 the mock examination, the last "
                                        "topic): %2")
                             .arg(outside.size())
                             .arg(outside.join(QStringLiteral(", "))));
}

} // namespace orlavine::pack
