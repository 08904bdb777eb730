// Whole frames of the real program under X: every playing level in the
// middle of its recorded run and the main menu with its backdrop level,
// with the shaders and without.
#include "bench/MidLevel.h"
#include "bench/Setup.h"

#include "app/Application.h"
#include "app/GameWindow.h"
#include "app/OptionSlot.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "game/objects/Player.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "game/world/World.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Context.hpp>
#include <SFML/Window/Event.hpp>
#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>
#include <string>

namespace {

// Steps played on the real program before the frames are measured, so that
// particles and moving objects are under way.
constexpr int WarmUpSteps = 40;

// Reads the window's pixels back, which waits until every frame drawn so
// far is finished.
void ReadBack(sf::RenderWindow& window)
{
    sf::Texture grab;
    grab.create(window.getSize().x, window.getSize().y);
    grab.update(window);
    benchmark::DoNotOptimize(grab.copyToImage().getPixelsPtr());
}

void WarmUp(Application& app)
{
    for (int i = 0; i < WarmUpSteps; ++i)
        app.RunPass(sf::milliseconds(25));
}

// The window made anew with antialiasing on or off, as the option menu does
// it, and again without a frame limit.
void SetAntialiasing(Application& app, bool on)
{
    GameWindow& window = *app.window;
    if (window.IsAntialiased() == on)
        return;
    for (std::size_t i = 0; i < window.yesNoChoices.size(); ++i)
        if (window.yesNoChoices[i] == on)
            window.selected[OptionAntialiasing] = static_cast<std::uint32_t>(i);
    window.ApplyOptions(false);
    window.window.setVerticalSyncEnabled(false);
    window.window.setFramerateLimit(0);
}

// Frames of whatever the application shows now: the backdrop and the
// current screen drawn and displayed, no simulation step.
void Frames(benchmark::State& state, Application& app, bool shaders)
{
    GraphicsContext& graphics = *app.graphics;
    const bool available = graphics.shadersAvailable;
    graphics.shadersAvailable = available && shaders;
    if (shaders && !available)
        state.SkipWithError("this display offers no shaders");
    benchmark::IterationCount left = state.max_iterations;
    for (auto _ : state) {
        app.RunPass(sf::Time::Zero);
        if (--left == 0)
            ReadBack(app.window->window);
    }
    graphics.shadersAvailable = available;
}

// A new game of the level made by the program, given the state of the same
// level halfway through its recorded run (enemies awake), with the camera on
// the player.
void LevelFrame(benchmark::State& state, const bench::LevelId& level, bool shaders, bool antialiasing)
{
    Application& app = Application::Instance();
    SetAntialiasing(app, antialiasing);
    const std::unique_ptr<bench::MidLevel> mid = bench::PlayToMidLevel(level);
    Profile* profile = app.profiles->GetCurrentProfile();
    profile->world = level.world;
    profile->level = level.level;
    // Focus changes of the window while the menus ran would pause the new
    // game at its first step.
    for (sf::Event event; app.window->window.pollEvent(event);) {
    }
    app.SwitchState(StateNewGame);
    auto* game = dynamic_cast<Game*>(app.current.get());
    if (!game) {
        state.SkipWithError("the level did not start");
        return;
    }
    game->GetWorld() = mid->game->GetWorld();
    Player& player = *game->GetPlayer();
    player = *mid->game->GetPlayer();
    // The state is drawn, not played on: the lift under the player belongs
    // to the other world.
    player.lift = nullptr;
    game->SetPhase(mid->game->GetPhase());
    game->SetFrameCounter(mid->game->GetFrameCounter());
    const Tilemap& map = game->GetWorld().tilemap;
    for (int i = 0; i < 2; ++i) {
        app.graphics->ApplyLayerView(2);
        app.graphics->UpdateCamera(player.x, player.y, static_cast<float>(map.Columns() * 36),
                                   static_cast<float>(map.Rows() * 36));
    }
    WarmUp(app);
    if (app.current.get() != game || game->GetPhase() == PhasePaused) {
        state.SkipWithError("the game left the level or paused");
        return;
    }
    Frames(state, app, shaders);
}

void MainMenuFrame(benchmark::State& state, bool shaders, bool antialiasing)
{
    Application& app = Application::Instance();
    SetAntialiasing(app, antialiasing);
    app.SwitchState(StateMainMenu);
    WarmUp(app);
    Frames(state, app, shaders);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<testsupport::TempDataDir> dir = bench::Begin(argc, argv);
    if (!dir)
        return 1;
    Application& app = Application::Instance();
    if (!app.Startup() || !app.window->window.isOpen()) {
        // The application has the error stream now: the log says why.
        std::cout << dir->ReadFile("Data/Log.txt");
        return 1;
    }
    // What drew the frames, for the table's heading.
    using GetString = const unsigned char* (*)(unsigned int);
    const auto getString = reinterpret_cast<GetString>(sf::Context::getFunction("glGetString"));
    const unsigned int Renderer = 0x1F01;
    if (getString && getString(Renderer))
        benchmark::AddCustomContext("renderer", reinterpret_cast<const char*>(getString(Renderer)));
    benchmark::AddCustomContext("antialiasing", std::to_string(app.window->window.getSettings().antialiasingLevel));
    // Frames as fast as they come.
    app.window->window.setVerticalSyncEnabled(false);
    app.window->window.setFramerateLimit(0);
    app.profiles->AddProfile("Bench");
    app.profiles->currentProfile = 0;

    // With the player's options (antialiasing on), with and without the
    // shaders; then with the shaders and without antialiasing, which shows
    // what the antialiasing costs the software renderer.
    struct Variant {
        const char* name;
        bool shaders;
        bool antialiasing;
    };
    for (const Variant& variant : {Variant{"frame_shaders/", true, true}, Variant{"frame_plain/", false, true},
                                   Variant{"frame_noaa/", true, false}}) {
        const std::string kind = variant.name;
        benchmark::RegisterBenchmark((kind + "main_menu").c_str(), MainMenuFrame, variant.shaders,
                                     variant.antialiasing)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();
        for (const bench::LevelId& level : bench::PlayingLevels())
            benchmark::RegisterBenchmark((kind + level.Name()).c_str(), LevelFrame, level, variant.shaders,
                                         variant.antialiasing)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    app.SwitchState(StateQuit);
    return 0;
}
