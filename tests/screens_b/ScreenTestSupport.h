#pragma once

// The screens run over the real services: one application for the whole
// test program, in a temporary working directory holding the built archives.
// Clicks are real cursor positions on the window (under X) with a synthetic
// press event handed to the screen.

#include "app/Application.h"
#include "support/SyntheticInput.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include <string>

namespace screenstest {

// The application, made on first use over a fresh copy of the built data.
Application& App();
sf::RenderWindow& Window();
// A working directory path inside the temporary folder, such as "Data/x".
std::string DataPath(const std::string& relative);

// Puts the cursor on the window pixel under `point` (in the coordinates of
// the window's current view) and gives the press event of `button` there.
sf::Event PressAt(sf::Vector2f point, sf::Mouse::Button button = sf::Mouse::Left);
using testsupport::Closed;
using testsupport::KeyPress;

// The middle, the far corner and a point just beside a sprite's box.
using testsupport::BottomRight;
using testsupport::Centre;
sf::Vector2f Beside(const sf::Sprite& sprite);

// A text's box by the game's own measure.
sf::FloatRect Box(const sf::Text& text);

// Clicks the screen's HandleEvent at a point.
template <typename Screen>
int Click(Screen& screen, sf::Vector2f point, sf::Mouse::Button button = sf::Mouse::Left)
{
    return screen.HandleEvent(PressAt(point, button));
}

}  // namespace screenstest
