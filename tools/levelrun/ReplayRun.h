#pragma once

#include "game/sim/GamePhase.h"
#include "levelrun/Replay.h"
#include "levelrun/ReplayServices.h"

#include <cstdint>
#include <memory>

class Game;

namespace replay {

// The seed of the random engine for every recorded run: a replay holds only
// keys, so it plays the same only from the same seed.
constexpr std::uint32_t ReplaySeed = 20110418u;

// Gives the services a fresh profile with the default stats, set to play
// (world, level), as their current profile. The profile is saved in the
// working directory's Data/.
void PrepareReplayProfile(ReplayServices& services, std::uint16_t world, std::uint16_t level);

// A new game of (world, level) over the services for a fresh profile
// (PrepareReplayProfile), the random engine seeded with ReplaySeed. The
// working directory must hold Data/Levels.vrk.
std::unique_ptr<Game> StartReplayGame(ReplayServices& services, std::uint16_t world, std::uint16_t level);

// What a replay led to. Steps count the game's updates from 1.
struct ReplayOutcome {
    // The step at which the level end (phase 8) was reached; 0 when never.
    int levelEndStep = 0;
    // The phase after the level end (3 level completed, 9 victory) and its
    // step; PhaseLevelEnd and 0 when the replay stopped before it.
    GamePhase afterLevelEnd = PhaseLevelEnd;
    int afterStep = 0;
    // The phase after the replay's last step.
    GamePhase lastPhase = PhaseLevelStart;
};

// Plays the replay on a new game (StartReplayGame) to its end.
ReplayOutcome PlayReplay(std::uint16_t world, std::uint16_t level, const Replay& steps);

}  // namespace replay
