#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"

class MainMenu : public StandInMenu {
public:
    MainMenu() : StandInMenu(sf::Color(230, 200, 120), {{sf::Keyboard::P, 0}, {sf::Keyboard::C, 1}, {sf::Keyboard::O, 2}, {sf::Keyboard::H, 4}, {sf::Keyboard::Escape, 5}}) {}
};
