#include "game/objects/Collidable.h"
#include "game/sim/TileOverlap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The least a moving object needs: a fixed maximum speed and jump strength.
class Box : public Collidable {
public:
    Box(float x_, float y_, float w, float h, float maxSpeed = 4)
        : Collidable(x_, y_, w, h, true), maxSpeed_(maxSpeed) {}
    sf::IntRect GetTextureRect() const override { return sf::IntRect(); }
    void Update(bool) override {}
    void HitWall() override { ++wallHits; }
    float GetMaxSpeed() const override { return maxSpeed_; }
    float GetJumpStrength() const override { return 8; }
    bool IsFlying() const override { return false; }

    int wallHits = 0;

private:
    float maxSpeed_;
};

TEST(Collidable, StartsStandingAndStill) {
    const Box box(10, 20, 6, 8);
    EXPECT_EQ(box.state, StateOnGround);
    EXPECT_EQ(box.lift, nullptr);
    EXPECT_EQ(box.GetPosition(), sf::Vector2f(10, 20));
    EXPECT_EQ(box.GetSize(), sf::Vector2f(6, 8));
    EXPECT_EQ(box.GetAlpha(), 255);
    EXPECT_EQ(box.horizontalSpeed, 0);
    EXPECT_FLOAT_EQ(box.GetAcceleration(), 4);
    EXPECT_FLOAT_EQ(box.GetStopThreshold(), 0.3f);
    EXPECT_FLOAT_EQ(box.GetSlopeSpeed(true, 0.001f), 10);
    EXPECT_FLOAT_EQ(box.GetSlopeSpeed(false, 0.001f), -0.001f);
}

TEST(Collidable, MoveClampsAndMoves) {
    Box box(100, 100, 10, 10);
    box.acceleration = 3;
    box.horizontalSpeed = 0.5f;
    box.stepMotionX = 1;  // a lift's carry
    box.verticalSpeed = 2;
    box.Move(false);
    EXPECT_FLOAT_EQ(box.horizontalSpeed, 3.5f);
    EXPECT_FLOAT_EQ(box.stepMotionX, 4.5f);
    EXPECT_FLOAT_EQ(box.x, 104.5f);
    EXPECT_FLOAT_EQ(box.y, 102);

    // Halved: the limit is 2 both ways.
    for (float accel : {5.0f, -5.0f}) {
        Box slowed(0, 0, 10, 10);
        slowed.acceleration = accel;
        slowed.Move(true);
        EXPECT_FLOAT_EQ(slowed.horizontalSpeed, accel > 0 ? 2 : -2);
        EXPECT_EQ(slowed.facingRight, accel > 0);
    }
}

TEST(Collidable, FrozenMoveChangesOnlyTheSpeed) {
    Box box(50, 60, 10, 10);
    box.state = StateFrozen;
    box.acceleration = -9;
    box.verticalSpeed = 3;
    box.Move(false);
    EXPECT_FLOAT_EQ(box.horizontalSpeed, -4);
    EXPECT_FALSE(box.facingRight);
    EXPECT_EQ(box.x, 50);
    EXPECT_EQ(box.y, 60);
    EXPECT_EQ(box.stepMotionX, 0);
}

TEST(Collidable, ZeroSpeedKeepsTheFacing) {
    Box box(0, 0, 10, 10);
    box.facingRight = false;
    box.Move(false);
    EXPECT_FALSE(box.facingRight);
    box.facingRight = true;
    box.Move(false);
    EXPECT_TRUE(box.facingRight);
}

TEST(Collidable, FrictionStopsBelowTheThreshold) {
    Box box(0, 0, 10, 10);
    box.horizontalSpeed = -0.31f;
    box.stepMotionX = 2;
    box.acceleration = 1;
    box.ApplyFriction();
    EXPECT_FLOAT_EQ(box.horizontalSpeed, -0.31f);  // friction 1.0 keeps it
    EXPECT_EQ(box.stepMotionX, 0);
    EXPECT_EQ(box.acceleration, 0);
    box.horizontalSpeed = 0.29f;
    box.ApplyFriction();
    EXPECT_EQ(box.horizontalSpeed, 0);
}

