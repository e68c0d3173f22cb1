// Angles and turns; perimeter, area and volume.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orlavine::pack {

namespace {

QString Deg(int degrees)
{
    return QStringLiteral("%1&deg;").arg(degrees);
}

/// Degrees as a picture writes them.
QString DrawnDeg(int degrees)
{
    return QStringLiteral("%1\u00B0").arg(degrees);
}

/// An arc from direction a to b (degrees anticlockwise) at vertex v, labelled beyond it;
/// a square corner for a right angle.
void Arc(Svg& svg, QPointF v, double a, double b, const QString& label, double r = 30)
{
    if (std::fabs(b - a - 90) < 0.01) {
        const QPointF p = Svg::polar(v, 16, a), q = Svg::polar(v, 16, b);
        svg.polyline({p, p + (q - v), q}, colour::kSlate, 1.5);
    } else {
        svg.path(QStringLiteral("M%1 A%2,%2 0 %3 0 %4")
                     .arg(Svg::pt(Svg::polar(v, r, a)), Svg::num(r),
                          b - a > 180 ? QStringLiteral("1") : QStringLiteral("0"),
                          Svg::pt(Svg::polar(v, r, b))),
                 "none", colour::kRed, 2);
    }
    if (!label.isEmpty())
        svg.text(Svg::polar(v, r + 18, (a + b) / 2) + QPointF(0, 5), label, 14, "middle", true,
                 colour::kRed);
}

QString AngleWord(int degrees)
{
    if (degrees < 90)
        return QStringLiteral("acute");
    if (degrees == 90)
        return QStringLiteral("right");
    return degrees < 180 ? QStringLiteral("obtuse") : QStringLiteral("reflex");
}

/// Why an angle of `degrees` is of its kind.
QString AngleReason(int degrees)
{
    if (degrees < 90)
        return QStringLiteral("It is less than a right angle (90&deg;), so it is acute.");
    if (degrees == 90)
        return QStringLiteral("It is exactly a quarter turn, so it is a right angle.");
    if (degrees < 180)
        return QStringLiteral("It is more than a right angle (90&deg;) but less than a straight "
                              "line (180&deg;), so it is obtuse.");
    return QStringLiteral("It is more than a straight line (180&deg;), so it is reflex.");
}

/// The angle of AnglePicture's kind with a right angle and a straight line dashed beside
/// it, to compare with, and its size written by the arc.
Picture AngleWithGuides(int degrees)
{
    Svg svg(300, 240);
    const bool reflex = degrees > 180;
    const QPointF v(degrees > 90 ? 150 : 70, reflex ? 120 : (degrees > 90 ? 170 : 200));
    const double ray = reflex ? 100 : 130;
    svg.dashed(v, Svg::polar(v, ray, 90));
    svg.dashed(v, Svg::polar(v, ray * (degrees > 90 ? 1 : 0.5), 180));
    svg.line(v, Svg::polar(v, ray, 0), colour::kInk, 3);
    svg.line(v, Svg::polar(v, ray, degrees), colour::kInk, 3);
    Arc(svg, v, 0, degrees, QString(), 34);
    // The size beside the arc, clear of the dashed right angle.
    const double mid = degrees / 2.0;
    const QPointF at = Svg::polar(v, 56, mid) + QPointF(0, 5);
    svg.text(mid < 90 ? QPointF(std::max(at.x(), v.x() + 8), at.y())
                      : QPointF(std::min(at.x(), v.x() - 8), at.y()),
             DrawnDeg(degrees), 14, mid < 90 ? "start" : "end", true, colour::kRed);
    return Picture{svg.finish(),
                   QStringLiteral("The angle beside a right angle and a straight line")};
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
    if (!told) {
        q.pictures = {AnglePicture(degrees, QString())};
        q.workingPictures = {AngleWithGuides(degrees)};
    }
    q.working = {told ? QStringLiteral("Compare %1 with 90&deg; and 180&deg;.").arg(Deg(degrees))
                      : QStringLiteral("Compare the angle with a right angle (a square corner) "
                                       "and a straight line."),
                 AngleReason(degrees)};
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
    q.working = {
        QStringLiteral("Angles on a straight line add up to 180&deg;."),
        QStringLiteral("<i>x</i> = 180&deg; &minus; %1 = %2.").arg(Deg(known), Deg(180 - known))};
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
    q.working = {
        QStringLiteral("The two angles you know make %1 + %2 = %3.")
            .arg(Deg(a), Deg(b), Deg(a + b)),
        QStringLiteral("<i>x</i> = 360&deg; &minus; %1 = %2.").arg(Deg(a + b), Deg(360 - a - b))};
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
    q.working = {
        QStringLiteral("The angles of a triangle add up to 180&deg;."),
        QStringLiteral("%1 + %2 = %3.").arg(Deg(a), Deg(b), Deg(a + b)),
        QStringLiteral("<i>x</i> = 180&deg; &minus; %1 = %2.").arg(Deg(a + b), Deg(180 - a - b))};
    return q;
}

Question Turns(Prng& rng)
{
    // Turns of 1 to 6 quarter turns.
    static const QStringList turns = {"a quarter turn",     "a half turn",
                                      "a three-quarter turn", "a whole turn",
                                      "one and a quarter turns", "one and a half turns"};
    const int k = rng.range(0, 5);
    const int right = rng.range(0, 5);
    auto capital = [](QString text) { return text.replace(0, 1, text.at(0).toUpper()); };
    Question q = Make(
        Para(QStringLiteral("Think about turning on the spot.")),
        {MeasurePart(QStringLiteral("How many degrees are there in %1?").arg(turns.at(k)),
                     90 * (k + 1), 0, units::kDegrees),
         NumberPart(QStringLiteral("How many right angles make %1?").arg(turns.at(right)),
                    right + 1)});
    q.working = {QStringLiteral("A whole turn is 360&deg; and a quarter turn is one right angle, "
                                "90&deg;."),
                 QStringLiteral("(a) %1 is %2 quarter %3: %2 &times; 90&deg; = %4.")
                     .arg(capital(turns.at(k)))
                     .arg(k + 1)
                     .arg(k == 0 ? "turn" : "turns", Deg(90 * (k + 1))),
                 QStringLiteral("(b) %1 is %2 quarter %3, so %2 right %4.")
                     .arg(capital(turns.at(right)))
                     .arg(right + 1)
                     .arg(right == 0 ? "turn" : "turns", right == 0 ? "angle" : "angles")};
    return q;
}

const QStringList kPoints = {"north", "north-east", "east", "south-east",
                             "south", "south-west", "west", "north-west"};

Question Compass(Prng& rng)
{
    const int start = rng.range(0, 7);
    const int eighths = rng.pick(QList<int>{2, 4, 6, 1, 3});
    const bool clockwise = rng.chance(50);
    const int end = (start + (clockwise ? eighths : 8 - eighths)) % 8;
    // "north-east" also as "north east", "northeast" and "NE".
    const QString facing = kPoints.at(end);
    QStringList forms = {facing};
    if (facing.contains(QLatin1Char('-'))) {
        forms += {QString(facing).replace(QLatin1Char('-'), QLatin1Char(' ')),
                  QString(facing).remove(QLatin1Char('-')),
                  QString(facing.front()) + facing.at(facing.indexOf(QLatin1Char('-')) + 1)};
    } else {
        forms.append(QString(facing.front()));
    }
    const QString who = rng.pick(QStringList{"Ella", "Bea", "Fatima", "Maya", "Zara"});
    Question q =
        Make(Para(QStringLiteral(
                      "%1 faces <b>%2</b>. She turns %3&deg; %4. Which way does she face now?")
                      .arg(who, kPoints.at(start))
                      .arg(eighths * 45)
                      .arg(clockwise ? "clockwise" : "anticlockwise")),
             {AlternativesPart(QString(), forms)},
             QStringLiteral("Write a direction, like north or south-east."));
    QStringList passed;
    for (int i = 1; i <= eighths; ++i)
        passed.append(kPoints.at((start + (clockwise ? i : 8 - i)) % 8));
    q.working = {QStringLiteral("The eight points of the compass are 45&deg; apart: %1&deg; is %2 "
                                "&times; 45&deg;, %2 %3.")
                     .arg(eighths * 45)
                     .arg(eighths)
                     .arg(eighths == 1 ? "point" : "points"),
                 QStringLiteral("Turning %1 from %2: %3.")
                     .arg(clockwise ? "clockwise" : "anticlockwise", kPoints.at(start),
                          passed.join(QStringLiteral(", "))),
                 QStringLiteral("So %1 faces %2.").arg(who, facing)};
    return q;
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
    q.workingPictures = {AngleWithGuides(degrees)};
    q.working = {AngleReason(degrees),
                 degrees < 90
                     ? QStringLiteral("Half a right angle is 45&deg;: compare the angle with it.")
                 : degrees < 180 ? QStringLiteral("Compare how far it opens past the right angle "
                                                  "with a quarter turn.")
                                 : QStringLiteral("Compare how far it opens past the straight line "
                                                  "with a right angle."),
                 QStringLiteral("The other estimates are far off; the best estimate is %1.")
                     .arg(Deg(estimate))};
    return q;
}

/// Two straight lines crossing, one angle known, x opposite it and y next to it.
Picture CrossingLines(int known, bool labelsShown)
{
    Svg svg(320, 240);
    const QPointF v(160, 120);
    const double turn = 10;
    svg.line(Svg::polar(v, 140, turn), Svg::polar(v, 140, turn + 180), colour::kInk, 3);
    svg.line(Svg::polar(v, 130, turn + known), Svg::polar(v, 130, turn + known + 180),
             colour::kInk, 3);
    Arc(svg, v, turn, turn + known, DrawnDeg(known), 34);
    Arc(svg, v, turn + 180, turn + 180 + known, labelsShown ? DrawnDeg(known) : QStringLiteral("x"),
        34);
    Arc(svg, v, turn + known, turn + 180, labelsShown ? DrawnDeg(180 - known) : QStringLiteral("y"),
        44);
    return Picture{svg.finish(), QStringLiteral("Two straight lines crossing")};
}

Question VerticallyOpposite(Prng& rng)
{
    const int known = rng.range(35, 145);
    Question q = Make(
        Para(QStringLiteral("Two straight lines cross. One of the angles is %1.").arg(Deg(known))),
        {MeasurePart(QStringLiteral("Work out angle <i>x</i>."), known, 0, units::kDegrees),
         MeasurePart(QStringLiteral("Work out angle <i>y</i>."), 180 - known, 0, units::kDegrees)});
    q.pictures = {CrossingLines(known, false)};
    q.workingPictures = {CrossingLines(known, true)};
    q.working = {QStringLiteral("(a) <i>x</i> is opposite the %1 angle, and opposite angles are "
                                "equal: <i>x</i> = %1.")
                     .arg(Deg(known)),
                 QStringLiteral("(b) <i>y</i> and %1 lie on a straight line: <i>y</i> = 180&deg; "
                                "&minus; %1 = %2.")
                     .arg(Deg(known), Deg(180 - known))};
    return q;
}

Question IsoscelesAngles(Prng& rng)
{
    Question q;
    if (rng.chance(50)) {
        const int apex = 2 * rng.range(10, 70);
        const int base = (180 - apex) / 2;
        q = Make(Para(QStringLiteral("An isosceles triangle has two equal angles. Its third angle "
                                     "is %1.")
                          .arg(Deg(apex))),
                 {MeasurePart(QStringLiteral("What size is each of the equal angles?"), base, 0,
                              units::kDegrees, 2)});
        q.working = {QStringLiteral("The angles of a triangle add up to 180&deg;: 180&deg; "
                                    "&minus; %1 = %2 for the two equal angles.")
                         .arg(Deg(apex), Deg(180 - apex)),
                     QStringLiteral("%1 &divide; 2 = %2.").arg(Deg(180 - apex), Deg(base))};
    } else {
        const int base = rng.range(20, 85);
        const int apex = 180 - 2 * base;
        q = Make(Para(QStringLiteral("An isosceles triangle has two equal angles of %1 each.")
                          .arg(Deg(base))),
                 {MeasurePart(QStringLiteral("What size is the third angle?"), apex, 0,
                              units::kDegrees, 2)});
        q.working = {QStringLiteral("The two equal angles make 2 &times; %1 = %2.")
                         .arg(Deg(base), Deg(2 * base)),
                     QStringLiteral("The angles add up to 180&deg;: 180&deg; &minus; %1 = %2.")
                         .arg(Deg(2 * base), Deg(apex))};
    }
    return q;
}

Question QuadrilateralAngles(Prng& rng)
{
    QList<int> angles;
    int sum = 0;
    do {
        angles = {rng.range(50, 140), rng.range(50, 140), rng.range(50, 140)};
        sum = angles.at(0) + angles.at(1) + angles.at(2);
    } while (360 - sum < 40 || 360 - sum > 170 || std::abs(360 - sum - 90) < 6);
    const int x = 360 - sum;
    const QString word = AngleWord(x);
    Question q =
        Make(Para(QStringLiteral("Three angles of a quadrilateral are %1, %2 and %3. "
                                 "The fourth angle is <i>x</i>.")
                      .arg(Deg(angles.at(0)), Deg(angles.at(1)), Deg(angles.at(2)))),
             {MeasurePart(QStringLiteral("Work out angle <i>x</i>."), x, 0, units::kDegrees, 2),
              AlternativesPart(QStringLiteral("Is angle <i>x</i> acute or obtuse?"),
                               {word, word + QStringLiteral(" angle"),
                                QStringLiteral("an ") + word + QStringLiteral(" angle")})});
    q.working = {QStringLiteral("The angles of a quadrilateral add up to 360&deg;."),
                 QStringLiteral("%1 + %2 + %3 = %4.")
                     .arg(Deg(angles.at(0)), Deg(angles.at(1)), Deg(angles.at(2)), Deg(sum)),
                 QStringLiteral("<i>x</i> = 360&deg; &minus; %1 = %2.").arg(Deg(sum), Deg(x)),
                 QStringLiteral("(b) %1").arg(AngleReason(x))};
    return q;
}

Question ClockTurn(Prng& rng)
{
    Question q;
    if (rng.chance(50)) {
        const int from = rng.range(1, 12), steps = rng.range(2, 9);
        const int to = (from + steps - 1) % 12 + 1;
        q = Make(Para(QStringLiteral("The minute hand of a clock points at %1. It turns clockwise "
                                     "until it points at %2.")
                          .arg(from)
                          .arg(to)),
                 {MeasurePart(QStringLiteral("Through how many degrees has it turned?"), 30 * steps,
                              0, units::kDegrees, 2)});
        q.working = {QStringLiteral("A whole turn, 360&deg;, passes 12 numbers: from one number "
                                    "to the next is 360&deg; &divide; 12 = 30&deg;."),
                     QStringLiteral("From %1 to %2 is %3 numbers: %3 &times; 30&deg; = %4.")
                         .arg(from)
                         .arg(to)
                         .arg(steps)
                         .arg(Deg(30 * steps))};
    } else {
        const int minutes = 5 * rng.range(2, 11);
        q = Make(Para(QStringLiteral("How many degrees does the minute hand of a clock turn in "
                                     "%1 minutes?")
                          .arg(minutes)),
                 {MeasurePart(QString(), 6 * minutes, 0, units::kDegrees, 2)});
        q.working = {QStringLiteral("In 60 minutes it turns all the way round: 360&deg;."),
                     QStringLiteral("In 5 minutes it turns 360&deg; &divide; 12 = 30&deg;."),
                     QStringLiteral("%1 minutes is %2 lots of 5 minutes: %2 &times; 30&deg; = %3.")
                         .arg(minutes)
                         .arg(minutes / 5)
                         .arg(Deg(6 * minutes))};
    }
    return q;
}

/// A right angle split in two: the known part and x.
Picture SplitRightAngle(int known, const QString& xLabel)
{
    Svg svg(260, 240);
    const QPointF v(50, 200);
    svg.line(v, Svg::polar(v, 190, 0), colour::kInk, 3);
    svg.line(v, Svg::polar(v, 180, 90), colour::kInk, 3);
    svg.line(v, Svg::polar(v, 185, known), colour::kInk, 3);
    const QPointF p = Svg::polar(v, 14, 0), q = Svg::polar(v, 14, 90);
    svg.polyline({p, p + (q - v), q}, colour::kSlate, 1.5);
    Arc(svg, v, 0, known, DrawnDeg(known), 70);
    Arc(svg, v, known, 90, xLabel, 110);
    return Picture{svg.finish(), QStringLiteral("A right angle split into two angles")};
}

Question RightAngleSplit(Prng& rng)
{
    const int known = rng.range(18, 72);
    Question q = Make(Para(QStringLiteral("The corner marked with a square is a right angle. It is "
                                          "split into an angle of %1 and angle <i>x</i>.")
                               .arg(Deg(known))),
                      {MeasurePart(QStringLiteral("Work out angle <i>x</i>."), 90 - known, 0,
                                   units::kDegrees)});
    q.pictures = {SplitRightAngle(known, QStringLiteral("x"))};
    q.workingPictures = {SplitRightAngle(known, DrawnDeg(90 - known))};
    q.working = {
        QStringLiteral("The two angles make a right angle, 90&deg;."),
        QStringLiteral("<i>x</i> = 90&deg; &minus; %1 = %2.").arg(Deg(known), Deg(90 - known))};
    return q;
}

Question WhichAngleIs(Prng& rng)
{
    static const QStringList words = {"acute", "right", "obtuse", "reflex"};
    const int wanted = rng.range(0, 3);
    auto sizeOf = [&rng](int word) {
        switch (word) {
        case 0:
            return rng.range(10, 85);
        case 1:
            return 90;
        case 2:
            return rng.range(95, 175);
        default:
            return rng.range(185, 350);
        }
    };
    QList<int> sizes = {sizeOf(wanted)};
    while (sizes.size() < 4) {
        const int size = sizeOf(rng.range(0, 3));
        if (AngleWord(size) != words.at(wanted) && !sizes.contains(size))
            sizes.append(size);
    }
    QList<Option> options;
    for (int size : sizes)
        options.append({Deg(size), AngleWord(size) == words.at(wanted)});
    Question q = ChoiceQuestion(
        Para(wanted == 1
                 ? QStringLiteral("Which of these angles is a <b>right angle</b>?")
                 : QStringLiteral("Which of these angles is <b>%1</b>?").arg(words.at(wanted))),
        UniqueChoice(rng, options));
    QStringList each;
    for (int size : sizes)
        each.append(QStringLiteral("%1 is %2").arg(Deg(size), AngleWord(size)));
    q.working = {QStringLiteral("Acute is less than 90&deg;, a right angle is 90&deg;, obtuse is "
                                "between 90&deg; and 180&deg;, reflex is more than 180&deg;."),
                 QStringLiteral("%1.").arg(each.join(QStringLiteral("; "))),
                 QStringLiteral("So the answer is %1.").arg(Deg(sizes.first()))};
    return q;
}

Question RegularPolygonAngle(Prng& rng)
{
    static const QList<std::pair<int, const char*>> polygons = {
        {5, "pentagon"}, {6, "hexagon"}, {8, "octagon"}, {9, "nonagon"},
        {10, "decagon"}, {12, "dodecagon"}, {4, "square"}, {3, "equilateral triangle"},
        {15, "15-sided polygon"}, {20, "20-sided polygon"}};
    const auto [n, shape] = rng.pick(polygons);
    const QString name = (n > 4 ? QStringLiteral("regular ") : QString()) + QLatin1String(shape);
    const int total = (n - 2) * 180;
    Question q;
    switch (rng.range(0, 2)) {
    case 0:
        q = Make(Para(QStringLiteral("%1 has %2 sides. It can be cut into %3 triangles from one "
                                     "corner.")
                          .arg(WithArticle(name, true))
                          .arg(n)
                          .arg(n - 2)),
                 {MeasurePart(QStringLiteral("What do its angles add up to?"), total, 0,
                              units::kDegrees),
                  MeasurePart(QStringLiteral("What size is each angle?"), total / n, 0,
                              units::kDegrees, 2)});
        q.working = {
            QStringLiteral("Each triangle's angles add up to 180&deg;: %1 &times; 180&deg; "
                           "= %2.")
                .arg(n - 2)
                .arg(Deg(total)),
            QStringLiteral("All %1 angles of a regular shape are equal: %2 &divide; %1 = %3.")
                .arg(n)
                .arg(Deg(total), Deg(total / n))};
        break;
    case 1:
        q = Make(
            Para(QStringLiteral("A robot walks once round the edge of %1 with %2 sides. At "
                                "each corner it turns through the same angle, and by the end "
                                "it has made one whole turn.")
                     .arg(WithArticle(name))
                     .arg(n)),
            {MeasurePart(QStringLiteral("Through how many degrees does it turn at each corner?"),
                         360 / n, 0, units::kDegrees, 2)});
        q.working = {QStringLiteral("A whole turn is 360&deg;, shared equally between %1 corners.")
                         .arg(n),
                     QStringLiteral("360&deg; &divide; %1 = %2.").arg(n).arg(Deg(360 / n))};
        break;
    default:
        q = Make(
            Para(QStringLiteral("Every angle of a regular polygon is %1, and its angles add up "
                                "to %2.")
                     .arg(Deg(total / n), Deg(total))),
            {NumberPart(QStringLiteral("How many sides does it have?"), n, 2)});
        q.working = {
            QStringLiteral("The equal angles make up the total: count how many %1 go into %2.")
                .arg(Deg(total / n), Deg(total)),
            QStringLiteral("%1 &divide; %2 = %3, so it has %3 angles and %3 sides: it is %4.")
                .arg(total)
                .arg(total / n)
                .arg(n)
                .arg(WithArticle(QLatin1String(shape)))};
        break;
    }
    return q;
}

Question CompassTurnSize(Prng& rng)
{
    const int start = rng.range(0, 7);
    const int steps = rng.range(1, 7);
    const bool clockwise = rng.chance(50);
    const int end = (start + (clockwise ? steps : 8 - steps)) % 8;
    const QString who = Name(rng);
    Question q = Make(Para(QStringLiteral("%1 faces <b>%2</b> and turns %3 until facing <b>%4</b>.")
                               .arg(who, kPoints.at(start),
                                    clockwise ? "clockwise" : "anticlockwise", kPoints.at(end))),
                      {MeasurePart(QStringLiteral("How many degrees does %1 turn?").arg(who),
                                   45 * steps, 0, units::kDegrees)});
    QStringList passed;
    for (int i = 1; i <= steps; ++i)
        passed.append(kPoints.at((start + (clockwise ? i : 8 - i)) % 8));
    q.working = {QStringLiteral("Turning %1 from %2 passes %3: %4 %5.")
                     .arg(clockwise ? "clockwise" : "anticlockwise", kPoints.at(start),
                          passed.join(QStringLiteral(", ")))
                     .arg(steps)
                     .arg(steps == 1 ? "point" : "points"),
                 QStringLiteral("Each point is 45&deg; on: %1 &times; 45&deg; = %2.")
                     .arg(steps)
                     .arg(Deg(45 * steps))};
    return q;
}

Question ReflexAngle(Prng& rng)
{
    const int small = rng.range(25, 170);
    const int reflex = 360 - small;
    Question q = Make(Para(QStringLiteral("The angle between the two arms, inside, is %1. Angle "
                                          "<i>r</i> goes the long way round.")
                               .arg(Deg(small))),
                      {MeasurePart(QStringLiteral("Work out the reflex angle <i>r</i>."), reflex, 0,
                                   units::kDegrees)});
    q.pictures = {AnglePicture(reflex, QStringLiteral("r"))};
    q.working = {
        QStringLiteral("The two angles make a whole turn, 360&deg;."),
        QStringLiteral("<i>r</i> = 360&deg; &minus; %1 = %2.").arg(Deg(small), Deg(reflex))};
    return q;
}

Question RectangleSizes(Prng& rng)
{
    const int w = rng.range(4, 15);
    const int h = rng.range(2, std::min(9, w - 1)); // a rectangle, not a square, longer than wide
    const bool metres = rng.chance(50);
    const QString u = metres ? QStringLiteral("m") : QStringLiteral("cm");
    Question q =
        Make(Para(QStringLiteral("Here is a rectangle %1 %3 long and %2 %3 wide.")
                      .arg(w)
                      .arg(h)
                      .arg(u)),
             {MeasurePart(QStringLiteral("Work out its perimeter."), 2 * (w + h), 0,
                          metres ? units::kM : units::kCm),
              MeasurePart(QStringLiteral("Work out its area."), w * h, 0,
                          metres ? units::kSquareM : units::kSquareCm)});
    q.pictures = {RectanglePicture(w, h, u)};
    q.working = {
        QStringLiteral("(a) Perimeter: all the way round, %1 + %2 + %1 + %2 = %3 %4.")
            .arg(w)
            .arg(h)
            .arg(2 * (w + h))
            .arg(u),
        QStringLiteral("(b) Area: length &times; width = %1 &times; %2 = %3 %4<sup>2</sup>.")
            .arg(w)
            .arg(h)
            .arg(w * h)
            .arg(u)};
    return q;
}

/// The L shape of LShapePicture inside its whole rectangle, the missing corner dashed and
/// its sides labelled.
Picture LShapeWorked(int width, int height, int cutWidth, int cutHeight)
{
    Svg svg(380, 250);
    const double scale = std::min(250.0 / width, 180.0 / height);
    const double x = 50, y = 30, w = width * scale, h = height * scale;
    const double cw = cutWidth * scale, ch = cutHeight * scale;
    svg.polygon({{x, y}, {x + w - cw, y}, {x + w - cw, y + ch}, {x + w, y + ch}, {x + w, y + h},
                 {x, y + h}},
                colour::kGreenLight, colour::kGreen, 2.5);
    svg.rect(x + w - cw, y, cw, ch, colour::kAmberLight, colour::kAmberDark, 1.5);
    svg.dashed({x + w - cw, y}, {x + w, y}, colour::kAmberDark, 2);
    svg.dashed({x + w, y}, {x + w, y + ch}, colour::kAmberDark, 2);
    svg.text({x + w - cw / 2, y - 8}, QStringLiteral("%1 cm").arg(cutWidth), 14, "middle", true,
             colour::kAmberDark);
    svg.text({x + w + 8, y + ch / 2 + 5}, QStringLiteral("%1 cm").arg(cutHeight), 14, "start", true,
             colour::kAmberDark);
    svg.text({x + w / 2, y + h + 22}, QStringLiteral("%1 cm").arg(width), 14, "middle", true);
    svg.text({x - 8, y + h / 2 + 5}, QStringLiteral("%1 cm").arg(height), 14, "end", true);
    return Picture{svg.finish(), QStringLiteral("The shape in its whole rectangle, the missing "
                                                "corner marked")};
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
    q.workingPictures = {LShapeWorked(w, h, cw, ch)};
    q.working = {
        QStringLiteral("(a) The missing corner is %1 &minus; %2 = %3 cm wide and %4 "
                       "&minus; %5 = %6 cm tall.")
            .arg(w)
            .arg(w - cw)
            .arg(cw)
            .arg(h)
            .arg(h - ch)
            .arg(ch),
        QStringLiteral("Whole rectangle %1 &times; %2 = %3 cm<sup>2</sup>, less the corner "
                       "%4 &times; %5 = %6 cm<sup>2</sup>: %3 &minus; %6 = %7 cm<sup>2</sup>.")
            .arg(w)
            .arg(h)
            .arg(w * h)
            .arg(cw)
            .arg(ch)
            .arg(cw * ch)
            .arg(w * h - cw * ch),
        QStringLiteral("(b) The steps go as far across and up as the missing corner's "
                       "sides, so the perimeter is that of the whole rectangle: 2 &times; "
                       "(%1 + %2) = %3 cm.")
            .arg(w)
            .arg(h)
            .arg(2 * (w + h))};
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
    q.working = {QStringLiteral("(a) Count the shaded squares: %1, each 1 cm<sup>2</sup>, so the "
                                "area is %1 cm<sup>2</sup>.")
                     .arg(cells.size()),
                 QStringLiteral("(b) Count the square edges round the outside, each 1 cm: the "
                                "perimeter is %1 cm.")
                     .arg(perimeter)};
    return q;
}

Question MissingSide(Prng& rng)
{
    const int w = rng.range(3, 20);
    int h = rng.range(2, 15);
    if (h == w) // a rectangle, not a square
        --h;
    Question q =
        Make(Para(QStringLiteral("A rectangle has a perimeter of %1 cm. One side is %2 cm long.")
                      .arg(2 * (w + h))
                      .arg(w)),
             {MeasurePart(QStringLiteral("How long is a side next to it?"), h, 0, units::kCm)});
    q.workingPictures = {RectanglePicture(w, h, QStringLiteral("cm"))};
    q.working = {QStringLiteral("Half the perimeter is one long side and one short side: %1 "
                                "&divide; 2 = %2 cm.")
                     .arg(2 * (w + h))
                     .arg(w + h),
                 QStringLiteral("%1 &minus; %2 = %3 cm.").arg(w + h).arg(w).arg(h)};
    return q;
}

Question SquareSide(Prng& rng)
{
    const int side = rng.range(2, 15);
    const bool metres = rng.chance(40);
    const QString u = metres ? QStringLiteral("m") : QStringLiteral("cm");
    const Unit& length = metres ? units::kM : units::kCm;
    const QString thing =
        metres ? rng.pick(QStringList{"square", "square patio", "square lawn", "square room"})
               : rng.pick(QStringList{"square", "square tile", "square card", "square stamp"});
    Question q = Make(Para(QStringLiteral("A %1 has an area of %2 %3<sup>2</sup>.")
                               .arg(thing)
                               .arg(side * side)
                               .arg(u)),
                      {MeasurePart(QStringLiteral("How long is each side?"), side, 0, length),
                       MeasurePart(QStringLiteral("What is its perimeter?"), 4 * side, 0, length)});
    q.working = {
        QStringLiteral("(a) The sides are equal, so find the number that times itself "
                       "makes %1: %2 &times; %2 = %1. Each side is %2 %3.")
            .arg(side * side)
            .arg(side)
            .arg(u),
        QStringLiteral("(b) Four sides: 4 &times; %1 = %2 %3.").arg(side).arg(4 * side).arg(u)};
    return q;
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
    q.working = {QStringLiteral("Volume = length &times; width &times; height."),
                 QStringLiteral("%1 &times; %2 = %3, and %3 &times; %4 = %5 cm<sup>3</sup>.")
                     .arg(l)
                     .arg(w)
                     .arg(l * w)
                     .arg(h)
                     .arg(l * w * h)};
    return q;
}

/// A triangle or parallelogram on a base with its perpendicular height dashed; a framed
/// triangle shows the rectangle round it, of which it is half.
Picture BaseHeightPicture(bool triangle, int base, int height, int slantAt, const QString& slant,
                          bool framed = false)
{
    Svg svg(380, 250);
    const double scale = std::min(230.0 / base, 160.0 / height);
    const double b = base * scale, h = height * scale;
    const double x = 40, y = 30 + h; // bottom-left corner
    const double top = x + slantAt / 100.0 * b; // where the top vertex or top edge starts
    if (framed)
        svg.rect(x, y - h, b, h, colour::kAmberLight, colour::kAmberDark, 1.5);
    if (triangle)
        svg.polygon({{x, y}, {x + b, y}, {top, y - h}}, colour::kBlueLight, colour::kBlueDark, 2.5);
    else
        svg.polygon({{x, y}, {x + b, y}, {top + b, y - h}, {top, y - h}},
                    colour::kBlueLight, colour::kBlueDark, 2.5);
    svg.dashed({top, y - h}, {top, y}, colour::kRed, 2);
    svg.polyline({{top, y - 12}, {top + 12, y - 12}, {top + 12, y}}, colour::kRed, 1.5);
    svg.text({x + b / 2, y + 24}, QStringLiteral("%1 cm").arg(base), 15, "middle", true);
    svg.text({top + 6, y - h / 2}, QStringLiteral("%1 cm").arg(height), 15, "start", true,
             colour::kRed);
    if (!slant.isEmpty())
        svg.text({x + (top - x) / 2 - 8, y - h / 2}, slant, 15, "end", true, colour::kSlate);
    return Picture{svg.finish(),
                   triangle ? QStringLiteral("A triangle with its base and height marked")
                            : QStringLiteral("A parallelogram with its base and height marked")};
}

Question TriangleArea(Prng& rng)
{
    const int base = rng.range(4, 16), height = rng.range(3, 12);
    const int doubled = base * height;
    Question q = Make(Para(QStringLiteral("A triangle has a base of %1 cm and a perpendicular "
                                          "height of %2 cm.")
                               .arg(base)
                               .arg(height)),
                      {MeasurePart(QStringLiteral("Work out its area."), doubled * 5, 1,
                                   units::kSquareCm, 2)});
    const int apexAt = rng.range(20, 80);
    q.pictures = {BaseHeightPicture(true, base, height, apexAt, QString())};
    q.workingPictures = {BaseHeightPicture(true, base, height, apexAt, QString(), true)};
    q.working = {QStringLiteral("A triangle is half of a rectangle with the same base and height."),
                 QStringLiteral("%1 &times; %2 = %3 cm<sup>2</sup> for the rectangle.")
                     .arg(base)
                     .arg(height)
                     .arg(doubled),
                 QStringLiteral("Half of it: %1 &divide; 2 = %2 cm<sup>2</sup>.")
                     .arg(doubled)
                     .arg(DecimalText(doubled * 5, 1))};
    return q;
}

Question ParallelogramArea(Prng& rng)
{
    const int base = rng.range(5, 14), height = rng.range(3, 9);
    const int offset = rng.range(2, 5);
    const int slant = int(std::lround(std::hypot(offset, height))) + 1; // longer than the height
    Question q = Make(Para(QStringLiteral("A parallelogram has a base of %1 cm and a perpendicular "
                                          "height of %2 cm. Its slanting sides are %3 cm long.")
                               .arg(base)
                               .arg(height)
                               .arg(slant)),
                      {MeasurePart(QStringLiteral("Work out its area."), base * height, 0,
                                   units::kSquareCm, 2)});
    q.pictures = {BaseHeightPicture(false, base, height, 25, QStringLiteral("%1 cm").arg(slant))};
    q.working = {
        QStringLiteral("Cut the triangle off one end and move it to the other: the "
                       "parallelogram becomes a rectangle %1 cm by %2 cm.")
            .arg(base)
            .arg(height),
        QStringLiteral("Area = base &times; height = %1 &times; %2 = %3 cm<sup>2</sup>; the "
                       "slanting side is not used.")
            .arg(base)
            .arg(height)
            .arg(base * height)};
    return q;
}

Question RegularPerimeter(Prng& rng)
{
    static const QList<std::pair<int, const char*>> shapes = {
        {3, "equilateral triangle"}, {4, "square"},   {5, "regular pentagon"},
        {6, "regular hexagon"},      {8, "regular octagon"}};
    const auto [n, name] = rng.pick(shapes);
    const bool mm = rng.chance(30);
    const int side = mm ? rng.range(12, 95) : rng.range(3, 25);
    Question q = Make(Para(QStringLiteral("Each side of %1 is %2 %3 long.")
                               .arg(WithArticle(QLatin1String(name)))
                               .arg(side)
                               .arg(mm ? "mm" : "cm")),
                      {MeasurePart(QStringLiteral("What is its perimeter?"), n * side, 0,
                                   mm ? units::kMm : units::kCm)});
    q.working = {
        QStringLiteral("%1 has %2 equal sides.").arg(WithArticle(QLatin1String(name), true)).arg(n),
        QStringLiteral("%1 &times; %2 = %3 %4.")
            .arg(n)
            .arg(side)
            .arg(n * side)
            .arg(mm ? "mm" : "cm")};
    return q;
}

Question SideFromArea(Prng& rng)
{
    const int l = rng.range(5, 15);
    const int w = rng.range(2, l - 1);
    const bool metres = rng.chance(40);
    const QString u = metres ? QStringLiteral("m") : QStringLiteral("cm");
    Question q = Make(
        Para(QStringLiteral("A rectangular %1 has an area of %2 %3<sup>2</sup>. It is "
                            "%4 %3 long.")
                 .arg(metres ? rng.pick(QStringList{"garden", "playground", "field", "hall floor"})
                             : rng.pick(QStringList{"card", "tile", "photo", "label"}))
                 .arg(l * w)
                 .arg(u)
                 .arg(l)),
        {MeasurePart(QStringLiteral("How wide is it?"), w, 0, metres ? units::kM : units::kCm),
         MeasurePart(QStringLiteral("What is its perimeter?"), 2 * (l + w), 0,
                     metres ? units::kM : units::kCm)});
    q.workingPictures = {RectanglePicture(l, w, u)};
    q.working = {
        QStringLiteral("(a) Length &times; width = area, so width = %1 &divide; %2 = %3 %4.")
            .arg(l * w)
            .arg(l)
            .arg(w)
            .arg(u),
        QStringLiteral("(b) Perimeter = 2 &times; (%1 + %2) = 2 &times; %3 = %4 %5.")
            .arg(l)
            .arg(w)
            .arg(l + w)
            .arg(2 * (l + w))
            .arg(u)};
    return q;
}

Question WhichRectangleArea(Prng& rng)
{
    // The right rectangle's area asked; the others share its perimeter or a side, so only
    // multiplying finds it.
    const int a = rng.range(3, 12);
    int b = rng.range(2, 10);
    if (b == a)
        ++b;
    const int area = a * b;
    auto text = [](int x, int y) { return QStringLiteral("%1 cm by %2 cm").arg(x).arg(y); };
    QList<Option> options = {{text(a, b), true}};
    QList<std::pair<int, int>> others = {{a + 1, b - 1}, {a - 1, b + 1}, {a + 2, b - 2},
                                         {a, b + 1},     {a + 1, b},     {a - 1, b},
                                         {a + b, 2},     {area / 2, 2},  {a + 2, b}};
    rng.shuffle(others);
    for (const auto& [x, y] : others) {
        const QString t = text(x, y);
        if (options.size() < 4 && x > 0 && y > 0 && x != y && x * y != area &&
            std::none_of(options.cbegin(), options.cend(),
                         [&](const Option& o) { return o.text == t; }))
            options.append({t, false});
    }
    const Choice choice = UniqueChoice(rng, options);
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which rectangle has an area of %1 cm<sup>2</sup>?").arg(area)),
        choice);
    QStringList each;
    for (const QString& option : choice.options) {
        const int x = option.section(QLatin1Char(' '), 0, 0).toInt();
        const int y = option.section(QLatin1Char(' '), 3, 3).toInt();
        each.append(QStringLiteral("%1 &times; %2 = %3").arg(x).arg(y).arg(x * y));
    }
    q.working = {QStringLiteral("Area = length &times; width: work it out for each: %1.")
                     .arg(each.join(QStringLiteral("; "))),
                 QStringLiteral("Only %1 gives %2 cm<sup>2</sup>.").arg(text(a, b)).arg(area)};
    return q;
}

