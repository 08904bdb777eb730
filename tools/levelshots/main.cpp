// levelshots [--steps N,N,...] <out dir> [W-L ...]: plays each level's
// recorded run (content/levels/W-L.replay) and writes pictures of the game's
// window at chosen steps as <out dir>/W-L-<step>.png. Without --steps the
// pictures are taken at the start, the middle and the end of the run;
// without levels, all twelve playing levels are shown.
//
// It needs a display (run it under xvfb-run) and the built game data. The
// run is played on a game without a window, exactly as the replay test plays
// it; the game's own renderer draws a second, windowed game whose state is
// copied from the first at each chosen step. Camera, particles, popups and
// sign texts reach the real renderer each step, with the random engine kept
// as the run left it, so the run plays as recorded.
#include "app/Application.h"
#include "app/GameWindow.h"
#include "app/Profile.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "game/GameAppServices.h"
#include "game/objects/Player.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "game/world/World.h"
#include "kest/RandomEngine.h"
#include "levelrun/PlayFolder.h"
#include "levelrun/Replay.h"
#include "levelrun/ReplayRun.h"
#include "levelrun/ReplayServices.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Runs f and puts the global random engine back as it was, so that drawing
// never changes what the recorded run meets.
template <typename F>
void KeepingRandom(F f)
{
    const kest::RandomEngine saved = kest::RandomEngine::global();
    f();
    kest::RandomEngine::global() = saved;
}

// The replay's services, with what shows on the screen handed to the
// running program's renderer.
class ShotServices final : public replay::ReplayServices {
public:
    void SpawnEffect(int preset, const Lift* owner, float x, float y, float vx, float vy) override
    {
        KeepingRandom([&] { app_.SpawnEffect(preset, owner, x, y, vx, vy); });
    }
    void ClearEffects() override { app_.ClearEffects(); }
    void ShowPopupText(int colour, const std::string& text, float x, float y) override
    {
        app_.ShowPopupText(colour, text, x, y);
    }
    void ShowSignText(const std::string& text, float x, float y) override { app_.ShowSignText(text, x, y); }
    void SpawnTileEffects(const Player& player) override
    {
        KeepingRandom([&] { app_.SpawnTileEffects(player); });
    }
    void SpawnWeaponEffects(const Weapon& weapon) override
    {
        KeepingRandom([&] { app_.SpawnWeaponEffects(weapon); });
    }
    void SpawnLiftEffects(const Lift& lift) override
    {
        KeepingRandom([&] { app_.SpawnLiftEffects(lift); });
    }
    void UpdateEffects() override
    {
        KeepingRandom([&] { app_.UpdateEffects(); });
    }
    // The camera's dead zone is measured in the view that the last frame
    // left on the window, the play field's: set it as a frame would.
    void UpdateCamera(float x, float y, float mapWidth, float mapHeight) override
    {
        app_.UpdateCamera(x, y, mapWidth, mapHeight);
        Application::Instance().graphics->ApplyLayerView(2);
    }
    void ResetCamera(float x, float y) override
    {
        app_.ResetCamera(x, y);
        Application::Instance().graphics->ApplyLayerView(2);
    }
    void BeginPlay(int backgroundIndex) override { app_.BeginPlay(backgroundIndex); }

private:
    GameAppServices app_;
};

struct LevelName {
    std::uint16_t world = 0;
    std::uint16_t level = 0;
    std::string Text() const { return std::to_string(world) + "-" + std::to_string(level); }
};

bool ParseLevelName(const std::string& text, LevelName& name)
{
    unsigned world = 0;
    unsigned level = 0;
    char dash = 0;
    std::istringstream in(text);
    if (!(in >> world >> dash >> level) || dash != '-' || in.peek() != std::char_traits<char>::eof())
        return false;
    if (world < 1 || world > 3 || level < 1 || level > 4)
        return false;
    name.world = static_cast<std::uint16_t>(world);
    name.level = static_cast<std::uint16_t>(level);
    return true;
}

bool ParseSteps(const std::string& text, std::set<int>& steps)
{
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        char* end = nullptr;
        const long value = std::strtol(part.c_str(), &end, 10);
        if (part.empty() || *end != '\0' || value < 1 || value > 1000000)
            return false;
        steps.insert(static_cast<int>(value));
    }
    return !steps.empty();
}

// The steps of a run worth a picture: soon after the player appears, half
// way, and just before the flag.
std::set<int> DefaultSteps(const replay::Replay& steps, std::uint16_t world, std::uint16_t level)
{
    replay::ReplayServices services;
    std::unique_ptr<Game> game = replay::StartReplayGame(services, world, level);
    int firstPlaying = 0;
    int levelEnd = 0;
    for (std::size_t i = 0; i < steps.size() && levelEnd == 0; ++i) {
        services.Hold(steps[i]);
        game->Update();
        const int step = static_cast<int>(i) + 1;
        if (firstPlaying == 0 && game->GetPhase() == PhasePlaying)
            firstPlaying = step;
        if (game->GetPhase() == PhaseLevelEnd)
            levelEnd = step;
    }
    if (levelEnd == 0)
        levelEnd = static_cast<int>(steps.size());
    const int start = std::min(firstPlaying + 40, levelEnd);
    const int end = std::max(start, levelEnd - 8);
    return {start, (start + end) / 2, end};
}

