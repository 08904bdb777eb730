#include "game/render/ColorTables.h"

const sf::Color BlackColor(0, 0, 0, 255);

const std::array<sf::Color, 7> PopupColors = {
    sf::Color(255, 0, 130, 255),
    sf::Color(30, 170, 130, 255),
    sf::Color(50, 130, 220, 255),
    sf::Color(0, 200, 0, 255),
    sf::Color(0, 0, 255, 255),
    sf::Color(255, 0, 0, 255),
    sf::Color(200, 255, 255, 255),
};

const std::array<sf::Color, 3> WorldBackgroundColors = {
    sf::Color(150, 180, 250, 255),
    sf::Color(120, 90, 80, 255),
    sf::Color(60, 100, 70, 255),
};
