// Where things stand and show in the playing levels, at every step of their
// recorded runs with the camera as the renderer moves it: no background
// piece shows over a deadly liquid; neither the player nor the route (the
// ground the run stands on, the signs, checkpoints, switches, warps, items
// and platforms) goes under the head-up display; no two props cover each
// other or the signs, checkpoints, the flag and the player's start; liquid
// lies in basins; signs, checkpoints, switches, the flag and standing props
// stand on a floor; every climbable column hangs from a ledge, wall or
// ceiling; the backdrop covers the whole view; hazard stripes mark danger
// or motion. The signs that teach a key name it as the option menu shows it.
//
// Boxes are those of the opaque pixels (alpha 128 or more) of the pictures
// as the game cuts them from its textures. Cells count from 0 at the map's
// top left, as in the level source's map.

#include "RecordedRun.h"

#include "app/GameWindow.h"
#include "game/objects/AnimationTables.h"
#include "game/objects/Enemy.h"
#include "game/objects/Lift.h"
#include "game/objects/SceneryTypeTable.h"
#include "game/render/GraphicsContext.h"
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
#include <array>
#include <map>
#include <set>
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

    // Whether the tile's picture shows yellow-and-black hazard stripes: a
    // fifth or more of its opaque pixels a warning yellow and a fifth or
    // more near black.
    bool ShowsHazardStripes(std::uint32_t id) const
    {
        Tile tile;
        tile.id = id;
        const sf::IntRect cell = GetTileTextureRect(tile, false, false);
        const sf::Image& image = (GetTileFlags(id) & TileFlag::Special) ? special_ : normal_;
        int opaque = 0, yellow = 0, black = 0;
        for (int y = 0; y < cell.height; ++y)
            for (int x = 0; x < cell.width; ++x) {
                const sf::Color p =
                    image.getPixel(static_cast<unsigned>(cell.left + x), static_cast<unsigned>(cell.top + y));
                if (p.a < 128)
                    continue;
                ++opaque;
                yellow += p.r >= 180 && p.g >= 130 && p.b <= 90 && p.r - p.b >= 120;
                black += p.r <= 60 && p.g <= 60 && p.b <= 60;
            }
        return opaque > 0 && 5 * yellow >= opaque && 5 * black >= opaque;
    }

    // The picture of a background (0, 1 or 2).
    const sf::Image& Background(std::size_t index) const { return backgrounds_.at(index); }

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
        for (std::size_t k = 0; k < backgrounds_.size(); ++k)
            Load(archive, "Gfx/Background" + std::to_string(k + 1) + ".png", backgrounds_[k]);
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
    std::array<sf::Image, 3> backgrounds_;
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

// What a player must see wherever it is: a sign, a checkpoint, a switch, a
// warp, an item or power-up block, a coin, a thin platform (the stepping
// stones of a route, the run's or another).
bool MustBeSeen(std::uint32_t id)
{
    return id == SignId || (id >= InactiveCheckpointId && id <= ActiveCheckpointId) || id == SwitchId ||
           id == PressedSwitchId || id == WarpId || (id >= ItemBlockId && id <= JetpackBlockId) || id == CoinId ||
           id == OneWayDownId;
}

// Whether the tile is gone once the run has used it.
bool GoneWhenUsed(std::uint32_t id) { return id == CoinId || id == ItemBlockId; }

