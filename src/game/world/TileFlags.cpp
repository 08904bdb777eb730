#include "game/world/TileFlags.h"

#include "game/world/FrameProperty.h"
#include "game/world/Tile.h"

#include <array>

namespace {

struct TileFlagRow {
    std::uint32_t first;
    std::uint32_t last;
    std::uint32_t flags;
};

// Every known id; the ids of each row run from first to last.
constexpr TileFlagRow TileFlagTable[] = {
    {0, 0, 0x10001},    {22, 22, 0x10001},
    {1, 1, 0x2401},
    {2, 4, 0x0C01},
    {5, 5, 0x0001},     {7, 7, 0x0001},     {14, 21, 0x0001},   {23, 23, 0x0001},
    {6, 6, 0x0201},     {12, 12, 0x0201},
    {8, 8, 0x8001},
    {9, 9, 0xA201},
    {10, 10, 0x8201},
    {11, 11, 0x2201},   {13, 13, 0x2201},
    {24, 24, 0x13001},
    {100, 109, 0x1002}, {112, 112, 0x1002}, {114, 125, 0x1002},
    {110, 111, 0x5002}, {113, 113, 0x5002},
    {128, 140, 0x0004},
    {142, 154, 0x0008},
    {156, 158, 0x0010},
    {164, 169, 0x0020},
    {170, 170, 0x0240}, {177, 177, 0x0240}, {184, 184, 0x0240},
    {198, 198, 0x5080}, {226, 226, 0x5080},
    {212, 212, 0x5180}, {240, 240, 0x5180},
};

}  // namespace

constexpr std::array<std::uint32_t, 256> TileFlagsById = [] {
    std::array<std::uint32_t, 256> table{};
    for (const TileFlagRow& row : TileFlagTable)
        for (std::uint32_t id = row.first; id <= row.last; ++id)
            table[id] = row.flags;
    return table;
}();

bool IsTileSolid(const Tile& tile) {
    const std::uint32_t flags = GetTileFlags(tile.id);
    if (flags & (TileFlag::Wall | TileFlag::SolidSpecial))
        return true;
    if (flags & TileFlag::SolidAtFrame0)
        return tile.GetFrameProperty().frame == 0;
    if (flags & TileFlag::Fading)
        return tile.GetFrameProperty().frame < 28;
    return false;
}

PassKind GetPassKind(const Tile& tile) {
    if (IsTileSolid(tile))
        return PassSolid;
    if (GetTileFlags(tile.id) & TileFlag::WalkerSolid)
        return PassWalkerSolid;
    switch (tile.id) {
    case 22:
        return PassEnemyBarrier;
    case 17:
        return PassLeftwardsOnly;
    case 18:
        return PassRightwardsOnly;
    case 19:
        return PassPlatform;
    case 20:
        return PassSolidFromBelow;
    default:
        return PassFree;
    }
}
