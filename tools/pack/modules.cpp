#include "modules.h"

namespace orlavine::pack {

const char* const kMockExamination = "Mock Examination";

QList<ModulePlan> DefaultModules()
{
    const ModulePlan number{1,
                            QStringLiteral("Number"),
                            {{QStringLiteral("Place Value"), PlaceValueKinds()},
                             {QStringLiteral("Addition and Subtraction"), AdditionKinds()},
                             {QStringLiteral("Multiplication and Division"), MultiplicationKinds()},
                             {QStringLiteral("Factors and Multiples"), FactorKinds()},
                             {QStringLiteral("Fractions"), FractionKinds()},
                             {QStringLiteral("Decimals"), DecimalKinds()},
                             {QStringLiteral("Percentages"), PercentageKinds()},
                             {QStringLiteral("Ratio and Proportion"), RatioKinds()},
                             {QStringLiteral("Sequences and Algebra"), AlgebraKinds()},
                             {QLatin1String(kMockExamination), {}}}};
    const ModulePlan shapeAndData{2,
                                  QStringLiteral("Shape & Data"),
                                  {{QStringLiteral("2-D Shapes"), FlatShapeKinds()},
                                   {QStringLiteral("3-D Shapes"), SolidKinds()},
                                   {QStringLiteral("Angles and Turns"), AngleKinds()},
                                   {QStringLiteral("Perimeter, Area and Volume"), AreaKinds()},
                                   {QStringLiteral("Measures"), MeasureKinds()},
                                   {QStringLiteral("Time"), TimeKinds()},
                                   {QStringLiteral("Position and Direction"), PositionKinds()},
                                   {QStringLiteral("Charts and Tables"), ChartKinds()},
                                   {QStringLiteral("Averages and Probability"), AverageKinds()},
                                   {QLatin1String(kMockExamination), {}}}};
    const ModulePlan nextSteps{3,
                               QStringLiteral("Next Steps"),
                               {{QStringLiteral("Negative Numbers"), NegativeNumberKinds()},
                                {QStringLiteral("Order of Operations"), OperationsKinds()},
                                {QStringLiteral("Calculating with Fractions"), FractionCalculationKinds()},
                                {QStringLiteral("Multi-step Problems"), MultiStepKinds()},
                                {QStringLiteral("Simple Equations"), EquationKinds()},
                                {QStringLiteral("Sequences and Formulae"), FormulaKinds()},
                                {QStringLiteral("Coordinates and Transformations"), TransformationKinds()},
                                {QStringLiteral("Mean, Median, Mode and Range"), StatisticsKinds()},
                                {QStringLiteral("Timetables and Rates"), RateKinds()},
                                {QLatin1String(kMockExamination), {}}}};
    return {number, shapeAndData, nextSteps};
}

} // namespace orlavine::pack
