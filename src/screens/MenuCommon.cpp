#include "screens/MenuCommon.h"

#include "app/AppServices.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"
#include "game/render/GraphicsContext.h"

#include <SFML/Window/Mouse.hpp>

const sf::Color MenuTitleColour(115, 70, 15, 255);

sf::RenderWindow& MenuInputWindow()
{
    return AppServices::Instance().Input()->window->window;
}

sf::RenderWindow& MenuDrawWindow()
{
    return AppServices::Instance().Graphics()->window->window;
}

const sf::Font& MenuFont()
{
    return AppServices::Instance().Graphics()->resources->GetFont(FontMain);
}

const sf::Texture& MenuGuiTexture()
{
    return AppServices::Instance().Graphics()->resources->GetTexture(TextureMenu);
}

bool MenuButtonHit(const sf::Sprite& sprite, sf::Vector2f point)
{
    const sf::Vector2f corner = sprite.getPosition() - sprite.getOrigin();
    const sf::FloatRect bounds = sprite.getGlobalBounds();
    return point.x >= corner.x && point.x <= corner.x + bounds.width && point.y >= corner.y &&
           point.y <= corner.y + bounds.height;
}

sf::Vector2f MenuClickPoint(const sf::Event::MouseButtonEvent& press)
{
    sf::RenderWindow& window = MenuInputWindow();
    return window.mapPixelToCoords(sf::Vector2i(press.x, press.y), window.getView());
}

sf::Vector2f MenuMousePoint()
{
    sf::RenderWindow& window = MenuInputWindow();
    return window.mapPixelToCoords(sf::Mouse::getPosition(window), window.getView());
}
