#include "Random.h"

#include <cmath>

namespace platform {

void Random::reseed(std::uint64_t seed)
{
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(seq);
}

float Random::next()
{
    const std::uint32_t bits = engine_() >> 8; // 24 bits
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

int drawToLight(float r, int count)
{
    const int t = static_cast<int>(std::floor(static_cast<double>(r) * count + 1.0));
    return t < 1 ? 1 : (t > count ? count : t);
}

} // namespace platform