TEST(Collidable, BeginMoveResetsTheState) {
    const std::vector<std::pair<int, int>> cases = {
        {StateAirborne, StateAirborne},          {StateOnGround, StateAirborne},
        {StateOnRisingSlope, StateAirborne},     {StateOnFallingSlope, StateAirborne},
        {StateCaughtByLift, StateRidingLift},    {StateRidingLift, StateAirborne},
        {StateClimbing, StateClimbing},          {StateAtLadderAirborne, StateAtLadderAirborne},
        {StateAtLadderStanding, StateAtLadderStanding}, {StateFrozen, StateAirborne},
    };
    for (auto [before, after] : cases) {
        Box box(0, 0, 10, 10);
        box.state = before;
        box.tileOverrides.push_back({1, 2, true});
        box.BeginMove();
        EXPECT_EQ(box.state, after) << before;
        EXPECT_TRUE(box.tileOverrides.empty());
    }
}

TEST(Collidable, JumpIsRefusedInTheAir) {
    for (int state : {StateAirborne, StateAtLadderAirborne}) {
        Box box(0, 0, 10, 10);
        box.state = state;
        box.verticalSpeed = 1;
        EXPECT_FALSE(box.Jump(1));
        EXPECT_EQ(box.state, state);
        EXPECT_EQ(box.verticalSpeed, 1);
    }
    Box box(0, 0, 10, 10);
    box.state = StateAtLadderStanding;
    EXPECT_TRUE(box.Jump(0.5f));
    EXPECT_FLOAT_EQ(box.verticalSpeed, -4);
    EXPECT_EQ(box.state, StateAirborne);
}

TEST(Collidable, CeilingOnASlopeIsAWall) {
    Box box(0, 0, 10, 10);
    box.HitCeiling();
    EXPECT_EQ(box.wallHits, 0);
    box.state = StateOnFallingSlope;
    box.HitCeiling();
    EXPECT_EQ(box.wallHits, 1);
}

// A 10 x 10 box next to tile (2, 2), which spans x 72..108 and y 72..108.
struct BlockCase {
    const char* name;
    PassKind kind;
    float x, y, stepMotionX, verticalSpeed;
    bool vertical;
    bool blocks;
};

TEST(Collidable, IsBlockingByPassKind) {
    const std::vector<BlockCase> cases = {
        {"free", PassFree, 70, 70, 0, 5, true, false},
        {"solid wall pass", PassSolid, 70, 70, 0, 0, false, true},
        {"solid floor pass", PassSolid, 70, 70, 0, 5, true, true},
        {"walker-solid lets others pass", PassWalkerSolid, 70, 70, 0, 5, true, false},
        {"barrier lets others pass", PassEnemyBarrier, 70, 70, 3, 0, false, false},
        // Kind 4 stops what comes from the left: right edge 72 + 3 after moving 3.
        {"leftwards-only from the left", PassLeftwardsOnly, 70, 90, 3, 0, false, true},
        {"leftwards-only, motion counted twice", PassLeftwardsOnly, 76, 90, 3, 0, false, true},
        {"leftwards-only from inside", PassLeftwardsOnly, 77.5f, 90, 3, 0, false, false},
        {"leftwards-only moving left", PassLeftwardsOnly, 70, 90, -3, 0, false, false},
        {"leftwards-only floor pass", PassLeftwardsOnly, 70, 90, 3, 0, true, false},
        // Kind 5 stops what comes from the right: left edge 108 - 3 after moving -3.
        {"rightwards-only from the right", PassRightwardsOnly, 110, 90, -3, 0, false, true},
        {"rightwards-only, motion counted twice", PassRightwardsOnly, 104, 90, -3, 0, false, true},
        {"rightwards-only from inside", PassRightwardsOnly, 102.5f, 90, -3, 0, false, false},
        {"rightwards-only moving right", PassRightwardsOnly, 110, 90, 3, 0, false, false},
        // Kind 6: falling onto it from above (bottom 72 + 4 after falling 4).
        {"platform from above", PassPlatform, 90, 71, 0, 4, true, true},
        {"platform standing", PassPlatform, 90, 67, 0, 0, true, true},
        {"platform, 4 px deep", PassPlatform, 90, 75, 0, 4, true, true},
        {"platform, deeper", PassPlatform, 90, 75.5f, 0, 4, true, false},
        {"platform rising", PassPlatform, 90, 71, 0, -4, true, false},
        {"platform from below, falling", PassPlatform, 90, 90, 0, 2, true, false},
        {"platform wall pass", PassPlatform, 90, 71, 3, 4, false, false},
        // Kind 7: rising into it from below (top 108 - 4 after rising 4).
        {"from-below rising", PassSolidFromBelow, 90, 109, 0, -4, true, true},
        {"from-below, 4 px deep", PassSolidFromBelow, 90, 105, 0, -4, true, true},
        {"from-below, deeper", PassSolidFromBelow, 90, 104.5f, 0, -4, true, false},
        {"from-below falling", PassSolidFromBelow, 90, 109, 0, 4, true, false},
        {"from-below from above", PassSolidFromBelow, 90, 71, 0, -4, true, false},
        {"from-below wall pass", PassSolidFromBelow, 90, 109, 0, -4, false, false},
    };
    for (const BlockCase& c : cases) {
        Box box(c.x, c.y, 10, 10);
        box.stepMotionX = c.stepMotionX;
        box.verticalSpeed = c.verticalSpeed;
        EXPECT_EQ(box.IsBlocking(2, 2, c.kind, c.vertical), c.blocks) << c.name;
    }
}

