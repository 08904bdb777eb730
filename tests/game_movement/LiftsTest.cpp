#include "MovementFixture.h"

#include "app/PlayerStats.h"
#include "game/objects/Lift.h"
#include "game/objects/Player.h"

using namespace movement;

namespace {

class LiftTest : public MovementTest {
protected:
    // A back-and-forth lift whose top is at y = 300, centred on x, walking
    // the displacement (dx, dy) and back.
    Lift& AddLift(int x, int dx, int dy, std::int32_t kind = Lift::BackAndForth) {
        world.lifts.emplace_back(kind, x, 300);
        world.lifts.back().waypoints.push_back(LiftWaypoint{dx, dy});
        collider.SetWorld(&world);
        return world.lifts.back();
    }

    float LiftTop(const Lift& lift) const { return lift.GetPosition().y - lift.GetSize().y / 2; }

    // One step of the object, then of the lifts, as the world update runs them.
    void StepWithLifts(Collidable& object, float steering, bool isPlayer = false) {
        Step(object, steering, isPlayer);
        for (Lift& lift : world.lifts)
            lift.Update(false);
    }
};

TEST_F(LiftTest, AnObjectOnALiftIsCaughtThenRidesIt) {
    Lift& lift = AddLift(234, 90, 0);
    Probe probe(234, 300 - 15);
    StepWithLifts(probe, 0);
    // Caught in the lift pass, riding after BeginMove.
    EXPECT_EQ(probe.state, StateRidingLift);
    EXPECT_EQ(probe.lift, &lift);
    const float offset = probe.x - lift.GetPosition().x;
    for (int i = 0; i < 40; ++i) {
        StepWithLifts(probe, 0);
        ASSERT_EQ(probe.state, StateRidingLift);
        ASSERT_EQ(probe.y, LiftTop(lift) - 15);
        ASSERT_NEAR(probe.x - lift.GetPosition().x, offset, 0.01f) << "step " << i;
    }
    // It went there and is coming back.
    EXPECT_GT(probe.x, 250);
}

TEST_F(LiftTest, ALiftCarriesThePlayerUpAndDownWithoutLosingIt) {
    Lift& lift = AddLift(234, 0, -60);
    Player player{PlayerStats{}};
    player.x = 234;
    player.y = 300 - Player::Height / 2;
    collider.recording = true;
    int riding = 0;
    for (int i = 0; i < 80; ++i) {
        StepWithLifts(player, 0, true);
        riding += player.state == StateRidingLift;
        ASSERT_NEAR(player.Bottom(), LiftTop(lift), 0.01f) << "step " << i;
    }
    // Only the turning steps at the path's ends are not rides.
    EXPECT_GE(riding, 76);
}

TEST_F(LiftTest, AJumpLeavesARisingLift) {
    Lift& lift = AddLift(234, 0, -60);
    Player player{PlayerStats{}};
    player.x = 234;
    player.y = 300 - Player::Height / 2;
    collider.recording = true;
    StepWithLifts(player, 0, true);
    ASSERT_EQ(player.state, StateRidingLift);
    ASSERT_TRUE(player.Jump(1));
    for (int i = 0; i < 5; ++i) {
        StepWithLifts(player, 0, true);
        EXPECT_EQ(player.state, StateAirborne);
        EXPECT_EQ(player.lift, nullptr);
    }
    EXPECT_LT(player.Bottom(), LiftTop(lift) - 20);
}

TEST_F(LiftTest, ARiderWalksOffTheLiftAndFalls) {
    AddLift(234, 0, 0);
    Probe probe(234, 300 - 15);
    StepWithLifts(probe, 0);
    ASSERT_EQ(probe.state, StateRidingLift);
    for (int i = 0; i < 60; ++i)
        StepWithLifts(probe, 3);
    EXPECT_EQ(probe.lift, nullptr);
    EXPECT_EQ(probe.state, StateOnGround);
    EXPECT_EQ(probe.y, FloorTop - 15);
}

TEST_F(LiftTest, FlyingObjectsAreNeverCarried) {
    AddLift(234, 90, 0);
    Probe probe(234, 300 - 15);
    probe.flying = true;
    for (int i = 0; i < 10; ++i)
        StepWithLifts(probe, 0);
    EXPECT_EQ(probe.x, 234);
    EXPECT_EQ(probe.lift, nullptr);
    EXPECT_NE(probe.state, StateRidingLift);
}

TEST_F(LiftTest, AFallingLiftPullsItsRiderDownFaster) {
    Lift& lift = AddLift(234, 0, 30, Lift::TriggeredDrop);
    lift.wait = Lift::RestSteps + 1;  // falling at 1/7 px per step
    Probe probe(234, 300 - 15);
    probe.state = StateAirborne;
    probe.verticalSpeed = 0.2f;
    collider.CarryOnLifts(probe, false);
    EXPECT_EQ(probe.state, StateCaughtByLift);
    EXPECT_FLOAT_EQ(probe.verticalSpeed, 2.0f / 7);
}

TEST_F(LiftTest, ARiddenLiftAtAWaypointSetsThePlayersMotion) {
    Lift& lift = AddLift(234, 90, 0);
    Probe probe(234, 300 - 15);
    probe.state = StateRidingLift;
    probe.lift = &lift;
    probe.horizontalSpeed = 2;
    // Not recording and able to walk: only the catch adds the lift's motion.
    collider.CarryOnLifts(probe, false);
    EXPECT_FLOAT_EQ(probe.stepMotionX, 3);
    // Recording (the player): the motion is taken anew from its speed.
    probe.state = StateRidingLift;
    probe.stepMotionX = 0;
    collider.recording = true;
    collider.CarryOnLifts(probe, false);
    EXPECT_FLOAT_EQ(probe.stepMotionX, 5);
    EXPECT_EQ(probe.verticalSpeed, 0);
}

TEST_F(LiftTest, TheColliderFollowsTheWorldItIsGiven) {
    AddLift(234, 90, 0);
    World copy(world);
    collider.SetWorld(&copy);
    EXPECT_EQ(collider.world, &copy);
    EXPECT_EQ(collider.lifts, &copy.lifts);
    Probe probe(234, 300 - 15);
    collider.CarryOnLifts(probe, false);
    EXPECT_EQ(probe.lift, &copy.lifts.front());
}

}  // namespace
