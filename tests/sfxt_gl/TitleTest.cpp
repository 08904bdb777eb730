#include "TestFont.h"

#include "app/Title.h"
#include "sfxt/TextPlacement.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

const sf::Color Brown(115, 70, 15, 255);
const sf::Color FrameColour(0, 0, 255);
const sf::Color Background(20, 20, 20);

// The menu texture with the frame's rectangle (0, 538, 335, 78) painted blue.
const sf::Texture& MenuTexture()
{
    static const sf::Texture texture = [] {
        sf::Image image;
        image.create(432, 616, sf::Color::Transparent);
        for (unsigned y = 538; y < 616; ++y)
            for (unsigned x = 0; x < 335; ++x)
                image.setPixel(x, y, FrameColour);
        sf::Texture t;
        t.loadFromImage(image);
        return t;
    }();
    return texture;
}

Title MenuTitle(const sf::String& heading, const sf::String& text = "")
{
    return Title(1, heading, text, Brown, sfxttest::TestFont(), &MenuTexture(), 1024);
}

sf::Vector2f FrameCentre(const Title& title)
{
    sf::FloatRect b = title.frame.getGlobalBounds();
    return {b.left + b.width / 2, b.top + b.height / 2};
}

sf::Vector2f HeadingCentre(const Title& title)
{
    return title.heading.getPosition() - title.heading.getOrigin() + GetTextSize(title.heading) / 2.f;
}

sf::Image Render(const Title& title, const sf::View* view = nullptr)
{
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(1024, 768));
    if (view)
        target.setView(*view);
    target.clear(Background);
    target.draw(title);
    target.display();
    return target.getTexture().copyToImage();
}

}  // namespace

TEST(Title, IsBuiltUnderItsFrameWithTheTextBelowTheHeading)
{
    Title title = MenuTitle("Options", "Some words");
    EXPECT_EQ(title.heading.getCharacterSize(), 36u);
    EXPECT_EQ(title.heading.getStyle(), sf::Text::Bold);
    EXPECT_EQ(title.heading.getPosition(), sf::Vector2f(512, 238));
    EXPECT_LE(std::abs(HeadingCentre(title).x - 512), 0.5f);   // bold glyphs measured
    EXPECT_EQ(title.text.width, 800);
    EXPECT_EQ(title.text.height, 600);
    EXPECT_EQ(title.text.characterSize, 24u);
    EXPECT_EQ(title.text.getPosition().y, GetTextBottom(title.heading) + 150);
    EXPECT_EQ(title.text.getPosition().x + 400, std::floor(GetTextCenterX(title.heading) + 0.5f));
    EXPECT_EQ(title.frame.getTextureRect(), sf::IntRect(0, 538, 335, 78));
    EXPECT_EQ(FrameCentre(title), sf::Vector2f(512.5f, 180));
    EXPECT_EQ(title.alpha, 255);
    EXPECT_EQ(title.phase, 0);
}

TEST(Title, BobsBetween165And195WithHeadingAndTextFollowing)
{
    Title title = MenuTitle("Level selection", "Pick one");
    title.Update();
    EXPECT_EQ(FrameCentre(title).y, 180);
    for (int step = 2; step <= 43; ++step)
        title.Update();
    EXPECT_EQ(FrameCentre(title).y, 194);
    title.Update();
    EXPECT_EQ(FrameCentre(title).y, 195);   // the 44th update

    float lowest = 1000, highest = 0;
    for (int step = 0; step < 250; ++step) {
        title.Update();
        const sf::Vector2f frame = FrameCentre(title);
        lowest = std::min(lowest, frame.y);
        highest = std::max(highest, frame.y);
        ASSERT_EQ(frame.y, std::round(frame.y));
        ASSERT_EQ(frame.x, 512.5f);
        const sf::Vector2f heading = HeadingCentre(title);
        ASSERT_LE(std::abs(heading.x - frame.x), 0.5f);
        ASSERT_LE(std::abs(heading.y - (frame.y + 58)), 0.5f);
        ASSERT_EQ(title.heading.getPosition().x, std::round(title.heading.getPosition().x));
        ASSERT_EQ(title.heading.getPosition().y, std::round(title.heading.getPosition().y));
        ASSERT_EQ(title.text.getPosition().y, GetTextBottom(title.heading) + 150);
    }
    EXPECT_EQ(lowest, 165);
    EXPECT_EQ(highest, 195);
}

