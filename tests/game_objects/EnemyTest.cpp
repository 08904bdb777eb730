#include "game/objects/AnimationTables.h"
#include "game/objects/Enemy.h"
#include "kest/RandomEngine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

// An enemy past waking, standing on the ground.
Enemy ActiveEnemy(std::int32_t kind) {
    Enemy enemy(kind, 100, 200, true);
    enemy.counter = 0;
    return enemy;
}

// The steps at which the enemy fires over a run, reloading the way the world
// does: after the enemy's own update, a timer below 1 fires and reloads.
std::vector<int> FiringSteps(Enemy& enemy, bool slowed, int steps) {
    std::vector<int> fired;
    for (int step = 1; step <= steps; ++step) {
        enemy.state = StateOnGround;
        enemy.Update(slowed);
        if (enemy.fireTimer < 1) {
            enemy.ReloadFireTimer();
            fired.push_back(step);
        }
    }
    return fired;
}

TEST(Enemy, IsPlacedAsleepWithItsKindsBox) {
    const Enemy enemy(14, 50, 60, false);
    EXPECT_EQ(enemy.kind, 14);
    EXPECT_EQ(enemy.GetSize(), sf::Vector2f(24, 35));
    EXPECT_EQ(enemy.GetPosition(), sf::Vector2f(50, 60));
    EXPECT_EQ(enemy.state, StateOnGround);
    EXPECT_FALSE(enemy.facingRight);
    EXPECT_EQ(enemy.deathMode, 0);
    EXPECT_EQ(enemy.counter, -20);
    EXPECT_EQ(enemy.animationCounter, -50);
    EXPECT_EQ(enemy.fireTimer, 50);
    EXPECT_EQ(enemy.boxOffset, sf::Vector2f(0, 0));
    EXPECT_FALSE(enemy.IsAlive());

    const Enemy faller(11, 0, 0, true);
    EXPECT_EQ(faller.counter, -1);
    EXPECT_TRUE(faller.IsAlive());

    EXPECT_THROW(Enemy(19, 0, 0, true), std::out_of_range);
    EXPECT_THROW(Enemy(-1, 0, 0, true), std::out_of_range);
}

TEST(Enemy, FiresEveryIntervalAndHalfAsOftenWhileSlowed) {
    Enemy archer = ActiveEnemy(2);  // fire interval 100 steps
    EXPECT_EQ(FiringSteps(archer, false, 330), (std::vector<int>{25, 125, 225, 325}));

    Enemy slowedArcher = ActiveEnemy(2);
    EXPECT_EQ(FiringSteps(slowedArcher, true, 660), (std::vector<int>{50, 250, 450, 650}));

    Enemy ufo = ActiveEnemy(18);  // fire interval 20 steps
    EXPECT_EQ(FiringSteps(ufo, false, 70), (std::vector<int>{25, 45, 65}));
}

TEST(Enemy, RandomFireMovesTheTimerOnlyOnLuckyDraws) {
    kest::RandomEngine::global().seed(2024);
    int lucky = 0;
    for (int i = 0; i < 40; ++i)
        if (kest::randomFloat(0, 1) > 0.32f)
            ++lucky;
    ASSERT_GT(lucky, 0);
    ASSERT_LT(lucky, 40);

    kest::RandomEngine::global().seed(2024);
    Enemy spitter = ActiveEnemy(3);
    for (int i = 0; i < 40; ++i)
        spitter.Update(false);
    EXPECT_EQ(spitter.fireTimer, 50 - 2 * lucky);

    kest::RandomEngine::global().seed(2024);
    Enemy slowedSpitter = ActiveEnemy(3);
    for (int i = 0; i < 40; ++i)
        slowedSpitter.Update(true);
    EXPECT_EQ(slowedSpitter.fireTimer, 50 - lucky);
}

