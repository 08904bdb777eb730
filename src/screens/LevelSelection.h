#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"

class LevelSelection : public StandInMenu {
public:
    LevelSelection() : StandInMenu(sf::Color(140, 200, 220), {{sf::Keyboard::Return, 8}, {sf::Keyboard::Escape, 6}}) {}
};
