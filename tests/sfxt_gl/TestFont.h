#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <string>

namespace sfxttest {

// DejaVu Sans Bold, loaded once. Its glyphs need a GL context.
const sf::Font& TestFont();

float Advance(char c, unsigned size);
// The sum of the advances, without kerning.
float Width(const std::string& s, unsigned size);
float LineSpacing(unsigned size);

// Whether any pixel of the rectangle differs from `background`.
bool AnyPixelDiffers(const sf::Image& image, int left, int top, int width, int height, sf::Color background);

}  // namespace sfxttest
