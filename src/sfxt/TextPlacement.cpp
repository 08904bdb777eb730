#include "sfxt/TextPlacement.h"

#include <SFML/Graphics/Font.hpp>

#include <algorithm>

namespace {

sf::Vector2f TextBoxCorner(const sf::Text& text)
{
    return text.getPosition() - text.getOrigin();
}

sf::Vector2f SpriteSize(const sf::Sprite& sprite)
{
    sf::FloatRect bounds = sprite.getLocalBounds();
    return sf::Vector2f(bounds.width, bounds.height);
}

float RoundedHalf(float length)
{
    return static_cast<float>(static_cast<int>(length / 2 + 0.5f));
}

}  // namespace

sf::Vector2f GetTextSize(const sf::Text& text)
{
    const sf::Font* font = text.getFont();
    if (!font)
        return sf::Vector2f(0, 0);
    const unsigned size = text.getCharacterSize();
    const bool bold = (text.getStyle() & sf::Text::Bold) != 0;
    sf::String string = text.getString();
    string += '\n';
    float width = 0;
    float widest = 0;
    unsigned lines = 0;
    for (sf::Uint32 c : string) {
        if (c == '\n') {
            widest = std::max(widest, width);
            width = 0;
            ++lines;
        } else {
            width += font->getGlyph(c, size, bold).advance;
        }
    }
    return sf::Vector2f(widest, static_cast<float>(lines) * font->getLineSpacing(size));
}

namespace {

// Appends one line of `line`, broken to fit, to `out`.
void WrapLine(const sf::String& line, const sf::Text& measure, float maxWidth, sf::String& out)
{
    sf::Text probe = measure;
    const auto width = [&](const sf::String& s) {
        probe.setString(s);
        return GetTextSize(probe).x;
    };
    std::size_t indentEnd = 0;
    while (indentEnd < line.getSize() && line[indentEnd] == ' ')
        ++indentEnd;
    sf::String indent = line.substring(0, indentEnd);
    // An indent too wide to leave room for a character is dropped.
    if (width(indent + "W") > maxWidth)
        indent.clear();

    sf::String current = indent;
    bool empty = true;  // nothing but the indent on the current line yet
    std::size_t pos = indentEnd;
    while (pos < line.getSize()) {
        std::size_t end = pos;
        while (end < line.getSize() && line[end] != ' ')
            ++end;
        sf::String word = line.substring(pos, end - pos);
        const sf::String joined = empty ? current + word : current + " " + word;
        if (width(joined) <= maxWidth) {
            current = joined;
            empty = false;
        } else if (!empty) {
            out += current + "\n";
            current = indent;
            empty = true;
            continue;  // the word again, on a line of its own
        } else {
            // Too wide on its own: as many characters as fit, at least one.
            std::size_t fit = 1;
            while (fit < word.getSize() && width(current + word.substring(0, fit + 1)) <= maxWidth)
                ++fit;
            out += current + word.substring(0, fit) + "\n";
            current = indent;
            pos += fit;
            continue;
        }
        pos = end;
        while (pos < line.getSize() && line[pos] == ' ')
            ++pos;
    }
    out += current;
}

}  // namespace

void WrapText(sf::Text& text, float maxWidth)
{
    const sf::String string = text.getString();
    sf::String wrapped;
    std::size_t begin = 0;
    while (true) {
        std::size_t end = string.find("\n", begin);
        if (end == sf::String::InvalidPos)
            end = string.getSize();
        WrapLine(string.substring(begin, end - begin), text, maxWidth, wrapped);
        if (end == string.getSize())
            break;
        wrapped += "\n";
        begin = end + 1;
    }
    text.setString(wrapped);
}

void SetTextCenterX(sf::Text& text, float x)
{
    float centre = TextBoxCorner(text).x + GetTextSize(text).x / 2;
    text.move(x - centre, 0);
}

void SetTextCenterY(sf::Text& text, float y)
{
    float centre = TextBoxCorner(text).y + GetTextSize(text).y / 2;
    text.move(0, y - centre);
}

void SetTextCenter(sf::Text& text, float x, float y)
{
    sf::Vector2f centre = TextBoxCorner(text) + GetTextSize(text) / 2.f;
    text.move(x - centre.x, y - centre.y);
}

void SetTextTop(sf::Text& text, float y)
{
    text.move(0, y - TextBoxCorner(text).y);
}

float GetTextCenterX(const sf::Text& text)
{
    return TextBoxCorner(text).x + GetTextSize(text).x / 2;
}

float GetTextBottom(const sf::Text& text)
{
    return TextBoxCorner(text).y + GetTextSize(text).y;
}

void CenterTextOrigin(sf::Text& text)
{
    sf::Vector2f size = GetTextSize(text);
    text.setOrigin(RoundedHalf(size.x), RoundedHalf(size.y));
}

void SetSpriteCenter(sf::Sprite& sprite, float x, float y)
{
    sf::Vector2f centre = sprite.getPosition() - sprite.getOrigin() + SpriteSize(sprite) / 2.f;
    sprite.move(x - centre.x, y - centre.y);
}

void CenterSpriteOrigin(sf::Sprite& sprite)
{
    sf::Vector2f size = SpriteSize(sprite);
    sprite.setOrigin(RoundedHalf(size.x), RoundedHalf(size.y));
}
