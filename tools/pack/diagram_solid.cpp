// Solids drawn in a simple oblique view, and their nets.
#include "diagrams.h"

#include "svg.h"

namespace orlavine::pack {

namespace {

// The receding direction of the oblique view.
const QPointF kDepth(0.5 * 0.866, -0.5 * 0.5);

/// A box with front face (x, y, w, h) and depth d, hidden edges dashed.
void Box(Svg& svg, double x, double y, double w, double h, double d)
{
    const QPointF k = kDepth * d;
    const QPointF a(x, y + h), b(x + w, y + h), c(x + w, y), e(x, y);
    svg.polygon({e, c, c + k, e + k}, colour::kBlueLight, colour::kBlueDark, 2);
    svg.polygon({c, b, b + k, c + k}, "#b9d3f0", colour::kBlueDark, 2);
    svg.polygon({a, b, c, e}, "#e4eefa", colour::kBlueDark, 2.5);
    svg.dashed(a + k, b + k);
    svg.dashed(a + k, e + k);
    svg.dashed(a, a + k);
}

} // namespace

QString SolidName(Solid solid)
{
    static const char* const names[] = {
        "cube",     "cuboid", "triangular prism", "square-based pyramid",
        "cylinder", "cone",   "sphere",           "triangular-based pyramid"};
    return QString::fromLatin1(names[int(solid)]);
}

Picture SolidPicture(Solid solid)
{
    Svg svg(240, 200);
    switch (solid) {
    case Solid::Cube:
        Box(svg, 50, 70, 100, 100, 90);
        break;
    case Solid::Cuboid:
        Box(svg, 30, 90, 150, 80, 70);
        break;
    case Solid::TriangularPrism: {
        const QPointF k = kDepth * 110;
        const QPointF a(30, 170), b(140, 170), c(85, 80);
        svg.polygon({c, b, b + k, c + k}, "#b9d3f0", colour::kBlueDark, 2);
        svg.polygon({a, b, c}, "#e4eefa", colour::kBlueDark, 2.5);
        svg.dashed(a, a + k);
        svg.dashed(a + k, b + k);
        svg.dashed(a + k, c + k);
        break;
    }
    case Solid::SquarePyramid:
    case Solid::TriangularPyramid: {
        const QPointF apex(115, 25), a(40, 170), b(160, 170), k = kDepth * 90;
        svg.polygon({apex, a, b}, "#e4eefa", colour::kBlueDark, 2.5);
        if (solid == Solid::SquarePyramid) {
            svg.polygon({apex, b, b + k}, "#b9d3f0", colour::kBlueDark, 2);
            svg.dashed(a, a + k);
            svg.dashed(a + k, b + k);
            svg.dashed(apex, a + k);
        } else {
            const QPointF back = (a + b) / 2 + k;
            svg.polygon({apex, b, back}, "#b9d3f0", colour::kBlueDark, 2);
            svg.dashed(a, back);
        }
        break;
    }
    case Solid::Cylinder:
        svg.path(QStringLiteral("M50 50 L50 160 A70,22 0 0 0 190 160 L190 50"), "#e4eefa",
                 colour::kBlueDark, 2.5);
        svg.path(QStringLiteral("M50 50 A70,22 0 0 1 190 50 A70,22 0 0 1 50 50 Z"),
                 colour::kBlueLight, colour::kBlueDark, 2.5);
        svg.path(QStringLiteral("M50 160 A70,22 0 0 1 190 160"), "none", colour::kSlate, 1.5);
        break;
    case Solid::Cone:
        svg.path(QStringLiteral("M120 20 L50 160 A70,22 0 0 0 190 160 Z"), "#e4eefa",
                 colour::kBlueDark, 2.5);
        svg.path(QStringLiteral("M50 160 A70,22 0 0 1 190 160"), "none", colour::kSlate, 1.5);
        break;
    case Solid::Sphere:
        svg.circle({120, 100}, 80, "#e4eefa", colour::kBlueDark, 2.5);
        svg.path(QStringLiteral("M40 100 A80,24 0 0 0 200 100"), "none", colour::kBlueDark, 1.5);
        svg.path(QStringLiteral("M40 100 A80,24 0 0 1 200 100"), "none", colour::kSlate, 1);
        break;
    }
    return Picture{svg.finish(), QStringLiteral("A solid shape")};
}

Picture CuboidPicture(int length, int width, int height, const QString& unit)
{
    Svg svg(380, 230);
    Box(svg, 76, 80, 200, 110, 110);
    svg.text({176, 214}, QStringLiteral("%1 %2").arg(length).arg(unit), 15, "middle", true);
    svg.text({68, 140}, QStringLiteral("%1 %2").arg(height).arg(unit), 15, "end", true);
    const QPointF mid = QPointF(276, 190) + kDepth * 55;
    svg.text(mid + QPointF(10, 8), QStringLiteral("%1 %2").arg(width).arg(unit), 15, "start", true);
    return Picture{svg.finish(), QStringLiteral("A cuboid with its edges marked")};
}

Picture NetPicture(Solid solid)
{
    Svg svg(solid == Solid::Cube || solid == Solid::Cuboid ? 264 : 240,
            solid == Solid::TriangularPrism ? 248 : (solid == Solid::SquarePyramid ? 214 : 208));
    const double s = 56;
    auto square = [&](double col, double row, double w = 56, double h = 56) {
        svg.rect(20 + col * s, 20 + row * s, w, h, colour::kBlueLight, colour::kBlueDark, 2);
    };
    auto triangle = [&](QPointF a, QPointF b, QPointF c) {
        svg.polygon({a, b, c}, colour::kAmberLight, colour::kBlueDark, 2);
    };
    switch (solid) {
    case Solid::TriangularPrism:
        for (int i = 0; i < 3; ++i)
            square(i + 0.5, 1.5, s, s * 1.3);
        triangle({20 + 1.5 * s, 20 + 1.5 * s}, {20 + 2.5 * s, 20 + 1.5 * s},
                 {20 + 2 * s, 20 + 0.63 * s});
        triangle({20 + 1.5 * s, 20 + 2.8 * s}, {20 + 2.5 * s, 20 + 2.8 * s},
                 {20 + 2 * s, 20 + 3.67 * s});
        break;
    case Solid::SquarePyramid: {
        const double x = 20 + 1.5 * s, y = 20 + 1.2 * s;
        square(1.5, 1.2);
        triangle({x, y}, {x + s, y}, {x + s / 2, y - s * 0.9});
        triangle({x, y + s}, {x + s, y + s}, {x + s / 2, y + s * 1.9});
        triangle({x, y}, {x, y + s}, {x - s * 0.9, y + s / 2});
        triangle({x + s, y}, {x + s, y + s}, {x + s * 1.9, y + s / 2});
        break;
    }
    default: // a cube: a cross of six squares
        square(1, 0);
        for (int i = 0; i < 4; ++i)
            square(i, 1);
        square(1, 2);
        break;
    }
    return Picture{svg.finish(), QStringLiteral("The net of a solid")};
}

} // namespace orlavine::pack
