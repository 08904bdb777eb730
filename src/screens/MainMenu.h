#pragma once

#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"
#include "sfxt/ButtonStyle.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <map>

// The first screen and the hub of the others: play, credits, options,
// highscores and quit, each a picture button of the GUI texture.
//
// Every menu works the same way: one step drains the window's events until
// one of them decides the next state, clicks are mapped through the window's
// current view (the backdrop's, when a backdrop level plays behind the menu),
// and the heading is drawn last, on top of the rest.
class MainMenu : public Surface {
public:
    MainMenu();
    ~MainMenu() override;

    int Update() override;
    void Draw() override;

    void AddButton(ButtonStyle style, unsigned column, unsigned row);

    // Keyed by style, so that they are tested and drawn in style order.
    std::map<int, sfxt::Button> buttons;
    Title title;

protected:
    // Where the events come from: the input window's queue.
    virtual bool PollEvent(sf::Event& event);
};

// The window whose events and mouse the menus read, and the one they draw
// into (the same window, reached through the input handler and through the
// renderer), with the game's font and the GUI texture.
sf::RenderWindow& MenuInputWindow();
sf::RenderWindow& MenuDrawWindow();
const sf::Font& MenuFont();
const sf::Texture& MenuGuiTexture();

// The menus' hit test of a button: the box from the sprite's position minus
// its origin, as wide and high as its global bounds (so a hovered button's
// grown size counts); all four edges belong to it.
bool MenuButtonHit(const sf::Sprite& sprite, sf::Vector2f point);

// A pressed mouse button's pixel, mapped through the window's current view.
sf::Vector2f MenuClickPoint(const sf::Event::MouseButtonEvent& press);
