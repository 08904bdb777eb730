#pragma once

#include <cstdint>

// What a step of the game screen does (see Game::RunPhase).
enum GamePhase : std::int32_t {
    PhasePlaying = 0,
    PhaseBackdrop = 1,
    PhaseLevelStart = 2,
    PhaseLevelCompleted = 3,
    PhaseSpawning = 4,
    PhasePaused = 5,
    PhaseGameOver = 6,
    PhaseLevelDone = 7,
    PhaseLevelEnd = 8,
    PhaseVictory = 9,
};
