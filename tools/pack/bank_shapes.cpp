// Flat shapes and solids: names, properties, symmetry, faces, edges and vertices, nets.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"
#include "svg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <stdexcept>

namespace orlavine::pack {

namespace {

/// A count written in figures or words, alone or followed by its noun ("6 faces").
Part CountPart(const QString& prompt, int count, const QString& one, const QString& many)
{
    QStringList forms = NumberForms(count, 0);
    forms.append(NumberWords(count));
    for (const QString& number : QStringList{QString::number(count), NumberWords(count)})
        forms.append(number + QLatin1Char(' ') + (count == 1 ? one : many));
    if (count == 0)
        forms += {QStringLiteral("none"), QStringLiteral("no ") + many};
    return AlternativesPart(prompt, forms);
}

/// The ways to write a name: as given, with its hyphens as spaces or dropped, and any
/// other names it goes by.
QStringList NameForms(const QString& name, const QStringList& others = {})
{
    QStringList forms;
    for (const QString& each : QStringList{name} + others) {
        for (const QString& form : {each, QString(each).replace(QLatin1Char('-'), QLatin1Char(' ')),
                                    QString(each).remove(QLatin1Char('-'))}) {
            if (!forms.contains(form))
                forms.append(form);
        }
    }
    return forms;
}

/// A letter written alone or as "shape A".
Part LetterPart(const QString& noun, QChar letter)
{
    const QString l = QString(letter).toLower();
    Part part = AlternativesPart(QString(), {l, noun + QLatin1Char(' ') + l});
    part.answer = QString(letter.toUpper());
    return part;
}

// ---- Flat shapes ----

/// The properties of a flat shape as ShapePicture draws it.
struct ShapeModel {
    Shape shape;
    int sides;
    int equalSides;    // the most sides of one length
    bool kite;         // two pairs of equal sides next to each other
    int parallelPairs;
    int rightAngles;
    int symmetry;      // lines of symmetry; 99 for a circle
};

const QList<ShapeModel> kShapes = {
    {Shape::EquilateralTriangle, 3, 3, false, 0, 0, 3},
    {Shape::IsoscelesTriangle, 3, 2, false, 0, 0, 1},
    {Shape::RightTriangle, 3, 1, false, 0, 1, 0}, // drawn with three different sides
    {Shape::ScaleneTriangle, 3, 1, false, 0, 0, 0},
    {Shape::Square, 4, 4, true, 2, 4, 4},
    {Shape::Rectangle, 4, 2, false, 2, 4, 2},
    {Shape::Rhombus, 4, 4, true, 2, 0, 2},
    {Shape::Parallelogram, 4, 2, false, 2, 0, 0},
    {Shape::Trapezium, 4, 2, false, 1, 0, 1}, // drawn with equal slanting sides
    {Shape::Kite, 4, 2, true, 0, 0, 1},
    {Shape::Pentagon, 5, 5, false, 0, 0, 5},
    {Shape::Hexagon, 6, 6, false, 3, 0, 6},
    {Shape::Heptagon, 7, 7, false, 0, 0, 7},
    {Shape::Octagon, 8, 8, false, 4, 0, 8},
    {Shape::Circle, 0, 0, false, 0, 0, 99},
};

const ShapeModel& ModelOf(Shape shape)
{
    return kShapes.at(int(shape));
}

/// Whether a shape drawn as `m` is a `name` (a square is a rectangle, a rhombus and a kite).
bool IsA(const ShapeModel& m, Shape name)
{
    switch (name) {
    case Shape::EquilateralTriangle:
        return m.sides == 3 && m.equalSides == 3;
    case Shape::IsoscelesTriangle:
        return m.sides == 3 && m.equalSides >= 2;
    case Shape::RightTriangle:
        return m.sides == 3 && m.rightAngles == 1;
    case Shape::ScaleneTriangle:
        return m.sides == 3 && m.equalSides == 1;
    case Shape::Square:
        return m.sides == 4 && m.equalSides == 4 && m.rightAngles == 4;
    case Shape::Rectangle:
        return m.sides == 4 && m.rightAngles == 4;
    case Shape::Rhombus:
        return m.sides == 4 && m.equalSides == 4;
    case Shape::Parallelogram:
        return m.sides == 4 && m.parallelPairs == 2;
    case Shape::Trapezium: // at least one pair, so that no definition makes two right
        return m.sides == 4 && m.parallelPairs >= 1;
    case Shape::Kite:
        return m.sides == 4 && m.kite;
    case Shape::Circle:
        return m.sides == 0;
    default:
        return m.sides == ModelOf(name).sides;
    }
}

/// The ways to write the name of a shape.
QStringList ShapeNameForms(Shape shape)
{
    switch (shape) {
    case Shape::RightTriangle:
        return NameForms(ShapeName(shape), {QStringLiteral("right-angle triangle"),
                                            QStringLiteral("right triangle")});
    case Shape::Rectangle:
        return {ShapeName(shape), QStringLiteral("oblong")};
    case Shape::Trapezium:
        return {ShapeName(shape), QStringLiteral("trapezoid")};
    case Shape::Pentagon:
    case Shape::Hexagon:
    case Shape::Heptagon:
    case Shape::Octagon:
        return {ShapeName(shape), QStringLiteral("regular ") + ShapeName(shape)};
    default:
        return NameForms(ShapeName(shape));
    }
}

/// "no right angles", "one right angle", "four right angles".
QString Counted(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n == 0 ? QStringLiteral("no") : NumberWords(n),
                                       QLatin1String(n == 1 ? one : many));
}

/// What a pupil sees on a drawn shape: its sides, parallel sides, right angles and
/// equal sides, as one sentence about `subject`.
QString Describe(const ShapeModel& m, const QString& subject = QStringLiteral("It"))
{
    if (m.sides == 0)
        return QStringLiteral("%1 has one curved side and no corners.").arg(subject);
    QStringList facts = {Counted(m.sides, "side", "straight sides")};
    if (m.sides <= 4) {
        facts.append(Counted(m.parallelPairs, "pair of parallel sides", "pairs of parallel sides"));
        facts.append(Counted(m.rightAngles, "right angle", "right angles"));
    }
    if (m.equalSides == m.sides)
        facts.append(QStringLiteral("all its sides equal"));
    else if (m.equalSides == 1)
        facts.append(QStringLiteral("no two sides equal"));
    else if (m.kite)
        facts.append(QStringLiteral("two pairs of equal sides next to each other"));
    else if (m.sides == 3)
        facts.append(QStringLiteral("two equal sides"));
    else if (m.parallelPairs == 2)
        facts.append(QStringLiteral("its opposite sides equal"));
    else
        facts.append(QStringLiteral("two equal slanting sides"));
    const QString last = facts.takeLast();
    return QStringLiteral("%1 has %2 and %3.").arg(subject, facts.join(QStringLiteral(", ")), last);
}

/// Four shapes in a row, lettered, of which only the one the model finds fits `wanted`;
/// the wrong ones are like the right one where they can be (the same number of sides).
/// `fact` says what the right one is or has ("is a kite").
Question ShapeChoice(Prng& rng, const QString& stem, bool (*wanted)(const ShapeModel&, int),
                     int arg, const QString& fact, int named = -1)
{
    QList<ShapeModel> fitting, near, far;
    for (const ShapeModel& m : kShapes)
        (wanted(m, arg) ? fitting : far).append(m);
    const ShapeModel right = rng.pick(fitting);
    for (int i = int(far.size()) - 1; i >= 0; --i) {
        if (far.at(i).sides == right.sides)
            near.append(far.takeAt(i));
    }
    rng.shuffle(near);
    rng.shuffle(far);
    QList<Option> options = {{ShapeName(right.shape), true}};
    for (const ShapeModel& m : near + far) {
        if (options.size() < 4)
            options.append({ShapeName(m.shape), wanted(m, arg)});
    }
    const Choice choice = UniqueChoice(rng, options);
    QList<Shape> row;
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        for (const ShapeModel& m : kShapes) {
            if (ShapeName(m.shape) == choice.options.at(i))
                row.append(m.shape);
        }
        seen.append(QStringLiteral("%1: %2").arg(QChar('A' + i)).arg(choice.options.at(i)));
    }
    const QChar letter('A' + choice.right);
    Question q = Make(Para(stem + QStringLiteral(" Write its letter.")),
                      {LetterPart(QStringLiteral("shape"), letter)});
    q.pictures = {ShapeRow(row)};
    q.working = {QStringLiteral("Name each shape: %1.").arg(seen.join(QStringLiteral(", "))),
                 Describe(right, QStringLiteral("The ") + ShapeName(right.shape))};
    if (named >= 0 && Shape(named) != right.shape)
        q.working.append(QStringLiteral("That is all %1 needs: the %2 is a special %3.")
                             .arg(WithArticle(ShapeName(Shape(named))), ShapeName(right.shape),
                                  ShapeName(Shape(named))));
    q.working.append(QStringLiteral("Only the %1 %2. So the answer is shape %3.")
                         .arg(ShapeName(right.shape), fact, letter));
    return q;
}

