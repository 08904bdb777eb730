#include "kest/ConvexShape.h"

#include <cstddef>

namespace kest {

sf::ConvexShape toConvexShape(const sf::Shape& shape) {
    const std::size_t count = shape.getPointCount();
    sf::ConvexShape convex(0);
    convex.setFillColor(shape.getFillColor());
    convex.setOutlineColor(shape.getOutlineColor());
    convex.setOutlineThickness(shape.getOutlineThickness());
    convex.setPointCount(count);
    convex.setPosition(shape.getPosition());
    convex.setRotation(shape.getRotation());
    convex.setScale(shape.getScale());
    convex.setOrigin(shape.getOrigin());
    convex.setTexture(shape.getTexture(), false);
    convex.setTextureRect(shape.getTextureRect());
    for (std::size_t i = 0; i < count; ++i)
        convex.setPoint(i, shape.getPoint(i));
    return convex;
}

}  // namespace kest
