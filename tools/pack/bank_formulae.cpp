// Sequences and formulae: nth terms, term-to-term rules, formulae in words and letters.
#include "banks.h"

namespace orlavine::pack {

QList<Generator> FormulaKinds()
{
    return {};
}

} // namespace orlavine::pack
