#pragma once

#include <SFML/Config.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

// Everything that the game world draws as a sprite. Positions are the centre
// in world pixels.
class Object {
public:
    virtual ~Object();
    virtual sf::Vector2f GetPosition() const = 0;
    virtual sf::Vector2f GetSize() const = 0;
    virtual sf::IntRect GetTextureRect() const = 0;
    virtual sf::Uint8 GetAlpha() const = 0;

protected:
    Object() = default;
    Object(const Object&) = default;
    Object& operator=(const Object&) = default;
};
