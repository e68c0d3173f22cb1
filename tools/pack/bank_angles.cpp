// Angles and turns; perimeter, area and volume.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"

#include <algorithm>
#include <cstdlib>

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
    // Well away from a right angle and a straight line, so that the picture decides it.
    const int degrees = 5 * rng.pick(QList<int>{rng.range(3, 15), rng.range(21, 33),
                                                rng.range(39, 66)});
    const QString word = AngleWord(degrees);
    const bool told = rng.chance(50); // the size given in words, or only drawn
    Question q =
        Make(Para((told ? QStringLiteral("An angle measures %1&deg;. Is it ").arg(degrees)
                        : QStringLiteral("Is the marked angle ")) +
                  QStringLiteral("<b>acute</b>, <b>obtuse</b> or <b>reflex</b>?")),
             {AlternativesPart(QString(),
                               {word, word + QStringLiteral(" angle"),
                                (degrees < 180 ? QStringLiteral("an ") : QStringLiteral("a ")) +
                                    word + QStringLiteral(" angle")})});
    if (!told)
        q.pictures = {AnglePicture(degrees, QString())};
    return q;
}

Question OnStraightLine(Prng& rng)
{
    const int known = rng.range(25, 155);
    Question q =
        Make(Para(QStringLiteral("Angle <i>x</i> and an angle of %1&deg; lie on a straight "
                                 "line. Work out the size of angle <i>x</i>.")
                      .arg(known)),
             {MeasurePart(QString(), 180 - known, 0, units::kDegrees)});
    q.pictures = {StraightLineAngles(known)};
    return q;
}

Question AroundPoint(Prng& rng)
{
    const int a = rng.range(60, 130), b = rng.range(50, 120);
    Question q =
        Make(Para(QStringLiteral(
                      "Angles of %1&deg;, %2&deg; and <i>x</i> meet at a point. Angles around "
                      "a point add up to 360&deg;. Work out angle <i>x</i>.")
                      .arg(a)
                      .arg(b)),
             {MeasurePart(QString(), 360 - a - b, 0, units::kDegrees)});
    q.pictures = {PointAngles({a, b})};
    return q;
}

