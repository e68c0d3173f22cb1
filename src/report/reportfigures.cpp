#include "report/reportfigures.h"

#include "marking/numbers.h"

namespace orlavine {

namespace {

constexpr int kTrendShown = 20;

double ScoreValue(const QByteArray& text)
{
    double value = 0;
    return ParseNumber(text, value) ? value : 0.0;
}

QByteArray AverageText(double sum, int count)
{
    return count > 0 ? RoundedText(sum / count) + '%' : QByteArray();
}

/// Topics 1..topicCount that have first attempts, scanned for the strongest and the
/// weakest. Both start from the first attempted topic; later topics named "Mock
/// Examination" are passed over, and on equal averages the later topic wins.
void RankTopics(ReportFigures& figures, int topicCount)
{
    int attempted = 0;
    int first = -1;
    for (int t = 0; t < topicCount; ++t) {
        if (figures.topics[t].count1 > 0) {
            ++attempted;
            if (first < 0)
                first = t;
        }
    }
    if (attempted < 2) {
        figures.strongest = figures.weakest = "-";
        return;
    }
    int strongest = first;
    int weakest = first;
    for (int t = first + 1; t < topicCount; ++t) {
        const TopicFigures& topic = figures.topics[t];
        if (topic.count1 == 0 || topic.name == kMockExamination)
            continue;
        if (topic.topicAverage() <= figures.topics[weakest].topicAverage())
            weakest = t;
        if (topic.topicAverage() >= figures.topics[strongest].topicAverage())
            strongest = t;
    }
    figures.strongest = figures.topics[strongest].name + ' ';
    figures.weakest = figures.topics[weakest].name + ' ';
}

} // namespace

QByteArray TopicFigures::firstMark() const
{
    return AverageText(sum1, count1);
}

QByteArray TopicFigures::secondMark() const
{
    return AverageText(sum2, count2);
}

double TopicFigures::topicAverage() const
{
    if (count1 == 0)
        return 0.0;
    return (sum1 + sum2) / (count1 + count2);
}

ReportFigures ComputeReportFigures(const Fields& fse, const Fields& sse,
                                   const ModuleSettings& module, const QByteArray& trendLine)
{
    ReportFigures figures;
    const int topicCount = qBound(0, module.topicCount, 10);
    int firstCount = 0;
    int secondCount = 0;
    double firstSum = 0;
    double secondSum = 0;
    for (int t = 0; t < 10; ++t) {
        TopicFigures& topic = figures.topics[t];
        topic.name = module.topicNames.value(t);
        topic.shown = t < topicCount;
        for (int p = 0; p < 5 && topic.shown; ++p) {
            const int n = 5 * t + p;
            if (!fse.value(n).isEmpty()) {
                ++topic.count1;
                topic.sum1 += ScoreValue(fse.value(n));
            }
            if (!sse.value(n).isEmpty()) {
                ++topic.count2;
                topic.sum2 += ScoreValue(sse.value(n));
            }
        }
        firstCount += topic.count1;
        firstSum += topic.sum1;
        secondCount += topic.count2;
        secondSum += topic.sum2;
    }
    // Every attempted paper weighs the same, whichever topic it belongs to.
    figures.firstAverage = firstCount > 0 ? AverageText(firstSum, firstCount) : "-";
    figures.secondAverage = secondCount > 0 ? AverageText(secondSum, secondCount) : "-";
    figures.papersCompleted =
        QByteArray::number(firstCount) + " / " + QByteArray::number(module.paperCount);
    RankTopics(figures, topicCount);
    figures.trend = TrendValues(trendLine);
    return figures;
}

QList<double> TrendValues(const QByteArray& trendLine)
{
    QByteArray line = trendLine;
    if (line.endsWith('>'))
        line.chop(1);
    const int n = int(line.count('>'));
    const int shown = qMin(n, kTrendShown);
    // Cut the line down to its last entries, so a long line splits like a short one.
    qsizetype cut = line.size();
    for (int i = 0; i < shown; ++i)
        cut = line.lastIndexOf('>', cut - 1);
    if (shown > 0)
        line = line.left(5) + line.mid(cut);
    const Fields fields = SplitLine50(line, shown);
    QList<double> values;
    for (int i = 0; i < shown; ++i)
        values.append(ScoreValue(fields.at(i)));
    return values;
}

ReportFigures LoadReportFigures(const MarksLists& marks, const ModuleSettings& module,
                                int moduleNumber, const QByteArray& code)
{
    const QByteArray trendLine =
        ReadLine(LearnerFilePath(LearnerFile::Trend, moduleNumber, code), "TRD");
    return ComputeReportFigures(marks[FSE], marks[SSE], module, trendLine);
}

} // namespace orlavine
