#include "report/trendplot.h"

namespace orlavine {

namespace {

double PercentY(double value, double height)
{
    return (100.0 - qBound(0.0, value, 100.0)) * height / 100.0;
}

} // namespace

QList<QPointF> TrendPlotPoints(const QList<double>& values, const QSizeF& size)
{
    const double xStep = size.width() / 21.0;
    QList<QPointF> points;
    for (int i = 0; i < values.size(); ++i)
        points.append(QPointF((i + 1) * xStep, PercentY(values.at(i), size.height())));
    return points;
}

QList<double> TrendGridLines(const QSizeF& size)
{
    QList<double> lines;
    for (int g = 10; g <= 90; g += 10)
        lines.append(g * size.height() / 100.0);
    return lines;
}

} // namespace orlavine
