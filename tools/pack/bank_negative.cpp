// Negative numbers: reading, ordering and calculating below zero.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> NegativeNumberKinds()
{
    return {};
}

} // namespace orlavine::pack
