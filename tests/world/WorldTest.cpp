#include "game/objects/Enemy.h"
#include "game/world/FrameProperty.h"
#include "game/world/LevelCheck.h"
#include "game/world/TargetProperty.h"
#include "game/world/TileFlags.h"
#include "game/world/World.h"

#include "app/GameLogicError.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <stdexcept>

namespace {

void SetTile(Tilemap& map, std::int32_t x, std::int32_t y, std::uint32_t id)
{
    Tile& tile = map.At(x, y);
    tile.id = id;
    tile.counter = 0;
    CreateTileProperty(tile, true);
}

TEST(TilemapTest, AccessInsideAndOutsideTheGrid)
{
    Tilemap map;
    EXPECT_EQ(map.Columns(), 15u);
    EXPECT_EQ(map.Rows(), 15u);
    map.Resize(3, 2);
    SetTile(map, 2, 1, 100);
    EXPECT_EQ(map.AtOrEmpty(2, 1).id, 100u);
    const Tile& empty = map.AtOrEmpty(static_cast<std::uint32_t>(-1), 0);
    EXPECT_EQ(empty.id, 0u);
    EXPECT_EQ(&map.AtOrEmpty(3, 0), &empty);
    EXPECT_EQ(&map.AtOrEmpty(0, 2), &empty);
    for (auto pos : {std::make_pair(3, 0), std::make_pair(0, 2), std::make_pair(-1, 0), std::make_pair(0, -1)}) {
        try {
            map.At(pos.first, pos.second);
            ADD_FAILURE() << pos.first << ", " << pos.second;
        } catch (const std::out_of_range& e) {
            EXPECT_STREQ(e.what(), "Tilemap::At() - subscript out of range");
        }
    }
    map.Resize(0, 0);
    EXPECT_THROW(map.Rows(), std::out_of_range);
    EXPECT_THROW(map.InitBorder(), std::out_of_range);
    EXPECT_THROW(map.ForEachFloor(std::function<void(Floor&)>()), std::bad_function_call);
}

TEST(TilemapTest, FloorShapesFollowTheNeighbours)
{
    Tilemap map;
    map.Resize(6, 3);
    // Row 2: wall, wall, gap, wall, gap, rising slope; a wall above (0, 2),
    // which therefore carries no floor.
    for (int x : {0, 1, 3})
        SetTile(map, x, 2, 100);
    SetTile(map, 5, 2, 128);
    SetTile(map, 0, 1, 100);
    struct Case {
        int x;
        bool stands;
        std::int32_t shape;
    };
    for (const Case& c : {Case{0, false, 0}, Case{1, true, Floor::RightEnd}, Case{3, true, Floor::Single},
                          Case{4, false, 0}, Case{5, true, Floor::OnRisingSlope}}) {
        Floor floor(0, c.x, 2);
        EXPECT_EQ(floor.UpdateShape(map), c.stands) << c.x;
        if (c.stands) {
            EXPECT_EQ(floor.shape, c.shape) << c.x;
        }
    }
    map.SetFloor(Floor(0, 0, 2));
    map.SetFloor(Floor(0, 1, 2));
    map.SetFloor(Floor(0, 9, 2));
    map.RemoveInvalidFloors();
    ASSERT_EQ(map.GetFloors().size(), 1u);
    EXPECT_EQ(map.GetFloors().begin()->second.x, 1);
    map.Clear();
    EXPECT_TRUE(map.GetFloors().empty());
    EXPECT_EQ(map.Columns(), 6u);
    EXPECT_EQ(map.At(3, 2).id, 0u);
}

TEST(TilemapTest, BorderPass)
{
    Tilemap map;
    map.Resize(6, 6);
    SetTile(map, 0, 0, 16);   // spikes: not allowed on the border
    SetTile(map, 1, 0, 100);  // a wall is
    SetTile(map, 2, 2, 24);   // a border block inside
    SetTile(map, 3, 3, 16);
    map.InitBorder();
    EXPECT_EQ(map.At(0, 0).id, 24u);
    EXPECT_EQ(map.At(1, 0).id, 100u);
    EXPECT_EQ(map.At(5, 5).id, 24u);
    EXPECT_EQ(map.At(2, 2).id, 0u);
    EXPECT_EQ(map.At(3, 3).id, 16u);
    EXPECT_EQ(map.At(3, 1).id, 24u);
    // With four rows there is no inside.
    map.Resize(9, 4);
    map.InitBorder();
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 4; ++y)
            EXPECT_EQ(map.At(x, y).id, 24u);
}

