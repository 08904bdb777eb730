#pragma once

// Stand-in: the game screen. The backdrop mode remembers which world-0 level
// it was asked to play and draws a plain backdrop for it; the playing mode is
// an empty field that can be paused (Escape). Levels, the world and the
// simulation are not built yet.

#include "app/Surface.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>

class GameWindow;

class Game : public Surface {
public:
    Game(GameWindow& window, bool backdrop);

    int Update() override;
    void Draw() override;

    // Loads a level; when asked, gives the centre of its map in pixels.
    void LoadLevel(std::uint16_t world, std::uint16_t level, sf::Vector2f* centre = nullptr);
    void WakeEnemies() {}
    void Pause();
    void Resume();
    void RestoreView() {}

    bool IsBackdrop() const { return backdrop_; }
    std::uint16_t LoadedWorld() const { return world_; }
    std::uint16_t LoadedLevel() const { return level_; }
    int LoadCount() const { return loads_; }
    bool IsPaused() const { return paused_; }

private:
    GameWindow* window_;
    bool backdrop_;
    bool paused_ = false;
    std::uint16_t world_ = 0;
    std::uint16_t level_ = 0;
    int loads_ = 0;
};
