#pragma once

#include "game/sim/GameServices.h"

// The game's services in the running program: the application's window,
// renderer, audio and profiles. This is where the game joins the
// application; the Game made over a window (Game::Game(GameWindow&, bool))
// gets its services here too.
class GameAppServices final : public GameServices {
public:
    bool HasDisplay() const override;
    bool PollEvent(sf::Event& event) override;
    bool IsKeyHeld(sf::Keyboard::Key key) const override;
    KeyAction ActionForKey(sf::Keyboard::Key key) const override;
    sf::Keyboard::Key KeyForAction(KeyAction action) const override;
    void SetCursorVisible(bool visible) override;
    void PlaySound(std::uint32_t id, float x, float y, float vx, float vy) override;
    void PlaySingleSound(std::uint32_t id, float x, float y) override;
    void PauseSingleSound(std::uint32_t id) override;
    void StopSingleSounds() override;
    void UpdateListener(float x, float y) override;
    void PurgeSounds() override;
    void SetSuppressed(bool suppressed) override;
    void SetMainMusic(std::uint32_t id) override;
    void PlayMainMusic() override;
    void PlayJingle(std::uint32_t id) override;
    void RestartMusic() override;
    void StopMusic() override;
    void PauseMusic() override;
    void ResumeMusic() override;
    void SpawnEffect(int preset, const Lift* owner, float x, float y, float vx, float vy) override;
    void ClearEffects() override;
    void ShowPopupText(int colour, const std::string& text, float x, float y) override;
    void ShowSignText(const std::string& text, float x, float y) override;
    void SpawnTileEffects(const Player& player) override;
    void SpawnWeaponEffects(const Weapon& weapon) override;
    void SpawnLiftEffects(const Lift& lift) override;
    void UpdateEffects() override;
    void UpdateCamera(float x, float y, float mapWidth, float mapHeight) override;
    void ResetCamera(float x, float y) override;
    sf::Vector2f GetViewCentre() const override;
    void ToggleInterface() override;
    void BeginPlay(int backgroundIndex) override;
    ProfileStore& Profiles() override;
    SceneSeen DrawScene(const Scene& scene) override;
    void DrawOverlay(sf::Uint8 alpha) override;
    void DrawHud(const PlayerStats& stats) override;
    void DrawMapOverview(const Tilemap& tilemap) override;
    void DrawTitle(const Title& title) override;
};
