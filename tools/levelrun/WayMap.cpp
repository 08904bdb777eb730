#include "levelrun/WayMap.h"

#include "game/world/TargetProperty.h"
#include "game/world/TileFlags.h"
#include "game/world/World.h"
#include "game/world/TileIds.h"

#include <boost/rational.hpp>

#include <cmath>
#include <deque>

namespace levelrun {

namespace {

constexpr float TileSize = 36;
constexpr int JumpReach = 3;
constexpr int TrampolineReach = 8;

struct Cell {
    bool blocked = false;
    bool standable = false;  // something to stand on or hold on to
    int height = WayMap::Unreachable;  // tiles above the nearest such place below
    int reach = 0;
    PassKind pass = PassFree;
    bool itemBlock = false;
};

}  // namespace

WayMap::WayMap(const World& world, int goalColumn, int goalRow, bool flying)
{
    const Tilemap& map = world.tilemap;
    columns_ = static_cast<int>(map.Columns());
    rows_ = static_cast<int>(map.Rows());
    moves_.assign(static_cast<std::size_t>(columns_ * rows_), Unreachable);
    std::vector<Cell> cells(moves_.size());
    const auto at = [this](int c, int r) { return static_cast<std::size_t>(c * rows_ + r); };
    const auto inside = [this](int c, int r) { return c >= 0 && r >= 0 && c < columns_ && r < rows_; };

    for (int c = 0; c < columns_; ++c)
        for (int r = 0; r < rows_; ++r) {
            const Tile& tile = map.At(c, r);
            Cell& cell = cells[at(c, r)];
            cell.pass = GetPassKind(tile);
            const std::uint32_t flags = GetTileFlags(tile.id);
            cell.blocked = cell.pass == PassSolid || cell.pass == PassWalkerSolid || (flags & TileFlag::Deadly) != 0;
            // A block hit from below is gone or open for a while: nothing to stand on.
            cell.itemBlock = (flags & TileFlag::ItemBlock) != 0;
            cell.standable = (flags & (TileFlag::Climbable | TileFlag::RisingSlope | TileFlag::FallingSlope)) != 0;
        }
    // Riding a lift: every place along its path.
    for (const Lift& lift : world.lifts) {
        float x = boost::rational_cast<float>(lift.startX);
        float y = boost::rational_cast<float>(lift.startY);
        const float half = lift.GetSize().x / 2;
        const auto mark = [&](float px, float py) {
            for (float dx = -half; dx <= half; dx += TileSize / 2) {
                const int c = static_cast<int>(std::floor((px + dx) / TileSize));
                const int r = static_cast<int>(std::floor((py - 1) / TileSize));
                if (inside(c, r))
                    cells[at(c, r)].standable = true;
            }
        };
        mark(x, y);
        for (const LiftWaypoint& point : lift.waypoints) {
            const float length = std::max(std::abs(static_cast<float>(point.dx)), std::abs(static_cast<float>(point.dy)));
            const int parts = std::max(1, static_cast<int>(length / (TileSize / 4)));
            for (int i = 1; i <= parts; ++i)
                mark(x + static_cast<float>(point.dx) * static_cast<float>(i) / static_cast<float>(parts),
                     y + static_cast<float>(point.dy) * static_cast<float>(i) / static_cast<float>(parts));
            x += static_cast<float>(point.dx);
            y += static_cast<float>(point.dy);
        }
    }
    // Heights above the nearest place to stand, from the bottom up.
    for (int c = 0; c < columns_; ++c)
        for (int r = rows_ - 1; r >= 0; --r) {
            Cell& cell = cells[at(c, r)];
            if (cell.blocked)
                continue;
            const Cell* below = r + 1 < rows_ ? &cells[at(c, r + 1)] : nullptr;
            const bool onTop = below && !below->itemBlock && (below->pass == PassSolid || below->pass == PassWalkerSolid ||
                                         below->pass == PassPlatform || below->pass == PassSolidFromBelow);
            if (cell.standable || onTop) {
                cell.height = 0;
                cell.reach = below && map.At(c, r + 1).id == TrampolineId ? TrampolineReach : JumpReach;
            } else if (below && !below->blocked && below->height != Unreachable) {
                cell.height = below->height + 1;
                cell.reach = below->reach;
            }
        }
    // Warps, by target.
    std::vector<std::vector<std::size_t>> warpsTo(moves_.size());
    for (int c = 0; c < columns_; ++c)
        for (int r = 0; r < rows_; ++r) {
            const Tile& tile = map.At(c, r);
            if (tile.id == WarpId && !tile.GetTargetProperty().targets.empty()) {
                const TilePos target = *tile.GetTargetProperty().targets.begin();
                if (inside(target.x, target.y))
                    warpsTo[at(target.x, target.y)].push_back(at(c, r));
            }
        }

    // Backwards from the goal: which tiles lead to each one reached.
    std::deque<std::pair<int, int>> queue;
    if (inside(goalColumn, goalRow)) {
        moves_[at(goalColumn, goalRow)] = 0;
        queue.emplace_back(goalColumn, goalRow);
    }
    while (!queue.empty()) {
        const auto [c, r] = queue.front();
        queue.pop_front();
        const Cell& to = cells[at(c, r)];
        const int next = moves_[at(c, r)] + 1;
        const auto reach = [&](int fc, int fr) {
            if (inside(fc, fr) && !cells[at(fc, fr)].blocked && moves_[at(fc, fr)] == Unreachable) {
                moves_[at(fc, fr)] = next;
                queue.emplace_back(fc, fr);
            }
        };
        // Up from below: jumping, climbing or flying.
        if (to.pass != PassSolidFromBelow && (flying || to.height <= to.reach))
            reach(c, r + 1);
        // Down from above: falling, but not through a platform.
        if (to.pass != PassPlatform)
            reach(c, r - 1);
        if (to.pass != PassLeftwardsOnly)
            reach(c - 1, r);
        if (to.pass != PassRightwardsOnly)
            reach(c + 1, r);
        for (const std::size_t warp : warpsTo[at(c, r)])
            if (moves_[warp] == Unreachable) {
                moves_[warp] = next;
                queue.emplace_back(static_cast<int>(warp) / rows_, static_cast<int>(warp) % rows_);
            }
    }
}

int WayMap::MovesFrom(float x, float y) const
{
    const int c = static_cast<int>(std::floor(x / TileSize));
    const int r = static_cast<int>(std::floor(y / TileSize));
    if (c < 0 || r < 0 || c >= columns_ || r >= rows_)
        return Unreachable;
    return moves_[static_cast<std::size_t>(c * rows_ + r)];
}

}  // namespace levelrun
