// Order of operations: brackets, powers and the order of a calculation.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> OperationsKinds()
{
    return {};
}

} // namespace orlavine::pack
