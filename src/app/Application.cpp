#include "app/Application.h"

#include "app/AudioManager.h"
#include "app/DemoSlot.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/Log.h"
#include "app/LoopTiming.h"
#include "app/ProfileStore.h"
#include "app/ResourceException.h"
#include "app/ResourceManager.h"
#include "app/Surface.h"
#include "app/VrenkException.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "screens/CreditsMenu.h"
#include "screens/ErrorMenu.h"
#include "screens/HighscoreMenu.h"
#include "screens/LevelSelection.h"
#include "screens/MainMenu.h"
#include "screens/OptionMenu.h"
#include "screens/PauseMenu.h"
#include "screens/ProfileSelection.h"
#include "screens/VictoryMenu.h"
#include "sfxt/Button.h"
#include "sfxt/GuiTexture.h"

#include <SFML/System/Clock.hpp>

#include <stdexcept>

DemoSlot::DemoSlot() = default;
DemoSlot::~DemoSlot() = default;

Application& Application::Instance()
{
    static Application instance;
    return instance;
}

Application::Application() : state(StateMainMenu)
{
    log = OpenLogFile();
    savedErrorBuffer = RedirectLog(*log);
    // Nothing to load and nowhere to save: the game ends at once, on that
    // one reason.
    failure = MissingDataFolder();
    if (!failure.empty()) {
        state = StateQuit;
        return;
    }
    try {
        try {
            window = std::make_unique<GameWindow>();
            resources = std::make_unique<ResourceManager>();
            InitSubsystems();
        } catch (const ResourceException& e) {
            HandleError(e, true);
        }
    } catch (...) {
        // Anything else leaves the constructor: what was made is deleted in
        // reverse order, after the error streams have their buffer back.
        RestoreLog(savedErrorBuffer);
        audio.reset();
        graphics.reset();
        profiles.reset();
        input.reset();
        resources.reset();
        window.reset();
        throw;
    }
}

Application::~Application()
{
    Log("Application ends.");
    RestoreLog(savedErrorBuffer);
    // The members now go in reverse order of creation: the backdrop game, the
    // background, the current screen, the services, and the log last.
}

namespace {

// The buttons of the widget library take the GUI texture from here.
const sf::Texture& MenuTexture()
{
    return Application::Instance().resources->GetTexture(TextureMenu);
}

}  // namespace

void Application::InitSubsystems()
{
    sfxt::SetGuiTextureSource(&MenuTexture);
    window->CreateGameWindow();
    window->ApplyFrameMode(window->GetFrameMode());
    window->applied = window->selected;
    input = std::make_unique<InputHandler>(*window);
    profiles = std::make_unique<ProfileStore>();
    graphics = std::make_unique<GraphicsContext>(*resources, *window);
    audio = std::make_unique<AudioManager>(*resources, *window);
    audio->StartLoading();
}

bool Application::Startup()
{
    try {
        if (state == StateQuit)
            return true;
        demo = std::make_unique<DemoSlot>();
        demo->game = std::make_unique<Game>(*window, true);
        demo->active = false;
        SwitchState(state);
        profiles->LoadProfiles();
        profiles->currentProfile = 0;
        // Saves fail during the start too (the files written anew after a
        // failed load).
        TellSaveFailures();
        return true;
    } catch (const VrenkException& e) {
        Log("Encountered problem at startup: " + e.GetMessage());
        if (!e.IsRecoverable()) {
            failure = e.GetMessage();
            return false;
        }
        // The loop needs a screen: show the error, or end when even that
        // cannot be shown.
        try {
            profiles->LoadProfiles();
            profiles->currentProfile = 0;
            ShowErrorScreen(e.GetMessage(), true);
            return true;
        } catch (const VrenkException& again) {
            Log("Encountered problem at startup: " + again.GetMessage());
            failure = again.GetMessage();
            return false;
        }
    }
}

void Application::Run()
{
    sf::Clock clock;
    sf::Time accumulated = sf::Time::Zero;
    while (state != StateQuit && current)
        accumulated = RunPass(accumulated + clock.restart());
}

