#include "kest/TileGrid.h"

#include <algorithm>

namespace kest {

namespace {

// ceil(side / maxSize) for a side of at least 1; 0 for an empty side.
std::uint32_t tilesAlong(std::uint32_t side, std::uint32_t maxSize) {
    if (side == 0 || maxSize == 0)
        return 0;
    return (side - 1) / maxSize + 1;
}

}  // namespace

TileGrid::TileGrid(std::uint32_t width, std::uint32_t height, std::uint32_t maxSize)
    : width_(width),
      height_(height),
      maxSize_(maxSize),
      columns_(tilesAlong(width, maxSize)),
      rows_(tilesAlong(height, maxSize)) {
    if (columns_ == 0 || rows_ == 0)
        columns_ = rows_ = 0;
}

sf::IntRect TileGrid::tileRect(std::uint32_t column, std::uint32_t row) const {
    const std::uint32_t left = column * maxSize_;
    const std::uint32_t top = row * maxSize_;
    const std::uint32_t width = left < width_ ? std::min(maxSize_, width_ - left) : 0;
    const std::uint32_t height = top < height_ ? std::min(maxSize_, height_ - top) : 0;
    return sf::IntRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                       static_cast<int>(height));
}

sf::Vector2f TileGrid::tilePosition(std::uint32_t column, std::uint32_t row, std::uint32_t maxSize) {
    return sf::Vector2f(static_cast<float>(column * maxSize), static_cast<float>(row * maxSize));
}

}  // namespace kest
