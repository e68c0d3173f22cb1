#pragma once

#include "question.h"

#include <QPoint>

namespace orlavine::pack {

// The pictures of the question pages, drawn as SVG. Every function draws exactly what
// its arguments say; the questions compute their keys from the same arguments.

// Numbers and measures.
/// Ticks from `from` to `to` every `step` (values in 1/10^places), labelled every
/// `labelStep`; an arrow marked `arrowText` points at `arrowAt`.
Picture NumberLine(int from, int to, int step, int labelStep, int places, int arrowAt,
                   const QString& arrowText = QStringLiteral("?"));
Picture Thermometer(int minC, int maxC, int valueC);
Picture FractionBar(int parts, int shaded);
Picture FractionCircle(int parts, int shaded);
Picture HundredGrid(int shaded);
/// A pencil lying along a centimetre ruler of 0 to 7 cm, from 0 to `lengthMm` (at most 66).
Picture Ruler(int lengthMm);
/// A measuring jug marked every `stepMl` up to `maxMl`, filled to `valueMl`.
Picture Jug(int maxMl, int stepMl, int labelStepMl, int valueMl);
Picture Clock(int hour, int minute);
/// A spinner of equal sectors, each labelled.
Picture Spinner(const QStringList& labels);
/// Two overlapping sets; the regions are lettered A (left only), B (both), C (right
/// only) and D (neither).
Picture Venn(const QString& left, const QString& right);
/// The first three patterns of a row of squares made of sticks.
Picture StickPatterns();
/// Dots in `rows` rows of `columns`.
Picture DotArray(int rows, int columns);
/// A bar model: a whole bar of `whole` above two parts, the first `part`, the other "?".
Picture BarModel(const QString& whole, const QString& part);

// Charts.
Picture BarChart(const QString& title, const QStringList& labels, const QList<int>& values,
                 int step, const QString& axis);
/// One symbol stands for `perSymbol`; values are multiples of half of it.
Picture Pictogram(const QStringList& labels, const QList<int>& values, int perSymbol);
Picture LineGraph(const QString& title, const QStringList& labels, const QList<int>& values,
                  int step, const QString& axis);
Picture PieChart(const QStringList& labels, const QList<int>& values);

// Shapes, angles and position.
enum class Shape {
    EquilateralTriangle,
    IsoscelesTriangle,
    RightTriangle,
    ScaleneTriangle,
    Square,
    Rectangle,
    Rhombus,
    Parallelogram,
    Trapezium,
    Kite,
    Pentagon,
    Hexagon,
    Heptagon,
    Octagon,
    Circle
};
/// The shape's name as a pupil writes it ("parallelogram").
QString ShapeName(Shape shape);
Picture ShapePicture(Shape shape);
/// Shapes side by side, lettered A, B, C, ...
Picture ShapeRow(const QList<Shape>& shapes);
/// An angle of `degrees` with its arc marked `label`.
Picture AnglePicture(int degrees, const QString& label);
/// Two angles on a straight line: `known` degrees and x.
Picture StraightLineAngles(int known);
/// Angles around a point: the known ones and x.
Picture PointAngles(const QList<int>& known);
/// A triangle with angles a and b marked and the third marked x.
Picture TriangleAngles(int a, int b);
Picture RectanglePicture(int width, int height, const QString& unit);
/// A rectangle W by H with a rectangle cutW by cutH taken from its top-right corner.
Picture LShapePicture(int width, int height, int cutWidth, int cutHeight, const QString& unit);
/// Shaded squares on a squared grid.
Picture GridShape(const QList<QPoint>& cells);
/// Lettered points on a coordinate grid from 0 to size (from -size with four quadrants).
Picture CoordinateGrid(int size, bool fourQuadrants, const QList<QPair<QString, QPoint>>& points);

enum class Solid {
    Cube,
    Cuboid,
    TriangularPrism,
    SquarePyramid,
    Cylinder,
    Cone,
    Sphere,
    TriangularPyramid
};
QString SolidName(Solid solid);
Picture SolidPicture(Solid solid);
/// A cuboid with its length, width and height marked.
Picture CuboidPicture(int length, int width, int height, const QString& unit);
/// The net of a cube, cuboid, triangular prism or square-based pyramid.
Picture NetPicture(Solid solid);

} // namespace orlavine::pack
