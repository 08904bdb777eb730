#pragma once

#include "app/KeyBinding.h"
#include "app/ProfileStore.h"
#include "game/sim/GameServices.h"
#include "levelrun/Replay.h"

#include <deque>
#include <vector>

namespace replay {

// Services without a window for playing recorded keys: the keys of each step
// are held as on a keyboard with the default bindings, and a key that
// becomes held or stops being held gives a key press or release event.
// Sound, music, effects, the camera and drawing do nothing; nothing draws
// random numbers.
class ReplayServices : public GameServices {
public:
    ReplayServices();

    // The keys of the coming step; the events of the change since the last
    // step replace any events not yet read.
    void Hold(HeldKeys keys);
    // Takes the keys as held already, without events: for going on from a
    // saved state.
    void Assume(HeldKeys keys);
    HeldKeys Held() const { return held_; }

    bool HasDisplay() const override { return false; }
    bool PollEvent(sf::Event& event) override;
    bool IsKeyHeld(sf::Keyboard::Key key) const override;
    KeyAction ActionForKey(sf::Keyboard::Key key) const override;
    sf::Keyboard::Key KeyForAction(KeyAction action) const override;
    void SetCursorVisible(bool) override {}
    void PlaySound(std::uint32_t, float, float, float, float) override {}
    void PlaySingleSound(std::uint32_t, float, float) override {}
    void PauseSingleSound(std::uint32_t) override {}
    void StopSingleSounds() override {}
    void UpdateListener(float, float) override {}
    void PurgeSounds() override {}
    void SetSuppressed(bool) override {}
    void SetMainMusic(std::uint32_t) override {}
    void PlayMainMusic() override {}
    void PlayJingle(std::uint32_t) override {}
    void RestartMusic() override {}
    void StopMusic() override {}
    void PauseMusic() override {}
    void ResumeMusic() override {}
    void SpawnEffect(int, const Lift*, float, float, float, float) override {}
    void ClearEffects() override {}
    void ShowPopupText(int, const std::string&, float, float) override {}
    void ShowSignText(const std::string&, float, float) override {}
    void SpawnTileEffects(const Player&) override {}
    void SpawnWeaponEffects(const Weapon&) override {}
    void SpawnLiftEffects(const Lift&) override {}
    void UpdateEffects() override {}
    void UpdateCamera(float, float, float, float) override {}
    void ResetCamera(float, float) override {}
    sf::Vector2f GetViewCentre() const override { return sf::Vector2f(); }
    void ToggleInterface() override {}
    void BeginPlay(int) override {}
    ProfileStore& Profiles() override { return profiles_; }
    SceneSeen DrawScene(const Scene&) override { return SceneSeen(); }
    void DrawOverlay(sf::Uint8) override {}
    void DrawHud(const PlayerStats&) override {}
    void DrawMapOverview(const Tilemap&) override {}
    void DrawTitle(const Title&) override {}

private:
    std::vector<KeyBinding> bindings_;
    std::deque<sf::Event> events_;
    HeldKeys held_ = 0;
    ProfileStore profiles_;
};

}  // namespace replay
