#include "LevelFixture.h"

#include "game/objects/Enemy.h"
#include "game/objects/Scenery.h"
#include "game/world/ItemProperty.h"
#include "game/world/LevelLoader.h"
#include "game/world/TargetProperty.h"
#include "game/world/TextProperty.h"
#include "game/world/World.h"

#include "app/ResourceException.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

using namespace worldtest;

namespace {

struct LoadTargets {
    World world;
    std::vector<Scenery> foreground;
    std::vector<Scenery> background;
    short backgroundIndex = -1;

    void Load(std::uint16_t w, std::uint16_t l)
    {
        LevelLoader loader(&world, &foreground, &background, &backgroundIndex);
        loader.Load(w, l);
    }
    // The message of the ResourceException that loading raises ("" when none).
    std::string LoadError(std::uint16_t w, std::uint16_t l)
    {
        try {
            Load(w, l);
        } catch (const ResourceException& e) {
            EXPECT_TRUE(e.IsRecoverable());
            EXPECT_EQ(e.GetSecondText(), "");
            return e.GetMessage();
        }
        return "";
    }
};

class LevelLoaderTest : public ::testing::Test {
protected:
    testsupport::TempDataDir dir;
};

TEST_F(LevelLoaderTest, SmallLevelFillsTheWorldAndScenery)
{
    WriteLevelArchive({{"Lvl/Level 2-3.txt", MakeLevelText(SmallLevel())}});
    LoadTargets t;
    t.Load(2, 3);

    const Tilemap& map = t.world.tilemap;
    EXPECT_EQ(map.Columns(), 4u);
    EXPECT_EQ(map.Rows(), 3u);
    EXPECT_EQ(t.backgroundIndex, 1);
    EXPECT_EQ(map.At(1, 2).id, 100u);
    EXPECT_EQ(map.At(3, 2).id, 0u);

    ASSERT_EQ(t.world.enemies.size(), 2u);
    const Enemy& walker = t.world.enemies.front();
    EXPECT_EQ(walker.kind, 0);
    EXPECT_FLOAT_EQ(walker.x, 54.f);
    EXPECT_FLOAT_EQ(walker.y, 54.5f);
    EXPECT_TRUE(walker.facingRight);
    EXPECT_EQ(walker.counter, -20);
    EXPECT_EQ(t.world.enemies.back().counter, -1);
    // The empty trigger tile at (0, 1) wakes both enemies.
    const auto& linked = map.GetLinkedEnemies(0, 1);
    ASSERT_EQ(linked.size(), 2u);
    for (const Enemy& enemy : t.world.enemies)
        EXPECT_EQ(linked.count(const_cast<Enemy*>(&enemy)), 1u);

    // Floors: the two walls side by side make a left and a right end; the
    // first wall asked not to blend.
    ASSERT_EQ(map.GetFloors().size(), 2u);
    EXPECT_EQ(map.GetFloors().at(TilePos(1, 2)).shape, Floor::LeftEnd);
    EXPECT_EQ(map.GetFloors().at(TilePos(2, 2)).shape, Floor::RightEnd);
    EXPECT_EQ(map.GetFloors().at(TilePos(2, 2)).id, 2);
    EXPECT_TRUE(map.IsNonBlending(1, 2));
    EXPECT_FALSE(map.IsNonBlending(2, 2));

    // Properties read their own tokens.
    EXPECT_EQ(map.At(3, 1).GetTargetProperty().targets, std::set<TilePos>{TilePos(0, 0)});
    EXPECT_EQ(map.At(0, 0).GetTextProperty().text, "a\nb");
    EXPECT_EQ(map.At(3, 0).GetItemProperty().item, 9);

    ASSERT_EQ(t.world.lifts.size(), 2u);
    EXPECT_EQ(t.world.lifts[0].waypoints.size(), 2u);
    EXPECT_EQ(t.world.lifts[0].waypoints[1].dy, -36);
    EXPECT_TRUE(t.world.lifts[0].forward);
    EXPECT_FALSE(t.world.lifts[1].forward);
    EXPECT_TRUE(t.world.lifts[1].waypoints.empty());

    ASSERT_EQ(t.foreground.size(), 1u);
    EXPECT_EQ(t.foreground[0].kind, 4);
    ASSERT_EQ(t.background.size(), 2u);
    EXPECT_FALSE(t.background[0].facingRight);
}

TEST_F(LevelLoaderTest, BlendTrueAfterFalseBlendsAgainAndExtraTokensAreIgnored)
{
    WriteLevelArchive({{"Lvl/Level 1-1.txt",
                        MakeLevelText({{"General", {{"3", "3", "0", "extra"}}},
                                       {"Tiles",
                                        {{"1", "1", "100", "-1", "0", "0"},
                                         {"1", "1", "100", "-1", "1", "0", "ignored", "tokens"}}}})}});
    LoadTargets t;
    t.Load(1, 1);
    EXPECT_FALSE(t.world.tilemap.IsNonBlending(1, 1));
}

TEST_F(LevelLoaderTest, LoadingEmptiesWhatThePreviousLevelLeft)
{
    WriteLevelArchive({{"Lvl/Level 1-1.txt", MakeLevelText(SmallLevel())},
                       {"Lvl/Level 1-2.txt", MakeLevelText({{"General", {{"2", "2", "0"}}}})}});
    LoadTargets t;
    t.Load(1, 1);
    t.world.items.emplace_back(0, false, 10.f, 10.f);
    t.world.playerWeapons.emplace_back(0, 10.f, 10.f, true);
    t.world.enemyWeapons.emplace_back(3, 10.f, 10.f, true);
    t.Load(1, 2);
    EXPECT_TRUE(t.world.enemies.empty());
    EXPECT_TRUE(t.world.lifts.empty());
    EXPECT_TRUE(t.world.items.empty());
    EXPECT_TRUE(t.world.playerWeapons.empty());
    EXPECT_TRUE(t.world.enemyWeapons.empty());
    EXPECT_TRUE(t.world.tilemap.GetLinks().empty());
    EXPECT_TRUE(t.world.tilemap.GetFloors().empty());
    EXPECT_TRUE(t.foreground.empty());
    EXPECT_TRUE(t.background.empty());
    EXPECT_EQ(t.world.tilemap.Columns(), 2u);
}

TEST_F(LevelLoaderTest, FailedLoadLeavesEverythingEmpty)
{
    WriteLevelArchive({{"Lvl/Level 1-1.txt", MakeLevelText(SmallLevel(), 1)}});
    LoadTargets t;
    t.world.items.emplace_back(0, false, 10.f, 10.f);
    EXPECT_EQ(t.LoadError(1, 1), "Failed to load level 1-1\n   Incorrect checksum.");
    EXPECT_TRUE(t.world.enemies.empty());
    EXPECT_TRUE(t.world.lifts.empty());
    EXPECT_TRUE(t.world.items.empty());
    EXPECT_TRUE(t.foreground.empty());
    EXPECT_TRUE(t.background.empty());
    for (std::uint32_t x = 0; x < t.world.tilemap.Columns(); ++x)
        for (std::uint32_t y = 0; y < t.world.tilemap.Rows(); ++y)
            EXPECT_EQ(t.world.tilemap.AtOrEmpty(x, y).id, 0u);
}

TEST_F(LevelLoaderTest, MissingArchiveOrLevelNamesTheLevelOnly)
{
    LoadTargets t;
    EXPECT_EQ(t.LoadError(1, 1), "Failed to load level 1-1");
    WriteLevelArchive({{"Lvl/Level 1-1.txt", MakeLevelText(SmallLevel())}});
    EXPECT_EQ(t.LoadError(3, 4), "Failed to load level 3-4");
    EXPECT_EQ(t.LoadError(1, 1), "");
}

TEST_F(LevelLoaderTest, TheLogNamesTheCauseThatTheMessageLeavesOut)
{
    const struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> archive;  // none when empty
        std::uint16_t level;
        const char* message;
        const char* logged;
    } cases[] = {
        {"no archive", {}, 1, "Failed to load level 0-1",
         "Failed to load level 0-1: Archive Data/Levels.vrk doesn't exist"},
        {"no such level", {{"Lvl/Level 0-1.txt", MakeLevelText(SmallLevel())}}, 2, "Failed to load level 0-2",
         "Failed to load level 0-2: The level archive holds no Lvl/Level 0-2.txt"},
        {"tile outside the map", {{"Lvl/Level 0-1.txt", MakeLevelText({{"General", {{"4", "4", "0"}}},
                                                                       {"Tiles", {{"4", "0", "100", "-1", "1", "0"}}}})}},
         1, "Failed to load level 0-1", "Failed to load level 0-1: Tilemap::At() - subscript out of range"},
        {"unparsable token", {{"Lvl/Level 0-1.txt", MakeLevelText({{"General", {{"x", "4", "0"}}}})}}, 1,
         "Failed to load level 0-1\n   Invalid data",
         "Failed to load level 0-1: token_container::operator>> - parse error"},
        {"wrong checksum", {{"Lvl/Level 0-1.txt", MakeLevelText(SmallLevel(), 1)}}, 1,
         "Failed to load level 0-1\n   Incorrect checksum.", "Failed to load level 0-1: Incorrect checksum."},
    };
    for (const Case& c : cases) {
        testsupport::TempDataDir fresh;
        if (!c.archive.empty())
            WriteLevelArchive(c.archive);
        std::stringstream log;
        std::streambuf* saved = std::cerr.rdbuf(log.rdbuf());
        LoadTargets t;
        const std::string message = t.LoadError(0, c.level);
        std::cerr.rdbuf(saved);
        EXPECT_EQ(message, c.message) << c.what;
        EXPECT_NE(log.str().find(std::string("\n") + c.logged), std::string::npos) << c.what << ": " << log.str();
    }
}