/// `shape` drawn with its own proportions, size and turn, keeping what makes it that shape
/// (a rhombus's diagonals differ, a kite's top and bottom differ).
Picture TurnedShape(Prng& rng, Shape shape)
{
    QList<QPointF> points;
    const int r = rng.range(60, 80);
    switch (shape) {
    case Shape::Rhombus: {
        const int q = rng.range(28, r - 14);
        points = {{0.0, double(-r)}, {double(q), 0}, {0.0, double(r)}, {double(-q), 0}};
        break;
    }
    case Shape::Parallelogram: {
        int half = 0, h = 0, slant = 0;
        do { // the slanting sides clearly longer or shorter than the others
            half = rng.range(40, 70), h = rng.range(30, 45), slant = rng.range(20, 40);
        } while (std::fabs(2 * std::hypot(slant, h) - 2 * half) < 16);
        points = {{double(-half + slant), double(-h)}, {double(half + slant), double(-h)},
                  {double(half - slant), double(h)}, {double(-half - slant), double(h)}};
        break;
    }
    case Shape::Trapezium: {
        const int bottom = rng.range(65, 85), top = rng.range(25, bottom - 20),
                  h = rng.range(35, 55);
        points = {{double(-top), double(-h)},
                  {double(top), double(-h)},
                  {double(bottom), double(h)},
                  {double(-bottom), double(h)}};
        break;
    }
    case Shape::IsoscelesTriangle: {
        const int half = rng.range(25, 45);
        points = {{0.0, -70.0}, {double(half), 50}, {double(-half), 50}};
        break;
    }
    case Shape::RightTriangle: // legs of 110 and 60 to 100
        points = {{-50.0, -60.0}, {-50.0, 50.0}, {double(rng.range(10, 50)), 50.0}};
        break;
    case Shape::ScaleneTriangle: {
        // Angles well apart from each other and from a right angle, so no sides are equal.
        auto angleAt = [](QPointF a, QPointF b, QPointF c) {
            const QPointF u = b - a, v = c - a;
            return std::acos((u.x() * v.x() + u.y() * v.y()) /
                             (std::hypot(u.x(), u.y()) * std::hypot(v.x(), v.y()))) * 180 / M_PI;
        };
        for (;;) {
            const QPointF a(-75, rng.range(30, 55)), b(rng.range(50, 80), 50),
                c(rng.range(-40, 30), -60);
            const double angles[] = {angleAt(a, b, c), angleAt(b, c, a), angleAt(c, a, b)};
            bool apart = true;
            for (int i = 0; i < 3; ++i)
                apart = apart && std::fabs(angles[i] - 90) >= 12 &&
                        std::fabs(angles[i] - angles[(i + 1) % 3]) >= 10;
            if (apart) {
                points = {a, b, c};
                break;
            }
        }
        break;
    }
    case Shape::Rectangle: {
        const int w = rng.range(60, 85), h = rng.range(28, 45);
        points = {{double(-w), double(-h)}, {double(w), double(-h)}, {double(w), double(h)},
                  {double(-w), double(h)}};
        break;
    }
    case Shape::Kite: {
        const int w = rng.range(35, 55), up = rng.range(30, 45);
        points = {{0.0, double(-up)}, {double(w), 0}, {0.0, double(r + 10)}, {double(-w), 0}};
        break;
    }
    default: {
        const int n = ModelOf(shape).sides;
        for (int i = 0; i < n; ++i)
            points.append(Svg::polar({0, 0}, r, 90 + 360.0 * i / n));
        break;
    }
    }
    const int turn = rng.range(0, 23) * 15;
    Svg svg(220, 220);
    for (QPointF& p : points)
        p = Svg::polar({110, 110}, std::hypot(p.x(), p.y()),
                       std::atan2(-p.y(), p.x()) * 180 / M_PI + turn);
    svg.polygon(points, colour::kBlueLight, colour::kBlueDark, 2.5);
    return Picture{svg.finish(), QStringLiteral("A flat shape")};
}

Question NameShape(Prng& rng)
{
    const Shape shape =
        rng.pick(QList<Shape>{Shape::Pentagon, Shape::Hexagon, Shape::Heptagon, Shape::Octagon,
                              Shape::Rhombus, Shape::Parallelogram, Shape::Trapezium, Shape::Kite});
    Question q = Make(Para(QStringLiteral("What is the name of this shape?")),
                      {AlternativesPart(QString(), ShapeNameForms(shape))},
                      QStringLiteral("Write the name in words."));
    q.pictures = {TurnedShape(rng, shape)};
    q.working = {
        QStringLiteral("Count the sides and look at them. %1").arg(Describe(ModelOf(shape))),
        QStringLiteral("So the shape is %1.").arg(WithArticle(ShapeName(shape)))};
    return q;
}

Question SidesByName(Prng& rng)
{
    const Shape shape =
        rng.pick(QList<Shape>{Shape::Pentagon, Shape::Hexagon, Shape::Heptagon, Shape::Octagon});
    const int sides = ModelOf(shape).sides;
    const QString name = ShapeName(shape);
    Question q;
    switch (rng.range(0, 2)) {
    case 0:
        q = Make(Para(QStringLiteral("A shape has %1 straight sides. What is its name?")
                          .arg(NumberWords(sides))),
                 {WordPart(QString(), name)});
        q.working = {
            QStringLiteral("Pentagons have 5 sides, hexagons 6, heptagons 7 and "
                           "octagons 8."),
            QStringLiteral("So a shape with %1 sides is %2.").arg(sides).arg(WithArticle(name))};
        break;
    case 1: {
        const int count = rng.range(2, 5);
        q = Make(Para(QStringLiteral("%1 draws %2 %3s. How many sides do they have altogether?")
                          .arg(Name(rng))
                          .arg(count)
                          .arg(name)),
                 {CountPart(QString(), count * sides, QStringLiteral("side"),
                            QStringLiteral("sides"))});
        q.working = {QStringLiteral("Each %1 has %2 sides.").arg(name).arg(sides),
                     QStringLiteral("%1 &times; %2 = %3, so they have %3 sides altogether.")
                         .arg(count)
                         .arg(sides)
                         .arg(count * sides)};
        break;
    }
    default:
        q = Make(
            Para(
                QStringLiteral("How many vertices (corners) does %1 have?").arg(WithArticle(name))),
            {CountPart(QString(), sides, QStringLiteral("vertex"), QStringLiteral("vertices"))});
        q.working = {QStringLiteral("%1 has %2 sides.").arg(WithArticle(name, true)).arg(sides),
                     QStringLiteral("Two sides meet at each vertex, so it has as many vertices "
                                    "as sides: %1 vertices.")
                         .arg(sides)};
        break;
    }
    return q;
}

bool IsNamed(const ShapeModel& m, int name)
{
    return IsA(m, Shape(name));
}

Question PickByName(Prng& rng)
{
    const Shape name = Shape(rng.range(0, int(Shape::Octagon)));
    return ShapeChoice(rng,
                       QStringLiteral("Which shape is %1?")
                           .arg(WithArticle(QStringLiteral("<b>%1</b>")).arg(ShapeName(name))),
                       IsNamed, int(name),
                       QStringLiteral("is %1").arg(WithArticle(ShapeName(name))), int(name));
}

/// A property a pupil checks on a drawn shape.
struct Property {
    const char* text;
    bool (*holds)(const ShapeModel&);
};

const QList<Property> kProperties = {
    {"exactly one pair of parallel sides",
     [](const ShapeModel& m) { return m.parallelPairs == 1; }},
    {"two pairs of parallel sides", [](const ShapeModel& m) { return m.parallelPairs == 2; }},
    {"exactly one right angle", [](const ShapeModel& m) { return m.rightAngles == 1; }},
    {"four right angles", [](const ShapeModel& m) { return m.rightAngles == 4; }},
    {"no lines of symmetry", [](const ShapeModel& m) { return m.symmetry == 0; }},
    {"exactly one line of symmetry", [](const ShapeModel& m) { return m.symmetry == 1; }},
    {"exactly two lines of symmetry", [](const ShapeModel& m) { return m.symmetry == 2; }},
    {"four sides all the same length",
     [](const ShapeModel& m) { return m.sides == 4 && m.equalSides == 4; }},
    {"three sides all the same length",
     [](const ShapeModel& m) { return m.sides == 3 && m.equalSides == 3; }},
    {"no two sides the same length", [](const ShapeModel& m) { return m.equalSides == 1; }},
};

bool HasProperty(const ShapeModel& m, int property)
{
    return kProperties.at(property).holds(m);
}

Question PickByProperty(Prng& rng)
{
    const int property = rng.range(0, int(kProperties.size()) - 1);
    const QString text = QLatin1String(kProperties.at(property).text);
    return ShapeChoice(rng, QStringLiteral("Which shape has <b>%1</b>?").arg(text), HasProperty,
                       property, QStringLiteral("has ") + text);
}

Question Symmetry(Prng& rng)
{
    const ShapeModel m = kShapes.at(rng.range(0, int(kShapes.size()) - 2)); // not the circle
    Question q = Make(Para(QStringLiteral("How many lines of symmetry does this shape have?")),
                      {CountPart(QString(), m.symmetry, QStringLiteral("line"),
                                 QStringLiteral("lines"))});
    q.pictures = {TurnedShape(rng, m.shape)};
    const QString name = ShapeName(m.shape);
    q.working = {QStringLiteral("The shape is %1. A line of symmetry folds it onto itself, "
                                "one half exactly over the other.")
                     .arg(WithArticle(name))};
    if (m.symmetry == 0)
        q.working.append(QStringLiteral("No fold of this %1 matches the halves, so it has 0 "
                                        "lines of symmetry.")
                             .arg(name));
    else if (m.sides == m.equalSides && m.sides > 4)
        q.working.append(QStringLiteral("A regular shape has one line through each vertex or "
                                        "side: %1 sides give %1 lines of symmetry.")
                             .arg(m.sides));
    else
        q.working.append(QStringLiteral("Try each fold: %1 of them match, so it has %1 %2 of "
                                        "symmetry.")
                             .arg(m.symmetry)
                             .arg(m.symmetry == 1 ? "line" : "lines"));
    return q;
}

Question Properties(Prng& rng)
{
    struct Fact {
        const char* text;
        bool truth;
        const char* why;
    };
    static const QList<Fact> facts = {
        {"A square has four right angles", true, "every corner of a square is a right angle"},
        {"A rhombus always has four right angles", false,
         "a rhombus can lean over, with no right angles"},
        {"A rectangle has two pairs of parallel sides", true,
         "its opposite sides are parallel"},
        {"A trapezium has at least one pair of parallel sides", true,
         "that pair of parallel sides is what makes it a trapezium"},
        {"A kite always has four equal sides", false,
         "a kite has two pairs of equal sides next to each other"},
        {"An equilateral triangle has three equal angles", true, "each angle is 60&deg;"},
        {"A parallelogram has two pairs of equal sides", true, "its opposite sides are equal"},
        {"A pentagon has six sides", false, "a pentagon has five sides"},
        {"An isosceles triangle has two equal sides", true,
         "that is what isosceles means"},
        {"A scalene triangle has two equal sides", false,
         "a scalene triangle has no equal sides"},
        {"A right-angled triangle can have two right angles", false,
         "two right angles already make 180&deg;, leaving nothing for the third angle"},
        {"A regular hexagon has six equal angles", true,
         "a regular shape has all its sides and angles equal"},
        {"A regular octagon has eight lines of symmetry", true,
         "a regular shape has as many lines of symmetry as sides"},
        {"A parallelogram always has a line of symmetry", false,
         "a leaning parallelogram does not fold onto itself"},
        {"A rhombus has two pairs of parallel sides", true,
         "its opposite sides are parallel"},
        {"A heptagon has seven vertices", true, "it has seven sides and seven corners"}};
    QList<Fact> chosen = facts;
    rng.shuffle(chosen);
    QList<Part> parts;
    QStringList working;
    for (int i = 0; i < 4; ++i) {
        const Fact& f = chosen.at(i);
        parts.append(TrueFalsePart(QString::fromLatin1(f.text), f.truth));
        working.append(QStringLiteral("(%1) %2: %3.")
                           .arg(QChar('a' + i))
                           .arg(f.truth ? "True" : "False", QLatin1String(f.why)));
    }
    Question q = Make(
        Para(QStringLiteral("Write <b>T</b> if the statement is true or <b>F</b> if it is false.")),
        parts);
    q.working = working;
    return q;
}

