#include <gtest/gtest.h>

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "kest/ConvexShape.h"

namespace {

void styled(sf::Shape& shape, const sf::Texture& texture) {
    shape.setFillColor(sf::Color(1, 2, 3, 4));
    shape.setOutlineColor(sf::Color(5, 6, 7, 8));
    shape.setOutlineThickness(2.5f);
    shape.setPosition(100, 50);
    shape.setRotation(30);
    shape.setScale(2, 3);
    shape.setOrigin(10, 5);
    shape.setTexture(&texture);
    shape.setTextureRect(sf::IntRect(1, 2, 3, 4));
}

void expectSameLook(const sf::ConvexShape& convex, const sf::Shape& shape) {
    EXPECT_EQ(convex.getFillColor(), shape.getFillColor());
    EXPECT_EQ(convex.getOutlineColor(), shape.getOutlineColor());
    EXPECT_EQ(convex.getOutlineThickness(), shape.getOutlineThickness());
    EXPECT_EQ(convex.getPosition(), shape.getPosition());
    EXPECT_EQ(convex.getRotation(), shape.getRotation());
    EXPECT_EQ(convex.getScale(), shape.getScale());
    EXPECT_EQ(convex.getOrigin(), shape.getOrigin());
    EXPECT_EQ(convex.getTexture(), shape.getTexture());
    EXPECT_EQ(convex.getTextureRect(), shape.getTextureRect());
}

TEST(ToConvexShape, CopiesARectangle) {
    sf::Texture texture;
    ASSERT_TRUE(texture.create(8, 8));
    sf::RectangleShape rectangle(sf::Vector2f(200, 30));
    styled(rectangle, texture);

    const sf::ConvexShape convex = kest::toConvexShape(rectangle);
    expectSameLook(convex, rectangle);
    ASSERT_EQ(convex.getPointCount(), 4u);
    EXPECT_EQ(convex.getPoint(0), sf::Vector2f(0, 0));
    EXPECT_EQ(convex.getPoint(1), sf::Vector2f(200, 0));
    EXPECT_EQ(convex.getPoint(2), sf::Vector2f(200, 30));
    EXPECT_EQ(convex.getPoint(3), sf::Vector2f(0, 30));
    EXPECT_EQ(convex.getGlobalBounds(), rectangle.getGlobalBounds());
}

TEST(ToConvexShape, ShapeWithoutPoints) {
    sf::Texture texture;
    ASSERT_TRUE(texture.create(8, 8));
    sf::CircleShape circle(10, 0);
    styled(circle, texture);

    const sf::ConvexShape convex = kest::toConvexShape(circle);
    EXPECT_EQ(convex.getPointCount(), 0u);
    expectSameLook(convex, circle);
}

}  // namespace
