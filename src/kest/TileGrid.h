#pragma once

#include <cstdint>

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

namespace kest {

// How an image is cut into square tiles of at most maxSize pixels a side:
// columns = ceil(width / maxSize), rows = ceil(height / maxSize). Tile i is
// in column i % columns and row i / columns (row by row from the top, each
// row from the left); every tile is maxSize by maxSize except those of the
// last column and row, which hold what is left of the image.
//
// An image with a side of 0, or a maxSize of 0, gives no tiles at all.
class TileGrid {
public:
    TileGrid(std::uint32_t width, std::uint32_t height, std::uint32_t maxSize);

    std::uint32_t columns() const { return columns_; }
    std::uint32_t rows() const { return rows_; }
    std::uint32_t tileCount() const { return columns_ * rows_; }
    bool empty() const { return tileCount() == 0; }

    // The image pixels of the tile in column c and row r.
    sf::IntRect tileRect(std::uint32_t column, std::uint32_t row) const;

    // Where that tile stands in the picture: (c * maxSize, r * maxSize).
    static sf::Vector2f tilePosition(std::uint32_t column, std::uint32_t row, std::uint32_t maxSize);

private:
    std::uint32_t width_;
    std::uint32_t height_;
    std::uint32_t maxSize_;
    std::uint32_t columns_;
    std::uint32_t rows_;
};

}  // namespace kest
