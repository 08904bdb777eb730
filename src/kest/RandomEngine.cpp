#include "kest/RandomEngine.h"

#include <ctime>
#include <limits>

namespace kest {

namespace {

// The low 32 bits of the calendar time in seconds.
std::uint32_t timeSeed() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::time(nullptr)));
}

// Two's complement reinterpretation without relying on an out-of-range
// unsigned-to-signed conversion.
int toSigned(std::uint32_t value) {
    if (value <= static_cast<std::uint32_t>(std::numeric_limits<int>::max()))
        return static_cast<int>(value);
    return -static_cast<int>(~value) - 1;
}

// Makes sure the global engine is seeded before main runs, not on the
// first draw.
[[maybe_unused]] const bool GlobalSeeded = (RandomEngine::global(), true);

}  // namespace

RandomEngine::RandomEngine(std::uint32_t seedValue) : x_(1), carry_(0) { seed(seedValue); }

RandomEngine& RandomEngine::global() {
    static RandomEngine engine(timeSeed());
    return engine;
}

void RandomEngine::seed(std::uint32_t value) {
    x_ = value == 0 ? 1 : value;
    carry_ = 0;
}

std::uint32_t RandomEngine::next() {
    const std::uint64_t t = static_cast<std::uint64_t>(x_) * Multiplier + carry_;
    x_ = static_cast<std::uint32_t>(t);
    carry_ = static_cast<std::uint32_t>(t >> 32);
    return x_;
}

int randomInt(int begin, int end) {
    RandomEngine& engine = RandomEngine::global();
    // The whole computation is unsigned, so that even the full int range
    // wraps instead of overflowing.
    const std::uint32_t base = static_cast<std::uint32_t>(begin);
    const std::uint32_t n = static_cast<std::uint32_t>(end) - base;
    constexpr std::uint32_t Max = 0xFFFFFFFFu;
    if (n == 0)
        return begin;
    if (n == Max)
        return toSigned(base + engine.next());

    // Rejection as in the standard library's uniform integer distribution:
    // the last, incomplete bucket of outputs is drawn again.
    const std::uint32_t span = n + 1;
    std::uint32_t r = engine.next();
    while (!(r / span < Max / span || Max % span == span - 1))
        r = engine.next();
    return toSigned(base + r % span);
}

float randomFloat(float begin, float end) {
    const float u = static_cast<float>(RandomEngine::global().next());
    return begin + (end - begin) * (u * 0x1p-32f);
}

float randomDeviation(float middle, float deviation) {
    return randomFloat(middle - deviation, middle + deviation);
}

}  // namespace kest
