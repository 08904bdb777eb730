#include "game/effects/EffectSpawner.h"
#include "game/objects/Lift.h"
#include "game/objects/Player.h"
#include "game/objects/Weapon.h"
#include "kest/RandomEngine.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct Emission {
    int preset;
    const Lift* owner;
    float x, y, vx, vy;
};

struct Recorder {
    std::vector<Emission> emissions;
    EffectSpawner::Sink Sink() {
        return [this](int preset, const Lift* owner, float x, float y, float vx, float vy) {
            emissions.push_back(Emission{preset, owner, x, y, vx, vy});
        };
    }
    std::map<int, int> CountByPreset() const {
        std::map<int, int> counts;
        for (const Emission& e : emissions)
            ++counts[e.preset];
        return counts;
    }
};

Lift MovingLift(std::int32_t kind) {
    Lift lift(kind, 200, 100);
    lift.waypoints.push_back(LiftWaypoint{72, 0});
    lift.waypoints.push_back(LiftWaypoint{0, 36});
    return lift;
}

}  // namespace

TEST(EffectSpawner, WeaponTrailsByKindAndHalvedWhileTimeIsSlowed) {
    struct Row {
        int kind;
        int preset;
        int normal;
        int slowed;
    };
    const std::vector<Row> rows = {
        {0, 5, 7, 7}, {1, 6, 3, 3}, {4, 22, 4, 2}, {5, 22, 4, 2}, {6, 23, 4, 2}, {7, 24, 4, 2},
        {2, -1, 0, 0}, {3, -1, 0, 0}, {8, -1, 0, 0}, {9, -1, 0, 0},
    };
    kest::RandomEngine::global().seed(5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        const Weapon weapon(row.kind, 300, 200, true);
        for (bool slowed : {false, true}) {
            Recorder recorder;
            EffectSpawner::ForWeapon(weapon, slowed, recorder.Sink());
            const int expected = slowed ? row.slowed : row.normal;
            ASSERT_EQ(static_cast<int>(recorder.emissions.size()), expected);
            for (const Emission& e : recorder.emissions) {
                EXPECT_EQ(e.preset, row.preset);
                EXPECT_EQ(e.owner, nullptr);
                EXPECT_EQ(e.vx, 0);
                EXPECT_EQ(e.vy, 0);
            }
        }
    }
}

TEST(EffectSpawner, ARocketTrailsBehindItsTail) {
    kest::RandomEngine::global().seed(11);
    for (bool facingRight : {true, false}) {
        const Weapon rocket(0, 300, 200, facingRight);
        const float half = rocket.GetSize().x / 2;
        const float tail = facingRight ? 300 - half : 300 + half;
        Recorder recorder;
        EffectSpawner::ForWeapon(rocket, false, recorder.Sink());
        for (const Emission& e : recorder.emissions) {
            EXPECT_LE(std::abs(e.x - tail), rocket.GetMaxSpeed() + 1e-3f);
            EXPECT_LE(std::abs(e.y - 200), 1.0f + 1e-3f);
        }
    }
}

