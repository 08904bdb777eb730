#pragma once

#include <cstdint>
#include <vector>

class Lift;
class Tilemap;
class World;

// The largest map that a level file may ask for: the loader refuses larger
// ones as invalid data.
constexpr std::uint32_t MaxLevelColumns = 4096;
constexpr std::uint32_t MaxLevelRows = 4096;
constexpr std::uint32_t MaxLevelTiles = 1u << 20;

// Whether a loaded level can be played: exactly one active checkpoint, at
// least one level-end flag, a path for every lift that moves by itself
// (every kind but the triggered drop), and no warp into the ring of the
// outer two tiles that becomes the border. Throws GameLogicError with "No
// unique active checkpoint found.", "No level-end flag found.", "Missing
// waypoints at dynamic lifts." or "A warp leads into the border.", tested in
// that order.
void CheckLevel(const Tilemap& tilemap, const std::vector<Lift>& lifts);
void CheckLevel(const World& world);
