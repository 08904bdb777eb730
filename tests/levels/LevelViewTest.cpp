// The playing levels as a player sees them while their recorded runs play:
// the background scenery stands on the ground behind the play, glowing
// background pieces are never covered by tiles, and every sign's text fits
// its box as written and stays clear of the tiles around it. Behind the
// menus, every piece of scenery of the backdrop levels stands on the ground.
//
// The camera follows the player as the renderer moves it, and the
// background scenery shows in the layer that moves by half the camera.

#include "RecordedRun.h"

#include "game/sim/GamePhase.h"
#include "game/world/LevelLoader.h"
#include "game/objects/Scenery.h"
#include "game/objects/SceneryTypeTable.h"
#include "game/world/TextProperty.h"
#include "game/world/TileFlags.h"
#include "game/world/TileIds.h"
#include "game/world/World.h"

#include "content/BuiltArchive.h"
#include "support/TempDataDir.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

using levels::Level;
using levels::Name;
using levels::TileSize;
using levels::ViewHeight;
using levels::ViewWidth;

float Round(float v) { return std::floor(v + 0.5f); }

// Where a background piece shows on the play field: its layer moves by half
// the camera, each in whole pixels.
sf::Vector2f ShownAt(const Scenery& piece, sf::Vector2f view)
{
    return piece.GetPosition() + view - sf::Vector2f(Round(view.x * 0.5f), Round(view.y * 0.5f));
}

// A level loaded as the game loads it, with the player's place and the
// camera at every step of its recorded run in which the player plays.
struct PlayedLevel {
    World world;
    std::vector<Scenery> foreground;
    std::vector<Scenery> background;
    std::vector<sf::Vector2f> player;
    std::vector<sf::Vector2f> views;
};

void Play(const Level& level, PlayedLevel& played)
{
    const levels::RecordedRun& run = levels::RecordedRun::Of(level);
    played.world = run.loaded;
    played.foreground = run.foreground;
    played.background = run.background;
    for (const levels::RunStep& step : run.steps) {
        if (step.phase != PhasePlaying)
            continue;
        played.player.emplace_back(step.player.left + step.player.width / 2, step.player.top + step.player.height / 2);
        played.views.push_back(step.playView);
    }
    ASSERT_FALSE(played.player.empty()) << Name(level) << ": the run never plays";
}

// Tiles that read as ground or terrain: what a piece may stand on, and what
// must not cover it.
bool IsTerrain(std::uint32_t id)
{
    const std::uint32_t flags = GetTileFlags(id);
    if (flags & (TileFlag::Wall | TileFlag::RisingSlope | TileFlag::FallingSlope | TileFlag::Fading | TileFlag::Deadly))
        return true;
    return (id >= ItemBlockId && id <= JetpackBlockId) || (id >= SwitchedBlockOnId && id <= ExplodingBlockId) ||
           (id >= LeftwardsDoorId && id <= DropFloorId);
}

// Tiles drawn at all (the enemy barrier and the border are hidden in play).
bool IsDrawn(std::uint32_t id) { return id != EmptyTileId && id != EnemyBarrierId && id != BorderBlockId; }

std::uint32_t IdAt(const Tilemap& map, float x, float y)
{
    if (x < 0 || y < 0)
        return 0;
    return map.AtOrEmpty(static_cast<std::uint32_t>(x / TileSize), static_cast<std::uint32_t>(y / TileSize)).id;
}

