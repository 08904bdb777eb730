#include "TestFont.h"

#include "sfxt/Button.h"
#include "sfxt/GuiTexture.h"
#include "sfxt/TextButton.h"
#include "sfxt/TextButtonStyle.h"
#include "sfxt/TextPlacement.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>

namespace {

// Exposes the look without drawing.
struct ProbeButton : sfxt::Button {
    using sfxt::Button::Button;
    using sfxt::Button::UpdateLook;
};

// A white GUI texture of the menu texture's size.
const sf::Texture& WhiteTexture()
{
    static const sf::Texture texture = [] {
        sf::Image image;
        image.create(432, 616, sf::Color::White);
        sf::Texture t;
        t.loadFromImage(image);
        return t;
    }();
    return texture;
}

sf::Image Draw(sfxt::Button& button, sf::Vector2f mouse)
{
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(1024, 768));
    target.clear(sf::Color::Black);
    button.DrawWithMouse(target, mouse);
    target.display();
    return target.getTexture().copyToImage();
}

}  // namespace

TEST(Button, CoversTheCellsFromItsColumnAndRow)
{
    sfxt::Button button(WhiteTexture(), 0, 12, 9);
    EXPECT_EQ(button.sprite.getTextureRect(), sf::IntRect(0, 176, 180, 72));
    EXPECT_EQ(button.sprite.getPosition(), sf::Vector2f(522, 360));
    EXPECT_EQ(button.sprite.getOrigin(), sf::Vector2f(90, 36));
    EXPECT_EQ(button.sprite.getGlobalBounds(), sf::FloatRect(432, 324, 180, 72));
    EXPECT_TRUE(button.Contains({612, 396}));
    EXPECT_FALSE(button.Contains({612.01f, 396}));

    sfxt::Button confirm(WhiteTexture(), 10, 24, 11);   // 3 x 1 cells
    EXPECT_EQ(confirm.sprite.getGlobalBounds(), sf::FloatRect(864, 396, 108, 36));
}

TEST(Button, TakesTheGuiTextureFromItsSource)
{
    sfxt::SetGuiTextureSource(&WhiteTexture);
    sfxt::Button button(13, 12, 9);
    sfxt::SetGuiTextureSource(nullptr);
    EXPECT_EQ(button.sprite.getTexture(), &WhiteTexture());
    EXPECT_EQ(button.sprite.getTextureRect(), GetButtonRect(13));
}

TEST(Button, HoverLightsUpAndGrowsOnlyInsideTheBox)
{
    ProbeButton button(WhiteTexture(), 0, 12, 9);
    button.sprite.setColor(sf::Color(10, 20, 30, 40));
    const sf::Vector2f view(1024, 768);

    EXPECT_TRUE(button.UpdateLook({612, 396}, view));   // the bottom right corner
    EXPECT_EQ(button.sprite.getColor(), sf::Color(10, 20, 30, 255));
    EXPECT_EQ(button.sprite.getScale(), sf::Vector2f(1.05f, 1.05f));

    // Just outside, 97.4 from the centre with a reach of 460.8: t = 0.789.
    EXPECT_FALSE(button.UpdateLook({612.5f, 396}, view));
    EXPECT_EQ(button.sprite.getColor(), sf::Color(10, 20, 30, 173));
    EXPECT_EQ(button.sprite.getScale(), sf::Vector2f(1, 1));

    // A view without area: hovering still lights up, and nothing divides by zero.
    EXPECT_TRUE(button.UpdateLook({522, 360}, {0, 0}));
    EXPECT_EQ(button.sprite.getColor().a, 255);
    EXPECT_FALSE(button.UpdateLook({0, 0}, {0, 0}));
    EXPECT_EQ(button.sprite.getColor().a, 55);
}

TEST(Button, DrawsFaintFarAwayAndFullAndLargerOnHover)
{
    sfxt::Button button(WhiteTexture(), 0, 12, 9);   // x 432..612, y 324..396

    sf::Image far = Draw(button, {0, 0});
    EXPECT_EQ(far.getPixel(522, 360), sf::Color(55, 55, 55));
    EXPECT_EQ(far.getPixel(614, 360), sf::Color::Black);

    sf::Image over = Draw(button, {522, 360});
    EXPECT_EQ(over.getPixel(522, 360), sf::Color::White);
    // Scaled by 1.05 about its centre, it reaches to 616.5.
    EXPECT_EQ(over.getPixel(614, 360), sf::Color::White);
    EXPECT_EQ(over.getPixel(618, 360), sf::Color::Black);
}

TEST(TextButton, CentresOrIndentsItsLabel)
{
    const sf::IntRect rect = GetTextButtonRect(4);   // 125 x 50
    sfxt::TextButton centred(WhiteTexture(), rect, sfxttest::TestFont(), "Resume (1-2)", true, 300, 200);
    const sf::FloatRect plate = centred.sprite.getGlobalBounds();
    EXPECT_EQ(plate, sf::FloatRect(237, 175, 125, 50));
    EXPECT_EQ(centred.label.getCharacterSize(), 16u);
    EXPECT_EQ(centred.label.getFillColor(), sf::Color::Black);
    EXPECT_EQ(GetTextCenterX(centred.label), 237 + 62.5f);
    EXPECT_EQ(GetTextBottom(centred.label) - GetTextSize(centred.label).y / 2, 200);
    EXPECT_EQ(centred.GetString(), "Resume (1-2)");

    sfxt::TextButton left(WhiteTexture(), rect, sfxttest::TestFont(), "Max", false, 300, 200);
    EXPECT_EQ(left.label.getPosition().x - left.label.getOrigin().x, 237 + 20);
    EXPECT_EQ(GetTextBottom(left.label) - GetTextSize(left.label).y / 2, 200);
}

TEST(TextButton, LabelGrowsWithThePlateOnHover)
{
    sfxt::TextButton button(WhiteTexture(), GetTextButtonRect(5), sfxttest::TestFont(), "Yes", true, 300, 200);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(400, 300));
    button.DrawWithMouse(target, {300, 200});
    EXPECT_EQ(button.label.getScale(), sf::Vector2f(1.05f, 1.05f));
    EXPECT_EQ(button.sprite.getColor().a, 255);
    button.DrawWithMouse(target, {0, 0});
    EXPECT_EQ(button.label.getScale(), sf::Vector2f(1, 1));
    EXPECT_LT(button.sprite.getColor().a, 255);
}
