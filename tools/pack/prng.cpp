#include "prng.h"

namespace orlavine::pack {

std::uint64_t Prng::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int Prng::range(int lo, int hi)
{
    if (hi <= lo)
        return lo;
    const std::uint64_t span = std::uint64_t(hi - lo) + 1;
    return lo + int(next() % span);
}

} // namespace orlavine::pack
