#pragma once

#include <memory>

class Game;

// The backdrop game that plays a world-0 level behind most menus.
struct DemoSlot {
    DemoSlot();
    ~DemoSlot();

    std::unique_ptr<Game> game;
    bool active = false;  // whether it is updated and drawn
    // Set once a backdrop level failed to load: from then on the menus are
    // drawn over the backdrop's plain background, in the view they are laid
    // out for, and no level is loaded again.
    bool plain = false;
};
