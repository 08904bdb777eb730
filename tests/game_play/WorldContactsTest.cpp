#include "GamePlayFixture.h"

#include "app/ResourceIds.h"
#include "game/world/FrameProperty.h"
#include "game/objects/ItemKind.h"
#include "game/world/ItemProperty.h"
#include "game/world/TargetProperty.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"
#include "game/world/TextProperty.h"

#include <algorithm>
#include <array>
#include <string>

class Contacts : public GamePlay {
protected:
    void SetUp() override
    {
        Start();
        Room();
        StartPlaying();
        StandAt(300);
        services.sounds.clear();
    }

    bool Popped(const std::string& text) const
    {
        return std::find(services.popups.begin(), services.popups.end(), text) != services.popups.end();
    }
};

TEST_F(Contacts, TriggerTileWakesLinkedEnemiesOnce)
{
    Tilemap& map = TheWorld().tilemap;
    Enemy& sleeper = TheWorld().enemies.emplace_back(WalkerKind(false), 600.f, 400.f, true);
    Enemy& faller = TheWorld().enemies.emplace_back(11, 650.f, 200.f, true);
    map.LinkEnemy(10, 11, &sleeper);
    map.LinkEnemy(12, 11, &sleeper);
    map.LinkEnemy(10, 11, &faller);
    ASSERT_EQ(sleeper.counter, Enemy::AsleepCounter);
    ASSERT_EQ(faller.counter, Enemy::HangingCounter);

    game->TriggerTile(10, 11);
    EXPECT_EQ(sleeper.counter, Enemy::WakingCounter);
    EXPECT_EQ(faller.counter, 0);
    EXPECT_TRUE(map.GetLinks().empty());  // the other tile's link is gone too

    // A sleeping enemy is left alone by the update; a waking one counts up.
    Enemy& other = TheWorld().enemies.emplace_back(WalkerKind(false), 700.f, 400.f, true);
    game->UpdateEnemies();
    EXPECT_EQ(other.counter, Enemy::AsleepCounter);
    EXPECT_EQ(sleeper.counter, Enemy::WakingCounter + 1);
}

TEST_F(Contacts, StompDefeatsAndBouncesOnce)
{
    Player& player = ThePlayer();
    Enemy& a = AddEnemy(WalkerKind(false), 300);
    Enemy& b = AddEnemy(WalkerKind(false), 305);
    player.y = a.Top() + 2 - player.height / 2;
    player.verticalSpeed = 5;
    player.state = StateAirborne;
    const std::uint32_t total = player.stats.totalCoins;
    game->UpdateEnemies();
    EXPECT_EQ(a.deathMode, Enemy::DeathStomped);
    EXPECT_EQ(a.counter, 1);
    EXPECT_EQ(b.counter, 1);
    EXPECT_EQ(services.CountSound(SoundEnemy), 2);
    EXPECT_EQ(services.popups.size(), 2u);
    EXPECT_EQ(player.stats.totalCoins, total + 2u * a.GetType().value);
    EXPECT_FLOAT_EQ(player.verticalSpeed, -3);  // one small bounce without the jump key
    EXPECT_FALSE(player.rising);
    EXPECT_EQ(player.stats.hearts, 3);
}

TEST_F(Contacts, StompProofEnemiesHurtUnlessInvulnerable)
{
    Player& player = ThePlayer();
    Enemy& enemy = AddEnemy(WalkerKind(true), 300);
    player.y = enemy.Top() + 2 - player.height / 2;
    player.verticalSpeed = 5;
    player.state = StateAirborne;
    game->UpdateEnemies();
    EXPECT_TRUE(enemy.IsAlive());
    EXPECT_EQ(player.stats.hearts, 2);
    EXPECT_EQ(player.hurtTimer, -100);
    EXPECT_EQ(services.CountSound(SoundHurt), 1);

    player.hurtTimer = 0;
    player.stats.powerUpMode = PlayerStats::Invulnerability;
    player.y = enemy.Top() + 2 - player.height / 2;
    player.verticalSpeed = 5;
    game->UpdateEnemies();
    EXPECT_EQ(enemy.deathMode, Enemy::DeathKilled);
    EXPECT_EQ(enemy.counter, 1);
    EXPECT_EQ(player.stats.hearts, 2);
}

