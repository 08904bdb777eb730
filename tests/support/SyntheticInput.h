#pragma once

// Window events made by hand, and the points of a sprite's box, for tests
// that drive screens without a person at the keyboard.

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>

namespace testsupport {

sf::Event KeyPress(sf::Keyboard::Key key);
sf::Event TextEntered(std::uint32_t code);
sf::Event Closed();

// A sprite's box: its position minus its origin, its local size.
sf::Vector2f Corner(const sf::Sprite& sprite);
sf::Vector2f Centre(const sf::Sprite& sprite);
sf::Vector2f BottomRight(const sf::Sprite& sprite);

}  // namespace testsupport
