#pragma once

class AudioManager;
class GameWindow;
class GraphicsContext;
class InputHandler;
class ProfileStore;
class ResourceManager;

// The services that the screens and the game use, seen apart from the
// Application that makes and owns them (and knows every screen). The one
// instance registers itself while it lives; Instance() is that instance.
// Each service is null until it has been made, and stays null when making
// it failed.
class AppServices {
public:
    // Throws std::logic_error while no instance lives.
    static AppServices& Instance();

    AppServices(const AppServices&) = delete;
    AppServices& operator=(const AppServices&) = delete;

    virtual GameWindow* Window() const = 0;
    virtual ResourceManager* Resources() const = 0;
    virtual InputHandler* Input() const = 0;
    virtual GraphicsContext* Graphics() const = 0;
    virtual AudioManager* Audio() const = 0;
    virtual ProfileStore* Profiles() const = 0;

protected:
    // Throws std::logic_error when another instance lives.
    AppServices();
    virtual ~AppServices();
};
