// A level played: the input is a level text, packed into the level archive
// as level 1-1 with its checksum made to match, and played by a new game
// without a window for a few hundred steps, its keys drawn from the input.
// The game either refuses the level with the loader's or the level check's
// report, or plays it: every step stays in play with a known phase, the
// player inside the map, and a copy of the game plays on alike.
#include "FuzzSupport.h"

#include "app/GameLogicError.h"
#include "app/ResourceException.h"
#include "app/StateId.h"
#include "game/sim/Game.h"
#include "game/objects/Player.h"
#include "game/world/World.h"
#include "kest/RandomEngine.h"
#include "levelrun/ReplayServices.h"
#include "t4/io/ChecksumChain.h"
#include "t4/io/Crc32.h"

#include <cmath>
#include <memory>
#include <random>
#include <string>

namespace {

using namespace fuzz;

constexpr int Steps = 300;
// The keys change every this many steps.
constexpr int KeyRun = 6;

void CheckStep(Game& game)
{
    const GamePhase phase = game.GetPhase();
    FUZZ_CHECK(phase >= PhasePlaying && phase <= PhaseVictory && phase != PhaseBackdrop, "an unknown phase");
    const Player& player = *game.GetPlayer();
    const Tilemap& map = game.GetWorld().tilemap;
    const float right = 36.0f * static_cast<float>(map.Columns());
    const float bottom = 36.0f * static_cast<float>(map.Rows());
    FUZZ_CHECK(std::isfinite(player.x) && std::isfinite(player.y), "the player left the numbers");
    FUZZ_CHECK(player.x >= 0 && player.x <= right && player.y >= 0 && player.y <= bottom,
               "the player left the map");
}

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    WriteLevelArchive(SealChecksum(text, LevelChecksumSeed, false));
    RemoveFile("Data/Profiles.txt");
    kest::RandomEngine::global().seed(1234);

    replay::ReplayServices services;
    ProfileStore& profiles = services.Profiles();
    profiles.AddProfile("Fuzz");
    profiles.currentProfile = 0;
    std::unique_ptr<Game> game;
    try {
        game = std::make_unique<Game>(false, services);
    } catch (const ResourceException& e) {
        return OneLine(e.GetMessage());
    } catch (const GameLogicError& e) {
        return e.GetMessage();
    }
    // The level starts at once instead of after its title.
    game->SetFrameCounter(-1);

    std::uint32_t crc = 0xFFFFFFFFu;
    Crc32::Update(crc, text);
    std::mt19937 keys(crc);
    int step = 0;
    for (; step < Steps; ++step) {
        if (step % KeyRun == 0)
            services.Hold(static_cast<replay::HeldKeys>(keys() & ((1u << replay::ActionCount) - 1)));
        const int next = game->Update();
        FUZZ_CHECK(next >= 0 && next < StateCount, "an unknown state");
        if (next != StateStay)
            break;  // the game is left: the level is over
        CheckStep(*game);
        if (step == Steps / 2) {
            // A copy of the game, stepped on its own, must not disturb the
            // original (and plays the copied world).
            replay::ReplayServices copyServices;
            copyServices.Profiles() = profiles;
            Game copy(*game, copyServices);
            for (int i = 0; i < 20 && copy.Update() == StateStay; ++i)
                CheckStep(copy);
        }
    }
    return "played " + std::to_string(step) + " steps, phase " + std::to_string(game->GetPhase());
}
