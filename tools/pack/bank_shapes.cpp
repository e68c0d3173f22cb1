// Flat shapes and solids: names, properties, symmetry, faces, edges and vertices, nets.
#include "banks.h"

#include "diagrams.h"
#include "numbertext.h"

namespace orlavine::pack {

namespace {

const QList<Shape> kQuadrilaterals = {Shape::Square,        Shape::Rectangle, Shape::Rhombus,
                                      Shape::Parallelogram, Shape::Trapezium, Shape::Kite};

int Sides(Shape shape)
{
    switch (shape) {
    case Shape::Pentagon:
        return 5;
    case Shape::Hexagon:
        return 6;
    case Shape::Heptagon:
        return 7;
    case Shape::Octagon:
        return 8;
    case Shape::Circle:
        return 0;
    default:
        return int(shape) <= int(Shape::ScaleneTriangle) ? 3 : 4;
    }
}

Question NameShape(Prng& rng)
{
    const Shape shape =
        rng.pick(QList<Shape>{Shape::Pentagon, Shape::Hexagon, Shape::Heptagon, Shape::Octagon,
                              Shape::Rhombus, Shape::Parallelogram, Shape::Trapezium, Shape::Kite});
    Question q =
        Make(Para(QStringLiteral("What is the name of this shape?")),
             {WordPart(QString(), ShapeName(shape))}, QStringLiteral("Write the name in words."));
    q.pictures = {ShapePicture(shape)};
    return q;
}

Question SidesByName(Prng& rng)
{
    const Shape shape =
        rng.pick(QList<Shape>{Shape::Pentagon, Shape::Hexagon, Shape::Heptagon, Shape::Octagon});
    return Make(
        Para(QStringLiteral("How many sides does a regular %1 have?").arg(ShapeName(shape))),
        {NumberPart(QString(), Sides(shape))});
}

Question PickByLetter(Prng& rng)
{
    QList<Shape> shapes = kQuadrilaterals;
    rng.shuffle(shapes);
    shapes = shapes.mid(0, 4);
    const int right = rng.range(0, 3);
    Question q = Make(Para(QStringLiteral("Which shape is a <b>%1</b>? Write its letter.")
                               .arg(ShapeName(shapes.at(right)))),
                      {WordPart(QString(), QString(QChar('A' + right)))});
    q.pictures = {ShapeRow(shapes)};
    return q;
}

Question Symmetry(Prng& rng)
{
    const Shape shape = rng.pick(QList<Shape>{
        Shape::EquilateralTriangle, Shape::Square, Shape::Rectangle, Shape::Rhombus, Shape::Kite,
        Shape::Pentagon, Shape::Hexagon, Shape::Octagon, Shape::IsoscelesTriangle});
    int lines = Sides(shape);
    if (shape == Shape::Rectangle || shape == Shape::Rhombus)
        lines = 2;
    if (shape == Shape::Kite || shape == Shape::IsoscelesTriangle)
        lines = 1;
    Question q = Make(Para(QStringLiteral("How many lines of symmetry does this shape have?")),
                      {NumberPart(QString(), lines)});
    q.pictures = {ShapePicture(shape)};
    return q;
}

Question Properties(Prng& rng)
{
    struct Fact {
        const char* text;
        bool truth;
    };
    static const QList<Fact> facts = {{"A square has four right angles", true},
                                      {"A rhombus always has four right angles", false},
                                      {"A rectangle has two pairs of parallel sides", true},
                                      {"A trapezium has exactly one pair of parallel sides", true},
                                      {"A kite has four equal sides", false},
                                      {"An equilateral triangle has three equal angles", true},
                                      {"A parallelogram has two pairs of equal sides", true},
                                      {"A pentagon has six sides", false},
                                      {"An isosceles triangle has two equal sides", true},
                                      {"A scalene triangle has two equal sides", false},
                                      {"A right-angled triangle can have two right angles", false},
                                      {"A regular hexagon has six equal angles", true}};
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
    if (rng.chance(50)) {
        return Make(
            Para(QStringLiteral(
                "Name <b>two</b> different quadrilaterals that always have four equal sides.")),
            {GroupPart(QString(), {QStringLiteral("square"), QStringLiteral("rhombus")}, 2)},
            QLatin1String(kNoteGroup));
    }
    return Make(Para(QStringLiteral("Name a quadrilateral that always has four right angles.")),
                {AlternativesPart(QString(), {QStringLiteral("square"), QStringLiteral("rectangle"),
                                              QStringLiteral("oblong")})});
}

Question TriangleKind(Prng& rng)
{
    const int kind = rng.range(0, 2);
    static const char* const descriptions[] = {"All three sides are the same length.",
                                               "Exactly two sides are the same length.",
                                               "No two sides are the same length."};
    static const QStringList names = {"equilateral", "isosceles", "scalene", "right-angled"};
    return ChoiceQuestion(
        Para(QStringLiteral("A triangle is described below. What kind of triangle is it?")) +
            Display(QString::fromLatin1(descriptions[kind])),
        MakeChoice(rng, names.at(kind), names));
}

struct SolidFacts {
    Solid solid;
    int faces, edges, vertices;
};

const QList<SolidFacts> kSolids = {{Solid::Cube, 6, 12, 8},
                                   {Solid::Cuboid, 6, 12, 8},
                                   {Solid::TriangularPrism, 5, 9, 6},
                                   {Solid::SquarePyramid, 5, 8, 5},
                                   {Solid::TriangularPyramid, 4, 6, 4}};

Question FacesEdges(Prng& rng)
{
    const SolidFacts facts = rng.pick(kSolids);
    Question q = Make(
        Para(QStringLiteral("This solid is a %1.").arg(SolidName(facts.solid))),
        {NumberPart(QStringLiteral("How many faces does it have?"), facts.faces),
         NumberPart(QStringLiteral("How many edges does it have?"), facts.edges),
         NumberPart(QStringLiteral("How many vertices (corners) does it have?"), facts.vertices)});
    q.pictures = {SolidPicture(facts.solid)};
    return q;
}

Question NameSolid(Prng& rng)
{
    const Solid solid =
        rng.pick(QList<Solid>{Solid::Cube, Solid::Cylinder, Solid::Cone, Solid::Sphere,
                              Solid::TriangularPrism, Solid::SquarePyramid, Solid::Cuboid});
    QStringList wrong = {SolidName(Solid::Cube),
                         SolidName(Solid::Cylinder),
                         SolidName(Solid::Cone),
                         SolidName(Solid::Sphere),
                         SolidName(Solid::TriangularPrism),
                         SolidName(Solid::SquarePyramid)};
    rng.shuffle(wrong);
    Question q = ChoiceQuestion(Para(QStringLiteral("What is the name of this solid?")),
                                MakeChoice(rng, SolidName(solid), wrong));
    q.pictures = {SolidPicture(solid)};
    return q;
}

Question Riddle(Prng& rng)
{
    struct Clue {
        const char* text;
        const char* answer;
    };
    static const QList<Clue> clues = {
        {"I have six square faces. What am I?", "cube"},
        {"I have one curved surface and no flat faces. What am I?", "sphere"},
        {"I have two circular faces and one curved surface. What am I?", "cylinder"},
        {"I have one circular face and one vertex. What am I?", "cone"}};
    const Clue clue = rng.pick(clues);
    return Make(Para(QString::fromLatin1(clue.text)),
                {WordPart(QString(), QString::fromLatin1(clue.answer))},
                QStringLiteral("Write the name of the solid."));
}

Question WhichNet(Prng& rng)
{
    const Solid solid =
        rng.pick(QList<Solid>{Solid::Cube, Solid::TriangularPrism, Solid::SquarePyramid});
    Question q =
        ChoiceQuestion(Para(QStringLiteral("This net folds up to make a solid. Which solid?")),
                       MakeChoice(rng, SolidName(solid),
                                  {SolidName(Solid::Cube), SolidName(Solid::TriangularPrism),
                                   SolidName(Solid::SquarePyramid), SolidName(Solid::Cylinder)}));
    q.pictures = {NetPicture(solid)};
    return q;
}

} // namespace

QList<Generator> FlatShapeKinds()
{
    return {NameShape, SidesByName, PickByLetter, PickByLetter,
            Symmetry,  Properties,  EqualSides,   TriangleKind};
}

QList<Generator> SolidKinds()
{
    return {FacesEdges, FacesEdges, NameSolid, Riddle, WhichNet, WhichNet};
}

} // namespace orlavine::pack
