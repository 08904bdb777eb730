#pragma once

#include <memory>

class Game;

// The backdrop game that plays a world-0 level behind most menus.
struct DemoSlot {
    DemoSlot();
    ~DemoSlot();

    std::unique_ptr<Game> game;
    bool active = false;  // whether it is updated and drawn
};
