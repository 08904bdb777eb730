#include "game/objects/Weapon.h"
#include "kest/RandomEngine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace {

TEST(Weapon, StartsWithItsKindsBoxAndSpeed) {
    const Weapon rocket(WeaponRocket, 40, 50, false);
    EXPECT_EQ(rocket.GetSize(), sf::Vector2f(22, 17));
    EXPECT_EQ(rocket.GetPosition(), sf::Vector2f(40, 50));
    EXPECT_EQ(rocket.stepMotionX, -12);
    EXPECT_EQ(rocket.age, 0);
    EXPECT_FALSE(rocket.IsHit());
    EXPECT_EQ(rocket.angle, 0);
    EXPECT_TRUE(rocket.IsFlying());

    const Weapon arrow(WeaponArrow, 0, 0, true);
    EXPECT_EQ(arrow.stepMotionX, 10);
    const Weapon spit(WeaponSpitFireball, 0, 0, true);
    EXPECT_EQ(spit.stepMotionX, 0);  // its speed is drawn on its first step

    EXPECT_THROW(Weapon(WeaponNone, 0, 0, true), std::out_of_range);
    EXPECT_THROW(Weapon(-1, 0, 0, true), std::out_of_range);
}

// Landing: the spit fireball and the two bombs burst; the rolling bomb rolls
// on, the mine lies, the bouncing shots bounce.
TEST(Weapon, HitOnLandingByKind) {
    struct Case {
        std::int32_t kind;
        bool hit;
        float bounce;  // vertical speed after the landing step
    };
    const Case cases[] = {
        {WeaponRollingBomb, false, 0}, {WeaponMine, false, 0},         {WeaponFireball, false, -6},
        {WeaponSpitFireball, true, -13}, {WeaponBouncingBall, false, -5}, {WeaponUfoBomb, true, 0},
        {WeaponUfoHeavyBomb, true, 0},
    };
    for (const Case& c : cases) {
        for (std::int32_t state : {StateOnGround, StateOnRisingSlope, StateRidingLift}) {
            Weapon weapon(c.kind, 0, 0, true);
            weapon.state = state;
            weapon.Update(false);
            EXPECT_EQ(weapon.IsHit(), c.hit) << c.kind << " in state " << state;
            EXPECT_FLOAT_EQ(weapon.verticalSpeed, c.bounce) << c.kind;
        }
        Weapon falling(c.kind, 0, 0, true);
        falling.state = StateAirborne;
        falling.age = 5;
        falling.Update(false);
        EXPECT_FALSE(falling.IsHit()) << c.kind << " in the air";
    }
}

TEST(Weapon, UfoBombFallsStraightDown) {
    const Weapon bomb(WeaponUfoBomb, 0, 0, false);
    EXPECT_EQ(bomb.GetMaxSpeed(), 0);
    EXPECT_EQ(bomb.stepMotionX, 0);
    EXPECT_FALSE(bomb.IsFlying());
}

TEST(Weapon, BouncesLowerWhileSlowed) {
    Weapon fireball(WeaponFireball, 0, 0, true);
    fireball.state = StateOnGround;
    fireball.Update(true);
    EXPECT_FLOAT_EQ(fireball.verticalSpeed, -6 * 0.6f);
}

TEST(Weapon, SpitFireballIsThrownAtARandomSpeedOnItsFirstStep) {
    kest::RandomEngine::global().seed(99);
    const bool facing = kest::randomInt(0, 1) != 0;
    const float speed = kest::randomFloat(0, 0.6f);

    kest::RandomEngine::global().seed(99);
    Weapon spit(WeaponSpitFireball, 0, 0, !facing);
    spit.state = StateAirborne;
    spit.Update(false);
    EXPECT_EQ(spit.facingRight, facing);
    EXPECT_EQ(spit.angle, speed);
    EXPECT_EQ(spit.GetMaxSpeed(), speed);
    EXPECT_EQ(spit.verticalSpeed, -13);

    const std::uint32_t drawn = kest::RandomEngine::global().x();
    spit.verticalSpeed = 3;
    spit.Update(false);  // later steps draw nothing and keep the speed
    EXPECT_EQ(kest::RandomEngine::global().x(), drawn);
    EXPECT_EQ(spit.angle, speed);
    EXPECT_EQ(spit.verticalSpeed, 3);
}

TEST(Weapon, SpinsAndMarksWallHits) {
    Weapon bomb(WeaponRollingBomb, 0, 0, true);
    bomb.state = StateAirborne;
    for (int i = 0; i < 3; ++i)
        bomb.Update(false);
    EXPECT_FLOAT_EQ(bomb.angle, 36);
    EXPECT_EQ(bomb.age, 3);
    bomb.HitWall();
    EXPECT_TRUE(bomb.IsHit());
}

TEST(Weapon, TextureFramesStackByHeight) {
    Weapon rocket(WeaponRocket, 0, 0, true);  // frames of 2 steps
    rocket.age = 3;
    EXPECT_EQ(rocket.GetTextureRect(), sf::IntRect(0, 17, 22, 17));
    rocket.age = 12;  // period 12: frame 0 again
    EXPECT_EQ(rocket.GetTextureRect(), sf::IntRect(0, 0, 22, 17));

    Weapon mine(WeaponMine, 0, 0, true);  // 60 steps still, then a 7-step blink
    mine.age = 60;
    EXPECT_EQ(mine.GetTextureRect(), sf::IntRect(43, 0, 30, 6));
    mine.age = 61;
    EXPECT_EQ(mine.GetTextureRect(), sf::IntRect(43, 6, 30, 6));

    Weapon bomb(WeaponRollingBomb, 0, 0, true);
    bomb.age = 40;
    EXPECT_EQ(bomb.GetTextureRect(), sf::IntRect(22, 0, 21, 21));
}

}  // namespace
