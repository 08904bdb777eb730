#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "kest/RandomEngine.h"

// The expected values below were worked out separately, with 64-bit integer
// arithmetic for the generator and single-precision rounding after every
// operation for the floats.

namespace {

using kest::RandomEngine;

std::vector<std::uint32_t> draw(RandomEngine& engine, int count) {
    std::vector<std::uint32_t> out;
    for (int i = 0; i < count; ++i)
        out.push_back(engine.next());
    return out;
}

TEST(RandomEngine, MultiplyWithCarrySteps) {
    RandomEngine one(1);
    EXPECT_EQ(one.next(), 1967773755u);
    EXPECT_EQ(one.carry(), 0u);

    RandomEngine engine(12345);
    EXPECT_EQ(draw(engine, 5),
              (std::vector<std::uint32_t>{4126946595u, 2750471464u, 3426218289u, 3145420166u, 4120536975u}));
    EXPECT_EQ(engine.x(), 4120536975u);
    EXPECT_EQ(engine.carry(), 1441099506u);
}

TEST(RandomEngine, ZeroSeedBecomesOne) {
    RandomEngine engine(0);
    EXPECT_EQ(engine.x(), 1u);
    EXPECT_EQ(engine.next(), 1967773755u);
    engine.seed(0);
    EXPECT_EQ(engine.x(), 1u);
    EXPECT_EQ(engine.carry(), 0u);
}

// Reseeds the global engine for each test, so the draws are known.
class GlobalDraws : public ::testing::Test {
protected:
    RandomEngine& engine = RandomEngine::global();
    void seed(std::uint32_t value) { engine.seed(value); }
};

TEST_F(GlobalDraws, SingleValueRangeDrawsNothing) {
    seed(12345);
    for (int v : {5, INT_MIN, INT_MAX, 0})
        EXPECT_EQ(kest::randomInt(v, v), v);
    EXPECT_EQ(engine.x(), 12345u);
    EXPECT_EQ(engine.carry(), 0u);
}

TEST_F(GlobalDraws, SmallRange) {
    seed(7);
    std::vector<int> values;
    for (int i = 0; i < 6; ++i)
        values.push_back(kest::randomInt(-3, 3));
    EXPECT_EQ(values, (std::vector<int>{-1, -3, 0, 2, 0, 2}));
}

TEST_F(GlobalDraws, IncompleteBucketIsDrawnAgain) {
    // Span 0xC0000000: outputs of 0xC0000000 and above are rejected. From
    // seed 2 the first three outputs are, so the value comes from the fourth.
    seed(2);
    EXPECT_EQ(kest::randomInt(INT_MIN, 1073741823), 612659845);
    EXPECT_EQ(engine.x(), 2760143493u);
    EXPECT_EQ(engine.carry(), 1772605579u);
}

TEST_F(GlobalDraws, PowerOfTwoSpanNeverRejects) {
    // Span 2^31: the first output, 4126946595, lies in the upper half but
    // the buckets divide the outputs evenly, so it is kept.
    seed(12345);
    EXPECT_EQ(kest::randomInt(0, INT_MAX), 4126946595 - 2147483648);
    EXPECT_EQ(engine.x(), 4126946595u);
}

TEST_F(GlobalDraws, FullIntRangeWraps) {
    seed(99);
    EXPECT_EQ(kest::randomInt(INT_MIN, INT_MAX), -611410223);
    EXPECT_EQ(kest::randomInt(INT_MIN, INT_MAX), -1099435432);
    EXPECT_EQ(kest::randomInt(INT_MIN, INT_MAX), -1758875170);
}

TEST_F(GlobalDraws, Floats) {
    seed(2024);
    EXPECT_EQ(kest::randomFloat(-1.5f, 2.25f), -0.33055269718170166f);
    EXPECT_EQ(kest::randomFloat(-1.5f, 2.25f), -0.7086398601531982f);
    // randomDeviation(0.375, 1.875) is randomFloat(-1.5, 2.25).
    EXPECT_EQ(kest::randomDeviation(0.375f, 1.875f), 0.853463888168335f);
    EXPECT_EQ(kest::randomFloat(-1.5f, 2.25f), -0.15848207473754883f);
}

TEST_F(GlobalDraws, FloatRangeIncludesItsEnd) {
    // From this seed the first output is 0xFFFFFFFF, which rounds to 2^32
    // as a float: the result is the end itself.
    seed(2516893453u);
    EXPECT_EQ(kest::randomFloat(2.0f, 5.0f), 5.0f);
    seed(2516893453u);
    EXPECT_EQ(engine.next(), 0xFFFFFFFFu);
}

}  // namespace
