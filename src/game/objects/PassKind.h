#pragma once

#include <cstdint>

struct Tile;

// The blocking class of a tile, as the tile passes hand it to
// Collidable::IsBlocking.
enum PassKind : std::int32_t {
    PassFree = 0,
    PassSolid = 1,            // IsTileSolid
    PassWalkerSolid = 2,      // flag 0x10: stops the player and enemies only
    PassEnemyBarrier = 3,     // tile 22: stops enemies only
    PassLeftwardsOnly = 4,    // tile 17
    PassRightwardsOnly = 5,   // tile 18
    PassPlatform = 6,         // tile 19: can be jumped through from below
    PassSolidFromBelow = 7,   // tile 20
};

// The pass kind of a tile: solid first, then flag 0x10, then by id.
PassKind GetPassKind(const Tile& tile);
