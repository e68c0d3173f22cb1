// Flat shapes and solids: names, properties, symmetry, faces, edges and vertices, nets.
#include "banks.h"

#include "answerforms.h"
#include "diagrams.h"
#include "numbertext.h"

#include <algorithm>
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
    return AlternativesPart(QString(), {l, noun + QLatin1Char(' ') + l});
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

/// Four shapes in a row, lettered, of which only the one the model finds fits `wanted`;
/// the wrong ones are like the right one where they can be (the same number of sides).
Question ShapeChoice(Prng& rng, const QString& stem, bool (*wanted)(const ShapeModel&, int),
                     int arg)
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
    for (const QString& name : choice.options) {
        for (const ShapeModel& m : kShapes) {
            if (ShapeName(m.shape) == name)
                row.append(m.shape);
        }
    }
    Question q = Make(Para(stem + QStringLiteral(" Write its letter.")),
                      {LetterPart(QStringLiteral("shape"), QChar('A' + choice.right))});
    q.pictures = {ShapeRow(row)};
    return q;
}

Question NameShape(Prng& rng)
{
    const Shape shape =
        rng.pick(QList<Shape>{Shape::Pentagon, Shape::Hexagon, Shape::Heptagon, Shape::Octagon,
                              Shape::Rhombus, Shape::Parallelogram, Shape::Trapezium, Shape::Kite});
    Question q = Make(Para(QStringLiteral("What is the name of this shape?")),
                      {AlternativesPart(QString(), ShapeNameForms(shape))},
                      QStringLiteral("Write the name in words."));
    q.pictures = {ShapePicture(shape)};
    return q;
}

Question SidesByName(Prng& rng)
{
    const Shape shape =
        rng.pick(QList<Shape>{Shape::Pentagon, Shape::Hexagon, Shape::Heptagon, Shape::Octagon});
    const int sides = ModelOf(shape).sides;
    switch (rng.range(0, 2)) {
    case 0:
        return Make(Para(QStringLiteral("A shape has %1 straight sides. What is its name?")
                             .arg(NumberWords(sides))),
                    {WordPart(QString(), ShapeName(shape))});
    case 1: {
        const int count = rng.range(2, 5);
        return Make(Para(QStringLiteral("%1 draws %2 %3s. How many sides do they have altogether?")
                             .arg(Name(rng))
                             .arg(count)
                             .arg(ShapeName(shape))),
                    {CountPart(QString(), count * sides, QStringLiteral("side"),
                               QStringLiteral("sides"))});
    }
    default:
        return Make(Para(QStringLiteral("How many vertices (corners) does a %1 have?")
                             .arg(ShapeName(shape))),
                    {CountPart(QString(), sides, QStringLiteral("vertex"),
                               QStringLiteral("vertices"))});
    }
}

bool IsNamed(const ShapeModel& m, int name)
{
    return IsA(m, Shape(name));
}

Question PickByName(Prng& rng)
{
    const Shape name = Shape(rng.range(0, int(Shape::Octagon)));
    return ShapeChoice(rng, QStringLiteral("Which shape is a <b>%1</b>?").arg(ShapeName(name)),
                       IsNamed, int(name));
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
    return ShapeChoice(rng,
                       QStringLiteral("Which shape has <b>%1</b>?")
                           .arg(QLatin1String(kProperties.at(property).text)),
                       HasProperty, property);
}

Question Symmetry(Prng& rng)
{
    const ShapeModel m = kShapes.at(rng.range(0, int(kShapes.size()) - 2)); // not the circle
    Question q = Make(Para(QStringLiteral("How many lines of symmetry does this shape have?")),
                      {CountPart(QString(), m.symmetry, QStringLiteral("line"),
                                 QStringLiteral("lines"))});
    q.pictures = {ShapePicture(m.shape)};
    return q;
}

Question Properties(Prng& rng)
{
    struct Fact {
        const char* text;
        bool truth;
    };
    static const QList<Fact> facts = {
        {"A square has four right angles", true},
        {"A rhombus always has four right angles", false},
        {"A rectangle has two pairs of parallel sides", true},
        {"A trapezium has at least one pair of parallel sides", true},
        {"A kite always has four equal sides", false},
        {"An equilateral triangle has three equal angles", true},
        {"A parallelogram has two pairs of equal sides", true},
        {"A pentagon has six sides", false},
        {"An isosceles triangle has two equal sides", true},
        {"A scalene triangle has two equal sides", false},
        {"A right-angled triangle can have two right angles", false},
        {"A regular hexagon has six equal angles", true},
        {"A regular octagon has eight lines of symmetry", true},
        {"A parallelogram always has a line of symmetry", false},
        {"A rhombus has two pairs of parallel sides", true},
        {"A heptagon has seven vertices", true}};
    QList<Fact> chosen = facts;
    rng.shuffle(chosen);
    QList<Part> parts;
    for (int i = 0; i < 4; ++i)
        parts.append(TrueFalsePart(QString::fromLatin1(chosen.at(i).text), chosen.at(i).truth));
    return Make(
        Para(QStringLiteral("Write <b>T</b> if the statement is true or <b>F</b> if it is false.")),
        parts);
}

