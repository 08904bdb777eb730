// The 18 levels of the built level archive, loaded as the game loads them.

#include "game/objects/Enemy.h"
#include "game/objects/ItemKind.h"
#include "game/objects/Scenery.h"
#include "game/world/ItemProperty.h"
#include "game/world/LevelCheck.h"
#include "game/world/LevelLoader.h"
#include "game/world/TileFlags.h"
#include "game/world/TileIds.h"
#include "game/world/World.h"

#include "app/StateId.h"
#include "app/VrenkException.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct LoadedLevel {
    World world;
    std::vector<Scenery> foreground;
    std::vector<Scenery> background;
    short backgroundIndex = -1;
};

std::string Name(int w, int l) { return std::to_string(w) + "-" + std::to_string(l); }

bool Solid(const Tile& tile)
{
    return IsTileSolid(tile);
}

// The tile ids of every cell.
std::set<std::uint32_t> TileIds(const Tilemap& map)
{
    std::set<std::uint32_t> ids;
    for (std::uint32_t x = 0; x < map.Columns(); ++x)
        for (std::uint32_t y = 0; y < map.Rows(); ++y)
            ids.insert(map.AtOrEmpty(x, y).id);
    return ids;
}

class BuiltLevelsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GE(dir.CopyBuiltArchives(), 1); }

    void Load(int w, int l, LoadedLevel& level)
    {
        LevelLoader loader(&level.world, &level.foreground, &level.background, &level.backgroundIndex);
        try {
            loader.Load(static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(l));
        } catch (const VrenkException& e) {
            FAIL() << Name(w, l) << ": " << e.GetMessage();
        }
    }

    testsupport::TempDataDir dir;
};

TEST_F(BuiltLevelsTest, BackdropLevelsFitTheMenusAndHaveASolidRing)
{
    for (int l = 1; l <= 6; ++l) {
        LoadedLevel level;
        Load(0, l, level);
        const Tilemap& map = level.world.tilemap;
        EXPECT_EQ(map.Columns(), BackdropColumns) << Name(0, l);
        EXPECT_EQ(map.Rows(), BackdropRows) << Name(0, l);
        const std::int32_t right = static_cast<std::int32_t>(map.Columns()) - 1;
        const std::int32_t bottom = static_cast<std::int32_t>(map.Rows()) - 1;
        for (std::int32_t x = 0; x <= right; ++x)
            EXPECT_TRUE(Solid(map.At(x, 0)) && Solid(map.At(x, bottom))) << Name(0, l) << " column " << x;
        for (std::int32_t y = 0; y <= bottom; ++y)
            EXPECT_TRUE(Solid(map.At(0, y)) && Solid(map.At(right, y))) << Name(0, l) << " row " << y;
        // Something moves behind every menu.
        EXPECT_FALSE(level.world.enemies.empty() && level.world.lifts.empty()) << Name(0, l);
        EXPECT_FALSE(level.foreground.empty()) << Name(0, l);
    }
}

TEST_F(BuiltLevelsTest, NoSlopeRestsOnASlope)
{
    // A slope's foot is a whole tile wide: resting on another slope it would
    // leave that slope's open triangle showing under it, as sky.
    const std::uint32_t slope = TileFlag::RisingSlope | TileFlag::FallingSlope;
    for (int w = 0; w <= 3; ++w)
        for (int l = 1; l <= (w == 0 ? 6 : 4); ++l) {
            LoadedLevel level;
            Load(w, l, level);
            const Tilemap& map = level.world.tilemap;
            for (std::uint32_t x = 0; x < map.Columns(); ++x)
                for (std::uint32_t y = 0; y + 1 < map.Rows(); ++y)
                    EXPECT_FALSE((GetTileFlags(map.AtOrEmpty(x, y).id) & slope) &&
                                 (GetTileFlags(map.AtOrEmpty(x, y + 1).id) & slope))
                        << Name(w, l) << ": the slope at column " << x << ", row " << y;
        }
}

