#pragma once

#include <cstdint>
#include <random>

namespace synth {

// A seeded source of noise and choices. The numbers come straight from the
// standard Mersenne Twister (whose output is fixed by the standard) and are
// turned into floats by hand, so every platform makes the same sounds.
class Random {
public:
    explicit Random(std::uint32_t seed);

    // In [0, 1).
    float Uniform();
    // In [-1, 1).
    float Bipolar();
    // An integer in [0, n); 0 when n <= 0.
    int Below(int n);
    // True with the given probability.
    bool Chance(float probability);

private:
    std::mt19937 engine_;
};

}  // namespace synth
