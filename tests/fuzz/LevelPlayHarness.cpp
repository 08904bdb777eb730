// A level played: the input is a level text, packed into the level archive
// as level 1-1 with its checksum made to match, and played by a new game
// without a window for a few hundred steps, its keys drawn from the input.
// The game either refuses the level with the loader's or the level check's
// report, or plays it: every step stays in play with a known phase, the
// player inside the map. Halfway a copy of the game is made and played on
// its own: the original then steps exactly as it did when the level was
// played without the copy.
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
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace fuzz;

constexpr int Steps = 300;
// The keys change every this many steps.
constexpr int KeyRun = 6;
// The step after which the copy is made, the steps that the copy plays, and
// the steps of the original after it that are compared.
constexpr int CopyAt = Steps / 2;
constexpr int CopySteps = 60;
constexpr int ComparedSteps = 30;

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

// The game after one step, as two plays of it are compared: the state id
// that the step returned, the phase and frame counter, the player's stats,
// where the player and every other object are, how they move and what they
// do (floats by their bits), and the tiles.
using Moment = std::vector<std::int64_t>;

void AddFloat(Moment& moment, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    moment.push_back(bits);
}

void Add(Moment& moment, const Collidable& object)
{
    for (float value : {object.x, object.y, object.stepMotionX, object.verticalSpeed})
        AddFloat(moment, value);
    moment.push_back(object.state);
}

void Add(Moment& moment, const Enemy& enemy)
{
    Add(moment, static_cast<const Collidable&>(enemy));
    moment.push_back(enemy.counter);
    moment.push_back(enemy.deathMode);
}

template <typename Objects>
void AddAll(Moment& moment, const Objects& objects)
{
    moment.push_back(static_cast<std::int64_t>(objects.size()));
    for (const auto& object : objects)
        Add(moment, object);
}

Moment Take(Game& game, int next)
{
    const PlayerStats& stats = game.GetPlayer()->stats;
    Moment moment{next, game.GetPhase(), game.GetFrameCounter(), stats.lives, stats.hearts, stats.coins,
                  stats.totalCoins, stats.ammunition[0], stats.ammunition[1], stats.ammunition[2],
                  stats.powerUpMode, stats.powerUpCountdown};
    Add(moment, *game.GetPlayer());
    const World& world = game.GetWorld();
    AddAll(moment, world.enemies);
    AddAll(moment, world.playerWeapons);
    AddAll(moment, world.enemyWeapons);
    AddAll(moment, world.items);
    for (const Lift& lift : world.lifts) {
        AddFloat(moment, lift.GetPosition().x);
        AddFloat(moment, lift.GetPosition().y);
    }
    for (std::uint32_t x = 0; x < world.tilemap.Columns(); ++x)
        for (std::uint32_t y = 0; y < world.tilemap.Rows(); ++y) {
            const Tile& tile = world.tilemap.AtOrEmpty(x, y);
            moment.push_back(tile.id);
            moment.push_back(tile.counter);
        }
    return moment;
}

// New keys every KeyRun steps.
void HoldKeys(replay::ReplayServices& services, std::mt19937& keys, int step)
{
    if (step % KeyRun == 0)
        services.Hold(static_cast<replay::HeldKeys>(keys() & ((1u << replay::ActionCount) - 1)));
}

// One play of the level from its start: the game, its services and keys.
class Play {
public:
    explicit Play(std::uint32_t keySeed) : keys_(keySeed)
    {
        RemoveFile("Data/Profiles.txt");
        kest::RandomEngine::global().seed(1234);
        ProfileStore& profiles = services.Profiles();
        profiles.AddProfile("Fuzz");
        profiles.currentProfile = 0;
    }

    // Makes the game; the loader's or the level check's report when the
    // level is refused, "" otherwise.
    std::string Start()
    {
        try {
            game = std::make_unique<Game>(false, services);
        } catch (const ResourceException& e) {
            return OneLine(e.GetMessage());
        } catch (const GameLogicError& e) {
            return e.GetMessage();
        }
        // The level starts at once instead of after its title.
        game->SetFrameCounter(-1);
        return "";
    }

    // Step number `step` with its keys; the state id that the game returns.
    int Step(int step)
    {
        HoldKeys(services, keys_, step);
        const int next = game->Update();
        FUZZ_CHECK(next >= 0 && next < StateCount, "an unknown state");
        return next;
    }

    replay::ReplayServices services;
    std::unique_ptr<Game> game;

private:
    std::mt19937 keys_;
};

// Plays the level again up to the copy point, makes a copy of the game there
// and plays the copy on its own (it plays the copied world). The process-wide
// random state is then put back as it was before the copy, so that the
// original draws what it drew when it was played alone: it must step on
// exactly as it did then.
void CheckCopyLeavesTheOriginalAlone(std::uint32_t keySeed, const std::vector<Moment>& withoutCopy)
{
    Play original(keySeed);
    FUZZ_CHECK(original.Start().empty(), "the level was refused when played again");
    for (int step = 0; step <= CopyAt; ++step)
        FUZZ_CHECK(original.Step(step) == StateStay, "the level played again ended early");
    {
        const kest::RandomEngine saved = kest::RandomEngine::global();
        replay::ReplayServices copyServices;
        copyServices.Profiles() = original.services.Profiles();
        Game copy(*original.game, copyServices);
        // The copy goes its own way, on keys of its own.
        std::mt19937 copyKeys(keySeed + 1);
        for (int step = 0; step < CopySteps; ++step) {
            HoldKeys(copyServices, copyKeys, step);
            if (copy.Update() != StateStay)
                break;
            CheckStep(copy);
        }
        kest::RandomEngine::global() = saved;
    }
    for (std::size_t i = 0; i < withoutCopy.size(); ++i) {
        const int step = CopyAt + 1 + static_cast<int>(i);
        FUZZ_CHECK(Take(*original.game, original.Step(step)) == withoutCopy[i],
                   "a copy of the game changed the original's step " + std::to_string(step));
    }
}

}  // namespace

std::string fuzz::RunOne(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    WriteLevelArchive(SealChecksum(text, LevelChecksumSeed, false));
    // The loader logs why it refuses a level.
    LogCapture log;
    std::uint32_t crc = 0xFFFFFFFFu;
    Crc32::Update(crc, text);

    Play alone(crc);
    const std::string refusal = alone.Start();
    if (!refusal.empty())
        return refusal;
    // The original's steps after the copy point, played without a copy.
    std::vector<Moment> afterCopyPoint;
    int step = 0;
    for (; step < Steps; ++step) {
        const int next = alone.Step(step);
        if (step > CopyAt && step <= CopyAt + ComparedSteps)
            afterCopyPoint.push_back(Take(*alone.game, next));
        if (next != StateStay)
            break;  // the game is left: the level is over
        CheckStep(*alone.game);
    }
    if (step > CopyAt)
        CheckCopyLeavesTheOriginalAlone(crc, afterCopyPoint);
    return "played " + std::to_string(step) + " steps, phase " + std::to_string(alone.game->GetPhase());
}
