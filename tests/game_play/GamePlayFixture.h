#pragma once

#include "FakeServices.h"

#include "app/StateId.h"
#include "game/objects/EnemyTypeTable.h"
#include "game/objects/Player.h"
#include "game/sim/Game.h"
#include "game/world/Tile.h"
#include "game/world/World.h"
#include "kest/RandomEngine.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <memory>

// A playing game over the built levels and recording services, in a
// temporary working directory. Room() swaps the loaded level for a small
// walled room: floor surface at y = 432 (row 12), the active checkpoint at
// column 4 and the level-end flag at column 20, both on row 11.
class GamePlay : public ::testing::Test {
public:
    static constexpr float FloorY = 432;

    GamePlay()
    {
        dir_.CopyBuiltArchives();
        kest::RandomEngine::global().seed(1234);
    }

    // A game for a new profile at (world, level).
    Game& Start(std::uint16_t world = 1, std::uint16_t level = 1)
    {
        services.profiles.AddProfile("Tess");
        services.profiles.currentProfile = 0;
        Profile& profile = services.profiles.profiles.at(0);
        profile.world = world;
        profile.level = level;
        game = std::make_unique<Game>(false, services);
        return *game;
    }

    Profile& CurrentProfile() { return services.profiles.profiles.at(0); }
    World& TheWorld() { return game->GetWorld(); }
    Player& ThePlayer() { return *game->GetPlayer(); }
    Tile& TileAt(int c, int r) { return game->GetWorld().tilemap.At(c, r); }

    void SetTile(int c, int r, std::uint32_t id)
    {
        Tile& tile = TileAt(c, r);
        tile.id = id;
        tile.counter = 0;
        CreateTileProperty(tile, true);
    }

    // Replaces the level by the room and takes the checkpoint snapshot.
    void Room()
    {
        World& world = TheWorld();
        world.Clear();
        world.lifts.clear();
        world.tilemap.Resize(24, 14);
        world.tilemap.InitBorder();
        SetTile(4, 11, 6);
        SetTile(20, 11, 7);
        game->GetForegroundScenery().clear();
        game->GetBackgroundScenery().clear();
        game->TakeSnapshot();
    }

    // Steps through the level start and the spawning until play begins.
    int StartPlaying()
    {
        int steps = 0;
        while (game->GetPhase() != PhasePlaying && steps < 400) {
            EXPECT_EQ(game->Update(), StateStay);
            ++steps;
        }
        return steps;
    }

    int Step(int n = 1)
    {
        int result = StateStay;
        for (int i = 0; i < n; ++i)
            result = game->Update();
        return result;
    }

    // The player stands still on the floor at x, not protected.
    void StandAt(float x)
    {
        Player& player = ThePlayer();
        player.x = x;
        player.y = FloorY - player.height / 2;
        player.verticalSpeed = 0;
        player.horizontalSpeed = 0;
        player.stepMotionX = 0;
        player.state = StateOnGround;
        player.hurtTimer = 0;
    }

    // An awake enemy standing on the floor at x.
    Enemy& AddEnemy(std::int32_t kind, float x)
    {
        Enemy& enemy = TheWorld().enemies.emplace_back(kind, x, 0.f, true);
        enemy.y = FloorY - enemy.height / 2;
        enemy.counter = 0;
        enemy.state = StateOnGround;
        return enemy;
    }

    // The first kind of enemy that walks, fires nothing and has the given
    // stomp-proof flag.
    static std::int32_t WalkerKind(bool stompProof)
    {
        for (std::int32_t k = 0; k < EnemyTypeTable::Size; ++k) {
            const EnemyType& t = EnemyTypeTable::Get(k);
            if (k != 11 && k != 3 && !t.flying && t.weapon == 10 && t.stompProof == stompProof)
                return k;
        }
        ADD_FAILURE() << "no such enemy kind";
        return 0;
    }

    testsupport::TempDataDir dir_;
    FakeServices services;
    std::unique_ptr<Game> game;
};