// The first tile of the kind that `test` accepts overlapping the rectangle
// (edges excluded), as "id at (column, row)"; empty when there is none.
template <typename Test>
std::string FirstTileIn(const Tilemap& map, sf::FloatRect r, Test test)
{
    if (r.width <= 0 || r.height <= 0)
        return std::string();
    const int c0 = static_cast<int>(std::floor(r.left / TileSize));
    const int c1 = static_cast<int>(std::ceil((r.left + r.width) / TileSize)) - 1;
    const int r0 = static_cast<int>(std::floor(r.top / TileSize));
    const int r1 = static_cast<int>(std::ceil((r.top + r.height) / TileSize)) - 1;
    for (int c = std::max(c0, 0); c <= c1; ++c)
        for (int row = std::max(r0, 0); row <= r1; ++row) {
            const std::uint32_t id = map.AtOrEmpty(static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(row)).id;
            if (test(id))
                return "tile " + std::to_string(id) + " at (" + std::to_string(c) + ", " + std::to_string(row) + ")";
        }
    return std::string();
}

std::string Describe(const Scenery& piece, const char* layer = "background")
{
    std::ostringstream out;
    out << layer << " kind " << piece.kind << " at (" << piece.x << ", " << piece.y << ")";
    return out.str();
}

// How far a piece's foot may sink behind the ground in front of it (a
// quarter of its height at most), and how far above the ground it may end.
constexpr float Sink = 14;
constexpr float Float = 6;
// How near the player a background piece shows while it has to stand: 320
// pixels to either side, most of the window's width.
constexpr float Near = 320;

// What is wrong with a piece of scenery of the kind shown with its centre at
// `at`: a platform, wall or cliff hides a part of it, or its foot ends above
// the ground under it (at a quarter, half and three quarters of its width:
// the highest gap counts). Empty when it stands as it should.
std::string PlacementFault(const Tilemap& map, std::int32_t kind, sf::Vector2f at)
{
    const sf::IntRect rect = SceneryTypeTable::Get(kind).textureRect;
    const float w = static_cast<float>(rect.width);
    const float h = static_cast<float>(rect.height);
    const float sink = std::min(Sink, h / 4);
    const float left = at.x - w / 2;
    const float bottom = at.y + h / 2;
    const std::string cover = FirstTileIn(map, {left + 2, bottom - h + 2, w - 4, h - 2 - sink}, IsTerrain);
    if (!cover.empty())
        return "is partly hidden by " + cover;
    float gap = -sink;
    for (const float x : {left + w / 4, at.x, left + 3 * w / 4}) {
        float ground = bottom - sink;
        while (ground < static_cast<float>(map.Rows()) * TileSize && !IsTerrain(IdAt(map, x, ground)))
            ground = (std::floor(ground / TileSize) + 1) * TileSize;
        gap = std::max(gap, std::floor(ground / TileSize) * TileSize - bottom);
    }
    if (gap > Float)
        return "its foot ends " + std::to_string(static_cast<int>(gap)) + " px above the ground";
    return std::string();
}

class LevelView : public ::testing::TestWithParam<Level> {
protected:
    void SetUp() override
    {
        ASSERT_GE(dir.CopyBuiltArchives(), 1);
        Play(GetParam(), level);
    }

    testsupport::TempDataDir dir;
    PlayedLevel level;
};

std::string TestName(const ::testing::TestParamInfo<Level>& param)
{
    return "Level" + std::to_string(param.param.world) + "_" + std::to_string(param.param.level);
}

// While the player is near where it shows, each background piece stands on
// the ground under it, its foot at most a little behind the ground, and no
// platform, wall or cliff hides a part of it. (Farther away it slides over
// the ground at half the camera's speed, as far scenery does.)
TEST_P(LevelView, BackgroundSceneryStandsOnTheGround)
{
    const Tilemap& map = level.world.tilemap;
    for (const Scenery& piece : level.background) {
        // What is wrong with the piece as it shows with the camera of step i.
        auto fault = [&](std::size_t i) { return PlacementFault(map, piece.kind, ShownAt(piece, level.views[i])); };
        // The steps at which it shows near the player; the nearest one when
        // it never does.
        auto distance = [&](std::size_t i) { return std::abs(ShownAt(piece, level.views[i]).x - level.player[i].x); };
        std::size_t nearest = 0;
        for (std::size_t i = 0; i < level.player.size(); ++i)
            if (distance(i) < distance(nearest))
                nearest = i;
        for (std::size_t i = 0; i < level.player.size(); ++i) {
            if (i != nearest && distance(i) > Near)
                continue;
            const std::string problem = fault(i);
            if (problem.empty())
                continue;
            const sf::Vector2f at = ShownAt(piece, level.views[i]);
            ADD_FAILURE() << Name(GetParam()) << ": " << Describe(piece) << ", seen at (" << at.x << ", " << at.y
                          << ") with the camera at (" << level.views[i].x << ", " << level.views[i].y
                          << ") while the player is at (" << level.player[i].x << ", " << level.player[i].y
                          << "), " << problem;
            break;
        }
    }
}

