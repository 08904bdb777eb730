#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/MemoryInputStream.hpp>

#include "support/TempDataDir.h"
#include "kest/BigSprite.h"
#include "kest/BigTexture.h"

namespace {

using kest::BigSprite;
using kest::BigTexture;

const sf::Color Clear(10, 20, 30);

sf::Image filledImage(unsigned width, unsigned height, sf::Color colour) {
    sf::Image image;
    image.create(width, height, colour);
    return image;
}

// An image one pixel wider than the largest texture, so that it needs two
// columns: the last column of the first tile is green, the one pixel of the
// second tile is blue, everything else red.
sf::Image twoColumnImage(unsigned maxSize) {
    sf::Image image = filledImage(maxSize + 1, 2, sf::Color::Red);
    for (unsigned y = 0; y < 2; ++y) {
        image.setPixel(maxSize - 1, y, sf::Color::Green);
        image.setPixel(maxSize, y, sf::Color::Blue);
    }
    return image;
}

std::vector<sf::Color> firstRow(const sf::RenderTexture& target) {
    const sf::Image shot = target.getTexture().copyToImage();
    std::vector<sf::Color> row;
    for (unsigned x = 0; x < shot.getSize().x; ++x)
        row.push_back(shot.getPixel(x, 0));
    return row;
}

TEST(BigTexture, StartsEmpty) {
    const BigTexture texture;
    EXPECT_EQ(texture.getTileCount(), sf::Vector2u(0, 0));
    EXPECT_EQ(texture.getSize(), sf::Vector2u(0, 0));
    EXPECT_FALSE(texture.isSmooth());
    EXPECT_TRUE(texture.getTiles().empty());
}

TEST(BigTexture, SmallImageIsOneTile) {
    sf::Image image = filledImage(40, 30, sf::Color::Red);
    image.setPixel(39, 29, sf::Color::Blue);
    BigTexture texture;
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_EQ(texture.getTileCount(), sf::Vector2u(1, 1));
    EXPECT_EQ(texture.getSize(), sf::Vector2u(40, 30));
    ASSERT_EQ(texture.getTiles().size(), 1u);
    const sf::Image back = texture.getTiles()[0].copyToImage();
    EXPECT_EQ(back.getSize(), sf::Vector2u(40, 30));
    EXPECT_EQ(back.getPixel(39, 29), sf::Color::Blue);
    EXPECT_FALSE(texture.getTiles()[0].isSmooth());
}

TEST(BigTexture, ImageWiderOrTallerThanOneTextureIsSplit) {
    const unsigned maxSize = sf::Texture::getMaximumSize();
    ASSERT_GT(maxSize, 2u);

    BigTexture wide;
    ASSERT_TRUE(wide.loadFromImage(twoColumnImage(maxSize)));
    EXPECT_EQ(wide.getTileCount(), sf::Vector2u(2, 1));
    EXPECT_EQ(wide.getSize(), sf::Vector2u(maxSize + 1, 2));
    ASSERT_EQ(wide.getTiles().size(), 2u);
    EXPECT_EQ(wide.getTiles()[0].getSize(), sf::Vector2u(maxSize, 2));
    EXPECT_EQ(wide.getTiles()[1].getSize(), sf::Vector2u(1, 2));
    EXPECT_EQ(wide.getTiles()[1].copyToImage().getPixel(0, 1), sf::Color::Blue);

    sf::Image tallImage = filledImage(2, maxSize + 1, sf::Color::Red);
    tallImage.setPixel(1, maxSize, sf::Color::Green);
    BigTexture tall;
    ASSERT_TRUE(tall.loadFromImage(tallImage));
    EXPECT_EQ(tall.getTileCount(), sf::Vector2u(1, 2));
    ASSERT_EQ(tall.getTiles().size(), 2u);
    EXPECT_EQ(tall.getTiles()[0].getSize(), sf::Vector2u(2, maxSize));
    EXPECT_EQ(tall.getTiles()[1].getSize(), sf::Vector2u(2, 1));
    EXPECT_EQ(tall.getTiles()[1].copyToImage().getPixel(1, 0), sf::Color::Green);
}

TEST(BigTexture, FailedLoadsLeaveTheGridAsItWas) {
    BigTexture texture;
    texture.setSmooth(true);
    ASSERT_TRUE(texture.loadFromImage(filledImage(40, 30, sf::Color::Red)));
    const sf::Texture* tile = &texture.getTiles()[0];

    const std::string garbage = "this is not a picture";
    sf::MemoryInputStream stream;
    stream.open(garbage.data(), garbage.size());
    EXPECT_FALSE(texture.loadFromStream(stream));
    EXPECT_FALSE(texture.loadFromImage(sf::Image()));

    EXPECT_EQ(texture.getTileCount(), sf::Vector2u(1, 1));
    EXPECT_EQ(texture.getSize(), sf::Vector2u(40, 30));
    EXPECT_TRUE(texture.isSmooth());
    ASSERT_EQ(texture.getTiles().size(), 1u);
    EXPECT_EQ(&texture.getTiles()[0], tile);
    EXPECT_EQ(texture.getTiles()[0].getSize(), sf::Vector2u(40, 30));

    BigTexture empty;
    EXPECT_FALSE(empty.loadFromImage(sf::Image()));
    EXPECT_EQ(empty.getTileCount(), sf::Vector2u(0, 0));
    EXPECT_TRUE(empty.getTiles().empty());
}

TEST(BigTexture, LoadsFromAnEncodedStream) {
    sf::Image image = filledImage(5, 4, sf::Color::Green);
    testsupport::TempDataDir dir;
    ASSERT_TRUE(image.saveToFile(dir.DataPath("picture.png")));
    const std::string png = dir.ReadFile("Data/picture.png");
    sf::MemoryInputStream stream;
    stream.open(png.data(), png.size());

    BigTexture texture;
    ASSERT_TRUE(texture.loadFromStream(stream));
    EXPECT_EQ(texture.getSize(), sf::Vector2u(5, 4));
    EXPECT_EQ(texture.getTiles()[0].copyToImage().getPixel(4, 3), sf::Color::Green);
}

TEST(BigTexture, SmoothFlagReachesEveryTile) {
    const unsigned maxSize = sf::Texture::getMaximumSize();
    BigTexture texture;
    texture.setSmooth(true);
    ASSERT_TRUE(texture.loadFromImage(twoColumnImage(maxSize)));
    for (const sf::Texture& tile : texture.getTiles())
        EXPECT_TRUE(tile.isSmooth());

    texture.setSmooth(false);
    EXPECT_FALSE(texture.isSmooth());
    for (const sf::Texture& tile : texture.getTiles())
        EXPECT_FALSE(tile.isSmooth());

    // A later load keeps the flag.
    ASSERT_TRUE(texture.loadFromImage(filledImage(3, 3, sf::Color::Red)));
    EXPECT_FALSE(texture.getTiles()[0].isSmooth());
}

TEST(BigSprite, OfAnEmptyTextureDrawsNothing) {
    const BigTexture texture;
    const BigSprite sprite(texture);
    EXPECT_EQ(sprite.getSize(), sf::Vector2f(0, 0));
    EXPECT_EQ(sprite.getColor(), sf::Color::White);

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(4, 2));
    target.clear(Clear);
    target.draw(sprite);
    target.display();
    EXPECT_EQ(firstRow(target), std::vector<sf::Color>(4, Clear));
}

