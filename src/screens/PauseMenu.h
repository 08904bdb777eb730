#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"
class GameWindow;
class PauseMenu : public StandInMenu {
public:
    PauseMenu(Surface&, GameWindow&) : StandInMenu(sf::Color(120, 140, 170), {{sf::Keyboard::Escape, 11}, {sf::Keyboard::O, 3}, {sf::Keyboard::L, 7}, {sf::Keyboard::M, 6}}) {}
};
