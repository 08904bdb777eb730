#pragma once

#include "sfxt/TextBox.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>

// The heading of the menus and of the game's message boxes: a large bold
// heading with a block of wrapped text below it. Style 1 (menus) adds the
// frame from the menu texture, which bobs slowly with heading and text
// following it; style 0 (message boxes) has no frame and is drawn at its
// screen position whatever the view shows.
//
// The owner sets alpha (heading and text; the frame stays opaque), the draw
// offset (added to everything drawn) and the text offset (added to the text
// block at each Update).
class Title : public sf::Drawable {
public:
    static constexpr int StyleMessage = 0;
    static constexpr int StyleMenu = 1;

    // The font, the window's width and, for style 1, the menu texture come
    // from the Application's services.
    Title(int style, const sf::String& heading, const sf::String& text, const sf::Color& colour);
    // The same with the services' parts given; `menuTexture` is used only by
    // style 1 and may be null otherwise.
    Title(int style, const sf::String& heading, const sf::String& text, const sf::Color& colour,
          const sf::Font& font, const sf::Texture* menuTexture, float windowWidth);

    // One bobbing step (style 1; the other style stays where it is).
    void Update();

    // Moves the box vertically so that its position's y is y.
    static void PlaceTextBox(sfxt::TextBox& box, float y);
    // Moves the box horizontally so that its centre (position x plus half
    // its width) is at x.
    static void PlaceTextBoxCenterX(sfxt::TextBox& box, float x);
    // Moves the sprite so that the centre of its global bounds is at x.
    static void PlaceFrame(sf::Sprite& sprite, float x);
    // Moves the sprite so that the centre of its global bounds is at y.
    static void PlaceFrameY(sf::Sprite& sprite, float y);

    // Drawing recolours heading and text by colour and alpha.
    mutable sf::Text heading;
    mutable sfxt::TextBox text;
    sf::Color colour;
    sf::Uint8 alpha = 255;
    sf::Sprite frame;
    float phase = 0;
    int style;
    sf::Vector2f drawOffset;
    sf::Vector2f textOffset;

private:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    // Puts the text block's top 150 pixels below the heading, centred on it.
    void PlaceTextBelowHeading();
};