TEST(Enemy, ReloadDoublesTheIntervalAndSaturatesForKindsThatNeverFire) {
    Enemy ufo = ActiveEnemy(18);
    ufo.ReloadFireTimer();
    EXPECT_EQ(ufo.fireTimer, 40);

    Enemy walker = ActiveEnemy(0);
    walker.ReloadFireTimer();
    EXPECT_EQ(walker.fireTimer, std::numeric_limits<std::int32_t>::max());
    walker.Update(false);
    EXPECT_EQ(walker.fireTimer, std::numeric_limits<std::int32_t>::max() - 2);
}

TEST(Enemy, KindThatNeverJumpsTriesOnceWhenItsAnimationCounterPassesZero) {
    Enemy walker = ActiveEnemy(0);
    std::vector<int> tries;
    for (int step = 1; step <= 300; ++step) {
        walker.state = StateOnGround;
        walker.Update(false);
        if (walker.state == StateAirborne)
            tries.push_back(step);
    }
    EXPECT_EQ(tries, std::vector<int>{25});  // animation counter -50 + 2 * 25 = 0
}

TEST(Enemy, JumperJumpsEveryIntervalAndLowerWhileSlowedOnTheGround) {
    Enemy jumper = ActiveEnemy(1);  // strength 7, every 100 steps
    std::vector<int> jumps;
    for (int step = 1; step <= 230; ++step) {
        jumper.state = StateOnGround;
        jumper.verticalSpeed = 0;
        jumper.Update(false);
        if (jumper.state == StateAirborne) {
            jumps.push_back(step);
            EXPECT_FLOAT_EQ(jumper.verticalSpeed, -7);
        }
    }
    EXPECT_EQ(jumps, (std::vector<int>{25, 125, 225}));

    Enemy slowed = ActiveEnemy(1);
    slowed.animationCounter = -1;  // counter / 2 is 0 on the next two steps
    slowed.Update(true);
    EXPECT_EQ(slowed.state, StateAirborne);
    EXPECT_FLOAT_EQ(slowed.verticalSpeed, -7 * 0.6f);
    slowed.Update(true);  // airborne: refused
    EXPECT_FLOAT_EQ(slowed.verticalSpeed, -7 * 0.6f);
}

TEST(Enemy, WakingAndDyingOnlyCount) {
    Enemy enemy(4, 0, 0, true);
    enemy.counter = Enemy::WakingCounter;
    for (int i = 0; i < 19; ++i) {
        EXPECT_FALSE(enemy.IsAlive());
        enemy.Update(false);
    }
    EXPECT_EQ(enemy.counter, 0);
    EXPECT_EQ(enemy.animationCounter, -50);  // nothing else moved while waking
    EXPECT_EQ(enemy.fireTimer, 50);
    EXPECT_TRUE(enemy.IsAlive());
    EXPECT_FLOAT_EQ(enemy.GetMaxSpeed(), 2.5f);
    EXPECT_FLOAT_EQ(enemy.GetFriction(), 1.0f);

    enemy.counter = 1;
    enemy.deathMode = Enemy::DeathKilled;
    EXPECT_FLOAT_EQ(enemy.GetMaxSpeed(), 1e10f);
    EXPECT_FLOAT_EQ(enemy.GetFriction(), 0.99f);
    enemy.deathMode = Enemy::DeathStomped;
    EXPECT_FLOAT_EQ(enemy.GetFriction(), 0.9f);
    for (int i = 1; i < 29; ++i)
        enemy.Update(false);
    EXPECT_EQ(enemy.counter, 29);
    EXPECT_FALSE(enemy.IsDeathOver());
    enemy.Update(false);
    EXPECT_TRUE(enemy.IsDeathOver());
}

