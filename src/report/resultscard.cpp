#include "report/resultscard.h"

namespace orlavine {

namespace {

void AddTopicHeading(QList<CardLine>& lines, const QByteArray& name)
{
    lines.append(CardLine());
    lines.append(CardLine());
    lines.append(CardLine{" ", name});
    lines.append(CardLine{"", kCardRule});
    lines.append(
        CardLine{" ", "Papers", " ", "First take", "Time taken", "Date", " ", "Second take"});
    lines.append(CardLine{" ", " ", " ", "score", " ", " ", " ", "score"});
    lines.append(CardLine{"", kCardRule});
}

} // namespace

QList<CardLine> ResultsCardLines(const QByteArray& caption, const ModuleSettings& module,
                                 const MarksLists& marks)
{
    QList<CardLine> lines{CardLine(), CardLine(), CardLine{" ", caption}, CardLine(), CardLine()};
    const int topicCount = qBound(0, module.topicCount, 10);
    for (int t = 0; t < topicCount; ++t) {
        AddTopicHeading(lines, module.topicNames.value(t));
        for (int p = 1; p <= 5; ++p) {
            const int n = 5 * t + p - 1;
            lines.append(CardLine{" ", "Paper " + QByteArray::number(p), " ",
                                  marks[FSE].value(n) + '%', marks[LTM].value(n),
                                  marks[CDD].value(n), " ", marks[SSE].value(n) + '%'});
        }
    }
    return lines;
}

QList<QList<CardLine>> CardPages(const QList<CardLine>& lines, int linesPerPage)
{
    linesPerPage = qMax(1, linesPerPage);
    QList<QList<CardLine>> pages{{}};
    for (int i = 0; i < lines.size(); ++i) {
        const bool blockStart =
            i >= kCardHeadingLines && (i - kCardHeadingLines) % kCardTopicLines == 0;
        const int block = qMin(kCardTopicLines, int(lines.size()) - i);
        const int left = linesPerPage - int(pages.last().size());
        if (left == 0 || (blockStart && block > left && block <= linesPerPage))
            pages.append(QList<CardLine>());
        pages.last().append(lines.at(i));
    }
    return pages;
}

QList<int> ZoneColumns(const CardLine& line)
{
    QList<int> columns;
    int end = 0;
    for (const QByteArray& item : line) {
        int column = 0;
        if (!columns.isEmpty())
            column = (end + kZoneWidth) / kZoneWidth * kZoneWidth;
        columns.append(column);
        end = column + int(item.size());
    }
    return columns;
}

QByteArray ZoneText(const CardLine& line)
{
    const QList<int> columns = ZoneColumns(line);
    QByteArray text;
    for (int i = 0; i < line.size(); ++i) {
        text = text.leftJustified(columns.at(i), ' ');
        text += line.at(i);
    }
    return text;
}

} // namespace orlavine
