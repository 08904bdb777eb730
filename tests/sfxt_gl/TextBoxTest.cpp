#include "TestFont.h"

#include "sfxt/TextBox.h"
#include "sfxt/TextPlacement.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderTexture.hpp>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

using sfxt::TextBox;
using sfxttest::LineSpacing;
using sfxttest::TestFont;
using sfxttest::Width;

namespace {

constexpr unsigned Size = 20;

struct Placed {
    std::string word;
    float x;
    float y;
    bool operator==(const Placed& o) const { return word == o.word && x == o.x && y == o.y; }
};

std::ostream& operator<<(std::ostream& out, const Placed& p)
{
    return out << '"' << p.word << "\" at (" << p.x << ", " << p.y << ")";
}

std::vector<Placed> Layout(const std::string& string, float width, float height, std::uint32_t alignment,
                           bool bottom = false)
{
    TextBox box(width, height, string, TestFont(), Size);
    box.alignment = alignment;
    box.bottom = bottom;
    box.Layout();
    EXPECT_FALSE(box.dirty);
    std::vector<Placed> placed;
    for (const sf::Text& word : box.words)
        placed.push_back({word.getString().toAnsiString(), word.getPosition().x, word.getPosition().y});
    return placed;
}

float Line(int n)
{
    return static_cast<float>(n) * LineSpacing(Size);
}

class TextBoxLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The expectations add advances without kerning: these pairs have none.
        for (const char* pair : {"aa", "ab", "ba", "bb", "a ", "b "})
            ASSERT_EQ(TestFont().getKerning(pair[0], pair[1], Size), 0.f) << pair;
    }
    const float space = Width(" ", Size);
    const float aa = Width("aa", Size);
    const float bb = Width("bb", Size);
};

}  // namespace

TEST_F(TextBoxLayout, TwoShortWordsShareTheFirstLineCentredTogether)
{
    const float used = aa + space + bb + space;
    const float shift = std::floor((200 - used) / 2 + 0.5f);
    EXPECT_EQ(Layout("aa bb", 200, 100, TextBox::AlignCentred),
              (std::vector<Placed>{{"aa", shift, 0}, {"bb", shift + aa + space, 0}}));
}

TEST_F(TextBoxLayout, EachAlignmentPlacesFullAndLastLines)
{
    // Two words fit a line of 100 pixels (72 used), three do not.
    ASSERT_LE(aa + bb + 2 * space, 100);
    ASSERT_GT(2 * aa + bb + 3 * space, 100);
    const float free = 100 - (aa + bb + 2 * space);
    const float second = aa + space;
    const std::string text = "aa bb aa bb";
    EXPECT_EQ(Layout(text, 100, 100, TextBox::AlignLeft),
              (std::vector<Placed>{{"aa", 0, 0}, {"bb", second, 0}, {"aa", 0, Line(1)}, {"bb", second, Line(1)}}));
    EXPECT_EQ(Layout(text, 100, 100, TextBox::AlignRight),
              (std::vector<Placed>{{"aa", free, 0},
                                   {"bb", second + free, 0},
                                   {"aa", free, Line(1)},
                                   {"bb", second + free, Line(1)}}));
    const float half = std::floor(free / 2 + 0.5f);
    EXPECT_EQ(Layout(text, 100, 100, TextBox::AlignCentred),
              (std::vector<Placed>{{"aa", half, 0},
                                   {"bb", std::floor(second + free / 2 + 0.5f), 0},
                                   {"aa", half, Line(1)},
                                   {"bb", std::floor(second + free / 2 + 0.5f), Line(1)}}));
    // Justified: the full line spreads to the edge, the last line stays left.
    EXPECT_EQ(Layout(text, 100, 100, TextBox::AlignJustified),
              (std::vector<Placed>{{"aa", 0, 0}, {"bb", second + free, 0}, {"aa", 0, Line(1)}, {"bb", second, Line(1)}}));
}

TEST_F(TextBoxLayout, JustifiedLinesOfOneWordOrEndedByANewLineStayLeft)
{
    EXPECT_EQ(Layout("aa bb\naa bb", 1000, 100, TextBox::AlignJustified),
              (std::vector<Placed>{{"aa", 0, 0}, {"bb", aa + space, 0}, {"aa", 0, Line(1)}, {"bb", aa + space, Line(1)}}));
    // "aaaaa" has a line of its own, with 5 pixels to spare, which stay free.
    const float width = Width("aaaaa", Size) + space + 5;
    EXPECT_EQ(Layout("aaaaa bb aa", width, 100, TextBox::AlignJustified),
              (std::vector<Placed>{{"aaaaa", 0, 0}, {"bb", 0, Line(1)}, {"aa", bb + space, Line(1)}}));
}

