// The level loader, as the game loads a level: the input is a level text,
// packed into the level archive as level 1-1 once as it is and once with its
// checksum made to match. A failed load is one of the loader's three reports,
// logs its cause and leaves the world empty; a level that loads goes through
// the border pass and the level check (failing only with the check's three
// reports), copies into a world equal to it whose links point at its own
// enemies, and every lift walks its path with exact arithmetic that stays in
// range.
#include "FuzzSupport.h"

#include "app/GameLogicError.h"
#include "app/ResourceException.h"
#include "game/world/LevelCheck.h"
#include "game/world/LevelLoader.h"
#include "game/objects/Scenery.h"
#include "game/world/TileFlags.h"
#include "game/world/TileProperty.h"
#include "game/world/World.h"
#include "t4/io/ChecksumChain.h"
#include "t4/io/token_container.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace fuzz;

std::vector<std::string> PropertyTokens(const Tile& tile)
{
    t4::token_container tokens;
    if (tile.property)
        tile.property->Write(tokens);
    return std::vector<std::string>(tokens.begin(), tokens.end());
}

std::map<const Enemy*, std::size_t> EnemyIndex(const World& world)
{
    std::map<const Enemy*, std::size_t> index;
    for (const Enemy& enemy : world.enemies)
        index.emplace(&enemy, index.size());
    return index;
}

void CheckEmpty(const World& world, const std::vector<Scenery>& foreground, const std::vector<Scenery>& background)
{
    FUZZ_CHECK(world.enemies.empty() && world.lifts.empty() && world.items.empty() && foreground.empty() &&
                   background.empty(),
               "a failed load left objects behind");
    const Tilemap& map = world.tilemap;
    FUZZ_CHECK(map.GetLinks().empty() && map.GetFloors().empty() && map.GetNonBlending().empty(),
               "a failed load left side tables behind");
    for (std::uint32_t x = 0; x < map.Columns(); ++x)
        for (std::uint32_t y = 0; y < map.Rows(); ++y)
            FUZZ_CHECK(map.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)).id == 0,
                       "a failed load left a tile behind");
}

void CheckBorder(const Tilemap& map)
{
    const std::uint32_t columns = map.Columns();
    const std::uint32_t rows = map.Rows();
    for (std::uint32_t x = 0; x < columns; ++x)
        for (std::uint32_t y = 0; y < rows; ++y) {
            const bool border = x < 2 || y < 2 || x + 2 >= columns || y + 2 >= rows;
            const std::uint32_t id = map.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)).id;
            if (border)
                FUZZ_CHECK(GetTileFlags(id) & TileFlag::BorderAllowed, "a tile on the border that may not stand there");
            else
                FUZZ_CHECK(id != 24, "a border block inside the map");
        }
}

