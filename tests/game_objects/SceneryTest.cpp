#include "game/objects/AnimationTables.h"
#include "game/objects/Scenery.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace {

TEST(Scenery, IsPlacedStillAtItsCentre) {
    const Scenery tree(0, 100, 200, false);
    EXPECT_EQ(tree.GetPosition(), sf::Vector2f(100, 200));
    EXPECT_EQ(tree.GetSize(), sf::Vector2f(32, 106));
    EXPECT_EQ(tree.GetTextureRect(), sf::IntRect(0, 0, 32, 106));
    EXPECT_EQ(tree.GetAlpha(), 255);
    EXPECT_FALSE(tree.facingRight);
    EXPECT_EQ(tree.counter, 0u);
    EXPECT_THROW(Scenery(43, 0, 0, true), std::out_of_range);
    EXPECT_THROW(Scenery(-1, 0, 0, true), std::out_of_range);
}

TEST(Scenery, AnimatedKindsStepAcrossOrDown) {
    struct Case {
        std::int32_t kind;
        std::uint32_t counter;
        sf::IntRect rect;
    };
    const Case cases[] = {
        {5, 0, {0, 182, 29, 21}},       // 40, 8, 8, 8 ping-pong across
        {5, 80, {0, 182, 29, 21}},      // ticks 40: still frame 0
        {5, 82, {29, 182, 29, 21}},     // ticks 41: frame 1
        {5, 120, {87, 182, 29, 21}},    // ticks 60: frame 3
        {19, 2 * 9, {134 + 2 * 22, 173, 22, 52}},  // 4, 4, 4, 4, 4 looped: ticks 9 frame 2
        {4, 2 * 15, {98, 2 * 11, 27, 11}},         // 7, 7, 7, 7 ping-pong down: ticks 15 frame 2
        {23, 2 * 22, {330, 54 + 3 * 35, 71, 35}},  // ticks 22: frame 3
        {9, 500, {57, 88, 58, 39}},     // swinging: one still picture
        {0, 500, {0, 0, 32, 106}},
    };
    for (const Case& c : cases) {
        Scenery scenery(c.kind, 0, 0, true);
        scenery.counter = c.counter;
        EXPECT_EQ(scenery.GetTextureRect(), c.rect) << c.kind << " at " << c.counter;
        EXPECT_EQ(scenery.GetSize(), sf::Vector2f(static_cast<float>(c.rect.width), static_cast<float>(c.rect.height)));
    }
}

TEST(Scenery, SwingsAlongYInFrontFartherThanBehind) {
    Scenery front(9, 100, 200, true);
    Scenery back(9, 100, 200, true);
    for (int i = 0; i < 125; ++i) {  // counter 250: a quarter of a swing
        front.Update(false, Scenery::ForegroundSwing);
        back.Update(false, Scenery::BackgroundSwing);
    }
    EXPECT_EQ(front.counter, 250u);
    EXPECT_NEAR(front.offsetY, 100, 1e-3);
    EXPECT_NEAR(back.offsetY, 50, 1e-3);
    EXPECT_EQ(front.offsetX, 0);
    EXPECT_NEAR(front.GetPosition().y, 300, 1e-3);

    for (int i = 0; i < 125; ++i)  // counter 500: back through the middle
        front.Update(false, Scenery::ForegroundSwing);
    EXPECT_NEAR(front.offsetY, 0, 1e-3);
    for (int i = 0; i < 250; ++i)  // slowed: 250 more half-steps, to the far side
        front.Update(true, Scenery::ForegroundSwing);
    EXPECT_EQ(front.counter, 750u);
    EXPECT_NEAR(front.offsetY, -100, 1e-3);
    EXPECT_EQ(front.GetTextureRect(), sf::IntRect(57, 88, 58, 39));
}

TEST(Scenery, StillAndAnimatedKindsDoNotSwing) {
    Scenery torch(5, 10, 20, true);
    for (int i = 0; i < 125; ++i)
        torch.Update(true, Scenery::ForegroundSwing);
    EXPECT_EQ(torch.counter, 125u);
    EXPECT_EQ(torch.GetPosition(), sf::Vector2f(10, 20));
}

}  // namespace
