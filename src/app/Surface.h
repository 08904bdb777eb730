#pragma once

// A screen that the application drives: every menu and the game itself.
class Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface() = default;

    // One fixed simulation step, including the polling of window events.
    // Returns the next state (a StateId); StateStay keeps this screen.
    virtual int Update() = 0;
    // Draws the screen into the window without displaying it.
    virtual void Draw() = 0;
};