void SavePicture(sf::RenderWindow& window, const fs::path& path)
{
    sf::Texture grab;
    if (!grab.create(window.getSize().x, window.getSize().y))
        throw std::runtime_error("Cannot make a texture of the window's size.");
    grab.update(window);
    if (!grab.copyToImage().saveToFile(path.string()))
        throw std::runtime_error("Cannot write " + path.string() + ".");
}

// The windowed game shows the state of the played one.
void CopyState(Game& from, Game& to)
{
    to.GetWorld() = from.GetWorld();
    *to.GetPlayer() = *from.GetPlayer();
    // The lift it rides belongs to the other game; drawing does not ask.
    to.GetPlayer()->lift = nullptr;
    to.GetForegroundScenery() = from.GetForegroundScenery();
    to.GetBackgroundScenery() = from.GetBackgroundScenery();
    to.SetPhase(from.GetPhase());
    to.SetFrameCounter(from.GetFrameCounter());
}

// Plays one level's run and writes its pictures; returns how many.
int ShootLevel(Application& app, const LevelName& name, const std::set<int>& chosen, const fs::path& outDir)
{
    const replay::Replay steps =
        replay::ReadReplayFile(std::string(VRENK_LEVELSHOTS_SOURCE_LEVELS) + "/" + name.Text() + ".replay");
    const std::set<int> at = chosen.empty() ? DefaultSteps(steps, name.world, name.level) : chosen;

    Profile* profile = app.profiles->GetCurrentProfile();
    profile->world = name.world;
    profile->level = name.level;
    app.SwitchState(StateNewGame);
    auto* shown = dynamic_cast<Game*>(app.current.get());
    if (!shown)
        throw std::runtime_error("Level " + name.Text() + " did not start (state " + std::to_string(app.state) + ").");
    sf::RenderWindow& window = app.window->window;

    ShotServices services;
    std::unique_ptr<Game> played = replay::StartReplayGame(services, name.world, name.level);
    int written = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int step = static_cast<int>(i) + 1;
        if (step > *at.rbegin())
            break;
        services.Hold(steps[i]);
        played->Update();
        if (!at.count(step))
            continue;
        CopyState(*played, *shown);
        KeepingRandom([&] { shown->Draw(); });
        char file[64];
        std::snprintf(file, sizeof file, "%s-%05d.png", name.Text().c_str(), step);
        SavePicture(window, outDir / file);
        window.display();
        // The view that a frame leaves, for the camera of the next step.
        app.graphics->ApplyLayerView(2);
        ++written;
    }
    return written;
}

int Usage()
{
    std::cerr << "Usage: levelshots [--steps N,N,...] <out dir> [W-L ...]\n"
                 "Plays the recorded runs of the levels (all twelve when none is named) and writes\n"
                 "<out dir>/W-L-<step>.png at the chosen steps (default: start, middle and end).\n"
                 "Needs a display: xvfb-run -a -s \"-screen 0 1280x1024x24 -noreset\" levelshots ...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::set<int> chosen;
    if (args.size() >= 2 && args[0] == "--steps") {
        if (!ParseSteps(args[1], chosen))
            return Usage();
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty() || (!args[0].empty() && args[0][0] == '-'))
        return Usage();
    std::vector<LevelName> levels;
    for (std::size_t i = 1; i < args.size(); ++i) {
        LevelName name;
        if (!ParseLevelName(args[i], name)) {
            std::cerr << "levelshots: no playing level \"" << args[i] << "\" (1-1 to 3-4)\n";
            return 2;
        }
        levels.push_back(name);
    }
    if (levels.empty())
        for (std::uint16_t w = 1; w <= 3; ++w)
            for (std::uint16_t l = 1; l <= 4; ++l)
                levels.push_back(LevelName{w, l});

    // No sound device is needed.
    setenv("ALSOFT_DRIVERS", "null", 0);
    try {
        const fs::path outDir = fs::absolute(args[0]);
        fs::create_directories(outDir);
        const fs::path data(VRENK_LEVELSHOTS_DATA);
        replay::PlayFolder folder({data / "Levels.vrk", data / "Resources1.vrk", data / "Resources2.vrk",
                                   data / "Resources3.vrk"});
        Application& app = Application::Instance();
        if (!app.Startup() || !app.window)
            throw std::runtime_error("The game did not start (is there a display?).");
        app.profiles->AddProfile("Shots");
        app.profiles->currentProfile = 0;
        int written = 0;
        for (const LevelName& name : levels) {
            const int count = ShootLevel(app, name, chosen, outDir);
            std::cout << "Level " << name.Text() << ": " << count << " pictures.\n";
            written += count;
        }
        app.SwitchState(StateQuit);
        std::cout << written << " pictures in " << outDir.string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "levelshots: " << error.what() << "\n";
        return 1;
    }
}
