// Calculating with fractions: adding, subtracting, multiplying and dividing them.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> FractionCalculationKinds()
{
    return {};
}

} // namespace orlavine::pack
