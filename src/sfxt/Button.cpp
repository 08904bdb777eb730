#include "sfxt/Button.h"

#include "sfxt/GuiTexture.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Window/Mouse.hpp>

#include <algorithm>
#include <cmath>

namespace sfxt {

namespace {

sf::Vector2f CellCentre(const sf::IntRect& rect, unsigned column, unsigned row)
{
    return sf::Vector2f(static_cast<float>(column) * Button::CellSize + static_cast<float>(rect.width) / 2,
                        static_cast<float>(row) * Button::CellSize + static_cast<float>(rect.height) / 2);
}

}  // namespace

Button::Button(ButtonStyle style, unsigned column, unsigned row)
    : Button(GetGuiTexture(), style, column, row)
{
}

Button::Button(const sf::Texture& texture, ButtonStyle style, unsigned column, unsigned row)
    : Button(texture, GetButtonRect(style), CellCentre(GetButtonRect(style), column, row))
{
}

Button::Button(const sf::Texture& texture, const sf::IntRect& rect, sf::Vector2f centre)
    : sprite(texture, rect)
{
    sprite.setPosition(centre);
    CenterSpriteOrigin(sprite);
}

void Button::Draw(sf::RenderWindow& target)
{
    DrawWithMouse(target, target.mapPixelToCoords(sf::Mouse::getPosition(target)));
}

void Button::DrawWithMouse(sf::RenderTarget& target, sf::Vector2f mouse)
{
    UpdateLook(mouse, target.getView().getSize());
    target.draw(sprite);
}

bool Button::Contains(sf::Vector2f point) const
{
    return SpriteBoxContains(sprite, point);
}

std::uint8_t Button::FadeAlpha(sf::Vector2f centre, sf::Vector2f mouse, sf::Vector2f viewSize)
{
    const float reach = 0.6f * std::min(viewSize.x, viewSize.y);
    float t = 0.25f;
    // A view without area shows nothing near: the button stays faint.
    if (reach > 0) {
        const float distance = std::hypot(mouse.x - centre.x, mouse.y - centre.y);
        t = std::min(std::max(1 - distance / reach, 0.25f), 0.9f);
    }
    return static_cast<std::uint8_t>(t * 220);
}

bool Button::UpdateLook(sf::Vector2f mouse, sf::Vector2f viewSize)
{
    sf::Color colour = sprite.getColor();
    const bool over = Contains(mouse);
    if (over) {
        colour.a = 255;
        sprite.setScale(HoverScale, HoverScale);
    } else {
        sf::FloatRect local = sprite.getLocalBounds();
        sf::Vector2f centre = sprite.getPosition() - sprite.getOrigin() + sf::Vector2f(local.width, local.height) / 2.f;
        colour.a = FadeAlpha(centre, mouse, viewSize);
        sprite.setScale(1, 1);
    }
    sprite.setColor(colour);
    return over;
}

bool SpriteBoxContains(const sf::Sprite& sprite, sf::Vector2f point)
{
    const sf::Vector2f corner = sprite.getPosition() - sprite.getOrigin();
    const sf::FloatRect local = sprite.getLocalBounds();
    return point.x >= corner.x && point.x <= corner.x + local.width && point.y >= corner.y &&
           point.y <= corner.y + local.height;
}

bool IsMouseOver(const sf::RenderWindow& window, const sf::Sprite& sprite, sf::Vector2f* mapped)
{
    sf::Vector2f point = window.mapPixelToCoords(sf::Mouse::getPosition(window));
    if (mapped)
        *mapped = point;
    return SpriteBoxContains(sprite, point);
}

}  // namespace sfxt