// What the route shows stays clear of the head-up display: at no step of
// the run at which the player plays does one of these show under a plate
// drawn for that step's stats (its picture's opaque box, at that step's
// camera, overlapping the plate by more than a pixel's sliver):
// - every tile that the run stands on at some step, whether before or after
//   that step (the ground ahead, and the ledge just left);
// - every sign, checkpoint, switch, warp, item or power-up block, coin and
//   thin platform of the level, on the run's route or off it, until the run
//   takes it when it is a coin or an item block.
// Two seconds ahead are not enough: a floor stood on ten seconds later
// already shows under a plate while the run climbs to it, and a ledge
// passes under one as the camera follows the drop from it. Each tile is told
// once, at the first step it shows under a plate, together with the other
// tiles under the same plate at that step.
TEST_P(LevelPlacement, RouteNeverGoesUnderTheHud)
{
    // Why a tile matters: the player's start, a tile off the run's route,
    // or one the run uses or stands on (first at `since`).
    enum class Role { Start, OffRoute, Used, StoodOn };
    struct Watched {
        TilePos cell;
        std::uint32_t id;
        // The step up to which it shows.
        int until;
        Role role;
        int since = 0;
        std::string Why() const
        {
            switch (role) {
            case Role::Start:
                return "the player's start";
            case Role::OffRoute:
                return "off the run's route";
            case Role::Used:
                return "used by the run at step " + std::to_string(since);
            case Role::StoodOn:
                break;
            }
            return "stood on by the run at step " + std::to_string(since);
        }
    };
    const int last = static_cast<int>(run.steps.size());
    std::map<TilePos, Watched> watched;
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r) {
            const std::uint32_t id = map.AtOrEmpty(c, r).id;
            const TilePos cell(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r));
            if (MustBeSeen(id))
                watched[cell] = {cell, id, last, id == ActiveCheckpointId ? Role::Start : Role::OffRoute};
        }
    for (int n = 1; n <= last; ++n) {
        for (const TilePos& cell : run.Step(n).uses) {
            auto found = watched.find(cell);
            if (found == watched.end() || found->second.role != Role::OffRoute)
                continue;
            found->second.role = Role::Used;
            found->second.since = n;
            if (GoneWhenUsed(found->second.id))
                found->second.until = n;
        }
        for (const TilePos& cell : run.Step(n).standsOn) {
            auto found = watched.find(cell);
            if (found == watched.end())
                watched[cell] = {cell,
                                 map.AtOrEmpty(static_cast<std::uint32_t>(cell.x), static_cast<std::uint32_t>(cell.y)).id,
                                 last, Role::StoodOn, n};
            else if (found->second.role == Role::OffRoute) {
                found->second.role = Role::StoodOn;
                found->second.since = n;
            }
        }
    }

    // The first step at which each tile shows under a plate.
    struct Told {
        int step;
        std::string what;
    };
    std::vector<Told> told;
    for (const auto& entry : watched) {
        const Watched& tile = entry.second;
        const auto c = static_cast<std::uint32_t>(tile.cell.x);
        const auto r = static_cast<std::uint32_t>(tile.cell.y);
        const sf::FloatRect box = TileBox(tile.id, c, r);
        bool found = false;
        for (int i = 1; i <= tile.until && !found; ++i) {
            const RunStep& step = run.Step(i);
            const sf::FloatRect shown = Moved(box, -step.playView);
            if (step.phase != PhasePlaying || !Overlap(shown, Screen))
                continue;
            for (const auto& plate : HudPlates(step.stats))
                if (Overlap(shown, plate.second)) {
                    told.push_back({i, "at step " + std::to_string(i) + " the tile " + std::to_string(tile.id) +
                                           " at " + Cell(c, r) + " (" + tile.Why() + ") under the " + plate.first +
                                           " plate"});
                    found = true;
                    break;
                }
        }
    }
    // Told together: the tiles that first show under a plate within two
    // seconds of each other, as a strip of ground slides under one.
    std::sort(told.begin(), told.end(), [](const Told& a, const Told& b) { return a.step < b.step; });
    for (std::size_t k = 0; k < told.size();) {
        const int first = told[k].step;
        std::string tiles;
        int lastStep = first;
        for (; k < told.size() && told[k].step - first <= 80; ++k) {
            tiles += (tiles.empty() ? "" : "; ") + told[k].what;
            lastStep = told[k].step;
        }
        ADD_FAILURE() << where << ", steps " << first << " to " << lastStep
                      << ": the route shows under the head-up display (the camera at step " << first << " at "
                      << Point(run.Step(first).playView.x, run.Step(first).playView.y) << "): " << tiles;
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
        std::string under = ", and no floor lies under it";
        if (below < map.Rows())
            under = ", and the first floor under the foot is at " + Cell(column, below) + ", " +
                    std::to_string(static_cast<int>(TileSize * static_cast<float>(below) - footY)) + " px lower";
        ADD_FAILURE() << what << "stands on nothing: " << Cell(column, row) << " holds tile "
                      << map.AtOrEmpty(column, row).id << ", not a floor that stays" << under << "; "
                      << FirstSeen(run, box);
    }
}

