// Coordinates and transformations in four quadrants.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> TransformationKinds()
{
    return {};
}

} // namespace orlavine::pack
