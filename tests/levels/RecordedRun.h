#pragma once

#include "app/PlayerStats.h"
#include "game/objects/Scenery.h"
#include "game/sim/GamePhase.h"
#include "game/world/TilePos.h"
#include "game/world/World.h"
#include "levelrun/Replay.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace levels {

struct Level {
    std::uint16_t world;
    std::uint16_t level;
};

// "W-L".
std::string Name(const Level& level);
// Shows a level as "W-L" in the test's messages.
void PrintTo(const Level& level, std::ostream* out);

// The twelve playing levels in the order they are played.
extern const std::array<Level, 12> PlayingLevels;

// The window the game is played in, in pixels.
inline constexpr float ViewWidth = 1024;
inline constexpr float ViewHeight = 768;
inline constexpr float TileSize = 36;

// One step of a recorded run, as the game ended it.
struct RunStep {
    GamePhase phase = PhaseLevelStart;
    replay::HeldKeys keys = 0;
    // The player's box on the map.
    sf::FloatRect player;
    PlayerStats stats;
    // Where the play field's and the background scenery's layers are drawn
    // from (the top-left corner of each view on the map, in whole pixels),
    // as the renderer follows the player.
    sf::Vector2f playView;
    sf::Vector2f sceneryView;

    // --- What the run shows and touches, for the placement rules ---------
    // Where the far background's layer is drawn from, as the play field's.
    sf::Vector2f backdropView;
    // The cells of the tiles the player stands on after the step, while
    // playing.
    std::vector<TilePos> standsOn;
    // The cells of the tiles the player uses in the step while playing: a
    // sign read, an inactive checkpoint touched, a switch pressed, a warp
    // entered, a coin taken, an item or power-up block hit from below.
    std::vector<TilePos> uses;
};

// A playing level's recorded run, played once on a new game headless, with
// the level as it was loaded and the world as the run leaves it.
class RecordedRun {
public:
    // The run of the level, played on first use and kept for the test
    // program's life. The built level archive must exist.
    static const RecordedRun& Of(const Level& level);

    Level level{0, 0};
    // The level as loaded, before the run changes it.
    World loaded;
    std::vector<Scenery> foreground;
    std::vector<Scenery> background;
    // The keys of the replay file, a step each, from the first step of the
    // new game on.
    replay::Replay keys;
    // Steps count from 1: step n is steps[n - 1].
    std::vector<RunStep> steps;
    // The step at which the level end is reached; 0 when it never is.
    int levelEndStep = 0;
    // The first step in which the player plays (after the level start).
    int firstPlayStep = 0;
    // The steps at which the player touched an inactive checkpoint (which
    // then became the active one).
    std::vector<int> checkpointSteps;
    // The live world at the level end (or after the last step).
    World left;
    // The level source's text.
    std::string source;

    const RunStep& Step(int n) const { return steps.at(static_cast<std::size_t>(n - 1)); }

private:
    void Play();
};

}  // namespace levels
