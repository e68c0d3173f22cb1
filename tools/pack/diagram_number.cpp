// Pictures of numbers and measures: number lines, scales, fractions, clocks.
#include "diagrams.h"

#include "numbertext.h"
#include "svg.h"

#include <cmath>

namespace orlavine::pack {

namespace {

Picture Done(const Svg& svg, const QString& alt)
{
    return Picture{svg.finish(), alt};
}

/// The sector of a circle from angle a to b (degrees, clockwise from 12 o'clock).
QString Sector(QPointF c, double r, double a, double b)
{
    const QPointF p = Svg::polar(c, r, 90 - a);
    const QPointF q = Svg::polar(c, r, 90 - b);
    return QStringLiteral("M%1 L%2 A%3,%3 0 %4 1 %5 Z")
        .arg(Svg::pt(c), Svg::pt(p), Svg::num(r),
             b - a > 180 ? QStringLiteral("1") : QStringLiteral("0"), Svg::pt(q));
}

} // namespace

Picture NumberLine(int from, int to, int step, int labelStep, int places, int arrowAt,
                   const QString& arrowText)
{
    Svg svg(460, 96);
    const double left = 30;
    const double right = 430;
    const double y = 60;
    auto xOf = [&](int v) { return left + (right - left) * double(v - from) / double(to - from); };
    svg.line({left - 12, y}, {right + 12, y}, colour::kInk, 2);
    for (int v = from; v <= to; v += step) {
        const bool labelled = (v - from) % labelStep == 0;
        svg.line({xOf(v), y - (labelled ? 9 : 5)}, {xOf(v), y + (labelled ? 9 : 5)}, colour::kInk,
                 labelled ? 2 : 1.5);
        if (labelled)
            svg.text({xOf(v), y + 27}, DecimalText(v, places), 14);
    }
    svg.line({xOf(arrowAt), 12}, {xOf(arrowAt), y - 12}, colour::kRed, 2.5);
    svg.arrowHead({xOf(arrowAt), 12}, {xOf(arrowAt), y - 10});
    svg.text({xOf(arrowAt) + 10, 20}, arrowText, 15, "start", true, colour::kRed);
    return Done(svg, QStringLiteral("A number line with an arrow"));
}

Picture Thermometer(int minC, int maxC, int valueC)
{
    Svg svg(150, 300);
    const double top = 20;
    const double bottom = 240;
    auto yOf = [&](int c) {
        return bottom - (bottom - top) * double(c - minC) / double(maxC - minC);
    };
    svg.rect(56, top - 12, 24, bottom - top + 24, "#ffffff", colour::kSlate, 2, 12);
    svg.circle({68, bottom + 26}, 20, colour::kRed, colour::kSlate, 2);
    svg.rect(63, yOf(valueC), 10, bottom + 10 - yOf(valueC), colour::kRed, colour::kRed, 0);
    for (int c = minC; c <= maxC; ++c) {
        const bool major = c % 5 == 0;
        svg.line({80, yOf(c)}, {major ? 92.0 : 86.0, yOf(c)}, colour::kInk, major ? 1.5 : 1);
        if (major)
            svg.text({98, yOf(c) + 5}, QString::number(c), 13, "start");
    }
    svg.text({125, top - 2}, QStringLiteral("°C"), 13, "middle", true);
    return Done(svg, QStringLiteral("A thermometer"));
}

Picture FractionBar(int parts, int shaded)
{
    Svg svg(420, 70);
    const double w = 400.0 / parts;
    for (int i = 0; i < parts; ++i)
        svg.rect(10 + i * w, 10, w, 50, i < shaded ? colour::kBlue : "#ffffff", colour::kInk, 2);
    return Done(svg, QStringLiteral("A bar split into equal parts, some shaded"));
}

Picture FractionCircle(int parts, int shaded)
{
    Svg svg(200, 200);
    const QPointF c(100, 100);
    for (int i = 0; i < parts; ++i)
        svg.path(Sector(c, 85, 360.0 * i / parts, 360.0 * (i + 1) / parts),
                 i < shaded ? colour::kBlue : "#ffffff");
    return Done(svg, QStringLiteral("A circle split into equal parts, some shaded"));
}

Picture HundredGrid(int shaded)
{
    Svg svg(240, 240);
    for (int i = 0; i < 100; ++i)
        svg.rect(20 + (i % 10) * 20, 20 + (i / 10) * 20, 20, 20,
                 i < shaded ? colour::kGreen : "#ffffff", colour::kSlate, 1);
    svg.rect(20, 20, 200, 200, "none", colour::kInk, 2);
    return Done(svg, QStringLiteral("A grid of 100 squares, some shaded"));
}

Picture Ruler(int lengthMm)
{
    Svg svg(430, 120);
    const double x0 = 22;
    const double mm = 5.5; // 1 mm of the ruler; its 70 mm fit the width the page shows
    svg.rect(x0 + 1, 18, lengthMm * mm - 16, 24, colour::kAmber, colour::kAmber, 1, 3);
    svg.polygon(
        {{x0 + lengthMm * mm - 16, 18}, {x0 + lengthMm * mm, 30}, {x0 + lengthMm * mm - 16, 42}},
        colour::kAmberLight);
    svg.rect(x0 - 12, 50, 70 * mm + 24, 58, "#fdfdf7", colour::kSlate, 1.5, 4);
    for (int m = 0; m <= 70; ++m) {
        const double h = m % 10 == 0 ? 18 : (m % 5 == 0 ? 13 : 8);
        svg.line({x0 + m * mm, 50}, {x0 + m * mm, 50 + h}, colour::kInk, m % 10 == 0 ? 1.5 : 1);
        if (m % 10 == 0)
            svg.text({x0 + m * mm, 88}, QString::number(m / 10), 15);
    }
    svg.text({x0 + 65 * mm, 102}, QStringLiteral("cm"), 13);
    svg.dashed({x0, 18}, {x0, 50});
    return Done(svg, QStringLiteral("A pencil next to a ruler"));
}

Picture Jug(int maxMl, int stepMl, int labelStepMl, int valueMl)
{
    Svg svg(220, 280);
    const double top = 40;
    const double bottom = 250;
    auto yOf = [&](int ml) { return bottom - (bottom - top) * double(ml) / double(maxMl); };
    svg.rect(50, yOf(valueMl), 120, bottom - yOf(valueMl), colour::kBlueLight, "none", 0);
    svg.polyline({{50, top - 20}, {50, bottom}, {170, bottom}, {170, top - 20}}, colour::kSlate, 3);
    svg.path(QStringLiteral("M170 70 C205 70 205 170 170 170"), "none", colour::kSlate, 3);
    for (int ml = stepMl; ml <= maxMl; ml += stepMl) {
        const bool labelled = ml % labelStepMl == 0;
        svg.line({50, yOf(ml)}, {labelled ? 76.0 : 64.0, yOf(ml)}, colour::kInk, 1.5);
        if (labelled)
            svg.text({82, yOf(ml) + 5}, QString::number(ml), 12, "start");
    }
    svg.text({110, top - 24}, QStringLiteral("ml"), 13, "middle", true);
    return Done(svg, QStringLiteral("A measuring jug with water in it"));
}

Picture Clock(int hour, int minute)
{
    Svg svg(240, 240);
    const QPointF c(120, 120);
    svg.circle(c, 112, "#ffffff", colour::kBlueDark, 5);
    for (int m = 0; m < 60; ++m) {
        const double a = 90 - m * 6;
        const bool hourMark = m % 5 == 0;
        svg.line(Svg::polar(c, hourMark ? 98 : 102, a), Svg::polar(c, 107, a), colour::kInk,
                 hourMark ? 3 : 1);
    }
    for (int h = 1; h <= 12; ++h)
        svg.text(Svg::polar(c, 82, 90 - h * 30) + QPointF(0, 7), QString::number(h), 18, "middle",
                 true);
    // The hands stop short of the numerals, so that no numeral is hidden.
    const double hourAngle = 90 - (hour % 12) * 30 - minute * 0.5;
    svg.line(c, Svg::polar(c, 42, hourAngle), colour::kInk, 7,
             QStringLiteral(" stroke-linecap=\"round\""));
    svg.line(c, Svg::polar(c, 62, 90 - minute * 6), colour::kInk, 4,
             QStringLiteral(" stroke-linecap=\"round\""));
    svg.circle(c, 6, colour::kRed, colour::kRed, 1);
    return Done(svg, QStringLiteral("A clock face"));
}

Picture Spinner(const QStringList& labels)
{
    static const char* const fills[] = {colour::kBlueLight, colour::kAmberLight,
                                        colour::kGreenLight, "#f7d5d1", colour::kShade};
    Svg svg(220, 220);
    const QPointF c(110, 110);
    const int n = int(labels.size());
    for (int i = 0; i < n; ++i) {
        svg.path(Sector(c, 95, 360.0 * i / n, 360.0 * (i + 1) / n), fills[i % 5]);
        svg.text(Svg::polar(c, 68, 90 - 360.0 * (i + 0.5) / n) + QPointF(0, 5), labels.at(i), 13,
                 "middle", true);
    }
    // The pointer lies along a border between sectors, clear of the labels.
    svg.line(c, Svg::polar(c, 34, 90), colour::kInk, 4,
             QStringLiteral(" stroke-linecap=\"round\""));
    svg.arrowHead(c, Svg::polar(c, 44, 90), colour::kInk, 12);
    svg.circle(c, 6, colour::kInk, colour::kInk, 1);
    return Done(svg, QStringLiteral("A spinner"));
}

Picture Venn(const QString& left, const QString& right)
{
    Svg svg(400, 230);
    svg.rect(10, 10, 380, 210, "#ffffff", colour::kSlate, 2, 8);
    svg.circle({155, 125}, 80, "rgba(52,120,200,0.15)", colour::kBlue, 2.5);
    svg.circle({245, 125}, 80, "rgba(246,184,56,0.18)", colour::kAmberDark, 2.5);
    svg.text({130, 36}, left, 13, "middle", true, colour::kBlueDark);
    svg.text({275, 36}, right, 13, "middle", true, colour::kInk);
    svg.text({115, 132}, QStringLiteral("A"), 20, "middle", true);
    svg.text({200, 132}, QStringLiteral("B"), 20, "middle", true);
    svg.text({285, 132}, QStringLiteral("C"), 20, "middle", true);
    svg.text({360, 205}, QStringLiteral("D"), 20, "middle", true);
    return Done(svg, QStringLiteral("A sorting diagram of two overlapping circles"));
}

Picture StickPatterns()
{
    Svg svg(440, 110);
    double x = 20;
    for (int n = 1; n <= 3; ++n) {
        for (int i = 0; i < n; ++i) {
            const double l = x + i * 36;
            svg.line({l, 20}, {l + 36, 20}, colour::kAmberDark, 4);
            svg.line({l, 56}, {l + 36, 56}, colour::kAmberDark, 4);
            svg.line({l + 36, 20}, {l + 36, 56}, colour::kAmberDark, 4);
        }
        svg.line({x, 20}, {x, 56}, colour::kAmberDark, 4);
        svg.text({x + n * 18, 90}, QStringLiteral("Pattern %1").arg(n), 13);
        x += n * 36 + 50;
    }
    return Done(svg, QStringLiteral("Three patterns of squares made of sticks"));
}

Picture DotArray(int rows, int columns)
{
    Svg svg(40 + columns * 30, 40 + rows * 30);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            svg.circle({35.0 + c * 30, 35.0 + r * 30}, 10, colour::kBlue, colour::kBlueDark, 1.5);
    }
    return Done(svg, QStringLiteral("An array of dots"));
}

Picture BarModel(const QString& whole, const QString& part)
{
    Svg svg(440, 130);
    svg.rect(20, 15, 400, 44, colour::kBlueLight, colour::kBlueDark, 2, 4);
    svg.text({220, 43}, whole, 17, "middle", true);
    svg.rect(20, 71, 230, 44, colour::kAmberLight, colour::kAmberDark, 2, 4);
    svg.text({135, 99}, part, 17, "middle", true);
    svg.rect(250, 71, 170, 44, "#ffffff", colour::kAmberDark, 2, 4);
    svg.text({335, 99}, QStringLiteral("?"), 20, "middle", true, colour::kRed);
    return Done(svg, QStringLiteral("A bar model"));
}

} // namespace orlavine::pack
