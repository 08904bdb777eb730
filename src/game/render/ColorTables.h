#pragma once

#include <SFML/Graphics/Color.hpp>

#include <array>

// The clear colour of the game view.
extern const sf::Color BlackColor;
// The colours of outlined popup texts, by colour index.
extern const std::array<sf::Color, 7> PopupColors;
// The fill colour of each world's background when it is drawn as a colour.
extern const std::array<sf::Color, 3> WorldBackgroundColors;
