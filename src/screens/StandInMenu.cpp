#include "screens/StandInMenu.h"

#include "app/Application.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/StateId.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Window/Event.hpp>

StandInMenu::StandInMenu(sf::Color colour, std::vector<Exit> exits) : colour_(colour), exits_(std::move(exits)) {}

int StandInMenu::Update()
{
    sf::RenderWindow& window = Application::Instance().input->window->window;
    sf::Event event;
    while (window.pollEvent(event)) {
        if (event.type == sf::Event::Closed)
            return StateQuit;
        if (event.type == sf::Event::KeyPressed)
            for (const Exit& exit : exits_)
                if (exit.first == event.key.code)
                    return exit.second;
    }
    return StateStay;
}

void StandInMenu::Draw()
{
    sf::RenderWindow& window = Application::Instance().input->window->window;
    sf::RectangleShape panel(sf::Vector2f(400.f, 300.f));
    panel.setOrigin(200.f, 150.f);
    panel.setPosition(window.getView().getCenter());
    panel.setFillColor(colour_);
    panel.setOutlineColor(sf::Color(115, 70, 15));
    panel.setOutlineThickness(4.f);
    window.draw(panel);
}
