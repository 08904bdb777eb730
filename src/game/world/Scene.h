#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <optional>
#include <vector>

class Player;
class Scenery;
class World;

// What one frame of a level shows, from the background up to the glow of
// the play field, as the game hands it to the renderer. Everything is read
// only: drawing never changes the level.
struct Scene {
    const World* world = nullptr;
    // Behind the play field, faint; and in front of the background.
    const std::vector<Scenery>* backgroundScenery = nullptr;
    const std::vector<Scenery>* foregroundScenery = nullptr;
    // Drawn, with its power-up overlay and flame, when set.
    const Player* player = nullptr;
    // The game's frame counter, which steps the flame.
    std::int32_t frameCounter = 0;
    // The level behind the menus: a plain colour in place of the level's
    // background.
    bool backdrop = false;
    bool timeSlowed = false;
    // When set, the renderer gives the nearest lava tile in view to this
    // point (see SceneSeen).
    std::optional<sf::Vector2f> lavaListener;
};

// What the renderer saw while it drew a scene.
struct SceneSeen {
    // The centre of the lava tile in view nearest to the scene's listener;
    // none without one or without a listener.
    std::optional<sf::Vector2f> nearestLava;
};
