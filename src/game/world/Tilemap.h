#pragma once

#include "game/world/Floor.h"
#include "game/world/Tile.h"
#include "game/world/TilePos.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <vector>

class Enemy;

// The level's grid of tiles, addressed [x][y] (column, row), with its side
// tables: the enemies that trigger tiles wake, the floor strips on top of
// surfaces, and the surface tiles that are drawn without blending into
// their neighbours.
class Tilemap {
public:
    using EnemySet = std::set<Enemy*>;
    using LinkMap = std::map<TilePos, EnemySet>;
    using FloorMap = std::map<TilePos, Floor>;

    // The 3 x 3 tiles around a tile that the tile shader blends;
    // entry (dx + 1) + 3 * (dy + 1), dy -1 being the row above.
    struct Neighbours {
        const Tile* tiles[9];
        const Tile& operator[](std::size_t index) const { return *tiles[index]; }
    };

    // 15 columns of 15 empty tiles.
    Tilemap();

    // The tile at (x, y); std::out_of_range "Tilemap::At() - subscript out
    // of range" outside the grid.
    Tile& At(std::int32_t x, std::int32_t y);
    const Tile& At(std::int32_t x, std::int32_t y) const;
    // The tile at (x, y), or one shared empty tile outside the grid (negative
    // coordinates count as outside). Never fails.
    const Tile& AtOrEmpty(std::uint32_t x, std::uint32_t y) const;

    std::uint32_t Columns() const { return static_cast<std::uint32_t>(grid_.size()); }
    // The tiles of column x from the top row down, for loops over the whole
    // grid; std::out_of_range outside it.
    std::vector<Tile>& Column(std::uint32_t x) { return grid_.at(x); }
    // The height of column 0; std::out_of_range "invalid vector<T> subscript"
    // when the grid has no column.
    std::uint32_t Rows() const;

    // width columns of height empty tiles; the side tables are emptied.
    void Resize(std::uint32_t width, std::uint32_t height);
    // Every tile empty, the size kept; the side tables are emptied.
    void Clear();
    // Turns the outer two tiles into border blocks (unless their tile is
    // allowed on the border) and border blocks inside into empty tiles.
    void InitBorder();
    // Whether (x, y) lies in the ring of the outer two tiles that becomes
    // the border.
    bool InBorderRing(std::int32_t x, std::int32_t y) const;
    // The same for a map of columns x rows tiles: the one rule that the
    // border pass and the level compiler share.
    static bool InBorderRing(std::int32_t x, std::int32_t y, std::int32_t columns, std::int32_t rows);

    // The enemies that the tile at (x, y) wakes; empty when there are none.
    const EnemySet& GetLinkedEnemies(std::int32_t x, std::int32_t y) const;
    const LinkMap& GetLinks() const { return links_; }
    void LinkEnemy(std::int32_t x, std::int32_t y, Enemy* enemy);
    // Removes the enemy from the tile's links (and the tile's entry once it
    // holds no enemy).
    void UnlinkEnemyAt(Enemy* enemy, std::int32_t x, std::int32_t y);
    // Removes the enemy from the links of every tile but `except`.
    void UnlinkEnemy(Enemy* enemy, const Tile& except);
    // Removes each of the enemies from the links of every tile but `except`.
    void RemoveEnemyLinks(const EnemySet& enemies, const Tile& except);
    // Removes the enemy from every tile's links: for an enemy that leaves
    // the world while still linked.
    void UnlinkEnemyEverywhere(const Enemy* enemy);
    // Forgets every link of the tile at (x, y).
    void EraseLinks(std::int32_t x, std::int32_t y);
    // Replaces every linked enemy that the map names by its image; enemies
    // that it does not name stay linked as they are.
    void RemapLinks(const std::map<const Enemy*, Enemy*>& images);

    // The neighbourhood for blending; all nine entries are the tile itself
    // when blend is false, the tile is no wall or slope, or it was asked not
    // to blend.
    Neighbours GetNeighbours(bool blend, std::int32_t x, std::int32_t y) const;

    const FloorMap& GetFloors() const { return floors_; }
    // Calls the function for each floor in (x, y) order (an empty function
    // raises std::bad_function_call).
    void ForEachFloor(const std::function<void(Floor&)>& function);
    // Stores the floor under its position, replacing an earlier one.
    void SetFloor(const Floor& floor);
    // Drops every floor outside the grid or that can no longer stand.
    void RemoveInvalidFloors();

    // Whether the wall or slope tile at (x, y) blends with its neighbours.
    void SetBlending(std::int32_t x, std::int32_t y, bool blend);
    bool IsNonBlending(std::int32_t x, std::int32_t y) const { return nonBlending_.count(TilePos(x, y)) != 0; }
    const std::set<TilePos>& GetNonBlending() const { return nonBlending_; }

private:
    void ClearSideTables();

    std::vector<std::vector<Tile>> grid_;
    LinkMap links_;
    FloorMap floors_;
    std::set<TilePos> nonBlending_;
};
