#include "bench/MidLevel.h"

#include "game/sim/Game.h"
#include "levelrun/ReplayRun.h"

namespace bench {

namespace {

// Steps played after waking the enemies: a waking enemy fades in over 20.
constexpr std::size_t ComeInSteps = 40;

}  // namespace

const std::vector<LevelId>& PlayingLevels()
{
    static const std::vector<LevelId> levels = {
        {1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {3, 1}, {3, 2}, {3, 3}, {3, 4},
    };
    return levels;
}

replay::HeldKeys MidLevel::KeysAfter(std::size_t offset) const
{
    return steps.empty() ? 0 : steps[(next + offset) % steps.size()];
}

std::unique_ptr<MidLevel> PlayToMidLevel(const LevelId& level)
{
    auto mid = std::make_unique<MidLevel>();
    mid->steps = replay::ReadReplayFile(std::string(VRENK_SOURCE_DIR) + "/content/levels/" + level.Name() +
                                        ".replay");
    mid->game = replay::StartReplayGame(mid->services, level.world, level.level);
    const std::size_t half = mid->steps.size() / 2;
    for (; mid->next < half; ++mid->next) {
        mid->services.Hold(mid->steps[mid->next]);
        mid->game->Update();
    }
    mid->game->WakeEnemies();
    for (std::size_t i = 0; i < ComeInSteps; ++i, ++mid->next) {
        mid->services.Hold(mid->KeysAfter(0));
        mid->game->Update();
    }
    return mid;
}

}  // namespace bench
