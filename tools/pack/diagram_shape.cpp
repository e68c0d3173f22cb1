// Flat shapes, angles, areas on grids and coordinates.
#include "diagrams.h"

#include "svg.h"

#include <cmath>

namespace orlavine::pack {

namespace {

/// The outline of `shape` fitted into a box of size s centred at c.
QList<QPointF> Outline(Shape shape, QPointF c, double s)
{
    const double h = s / 2;
    auto regular = [&](int n) {
        QList<QPointF> points;
        for (int i = 0; i < n; ++i)
            points.append(Svg::polar(c + QPointF(0, n % 2 ? h * 0.1 : 0), h,
                                     90 + 360.0 * i / n + (n % 2 ? 0 : 180.0 / n)));
        return points;
    };
    switch (shape) {
    case Shape::EquilateralTriangle:
        return regular(3);
    case Shape::IsoscelesTriangle:
        return {c + QPointF(0, -h), c + QPointF(h * 0.55, h), c + QPointF(-h * 0.55, h)};
    case Shape::RightTriangle:
        return {c + QPointF(-h * 0.8, -h), c + QPointF(h * 0.8, h * 0.8),
                c + QPointF(-h * 0.8, h * 0.8)};
    case Shape::ScaleneTriangle:
        return {c + QPointF(-h * 0.3, -h * 0.8), c + QPointF(h, h * 0.7), c + QPointF(-h, h * 0.5)};
    case Shape::Square:
        return {c + QPointF(-h * 0.8, -h * 0.8), c + QPointF(h * 0.8, -h * 0.8),
                c + QPointF(h * 0.8, h * 0.8), c + QPointF(-h * 0.8, h * 0.8)};
    case Shape::Rectangle:
        return {c + QPointF(-h, -h * 0.55), c + QPointF(h, -h * 0.55), c + QPointF(h, h * 0.55),
                c + QPointF(-h, h * 0.55)};
    case Shape::Rhombus:
        return {c + QPointF(0, -h), c + QPointF(h * 0.62, 0), c + QPointF(0, h),
                c + QPointF(-h * 0.62, 0)};
    case Shape::Parallelogram:
        return {c + QPointF(-h * 0.55, -h * 0.5), c + QPointF(h, -h * 0.5),
                c + QPointF(h * 0.55, h * 0.5), c + QPointF(-h, h * 0.5)};
    case Shape::Trapezium:
        return {c + QPointF(-h * 0.45, -h * 0.55), c + QPointF(h * 0.45, -h * 0.55),
                c + QPointF(h, h * 0.55), c + QPointF(-h, h * 0.55)};
    case Shape::Kite:
        return {c + QPointF(0, -h), c + QPointF(h * 0.6, -h * 0.35), c + QPointF(0, h),
                c + QPointF(-h * 0.6, -h * 0.35)};
    case Shape::Pentagon:
        return regular(5);
    case Shape::Hexagon:
        return regular(6);
    case Shape::Heptagon:
        return regular(7);
    case Shape::Octagon:
        return regular(8);
    case Shape::Circle:
        break;
    }
    return {};
}

void DrawShape(Svg& svg, Shape shape, QPointF c, double s, const char* fill)
{
    if (shape == Shape::Circle)
        svg.circle(c, s / 2 * 0.85, fill, colour::kBlueDark, 2.5);
    else
        svg.polygon(Outline(shape, c, s), fill, colour::kBlueDark, 2.5);
}

/// The arc of an angle at vertex v from direction a to b (degrees anticlockwise), with
/// its label placed inside; a square corner for a right angle.
void AngleMark(Svg& svg, QPointF v, double a, double b, const QString& label, double r = 30)
{
    if (std::fabs(b - a - 90) < 0.01) {
        const QPointF p = Svg::polar(v, 16, a);
        const QPointF q = Svg::polar(v, 16, b);
        svg.polyline({p, p + (q - v), q}, colour::kSlate, 1.5);
    } else {
        const QPointF p = Svg::polar(v, r, a);
        const QPointF q = Svg::polar(v, r, b);
        svg.path(QStringLiteral("M%1 A%2,%2 0 %3 0 %4")
                     .arg(Svg::pt(p), Svg::num(r),
                          b - a > 180 ? QStringLiteral("1") : QStringLiteral("0"), Svg::pt(q)),
                 "none", colour::kRed, 2);
    }
    if (!label.isEmpty())
        svg.text(Svg::polar(v, r + 18, (a + b) / 2) + QPointF(0, 5), label, 14, "middle", true,
                 colour::kRed);
}

} // namespace

QString ShapeName(Shape shape)
{
    static const char* const names[] = {"equilateral triangle",
                                        "isosceles triangle",
                                        "right-angled triangle",
                                        "scalene triangle",
                                        "square",
                                        "rectangle",
                                        "rhombus",
                                        "parallelogram",
                                        "trapezium",
                                        "kite",
                                        "pentagon",
                                        "hexagon",
                                        "heptagon",
                                        "octagon",
                                        "circle"};
    return QString::fromLatin1(names[int(shape)]);
}

Picture ShapePicture(Shape shape)
{
    Svg svg(200, 180);
    DrawShape(svg, shape, {100, 90}, 150, colour::kBlueLight);
    return Picture{svg.finish(), QStringLiteral("A flat shape")};
}

Picture ShapeRow(const QList<Shape>& shapes)
{
    Svg svg(120 * int(shapes.size()), 150);
    for (int i = 0; i < shapes.size(); ++i) {
        DrawShape(svg, shapes.at(i), {60.0 + 120 * i, 62}, 96,
                  i % 2 ? colour::kAmberLight : colour::kBlueLight);
        svg.text({60.0 + 120 * i, 140}, QString(QChar('A' + i)), 16, "middle", true);
    }
    return Picture{
        svg.finish(),
        QStringLiteral("Shapes lettered A to %1").arg(QChar(char16_t('A' + shapes.size() - 1)))};
}

Picture AnglePicture(int degrees, const QString& label)
{
    Svg svg(300, 240);
    const bool reflex = degrees > 180;
    const QPointF v(degrees > 90 ? 150 : 70, reflex ? 120 : (degrees > 90 ? 170 : 200));
    const double ray = reflex ? 100 : 130;
    svg.line(v, Svg::polar(v, ray, 0), colour::kInk, 3);
    svg.line(v, Svg::polar(v, ray, degrees), colour::kInk, 3);
    AngleMark(svg, v, 0, degrees, label, 34);
    return Picture{svg.finish(), QStringLiteral("An angle")};
}

Picture StraightLineAngles(int known)
{
    Svg svg(360, 160);
    const QPointF v(180, 130);
    svg.line({20, 130}, {340, 130}, colour::kInk, 3);
    svg.line(v, Svg::polar(v, 115, 180 - known), colour::kInk, 3);
    AngleMark(svg, v, 180 - known, 180, QStringLiteral("%1°").arg(known), 32);
    AngleMark(svg, v, 0, 180 - known, QStringLiteral("x"), 40);
    return Picture{svg.finish(), QStringLiteral("Two angles on a straight line")};
}

Picture PointAngles(const QList<int>& known)
{
    Svg svg(260, 260);
    const QPointF v(130, 130);
    double at = 20;
    for (int i = 0; i <= known.size(); ++i) {
        svg.line(v, Svg::polar(v, 110, at), colour::kInk, 3);
        const double size = i < known.size() ? known.at(i) : 360 - (at - 20);
        AngleMark(svg, v, at, at + size,
                  i < known.size() ? QStringLiteral("%1°").arg(known.at(i)) : QStringLiteral("x"),
                  i < known.size() ? 30 : 40);
        at += size;
    }
    return Picture{svg.finish(), QStringLiteral("Angles around a point")};
}

Picture TriangleAngles(int a, int b)
{
    // Vertices A (bottom left, angle a), B (bottom right, angle b), C above.
    Svg svg(380, 240);
    const QPointF A(30, 210);
    const double base = 320;
    const double ta = std::tan(a * M_PI / 180);
    const double tb = std::tan(b * M_PI / 180);
    const double x = base * tb / (ta + tb);
    double height = x * ta;
    const double scale = height > 180 ? 180 / height : 1;
    const QPointF B(A.x() + base * scale, A.y());
    const QPointF C(A.x() + x * scale, A.y() - height * scale);
    svg.polygon({A, B, C}, colour::kBlueLight, colour::kBlueDark, 2.5);
    AngleMark(svg, A, 0, a, QStringLiteral("%1°").arg(a), 28);
    AngleMark(svg, B, 180 - b, 180, QStringLiteral("%1°").arg(b), 28);
    AngleMark(svg, C, 180 + a, 360 - b, QStringLiteral("x"), 24);
    return Picture{svg.finish(), QStringLiteral("A triangle with two angles marked")};
}

Picture RectanglePicture(int width, int height, const QString& unit)
{
    Svg svg(360, 220);
    const double scale = std::min(260.0 / width, 150.0 / height);
    const double w = width * scale;
    const double h = height * scale;
    const double x = (360 - w) / 2;
    const double y = 20 + (170 - h) / 2;
    svg.rect(x, y, w, h, colour::kBlueLight, colour::kBlueDark, 2.5);
    svg.text({x + w / 2, y + h + 22}, QStringLiteral("%1 %2").arg(width).arg(unit), 15, "middle",
             true);
    svg.text({x + w + 10, y + h / 2 + 5}, QStringLiteral("%1 %2").arg(height).arg(unit), 15,
             "start", true);
    return Picture{svg.finish(), QStringLiteral("A rectangle with its sides marked")};
}

Picture LShapePicture(int width, int height, int cutWidth, int cutHeight, const QString& unit)
{
    Svg svg(380, 250);
    const double scale = std::min(250.0 / width, 180.0 / height);
    const double x = 50;
    const double y = 30;
    const double w = width * scale;
    const double h = height * scale;
    const double cw = cutWidth * scale;
    const double ch = cutHeight * scale;
    svg.polygon({{x, y},
                 {x + w - cw, y},
                 {x + w - cw, y + ch},
                 {x + w, y + ch},
                 {x + w, y + h},
                 {x, y + h}},
                colour::kGreenLight, colour::kGreen, 2.5);
    auto label = [&](QPointF at, int value, const char* anchor) {
        svg.text(at, QStringLiteral("%1 %2").arg(value).arg(unit), 14, anchor, true);
    };
    label({x + w / 2, y + h + 22}, width, "middle");
    label({x - 8, y + h / 2 + 5}, height, "end");
    label({x + (w - cw) / 2, y - 8}, width - cutWidth, "middle");
    label({x + w + 8, y + ch + (h - ch) / 2 + 5}, height - cutHeight, "start");
    return Picture{svg.finish(),
                   QStringLiteral("A shape made of rectangles, with its sides marked")};
}

Picture GridShape(const QList<QPoint>& cells)
{
    Svg svg(300, 240);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 12; ++c)
            svg.rect(6 + c * 24, 6 + r * 24, 24, 24, "#ffffff", colour::kRule, 1);
    }
    for (const QPoint& cell : cells)
        svg.rect(6 + cell.x() * 24, 6 + cell.y() * 24, 24, 24, colour::kBlue, colour::kBlueDark, 1);
    return Picture{svg.finish(), QStringLiteral("A shape drawn on squared paper")};
}

