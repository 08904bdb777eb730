#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"

class HighscoreMenu : public StandInMenu {
public:
    HighscoreMenu() : StandInMenu(sf::Color(240, 220, 90), {{sf::Keyboard::Escape, 6}}) {}
};
