#pragma once

// What a window shows, read back from its back buffer, for tests that check
// that drawing painted where it should.

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

namespace testsupport {

// A colour that nothing of the game paints: a window cleared to it shows
// afterwards exactly where a drawing went.
inline const sf::Color Unpainted(255, 0, 255);

// The window's content now (what the draws since the last display made).
sf::Image Grab(const sf::RenderWindow& window);

// The pixels of the rectangle (window pixels, clipped to the image) that are
// not the colour.
int CountOther(const sf::Image& image, sf::IntRect rect, sf::Color colour);

// The pixels of a box, given in the window's current view, that a drawing
// painted over Unpainted.
int PaintedIn(const sf::RenderWindow& window, const sf::FloatRect& box);

}  // namespace testsupport
