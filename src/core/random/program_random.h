#pragma once

#include <QtGlobal>

namespace orva {

// The program's pseudo-random generator: a 32-bit linear congruential generator
// (seed := seed × 134775813 + 1 modulo 2^32) whose draw below `range` is the upper 32 bits of
// seed × range, so every value of 0..range-1 is equally likely. The program seeds it once at start;
// the GPRS page draws the digits of generated keys from it.
class ProgramRandom
{
public:
    static constexpr quint32 Multiplier = 134775813u;

    explicit ProgramRandom(quint32 seed = 0) : m_seed(seed) {}

    void seed(quint32 seed) { m_seed = seed; }
    quint32 seedValue() const { return m_seed; }

    // Advances the seed and returns a number in 0..range-1 (0 for a range of 0).
    quint32 Random(quint32 range);

private:
    quint32 m_seed;
};

} // namespace orva
