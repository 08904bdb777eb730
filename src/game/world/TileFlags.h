#pragma once

#include "game/objects/PassKind.h"

#include <array>
#include <cstdint>

struct Tile;

// What the game knows about a tile id, as a bit mask (GetTileFlags).
namespace TileFlag {
constexpr std::uint32_t Special = 0x1;          // drawn from the special tile texture
constexpr std::uint32_t Wall = 0x2;             // solid
constexpr std::uint32_t RisingSlope = 0x4;
constexpr std::uint32_t FallingSlope = 0x8;
constexpr std::uint32_t WalkerSolid = 0x10;     // solid for the player and enemies only
constexpr std::uint32_t Climbable = 0x20;
constexpr std::uint32_t Fading = 0x40;          // solid while its frame is below 28
constexpr std::uint32_t Deadly = 0x80;
constexpr std::uint32_t LavaSound = 0x100;
constexpr std::uint32_t CounterRuns = 0x200;
constexpr std::uint32_t ItemBlock = 0x400;      // releases its item when hit from below
constexpr std::uint32_t SolidAtFrame0 = 0x800;  // solid only while its frame is 0
constexpr std::uint32_t BorderAllowed = 0x1000;
constexpr std::uint32_t SolidSpecial = 0x2000;
constexpr std::uint32_t Glow = 0x4000;          // drawn in a second pass with a glow
constexpr std::uint32_t HasTargets = 0x8000;
constexpr std::uint32_t Secret = 0x10000;       // hidden while secret tiles are hidden
}  // namespace TileFlag

// The flags of every id up to the highest the game knows, by id; made at
// compile time, so that a lookup costs no call (the step looks up every
// tile of the map).
extern const std::array<std::uint32_t, 256> TileFlagsById;

// The flags of a tile id; 0 for an id that the game does not know.
inline std::uint32_t GetTileFlags(std::uint32_t id) { return id < TileFlagsById.size() ? TileFlagsById[id] : 0; }

// Whether the tile stops objects like a wall (fading and power-up blocks by
// their frame).
bool IsTileSolid(const Tile& tile);

// The blocking class of a tile, which the tile passes hand to
// Collidable::IsBlocking: solid first, then flag 0x10, then by id.
PassKind GetPassKind(const Tile& tile);