TEST_F(Contacts, DamageTable)
{
    Player& player = ThePlayer();
    struct Case {
        std::uint16_t hearts;
        std::uint32_t mode;
        std::int32_t timer;
        std::uint16_t heartsAfter;
        std::int32_t timerAfter;
        int sound;  // -1 none
    };
    const Case cases[] = {
        {3, 0, 0, 2, -100, SoundHurt},
        {1, 0, 0, 0, 1, SoundDie},
        {2, 0, -5, 2, -5, -1},                          // protected
        {2, PlayerStats::Invulnerability, 0, 2, 0, -1},  // invulnerable
        {2, 0, 20, 2, 20, -1},                           // already dying
    };
    for (const Case& c : cases) {
        player.stats.hearts = c.hearts;
        player.stats.powerUpMode = c.mode;
        player.hurtTimer = c.timer;
        services.sounds.clear();
        game->HurtPlayer();
        EXPECT_EQ(player.stats.hearts, c.heartsAfter) << c.hearts << " " << c.mode << " " << c.timer;
        EXPECT_EQ(player.hurtTimer, c.timerAfter) << c.hearts << " " << c.mode << " " << c.timer;
        if (c.sound < 0)
            EXPECT_TRUE(services.sounds.empty());
        else
            EXPECT_EQ(services.CountSound(static_cast<std::uint32_t>(c.sound)), 1);
    }
    // Lava and crushing kill the invulnerable too; burning hides the body.
    player.stats.powerUpMode = PlayerStats::Invulnerability;
    player.stats.hearts = 3;
    player.hurtTimer = 0;
    game->KillPlayer(true);
    EXPECT_EQ(player.stats.hearts, 0);
    EXPECT_EQ(player.hurtTimer, 1);
    EXPECT_FALSE(player.shown);
}

TEST_F(Contacts, ItemsAreCollectedAndExtrasUnlocked)
{
    Player& player = ThePlayer();
    player.hurtTimer = 0;
    player.stats.coins = 49;
    const std::uint16_t lives = player.stats.lives;
    TheWorld().items.emplace_back(ItemCoin, false, player.x, player.y);
    TheWorld().items.emplace_back(ItemJetpack, false, player.x, player.y);
    game->UpdateItems();
    EXPECT_TRUE(TheWorld().items.front().expired);
    EXPECT_EQ(player.stats.lives, lives + 1);  // the fiftieth coin
    EXPECT_TRUE(Popped("+1 Life"));
    EXPECT_TRUE(Popped("Jetpack Suit"));
    EXPECT_EQ(services.CountSound(SoundCoin), 1);
    EXPECT_EQ(services.CountSound(SoundLife), 1);
    EXPECT_EQ(player.stats.powerUpMode, PlayerStats::Jetpack);
    ASSERT_FALSE(services.jingles.empty());
    EXPECT_EQ(services.jingles.back(), std::uint32_t{MusicJetpack});
    EXPECT_EQ(CurrentProfile().equipment, Profile::EquipmentJetpack);
    ProfileStore reread;
    reread.LoadProfiles();
    ASSERT_EQ(reread.profiles.size(), 1u);
    EXPECT_EQ(reread.profiles[0].equipment, Profile::EquipmentJetpack);

    game->RemoveDeadObjects();
    EXPECT_TRUE(TheWorld().items.empty());

    // A collectible coin tile goes when the player is inside it.
    SetTile(8, 11, 21);
    player.x = 36 * 8.5f;
    player.stepMotionX = 0;
    game->TouchTile(0, 8, 11);
    EXPECT_EQ(TileAt(8, 11).id, 0u);
}

TEST_F(Contacts, ItemBlocksReleaseTheirItemsWhenHitFromBelow)
{
    SetTile(8, 8, 1);  // a coin block
    SetTile(10, 8, 2);  // a titan suit block
    TheWorld().tilemap.At(8, 8).GetItemProperty().item = ItemCoin;
    TileCollider& collider = game->GetCollider();
    collider.touchedTiles.clear();
    collider.touchedTiles[TilePos(8, 8)] = TileCollider::ContactCeiling;
    collider.touchedTiles[TilePos(10, 8)] = TileCollider::ContactCeiling;
    ThePlayer().hurtTimer = 0;
    game->HandlePlayerContacts();
    EXPECT_EQ(TileAt(8, 8).id, 0u);
    ASSERT_EQ(TheWorld().items.size(), 5u);
    EXPECT_EQ(TheWorld().items.back().kind, ItemInvulnerability);
    EXPECT_EQ(services.CountSound(SoundBlock), 2);

    // The power-up block is used up and comes back after 320 steps.
    ASSERT_FALSE(IsTileSolid(TileAt(10, 8)));
    TheWorld().items.clear();
    for (int i = 0; i < 318; ++i)
        game->UpdateWorld();
    EXPECT_FALSE(IsTileSolid(TileAt(10, 8)));
    game->UpdateWorld();
    EXPECT_TRUE(IsTileSolid(TileAt(10, 8)));

    // A block naming an item that does not exist gives nothing but is used.
    SetTile(12, 8, 1);
    TileAt(12, 8).GetItemProperty().item = 99;
    EXPECT_NO_THROW(game->SpawnItem(TileAt(12, 8), 12, 8));
    EXPECT_EQ(TileAt(12, 8).id, 0u);
}