Question EqualSides(Prng& rng)
{
    switch (rng.range(0, 3)) {
    case 0:
        return Make(
            Para(QStringLiteral(
                "Name <b>two</b> different quadrilaterals that always have four equal sides.")),
            {GroupPart(QString(), {QStringLiteral("square"), QStringLiteral("rhombus")}, 2)},
            QLatin1String(kNoteGroup));
    case 1:
        return Make(Para(QStringLiteral("Name a quadrilateral that always has four right angles.")),
                    {AlternativesPart(QString(), {QStringLiteral("square"),
                                                  QStringLiteral("rectangle"),
                                                  QStringLiteral("oblong")})});
    case 2:
        return Make(Para(QStringLiteral(
                        "Name a quadrilateral that has exactly one pair of parallel sides.")),
                    {AlternativesPart(QString(), ShapeNameForms(Shape::Trapezium))});
    default:
        return Make(Para(QStringLiteral("Name a triangle that always has three equal sides.")),
                    {AlternativesPart(QString(), {ShapeName(Shape::EquilateralTriangle),
                                                  QStringLiteral("equilateral"),
                                                  QStringLiteral("regular triangle")})});
    }
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
    return ChoiceQuestion(
        Para(QStringLiteral("Which could be the side lengths of %1 triangle?").arg(kinds.at(kind))),
        UniqueChoice(rng, options));
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
    Question q = Make(
        Para(m.drawn >= 0 ? QStringLiteral("This solid is a %1.").arg(m.name)
                          : QStringLiteral("Think about a %1.").arg(m.name)),
        {CountPart(QStringLiteral("How many faces does it have?"), m.faces,
                   QStringLiteral("face"), QStringLiteral("faces")),
         CountPart(QStringLiteral("How many edges does it have?"), m.edges,
                   QStringLiteral("edge"), QStringLiteral("edges")),
         CountPart(QStringLiteral("How many vertices (corners) does it have?"), m.vertices,
                   QStringLiteral("vertex"), QStringLiteral("vertices"))});
    if (m.drawn >= 0)
        q.pictures = {SolidPicture(Solid(m.drawn))};
    return q;
}

Question NameSolid(Prng& rng)
{
    const QList<int> drawn = Indices([](const SolidModel& m) { return m.drawn >= 0; });
    const int solid = rng.pick(drawn);
    Question q = ChoiceQuestion(Para(QStringLiteral("What is the name of this solid?")),
                                SolidChoice(rng, solid, drawn, NamesSolid, 0));
    q.pictures = {SolidPicture(Solid(kSolids.at(solid).drawn))};
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
    const QList<std::pair<int SolidModel::*, const char*>> shapes = {
        {&SolidModel::squares, "square"},     {&SolidModel::rectangles, "rectangle"},
        {&SolidModel::triangles, "triangle"}, {&SolidModel::circles, "circle"},
        {&SolidModel::pentagons, "pentagon"}, {&SolidModel::hexagons, "hexagon"}};
    for (const auto& shape : shapes) {
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
    return Make(Para(given.join(QLatin1Char(' ')) + QStringLiteral(" What am I?")),
                {AlternativesPart(QString(), SolidNameForms(m))},
                QStringLiteral("Write the name of the solid."));
}

bool SolidCount(int solid, int which, int right)
{
    const SolidModel& s = kSolids.at(solid);
    const SolidModel& r = kSolids.at(right);
    return which == 0   ? s.faces == r.faces
           : which == 1 ? s.edges == r.edges
                        : s.vertices == r.vertices;
}

Question WhichSolidHas(Prng& rng)
{
    static const QStringList counts = {"faces", "edges", "vertices"};
    const QList<int> solids = Indices([](const SolidModel& m) { return m.polyhedron(); });
    const int right = rng.pick(solids);
    const int which = rng.range(0, 2);
    const SolidModel& m = kSolids.at(right);
    const int value = which == 0 ? m.faces : which == 1 ? m.edges : m.vertices;
    return ChoiceQuestion(Para(QStringLiteral("Which solid has exactly <b>%1 %2</b>?")
                                   .arg(value)
                                   .arg(counts.at(which))),
                          SolidChoice(rng, right, solids, SolidCount, which));
}

Question WhichNet(Prng& rng)
{
    // The nets drawn and the solids they fold into.
    static const QList<int> nets = {0, 2, 3};
    const int solid = rng.pick(nets);
    const SolidModel& m = kSolids.at(solid);
    const Picture net = NetPicture(Solid(m.drawn));
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
        const int value = ask == 1 ? m.faces : ask == 2 ? m.edges : m.vertices;
        q = Make(Para(QStringLiteral("This net folds up to make a solid. How many <b>%1</b> does "
                                     "the solid have?")
                          .arg(many.at(ask - 1))),
                 {CountPart(QString(), value, one.at(ask - 1), many.at(ask - 1))});
    }
    q.pictures = {net};
    return q;
}

} // namespace

QList<Generator> FlatShapeKinds()
{
    return {NameShape, SidesByName,  PickByName, PickByProperty,
            Symmetry,  Properties,   EqualSides, TriangleKind};
}

QList<Generator> SolidKinds()
{
    return {FacesEdges, FacesEdges, NameSolid, Riddle, WhichNet, WhichSolidHas};
}

} // namespace orlavine::pack