// What is wrong with the view of the far background at `view` (its
// top-left corner) when the background's picture lies as placed; empty
// when the picture covers the whole view with pixels of its own.
std::string BackdropFault(const GraphicsContext::BackdropPlacement& place, sf::Vector2f view, const sf::Image& picture)
{
    const sf::FloatRect& quad = place.quad;
    std::ostringstream out;
    if (quad.left > view.x || quad.top > view.y || quad.left + quad.width < view.x + ViewWidth ||
        quad.top + quad.height < view.y + ViewHeight) {
        out << "the picture covers x " << quad.left - view.x << " to " << quad.left + quad.width - view.x << ", y "
            << quad.top - view.y << " to " << quad.top + quad.height - view.y
            << " of the view, not all of 0 to 1024 by 0 to 768: the window's clear colour shows beside it";
        return out.str();
    }
    // The picture's row under the centre of the view's row y, in texels.
    const float rows = static_cast<float>(picture.getSize().y);
    auto row = [&](float y) {
        return place.texels.top + (view.y + y + 0.5f - quad.top) * place.texels.height / quad.height;
    };
    // The smoothing mixes the two rows nearest to that centre, and the
    // texture repeats: within half a row of the picture's top or bottom edge
    // a pixel mixes in the picture's other edge.
    int topMixed = 0;
    while (topMixed < static_cast<int>(ViewHeight) && row(static_cast<float>(topMixed)) < 0.5f)
        ++topMixed;
    int bottomMixed = 0;
    while (bottomMixed < static_cast<int>(ViewHeight) &&
           row(ViewHeight - 1 - static_cast<float>(bottomMixed)) > rows - 0.5f)
        ++bottomMixed;
    if (topMixed > 0 || bottomMixed > 0) {
        out << "the picture repeats only from side to side, but ";
        if (topMixed > 0)
            out << "rows 0 to " << topMixed - 1 << " of the view mix in its bottom row" << (bottomMixed ? " and " : "");
        if (bottomMixed > 0)
            out << "rows " << ViewHeight - static_cast<float>(bottomMixed) << " to 767 of the view mix in its top row";
        return out.str();
    }
    // Every pixel of the rows shown is the picture's own, opaque.
    const auto first = static_cast<unsigned>(std::max(0.f, std::floor(row(0) - 0.5f)));
    const auto last = static_cast<unsigned>(std::min(rows - 1, std::floor(row(ViewHeight - 1) - 0.5f) + 1));
    for (unsigned y = first; y <= last; ++y)
        for (unsigned x = 0; x < picture.getSize().x; ++x)
            if (picture.getPixel(x, y).a != 255) {
                out << "the picture's pixel " << Point(static_cast<float>(x), static_cast<float>(y))
                    << " shows in the view but is not opaque: the window's clear colour shows through it";
                return out.str();
            }
    // The bottom of the view shows the picture's own bottom, not a band that
    // fades back into the colours of its top row (its sky, over the ground).
    const unsigned columns = picture.getSize().x;
    unsigned alike = 0;
    for (unsigned x = 0; x < columns; ++x) {
        const sf::Color top = picture.getPixel(x, 0);
        const sf::Color bottom = picture.getPixel(x, last);
        alike += std::max({std::abs(top.r - bottom.r), std::abs(top.g - bottom.g), std::abs(top.b - bottom.b)}) <= 8;
    }
    if (2 * alike > columns) {
        out << "along the view's bottom edge the picture shows its row " << last
            << ", painted in the colours of its top row in " << alike << " of its " << columns
            << " columns: a band of the picture's top under its ground";
        return out.str();
    }
    return std::string();
}

