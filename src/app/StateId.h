#pragma once

#include <array>
#include <cstdint>

// The state a screen names as its successor: a plain int.
using StateId = int;

enum : StateId {
    StateProfileSelection = 0,
    StateCredits = 1,
    StateOptionsFromMainMenu = 2,
    StateOptionsFromPause = 3,
    StateHighscores = 4,
    StateQuit = 5,
    StateMainMenu = 6,
    StateLevelSelection = 7,
    StateNewGame = 8,
    StatePause = 9,
    StateBackToPauseMenu = 10,
    StateResumeGame = 11,
    StateVictory = 12,
    StateError = 13,
    StateStay = 14,
};

constexpr int StateCount = 15;

// The world-0 level that the backdrop game plays behind each state's screen;
// 0 means no backdrop.
extern const std::array<std::uint16_t, StateCount> StateBackdropLevels;

// The size in tiles of every backdrop level's map. The backdrop's camera
// stays on the map's centre, and the menus are laid out for that view: with
// 29 columns the screens come out centred across the window, and with 26
// rows every screen lies inside it with a margin, top and bottom. Without a
// backdrop the menus are drawn in the same view.
constexpr std::uint32_t BackdropColumns = 29;
constexpr std::uint32_t BackdropRows = 26;

// The states that keep the current screen and the background (the paused
// game) alive across the switch: the options entered from the pause menu and
// the pause/resume round trip.
bool KeepsScreens(StateId id);
