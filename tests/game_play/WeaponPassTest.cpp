// The player's weapons and the enemies' shots, one step at a time in the
// walled room: what each hits, how it explodes or bursts, and what it leaves.
#include "GamePlayFixture.h"

#include "app/ResourceIds.h"
#include "game/objects/ItemKind.h"
#include "game/objects/Weapon.h"
#include "game/world/ItemProperty.h"
#include "game/world/TileFlags.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint32_t LavaId = 198;
constexpr std::uint32_t ExplodingBlockId = 14;

class WeaponPass : public GamePlay {
public:
    void SetUp() override
    {
        Start();
        Room();
        StartPlaying();
        StandAt(300);
        Forget();
    }

    void Forget()
    {
        services.sounds.clear();
        services.effects.clear();
        services.effectVelocities.clear();
        services.popups.clear();
    }

    Weapon& Fire(std::int32_t kind, float x, float y, bool facingRight)
    {
        return TheWorld().playerWeapons.emplace_back(kind, x, y, facingRight);
    }

    Weapon& Shoot(std::int32_t kind, float x, float y, bool facingRight)
    {
        return TheWorld().enemyWeapons.emplace_back(kind, x, y, facingRight);
    }

    int CountEffect(int preset) const
    {
        return static_cast<int>(std::count(services.effects.begin(), services.effects.end(), preset));
    }

    // The mean horizontal velocity of the particles of one preset: a fifth of
    // the burst's drift, give or take the random spread.
    float MeanVelocityX(int preset) const
    {
        float sum = 0;
        int n = 0;
        for (std::size_t i = 0; i < services.effects.size(); ++i)
            if (services.effects[i] == preset) {
                sum += services.effectVelocities[i].x;
                ++n;
            }
        return n ? sum / static_cast<float>(n) : 0.f;
    }
};

}  // namespace

