// The level compiler: what it makes of a source, and what it refuses.

#include "levelc/LevelCompiler.h"
#include "levelc/LevelFileWriter.h"
#include "levelc/LevelSource.h"
#include "levelc/LevelSourceError.h"

#include "game/objects/Enemy.h"
#include "game/objects/Scenery.h"
#include "game/world/LevelLoader.h"
#include "game/world/TargetProperty.h"
#include "game/world/TileIds.h"
#include "game/world/World.h"

#include "app/ArchivePasswords.h"
#include "foxpack/ArchiveWriter.h"
#include "support/TempDataDir.h"
#include "t4/io/LevelFileName.h"

#include <gtest/gtest.h>

namespace {

using levelc::CompileLevel;
using levelc::ParseLevelSource;

// A playing level of 8 x 7 tiles: the border pass takes the outer two.
const char* const Legend = R"(legend
. = empty
# = tile 100 floor 0
C = tile 6
E = tile 7
a = enemy 0 left group g
1 = wake g
W = tile 8 target exit
* = empty name exit
L = lift 1 path 1 0
end
)";

std::string Source(const std::string& map, const std::string& extra = "", const std::string& level = "1-1")
{
    return "level " + level + "\nbackground 0\n" + Legend + extra + "map\n" + map + "end\n";
}

const char* const GoodMap =
    "########\n"
    "########\n"
    "##1.*.##\n"
    "##CaWE##\n"
    "########\n"
    "########\n"
    "########\n";

levelc::CompiledLevel Compile(const std::string& text, std::vector<std::string>* warnings = nullptr)
{
    std::vector<std::string> ignored;
    return CompileLevel(ParseLevelSource(text, "test.lvl"), warnings ? *warnings : ignored);
}

// The message of the compiler's refusal, or "" when it accepts.
std::string Refusal(const std::string& text)
{
    try {
        Compile(text);
    } catch (const levelc::LevelSourceError& e) {
        return e.what();
    }
    return "";
}

TEST(LevelCompilerTest, CompiledLevelLoadsAsWritten)
{
    testsupport::TempDataDir dir;
    const std::string map =
        "########\n"
        "########\n"
        "##1.*.##\n"
        "##CaWE##\n"
        "###L####\n"
        "########\n"
        "########\n";
    const levelc::CompiledLevel level = Compile(Source(map, "", "2-3"));
    levelc::WriteLevelFile(level, dir.DataPath("level.txt"));
    foxpack::ArchiveWriter archive(LevelArchivePassword);
    archive.Add(LevelFileName(2, 3), dir.ReadFile("Data/level.txt"));
    archive.WriteFile(dir.DataPath("Levels.vrk"));

    World world;
    std::vector<Scenery> foreground, background;
    short backgroundIndex = -1;
    LevelLoader loader(&world, &foreground, &background, &backgroundIndex);
    loader.Load(2, 3);
    EXPECT_EQ(world.tilemap.Columns(), 8u);
    EXPECT_EQ(world.tilemap.Rows(), 7u);
    EXPECT_EQ(world.tilemap.At(2, 3).id, ActiveCheckpointId);
    EXPECT_EQ(world.tilemap.At(3, 5).id, 100u);
    // The enemy stands on the bottom of its cell and wakes from the trigger.
    ASSERT_EQ(world.enemies.size(), 1u);
    const Enemy& enemy = world.enemies.front();
    EXPECT_FLOAT_EQ(enemy.x, 3 * 36 + 18);
    EXPECT_FLOAT_EQ(enemy.y + enemy.height / 2, 4 * 36);
    EXPECT_FALSE(enemy.facingRight);
    EXPECT_EQ(world.tilemap.GetLinkedEnemies(2, 2).count(&world.enemies.front()), 1u);
    EXPECT_EQ(world.tilemap.At(4, 3).GetTargetProperty().targets, std::set<TilePos>{TilePos(4, 2)});
    // The lift's top lies on the top of its cell; its path is in pixels.
    ASSERT_EQ(world.lifts.size(), 1u);
    EXPECT_EQ(world.lifts[0].startY, 4 * 36);
    EXPECT_EQ(world.lifts[0].waypoints.size(), 1u);
    EXPECT_EQ(world.lifts[0].waypoints[0].dx, 36);
    // Floors only where nothing lies above.
    EXPECT_EQ(world.tilemap.GetFloors().count(TilePos(4, 4)), 1u);
    EXPECT_EQ(world.tilemap.GetFloors().count(TilePos(4, 5)), 0u);
}

