#include "sfxgen/synth/Random.h"

namespace synth {

Random::Random(std::uint32_t seed) : engine_(seed) {}

float Random::Uniform()
{
    // 24 bits fit a float exactly.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

float Random::Bipolar()
{
    return Uniform() * 2.0f - 1.0f;
}

int Random::Below(int n)
{
    if (n <= 0)
        return 0;
    return static_cast<int>(engine_() % static_cast<std::uint32_t>(n));
}

bool Random::Chance(float probability)
{
    return Uniform() < probability;
}

}  // namespace synth
