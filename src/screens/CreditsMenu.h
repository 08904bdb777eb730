#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"

class CreditsMenu : public StandInMenu {
public:
    CreditsMenu() : StandInMenu(sf::Color(220, 160, 200), {{sf::Keyboard::Escape, 6}}) {}
};
