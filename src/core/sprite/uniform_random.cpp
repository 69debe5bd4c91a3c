#include "core/sprite/uniform_random.h"

namespace tav {

double UniformRandom::next()
{
    const std::uint32_t high = m_engine() >> 5;
    const std::uint32_t low = m_engine() >> 6;
    return (high * 67108864.0 + low) / 9007199254740992.0;
}

UniformRandom &programRandom()
{
    static UniformRandom random;
    return random;
}

} // namespace tav