struct BrokenLevel {
    const char* what;
    std::vector<Section> sections;
    const char* ending;  // after "Failed to load level 1-1"
};

const char* const Invalid = "\n   Invalid data";

std::vector<Section> WithSection(const std::string& name, std::vector<Line> lines)
{
    return {{"General", {{"4", "4", "0"}}}, {"Enemies", {{"0", "54", "54", "1"}}}, {name, std::move(lines)}};
}

TEST_F(LevelLoaderTest, BrokenFilesGiveTheirMessage)
{
    const std::vector<BrokenLevel> cases = {
        {"unparsable token", {{"General", {{"x", "4", "0"}}}}, Invalid},
        {"too few tokens", {{"General", {{"4", "4"}}}}, Invalid},
        {"tile outside the map", WithSection("Tiles", {{"4", "0", "100", "-1", "1", "0"}}), ""},
        {"negative tile position", WithSection("Tiles", {{"0", "-1", "100", "-1", "1", "0"}}), ""},
        {"unknown section", WithSection("Bonus", {{"1"}}), Invalid},
        {"second General line", {{"General", {{"4", "4", "0"}, {"5", "5", "0"}}}}, Invalid},
        {"second General section", {{"General", {{"4", "4", "0"}}}, {"General", {{"5", "5", "0"}}}}, Invalid},
        {"tiles before General", {{"Tiles", {{"0", "0", "100", "-1", "1", "0"}}}, {"General", {{"4", "4", "0"}}}},
         Invalid},
        {"no General", {{"Enemies", {}}}, Invalid},
        {"map without columns", {{"General", {{"0", "4", "0"}}}}, Invalid},
        {"map without rows", {{"General", {{"4", "0", "0"}}}}, Invalid},
        {"absurd map", {{"General", {{"100000", "100000", "0"}}}}, Invalid},
        {"background 3", {{"General", {{"4", "4", "3"}}}}, Invalid},
        {"background -1", {{"General", {{"4", "4", "-1"}}}}, Invalid},
        {"enemy kind 19", WithSection("Enemies", {{"19", "54", "54", "1"}}), Invalid},
        {"enemy outside the map", WithSection("Enemies", {{"0", "144", "54", "1"}}), Invalid},
        {"lift kind 4", WithSection("Lifts", {{"4", "54", "36", "36", "0"}}), Invalid},
        {"scenery kind 43", WithSection("Foreground Scenery", {{"43", "1", "1", "1"}}), Invalid},
        {"background scenery kind -1", WithSection("Background Scenery", {{"-1", "1", "1", "1"}}), Invalid},
        {"item kind 12", WithSection("Tiles", {{"1", "1", "1", "-1", "1", "0", "12"}}), Invalid},
        {"unknown tile id", WithSection("Tiles", {{"1", "1", "50", "-1", "1", "0"}}), Invalid},
        {"enemy index past the enemies", WithSection("Tiles", {{"1", "1", "0", "-1", "1", "1", "1"}}), Invalid},
        {"negative enemy index", WithSection("Tiles", {{"1", "1", "0", "-1", "1", "1", "-1"}}), Invalid},
        {"link count beyond the line", WithSection("Tiles", {{"1", "1", "0", "-1", "1", "2", "0"}}), Invalid},
        {"zero waypoint", WithSection("Lifts", {{"1", "54", "36", "0", "0"}}), Invalid},
        {"straight segment off the 3 px step", WithSection("Lifts", {{"1", "54", "36", "37", "0"}}), Invalid},
        {"slanted segment off the 2 px step", WithSection("Lifts", {{"1", "54", "36", "9", "3"}}), Invalid},
        {"odd waypoint tokens", WithSection("Lifts", {{"1", "54", "36", "36", "0", "36"}}), Invalid},
        {"warp without target", WithSection("Tiles", {{"1", "1", "8", "-1", "1", "0"}}), Invalid},
        {"warp target outside the map", WithSection("Tiles", {{"1", "1", "8", "-1", "1", "0", "4", "0"}}), Invalid},
        {"switch target outside the map", WithSection("Tiles", {{"1", "1", "9", "-1", "1", "0", "0", "-1"}}),
         Invalid},
        {"switch that targets itself", WithSection("Tiles", {{"1", "1", "10", "-1", "1", "0", "1", "1"}}), Invalid},
        {"floor id past the floor picture", WithSection("Tiles", {{"1", "1", "100", "6", "1", "0"}}), Invalid},
        {"negative floor id", WithSection("Tiles", {{"1", "1", "100", "-2", "1", "0"}}), Invalid},
        {"huge floor id", WithSection("Tiles", {{"1", "1", "100", "2147483647", "1", "0"}}), Invalid},
        // Every section may appear once: a repeated one is refused, whether
        // it follows its namesake or not, and whatever its first line holds.
        {"repeated Enemies", {{"General", {{"4", "4", "0"}}}, {"Enemies", {{"0", "54", "54", "1"}}},
                              {"Enemies", {{"0", "90", "54", "1"}}}}, Invalid},
        {"repeated empty Lifts", {{"General", {{"4", "4", "0"}}}, {"Lifts", {}}, {"Lifts", {}}}, Invalid},
        {"repeated Tiles apart", {{"General", {{"4", "4", "0"}}}, {"Tiles", {{"1", "1", "100", "0", "1", "0"}}},
                                  {"Lifts", {}}, {"Tiles", {{"2", "1", "100", "0", "1", "0"}}}}, Invalid},
        {"broken line after a repeated header", {{"General", {{"4", "4", "0"}}}, {"Enemies", {{"0", "54", "54", "1"}}},
                                                 {"Enemies", {{"x", "y"}}}}, Invalid},
    };
    LoadTargets t;
    for (const BrokenLevel& c : cases) {
        WriteLevelArchive({{"Lvl/Level 1-1.txt", MakeLevelText(c.sections)}});
        EXPECT_EQ(t.LoadError(1, 1), std::string("Failed to load level 1-1") + c.ending) << c.what;
        EXPECT_TRUE(t.world.enemies.empty()) << c.what;
    }
}

