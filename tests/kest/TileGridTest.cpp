#include <gtest/gtest.h>

#include <vector>

#include "kest/TileGrid.h"

namespace {

using kest::TileGrid;

std::vector<sf::IntRect> rectsInTileOrder(const TileGrid& grid) {
    std::vector<sf::IntRect> rects;
    for (unsigned row = 0; row < grid.rows(); ++row)
        for (unsigned column = 0; column < grid.columns(); ++column)
            rects.push_back(grid.tileRect(column, row));
    return rects;
}

TEST(TileGrid, CutsTheImageRowByRow) {
    const struct {
        unsigned width, height, maxSize;
        std::vector<sf::IntRect> tiles;  // in tile order
        unsigned columns;
    } cases[] = {
        {1024, 768, 8192, {{0, 0, 1024, 768}}, 1},
        {1024, 768, 512, {{0, 0, 512, 512}, {512, 0, 512, 512}, {0, 512, 512, 256}, {512, 512, 512, 256}}, 2},
        {1024, 512, 512, {{0, 0, 512, 512}, {512, 0, 512, 512}}, 2},
        {1025, 512, 512, {{0, 0, 512, 512}, {512, 0, 512, 512}, {1024, 0, 1, 512}}, 3},
        {300, 1100, 512, {{0, 0, 300, 512}, {0, 512, 300, 512}, {0, 1024, 300, 76}}, 1},
        {512, 512, 512, {{0, 0, 512, 512}}, 1},
        {1, 1, 512, {{0, 0, 1, 1}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.maxSize);
        const TileGrid grid(c.width, c.height, c.maxSize);
        EXPECT_EQ(grid.columns(), c.columns);
        EXPECT_EQ(grid.tileCount(), c.tiles.size());
        EXPECT_EQ(grid.columns() * grid.rows(), grid.tileCount());
        EXPECT_EQ(rectsInTileOrder(grid), c.tiles);
    }
}

TEST(TileGrid, EmptyImageOrSizeGivesNoTiles) {
    const unsigned cases[][3] = {{0, 0, 512}, {0, 768, 512}, {1024, 0, 512}, {1024, 768, 0}};
    for (const auto& c : cases) {
        const TileGrid grid(c[0], c[1], c[2]);
        EXPECT_TRUE(grid.empty());
        EXPECT_EQ(grid.columns(), 0u);
        EXPECT_EQ(grid.rows(), 0u);
    }
}

TEST(TileGrid, TilePositionsAreMultiplesOfTheMaximumSize) {
    EXPECT_EQ(TileGrid::tilePosition(0, 0, 512), sf::Vector2f(0, 0));
    EXPECT_EQ(TileGrid::tilePosition(1, 0, 512), sf::Vector2f(512, 0));
    EXPECT_EQ(TileGrid::tilePosition(0, 1, 512), sf::Vector2f(0, 512));
    EXPECT_EQ(TileGrid::tilePosition(3, 2, 16384), sf::Vector2f(49152, 32768));
}

}  // namespace
