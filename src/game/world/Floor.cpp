#include "game/world/Floor.h"

#include "game/world/Tile.h"
#include "game/world/TileFlags.h"
#include "game/world/Tilemap.h"

namespace {

// Tiles that carry a floor on their top: walls, slopes and fading blocks.
constexpr std::uint32_t SurfaceFlags = TileFlag::Wall | TileFlag::RisingSlope | TileFlag::FallingSlope | TileFlag::Fading;

bool HasSurface(const Tilemap& tilemap, std::int32_t x, std::int32_t y)
{
    return (GetTileFlags(tilemap.AtOrEmpty(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)).id) &
            SurfaceFlags) != 0;
}

}  // namespace

bool Floor::UpdateShape(const Tilemap& tilemap)
{
    if (HasSurface(tilemap, x, y - 1))
        return false;
    const std::uint32_t flags = GetTileFlags(tilemap.AtOrEmpty(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)).id);
    if (flags & TileFlag::RisingSlope) {
        shape = OnRisingSlope;
        return true;
    }
    if (flags & TileFlag::FallingSlope) {
        shape = OnFallingSlope;
        return true;
    }
    if (!(flags & SurfaceFlags))
        return false;
    const bool left = HasSurface(tilemap, x - 1, y);
    const bool right = HasSurface(tilemap, x + 1, y);
    if (left)
        shape = right ? Middle : RightEnd;
    else
        shape = right ? LeftEnd : Single;
    return true;
}
