#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>

// The pictures of the sprite buttons: each style is a block of 36-pixel
// cells of the GUI texture, starting 176 pixels from its top.
using ButtonStyle = std::uint32_t;

constexpr std::uint32_t ButtonStyleCount = 15;

// The texture rectangle of a style; any style from ButtonStyleCount on
// throws std::logic_error("GetButtonRect: impossible default").
sf::IntRect GetButtonRect(ButtonStyle style);
