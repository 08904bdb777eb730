#pragma once

#include <vector>

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/InputStream.hpp>
#include <SFML/System/Vector2.hpp>

namespace kest {

// An image of any size, held as a grid of textures none larger than the
// driver's maximum texture size M (asked of sf::Texture::getMaximumSize
// whenever it is needed). Tile i is in column i % columns and row
// i / columns; see TileGrid for the cut.
//
// Loading builds the whole new grid aside and swaps it in, so the object
// never holds half a grid, and a failed load leaves it as it was. A load
// destroys the previous tiles: no BigSprite of this texture may outlive it.
class BigTexture {
public:
    BigTexture();

    BigTexture(const BigTexture&) = delete;
    BigTexture& operator=(const BigTexture&) = delete;
    BigTexture(BigTexture&&) = default;
    BigTexture& operator=(BigTexture&&) = default;

    // Decodes the stream into an image and loads the grid from it. False if
    // the stream holds no decodable image or the grid cannot be made.
    bool loadFromStream(sf::InputStream& stream);

    // Cuts the image into tiles. False, with the object unchanged, for an
    // empty image or when a tile texture cannot be created.
    bool loadFromImage(const sf::Image& image);

    // Sets the smoothing of every tile, now and for later loads.
    void setSmooth(bool smooth);

    // One sprite per tile, placed at its tile's spot and tinted with the
    // colour; returns the picture's size. BigSprite builds itself with it.
    sf::Vector2f makeSprites(const sf::Color& colour, std::vector<sf::Sprite>& sprites) const;

    sf::Vector2u getTileCount() const { return sf::Vector2u(columns_, rows_); }
    sf::Vector2u getSize() const { return sf::Vector2u(width_, height_); }
    bool isSmooth() const { return smooth_; }
    const std::vector<sf::Texture>& getTiles() const { return tiles_; }

private:
    std::vector<sf::Texture> tiles_;
    unsigned int columns_;
    unsigned int rows_;
    unsigned int width_;
    unsigned int height_;
    bool smooth_;
};

}  // namespace kest
