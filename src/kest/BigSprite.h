#pragma once

#include <vector>

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/System/Vector2.hpp>

#include "kest/BigTexture.h"

namespace kest {

// A picture of a BigTexture: one sprite per tile, drawn as one transformable
// object. The sprites point at the texture's tiles, so the texture must
// outlive the sprite and must not be loaded again while it exists.
class BigSprite : public sf::Drawable, public sf::Transformable {
public:
    explicit BigSprite(const BigTexture& texture);

    const sf::Vector2f& getSize() const { return size_; }
    const sf::Color& getColor() const { return colour_; }

private:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    std::vector<sf::Sprite> sprites_;
    sf::Vector2f size_;
    sf::Color colour_;
};

}  // namespace kest
