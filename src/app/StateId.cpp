#include "app/StateId.h"

const std::array<std::uint16_t, StateCount> StateBackdropLevels = {2, 6, 4, 4, 5, 0, 1, 3, 0, 0, 0, 0, 0, 0, 0};

bool KeepsScreens(StateId id)
{
    return id == StateOptionsFromPause || id == StatePause || id == StateBackToPauseMenu || id == StateResumeGame;
}