Question InTriangle(Prng& rng)
{
    const int a = rng.range(35, 80), b = rng.range(35, 80);
    Question q = Make(
        Para(QStringLiteral("A triangle has angles of %1&deg;, %2&deg; and <i>x</i>. Work out the "
                            "size of angle <i>x</i>.")
                 .arg(a)
                 .arg(b)),
        {MeasurePart(QString(), 180 - a - b, 0, units::kDegrees, 2)});
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
        {MeasurePart(QStringLiteral("How many degrees are there in a %1 turn?").arg(names.at(k)),
                     90 * (k + 1), 0, units::kDegrees),
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
    // "north-east" also as "north east", "northeast" and "NE".
    const QString facing = points.at(end);
    QStringList forms = {facing};
    if (facing.contains(QLatin1Char('-'))) {
        forms += {QString(facing).replace(QLatin1Char('-'), QLatin1Char(' ')),
                  QString(facing).remove(QLatin1Char('-')),
                  QString(facing.front()) + facing.at(facing.indexOf(QLatin1Char('-')) + 1)};
    } else {
        forms.append(QString(facing.front()));
    }
    return Make(Para(QStringLiteral(
                         "%1 faces <b>%2</b>. She turns %3&deg; %4. Which way does she face now?")
                         .arg(rng.pick(QStringList{"Ella", "Bea", "Fatima", "Maya", "Zara"}),
                              points.at(start))
                         .arg(eighths * 45)
                         .arg(clockwise ? "clockwise" : "anticlockwise")),
                {AlternativesPart(QString(), forms)},
                QStringLiteral("Write a direction, like north or south-east."));
}

Question EstimateAngle(Prng& rng)
{
    // The angle drawn is a few degrees off a round estimate; an estimate fits when it is
    // within 10 degrees of it, and the others are at least 30 degrees away.
    const int estimate = 10 * rng.pick(QList<int>{rng.range(2, 8), rng.range(10, 17),
                                                  rng.range(19, 34)});
    const int degrees = estimate + rng.range(-4, 4);
    QList<int> candidates = {180 - estimate, 360 - estimate, estimate + 180, 90, 180,
                             estimate / 2, estimate + 60, estimate - 60};
    rng.shuffle(candidates);
    auto option = [degrees](int value) {
        return Option{QStringLiteral("%1&deg;").arg(value), std::abs(value - degrees) <= 10};
    };
    QList<Option> options = {option(estimate)};
    for (int value : candidates) {
        if (options.size() < 4 && value > 0 && value < 360 && std::abs(value - degrees) >= 30 &&
            std::none_of(options.cbegin(), options.cend(),
                         [&](const Option& o) { return o.text == option(value).text; }))
            options.append(option(value));
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which is the best estimate of the marked angle?")),
        UniqueChoice(rng, options));
    q.pictures = {AnglePicture(degrees, QString())};
    return q;
}

Question RectangleSizes(Prng& rng)
{
    const int w = rng.range(4, 15);
    int h = rng.range(2, 9);
    if (h == w) // a rectangle, not a square
        --h;
    const bool metres = rng.chance(50);
    Question q =
        Make(Para(QStringLiteral("Here is a rectangle %1 %3 long and %2 %3 wide.")
                      .arg(w)
                      .arg(h)
                      .arg(metres ? QStringLiteral("m") : QStringLiteral("cm"))),
             {MeasurePart(QStringLiteral("Work out its perimeter."), 2 * (w + h), 0,
                          metres ? units::kM : units::kCm),
              MeasurePart(QStringLiteral("Work out its area."), w * h, 0,
                          metres ? units::kSquareM : units::kSquareCm)});
    q.pictures = {RectanglePicture(w, h, metres ? QStringLiteral("m") : QStringLiteral("cm"))};
    return q;
}

Question LShape(Prng& rng)
{
    const int w = rng.range(8, 16), h = rng.range(6, 12);
    const int cw = rng.range(2, w - 3), ch = rng.range(2, h - 2);
    Question q = Make(
        Para(QStringLiteral("The shape is made from rectangles. It is %1 cm wide and %2 cm tall, "
                            "and all its corners are right angles.")
                 .arg(w)
                 .arg(h)),
        {MeasurePart(QStringLiteral("Work out its area."), w * h - cw * ch, 0, units::kSquareCm, 2),
         MeasurePart(QStringLiteral("Work out its perimeter."), 2 * (w + h), 0, units::kCm)});
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
        Make(Para(QStringLiteral("%1 shades a shape on squared paper. Each square is 1 cm by 1 cm.")
                      .arg(Name(rng))),
             {MeasurePart(QStringLiteral("What is the area of the shaded shape?"),
                          int(cells.size()), 0, units::kSquareCm),
              MeasurePart(QStringLiteral("What is its perimeter?"), perimeter, 0, units::kCm)});
    q.pictures = {GridShape(cells)};
    return q;
}

Question MissingSide(Prng& rng)
{
    const int w = rng.range(3, 20);
    int h = rng.range(2, 15);
    if (h == w) // a rectangle, not a square
        --h;
    return Make(Para(QStringLiteral("A rectangle has a perimeter of %1 cm. One side is %2 cm long.")
                         .arg(2 * (w + h))
                         .arg(w)),
                {MeasurePart(QStringLiteral("How long is a side next to it?"), h, 0, units::kCm)});
}

Question SquareSide(Prng& rng)
{
    const int side = rng.range(3, 12);
    return Make(Para(QStringLiteral("A square has an area of %1 cm<sup>2</sup>.").arg(side * side)),
                {MeasurePart(QStringLiteral("How long is each side?"), side, 0, units::kCm),
                 MeasurePart(QStringLiteral("What is its perimeter?"), 4 * side, 0, units::kCm)});
}

Question CuboidVolume(Prng& rng)
{
    const int l = rng.range(7, 12), w = rng.range(2, 6), h = rng.range(2, 6);
    Question q =
        Make(Para(QStringLiteral("Work out the volume of the cuboid, %1 cm by %2 cm by %3 cm.")
                      .arg(l)
                      .arg(w)
                      .arg(h)),
             {MeasurePart(QString(), l * w * h, 0, units::kCubicCm)});
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
