#pragma once

#include "levelrun/Replay.h"
#include "levelrun/ReplayServices.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Game;

namespace bench {

// The playing levels, in order.
struct LevelId {
    std::uint16_t world;
    std::uint16_t level;
    std::string Name() const { return std::to_string(world) + "-" + std::to_string(level); }
};
const std::vector<LevelId>& PlayingLevels();

// A game of a playing level taken halfway through its recorded run, with
// every enemy of the level woken and given time to come in, over headless
// services that go on holding the run's keys. The working directory must
// hold Data/Levels.vrk.
struct MidLevel {
    replay::Replay steps;  // the whole recorded run
    std::size_t next = 0;  // the first step of the run not yet played
    replay::ReplayServices services;
    std::unique_ptr<Game> game;

    // The keys of the run's step `next + offset`, going round at its end.
    replay::HeldKeys KeysAfter(std::size_t offset) const;
};

std::unique_ptr<MidLevel> PlayToMidLevel(const LevelId& level);

}  // namespace bench
