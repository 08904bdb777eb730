#include "levelrun/Replay.h"
#include "levelrun/ReplayRun.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Level {
    std::uint16_t world;
    std::uint16_t level;
};

std::string Name(const Level& level) { return std::to_string(level.world) + "-" + std::to_string(level.level); }

std::string TestName(const ::testing::TestParamInfo<Level>& param)
{
    return "Level" + std::to_string(param.param.world) + "_" + std::to_string(param.param.level);
}

class LevelReplay : public ::testing::TestWithParam<Level> {};

}  // namespace

// Each playing level is finished by its recorded run, played on a new game
// from a new profile; the last level ends the game.
TEST_P(LevelReplay, FinishesTheLevel)
{
    const Level level = GetParam();
    const std::string name = Name(level);
    const std::string file = std::string(VRENK_SOURCE_DIR) + "/content/levels/" + name + ".replay";
    const std::string remake = std::string("When the level or the game changed, make its replay again with:\n  ") +
                               VRENK_LEVELRUN + " " + std::to_string(level.world) + " " +
                               std::to_string(level.level) + " " + file;
    testsupport::TempDataDir dir;
    ASSERT_GT(dir.CopyBuiltArchives(), 0);
    replay::Replay steps;
    ASSERT_NO_THROW(steps = replay::ReadReplayFile(file)) << remake;

    const replay::ReplayOutcome outcome = replay::PlayReplay(level.world, level.level, steps);
    const GamePhase expected = level.world == 3 && level.level == 4 ? PhaseVictory : PhaseLevelCompleted;
    ASSERT_GT(outcome.levelEndStep, 0) << "The replay of level " << name << " no longer reaches the level end ("
                                       << steps.size() << " steps, last phase " << outcome.lastPhase << ").\n"
                                       << remake;
    EXPECT_EQ(outcome.afterLevelEnd, expected) << "Level " << name << " ended in the wrong phase.\n" << remake;
    EXPECT_EQ(outcome.afterStep, outcome.levelEndStep + 1) << remake;
}

INSTANTIATE_TEST_SUITE_P(PlayingLevels, LevelReplay,
                         ::testing::Values(Level{1, 1}, Level{1, 2}, Level{1, 3}, Level{1, 4}, Level{2, 1},
                                           Level{2, 2}, Level{2, 3}, Level{2, 4}, Level{3, 1}, Level{3, 2},
                                           Level{3, 3}, Level{3, 4}),
                         TestName);