TEST(Title, TextOffsetIsAppliedAtEachUpdateWithoutGathering)
{
    Title title = MenuTitle("You made it!", "Congratulations");
    title.textOffset = sf::Vector2f(-290, 265);
    title.Update();
    const sf::Vector2f first = title.text.getPosition();
    EXPECT_EQ(first.y, GetTextBottom(title.heading) + 150 + 265);
    title.phase -= 0.03f;   // the same phase again
    title.Update();
    EXPECT_EQ(title.text.getPosition(), first);
}

TEST(Title, MessageTitlesNeitherBobNorScrollWithTheView)
{
    Title message(0, "Game over", "\nYou have lost all your lives.", sf::Color::Red, sfxttest::TestFont(), nullptr, 1024);
    EXPECT_EQ(message.frame.getTexture(), nullptr);
    const sf::Vector2f heading = message.heading.getPosition();
    message.Update();
    EXPECT_EQ(message.heading.getPosition(), heading);
    EXPECT_EQ(message.phase, 0);

    sf::Image still = Render(message);
    sf::View scrolled(sf::Vector2f(2000, 900), sf::Vector2f(1024, 768));
    sf::Image moved = Render(message, &scrolled);
    EXPECT_TRUE(sfxttest::AnyPixelDiffers(still, 0, 200, 1024, 300, Background));
    EXPECT_EQ(std::memcmp(still.getPixelsPtr(), moved.getPixelsPtr(), 1024 * 768 * 4), 0);
    // Drawing leaves the widget where it was.
    EXPECT_EQ(message.heading.getPosition(), heading);
}

TEST(Title, AlphaHidesHeadingAndTextButNotTheFrame)
{
    Title title = MenuTitle("Pause", "Some words");
    // Heading rows 238 +- 21 below the frame's bottom (219), and the text.
    sf::Image shown = Render(title);
    EXPECT_TRUE(sfxttest::AnyPixelDiffers(shown, 0, 222, 1024, 40, Background));
    EXPECT_TRUE(sfxttest::AnyPixelDiffers(shown, 0, 420, 1024, 40, Background));
    EXPECT_EQ(shown.getPixel(512, 150), FrameColour);

    title.alpha = 0;
    sf::Image hidden = Render(title);
    EXPECT_FALSE(sfxttest::AnyPixelDiffers(hidden, 0, 222, 1024, 546, Background));
    EXPECT_EQ(hidden.getPixel(512, 150), FrameColour);
    EXPECT_EQ(title.heading.getFillColor(), sf::Color(115, 70, 15, 0));
    EXPECT_EQ(title.text.colour, sf::Color(255, 255, 255, 0));
}

TEST(Title, DrawOffsetMovesEverything)
{
    Title title = MenuTitle("You made it!");
    title.drawOffset = sf::Vector2f(0, -110);
    sf::Image image = Render(title);
    EXPECT_EQ(image.getPixel(512, 40), FrameColour);
    EXPECT_EQ(image.getPixel(512, 150), Background);
    EXPECT_FALSE(sfxttest::AnyPixelDiffers(image, 0, 222, 1024, 40, Background));
}

TEST(Title, CanBeCopied)
{
    std::vector<Title> titles(3, MenuTitle("Placeholder"));
    titles[1] = MenuTitle("Level completed", "The game can now be saved.");
    sf::Image image = Render(titles[1]);
    EXPECT_TRUE(sfxttest::AnyPixelDiffers(image, 0, 420, 1024, 40, Background));
    EXPECT_EQ(titles[0].heading.getString(), "Placeholder");
}