Question CarpetCost(Prng& rng)
{
    const int l = rng.range(4, 9);
    const int w = rng.range(2, l - 1);
    const int perSquareMetre = rng.pick(QList<int>{5, 6, 8, 9, 10, 12, 15, 18, 20, 25});
    const bool pence = rng.chance(30);
    const int price = pence ? perSquareMetre * 100 + 50 : perSquareMetre * 100; // in pence
    const int cost = l * w * price;
    const QString what = rng.pick(QStringList{"carpet", "floor tiles", "wooden flooring", "turf"});
    Question q = Make(
        Para(QStringLiteral("A rectangular room is %1 m long and %2 m wide. %3 "
                            "costs %4 for each square metre.")
                 .arg(l)
                 .arg(w)
                 .arg(what.at(0).toUpper() + what.mid(1),
                      QStringLiteral("&pound;") + FixedText(price, 2))),
        {MeasurePart(QStringLiteral("What is the area of the floor?"), l * w, 0, units::kSquareM),
         MeasurePart(QStringLiteral("How much does %1 for the whole floor cost?").arg(what), cost,
                     2, units::kPounds, 2)});
    q.working = {
        QStringLiteral("(a) Area = %1 &times; %2 = %3 m<sup>2</sup>.").arg(l).arg(w).arg(l * w),
        QStringLiteral("(b) Each square metre costs &pound;%1: %2 &times; &pound;%1 = "
                       "&pound;%3.")
            .arg(FixedText(price, 2))
            .arg(l * w)
            .arg(FixedText(cost, 2))};
    return q;
}

