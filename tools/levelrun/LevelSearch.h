#pragma once

#include "levelrun/Replay.h"

#include <cstdint>

namespace levelrun {

struct SearchResult {
    bool found = false;
    // From the first step of a new game to one step past the level end.
    replay::Replay steps;
    // Search nodes expanded.
    long expanded = 0;
};

// Searches the headless game of (world, level), started as the replays
// start it, for held keys that reach the level end without losing a life.
// The working directory must hold Data/Levels.vrk.
SearchResult SearchLevel(std::uint16_t world, std::uint16_t level);

}  // namespace levelrun
