#include "game/world/LevelCheck.h"

#include "game/objects/Lift.h"
#include "game/world/TargetProperty.h"
#include "game/world/Tile.h"
#include "game/world/TileIds.h"
#include "game/world/Tilemap.h"
#include "game/world/World.h"

#include "app/GameLogicError.h"

#include <cstddef>

void CheckLevel(const Tilemap& tilemap, const std::vector<Lift>& lifts)
{
    // Counted wide: a count that wrapped could pass for one.
    std::size_t checkpoints = 0;
    std::size_t levelEnds = 0;
    bool warpIntoBorder = false;
    const std::int32_t columns = static_cast<std::int32_t>(tilemap.Columns());
    const std::int32_t rows = columns > 0 ? static_cast<std::int32_t>(tilemap.Rows()) : 0;
    for (std::int32_t x = 0; x < columns; ++x)
        for (std::int32_t y = 0; y < rows; ++y) {
            const std::uint32_t id = tilemap.At(x, y).id;
            if (id == ActiveCheckpointId)
                ++checkpoints;
            else if (id == LevelEndId)
                ++levelEnds;
            else if (id == WarpId)
                for (const TilePos& target : tilemap.At(x, y).GetTargetProperty().targets)
                    warpIntoBorder = warpIntoBorder || tilemap.InBorderRing(target.x, target.y);
        }
    if (checkpoints != 1)
        throw GameLogicError("No unique active checkpoint found.");
    if (levelEnds == 0)
        throw GameLogicError("No level-end flag found.");
    for (const Lift& lift : lifts)
        if (lift.kind != Lift::TriggeredDrop && lift.waypoints.empty())
            throw GameLogicError("Missing waypoints at dynamic lifts.");
    // The border would hold the player in solid ground at the map's edge,
    // from where the collision pushes it off the map.
    if (warpIntoBorder)
        throw GameLogicError("A warp leads into the border.");
}

void CheckLevel(const World& world)
{
    CheckLevel(world.tilemap, world.lifts);
}
