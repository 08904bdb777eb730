#pragma once

#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "game/sim/GameServices.h"

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

// Records what the game asks of the program and feeds it events and held
// keys, so that a level can be stepped without a window.
class FakeServices : public GameServices {
public:
    bool HasDisplay() const override { return false; }
    bool PollEvent(sf::Event& event) override
    {
        if (events.empty())
            return false;
        event = events.front();
        events.pop_front();
        return true;
    }
    bool IsKeyHeld(sf::Keyboard::Key key) const override { return held.count(key) != 0; }
    KeyAction ActionForKey(sf::Keyboard::Key key) const override { return BoundAction(bindings, key); }
    sf::Keyboard::Key KeyForAction(KeyAction action) const override { return BoundKey(bindings, action); }
    // Binds the key to the action alone, as the option screen does.
    void Bind(KeyAction action, sf::Keyboard::Key key)
    {
        for (KeyBinding& binding : bindings)
            if (binding.key == key)
                binding.key = sf::Keyboard::Unknown;
        for (KeyBinding& binding : bindings)
            if (binding.action == action)
                binding.key = key;
    }
    void SetCursorVisible(bool visible) override { cursorVisible = visible; }
    void PlaySound(std::uint32_t id, float, float, float, float) override { sounds.push_back(id); }
    void PlaySingleSound(std::uint32_t id, float, float) override { singleSounds.push_back(id); }
    void PauseSingleSound(std::uint32_t) override {}
    void StopSingleSounds() override {}
    void UpdateListener(float, float) override {}
    void PurgeSounds() override {}
    void SetSuppressed(bool) override {}
    void SetMainMusic(std::uint32_t id) override { mainMusic = id; }
    void PlayMainMusic() override { ++mainMusicPlays; }
    void PlayJingle(std::uint32_t id) override { jingles.push_back(id); }
    void RestartMusic() override { ++musicRestarts; }
    void StopMusic() override {}
    void PauseMusic() override { musicPaused = true; }
    void ResumeMusic() override { musicPaused = false; }
    void SpawnEffect(int preset, const Lift*, float, float, float vx, float vy) override
    {
        effects.push_back(preset);
        effectVelocities.emplace_back(vx, vy);
    }
    void ClearEffects() override { ++effectClears; }
    void ShowPopupText(int, const std::string& text, float, float) override { popups.push_back(text); }
    void ShowSignText(const std::string& text, float, float) override { signText = text; }
    void SpawnTileEffects(const Player&) override {}
    void SpawnWeaponEffects(const Weapon&) override {}
    void SpawnLiftEffects(const Lift&) override {}
    void UpdateEffects() override {}
    void UpdateCamera(float, float, float, float) override {}
    void ResetCamera(float, float) override {}
    sf::Vector2f GetViewCentre() const override { return sf::Vector2f(); }
    void ToggleInterface() override { showInterface = !showInterface; }
    void BeginPlay(int) override {}
    ProfileStore& Profiles() override { return profiles; }
    // Without a display the game draws nothing.
    SceneSeen DrawScene(const Scene&) override { return SceneSeen(); }
    void DrawOverlay(sf::Uint8) override {}
    void DrawHud(const PlayerStats&) override {}
    void DrawMapOverview(const Tilemap&) override {}
    void DrawTitle(const Title&) override {}

    void Press(sf::Keyboard::Key key) { events.push_back(KeyEvent(sf::Event::KeyPressed, key)); }
    void Release(sf::Keyboard::Key key) { events.push_back(KeyEvent(sf::Event::KeyReleased, key)); }
    void Send(sf::Event::EventType type)
    {
        sf::Event event;
        event.type = type;
        events.push_back(event);
    }
    int CountSound(std::uint32_t id) const
    {
        int n = 0;
        for (std::uint32_t s : sounds)
            n += s == id;
        return n;
    }

    std::deque<sf::Event> events;
    std::set<sf::Keyboard::Key> held;
    std::vector<std::uint32_t> sounds;
    std::vector<std::uint32_t> singleSounds;
    std::vector<std::uint32_t> jingles;
    std::vector<int> effects;
    std::vector<sf::Vector2f> effectVelocities;
    std::vector<std::string> popups;
    std::string signText;
    std::uint32_t mainMusic = 19;
    int mainMusicPlays = 0;
    int musicRestarts = 0;
    int effectClears = 0;
    bool musicPaused = false;
    bool cursorVisible = true;
    bool showInterface = true;
    ProfileStore profiles;
    std::vector<KeyBinding> bindings = GameWindow::DefaultKeyBindings();

private:
    static sf::Event KeyEvent(sf::Event::EventType type, sf::Keyboard::Key key)
    {
        sf::Event event;
        event.type = type;
        event.key = sf::Event::KeyEvent{key, false, false, false, false};
        return event;
    }
};