Question EqualSides(Prng& rng)
{
    struct Family {
        const char* property;     // what every shape named always has
        QList<Shape> shapes;       // the shapes that always have it
        const char* why;          // how the others fail
    };
    static const QList<Family> families = {
        {"a quadrilateral that always has four equal sides", {Shape::Square, Shape::Rhombus},
         "a rectangle, parallelogram, trapezium or kite can have sides of different lengths"},
        {"a quadrilateral that always has four right angles", {Shape::Square, Shape::Rectangle},
         "a rhombus, parallelogram, trapezium or kite can lean over"},
        {"a quadrilateral that has exactly one pair of parallel sides", {Shape::Trapezium},
         "squares, rectangles, rhombuses and parallelograms have two pairs, a kite none"},
        {"a quadrilateral that always has two pairs of parallel sides",
         {Shape::Square, Shape::Rectangle, Shape::Rhombus, Shape::Parallelogram},
         "a trapezium has only one pair and a kite none"},
        {"a quadrilateral with two pairs of equal sides next to each other and no parallel sides",
         {Shape::Kite}, "the shapes with equal sides next to each other are kites, rhombuses and "
                        "squares, and only the kite has no parallel sides"},
        {"a quadrilateral with four equal sides and no right angles", {Shape::Rhombus},
         "a square has four equal sides but right angles too"},
        {"a quadrilateral with four right angles and two sides longer than the others",
         {Shape::Rectangle}, "a square has four right angles but all its sides are equal"},
        {"a quadrilateral with two pairs of parallel sides and no right angles",
         {Shape::Rhombus, Shape::Parallelogram}, "squares and rectangles have right angles"},
        {"a triangle that always has three equal sides", {Shape::EquilateralTriangle},
         "an isosceles triangle has two equal sides and a scalene triangle none"},
        {"a triangle with exactly two equal sides", {Shape::IsoscelesTriangle},
         "an equilateral triangle has three equal sides and a scalene triangle none"},
        {"a triangle with no two sides the same length", {Shape::ScaleneTriangle},
         "equilateral and isosceles triangles have equal sides"},
        {"a triangle with one angle of exactly 90&deg;", {Shape::RightTriangle},
         "that angle is a right angle"},
        {"a polygon with five sides", {Shape::Pentagon}, "penta means five"},
        {"a polygon with six sides", {Shape::Hexagon}, "hexa means six"},
        {"a polygon with seven sides", {Shape::Heptagon}, "hepta means seven"},
        {"a polygon with eight sides", {Shape::Octagon}, "octa means eight, as in octopus"}};
    const Family& family = rng.pick(families);
    QStringList forms, names;
    for (Shape shape : family.shapes) {
        forms += ShapeNameForms(shape);
        names.append(ShapeName(shape));
    }
    if (family.shapes.first() == Shape::EquilateralTriangle)
        forms += {QStringLiteral("equilateral"), QStringLiteral("regular triangle")};
    const bool two = family.shapes.size() > 1 && rng.chance(50);
    Question q =
        two ? Make(Para(QStringLiteral("Name <b>two</b> different shapes: each must be %1.")
                            .arg(QLatin1String(family.property))),
                   {GroupPart(QString(), names, 2)}, QLatin1String(kNoteGroup))
            : Make(Para(QStringLiteral("Name %1.").arg(QLatin1String(family.property))),
                   {AlternativesPart(QString(), forms)});
    const QString last = names.takeLast();
    const QString all =
        names.isEmpty() ? last
                        : QStringLiteral("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
    q.working = {
        QStringLiteral("Go through the shapes you know: %1.").arg(QLatin1String(family.why)),
        QStringLiteral("So the answer is: %1.").arg(all)};
    return q;
}

/// Three side lengths, sorted, and what they make.
struct Triangle {
    int a, b, c;
    bool equilateral() const { return a == c; }
    bool isosceles() const { return a == b || b == c; }
    bool scalene() const { return a != b && b != c; }
};

Triangle RandomTriangle(Prng& rng)
{
    for (;;) {
        QList<int> s = {rng.range(3, 12), rng.range(3, 12), rng.range(3, 12)};
        if (rng.chance(30))
            s[1] = s[0];
        std::sort(s.begin(), s.end());
        if (s[0] + s[1] > s[2])
            return {s[0], s[1], s[2]};
    }
}

Question TriangleKind(Prng& rng)
{
    static const QStringList kinds = {"an equilateral", "an isosceles", "a scalene"};
    static const QStringList rules = {"all three sides equal", "two equal sides",
                                      "no two sides equal"};
    const int kind = rng.range(0, 2);
    auto fits = [kind](const Triangle& t) {
        return kind == 0 ? t.equilateral() : kind == 1 ? t.isosceles() : t.scalene();
    };
    auto text = [](const Triangle& t) {
        return QStringLiteral("%1 cm, %2 cm, %3 cm").arg(t.a).arg(t.b).arg(t.c);
    };
    Triangle answer = RandomTriangle(rng);
    if (kind == 0)
        answer.b = answer.c = answer.a;
    // An isosceles answer with two sides equal, not three, whichever definition is taught.
    while (!fits(answer) || (kind == 1 && answer.equilateral()))
        answer = RandomTriangle(rng);
    QList<Option> options = {{text(answer), true}};
    while (options.size() < 4) {
        const Triangle t = RandomTriangle(rng);
        const Option option{text(t), fits(t)};
        if (!option.fits && std::none_of(options.cbegin(), options.cend(),
                                         [&](const Option& o) { return o.text == option.text; }))
            options.append(option);
    }
    Question q = ChoiceQuestion(
        Para(QStringLiteral("Which could be the side lengths of %1 triangle?").arg(kinds.at(kind))),
        UniqueChoice(rng, options));
    q.working = {QStringLiteral("%1 triangle has %2.").arg(kinds.at(kind), rules.at(kind)),
                 QStringLiteral("Check each set of sides: only %1 has %2.")
                     .arg(text(answer), rules.at(kind))};
    q.working.first()[0] = q.working.first().at(0).toUpper();
    return q;
}

/// Clues about a triangle or quadrilateral, each with the model's test, until only the
/// answer fits; then its name.
Question DescribeShape(Prng& rng)
{
    QList<ShapeModel> pool;
    for (const ShapeModel& m : kShapes) {
        if (m.sides == 3 || m.sides == 4)
            pool.append(m);
    }
    const ShapeModel m = rng.pick(pool);
    struct Clue {
        QString text;
        int ShapeModel::*field;
    };
    QList<Clue> clues = {
        {QStringLiteral("I have %1.").arg(Counted(m.rightAngles, "right angle", "right angles")),
         &ShapeModel::rightAngles},
        {QStringLiteral("I have %1.")
             .arg(Counted(m.parallelPairs, "pair of parallel sides", "pairs of parallel sides")),
         &ShapeModel::parallelPairs},
        {QStringLiteral("I have %1 of symmetry.").arg(Counted(m.symmetry, "line", "lines")),
         &ShapeModel::symmetry},
        {m.equalSides == m.sides ? QStringLiteral("All my sides are the same length.")
         : m.equalSides == 1     ? QStringLiteral("No two of my sides are the same length.")
                             : QStringLiteral("Two of my sides are the same length, but not all."),
         &ShapeModel::equalSides}};
    rng.shuffle(clues);
    clues.prepend({QStringLiteral("I have %1 straight sides.").arg(NumberWords(m.sides)),
                   &ShapeModel::sides});
    QStringList given;
    QList<ShapeModel> candidates = pool;
    for (const Clue& clue : clues) {
        if (candidates.size() == 1)
            break;
        given.append(clue.text);
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                        [&](const ShapeModel& s) {
                                            return s.*clue.field != m.*clue.field;
                                        }),
                         candidates.end());
    }
    if (candidates.size() != 1 || given.size() < 2)
        throw std::logic_error("clues that do not name one shape");
    Question q = Make(Para(given.join(QLatin1Char(' ')) + QStringLiteral(" What shape am I?")),
                      {AlternativesPart(QString(), ShapeNameForms(m.shape))},
                      QStringLiteral("Write the name in words."));
    q.working = {QStringLiteral("It has %1 sides, so it is a %2.")
                     .arg(m.sides)
                     .arg(m.sides == 3 ? "triangle" : "quadrilateral"),
                 QStringLiteral("Check the other clues against each %1.")
                     .arg(m.sides == 3 ? "triangle" : "quadrilateral"),
                 QStringLiteral("Only the %1 fits them all. %2")
                     .arg(ShapeName(m.shape), Describe(m))};
    return q;
}

Question CountProperty(Prng& rng)
{
    const ShapeModel m = kShapes.at(rng.range(0, int(kShapes.size()) - 2)); // not the circle
    const QString name = ShapeName(m.shape);
    const QList<std::pair<Part, QString>> asks = {
        {CountPart(QStringLiteral("How many right angles does it have?"), m.rightAngles,
                   QStringLiteral("right angle"), QStringLiteral("right angles")),
         QStringLiteral("Check each corner with the corner of a piece of paper: %1 right %2.")
             .arg(m.rightAngles)
             .arg(m.rightAngles == 1 ? "angle" : "angles")},
        {CountPart(QStringLiteral("How many pairs of parallel sides does it have?"),
                   m.parallelPairs, QStringLiteral("pair"), QStringLiteral("pairs")),
         QStringLiteral("Parallel sides go the same way and never meet: %1 %2 of parallel sides.")
             .arg(m.parallelPairs)
             .arg(m.parallelPairs == 1 ? "pair" : "pairs")},
        {CountPart(QStringLiteral("How many vertices (corners) does it have?"), m.sides,
                   QStringLiteral("vertex"), QStringLiteral("vertices")),
         QStringLiteral("Count the corners where two sides meet: %1 vertices.").arg(m.sides)},
        {CountPart(QStringLiteral("How many lines of symmetry does it have?"), m.symmetry,
                   QStringLiteral("line"), QStringLiteral("lines")),
         QStringLiteral("Count the folds that put one half exactly over the other: %1 %2 of "
                        "symmetry.")
             .arg(m.symmetry)
             .arg(m.symmetry == 1 ? "line" : "lines")}};
    // Two of the four counts, in order.
    const int first = rng.range(0, 2), second = rng.range(first + 1, 3);
    Question q = Make(Para(QStringLiteral("Look at this %1.").arg(name)),
                      {asks.at(first).first, asks.at(second).first});
    q.working = {QStringLiteral("(a) %1").arg(asks.at(first).second),
                 QStringLiteral("(b) %1").arg(asks.at(second).second)};
    q.pictures = {TurnedShape(rng, m.shape)};
    return q;
}

/// The names of polygons by their number of sides, from 3.
const QStringList kPolygonNames = {"triangle", "quadrilateral", "pentagon",
                                   "hexagon",  "heptagon",      "octagon"};

