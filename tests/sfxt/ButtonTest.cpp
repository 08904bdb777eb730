#include "sfxt/Button.h"
#include "sfxt/ButtonStyle.h"
#include "sfxt/GuiTexture.h"
#include "sfxt/TextButtonStyle.h"
#include "sfxt/TextPlacement.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Sprite.hpp>

#include <stdexcept>
#include <string>

namespace {

// A sprite with a texture rectangle but no texture: making a texture needs
// a GL context, and the boxes do not.
sf::Sprite Plate(const sf::IntRect& rect)
{
    sf::Sprite sprite;
    sprite.setTextureRect(rect);
    return sprite;
}

template <typename F>
std::string LogicErrorOf(F f)
{
    try {
        f();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "no logic_error";
}

}  // namespace

TEST(ButtonStyle, RectsFollowTheCellGrid)
{
    const sf::IntRect expected[ButtonStyleCount] = {
        {0, 176, 180, 72},   {180, 428, 144, 36}, {180, 464, 144, 36}, {180, 392, 144, 36},
        {0, 248, 180, 72},   {0, 320, 180, 72},   {180, 176, 180, 72}, {180, 248, 180, 72},
        {180, 320, 180, 72}, {324, 392, 108, 36}, {324, 464, 108, 36}, {324, 428, 108, 36},
        {180, 500, 144, 36}, {0, 392, 180, 72},   {0, 464, 180, 72},
    };
    for (ButtonStyle style = 0; style < ButtonStyleCount; ++style)
        EXPECT_EQ(GetButtonRect(style), expected[style]) << "style " << style;
}

TEST(ButtonStyle, TextButtonRectsAreThePlates)
{
    const sf::IntRect expected[TextButtonStyleCount] = {
        {125, 50, 300, 30}, {0, 0, 125, 50}, {0, 50, 125, 50}, {125, 0, 125, 50}, {250, 0, 125, 50}, {216, 137, 180, 30},
    };
    for (TextButtonStyle style = 0; style < TextButtonStyleCount; ++style)
        EXPECT_EQ(GetTextButtonRect(style), expected[style]) << "style " << style;
}

TEST(ButtonStyle, UnknownStylesThrowWithTheirMessages)
{
    for (std::uint32_t style : {15u, 16u, 0xFFFFFFFFu})
        EXPECT_EQ(LogicErrorOf([&] { GetButtonRect(style); }), "GetButtonRect: impossible default");
    for (std::uint32_t style : {6u, 100u, 0xFFFFFFFFu})
        EXPECT_EQ(LogicErrorOf([&] { GetTextButtonRect(style); }), "Invalid TextButton style");
}

TEST(Button, FadesWithTheMouseDistance)
{
    const sf::Vector2f centre(500, 500);
    const sf::Vector2f view(1000, 1200);   // reach 0.6 x 1000 = 600
    const struct {
        sf::Vector2f mouse;
        sf::Vector2f view;
        int alpha;
    } cases[] = {
        {{500, 500}, view, 198},          // close by: clamped at 0.9
        {{500, 560}, view, 198},          // t = 0.9 exactly
        {{500 + 299, 500}, view, 110},    // t just over 0.5
        {{500, 500 + 450}, view, 55},     // t = 0.25
        {{4000, 4000}, view, 55},         // far away: clamped at 0.25
        {{500, 500}, {0, 0}, 55},         // a view without area does not divide by zero
        {{900, 500}, {0, 768}, 55},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sfxt::Button::FadeAlpha(centre, c.mouse, c.view), c.alpha)
            << c.mouse.x << ", " << c.mouse.y << " in " << c.view.x << " x " << c.view.y;
}

TEST(Button, BoxIsClosedOnEveryEdge)
{
    sf::Sprite sprite = Plate(GetButtonRect(0));
    sprite.setPosition(522, 360);
    CenterSpriteOrigin(sprite);   // x 432..612, y 324..396
    const struct {
        float x, y;
        bool inside;
    } cases[] = {
        {432, 324, true},      {612, 396, true},      {612, 324, true},        {432, 396, true},
        {522, 360, true},      {431.99f, 360, false}, {612.01f, 360, false},   {522, 323.99f, false},
        {522, 396.01f, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sfxt::SpriteBoxContains(sprite, {c.x, c.y}), c.inside) << c.x << ", " << c.y;

    // A hovered button's scale does not widen the box that is tested.
    sprite.setScale(1.05f, 1.05f);
    EXPECT_FALSE(sfxt::SpriteBoxContains(sprite, {613, 360}));
    EXPECT_TRUE(sfxt::SpriteBoxContains(sprite, {612, 396}));
}

TEST(Button, NeedsAGuiTextureSourceWhenMadeFromAStyleAlone)
{
    sfxt::SetGuiTextureSource(nullptr);
    EXPECT_EQ(LogicErrorOf([] { sfxt::Button(0, 0, 0); }), "sfxt::GetGuiTexture: no GUI texture source set");
}

TEST(SpritePlacement, CentresOnWholePixelOrigins)
{
    sf::Sprite sprite = Plate(sf::IntRect(0, 0, 125, 50));
    CenterSpriteOrigin(sprite);
    EXPECT_EQ(sprite.getOrigin(), sf::Vector2f(63, 25));
    SetSpriteCenter(sprite, 100, 40);
    // Box left = 100 - 62.5, so position = 37.5 + 63.
    EXPECT_EQ(sprite.getPosition(), sf::Vector2f(100.5f, 40));
    EXPECT_EQ(sprite.getOrigin(), sf::Vector2f(63, 25));
}
