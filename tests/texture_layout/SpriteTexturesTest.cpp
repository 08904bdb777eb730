// The sprites: every rect that the player, the enemies, lifts, weapons, items
// and scenery give for any frame of their animations, the marks that the
// renderer draws over the player, and every rect that the widgets, the
// head-up display and the menus cut from the menu texture.

#include "BuiltTextures.h"

#include "app/PlayerStats.h"
#include "game/objects/Animation.h"
#include "game/objects/AnimationTables.h"
#include "game/objects/Enemy.h"
#include "game/objects/EnemyTypeTable.h"
#include "game/objects/Item.h"
#include "game/objects/ItemKind.h"
#include "game/objects/Lift.h"
#include "game/objects/LiftTypeTable.h"
#include "game/objects/MoveState.h"
#include "game/objects/Player.h"
#include "game/objects/Scenery.h"
#include "game/objects/SceneryTypeTable.h"
#include "game/objects/Weapon.h"
#include "game/objects/WeaponTypeTable.h"
#include "game/render/GraphicsContext.h"
#include "game/render/Hud.h"
#include "sfxt/ButtonStyle.h"
#include "sfxt/TextButtonStyle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>
#include <string>

namespace {

using layouttest::NamedRect;
using layouttest::RectWalk;

std::string Text(std::int64_t value)
{
    return std::to_string(value);
}

// How the player stands, and which counter drives the pose's frames.
struct PlayerSituation {
    const char* name;
    PlayerPose pose;
    void (*set)(Player& player, std::uint32_t ticks);
};

const PlayerSituation PlayerSituations[] = {
    {"running", PoseRunning,
     [](Player& p, std::uint32_t ticks) {
         p.state = StateOnGround;
         p.stepMotionX = 1;
         p.motionCounter = static_cast<std::int32_t>(ticks);
     }},
    {"standing", PoseStanding,
     [](Player& p, std::uint32_t ticks) {
         p.state = StateOnGround;
         p.stepMotionX = 0;
         p.hurtTimer = 0;
         p.idleCounter = static_cast<std::int32_t>(ticks);
     }},
    {"rising", PoseRising,
     [](Player& p, std::uint32_t) {
         p.state = StateAirborne;
         p.verticalSpeed = -1;
     }},
    // The falling frame follows the speed: walk it in quarter pixels.
    {"falling", PoseFalling,
     [](Player& p, std::uint32_t ticks) {
         p.state = StateAirborne;
         p.verticalSpeed = 0.25f * static_cast<float>(ticks);
     }},
    {"climbing", PoseClimbing,
     [](Player& p, std::uint32_t ticks) {
         p.state = StateClimbing;
         p.motionCounter = static_cast<std::int32_t>(ticks);
     }},
    {"dying", PoseDying,
     [](Player& p, std::uint32_t ticks) { p.hurtTimer = static_cast<std::int32_t>(ticks) + 1; }},
};

TEST(TextureLayout, PlayerHoldsEveryPoseFrameOverlayAndFlame)
{
    RectWalk player(TexturePlayer);
    for (const PlayerSituation& situation : PlayerSituations) {
        Player body{PlayerStats()};
        const std::uint32_t period = PlayerAnimations[situation.pose].GetPeriod();
        for (std::uint32_t ticks = 0; ticks < period; ++ticks) {
            situation.set(body, ticks);
            player.Add(body.GetTextureRect(),
                       std::string("Player::GetTextureRect ") + situation.name + ", ticks " + Text(ticks));
        }
    }
    // Drawn over the body.
    player.Add(HurtMarkRect, "HurtMarkRect");
    for (std::uint32_t mode = PlayerStats::Invulnerability; mode <= PlayerStats::Jetpack; ++mode)
        player.Add(PowerUpOverlayRects[mode], "PowerUpOverlayRects " + Text(mode));
    for (bool facingRight : {true, false}) {
        Player body{PlayerStats()};
        body.facingRight = facingRight;
        for (std::uint32_t counter = 0; counter < FlameAnimation.GetPeriod(); ++counter)
            player.Add(body.GetFlameRect(counter), std::string("Player::GetFlameRect facing ") +
                                                       (facingRight ? "right" : "left") + ", counter " +
                                                       Text(counter));
    }
    player.ExpectAllInsideAndPainted();
}

TEST(TextureLayout, ObjectHoldsEveryEnemyFrameAndEveryLift)
{
    RectWalk objects(TextureObject);
    for (std::int32_t kind = 0; kind < EnemyTypeTable::Size; ++kind) {
        const std::string name = "EnemyTypeTable kind " + Text(kind);
        Enemy enemy(kind, 100, 100, true);
        const std::uint32_t period = EnemyAnimations[static_cast<std::size_t>(kind)].GetPeriod();
        for (bool airborne : {false, true}) {
            enemy.state = airborne ? StateAirborne : StateOnGround;
            for (std::uint32_t ticks = 0; ticks < period; ++ticks) {
                enemy.animationCounter = static_cast<std::int32_t>(2 * ticks);
                objects.Add(enemy.GetTextureRect(),
                            name + (airborne ? ", airborne" : ", on the ground") + ", ticks " + Text(ticks));
            }
        }
        // Drawn while dying, until the death is over and the enemy removed.
        enemy.state = StateOnGround;
        enemy.animationCounter = 0;
        for (enemy.counter = 1; !enemy.IsDeathOver(); ++enemy.counter)
            objects.Add(enemy.GetTextureRect(), name + ", dying, counter " + Text(enemy.counter));
    }
    for (std::int32_t kind = 0; kind < LiftTypeTable::Size; ++kind)
        objects.Add(Lift(kind, 100, 100).GetTextureRect(), "LiftTypeTable kind " + Text(kind));
    objects.ExpectAllInsideAndPainted();
}

TEST(TextureLayout, ItemHoldsEveryWeaponFrameAndEveryItemButTheCoin)
{
    RectWalk items(TextureItem);
    for (std::int32_t kind = 0; kind < WeaponTypeTable::Size; ++kind) {
        Weapon weapon(kind, 100, 100, true);
        const std::uint32_t period = WeaponAnimations[static_cast<std::size_t>(kind)].GetPeriod();
        for (weapon.age = 0; weapon.age < static_cast<std::int32_t>(period); ++weapon.age)
            items.Add(weapon.GetTextureRect(), "WeaponTypeTable kind " + Text(kind) + ", age " + Text(weapon.age));
    }
    // The coin (kind 0) lies in the special tiles, checked with them.
    for (std::int32_t kind = ItemCoin + 1; kind < ItemKindCount; ++kind) {
        Item item(kind, false, 100, 100);
        for (item.age = 0; item.age <= Item::ExpiryAge; ++item.age)
            items.Add(item.GetTextureRect(), "Item::GetTextureRect kind " + Text(kind) + ", age " + Text(item.age));
    }
    items.ExpectAllInsideAndPainted();
}

TEST(TextureLayout, SceneryHoldsEveryFrameOfEveryKind)
{
    RectWalk scenery(TextureScenery);
    for (std::int32_t kind = 0; kind < SceneryTypeTable::Size; ++kind) {
        Scenery piece(kind, 100, 100, true);
        // Ticks are the counter / 2: two whole periods of counter.
        const std::uint32_t period = SceneryAnimations[static_cast<std::size_t>(kind)].GetPeriod();
        for (piece.counter = 0; piece.counter < 2 * period; ++piece.counter)
            scenery.Add(piece.GetTextureRect(),
                        "SceneryTypeTable kind " + Text(kind) + ", counter " + Text(piece.counter));
    }
    scenery.ExpectAllInsideAndPainted();
}

// Where the pictures of two kinds overlap without one holding the other, a
// pixel painted for one shows as a stray fragment in the other: the shared
// pixels stay empty.
TEST(TextureLayout, SceneryKindsShareNoPaintedPixels)
{
    const layouttest::BuiltTexture& texture = layouttest::GetBuiltTexture(TextureScenery);
    ASSERT_TRUE(texture.loaded) << texture.error;
    std::vector<std::pair<sf::IntRect, std::int32_t>> frames;
    for (std::int32_t kind = 0; kind < SceneryTypeTable::Size; ++kind) {
        Scenery piece(kind, 100, 100, true);
        const std::uint32_t period = SceneryAnimations[static_cast<std::size_t>(kind)].GetPeriod();
        for (piece.counter = 0; piece.counter < 2 * period; ++piece.counter)
            if (std::find(frames.begin(), frames.end(), std::make_pair(piece.GetTextureRect(), kind)) == frames.end())
                frames.emplace_back(piece.GetTextureRect(), kind);
    }
    for (std::size_t i = 0; i < frames.size(); ++i)
        for (std::size_t j = i + 1; j < frames.size(); ++j) {
            const sf::IntRect& a = frames[i].first;
            const sf::IntRect& b = frames[j].first;
            sf::IntRect shared;
            if (frames[i].second == frames[j].second || !a.intersects(b, shared) || shared == a || shared == b)
                continue;
            int painted = 0;
            for (int y = shared.top; y < shared.top + shared.height; ++y)
                for (int x = shared.left; x < shared.left + shared.width; ++x)
                    painted += texture.image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a != 0;
            EXPECT_EQ(painted, 0) << "kinds " << frames[i].second << " and " << frames[j].second << " share "
                                  << layouttest::Describe(shared);
        }
}

// What the screens cut from the menu texture besides the button styles.
const NamedRect MenuPictures[] = {
    {"loading bar", {125, 80, 200, 24}},
    {"title frame", {0, 538, 335, 78}},
};

TEST(TextureLayout, MenuHoldsEveryButtonPlatePanelAndTheTitleFrame)
{
    RectWalk menu(TextureMenu);
    for (TextButtonStyle style = 0; style < TextButtonStyleCount; ++style)
        menu.Add(GetTextButtonRect(style), "GetTextButtonRect style " + Text(style));
    for (ButtonStyle style = 0; style < ButtonStyleCount; ++style)
        menu.Add(GetButtonRect(style), "GetButtonRect style " + Text(style));
    for (std::size_t slot = 0; slot < Hud::SlotCount; ++slot)
        menu.Add(Hud::IconRects[slot], "Hud::IconRects " + Text(static_cast<std::int64_t>(slot)));
    menu.Add(Hud::PanelRect, "Hud::PanelRect");
    menu.Add(Hud::HeartsPanelRect, "Hud::HeartsPanelRect");
    menu.Add(Hud::HeartRect, "Hud::HeartRect");
    for (const NamedRect& picture : MenuPictures)
        menu.Add(picture.rect, picture.name);
    menu.ExpectAllInsideAndPainted();
}

// The two coin counters of the head-up display stand one above the other:
// their icons must tell them apart at a glance, by shape, not only by detail.
// Of the pixels that either icon covers, at least a third are covered by one
// of them alone.
TEST(TextureLayout, HudCoinCountersHaveIconsOfUnlikeShape)
{
    const layouttest::BuiltTexture& texture = layouttest::GetBuiltTexture(TextureMenu);
    ASSERT_TRUE(texture.loaded) << texture.error;
    const sf::IntRect coins = Hud::IconRects[0];
    const sf::IntRect total = Hud::IconRects[2];
    auto covered = [&](const sf::IntRect& icon, int x, int y) {
        return texture.image.getPixel(static_cast<unsigned>(icon.left + x), static_cast<unsigned>(icon.top + y)).a >= 128;
    };
    int either = 0, one = 0;
    for (int y = 0; y < coins.height; ++y)
        for (int x = 0; x < coins.width; ++x) {
            const bool a = covered(coins, x, y);
            const bool b = covered(total, x, y);
            either += a || b;
            one += a != b;
        }
    EXPECT_GE(3 * one, either) << one << " of " << either << " pixels differ";
}

}  // namespace
