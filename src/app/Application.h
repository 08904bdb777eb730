#pragma once

#include "app/AppServices.h"
#include "app/ErrorRecurrence.h"
#include "app/StateId.h"

#include <SFML/System/Time.hpp>

#include <memory>
#include <streambuf>
#include <string>
#include <vector>

class AudioManager;
class Game;
class GameWindow;
class GraphicsContext;
class InputHandler;
class LogFile;
class ProfileStore;
class ResourceManager;
class Surface;
class VrenkException;
struct DemoSlot;

// The spine of the program: one instance, made on first use, destroyed at
// exit. It opens the log, owns every service and the screens, runs the
// fixed-step main loop, switches screens by state id, and turns errors into
// log entries and the error screen. The screens and the game reach the
// services through AppServices, which is this one instance too.
class Application final : public AppServices {
public:
    static Application& Instance();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // True when the main loop is to run.
    bool Startup();
    // The main loop; returns when the state is StateQuit or no screen is left.
    void Run();
    // One pass of the main loop over the time gathered since the last pass:
    // runs up to four fixed steps and draws once; an error on the way puts
    // the error screen in place. Returns the time left over.
    sf::Time RunPass(sf::Time accumulated);
    // Makes `id` the state and puts its screen in place.
    void SwitchState(int id);
    // Logs an error and puts the error state in place.
    void HandleError(const VrenkException& e, bool duringStartup);
    // Stops music, window and the sound loader thread.
    void Quit();
    // The saves that failed and were never told to the player (the game
    // ended first), one line each naming the file and the reason.
    std::vector<std::string> UntoldSaveFailures() const;

    GameWindow* Window() const override { return window.get(); }
    ResourceManager* Resources() const override { return resources.get(); }
    InputHandler* Input() const override { return input.get(); }
    GraphicsContext* Graphics() const override { return graphics.get(); }
    AudioManager* Audio() const override { return audio.get(); }
    ProfileStore* Profiles() const override { return profiles.get(); }

    // Fields in the order they are made; they are destroyed in reverse.
    int state;
    std::unique_ptr<LogFile> log;
    std::streambuf* savedErrorBuffer = nullptr;
    std::unique_ptr<GameWindow> window;
    std::unique_ptr<ResourceManager> resources;
    std::unique_ptr<InputHandler> input;
    std::unique_ptr<GraphicsContext> graphics;
    std::unique_ptr<AudioManager> audio;
    std::unique_ptr<ProfileStore> profiles;
    std::unique_ptr<Surface> current;
    std::unique_ptr<Surface> background;
    std::unique_ptr<DemoSlot> demo;
    // Why the game ends on an error rather than as the player chose: a start
    // that failed, or the way out of an error screen that offers no way
    // back. "" otherwise. main reports it and ends with a failure.
    std::string failure;

private:
    Application();
    ~Application() override;

    void InitSubsystems();
    void SetUpBackdrop(int id);
    // The backdrop level's frame, or its plain background once no level
    // could be loaded.
    void DrawBackdrop();
    void MakeScreen(int id);
    // One fixed step of the backdrop and the current screen.
    void RunStep();
    void DrawFrame();
    // A backdrop game that failed while it played: the menus go on over the
    // plain background.
    void TurnBackdropPlain();
    // Notes the error screen being left for `id`.
    void LeaveErrorScreen(int id);
    // Puts the error screen in place, fatal when the error is not
    // recoverable or came straight back after the error screen's way back;
    // ends the game when not even the error screen can be made.
    void ShowErrorScreen(const std::string& message, bool recoverable);
    // Tells the player of saves that failed, on the error screen, unless one
    // is up already or a game is in progress (playing, paused, or at its
    // victory): then they wait until it is left. What the game ends
    // before it could tell goes to the terminal (UntoldSaveFailures).
    void TellSaveFailures();
    // Ends the game on an error that no screen can show.
    void EndOnError(const std::string& reason);
    bool ShowsErrorScreen() const;
    // A game is played, paused behind a menu, or ends at the victory screen.
    bool PlaysAGame() const;
    void ShowCursor();
    // The backdrop game while it plays; null when there is none, it rests or
    // the menus run over the plain background.
    Game* ActiveBackdrop() const;

    ErrorRecurrence recurrence_;
};