// Things the game accepts but shows oddly: one warning each, naming the
// line and column.
TEST(LevelCompilerTest, WarnsAboutWhatTheGameShowsOddly)
{
    const struct {
        const char* what;
        std::string map;
        const char* legend;
        const char* warning;
    } cases[] = {
        {"a tile in the border",
         "########\n#^######\n##1.*.##\n##CaWE##\n########\n########\n########\n", "^ = tile 16",
         "test.lvl:19: warning: column 2: tile 16 lies in the two-tile border and becomes a border block"},
        {"floors under a liquid",
         "##########\n##########\n##1.*...##\n##CaWE..##\n######~~##\n##########\n##########\n", "~ = tile 198",
         "test.lvl:23: warning: column 7: a floor under a liquid shows as a strip below it (to column 8): use a "
         "ground tile without a floor there"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> warnings;
        Compile(Source(c.map, std::string("legend\n") + c.legend + "\nend\n"), &warnings);
        EXPECT_EQ(warnings, std::vector<std::string>{c.warning}) << c.what;
    }
}

// A background piece placed "behind" is moved by half the camera of a player
// walking rightwards past it on its floor, so that it shows there: at the
// map's left end the camera stands at 0 across, at its right end at the map's
// width less the window's; its height follows the floor, within the map.
TEST(LevelCompilerTest, BackgroundBehindShowsWhereItStands)
{
    std::vector<std::string> rows(30, std::string(60, '#'));
    for (int y = 2; y < 28; ++y)
        rows[static_cast<std::size_t>(y)].replace(2, 56, std::string(56, '.'));
    rows[27][3] = 'C';
    rows[27][10] = 'E';
    rows[20][4] = 'T';
    rows[20][6] = 'U';
    rows[27][50] = 'T';
    std::string map;
    for (const std::string& row : rows)
        map += row + "\n";
    const levelc::CompiledLevel level = Compile(Source(map, "legend\nT = bg 1 behind\nU = bg 1\nend\n"));
    ASSERT_EQ(level.sections.size(), 6u);
    ASSERT_EQ(level.sections[5].name, "Background Scenery");
    // The birch is 96 pixels high; the map 2160 x 1080 pixels.
    const std::vector<std::vector<std::string>> expected = {
        {"1", "162", "580", "1"},   // camera (0, 256): its floor at 756
        {"1", "234", "708", "1"},   // not behind: where it stands in the map
        {"1", "1250", "804", "1"},  // camera (1136, 312): as far as the map goes
    };
    EXPECT_EQ(level.sections[5].lines, expected);
}

struct BadSource {
    const char* what;
    std::string text;
    const char* message;  // the whole message, file and line included
};

TEST(LevelCompilerTest, RefusesWhatTheGameWouldRefuse)
{
    const std::string row6 = "########\n";
    const std::vector<BadSource> cases = {
        // Without extra legend lines the map begins on line 14; with them
        // the extra entry is on line 15 and the map begins on line 17.
        {"undefined character", Source("########\n########\n##1.*.##\n##CaWEq#\n" + row6 + row6 + row6),
         "test.lvl:18: column 7: 'q' is not in the legend"},
        {"rows of unequal length", Source("########\n#######\n##1.*.##\n##CaWE##\n" + row6 + row6 + row6),
         "test.lvl:16: map row of 7 characters, the first row has 8"},
        {"no active checkpoint", Source("########\n########\n##1.*.##\n##.aWE##\n" + row6 + row6 + row6),
         "test.lvl:14: the level has no active checkpoint (tile 6) inside its border (No unique active checkpoint found.)"},
        {"two active checkpoints", Source("########\n########\n##..*.##\n##C.CE##\n" + row6 + row6 + row6),
         "test.lvl:18: column 5: a second active checkpoint (tile 6); the first is on line 18 (No unique active checkpoint found.)"},
        // The player's box reaches over two checkpoints that touch, even
        // corner to corner, but never over two a tile apart.
        {"checkpoints side by side",
         Source("########\n########\n##..*.##\n##CKWE##\n" + row6 + row6 + row6, "legend\nK = tile 5\nend\n"),
         "test.lvl:21: column 4: a checkpoint next to the checkpoint in column 3 of line 21: the player can touch "
         "both at once, and they would take turns being active"},
        {"checkpoints corner to corner",
         Source("########\n########\n##K.*.##\n##.CWE##\n" + row6 + row6 + row6, "legend\nK = tile 5\nend\n"),
         "test.lvl:21: column 4: a checkpoint next to the checkpoint in column 3 of line 20: the player can touch "
         "both at once, and they would take turns being active"},
        {"checkpoints a tile apart",
         Source("########\n########\n##..*.##\n##C.KE##\n" + row6 + row6 + row6, "legend\nK = tile 5\nend\n"), ""},
        {"checkpoint in the air", Source("########\n########\n##1.*C##\n##.aWE##\n" + row6 + row6 + row6),
         "test.lvl:17: column 6: the active checkpoint needs a solid floor under it"},
        {"no level-end flag", Source("########\n########\n##1.*.##\n##CaW.##\n" + row6 + row6 + row6),
         "test.lvl:14: the level has no level-end flag (tile 7) inside its border (No level-end flag found.)"},
        {"unknown tile id", Source(GoodMap, "legend\nx = tile 50\nend\n"), "test.lvl:15: unknown tile id 50"},
        {"unknown enemy kind", Source(GoodMap, "legend\nx = enemy 19\nend\n"), "test.lvl:15: unknown enemy kind 19"},
        {"unknown lift kind", Source(GoodMap, "legend\nx = lift 4 path 1 0\nend\n"), "test.lvl:15: unknown lift kind 4"},
        {"unknown scenery kind", Source(GoodMap, "legend\nx = fg 43\nend\n"), "test.lvl:15: unknown scenery kind 43"},
        {"unknown item kind", Source(GoodMap, "legend\nx = tile 1 item 12\nend\n"), "test.lvl:15: unknown item kind 12"},
        {"item outside an item block", Source(GoodMap, "legend\nx = tile 100 item 1\nend\n"),
         "test.lvl:15: only an item block (tile 1) holds an item"},
        {"background 3", "level 1-1\nbackground 3\n" + std::string(Legend) + "map\n" + GoodMap + "end\n",
         "test.lvl:2: the background must be 0, 1 or 2"},
        {"zero lift step", Source(GoodMap, "legend\nx = lift 1 path 0 0\nend\n"),
         "test.lvl:15: a lift's path step cannot be 0 0"},
        {"lift step off its stride", Source(GoodMap, "legend\nx = lift 1 path 37px 0\nend\n"),
         "test.lvl:15: a lift moves 3 px a step on this segment, so its longer side (37 px) must be a multiple of 3"},
        {"slanted lift step off its stride", Source(GoodMap, "legend\nx = lift 1 path 9px 3px\nend\n"),
         "test.lvl:15: a lift moves 2 px a step on this segment, so its longer side (9 px) must be a multiple of 2"},
        {"warp without target", Source(GoodMap, "legend\nx = tile 8\nend\n"),
         "test.lvl:15: a warp needs a target: target <name>"},
        {"warp to a name no cell has",
         Source("########\n########\n##1.*.##\n##CaWEV#\n" + row6 + row6 + row6, "legend\nV = tile 8 target nowhere\nend\n"),
         "test.lvl:15: no cell of the map is named \"nowhere\""},
        {"switch that switches itself",
         Source("########\n########\n##1.*.##\n##CaWES#\n" + row6 + row6 + row6,
                "legend\nS = tile 9 targets self name self\nend\n"),
         "test.lvl:21: column 7: a switch cannot switch itself"},
        {"enemy that never wakes", Source("########\n########\n##..*.##\n##CaWE##\n" + row6 + row6 + row6),
         "test.lvl:18: column 4: an enemy that no tile wakes (give it a group and a tile \"wake <group>\")"},
        {"moving lift without path",
         Source("########\n########\n##1.*.##\n##CaWE##\n###M####\n" + row6 + row6, "legend\nM = lift 0\nend\n"),
         "test.lvl:22: column 4: a lift of kind 0 needs a path (Missing waypoints at dynamic lifts.)"},
        {"sign text that would break the line", Source(GoodMap, "legend\nx = tile 23 text \"a;b\"\nend\n"),
         "test.lvl:15: a sign text cannot hold ';', '{', '}' or '\"'"},
        {"foreground piece behind", Source(GoodMap, "legend\nx = fg 1 behind\nend\n"),
         "test.lvl:15: only background scenery (bg) stands \"behind\""},
        {"unknown legend word", Source(GoodMap, "legend\nx = tile 100 shiny\nend\n"),
         "test.lvl:15: unknown word \"shiny\" in the legend"},
        {"a character defined twice", Source(GoodMap, "legend\nL = tile 100\nend\n"),
         "test.lvl:15: 'L' is already defined at line 12"},
        {"map too large", "level 1-1\n" + std::string(Legend) + "map\n" + std::string(4097, '#') + "\nend\n",
         "test.lvl:13: the map is 4097 x 1 tiles; the game takes at most 4096 x 4096 and 1048576 tiles"},
        {"no level line", std::string(Legend) + "map\n" + GoodMap + "end\n",
         "test.lvl:1: the source does not say which level it is (level W-L)"},
        {"backdrop of the wrong size", Source(GoodMap, "", "0-1"),
         "test.lvl:14: a backdrop level must be 28 to 36 columns wide and 25 to 29 rows high, not 8 x 7"},
    };
    for (const BadSource& c : cases)
        EXPECT_EQ(Refusal(c.text), c.message) << c.what;
}

TEST(LevelCompilerTest, BackdropNeedsASolidRing)
{
    std::string map;
    for (int y = 0; y < 25; ++y)
        map += (y == 0 || y == 24) ? std::string(32, '#') : "#" + std::string(30, '.') + (y == 12 ? "." : "#");
    for (std::size_t i = 32; i < map.size(); i += 33)
        map.insert(i, "\n");
    map += "\n";
    EXPECT_EQ(Refusal("level 0-3\n" + std::string(Legend) + "map\n" + map + "end\n"),
              "test.lvl:26: column 32: a backdrop level gets no border pass: its outer ring must be solid");
}

}  // namespace
