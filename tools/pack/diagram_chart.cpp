// Charts: bar chart, pictogram, line graph, pie chart.
#include "diagrams.h"

#include "svg.h"

#include <algorithm>

namespace orlavine::pack {

namespace {

constexpr double kLeft = 64;
constexpr double kRight = 440;
constexpr double kTop = 40;
constexpr double kBottom = 230;

/// Axes with horizontal grid lines every `step` up to the first multiple of `step` at or
/// above `max`; returns that top value.
int DrawAxes(Svg& svg, const QString& title, int max, int step)
{
    const int top = (max + step - 1) / step * step;
    svg.text({(kLeft + kRight) / 2, 22}, title, 15, "middle", true);
    for (int v = 0; v <= top; v += step) {
        const double y = kBottom - (kBottom - kTop) * v / top;
        svg.line({kLeft, y}, {kRight, y}, v == 0 ? colour::kInk : colour::kRule, v == 0 ? 2 : 1);
        svg.text({kLeft - 8, y + 5}, QString::number(v), 13, "end");
    }
    svg.line({kLeft, kTop - 6}, {kLeft, kBottom}, colour::kInk, 2);
    return top;
}

} // namespace

Picture BarChart(const QString& title, const QStringList& labels, const QList<int>& values,
                 int step, const QString& axis)
{
    Svg svg(460, 262);
    const int top = DrawAxes(svg, title, *std::max_element(values.cbegin(), values.cend()), step);
    const double slot = (kRight - kLeft) / labels.size();
    for (int i = 0; i < labels.size(); ++i) {
        const double h = (kBottom - kTop) * values.at(i) / top;
        svg.rect(kLeft + i * slot + slot * 0.2, kBottom - h, slot * 0.6, h, colour::kBlue,
                 colour::kBlueDark, 1.5);
        svg.text({kLeft + (i + 0.5) * slot, kBottom + 18}, labels.at(i), 13);
    }
    svg.text({kLeft - 40, kTop - 14}, axis, 13, "start", false, colour::kSlate);
    return Picture{svg.finish(), QStringLiteral("A bar chart: ") + title};
}

Picture Pictogram(const QStringList& labels, const QList<int>& values, int perSymbol)
{
    const int rows = int(labels.size());
    Svg svg(460, 40 + rows * 40 + 40);
    for (int i = 0; i < rows; ++i) {
        const double y = 20 + i * 40;
        svg.rect(10, y, 440, 40, i % 2 ? "#ffffff" : "#f4f7fb", colour::kRule, 1);
        svg.text({20, y + 25}, labels.at(i), 13, "start", true);
        const int halves = values.at(i) * 2 / perSymbol;
        for (int h = 0; h < halves; h += 2) {
            const QPointF c(140 + (h / 2) * 34, y + 20);
            if (h + 1 < halves) {
                svg.circle(c, 13, colour::kAmber, colour::kAmberDark, 2);
            } else {
                svg.path(QStringLiteral("M%1 A13,13 0 0 0 %2 Z")
                             .arg(Svg::pt(c + QPointF(0, -13)), Svg::pt(c + QPointF(0, 13))),
                         colour::kAmber, colour::kAmberDark, 2);
            }
        }
    }
    const double ky = 20 + rows * 40 + 26;
    svg.circle({30, ky - 5}, 11, colour::kAmber, colour::kAmberDark, 2);
    svg.text({50, ky}, QStringLiteral("stands for %1").arg(perSymbol), 13, "start");
    return Picture{svg.finish(), QStringLiteral("A pictogram")};
}

Picture LineGraph(const QString& title, const QStringList& labels, const QList<int>& values,
                  int step, const QString& axis)
{
    Svg svg(460, 262);
    const int top = DrawAxes(svg, title, *std::max_element(values.cbegin(), values.cend()), step);
    const double slot = (kRight - kLeft) / (labels.size() - 1);
    QList<QPointF> points;
    for (int i = 0; i < labels.size(); ++i) {
        const QPointF p(kLeft + i * slot, kBottom - (kBottom - kTop) * values.at(i) / top);
        points.append(p);
        svg.line({p.x(), kBottom}, {p.x(), kBottom + 5}, colour::kInk, 1.5);
        svg.text({p.x(), kBottom + 19}, labels.at(i), 13);
    }
    svg.polyline(points, colour::kRed, 2.5);
    for (const QPointF& p : points)
        svg.circle(p, 4, "#ffffff", colour::kRed, 2);
    svg.text({kLeft - 40, kTop - 14}, axis, 13, "start", false, colour::kSlate);
    return Picture{svg.finish(), QStringLiteral("A line graph: ") + title};
}

Picture PieChart(const QStringList& labels, const QList<int>& values)
{
    static const char* const fills[] = {colour::kBlue, colour::kAmber, colour::kGreen, colour::kRed,
                                        colour::kSlate};
    Svg svg(420, 220);
    const QPointF c(110, 110);
    int total = 0;
    for (int v : values)
        total += v;
    double start = 0;
    for (int i = 0; i < labels.size(); ++i) {
        const double end = start + 360.0 * values.at(i) / total;
        const QPointF p = Svg::polar(c, 95, 90 - start);
        const QPointF q = Svg::polar(c, 95, 90 - end);
        svg.path(QStringLiteral("M%1 L%2 A95,95 0 %3 1 %4 Z")
                     .arg(Svg::pt(c), Svg::pt(p),
                          end - start > 180 ? QStringLiteral("1") : QStringLiteral("0"),
                          Svg::pt(q)),
                 fills[i % 5], "#ffffff", 2);
        svg.rect(240, 40 + i * 32, 18, 18, fills[i % 5], fills[i % 5], 1, 3);
        svg.text({268.0, 55.0 + i * 32}, labels.at(i), 14, "start");
        start = end;
    }
    return Picture{svg.finish(), QStringLiteral("A pie chart")};
}

} // namespace orlavine::pack
