#include "game/GraphicsContext.h"

#include "app/GameWindow.h"
#include "app/ResourceManager.h"

#include <SFML/Graphics/View.hpp>

GraphicsContext::GraphicsContext(ResourceManager& resourceManager, GameWindow& gameWindow)
    : resources(&resourceManager), window(&gameWindow), shadersAvailable(resourceManager.CheckShaders())
{
}

void GraphicsContext::ResetCamera(float x, float y)
{
    sf::View view = window->window.getDefaultView();
    view.setCenter(x, y);
    window->window.setView(view);
}