TEST(BigSprite, DrawsEveryTileAtItsPlace) {
    const unsigned maxSize = sf::Texture::getMaximumSize();
    BigTexture texture;
    ASSERT_TRUE(texture.loadFromImage(twoColumnImage(maxSize)));
    BigSprite sprite(texture);
    EXPECT_EQ(sprite.getSize(), sf::Vector2f(static_cast<float>(maxSize + 1), 2));

    const sf::Color R = sf::Color::Red, G = sf::Color::Green, B = sf::Color::Blue, C = Clear;
    const float m = static_cast<float>(maxSize);
    struct Case {
        const char* name;
        sf::Vector2f position, scale;
        sf::Transform states;
        std::vector<sf::Color> row;
    } cases[] = {
        // Local pixels M-2, M-1 (last of the first tile) and M (the second tile).
        {"moved", {2 - m, 0}, {1, 1}, sf::Transform(), {R, G, B, C, C, C, C, C}},
        {"scaled", {4 - 2 * m, 0}, {2, 2}, sf::Transform(), {R, R, G, G, B, B, C, C}},
        // The sprite's own transform applies first, then the render states'.
        {"with states", {4 - 2 * m, 0}, {2, 2}, sf::Transform().translate(2, 0), {R, R, R, R, G, G, B, B}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sprite.setPosition(c.position);
        sprite.setScale(c.scale);
        sf::RenderTexture target;
        ASSERT_TRUE(target.create(8, 2));
        target.clear(Clear);
        target.draw(sprite, sf::RenderStates(c.states));
        target.display();
        EXPECT_EQ(firstRow(target), c.row);
    }
}

}  // namespace