/// An irregular polygon of `corners` drawn in a box of 260 by 240, as points.
QList<QPointF> IrregularPolygon(Prng& rng, int corners)
{
    QList<QPointF> points;
    const double step = 360.0 / corners;
    const double turn = rng.range(0, 359);
    for (int i = 0; i < corners; ++i) {
        const double at = turn + step * i + rng.range(-int(step / 4), int(step / 4));
        points.append(Svg::polar({130, 120}, rng.range(55, 85), at));
    }
    return points;
}

Picture PolygonPicture(const QList<QPointF>& points, bool numbered)
{
    Svg svg(260, 240);
    svg.polygon(points, colour::kGreenLight, colour::kGreen, 2.5);
    for (int i = 0; numbered && i < points.size(); ++i) {
        const QPointF out = points.at(i) + (points.at(i) - QPointF(130, 120)) * 0.2;
        svg.circle(points.at(i), 4, colour::kRed, colour::kRed, 1);
        svg.text(out + QPointF(0, 5), QString::number(i + 1), 14, "middle", true, colour::kRed);
    }
    return Picture{svg.finish(), numbered ? QStringLiteral("A polygon with its corners numbered")
                                          : QStringLiteral("A polygon")};
}

Question NamePolygon(Prng& rng)
{
    const int corners = rng.range(3, 8);
    const QList<QPointF> points = IrregularPolygon(rng, corners);
    const QString name = kPolygonNames.at(corners - 3);
    QStringList forms = {name};
    if (corners > 4)
        forms.append(QStringLiteral("irregular ") + name);
    Question q = Make(Para(QStringLiteral("This polygon is not regular. What is its name?")),
                      {AlternativesPart(QString(), forms)},
                      QStringLiteral("Write the name in words."));
    q.pictures = {PolygonPicture(points, false)};
    q.workingPictures = {PolygonPicture(points, true)};
    q.working = {QStringLiteral("Count the corners (vertices): there are %1.").arg(corners),
                 QStringLiteral("A polygon with %1 straight sides is %2, whether it is "
                                "regular or not.")
                     .arg(corners)
                     .arg(WithArticle(name))};
    return q;
}

Picture CirclePicture(int value, bool diameter, const QString& unit)
{
    Svg svg(260, 220);
    const QPointF c(130, 110);
    svg.circle(c, 90, colour::kBlueLight, colour::kBlueDark, 2.5);
    svg.circle(c, 4, colour::kInk, colour::kInk, 1);
    const QString label = QStringLiteral("%1 %2").arg(value).arg(unit);
    if (diameter) {
        svg.line({40, 110}, {220, 110}, colour::kRed, 2.5);
        svg.text({130, 100}, label, 15, "middle", true, colour::kRed);
    } else {
        svg.line(c, Svg::polar(c, 90, 30), colour::kRed, 2.5);
        svg.text(Svg::polar(c, 45, 30) + QPointF(-6, -10), label, 15, "middle", true,
                 colour::kRed);
    }
    return Picture{svg.finish(), diameter ? QStringLiteral("A circle with its diameter marked")
                                          : QStringLiteral("A circle with a radius marked")};
}

/// A circle in the square that fits round it, a diameter marked as long as a side.
Picture CircleInSquare(int diameter, const QString& unit)
{
    Svg svg(260, 240);
    svg.rect(40, 20, 180, 180, colour::kAmberLight, colour::kAmberDark, 2.5);
    svg.circle({130, 110}, 90, colour::kBlueLight, colour::kBlueDark, 2.5);
    svg.line({40, 110}, {220, 110}, colour::kRed, 2.5);
    svg.text({130, 100}, QStringLiteral("%1 %2").arg(diameter).arg(unit), 15, "middle", true,
             colour::kRed);
    svg.text({130, 228}, QStringLiteral("side = %1 %2").arg(diameter).arg(unit), 14, "middle",
             true, colour::kAmberDark);
    return Picture{svg.finish(),
                   QStringLiteral("A circle in a square, a diameter as long as a side")};
}

Question CircleParts(Prng& rng)
{
    const bool cm = rng.chance(70);
    const Unit& unit = cm ? units::kCm : units::kM;
    const QString u = cm ? QStringLiteral("cm") : QStringLiteral("m");
    const int radius = rng.range(2, 30);
    const bool askDiameter = rng.chance(50);
    const int given = askDiameter ? radius : 2 * radius;
    Question q = Make(
        Para(QStringLiteral("The %1 of this circle is %2 %3. The centre is marked with a dot.")
                 .arg(askDiameter ? "radius" : "diameter")
                 .arg(given)
                 .arg(u)),
        {MeasurePart(QStringLiteral("What is its %1?").arg(askDiameter ? "diameter" : "radius"),
                     askDiameter ? 2 * radius : radius, 0, unit)});
    const int diameter = 2 * radius;
    q.parts.append(MeasurePart(QStringLiteral("A square fits exactly round the circle, touching it "
                                              "on all four sides. What is the perimeter of the "
                                              "square?"),
                               4 * diameter, 0, unit, 2));
    q.pictures = {CirclePicture(given, !askDiameter, u)};
    q.workingPictures = {CircleInSquare(diameter, u)};
    q.working = {QStringLiteral("The radius goes from the centre to the edge; the diameter goes "
                                "right across through the centre, so it is two radii.")};
    if (askDiameter)
        q.working.append(QStringLiteral("(a) Diameter = 2 &times; %1 = %2 %3.")
                             .arg(radius)
                             .arg(2 * radius)
                             .arg(u));
    else
        q.working.append(QStringLiteral("(a) Radius = %1 &divide; 2 = %2 %3.")
                             .arg(2 * radius)
                             .arg(radius)
                             .arg(u));
    q.working.append(
        QStringLiteral("(b) Each side of the square is as long as the diameter, %1 %2: "
                       "4 &times; %1 = %3 %2.")
            .arg(diameter)
            .arg(u)
            .arg(4 * diameter));
    return q;
}

Question HowManyInRow(Prng& rng)
{
    struct Test {
        const char* text;
        bool (*holds)(const ShapeModel&);
    };
    static const QList<Test> tests = {
        {"are quadrilaterals", [](const ShapeModel& m) { return m.sides == 4; }},
        {"are triangles", [](const ShapeModel& m) { return m.sides == 3; }},
        {"have at least one right angle", [](const ShapeModel& m) { return m.rightAngles > 0; }},
        {"have at least one pair of parallel sides",
         [](const ShapeModel& m) { return m.parallelPairs > 0; }},
        {"have at least one line of symmetry", [](const ShapeModel& m) { return m.symmetry > 0; }},
        {"have all their sides the same length",
         [](const ShapeModel& m) { return m.equalSides == m.sides; }},
        {"have more than four sides", [](const ShapeModel& m) { return m.sides > 4; }}};
    QList<Test> asked = tests;
    rng.shuffle(asked);
    QList<ShapeModel> shapes = kShapes.mid(0, kShapes.size() - 1);
    rng.shuffle(shapes);
    shapes = shapes.mid(0, 4);
    QList<Shape> row;
    QStringList names;
    for (int i = 0; i < 4; ++i) {
        row.append(shapes.at(i).shape);
        names.append(QStringLiteral("%1 is %2")
                         .arg(QChar('A' + i))
                         .arg(WithArticle(ShapeName(shapes.at(i).shape))));
    }
    Question q = Make(Para(QStringLiteral("Look at these four shapes.")), {});
    q.pictures = {ShapeRow(row)};
    q.working = {QStringLiteral("Name each shape: %1.").arg(names.join(QStringLiteral(", ")))};
    for (int part = 0; part < 2; ++part) {
        const Test& test = asked.at(part);
        QStringList yes;
        for (int i = 0; i < 4; ++i) {
            if (test.holds(shapes.at(i)))
                yes.append(QString(QChar('A' + i)));
        }
        const int count = int(yes.size());
        q.parts.append(
            CountPart(QStringLiteral("How many of them <b>%1</b>?").arg(QLatin1String(test.text)),
                      count, QStringLiteral("shape"), QStringLiteral("shapes")));
        q.working.append(QStringLiteral("(%1) The shapes that %2: %3, so the answer is %4.")
                             .arg(QChar('a' + part))
                             .arg(QLatin1String(test.text), count == 0
                                                                ? QStringLiteral("none")
                                                                : yes.join(QStringLiteral(", ")))
                             .arg(count));
    }
    return q;
}

Question MissingSideOfShape(Prng& rng)
{
    Question q;
    switch (rng.range(0, 2)) {
    case 0: { // the third side of an isosceles triangle
        const int equal = rng.range(4, 20);
        int base = rng.range(2, 2 * equal - 1);
        if (base == equal)
            ++base;
        const int perimeter = 2 * equal + base;
        q = Make(Para(QStringLiteral("An isosceles triangle has a perimeter of %1 cm. Its two "
                                     "equal sides are each %2 cm long.")
                          .arg(perimeter)
                          .arg(equal)),
                 {MeasurePart(QStringLiteral("How long is the third side?"), base, 0, units::kCm,
                              2)});
        q.working = {QStringLiteral("The two equal sides make %1 + %1 = %2 cm.")
                         .arg(equal)
                         .arg(2 * equal),
                     QStringLiteral("The third side is %1 &minus; %2 = %3 cm.")
                         .arg(perimeter)
                         .arg(2 * equal)
                         .arg(base)};
        break;
    }
    case 1: { // an equal side of an isosceles triangle
        const int equal = rng.range(4, 20);
        const int base = rng.range(2, equal - 1);
        const int perimeter = 2 * equal + base;
        q = Make(Para(QStringLiteral("An isosceles triangle has a perimeter of %1 cm. Its "
                                     "shortest side is %2 cm and the other two sides are equal.")
                          .arg(perimeter)
                          .arg(base)),
                 {MeasurePart(QStringLiteral("How long is each of the equal sides?"), equal, 0,
                              units::kCm, 2)});
        q.working = {
            QStringLiteral("Take away the shortest side: %1 &minus; %2 = %3 cm.")
                .arg(perimeter)
                .arg(base)
                .arg(2 * equal),
            QStringLiteral("Share that between the two equal sides: %1 &divide; 2 = %2 cm.")
                .arg(2 * equal)
                .arg(equal)};
        break;
    }
    default: { // a side of a regular polygon
        const int sides = rng.range(3, 8);
        const int side = rng.range(3, 15);
        const QString name = sides == 3 ? QStringLiteral("equilateral triangle")
                             : sides == 4
                                 ? QStringLiteral("square")
                                 : QStringLiteral("regular ") + kPolygonNames.at(sides - 3);
        q = Make(Para(QStringLiteral("%1 has a perimeter of %2 cm.")
                          .arg(WithArticle(name, true))
                          .arg(sides * side)),
                 {MeasurePart(QStringLiteral("How long is each side?"), side, 0, units::kCm, 2)});
        q.working = {
            QStringLiteral("%1 has %2 sides, all the same length.")
                .arg(WithArticle(name, true))
                .arg(sides),
            QStringLiteral("%1 &divide; %2 = %3 cm.").arg(sides * side).arg(sides).arg(side)};
        break;
    }
    }
    return q;
}

