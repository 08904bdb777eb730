#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <limits>
#include <string>

// A one-line text input: a framed box, the text and a cursor after the
// text's end. The owner feeds it characters, counts the blink steps and draws
// frame, text and (while IsCursorVisible) the cursor, in this order.
class TextEntryField {
public:
    enum Alignment : std::uint32_t {
        AlignCentred = 0,
        AlignLeft = 1,
        AlignRight = 2,
    };

    static constexpr float Width = 216;
    static constexpr float Height = 50;
    static constexpr unsigned CharacterSize = 20;
    // A left-aligned text starts, a right-aligned one ends, this far inside
    // the anchor.
    static constexpr float Inset = 5;
    static constexpr unsigned BlinkSteps = 20;
    static constexpr std::uint32_t NoLimit = std::numeric_limits<std::uint32_t>::max();

    TextEntryField(const sf::Vector2f& centre, const sf::Font& font, const sf::Color& fill, const sf::Color& outline,
                   float outlineThickness);

    // Appends c unless the text already holds maximumLength characters.
    void AddCharacter(char c);
    // Removes the last character, if any.
    void RemoveCharacter();
    void SetText(const std::string& s);
    std::string GetText() const;

    // Anchors the frame by the alignment, keeping its centre, and lays out.
    void SetAlignment(std::uint32_t newAlignment);

    // Places the text at the frame's anchor and the cursor after it.
    void Layout();

    // The cursor shows for BlinkSteps steps, then hides for as many.
    bool IsCursorVisible() const { return (blinkCounter / BlinkSteps) % 2 == 0; }

    sf::Text text;
    sf::Text cursor;
    sf::ConvexShape frame;
    std::uint32_t alignment = AlignCentred;
    std::uint32_t maximumLength = NoLimit;
    std::uint32_t blinkCounter = 0;

private:
    void AnchorFrame(const sf::Vector2f& centre);
};