TEST(Collidable, OverridesWinFirstMatch) {
    Box box(0, 0, 10, 10);
    box.tileOverrides.push_back({3, 4, false});
    box.tileOverrides.push_back({3, 4, true});
    box.tileOverrides.push_back({5, 4, true});
    EXPECT_FALSE(box.IsBlocking(3, 4, PassSolid, true));
    EXPECT_TRUE(box.IsBlocking(5, 4, PassFree, false));
    EXPECT_TRUE(box.IsBlocking(4, 3, PassSolid, false));
}

TEST(TileOverlap, Margins) {
    // Tile (1, 1) spans x 36..72 and y 36..72; the boxes are 10 x 10.
    struct Case {
        const char* name;
        float x, y, stepMotionX;
        bool inner, top;
    };
    const std::vector<Case> cases = {
        // Horizontally the box counts where it was before this step's motion.
        {"right edge was 7 inside", 40, 54, 2, true, true},
        {"right edge was 6.5 inside", 40, 54, 2.5f, false, true},
        {"left edge was on the inner margin", 70, 54, 0, false, true},
        {"left edge was 7.5 inside", 70, 54, 0.5f, true, true},
        {"right edge on the cell's left edge", 31, 54, 0, false, true},
        {"left edge on the cell's right edge", 77, 54, 0, false, false},
        // Vertically it counts where it is now.
        {"bottom 7 inside", 54, 38, 0, true, false},
        {"bottom 6.5 inside", 54, 37.5f, 0, false, false},
        {"bottom 18 below the top", 54, 49, 0, true, true},
        {"bottom 17.5 below the top", 54, 48.5f, 0, true, false},
        {"top 7 above the bottom", 54, 70, 0, false, true},
    };
    for (const Case& c : cases) {
        Box box(c.x, c.y, 10, 10);
        box.stepMotionX = c.stepMotionX;
        EXPECT_EQ(OverlapsTileInner(box, 1, 1), c.inner) << c.name;
        EXPECT_EQ(OverlapsTileTop(box, 1, 1), c.top) << c.name;
    }

    Box near(54 + 16, 54 - 20, 10, 10);
    EXPECT_TRUE(IsNearTileCentre(near, 1, 1, 16, 20));
    near.x += 0.5f;
    EXPECT_FALSE(IsNearTileCentre(near, 1, 1, 16, 20));
}

}  // namespace
