#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

// Placing texts and sprites on whole pixels by the game's own measure.
//
// A text's box is its position minus its origin, with the size given by
// GetTextSize; a sprite's box is its position minus its origin, with its
// local size. Scale and rotation are ignored. The Set... functions move the
// object (sf::Transformable::move), so its origin stays as it was.

// The widest line as the sum of its glyph advances (no kerning; bold glyphs
// when the text is bold), and the number of lines times the font's line
// spacing. An empty text is one line high; a text without a font is (0, 0).
sf::Vector2f GetTextSize(const sf::Text& text);

// Breaks the text's lines at spaces so that none is wider than maxWidth by
// GetTextSize; a word wider than that on its own is cut between characters.
// A line's leading spaces indent the lines it is broken into as well.
void WrapText(sf::Text& text, float maxWidth);

void SetTextCenterX(sf::Text& text, float x);
void SetTextCenterY(sf::Text& text, float y);
void SetTextCenter(sf::Text& text, float x, float y);
// Moves the text vertically so that the top of its box is at y.
void SetTextTop(sf::Text& text, float y);
float GetTextCenterX(const sf::Text& text);
float GetTextBottom(const sf::Text& text);
// The origin at the middle of the box, rounded to whole pixels.
void CenterTextOrigin(sf::Text& text);

void SetSpriteCenter(sf::Sprite& sprite, float x, float y);
// The origin at the middle of the sprite, rounded to whole pixels.
void CenterSpriteOrigin(sf::Sprite& sprite);
