#include "TestFont.h"

#include "sfxt/TextEntryField.h"
#include "sfxt/TextPlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TextEntryField MakeField()
{
    TextEntryField field({180, 421}, sfxttest::TestFont(), sf::Color(100, 100, 100), sf::Color::Black, 1);
    return field;
}

float CursorCentreX(const TextEntryField& field)
{
    return GetTextCenterX(field.cursor);
}

float CursorCentreY(const TextEntryField& field)
{
    return GetTextBottom(field.cursor) - GetTextSize(field.cursor).y / 2;
}

}  // namespace

TEST(TextEntryField, StartsEmptyWithACentredFrame)
{
    TextEntryField field = MakeField();
    EXPECT_EQ(field.GetText(), "");
    EXPECT_EQ(field.frame.getPointCount(), 4u);
    EXPECT_EQ(field.frame.getLocalBounds(), sf::FloatRect(-1, -1, 218, 52));   // with the outline
    EXPECT_EQ(field.frame.getOrigin(), sf::Vector2f(108, 25));
    EXPECT_EQ(field.frame.getPosition(), sf::Vector2f(180, 421));
    EXPECT_EQ(field.frame.getFillColor(), sf::Color(100, 100, 100));
    EXPECT_EQ(field.frame.getOutlineColor(), sf::Color::Black);
    EXPECT_EQ(field.text.getCharacterSize(), 20u);
    EXPECT_EQ(field.text.getFillColor(), sf::Color::Black);
    EXPECT_EQ(field.cursor.getString(), "|");
    EXPECT_EQ(field.cursor.getFillColor(), sf::Color(0, 0, 0, 100));
    EXPECT_EQ(field.maximumLength, TextEntryField::NoLimit);

    // An empty text: the cursor starts at the frame's centre.
    EXPECT_EQ(field.text.getPosition(), sf::Vector2f(180, 421));
    EXPECT_EQ(field.text.getOrigin(), sf::Vector2f(0, 10));
    EXPECT_EQ(CursorCentreX(field), 180 + GetTextSize(field.cursor).x / 2);
    EXPECT_EQ(CursorCentreY(field), 421 - 10 + sfxttest::LineSpacing(20) / 2);
}

TEST(TextEntryField, EditsWithinTheMaximumLength)
{
    TextEntryField field = MakeField();
    field.maximumLength = 15;
    for (char c : std::string("Fifteen letters"))
        field.AddCharacter(c);
    EXPECT_EQ(field.GetText(), "Fifteen letters");
    field.AddCharacter('X');
    EXPECT_EQ(field.GetText(), "Fifteen letters");
    field.RemoveCharacter();
    field.AddCharacter('Z');
    EXPECT_EQ(field.GetText(), "Fifteen letterZ");

    field.SetText("");
    field.RemoveCharacter();
    EXPECT_EQ(field.GetText(), "");

    TextEntryField unlimited = MakeField();
    for (int i = 0; i < 300; ++i)
        unlimited.AddCharacter('a');
    EXPECT_EQ(unlimited.GetText(), std::string(300, 'a'));

    field.maximumLength = 0;
    field.AddCharacter('a');
    EXPECT_EQ(field.GetText(), "");
}

TEST(TextEntryField, CursorFollowsTheTextForEachAlignment)
{
    TextEntryField field = MakeField();
    field.SetText("Max");
    const float width = field.text.getLocalBounds().width;
    const float cursorHalf = GetTextSize(field.cursor).x / 2;
    const float textWidth = GetTextSize(field.text).x;
    EXPECT_EQ(field.text.getOrigin(), sf::Vector2f(width / 2, 10));
    EXPECT_EQ(CursorCentreX(field), 180 - width / 2 + textWidth + cursorHalf);

    field.SetAlignment(TextEntryField::AlignLeft);
    EXPECT_EQ(field.frame.getOrigin(), sf::Vector2f(0, 25));
    EXPECT_EQ(field.frame.getPosition(), sf::Vector2f(72, 421));
    EXPECT_EQ(field.text.getPosition() - field.text.getOrigin(), sf::Vector2f(77, 411));
    EXPECT_EQ(CursorCentreX(field), 77 + textWidth + cursorHalf);

    field.SetAlignment(TextEntryField::AlignRight);
    EXPECT_EQ(field.frame.getOrigin(), sf::Vector2f(216, 25));
    EXPECT_EQ(field.frame.getPosition(), sf::Vector2f(288, 421));
    EXPECT_EQ(field.text.getPosition().x - field.text.getOrigin().x + width, 283);
    EXPECT_EQ(CursorCentreY(field), 411 + sfxttest::LineSpacing(20) / 2);
}

TEST(TextEntryField, CursorBlinksEveryTwentySteps)
{
    TextEntryField field = MakeField();
    const struct {
        unsigned counter;
        bool visible;
    } cases[] = {{0, true}, {19, true}, {20, false}, {39, false}, {40, true}, {60, false}};
    for (const auto& c : cases) {
        field.blinkCounter = c.counter;
        EXPECT_EQ(field.IsCursorVisible(), c.visible) << c.counter;
    }
}