TEST_F(LevelLoaderTest, NoChecksumOrTextAfterItBehaveAsWritten)
{
    const std::string good = MakeLevelText(SmallLevel());
    const std::string withoutChecksum = good.substr(0, good.find("\n.: Checksum :."));
    WriteLevelArchive({{"Lvl/Level 1-1.txt", withoutChecksum + "\n"},
                       {"Lvl/Level 1-2.txt", good + "\n.: Bonus :.\n{whatever}\n"},
                       {"Lvl/Level 1-3.txt", ""}});
    LoadTargets t;
    EXPECT_EQ(t.LoadError(1, 1), "Failed to load level 1-1\n   Incorrect checksum.");
    EXPECT_EQ(t.LoadError(1, 2), "");
    EXPECT_EQ(t.LoadError(1, 3), "Failed to load level 1-3\n   Invalid data");
}

TEST_F(LevelLoaderTest, AWallUnderAWallLosesItsFloor)
{
    WriteLevelArchive({{"Lvl/Level 1-1.txt",
                        MakeLevelText({{"General", {{"3", "3", "0"}}},
                                       {"Tiles",
                                        {{"1", "2", "100", "0", "1", "0"},
                                         {"1", "1", "170", "0", "1", "0"},
                                         {"2", "1", "128", "0", "1", "0"},
                                         {"0", "0", "16", "0", "1", "0"}}}})}});
    LoadTargets t;
    t.Load(1, 1);
    const Tilemap::FloorMap& floors = t.world.tilemap.GetFloors();
    // (1, 2) has a fading block above it; the spikes cannot carry a floor.
    ASSERT_EQ(floors.size(), 2u);
    EXPECT_EQ(floors.at(TilePos(1, 1)).shape, Floor::LeftEnd);
    EXPECT_EQ(floors.at(TilePos(2, 1)).shape, Floor::OnRisingSlope);
}

}  // namespace