// A glowing background piece adds its glow over the finished picture, tiles
// included: none ever shows where a tile is drawn over it.
TEST_P(LevelView, GlowingBackgroundIsNeverCovered)
{
    const Tilemap& map = level.world.tilemap;
    for (const Scenery& piece : level.background) {
        if (!SceneryTypeTable::Get(piece.kind).glows)
            continue;
        const sf::IntRect rect = SceneryTypeTable::Get(piece.kind).textureRect;
        const float w = static_cast<float>(rect.width);
        const float h = static_cast<float>(rect.height);
        for (std::size_t i = 0; i < level.views.size(); ++i) {
            const sf::Vector2f view = level.views[i];
            const sf::Vector2f at = ShownAt(piece, view);
            const sf::FloatRect box(at.x - w / 2 + 2, at.y - h / 2 + 2, w - 4, h - 4);
            if (!box.intersects({view.x, view.y, ViewWidth, ViewHeight}))
                continue;
            const std::string cover = FirstTileIn(map, box, IsDrawn);
            EXPECT_TRUE(cover.empty()) << Name(GetParam()) << ": " << Describe(piece) << " glows through " << cover
                                       << " with the camera at (" << view.x << ", " << view.y << ")";
            if (!cover.empty())
                break;
        }
    }
}

// Glyph advances of the game's font as the game's text measure takes them
// (the font's own advances at the pixel size, hinted, without kerning).
class FontMeasure {
public:
    FontMeasure(const std::string& bytes, unsigned size) : bytes_(bytes)
    {
        ok_ = FT_Init_FreeType(&library_) == 0 &&
              FT_New_Memory_Face(library_, reinterpret_cast<const FT_Byte*>(bytes_.data()),
                                 static_cast<FT_Long>(bytes_.size()), 0, &face_) == 0 &&
              FT_Set_Pixel_Sizes(face_, 0, size) == 0;
    }
    ~FontMeasure()
    {
        if (face_)
            FT_Done_Face(face_);
        if (library_)
            FT_Done_FreeType(library_);
    }
    FontMeasure(const FontMeasure&) = delete;
    FontMeasure& operator=(const FontMeasure&) = delete;