// Every backdrop covers the whole view at every step of the run: where the
// renderer puts the background's picture for the far background's view
// (GraphicsContext::PlaceBackdrop), its quad covers the whole 1024 x 768
// view, every pixel of the view takes its colour from the picture's own
// rows (the smoothing never reaches across the picture's top or bottom
// edge into the other one: the picture repeats only from side to side),
// every pixel of the picture that the view shows is opaque, so that the
// window's clear colour never shows, and the bottom of the view shows the
// picture's own bottom rather than its last rows faded into the colours of
// its top row (more than half of that row's columns within 8 of the top
// row's colour in every channel). Told once a level, at the first step.
TEST_P(LevelPlacement, BackdropCoversTheView)
{
    ASSERT_TRUE(run.backgroundIndex >= 0 && run.backgroundIndex < 3) << where << ": background " << run.backgroundIndex;
    const sf::Image& picture = Pictures::Get().Background(static_cast<std::size_t>(run.backgroundIndex));
    // The fault for each placement up and down, which the camera does not
    // change; across, the picture repeats.
    std::map<std::pair<float, float>, std::string> faults;
    int first = 0;
    int count = 0;
    std::string fault;
    for (std::size_t i = 0; i < run.steps.size(); ++i) {
        const RunStep& step = run.steps[i];
        if (step.phase != PhasePlaying)
            continue;
        const GraphicsContext::BackdropPlacement place =
            GraphicsContext::PlaceBackdrop(step.backdropView, picture.getSize());
        const std::pair<float, float> key(place.quad.top - step.backdropView.y, place.quad.height);
        auto found = faults.find(key);
        if (found == faults.end() || place.quad.left > step.backdropView.x ||
            place.quad.left + place.quad.width < step.backdropView.x + ViewWidth)
            found = faults.insert_or_assign(key, BackdropFault(place, step.backdropView, picture)).first;
        if (found->second.empty())
            continue;
        if (count++ == 0) {
            first = static_cast<int>(i + 1);
            fault = found->second;
        }
    }
    EXPECT_EQ(count, 0) << where << ", step " << first << ": the backdrop (background " << run.backgroundIndex
                        << ") does not cover the view " << Camera(run.Step(first)) << ": " << fault << "; so at "
                        << count << " steps of the run";
}

// The cells where something is dangerous or moves: deadly tiles, spikes,
// exploding blocks, trampolines, drop floors, fading floors, gates
// (switched blocks) and the switches that open them, the cells a lift's
// box sweeps along its path (and down from its path's end for a lift that
// falls), and the cells under an enemy where it starts.
std::vector<bool> DangerOrMotion(const World& world)
{
    const Tilemap& map = world.tilemap;
    const std::uint32_t columns = map.Columns();
    const std::uint32_t rows = map.Rows();
    std::vector<bool> marked(static_cast<std::size_t>(columns) * rows, false);
    auto markBox = [&](float left, float top, float width, float height) {
        for (const TilePos& cell : CellsUnder(left, top, left + width, top + height))
            if (cell.x < static_cast<std::int32_t>(columns) && cell.y < static_cast<std::int32_t>(rows))
                marked[static_cast<std::size_t>(cell.x) * rows + static_cast<std::size_t>(cell.y)] = true;
    };
    for (std::uint32_t c = 0; c < columns; ++c)
        for (std::uint32_t r = 0; r < rows; ++r) {
            const std::uint32_t id = map.AtOrEmpty(c, r).id;
            const std::uint32_t flags = GetTileFlags(id);
            if ((flags & (TileFlag::Deadly | TileFlag::Fading)) || id == TimedSpikesId || id == SpikesId ||
                id == ExplodingBlockId || id == TrampolineId || id == DropFloorId || id == SwitchedBlockOnId ||
                id == SwitchedBlockOffId || id == SwitchId || id == PressedSwitchId)
                marked[static_cast<std::size_t>(c) * rows + r] = true;
        }
    for (const Lift& lift : world.lifts) {
        const sf::Vector2f size = lift.GetSize();
        float x = boost::rational_cast<float>(lift.startX);
        float y = boost::rational_cast<float>(lift.startY);
        markBox(x - size.x / 2, y, size.x, size.y);
        // A drop lift falls at once; the others walk their path first.
        if (lift.kind != Lift::TriggeredDrop)
            for (const LiftWaypoint& step : lift.waypoints) {
                const int length = std::max(std::abs(step.dx), std::abs(step.dy));
                for (int k = 1; k <= length; ++k)
                    markBox(x + static_cast<float>(step.dx * k) / static_cast<float>(length) - size.x / 2,
                            y + static_cast<float>(step.dy * k) / static_cast<float>(length), size.x, size.y);
                x += static_cast<float>(step.dx);
                y += static_cast<float>(step.dy);
            }
        if (lift.IsTriggeredKind())
            markBox(x - size.x / 2, y, size.x, static_cast<float>(rows) * TileSize - y);
    }
    for (const Enemy& enemy : world.enemies)
        markBox(enemy.Left(), enemy.Top(), enemy.width, enemy.height);
    return marked;
}

