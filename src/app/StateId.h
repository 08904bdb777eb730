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

// The states that keep the current screen and the background (the paused
// game) alive across the switch: the options entered from the pause menu and
// the pause/resume round trip.
bool KeepsScreens(StateId id);
