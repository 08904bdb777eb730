#include "TestFont.h"

#include "sfxt/TextPlacement.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Text.hpp>

using sfxttest::LineSpacing;
using sfxttest::TestFont;
using sfxttest::Width;

TEST(GetTextSize, MeasuresTheWidestLineAndCountsLines)
{
    const struct {
        const char* string;
        float width;
        float lines;
    } cases[] = {
        {"", 0, 1},
        {"ab", Width("ab", 20), 1},
        {"ab\nWWW", Width("WWW", 20), 2},
        {"WWW\nab\n", Width("WWW", 20), 3},   // a final new line opens an empty line
        {"AV", Width("AV", 20), 1},           // no kerning
    };
    for (const auto& c : cases) {
        sf::Text text(c.string, TestFont(), 20);
        EXPECT_EQ(GetTextSize(text), sf::Vector2f(c.width, c.lines * LineSpacing(20))) << '"' << c.string << '"';
    }
    ASSERT_NE(TestFont().getKerning('A', 'V', 20), 0.f);
}

TEST(GetTextSize, UsesBoldAdvancesForBoldText)
{
    sf::Text text("aaaa", TestFont(), 36);
    text.setStyle(sf::Text::Bold | sf::Text::Underlined);
    float bold = 4 * TestFont().getGlyph('a', 36, true).advance;
    EXPECT_EQ(GetTextSize(text).x, bold);
    EXPECT_GT(bold, Width("aaaa", 36));
}

TEST(TextPlacement, MovesTheMeasuredBox)
{
    sf::Text text("ab\nb", TestFont(), 20);   // 29 x 46
    const sf::Vector2f size = GetTextSize(text);
    text.setOrigin(3, 4);
    text.setPosition(100, 200);

    SetTextCenterX(text, 50);
    EXPECT_EQ(GetTextCenterX(text), 50);
    EXPECT_EQ(text.getPosition().y, 200);
    SetTextCenterY(text, 80);
    EXPECT_EQ(GetTextBottom(text), 80 + size.y / 2);
    SetTextTop(text, 10);
    EXPECT_EQ(text.getPosition() - text.getOrigin(), sf::Vector2f(50 - size.x / 2, 10));
    EXPECT_EQ(GetTextBottom(text), 10 + size.y);
    SetTextCenter(text, 0, 0);
    EXPECT_EQ(text.getPosition() - text.getOrigin(), -size / 2.f);
    EXPECT_EQ(text.getOrigin(), sf::Vector2f(3, 4));   // moving keeps the origin
    EXPECT_EQ(text.getScale(), sf::Vector2f(1, 1));
}

TEST(TextPlacement, CentredOriginsAreRoundedToWholePixels)
{
    // 29 wide (odd) rounds half up; the line spacing is 23, so 46 is even.
    sf::Text text("ab\nb", TestFont(), 20);
    ASSERT_EQ(GetTextSize(text), sf::Vector2f(29, 46));
    CenterTextOrigin(text);
    EXPECT_EQ(text.getOrigin(), sf::Vector2f(15, 23));

    sf::Text empty("", TestFont(), 20);   // one line high
    CenterTextOrigin(empty);
    EXPECT_EQ(empty.getOrigin(), sf::Vector2f(0, 12));
}
