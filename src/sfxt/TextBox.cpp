#include "sfxt/TextBox.h"

#include "sfxt/TextPlacement.h"

#include <algorithm>
#include <cmath>

namespace sfxt {

TextBox::TextBox(float boxWidth, float boxHeight, const sf::String& text, const sf::Font& textFont,
                 unsigned size)
    : string(text), width(boxWidth), height(boxHeight), font(&textFont), characterSize(size)
{
}

void TextBox::Layout() const
{
    words.clear();
    lastLine = 0;
    firstWordOfLine = 0;
    dirty = false;
    if (!font)
        return;

    const float spacing = font->getLineSpacing(characterSize);
    const float space = font->getGlyph(' ', characterSize, false).advance;
    const std::size_t length = string.getSize();
    float x = 0;
    Break previous = Break::None;
    std::size_t pos = 0;
    while (pos < length) {
        std::size_t end = pos;
        while (end < length && string[end] != ' ' && string[end] != '\n')
            ++end;
        const Break separator = end < length && string[end] == '\n' ? Break::NewLine : Break::Space;
        const std::size_t cut = FitWord(pos, end);

        sf::Text word(string.substring(pos, cut - pos), *font, characterSize);
        word.setFillColor(colour);
        word.setPosition(x, static_cast<float>(lastLine) * spacing);
        words.push_back(word);
        const std::size_t index = words.size() - 1;
        const float wordWidth = GetTextSize(word).x;
        const float lineWidth = x;
        x += wordWidth + space;

        // A word that does not fit goes to the next line, unless it is the
        // first of its line: then it stays (it fits the box on its own).
        const bool forced = previous == Break::NewLine || previous == Break::Cut;
        if (forced || (x > width && index > firstWordOfLine)) {
            AlignLine(firstWordOfLine, index, lineWidth, previous == Break::NewLine);
            ++lastLine;
            words.back().setPosition(0, static_cast<float>(lastLine) * spacing);
            x = wordWidth + space;
            firstWordOfLine = static_cast<std::uint32_t>(index);
        }

        if (spacing * static_cast<float>(lastLine + 1) > height) {
            words.pop_back();
            RoundPositions();
            return;
        }

        if (cut < end) {
            previous = Break::Cut;
            pos = cut;
        } else {
            previous = separator;
            pos = end + 1;
        }
    }

    if (bottom) {
        const float shift = height - spacing * static_cast<float>(lastLine + 1 + BottomMarginLines);
        for (sf::Text& word : words)
            word.move(0, shift);
    }
    AlignLine(firstWordOfLine, words.size(), x, true);
    RoundPositions();
}

std::size_t TextBox::FitWord(std::size_t begin, std::size_t end) const
{
    float sum = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const sf::Uint32 next = i + 1 < end ? string[i + 1] : static_cast<sf::Uint32>(' ');
        sum += font->getGlyph(string[i], characterSize, false).advance +
               font->getKerning(string[i], next, characterSize);
        if (sum > width)
            return std::max(i, begin + 1);
    }
    return end;
}

void TextBox::AlignLine(std::size_t first, std::size_t end, float lineWidth, bool keepLeft) const
{
    const float free = width - lineWidth;
    const std::size_t count = end - first;
    for (std::size_t i = first; i < end; ++i) {
        float shift = 0;
        switch (alignment) {
        case AlignRight:
            shift = free;
            break;
        case AlignCentred:
            shift = free / 2;
            break;
        case AlignJustified:
            if (!keepLeft)
                shift = static_cast<float>(i - first) * free / static_cast<float>(count > 1 ? count - 1 : 1);
            break;
        default:
            break;
        }
        words[i].move(shift, 0);
    }
}

void TextBox::RoundPositions() const
{
    for (sf::Text& word : words) {
        const sf::Vector2f p = word.getPosition();
        word.setPosition(std::floor(p.x + 0.5f), std::floor(p.y + 0.5f));
    }
}

void TextBox::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    if (dirty)
        Layout();
    states.transform *= getTransform();
    for (sf::Text& word : words) {
        const sf::Vector2f p = word.getPosition();
        word.setPosition(std::floor(p.x + 0.5f), std::floor(p.y + 0.5f));
        target.draw(word, states);
    }
}

}  // namespace sfxt
