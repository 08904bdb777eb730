#include "levelrun/ReplayRun.h"

#include "app/ProfileStore.h"
#include "game/sim/Game.h"
#include "kest/RandomEngine.h"

namespace replay {

void PrepareReplayProfile(ReplayServices& services, std::uint16_t world, std::uint16_t level)
{
    ProfileStore& store = services.Profiles();
    store.AddProfile("Replay");
    store.currentProfile = 0;
    Profile& profile = store.profiles.at(0);
    profile.world = world;
    profile.level = level;
}

std::unique_ptr<Game> StartReplayGame(ReplayServices& services, std::uint16_t world, std::uint16_t level)
{
    PrepareReplayProfile(services, world, level);
    kest::RandomEngine::global().seed(ReplaySeed);
    return std::make_unique<Game>(false, services);
}

ReplayOutcome PlayReplay(std::uint16_t world, std::uint16_t level, const Replay& steps)
{
    ReplayServices services;
    const std::unique_ptr<Game> game = StartReplayGame(services, world, level);
    ReplayOutcome outcome;
    int step = 0;
    for (const HeldKeys keys : steps) {
        ++step;
        services.Hold(keys);
        game->Update();
        const GamePhase phase = game->GetPhase();
        if (outcome.levelEndStep == 0 && phase == PhaseLevelEnd) {
            outcome.levelEndStep = step;
        } else if (outcome.levelEndStep != 0 && outcome.afterStep == 0 && phase != PhaseLevelEnd) {
            outcome.afterLevelEnd = phase;
            outcome.afterStep = step;
        }
    }
    outcome.lastPhase = game->GetPhase();
    return outcome;
}

}  // namespace replay
