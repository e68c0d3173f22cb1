// Position and direction: coordinates, moves, corners.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"

#include <algorithm>
#include <cstdlib>

namespace orlavine::pack {

namespace {

QString Point(QPoint p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

const char* const kNotePoint = "Write coordinates in brackets with a comma, like (3,5).";

/// Coordinates, which must be written in brackets with a comma.
Part PointPart(const QString& prompt, QPoint p)
{
    return FormPart(prompt, 'R', Point(p), QStringLiteral("as (x,y)"));
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
    Question q = Make(Para(QStringLiteral("Which point is at <b>%1</b>? Write its letter.")
                               .arg(Point(target))),
                      {AlternativesPart(QString(), {QString(QChar('p' + choice.right)),
                                                    QStringLiteral("point ") +
                                                        QChar('p' + choice.right)})});
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
    const QString across = squares(std::abs(dx)) + (dx > 0 ? QStringLiteral(" right")
                                                           : QStringLiteral(" left"));
    const QString up = dy == 0  ? QString()
                       : dy > 0 ? QStringLiteral(" and %1 up").arg(squares(dy))
                                : QStringLiteral(" and %1 down").arg(squares(-dy));
    return Make(Para(QStringLiteral("Point P is at %1. It moves %2%3.")
                         .arg(Point(p), across, up)),
                {PointPart(QStringLiteral("What are its new coordinates?"), p + QPoint(dx, dy))},
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
                {PointPart(QStringLiteral("What are the coordinates of the fourth corner?"),
                           answer)},
                QLatin1String(kNotePoint));
}

} // namespace

QList<Generator> PositionKinds()
{
    return {ReadPoints, WhichPoint, FourQuadrants, Translate, Translate, SquareCorner};
}

} // namespace orlavine::pack
