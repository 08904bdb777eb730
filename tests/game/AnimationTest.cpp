#include "game/objects/Animation.h"
#include "game/objects/AnimationTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

struct StepCase {
    const char* name;
    std::vector<std::uint32_t> durations;
    std::uint32_t flags;
    std::uint32_t period;
    // (ticks, expected frame)
    std::vector<std::pair<std::uint32_t, std::uint32_t>> steps;
};

TEST(Animation, StepsOverTables) {
    const std::vector<StepCase> cases = {
        {"ping-pong 5x4", {5, 5, 5, 5}, Animation::PingPong, 30,
         {{0, 0}, {5, 0}, {6, 1}, {10, 1}, {11, 2}, {15, 2}, {16, 3}, {20, 3},
          {21, 2}, {25, 2}, {26, 1}, {29, 1}, {30, 0}, {36, 1}}},
        {"dying", {3, 3, 3, 3, 3, 3, 3, 79}, 0, 100,
         {{0, 0}, {3, 0}, {4, 1}, {21, 6}, {22, 7}, {99, 7}, {100, 0}}},
        {"zero first", {0, 5, 5}, 0, 10, {{0, 0}, {1, 1}, {5, 1}, {6, 2}, {9, 2}, {10, 0}}},
        {"mine", {60, 7}, 0, 67, {{0, 0}, {60, 0}, {61, 1}, {66, 1}, {67, 0}}},
        {"two-frame ping-pong", {4, 6}, Animation::PingPong, 10, {{0, 0}, {4, 0}, {5, 1}, {9, 1}}},
        {"mirrored tile", {0, 2, 2, 2, 2, 2, 2}, Animation::Mirrored, 12, {{0, 0}, {1, 1}, {3, 2}, {11, 6}}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Animation animation(c.durations, c.flags);
        EXPECT_EQ(animation.GetPeriod(), c.period);
        for (const auto& [ticks, frame] : c.steps)
            EXPECT_EQ(animation.GetStep(ticks), frame) << "ticks " << ticks;
    }
}

TEST(Animation, DefaultIsStill) {
    const Animation still;
    EXPECT_EQ(still.GetPeriod(), 1u);
    EXPECT_FALSE(still.IsPingPong());
    EXPECT_FALSE(still.IsMirrored());
    for (std::uint32_t ticks : {0u, 1u, 7u, 123456u, 0xFFFFFFFFu})
        EXPECT_EQ(still.GetStep(ticks), 0u);
}

TEST(Animation, OffsetShiftsTheTicks) {
    Animation animation({5, 5}, 0);
    animation.SetOffset(6);
    EXPECT_EQ(animation.GetStep(0), 1u);
    EXPECT_EQ(animation.GetStep(4), 0u);  // (6 + 4) mod 10 = 0
}

TEST(Animation, NegativeTicksConvertAsTwosComplement) {
    // A negative counter reaches GetStep as 2^32 - n, and the offset is added
    // in 32 bits: -1 is 4294967295 (5 modulo 10, frame 1), -6 is 0 modulo 10
    // (frame 0); with offset 7, -2 wraps to 5 (frame 1).
    Animation animation({3, 7}, 0);
    const int minusOne = -1;
    const int minusTwo = -2;
    const int minusSix = -6;
    EXPECT_EQ(animation.GetStep(minusOne), 1u);
    EXPECT_EQ(animation.GetStep(minusSix), 0u);
    animation.SetOffset(7);
    EXPECT_EQ(animation.GetStep(minusTwo), 1u);
}

TEST(Animation, RejectsListsThatCannotLoop) {
    EXPECT_THROW(Animation({}, 0), std::invalid_argument);
    EXPECT_THROW(Animation({5}, Animation::PingPong), std::invalid_argument);
    EXPECT_THROW(Animation({0, 0}, 0), std::invalid_argument);
    EXPECT_NO_THROW(Animation({5}, 0));
}

TEST(AnimationTables, PeriodsAndFrameCounts) {
    EXPECT_EQ(EnemyAnimations[0].GetPeriod(), 30u);
    EXPECT_EQ(EnemyAnimations[2].GetPeriod(), 100u);
    EXPECT_EQ(EnemyAnimations[4].GetPeriod(), 40u);
    EXPECT_EQ(EnemyAnimations[3].GetFrameCount(), 1u);
    EXPECT_EQ(EnemyAnimations[16].GetPeriod(), 42u);
    EXPECT_EQ(WeaponAnimations[0].GetPeriod(), 12u);
    EXPECT_EQ(WeaponAnimations[2].GetPeriod(), 67u);
    EXPECT_EQ(PlayerAnimations[PoseDying].GetPeriod(), 100u);
    EXPECT_EQ(PlayerAnimations[PoseStanding].GetPeriod(), 60u);
    EXPECT_EQ(SceneryAnimations[5].GetPeriod(), 80u);
    EXPECT_EQ(SceneryAnimations[19].GetFrameCount(), 5u);
    EXPECT_FALSE(SceneryAnimations[19].IsPingPong());
    EXPECT_EQ(SceneryAnimations[42].GetFrameCount(), 1u);
    EXPECT_EQ(FlameAnimation.GetFrameCount(), 14u);
    EXPECT_EQ(FlameAnimation.GetPeriod(), 28u);

    EXPECT_TRUE(TileAnimations.at(9).IsMirrored());
    EXPECT_TRUE(TileAnimations.at(12).IsMirrored());
    EXPECT_FALSE(TileAnimations.at(10).IsMirrored());
    EXPECT_EQ(TileAnimations.at(21).GetFrameCount(), 13u);
    EXPECT_EQ(TileAnimations.at(21).GetPeriod(), 48u);
    EXPECT_EQ(TileAnimations.at(15).GetPeriod(), 70u);
    EXPECT_EQ(TileAnimations.at(184).GetPeriod(), 28u);
    EXPECT_EQ(TileAnimations.at(240).GetFrameCount(), 12u);
}

}  // namespace
