#include "kest/BigTexture.h"

#include "kest/TileGrid.h"

namespace kest {

BigTexture::BigTexture() : columns_(0), rows_(0), width_(0), height_(0), smooth_(false) {}

bool BigTexture::loadFromStream(sf::InputStream& stream) {
    sf::Image image;
    if (!image.loadFromStream(stream))
        return false;
    return loadFromImage(image);
}

bool BigTexture::loadFromImage(const sf::Image& image) {
    const unsigned int maxSize = sf::Texture::getMaximumSize();
    const sf::Vector2u size = image.getSize();
    const TileGrid grid(size.x, size.y, maxSize);
    if (grid.empty())
        return false;

    BigTexture aside;
    aside.tiles_.reserve(grid.tileCount());
    for (unsigned int row = 0; row < grid.rows(); ++row) {
        for (unsigned int column = 0; column < grid.columns(); ++column) {
            aside.tiles_.emplace_back();
            if (!aside.tiles_.back().loadFromImage(image, grid.tileRect(column, row)))
                return false;
        }
    }
    aside.setSmooth(smooth_);

    tiles_.swap(aside.tiles_);
    columns_ = grid.columns();
    rows_ = grid.rows();
    width_ = size.x;
    height_ = size.y;
    return true;
}

void BigTexture::setSmooth(bool smooth) {
    if (smooth == smooth_)
        return;
    smooth_ = smooth;
    for (sf::Texture& tile : tiles_)
        tile.setSmooth(smooth);
}

sf::Vector2f BigTexture::makeSprites(const sf::Color& colour, std::vector<sf::Sprite>& sprites) const {
    const unsigned int maxSize = sf::Texture::getMaximumSize();
    sprites.clear();
    sprites.resize(tiles_.size());
    for (unsigned int column = 0; column < columns_; ++column) {
        for (unsigned int row = 0; row < rows_; ++row) {
            sf::Sprite& sprite = sprites[row * columns_ + column];
            sprite.setColor(colour);
            // A fresh sprite takes the whole texture as its rectangle.
            sprite.setTexture(tiles_[row * columns_ + column], false);
            sprite.setPosition(TileGrid::tilePosition(column, row, maxSize));
        }
    }
    return sf::Vector2f(static_cast<float>(width_), static_cast<float>(height_));
}

}  // namespace kest