TEST_F(Contacts, CheckpointSnapshotAndRespawn)
{
    Enemy& before = AddEnemy(WalkerKind(false), 500);
    AddEnemy(WalkerKind(false), 600);
    before.counter = Enemy::DeathSteps;  // defeated before the checkpoint
    game->RemoveDeadObjects();
    ASSERT_EQ(TheWorld().enemies.size(), 1u);

    SetTile(8, 11, 5);
    game->TouchTile(6, 4, 11);  // the active one does nothing
    EXPECT_EQ(services.CountSound(SoundCheckpoint), 0);
    game->TouchTile(0, 8, 11);
    EXPECT_EQ(TileAt(4, 11).id, 5u);
    EXPECT_EQ(TileAt(8, 11).id, 6u);
    EXPECT_EQ(services.CountSound(SoundCheckpoint), 1);
    ASSERT_NE(game->GetSnapshot(), nullptr);
    EXPECT_EQ(game->GetSnapshot()->tilemap.At(8, 11).id, 6u);
    EXPECT_EQ(game->GetSnapshot()->enemies.size(), 1u);

    // Defeated after the checkpoint: back after the respawn.
    TheWorld().enemies.front().counter = Enemy::DeathSteps;
    game->RemoveDeadObjects();
    ASSERT_TRUE(TheWorld().enemies.empty());
    Player& player = ThePlayer();
    const std::uint16_t lives = player.stats.lives;
    player.stats.hearts = 0;
    player.hurtTimer = 100;
    player.stats.powerUpMode = PlayerStats::TimeDistortion;
    game->UpdateWorld();
    EXPECT_EQ(game->GetPhase(), PhaseSpawning);
    EXPECT_EQ(player.stats.lives, lives - 1);
    EXPECT_EQ(player.stats.hearts, 3);
    EXPECT_EQ(player.stats.powerUpMode, PlayerStats::NoPowerUp);
    EXPECT_EQ(TheWorld().enemies.size(), 1u);
    EXPECT_EQ(game->GetCollider().world, &TheWorld());
    EXPECT_NEAR(player.x, 36 * 8.5f, 1);
    EXPECT_EQ(game->GetSnapshot()->enemies.size(), 1u);  // the snapshot is kept
}

TEST_F(Contacts, WarpsTakeThePlayerToTheirTarget)
{
    Player& player = ThePlayer();
    SetTile(8, 11, 8);
    TileAt(8, 11).GetTargetProperty().targets = {TilePos(18, 11)};
    game->TouchTile(0, 8, 11);
    EXPECT_EQ(player.warpCounter, 0);  // only when inside
    game->TouchTile(4, 8, 11);
    EXPECT_EQ(player.warpCounter, 1);
    EXPECT_FLOAT_EQ(player.warpSource.x, player.x);
    EXPECT_FLOAT_EQ(player.warpSource.y, FloorY - player.height / 2);
    EXPECT_FLOAT_EQ(player.warpTarget.x, 36 * 18.5f);
    EXPECT_FLOAT_EQ(player.warpTarget.y, FloorY - player.height / 2);
    EXPECT_EQ(services.CountSound(SoundWarp), 1);

    // The warp runs its course through the player's own update and ends at
    // the target, ready again after one contact pass.
    int steps = 0;
    while (player.warpCounter > 0 && steps < 200) {
        game->UpdateWorld();
        ++steps;
    }
    EXPECT_NEAR(player.x, 36 * 18.5f, 2);
    EXPECT_EQ(player.warpCounter, 0);

    // A warp without a target leads nowhere.
    SetTile(10, 11, 8);
    player.warpCounter = 0;
    EXPECT_NO_THROW(game->TouchTile(4, 10, 11));
    EXPECT_EQ(player.warpCounter, 0);
}