TEST_F(BuiltLevelsTest, PlayingLevelsPassTheChecksAndStartOnAFloor)
{
    std::set<std::uint32_t> ids;
    std::set<std::int32_t> liftKinds;
    // The first level where each extra can be found.
    std::map<std::string, std::string> firstExtra;
    for (int w = 1; w <= 3; ++w)
        for (int l = 1; l <= 4; ++l) {
            LoadedLevel level;
            Load(w, l, level);
            EXPECT_EQ(level.backgroundIndex, w - 1) << Name(w, l);
            Tilemap& map = level.world.tilemap;
            map.InitBorder();
            try {
                CheckLevel(level.world);
            } catch (const VrenkException& e) {
                ADD_FAILURE() << Name(w, l) << ": " << e.GetMessage();
            }
            for (std::int32_t x = 0; x < static_cast<std::int32_t>(map.Columns()); ++x)
                for (std::int32_t y = 0; y < static_cast<std::int32_t>(map.Rows()); ++y)
                    if (map.At(x, y).id == ActiveCheckpointId) {
                        EXPECT_TRUE(Solid(map.AtOrEmpty(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y + 1))))
                            << Name(w, l) << ": the active checkpoint needs a floor";
                    }
            // Every enemy wakes from some tile.
            std::set<const Enemy*> linked;
            for (const auto& entry : map.GetLinks())
                linked.insert(entry.second.begin(), entry.second.end());
            for (const Enemy& enemy : level.world.enemies)
                EXPECT_EQ(linked.count(&enemy), 1u) << Name(w, l) << ": enemy of kind " << enemy.kind;
            for (std::uint32_t x = 0; x < map.Columns(); ++x)
                for (std::uint32_t y = 0; y < map.Rows(); ++y) {
                    const Tile& tile = map.AtOrEmpty(x, y);
                    std::string extra;
                    if (tile.id == ItemBlockId && tile.GetItemProperty().item >= ItemRocket &&
                        tile.GetItemProperty().item <= ItemMine)
                        extra = std::to_string(tile.GetItemProperty().item);
                    if (tile.id == JetpackBlockId)
                        extra = "jetpack";
                    if (!extra.empty() && !firstExtra.count(extra))
                        firstExtra[extra] = Name(w, l);
                }
            const std::set<std::uint32_t> levelIds = TileIds(map);
            ids.insert(levelIds.begin(), levelIds.end());
            for (const Lift& lift : level.world.lifts)
                liftKinds.insert(lift.kind);
        }
    // Together the levels show every mechanic of the game.
    const struct {
        std::uint32_t id;
        const char* what;
    } mechanics[] = {
        {ItemBlockId, "item block"},
        {InvulnerabilityBlockId, "titan suit"},
        {TimeDistortionBlockId, "time distortion"},
        {JetpackBlockId, "jetpack"},
        {InactiveCheckpointId, "checkpoint"},
        {WarpId, "warp"},
        {SwitchId, "switch"},
        {SwitchedBlockOnId, "switched block"},
        {SwitchedBlockOffId, "ghost block"},
        {TrampolineId, "trampoline"},
        {ExplodingBlockId, "exploding block"},
        {TimedSpikesId, "timed spikes"},
        {SpikesId, "spikes"},
        {LeftwardsDoorId, "left door"},
        {RightwardsDoorId, "right door"},
        {OneWayDownId, "thin platform"},
        {DropFloorId, "drop floor"},
        {CoinId, "coin"},
        {EnemyBarrierId, "enemy barrier"},
        {SignId, "sign"},
    };
    for (const auto& m : mechanics)
        EXPECT_EQ(ids.count(m.id), 1u) << m.what;
    bool slope = false, ladder = false, fading = false, deadly = false;
    for (std::uint32_t id : ids) {
        const std::uint32_t flags = GetTileFlags(id);
        slope |= (flags & (TileFlag::RisingSlope | TileFlag::FallingSlope)) != 0;
        ladder |= (flags & TileFlag::Climbable) != 0;
        fading |= (flags & TileFlag::Fading) != 0;
        deadly |= (flags & TileFlag::Deadly) != 0;
    }
    EXPECT_TRUE(slope && ladder && fading && deadly);
    EXPECT_EQ(liftKinds, (std::set<std::int32_t>{0, 1, 2, 3}));
    // The rocket, rolling bomb, mine and jetpack each appear in the forest,
    // so that they unlock early.
    EXPECT_EQ(firstExtra, (std::map<std::string, std::string>{
                              {"3", "1-1"}, {"4", "1-2"}, {"5", "1-3"}, {"jetpack", "1-4"}}));
}

}  // namespace
