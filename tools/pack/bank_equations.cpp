// Simple equations: a missing number found by undoing, in one and two steps.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> EquationKinds()
{
    return {};
}

} // namespace orlavine::pack
