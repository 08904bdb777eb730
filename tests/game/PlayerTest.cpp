#include "game/objects/LiftCarrier.h"
#include "game/objects/Player.h"
#include "game/objects/PowerUpDuration.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

// A lift that carries its riders a fixed distance each step.
class CarryingLift : public LiftCarrier {
public:
    explicit CarryingLift(float dx) : dx_(dx) {}
    virtual ~CarryingLift() = default;
    float GetCarryMotionX(bool slowed) const override { return slowed ? dx_ / 2 : dx_; }

private:
    float dx_;
};

Player NewPlayer() { return Player(PlayerStats()); }

TEST(Player, TakesOnlyTheLastingStats) {
    PlayerStats saved;
    saved.lives = 7;
    saved.hearts = 1;
    saved.coins = 12;
    saved.totalCoins = 345;
    saved.ammunition = {1, 2, 3};
    saved.powerUpMode = PlayerStats::Jetpack;
    saved.powerUpCountdown = 99;
    const Player player(saved);

    PlayerStats expected = saved;
    expected.hearts = 3;
    expected.powerUpMode = PlayerStats::NoPowerUp;
    expected.powerUpCountdown = 0;
    EXPECT_EQ(player.stats, expected);

    EXPECT_EQ(player.GetPosition(), sf::Vector2f(400, 400));
    EXPECT_EQ(player.GetSize(), sf::Vector2f(24, 32));
    EXPECT_TRUE(player.facingRight);
    EXPECT_EQ(player.hurtTimer, -30);
    EXPECT_EQ(player.jumpTimer, 1);
    EXPECT_EQ(player.warpCounter, 0);
    EXPECT_TRUE(player.shown);
    EXPECT_TRUE(player.spawnProtection);
    EXPECT_FALSE(player.rising || player.jumpLatch || player.bumped || player.thrusting);
}

TEST(Player, Constants) {
    const Player player = NewPlayer();
    EXPECT_FLOAT_EQ(player.GetMaxSpeed(), 3.7f);
    EXPECT_FLOAT_EQ(player.GetJumpStrength(), 10);
    EXPECT_FLOAT_EQ(player.GetAcceleration(), 0.5f);
    EXPECT_FLOAT_EQ(player.GetStopThreshold(), 0.3f);
    EXPECT_FLOAT_EQ(player.GetSlopeSpeed(false, 0.001f), 10);
    EXPECT_FALSE(player.IsFlying());
    EXPECT_EQ(PowerUpDuration, (std::array<std::uint32_t, 3>{1200, 1200, 1200}));

    Player air = NewPlayer();
    for (auto [state, friction] : std::vector<std::pair<int, float>>{
             {StateAirborne, 0.94f}, {StateAtLadderAirborne, 0.94f}, {StateOnGround, 0.9f},
             {StateRidingLift, 0.9f}, {StateClimbing, 0.9f}}) {
        air.state = state;
        EXPECT_FLOAT_EQ(air.GetFriction(), friction) << state;
    }
}

TEST(Player, CollectEveryKind) {
    struct Case {
        int kind;
        PlayerStats after;  // from default stats with 1 heart
    };
    auto stats = [](auto change) {
        PlayerStats s;
        s.hearts = 1;
        change(s);
        return s;
    };
    const std::vector<Case> cases = {
        {0, stats([](PlayerStats& s) { s.coins = 1; s.totalCoins = 1; })},
        {1, stats([](PlayerStats& s) { s.lives = 4; })},
        {2, stats([](PlayerStats& s) { s.hearts = 2; })},
        {3, stats([](PlayerStats& s) { s.ammunition = {1, 0, 0}; })},
        {4, stats([](PlayerStats& s) { s.ammunition = {0, 1, 0}; })},
        {5, stats([](PlayerStats& s) { s.ammunition = {0, 0, 1}; })},
        {6, stats([](PlayerStats& s) { s.ammunition = {3, 0, 0}; })},
        {7, stats([](PlayerStats& s) { s.ammunition = {0, 3, 0}; })},
        {8, stats([](PlayerStats& s) { s.ammunition = {0, 0, 3}; })},
        {9, stats([](PlayerStats& s) { s.powerUpMode = 1; s.powerUpCountdown = 1200; })},
        {10, stats([](PlayerStats& s) { s.powerUpMode = 2; s.powerUpCountdown = 1200; })},
        {11, stats([](PlayerStats& s) { s.powerUpMode = 3; s.powerUpCountdown = 1200; })},
        {12, stats([](PlayerStats&) {})},
        {-1, stats([](PlayerStats&) {})},
    };
    for (const Case& c : cases) {
        Player player = NewPlayer();
        player.stats.hearts = 1;
        player.Collect(c.kind);
        EXPECT_EQ(player.stats, c.after) << "kind " << c.kind;
    }
}