sf::Time Application::RunPass(sf::Time accumulated)
{
    const StepPlan plan = PlanSteps(accumulated);
    try {
        for (unsigned i = 0; i < plan.steps && current; ++i)
            RunStep();
        if (current)
            DrawFrame();
    } catch (const VrenkException& e) {
        Log("Error: " + e.GetMessage());
        // An error screen that fails itself cannot show the error.
        if (ShowsErrorScreen())
            EndOnError(e.GetMessage());
        else
            ShowErrorScreen(e.GetMessage(), e.IsRecoverable());
    }
    return plan.remainder;
}

void Application::RunStep()
{
    if (Game* backdrop = ActiveBackdrop()) {
        try {
            backdrop->Update();
        } catch (const VrenkException&) {
            TurnBackdropPlain();
            throw;
        }
    }
    const int next = current->Update();
    state = next;
    if (next != StateStay)
        SwitchState(next);
    TellSaveFailures();
}

void Application::DrawFrame()
{
    if (demo && demo->active) {
        try {
            DrawBackdrop();
        } catch (const VrenkException&) {
            TurnBackdropPlain();
            throw;
        }
    }
    current->Draw();
    graphics->window->window.display();
    recurrence_.FrameDrawn();
}

void Application::TurnBackdropPlain()
{
    if (demo->plain)
        return;
    demo->plain = true;
    Log("The menus are shown without a backdrop level from now on.");
}

void Application::SwitchState(int id)
{
    LeaveErrorScreen(id);
    state = id;
    if (!KeepsScreens(id)) {
        current.reset();
        background.reset();
    }
    SetUpBackdrop(id);
    try {
        MakeScreen(id);
    } catch (const VrenkException& e) {
        HandleError(e, false);
    }
}

void Application::SetUpBackdrop(int id)
{
    std::uint16_t level = id >= 0 && id < StateCount ? StateBackdropLevels[static_cast<std::size_t>(id)] : 0;
    if (!demo)
        return;
    // A start-up that failed to make the backdrop game leaves none to play:
    // the menus run over the plain background.
    if (!demo->game)
        demo->plain = true;
    if (level != 0) {
        if (!demo->active && !background) {
            audio->SetMainMusic(MusicMenu);
            audio->PlayMainMusic();
        }
        demo->active = true;
        if (demo->plain) {
            ShowCursor();
            constexpr float cell = sfxt::Button::CellSize;
            graphics->ResetCamera(BackdropColumns * cell / 2, BackdropRows * cell / 2);
            return;
        }
        sf::Vector2f centre;
        try {
            demo->game->LoadLevel(0, level, &centre);
        } catch (const VrenkException&) {
            // Shown as any other failure; the menus then go on without a
            // backdrop, or the player could never leave the error screen.
            TurnBackdropPlain();
            throw;
        }
        audio->SetSuppressed(true);
        graphics->hideSecretTiles = true;
        graphics->showInterface = true;
        ShowCursor();
        demo->game->WakeEnemies();
        graphics->ResetCamera(centre.x, centre.y);
    } else {
        if (demo->active && !background && id != StateQuit)
            audio->StopMusic();
        demo->active = false;
    }
}

void Application::DrawBackdrop()
{
    if (Game* backdrop = ActiveBackdrop()) {
        backdrop->Draw();
        return;
    }
    // The backdrop's own background, in the view of its camera.
    graphics->ApplyLayerView(2);
    graphics->DrawBackground(0);
}