TEST_F(Contacts, SwitchesFlipTheirTargetsOnce)
{
    SetTile(8, 11, 9);
    SetTile(12, 8, 11);
    SetTile(13, 8, 12);
    SetTile(14, 8, 9);
    TileAt(8, 11).GetTargetProperty().targets = {TilePos(12, 8), TilePos(13, 8), TilePos(14, 8)};
    TileAt(14, 8).GetTargetProperty().targets = {TilePos(15, 8)};
    game->TouchTile(0, 8, 11);  // must be stood on
    EXPECT_EQ(TileAt(8, 11).id, 9u);
    game->TouchTile(2, 8, 11);
    EXPECT_EQ(TileAt(8, 11).id, 10u);
    EXPECT_EQ(TileAt(12, 8).id, 12u);
    EXPECT_EQ(TileAt(13, 8).id, 11u);
    EXPECT_EQ(TileAt(14, 8).id, 10u);
    EXPECT_EQ(TileAt(14, 8).GetTargetProperty().targets.size(), 1u);
    EXPECT_EQ(TileAt(8, 11).GetTargetProperty().targets.size(), 3u);
    EXPECT_EQ(services.CountSound(SoundSwitch), 1);
    game->TouchTile(2, 8, 11);  // pressed: nothing
    EXPECT_EQ(TileAt(12, 8).id, 12u);
    EXPECT_EQ(services.CountSound(SoundSwitch), 1);
}

TEST_F(Contacts, LevelBonusAndSeededDrops)
{
    Player& player = ThePlayer();
    struct Bonus {
        std::uint16_t lives, hearts;
        std::array<std::uint16_t, 3> ammunition;
        std::uint32_t before, after;
    } bonuses[] = {
        {3, 2, {1, 0, 4}, 0, 335},
        // Beyond what 16 bits hold the bonus still counts in full...
        {1400, 3, {0, 0, 0}, 1000, 1000 + 5 * (5 * 1400 + 3)},
        {3, 3, {300, 300, 56}, 0, 5 * 18 + 50 * 656},
        // ...and the score stops at its largest value instead of wrapping.
        {65535, 3, {65535, 65535, 65535}, 4294967000u, 4294967295u},
    };
    for (const Bonus& b : bonuses) {
        player.stats.lives = b.lives;
        player.stats.hearts = b.hearts;
        player.stats.ammunition = b.ammunition;
        player.stats.totalCoins = b.before;
        game->AddLevelBonus();
        EXPECT_EQ(player.stats.totalCoins, b.after) << b.lives << " lives";
    }

    const auto drops = [&](std::uint32_t seed) {
        kest::RandomEngine::global().seed(seed);
        TheWorld().items.clear();
        std::vector<int> kinds;
        for (int i = 0; i < 40; ++i)
            game->DropItem(150, 400, 300);
        for (const Item& item : TheWorld().items)
            kinds.push_back(item.kind);
        return kinds;
    };
    const std::vector<int> first = drops(77);
    EXPECT_EQ(drops(77), first);
    EXPECT_GT(first.size(), 5u);
    EXPECT_LT(first.size(), 35u);
    game->DropItem(0, 400, 300);
    TheWorld().items.clear();
    for (int i = 0; i < 20; ++i)
        game->DropItem(0, 400, 300);
    EXPECT_TRUE(TheWorld().items.empty());
}

TEST_F(Contacts, ARemovedEnemyLeavesNoLinkBehind)
{
    Enemy& faller = TheWorld().enemies.emplace_back(11, 650.f, 200.f, true);
    TheWorld().tilemap.LinkEnemy(10, 11, &faller);
    faller.counter = Enemy::DeathSteps;  // shot down while hanging
    faller.deathMode = Enemy::DeathKilled;
    game->RemoveDeadObjects();
    EXPECT_TRUE(TheWorld().enemies.empty());
    EXPECT_TRUE(TheWorld().tilemap.GetLinks().empty());
    EXPECT_NO_THROW(game->TriggerTile(10, 11));
}

