#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"
class ResourceManager;
class VictoryMenu : public StandInMenu {
public:
    explicit VictoryMenu(ResourceManager&) : StandInMenu(sf::Color(255, 230, 120), {{sf::Keyboard::Escape, 6}}) {}
};
