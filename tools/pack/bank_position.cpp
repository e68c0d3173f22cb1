// Position and direction: coordinates, moves, corners.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "svg.h"

#include <algorithm>
#include <cstdlib>

namespace orlavine::pack
{

namespace
{

QString Point(QPoint p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

const char* const kNotePoint = "Write coordinates in brackets with a comma, like (3,5).";

/// Coordinates, which must be written in brackets with a comma.
Part PointPart(const QString& prompt, QPoint p, int marks = 1)
{
    return FormPart(prompt, 'R', Point(p), QStringLiteral("as (x,y)"), marks);
}

QList<QPoint> DistinctPoints(Prng& rng, int count, int low, int high)
{
    QList<QPoint> points;
    while (points.size() < count) {
        const QPoint p(rng.range(low, high), rng.range(low, high));
        if (!points.contains(p) && p.x() != 0 && p.y() != 0)
            points.append(p);
    }
    return points;
}

/// Two different capital letters, in order, to name two points.
QPair<QString, QString> TwoLetters(Prng& rng)
{
    const int first = rng.range(0, 10);
    const int second = rng.range(first + 1, 11);
    return {QString(QChar('A' + first)), QString(QChar('A' + second))};
}

/// Two points to read off a grid from 0 to `size` (from -size with four quadrants).
Question ReadTwo(Prng& rng, const QList<QPoint>& points, int size, bool fourQuadrants,
                 const QString& note)
{
    const auto [a, b] = TwoLetters(rng);
    Question q = Make(Para(QStringLiteral("Write the coordinates of points %1 and %2.").arg(a, b)),
                      {PointPart(QStringLiteral("Point %1").arg(a), points.at(0)),
                       PointPart(QStringLiteral("Point %1").arg(b), points.at(1))},
                      note);
    q.pictures = {CoordinateGrid(size, fourQuadrants, {{a, points.at(0)}, {b, points.at(1)}})};
    q.working = {QStringLiteral("Read along the x-axis first, then up the y-axis%1.")
                     .arg(fourQuadrants ? QStringLiteral(" (negative numbers are left and down)")
                                        : QString())};
    for (int i = 0; i < 2; ++i)
        q.working.append(QStringLiteral("%1: x = %2 and y = %3, so %1 is at %4.")
                             .arg(i == 0 ? a : b)
                             .arg(points.at(i).x())
                             .arg(points.at(i).y())
                             .arg(Point(points.at(i))));
    return q;
}

Question ReadPoints(Prng& rng)
{
    return ReadTwo(rng, DistinctPoints(rng, 2, 1, 8), 8, false, QLatin1String(kNotePoint));
}

Question WhichPoint(Prng& rng)
{
    QList<QPoint> points = DistinctPoints(rng, 4, 1, 8);
    const QPoint target = points.at(0);
    // The point with x and y swapped is the likely slip: mark it too.
    const QPoint swapped(target.y(), target.x());
    if (swapped != target && !points.contains(swapped))
        points[1] = swapped;
    QList<Option> options;
    for (const QPoint& p : points)
        options.append({Point(p), p == target});
    const Choice choice = UniqueChoice(rng, options);
    QList<QPair<QString, QPoint>> marked;
    for (int i = 0; i < 4; ++i) {
        const QString coordinates = choice.options.at(i);
        marked.append({QString(QChar('P' + i)),
                       *std::find_if(points.cbegin(), points.cend(),
                                     [&](QPoint p) { return Point(p) == coordinates; })});
    }
    Question q = Make(
        Para(QStringLiteral("Which point is at <b>%1</b>? Write its letter.").arg(Point(target))),
        {AlternativesPart(QString(), {QString(QChar('p' + choice.right)),
                                      QStringLiteral("point ") + QChar('p' + choice.right)})});
    q.pictures = {CoordinateGrid(8, false, marked)};
    q.working = {QStringLiteral("%1 means %2 along the x-axis, then %3 up.")
                     .arg(Point(target))
                     .arg(target.x())
                     .arg(target.y()),
                 QStringLiteral("The point there is point %1.").arg(QChar('P' + choice.right))};
    return q;
}

Question FourQuadrants(Prng& rng)
{
    // At least one point away from the first quadrant.
    QList<QPoint> points = DistinctPoints(rng, 2, -5, 5);
    if (points.at(0).x() > 0 && points.at(0).y() > 0 && points.at(1).x() > 0 &&
        points.at(1).y() > 0)
        points[0].setX(-points.at(0).x());
    return ReadTwo(rng, points, 5, true,
                   QStringLiteral("Write coordinates in brackets with a comma, like (-2,4)."));
}

Question Translate(Prng& rng)
{
    const QPoint p(rng.range(1, 8), rng.range(1, 8));
    // A move left or right by 1 to 4 squares, and up or down by up to 3, staying on the grid.
    const int dx = rng.chance(50) ? rng.range(1, 4) : -rng.range(1, std::min(4, p.x()));
    const int dy = rng.range(-std::min(3, p.y()), 3);
    auto squares = [](int n) {
        return n == 1 ? QStringLiteral("1 square") : QStringLiteral("%1 squares").arg(n);
    };
    const QString across =
        squares(std::abs(dx)) + (dx > 0 ? QStringLiteral(" right") : QStringLiteral(" left"));
    const QString up = dy == 0  ? QString()
                       : dy > 0 ? QStringLiteral(" and %1 up").arg(squares(dy))
                                : QStringLiteral(" and %1 down").arg(squares(-dy));
    const QPoint moved = p + QPoint(dx, dy);
    Question q =
        Make(Para(QStringLiteral("Point P is at %1. It moves %2%3.").arg(Point(p), across, up)),
             {PointPart(QStringLiteral("What are its new coordinates?"), moved)},
             QLatin1String(kNotePoint));
    q.working = {QStringLiteral("x: %1 %2 %3 = %4.")
                     .arg(p.x())
                     .arg(dx > 0 ? "+" : "&minus;")
                     .arg(std::abs(dx))
                     .arg(moved.x()),
                 dy == 0 ? QStringLiteral("y stays %1.").arg(p.y())
                         : QStringLiteral("y: %1 %2 %3 = %4.")
                               .arg(p.y())
                               .arg(dy > 0 ? "+" : "&minus;")
                               .arg(std::abs(dy))
                               .arg(moved.y()),
                 QStringLiteral("So P is now at %1.").arg(Point(moved))};
    return q;
}

Question SquareCorner(Prng& rng)
{
    const int x = rng.range(1, 5), y = rng.range(1, 5), s = rng.range(2, 4);
    QList<QPoint> corners = {{x, y}, {x + s, y}, {x + s, y + s}, {x, y + s}};
    const int missing = rng.range(0, 3);
    const QPoint answer = corners.takeAt(missing);
    Question q =
        Make(Para(QStringLiteral("Three corners of a square are at %1, %2 and %3.")
                      .arg(Point(corners.at(0)), Point(corners.at(1)), Point(corners.at(2)))),
             {PointPart(QStringLiteral("What are the coordinates of the fourth corner?"), answer)},
             QLatin1String(kNotePoint));
    q.working = {QStringLiteral("The sides of the square are %1 units long and go straight "
                                "across and straight up.")
                     .arg(s),
                 QStringLiteral("The x-coordinates are %1 and %2, the y-coordinates %3 and %4; "
                                "each is used twice.")
                     .arg(x)
                     .arg(x + s)
                     .arg(y)
                     .arg(y + s),
                 QStringLiteral("The pair not used yet is %1.").arg(Point(answer))};
    q.workingPictures = {CoordinateGrid(8, false,
                                        {{QStringLiteral("1"), corners.at(0)},
                                         {QStringLiteral("2"), corners.at(1)},
                                         {QStringLiteral("3"), corners.at(2)},
                                         {QStringLiteral("?"), answer}})};
    return q;
}

// The eight compass directions in clockwise order from north.
const QStringList kCompass = {"north", "north-east", "east", "south-east",
                              "south", "south-west", "west", "north-west"};

/// The ways to write compass direction `i` (of kCompass): "north-east", "north east", "NE".
QStringList DirectionForms(int i)
{
    const QString name = kCompass.at(((i % 8) + 8) % 8);
    QStringList forms = {name};
    QString letters;
    for (const QString& word : name.split(QLatin1Char('-')))
        letters += word.at(0);
    if (name.contains(QLatin1Char('-'))) {
        forms.append(QString(name).replace(QLatin1Char('-'), QLatin1Char(' ')));
        forms.append(QString(name).remove(QLatin1Char('-')));
    }
    forms.append(letters);
    return forms;
}

/// A turn of `eighths` eighths of a whole turn in words: "90&deg;" or "a quarter turn".
QString TurnText(int eighths, bool inDegrees)
{
    if (inDegrees)
        return QStringLiteral("%1&deg;").arg(eighths * 45);
    return eighths == 2   ? QStringLiteral("a quarter turn")
           : eighths == 4 ? QStringLiteral("a half turn")
                          : QStringLiteral("a three-quarter turn");
}

Question CompassTurn(Prng& rng)
{
    const int start = rng.range(0, 7);
    const bool inDegrees = rng.chance(60);
    const int eighths =
        inDegrees ? rng.pick(QList<int>{1, 2, 3, 4, 6}) : rng.pick(QList<int>{2, 4, 6});
    const bool clockwise = rng.chance(50);
    const int end = start + (clockwise ? eighths : -eighths);
    const QString name = Name(rng);
    const QString way = clockwise ? QStringLiteral("clockwise") : QStringLiteral("anticlockwise");
    Question q =
        Make(Para(QStringLiteral("%1 is facing %2. %1 turns %3 %4.")
                      .arg(name, kCompass.at(start), TurnText(eighths, inDegrees), way)),
             {AlternativesPart(QStringLiteral("Which direction is %1 facing now?").arg(name),
                               DirectionForms(end))});
    q.working = {
        QStringLiteral("Each step round the compass (north to north-east, and so on) is 45&deg;."),
        QStringLiteral("%1 is %2 &divide; 45 = %3 steps %4.")
            .arg(TurnText(eighths, true))
            .arg(eighths * 45)
            .arg(eighths)
            .arg(way),
        QStringLiteral("%1 steps %2 from %3 is %4.")
            .arg(eighths)
            .arg(way, kCompass.at(start), DirectionForms(end).first())};
    return q;
}

Question TurnBetween(Prng& rng)
{
    const int start = rng.range(0, 7);
    const int steps = rng.range(1, 7);
    const bool clockwise = rng.chance(50);
    const int end = start + (clockwise ? steps : -steps);
    const QString way = clockwise ? QStringLiteral("clockwise") : QStringLiteral("anticlockwise");
    const QString name = Name(rng);
    Question q = Make(Para(QStringLiteral("%1 faces %2 and turns %3 until facing %4.")
                               .arg(name, kCompass.at(start), way, DirectionForms(end).first())),
                      {MeasurePart(QStringLiteral("How many degrees does %1 turn?").arg(name),
                                   steps * 45, 0, units::kDegrees)});
    q.working = {QStringLiteral("Going %1 from %2 to %3 passes %4 steps of the compass.")
                     .arg(way, kCompass.at(start), DirectionForms(end).first())
                     .arg(steps),
                 QStringLiteral("Each step is 45&deg;: %1 &times; 45 = %2&deg;.")
                     .arg(steps)
                     .arg(steps * 45)};
    return q;
}

Question RightAngles(Prng& rng)
{
    const int start = rng.range(0, 3) * 2;
    const int quarters = rng.range(1, 3);
    const bool clockwise = rng.chance(50);
    const int end = start + (clockwise ? 2 * quarters : -2 * quarters);
    const QString name = Name(rng);
    const QString way = clockwise ? QStringLiteral("clockwise") : QStringLiteral("anticlockwise");
    Question q =
        Make(Para(QStringLiteral("%1 faces %2 and turns %3 to face %4.")
                      .arg(name, kCompass.at(start), way, DirectionForms(end).first())),
             {NumberPart(QStringLiteral("How many right angles does %1 turn through?").arg(name),
                         quarters),
              MeasurePart(QStringLiteral("How many degrees is that?"), quarters * 90, 0,
                          units::kDegrees)});
    QStringList path;
    for (int i = 1; i <= quarters; ++i)
        path.append(DirectionForms(start + (clockwise ? 2 * i : -2 * i)).first());
    q.working = {
        QStringLiteral("Turning %1 from %2: %3.")
            .arg(way, kCompass.at(start), path.join(QStringLiteral(", "))),
        QStringLiteral("That is %1 right angle%2.").arg(quarters).arg(quarters == 1 ? "" : "s"),
        QStringLiteral("%1 &times; 90&deg; = %2&deg;.").arg(quarters).arg(quarters * 90)};
    return q;
}

/// A map of a 6 by 5 grid of squares with places named in some squares.
Picture MapPicture(const QList<QPair<QString, QPoint>>& places)
{
    Svg svg(420, 300);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 6; ++c)
            svg.rect(10 + c * 60, 20 + r * 52, 60, 52, (r + c) % 2 ? "#ffffff" : "#f4f7fb",
                     colour::kRule, 1);
    }
    for (const auto& [name, cell] : places) {
        const QPointF middle(40 + cell.x() * 60, 46 + cell.y() * 52);
        svg.circle(middle + QPointF(0, -9), 5, colour::kGreen, colour::kGreen, 1);
        svg.text(middle + QPointF(0, 14), name, 12, "middle", true);
    }
    const QPointF rose(395, 90);
    svg.line(rose + QPointF(0, 30), rose + QPointF(0, -22), colour::kInk, 2);
    svg.arrowHead(rose + QPointF(0, 0), rose + QPointF(0, -30), colour::kInk, 10);
    svg.text(rose + QPointF(0, -38), QStringLiteral("N"), 16, "middle", true);
    return Picture{svg.finish(), QStringLiteral("A map on a grid of squares, north at the top")};
}

Question MapDirections(Prng& rng)
{
    static const QStringList names = {"School",  "Park",   "Pond", "Shop", "Farm",   "Church",
                                      "Library", "Castle", "Mill", "Zoo",  "Bridge", "Wood"};
    QStringList chosen = names;
    rng.shuffle(chosen);
    for (;;) {
        // The start, a place a move away, and a place straight along a compass direction.
        const QPoint from(rng.range(0, 5), rng.range(0, 4));
        const QPoint to(rng.range(0, 5), rng.range(0, 4));
        const int direction = rng.range(0, 7);
        static const QList<QPoint> steps = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                            {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
        const QPoint along = from + steps.at(direction) * rng.range(1, 2);
        const QPoint other(rng.range(0, 5), rng.range(0, 4));
        const QList<QPoint> cells = {from, to, along, other};
        bool fine = to.x() != from.x() && to.y() != from.y() && along.x() >= 0 && along.x() <= 5 &&
                    along.y() >= 0 && along.y() <= 4;
        for (int i = 0; i < 4 && fine; ++i)
            fine = cells.count(cells.at(i)) == 1;
        if (!fine)
            continue;
        QList<QPair<QString, QPoint>> places;
        for (int i = 0; i < 4; ++i)
            places.append({chosen.at(i), cells.at(i)});
        const int east = to.x() - from.x(), south = to.y() - from.y();
        auto squares = [](int n, const char* way) {
            return QStringLiteral("%1 square%2 %3")
                .arg(std::abs(n))
                .arg(std::abs(n) == 1 ? "" : "s")
                .arg(way);
        };
        const QString move = squares(south, south > 0 ? "south" : "north") +
                             QStringLiteral(" and ") + squares(east, east > 0 ? "east" : "west");
        const QString start = chosen.at(0).toLower(), target = chosen.at(1).toLower(),
                      third = chosen.at(2).toLower();
        Question q =
            Make(Para(QStringLiteral("Here is a map of a village.")),
                 {AlternativesPart(
                      QStringLiteral("Ella starts at the %1. She walks %2. Where is she now?")
                          .arg(start, move),
                      {target, QStringLiteral("the ") + target}),
                  AlternativesPart(
                      QStringLiteral("Which direction is the %1 from the %2?").arg(third, start),
                      DirectionForms(direction))});
        q.pictures = {MapPicture(places)};
        q.working = {
            QStringLiteral("From the %1, go %2: she reaches the %3.").arg(start, move, target),
            QStringLiteral("The way from the %1 to the %2 is a straight line, %3 "
                           "square%4 %5 (%6 on the map).")
                .arg(start, third)
                .arg(std::max(std::abs(along.x() - from.x()), std::abs(along.y() - from.y())))
                .arg(along == from + steps.at(direction) ? "" : "s")
                .arg(along.x() != from.x() && along.y() != from.y() ? QStringLiteral("diagonally")
                                                                    : QStringLiteral("straight"),
                     DirectionForms(direction).first()),
            QStringLiteral("So the %1 is %2 of the %3.")
                .arg(third, DirectionForms(direction).first(), start)};
        return q;
    }
}

Question RectangleCorner(Prng& rng)
{
    const int x = rng.range(1, 4), y = rng.range(1, 5);
    const int w = rng.range(2, 6), h = rng.range(1, 5);
    const int height = h == w ? h + 1 : h;
    QList<QPoint> corners = {{x, y}, {x + w, y}, {x + w, y + height}, {x, y + height}};
    const int missing = rng.range(0, 3);
    const QPoint answer = corners.takeAt(missing);
    Question q = Make(
        Para(QStringLiteral("A rectangle is drawn on a grid. Three of its corners are at %1, %2 "
                            "and %3.")
                 .arg(Point(corners.at(0)), Point(corners.at(1)), Point(corners.at(2)))),
        {PointPart(QStringLiteral("What are the coordinates of the fourth corner?"), answer),
         NumberPart(QStringLiteral("How many units long is its longer side?"), std::max(w, height)),
         NumberPart(QStringLiteral("How many squares of the grid does it cover?"), w * height)},
        QLatin1String(kNotePoint));
    q.working = {
        QStringLiteral("The x-coordinates are %1 and %2, the y-coordinates %3 and %4; "
                       "each is used by two corners.")
            .arg(x)
            .arg(x + w)
            .arg(y)
            .arg(y + height),
        QStringLiteral("The pair not used yet is %1.").arg(Point(answer)),
        QStringLiteral("The sides are %1 &minus; %2 = %3 and %4 &minus; %5 = %6 units; "
                       "the longer is %7.")
            .arg(x + w)
            .arg(x)
            .arg(w)
            .arg(y + height)
            .arg(y)
            .arg(height)
            .arg(std::max(w, height)),
        QStringLiteral("It covers %1 &times; %2 = %3 squares.").arg(w).arg(height).arg(w * height)};
    return q;
}

Question DescribeMove(Prng& rng)
{
    const QPoint from(rng.range(1, 8), rng.range(1, 8));
    QPoint to;
    do {
        to = QPoint(rng.range(0, 8), rng.range(0, 8));
    } while (to.x() == from.x() || to.y() == from.y());
    const int across = to.x() - from.x(), up = to.y() - from.y();
    const QString acrossWay = across > 0 ? QStringLiteral("right") : QStringLiteral("left");
    const QString upWay = up > 0 ? QStringLiteral("up") : QStringLiteral("down");
    Question q = Make(
        Para(QStringLiteral("A counter moves from %1 to %2.").arg(Point(from), Point(to))),
        {NumberPart(QStringLiteral("How many squares %1 does it move?").arg(acrossWay),
                    std::abs(across)),
         NumberPart(QStringLiteral("How many squares %1 does it move?").arg(upWay), std::abs(up))});
    q.working = {QStringLiteral("Across: x goes from %1 to %2, which is %3 squares %4.")
                     .arg(from.x())
                     .arg(to.x())
                     .arg(std::abs(across))
                     .arg(acrossWay),
                 QStringLiteral("Up or down: y goes from %1 to %2, which is %3 squares %4.")
                     .arg(from.y())
                     .arg(to.y())
                     .arg(std::abs(up))
                     .arg(upWay)};
    return q;
}

Question MirrorPoint(Prng& rng)
{
    const bool vertical = rng.chance(50);
    const int line = rng.range(3, 6);
    const int away = rng.range(1, 3) * (rng.chance(50) ? 1 : -1);
    const int along = rng.range(1, 8);
    const QPoint p = vertical ? QPoint(line + away, along) : QPoint(along, line + away);
    const QPoint image = vertical ? QPoint(line - away, along) : QPoint(along, line - away);
    const QString lineText = vertical
                                 ? QStringLiteral("the vertical line through x = %1").arg(line)
                                 : QStringLiteral("the horizontal line through y = %1").arg(line);
    Question q = Make(Para(QStringLiteral("Point M is at %1. It is reflected in a mirror along "
                                          "%2.")
                               .arg(Point(p), lineText)),
                      {PointPart(QStringLiteral("Where is its reflection?"), image)},
                      QLatin1String(kNotePoint));
    const int before = vertical ? p.x() : p.y(), after = vertical ? image.x() : image.y();
    q.working = {
        QStringLiteral("M is %1 square%2 from the mirror (%3 to %4).")
            .arg(std::abs(away))
            .arg(std::abs(away) == 1 ? "" : "s")
            .arg(before)
            .arg(line),
        QStringLiteral("Its reflection is the same distance on the other side: %1.").arg(after),
        QStringLiteral("The other coordinate stays the same, so the reflection is at %1.")
            .arg(Point(image))};
    return q;
}

Question RectanglePerimeter(Prng& rng)
{
    const int x = rng.range(0, 3), y = rng.range(0, 3);
    const int w = rng.range(2, 5);
    int h = rng.range(2, 5);
    if (h == w)
        h = w + 1;
    const QList<QPoint> corners = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
    const QString scale = rng.pick(QStringList{"1 cm", "2 cm", "5 cm", "10 cm"});
    const int unit = scale.section(QLatin1Char(' '), 0, 0).toInt();
    Question q = Make(
        Para(QStringLiteral("A rectangle has corners at %1, %2, %3 and %4. Each square of the "
                            "grid is %5 long.")
                 .arg(Point(corners.at(0)), Point(corners.at(1)), Point(corners.at(2)),
                      Point(corners.at(3)), scale)),
        {MeasurePart(QStringLiteral("How long is the rectangle?"), w * unit, 0, units::kCm),
         MeasurePart(QStringLiteral("How wide is it?"), h * unit, 0, units::kCm),
         MeasurePart(QStringLiteral("What is its perimeter?"), 2 * (w + h) * unit, 0, units::kCm)});
    q.working = {QStringLiteral("Across: %1 &minus; %2 = %3 squares, %3 &times; %4 = %5 cm.")
                     .arg(x + w)
                     .arg(x)
                     .arg(w)
                     .arg(unit)
                     .arg(w * unit),
                 QStringLiteral("Up: %1 &minus; %2 = %3 squares, %3 &times; %4 = %5 cm.")
                     .arg(y + h)
                     .arg(y)
                     .arg(h)
                     .arg(unit)
                     .arg(h * unit),
                 QStringLiteral("Perimeter = %1 + %2 + %1 + %2 = %3 cm.")
                     .arg(w * unit)
                     .arg(h * unit)
                     .arg(2 * (w + h) * unit)};
    return q;
}

Question HalfwayPoint(Prng& rng)
{
    const bool across = rng.chance(50);
    const int fixed = rng.range(1, 8);
    const int a = rng.range(0, 4), length = 2 * rng.range(1, 4);
    const QPoint p = across ? QPoint(a, fixed) : QPoint(fixed, a);
    const QPoint r = across ? QPoint(a + length, fixed) : QPoint(fixed, a + length);
    const QPoint m = (p + r) / 2;
    Question q =
        Make(Para(QStringLiteral("A line is drawn from %1 to %2.").arg(Point(p), Point(r))),
             {NumberPart(QStringLiteral("How many units long is the line?"), length),
              PointPart(QStringLiteral("What are the coordinates of its middle?"), m, 2)},
             QLatin1String(kNotePoint));
    q.working = {QStringLiteral("Only %1 changes: %2 &minus; %3 = %4 units.")
                     .arg(across ? "x" : "y")
                     .arg(a + length)
                     .arg(a)
                     .arg(length),
                 QStringLiteral("Half of %1 is %2, and %3 + %2 = %4.")
                     .arg(length)
                     .arg(length / 2)
                     .arg(a)
                     .arg(a + length / 2),
                 QStringLiteral("So the middle is at %1.").arg(Point(m))};
    return q;
}

Question TranslateTriangle(Prng& rng)
{
    for (;;) {
        QList<QPoint> t = DistinctPoints(rng, 3, 1, 6);
        const QPoint u = t.at(1) - t.at(0), v = t.at(2) - t.at(0);
        if (u.x() * v.y() - u.y() * v.x() == 0)
            continue;
        const QPoint move(rng.range(-3, 3), rng.range(-3, 3));
        if (move.x() == 0 || move.y() == 0)
            continue;
        QList<QPoint> image;
        for (const QPoint& p : t)
            image.append(p + move);
        if (std::any_of(image.cbegin(), image.cend(),
                        [](QPoint p) { return p.x() < 0 || p.y() < 0 || p.x() > 8 || p.y() > 8; }))
            continue;
        const QString words = QStringLiteral("%1 square%2 %3 and %4 square%5 %6")
                                  .arg(std::abs(move.x()))
                                  .arg(std::abs(move.x()) == 1 ? "" : "s")
                                  .arg(move.x() > 0 ? "right" : "left")
                                  .arg(std::abs(move.y()))
                                  .arg(std::abs(move.y()) == 1 ? "" : "s")
                                  .arg(move.y() > 0 ? "up" : "down");
        QList<Part> parts;
        QStringList working = {QStringLiteral("Moving %1 adds %2 to each x and %3 to each y.")
                                   .arg(words)
                                   .arg(move.x())
                                   .arg(move.y())};
        for (int i = 0; i < 3; ++i) {
            const QString letter(QChar('A' + i));
            parts.append(
                PointPart(QStringLiteral("The new position of %1").arg(letter), image.at(i)));
            working.append(QStringLiteral("%1 %2 moves to %3.")
                               .arg(letter, Point(t.at(i)), Point(image.at(i))));
        }
        Question q = Make(Para(QStringLiteral("Triangle ABC is translated %1.").arg(words)), parts,
                          QLatin1String(kNotePoint));
        q.pictures = {CoordinateGrid(8, false, {{"A", t.at(0)}, {"B", t.at(1)}, {"C", t.at(2)}})};
        q.working = working;
        q.workingPictures = {
            CoordinateGrid(8, false, {{"A", image.at(0)}, {"B", image.at(1)}, {"C", image.at(2)}})};
        return q;
    }
}

Question PointsInLine(Prng& rng)
{
    const bool vertical = rng.chance(50);
    const int at = rng.range(1, 7);
    auto onLine = [&](QPoint p) { return (vertical ? p.x() : p.y()) == at; };
    QList<QPoint> given;
    while (given.size() < 3) {
        const int other = rng.range(0, 8);
        const QPoint p = vertical ? QPoint(at, other) : QPoint(other, at);
        if (!given.contains(p))
            given.append(p);
    }
    std::sort(given.begin(), given.end(),
              [](QPoint a, QPoint b) { return a.x() + a.y() < b.x() + b.y(); });
    QPoint right;
    do {
        const int other = rng.range(0, 8);
        right = vertical ? QPoint(at, other) : QPoint(other, at);
    } while (given.contains(right));
    QList<QPoint> options = {right};
    const QPoint swapped(right.y(), right.x());
    if (!onLine(swapped))
        options.append(swapped);
    while (options.size() < 4) {
        const QPoint p(rng.range(0, 8), rng.range(0, 8));
        if (!onLine(p) && !options.contains(p))
            options.append(p);
    }
    QList<Option> choices;
    for (const QPoint& p : options)
        choices.append({Point(p), onLine(p)});
    Question q = ChoiceQuestion(
        Para(QStringLiteral("The points %1, %2 and %3 lie on a straight line. Which of these "
                            "points is on the same line?")
                 .arg(Point(given.at(0)), Point(given.at(1)), Point(given.at(2)))),
        UniqueChoice(rng, choices));
    q.working = {QStringLiteral("In all three points the %1-coordinate is %2, so the line is %3.")
                     .arg(vertical ? "x" : "y")
                     .arg(at)
                     .arg(vertical ? "straight up and down" : "straight across"),
                 QStringLiteral("The only choice with %1 = %2 is %3.")
                     .arg(vertical ? "x" : "y")
                     .arg(at)
                     .arg(Point(right))};
    return q;
}

Question RobotRoute(Prng& rng)
{
    static const QList<QPair<QString, QPoint>> ways = {
        {"up", {0, 1}}, {"down", {0, -1}}, {"left", {-1, 0}}, {"right", {1, 0}}};
    const QPoint start(rng.range(1, 7), rng.range(1, 7));
    for (;;) {
        QPoint at = start;
        QStringList steps, working;
        bool onGrid = true;
        int last = -1;
        for (int i = 0; i < 3; ++i) {
            // Never the same way twice running.
            int pick = rng.range(0, last < 0 ? 3 : 2);
            if (last >= 0 && pick >= last)
                ++pick;
            last = pick;
            const auto& [way, step] = ways.at(pick);
            const int n = rng.range(1, 4);
            const QPoint next = at + step * n;
            onGrid = onGrid && next.x() >= 0 && next.y() >= 0 && next.x() <= 8 && next.y() <= 8;
            steps.append(QStringLiteral("%1 square%2 %3").arg(n).arg(n == 1 ? "" : "s", way));
            working.append(
                QStringLiteral("%1 %2: %3 to %4.").arg(n).arg(way, Point(at), Point(next)));
            at = next;
        }
        if (!onGrid || at == start)
            continue;
        const QString robot =
            rng.pick(QStringList{"A robot", "A toy car", "A beetle", "A counter"});
        Question q = Make(
            Para(QStringLiteral("%1 starts at %2 on a grid. It moves %3, then %4, "
                                "then %5.")
                     .arg(robot, Point(start), steps.at(0), steps.at(1), steps.at(2))),
            {PointPart(QStringLiteral("Where does it finish?"), at, 2)}, QLatin1String(kNotePoint));
        working.prepend(QStringLiteral("Up and down change y; left and right change x."));
        working.append(QStringLiteral("It finishes at %1.").arg(Point(at)));
        q.working = working;
        return q;
    }
}

Question TriangleTop(Prng& rng)
{
    const int left = rng.range(0, 4), half = rng.range(1, 3), y = rng.range(0, 3);
    const int height = rng.range(2, 5);
    const QPoint a(left, y), b(left + 2 * half, y), apex(left + half, y + height);
    Question q =
        Make(Para(QStringLiteral("An isosceles triangle has two corners at %1 and %2. Its third "
                                 "corner is %3 units above the middle of that side.")
                      .arg(Point(a), Point(b))
                      .arg(height)),
             {PointPart(QStringLiteral("What are the coordinates of the third corner?"), apex, 2)},
             QLatin1String(kNotePoint));
    q.working = {
        QStringLiteral("The middle of the side: x is halfway from %1 to %2, which is %3.")
            .arg(a.x())
            .arg(b.x())
            .arg(apex.x()),
        QStringLiteral("%1 units above y = %2 is y = %3.").arg(height).arg(y).arg(apex.y()),
        QStringLiteral("So the third corner is at %1.").arg(Point(apex))};
    q.workingPictures = {CoordinateGrid(8, false, {{"A", a}, {"B", b}, {"C", apex}})};
    return q;
}

} // namespace

QList<Generator> PositionKinds()
{
    return {ReadPoints,        WhichPoint,   FourQuadrants, Translate,          Translate,
            SquareCorner,      CompassTurn,  TurnBetween,   RightAngles,        MapDirections,
            RectangleCorner,   DescribeMove, MirrorPoint,   RectanglePerimeter, HalfwayPoint,
            TranslateTriangle, PointsInLine, RobotRoute,    TriangleTop};
}

} // namespace orlavine::pack