Question CuboidMissingEdge(Prng& rng)
{
    const int l = rng.range(3, 12), w = rng.range(2, 8), h = rng.range(2, 10);
    const QString thing = rng.pick(QStringList{"box", "fish tank", "block of wood", "parcel"});
    Question q = Make(Para(QStringLiteral("A %1 is a cuboid with a volume of %2 cm<sup>3</sup>. "
                                          "It is %3 cm long and %4 cm wide.")
                               .arg(thing)
                               .arg(l * w * h)
                               .arg(l)
                               .arg(w)),
                      {MeasurePart(QStringLiteral("How tall is it?"), h, 0, units::kCm, 2)});
    q.workingPictures = {CuboidPicture(l, w, h, QStringLiteral("cm"))};
    q.working = {
        QStringLiteral("Volume = length &times; width &times; height, and %1 &times; %2 = %3.")
            .arg(l)
            .arg(w)
            .arg(l * w),
        QStringLiteral("Height = %1 &divide; %2 = %3 cm.").arg(l * w * h).arg(l * w).arg(h)};
    return q;
}

Question CubeVolume(Prng& rng)
{
    const int edge = rng.range(2, 12);
    const int volume = edge * edge * edge;
    const QString thing = rng.pick(QStringList{"cube", "box in the shape of a cube",
                                               "cube of cheese", "wooden cube", "cube-shaped tin"});
    Question q;
    if (rng.chance(50)) {
        q = Make(Para(QStringLiteral("A %1 has edges %2 cm long.").arg(thing).arg(edge)),
                 {MeasurePart(QStringLiteral("What is its volume?"), volume, 0, units::kCubicCm)});
        q.working = {
            QStringLiteral("Length, width and height are all %1 cm.").arg(edge),
            QStringLiteral("%1 &times; %1 &times; %1 = %2 cm<sup>3</sup>.").arg(edge).arg(volume)};
    } else {
        q = Make(
            Para(QStringLiteral("A %1 has a volume of %2 cm<sup>3</sup>.").arg(thing).arg(volume)),
            {MeasurePart(QStringLiteral("How long is each edge?"), edge, 0, units::kCm, 2)});
        q.working = {QStringLiteral("Find the number that, times itself three times, makes %1.")
                         .arg(volume),
                     QStringLiteral("%1 &times; %1 &times; %1 = %2, so each edge is %1 cm.")
                         .arg(edge)
                         .arg(volume)};
    }
    return q;
}

