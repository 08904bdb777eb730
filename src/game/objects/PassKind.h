#pragma once

#include <cstdint>

// How a tile lets objects through, as the tile passes hand it to
// Collidable::IsBlocking (the tiles give theirs with GetPassKind).
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
