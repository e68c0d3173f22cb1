// Mean, median, mode and range.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> StatisticsKinds()
{
    return {};
}

} // namespace orlavine::pack