Question SidesPuzzle(Prng& rng)
{
    static const QList<int> kinds = {3, 4, 5, 6, 8};
    QList<int> pair = kinds;
    rng.shuffle(pair);
    const int a = pair.at(0), b = pair.at(1);
    const int countA = rng.range(2, 7), countB = rng.range(2, 7);
    const int total = a * countA + b * countB;
    auto plural = [](int sides) { return kPolygonNames.at(sides - 3) + QLatin1Char('s'); };
    Question q = Make(Para(QStringLiteral("%1 cuts out some %2 and some %3. There are %4 %2. "
                                          "Altogether the shapes have %5 sides.")
                               .arg(Name(rng), plural(a), plural(b))
                               .arg(countA)
                               .arg(total)),
                      {CountPart(QStringLiteral("How many sides do the %1 have?").arg(plural(a)),
                                 a * countA, QStringLiteral("side"), QStringLiteral("sides")),
                       CountPart(QStringLiteral("How many %1 are there?").arg(plural(b)), countB,
                                 kPolygonNames.at(b - 3), plural(b))});
    q.parts.last().subs.first().marks = 2;
    q.working = {QStringLiteral("(a) Each of the %1 has %2 sides: %3 &times; %2 = %4 sides.")
                     .arg(plural(a))
                     .arg(a)
                     .arg(countA)
                     .arg(a * countA),
                 QStringLiteral("(b) That leaves %1 &minus; %2 = %3 sides for the %4.")
                     .arg(total)
                     .arg(a * countA)
                     .arg(b * countB)
                     .arg(plural(b)),
                 QStringLiteral("Each has %1 sides: %2 &divide; %1 = %3 %4.")
                     .arg(b)
                     .arg(b * countB)
                     .arg(countB)
                     .arg(plural(b))};
    return q;
}

// ---- Solids ----

/// The faces, edges and vertices of a solid and the shapes of its faces. Curved solids
/// count their flat faces only; their edges and vertices are never asked.
struct SolidModel {
    QString name;
    QStringList others; // other names it goes by
    int drawn;          // the Solid drawn for it, -1 for none
    int faces, edges, vertices, curved;
    int squares, rectangles, triangles, circles, pentagons, hexagons;
    bool polyhedron() const { return curved == 0; }
    bool pyramid() const { return name.contains(QLatin1String("pyramid")); }
    /// The sides of the base of a pyramid or of the end of a prism.
    int base() const { return pyramid() ? vertices - 1 : vertices / 2; }
};

const QList<SolidModel> kSolids = {
    {"cube", {}, int(Solid::Cube), 6, 12, 8, 0, 6, 0, 0, 0, 0, 0},
    {"cuboid", {"rectangular prism"}, int(Solid::Cuboid), 6, 12, 8, 0, 0, 6, 0, 0, 0, 0},
    {"triangular prism", {}, int(Solid::TriangularPrism), 5, 9, 6, 0, 0, 3, 2, 0, 0, 0},
    {"square-based pyramid",
     {"square pyramid", "square base pyramid"},
     int(Solid::SquarePyramid), 5, 8, 5, 0, 1, 0, 4, 0, 0, 0},
    {"triangular-based pyramid",
     {"triangular pyramid", "triangle-based pyramid", "triangle pyramid", "tetrahedron"},
     int(Solid::TriangularPyramid), 4, 6, 4, 0, 0, 0, 4, 0, 0, 0},
    {"pentagonal prism", {}, -1, 7, 15, 10, 0, 0, 5, 0, 0, 2, 0},
    {"hexagonal prism", {}, -1, 8, 18, 12, 0, 0, 6, 0, 0, 0, 2},
    {"pentagonal-based pyramid", {"pentagonal pyramid", "pentagon-based pyramid"}, -1,
     6, 10, 6, 0, 0, 0, 5, 0, 1, 0},
    {"hexagonal-based pyramid", {"hexagonal pyramid", "hexagon-based pyramid"}, -1,
     7, 12, 7, 0, 0, 0, 6, 0, 0, 1},
    {"cylinder", {}, int(Solid::Cylinder), 2, 2, 0, 1, 0, 0, 0, 2, 0, 0},
    {"cone", {}, int(Solid::Cone), 1, 1, 1, 1, 0, 0, 0, 1, 0, 0},
    {"sphere", {}, int(Solid::Sphere), 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},
};

/// The face shapes of the model with their counts, as fields and names.
const QList<std::pair<int SolidModel::*, const char*>> kFaceShapes = {
    {&SolidModel::squares, "square"},     {&SolidModel::rectangles, "rectangle"},
    {&SolidModel::triangles, "triangle"}, {&SolidModel::circles, "circle"},
    {&SolidModel::pentagons, "pentagon"}, {&SolidModel::hexagons, "hexagon"}};

/// "2 triangles + 3 rectangles = 5 faces", or "1 curved surface" alone.
QString FaceSum(const SolidModel& m)
{
    QStringList terms;
    for (const auto& [count, shape] : kFaceShapes) {
        const int n = m.*count;
        if (n > 0)
            terms.append(QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(shape),
                                                           QLatin1String(n == 1 ? "" : "s")));
    }
    QString sum;
    if (terms.isEmpty())
        sum = QStringLiteral("no flat faces");
    else if (terms.size() > 1)
        sum = QStringLiteral("%1 = %2 faces").arg(terms.join(QStringLiteral(" + "))).arg(m.faces);
    else if (m.faces == 1)
        sum = QStringLiteral("1 flat face, a %1").arg(terms.first().section(QLatin1Char(' '), 1));
    else
        sum = QStringLiteral("%1 flat faces, all %2")
                  .arg(m.faces)
                  .arg(terms.first().section(QLatin1Char(' '), 1));
    if (m.curved > 0)
        sum += QStringLiteral(" and one curved surface");
    return sum;
}

/// How the edges and vertices of a prism or pyramid are counted, with its own numbers.
QStringList EdgeAndVertexSteps(const SolidModel& m)
{
    const int n = m.base();
    if (m.pyramid())
        return {QStringLiteral("Edges: %1 round the base and %1 up to the top: %1 + %1 = %2.")
                    .arg(n)
                    .arg(m.edges),
                QStringLiteral("Vertices: %1 round the base and 1 at the top: %1 + 1 = %2.")
                    .arg(n)
                    .arg(m.vertices)};
    return {QStringLiteral("Edges: %1 round each end and %1 joining the ends: %1 + %1 + %1 = %2.")
                .arg(n)
                .arg(m.edges),
            QStringLiteral("Vertices: %1 at each end: %1 + %1 = %2.").arg(n).arg(m.vertices)};
}

/// Whether the name at index `name` describes the solid at index `solid` (a cube is a
/// cuboid too).
bool SolidIsA(int solid, int name)
{
    return solid == name || (solid == 0 && name == 1);
}

QStringList SolidNameForms(const SolidModel& m)
{
    return NameForms(m.name, m.others);
}

QList<int> Indices(bool (*keep)(const SolidModel&))
{
    QList<int> out;
    for (int i = 0; i < kSolids.size(); ++i) {
        if (keep(kSolids.at(i)))
            out.append(i);
    }
    return out;
}

int SolidIndex(const QString& name)
{
    for (int i = 0; i < kSolids.size(); ++i) {
        if (kSolids.at(i).name == name)
            return i;
    }
    throw std::logic_error("no such solid");
}

/// A choice among the names of solids in `pool` of which the model finds only the
/// right one's fits(name, arg, right).
Choice SolidChoice(Prng& rng, int right, const QList<int>& pool, bool (*fits)(int, int, int),
                   int arg)
{
    QList<int> others = pool;
    rng.shuffle(others);
    QList<int> chosen = {right};
    for (int i : others) {
        if (chosen.size() < 4 && i != right && !fits(i, arg, right))
            chosen.append(i);
    }
    QList<Option> options;
    for (int i : chosen)
        options.append({kSolids.at(i).name, fits(i, arg, right)});
    return UniqueChoice(rng, options);
}

bool NamesSolid(int name, int, int solid)
{
    return SolidIsA(solid, name);
}

Question FacesEdges(Prng& rng)
{
    const QList<int> solids = Indices([](const SolidModel& m) { return m.polyhedron(); });
    const SolidModel& m = kSolids.at(rng.pick(solids));
    const QList<Part> asks = {
        CountPart(QStringLiteral("How many faces does it have?"), m.faces, QStringLiteral("face"),
                  QStringLiteral("faces")),
        CountPart(QStringLiteral("How many edges does it have?"), m.edges, QStringLiteral("edge"),
                  QStringLiteral("edges")),
        CountPart(QStringLiteral("How many vertices (corners) does it have?"), m.vertices,
                  QStringLiteral("vertex"), QStringLiteral("vertices"))};
    // All three counts, or two of them.
    const int left = rng.range(-2, 2);
    QList<Part> parts;
    for (int i = 0; i < 3; ++i) {
        if (i != left)
            parts.append(asks.at(i));
    }
    Question q = Make(
        Para(m.drawn >= 0 ? QStringLiteral("This solid is a %1.").arg(m.name)
                          : QStringLiteral("Think about a %1.").arg(m.name)),
        parts);
    if (m.drawn >= 0)
        q.pictures = {SolidPicture(Solid(m.drawn))};
    q.working = QStringList{QStringLiteral("Faces: %1.").arg(FaceSum(m))} + EdgeAndVertexSteps(m);
    q.working.append(
        QStringLiteral("Check: faces + vertices &minus; edges = %1 + %2 &minus; %3 = 2.")
            .arg(m.faces)
            .arg(m.vertices)
            .arg(m.edges));
    return q;
}

Question NameSolid(Prng& rng)
{
    const QList<int> drawn = Indices([](const SolidModel& m) { return m.drawn >= 0; });
    const int solid = rng.pick(drawn);
    const SolidModel& m = kSolids.at(solid);
    Question q = ChoiceQuestion(Para(QStringLiteral("What is the name of this solid?")),
                                SolidChoice(rng, solid, drawn, NamesSolid, 0));
    q.pictures = {SolidPicture(Solid(m.drawn))};
    q.working = {QStringLiteral("Look at its faces: it has %1.").arg(FaceSum(m)),
                 QStringLiteral("So it is a %1.").arg(m.name)};
    return q;
}

/// A clue of a riddle: its text and whether a solid fits it.
struct Clue {
    QString text;
    std::function<bool(const SolidModel&)> fits;
};