TEST(Enemy, FallerHangsUntilWokenFallsAndDiesOnLanding) {
    Enemy faller(11, 0, 0, true);
    EXPECT_TRUE(faller.IsFlying());
    EXPECT_FLOAT_EQ(faller.GetFriction(), 1.0f);
    EXPECT_FLOAT_EQ(faller.GetMaxSpeed(), 0);
    faller.state = StateAirborne;
    faller.Update(false);
    EXPECT_EQ(faller.counter, -1);  // hangs without counting

    faller.counter = 0;  // triggered
    EXPECT_FALSE(faller.IsFlying());
    faller.Update(false);
    EXPECT_EQ(faller.counter, 0);  // still falling

    faller.state = StateOnGround;
    faller.stepMotionX = 1.5f;
    faller.Update(false);
    EXPECT_EQ(faller.deathMode, Enemy::DeathFell);
    EXPECT_EQ(faller.counter, 1);
    EXPECT_EQ(faller.stepMotionX, 0);
    EXPECT_TRUE(faller.IsFlying());  // the dying faller hangs where it fell
}

TEST(Enemy, FlyingKindsFlyOnlyWhileNotDying) {
    Enemy bat = ActiveEnemy(8);
    EXPECT_TRUE(bat.IsFlying());
    bat.counter = Enemy::WakingCounter;
    EXPECT_TRUE(bat.IsFlying());
    bat.counter = 1;
    EXPECT_FALSE(bat.IsFlying());
    EXPECT_FALSE(ActiveEnemy(0).IsFlying());
}

TEST(Enemy, BlockingTreatsWalkerTilesAsSolidAndTheBarrierUntilDying) {
    struct Case {
        PassKind kind;
        std::int32_t counter;
        bool blocks;
    };
    const Case cases[] = {
        {PassWalkerSolid, 0, true}, {PassWalkerSolid, 5, true},  {PassEnemyBarrier, 0, true},
        {PassEnemyBarrier, -19, true}, {PassEnemyBarrier, 1, false}, {PassFree, 0, false},
        {PassSolid, 5, true},
    };
    for (const Case& c : cases) {
        Enemy enemy = ActiveEnemy(0);
        enemy.counter = c.counter;
        EXPECT_EQ(enemy.IsBlocking(3, 4, c.kind, false), c.blocks) << c.kind << " at " << c.counter;
        EXPECT_EQ(enemy.IsBlocking(3, 4, c.kind, true), c.blocks) << c.kind << " at " << c.counter;
    }
    Enemy opened = ActiveEnemy(0);
    opened.tileOverrides.push_back({3, 4, false});
    EXPECT_FALSE(opened.IsBlocking(3, 4, PassWalkerSolid, false));
}

TEST(Enemy, TurnsAroundAtWalls) {
    Enemy enemy = ActiveEnemy(4);
    enemy.HitWall();
    EXPECT_FALSE(enemy.facingRight);
    enemy.HitWall();
    EXPECT_TRUE(enemy.facingRight);
}

TEST(Enemy, TextureRowFollowsAnimationPoseAndDeath) {
    Enemy walker = ActiveEnemy(0);
    walker.animationCounter = 14;  // ticks 7: frame 1 of 5, 5, 5, 5 ping-pong
    EXPECT_EQ(walker.GetTextureRect(), sf::IntRect(152, 90 + 35, 21, 35));
    walker.state = StateAirborne;  // the airborne pose below the four frames
    EXPECT_EQ(walker.GetTextureRect(), sf::IntRect(152, 90 + 4 * 35, 21, 35));

    Enemy bat = ActiveEnemy(8);
    bat.state = StateAirborne;  // only kinds 0 to 2 have an airborne pose
    bat.animationCounter = 24;  // ticks 12: frame 2
    EXPECT_EQ(bat.GetTextureRect(), sf::IntRect(152, 2 * 18, 48, 18));

    Enemy start = ActiveEnemy(12);  // a negative counter wraps as the animation's ticks
    EXPECT_EQ(start.GetTextureRect().top,
              13 + 63 * static_cast<int>(EnemyAnimations[12].GetStep(static_cast<std::uint32_t>(-25))));

    Enemy faller(11, 0, 0, true);
    faller.counter = 29;
    EXPECT_EQ(faller.GetTextureRect(), sf::IntRect(296, 6 * 46, 22, 46));
    faller.counter = 5;
    EXPECT_EQ(faller.GetTextureRect(), sf::IntRect(296, 46, 22, 46));
}

}  // namespace
