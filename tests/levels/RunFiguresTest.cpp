// The figures of the playing levels, from their recorded runs and their
// sources: how long each run plays, how long it stands idle, how far apart
// its checkpoints are, what it leaves behind, how high it climbs, and how
// hard the search for a run found each level.

#include "RecordedRun.h"

#include "game/objects/ItemKind.h"
#include "game/world/ItemProperty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace levels {
namespace {

// At least 60 seconds of play a level (40 for the first), 18 minutes in all,
// counted from the first playing step: the level's start sequence (the map
// overview and the spawn) is no play.
constexpr int FirstLevelSteps = 1600;
constexpr int LevelSteps = 2400;
constexpr int AllLevelsSteps = 43200;
// Four seconds.
constexpr int LongestIdle = 160;
// About 30 seconds of play lost at most with a life.
constexpr int CheckpointSpacing = 1300;
constexpr float LeastSpan = 5 * TileSize;
constexpr float TallSpan = 2 * ViewHeight;

// The steps of play of a run: from its first playing step to the level end.
int PlaySteps(const RecordedRun& run) { return run.levelEndStep - run.firstPlayStep; }

// Every playing level's run reaches its end, and plays long enough: each
// level from the second on for 2,400 steps or more, the first for 1,600,
// all twelve together for 43,200.
TEST(RunFigures, RunsPlayLongEnough)
{
    int total = 0;
    for (const Level& level : PlayingLevels) {
        const RecordedRun& run = RecordedRun::Of(level);
        ASSERT_GT(run.levelEndStep, 0) << Name(level) << ": the run never reaches the level end";
        ASSERT_GT(run.firstPlayStep, 0) << Name(level) << ": the run never plays";
        const int least = level.world == 1 && level.level == 1 ? FirstLevelSteps : LevelSteps;
        EXPECT_GE(PlaySteps(run), least) << Name(level) << ": the run plays " << PlaySteps(run)
                                         << " steps, from its first playing step " << run.firstPlayStep
                                         << " to the level end at step " << run.levelEndStep << "; it needs "
                                         << least;
        total += PlaySteps(run);
    }
    EXPECT_GE(total, AllLevelsSteps) << "the twelve runs play " << total << " steps in all";
}

// The stretches of a run, from its first playing step on, in which it holds
// no key: (first step, length).
std::vector<std::pair<int, int>> IdleStretches(const RecordedRun& run)
{
    std::vector<std::pair<int, int>> stretches;
    const int end = run.levelEndStep ? run.levelEndStep : static_cast<int>(run.steps.size());
    for (int n = std::max(run.firstPlayStep, 1); n <= end;) {
        const int start = n;
        while (n <= end && run.Step(n).keys == 0)
            ++n;
        if (n > start)
            stretches.emplace_back(start, n - start);
        else
            ++n;
    }
    return stretches;
}

// A run that waits before it moves waits in play: its opening counts.
TEST(RunFigures, IdleStretchesCountTheOpening)
{
    RecordedRun run;
    run.firstPlayStep = 131;
    run.steps.resize(3000);
    run.levelEndStep = 3000;
    for (int n = 2131; n <= 2200; ++n)
        run.steps[static_cast<std::size_t>(n - 1)].keys = 1;
    run.steps.back().keys = 1;
    const std::vector<std::pair<int, int>> expected = {{131, 2000}, {2201, 799}};
    EXPECT_EQ(IdleStretches(run), expected);
}

// From its first playing step on, no run holds nothing for more than four
// seconds on end (an opening of waiting counts as well).
TEST(RunFigures, RunsNeverStandIdleLong)
{
    for (const Level& level : PlayingLevels) {
        const RecordedRun& run = RecordedRun::Of(level);
        ASSERT_GT(run.firstPlayStep, 0) << Name(level) << ": the run never plays";
        for (const auto& stretch : IdleStretches(run))
            EXPECT_LE(stretch.second, LongestIdle) << Name(level) << ", step " << stretch.first
                                                   << ": the run holds nothing for " << stretch.second << " steps";
    }
}

// From the start of play to the first checkpoint touched, from each one to
// the next and from the last to the level end, a run plays at most about
// 30 seconds.
TEST(RunFigures, CheckpointsAreNeverFarApart)
{
    for (const Level& level : PlayingLevels) {
        const RecordedRun& run = RecordedRun::Of(level);
        ASSERT_GT(run.firstPlayStep, 0) << Name(level) << ": the run never plays";
        std::vector<int> marks{run.firstPlayStep};
        marks.insert(marks.end(), run.checkpointSteps.begin(), run.checkpointSteps.end());
        marks.push_back(run.levelEndStep ? run.levelEndStep : static_cast<int>(run.steps.size()));
        for (std::size_t k = 1; k < marks.size(); ++k) {
            const std::string from = k == 1 ? "the start of play" : "the checkpoint touched";
            const std::string to = k + 1 == marks.size() ? "the level end" : "the next checkpoint";
            EXPECT_LE(marks[k] - marks[k - 1], CheckpointSpacing)
                << Name(level) << ", step " << marks[k - 1] << ": " << from << " is " << marks[k] - marks[k - 1]
                << " steps before " << to << " (step " << marks[k] << ")";
        }
    }
}

// A reward that the player collects: coins, lives, hearts and ammunition.
bool IsReward(std::int32_t item) { return item >= ItemCoin && item <= ItemThreeMines; }

// Every level keeps a reward off its run's route: a coin, or an item block
// with a coin, a life, a heart or ammunition, that the run leaves.
TEST(RunFigures, EveryLevelKeepsARewardOffTheRoute)
{
    for (const Level& level : PlayingLevels) {
        const Tilemap& map = RecordedRun::Of(level).left.tilemap;
        bool left = false;
        for (std::uint32_t c = 0; c < map.Columns() && !left; ++c)
            for (std::uint32_t r = 0; r < map.Rows() && !left; ++r) {
                const Tile& tile = map.AtOrEmpty(c, r);
                left = tile.id == 21 || (tile.id == 1 && IsReward(tile.GetItemProperty().item));
            }
        EXPECT_TRUE(left) << Name(level) << ": the run collects every coin and opens every item block";
    }
}

// Every run climbs or drops five tiles or more between its highest and its
// lowest place, and in each world one run spans two screen heights.
TEST(RunFigures, RoutesSpanHeight)
{
    float tallest[4] = {0, 0, 0, 0};
    for (const Level& level : PlayingLevels) {
        const RecordedRun& run = RecordedRun::Of(level);
        float top = 1e9f;
        float bottom = -1e9f;
        for (const RunStep& step : run.steps)
            if (step.phase == PhasePlaying) {
                top = std::min(top, step.player.top);
                bottom = std::max(bottom, step.player.top);
            }
        const float span = bottom - top;
        EXPECT_GE(span, LeastSpan) << Name(level) << ": the route spans " << span << " px from its highest place ("
                                   << top << ") to its lowest (" << bottom << ")";
        tallest[level.world] = std::max(tallest[level.world], span);
    }
    for (int world = 1; world <= 3; ++world)
        EXPECT_GE(tallest[world], TallSpan) << "world " << world << ": the tallest route spans only "
                                            << tallest[world] << " px";
}

// The search's figures for a level as its source keeps them.
struct Difficulty {
    long expanded = 0;
    double deathShare = 0;  // in per cent
};

// Reads the line; false when the source has none. The share is the one its
// counts give, and the line's own per cent must show it as levelrun writes
// it (one decimal).
bool ReadDifficulty(const std::string& source, Difficulty& out, std::string& shown, std::string& written)
{
    static const std::regex line(
        R"(// Difficulty \(levelrun\): (\d+) states expanded, (\d+) of (\d+) moves end in death \(([0-9.]+) %\)\.)");
    std::smatch match;
    if (!std::regex_search(source, match, line))
        return false;
    const double moves = std::stod(match[3]);
    out.expanded = std::stol(match[1]);
    out.deathShare = moves > 0 ? 100.0 * std::stod(match[2]) / moves : 0;
    char share[32];
    std::snprintf(share, sizeof share, "%.1f", out.deathShare);
    shown = share;
    written = match[4];
    return true;
}

// The share of deadly moves of each level of a world lies in the world's
// band (the first level under 5 %), and within the world both figures grow
// from level to level. Each band starts where the one before ends, so every
// level of a world is harder than every level of the world before; the last
// world has none after it and its band is wide.
void ExpectDifficultyGrows(std::uint16_t world)
{
    struct Band {
        double low;
        double high;
    };
    const Band bands[4] = {{0, 0}, {0, 20}, {20, 35}, {35, 70}};
    Difficulty previous;
    for (const Level& level : PlayingLevels) {
        if (level.world != world)
            continue;
        Difficulty figures;
        std::string shown, written;
        ASSERT_TRUE(ReadDifficulty(RecordedRun::Of(level).source, figures, shown, written))
            << Name(level) << ": the source has no \"// Difficulty (levelrun): ...\" line";
        EXPECT_EQ(written, shown) << Name(level) << ": the difficulty line's per cent does not match its counts";
        const Band band = level.world == 1 && level.level == 1 ? Band{0, 5} : bands[level.world];
        EXPECT_TRUE(figures.deathShare >= band.low && figures.deathShare < band.high)
            << Name(level) << ": " << figures.deathShare << " % of the moves end in death, outside "
            << band.low << " to " << band.high << " %";
        if (level.level > 1) {
            EXPECT_GT(figures.expanded, previous.expanded)
                << Name(level) << ": " << figures.expanded << " states expanded, no more than the level before ("
                << previous.expanded << ")";
            EXPECT_GT(figures.deathShare, previous.deathShare)
                << Name(level) << ": " << figures.deathShare << " % deaths, no more than the level before ("
                << previous.deathShare << " %)";
        }
        previous = figures;
    }
}

TEST(RunFigures, DifficultyGrowsInTheForest) { ExpectDifficultyGrows(1); }

TEST(RunFigures, DifficultyGrowsInTheVolcano) { ExpectDifficultyGrows(2); }

TEST(RunFigures, DifficultyGrowsInTheLaboratory) { ExpectDifficultyGrows(3); }

}  // namespace
}  // namespace levels
