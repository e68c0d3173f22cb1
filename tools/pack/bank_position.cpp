// Position and direction: coordinates, moves, corners.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

QString Point(QPoint p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

const char* const kNotePoint = "Write coordinates in brackets with a comma, like (3,5).";

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

Question ReadPoints(Prng& rng)
{
    const QList<QPoint> points = DistinctPoints(rng, 2, 1, 8);
    Question q = Make(Para(QStringLiteral("Write the coordinates of each point.")),
                      {ExactPart(QStringLiteral("Point A"), 'R', Point(points.at(0))),
                       ExactPart(QStringLiteral("Point B"), 'R', Point(points.at(1)))},
                      QLatin1String(kNotePoint));
    q.pictures = {CoordinateGrid(
        8, false, {{QStringLiteral("A"), points.at(0)}, {QStringLiteral("B"), points.at(1)}})};
    return q;
}

Question WhichPoint(Prng& rng)
{
    const QList<QPoint> points = DistinctPoints(rng, 4, 1, 8);
    const int right = rng.range(0, 3);
    QList<QPair<QString, QPoint>> marked;
    for (int i = 0; i < 4; ++i)
        marked.append({QString(QChar('P' + i)), points.at(i)});
    Question q = Make(Para(QStringLiteral("Which point is at <b>%1</b>? Write its letter.")
                               .arg(Point(points.at(right)))),
                      {WordPart(QString(), QString(QChar('P' + right)))});
    q.pictures = {CoordinateGrid(8, false, marked)};
    return q;
}

Question FourQuadrants(Prng& rng)
{
    // At least one point away from the first quadrant.
    QList<QPoint> points = DistinctPoints(rng, 2, -5, 5);
    if (points.at(0).x() > 0 && points.at(0).y() > 0 && points.at(1).x() > 0 &&
        points.at(1).y() > 0)
        points[0].setX(-points.at(0).x());
    Question q = Make(Para(QStringLiteral("Write the coordinates of points C and D.")),
                      {ExactPart(QStringLiteral("Point C"), 'R', Point(points.at(0))),
                       ExactPart(QStringLiteral("Point D"), 'R', Point(points.at(1)))},
                      QStringLiteral("Write coordinates in brackets with a comma, like (-2,4)."));
    q.pictures = {CoordinateGrid(
        5, true, {{QStringLiteral("C"), points.at(0)}, {QStringLiteral("D"), points.at(1)}})};
    return q;
}

Question Translate(Prng& rng)
{
    const QPoint p(rng.range(1, 6), rng.range(1, 6));
    const QPoint move(rng.range(1, 4), rng.range(-1, 3));
    const QString up = move.y() == 0  ? QString()
                       : move.y() > 0 ? QStringLiteral(" and %1 up").arg(move.y())
                                      : QStringLiteral(" and %1 down").arg(-move.y());
    return Make(Para(QStringLiteral("Point P is at %1. It moves %2 squares right%3.")
                         .arg(Point(p))
                         .arg(move.x())
                         .arg(up)),
                {ExactPart(QStringLiteral("What are its new coordinates?"), 'R', Point(p + move))},
                QLatin1String(kNotePoint));
}

Question SquareCorner(Prng& rng)
{
    const int x = rng.range(1, 5), y = rng.range(1, 5), s = rng.range(2, 4);
    QList<QPoint> corners = {{x, y}, {x + s, y}, {x + s, y + s}, {x, y + s}};
    const int missing = rng.range(0, 3);
    const QPoint answer = corners.takeAt(missing);
    return Make(Para(QStringLiteral("Three corners of a square are at %1, %2 and %3.")
                         .arg(Point(corners.at(0)), Point(corners.at(1)), Point(corners.at(2)))),
                {ExactPart(QStringLiteral("What are the coordinates of the fourth corner?"), 'R',
                           Point(answer))},
                QLatin1String(kNotePoint));
}

} // namespace

QList<Generator> PositionKinds()
{
    return {ReadPoints, WhichPoint, FourQuadrants, Translate, Translate, SquareCorner};
}

} // namespace orlavine::pack
