#include "game/Game.h"

#include "app/GameWindow.h"
#include "app/StateId.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Window/Event.hpp>

Game::Game(GameWindow& window, bool backdrop) : window_(&window), backdrop_(backdrop) {}

void Game::LoadLevel(std::uint16_t world, std::uint16_t level, sf::Vector2f* centre)
{
    world_ = world;
    level_ = level;
    ++loads_;
    if (centre)
        *centre = sf::Vector2f(512.f, 384.f);
}

void Game::Pause()
{
    paused_ = true;
}

void Game::Resume()
{
    paused_ = false;
}

int Game::Update()
{
    if (backdrop_)
        return StateStay;
    sf::Event event;
    while (window_->window.pollEvent(event)) {
        if (event.type == sf::Event::Closed)
            return StateQuit;
        if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape)
            return StatePause;
    }
    return StateStay;
}

void Game::Draw()
{
    sf::RenderWindow& w = window_->window;
    if (backdrop_) {
        // A different sky for each backdrop level.
        w.clear(sf::Color(static_cast<sf::Uint8>(40 + 30 * level_), 90, static_cast<sf::Uint8>(200 - 20 * level_)));
        return;
    }
    w.clear(sf::Color(20, 60, 20));
}
