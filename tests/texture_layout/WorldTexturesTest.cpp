// The level's own pictures: every cell that the tile functions can pick for
// any tile id at any counter, the floor strips, the particle pictures and the
// full pictures behind the level and the victory screen.

#include "BuiltTextures.h"

#include "game/objects/Animation.h"
#include "game/objects/Item.h"
#include "game/objects/ItemKind.h"
#include "game/world/Floor.h"
#include "game/world/Tile.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using layouttest::BuiltTexture;
using layouttest::Describe;
using layouttest::GetBuiltTexture;
using layouttest::IsInsideAndPainted;
using layouttest::NamedRect;
using layouttest::RectWalk;

// Level files store tile ids as integers and the loader takes every id that
// has flags; the known ids end at 240, so this bound walks them all.
constexpr std::uint32_t HighestTileIdWalked = 0xFFFF;

std::string TileSource(std::uint32_t id, bool slopeAsWall, const std::string& frame)
{
    return "GetTileTextureRect, tile " + std::to_string(id) + (slopeAsWall ? " drawn as its wall" : "") + ", " + frame;
}

// Every rect of GetTileTextureRect for every drawn id of one texture (id 0
// never is), still and animated over one whole period of its animation, also
// with slopes drawn as their walls (the neighbour cells that the tile shader
// blends).
RectWalk WalkTiles(TextureId texture)
{
    RectWalk walk(texture);
    for (std::uint32_t id = 1; id <= HighestTileIdWalked; ++id) {
        const std::uint32_t flags = GetTileFlags(id);
        const bool special = (flags & TileFlag::Special) != 0;
        if (flags == 0 || special != (texture == TextureSpecialTiles))
            continue;
        Tile tile;
        tile.id = id;
        const std::uint32_t period = GetTileAnimation(tile).GetPeriod();
        for (bool slopeAsWall : {false, true}) {
            tile.counter = 0;
            walk.Add(GetTileTextureRect(tile, false, slopeAsWall), TileSource(id, slopeAsWall, "still frame"));
            for (std::uint32_t counter = 0; counter < period; ++counter) {
                tile.counter = static_cast<std::int32_t>(counter);
                walk.Add(GetTileTextureRect(tile, true, slopeAsWall),
                         TileSource(id, slopeAsWall, "counter " + std::to_string(counter)));
            }
        }
    }
    return walk;
}

TEST(TextureLayout, NormalTilesHoldEveryFrameOfEveryTile)
{
    WalkTiles(TextureNormalTiles).ExpectAllInsideAndPainted();
}

TEST(TextureLayout, SpecialTilesHoldEveryFrameOfEveryTileAndTheDroppedCoin)
{
    RectWalk specialTiles = WalkTiles(TextureSpecialTiles);
    // A dropped coin is cut from the coin tile's cells.
    Item coin(ItemCoin, false, 0, 0);
    for (coin.age = 0; coin.age <= Item::ExpiryAge; ++coin.age)
        specialTiles.Add(coin.GetTextureRect(), "Item::GetTextureRect coin, age " + std::to_string(coin.age));
    specialTiles.ExpectAllInsideAndPainted();
}

// The ground of the volcano and of the laboratory fills large walls with one
// cell repeated every 36 px. A row or column whose average stands out draws a
// line through every cell of such a wall; a patch lighter or darker than the
// rest (seen through a 7 x 7 average, wrapping around like the wall) marks
// the same place in every cell. Either shows the wall as wallpaper.
struct GroundTile {
    const char* name;
    std::uint32_t id;
};

const GroundTile WideGroundTiles[] = {{"volcano rock", 105}, {"laboratory floor", 112}};

class CellLuminance {
public:
    CellLuminance(const sf::Image& image, const sf::IntRect& cell) : size_(cell.width)
    {
        for (int y = 0; y < size_; ++y)
            for (int x = 0; x < size_; ++x) {
                const sf::Color c = image.getPixel(static_cast<unsigned>(cell.left + x),
                                                   static_cast<unsigned>(cell.top + y));
                values_.push_back(0.299 * c.r + 0.587 * c.g + 0.114 * c.b);
            }
    }

    double At(int x, int y) const
    {
        const auto wrap = [this](int v) { return static_cast<std::size_t>(((v % size_) + size_) % size_); };
        return values_[wrap(y) * static_cast<std::size_t>(size_) + wrap(x)];
    }

    double Mean() const { return Sum(0, 0, size_, size_) / (size_ * size_); }

    // The largest distance of a whole row's or column's mean from the cell's.
    double WorstLine() const
    {
        double worst = 0;
        for (int i = 0; i < size_; ++i)
            worst = std::max({worst, std::abs(Sum(0, i, size_, 1) / size_ - Mean()),
                              std::abs(Sum(i, 0, 1, size_) / size_ - Mean())});
        return worst;
    }

    // The spread (standard deviation) of the means of every wrapped square.
    double PatchSpread(int square) const
    {
        double sum = 0, squares = 0;
        for (int y = 0; y < size_; ++y)
            for (int x = 0; x < size_; ++x) {
                const double m = Sum(x - square / 2, y - square / 2, square, square) / (square * square);
                sum += m;
                squares += m * m;
            }
        const double n = size_ * size_;
        return std::sqrt(std::max(0.0, squares / n - (sum / n) * (sum / n)));
    }

private:
    double Sum(int left, int top, int width, int height) const
    {
        double sum = 0;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                sum += At(x, y);
        return sum;
    }

    int size_;
    std::vector<double> values_;
};

