#pragma once

#include <cstdint>
#include <limits>
#include <vector>

class World;

namespace levelrun {

// The number of tile moves from each tile of a level to a goal tile, for a
// player that walks, falls, climbs, jumps up to three tiles above something
// to stand on (eight above a trampoline), rides the lifts' paths and enters
// warps; with the jetpack it goes up anywhere. A rough guide for the
// search, not an exact path: enemies, timing and the one-way doors' sides
// are ignored.
class WayMap {
public:
    static constexpr int Unreachable = std::numeric_limits<int>::max();

    WayMap(const World& world, int goalColumn, int goalRow, bool flying);

    // Unreachable outside the map.
    int MovesFrom(float x, float y) const;

private:
    int columns_;
    int rows_;
    std::vector<int> moves_;
};

}  // namespace levelrun
