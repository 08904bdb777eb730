#pragma once

// Stand-in: the renderer. It holds the window and the display flags the shell
// sets, and centres the view for the backdrop; nothing of the scene is drawn
// yet.

#include <SFML/System/Vector2.hpp>

class GameWindow;
class ResourceManager;

class GraphicsContext {
public:
    GraphicsContext(ResourceManager& resourceManager, GameWindow& gameWindow);
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    // Centres the view on a map point.
    void ResetCamera(float x, float y);

    ResourceManager* resources;
    GameWindow* window;
    bool hideSecretTiles = true;
    bool showInterface = true;
    bool timeSlowed = false;
    bool shadersAvailable = false;
};
