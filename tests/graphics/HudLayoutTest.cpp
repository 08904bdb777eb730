// Where the head-up display lays out its plates for a player's stats. No
// window is needed: the drawing places each plate where this layout says.
#include "app/PlayerStats.h"
#include "game/render/Hud.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Expected {
    std::size_t slot;
    std::uint32_t value;
    sf::FloatRect box;
};

void ExpectPlates(const PlayerStats& stats, float windowWidth, const std::vector<Expected>& expected)
{
    const std::vector<Hud::Plate> plates = Hud::Plates(stats, windowWidth);
    ASSERT_EQ(plates.size(), expected.size());
    for (std::size_t i = 0; i < plates.size(); ++i) {
        EXPECT_EQ(plates[i].slot, expected[i].slot) << "plate " << i;
        EXPECT_EQ(plates[i].value, expected[i].value) << "plate " << i;
        EXPECT_EQ(plates[i].box, expected[i].box) << "plate " << i;
    }
}

TEST(HudLayout, LeftCountersThenTheHeartsThenOnlyTheRightCountersInUse)
{
    PlayerStats stats;
    stats.totalCoins = 1234;
    stats.lives = 5;
    stats.coins = 17;
    stats.hearts = 2;
    const std::vector<Expected> always = {
        {Hud::SlotTotal, 1234, {10, 10, 106, 39}},
        {Hud::SlotLives, 5, {10, 60, 106, 39}},
        {Hud::SlotCoins, 17, {10, 110, 106, 39}},
        {Hud::SlotHeart, 2, {908, 10, 106, 39}},
    };
    ExpectPlates(stats, 1024, always);

    // Without rockets the rolling bombs take the first place on the right,
    // and the power-up's seconds come next, with no gap between them.
    stats.ammunition = {0, 2, 0};
    stats.powerUpMode = PlayerStats::TimeDistortion;
    stats.powerUpCountdown = 1200;
    std::vector<Expected> more = always;
    more.push_back({Hud::SlotRockets + 1, 2, {908, 60, 106, 39}});
    more.push_back({Hud::SlotPowerUp + 2, 31, {908, 110, 106, 39}});
    ExpectPlates(stats, 1024, more);

    // All three kinds of ammunition and the jetpack.
    stats.ammunition = {4, 1, 3};
    stats.powerUpMode = PlayerStats::Jetpack;
    stats.powerUpCountdown = 1;
    more = always;
    more.push_back({Hud::SlotRockets, 4, {908, 60, 106, 39}});
    more.push_back({Hud::SlotRockets + 1, 1, {908, 110, 106, 39}});
    more.push_back({Hud::SlotRockets + 2, 3, {908, 160, 106, 39}});
    more.push_back({Hud::SlotPowerUp + 3, 1, {908, 210, 106, 39}});
    ExpectPlates(stats, 1024, more);
}

TEST(HudLayout, TheRightSideKeepsToTheWindowsRightEdge)
{
    PlayerStats stats;
    stats.ammunition = {1, 0, 0};
    for (const float width : {800.f, 1024.f, 1280.5f}) {
        const std::vector<Hud::Plate> plates = Hud::Plates(stats, width);
        ASSERT_EQ(plates.size(), 5u) << width;
        for (std::size_t i = 3; i < plates.size(); ++i) {
            EXPECT_FALSE(plates[i].left) << width;
            // Ten pixels from the edge, on a whole pixel.
            EXPECT_LE(plates[i].box.left + plates[i].box.width, width - 10) << width;
            EXPECT_GT(plates[i].box.left + plates[i].box.width, width - 11) << width;
            EXPECT_EQ(plates[i].box.left, static_cast<float>(static_cast<int>(plates[i].box.left))) << width;
        }
        // A right counter's panel is mirrored from its anchor, the right edge.
        EXPECT_EQ(plates[4].anchor.x, plates[4].box.left + plates[4].box.width) << width;
    }
}

}  // namespace
