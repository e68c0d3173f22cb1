// Timetables and rates: reading timetables, speed, distance and time, best buys.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> RateKinds()
{
    return {};
}

} // namespace orlavine::pack
