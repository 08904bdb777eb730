#pragma once

#include "sfxt/ButtonStyle.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

namespace sfxt {

// A clickable picture of the GUI texture, placed on the grid of 36-pixel
// cells of the view in which it is drawn. It fades with the mouse's distance
// and lights up and grows a little while the mouse is over it.
class Button {
public:
    static constexpr float CellSize = 36;
    static constexpr float HoverScale = 1.05f;

    // The picture of `style` from the GUI texture (GetGuiTexture), covering
    // the cells from (column, row).
    Button(ButtonStyle style, unsigned column, unsigned row);
    // The same with the texture given.
    Button(const sf::Texture& texture, ButtonStyle style, unsigned column, unsigned row);
    // A picture of the texture's rectangle centred at `centre`.
    Button(const sf::Texture& texture, const sf::IntRect& rect, sf::Vector2f centre);
    virtual ~Button() = default;

    Button(const Button&) = default;
    Button& operator=(const Button&) = default;

    // Draws with the mouse read from the window and mapped into its view.
    virtual void Draw(sf::RenderWindow& target);
    // Draws as if the mouse were at `mouse` in the coordinates of the
    // target's current view.
    virtual void DrawWithMouse(sf::RenderTarget& target, sf::Vector2f mouse);

    // Whether the point lies in the sprite's box (position - origin, local
    // size; the hover scale is not counted); every edge belongs to the box.
    bool Contains(sf::Vector2f point) const;

    // The alpha of a button whose box centre is `centre` with the mouse at
    // `mouse`, not hovering, in a view of `viewSize`: from 198 close by down
    // to 55 at 0.6 of the view's smaller side and beyond.
    static std::uint8_t FadeAlpha(sf::Vector2f centre, sf::Vector2f mouse, sf::Vector2f viewSize);

    // Position is the button's centre; the origin is its rounded middle.
    sf::Sprite sprite;

protected:
    // Gives the sprite the alpha and scale for the mouse at `mouse` in a
    // view of `viewSize`; returns whether the mouse is over it.
    bool UpdateLook(sf::Vector2f mouse, sf::Vector2f viewSize);
};

// Whether the point lies in the sprite's box (position - origin, local size);
// every edge belongs to the box.
bool SpriteBoxContains(const sf::Sprite& sprite, sf::Vector2f point);

// Whether the mouse is over the sprite, the mouse position relative to the
// window mapped into its current view. `mapped`, when given, receives that
// point.
bool IsMouseOver(const sf::RenderWindow& window, const sf::Sprite& sprite, sf::Vector2f* mapped);

}  // namespace sfxt
