#pragma once

#include <QList>
#include <QStringList>

#include <cstdint>

namespace orlavine::pack {

/// A small pseudo-random generator (SplitMix64) of our own, so that the default package
/// comes out byte for byte the same with every compiler and standard library.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next();
    /// A whole number from lo to hi, both included.
    int range(int lo, int hi);
    /// True in `percent` cases out of a hundred.
    bool chance(int percent) { return range(1, 100) <= percent; }

    template <typename T> const T& pick(const QList<T>& items)
    {
        return items.at(range(0, int(items.size()) - 1));
    }
    QString pick(const QStringList& items) { return items.at(range(0, int(items.size()) - 1)); }

    /// Shuffles the list in place (Fisher-Yates).
    template <typename T> void shuffle(QList<T>& items)
    {
        for (int i = int(items.size()) - 1; i > 0; --i)
            items.swapItemsAt(i, range(0, i));
    }

private:
    std::uint64_t m_state;
};

} // namespace orlavine::pack
