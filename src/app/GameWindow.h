#pragma once

#include "app/KeyBinding.h"
#include "app/OptionSlot.h"
#include "app/SaveFailureNotice.h"
#include "app/UnsavedChanges.h"

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

    // A value in the file that is not one of its option's choices is logged
    // and gives way to the default. Until a save succeeds, a load after a
    // failed one keeps the options that it held, rather than those of the
    // older file, and tries to write them again.
    void LoadConfig();
    // A failed save is logged and told through saveFailures; the options in
    // memory stay in force.
    void SaveConfig();
    // Writes the file anew from the options selected, over the damaged one.
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
    // The failed saves that the player is still to be told of.
    SaveFailureNotice saveFailures;

private:
    // The options as a save writes them.
    struct SavedOptions {
        std::vector<std::uint32_t> selected;
        std::vector<KeyBinding> keyBindings;
    };

    // Selects the choice of each value; a value that is not a choice leaves
    // its slot as it was, and is logged.
    void SelectOptions(bool fullscreen, std::uint32_t frameMode, bool antialiasing, std::uint32_t musicVolume,
                       std::uint32_t soundVolume);
    // Writes "Data/Config.txt" from the selection; false with the reason
    // when it could not be written.
    bool WriteConfig(std::string& error) const;
    // Writes the file as WriteConfig does, telling the player when that
    // fails and keeping the options that it held for the loads to come.
    bool StoreConfig(std::string& error);

    // What the last save held when it failed: the file is older than that.
    UnsavedChanges<SavedOptions> unsaved_;

    bool cursorVisible_ = true;
};

// The title line of "Data/Config.txt".
extern const std::string ConfigFileTitle;
