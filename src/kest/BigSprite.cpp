#include "kest/BigSprite.h"

namespace kest {

BigSprite::BigSprite(const BigTexture& texture) : colour_(sf::Color::White) {
    size_ = texture.makeSprites(colour_, sprites_);
}

void BigSprite::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    states.transform *= getTransform();
    for (const sf::Sprite& sprite : sprites_)
        target.draw(sprite, states);
}

}  // namespace kest
