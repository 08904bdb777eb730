#pragma once

#include "app/Surface.h"
#include "game/objects/Scenery.h"
#include "game/sim/GamePhase.h"
#include "game/sim/PlayerInput.h"
#include "game/sim/TileCollider.h"

#include <SFML/System/Clock.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Collidable;
class Enemy;
class GameServices;
class GameWindow;
class Player;
class Title;
class World;
struct Profile;
struct Tile;

// The screen on which a level is played, and the same class playing a
// level of world 0 by itself behind the menus (the backdrop). Each step
// reads the window's events and the held keys, steers the player, updates
// the world and follows the phase of the level (start, play, respawn, level
// end, game over, victory); each frame is handed to the renderer.
//
// Everything outside the simulation is reached through GameServices, so the
// simulation can be stepped without a window.
class Game : public Surface {
public:
    static constexpr float GravityPerStep = 0.35f;
    static constexpr float MaxFallSpeedPerStep = 11.7231f;
    static constexpr std::int32_t StartCounter = -100;

    // A playing game for the current profile, or an empty backdrop game,
    // over the application's services (made where the game joins the
    // application: GameAppServices.cpp).
    Game(GameWindow& window, bool backdrop);
    // The same over the given services, which the game keeps.
    Game(GameWindow& window, bool backdrop, std::unique_ptr<GameServices> services);
    // The same over the given services (not owned) and without a window:
    // the simulation runs, nothing is drawn.
    Game(bool backdrop, GameServices& services);
    // A deep copy of a game without a window over the given services (not
    // owned): player, live world, checkpoint snapshot, scenery, phase and
    // counters; the copy's player and collider use the copy's own world and
    // lifts, so both games can be stepped on their own. The random engine is
    // global and not part of the copy. Throws GameLogicError for a game with
    // a window.
    Game(const Game& other, GameServices& services);
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    int Update() override;
    void Draw() override;

    // Loads a level into the live world and the scenery lists; when asked,
    // gives the centre of its map in pixels.
    void LoadLevel(std::uint16_t world, std::uint16_t level, sf::Vector2f* centre = nullptr);
    void WakeEnemies();
    void Pause();
    void Resume();
    void RestoreView();
    // True when the game may be left; saves or resets the profile's game.
    bool SaveAndLeave(bool force);
    // The live world becomes a new copy of the checkpoint snapshot.
    void RestoreCheckpoint();
    // The checkpoint snapshot becomes a copy of the live world.
    void TakeSnapshot();

    // Steps of a frame, by topic.
    int HandleEvents(PlayerInput& input);
    bool ApplyKeyAction(sf::Keyboard::Key key, PlayerInput& input);
    void RunPhase(const PlayerInput& input);
    void ResetSavedPlayer();
    void CheckLevel();
    void UpdateAudio();
    void UpdateCamera();
    sf::Uint8 GetFadeAlpha() const;

    // Player control and firing.
    void ControlPlayer(const PlayerInput& input);
    void FireWeapon(int kind);
    void FireEnemyWeapon(const Enemy& enemy, int kind);

    // The world update.
    void UpdateWorld();
    void UpdateEnemies();
    void UpdatePlayerWeapons();
    void UpdateEnemyWeapons();
    void UpdateItems();
    void UpdateLifts();
    void UpdateScenery();
    void RemoveDeadObjects();
    void AddLevelBonus();
    bool IsTimeSlowed() const;
    void DropItem(std::int16_t chance, float x, float y);
    void ApplyItem(int kind, float x, float y);
    void ShowPopup(int kind, float x, float y);
    void ShowScorePopup(std::int16_t points, float x, float y);
    void PlayPowerUpJingle(int kind);
    void MoveAgainstTiles(Collidable& object, bool isPlayer);

    // Player contacts, tile triggers, damage and respawn.
    void HandlePlayerContacts();
    void TriggerTile(int column, int row);
    void TouchTile(std::int32_t contact, int column, int row);
    void FlipSwitch(Tile& tile);
    void HurtPlayer();
    void KillPlayer(bool burnt);
    void Respawn(bool lifeLost);
    void SpawnItem(Tile& tile, int column, int row);
    void UnlockExtra(int kind);

    // Particles at a point, drifting (driftX, driftY).
    void SpawnBurst(int preset, int count, float x, float y, float driftX, float driftY);
    // Ash over a burnt object's box.
    void SpawnDebris(float x, float y, float w, float h);

    // State, for the screens and the tests.
    Player* GetPlayer() { return player_.get(); }
    World& GetWorld() { return *world_; }
    World* GetSnapshot() { return snapshot_.get(); }
    TileCollider& GetCollider() { return collider_; }
    GamePhase GetPhase() const { return phase_; }
    void SetPhase(GamePhase phase) { phase_ = phase; }
    std::int32_t GetFrameCounter() const { return frameCounter_; }
    void SetFrameCounter(std::int32_t counter) { frameCounter_ = counter; }
    bool IsJumpHeld() const { return jumpHeld_; }
    std::vector<Scenery>& GetForegroundScenery() { return foreground_; }
    std::vector<Scenery>& GetBackgroundScenery() { return background_; }
    std::int16_t GetBackgroundIndex() const { return backgroundIndex_; }
    bool IsBackdrop() const { return phase_ == PhaseBackdrop; }
    bool IsPaused() const { return phase_ == PhasePaused; }
    // The level loaded last, and how many loads were asked for.
    std::uint16_t LoadedWorld() const { return loadedWorld_; }
    std::uint16_t LoadedLevel() const { return loadedLevel_; }
    int LoadCount() const { return loadCount_; }

private:
    void Construct(bool backdrop);
    void BuildTitles(std::uint16_t world, std::uint16_t level);
    Profile& CurrentProfile();
    void DrawTitle(std::size_t index, sf::Uint8 alpha);

    std::unique_ptr<GameServices> ownServices_;
    GameServices* services_;
    std::unique_ptr<Player> player_;
    std::vector<Scenery> foreground_;
    std::vector<Scenery> background_;
    std::unique_ptr<World> world_;
    std::unique_ptr<World> snapshot_;
    TileCollider collider_;
    float gravity_ = GravityPerStep;
    float maxFallSpeed_ = MaxFallSpeedPerStep;
    GameWindow* window_;
    std::int32_t frameCounter_ = StartCounter;
    sf::Clock clock_;
    GamePhase phase_ = PhaseLevelStart;
    bool jumpHeld_ = false;
    std::vector<Title> titles_;
    std::int16_t backgroundIndex_ = -1;
    sf::Vector2f savedViewCentre_;
    std::uint16_t loadedWorld_ = 0;
    std::uint16_t loadedLevel_ = 0;
    int loadCount_ = 0;
};