QList<Clue> CluesOf(const SolidModel& m)
{
    auto many = [](int n, const char* one, const char* more) {
        return QStringLiteral("%1 %2").arg(n == 0 ? QStringLiteral("no") : NumberWords(n),
                                           QLatin1String(n == 1 ? one : more));
    };
    QList<Clue> clues = {
        {QStringLiteral("I have %1.").arg(many(m.faces, "flat face", "flat faces")),
         [n = m.faces](const SolidModel& s) { return s.faces == n; }}};
    if (m.polyhedron()) {
        clues.append(
            {QStringLiteral("I have %1.").arg(many(m.edges, "edge", "edges")),
             [n = m.edges](const SolidModel& s) { return s.edges == n && s.polyhedron(); }});
        clues.append(
            {QStringLiteral("I have %1.").arg(many(m.vertices, "vertex", "vertices")),
             [n = m.vertices](const SolidModel& s) { return s.vertices == n && s.polyhedron(); }});
    } else {
        clues.append({QStringLiteral("I have one curved surface."),
                      [](const SolidModel& s) { return s.curved == 1; }});
    }
    for (const auto& shape : kFaceShapes) {
        const int SolidModel::*count = shape.first;
        const int n = m.*count;
        if (n > 0) {
            clues.append({QStringLiteral("Exactly %1 of my faces %2 %3%4.")
                              .arg(NumberWords(n), QLatin1String(n == 1 ? "is a" : "are"),
                                   QLatin1String(shape.second), QLatin1String(n == 1 ? "" : "s")),
                          [count, n](const SolidModel& s) { return s.*count == n; }});
        }
    }
    return clues;
}

Question Riddle(Prng& rng)
{
    const SolidModel& m = rng.pick(kSolids);
    QList<Clue> clues = CluesOf(m);
    rng.shuffle(clues);
    // Two clues at least, and more until the model finds only the one solid that fits them all.
    QStringList given;
    QList<SolidModel> candidates = kSolids;
    for (const Clue& clue : clues) {
        if (candidates.size() == 1 && given.size() >= 2)
            break;
        given.append(clue.text);
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                        [&](const SolidModel& s) { return !clue.fits(s); }),
                         candidates.end());
    }
    if (candidates.size() != 1 || candidates.first().name != m.name)
        throw std::logic_error("a riddle that does not name one solid");
    Question q = Make(Para(given.join(QLatin1Char(' ')) + QStringLiteral(" What am I?")),
                      {AlternativesPart(QString(), SolidNameForms(m))},
                      QStringLiteral("Write the name of the solid."));
    q.working = {QStringLiteral("Check each clue against the solids you know, crossing out "
                                "those that do not fit."),
                 QStringLiteral("A %1 has %2%3.")
                     .arg(m.name, FaceSum(m),
                          m.polyhedron() ? QStringLiteral(", %1 edges and %2 vertices")
                                               .arg(m.edges)
                                               .arg(m.vertices)
                                         : QString()),
                 QStringLiteral("Only the %1 fits every clue.").arg(m.name)};
    return q;
}

int CountOf(const SolidModel& m, int which)
{
    return which == 0 ? m.faces : which == 1 ? m.edges : m.vertices;
}

bool SolidCount(int solid, int which, int right)
{
    return CountOf(kSolids.at(solid), which) == CountOf(kSolids.at(right), which);
}

Question WhichSolidHas(Prng& rng)
{
    static const QStringList counts = {"faces", "edges", "vertices"};
    const QList<int> solids = Indices([](const SolidModel& m) { return m.polyhedron(); });
    const int right = rng.pick(solids);
    const int which = rng.range(0, 2);
    const SolidModel& m = kSolids.at(right);
    const int value = CountOf(m, which);
    const Choice choice = SolidChoice(rng, right, solids, SolidCount, which);
    Question q = ChoiceQuestion(Para(QStringLiteral("Which solid has exactly <b>%1 %2</b>?")
                                         .arg(value)
                                         .arg(counts.at(which))),
                                choice);
    QStringList each;
    for (const QString& name : choice.options)
        each.append(QStringLiteral("a %1 has %2")
                        .arg(name)
                        .arg(CountOf(kSolids.at(SolidIndex(name)), which)));
    q.working = {
        QStringLiteral("Count the %1 of each: %2.")
            .arg(counts.at(which), each.join(QStringLiteral("; "))),
        QStringLiteral("Only the %1 has %2 %3.").arg(m.name).arg(value).arg(counts.at(which))};
    return q;
}

/// The name of the polygon with n sides as an adjective, for prisms and pyramids.
QString BaseAdjective(int n)
{
    static const QStringList names = {"triangular", "square", "pentagonal", "hexagonal",
                                      "heptagonal", "octagonal", "nonagonal", "decagonal"};
    return names.at(n - 3);
}

Question EulerCheck(Prng& rng)
{
    // A prism or pyramid on any base, two of its counts given.
    const int n = rng.range(3, 10);
    const bool prism = rng.chance(50);
    const int faces = prism ? n + 2 : n + 1;
    const int edges = prism ? 3 * n : 2 * n;
    const int vertices = prism ? 2 * n : n + 1;
    const int ask = rng.range(0, 2);
    static const QStringList names = {"faces", "edges", "vertices"};
    const QList<int> counts = {faces, edges, vertices};
    QStringList known;
    for (int i = 0; i < 3; ++i) {
        if (i != ask)
            known.append(QStringLiteral("%1 %2").arg(counts.at(i)).arg(names.at(i)));
    }
    Question q = Make(
        Para(QStringLiteral("For any solid with flat faces and straight edges, "
                            "<b>faces + vertices &minus; edges = 2</b>.")) +
            Para(QStringLiteral("%1 %2 has %3 and %4.")
                     .arg(WithArticle(BaseAdjective(n), true),
                          prism ? QStringLiteral("prism") : QStringLiteral("pyramid"), known.at(0),
                          known.at(1))),
        {CountPart(QStringLiteral("How many %1 does it have?").arg(names.at(ask)), counts.at(ask),
                   QStringList{"face", "edge", "vertex"}.at(ask), names.at(ask))});
    q.parts.first().subs.first().marks = 2;
    switch (ask) {
    case 0:
        q.working = {
            QStringLiteral("Faces + %1 &minus; %2 = 2, so faces = 2 + %2 &minus; %1.")
                .arg(vertices)
                .arg(edges),
            QStringLiteral("2 + %1 &minus; %2 = %3 faces.").arg(edges).arg(vertices).arg(faces)};
        break;
    case 1:
        q.working = {
            QStringLiteral("%1 + %2 &minus; edges = 2, so edges = %1 + %2 &minus; 2.")
                .arg(faces)
                .arg(vertices),
            QStringLiteral("%1 + %2 &minus; 2 = %3 edges.").arg(faces).arg(vertices).arg(edges)};
        break;
    default:
        q.working = {
            QStringLiteral("%1 + vertices &minus; %2 = 2, so vertices = 2 + %2 &minus; %1.")
                .arg(faces)
                .arg(edges),
            QStringLiteral("2 + %1 &minus; %2 = %3 vertices.").arg(edges).arg(faces).arg(vertices)};
        break;
    }
    return q;
}

Question PrismPattern(Prng& rng)
{
    const int n = rng.range(3, 10);
    const bool prism = rng.chance(55);
    const SolidModel m{QStringLiteral("%1 %2").arg(BaseAdjective(n), prism ? "prism" : "pyramid"),
                       {}, -1, prism ? n + 2 : n + 1, prism ? 3 * n : 2 * n,
                       prism ? 2 * n : n + 1, 0, 0, 0, 0, 0, 0, 0};
    static const QStringList polygons = {"triangle", "square", "pentagon", "hexagon",
                                         "heptagon", "octagon", "nonagon", "decagon"};
    Question q = Make(
        Para(prism ? QStringLiteral("A prism has two ends that are %1s, each with %2 sides.")
                         .arg(polygons.at(n - 3))
                         .arg(n)
                   : QStringLiteral("A pyramid has a base that is %1, with %2 sides.")
                         .arg(WithArticle(polygons.at(n - 3)))
                         .arg(n)),
        {});
    const QList<Part> asks = {
        CountPart(QStringLiteral("How many faces does it have?"), m.faces, QStringLiteral("face"),
                  QStringLiteral("faces")),
        CountPart(QStringLiteral("How many edges does it have?"), m.edges, QStringLiteral("edge"),
                  QStringLiteral("edges")),
        CountPart(QStringLiteral("How many vertices does it have?"), m.vertices,
                  QStringLiteral("vertex"), QStringLiteral("vertices"))};
    const int left = rng.range(-2, 2); // all three counts, or two of them
    for (int i = 0; i < 3; ++i) {
        if (i != left)
            q.parts.append(asks.at(i));
    }
    q.working = {
        prism
            ? QStringLiteral("Faces: 2 ends and %1 rectangles round the sides: 2 + %1 = %2.")
                  .arg(n)
                  .arg(m.faces)
            : QStringLiteral("Faces: the base and %1 triangles: 1 + %1 = %2.").arg(n).arg(m.faces)};
    q.working += EdgeAndVertexSteps(m);
    return q;
}

Question FaceShapes(Prng& rng)
{
    QList<std::pair<int, int>> asks; // solid, face shape
    for (int s = 0; s < kSolids.size(); ++s) {
        for (int f = 0; f < kFaceShapes.size(); ++f) {
            if (kSolids.at(s).*kFaceShapes.at(f).first > 0)
                asks.append({s, f});
        }
    }
    const auto [s, f] = rng.pick(asks);
    const SolidModel& m = kSolids.at(s);
    const QString shape = QLatin1String(kFaceShapes.at(f).second);
    const int count = m.*kFaceShapes.at(f).first;
    Question q = Make(Para(QStringLiteral("Think about a %1.").arg(m.name)),
                      {CountPart(QStringLiteral("How many of its faces are %1s?").arg(shape), count,
                                 QStringLiteral("face"), QStringLiteral("faces")),
                       CountPart(QStringLiteral("How many flat faces does it have altogether?"),
                                 m.faces, QStringLiteral("face"), QStringLiteral("faces"))});
    const bool edges = m.polyhedron() && rng.chance(50);
    if (edges)
        q.parts.append(CountPart(QStringLiteral("How many edges does it have?"), m.edges,
                                 QStringLiteral("edge"), QStringLiteral("edges")));
    if (m.drawn >= 0 && rng.chance(70))
        q.pictures = {SolidPicture(Solid(m.drawn))};
    q.working = {QStringLiteral("A %1 has %2.").arg(m.name, FaceSum(m)),
                 QStringLiteral("So %1 of its faces %2 %3%4, and it has %5 flat %6.")
                     .arg(count)
                     .arg(count == 1 ? "is a" : "are", shape, count == 1 ? "" : "s")
                     .arg(m.faces)
                     .arg(m.faces == 1 ? "face" : "faces")};
    if (edges)
        q.working.append(EdgeAndVertexSteps(m).first());
    return q;
}