TEST(TextureLayout, WideGroundTilesShowNoLinesOrPatchesThatRepeatWithTheirCells)
{
    const BuiltTexture& texture = GetBuiltTexture(TextureNormalTiles);
    ASSERT_TRUE(texture.loaded) << texture.error;
    for (const GroundTile& ground : WideGroundTiles) {
        Tile tile;
        tile.id = ground.id;
        const sf::IntRect cell = GetTileTextureRect(tile, false, false);
        ASSERT_TRUE(IsInsideAndPainted(texture, cell, ground.name));
        const CellLuminance luminance(texture.image, cell);
        const double mean = luminance.Mean();
        EXPECT_LE(luminance.WorstLine(), 0.12 * mean) << ground.name << " in " << Describe(cell);
        EXPECT_LE(luminance.PatchSpread(7), 0.05 * mean) << ground.name << " in " << Describe(cell);
    }
}

// The item window of a coin frame must hold the whole coin of its tile cell,
// or a dropped coin shows cut off.
TEST(TextureLayout, DroppedCoinWindowHoldsTheWholeCoinOfItsCell)
{
    const BuiltTexture& texture = GetBuiltTexture(TextureSpecialTiles);
    ASSERT_TRUE(texture.loaded) << texture.error;
    const int cell = 36;
    Item coin(ItemCoin, false, 0, 0);
    for (coin.age = 0; coin.age <= Item::ExpiryAge; coin.age += 2) {
        const sf::IntRect window = coin.GetTextureRect();
        const std::string source = "Item::GetTextureRect coin, age " + std::to_string(coin.age);
        ASSERT_TRUE(IsInsideAndPainted(texture, window, source));
        const sf::IntRect tileCell(window.left / cell * cell, window.top / cell * cell, cell, cell);
        ASSERT_TRUE(IsInsideAndPainted(texture, tileCell, source + ", the tile cell around it"));
        int outside = 0;
        for (int y = tileCell.top; y < tileCell.top + cell; ++y)
            for (int x = tileCell.left; x < tileCell.left + cell; ++x)
                if (!window.contains(x, y) &&
                    texture.image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a > 0)
                    ++outside;
        EXPECT_EQ(outside, 0) << texture.file << ": " << source << ": " << outside
                              << " painted pixels of cell " << Describe(tileCell) << " lie outside its window "
                              << Describe(window);
    }
}

// Every floor id that the level loader accepts (grass, moss, ash, ember
// crust, steel trim, hazard trim); the renderer cuts cell (shape, id) of 42 px.
constexpr int FloorCell = 42;

TEST(TextureLayout, FloorHoldsEveryShapeOfEveryFloor)
{
    RectWalk floors(TextureFloor);
    for (std::int32_t id = 0; id < Floor::IdCount; ++id)
        for (std::int32_t shape = Floor::LeftEnd; shape <= Floor::OnFallingSlope; ++shape)
            floors.Add(sf::IntRect(FloorCell * shape, FloorCell * id, FloorCell, FloorCell),
                       "floor " + std::to_string(id) + ", shape " + std::to_string(shape));
    floors.ExpectAllInsideAndPainted();
}

// The source pictures of the renderer's fixed particle systems.
const NamedRect ParticlePictures[] = {
    {"soft blob", {0, 32, 32, 32}},     {"debris 0", {0, 0, 32, 32}},   {"debris 1", {32, 0, 32, 32}},
    {"debris 2", {64, 0, 32, 32}},      {"debris 3", {96, 0, 32, 32}},  {"spark 0", {32, 32, 11, 11}},
    {"spark 1", {43, 32, 11, 11}},      {"spark 2", {54, 32, 11, 11}},  {"spark 3", {65, 32, 11, 11}},
    {"spark 4", {76, 32, 11, 11}},      {"spark 5", {87, 32, 11, 11}},
};

TEST(TextureLayout, ParticlesHoldEveryParticlePicture)
{
    RectWalk particles(TextureParticles);
    for (const NamedRect& picture : ParticlePictures)
        particles.Add(picture.rect, std::string("particle picture ") + picture.name);
    particles.ExpectAllInsideAndPainted();
}

// Pictures drawn whole behind everything: a hole would show the clear colour.
::testing::AssertionResult IsOpaque(const BuiltTexture& texture)
{
    if (!texture.loaded)
        return ::testing::AssertionFailure() << texture.error;
    const sf::Vector2u size = texture.image.getSize();
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x)
            if (texture.image.getPixel(x, y).a != 255)
                return ::testing::AssertionFailure()
                       << texture.file << ": pixel (" << x << ", " << y << ") is not opaque";
    return ::testing::AssertionSuccess();
}

TEST(TextureLayout, BackgroundsAreWholeOpaquePictures)
{
    for (TextureId id : {TextureBackground1, TextureBackground2, TextureBackground3}) {
        const BuiltTexture& texture = GetBuiltTexture(id);
        EXPECT_TRUE(IsOpaque(texture));
        EXPECT_GT(texture.image.getSize().x, 0u) << texture.file;
        EXPECT_GT(texture.image.getSize().y, 0u) << texture.file;
    }
}

// The victory screen draws its picture unscaled at the window's top left.
TEST(TextureLayout, VictoryPictureCoversTheWholeWindow)
{
    const BuiltTexture& texture = GetBuiltTexture(TextureVictory);
    EXPECT_TRUE(IsOpaque(texture));
    EXPECT_GE(texture.image.getSize().x, 1024u) << texture.file;
    EXPECT_GE(texture.image.getSize().y, 768u) << texture.file;
}

}  // namespace
