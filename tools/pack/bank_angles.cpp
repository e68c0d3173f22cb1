// Angles and turns; perimeter, area and volume.
#include "banks.h"

#include "diagrams.h"

namespace orlavine::pack {

namespace {

QString AngleWord(int degrees)
{
    if (degrees < 90)
        return QStringLiteral("acute");
    if (degrees == 90)
        return QStringLiteral("right");
    return degrees < 180 ? QStringLiteral("obtuse") : QStringLiteral("reflex");
}

Question KindOfAngle(Prng& rng)
{
    const int degrees =
        rng.pick(QList<int>{25, 40, 55, 70, 110, 125, 140, 160, 200, 230, 250, 300});
    Question q = Make(
        Para(QStringLiteral("Is the marked angle <b>acute</b>, <b>obtuse</b> or <b>reflex</b>?")),
        {WordPart(QString(), AngleWord(degrees))}, QStringLiteral("Write one word."));
    q.pictures = {AnglePicture(degrees, QString())};
    return q;
}

Question OnStraightLine(Prng& rng)
{
    const int known = rng.range(25, 155);
    Question q = Make(Para(QStringLiteral("Work out the size of angle <i>x</i>, in degrees.")),
                      {NumberPart(QString(), 180 - known)},
                      QStringLiteral("The picture is not drawn to scale."));
    q.pictures = {StraightLineAngles(known)};
    return q;
}

Question AroundPoint(Prng& rng)
{
    const int a = rng.range(60, 130), b = rng.range(50, 120);
    Question q = Make(
        Para(QStringLiteral("Angles around a point add up to 360&deg;. Work out angle <i>x</i>.")),
        {NumberPart(QString(), 360 - a - b)});
    q.pictures = {PointAngles({a, b})};
    return q;
}

Question InTriangle(Prng& rng)
{
    const int a = rng.range(35, 80), b = rng.range(35, 80);
    Question q = Make(
        Para(QStringLiteral("Work out the size of angle <i>x</i> in the triangle, in degrees.")),
        {NumberPart(QString(), 180 - a - b, 2)});
    q.pictures = {TriangleAngles(a, b)};
    return q;
}

Question Turns(Prng& rng)
{
    static const QStringList names = {"quarter", "half", "three-quarter", "whole"};
    const int k = rng.range(0, 3);
    const int right = rng.range(0, 3);
    return Make(
        Para(QStringLiteral("Think about turning on the spot.")),
        {NumberPart(QStringLiteral("How many degrees are there in a %1 turn?").arg(names.at(k)),
                    90 * (k + 1)),
         NumberPart(QStringLiteral("How many right angles make a %1 turn?").arg(names.at(right)),
                    right + 1)});
}

Question Compass(Prng& rng)
{
    static const QStringList points = {"north", "north-east", "east", "south-east",
                                       "south", "south-west", "west", "north-west"};
    const int start = rng.range(0, 7);
    const int eighths = rng.pick(QList<int>{2, 4, 6, 1, 3});
    const bool clockwise = rng.chance(50);
    const int end = (start + (clockwise ? eighths : 8 - eighths)) % 8;
    return Make(Para(QStringLiteral(
                         "Ella faces <b>%1</b>. She turns %2&deg; %3. Which way does she face now?")
                         .arg(points.at(start))
                         .arg(eighths * 45)
                         .arg(clockwise ? "clockwise" : "anticlockwise")),
                {WordPart(QString(), points.at(end))},
                QStringLiteral("Write a direction, like north or south-east."));
}

Question EstimateAngle(Prng& rng)
{
    const int degrees = rng.pick(QList<int>{30, 45, 60, 120, 135, 150});
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which is the best estimate of the marked angle?")),
        MakeChoice(rng, QStringLiteral("%1&deg;").arg(degrees),
                   {QStringLiteral("%1&deg;").arg(180 - degrees),
                    QStringLiteral("%1&deg;").arg(degrees + 180), QStringLiteral("90&deg;"),
                    QStringLiteral("%1&deg;").arg(360 - degrees)}));
    q.pictures = {AnglePicture(degrees, QString())};
    return q;
}

Question RectangleSizes(Prng& rng)
{
    const int w = rng.range(4, 15), h = rng.range(2, 9);
    const QString unit = rng.chance(50) ? QStringLiteral("cm") : QStringLiteral("m");
    Question q = Make(
        Para(QStringLiteral("Here is a rectangle.")),
        {NumberPart(QStringLiteral("Work out its perimeter, in %1.").arg(unit), 2 * (w + h)),
         NumberPart(QStringLiteral("Work out its area, in %1<sup>2</sup>.").arg(unit), w * h)});
    q.pictures = {RectanglePicture(w, h, unit)};
    return q;
}

Question LShape(Prng& rng)
{
    const int w = rng.range(8, 16), h = rng.range(6, 12);
    const int cw = rng.range(2, w - 3), ch = rng.range(2, h - 2);
    Question q = Make(
        Para(QStringLiteral("The shape is made from rectangles. All corners are right angles.")),
        {NumberPart(QStringLiteral("Work out its area, in cm<sup>2</sup>."), w * h - cw * ch, 2),
         NumberPart(QStringLiteral("Work out its perimeter, in cm."), 2 * (w + h))});
    q.pictures = {LShapePicture(w, h, cw, ch, QStringLiteral("cm"))};
    return q;
}

Question GridArea(Prng& rng)
{
    // A shape of whole squares grown from one square, one neighbour at a time.
    QList<QPoint> cells = {QPoint(rng.range(3, 7), rng.range(3, 5))};
    const int size = rng.range(5, 12);
    while (cells.size() < size) {
        const QPoint from = rng.pick(cells);
        const QPoint step = rng.pick(QList<QPoint>{{1, 0}, {-1, 0}, {0, 1}, {0, -1}});
        const QPoint next = from + step;
        if (next.x() >= 1 && next.x() <= 10 && next.y() >= 1 && next.y() <= 7 &&
            !cells.contains(next))
            cells.append(next);
    }
    int perimeter = 0;
    for (const QPoint& c : cells) {
        for (const QPoint& step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            perimeter += cells.contains(c + step) ? 0 : 1;
    }
    Question q =
        Make(Para(QStringLiteral("Each square on the grid is 1 cm by 1 cm.")),
             {NumberPart(QStringLiteral("What is the area of the shaded shape, in cm<sup>2</sup>?"),
                         int(cells.size())),
              NumberPart(QStringLiteral("What is its perimeter, in cm?"), perimeter)});
    q.pictures = {GridShape(cells)};
    return q;
}

Question MissingSide(Prng& rng)
{
    const int w = rng.range(3, 20), h = rng.range(2, 15);
    return Make(Para(QStringLiteral("A rectangle has a perimeter of %1 cm. One side is %2 cm long.")
                         .arg(2 * (w + h))
                         .arg(w)),
                {NumberPart(QStringLiteral("How long is the other side, in cm?"), h)});
}

Question SquareSide(Prng& rng)
{
    const int side = rng.range(3, 12);
    return Make(Para(QStringLiteral("A square has an area of %1 cm<sup>2</sup>.").arg(side * side)),
                {NumberPart(QStringLiteral("How long is each side, in cm?"), side),
                 NumberPart(QStringLiteral("What is its perimeter, in cm?"), 4 * side)});
}

Question CuboidVolume(Prng& rng)
{
    const int l = rng.range(3, 10), w = rng.range(2, 6), h = rng.range(2, 6);
    Question q = Make(Para(QStringLiteral("Work out the volume of the cuboid, in cm<sup>3</sup>.")),
                      {NumberPart(QString(), l * w * h)});
    q.pictures = {CuboidPicture(l, w, h, QStringLiteral("cm"))};
    return q;
}

} // namespace

QList<Generator> AngleKinds()
{
    return {KindOfAngle, OnStraightLine, AroundPoint, InTriangle, Turns, Compass, EstimateAngle};
}

QList<Generator> AreaKinds()
{
    return {RectangleSizes, LShape, GridArea, MissingSide, SquareSide, CuboidVolume};
}

} // namespace orlavine::pack