TEST(Player, CoinsHeartsAndPowerUps) {
    Player player = NewPlayer();
    player.stats.coins = 49;
    player.stats.totalCoins = 1000;
    player.Collect(0);
    EXPECT_EQ(player.stats.coins, 0);
    EXPECT_EQ(player.stats.lives, 4);
    EXPECT_EQ(player.stats.totalCoins, 1001u);

    player.Collect(2);  // already 3 hearts
    EXPECT_EQ(player.stats.hearts, 3);

    player.Collect(9);
    player.stats.powerUpCountdown = 5;
    player.Collect(11);  // replaces the running power-up and restarts the clock
    EXPECT_EQ(player.stats.powerUpMode, PlayerStats::Jetpack);
    EXPECT_EQ(player.stats.powerUpCountdown, 1200u);
}

TEST(Player, CountsStopAtTheTop) {
    Player player = NewPlayer();
    const std::uint16_t top = std::numeric_limits<std::uint16_t>::max();
    player.stats.lives = top;
    player.stats.ammunition = {top, static_cast<std::uint16_t>(top - 1), top};
    player.stats.coins = 49;
    player.stats.totalCoins = std::numeric_limits<std::uint32_t>::max();
    player.Collect(1);
    player.Collect(0);  // the 50th coin: no room for another life
    player.Collect(3);
    player.Collect(7);
    player.Collect(5);
    EXPECT_EQ(player.stats.lives, top);
    EXPECT_EQ(player.stats.coins, 0);
    EXPECT_EQ(player.stats.totalCoins, std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(player.stats.ammunition, (std::array<std::uint16_t, 3>{top, top, top}));
}

TEST(Player, PowerUpEndsAfter1200Steps) {
    Player player = NewPlayer();
    player.Collect(10);
    for (int step = 1; step < 1200; ++step)
        player.Update(false);
    EXPECT_EQ(player.stats.powerUpMode, PlayerStats::TimeDistortion);
    EXPECT_EQ(player.stats.powerUpCountdown, 1u);
    player.Update(false);
    EXPECT_EQ(player.stats.powerUpMode, PlayerStats::NoPowerUp);
    EXPECT_EQ(player.stats.powerUpCountdown, 0u);
}

TEST(Player, JumpRefusals) {
    struct Case {
        const char* name;
        int state;
        bool rising, latch, bumped;
        bool jumps;
    };
    const std::vector<Case> cases = {
        {"on the ground", StateOnGround, false, false, false, true},
        {"riding a lift", StateRidingLift, false, false, false, true},
        {"at a ladder standing", StateAtLadderStanding, false, false, false, true},
        {"climbing", StateClimbing, false, false, false, true},
        {"on a slope", StateOnRisingSlope, false, false, false, true},
        {"bumped on the ground", StateOnGround, false, false, true, true},
        {"airborne", StateAirborne, false, false, false, false},
        {"at a ladder airborne", StateAtLadderAirborne, false, false, false, false},
        {"latch still set", StateOnGround, false, true, false, false},
        {"still rising", StateOnGround, true, false, false, false},
        {"bumped on a rising slope", StateOnRisingSlope, false, false, true, false},
        {"bumped on a falling slope", StateOnFallingSlope, false, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Player player = NewPlayer();
        player.state = c.state;
        player.rising = c.rising;
        player.jumpLatch = c.latch;
        player.bumped = c.bumped;
        player.jumpTimer = 0;
        player.verticalSpeed = 1.5f;
        EXPECT_EQ(player.Jump(0.3f), c.jumps);
        EXPECT_TRUE(player.jumpLatch);
        if (c.jumps) {
            EXPECT_FLOAT_EQ(player.verticalSpeed, -10);  // the factor does not matter
            EXPECT_EQ(player.state, StateAirborne);
            EXPECT_TRUE(player.rising);
            EXPECT_EQ(player.jumpTimer, 9);
        } else {
            EXPECT_FLOAT_EQ(player.verticalSpeed, 1.5f);
            EXPECT_EQ(player.state, c.state);
            EXPECT_EQ(player.jumpTimer, 0);
        }
    }
}

TEST(Player, CeilingBumpBlocksASlopeJumpForOneStep) {
    Player player = NewPlayer();
    player.state = StateOnRisingSlope;
    player.HitCeiling();
    EXPECT_TRUE(player.bumped);
    EXPECT_FALSE(player.Jump(1));
    player.jumpLatch = false;  // the key was released
    player.BeginMove();
    EXPECT_FALSE(player.bumped);
    player.state = StateOnRisingSlope;
    EXPECT_TRUE(player.Jump(1));
}

TEST(Player, RiseEndsWhenFalling) {
    // Releasing Jump cuts only a rise that is still going on: the rising flag
    // ends as soon as the player falls, and a bounce may start without it.
    Player player = NewPlayer();
    ASSERT_TRUE(player.Jump(1));
    player.verticalSpeed = -0.1f;
    player.ApplyFriction();
    EXPECT_TRUE(player.IsRising());
    player.verticalSpeed = 0.1f;
    player.ApplyFriction();
    EXPECT_FALSE(player.IsRising());

    player.Bounce(1.5f, false);
    EXPECT_FLOAT_EQ(player.verticalSpeed, -15);
    EXPECT_EQ(player.state, StateAirborne);
    EXPECT_FALSE(player.IsRising());
    player.Bounce(0.3f, true);
    EXPECT_FLOAT_EQ(player.verticalSpeed, -3);
    EXPECT_TRUE(player.IsRising());
}

TEST(Player, ThrustLimits) {
    Player player = NewPlayer();
    player.state = StateClimbing;
    player.verticalSpeed = -6.3f;
    player.Thrust();
    EXPECT_FLOAT_EQ(player.verticalSpeed, -6.5f);
    EXPECT_EQ(player.state, StateAirborne);
    EXPECT_TRUE(player.thrusting);

    player.state = StateOnGround;
    player.verticalSpeed = 2;
    player.Thrust();
    EXPECT_FLOAT_EQ(player.verticalSpeed, 1.45f);
    EXPECT_EQ(player.state, StateOnGround);

    player.ApplyFriction();
    EXPECT_FALSE(player.thrusting);
}

TEST(Player, FrictionHoldsClimbersAndTheDead) {
    for (auto [state, hurt, held] : std::vector<std::tuple<int, int, bool>>{
             {StateClimbing, 0, true}, {StateOnGround, 100, true}, {StateOnGround, 99, false}}) {
        Player player = NewPlayer();
        player.state = state;
        player.hurtTimer = hurt;
        player.horizontalSpeed = -3;
        player.verticalSpeed = 4;
        player.ApplyFriction();
        EXPECT_FLOAT_EQ(player.horizontalSpeed, held ? -0.2f : -2.7f);
        EXPECT_FLOAT_EQ(player.verticalSpeed, held ? 0 : 4);
    }
}

TEST(Player, MoveIgnoresHalvingAndNeedsABody) {
    Player player = NewPlayer();
    player.acceleration = 9;
    player.Move(true);
    EXPECT_FLOAT_EQ(player.horizontalSpeed, 3.7f);
    EXPECT_FLOAT_EQ(player.x, 403.7f);

    player.shown = false;
    player.Move(false);
    EXPECT_FLOAT_EQ(player.x, 403.7f);
}

TEST(Player, WalkerSolidTilesStopThePlayer) {
    const Player player = NewPlayer();
    EXPECT_TRUE(player.IsBlocking(3, 3, PassWalkerSolid, false));
    EXPECT_TRUE(player.IsBlocking(3, 3, PassWalkerSolid, true));
    EXPECT_FALSE(player.IsBlocking(3, 3, PassEnemyBarrier, false));
}

TEST(Player, HitWallStops) {
    Player player = NewPlayer();
    player.stepMotionX = 2;
    player.horizontalSpeed = 3;
    player.HitWall();
    EXPECT_EQ(player.stepMotionX, 0);
    EXPECT_EQ(player.horizontalSpeed, 0);
}

TEST(Player, UpdateCountsMotion) {
    Player player = NewPlayer();
    player.stepMotionX = 1;
    player.Update(false);
    player.Update(false);
    EXPECT_EQ(player.motionCounter, 2);
    EXPECT_EQ(player.idleCounter, 0);
    EXPECT_EQ(player.jumpTimer, 0);

    // Standing still on a moving lift is no motion of the player's own.
    CarryingLift lift(2);
    player.lift = &lift;
    player.stepMotionX = 2;
    player.Update(false);
    EXPECT_EQ(player.motionCounter, 0);
    EXPECT_EQ(player.idleCounter, 1);
    player.stepMotionX = 1;  // the same lift under time distortion
    player.Update(true);
    EXPECT_EQ(player.idleCounter, 2);

    // Climbing counts vertical motion.
    player.lift = nullptr;
    player.state = StateClimbing;
    player.stepMotionX = 0;
    player.verticalSpeed = -3.7f;
    player.Update(false);
    EXPECT_EQ(player.motionCounter, 1);
}

TEST(Player, HurtTimerAndSpawnProtection) {
    Player player = NewPlayer();
    for (int step = 0; step < 30; ++step)
        player.Update(false);
    EXPECT_EQ(player.hurtTimer, 0);
    EXPECT_TRUE(player.spawnProtection);
    player.Update(false);
    EXPECT_FALSE(player.spawnProtection);

    player.hurtTimer = 1;  // dying counts up
    player.Update(false);
    EXPECT_EQ(player.hurtTimer, 2);
}

TEST(Player, WarpSequence) {
    Player player = NewPlayer();
    player.warpSource = sf::Vector2f(100, 200);
    player.warpTarget = sf::Vector2f(500, 600);
    player.warpCounter = 1;
    player.state = StateOnGround;
    player.Update(false);
    EXPECT_EQ(player.warpCounter, 2);
    EXPECT_EQ(player.state, StateFrozen);
    EXPECT_EQ(player.GetPosition(), sf::Vector2f(100, 200));
    while (player.warpCounter < 49)
        player.Update(false);
    player.x = 123;  // anything that moved it is undone until the jump
    player.Update(false);
    EXPECT_EQ(player.warpCounter, 50);
    EXPECT_EQ(player.GetPosition(), sf::Vector2f(500, 600));
    player.x = 510;  // after the jump the player is not held
    while (player.warpCounter > 0)
        player.Update(false);
    EXPECT_EQ(player.warpCounter, -1);
    EXPECT_EQ(player.x, 510);
    player.state = StateOnGround;
    player.Update(false);
    EXPECT_EQ(player.warpCounter, -1);
    EXPECT_EQ(player.state, StateOnGround);
}

TEST(Player, OverlayAlpha) {
    struct Case {
        int warp, hurt;
        int alpha;
    };
    const std::vector<Case> cases = {
        {50, 0, 255}, {25, 0, 0},   {75, 0, 0},   {40, 0, 153}, {60, 0, 153},
        {0, 0, 0},    {-1, 0, 0},   {0, 50, 0},   {0, 51, 5},   {0, 75, 127},
        {0, 100, 255}, {0, 101, 255}, {0, 200, 255}, {0, -100, 0}, {30, 100, 51},
    };
    for (const Case& c : cases) {
        Player player = NewPlayer();
        player.warpCounter = c.warp;
        player.hurtTimer = c.hurt;
        EXPECT_EQ(player.GetOverlayAlpha(), c.alpha) << c.warp << " " << c.hurt;
    }
}

TEST(Player, FlameRect) {
    Player player = NewPlayer();
    EXPECT_EQ(player.GetFlameRect(0), sf::IntRect(38, 32 + 9 * 13, 10, 10));
    EXPECT_EQ(player.GetFlameRect(3), sf::IntRect(38, 32 + 9 * 12, 10, 10));
    player.facingRight = false;
    EXPECT_EQ(player.GetFlameRect(0), sf::IntRect(38, 32, 10, 10));
    EXPECT_EQ(player.GetFlameRect(27), sf::IntRect(38, 32 + 9 * 13, 10, 10));
    EXPECT_EQ(player.GetFlameRect(28), sf::IntRect(38, 32, 10, 10));
}

TEST(Player, PoseAndFrameForEachState) {
    struct Case {
        const char* name;
        int state;
        float verticalSpeed, stepMotionX;
        int hurt, motion, idle;
        int column, row;
    };
    const std::vector<Case> cases = {
        {"dying", StateOnGround, 0, 0, 5, 0, 0, 3, 1},
        {"dying, last frame", StateAirborne, 0, 0, 60, 7, 7, 3, 7},
        {"climbing", StateClimbing, -3.7f, 0, 0, 4, 0, 4, 1},
        {"rising", StateAirborne, -2, 1, 0, 9, 0, 1, 0},
        {"rising at a ladder", StateAtLadderAirborne, -0.1f, 0, 0, 0, 0, 1, 0},
        {"falling slowly", StateAirborne, 0.5f, 0, 0, 0, 0, 2, 1},
        {"falling", StateAirborne, 1.0f, 0, 0, 0, 0, 2, 1},
        {"falling fast", StateAtLadderAirborne, 1.4f, 0, 0, 0, 0, 2, 0},
        {"standing", StateOnGround, 0, 0, 0, 0, 22, 5, 1},
        {"standing while protected", StateOnGround, 0, 0, -20, 0, 22, 5, 0},
        {"standing on a lift", StateRidingLift, 0, 0, 0, 0, 0, 5, 0},
        {"running", StateOnGround, 0, 2, 0, 7, 0, 0, 2},
        {"running back down", StateOnRisingSlope, 0, -2, 0, 16, 0, 0, 1},
        {"carried at a ladder", StateAtLadderStanding, 0, 1, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Player player = NewPlayer();
        player.state = c.state;
        player.verticalSpeed = c.verticalSpeed;
        player.stepMotionX = c.stepMotionX;
        player.hurtTimer = c.hurt;
        player.motionCounter = c.motion;
        player.idleCounter = c.idle;
        EXPECT_EQ(player.GetTextureRect(), sf::IntRect(c.column * 24, c.row * 32, 24, 32)) << c.name;
    }
}

}  // namespace