TEST_F(Contacts, TimeDistortionHalvesTheWorldButNotThePlayer)
{
    TheWorld().items.clear();
    Tile& plain = TileAt(10, 5);
    game->GetForegroundScenery().emplace_back(0, 300.f, 300.f, true);
    Player& player = ThePlayer();
    player.stats.powerUpMode = PlayerStats::TimeDistortion;
    player.stats.powerUpCountdown = 1000;
    ASSERT_TRUE(game->IsTimeSlowed());
    const std::int32_t counter = plain.counter;
    const std::uint32_t sceneryCounter = game->GetForegroundScenery().front().counter;
    for (int i = 0; i < 10; ++i) {
        game->SetFrameCounter(game->GetFrameCounter() + 1);
        game->UpdateWorld();
    }
    EXPECT_EQ(plain.counter, counter + 5);  // every other step
    EXPECT_EQ(game->GetForegroundScenery().front().counter, sceneryCounter + 10);  // one a step, not two

    // The player's rocket keeps its full speed.
    player.stats.ammunition = {1, 0, 0};
    player.facingRight = true;
    game->FireWeapon(0);
    Weapon& rocket = TheWorld().playerWeapons.back();
    const float x = rocket.x;
    game->UpdatePlayerWeapons();
    EXPECT_NEAR(rocket.x - x, rocket.GetMaxSpeed(), 1);
}

TEST_F(Contacts, RespawnWithoutLivesLeftEndsTheGame)
{
    Player& player = ThePlayer();
    player.stats.lives = 0;  // a broken profile
    game->Respawn(true);
    EXPECT_EQ(game->GetPhase(), PhaseGameOver);
    EXPECT_EQ(player.stats.lives, 0);
}

