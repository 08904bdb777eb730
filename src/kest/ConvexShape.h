#pragma once

#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/Shape.hpp>

namespace kest {

// A convex shape equal to the given shape of any class: the same points,
// colours, outline, transform, texture and texture rectangle.
sf::ConvexShape toConvexShape(const sf::Shape& shape);

}  // namespace kest
