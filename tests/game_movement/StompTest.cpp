#include "app/PlayerStats.h"
#include "game/objects/Enemy.h"
#include "game/objects/Player.h"
#include "game/sim/TileMovement.h"

#include <gtest/gtest.h>

namespace {

struct StompCase {
    const char* name;
    float playerBottom;
    float playerSpeed;
    std::int32_t playerState;
    std::int32_t enemyState;
    bool enemyFacingRight;
    float enemySpeed;
    float enemyMotionX;
    bool stomp;
};

class StompTest : public ::testing::TestWithParam<StompCase> {};

TEST_P(StompTest, AStompNeedsTheFeetToCrossTheEnemysTopThisStep) {
    const StompCase& param = GetParam();
    Enemy enemy(0, 300, 300, param.enemyFacingRight);
    enemy.state = param.enemyState;
    enemy.verticalSpeed = param.enemySpeed;
    enemy.stepMotionX = param.enemyMotionX;
    Player player{PlayerStats{}};
    player.x = 300;
    player.y = param.playerBottom - Player::Height / 2;
    player.verticalSpeed = param.playerSpeed;
    player.state = param.playerState;
    const float top = enemy.Top();
    player.y += top;  // playerBottom is relative to the enemy's top
    EXPECT_EQ(IsStomp(player, enemy), param.stomp);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StompTest,
    ::testing::Values(StompCase{"FallingOnto", 2, 5, StateAirborne, StateOnGround, true, 0, 0, true},
                      StompCase{"ExactlyOnTheTop", 0, 5, StateAirborne, StateOnGround, true, 0, 0, true},
                      StompCase{"AlreadyBelowTheTop", 6, 5, StateAirborne, StateOnGround, true, 0, 0, false},
                      StompCase{"AboveTheTop", -1, 5, StateAirborne, StateOnGround, true, 0, 0, false},
                      StompCase{"Rising", 2, -1, StateAirborne, StateOnGround, true, 0, 0, false},
                      StompCase{"EnemyFallingFaster", 2, 5, StateAirborne, StateAirborne, true, 6, 0, false},
                      StompCase{"PlayerOnASlope", 2, 5, StateOnRisingSlope, StateOnGround, true, 0, 0, false},
                      // An enemy walking up a slope comes to meet the feet.
                      StompCase{"EnemyUphill", 2, 0.5f, StateAirborne, StateOnRisingSlope, true, 10, 3, true},
                      StompCase{"EnemyDownhill", 2, 0.5f, StateAirborne, StateOnFallingSlope, true, -10, 3, false},
                      StompCase{"EnemyUphillLeft", 2, 0.5f, StateAirborne, StateOnFallingSlope, false, 10, -3, true}),
    [](const auto& c) { return std::string(c.param.name); });

}  // namespace
