#pragma once

// Stand-in: the window and its options, with the members the shell needs.
// The options, key bindings and "Data/Config.txt" are not built yet: the
// window opens with the default options.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>
#include <vector>

class GameWindow {
public:
    GameWindow();

    // Opens (or reopens) the 1024 x 768 window from the selected options.
    void CreateGameWindow();

    sf::RenderWindow window;
    std::vector<std::uint32_t> volumeChoices{0, 25, 50, 75, 100};
    std::vector<bool> yesNoChoices{true, false};
    std::vector<std::uint32_t> frameModeChoices{2, 0, 1};
    // The chosen index per option slot: fullscreen, frame mode, antialiasing,
    // the key-binding row being edited, music volume, sound volume.
    std::vector<std::uint32_t> selected;
    std::vector<std::uint32_t> applied;
};
