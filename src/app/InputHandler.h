#pragma once

class GameWindow;

// The screens' door to events and the mouse: they poll the window through it.
// Making it turns key repeat off, so a held key yields one key-pressed event.
class InputHandler {
public:
    explicit InputHandler(GameWindow& window);

    GameWindow* window;
};
