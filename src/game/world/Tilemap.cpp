#include "game/world/Tilemap.h"

#include "game/world/TileFlags.h"
#include "game/world/TileIds.h"

#include <stdexcept>
#include <utility>

namespace {

constexpr std::uint32_t BlendFlags = TileFlag::Wall | TileFlag::RisingSlope | TileFlag::FallingSlope;

const Tilemap::EnemySet& NoEnemies()
{
    static const Tilemap::EnemySet none;
    return none;
}

void MakeEmpty(Tile& tile, std::uint32_t id)
{
    tile.id = id;
    tile.counter = 0;
    CreateTileProperty(tile, true);
}

}  // namespace

Tilemap::Tilemap() : grid_(15, std::vector<Tile>(15)) {}

Tile& Tilemap::At(std::int32_t x, std::int32_t y)
{
    return const_cast<Tile&>(static_cast<const Tilemap&>(*this).At(x, y));
}

const Tile& Tilemap::At(std::int32_t x, std::int32_t y) const
{
    if (x < 0 || y < 0 || static_cast<std::size_t>(x) >= grid_.size() ||
        static_cast<std::size_t>(y) >= grid_[static_cast<std::size_t>(x)].size())
        throw std::out_of_range("Tilemap::At() - subscript out of range");
    return grid_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

const Tile& Tilemap::AtOrEmpty(std::uint32_t x, std::uint32_t y) const
{
    static const Tile empty;
    if (grid_.empty() || x >= grid_.size() || y >= grid_[0].size() || y >= grid_[x].size())
        return empty;
    return grid_[x][y];
}

std::uint32_t Tilemap::Rows() const
{
    if (grid_.empty())
        throw std::out_of_range("invalid vector<T> subscript");
    return static_cast<std::uint32_t>(grid_[0].size());
}

void Tilemap::ClearSideTables()
{
    links_.clear();
    floors_.clear();
    nonBlending_.clear();
}

void Tilemap::Resize(std::uint32_t width, std::uint32_t height)
{
    std::vector<std::vector<Tile>> grid(width, std::vector<Tile>(height));
    grid_.swap(grid);
    ClearSideTables();
}

void Tilemap::Clear()
{
    for (std::vector<Tile>& column : grid_)
        for (Tile& tile : column) {
            tile.id = 0;
            tile.counter = 0;
            tile.property.reset();
        }
    ClearSideTables();
}

void Tilemap::InitBorder()
{
    const std::int32_t columns = static_cast<std::int32_t>(Columns());
    const std::int32_t rows = static_cast<std::int32_t>(Rows());
    for (std::int32_t x = 0; x < columns; ++x)
        for (std::int32_t y = 0; y < rows; ++y) {
            Tile& tile = At(x, y);
            if (InBorderRing(x, y)) {
                if (!(GetTileFlags(tile.id) & TileFlag::BorderAllowed))
                    MakeEmpty(tile, BorderBlockId);
            } else if (tile.id == BorderBlockId) {
                MakeEmpty(tile, 0);
            }
        }
}

bool Tilemap::InBorderRing(std::int32_t x, std::int32_t y) const
{
    return InBorderRing(x, y, static_cast<std::int32_t>(Columns()), static_cast<std::int32_t>(Rows()));
}

bool Tilemap::InBorderRing(std::int32_t x, std::int32_t y, std::int32_t columns, std::int32_t rows)
{
    return x < BorderWidth || x >= columns - BorderWidth || y < BorderWidth || y >= rows - BorderWidth;
}

const Tilemap::EnemySet& Tilemap::GetLinkedEnemies(std::int32_t x, std::int32_t y) const
{
    auto found = links_.find(TilePos(x, y));
    return found == links_.end() ? NoEnemies() : found->second;
}

void Tilemap::LinkEnemy(std::int32_t x, std::int32_t y, Enemy* enemy)
{
    links_[TilePos(x, y)].insert(enemy);
}

void Tilemap::UnlinkEnemyAt(Enemy* enemy, std::int32_t x, std::int32_t y)
{
    auto found = links_.find(TilePos(x, y));
    if (found == links_.end())
        return;
    found->second.erase(enemy);
    if (found->second.empty())
        links_.erase(found);
}

// Only tiles with links can lose one, so the walks below visit the link
// entries rather than the whole grid; the except tile is found by identity.
void Tilemap::UnlinkEnemy(Enemy* enemy, const Tile& except)
{
    for (auto it = links_.begin(); it != links_.end();) {
        auto next = std::next(it);
        if (&At(it->first.x, it->first.y) != &except) {
            it->second.erase(enemy);
            if (it->second.empty())
                links_.erase(it);
        }
        it = next;
    }
}

void Tilemap::RemoveEnemyLinks(const EnemySet& enemies, const Tile& except)
{
    if (enemies.empty())
        return;
    // The set may be one of this map's own entries: work on a copy.
    const EnemySet wanted = enemies;
    if (wanted.size() == 1) {
        UnlinkEnemy(*wanted.begin(), except);
        return;
    }
    for (auto it = links_.begin(); it != links_.end();) {
        auto next = std::next(it);
        if (&At(it->first.x, it->first.y) != &except) {
            for (Enemy* enemy : wanted)
                it->second.erase(enemy);
            if (it->second.empty())
                links_.erase(it);
        }
        it = next;
    }
}

void Tilemap::UnlinkEnemyEverywhere(const Enemy* enemy)
{
    for (auto it = links_.begin(); it != links_.end();) {
        auto next = std::next(it);
        it->second.erase(const_cast<Enemy*>(enemy));
        if (it->second.empty())
            links_.erase(it);
        it = next;
    }
}

void Tilemap::EraseLinks(std::int32_t x, std::int32_t y)
{
    links_.erase(TilePos(x, y));
}

void Tilemap::RemapLinks(const std::map<const Enemy*, Enemy*>& images)
{
    for (auto& entry : links_) {
        EnemySet remapped;
        for (Enemy* enemy : entry.second) {
            auto image = images.find(enemy);
            remapped.insert(image == images.end() ? enemy : image->second);
        }
        entry.second.swap(remapped);
    }
}

Tilemap::Neighbours Tilemap::GetNeighbours(bool blend, std::int32_t x, std::int32_t y) const
{
    const Tile& centre = At(x, y);
    Neighbours result;
    for (const Tile*& entry : result.tiles)
        entry = &centre;
    if (!blend || !(GetTileFlags(centre.id) & BlendFlags) || IsNonBlending(x, y))
        return result;

    const std::uint32_t columns = Columns();
    const std::uint32_t rows = Rows();
    // The tile at an offset when it lies in the grid and blends; else null.
    auto blending = [&](std::int32_t dx, std::int32_t dy) -> const Tile* {
        const std::uint32_t nx = static_cast<std::uint32_t>(x + dx);
        const std::uint32_t ny = static_cast<std::uint32_t>(y + dy);
        if (nx >= columns || ny >= rows)
            return nullptr;
        const Tile& tile = AtOrEmpty(nx, ny);
        return (GetTileFlags(tile.id) & BlendFlags) ? &tile : nullptr;
    };
    for (std::int32_t dx = -1; dx <= 1; ++dx)
        for (std::int32_t dy = -1; dy <= 1; ++dy) {
            const Tile* tile = blending(dx, dy);
            if (!tile && dx != 0 && dy != 0) {
                tile = blending(dx, 0);
                if (!tile)
                    tile = blending(0, dy);
            }
            if (tile)
                result.tiles[(dx + 1) + 3 * (dy + 1)] = tile;
        }
    return result;
}

void Tilemap::ForEachFloor(const std::function<void(Floor&)>& function)
{
    if (!function)
        throw std::bad_function_call();
    for (auto& entry : floors_)
        function(entry.second);
}

void Tilemap::SetFloor(const Floor& floor)
{
    floors_[TilePos(floor.x, floor.y)] = floor;
}

void Tilemap::RemoveInvalidFloors()
{
    const std::uint32_t columns = Columns();
    const std::uint32_t rows = Rows();
    for (auto it = floors_.begin(); it != floors_.end();) {
        Floor& floor = it->second;
        const bool inside = static_cast<std::uint32_t>(floor.x) < columns && static_cast<std::uint32_t>(floor.y) < rows;
        if (inside && floor.UpdateShape(*this))
            ++it;
        else
            it = floors_.erase(it);
    }
}

void Tilemap::SetBlending(std::int32_t x, std::int32_t y, bool blend)
{
    if (blend)
        nonBlending_.erase(TilePos(x, y));
    else
        nonBlending_.insert(TilePos(x, y));
}
