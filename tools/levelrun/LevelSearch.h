#pragma once

#include "levelrun/Replay.h"

#include <cstdint>

namespace levelrun {

struct SearchResult {
    bool found = false;
    // From the first step of a new game to one step past the level end.
    replay::Replay steps;
    // Search nodes expanded: the effort the level asks of the search.
    long expanded = 0;
    // Moves tried from the expanded nodes, and how many of them end in the
    // player's death: the share of deadly moves tells how unforgiving the
    // level is.
    long moves = 0;
    long deaths = 0;
};

// Searches the headless game of (world, level), started as the replays
// start it, for held keys that reach the level end without losing a life.
// The working directory must hold Data/Levels.vrk.
SearchResult SearchLevel(std::uint16_t world, std::uint16_t level);

}  // namespace levelrun