TEST_F(TextBoxLayout, NewLinesBreakWhateverTheWidth)
{
    EXPECT_EQ(Layout("a\nb", 1000, 100, TextBox::AlignLeft),
              (std::vector<Placed>{{"a", 0, 0}, {"b", 0, Line(1)}}));
    EXPECT_EQ(Layout("a\n\nb", 1000, 100, TextBox::AlignLeft),
              (std::vector<Placed>{{"a", 0, 0}, {"", 0, Line(1)}, {"b", 0, Line(2)}}));
}

TEST_F(TextBoxLayout, AWordWiderThanTheBoxIsBrokenWhereItFirstExceedsTheWidth)
{
    // 50 pixels hold three "a" (42) but not four (56).
    ASSERT_LE(Width("aaa", Size), 50);
    ASSERT_GT(Width("aaaa", Size), 50);
    EXPECT_EQ(Layout("aaaaaaaaaa", 50, 1000, TextBox::AlignLeft),
              (std::vector<Placed>{{"aaa", 0, 0}, {"aaa", 0, Line(1)}, {"aaa", 0, Line(2)}, {"a", 0, Line(3)}}));
    // After a short word the broken word starts on a line of its own, and
    // what follows its rest joins the rest's line.
    ASSERT_LE(Width("aaaa", Size), 60);
    ASSERT_GT(Width("aaaaa", Size), 60);
    EXPECT_EQ(Layout("b aaaaaa b", 60, 1000, TextBox::AlignLeft),
              (std::vector<Placed>{{"b", 0, 0}, {"aaaa", 0, Line(1)}, {"aa", 0, Line(2)}, {"b", aa + space, Line(2)}}));
}

TEST_F(TextBoxLayout, ABoxNarrowerThanOneGlyphStillShowsEveryCharacter)
{
    EXPECT_EQ(Layout("ab a", 1, 1000, TextBox::AlignLeft),
              (std::vector<Placed>{{"a", 0, 0}, {"b", 0, Line(1)}, {"a", 0, Line(2)}}));
    EXPECT_EQ(Layout("ab", 0, 1000, TextBox::AlignLeft), (std::vector<Placed>{{"a", 0, 0}, {"b", 0, Line(1)}}));
}

TEST_F(TextBoxLayout, LinesBeyondTheHeightAreDropped)
{
    // Two lines of 23 fit 50; the third "aa" would open line 2 and is dropped with the rest.
    EXPECT_EQ(Layout("aa bb aa bb aa bb", 100, 50, TextBox::AlignLeft),
              (std::vector<Placed>{{"aa", 0, 0}, {"bb", aa + space, 0}, {"aa", 0, Line(1)}, {"bb", aa + space, Line(1)}}));
    EXPECT_TRUE(Layout("aa", 100, Line(1) - 1, TextBox::AlignLeft).empty());
    EXPECT_EQ(Layout("aa", 100, Line(1), TextBox::AlignLeft).size(), 1u);
}

TEST_F(TextBoxLayout, TheBottomFlagPushesTheBlockDown)
{
    // The block ends two line spacings above the box's bottom.
    EXPECT_EQ(Layout("aa\nbb", 200, 300, TextBox::AlignLeft, true),
              (std::vector<Placed>{{"aa", 0, std::floor(300 - Line(4) + 0.5f)},
                                   {"bb", 0, std::floor(300 - Line(4) + Line(1) + 0.5f)}}));
    EXPECT_EQ(Layout("aa", 200, 300, TextBox::AlignRight, true),
              (std::vector<Placed>{{"aa", 200 - aa - space, std::floor(300 - Line(3) + 0.5f)}}));
}

TEST_F(TextBoxLayout, NothingIsPlacedWithoutAFont)
{
    TextBox box(100, 100, "aa bb", TestFont(), Size);
    box.font = nullptr;
    box.Layout();
    EXPECT_TRUE(box.words.empty());
}

TEST(TextBox, DrawsItsWordsInItsColourWhereItIsPlacedAndRelaysOutWhenDirty)
{
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(300, 100));
    TextBox box(200, 80, "aa bb", TestFont(), Size);
    box.alignment = TextBox::AlignLeft;
    box.colour = sf::Color::White;
    box.setPosition(50, 10);
    EXPECT_TRUE(box.dirty);

    target.clear(sf::Color::Black);
    target.draw(box);
    target.display();
    sf::Image image = target.getTexture().copyToImage();
    EXPECT_FALSE(box.dirty);
    EXPECT_FALSE(sfxttest::AnyPixelDiffers(image, 0, 0, 50, 100, sf::Color::Black));
    EXPECT_TRUE(sfxttest::AnyPixelDiffers(image, 50, 10, 200, 30, sf::Color::Black));
    ASSERT_EQ(box.words.size(), 2u);
    EXPECT_EQ(box.words[0].getFillColor(), sf::Color::White);

    box.string = "aa\nbb\ncc";
    target.draw(box);   // not dirty: the old words stay
    EXPECT_EQ(box.words.size(), 2u);
    box.dirty = true;
    target.draw(box);
    EXPECT_EQ(box.words.size(), 3u);
}