TEST_F(Contacts, TileBranchesOfTheContactPass)
{
    // The tile at column 10 of row 11 (where the player stands, centre x 378)
    // or of row 12 (under its feet); the player 24 x 32, standing unless
    // raised, its x given from the tile's centre.
    constexpr std::uint32_t Lava = 198, ItemBlock = 1, Fading = 170, Ladder = 164, Spikes = 16, RisingSlope = 128;
    constexpr std::int32_t Keep = -1;
    struct Case {
        const char* what;
        std::uint32_t id;
        int row;
        int contact;
        float dx;        // the player's x minus the tile's centre x
        float raised;    // the player's bottom above the floor
        std::int32_t state;
        std::int32_t hurtTimer;
        std::int32_t frame;  // of a fading tile before; Keep for none
        // After the pass.
        std::uint16_t hearts;
        bool shown;
        std::int32_t stateAfter;
        std::int32_t frameAfter;  // Keep: not looked at
    } cases[] = {
        // Lava kills once the box, shrunk by 7 px, reaches into the tile; it
        // also reaches a player who is dying already, and burns the body.
        {"lava 7 px deep", Lava, 11, 0, -18 - 12 + 7, 0, StateOnGround, 0, Keep, 0, false, StateOnGround, Keep},
        {"lava 6 px deep", Lava, 11, 0, -18 - 12 + 6, 0, StateOnGround, 0, Keep, 3, true, StateOnGround, Keep},
        {"lava under a dying player", Lava, 11, 0, 0, 0, StateOnGround, 5, Keep, 0, false, StateOnGround, Keep},
        {"lava under the feet", Lava, 12, 0, 0, 0, StateOnGround, 0, Keep, 3, true, StateOnGround, Keep},
        // A solid item block or a fading block where the player stands crushes
        // it: dead, but the body stays to fall.
        {"crushed by an item block", ItemBlock, 11, 0, 0, 0, StateOnGround, 0, Keep, 0, true, StateOnGround, Keep},
        {"item block hit from below", ItemBlock, 11, 3, 0, 0, StateOnGround, 0, Keep, 3, true, StateOnGround, Keep},
        {"crushed by a fading block", Fading, 11, 0, 0, 0, StateOnGround, 0, 0, 0, true, StateOnGround, 0},
        {"fading block stood on", Fading, 12, 2, 0, 0, StateOnGround, 0, 0, 3, true, StateOnGround, 1},
        {"fading block already fading", Fading, 12, 2, 0, 0, StateOnGround, 0, 5, 3, true, StateOnGround, 5},
        {"fading block touched while dying", Fading, 12, 2, 0, 0, StateOnGround, 5, 0, 3, true, StateOnGround, 0},
        // A ladder catches the player within 8 px of its centre line.
        {"ladder in reach, standing", Ladder, 11, 0, 8, 0, StateOnGround, 0, Keep, 3, true, StateAtLadderStanding, Keep},
        {"ladder in reach, airborne", Ladder, 11, 0, -8, 0, StateAirborne, 0, Keep, 3, true, StateAtLadderAirborne,
         Keep},
        {"ladder in reach, climbing", Ladder, 11, 0, 0, 0, StateClimbing, 0, Keep, 3, true, StateClimbing, Keep},
        {"ladder out of reach", Ladder, 11, 0, 9, 0, StateOnGround, 0, Keep, 3, true, StateOnGround, Keep},
        {"climbing off the ladder", Ladder, 11, 0, 9, 0, StateClimbing, 0, Keep, 3, true, StateAirborne, Keep},
        // Spikes hurt a player whose feet reach 18 px into their tile.
        {"spikes at the feet", Spikes, 11, 0, 0, 0, StateOnGround, 0, Keep, 2, true, StateOnGround, Keep},
        {"spikes 17 px deep", Spikes, 11, 0, 0, 19, StateAirborne, 0, Keep, 3, true, StateAirborne, Keep},
        {"spikes while protected", Spikes, 11, 0, 0, 0, StateOnGround, -10, Keep, 3, true, StateOnGround, Keep},
    };
    Player& player = ThePlayer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Room();
        SetTile(10, c.row, c.id);
        if (c.frame != Keep)
            TileAt(10, c.row).GetFrameProperty().frame = c.frame;
        StandAt(36 * 10.5f + c.dx);
        player.y -= c.raised;
        player.state = c.state;
        player.hurtTimer = c.hurtTimer;
        player.stats.hearts = 3;
        player.shown = true;
        TileCollider& collider = game->GetCollider();
        collider.touchedTiles.clear();
        collider.touchedTiles[TilePos(10, c.row)] = c.contact;
        game->HandlePlayerContacts();
        EXPECT_EQ(player.stats.hearts, c.hearts);
        EXPECT_EQ(player.shown, c.shown);
        EXPECT_EQ(player.state, c.stateAfter);
        if (c.frameAfter != Keep) {
            EXPECT_EQ(TileAt(10, c.row).GetFrameProperty().frame, c.frameAfter);
        }
    }

    // Timed spikes hurt only while they stand out (animation steps 0 and 1).
    Room();
    SetTile(10, 11, 15);
    Tile& timed = TileAt(10, 11);
    while (GetTileAnimationStep(timed) < 2)
        ++timed.counter;
    StandAt(36 * 10.5f);
    player.stats.hearts = 3;
    game->TouchTile(0, 10, 11);
    EXPECT_EQ(player.stats.hearts, 3);
    timed.counter = 0;
    game->TouchTile(0, 10, 11);
    EXPECT_EQ(player.stats.hearts, 2);

    // A trampoline throws the player up when landed on, not when touched.
    Room();
    SetTile(10, 12, 13);
    StandAt(36 * 10.5f);
    services.sounds.clear();
    game->TouchTile(1, 10, 12);
    EXPECT_EQ(services.CountSound(SoundTrampoline), 0);
    game->TouchTile(2, 10, 12);
    EXPECT_FLOAT_EQ(player.verticalSpeed, -15);
    EXPECT_FALSE(player.rising);
    EXPECT_EQ(TileAt(10, 12).GetFrameProperty().frame, 1);
    EXPECT_EQ(services.CountSound(SoundTrampoline), 1);

    // A sign shows its text while the player is within 16 px of it.
    SetTile(10, 11, 23);
    TileAt(10, 11).GetTextProperty().text = "Mind the gap";
    services.signText.clear();
    StandAt(36 * 10.5f + 17);
    game->TouchTile(0, 10, 11);
    EXPECT_EQ(services.signText, "");
    StandAt(36 * 10.5f + 16);
    game->TouchTile(0, 10, 11);
    EXPECT_EQ(services.signText, "Mind the gap");

    // The jetpack lifts the player off a slope.
    SetTile(10, 11, RisingSlope);
    StandAt(36 * 10.5f);
    player.state = StateOnRisingSlope;
    player.verticalSpeed = 3;
    player.thrusting = true;
    TileCollider& collider = game->GetCollider();
    collider.touchedTiles.clear();
    collider.touchedTiles[TilePos(10, 11)] = 0;
    game->HandlePlayerContacts();
    EXPECT_EQ(player.state, StateAirborne);
    EXPECT_FLOAT_EQ(player.verticalSpeed, 0);
}
