#pragma once

#include "bankutil.h"

namespace orlavine::pack {

// The kinds of question of each topic. A kind may stand twice in a list to come up
// more often.

// Module 1, Number.
QList<Generator> PlaceValueKinds();
QList<Generator> AdditionKinds();
QList<Generator> MultiplicationKinds();
QList<Generator> FactorKinds();
QList<Generator> FractionKinds();
QList<Generator> DecimalKinds();
QList<Generator> PercentageKinds();
QList<Generator> RatioKinds();
QList<Generator> AlgebraKinds();

// Module 2, Shape & Data.
QList<Generator> FlatShapeKinds();
QList<Generator> SolidKinds();
QList<Generator> AngleKinds();
QList<Generator> AreaKinds();
QList<Generator> MeasureKinds();
QList<Generator> TimeKinds();
QList<Generator> PositionKinds();
QList<Generator> ChartKinds();
QList<Generator> AverageKinds();

// Module 3, Next Steps.
QList<Generator> NegativeNumberKinds();
QList<Generator> OperationsKinds();
QList<Generator> FractionCalculationKinds();
QList<Generator> MultiStepKinds();
QList<Generator> EquationKinds();
QList<Generator> FormulaKinds();
QList<Generator> TransformationKinds();
QList<Generator> StatisticsKinds();
QList<Generator> RateKinds();

/// A question of `parts` quick sums (1 to 12): mental arithmetic, unit conversions.
Question MentalDrill(Prng& rng, int parts);
Question ConversionDrill(Prng& rng, int parts);

} // namespace orlavine::pack