// Hazard stripes mark danger or motion: every tile whose picture shows
// yellow-and-black stripes shares a side or a corner with a cell where
// something is dangerous or moves (see DangerOrMotion). Stripe tiles that
// touch none are told by patch (tiles joined by a side or a corner), with
// the patch's bounds.
TEST_P(LevelPlacement, HazardStripesMarkDangerOrMotion)
{
    const std::vector<bool> marked = DangerOrMotion(run.loaded);
    const std::uint32_t rows = map.Rows();
    const auto columns = static_cast<std::int64_t>(map.Columns());
    std::map<std::uint32_t, bool> striped;
    auto stripes = [&](std::int64_t c, std::int64_t r) {
        if (c < 0 || r < 0 || c >= columns || r >= rows)
            return false;
        const std::uint32_t id = map.AtOrEmpty(static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(r)).id;
        auto found = striped.find(id);
        if (found == striped.end())
            found = striped.emplace(id, id != EmptyTileId && Pictures::Get().ShowsHazardStripes(id)).first;
        return found->second;
    };
    auto lonely = [&](std::int64_t c, std::int64_t r) {
        for (std::int64_t dc = -1; dc <= 1; ++dc)
            for (std::int64_t dr = -1; dr <= 1; ++dr) {
                const std::int64_t x = c + dc, y = r + dr;
                if (x >= 0 && y >= 0 && x < columns && y < rows &&
                    marked[static_cast<std::size_t>(x) * rows + static_cast<std::size_t>(y)])
                    return false;
            }
        return true;
    };
    std::vector<bool> seen(marked.size(), false);
    for (std::int64_t c = 0; c < columns; ++c)
        for (std::int64_t r = 0; r < rows; ++r) {
            const std::size_t at = static_cast<std::size_t>(c) * rows + static_cast<std::size_t>(r);
            if (seen[at] || !stripes(c, r) || !lonely(c, r))
                continue;
            // The patch of lonely stripe tiles through this one.
            std::vector<std::pair<std::int64_t, std::int64_t>> todo{{c, r}};
            seen[at] = true;
            std::int64_t left = c, right = c, top = r, bottom = r;
            std::size_t count = 0;
            std::set<std::uint32_t> ids;
            while (!todo.empty()) {
                const auto [x, y] = todo.back();
                todo.pop_back();
                ++count;
                ids.insert(map.AtOrEmpty(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)).id);
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                for (std::int64_t dc = -1; dc <= 1; ++dc)
                    for (std::int64_t dr = -1; dr <= 1; ++dr) {
                        const std::int64_t nx = x + dc, ny = y + dr;
                        if (!stripes(nx, ny) || !lonely(nx, ny))
                            continue;
                        const std::size_t next = static_cast<std::size_t>(nx) * rows + static_cast<std::size_t>(ny);
                        if (!seen[next]) {
                            seen[next] = true;
                            todo.emplace_back(nx, ny);
                        }
                    }
            }
            std::string names;
            for (const std::uint32_t id : ids)
                names += (names.empty() ? "" : ", ") + std::to_string(id);
            const auto cell = [](std::int64_t x, std::int64_t y) {
                return Cell(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
            };
            const sf::FloatRect box(TileSize * static_cast<float>(left), TileSize * static_cast<float>(top),
                                    TileSize * static_cast<float>(right - left + 1),
                                    TileSize * static_cast<float>(bottom - top + 1));
            ADD_FAILURE() << where << ": " << count << (count == 1 ? " tile" : " tiles")
                          << " of hazard stripes (tile " << names << ") within " << cell(left, top) << " to "
                          << cell(right, bottom)
                          << " touch nothing dangerous or moving: no deadly tile, spikes, exploding block, "
                             "trampoline, drop or fading floor, gate, switch, lift's path or enemy beside them; "
                          << FirstSeen(run, box);
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
