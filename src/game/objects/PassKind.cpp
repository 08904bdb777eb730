#include "game/objects/PassKind.h"

#include "game/world/Tile.h"
#include "game/world/TileFlags.h"

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
