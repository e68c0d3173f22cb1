// Coordinates and transformations in four quadrants.
#include "banks.h"

#include "answerforms.h"
#include "numbertext.h"
#include "svg.h"

#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace orlavine::pack
{

namespace
{

/// The grid of every picture runs from -kSize to kSize on both axes.
constexpr int kSize = 6;

const char* const kNotePoint = "Write coordinates in brackets with a comma, like (-2,4).";

const Unit kSquareUnits{"square units", {"square units", "units squared", "sq units", "units"}};
const Unit kUnits{"units", {"units", "unit"}};

QString Pt(QPoint p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

/// Coordinates, which must be written in brackets with a comma.
Part PointPart(const QString& prompt, QPoint p, int marks = 1)
{
    return FormPart(prompt, 'R', Pt(p), QStringLiteral("as (x,y)"), marks);
}

/// A point of the grid off both axes, each coordinate at most `limit` from 0.
QPoint OffAxes(Prng& rng, int limit)
{
    auto coordinate = [&] { return rng.range(1, limit) * (rng.chance(50) ? 1 : -1); };
    const int x = coordinate();
    return {x, coordinate()};
}

/// `count` different points off the axes.
QList<QPoint> Distinct(Prng& rng, int count, int limit)
{
    QList<QPoint> points;
    while (points.size() < count) {
        const QPoint p = OffAxes(rng, limit);
        if (!points.contains(p))
            points.append(p);
    }
    return points;
}

QString Letter(int i)
{
    return QString(QChar('A' + i));
}

/// A mirror line x = at (vertical) or y = at; axis 0 for none.
struct Mirror {
    char axis = 0;
    int at = 0;
};

QString LineName(const Mirror& m)
{
    return QStringLiteral("%1 = %2").arg(QChar(m.axis)).arg(m.at);
}

QPoint Reflect(QPoint p, const Mirror& m)
{
    return m.axis == 'x' ? QPoint(2 * m.at - p.x(), p.y()) : QPoint(p.x(), 2 * m.at - p.y());
}

bool OnGrid(QPoint p)
{
    return std::abs(p.x()) <= kSize && std::abs(p.y()) <= kSize;
}

/// A shape on the grid: its corners and the label at its middle; an image is drawn green.
struct Figure {
    QList<QPoint> corners;
    QString label;
    bool image = false;
};

/// Shapes, lettered points and a mirror line on a grid from -6 to 6.
Picture PlaneGrid(const QList<Figure>& figures, const QList<QPair<QString, QPoint>>& marks,
                  const Mirror& mirror, const QString& alt)
{
    const double cell = 26;
    Svg svg(372, 372);
    auto at = [&](double gx, double gy) {
        return QPointF(30 + (gx + kSize) * cell, 342 - (gy + kSize) * cell);
    };
    for (int v = -kSize; v <= kSize; ++v) {
        const bool axis = v == 0;
        svg.line(at(v, -kSize), at(v, kSize), axis ? colour::kInk : colour::kRule, axis ? 2 : 1);
        svg.line(at(-kSize, v), at(kSize, v), axis ? colour::kInk : colour::kRule, axis ? 2 : 1);
        if (v != 0) {
            svg.text(at(v, 0) + QPointF(0, 16), QString::number(v), 12, "middle", false,
                     colour::kSlate);
            svg.text(at(0, v) + QPointF(-5, 4), QString::number(v), 12, "end", false,
                     colour::kSlate);
        }
    }
    svg.text(at(kSize, 0) + QPointF(8, 5), QStringLiteral("x"), 14, "start", true);
    svg.text(at(0, kSize) + QPointF(0, -10), QStringLiteral("y"), 14, "middle", true);
    for (const Figure& f : figures) {
        QList<QPointF> corners;
        QPointF middle;
        for (const QPoint& p : f.corners) {
            corners.append(at(p.x(), p.y()));
            middle += corners.last() / double(f.corners.size());
        }
        svg.polygon(corners, f.image ? colour::kGreenLight : colour::kBlueLight,
                    f.image ? colour::kGreen : colour::kBlueDark, 2);
        if (!f.label.isEmpty())
            svg.text(middle + QPointF(0, 5), f.label, 14, "middle", true,
                     f.image ? colour::kGreen : colour::kBlueDark);
    }
    if (mirror.axis == 'x') {
        svg.line(at(mirror.at, -kSize), at(mirror.at, kSize), colour::kRed, 2.5,
                 QStringLiteral(" stroke-dasharray=\"7 5\""));
        svg.text(at(mirror.at, -kSize) + QPointF(0, 22), LineName(mirror), 13, "middle", true,
                 colour::kRed);
    } else if (mirror.axis == 'y') {
        svg.line(at(-kSize, mirror.at), at(kSize, mirror.at), colour::kRed, 2.5,
                 QStringLiteral(" stroke-dasharray=\"7 5\""));
        svg.text(at(-kSize, mirror.at) + QPointF(2, -6), LineName(mirror), 13, "start", true,
                 colour::kRed);
    }
    for (const auto& [label, point] : marks) {
        const QPointF p = at(point.x(), point.y());
        svg.circle(p, 4.5, colour::kRed, colour::kRed, 1);
        svg.text(p + QPointF(7, -7), label, 14, "start", true, colour::kRed);
    }
    return Picture{svg.finish(), alt};
}

/// How a point moves in words: "3 squares left".
QString Squares(int n, bool across)
{
    const QString way = across ? (n > 0 ? QStringLiteral("right") : QStringLiteral("left"))
                               : (n > 0 ? QStringLiteral("up") : QStringLiteral("down"));
    return QStringLiteral("%1 %2 %3")
        .arg(std::abs(n))
        .arg(std::abs(n) == 1 ? QStringLiteral("square") : QStringLiteral("squares"), way);
}

/// The ways to write a move of n squares across (or up): "3 squares left", "3 left", "left 3".
QStringList MoveForms(int n, bool across)
{
    const QString way = across ? (n > 0 ? QStringLiteral("right") : QStringLiteral("left"))
                               : (n > 0 ? QStringLiteral("up") : QStringLiteral("down"));
    const int k = std::abs(n);
    QStringList forms = {Squares(n, across), QStringLiteral("%1 %2").arg(k).arg(way),
                         QStringLiteral("%1 units %2").arg(k).arg(way),
                         QStringLiteral("%1 %2").arg(way).arg(k)};
    if (k == 1)
        forms.append(QStringLiteral("1 unit %1").arg(way));
    else
        forms.append(QStringLiteral("%1 square %2").arg(k).arg(way));
    if (across) {
        forms.append(QStringLiteral("%1 to the %2").arg(k).arg(way));
        forms.append(QStringLiteral("%1 squares to the %2").arg(k).arg(way));
    }
    return forms;
}

/// A translation in words: "4 squares left and 2 squares up".
QString MoveText(QPoint v)
{
    if (v.y() == 0)
        return Squares(v.x(), true);
    if (v.x() == 0)
        return Squares(v.y(), false);
    return Squares(v.x(), true) + QStringLiteral(" and ") + Squares(v.y(), false);
}

/// Three corners of a triangle (no three in a line), coordinates from lowX to highX and
/// from lowY to highY.
QList<QPoint> Triangle(Prng& rng, int lowX, int highX, int lowY, int highY)
{
    for (;;) {
        QList<QPoint> t;
        for (int i = 0; i < 3; ++i)
            t.append({rng.range(lowX, highX), rng.range(lowY, highY)});
        const QPoint u = t.at(1) - t.at(0), v = t.at(2) - t.at(0);
        if (u.x() * v.y() - u.y() * v.x() != 0)
            return t;
    }
}

Question ReadPoints(Prng& rng)
{
    const QList<QPoint> points = Distinct(rng, 3, 5);
    QList<Part> parts;
    QList<QPair<QString, QPoint>> marks;
    QStringList working = {QStringLiteral("Read across first (x), then up or down (y).")};
    for (int i = 0; i < 3; ++i) {
        const QPoint p = points.at(i);
        parts.append(PointPart(QStringLiteral("Point %1").arg(Letter(i)), p));
        marks.append({Letter(i), p});
        working.append(QStringLiteral("%1 is %2 from the origin, so %1 is at %3.")
                           .arg(Letter(i), MoveText(p), Pt(p)));
    }
    Question q = Make(Para(QStringLiteral("Write the coordinates of points A, B and C.")), parts,
                      QLatin1String(kNotePoint));
    q.pictures = {PlaneGrid({}, marks, {}, QStringLiteral("Points A, B and C on a grid"))};
    q.working = working;
    return q;
}

Question WhichPoint(Prng& rng)
{
    const QPoint target = OffAxes(rng, 5);
    // The likely slips: x and y swapped, a sign lost.
    QList<QPoint> points = {target,
                            {target.y(), target.x()},
                            {-target.x(), target.y()},
                            {target.x(), -target.y()},
                            {-target.y(), -target.x()}};
    QList<QPoint> shown;
    for (const QPoint& p : points) {
        if (!shown.contains(p))
            shown.append(p);
    }
    while (shown.size() < 4) {
        const QPoint p = OffAxes(rng, 5);
        if (!shown.contains(p))
            shown.append(p);
    }
    shown = shown.mid(0, 4);
    rng.shuffle(shown);
    QList<QPair<QString, QPoint>> marks;
    QString right;
    for (int i = 0; i < 4; ++i) {
        const QString letter(QChar('P' + i));
        marks.append({letter, shown.at(i)});
        if (shown.at(i) == target)
            right = letter;
    }
    Question q =
        Make(Para(QStringLiteral("Which point is at <b>%1</b>? Write its letter.").arg(Pt(target))),
             {AlternativesPart(QString(),
                               {right.toLower(), QStringLiteral("point ") + right.toLower()})});
    q.pictures = {PlaneGrid({}, marks, {}, QStringLiteral("Points P, Q, R and S on a grid"))};
    q.working = {QStringLiteral("%1 means %2 from the origin.").arg(Pt(target), MoveText(target)),
                 QStringLiteral("The point there is point %1.").arg(right)};
    return q;
}

Question ReflectInAxes(Prng& rng)
{
    const QPoint p = OffAxes(rng, 6);
    const QString name = Letter(rng.range(0, 10));
    const QPoint inX(p.x(), -p.y()), inY(-p.x(), p.y());
    Question q = Make(
        Para(QStringLiteral("Point %1 is at %2.").arg(name, Pt(p))),
        {PointPart(
             QStringLiteral("%1 is reflected in the <i>x</i>-axis. Where is its image?").arg(name),
             inX),
         PointPart(
             QStringLiteral("%1 is reflected in the <i>y</i>-axis. Where is its image?").arg(name),
             inY)},
        QLatin1String(kNotePoint));
    q.working = {
        QStringLiteral("Reflecting in the x-axis keeps x and changes the sign of y: %1 becomes %2.")
            .arg(Pt(p), Pt(inX)),
        QStringLiteral("Reflecting in the y-axis keeps y and changes the sign of x: %1 becomes %2.")
            .arg(Pt(p), Pt(inY))};
    return q;
}

/// A point reflected in a line x = a or y = b.
Question ReflectInLine(Prng& rng, char axis)
{
    const Mirror m{axis, rng.range(-3, 3)};
    const int away = rng.range(1, 3) * (rng.chance(50) ? 1 : -1);
    const int along = rng.range(-5, 5);
    const QPoint p = axis == 'x' ? QPoint(m.at + away, along) : QPoint(along, m.at + away);
    const QPoint image = Reflect(p, m);
    Question q = Make(Para(QStringLiteral("Point P is at %1. It is reflected in the line %2.")
                               .arg(Pt(p), LineName(m))),
                      {PointPart(QStringLiteral("What are the coordinates of its image?"), image)},
                      QLatin1String(kNotePoint));
    q.pictures = {PlaneGrid({}, {{QStringLiteral("P"), p}}, m,
                            QStringLiteral("Point P and a mirror line on a grid"))};
    const int moved = axis == 'x' ? image.x() : image.y();
    q.working = {
        QStringLiteral("P is %1 from the line %2.").arg(Squares(away, axis == 'x'), LineName(m)),
        QStringLiteral("Its image is %1 from the line: %2 = %3 %4 %5 = %6.")
            .arg(Squares(-away, axis == 'x'), QString(QChar(axis)))
            .arg(m.at)
            .arg(away > 0 ? QStringLiteral("&minus;") : QStringLiteral("+"))
            .arg(std::abs(away))
            .arg(moved),
        QStringLiteral("The other coordinate stays the same, so the image is at %1.")
            .arg(Pt(image))};
    q.workingPictures = {PlaneGrid({}, {{QStringLiteral("P"), p}, {QStringLiteral("P'"), image}}, m,
                                   QStringLiteral("P and its image P' either side of the line"))};
    return q;
}

Question ReflectInVertical(Prng& rng)
{
    return ReflectInLine(rng, 'x');
}

Question ReflectInHorizontal(Prng& rng)
{
    return ReflectInLine(rng, 'y');
}

Question ReflectTriangle(Prng& rng)
{
    const char axis = rng.chance(50) ? 'x' : 'y';
    const Mirror m{axis, rng.range(-2, 2)};
    const int side = rng.chance(50) ? 1 : -1;
    // Corners 1 to 4 squares from the line, on one side of it.
    QList<QPoint> t = Triangle(rng, 1, 4, -5, 5);
    for (QPoint& p : t)
        p = axis == 'x' ? QPoint(m.at + side * p.x(), p.y()) : QPoint(p.y(), m.at + side * p.x());
    QList<QPoint> image;
    QList<Part> parts;
    QStringList working = {QStringLiteral("Each corner's image is the same distance from the "
                                          "line %1, on the other side.")
                               .arg(LineName(m))};
    for (int i = 0; i < 3; ++i) {
        image.append(Reflect(t.at(i), m));
        parts.append(PointPart(QStringLiteral("the image of %1").arg(Letter(i)), image.last()));
        working.append(QStringLiteral("%1 %2 is %3 from the line, so its image is at %4.")
                           .arg(Letter(i), Pt(t.at(i)))
                           .arg(Squares(axis == 'x' ? (t.at(i).x() - m.at) : (t.at(i).y() - m.at),
                                        axis == 'x'))
                           .arg(Pt(image.last())));
    }
    Question q = Make(Para(QStringLiteral("Triangle ABC is reflected in the line %1. Write the "
                                          "coordinates of the images of its corners.")
                               .arg(LineName(m))),
                      parts, QLatin1String(kNotePoint));
    q.pictures = {PlaneGrid({{t, QString()}}, {{"A", t.at(0)}, {"B", t.at(1)}, {"C", t.at(2)}}, m,
                            QStringLiteral("Triangle ABC and a mirror line on a grid"))};
    q.workingPictures = {PlaneGrid({{t, QString()}, {image, QString(), true}},
                                   {{"A", t.at(0)}, {"B", t.at(1)}, {"C", t.at(2)}}, m,
                                   QStringLiteral("Triangle ABC and its reflection"))};
    q.working = working;
    return q;
}

/// A move that keeps `p` on the grid, not zero across and not zero up.
QPoint MoveKeeping(Prng& rng, const QList<QPoint>& points)
{
    for (;;) {
        const QPoint v(rng.range(-6, 6), rng.range(-6, 6));
        if (v.x() == 0 || v.y() == 0)
            continue;
        if (std::all_of(points.cbegin(), points.cend(), [&](QPoint p) { return OnGrid(p + v); }))
            return v;
    }
}

Question TranslatePoint(Prng& rng)
{
    const QPoint p = OffAxes(rng, 6);
    const QPoint v = MoveKeeping(rng, {p});
    const QPoint image = p + v;
    Question q =
        Make(Para(QStringLiteral("Point K is at %1. It is translated %2.").arg(Pt(p), MoveText(v))),
             {PointPart(QStringLiteral("Where is K now?"), image)}, QLatin1String(kNotePoint));
    q.working = {QStringLiteral("Across: %1 %2 %3 = %4.")
                     .arg(p.x())
                     .arg(v.x() > 0 ? "+" : "&minus;")
                     .arg(std::abs(v.x()))
                     .arg(image.x()),
                 QStringLiteral("Up or down: %1 %2 %3 = %4.")
                     .arg(p.y())
                     .arg(v.y() > 0 ? "+" : "&minus;")
                     .arg(std::abs(v.y()))
                     .arg(image.y()),
                 QStringLiteral("So K is now at %1.").arg(Pt(image))};
    return q;
}

Question TranslateShape(Prng& rng)
{
    const QList<QPoint> t = Triangle(rng, -5, 5, -5, 5);
    const QPoint v = MoveKeeping(rng, t);
    QList<Part> parts;
    QList<QPoint> image;
    QStringList working = {
        QStringLiteral("Add %1 to each x and %2 to each y.").arg(v.x()).arg(v.y())};
    for (int i = 0; i < 3; ++i) {
        image.append(t.at(i) + v);
        parts.append(PointPart(QStringLiteral("the image of %1").arg(Letter(i)), image.last()));
        working.append(
            QStringLiteral("%1 %2 moves to %3.").arg(Letter(i), Pt(t.at(i)), Pt(image.last())));
    }
    Question q = Make(Para(QStringLiteral("Triangle ABC has corners A %1, B %2 and C %3. It is "
                                          "translated %4. Where are its corners now?")
                               .arg(Pt(t.at(0)), Pt(t.at(1)), Pt(t.at(2)), MoveText(v))),
                      parts, QLatin1String(kNotePoint));
    q.working = working;
    q.workingPictures = {PlaneGrid({{t, QString()}, {image, QString(), true}},
                                   {{"A", t.at(0)}, {"B", t.at(1)}, {"C", t.at(2)}}, {},
                                   QStringLiteral("Triangle ABC and its image"))};
    return q;
}

Question DescribeTranslation(Prng& rng)
{
    const QPoint a = OffAxes(rng, 6);
    const QPoint v = MoveKeeping(rng, {a});
    const QPoint b = a + v;
    Question q =
        Make(Para(QStringLiteral("Point A %1 is translated to point B %2. Describe the "
                                 "translation.")
                      .arg(Pt(a), Pt(b))),
             {AlternativesPart(QStringLiteral("How far left or right?"), MoveForms(v.x(), true)),
              AlternativesPart(QStringLiteral("How far up or down?"), MoveForms(v.y(), false))},
             QStringLiteral("Write the number of squares and the direction, like "
                            "\"3 squares left\"."));
    q.working = {
        QStringLiteral("x goes from %1 to %2: %3.").arg(a.x()).arg(b.x()).arg(Squares(v.x(), true)),
        QStringLiteral("y goes from %1 to %2: %3.")
            .arg(a.y())
            .arg(b.y())
            .arg(Squares(v.y(), false))};
    return q;
}

Question ParallelogramVertex(Prng& rng)
{
    for (;;) {
        const QList<QPoint> t = Triangle(rng, -5, 5, -5, 5);
        const QPoint a = t.at(0), b = t.at(1), c = t.at(2);
        const QPoint d = a + c - b;
        if (!OnGrid(d))
            continue;
        Question q =
            Make(Para(QStringLiteral("ABCD is a parallelogram. A is at %1, B at %2 and C at %3.")
                          .arg(Pt(a), Pt(b), Pt(c))),
                 {PointPart(QStringLiteral("What are the coordinates of D?"), d, 2)},
                 QLatin1String(kNotePoint));
        const QPoint bc = c - b;
        q.working = {
            QStringLiteral("In a parallelogram AD is parallel to BC and as long, so D is A moved "
                           "the same way as B to C."),
            QStringLiteral("From B to C: %1 across, %2 up.").arg(bc.x()).arg(bc.y()),
            QStringLiteral("D = (%1 + %2, %3 + %4) = %5.")
                .arg(a.x())
                .arg(bc.x())
                .arg(a.y())
                .arg(bc.y())
                .arg(Pt(d))
                .replace(QLatin1String("+ -"), QLatin1String("&minus; "))};
        q.workingPictures = {PlaneGrid({{{a, b, c, d}, QString()}},
                                       {{"A", a}, {"B", b}, {"C", c}, {"D", d}}, {},
                                       QStringLiteral("The parallelogram ABCD"))};
        return q;
    }
}

Question RectangleVertex(Prng& rng)
{
    const int x1 = rng.range(-6, 2), y1 = rng.range(-6, 2);
    const int w = rng.range(2, std::min(6, 6 - x1)), h = rng.range(2, std::min(6, 6 - y1));
    QList<QPoint> corners = {{x1, y1}, {x1 + w, y1}, {x1 + w, y1 + h}, {x1, y1 + h}};
    const int start = rng.range(0, 3);
    std::rotate(corners.begin(), corners.begin() + start, corners.end());
    const QPoint d = corners.at(3);
    Question q =
        Make(Para(QStringLiteral("PQRS is a rectangle. P is at %1, Q at %2 and R at %3.")
                      .arg(Pt(corners.at(0)), Pt(corners.at(1)), Pt(corners.at(2)))),
             {PointPart(QStringLiteral("What are the coordinates of S?"), d),
              MeasurePart(QStringLiteral("What is the perimeter of PQRS?"), 2 * (w + h), 0, kUnits),
              MeasurePart(QStringLiteral("What is the area of PQRS?"), w * h, 0, kSquareUnits)},
             QLatin1String(kNotePoint));
    q.working = {
        QStringLiteral("S takes its x from one neighbour, P or R, and its y from the "
                       "other: S is at %1.")
            .arg(Pt(d)),
        QStringLiteral("The sides are %1 &minus; %2 = %3 and %4 &minus; %5 = %6 units.")
            .arg(x1 + w)
            .arg(x1)
            .arg(w)
            .arg(y1 + h)
            .arg(y1)
            .arg(h),
        QStringLiteral("Perimeter = 2 &times; (%1 + %2) = %3 units.")
            .arg(w)
            .arg(h)
            .arg(2 * (w + h)),
        QStringLiteral("Area = %1 &times; %2 = %3 square units.").arg(w).arg(h).arg(w * h)};
    return q;
}

Question Midpoint(Prng& rng)
{
    const QPoint a = OffAxes(rng, 6);
    QPoint b;
    do {
        b = QPoint(rng.range(-6, 6), rng.range(-6, 6));
    } while ((b - a).x() % 2 != 0 || (b - a).y() % 2 != 0 || b == a);
    const QPoint m((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    Question q = Make(Para(QStringLiteral("A is at %1 and B is at %2. M is the midpoint of the "
                                          "line AB.")
                               .arg(Pt(a), Pt(b))),
                      {PointPart(QStringLiteral("What are the coordinates of M?"), m, 2)},
                      QLatin1String(kNotePoint));
    q.working = {QStringLiteral("The midpoint is halfway across and halfway up."),
                 QStringLiteral("x: (%1 + %2) &divide; 2 = %3.").arg(a.x()).arg(b.x()).arg(m.x()),
                 QStringLiteral("y: (%1 + %2) &divide; 2 = %3.").arg(a.y()).arg(b.y()).arg(m.y()),
                 QStringLiteral("So M is at %1.").arg(Pt(m))};
    q.workingPictures = {PlaneGrid({}, {{"A", a}, {"B", b}, {"M", m}}, {},
                                   QStringLiteral("A, B and the midpoint M"))};
    return q;
}

Question Rotate180(Prng& rng)
{
    const QPoint p = OffAxes(rng, 6);
    const QPoint image(-p.x(), -p.y());
    Question q =
        Make(Para(QStringLiteral("Point T at %1 is rotated 180&deg; about the origin.").arg(Pt(p))),
             {PointPart(QStringLiteral("Where is its image?"), image)}, QLatin1String(kNotePoint));
    q.working = {QStringLiteral("A half turn about the origin changes the sign of both "
                                "coordinates."),
                 QStringLiteral("%1 becomes %2.").arg(Pt(p), Pt(image))};
    return q;
}

Question Rotate90(Prng& rng)
{
    const QPoint p = OffAxes(rng, 6);
    const bool clockwise = rng.chance(50);
    const QPoint image = clockwise ? QPoint(p.y(), -p.x()) : QPoint(-p.y(), p.x());
    const QList<QPoint> triangle = {{0, 0}, {p.x(), 0}, p};
    const QList<QPoint> turned = {{0, 0}, clockwise ? QPoint(0, -p.x()) : QPoint(0, p.x()), image};
    Question q = Make(Para(QStringLiteral("Point R at %1 is rotated 90&deg; %2 about the origin.")
                               .arg(Pt(p), clockwise ? QStringLiteral("clockwise")
                                                     : QStringLiteral("anticlockwise"))),
                      {PointPart(QStringLiteral("Where is its image?"), image, 2)},
                      QLatin1String(kNotePoint));
    q.pictures = {
        PlaneGrid({}, {{QStringLiteral("R"), p}}, {}, QStringLiteral("Point R on a grid"))};
    q.working = {
        QStringLiteral("R is %1 from the origin.").arg(MoveText(p)),
        QStringLiteral("Turn that path a quarter turn %1: %2 becomes %3, and %4 becomes %5.")
            .arg(clockwise ? QStringLiteral("clockwise") : QStringLiteral("anticlockwise"),
                 Squares(p.x(), true), Squares(image.y(), false), Squares(p.y(), false),
                 Squares(image.x(), true)),
        QStringLiteral("So the image is at %1.").arg(Pt(image))};
    q.workingPictures = {PlaneGrid({{triangle, QString()}, {turned, QString(), true}},
                                   {{QStringLiteral("R"), p}, {QStringLiteral("R'"), image}}, {},
                                   QStringLiteral("R turned a quarter turn about the origin"))};
    return q;
}

Question CompleteBySymmetry(Prng& rng)
{
    // A kite or arrowhead ABCD with its line of symmetry through A and C; D is B reflected.
    const char axis = rng.chance(50) ? 'x' : 'y';
    const Mirror m{axis, rng.range(-2, 2)};
    const int a = rng.range(2, 6), c = rng.range(-5, 0);
    const int across = rng.range(1, 4) * (rng.chance(50) ? 1 : -1);
    const int along = rng.range(c + 1, a - 1);
    auto place = [&](int off, int alongLine) {
        return axis == 'x' ? QPoint(m.at + off, alongLine) : QPoint(alongLine, m.at + off);
    };
    const QPoint pa = place(0, a), pb = place(across, along), pc = place(0, c);
    const QPoint pd = Reflect(pb, m);
    Question q = Make(
        Para(QStringLiteral("ABCD is a shape with the line %1 as a line of symmetry. A is at %2, "
                            "B is at %3 and C is at %4.")
                 .arg(LineName(m), Pt(pa), Pt(pb), Pt(pc))),
        {PointPart(QStringLiteral("What are the coordinates of D?"), pd, 2)},
        QLatin1String(kNotePoint));
    q.pictures = {PlaneGrid({}, {{"A", pa}, {"B", pb}, {"C", pc}}, m,
                            QStringLiteral("Points A, B and C and a line of symmetry"))};
    q.working = {QStringLiteral("A and C are on the line of symmetry, so D is the mirror image "
                                "of B."),
                 QStringLiteral("B is %1 from the line, so D is the same distance on the other "
                                "side.")
                     .arg(Squares(across, axis == 'x')),
                 QStringLiteral("So D is at %1.").arg(Pt(pd))};
    q.workingPictures = {PlaneGrid({{{pa, pb, pc, pd}, QString()}},
                                   {{"A", pa}, {"B", pb}, {"C", pc}, {"D", pd}}, m,
                                   QStringLiteral("The shape ABCD completed"))};
    return q;
}

/// A transformation of the plane and its name.
struct Move {
    QString name;
    std::function<QPoint(QPoint)> map;
};

Question WhichTransformation(Prng& rng)
{
    for (;;) {
        const QList<QPoint> t = Triangle(rng, 1, 5, 1, 5);
        const QPoint v = MoveKeeping(rng, t);
        QList<Move> moves = {
            {QStringLiteral("a reflection in the x-axis"),
             [](QPoint p) { return QPoint(p.x(), -p.y()); }},
            {QStringLiteral("a reflection in the y-axis"),
             [](QPoint p) { return QPoint(-p.x(), p.y()); }},
            {QStringLiteral("a rotation of 180&deg; about the origin"),
             [](QPoint p) { return QPoint(-p.x(), -p.y()); }},
            {QStringLiteral("a rotation of 90&deg; clockwise about the origin"),
             [](QPoint p) { return QPoint(p.y(), -p.x()); }},
            {QStringLiteral("a rotation of 90&deg; anticlockwise about the origin"),
             [](QPoint p) { return QPoint(-p.y(), p.x()); }},
            {QStringLiteral("a translation of ") + MoveText(v), [v](QPoint p) { return p + v; }}};
        rng.shuffle(moves);
        const Move& done = moves.first();
        QList<QPoint> image;
        for (const QPoint& p : t)
            image.append(done.map(p));
        auto mapsOnto = [&](const Move& move) {
            QSet<QPair<int, int>> a, b;
            for (int i = 0; i < 3; ++i) {
                const QPoint p = move.map(t.at(i));
                a.insert({p.x(), p.y()});
                b.insert({image.at(i).x(), image.at(i).y()});
            }
            return a == b;
        };
        QList<Option> options;
        for (int i = 0; i < 4; ++i)
            options.append({moves.at(i).name, mapsOnto(moves.at(i))});
        if (std::count_if(options.cbegin(), options.cend(),
                          [](const Option& o) { return o.fits; }) != 1)
            continue;
        Question q = ChoiceQuestion(Para(QStringLiteral("Which transformation maps shape A onto "
                                                        "shape B?")),
                                    UniqueChoice(rng, options));
        q.pictures = {PlaneGrid({{t, QStringLiteral("A")}, {image, QStringLiteral("B"), true}}, {},
                                {}, QStringLiteral("Shapes A and B on a grid"))};
        q.working = {
            QStringLiteral("Corner %1 of A goes to %2 on B.").arg(Pt(t.at(0)), Pt(image.at(0))),
            QStringLiteral("Check each choice on all three corners: only %1 takes every "
                           "corner of A onto B.")
                .arg(done.name)};
        return q;
    }
}

Question PointOnLine(Prng& rng)
{
    const char axis = rng.chance(50) ? 'x' : 'y';
    const int at = rng.range(-5, 5);
    const Mirror line{axis, at};
    auto on = [&](QPoint p) { return (axis == 'x' ? p.x() : p.y()) == at; };
    const int other = rng.range(-6, 6);
    QList<QPoint> points = {axis == 'x' ? QPoint(at, other) : QPoint(other, at)};
    // The slip: the coordinates swapped.
    const QPoint swapped(points.first().y(), points.first().x());
    if (!on(swapped))
        points.append(swapped);
    while (points.size() < 4) {
        const QPoint p(rng.range(-6, 6), rng.range(-6, 6));
        if (!on(p) && !points.contains(p))
            points.append(p);
    }
    QList<Option> options;
    for (const QPoint& p : points)
        options.append({Pt(p), on(p)});
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which of these points lies on the line %1?").arg(LineName(line))),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("Every point on the line %1 has %2-coordinate %3.")
                     .arg(LineName(line), QString(QChar(axis)))
                     .arg(at),
                 QStringLiteral("Only %1 has that.").arg(Pt(points.first()))};
    return q;
}

Question MirrorLine(Prng& rng)
{
    const char axis = rng.chance(50) ? 'x' : 'y';
    const Mirror m{axis, rng.range(-4, 4)};
    const int away = rng.range(1, 2) * (rng.chance(50) ? 1 : -1);
    const int along = rng.range(-6, 6);
    const QPoint p = axis == 'x' ? QPoint(m.at + away, along) : QPoint(along, m.at + away);
    const QPoint image = Reflect(p, m);
    const QString c = QString(QChar(axis));
    Question q =
        Make(Para(QStringLiteral("Point A %1 is reflected in a mirror line. Its image is A' %2.")
                      .arg(Pt(p), Pt(image))),
             {AlternativesPart(QStringLiteral("What is the equation of the mirror line?"),
                               {LineName(m), QStringLiteral("%1=%2").arg(c).arg(m.at),
                                QStringLiteral("%1 =%2").arg(c).arg(m.at),
                                QStringLiteral("%1= %2").arg(c).arg(m.at)})},
             QStringLiteral("Write the line like \"x = 5\"."));
    const int from = axis == 'x' ? p.x() : p.y(), to = axis == 'x' ? image.x() : image.y();
    q.working = {QStringLiteral("Only %1 changes, from %2 to %3, so the mirror line is a line %1 = "
                                "a number.")
                     .arg(c)
                     .arg(from)
                     .arg(to),
                 QStringLiteral("The line is halfway: (%1 + %2) &divide; 2 = %3.")
                     .arg(from)
                     .arg(to)
                     .arg(m.at),
                 QStringLiteral("The mirror line is %1.").arg(LineName(m))};
    return q;
}

Question RightTriangleSides(Prng& rng)
{
    for (;;) {
        const QPoint a(rng.range(-6, 2), rng.range(-6, 2));
        const int w = rng.range(2, 8) * (rng.chance(50) ? 1 : -1);
        const int h = rng.range(2, 8) * (rng.chance(50) ? 1 : -1);
        const QPoint b(a.x() + w, a.y()), c(a.x() + w, a.y() + h);
        if (!OnGrid(b) || !OnGrid(c) || (w * h) % 2 != 0)
            continue;
        const int area = std::abs(w * h) / 2;
        Question q =
            Make(Para(QStringLiteral("Triangle ABC has corners A %1, B %2 and C %3.")
                          .arg(Pt(a), Pt(b), Pt(c))),
                 {MeasurePart(QStringLiteral("How long is side AB?"), std::abs(w), 0, kUnits),
                  MeasurePart(QStringLiteral("How long is side BC?"), std::abs(h), 0, kUnits),
                  MeasurePart(QStringLiteral("What is the area of the triangle?"), area, 0,
                              kSquareUnits)});
        q.working = {QStringLiteral("A and B have the same y, so AB is across: %1 &minus; %2 "
                                    "gives %3 units.")
                         .arg(std::max(a.x(), b.x()))
                         .arg(std::min(a.x(), b.x()))
                         .arg(std::abs(w)),
                     QStringLiteral("B and C have the same x, so BC is up: %1 &minus; %2 gives %3 "
                                    "units.")
                         .arg(std::max(b.y(), c.y()))
                         .arg(std::min(b.y(), c.y()))
                         .arg(std::abs(h)),
                     QStringLiteral("The angle at B is a right angle, so the area is half of "
                                    "%1 &times; %2 = %3 square units.")
                         .arg(std::abs(w))
                         .arg(std::abs(h))
                         .arg(area)};
        q.workingPictures = {PlaneGrid({{{a, b, c}, QString()}}, {{"A", a}, {"B", b}, {"C", c}}, {},
                                       QStringLiteral("Triangle ABC on a grid"))};
        return q;
    }
}

Question ReflectThenTranslate(Prng& rng)
{
    for (;;) {
        const QPoint p = OffAxes(rng, 5);
        const bool inX = rng.chance(50);
        const QPoint first = inX ? QPoint(p.x(), -p.y()) : QPoint(-p.x(), p.y());
        const QPoint v = MoveKeeping(rng, {first});
        const QPoint last = first + v;
        Question q =
            Make(Para(QStringLiteral("Point F at %1 is reflected in the %2-axis. Its image is then "
                                     "translated %3.")
                          .arg(Pt(p), inX ? QStringLiteral("<i>x</i>") : QStringLiteral("<i>y</i>"),
                               MoveText(v))),
                 {PointPart(QStringLiteral("Where is F after the reflection?"), first),
                  PointPart(QStringLiteral("Where is it after the translation?"), last, 2)},
                 QLatin1String(kNotePoint));
        q.working = {QStringLiteral("Reflecting in the %1-axis changes the sign of %2: %3 becomes "
                                    "%4.")
                         .arg(inX ? "x" : "y", inX ? "y" : "x", Pt(p), Pt(first)),
                     QStringLiteral("Then add %1 to x and %2 to y: %3.")
                         .arg(v.x())
                         .arg(v.y())
                         .arg(Pt(last))};
        return q;
    }
}

Question SquareFromSide(Prng& rng)
{
    // Two neighbouring corners of a square on one line; the square lies above or below it.
    for (;;) {
        const QPoint a(rng.range(-5, 3), rng.range(-5, 5));
        const int s = rng.range(2, 6);
        const int side = rng.chance(50) ? 1 : -1;
        const QPoint b(a.x() + s, a.y());
        const QPoint c(b.x(), a.y() + side * s), d(a.x(), a.y() + side * s);
        if (!OnGrid(b) || !OnGrid(c))
            continue;
        Question q =
            Make(Para(QStringLiteral("ABCD is a square. A is at %1 and B is at %2. C and D are %3 "
                                     "the line AB.")
                          .arg(Pt(a), Pt(b),
                               side > 0 ? QStringLiteral("above") : QStringLiteral("below"))),
                 {PointPart(QStringLiteral("Where is C?"), c),
                  PointPart(QStringLiteral("Where is D?"), d)},
                 QLatin1String(kNotePoint));
        q.working = {QStringLiteral("AB is %1 &minus; %2 = %3 units long, so every side is %3 "
                                    "units.")
                         .arg(b.x())
                         .arg(a.x())
                         .arg(s),
                     QStringLiteral("C is %1 from B: %2.").arg(Squares(side * s, false), Pt(c)),
                     QStringLiteral("D is %1 from A: %2.").arg(Squares(side * s, false), Pt(d))};
        q.workingPictures = {PlaneGrid({{{a, b, c, d}, QString()}},
                                       {{"A", a}, {"B", b}, {"C", c}, {"D", d}}, {},
                                       QStringLiteral("The square ABCD"))};
        return q;
    }
}

} // namespace

QList<Generator> TransformationKinds()
{
    return {ReadPoints,          WhichPoint,
            ReflectInAxes,       ReflectInVertical,
            ReflectInHorizontal, ReflectTriangle,
            TranslatePoint,      TranslateShape,
            DescribeTranslation, ParallelogramVertex,
            RectangleVertex,     Midpoint,
            Rotate180,           Rotate90,
            CompleteBySymmetry,  WhichTransformation,
            PointOnLine,         MirrorLine,
            RightTriangleSides,  ReflectThenTranslate,
            SquareFromSide};
}

} // namespace orlavine::pack
