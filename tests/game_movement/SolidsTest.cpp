#include "MovementFixture.h"

#include "app/PlayerStats.h"
#include "game/objects/Player.h"

#include <algorithm>
#include <random>

using namespace movement;

namespace {

struct FallCase {
    const char* name;
    bool isPlayer;
    bool slowed;
    float cap;
};

class FallTest : public MovementTest, public ::testing::WithParamInterface<FallCase> {};

TEST_P(FallTest, FallSpeedIsCappedAndTheLandingIsExact) {
    const FallCase& param = GetParam();
    Probe probe(CellCentre(6), 90);
    probe.state = StateAirborne;
    float fastest = 0;
    float fastestSpeed = 0;
    for (int i = 0; i < 200 && probe.state != StateOnGround; ++i) {
        const float before = probe.y;
        Step(probe, 0, param.isPlayer, param.slowed);
        fastest = std::max(fastest, probe.y - before);
        fastestSpeed = std::max(fastestSpeed, probe.verticalSpeed);
    }
    EXPECT_EQ(fastestSpeed, param.cap);
    EXPECT_NEAR(fastest, param.cap, 0.001f);
    EXPECT_EQ(probe.state, StateOnGround);
    EXPECT_EQ(probe.y, FloorTop - 15);
    EXPECT_EQ(probe.verticalSpeed, 0);
    EXPECT_EQ(probe.lastSlowed, param.slowed && !param.isPlayer);

    // Standing stays standing, at the same height.
    for (int i = 0; i < 5; ++i)
        Step(probe, 0, param.isPlayer, param.slowed);
    EXPECT_EQ(probe.state, StateOnGround);
    EXPECT_EQ(probe.y, FloorTop - 15);
}

INSTANTIATE_TEST_SUITE_P(Cases, FallTest,
                         ::testing::Values(FallCase{"Normal", false, false, 11.7231f},
                                           FallCase{"SlowedEnemy", false, true, 11.7231f / 2},
                                           FallCase{"SlowedPlayer", true, true, 11.7231f}),
                         [](const auto& c) { return std::string(c.param.name); });

TEST_F(MovementTest, WalkingOffALedgeFallsToTheFloorBelow) {
    for (int c = 2; c <= 8; ++c)
        Set(c, 10, Wall);
    Probe probe(CellCentre(7), 360 - 15);
    Step(probe, 0);
    EXPECT_EQ(probe.state, StateOnGround);
    EXPECT_EQ(probe.y, 345);

    bool fell = false;
    for (int i = 0; i < 60; ++i) {
        Step(probe, 3);
        fell = fell || probe.state == StateAirborne;
    }
    EXPECT_TRUE(fell);
    EXPECT_EQ(probe.state, StateOnGround);
    EXPECT_EQ(probe.y, FloorTop - 15);
}

struct WallCase {
    const char* name;
    std::uint32_t id;
    int column;
    float startX;
    float steering;
    // The x the box's leading edge must not pass.
    float limit;
};

class WallTest : public MovementTest, public ::testing::WithParamInterface<WallCase> {};

TEST_P(WallTest, AWallStopsTheBoxJustShortOfIt) {
    const WallCase& param = GetParam();
    Set(param.column, 12, param.id);
    Set(param.column, 11, param.id == Wall ? Wall : Empty);
    Probe probe(param.startX, FloorTop - 15);
    probe.facingRight = param.steering > 0;
    for (int i = 0; i < 40; ++i)
        Step(probe, param.steering);
    if (param.steering > 0) {
        EXPECT_LT(probe.Right(), param.limit);
        EXPECT_NEAR(probe.Right(), param.limit - 0.001f, 0.0005f);
    } else {
        EXPECT_GT(probe.Left(), param.limit);
        EXPECT_NEAR(probe.Left(), param.limit + 0.001f, 0.0005f);
    }
    EXPECT_GT(probe.walls, 0);
    EXPECT_EQ(probe.state, StateOnGround);
    EXPECT_EQ(probe.y, FloorTop - 15);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WallTest,
    ::testing::Values(WallCase{"WallOnTheRight", Wall, 10, CellCentre(6), 3, 360},
                      WallCase{"WallOnTheLeft", Wall, 5, CellCentre(9), -3, 216},
                      // The tall side of a slope standing on the floor is a wall too.
                      WallCase{"RisingSlopeTallSide", RisingSlope, 8, CellCentre(12), -3, 324},
                      WallCase{"FallingSlopeTallSide", FallingSlope, 8, CellCentre(4), 3, 288}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(MovementTest, AWallStopsButDoesNotTurnABoxThatFacesAway) {
    Set(10, 12, Wall);
    // Carried towards the wall while facing away, as by a lift.
    Probe probe(360 - 11, FloorTop - 15);
    probe.facingRight = false;
    probe.ApplyFriction();
    probe.stepMotionX = 3;
    MoveAgainstTiles(collider, probe, false, false);
    EXPECT_NEAR(probe.Right(), 360 - 0.001f, 0.0005f);
    EXPECT_EQ(probe.walls, 0);
}

struct CeilingCase {
    const char* name;
    std::uint32_t id;
};

class CeilingTest : public MovementTest, public ::testing::WithParamInterface<CeilingCase> {};

TEST_P(CeilingTest, RisingIntoACeilingStopsBelowIt) {
    Set(6, 10, GetParam().id);
    Probe probe(CellCentre(6), FloorTop - 15);
    probe.verticalSpeed = -8;
    probe.state = StateAirborne;
    float highest = probe.Top();
    for (int i = 0; i < 30; ++i) {
        Step(probe, 0);
        highest = std::min(highest, probe.Top());
    }
    EXPECT_EQ(highest, 396);
    EXPECT_EQ(probe.ceilings, 1);
    EXPECT_EQ(probe.state, StateOnGround);
}

INSTANTIATE_TEST_SUITE_P(Cases, CeilingTest,
                         ::testing::Values(CeilingCase{"Wall", Wall}, CeilingCase{"SolidFromBelow", SolidFromBelow},
                                           CeilingCase{"RisingSlopeUnderside", RisingSlope},
                                           CeilingCase{"FallingSlopeUnderside", FallingSlope}),
                         [](const auto& c) { return std::string(c.param.name); });

struct OneWayCase {
    const char* name;
    std::uint32_t id;
    bool vertical;
    // Vertical: starts above and falls (true) or jumps from below (false).
    // Horizontal: walks right (true) or left (false).
    bool downOrRight;
    bool blocked;
};

class OneWayTest : public MovementTest, public ::testing::WithParamInterface<OneWayCase> {};

TEST_P(OneWayTest, OneWayTilesStopFromOneSideOnly) {
    const OneWayCase& param = GetParam();
    if (param.vertical) {
        Set(6, 10, param.id);
        Probe probe(CellCentre(6), param.downOrRight ? 300 : FloorTop - 15);
        probe.state = StateAirborne;
        if (!param.downOrRight)
            probe.verticalSpeed = -9;
        float highest = probe.Top();
        float lowest = probe.Bottom();
        for (int i = 0; i < 60; ++i) {
            Step(probe, 0);
            highest = std::min(highest, probe.Top());
            lowest = std::max(lowest, probe.Bottom());
        }
        if (param.downOrRight) {
            // Falls onto the tile's top, or through it to the floor.
            EXPECT_EQ(lowest, param.blocked ? 360 : FloorTop);
        } else {
            EXPECT_EQ(highest <= 360, !param.blocked);
            EXPECT_EQ(highest == 396, param.blocked);
        }
    } else {
        Set(8, 12, param.id);
        const float startX = param.downOrRight ? CellCentre(5) : CellCentre(11);
        Probe probe(startX, FloorTop - 15);
        for (int i = 0; i < 60; ++i)
            Step(probe, param.downOrRight ? 3.0f : -3.0f);
        const bool passed = param.downOrRight ? probe.Left() > 324 : probe.Right() < 288;
        EXPECT_EQ(passed, !param.blocked);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneWayTest,
    ::testing::Values(OneWayCase{"PlatformFromAbove", Platform, true, true, true},
                      OneWayCase{"PlatformFromBelow", Platform, true, false, false},
                      OneWayCase{"PlatformSideways", Platform, false, true, false},
                      OneWayCase{"SolidFromBelowFromAbove", SolidFromBelow, true, true, false},
                      OneWayCase{"SolidFromBelowFromBelow", SolidFromBelow, true, false, true},
                      OneWayCase{"LeftwardsOnlyWalkingRight", LeftwardsOnly, false, true, true},
                      OneWayCase{"LeftwardsOnlyWalkingLeft", LeftwardsOnly, false, false, false},
                      OneWayCase{"RightwardsOnlyWalkingLeft", RightwardsOnly, false, false, true},
                      OneWayCase{"RightwardsOnlyWalkingRight", RightwardsOnly, false, true, false},
                      OneWayCase{"WalkerSolidLetsPlainObjectsThrough", WalkerSolid, false, true, false},
                      OneWayCase{"LadderNeverBlocks", Ladder, false, true, false},
                      OneWayCase{"LadderNeverCarries", Ladder, true, true, false}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(MovementTest, WalkerSolidTilesStopThePlayer) {
    Set(8, 12, WalkerSolid);
    Set(8, 11, WalkerSolid);
    Player player{PlayerStats{}};
    player.x = CellCentre(5);
    player.y = FloorTop - Player::Height / 2;
    for (int i = 0; i < 40; ++i)
        Step(player, Player::Acceleration, true);
    EXPECT_NEAR(player.Right(), 288 - 0.001f, 0.0005f);
}

TEST_F(MovementTest, ClimbingAndFrozenObjectsGetNoGravity) {
    Set(6, 8, Ladder);
    for (const std::int32_t held : {StateClimbing, StateFrozen}) {
        Probe probe(CellCentre(6), 300);
        probe.state = held;
        Step(probe, 0);
        EXPECT_EQ(probe.y, 300);
        EXPECT_EQ(probe.verticalSpeed, 0);
        EXPECT_EQ(probe.state, held == StateClimbing ? StateClimbing : StateAirborne);
    }
    // At a ladder while airborne: the state lasts, but the box falls.
    Probe probe(CellCentre(6), 300);
    probe.state = StateAtLadderAirborne;
    Step(probe, 0);
    EXPECT_EQ(probe.state, StateAtLadderAirborne);
    EXPECT_FLOAT_EQ(probe.y, 300.35f);
}

TEST_F(MovementTest, EveryStepEndsWithTheObjectsOwnUpdate) {
    Probe probe(CellCentre(6), 300);
    Step(probe, 0, false, true);
    EXPECT_TRUE(probe.lastSlowed);
    Step(probe, 0, true, true);
    EXPECT_FALSE(probe.lastSlowed);
    EXPECT_EQ(probe.updates, 2);
}

// A level of slopes, ledges and one-way tiles, walked by boxes of several
// sizes and speeds: none of them ever leaves the level's inside.
TEST_F(MovementTest, ObjectsNeverLeaveTheGrid) {
    std::mt19937 random(7);
    const std::uint32_t ids[] = {Empty, Empty, Empty, Wall, RisingSlope, FallingSlope, Platform, SolidFromBelow,
                                 LeftwardsOnly, RightwardsOnly, Ladder};
    for (int c = 2; c < Columns - 2; ++c)
        for (int r = 4; r < Rows - 2; ++r)
            Set(c, r, ids[random() % (sizeof ids / sizeof ids[0])]);

    struct Walker {
        Probe probe;
        float steering;
    };
    std::vector<Walker> walkers;
    for (int i = 0; i < 12; ++i) {
        Probe probe(CellCentre(2 + i), 90, i % 2 ? 30.0f : 20.0f, i % 3 ? 30.0f : 16.0f);
        probe.maxSpeed = 1.0f + static_cast<float>(i);
        probe.flying = i == 11;
        walkers.push_back(Walker{probe, i % 2 ? probe.maxSpeed : -probe.maxSpeed});
    }
    collider.recording = true;
    for (int step = 0; step < 3000; ++step)
        for (Walker& walker : walkers) {
            Probe& probe = walker.probe;
            if (random() % 40 == 0)
                walker.steering = -walker.steering;
            if (random() % 25 == 0)
                probe.Jump(1.5f);
            Step(probe, walker.steering);
            ASSERT_GE(probe.Left(), 72) << "step " << step;
            ASSERT_LE(probe.Right(), 36 * (Columns - 2)) << "step " << step;
            ASSERT_GE(probe.Top(), 72) << "step " << step;
            ASSERT_LE(probe.Bottom(), FloorTop) << "step " << step;
            for (const auto& entry : collider.touchedTiles) {
                ASSERT_LT(entry.first.x, Columns);
                ASSERT_LT(entry.first.y, Rows);
            }
        }
}

// Should a box ever stand outside the grid (a level without its border), the
// passes read such cells as empty and the record keeps only cells of the grid.
TEST_F(MovementTest, ABoxOutsideTheGridIsHandledSafely) {
    world.tilemap.Resize(Columns, Rows);  // no border
    collider.recording = true;
    const float places[][2] = {{-30, 50}, {5, -20}, {36 * Columns + 10, 200}, {100, 36 * Rows + 5}, {1e30f, -1e30f}};
    for (const auto& place : places) {
        Probe probe(place[0], place[1]);
        probe.state = StateAirborne;
        for (int i = 0; i < 3; ++i)
            Step(probe, -3, true);
        for (const auto& entry : collider.touchedTiles) {
            EXPECT_GE(entry.first.x, 0);
            EXPECT_LT(entry.first.x, Columns);
            EXPECT_GE(entry.first.y, 0);
            EXPECT_LT(entry.first.y, Rows);
        }
    }
}

TEST_F(MovementTest, WithoutAWorldObjectsFallFreely) {
    TileCollider detached;
    detached.recording = true;
    Probe probe(100, 100);
    probe.state = StateAirborne;
    for (int i = 0; i < 3; ++i)
        MoveAgainstTiles(detached, probe, false, false);
    EXPECT_FLOAT_EQ(probe.y, 100 + 0.35f * 6);
    EXPECT_TRUE(detached.touchedTiles.empty());
}

}  // namespace
