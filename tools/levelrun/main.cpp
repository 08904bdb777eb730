// levelrun <world> <level> <replay file> [<level source>]: searches the
// headless game for held keys that finish the level, checks them by playing
// them back on a new game, writes them as a replay, and writes the search's
// figures as the difficulty line of the level source (by default the .lvl
// beside the replay).
//
// levelrun --check <world> <level> <replay file> <level source>: searches
// again and compares the replay and the difficulty line it would write, byte
// for byte, with the ones kept; exits 1 and says how to make them again when
// they differ.
//
// It plays in a temporary folder that holds a copy of the built level
// archive.
#include "levelrun/LevelSearch.h"
#include "levelrun/LevelSourceText.h"
#include "levelrun/PlayFolder.h"
#include "levelrun/Replay.h"
#include "levelrun/ReplayRun.h"

#include <chrono>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr const char* Usage =
    "Usage: levelrun <world> <level> <replay file> [<level source>]\n"
    "       levelrun --check <world> <level> <replay file> <level source>\n";

struct Request {
    bool check = false;
    std::uint16_t world = 0;
    std::uint16_t level = 0;
    fs::path replay;
    fs::path source;
    // Whether the source was named or taken from beside the replay.
    bool sourceNamed = false;
    // The command that makes the replay and the line again.
    std::string remake;
};

// What a search made: the replay's text and the difficulty line.
struct Made {
    std::string replay;
    std::string difficulty;
    int levelEndStep = 0;
};

std::string ReadText(const fs::path& path, bool& found)
{
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::ostringstream text;
    if (found)
        text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out)
        throw std::runtime_error("Cannot write " + path.string());
}

// Searches the level and plays the run found back; false (having said why)
// when there is none that finishes it.
bool Search(const Request& request, const std::string& name, Made& made)
{
    const auto start = std::chrono::steady_clock::now();
    replay::PlayFolder folder({VRENK_LEVELRUN_LEVELS});
    const levelrun::SearchResult result = levelrun::SearchLevel(request.world, request.level);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    made.difficulty = replay::DifficultyLine(result.expanded, result.deaths, result.moves);
    if (!result.found) {
        std::cerr << "No way through level " << name << " found (" << spent.count() << " s).\n"
                  << made.difficulty << "\n";
        return false;
    }
    const replay::ReplayOutcome outcome = replay::PlayReplay(request.world, request.level, result.steps);
    const GamePhase expected = request.world == 3 && request.level == 4 ? PhaseVictory : PhaseLevelCompleted;
    if (outcome.levelEndStep == 0 || outcome.afterLevelEnd != expected) {
        std::cerr << "The replay found for level " << name << " does not finish it when played back (level end at step "
                  << outcome.levelEndStep << ", then phase " << outcome.afterLevelEnd << ").\n";
        return false;
    }
    made.levelEndStep = outcome.levelEndStep;
    made.replay = replay::FormatReplay(
        result.steps, {"Level " + name + ", played from a new profile with the replay seed " +
                           std::to_string(replay::ReplaySeed) + ": the level ends at step " +
                           std::to_string(outcome.levelEndStep) + ".",
                       "Made by: levelrun " + std::to_string(request.world) + " " + std::to_string(request.level) +
                           " " + name + ".replay"});
    std::cout << "Level " << name << ": level end at step " << outcome.levelEndStep << ", " << spent.count()
              << " s.\n"
              << made.difficulty << "\n";
    return true;
}

int Write(const Request& request, const std::string& name)
{
    bool sourceFound = false;
    const std::string source = ReadText(request.source, sourceFound);
    if (!sourceFound && request.sourceNamed) {
        std::cerr << "Cannot read the level source " << request.source.string() << ".\n";
        return 1;
    }
    Made made;
    if (!Search(request, name, made))
        return 1;
    WriteText(request.replay, made.replay);
    if (!sourceFound) {
        std::cout << "No level source beside the replay (" << request.source.string()
                  << "): the difficulty line is written into none.\n";
        return 0;
    }
    WriteText(request.source, replay::WithDifficultyLine(source, made.difficulty));
    std::cout << "Wrote " << request.replay.string() << " and the difficulty line of " << request.source.string()
              << ".\n";
    return 0;
}

int Check(const Request& request, const std::string& name)
{
    bool replayFound = false;
    bool sourceFound = false;
    const std::string replay = ReadText(request.replay, replayFound);
    const std::string source = ReadText(request.source, sourceFound);
    if (!sourceFound) {
        std::cerr << "Cannot read the level source " << request.source.string() << ".\n";
        return 1;
    }
    Made made;
    if (!Search(request, name, made)) {
        std::cerr << "Level " << name << ": mend the level so that a run finishes it, then make its run with:\n  "
                  << request.remake << "\n";
        return 1;
    }
    bool same = true;
    const std::string kept = replay::FindDifficultyLine(source);
    if (kept != made.difficulty) {
        same = false;
        std::cerr << "Level " << name << ": the difficulty line of " << request.source.string()
                  << " is not the search's.\n  kept:   " << (kept.empty() ? "(none)" : kept)
                  << "\n  search: " << made.difficulty << "\n";
    }
    if (!replayFound) {
        same = false;
        std::cerr << "Level " << name << ": there is no replay " << request.replay.string() << ".\n";
    } else if (replay != made.replay) {
        same = false;
        const replay::TextDifference difference = replay::FirstDifference(replay, made.replay);
        std::cerr << "Level " << name << ": the replay " << request.replay.string()
                  << " is not the search's run (which ends the level at step " << made.levelEndStep
                  << "); they part at line " << difference.line << ".\n  kept:   " << difference.kept
                  << "\n  search: " << difference.made << "\n";
    }
    if (!same) {
        std::cerr << "The level (or the game) changed since its run was made: make them again with\n  "
                  << request.remake << "\n";
        return 1;
    }
    std::cout << "Level " << name << ": the replay and the difficulty line kept are the search's.\n";
    return 0;
}

int ReadNumber(const std::string& text)
{
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used != text.size())
        throw std::invalid_argument(text);
    return value;
}

}  // namespace

int main(int argc, char** argv)
{
    Request request;
    int first = 1;
    if (argc > 1 && std::string(argv[1]) == "--check") {
        request.check = true;
        first = 2;
    }
    const int given = argc - first;
    if (request.check ? given != 4 : given != 3 && given != 4) {
        std::cerr << Usage;
        return 2;
    }
    try {
        int world = 0;
        int level = 0;
        try {
            world = ReadNumber(argv[first]);
            level = ReadNumber(argv[first + 1]);
        } catch (const std::logic_error&) {
            std::cerr << Usage;
            return 2;
        }
        if (world < 0 || world > 3 || level < 1 || level > 6) {
            std::cerr << "No such level: " << argv[first] << "-" << argv[first + 1] << "\n";
            return 2;
        }
        request.world = static_cast<std::uint16_t>(world);
        request.level = static_cast<std::uint16_t>(level);
        request.replay = fs::absolute(argv[first + 2]);
        request.sourceNamed = given == 4;
        request.source = request.sourceNamed ? fs::absolute(argv[first + 3])
                                             : fs::path(request.replay).replace_extension(".lvl");
        request.remake = std::string(argv[0]) + " " + argv[first] + " " + argv[first + 1] + " " + argv[first + 2] +
                         (request.sourceNamed ? std::string(" ") + argv[first + 3] : std::string());
        const std::string name = std::to_string(world) + "-" + std::to_string(level);
        return request.check ? Check(request, name) : Write(request, name);
    } catch (const std::exception& error) {
        std::cerr << "levelrun: " << error.what() << "\n";
        return 1;
    }
}
