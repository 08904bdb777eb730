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

class Game;

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

// What a step of a run meets near the player, for the run figures.
struct NearTile {
    std::uint32_t id;
    // The gap between the player's box and the tile, in pixels along the
    // axis where it is wider (0 when they touch or the player stands on it).
    float gap;
};
struct NearEnemy {
    std::int32_t kind;
    // The gap between the player's box and the enemy's, as for a tile.
    float gap;
};

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

    // What the step meets, for the run figures.
    // The player's movement state (MoveState) after the step.
    std::int32_t state = 0;
    // The kind of the lift the player rides or is caught by; -1 for none.
    std::int32_t liftKind = -1;
    // Positive while the player warps.
    std::int32_t warpCounter = 0;
    // The tiles within NearReach of the player's box, each id once with its
    // least gap.
    std::vector<NearTile> nearTiles;
    // The live enemies on screen (in the play field's view), with their gap
    // from the player's box.
    std::vector<NearEnemy> enemies;

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

// How far from the player's box RunStep::nearTiles looks, in pixels.
inline constexpr float NearReach = 3 * TileSize;

// The map cells that a box overlaps, its right and bottom edges excluded (a
// box of no height takes the row it lies in); none left of or above the map.
std::vector<TilePos> CellsUnder(float left, float top, float right, float bottom);

// What the window shows of the play field at a step: the tiles of every
// cell in view, the lifts and the live enemies.
struct ViewShot {
    int step = 0;
    // The cell at the view's top-left corner and the cells across and down
    // that the view touches.
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    // The tile ids, row by row from the top.
    std::vector<std::uint32_t> ids;
    struct Thing {
        std::int32_t kind;
        // The centre, in pixels from the view's top-left corner.
        sf::Vector2f at;
    };
    std::vector<Thing> lifts;
    std::vector<Thing> enemies;

    std::uint32_t At(std::int32_t x, std::int32_t y) const
    {
        return ids[static_cast<std::size_t>(y * columns + x)];
    }
};

// The steps between two views of RecordedRun::views: a picture every 7.5 s.
inline constexpr int ViewSpacing = 300;

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
    // The view at every step that is a multiple of ViewSpacing while the
    // player plays, and at the level end (its last).
    std::vector<ViewShot> views;

    // --- For the placement rules ---------------------------------------------
    // The level's background (0 forest, 1 volcano, 2 laboratory).
    std::int16_t backgroundIndex = -1;

    const RunStep& Step(int n) const { return steps.at(static_cast<std::size_t>(n - 1)); }

private:
    void Play();
    // Fills the step's run-figure fields, and takes its view when it is due.
    void Observe(Game& game, RunStep& step, int n);
};

}  // namespace levels
