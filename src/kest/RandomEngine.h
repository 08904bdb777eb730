#pragma once

#include <cstdint>

namespace kest {

// The process-wide random-number generator: multiply-with-carry on two
// 32-bit words, x and the carry c. One step computes t = x * 1967773755 + c
// in 64 bits; x becomes the low word of t, c the high word, and the output is
// the new x. The global engine is seeded from the calendar time before main
// runs; tests and deterministic runs reseed it with seed().
//
// Unsynchronised: only the main thread draws from it.
class RandomEngine {
public:
    static constexpr std::uint32_t Multiplier = 1967773755u;

    // An engine with x = seedValue (1 when that is 0) and carry 0.
    explicit RandomEngine(std::uint32_t seedValue = 1);

    // The engine that randomInt, randomFloat and randomDeviation draw from.
    static RandomEngine& global();

    // Restarts the sequence: x = value (1 when value is 0, since x = 0 with
    // carry 0 would yield zeros forever) and carry 0.
    void seed(std::uint32_t value);

    // One step; returns the new x.
    std::uint32_t next();

    std::uint32_t x() const { return x_; }
    std::uint32_t carry() const { return carry_; }

private:
    std::uint32_t x_;
    std::uint32_t carry_;
};

// An integer in [begin, end], both inclusive (begin <= end), drawn from the
// global engine. begin == end gives begin without drawing.
int randomInt(int begin, int end);

// A float in [begin, end] from one output of the global engine.
float randomFloat(float begin, float end);

// randomFloat(middle - deviation, middle + deviation).
float randomDeviation(float middle, float deviation);

}  // namespace kest