Question SolidStatements(Prng& rng)
{
    static const QStringList names = {"faces", "edges", "vertices"};
    const QList<int> solids = Indices([](const SolidModel& m) { return m.polyhedron(); });
    QList<int> chosen = solids;
    rng.shuffle(chosen);
    QList<Part> parts;
    QStringList working;
    for (int i = 0; i < 3; ++i) {
        const SolidModel& m = kSolids.at(chosen.at(i));
        const int which = rng.range(0, 2);
        const int truth = CountOf(m, which);
        const int said = rng.chance(50) ? truth : truth + rng.pick(QList<int>{-2, -1, 1, 2});
        parts.append(TrueFalsePart(
            QStringLiteral("A %1 has %2 %3.").arg(m.name).arg(said).arg(names.at(which)),
            said == truth));
        working.append(QStringLiteral("(%1) A %2 has %3 %4, so this is %5.")
                           .arg(QChar('a' + i))
                           .arg(m.name)
                           .arg(truth)
                           .arg(names.at(which), said == truth ? "True" : "False"));
    }
    Question q = Make(
        Para(QStringLiteral("Write <b>T</b> if the statement is true or <b>F</b> if it is false.")),
        parts);
    q.working = working;
    return q;
}

Question CompareSolids(Prng& rng)
{
    static const QStringList names = {"faces", "edges", "vertices"};
    const QList<int> solids = Indices([](const SolidModel& m) { return m.polyhedron(); });
    const int which = rng.range(0, 2);
    int a = rng.pick(solids), b = rng.pick(solids);
    while (CountOf(kSolids.at(a), which) == CountOf(kSolids.at(b), which))
        b = rng.pick(solids);
    if (CountOf(kSolids.at(a), which) < CountOf(kSolids.at(b), which))
        std::swap(a, b);
    const SolidModel& big = kSolids.at(a);
    const SolidModel& small = kSolids.at(b);
    const int difference = CountOf(big, which) - CountOf(small, which);
    Question q = Make(Para(QStringLiteral("How many more <b>%1</b> does a %2 have than a %3?")
                               .arg(names.at(which), big.name, small.name)),
                      {NumberPart(QString(), difference, 2)});
    q.working = {QStringLiteral("A %1 has %2 %3.")
                     .arg(big.name)
                     .arg(CountOf(big, which))
                     .arg(names.at(which)),
                 QStringLiteral("A %1 has %2 %3.")
                     .arg(small.name)
                     .arg(CountOf(small, which))
                     .arg(names.at(which)),
                 QStringLiteral("%1 &minus; %2 = %3 more %4.")
                     .arg(CountOf(big, which))
                     .arg(CountOf(small, which))
                     .arg(difference)
                     .arg(names.at(which))};
    return q;
}

Question StrawFrame(Prng& rng)
{
    const bool cube = rng.chance(35);
    const int l = rng.range(4, 15);
    int w = cube ? l : rng.range(3, 12), h = cube ? l : rng.range(3, 12);
    if (!cube && w == l)
        ++w;
    const int total = 4 * (l + w + h);
    Question q;
    if (cube) {
        q = Make(Para(QStringLiteral("%1 makes the frame of a cube from straws. Each edge is a "
                                     "straw %2 cm long.")
                          .arg(Name(rng))
                          .arg(l)),
                 {MeasurePart(QStringLiteral("What length of straw does the frame use altogether?"),
                              total, 0, units::kCm, 2)});
        q.working = {QStringLiteral("A cube has 12 edges, all the same length."),
                     QStringLiteral("12 &times; %1 = %2 cm.").arg(l).arg(total)};
    } else {
        q = Make(Para(QStringLiteral("%1 makes the frame of a cuboid from straws: %2 cm long, "
                                     "%3 cm wide and %4 cm tall.")
                          .arg(Name(rng))
                          .arg(l)
                          .arg(w)
                          .arg(h)),
                 {MeasurePart(QStringLiteral("What length of straw does the frame use altogether?"),
                              total, 0, units::kCm, 2)});
        q.working = {QStringLiteral("A cuboid has 12 edges: 4 of each length."),
                     QStringLiteral("One of each: %1 + %2 + %3 = %4 cm.")
                         .arg(l)
                         .arg(w)
                         .arg(h)
                         .arg(l + w + h),
                     QStringLiteral("4 &times; %1 = %2 cm.").arg(l + w + h).arg(total)};
        q.pictures = {CuboidPicture(l, w, h, QStringLiteral("cm"))};
    }
    return q;
}

Question SolidViews(Prng& rng)
{
    struct View {
        Solid solid;
        const char* above;
        const char* front;
    };
    static const QList<View> views = {
        {Solid::Cube, "square", "square"},
        {Solid::Cuboid, "rectangle", "rectangle"},
        {Solid::TriangularPrism, "rectangle", "triangle"},
        {Solid::SquarePyramid, "square", "triangle"},
        {Solid::TriangularPyramid, "triangle", "triangle"},
        {Solid::Cylinder, "circle", "rectangle"},
        {Solid::Cone, "circle", "triangle"},
        {Solid::Sphere, "circle", "circle"}};
    static const QStringList shapes = {"square", "rectangle", "triangle", "circle", "pentagon",
                                       "hexagon"};
    const View& view = rng.pick(views);
    const bool above = rng.chance(50);
    const QString seen = QLatin1String(above ? view.above : view.front);
    // A square is a rectangle too, so a square view never has a rectangle among the options.
    auto fits = [&](const QString& shape) {
        return shape == seen ||
               (shape == QLatin1String("rectangle") && seen == QLatin1String("square"));
    };
    QList<Option> options = {{seen, true}};
    QStringList others = shapes;
    rng.shuffle(others);
    for (const QString& shape : others) {
        if (options.size() < 4 && !fits(shape))
            options.append({shape, false});
    }
    const QString name = SolidName(view.solid);
    Question q = ChoiceQuestion(
        Para(
            QStringLiteral("This %1 stands on a table as drawn. What shape do you see when you "
                           "look at it from %2?")
                .arg(name, above ? QStringLiteral("directly above") : QStringLiteral("the front"))),
        UniqueChoice(rng, options));
    q.pictures = {SolidPicture(view.solid)};
    Svg svg(200, 160);
    if (seen == QLatin1String("circle"))
        svg.circle({100, 80}, 62, colour::kBlueLight, colour::kBlueDark, 2.5);
    else if (seen == QLatin1String("square"))
        svg.rect(38, 18, 124, 124, colour::kBlueLight, colour::kBlueDark, 2.5);
    else if (seen == QLatin1String("rectangle"))
        svg.rect(20, 40, 160, 80, colour::kBlueLight, colour::kBlueDark, 2.5);
    else
        svg.polygon({{100, 18}, {170, 142}, {30, 142}}, colour::kBlueLight, colour::kBlueDark, 2.5);
    q.workingPictures = {Picture{svg.finish(), QStringLiteral("The outline seen: a %1").arg(seen)}};
    q.working = {QStringLiteral("From %1 you see only the outline of the %2 that faces you.")
                     .arg(above ? QStringLiteral("above") : QStringLiteral("the front"), name),
                 QStringLiteral("That outline is a %1.").arg(seen)};
    return q;
}

// ---- Cube nets: six squares on a grid, folded square by square ----

/// A square of a net at grid cell (x, y), y downwards.
using Net = QList<QPoint>;

struct Vec {
    int x, y, z;
    Vec operator-() const { return {-x, -y, -z}; }
    bool operator==(const Vec& o) const { return x == o.x && y == o.y && z == o.z; }
};

/// The outward direction of the face each square of `net` becomes when the net is folded
/// round its first square, lying on the table. Squares that land on the same face make
/// the net no net of a cube.
QList<Vec> Fold(const Net& net)
{
    struct Frame {
        Vec n, u, v; // outward normal, the grid's right and down
    };
    QList<Frame> frames(net.size(), Frame{{0, 0, -1}, {1, 0, 0}, {0, 1, 0}});
    QList<bool> done(net.size(), false);
    QList<int> queue = {0};
    done[0] = true;
    while (!queue.isEmpty()) {
        const int i = queue.takeFirst();
        const Frame f = frames.at(i);
        for (int j = 0; j < net.size(); ++j) {
            const QPoint d = net.at(j) - net.at(i);
            if (done.at(j) || std::abs(d.x()) + std::abs(d.y()) != 1)
                continue;
            // Folding up over the shared edge turns the square's normal towards the step.
            if (d.x() == 1)
                frames[j] = {f.u, -f.n, f.v};
            else if (d.x() == -1)
                frames[j] = {-f.u, f.n, f.v};
            else if (d.y() == 1)
                frames[j] = {f.v, f.u, -f.n};
            else
                frames[j] = {-f.v, f.u, f.n};
            done[j] = true;
            queue.append(j);
        }
    }
    QList<Vec> normals;
    for (const Frame& f : frames)
        normals.append(f.n);
    return normals;
}

bool FoldsToCube(const Net& net)
{
    const QList<Vec> normals = Fold(net);
    for (int i = 0; i < normals.size(); ++i) {
        for (int j = 0; j < i; ++j) {
            if (normals.at(i) == normals.at(j))
                return false;
        }
    }
    return true;
}

/// Six squares joined edge to edge within a grid of 5 by 4, moved to its top-left corner.
Net RandomHexomino(Prng& rng)
{
    Net cells = {QPoint(rng.range(0, 4), rng.range(0, 3))};
    while (cells.size() < 6) {
        const QPoint next = rng.pick(cells) +
                            rng.pick(QList<QPoint>{{1, 0}, {-1, 0}, {0, 1}, {0, -1}});
        if (next.x() >= 0 && next.x() <= 4 && next.y() >= 0 && next.y() <= 3 &&
            !cells.contains(next))
            cells.append(next);
    }
    int left = 9, top = 9;
    for (const QPoint& c : cells) {
        left = std::min(left, c.x());
        top = std::min(top, c.y());
    }
    for (QPoint& c : cells)
        c -= QPoint(left, top);
    std::sort(cells.begin(), cells.end(), [](const QPoint& a, const QPoint& b) {
        return std::make_pair(a.y(), a.x()) < std::make_pair(b.y(), b.x());
    });
    return cells;
}

QString NetKey(const Net& net)
{
    QStringList cells;
    for (const QPoint& c : net)
        cells.append(QStringLiteral("%1,%2").arg(c.x()).arg(c.y()));
    return cells.join(QLatin1Char(' '));
}

Net NetFromKey(const QString& key)
{
    Net net;
    for (const QString& cell : key.split(QLatin1Char(' ')))
        net.append(QPoint(cell.section(QLatin1Char(','), 0, 0).toInt(),
                          cell.section(QLatin1Char(','), 1, 1).toInt()));
    return net;
}