Question SquareSamePerimeter(Prng& rng)
{
    int l = rng.range(5, 20), w = rng.range(2, 12);
    if ((l + w) % 2 != 0)
        ++l;
    if (w == l)
        w -= 2;
    const int perimeter = 2 * (l + w);
    const int side = perimeter / 4;
    Question q = Make(
        Para(QStringLiteral("A rectangle is %1 cm long and %2 cm wide. A square has "
                            "the same perimeter as the rectangle.")
                 .arg(l)
                 .arg(w)),
        {MeasurePart(QStringLiteral("How long is each side of the square?"), side, 0, units::kCm),
         MeasurePart(QStringLiteral("What is the area of the square?"), side * side, 0,
                     units::kSquareCm, 2)});
    q.working = {
        QStringLiteral("Perimeter of the rectangle: 2 &times; (%1 + %2) = %3 cm.")
            .arg(l)
            .arg(w)
            .arg(perimeter),
        QStringLiteral("(a) The square's four sides share it: %1 &divide; 4 = %2 cm.")
            .arg(perimeter)
            .arg(side),
        QStringLiteral("(b) Area = %1 &times; %1 = %2 cm<sup>2</sup>.").arg(side).arg(side * side)};
    return q;
}

} // namespace

QList<Generator> AngleKinds()
{
    return {KindOfAngle,     OnStraightLine,      AroundPoint,   InTriangle,
            Turns,           Compass,             EstimateAngle, VerticallyOpposite,
            IsoscelesAngles, QuadrilateralAngles, ClockTurn,     RightAngleSplit,
            WhichAngleIs,    RegularPolygonAngle, CompassTurnSize, ReflexAngle};
}

QList<Generator> AreaKinds()
{
    return {RectangleSizes,     LShape,         GridArea,   MissingSide,       SquareSide,
            CuboidVolume,       TriangleArea,   ParallelogramArea, RegularPerimeter,
            SideFromArea,       WhichRectangleArea, CarpetCost, CuboidMissingEdge, CubeVolume,
            SquareSamePerimeter};
}

} // namespace orlavine::pack
