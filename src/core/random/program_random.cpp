#include "program_random.h"

namespace orva {

quint32 ProgramRandom::Random(quint32 range)
{
    // Unsigned 32-bit arithmetic wraps modulo 2^32 by definition.
    m_seed = m_seed * Multiplier + 1u;
    return static_cast<quint32>((quint64(m_seed) * range) >> 32);
}

} // namespace orva
