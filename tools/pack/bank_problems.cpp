// Multi-step problems: stories that take two or three calculations.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> MultiStepKinds()
{
    return {};
}

} // namespace orlavine::pack
