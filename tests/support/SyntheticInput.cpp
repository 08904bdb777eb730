#include "support/SyntheticInput.h"

namespace testsupport {

sf::Event KeyPress(sf::Keyboard::Key key)
{
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = sf::Event::KeyEvent{key, false, false, false, false};
    return event;
}

sf::Event TextEntered(std::uint32_t code)
{
    sf::Event event;
    event.type = sf::Event::TextEntered;
    event.text.unicode = code;
    return event;
}

sf::Event Closed()
{
    sf::Event event;
    event.type = sf::Event::Closed;
    return event;
}

sf::Vector2f Corner(const sf::Sprite& sprite)
{
    return sprite.getPosition() - sprite.getOrigin();
}

sf::Vector2f Centre(const sf::Sprite& sprite)
{
    const sf::FloatRect local = sprite.getLocalBounds();
    return Corner(sprite) + sf::Vector2f(local.width, local.height) / 2.f;
}

sf::Vector2f BottomRight(const sf::Sprite& sprite)
{
    const sf::FloatRect local = sprite.getLocalBounds();
    return Corner(sprite) + sf::Vector2f(local.width, local.height);
}

}  // namespace testsupport
