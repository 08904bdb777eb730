#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"

class ProfileSelection : public StandInMenu {
public:
    ProfileSelection() : StandInMenu(sf::Color(200, 220, 140), {{sf::Keyboard::Return, 7}, {sf::Keyboard::Escape, 6}}) {}
};