/// Draws `net` with squares of `size` from (x, y); `labels` (if any) inside its squares,
/// `shaded` squares amber.
void DrawNet(Svg& svg, const Net& net, double x, double y, double size,
             const QStringList& labels = {}, const QList<int>& shaded = {})
{
    for (int i = 0; i < net.size(); ++i) {
        const QPointF at(x + net.at(i).x() * size, y + net.at(i).y() * size);
        svg.rect(at.x(), at.y(), size, size,
                 shaded.contains(i) ? colour::kAmberLight : colour::kBlueLight, colour::kBlueDark,
                 2);
        if (i < labels.size())
            svg.text(at + QPointF(size / 2, size / 2 + 6), labels.at(i), 17, "middle", true);
    }
}

Question WhichNet(Prng& rng)
{
    // The nets drawn and the solids they fold into.
    static const QList<int> nets = {0, 2, 3};
    const int solid = rng.pick(nets);
    const SolidModel& m = kSolids.at(solid);
    Picture net = NetPicture(Solid(m.drawn));
    if (solid == 0) { // any of the eleven nets of a cube
        Net squares = RandomHexomino(rng);
        while (!FoldsToCube(squares))
            squares = RandomHexomino(rng);
        Svg svg(300, 250);
        DrawNet(svg, squares, 20, 20, 52);
        net = Picture{svg.finish(), QStringLiteral("The net of a solid")};
    }
    const int ask = rng.range(0, 3);
    Question q;
    if (ask == 0) {
        QList<int> all;
        for (int i = 0; i < kSolids.size(); ++i)
            all.append(i);
        q = ChoiceQuestion(Para(QStringLiteral("This net folds up to make a solid. Which solid?")),
                           SolidChoice(rng, solid, all, NamesSolid, 0));
    } else {
        static const QStringList one = {"face", "edge", "vertex"};
        static const QStringList many = {"faces", "edges", "vertices"};
        q = Make(Para(QStringLiteral("This net folds up to make a solid. How many <b>%1</b> does "
                                     "the solid have?")
                          .arg(many.at(ask - 1))),
                 {CountPart(QString(), CountOf(m, ask - 1), one.at(ask - 1), many.at(ask - 1))});
    }
    q.pictures = {net};
    q.workingPictures = {SolidPicture(Solid(m.drawn))};
    q.working = {QStringLiteral("The net has %1.").arg(FaceSum(m)),
                 QStringLiteral("Folded up, it makes a %1.").arg(m.name)};
    if (ask == 1)
        q.working.append(QStringLiteral("Each shape of the net is a face: %1 faces.").arg(m.faces));
    else if (ask > 1)
        q.working.append(EdgeAndVertexSteps(m).at(ask - 2));
    return q;
}

Question CubeNetChoice(Prng& rng)
{
    const bool wantNet = rng.chance(70); // or the one that is not a net
    QList<Option> options;
    while (options.size() < 4) {
        const Net net = RandomHexomino(rng);
        const bool folds = FoldsToCube(net);
        const bool fits = folds == wantNet;
        const QString key = NetKey(net);
        if (std::any_of(options.cbegin(), options.cend(),
                        [&](const Option& o) { return o.text == key; }))
            continue;
        if (fits == options.isEmpty())
            options.append({key, fits});
    }
    const Choice choice = UniqueChoice(rng, options);
    const double size = 26;
    Svg svg(340, 300);
    QStringList wrong;
    for (int i = 0; i < 4; ++i) {
        const double x = 20 + (i % 2) * 170, y = 14 + (i / 2) * 146;
        DrawNet(svg, NetFromKey(choice.options.at(i)), x, y, size);
        svg.text({x - 6, y + 16}, QString(QChar('A' + i)), 17, "end", true);
        if (i != choice.right)
            wrong.append(QString(QChar('A' + i)));
    }
    const QChar letter('A' + choice.right);
    Question q =
        Make(Para(wantNet ? QStringLiteral("Which of these is the net of a cube? Write its letter.")
                          : QStringLiteral("Only one of these is <b>not</b> the net of a "
                                           "cube. Which one? Write its letter.")),
             {LetterPart(QStringLiteral("net"), letter)});
    q.pictures = {
        Picture{svg.finish(), QStringLiteral("Four shapes made of six squares, lettered A to D")}};
    q.working = {
        QStringLiteral("Fold each shape in your head, one square at a time, round a square "
                       "on the table.")};
    if (wantNet)
        q.working +=
            {QStringLiteral("In nets %1, two squares fold onto the same face, leaving a face "
                            "of the cube open.")
                 .arg(wrong.join(QStringLiteral(", "))),
             QStringLiteral("Net %1 folds to cover all six faces. So the answer is net %1.")
                 .arg(letter)};
    else
        q.working += {QStringLiteral("Nets %1 each fold to cover all six faces of a cube.")
                          .arg(wrong.join(QStringLiteral(", "))),
                      QStringLiteral("In net %1 two squares fold onto the same face. So the answer "
                                     "is net %1.")
                          .arg(letter)};
    return q;
}

Question OppositeFace(Prng& rng)
{
    Net net = RandomHexomino(rng);
    while (!FoldsToCube(net))
        net = RandomHexomino(rng);
    QStringList letters = {"A", "B", "C", "D", "E", "F"};
    rng.shuffle(letters);
    const int from = rng.range(0, 5);
    const QList<Vec> normals = Fold(net);
    int opposite = 0;
    while (!(normals.at(opposite) == -normals.at(from)))
        ++opposite;
    auto draw = [&](const QList<int>& shaded) {
        Svg svg(300, 250);
        DrawNet(svg, net, 20, 20, 52, letters, shaded);
        return svg.finish();
    };
    Question q = Make(Para(QStringLiteral("This net folds to make a cube. Which face is "
                                          "opposite face <b>%1</b>?")
                               .arg(letters.at(from))),
                      {LetterPart(QStringLiteral("face"), letters.at(opposite).at(0))});
    q.pictures = {Picture{draw({}), QStringLiteral("The net of a cube with its faces lettered")}};
    q.workingPictures = {Picture{draw({from, opposite}),
                                 QStringLiteral("The net with two opposite faces shaded")}};
    const QPoint gap = net.at(opposite) - net.at(from);
    const int between = int(net.indexOf(net.at(from) + gap / 2));
    if ((gap.x() == 0 || gap.y() == 0) && std::abs(gap.x() + gap.y()) == 2 && between >= 0)
        q.working.append(QStringLiteral("Faces %1 and %2 are in a line with face %3 between them: "
                                        "when %3 folds up as a side, they face each other.")
                             .arg(letters.at(from), letters.at(opposite), letters.at(between)));
    q.working += {QStringLiteral("Fold the net with face %1 on the table and fold the other "
                                "squares up round it.")
                     .arg(letters.at(from)),
                 QStringLiteral("The faces next to %1 become the sides; the one left lands on "
                                "top, opposite it.")
                     .arg(letters.at(from)),
                 QStringLiteral("So face %1 is opposite face %2.")
                     .arg(letters.at(opposite), letters.at(from))};
    return q;
}

/// Unit cubes in columns: `heights` along the front, the same in every row of `rows`.
Picture CubeModel(const QList<int>& heights, int rows)
{
    const double s = 34;
    const QPointF k(0.5 * 0.866 * s, -0.5 * 0.5 * s);
    const int tallest = *std::max_element(heights.cbegin(), heights.cend());
    const double x0 = 24, base = 40 + tallest * s + (rows) * -k.y();
    Svg svg(int(x0 + heights.size() * s + rows * k.x() + 30), int(base + 20));
    for (int z = rows - 1; z >= 0; --z) {
        for (int y = 0; y < tallest; ++y) {
            for (int x = 0; x < heights.size(); ++x) {
                if (heights.at(x) <= y)
                    continue;
                const QPointF o = QPointF(x0 + x * s, base - y * s) + k * z; // bottom-left front
                const QPointF a = o, b = o + QPointF(s, 0), c = o + QPointF(s, -s),
                              d = o + QPointF(0, -s);
                svg.polygon({d, c, c + k, d + k}, colour::kBlueLight, colour::kBlueDark, 1.5);
                svg.polygon({b, c, c + k, b + k}, "#b9d3f0", colour::kBlueDark, 1.5);
                svg.polygon({a, b, c, d}, "#e4eefa", colour::kBlueDark, 1.5);
            }
        }
    }
    return Picture{svg.finish(), QStringLiteral("A model made of cubes")};
}

Question CountCubes(Prng& rng)
{
    const int columns = rng.range(2, 5);
    const int rows = rng.range(1, 3);
    QList<int> heights;
    for (int i = 0; i < columns; ++i)
        heights.append(rng.range(1, 4));
    std::sort(heights.begin(), heights.end(), std::greater<int>());
    int front = 0;
    for (int h : heights)
        front += h;
    const int total = front * rows;
    QStringList sum;
    for (int h : heights)
        sum.append(QString::number(h));
    Question q = Make(Para(QStringLiteral("%1 builds this model from cubes. Every row from front "
                                          "to back is the same, and no cube floats: each one "
                                          "stands on the table or on another cube.")
                               .arg(Name(rng))),
                      {CountPart(QStringLiteral("How many cubes are in the model?"), total,
                                 QStringLiteral("cube"), QStringLiteral("cubes"))});
    q.parts.first().subs.first().marks = rows > 1 ? 2 : 1;
    q.pictures = {CubeModel(heights, rows)};
    q.working = {QStringLiteral("Count the front row, column by column: %1 = %2 cubes.")
                     .arg(sum.join(QStringLiteral(" + ")))
                     .arg(front)};
    if (rows > 1)
        q.working.append(QStringLiteral("There are %1 rows the same: %2 &times; %1 = %3 cubes.")
                             .arg(rows)
                             .arg(front)
                             .arg(total));
    else
        q.working.append(
            QStringLiteral("There is one row only, so there are %1 cubes.").arg(total));
    return q;
}

} // namespace

QList<Generator> FlatShapeKinds()
{
    return {NameShape,     SidesByName,   PickByName,   PickByProperty,     Symmetry,
            Properties,    EqualSides,    TriangleKind, DescribeShape,      CountProperty,
            NamePolygon,   CircleParts,   HowManyInRow, MissingSideOfShape, SidesPuzzle};
}

QList<Generator> SolidKinds()
{
    return {FacesEdges,      FacesEdges,    NameSolid,     Riddle,      WhichNet,
            WhichSolidHas,   EulerCheck,    PrismPattern,  FaceShapes,  SolidStatements,
            CompareSolids,   StrawFrame,    SolidViews,    CubeNetChoice, OppositeFace,
            CountCubes};
}

} // namespace orlavine::pack
