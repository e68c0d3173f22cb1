#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>

namespace orlavine {

/// Radius of a trend dot in twips (1/1440 inch): 2 pixels at 96 dots per inch.
constexpr double kTrendDotRadiusTwips = 30;

/// Where the trend values fall on a plot of the given inner size: value i (from 0) at
/// x = (i + 1) * width / 21 and y = (100 - value) * height / 100, so 100 % lies on the
/// top edge and 0 % on the bottom edge. Values outside 0..100 are held at the edges.
QList<QPointF> TrendPlotPoints(const QList<double>& values, const QSizeF& size);

/// The y of the nine grid lines, g * height / 100 for g = 10, 20, .. 90: the 90 % line
/// first, the 10 % line last.
QList<double> TrendGridLines(const QSizeF& size);

} // namespace orlavine
