#include "game/objects/Item.h"
#include "kest/RandomEngine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace {

TEST(Item, FadesFromAge450AndExpiresAt550) {
    struct Case {
        std::int32_t age;
        int alpha;
    };
    const Case cases[] = {{0, 255}, {449, 255}, {450, 255}, {451, 252}, {500, 127}, {549, 2}, {550, 0}};
    Item item(ItemRocket, false, 0, 0);
    for (const Case& c : cases) {
        item.age = c.age;
        EXPECT_EQ(item.GetAlpha(), c.alpha) << c.age;
    }

    Item aging(ItemMine, false, 0, 0);
    for (int step = 1; step < 550; ++step)
        aging.Update(false);
    EXPECT_EQ(aging.age, 549);
    EXPECT_FALSE(aging.IsExpired());
    aging.Update(false);
    EXPECT_TRUE(aging.IsExpired());
    aging.Update(false);  // not removed yet: stays expired and invisible
    EXPECT_EQ(aging.GetAlpha(), 0);
}

TEST(Item, BouncesLowerWithAgeAndStopsFromAge153) {
    Item coin(ItemCoin, false, 0, 0);
    coin.age = 152;
    EXPECT_NEAR(coin.GetJumpStrength(), 564.0f / 550, 1e-6);
    coin.age = 153;
    EXPECT_EQ(coin.GetJumpStrength(), 0);
    coin.age = 0;
    EXPECT_FLOAT_EQ(coin.GetJumpStrength(), 6);
    EXPECT_EQ(Item(ItemLife, false, 0, 0).GetJumpStrength(), 0);
    EXPECT_EQ(Item(ItemHeart, false, 0, 0).GetJumpStrength(), 4);

    // Update bounces on every landing.
    Item bomb(ItemRollingBomb, false, 0, 0);
    bomb.state = StateOnGround;
    bomb.Update(false);
    EXPECT_EQ(bomb.state, StateAirborne);
    EXPECT_FLOAT_EQ(bomb.verticalSpeed, -(550.0f - 3) * 6 / 550);
    bomb.verticalSpeed = 2;
    bomb.Update(false);  // airborne: no bounce
    EXPECT_FLOAT_EQ(bomb.verticalSpeed, 2);
}

TEST(Item, CoinStartsFromTheRandomEngine) {
    for (std::uint32_t seed : {1u, 77u, 123456u}) {
        kest::RandomEngine::global().seed(seed);
        const bool facing = kest::randomInt(0, 1) != 0;
        const float speed = kest::randomFloat(0, 4);
        const float rise = kest::randomFloat(-9, -4);

        for (bool slowed : {false, true}) {
            kest::RandomEngine::global().seed(seed);
            const Item coin(ItemCoin, slowed, 10, 20);
            EXPECT_EQ(coin.facingRight, facing) << seed;
            EXPECT_EQ(coin.maxSpeed, speed) << seed;
            EXPECT_FLOAT_EQ(coin.verticalSpeed, slowed ? rise * 0.6f : rise) << seed;
            EXPECT_GE(coin.maxSpeed, 0);
            EXPECT_LE(coin.maxSpeed, 4);
        }
    }
}

TEST(Item, OtherKindsStartByKind) {
    kest::RandomEngine::global().seed(5);
    const bool facing = kest::randomInt(0, 1) != 0;
    kest::RandomEngine::global().seed(5);
    const Item heart(ItemHeart, true, 0, 0);
    EXPECT_EQ(heart.facingRight, facing);
    EXPECT_EQ(heart.maxSpeed, 2);
    EXPECT_FLOAT_EQ(heart.verticalSpeed, -6 * 0.6f);

    kest::RandomEngine::global().seed(5);
    const Item suit(ItemJetpack, false, 30, 40);
    EXPECT_EQ(kest::RandomEngine::global().x(), 5u);  // drew nothing
    EXPECT_TRUE(suit.facingRight);
    EXPECT_EQ(suit.maxSpeed, 0);
    EXPECT_EQ(suit.verticalSpeed, -6);
    EXPECT_EQ(suit.GetSize(), sf::Vector2f(25, 25));
    EXPECT_EQ(suit.GetPosition(), sf::Vector2f(30, 40));
    EXPECT_EQ(suit.state, StateOnGround);
    EXPECT_FALSE(suit.IsExpired());

    EXPECT_THROW(Item(12, false, 0, 0), std::out_of_range);
    EXPECT_THROW(Item(-1, false, 0, 0), std::out_of_range);
}

TEST(Item, CoinSlidesOnlyAtFirstAndSlowsDown) {
    Item coin(ItemCoin, false, 0, 0);
    coin.maxSpeed = 3;
    EXPECT_FLOAT_EQ(coin.GetAcceleration(), 3);
    coin.age = 2;
    EXPECT_EQ(coin.GetAcceleration(), 0);
    EXPECT_FLOAT_EQ(coin.GetFriction(), 0.99f);
    EXPECT_FLOAT_EQ(coin.GetStopThreshold(), 0.1f);

    Item life(ItemLife, false, 0, 0);
    life.age = 100;
    EXPECT_FLOAT_EQ(life.GetAcceleration(), 2);
    EXPECT_FLOAT_EQ(life.GetFriction(), 1.0f);
    EXPECT_FALSE(life.IsFlying());
    const bool facing = life.facingRight;
    life.HitWall();
    EXPECT_EQ(life.facingRight, !facing);
}

TEST(Item, TextureRects) {
    Item coin(ItemCoin, false, 0, 0);
    EXPECT_EQ(coin.GetTextureRect(), sf::IntRect(401, 6, 25, 25));
    coin.age = 5;
    EXPECT_EQ(coin.GetTextureRect(), sf::IntRect(401, 6 + 36 * 2, 25, 25));
    coin.age = 26;  // 13 frames of 2 steps: round again
    EXPECT_EQ(coin.GetTextureRect(), sf::IntRect(401, 6, 25, 25));
    coin.age = 25;
    EXPECT_EQ(coin.GetTextureRect(), sf::IntRect(401, 6 + 36 * 12, 25, 25));

    EXPECT_EQ(Item(ItemLife, false, 0, 0).GetTextureRect(), sf::IntRect(25, 102, 25, 25));
    EXPECT_EQ(Item(ItemMine, false, 0, 0).GetTextureRect(), sf::IntRect(125, 102, 25, 25));
    EXPECT_EQ(Item(ItemThreeRockets, false, 0, 0).GetTextureRect(), sf::IntRect(0, 128, 25, 25));
    EXPECT_EQ(Item(ItemJetpack, false, 0, 0).GetTextureRect(), sf::IntRect(125, 128, 25, 25));
}

}  // namespace
