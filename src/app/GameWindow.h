#pragma once

#include "app/KeyBinding.h"
#include "app/OptionSlot.h"
#include "app/SaveFailureNotice.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>
#include <string>
#include <vector>

// The program's one window and the holder of the player's options: each
// option is an index into a fixed list of choices, loaded from and saved to
// "Data/Config.txt". Everything that draws or polls events uses `window`.
class GameWindow {
public:
    GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // (Re)creates the 1024 x 768 window from the selected options and
    // activates its context; returns whether that worked.
    bool CreateGameWindow();
    // Recreates the window when asked to or when fullscreen or antialiasing
    // changed, sets the frame mode, and marks the selection as applied.
    void ApplyOptions(bool recreate);
    // Sets the frame-rate limit and vertical synchronisation of a frame mode.
    void ApplyFrameMode(std::uint32_t frameMode);

    // Binds a key to an action, unbinding it from any other action. A key of
    // Unknown is refused.
    bool BindKey(KeyAction action, sf::Keyboard::Key key);
    // The first action bound to the key; KeyActionNone when none is.
    KeyAction ActionForKey(sf::Keyboard::Key key) const;

    void LoadConfig();
    void SaveConfig();
    void ResetConfigFile(const std::string& reason);

    // Shows or hides the mouse cursor; a recreated window keeps the setting.
    void SetMouseCursorVisible(bool visible);

    // The value behind a slot's selected index.
    bool IsFullscreen() const { return yesNoChoices[selected[OptionFullscreen]]; }
    bool IsAntialiased() const { return yesNoChoices[selected[OptionAntialiasing]]; }
    std::uint32_t GetFrameMode() const { return frameModeChoices[selected[OptionFrameMode]]; }
    std::uint32_t GetMusicVolume() const { return volumeChoices[selected[OptionMusicVolume]]; }
    std::uint32_t GetSoundVolume() const { return volumeChoices[selected[OptionSoundVolume]]; }

    // The eleven actions with their names and default keys.
    static std::vector<KeyBinding> DefaultKeyBindings();
    static void SetDefaultConfig(bool& fullscreen, std::uint32_t& frameMode, bool& antialiasing,
                                 std::uint32_t& musicVolume, std::uint32_t& soundVolume,
                                 std::vector<KeyBinding>& bindings);

    sf::RenderWindow window;
    std::vector<std::uint32_t> volumeChoices;
    std::vector<bool> yesNoChoices;
    std::vector<std::uint32_t> frameModeChoices;
    std::vector<KeyBinding> keyBindings;
    std::vector<std::uint32_t> selected;
    std::vector<std::uint32_t> applied;
    // A failed save of "Data/Config.txt", for the player to be told.
    SaveFailureNotice saveFailures;

private:
    // Writes "Data/Config.txt" from the selection; false with the reason
    // when it could not be written.
    bool WriteConfig(std::string& error) const;

    bool cursorVisible_ = true;
};

// The title line of "Data/Config.txt".
extern const std::string ConfigFileTitle;