TEST_F(WeaponPass, PlayerWeaponsStrikeEnemiesBlocksAndLava)
{
    struct Outcome {
        bool explodes;       // the explosion bursts and its sound
        bool debris;         // burnt in lava
        float meanDriftX;    // of the explosion's particles (0.2 x its drift)
    };
    const float rowY = 36 * 8.5f;  // the middle of row 8, well above the player
    struct Case {
        const char* what;
        std::function<Weapon&(WeaponPass&)> setUp;
        std::function<void(WeaponPass&, const Weapon&)> check;
        Outcome outcome;
    } cases[] = {
        {"an enemy",
         [](WeaponPass& t) -> Weapon& {
             Enemy& enemy = t.AddEnemy(WalkerKind(false), 500);
             return t.Fire(WeaponRocket, enemy.x - 6, enemy.y, true);
         },
         [](WeaponPass& t, const Weapon&) {
             const Enemy& enemy = t.TheWorld().enemies.back();
             EXPECT_EQ(enemy.deathMode, Enemy::DeathKilled);
             EXPECT_EQ(enemy.counter, 1);
             // Knocked away from the rocket, which has flown on past its centre.
             EXPECT_LT(enemy.horizontalSpeed, 0);
             EXPECT_LT(enemy.verticalSpeed, 0);
             EXPECT_EQ(t.services.popups, std::vector<std::string>{std::to_string(enemy.GetType().value)});
         },
         {true, false, 0}},
        {"a wall, facing right",
         [&](WeaponPass& t) -> Weapon& { return t.Fire(WeaponRocket, 36 * 23 - 12, rowY, true); },
         [](WeaponPass&, const Weapon&) {},
         {true, false, -2}},
        {"a wall, facing left",
         [&](WeaponPass& t) -> Weapon& { return t.Fire(WeaponRocket, 36 + 12, rowY, false); },
         [](WeaponPass&, const Weapon&) {},
         {true, false, 2}},
        {"lava",
         [&](WeaponPass& t) -> Weapon& {
             t.SetTile(10, 8, LavaId);
             return t.Fire(WeaponRollingBomb, 36 * 10.5f, rowY, true);
         },
         [](WeaponPass& t, const Weapon&) { EXPECT_EQ(t.CountEffect(12), 0); },
         {false, true, 0}},
        {"an item block",
         [&](WeaponPass& t) -> Weapon& {
             t.SetTile(10, 8, 1);
             t.TileAt(10, 8).GetItemProperty().item = ItemHeart;
             return t.Fire(WeaponRocket, 36 * 10 - 14, rowY, true);
         },
         [](WeaponPass& t, const Weapon&) {
             EXPECT_EQ(t.TileAt(10, 8).id, 0u);
             ASSERT_EQ(t.TheWorld().items.size(), 1u);
             EXPECT_EQ(t.TheWorld().items.front().kind, ItemHeart);
             EXPECT_EQ(t.services.CountSound(SoundBlock), 1);
         },
         {true, false, 0}},
        {"two item blocks at once",
         [&](WeaponPass& t) -> Weapon& {
             // One above the other: the rocket flies along the line between them.
             t.SetTile(10, 7, 1);
             t.SetTile(10, 8, 2);
             t.TileAt(10, 7).GetItemProperty().item = ItemThreeMines;
             return t.Fire(WeaponRocket, 36 * 10 - 14, 36 * 8, true);
         },
         [](WeaponPass& t, const Weapon&) {
             EXPECT_EQ(t.TileAt(10, 7).id, 0u);
             EXPECT_FALSE(IsTileSolid(t.TileAt(10, 8)));  // the power-up block is used
             ASSERT_EQ(t.TheWorld().items.size(), 2u);
             EXPECT_EQ(t.TheWorld().items.front().kind, ItemThreeMines);
             EXPECT_EQ(t.TheWorld().items.back().kind, ItemInvulnerability);
             EXPECT_EQ(t.services.CountSound(SoundBlock), 2);
         },
         {true, false, 0}},
        {"an exploding block",
         [&](WeaponPass& t) -> Weapon& {
             t.SetTile(10, 8, ExplodingBlockId);
             return t.Fire(WeaponRollingBomb, 36 * 10.5f, rowY, true);
         },
         [](WeaponPass& t, const Weapon&) { EXPECT_EQ(t.TileAt(10, 8).id, 0u); },
         {true, false, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Room();
        TheWorld().enemies.clear();
        TheWorld().items.clear();
        TheWorld().playerWeapons.clear();
        StandAt(300);
        Forget();
        const Weapon& weapon = c.setUp(*this);
        game->UpdatePlayerWeapons();
        EXPECT_TRUE(weapon.hit);
        c.check(*this, weapon);
        EXPECT_EQ(services.CountSound(SoundExplosion), c.outcome.explodes ? 1 : 0);
        EXPECT_EQ(CountEffect(12), c.outcome.explodes ? 100 : 0);
        EXPECT_EQ(CountEffect(21), c.outcome.explodes ? 15 : 0);
        EXPECT_EQ(CountEffect(28) > 0, c.outcome.debris);
        if (c.outcome.explodes) {
            EXPECT_NEAR(MeanVelocityX(12), c.outcome.meanDriftX, 0.6f);
        }
        // A hit weapon is gone at the end of the step.
        game->RemoveDeadObjects();
        EXPECT_TRUE(TheWorld().playerWeapons.empty());
    }
}

TEST_F(WeaponPass, AMineExplodesUpwardsAndAFreeWeaponFliesOn)
{
    Weapon& mine = Fire(WeaponMine, 36 * 10.5f, FloorY - 3, true);
    mine.hit = true;  // as its own update marks it when something steps on it
    Weapon& rocket = Fire(WeaponRocket, 36 * 12.5f, 36 * 5.5f, true);
    const float x = rocket.x;
    game->UpdatePlayerWeapons();
    EXPECT_EQ(services.CountSound(SoundExplosion), 1);
    EXPECT_NEAR(MeanVelocityX(12), 0, 0.6f);
    // Drift (0, -12): the particles rise.
    float meanY = 0;
    for (std::size_t i = 0; i < services.effects.size(); ++i)
        if (services.effects[i] == 12)
            meanY += services.effectVelocities[i].y / 100;
    EXPECT_NEAR(meanY, -2.4f, 0.6f);
    EXPECT_FALSE(rocket.hit);
    EXPECT_NEAR(rocket.x - x, rocket.GetMaxSpeed(), 1);
}

TEST_F(WeaponPass, EnemyShotsHurtThePlayerAndBurstByKind)
{
    Player& player = ThePlayer();
    struct Case {
        std::int32_t kind;
        int burst;  // the preset of its burst; -1 for none
    } cases[] = {{WeaponArrow, -1}, {WeaponFireball, -1}, {WeaponDarkball, 23}, {WeaponBouncingBall, 24},
                 {WeaponUfoBomb, 25}, {WeaponUfoHeavyBomb, 26}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TheWorld().enemyWeapons.clear();
        StandAt(300);
        player.stats.hearts = 3;
        Forget();
        Weapon& shot = Shoot(c.kind, player.x, player.y, false);
        game->UpdateEnemyWeapons();
        EXPECT_TRUE(shot.hit);
        EXPECT_EQ(player.stats.hearts, 2);
        EXPECT_EQ(services.CountSound(SoundHurt), 1);
        if (c.burst < 0) {
            EXPECT_TRUE(services.effects.empty());
        } else {
            EXPECT_EQ(CountEffect(c.burst), 20);
        }
    }

    // A protected player stops the shot unharmed; a dying or warping one lets
    // it pass.
    struct Guard {
        std::int32_t hurtTimer, warpCounter;
        bool stopped;
    } guards[] = {{-50, 0, true}, {5, 0, false}, {0, 10, false}};
    for (const Guard& g : guards) {
        TheWorld().enemyWeapons.clear();
        StandAt(300);
        player.stats.hearts = 3;
        player.hurtTimer = g.hurtTimer;
        player.warpCounter = g.warpCounter;
        Weapon& shot = Shoot(WeaponArrow, player.x, player.y, false);
        game->UpdateEnemyWeapons();
        EXPECT_EQ(shot.hit, g.stopped) << g.hurtTimer << " " << g.warpCounter;
        EXPECT_EQ(player.stats.hearts, 3) << g.hurtTimer << " " << g.warpCounter;
    }
    player.warpCounter = 0;
}

TEST_F(WeaponPass, AnEnemyShotFallingIntoLavaBurns)
{
    SetTile(10, 8, LavaId);
    Weapon& bomb = Shoot(WeaponUfoBomb, 36 * 10.5f, 36 * 8.5f, true);
    bomb.verticalSpeed = 2;
    game->UpdateEnemyWeapons();
    EXPECT_TRUE(bomb.hit);
    EXPECT_GT(CountEffect(28), 0);
    EXPECT_EQ(ThePlayer().stats.hearts, 3);
}
