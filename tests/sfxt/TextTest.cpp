#include "sfxt/NumberText.h"
#include "sfxt/TextPlacement.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Text.hpp>

#include <climits>

TEST(NumberText, WritesDecimalsLikePrintf)
{
    EXPECT_EQ(ToText(-5), "-5");
    EXPECT_EQ(ToText(0), "0");
    EXPECT_EQ(ToText(INT_MIN), "-2147483648");
    EXPECT_EQ(ToText(INT_MAX), "2147483647");
    EXPECT_EQ(UIntToText(0), "0");
    EXPECT_EQ(UIntToText(UINT_MAX), "4294967295");
    EXPECT_EQ(LongToText(-2147483648L), "-2147483648");
    EXPECT_EQ(LongToText(LONG_MIN), std::to_string(LONG_MIN));
}

TEST(TextPlacement, ATextWithoutAFontHasNoSize)
{
    sf::Text text;
    text.setString("no font\nat all");
    EXPECT_EQ(GetTextSize(text), sf::Vector2f(0, 0));
    text.setPosition(10, 20);
    SetTextCenter(text, 50, 60);   // a box of no size is its own centre
    EXPECT_EQ(text.getPosition(), sf::Vector2f(50, 60));
}
