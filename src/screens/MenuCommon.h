#pragma once

// What every menu screen shares.
//
// Every menu works the same way: one step drains the window's events until
// one of them decides the next state, clicks are mapped through the window's
// current view (the backdrop's, when a backdrop level plays behind the menu),
// and the heading is drawn last, on top of the rest.

#include "app/StateId.h"
#include "app/Title.h"
#include "sfxt/Button.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

// Every menu's heading colour.
extern const sf::Color MenuTitleColour;

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
inline bool MenuButtonHit(const sfxt::Button& button, sf::Vector2f point)
{
    return MenuButtonHit(button.sprite, point);
}

// A pressed mouse button's pixel, mapped through the window's current view.
sf::Vector2f MenuClickPoint(const sf::Event::MouseButtonEvent& press);
// The mouse cursor's pixel, mapped the same way.
sf::Vector2f MenuMousePoint();

// A handler's answer that ends this step's polling without leaving the
// menu: the events still queued wait for the next step.
constexpr int MenuStopPolling = -1;

// One step of a menu: its heading moves, then the events that poll gives are
// drained through the handler until one of them names the next state (or
// MenuStopPolling, which gives StateStay).
template <typename Poll, typename Handler>
int PollMenuEvents(Title& title, Poll poll, Handler handle)
{
    title.Update();
    sf::Event event;
    while (poll(event)) {
        const int next = handle(event);
        if (next == MenuStopPolling)
            return StateStay;
        if (next != StateStay)
            return next;
    }
    return StateStay;
}

// The same over the window's events.
template <typename Handler>
int PollMenuEvents(Title& title, Handler handle)
{
    return PollMenuEvents(
        title, [](sf::Event& event) { return MenuInputWindow().pollEvent(event); }, handle);
}
