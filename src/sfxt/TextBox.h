#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/System/String.hpp>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sfxt {

// A block of text broken into lines that fit the box's width, aligned, and
// cut off where the box's height is full. Words are separated by " " and
// "\n" ("\n" also starts a new line); a word wider than the box is broken.
//
// The owner may set string, colour, alignment and bottom directly; it then
// sets dirty, and the next drawing lays the words out again. Each placed word
// is one text, positioned relative to the box on whole pixels.
class TextBox : public sf::Drawable, public sf::Transformable {
public:
    enum Alignment : std::uint32_t {
        AlignLeft = 0,
        AlignRight = 1,
        AlignCentred = 2,
        AlignJustified = 3,
    };

    // With the bottom flag, the block is pushed down so that it ends this
    // many line spacings above the box's bottom.
    static constexpr unsigned BottomMarginLines = 2;

    TextBox(float width, float height, const sf::String& string, const sf::Font& font, unsigned characterSize);

    // Breaks the string into words and lines and clears dirty. Nothing is
    // placed without a font.
    void Layout() const;

    sf::String string;
    float width;
    float height;
    const sf::Font* font;
    unsigned characterSize;
    std::uint32_t alignment = AlignCentred;
    bool bottom = false;
    sf::Color colour;

    // The result of the layout, remade when dirty.
    mutable std::vector<sf::Text> words;
    mutable std::uint32_t lastLine = 0;
    mutable std::uint32_t firstWordOfLine = 0;
    mutable bool dirty = true;

private:
    enum class Break { None, Space, NewLine, Cut };

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    // Where the word from `begin` to `end` has to be cut so that it fits the
    // box on its own: `end` when it fits, otherwise after at least one
    // character.
    std::size_t FitWord(std::size_t begin, std::size_t end) const;
    void AlignLine(std::size_t first, std::size_t end, float lineWidth, bool keepLeft) const;
    void RoundPositions() const;
};

}  // namespace sfxt
