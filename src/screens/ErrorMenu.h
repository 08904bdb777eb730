#pragma once

// Stand-in: see StandInMenu. A recoverable error goes back to the main menu,
// a fatal one quits.
#include "screens/StandInMenu.h"

#include <string>

class ErrorMenu : public StandInMenu {
public:
    ErrorMenu(bool fatal, std::string message)
        : StandInMenu(sf::Color(200, 60, 50), {{sf::Keyboard::Escape, fatal ? 5 : 6}, {sf::Keyboard::Return, fatal ? 5 : 6}}),
          fatal_(fatal), message_(std::move(message))
    {
    }

    bool IsFatal() const { return fatal_; }
    const std::string& GetMessage() const { return message_; }

private:
    bool fatal_;
    std::string message_;
};
