// levelrun <world> <level> <replay file>: searches the headless game for
// held keys that finish the level, checks them by playing them back on a new
// game, and writes them as a replay. It plays in a temporary folder that
// holds a copy of the built level archive.
#include "levelrun/LevelSearch.h"
#include "levelrun/PlayFolder.h"
#include "levelrun/Replay.h"
#include "levelrun/ReplayRun.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

namespace {

// The search's figures for a level, as its source records them.
std::string DifficultyLine(const levelrun::SearchResult& result)
{
    char share[32];
    std::snprintf(share, sizeof share, "%.1f", result.moves ? 100.0 * static_cast<double>(result.deaths) /
                                                                  static_cast<double>(result.moves)
                                                            : 0.0);
    return "// Difficulty (levelrun): " + std::to_string(result.expanded) + " states expanded, " +
           std::to_string(result.deaths) + " of " + std::to_string(result.moves) + " moves end in death (" + share +
           " %).";
}

int Run(std::uint16_t world, std::uint16_t level, const fs::path& output)
{
    const std::string name = std::to_string(world) + "-" + std::to_string(level);
    const auto start = std::chrono::steady_clock::now();
    replay::PlayFolder folder({VRENK_LEVELRUN_LEVELS});
    const levelrun::SearchResult result = levelrun::SearchLevel(world, level);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    if (!result.found) {
        std::cerr << "No way through level " << name << " found (" << spent.count() << " s).\n"
                  << DifficultyLine(result) << "\n";
        return 1;
    }
    const replay::ReplayOutcome outcome = replay::PlayReplay(world, level, result.steps);
    const GamePhase expected = world == 3 && level == 4 ? PhaseVictory : PhaseLevelCompleted;
    if (outcome.levelEndStep == 0 || outcome.afterLevelEnd != expected) {
        std::cerr << "The replay found for level " << name << " does not finish it when played back (level end at step "
                  << outcome.levelEndStep << ", then phase " << outcome.afterLevelEnd << ").\n";
        return 1;
    }
    const std::string text = replay::FormatReplay(
        result.steps, {"Level " + name + ", played from a new profile with the replay seed " +
                           std::to_string(replay::ReplaySeed) + ": the level ends at step " +
                           std::to_string(outcome.levelEndStep) + ".",
                       "Made by: levelrun " + std::to_string(world) + " " + std::to_string(level) + " " + name +
                           ".replay"});
    replay::WriteReplayFile(output.string(), text);
    std::cout << "Level " << name << ": level end at step " << outcome.levelEndStep << ", " << spent.count()
              << " s.\n"
              << DifficultyLine(result) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "Usage: levelrun <world> <level> <replay file>\n";
        return 2;
    }
    try {
        const int world = std::stoi(argv[1]);
        const int level = std::stoi(argv[2]);
        if (world < 0 || world > 3 || level < 1 || level > 6) {
            std::cerr << "No such level: " << argv[1] << "-" << argv[2] << "\n";
            return 2;
        }
        return Run(static_cast<std::uint16_t>(world), static_cast<std::uint16_t>(level), fs::absolute(argv[3]));
    } catch (const std::exception& error) {
        std::cerr << "levelrun: " << error.what() << "\n";
        return 1;
    }
}