TEST(TilemapTest, NeighboursBlendOnlyTowardsWallsAndSlopes)
{
    Tilemap map;
    map.Resize(3, 3);
    SetTile(map, 1, 1, 100);
    SetTile(map, 2, 1, 101);  // east
    SetTile(map, 1, 0, 16);   // north: spikes do not blend
    const Tile& centre = map.At(1, 1);
    Tilemap::Neighbours n = map.GetNeighbours(true, 1, 1);
    EXPECT_EQ(&n[5], &map.At(2, 1));
    EXPECT_EQ(&n[1], &centre);
    // North-east: no wall there, so the east neighbour stands in.
    EXPECT_EQ(&n[2], &map.At(2, 1));
    EXPECT_EQ(&n[0], &centre);
    map.SetBlending(1, 1, false);
    n = map.GetNeighbours(true, 1, 1);
    EXPECT_EQ(&n[5], &centre);
    map.SetBlending(1, 1, true);
    n = map.GetNeighbours(false, 1, 1);
    EXPECT_EQ(&n[5], &centre);
    // At the edge of the grid the missing tiles are the centre itself.
    n = map.GetNeighbours(true, 2, 1);
    EXPECT_EQ(&n[5], &map.At(2, 1));
    EXPECT_EQ(&n[3], &centre);
}

TEST(TilemapTest, EnemyLinks)
{
    std::list<Enemy> enemies;
    for (int i = 0; i < 3; ++i)
        enemies.emplace_back(0, 50.f, 50.f, true);
    Enemy* a = &*enemies.begin();
    Enemy* b = &*std::next(enemies.begin());
    Enemy* c = &*std::next(enemies.begin(), 2);
    Tilemap map;
    map.Resize(5, 5);
    map.LinkEnemy(0, 0, a);
    map.LinkEnemy(0, 0, b);
    map.LinkEnemy(1, 0, a);
    map.LinkEnemy(1, 0, c);
    map.LinkEnemy(2, 0, b);
    EXPECT_TRUE(map.GetLinkedEnemies(4, 4).empty());

    // Waking (0, 0): its enemies leave every other tile; (0, 0) keeps them.
    map.RemoveEnemyLinks(map.GetLinkedEnemies(0, 0), map.At(0, 0));
    EXPECT_EQ(map.GetLinkedEnemies(0, 0).size(), 2u);
    EXPECT_EQ(map.GetLinkedEnemies(1, 0), Tilemap::EnemySet{c});
    EXPECT_EQ(map.GetLinks().count(TilePos(2, 0)), 0u);
    map.EraseLinks(0, 0);
    map.UnlinkEnemy(c, map.At(0, 0));
    EXPECT_TRUE(map.GetLinks().empty());

    map.LinkEnemy(3, 3, a);
    map.LinkEnemy(4, 4, a);
    map.UnlinkEnemyAt(a, 3, 3);
    EXPECT_EQ(map.GetLinks().size(), 1u);
    map.UnlinkEnemyEverywhere(a);
    EXPECT_TRUE(map.GetLinks().empty());
}

