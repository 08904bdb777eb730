#include "levelc/LevelCompiler.h"

#include "levelc/LevelSourceError.h"

#include "game/objects/EnemyTypeTable.h"
#include "game/objects/ItemKind.h"
#include "game/objects/LiftTypeTable.h"
#include "game/objects/Player.h"
#include "game/objects/SceneryTypeTable.h"
#include "game/world/LevelCheck.h"
#include "game/world/Tile.h"
#include "game/world/TileFlags.h"
#include "game/world/TileIds.h"
#include "game/world/Tilemap.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace levelc {

namespace {

constexpr std::int32_t TileSize = 36;
constexpr std::uint32_t SurfaceFlags = TileFlag::Wall | TileFlag::RisingSlope | TileFlag::FallingSlope | TileFlag::Fading;
constexpr std::int32_t BackgroundCount = 3;
constexpr std::int32_t TriggeredDropLift = 3;
// The game's window, in pixels.
constexpr float ViewWidth = 1024;
constexpr float ViewHeight = 768;

std::string Number(std::int64_t value) { return std::to_string(value); }
std::string Number(std::int32_t value) { return std::to_string(value); }
std::string Number(std::uint32_t value) { return std::to_string(value); }

std::string Float(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool IsKnownTile(std::uint32_t id) { return id == 0 || GetTileFlags(id) != 0; }

// Whether the player can stand on top of a tile.
bool CarriesPlayer(std::uint32_t id)
{
    Tile tile;
    tile.id = id;
    CreateTileProperty(tile, true);
    const std::uint32_t flags = GetTileFlags(id);
    return IsTileSolid(tile) || id == OneWayDownId || (flags & (TileFlag::WalkerSolid | TileFlag::RisingSlope |
                                                                   TileFlag::FallingSlope));
}

bool IsSolidTile(std::uint32_t id)
{
    Tile tile;
    tile.id = id;
    CreateTileProperty(tile, true);
    return IsTileSolid(tile);
}

struct Cell {
    std::int32_t x;
    std::int32_t y;
    const LegendEntry* entry;
    int line;
};

class Compiler {
public:
    Compiler(const LevelSource& source, std::vector<std::string>& warnings)
        : source_(source), warnings_(warnings)
    {
    }

    CompiledLevel Run()
    {
        CheckSize();
        CheckLegend();
        ReadCells();
        CheckFloorsUnderLiquids();
        CompiledLevel level;
        level.world = source_.world;
        level.level = source_.level;
        level.title = source_.title;
        level.sections.push_back({"General", {{Number(width_), Number(height_), Number(source_.background)}}});
        level.sections.push_back({"Enemies", EnemyLines()});
        level.sections.push_back({"Tiles", TileLines()});
        level.sections.push_back({"Lifts", LiftLines()});
        level.sections.push_back({"Foreground Scenery", SceneryLines(true)});
        level.sections.push_back({"Background Scenery", SceneryLines(false)});
        if (source_.world == 0)
            CheckBackdrop();
        else
            CheckPlayingLevel();
        return level;
    }

private:
    [[noreturn]] void Fail(const SourcePlace& place, const std::string& message) const
    {
        throw LevelSourceError(place.file, place.line, message);
    }
    [[noreturn]] void FailAt(const Cell& cell, const std::string& message) const
    {
        throw LevelSourceError(source_.file, cell.line,
                               "column " + std::to_string(cell.x + 1) + ": " + message);
    }
    void WarnAt(const Cell& cell, const std::string& message)
    {
        warnings_.push_back(source_.file + ":" + std::to_string(cell.line) + ": warning: column " +
                            std::to_string(cell.x + 1) + ": " + message);
    }
    SourcePlace MapPlace() const { return SourcePlace{source_.file, source_.mapPlace.line}; }

    bool InBorder(const Cell& cell) const { return Tilemap::InBorderRing(cell.x, cell.y, width_, height_); }

    void CheckSize()
    {
        width_ = static_cast<std::int32_t>(source_.rows.front().size());
        height_ = static_cast<std::int32_t>(source_.rows.size());
        if (static_cast<std::uint32_t>(width_) > MaxLevelColumns || static_cast<std::uint32_t>(height_) > MaxLevelRows ||
            static_cast<std::uint64_t>(width_) * static_cast<std::uint64_t>(height_) > MaxLevelTiles)
            Fail(MapPlace(), "the map is " + std::to_string(width_) + " x " + std::to_string(height_) +
                                 " tiles; the game takes at most " + std::to_string(MaxLevelColumns) + " x " +
                                 std::to_string(MaxLevelRows) + " and " + std::to_string(MaxLevelTiles) + " tiles");
        if (source_.background < 0 || source_.background >= BackgroundCount)
            Fail(source_.backgroundPlace.line ? source_.backgroundPlace : source_.levelPlace,
                 "the background must be 0, 1 or 2");
    }

    void CheckLegend()
    {
        for (const auto& symbolEntry : source_.legend) {
            const LegendEntry& entry = symbolEntry.second;
            const std::uint32_t id = entry.tileId;
            const std::uint32_t flags = GetTileFlags(id);
            if (!IsKnownTile(id))
                Fail(entry.place, "unknown tile id " + std::to_string(id));
            if (entry.floorId >= 0 && !(flags & SurfaceFlags))
                Fail(entry.place, "a floor needs a wall, slope or fading tile, not tile " + std::to_string(id));
            if (entry.hasItem && id != ItemBlockId)
                Fail(entry.place, "only an item block (tile " + std::to_string(ItemBlockId) + ") holds an item");
            if (entry.hasItem && !IsValidItemKind(entry.item))
                Fail(entry.place, "unknown item kind " + std::to_string(entry.item));
            if (entry.hasText && id != SignId)
                Fail(entry.place, "only a sign (tile " + std::to_string(SignId) + ") has a text");
            if (entry.hasText && entry.text.find_first_of(";{}\"") != std::string::npos)
                Fail(entry.place, "a sign text cannot hold ';', '{', '}' or '\"'");
            if (!entry.target.empty() && id != WarpId)
                Fail(entry.place, "only a warp (tile " + std::to_string(WarpId) + ") has a \"target\"");
            if (id == WarpId && entry.target.empty())
                Fail(entry.place, "a warp needs a target: target <name>");
            if (!entry.targets.empty() && id != SwitchId && id != PressedSwitchId)
                Fail(entry.place, "only a switch (tile " + std::to_string(SwitchId) + " or " + std::to_string(PressedSwitchId) +
                                          ") has \"targets\"");
            for (const EnemySpec& enemy : entry.enemies)
                if (!EnemyTypeTable::Contains(enemy.kind))
                    Fail(entry.place, "unknown enemy kind " + std::to_string(enemy.kind));
            for (const ScenerySpec& piece : entry.scenery)
                if (!SceneryTypeTable::Contains(piece.kind))
                    Fail(entry.place, "unknown scenery kind " + std::to_string(piece.kind));
            for (const LiftSpec& lift : entry.lifts) {
                if (!LiftTypeTable::Contains(lift.kind))
                    Fail(entry.place, "unknown lift kind " + std::to_string(lift.kind));
                for (const auto& step : lift.waypoints) {
                    const std::int32_t length = std::max(std::abs(step.first), std::abs(step.second));
                    const std::int32_t stride = (step.first != 0 && step.second != 0) ? 2 : 3;
                    if (length == 0)
                        Fail(entry.place, "a lift's path step cannot be 0 0");
                    if (length % stride != 0)
                        Fail(entry.place, "a lift moves " + std::to_string(stride) +
                                              " px a step on this segment, so its longer side (" +
                                              std::to_string(length) + " px) must be a multiple of " +
                                              std::to_string(stride));
                }
            }
        }
    }

    void ReadCells()
    {
        for (std::int32_t y = 0; y < height_; ++y)
            for (std::int32_t x = 0; x < width_; ++x) {
                const char symbol = source_.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                const Cell cell{x, y, nullptr, source_.rowLines[static_cast<std::size_t>(y)]};
                auto found = source_.legend.find(symbol);
                if (found == source_.legend.end())
                    FailAt(cell, "'" + std::string(1, symbol) + "' is not in the legend");
                cells_.push_back(Cell{x, y, &found->second, cell.line});
            }
        for (const Cell& cell : cells_) {
            if (!cell.entry->name.empty())
                named_[cell.entry->name].push_back(cell);
            for (const EnemySpec& enemy : cell.entry->enemies) {
                groups_[enemy.group].push_back(static_cast<std::int32_t>(enemyCells_.size()));
                enemyCells_.push_back({cell, &enemy});
            }
        }
    }

    // The game keeps a floor unless a solid tile lies on it, so one under a
    // liquid shows as a strip below the liquid: one warning per run of such
    // cells in a row.
    void CheckFloorsUnderLiquids()
    {
        auto under = [this](std::int32_t x, std::int32_t y) {
            const LegendEntry& entry = *CellAt(x, y).entry;
            return y > 0 && entry.floorId >= 0 && (GetTileFlags(entry.tileId) & SurfaceFlags) &&
                   (GetTileFlags(CellAt(x, y - 1).entry->tileId) & TileFlag::Deadly);
        };
        for (std::int32_t y = 1; y < height_; ++y)
            for (std::int32_t x = 0; x < width_; ++x) {
                if (!under(x, y) || (x > 0 && under(x - 1, y)))
                    continue;
                std::int32_t last = x;
                while (last + 1 < width_ && under(last + 1, y))
                    ++last;
                WarnAt(CellAt(x, y), "a floor under a liquid shows as a strip below it (to column " +
                                         std::to_string(last + 1) + "): use a ground tile without a floor there");
            }
    }

    std::vector<std::vector<std::string>> EnemyLines() const
    {
        std::vector<std::vector<std::string>> lines;
        for (const auto& placed : enemyCells_) {
            const Cell& cell = placed.first;
            const EnemySpec& enemy = *placed.second;
            const float height = static_cast<float>(EnemyTypeTable::Get(enemy.kind).box.height);
            const float x = static_cast<float>(cell.x * TileSize + TileSize / 2);
            const float y = enemy.hanging ? static_cast<float>(cell.y * TileSize) + height / 2
                                          : static_cast<float>((cell.y + 1) * TileSize) - height / 2;
            lines.push_back({Number(enemy.kind), Float(x), Float(y), enemy.facingRight ? "1" : "0"});
        }
        return lines;
    }

    const std::vector<Cell>& NamedCells(const LegendEntry& entry, const std::string& name) const
    {
        auto found = named_.find(name);
        if (found == named_.end())
            Fail(entry.place, "no cell of the map is named \"" + name + "\"");
        return found->second;
    }

    std::vector<std::vector<std::string>> TileLines()
    {
        std::vector<std::vector<std::string>> lines;
        for (const Cell& cell : cells_) {
            const LegendEntry& entry = *cell.entry;
            const std::uint32_t flags = GetTileFlags(entry.tileId);
            std::vector<std::int32_t> links;
            for (const std::string& group : entry.wakes) {
                auto found = groups_.find(group);
                if (group.empty() || found == groups_.end())
                    Fail(entry.place, "no enemy is in group \"" + group + "\"");
                woken_.insert(group);
                links.insert(links.end(), found->second.begin(), found->second.end());
            }
            const bool floor = entry.floorId >= 0 && (flags & SurfaceFlags);
            if (entry.tileId == 0 && links.empty())
                continue;
            std::vector<std::string> line{Number(cell.x), Number(cell.y), Number(entry.tileId),
                                          Number(floor ? entry.floorId : -1), entry.blend ? "1" : "0",
                                          Number(static_cast<std::int64_t>(links.size()))};
            for (std::int32_t index : links)
                line.push_back(Number(index));
            if (entry.tileId == ItemBlockId)
                line.push_back(Number(entry.hasItem ? entry.item : 0));
            if (entry.tileId == WarpId) {
                const std::vector<Cell>& targets = NamedCells(entry, entry.target);
                if (targets.size() != 1)
                    Fail(entry.place, "a warp leads to one cell, but " + std::to_string(targets.size()) +
                                          " cells are named \"" + entry.target + "\"");
                line.push_back(Number(targets.front().x));
                line.push_back(Number(targets.front().y));
            }
            if (entry.tileId == SwitchId || entry.tileId == PressedSwitchId) {
                std::set<std::pair<std::int32_t, std::int32_t>> targets;
                if (!entry.targets.empty())
                    for (const Cell& target : NamedCells(entry, entry.targets)) {
                        if (target.x == cell.x && target.y == cell.y)
                            FailAt(cell, "a switch cannot switch itself");
                        const std::uint32_t id = target.entry->tileId;
                        if (id != SwitchedBlockOnId && id != SwitchedBlockOffId && id != SwitchId &&
                            id != PressedSwitchId)
                            WarnAt(target, "a switch targets tile " + std::to_string(id) +
                                               ", which switching leaves alone");
                        targets.insert({target.x, target.y});
                    }
                if (targets.empty())
                    WarnAt(cell, "a switch without targets");
                for (const auto& target : targets) {
                    line.push_back(Number(target.first));
                    line.push_back(Number(target.second));
                }
            }
            if (entry.tileId == SignId)
                line.push_back(entry.text);
            lines.push_back(line);
        }
        return lines;
    }

    std::vector<std::vector<std::string>> LiftLines() const
    {
        std::vector<std::vector<std::string>> lines;
        for (const Cell& cell : cells_)
            for (const LiftSpec& lift : cell.entry->lifts) {
                std::vector<std::string> line{Number(lift.kind), Number(cell.x * TileSize + TileSize / 2),
                                              Number(cell.y * TileSize)};
                for (const auto& step : lift.waypoints) {
                    line.push_back(Number(step.first));
                    line.push_back(Number(step.second));
                }
                lines.push_back(line);
            }
        return lines;
    }

    // The camera (the view's top-left corner, in whole pixels) while the
    // player walks rightwards past (x, floor) on a floor at that height: the
    // camera keeps the player at the right and bottom edges of its dead zone
    // (50 pixels right of the window's centre, 100 below it) and stays
    // inside the map.
    sf::Vector2f CameraBeside(float x, float floor) const
    {
        const float mapWidth = static_cast<float>(width_ * TileSize);
        const float mapHeight = static_cast<float>(height_ * TileSize);
        const float playerY = floor - Player::Height / 2;
        sf::Vector2f camera(x - (ViewWidth / 2 + 50), playerY - (ViewHeight / 2 + 100));
        camera.x = std::min(std::max(camera.x, 0.f), mapWidth - ViewWidth);
        camera.y = std::min(std::max(camera.y, 0.f), mapHeight - ViewHeight);
        return sf::Vector2f(std::floor(camera.x + 0.5f), std::floor(camera.y + 0.5f));
    }

    std::vector<std::vector<std::string>> SceneryLines(bool foreground) const
    {
        std::vector<std::vector<std::string>> lines;
        for (const Cell& cell : cells_)
            for (const ScenerySpec& piece : cell.entry->scenery) {
                if (piece.foreground != foreground)
                    continue;
                const float height = static_cast<float>(SceneryTypeTable::Get(piece.kind).textureRect.height);
                float x = static_cast<float>(cell.x * TileSize + TileSize / 2) + piece.offsetX;
                float y = static_cast<float>((cell.y + 1) * TileSize) - height / 2 + piece.offsetY;
                if (piece.behind) {
                    const sf::Vector2f camera = CameraBeside(x, y + height / 2);
                    x -= std::floor(camera.x / 2 + 0.5f);
                    y -= std::floor(camera.y / 2 + 0.5f);
                }
                lines.push_back({Number(piece.kind), Float(x), Float(y), piece.facingRight ? "1" : "0"});
            }
        return lines;
    }

    const Cell& CellAt(std::int32_t x, std::int32_t y) const
    {
        return cells_[static_cast<std::size_t>(y * width_ + x)];
    }

    void CheckPlayingLevel()
    {
        const Cell* checkpoint = nullptr;
        bool levelEnd = false;
        for (const Cell& cell : cells_) {
            const std::uint32_t id = cell.entry->tileId;
            if (InBorder(cell)) {
                if (id != 0 && !(GetTileFlags(id) & TileFlag::BorderAllowed))
                    WarnAt(cell, "tile " + std::to_string(id) + " lies in the two-tile border and becomes a border block");
                if (!cell.entry->enemies.empty() || !cell.entry->lifts.empty())
                    WarnAt(cell, "an enemy or lift in the two-tile border, which the border pass makes solid");
                continue;
            }
            if (id == BorderBlockId)
                WarnAt(cell, "a border block inside the border becomes an empty tile");
            if (id == ActiveCheckpointId) {
                if (checkpoint)
                    FailAt(cell, "a second active checkpoint (tile " + std::to_string(ActiveCheckpointId) + "); the first is on line " +
                                     std::to_string(checkpoint->line) + " (No unique active checkpoint found.)");
                checkpoint = &cell;
                if (!IsSolidTile(CellAt(cell.x, cell.y + 1).entry->tileId))
                    FailAt(cell, "the active checkpoint needs a solid floor under it");
            }
            if (id == InactiveCheckpointId || id == ActiveCheckpointId)
                CheckCheckpointNeighbours(cell);
            if (id == LevelEndId)
                levelEnd = true;
            if ((id == LevelEndId || id == WarpId || id == InactiveCheckpointId) && !CarriesPlayer(CellAt(cell.x, cell.y + 1).entry->tileId))
                WarnAt(cell, "tile " + std::to_string(id) + " is reached standing on a floor, but none is under it");
        }
        if (!checkpoint)
            Fail(MapPlace(), "the level has no active checkpoint (tile " + std::to_string(ActiveCheckpointId) +
                                 ") inside its border (No unique active checkpoint found.)");
        if (!levelEnd)
            Fail(MapPlace(), "the level has no level-end flag (tile " + std::to_string(LevelEndId) +
                                 ") inside its border (No level-end flag found.)");
        for (const Cell& cell : cells_)
            for (const LiftSpec& lift : cell.entry->lifts)
                if (lift.kind != TriggeredDropLift && lift.waypoints.empty())
                    FailAt(cell, "a lift of kind " + std::to_string(lift.kind) +
                                     " needs a path (Missing waypoints at dynamic lifts.)");
        for (const auto& placed : enemyCells_)
            if (!woken_.count(placed.second->group))
                FailAt(placed.first, "an enemy that no tile wakes (give it a group and a tile \"wake <group>\")");
    }

    // Two checkpoints side by side or corner to corner can both lie under the
    // player's box (24 x 32, smaller than a tile): each step would make the
    // other one the active one. The cells before this one in map order are
    // looked at, so each pair is reported once.
    void CheckCheckpointNeighbours(const Cell& cell) const
    {
        const std::int32_t before[4][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}};
        for (const auto& d : before) {
            const Cell& other = CellAt(cell.x + d[0], cell.y + d[1]);
            const std::uint32_t id = other.entry->tileId;
            if (!InBorder(other) && (id == InactiveCheckpointId || id == ActiveCheckpointId))
                FailAt(cell, "a checkpoint next to the checkpoint in column " + std::to_string(other.x + 1) +
                                 " of line " + std::to_string(other.line) +
                                 ": the player can touch both at once, and they would take turns being active");
        }
    }

    void CheckBackdrop()
    {
        if (static_cast<std::uint32_t>(width_) < BackdropMinColumns || static_cast<std::uint32_t>(width_) > BackdropMaxColumns ||
            static_cast<std::uint32_t>(height_) < BackdropMinRows || static_cast<std::uint32_t>(height_) > BackdropMaxRows)
            Fail(MapPlace(), "a backdrop level must be " + std::to_string(BackdropMinColumns) + " to " +
                                 std::to_string(BackdropMaxColumns) + " columns wide and " +
                                 std::to_string(BackdropMinRows) + " to " + std::to_string(BackdropMaxRows) +
                                 " rows high, not " + std::to_string(width_) + " x " + std::to_string(height_));
        for (const Cell& cell : cells_) {
            const bool edge = cell.x == 0 || cell.y == 0 || cell.x == width_ - 1 || cell.y == height_ - 1;
            if (edge && !IsSolidTile(cell.entry->tileId))
                FailAt(cell, "a backdrop level gets no border pass: its outer ring must be solid");
        }
    }

    const LevelSource& source_;
    std::vector<std::string>& warnings_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<Cell> cells_;
    std::map<std::string, std::vector<Cell>> named_;
    std::map<std::string, std::vector<std::int32_t>> groups_;
    std::vector<std::pair<Cell, const EnemySpec*>> enemyCells_;
    std::set<std::string> woken_;
};

}  // namespace

CompiledLevel CompileLevel(const LevelSource& source, std::vector<std::string>& warnings)
{
    return Compiler(source, warnings).Run();
}

}  // namespace levelc