    bool Ok() const { return ok_; }
    float LineSpacing() const { return static_cast<float>(face_->size->metrics.height) / 64.f; }
    float Width(const std::string& text) const
    {
        float width = 0;
        for (const unsigned char c : text)
            if (FT_Load_Char(face_, c, FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT) == 0)
                width += static_cast<float>(face_->glyph->metrics.horiAdvance) / 64.f;
        return width;
    }

private:
    std::string bytes_;
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    bool ok_ = false;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

// The sign's text box: 180 by 100 pixels, 14-pixel text, centred on the
// sign's centre raised by 35 pixels, its lines pushed to the bottom.
constexpr float BoxWidth = 180;
constexpr float BoxHeight = 100;
constexpr unsigned TextSize = 14;

// Every sign shows its lines as written, none broken by the box or cut off
// at its bottom, and the words stand clear of the tiles around the sign.
TEST_P(LevelView, SignsFitTheirBox)
{
    foxp::Archive archive;
    archive.Open(contenttest::BuiltArchivePath(2), contenttest::ResourcePassword());
    const FontMeasure font(contenttest::ReadEntry(archive, "Brlnsdb.ttf"), TextSize);
    ASSERT_TRUE(font.Ok());
    const float spacing = font.LineSpacing();
    const float space = font.Width(" ");

    const Tilemap& map = level.world.tilemap;
    for (std::uint32_t column = 0; column < map.Columns(); ++column)
        for (std::uint32_t row = 0; row < map.Rows(); ++row) {
            const Tile& sign = map.AtOrEmpty(column, row);
            if (sign.id != SignId)
                continue;
            const std::string text = sign.GetTextProperty().text;
            const std::string where = Name(GetParam()) + ": the sign at (" + std::to_string(column) + ", " +
                                      std::to_string(row) + ") \"" + text + "\"";
            const std::vector<std::string> lines = Split(text, '\n');
            ASSERT_FALSE(lines.empty()) << where;
            EXPECT_LE(spacing * static_cast<float>(lines.size()), BoxHeight) << where << ": too many lines";
            const float boxLeft = TileSize * static_cast<float>(column) + TileSize / 2 - BoxWidth / 2;
            const float boxTop = TileSize * static_cast<float>(row) + TileSize / 2 - 35 - BoxHeight / 2;
            const float shift = BoxHeight - spacing * static_cast<float>(lines.size() + 2);
            for (std::size_t k = 0; k < lines.size(); ++k) {
                // The box breaks a line once a word and the space after it
                // pass its width.
                float reach = 0;
                for (const std::string& word : Split(lines[k], ' '))
                    if (!word.empty())
                        reach += font.Width(word) + space;
                EXPECT_LE(reach, BoxWidth) << where << ": the line \"" << lines[k] << "\" does not fit";
                const float lineLeft = boxLeft + (BoxWidth - reach) / 2;
                const float lineTop = boxTop + shift + spacing * static_cast<float>(k);
                const std::string cover =
                    FirstTileIn(map, {lineLeft + 1, lineTop + 3, reach - space - 2, spacing - 4}, IsDrawn);
                EXPECT_TRUE(cover.empty()) << where << ": the line \"" << lines[k] << "\" runs over " << cover;
            }
        }
}

// Behind a menu the camera stays on the map's centre, so every piece of
// scenery, in front of the play or behind it, is seen at one place: there
// it stands on the ground, with nothing hiding a part of it.
TEST(BackdropView, ScenerySitsOnTheGround)
{
    testsupport::TempDataDir dir;
    ASSERT_GE(dir.CopyBuiltArchives(), 1);
    for (std::uint16_t l = 1; l <= 6; ++l) {
        const Level backdrop{0, l};
        World world;
        std::vector<Scenery> foreground, background;
        short backgroundIndex = -1;
        LevelLoader loader(&world, &foreground, &background, &backgroundIndex);
        ASSERT_NO_THROW(loader.Load(backdrop.world, backdrop.level)) << Name(backdrop);
        const Tilemap& map = world.tilemap;
        const sf::Vector2f view(Round(static_cast<float>(map.Columns()) * TileSize / 2 - ViewWidth / 2),
                                Round(static_cast<float>(map.Rows()) * TileSize / 2 - ViewHeight / 2));
        for (const Scenery& piece : foreground) {
            const std::string problem = PlacementFault(map, piece.kind, piece.GetPosition());
            EXPECT_TRUE(problem.empty()) << Name(backdrop) << ": " << Describe(piece, "foreground") << " " << problem;
        }
        for (const Scenery& piece : background) {
            const sf::Vector2f at = ShownAt(piece, view);
            const std::string problem = PlacementFault(map, piece.kind, at);
            EXPECT_TRUE(problem.empty()) << Name(backdrop) << ": " << Describe(piece) << ", seen at (" << at.x << ", "
                                         << at.y << "), " << problem;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PlayingLevels, LevelView,
                         ::testing::ValuesIn(levels::PlayingLevels), TestName);

}  // namespace
