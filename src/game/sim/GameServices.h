#pragma once

#include "app/KeyBinding.h"
#include "game/world/Scene.h"

#include <SFML/Config.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <string>

class Weapon;
class Lift;
class Player;
class ProfileStore;
class Tilemap;
class Title;
struct PlayerStats;

// Everything the game screen asks of the program around it: drawing, sound
// and music, particles and popup texts, the camera, the profiles, the
// window's events and the held keys. The running program hands these on to
// the renderer and the application's services (GameAppServices); tests give
// a recording stand-in, so that a level can be stepped without a window.
class GameServices {
public:
    virtual ~GameServices();

    // Whether there is a window to draw into (titles and drawing need one).
    virtual bool HasDisplay() const = 0;

    // Input.
    virtual bool PollEvent(sf::Event& event) = 0;
    virtual bool IsKeyHeld(sf::Keyboard::Key key) const = 0;
    // The key bindings: the action of a key (KeyActionNone when unbound) and
    // the key of an action (Unknown when unbound).
    virtual KeyAction ActionForKey(sf::Keyboard::Key key) const = 0;
    virtual sf::Keyboard::Key KeyForAction(KeyAction action) const = 0;
    virtual void SetCursorVisible(bool visible) = 0;

    // Sounds: a pooled sound at (x, y) moving by (vx, vy); (0, 0) plays at
    // the listener. The two single sounds (jetpack, lava) are started or
    // moved, and paused.
    virtual void PlaySound(std::uint32_t id, float x, float y, float vx, float vy) = 0;
    virtual void PlaySingleSound(std::uint32_t id, float x, float y) = 0;
    virtual void PauseSingleSound(std::uint32_t id) = 0;
    virtual void StopSingleSounds() = 0;
    // Puts the listener at (x, y) and steps the moving sounds and the music.
    virtual void UpdateListener(float x, float y) = 0;
    virtual void PurgeSounds() = 0;
    virtual void SetSuppressed(bool suppressed) = 0;

    // Music.
    virtual void SetMainMusic(std::uint32_t id) = 0;
    virtual void PlayMainMusic() = 0;
    virtual void PlayJingle(std::uint32_t id) = 0;
    // Stops the current music and starts it again from its beginning.
    virtual void RestartMusic() = 0;
    virtual void StopMusic() = 0;
    // Pausing and resuming the game: the music state is paused or played.
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0;

    // Particles, popups and the camera.
    virtual void SpawnEffect(int preset, const Lift* owner, float x, float y, float vx, float vy) = 0;
    virtual void ClearEffects() = 0;
    virtual void ShowPopupText(int colour, const std::string& text, float x, float y) = 0;
    virtual void ShowSignText(const std::string& text, float x, float y) = 0;
    virtual void SpawnTileEffects(const Player& player) = 0;
    virtual void SpawnWeaponEffects(const Weapon& weapon) = 0;
    virtual void SpawnLiftEffects(const Lift& lift) = 0;
    virtual void UpdateEffects() = 0;
    // Follows the player and fades the sign text a little.
    virtual void UpdateCamera(float x, float y, float mapWidth, float mapHeight) = 0;
    virtual void ResetCamera(float x, float y) = 0;
    // The centre of the window's current view; (0, 0) without a display.
    virtual sf::Vector2f GetViewCentre() const = 0;
    virtual void ToggleInterface() = 0;
    // Switches the renderer to play mode and gives it the level's background.
    virtual void BeginPlay(int backgroundIndex) = 0;

    // The profiles; the current profile is the one played.
    virtual ProfileStore& Profiles() = 0;

    // Drawing one frame, in this order; without a display (see HasDisplay)
    // the game asks for none of it.
    // The level from its background up to the glow of the play field.
    virtual SceneSeen DrawScene(const Scene& scene) = 0;
    // A black layer of the given alpha over the view; nothing for 0.
    virtual void DrawOverlay(sf::Uint8 alpha) = 0;
    // The head-up display, while the interface is shown.
    virtual void DrawHud(const PlayerStats& stats) = 0;
    // The whole level at a twelfth of its size, in the middle of the window.
    virtual void DrawMapOverview(const Tilemap& tilemap) = 0;
    virtual void DrawTitle(const Title& title) = 0;
};
