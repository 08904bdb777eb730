#pragma once

#include "game/world/TilePos.h"

#include <cstdint>
#include <map>
#include <vector>

class Collidable;
class Lift;
class World;

// The game's collision object: the passes that move an object against the
// 36-pixel tile grid, and, while the player moves, the record of every tile
// that the player's box touched and from which side.
//
// The level's solid border keeps every object inside the grid; the passes
// rely on it and index the grid without range checks of their own (a cell
// outside the grid reads as an empty tile).
class TileCollider {
public:
    // Contact values of the touched-tile record.
    static constexpr std::int32_t ContactOverlap = 0;
    static constexpr std::int32_t ContactWall = 1;
    static constexpr std::int32_t ContactFloor = 2;    // landed on it from above
    static constexpr std::int32_t ContactCeiling = 3;  // bumped it from below
    static constexpr std::int32_t ContactInside = 4;   // the tile at the top edge, one column wide

    // Cells ordered as unsigned integers, column first.
    struct CellOrder {
        bool operator()(const TilePos& a, const TilePos& b) const {
            const auto ax = static_cast<std::uint32_t>(a.x), bx = static_cast<std::uint32_t>(b.x);
            if (ax != bx)
                return ax < bx;
            return static_cast<std::uint32_t>(a.y) < static_cast<std::uint32_t>(b.y);
        }
    };
    using TouchedTileMap = std::map<TilePos, std::int32_t, CellOrder>;

    TileCollider();
    // Points the collider at the live world and its lifts (also after the
    // world was replaced by a checkpoint copy); null detaches it.
    void SetWorld(World* liveWorld);

    // Catches the object on a lift and adds the lift's motion of this step.
    void CarryOnLifts(Collidable& object, bool slowed);
    // Only while recording: empties the record and fills it from the box.
    void RecordTouchedTiles(Collidable& object);
    void ResolveSlopes(Collidable& object);
    // Opens the tiles beside a slope's high end for this step.
    void OpenSlopeNeighbours(Collidable& object);
    // Slope corners at the left edge, then at the right edge.
    void ResolveSlopeCorners(Collidable& object);
    void ResolveSlopeCornersRight(Collidable& object);
    void ResolveSlopeUndersides(Collidable& object);
    // Floors and ceilings, then walls.
    void ResolveSolids(Collidable& object);
    // Searches of ResolveSolids; true when a blocking tile was found. The
    // column or row searched is given back.
    bool FindWall(Collidable& object, int& column, float edgeX);
    bool FindFloorOrCeiling(Collidable& object, int& row, float edgeY, bool upwards);

    // Set by the game only while the player is being moved.
    bool recording;
    // The player's contacts of its last move; read by the game's contact
    // handling.
    TouchedTileMap touchedTiles;
    World* world;
    std::vector<Lift>* lifts;

private:
    std::uint32_t TileFlagsAt(int column, int row) const;
    bool IsRisingSlope(int column, int row) const;
    bool IsFallingSlope(int column, int row) const;
    bool Blocks(const Collidable& object, int column, int row, bool vertical) const;
    // The neighbours of a slope at (column, row), from the slope pass.
    void OpenSlopeNeighbours(Collidable& object, int column, int row);
    // The grid's size, 0 x 0 without a world.
    int Columns() const;
    int Rows() const;
};
