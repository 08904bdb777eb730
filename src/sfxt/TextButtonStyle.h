#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>

// The plates of the text buttons in the GUI texture: 0 the wide profile and
// key plate, 1 to 4 the level plates (one per world, 4 also the resume
// plate), 5 the option choice plate.
using TextButtonStyle = std::uint32_t;

constexpr std::uint32_t TextButtonStyleCount = 6;

// The texture rectangle of a style in pixels; any style from
// TextButtonStyleCount on throws std::logic_error("Invalid TextButton style").
sf::IntRect GetTextButtonRect(TextButtonStyle style);