TEST(WorldTest, CopyIsDeepAndIndependent)
{
    World source;
    source.tilemap.Resize(6, 6);
    SetTile(source.tilemap, 1, 1, 9);
    source.tilemap.At(1, 1).GetTargetProperty().targets.insert(TilePos(2, 2));
    for (int i = 0; i < 3; ++i)
        source.enemies.emplace_back(0, 50.f + i, 50.f, true);
    Enemy* second = &*std::next(source.enemies.begin());
    source.tilemap.LinkEnemy(3, 3, second);
    source.tilemap.LinkEnemy(3, 3, &source.enemies.front());
    source.lifts.emplace_back(1, 54, 72);
    source.lifts.emplace_back(2, 90, 72);
    second->lift = &source.lifts[1];
    source.items.emplace_back(1, false, 20.f, 20.f);
    source.items.back().lift = &source.lifts[0];

    World copy(source);
    // The links name the copy's enemies at the same places of the list.
    const Tilemap::EnemySet& linked = copy.tilemap.GetLinkedEnemies(3, 3);
    Enemy* copiedSecond = &*std::next(copy.enemies.begin());
    EXPECT_EQ(linked, (Tilemap::EnemySet{&copy.enemies.front(), copiedSecond}));
    // Objects ride the copy's own lifts.
    EXPECT_EQ(copiedSecond->lift, static_cast<LiftCarrier*>(&copy.lifts[1]));
    EXPECT_EQ(copy.items.back().lift, static_cast<LiftCarrier*>(&copy.lifts[0]));
    EXPECT_EQ(second->lift, static_cast<LiftCarrier*>(&source.lifts[1]));

    // Waking and moving the copy's enemy leaves the source's alone.
    for (Enemy* enemy : linked)
        enemy->counter = Enemy::WakingCounter;
    copiedSecond->x += 100;
    EXPECT_EQ(second->counter, Enemy::AsleepCounter);
    EXPECT_FLOAT_EQ(second->x, 51.f);
    // Tile properties are copies.
    copy.tilemap.At(1, 1).GetFrameProperty().frame = 5;
    copy.tilemap.At(1, 1).GetTargetProperty().targets.clear();
    EXPECT_EQ(source.tilemap.At(1, 1).GetFrameProperty().frame, 0);
    EXPECT_EQ(source.tilemap.At(1, 1).GetTargetProperty().targets.size(), 1u);

    // Assignment copies alike and survives the source.
    World assigned;
    assigned = copy;
    copy.Clear();
    EXPECT_EQ(assigned.tilemap.GetLinkedEnemies(3, 3).count(&assigned.enemies.front()), 1u);
    EXPECT_EQ(assigned.enemies.size(), 3u);
    EXPECT_TRUE(copy.enemies.empty());
}

struct CheckCase {
    const char* what;
    std::vector<std::pair<int, std::uint32_t>> tiles;  // column in row 1, id
    std::vector<int> liftKinds;                        // lifts without waypoints
    const char* error;                                 // nullptr: passes
};

TEST(LevelCheckTest, ChecksInOrder)
{
    const std::vector<CheckCase> cases = {
        {"playable", {{0, 6}, {1, 7}}, {3}, nullptr},
        {"empty map", {}, {}, "No unique active checkpoint found."},
        {"two checkpoints, no flag", {{0, 6}, {1, 6}}, {}, "No unique active checkpoint found."},
        {"inactive checkpoints only", {{0, 5}, {1, 7}}, {}, "No unique active checkpoint found."},
        {"no flag", {{0, 6}, {1, 5}}, {}, "No level-end flag found."},
        {"moving lift without path", {{0, 6}, {1, 7}, {2, 7}}, {3, 0}, "Missing waypoints at dynamic lifts."},
    };
    for (const CheckCase& c : cases) {
        World world;
        world.tilemap.Resize(4, 3);
        for (const auto& tile : c.tiles)
            SetTile(world.tilemap, tile.first, 1, tile.second);
        for (int kind : c.liftKinds)
            world.lifts.emplace_back(kind, 54, 36);
        if (!c.error) {
            EXPECT_NO_THROW(CheckLevel(world)) << c.what;
            continue;
        }
        try {
            CheckLevel(world);
            ADD_FAILURE() << c.what;
        } catch (const GameLogicError& e) {
            EXPECT_EQ(e.GetMessage(), c.error) << c.what;
            EXPECT_EQ(e.GetSecondText(), "") << c.what;
            EXPECT_TRUE(e.IsRecoverable()) << c.what;
        }
    }
}

// A warp must lead inside the ring of the outer two tiles that becomes the
// border: in it the player would stand in the map's solid edge and be pushed
// off the map.
TEST(LevelCheckTest, RefusesAWarpIntoTheBorder)
{
    const struct {
        TilePos target;
        bool passes;
    } cases[] = {{{2, 2}, true}, {{3, 3}, true}, {{1, 3}, false}, {{3, 4}, false}, {{0, 0}, false}};
    for (const auto& c : cases) {
        World world;
        world.tilemap.Resize(6, 6);
        SetTile(world.tilemap, 2, 2, 6);
        SetTile(world.tilemap, 3, 2, 7);
        SetTile(world.tilemap, 2, 1, 8);
        world.tilemap.At(2, 1).GetTargetProperty().targets = {c.target};
        if (c.passes) {
            EXPECT_NO_THROW(CheckLevel(world)) << c.target.x << ", " << c.target.y;
            continue;
        }
        try {
            CheckLevel(world);
            ADD_FAILURE() << c.target.x << ", " << c.target.y;
        } catch (const GameLogicError& e) {
            EXPECT_EQ(e.GetMessage(), "A warp leads into the border.");
        }
    }
}

}  // namespace
