#pragma once

#include "records/learner.h"

#include <QList>

namespace orlavine {

/// One line of the results card: its items in print-zone order, from zone 1. An empty
/// item leaves its zone blank; a line without items is an empty line.
using CardLine = QList<QByteArray>;

/// Width of a print zone in character columns.
constexpr int kZoneWidth = 14;

/// The rule under a topic's name and under its headings.
inline const QByteArray kCardRule = QByteArray(128, '-');

/// The results card of a module: two empty lines, the heading (the window caption in
/// zone 2), two empty lines, then per topic 1..topicCount two empty lines, the topic
/// name, the rule, two heading lines and the rule, and one line per paper: "Paper p",
/// first-attempt score + "%", time taken, date, second-attempt score + "%". Ten topics
/// give 125 lines.
QList<CardLine> ResultsCardLines(const QByteArray& caption, const ModuleSettings& module,
                                 const MarksLists& marks);

/// Lines of the card's heading block and of each topic's block (empty lines first).
constexpr int kCardHeadingLines = 5;
constexpr int kCardTopicLines = 12;

/// The card's lines set on pages of `linesPerPage` lines: a topic's block that does not
/// fit whole in what is left of a page starts the next page; a block longer than a whole
/// page fills pages to the end.
QList<QList<CardLine>> CardPages(const QList<CardLine>& lines, int linesPerPage);

/// The column each item of a line starts at. Item 1 starts at column 0; every later item
/// at the start of the first zone that leaves at least one blank column after the item
/// before it, so items of up to 13 characters stand in zones 1, 2, 3, ...
QList<int> ZoneColumns(const CardLine& line);

/// The line as plain text, each item at its column, blank columns as spaces.
QByteArray ZoneText(const CardLine& line);

} // namespace orlavine
