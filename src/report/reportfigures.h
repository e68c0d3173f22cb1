#pragma once

#include "records/learner.h"

#include <QList>

#include <array>

namespace orlavine {

/// A topic so named never counts as the strongest or the weakest topic.
inline const QByteArray kMockExamination = "Mock Examination";

/// The recorded scores of one topic's five papers.
struct TopicFigures {
    QByteArray name;
    bool shown = false; // the row lies within the module's topic count
    int count1 = 0;     // papers with a first-attempt score
    double sum1 = 0;
    int count2 = 0; // papers with a second-attempt score
    double sum2 = 0;

    /// The unrounded first-attempt average; 0 without first attempts.
    double firstAverage() const { return count1 > 0 ? sum1 / count1 : 0.0; }
    /// The unrounded second-attempt average; 0 without second attempts.
    double secondAverage() const { return count2 > 0 ? sum2 / count2 : 0.0; }
    /// The averages as shown ("60%"), empty without attempts.
    QByteArray firstMark() const;
    QByteArray secondMark() const;
    /// Mean over every attempt of the topic, first and second; 0 without first attempts.
    /// Ranks the topics for strongest and weakest.
    double topicAverage() const;
};

/// Everything the report page shows, computed from the marks lists and the trend line.
struct ReportFigures {
    std::array<TopicFigures, 10> topics;
    QByteArray firstAverage;    // mean over attempted papers, "75%", or "-"
    QByteArray secondAverage;   // likewise for second attempts
    QByteArray papersCompleted; // "12 / 50": papers with a first attempt / paper count
    QByteArray strongest;       // topic name followed by one space, or "-"
    QByteArray weakest;
    QList<double> trend; // the last 20 trend values at most, oldest first
};

/// Computes the report of a module from its FSE and SSE lists (50 entries each, field
/// n = 5(t-1) + p for paper p of topic t), its topic count, names and paper count, and
/// its trend line ("#TRD#>66.7>80..."). Only topics 1..topicCount are counted. A score
/// that is not a number counts as 0: marking never writes one.
ReportFigures ComputeReportFigures(const Fields& fse, const Fields& sse,
                                   const ModuleSettings& module, const QByteArray& trendLine);

/// The values of a trend line to plot: the last 20 entries at most, oldest first. A ">"
/// at the very end of the line opens no entry.
QList<double> TrendValues(const QByteArray& trendLine);

/// Reads the module's trend file from disk and computes its report from the marks lists
/// as loaded. Throws Error when the trend file cannot be read.
ReportFigures LoadReportFigures(const MarksLists& marks, const ModuleSettings& module,
                                int moduleNumber, const QByteArray& code);

} // namespace orlavine
