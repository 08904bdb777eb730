// Where things stand in the playing levels, at every step of their recorded
// runs with the camera as the renderer moves it: no background piece shows
// over a deadly liquid, the player never walks under the head-up display,
// no two props cover each other or the signs, checkpoints, the flag and the
// player's start, and every climbable column hangs from something. The
// signs that teach a key name it as the option menu shows it.
//
// Boxes are those of the opaque pixels (alpha 128 or more) of the pictures
// as the game cuts them from its textures.

#include "RecordedRun.h"

#include "app/GameWindow.h"
#include "game/objects/AnimationTables.h"
#include "game/objects/SceneryTypeTable.h"
#include "game/render/Hud.h"
#include "game/world/TextProperty.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"
#include "game/world/TileIds.h"
#include "screens/OptionMenu.h"

#include "content/BuiltArchive.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <cctype>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace levels {
namespace {

// What each scenery kind shows, for the messages.
const char* const SceneryNames[SceneryTypeTable::Size] = {
    "pine", "birch", "bush", "young oak", "grass tuft", "frog", "fallen log", "mossy rock slab", "pebbles",
    "hanging ivy", "mushrooms", "flowers", "wall torch", "camp fire", "lava bubble", "status light", "monitor",
    "bubbling lava pool", "tree stump", "glowing tube", "lava stream", "mossy stone", "fern", "control panel",
    "wall screen", "screen on a stand", "pipe bundle", "generator", "boulder", "ember crystal", "ember crystals",
    "energy cell", "energy cell", "big lava crystal", "basalt column", "skull", "upright pipe", "air duct", "crate",
    "hazard barrel", "floor grate", "lamp (off)", "lamp (on)"};

// The box of the opaque pixels of a rectangle of the image, relative to the
// rectangle; empty (width 0) when all of it is clear.
sf::IntRect OpaqueBox(const sf::Image& image, const sf::IntRect& rect)
{
    int left = rect.width, top = rect.height, right = -1, bottom = -1;
    for (int y = 0; y < rect.height; ++y)
        for (int x = 0; x < rect.width; ++x)
            if (image.getPixel(static_cast<unsigned>(rect.left + x), static_cast<unsigned>(rect.top + y)).a >= 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

sf::IntRect Union(const sf::IntRect& a, const sf::IntRect& b)
{
    if (a.width == 0)
        return b;
    if (b.width == 0)
        return a;
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(a.left + a.width, b.left + b.width) - left,
            std::max(a.top + a.height, b.top + b.height) - top};
}

// The game's pictures, read once from the built graphics archive.
class Pictures {
public:
    static const Pictures& Get()
    {
        static const Pictures pictures;
        return pictures;
    }

    // The opaque box of a scenery kind over all its frames, relative to
    // the top-left corner of its picture.
    sf::IntRect OpaqueScenery(std::int32_t kind) const { return scenery_.at(static_cast<std::size_t>(kind)); }
    // The opaque box of a tile's picture in its cell.
    sf::IntRect OpaqueTile(std::uint32_t id) const
    {
        Tile tile;
        tile.id = id;
        const sf::IntRect cell = GetTileTextureRect(tile, false, false);
        return OpaqueBox((GetTileFlags(id) & TileFlag::Special) ? special_ : normal_, cell);
    }

    // Whether the tile's picture is opaque along the whole bottom row of its
    // cell.
    bool OpaqueAcrossBottom(std::uint32_t id) const
    {
        Tile tile;
        tile.id = id;
        const sf::IntRect cell = GetTileTextureRect(tile, false, false);
        const sf::Image& image = (GetTileFlags(id) & TileFlag::Special) ? special_ : normal_;
        for (int x = 0; x < cell.width; ++x)
            if (image.getPixel(static_cast<unsigned>(cell.left + x), static_cast<unsigned>(cell.top + cell.height - 1))
                    .a < 128)
                return false;
        return true;
    }

private:
    Pictures()
    {
        foxp::Archive archive;
        archive.Open(contenttest::BuiltArchivePath(2), contenttest::ResourcePassword());
        Load(archive, "Gfx/NormalTiles.png", normal_);
        Load(archive, "Gfx/SpecialTiles.png", special_);
        sf::Image scenery;
        Load(archive, "Gfx/Scenery.png", scenery);
        for (std::int32_t kind = 0; kind < SceneryTypeTable::Size; ++kind) {
            const SceneryType& type = SceneryTypeTable::Get(kind);
            sf::IntRect box;
            const int frames = type.mode == SceneryFramesAcross || type.mode == SceneryFramesDown
                                   ? static_cast<int>(SceneryAnimations[static_cast<std::size_t>(kind)].GetFrameCount())
                                   : 1;
            for (int f = 0; f < frames; ++f) {
                sf::IntRect frame = type.textureRect;
                if (type.mode == SceneryFramesAcross)
                    frame.left += frame.width * f;
                else if (type.mode == SceneryFramesDown)
                    frame.top += frame.height * f;
                box = Union(box, OpaqueBox(scenery, frame));
            }
            scenery_.push_back(box);
        }
    }

    static void Load(foxp::Archive& archive, const std::string& path, sf::Image& image)
    {
        const std::string png = contenttest::ReadEntry(archive, path);
        if (!image.loadFromMemory(png.data(), png.size()))
            ADD_FAILURE() << path << " does not load";
    }

    sf::Image normal_;
    sf::Image special_;
    std::vector<sf::IntRect> scenery_;
};

sf::FloatRect ToFloat(const sf::IntRect& r)
{
    return {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
            static_cast<float>(r.height)};
}

// Where the opaque part of a piece lies in its layer (mirrored when it
// faces left, as the renderer mirrors it about its centre).
sf::FloatRect PieceBox(const Scenery& piece)
{
    const sf::FloatRect picture = ToFloat(SceneryTypeTable::Get(piece.kind).textureRect);
    const sf::FloatRect opaque = ToFloat(Pictures::Get().OpaqueScenery(piece.kind));
    const sf::Vector2f at = piece.GetPosition();
    const float left = piece.facingRight ? opaque.left : picture.width - opaque.left - opaque.width;
    return {at.x - picture.width / 2 + left, at.y - picture.height / 2 + opaque.top, opaque.width, opaque.height};
}

sf::FloatRect TileBox(std::uint32_t id, std::uint32_t column, std::uint32_t row)
{
    const sf::FloatRect opaque = ToFloat(Pictures::Get().OpaqueTile(id));
    return {TileSize * static_cast<float>(column) + opaque.left, TileSize * static_cast<float>(row) + opaque.top,
            opaque.width, opaque.height};
}

sf::FloatRect Moved(sf::FloatRect r, sf::Vector2f by)
{
    r.left += by.x;
    r.top += by.y;
    return r;
}

const sf::FloatRect Screen(0, 0, ViewWidth, ViewHeight);

// True when the two boxes share more than a pixel's sliver (on screen, when
// asked).
bool Overlap(const sf::FloatRect& a, const sf::FloatRect& b, bool onScreen = false)
{
    sf::FloatRect both;
    return a.intersects(b, both) && both.width > 1 && both.height > 1 && (!onScreen || both.intersects(Screen));
}

bool OverlapOnScreen(const sf::FloatRect& a, const sf::FloatRect& b) { return Overlap(a, b, true); }

std::string Point(float x, float y)
{
    std::ostringstream out;
    out << "(" << x << ", " << y << ")";
    return out.str();
}

std::string Describe(const Scenery& piece, const char* layer)
{
    return std::string(layer) + " piece '" + SceneryNames[piece.kind] + "' (kind " + std::to_string(piece.kind) +
           ") at " + Point(piece.x, piece.y);
}

std::string Cell(std::uint32_t column, std::uint32_t row)
{
    return "(" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

std::string Camera(const RunStep& step) { return "with the camera at " + Point(step.playView.x, step.playView.y); }

sf::FloatRect CellBox(std::uint32_t column, std::uint32_t row)
{
    return {TileSize * static_cast<float>(column), TileSize * static_cast<float>(row), TileSize, TileSize};
}

// The first step of the run at which the box (on the play field) shows on
// screen while the player plays; 0 when it never does.
int FirstStepShowing(const RecordedRun& run, const sf::FloatRect& box)
{
    for (std::size_t i = 0; i < run.steps.size(); ++i) {
        const RunStep& step = run.steps[i];
        if (step.phase == PhasePlaying && Overlap(Moved(box, -step.playView), Screen))
            return static_cast<int>(i + 1);
    }
    return 0;
}

// Where to look for the box along the run, for the messages.
std::string FirstSeen(const RecordedRun& run, const sf::FloatRect& box)
{
    const int n = FirstStepShowing(run, box);
    if (n == 0)
        return "never on screen along the run";
    return "first on screen at step " + std::to_string(n) + " " + Camera(run.Step(n));
}

class LevelPlacement : public ::testing::TestWithParam<Level> {
protected:
    const RecordedRun& run = RecordedRun::Of(GetParam());
    const Tilemap& map = run.loaded.tilemap;
    const std::string where = Name(GetParam());
};

std::string TestName(const ::testing::TestParamInfo<Level>& param)
{
    return "Level" + std::to_string(param.param.world) + "_" + std::to_string(param.param.level);
}

std::string DeadlyName(std::uint32_t id)
{
    switch (id) {
    case SwampId:
        return "the swamp";
    case LavaId:
        return "the lava";
    case ElectricFloorId:
        return "the electric floor";
    case DeepLavaId:
        return "the deep lava";
    default:
        return "the deadly";
    }
}

// A background piece moves by half the camera, so it slides over the play
// field as the player goes; at no step does it show over a swamp, lava or
// an electric floor.
TEST_P(LevelPlacement, BackgroundNeverShowsOverDeadlyTiles)
{
    for (const Scenery& piece : run.background) {
        const sf::FloatRect box = PieceBox(piece);
        bool found = false;
        for (std::size_t i = 0; i < run.steps.size() && !found; ++i) {
            const RunStep& step = run.steps[i];
            const sf::FloatRect shown = Moved(box, -step.sceneryView);
            if (step.phase != PhasePlaying || !shown.intersects(Screen))
                continue;
            // The piece in the play field's coordinates.
            const sf::FloatRect seen = Moved(shown, step.playView);
            const auto c0 = static_cast<std::uint32_t>(std::max(0.f, seen.left / TileSize));
            const auto r0 = static_cast<std::uint32_t>(std::max(0.f, seen.top / TileSize));
            for (std::uint32_t c = c0; c * TileSize < seen.left + seen.width && !found; ++c)
                for (std::uint32_t r = r0; r * TileSize < seen.top + seen.height && !found; ++r) {
                    const std::uint32_t id = map.AtOrEmpty(c, r).id;
                    if (!(GetTileFlags(id) & TileFlag::Deadly) ||
                        !OverlapOnScreen(shown, Moved(TileBox(id, c, r), -step.playView)))
                        continue;
                    found = true;
                    const sf::Vector2f centre = piece.GetPosition() - step.sceneryView + step.playView;
                    ADD_FAILURE() << where << ", step " << i + 1 << ": " << Describe(piece, "background")
                                  << ", seen at " << Point(centre.x, centre.y) << " on the play field, is drawn over "
                                  << DeadlyName(id) << " tile " << id << " at " << Cell(c, r) << " " << Camera(step);
                }
        }
    }
}

// What a plate of the head-up display shows, for the messages.
std::string PlateName(std::size_t slot)
{
    switch (slot) {
    case Hud::SlotTotal:
        return "score";
    case Hud::SlotLives:
        return "lives";
    case Hud::SlotCoins:
        return "coins";
    case Hud::SlotHeart:
        return "hearts";
    case Hud::SlotRockets:
        return "rockets";
    case Hud::SlotRockets + 1:
        return "rolling bombs";
    case Hud::SlotRockets + 2:
        return "mines";
    default:
        return "power-up";
    }
}

// The plates of the head-up display on screen for the player's stats, as
// the display lays them out.
std::vector<std::pair<std::string, sf::FloatRect>> HudPlates(const PlayerStats& stats)
{
    std::vector<std::pair<std::string, sf::FloatRect>> plates;
    for (const Hud::Plate& plate : Hud::Plates(stats, ViewWidth))
        plates.emplace_back(PlateName(plate.slot), plate.box);
    return plates;
}

// The head-up display never hides the player: the player's box stays clear
// of every plate drawn at that step.
TEST_P(LevelPlacement, PlayerNeverGoesUnderTheHud)
{
    std::vector<std::string> reported;
    for (std::size_t i = 0; i < run.steps.size(); ++i) {
        const RunStep& step = run.steps[i];
        if (step.phase != PhasePlaying)
            continue;
        const sf::FloatRect player = Moved(step.player, -step.playView);
        for (const auto& plate : HudPlates(step.stats)) {
            if (!player.intersects(plate.second) ||
                std::find(reported.begin(), reported.end(), plate.first) != reported.end())
                continue;
            reported.push_back(plate.first);
            ADD_FAILURE() << where << ", step " << i + 1 << ": the player's box at "
                          << Point(player.left, player.top) << " on screen lies under the " << plate.first
                          << " plate at " << Point(plate.second.left, plate.second.top) << " "
                          << Camera(step);
        }
    }
}

// A tile in the play field that a prop must keep clear of.
struct Marker {
    std::string name;
    sf::FloatRect box;
};

std::vector<Marker> Markers(const Tilemap& map)
{
    std::vector<Marker> markers;
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const std::uint32_t id = map.AtOrEmpty(c, r).id;
            const char* name = id == SignId                 ? "the sign"
                               : id == InactiveCheckpointId ? "the checkpoint"
                               : id == ActiveCheckpointId   ? "the player's start"
                               : id == LevelEndId           ? "the flag"
                                         : nullptr;
            if (name)
                markers.push_back({std::string(name) + " at " + Cell(c, r), TileBox(id, c, r)});
        }
    return markers;
}

// Props in front of the play stand still on the play field, and background
// props stand still against each other: none covers another, nor a sign, a
// checkpoint, the flag or the player's start.
TEST_P(LevelPlacement, PropsInOneLayerStandApart)
{
    const std::vector<Marker> markers = Markers(map);
    for (std::size_t a = 0; a < run.foreground.size(); ++a) {
        const sf::FloatRect box = PieceBox(run.foreground[a]);
        for (std::size_t b = a + 1; b < run.foreground.size(); ++b)
            EXPECT_FALSE(Overlap(box, PieceBox(run.foreground[b])))
                << where << ": " << Describe(run.foreground[a], "foreground") << " covers "
                << Describe(run.foreground[b], "foreground");
        for (const Marker& marker : markers)
            EXPECT_FALSE(Overlap(box, marker.box))
                << where << ": " << Describe(run.foreground[a], "foreground") << " covers " << marker.name;
    }
    for (std::size_t a = 0; a < run.background.size(); ++a) {
        const sf::FloatRect box = PieceBox(run.background[a]);
        for (std::size_t b = a + 1; b < run.background.size(); ++b)
            EXPECT_FALSE(Overlap(box, PieceBox(run.background[b])))
                << where << ": " << Describe(run.background[a], "background") << " covers "
                << Describe(run.background[b], "background");
    }
}

// A background prop slides past the play field: at no step of the run does
// it show on screen behind a foreground prop, a sign, a checkpoint, the flag
// or the player's start.
TEST_P(LevelPlacement, BackgroundPropsNeverShowBehindThePlayField)
{
    std::vector<Marker> front = Markers(map);
    for (const Scenery& piece : run.foreground)
        front.push_back({Describe(piece, "foreground"), PieceBox(piece)});
    for (const Scenery& piece : run.background) {
        const sf::FloatRect box = PieceBox(piece);
        std::vector<bool> reported(front.size(), false);
        for (std::size_t i = 0; i < run.steps.size(); ++i) {
            const RunStep& step = run.steps[i];
            const sf::FloatRect shown = Moved(box, -step.sceneryView);
            if (step.phase != PhasePlaying || !shown.intersects(Screen))
                continue;
            for (std::size_t k = 0; k < front.size(); ++k) {
                if (reported[k] || !OverlapOnScreen(shown, Moved(front[k].box, -step.playView)))
                    continue;
                reported[k] = true;
                ADD_FAILURE() << where << ", step " << i + 1 << ": " << Describe(piece, "background")
                              << " shows behind " << front[k].name << " " << Camera(step);
            }
        }
    }
}

// What the top of a climbable column may hang from: ground, a wall, a
// block or a platform the player stands on.
bool HoldsAClimbable(const Tile& tile)
{
    const std::uint32_t flags = GetTileFlags(tile.id);
    return IsTileSolid(tile) || tile.id == OneWayDownId ||
           (flags & (TileFlag::WalkerSolid | TileFlag::RisingSlope | TileFlag::FallingSlope));
}

// The length of the run of tiles that hold a climbable through the cell,
// along the row (dx 1) or up the column (dy -1; the climbable lies under
// the cell).
std::uint32_t HoldingRun(const Tilemap& map, std::uint32_t column, std::uint32_t row, int dx, int dy)
{
    auto holds = [&](std::int64_t c, std::int64_t r) {
        return c >= 0 && r >= 0 && c < map.Columns() && r < map.Rows() &&
               HoldsAClimbable(map.AtOrEmpty(static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(r)));
    };
    std::uint32_t run = 1;
    for (std::int64_t c = column + dx, r = static_cast<std::int64_t>(row) + dy; holds(c, r); c += dx, r += dy)
        ++run;
    if (dx != 0)
        for (std::int64_t c = static_cast<std::int64_t>(column) - dx; holds(c, row); c -= dx)
            ++run;
    return run;
}

// Every column of climbable tiles hangs from the tile above its top, and
// the picture of its top tile reaches up to the picture of that tile. That
// tile is part of a ledge or a ceiling (a run of three or more holding
// tiles along its row) or of a wall (three or more up its column): a lone
// tile or a pair reads as a stub floating beside the ledge.
TEST_P(LevelPlacement, ClimbablesHangFromALedge)
{
    constexpr int Gap = 2;
    constexpr std::uint32_t LeastRun = 3;
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const Tile& tile = map.AtOrEmpty(c, r);
            const bool top = (GetTileFlags(tile.id) & TileFlag::Climbable) &&
                             (r == 0 || !(GetTileFlags(map.AtOrEmpty(c, r - 1).id) & TileFlag::Climbable));
            if (!top)
                continue;
            const std::string column = where + ": the climbable column of tile " + std::to_string(tile.id) +
                                       " topped at " + Cell(c, r);
            if (r == 0) {
                ADD_FAILURE() << column << " reaches the map's top edge";
                continue;
            }
            const Tile& above = map.AtOrEmpty(c, r - 1);
            if (!HoldsAClimbable(above)) {
                ADD_FAILURE() << column << " hangs from nothing: the tile above is " << above.id;
                continue;
            }
            const std::uint32_t along = HoldingRun(map, c, r - 1, 1, 0);
            const std::uint32_t up = HoldingRun(map, c, r - 1, 0, -1);
            if (along < LeastRun && up < LeastRun)
                ADD_FAILURE() << column << " hangs from tile " << above.id << " at " << Cell(c, r - 1)
                              << ", which is part of no ledge, wall or ceiling: " << along
                              << (along == 1 ? " holding tile" : " holding tiles") << " along its row and " << up
                              << " up its column, fewer than " << LeastRun << "; "
                              << FirstSeen(run, CellBox(c, r - 1));
            const sf::IntRect ledge = Pictures::Get().OpaqueTile(above.id);
            const int gap =
                static_cast<int>(TileSize) - (ledge.top + ledge.height) + Pictures::Get().OpaqueTile(tile.id).top;
            EXPECT_LE(gap, Gap) << column << " is drawn " << gap << " px below the picture of the tile above ("
                                << above.id << ")";
        }
}

// A liquid: a deadly tile whose picture fills its cell down to the bottom
// row from side to side, a body that would run out of an open side (the
// swamp, the lava and the deep lava). The electric floor is translucent
// sparks over whatever lies under it, not a body: it is no liquid.
bool IsLiquid(std::uint32_t id)
{
    return (GetTileFlags(id) & TileFlag::Deadly) && Pictures::Get().OpaqueAcrossBottom(id);
}

// A tile that holds for good: solid, and not one that crumbles, drops,
// blows up, opens or is emptied by a hit from below.
bool StaysSolid(const Tile& tile)
{
    const std::uint32_t flags = GetTileFlags(tile.id);
    return IsTileSolid(tile) && !(flags & (TileFlag::Fading | TileFlag::SolidAtFrame0)) &&
           tile.id != ExplodingBlockId && tile.id != SwitchedBlockOnId && tile.id != ItemBlockId;
}

// Whether the cell beside a liquid (dx -1 left, +1 right) or under it (dy
// +1) keeps it in: a liquid, a tile that stays solid, a slope whose high
// side faces the liquid, or at a side the map's border; past the map's
// edge the window ends, which holds too.
bool HoldsLiquid(const Tilemap& map, std::uint32_t column, std::uint32_t row, int dx, int dy)
{
    const std::int64_t x = static_cast<std::int64_t>(column) + dx;
    const std::int64_t y = static_cast<std::int64_t>(row) + dy;
    if (x < 0 || y < 0 || x >= map.Columns() || y >= map.Rows())
        return true;
    const Tile& tile = map.AtOrEmpty(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
    const std::uint32_t flags = GetTileFlags(tile.id);
    if (IsLiquid(tile.id) || StaysSolid(tile))
        return true;
    if (dy == 0 && map.InBorderRing(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)))
        return true;
    return (dx < 0 && (flags & TileFlag::RisingSlope)) || (dx > 0 && (flags & TileFlag::FallingSlope));
}

// Liquid lies in basins: every liquid tile has a liquid or a tile that
// stays solid under it, and the same, the map's border or a slope rising
// away from it at each side. Cells count from 0 at the map's top left, as
// in the level source's map; cells in a row with the same fault are told
// together.
TEST_P(LevelPlacement, LiquidLiesInBasins)
{
    struct Side {
        int dx;
        int dy;
        const char* what;
    };
    const Side sides[] = {{0, 1, "nothing under it"}, {-1, 0, "nothing on its left"}, {1, 0, "nothing on its right"}};
    for (const Side& side : sides)
        for (std::uint32_t r = 0; r < map.Rows(); ++r)
            for (std::uint32_t c = 0; c < map.Columns(); ++c) {
                const std::uint32_t id = map.AtOrEmpty(c, r).id;
                if (!IsLiquid(id) || HoldsLiquid(map, c, r, side.dx, side.dy))
                    continue;
                // The run of cells alike along the row.
                std::uint32_t last = c;
                while (last + 1 < map.Columns() && map.AtOrEmpty(last + 1, r).id == id &&
                       !HoldsLiquid(map, last + 1, r, side.dx, side.dy))
                    ++last;
                // (Only cells under a row can run on: beside a run of
                // liquid lies its first or its last cell.)
                const auto nc = static_cast<std::uint32_t>(static_cast<int>(c) + side.dx);
                const std::uint32_t nr = r + static_cast<std::uint32_t>(side.dy);
                const bool many = last > c;
                sf::FloatRect box = CellBox(c, r);
                box.width = TileSize * static_cast<float>(last - c + 1);
                ADD_FAILURE() << where << ": " << DeadlyName(id) << " (tile " << id << ") at " << Cell(c, r)
                              << (many ? " to " + Cell(last, r) : std::string()) << " has " << side.what << ": "
                              << Cell(nc, nr) << (many ? " to " + Cell(last, nr) + " are" : " is")
                              << " neither a liquid nor a tile that stays solid (tile " << map.AtOrEmpty(nc, nr).id
                              << " at " << Cell(nc, nr) << "); " << FirstSeen(run, box);
                c = last;
            }
}

// A floor that stays: a tile that stays solid, a grating, or a thin
// platform.
bool IsFloor(const Tile& tile)
{
    return StaysSolid(tile) || tile.id == OneWayDownId || (GetTileFlags(tile.id) & TileFlag::WalkerSolid);
}

// What a standing tile shows, for the messages.
const char* StandingName(std::uint32_t id)
{
    switch (id) {
    case SignId:
        return "the sign";
    case InactiveCheckpointId:
        return "the checkpoint";
    case ActiveCheckpointId:
        return "the player's start";
    case SwitchId:
    case PressedSwitchId:
        return "the switch";
    case LevelEndId:
        return "the flag";
    default:
        return nullptr;
    }
}

// Whether a scenery kind stands: it does not swing (a swinging piece hangs
// from its top), and its picture, over all its frames, reaches down to the
// bottom of its frame, where it meets the ground.
bool Stands(std::int32_t kind)
{
    const SceneryType& type = SceneryTypeTable::Get(kind);
    if (type.mode == ScenerySwingX || type.mode == ScenerySwingY)
        return false;
    const sf::IntRect opaque = Pictures::Get().OpaqueScenery(kind);
    return opaque.width > 0 && type.textureRect.height - (opaque.top + opaque.height) <= 2;
}

// How far a standing prop's foot may end above the top of the floor under
// it, and how far it may sink into it (behind the floor's strip).
constexpr float FootAbove = 3;
constexpr float FootSink = 8;

// Things stand on something: every sign, checkpoint, switch and flag has a
// floor that stays under it, and every foreground prop that stands has one
// under the middle of its foot, its foot ending at the floor's top (at most
// 3 px above it or 8 px into it).
TEST_P(LevelPlacement, ThingsStandOnAFloor)
{
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const std::uint32_t id = map.AtOrEmpty(c, r).id;
            const char* name = StandingName(id);
            if (!name || IsFloor(map.AtOrEmpty(c, r + 1)))
                continue;
            ADD_FAILURE() << where << ": " << name << " (tile " << id << ") at " << Cell(c, r)
                          << " stands on nothing: under it " << Cell(c, r + 1) << " holds tile "
                          << map.AtOrEmpty(c, r + 1).id << ", not a floor that stays; "
                          << FirstSeen(run, CellBox(c, r));
        }
    for (const Scenery& piece : run.foreground) {
        if (!Stands(piece.kind))
            continue;
        const sf::FloatRect box = PieceBox(piece);
        const float footX = box.left + box.width / 2;
        const float footY = box.top + box.height;
        const std::string what = where + ": " + Describe(piece, "foreground") + ", its foot at " +
                                 Point(footX, footY) + ", ";
        if (footX < 0 || footY + FootAbove < 0) {
            ADD_FAILURE() << what << "stands off the map";
            continue;
        }
        const auto column = static_cast<std::uint32_t>(footX / TileSize);
        const auto row = static_cast<std::uint32_t>((footY + FootAbove) / TileSize);
        const float sink = footY - TileSize * static_cast<float>(row);
        if (IsFloor(map.AtOrEmpty(column, row))) {
            EXPECT_LE(sink, FootSink) << what << "sinks " << sink << " px into the floor at " << Cell(column, row)
                                      << "; " << FirstSeen(run, box);
            continue;
        }
        std::uint32_t below = row;
        while (below < map.Rows() && !IsFloor(map.AtOrEmpty(column, below)))
            ++below;
        ADD_FAILURE() << what << "stands on nothing: " << Cell(column, row) << " holds tile "
                      << map.AtOrEmpty(column, row).id << ", not a floor that stays"
                      << (below < map.Rows() ? ", and the first floor under the foot is at " + Cell(column, below) +
                                                   ", " + std::to_string(static_cast<int>(TileSize * static_cast<float>(below) - footY)) +
                                                   " px lower"
                                             : std::string(", and no floor lies under it"))
                      << "; " << FirstSeen(run, box);
    }
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// True when the text at `at` begins a sentence: it starts the text or
// follows a full stop, an exclamation or a question mark.
bool BeginsSentence(const std::string& text, std::size_t at)
{
    while (at > 0 && std::isspace(static_cast<unsigned char>(text[at - 1])))
        --at;
    return at == 0 || text[at - 1] == '.' || text[at - 1] == '!' || text[at - 1] == '?';
}

// A sign that names a key action in the middle of a sentence ("the Jump
// key", "with Up") teaches that key: it says "Jump: F", the action's name
// and its default key as the option menu shows them.
TEST_P(LevelPlacement, SignsNameTheKeysTheyTeach)
{
    const std::vector<KeyBinding> bindings = GameWindow::DefaultKeyBindings();
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const Tile& sign = map.AtOrEmpty(c, r);
            if (sign.id != SignId)
                continue;
            const std::string written = sign.GetTextProperty().text;
            std::string text = written;
            std::replace(text.begin(), text.end(), '\n', ' ');
            std::string shown = written;
            std::replace(shown.begin(), shown.end(), '\n', '^');
            // Where the sign names a key rightly: the key's own name there
            // ("Left: Left") teaches nothing more.
            std::vector<std::pair<std::size_t, std::size_t>> taught;
            for (const KeyBinding& binding : bindings) {
                const std::string expected = KeyBindingText(binding);
                for (std::size_t at = text.find(expected); at != std::string::npos; at = text.find(expected, at + 1))
                    taught.emplace_back(at, at + expected.size());
            }
            auto withinTaught = [&taught](std::size_t at) {
                return std::any_of(taught.begin(), taught.end(),
                                   [at](const auto& span) { return at > span.first && at < span.second; });
            };
            for (const KeyBinding& binding : bindings)
                for (std::size_t at = text.find(binding.name); at != std::string::npos;
                     at = text.find(binding.name, at + 1)) {
                    const std::size_t end = at + binding.name.size();
                    const bool word =
                        (at == 0 || !IsLetter(text[at - 1])) && (end == text.size() || !IsLetter(text[end]));
                    const bool named = !BeginsSentence(text, at) || (end < text.size() && text[end] == ':');
                    if (!word || !named || withinTaught(at))
                        continue;
                    const std::string expected = KeyBindingText(binding);
                    EXPECT_EQ(text.compare(at, expected.size(), expected), 0)
                        << where << ": the sign at " << Cell(c, r) << " \"" << shown << "\" names " << binding.name
                        << " without its key: \"" << expected << "\"";
                }
        }
}

INSTANTIATE_TEST_SUITE_P(PlayingLevels, LevelPlacement, ::testing::ValuesIn(PlayingLevels), TestName);

}  // namespace
}  // namespace levels
