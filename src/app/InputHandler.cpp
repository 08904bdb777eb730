#include "app/InputHandler.h"

#include "app/GameWindow.h"

InputHandler::InputHandler(GameWindow& gameWindow) : window(&gameWindow)
{
    window->window.setKeyRepeatEnabled(false);
}