void CheckCopy(const World& world, const World& copy)
{
    const Tilemap& a = world.tilemap;
    const Tilemap& b = copy.tilemap;
    FUZZ_CHECK(a.Columns() == b.Columns() && a.Rows() == b.Rows(), "the copy has another size");
    for (std::uint32_t x = 0; x < a.Columns(); ++x)
        for (std::uint32_t y = 0; y < a.Rows(); ++y) {
            const Tile& s = a.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
            const Tile& t = b.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
            FUZZ_CHECK(s.id == t.id && s.counter == t.counter && PropertyTokens(s) == PropertyTokens(t),
                       "a copied tile differs");
            FUZZ_CHECK(!s.property || s.property.get() != t.property.get(), "a copied tile shares its property");
        }
    FUZZ_CHECK(a.GetFloors().size() == b.GetFloors().size() && a.GetNonBlending() == b.GetNonBlending(),
               "the copy's floors or blending differ");
    FUZZ_CHECK(world.enemies.size() == copy.enemies.size() && world.lifts.size() == copy.lifts.size(),
               "the copy holds other objects");
    for (auto s = world.enemies.begin(), t = copy.enemies.begin(); s != world.enemies.end(); ++s, ++t)
        FUZZ_CHECK(s->kind == t->kind && s->x == t->x && s->y == t->y, "a copied enemy differs");
    for (std::size_t i = 0; i < world.lifts.size(); ++i) {
        const Lift& s = world.lifts[i];
        const Lift& t = copy.lifts[i];
        FUZZ_CHECK(s.kind == t.kind && s.startX == t.startX && s.startY == t.startY &&
                       s.waypoints.size() == t.waypoints.size(),
                   "a copied lift differs");
    }
    // The links name the same enemies by position, and the copy's point
    // into the copy.
    const std::map<const Enemy*, std::size_t> from = EnemyIndex(world);
    const std::map<const Enemy*, std::size_t> to = EnemyIndex(copy);
    FUZZ_CHECK(a.GetLinks().size() == b.GetLinks().size(), "the copy has other links");
    for (auto s = a.GetLinks().begin(), t = b.GetLinks().begin(); s != a.GetLinks().end(); ++s, ++t) {
        FUZZ_CHECK(s->first == t->first && s->second.size() == t->second.size(), "a copied link differs");
        std::vector<std::size_t> left, right;
        for (const Enemy* enemy : s->second)
            left.push_back(from.at(enemy));
        for (const Enemy* enemy : t->second) {
            FUZZ_CHECK(to.count(enemy), "a copied link points outside the copy");
            right.push_back(to.at(enemy));
        }
        std::sort(left.begin(), left.end());
        std::sort(right.begin(), right.end());
        FUZZ_CHECK(left == right, "a copied link names other enemies");
    }
}

// Walks every lift along its path, ridden and now and then slowed, for a
// bounded number of steps; the sanitizer build catches any arithmetic that
// leaves the range of its integers.
void WalkLifts(const World& world)
{
    const std::size_t budget = 600;
    for (Lift lift : world.lifts) {
        const std::size_t steps = budget / world.lifts.size() + 1;
        for (std::size_t step = 0; step < steps; ++step) {
            if (lift.IsTriggeredKind() && step < steps / 2)
                lift.triggerTimer = 1;
            lift.Update(step % 7 < 2);
            const sf::Vector2f position = lift.GetPosition();
            FUZZ_CHECK(std::isfinite(position.x) && std::isfinite(position.y), "a lift left the numbers");
        }
    }
}

std::string LoadOnce(const std::string& text)
{
    WriteLevelArchive(text);
    World world;
    std::vector<Scenery> foreground;
    std::vector<Scenery> background;
    short backgroundIndex = -1;
    LevelLoader loader(&world, &foreground, &background, &backgroundIndex);
    LogCapture log;
    try {
        loader.Load(1, 1);
    } catch (const ResourceException& e) {
        const std::string failure = "Failed to load level 1-1";
        const std::string& message = e.GetMessage();
        FUZZ_CHECK(message == failure || message == failure + "\n   Invalid data" ||
                       message == failure + "\n   Incorrect checksum.",
                   "an unexpected load failure: " + message);
        FUZZ_CHECK(log.Contains("\n" + failure + ": "), "a load failure without its cause in the log");
        CheckEmpty(world, foreground, background);
        return OneLine(message);
    }
    FUZZ_CHECK(world.tilemap.Columns() > 0 && world.tilemap.Rows() > 0, "a level without a map loaded");
    FUZZ_CHECK(backgroundIndex >= 0, "a level loaded without its background");
    WalkLifts(world);

    world.tilemap.InitBorder();
    CheckBorder(world.tilemap);
    std::string outcome = "loaded";
    try {
        CheckLevel(world);
    } catch (const GameLogicError& e) {
        const std::string& message = e.GetMessage();
        FUZZ_CHECK(message == "No unique active checkpoint found." || message == "No level-end flag found." ||
                       message == "Missing waypoints at dynamic lifts." || message == "A warp leads into the border.",
                   "an unexpected level check failure: " + message);
        outcome += ", " + message;
    }
    const World copy(world);
    CheckCopy(world, copy);
    return outcome;
}

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string outcome = LoadOnce(text);
    LoadOnce(SealChecksum(text, LevelChecksumSeed, false));
    return outcome;
}