Picture CoordinateGrid(int size, bool fourQuadrants, const QList<QPair<QString, QPoint>>& points)
{
    const int low = fourQuadrants ? -size : 0;
    const double cell = fourQuadrants ? 300.0 / (2 * size) : 300.0 / size;
    Svg svg(360, 360);
    auto at = [&](double gx, double gy) {
        return QPointF(40 + (gx - low) * cell, 330 - (gy - low) * cell);
    };
    for (int v = low; v <= size; ++v) {
        svg.line(at(v, low), at(v, size), v == 0 ? colour::kInk : colour::kRule, v == 0 ? 2 : 1);
        svg.line(at(low, v), at(size, v), v == 0 ? colour::kInk : colour::kRule, v == 0 ? 2 : 1);
        if (v != 0 || !fourQuadrants) {
            svg.text(at(v, 0) + QPointF(0, 17), QString::number(v), 12, "middle", false,
                     colour::kSlate);
            if (v != 0)
                svg.text(at(0, v) + QPointF(-7, 4), QString::number(v), 12, "end", false,
                         colour::kSlate);
        }
    }
    svg.text(at(size, 0) + QPointF(12, 5), QStringLiteral("x"), 14, "start", true);
    svg.text(at(0, size) + QPointF(0, -8), QStringLiteral("y"), 14, "middle", true);
    for (const auto& [label, point] : points) {
        const QPointF p = at(point.x(), point.y());
        svg.circle(p, 5, colour::kRed, colour::kRed, 1);
        svg.text(p + QPointF(8, -8), label, 15, "start", true, colour::kRed);
    }
    return Picture{svg.finish(), QStringLiteral("Points on a coordinate grid")};
}

} // namespace orlavine::pack
