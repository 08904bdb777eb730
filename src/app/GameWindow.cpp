#include "app/GameWindow.h"

#include <SFML/Window/VideoMode.hpp>

GameWindow::GameWindow()
    : selected{1, 0, 0, 11, 4, 4}, applied(6, 0)
{
}

void GameWindow::CreateGameWindow()
{
    sf::ContextSettings settings;
    settings.antialiasingLevel = yesNoChoices[selected[2]] ? 8 : 0;
    bool fullscreen = yesNoChoices[selected[0]];
    window.create(sf::VideoMode(1024, 768, 32), "Vrenk II", fullscreen ? sf::Style::Fullscreen : sf::Style::Close,
                  settings);
}
