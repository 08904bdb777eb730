#pragma once

// Stand-in for the menu screens that are not built yet: a plain coloured
// panel that leaves by keys. Closing the window quits from every screen.

#include "app/Surface.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <utility>
#include <vector>

class StandInMenu : public Surface {
public:
    using Exit = std::pair<sf::Keyboard::Key, int>;

    StandInMenu(sf::Color colour, std::vector<Exit> exits);

    int Update() override;
    void Draw() override;

private:
    sf::Color colour_;
    std::vector<Exit> exits_;
};