void Application::MakeScreen(int id)
{
    switch (id) {
    case StateProfileSelection:
        current = std::make_unique<ProfileSelection>();
        break;
    case StateCredits:
        current = std::make_unique<CreditsMenu>();
        break;
    case StateOptionsFromMainMenu:
        current = std::make_unique<OptionMenu>(*window, false);
        break;
    case StateOptionsFromPause:
        current = std::make_unique<OptionMenu>(*window, true);
        break;
    case StateHighscores:
        current = std::make_unique<HighscoreMenu>();
        break;
    case StateQuit:
        Quit();
        break;
    case StateMainMenu:
        current = std::make_unique<MainMenu>();
        break;
    case StateLevelSelection:
        background.reset();
        current = std::make_unique<LevelSelection>();
        break;
    case StateNewGame:
        current = std::make_unique<Game>(*window, false);
        break;
    case StatePause:
        std::swap(current, background);
        if (!background)
            throw std::logic_error("unreachable");
        current = std::make_unique<PauseMenu>(dynamic_cast<Game*>(background.get()), window.get());
        break;
    case StateBackToPauseMenu:
        if (!background)
            throw std::logic_error("unreachable");
        current = std::make_unique<PauseMenu>(dynamic_cast<Game*>(background.get()), window.get());
        break;
    case StateResumeGame: {
        current.reset();
        std::swap(current, background);
        auto* game = dynamic_cast<Game*>(current.get());
        if (!game)
            throw std::logic_error("unreachable");
        game->Resume();
        break;
    }
    case StateVictory:
        background.reset();
        current = std::make_unique<VictoryMenu>(*resources);
        break;
    default:  // 13 and 14 make no screen
        break;
    }
}

void Application::HandleError(const VrenkException& e, bool duringStartup)
{
    Log(std::string("An error occurred ") + (duringStartup ? "during startup" : "during application runtime") +
        "\nError description: " + e.GetMessage());
    if (duringStartup) {
        state = StateQuit;
        failure = e.GetMessage();
    } else {
        ShowErrorScreen(e.GetMessage(), e.IsRecoverable());
    }
}

void Application::ShowErrorScreen(const std::string& message, bool recoverable)
{
    const bool fatal = !recoverable || recurrence_.ComesBack(message);
    // No backdrop level plays behind the error screen.
    if (demo)
        demo->active = false;
    state = StateError;
    try {
        current = std::make_unique<ErrorMenu>(fatal, message);
    } catch (const VrenkException& e) {
        Log("The error screen cannot be shown: " + e.GetMessage());
        EndOnError(message);
        return;
    }
    ShowCursor();
}

void Application::LeaveErrorScreen(int id)
{
    const auto* screen = dynamic_cast<const ErrorMenu*>(current.get());
    if (!screen)
        return;
    if (id != StateQuit)
        recurrence_.LeftErrorScreen();
    else if (screen->IsFatal())
        failure = screen->GetMessage();
}

void Application::TellSaveFailures()
{
    // Nothing is told once the game ends, and a game in progress is not
    // broken off for it: the player is told when it is left.
    if (!current || state == StateQuit || ShowsErrorScreen() || PlaysAGame())
        return;
    std::string text = profiles->saveFailures.Take();
    const std::string config = window->saveFailures.Take();
    if (!config.empty())
        text = text.empty() ? config : text + "\n\n" + config;
    if (!text.empty())
        ShowErrorScreen(text, true);
}

std::vector<std::string> Application::UntoldSaveFailures() const
{
    std::vector<std::string> lines;
    if (profiles)
        lines = profiles->saveFailures.Untold();
    if (window) {
        const std::vector<std::string> config = window->saveFailures.Untold();
        lines.insert(lines.end(), config.begin(), config.end());
    }
    return lines;
}

void Application::EndOnError(const std::string& reason)
{
    Log("The game ends on the error: " + reason);
    failure = reason;
    SwitchState(StateQuit);
}

bool Application::ShowsErrorScreen() const
{
    return dynamic_cast<const ErrorMenu*>(current.get()) != nullptr;
}

bool Application::PlaysAGame() const
{
    return background || dynamic_cast<const Game*>(current.get()) || dynamic_cast<const VictoryMenu*>(current.get());
}

Game* Application::ActiveBackdrop() const
{
    return demo && demo->active && !demo->plain ? demo->game.get() : nullptr;
}

void Application::ShowCursor()
{
    if (graphics)
        graphics->window->SetMouseCursorVisible(true);
}

void Application::Quit()
{
    if (audio)
        audio->StopMusic();
    if (graphics)
        graphics->window->window.close();
    if (audio)
        audio->CancelLoading();
}