TEST(EffectSpawner, PlayerWarpSparkleAndPowerUpTrails) {
    kest::RandomEngine::global().seed(3);
    Player player{PlayerStats()};
    player.x = 100;  // tile column 2 (72..108), row 1 (36..72)
    player.y = 50;

    Recorder idle;
    EffectSpawner::ForPlayer(player, idle.Sink());
    EXPECT_TRUE(idle.emissions.empty());

    player.warpCounter = 10;
    Recorder warp;
    EffectSpawner::ForPlayer(player, warp.Sink());
    ASSERT_EQ(warp.emissions.size(), 4u);
    for (const Emission& e : warp.emissions) {
        EXPECT_EQ(e.preset, 1);
        EXPECT_GE(e.x, 78);
        EXPECT_LE(e.x, 102);
        EXPECT_EQ(e.y, 40);
        EXPECT_EQ(e.vy, 3);
    }
    player.warpCounter = -1;  // finished: no sparkle

    player.stats.powerUpMode = PlayerStats::Invulnerability;
    Recorder invulnerable;
    EffectSpawner::ForPlayer(player, invulnerable.Sink());
    EXPECT_EQ(invulnerable.CountByPreset(), (std::map<int, int>{{3, 4}}));

    player.stats.powerUpMode = PlayerStats::TimeDistortion;
    Recorder distorted;
    EffectSpawner::ForPlayer(player, distorted.Sink());
    ASSERT_EQ(distorted.CountByPreset(), (std::map<int, int>{{4, 4}}));
    for (const Emission& e : distorted.emissions) {
        // They head for the player.
        EXPECT_FLOAT_EQ(e.vx, (100 - e.x) * 0.1f);
        EXPECT_FLOAT_EQ(e.vy, (50 - e.y) * 0.1f);
    }

    player.stats.powerUpMode = PlayerStats::Jetpack;
    player.thrusting = false;
    Recorder coasting;
    EffectSpawner::ForPlayer(player, coasting.Sink());
    EXPECT_TRUE(coasting.emissions.empty());
    player.thrusting = true;
    player.verticalSpeed = -2;
    Recorder thrusting;
    EffectSpawner::ForPlayer(player, thrusting.Sink());
    ASSERT_EQ(thrusting.CountByPreset(), (std::map<int, int>{{2, 5}}));
    for (const Emission& e : thrusting.emissions)
        EXPECT_FLOAT_EQ(e.vy, 2);
}

TEST(EffectSpawner, LiftJetsBelongToTheLiftAndStopWhenATriggeredLiftFalls) {
    kest::RandomEngine::global().seed(8);
    struct Row {
        std::int32_t kind;
        int preset;
    };
    for (const Row& row : {Row{0, 15}, Row{3, 16}, Row{1, 13}, Row{2, 14}}) {
        SCOPED_TRACE(row.kind);
        const Lift lift = MovingLift(row.kind);
        const sf::Vector2f p = lift.GetPosition();
        const float below = p.y + lift.GetSize().y / 2 + 1;
        Recorder recorder;
        EffectSpawner::ForLift(lift, false, recorder.Sink());
        ASSERT_EQ(recorder.emissions.size(), 4u);
        for (const Emission& e : recorder.emissions) {
            EXPECT_EQ(e.preset, row.preset);
            EXPECT_EQ(e.owner, &lift);
            EXPECT_LE(std::abs(e.y - below), 2.0f + 1e-3f);
            EXPECT_EQ(e.vy, 3);
            if (row.kind == 0 || row.kind == 3) {
                // Two jets, 12 to 19 pixels either side of the centre.
                const float side = std::abs(e.x - p.x);
                EXPECT_GE(side, 12 - 1e-3f);
                EXPECT_LE(side, 19 + 1e-3f);
            }
        }
    }
    Lift falling = MovingLift(Lift::Triggered);
    falling.wait = 20;
    Recorder none;
    EffectSpawner::ForLift(falling, false, none.Sink());
    EXPECT_TRUE(none.emissions.empty());
}

TEST(EffectSpawner, LiftParticlesRideAlongButDoNotJumpWhenTheLiftIsPutBack) {
    Lift lift = MovingLift(Lift::BackAndForth);
    for (int i = 0; i < 3; ++i)
        lift.Update(false);
    const Lift::Motion motion = lift.GetCarryMotion(false, false);
    const sf::Vector2f offset = EffectSpawner::LiftCarryOffset(lift, false);
    EXPECT_GT(offset.x, 0);
    EXPECT_FLOAT_EQ(offset.x, boost::rational_cast<float>(motion.first));
    EXPECT_FLOAT_EQ(offset.y, boost::rational_cast<float>(motion.second));

    lift.Reset();
    EXPECT_EQ(EffectSpawner::LiftCarryOffset(lift, false), sf::Vector2f(0, 0));
}
