#pragma once

// Stand-in: see StandInMenu.
#include "screens/StandInMenu.h"
class GameWindow;
class OptionMenu : public StandInMenu {
public:
    OptionMenu(GameWindow&, bool fromPause) : StandInMenu(sf::Color(180, 180, 200), {{sf::Keyboard::Escape, fromPause ? 10 : 6}}) {}
};
