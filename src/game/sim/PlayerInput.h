#pragma once

// The key presses and releases of one step, filled by the event handling
// and read by the player control. Held keys are read directly instead.
struct PlayerInput {
    bool jumpPressed = false;
    bool jumpReleased = false;
    bool rocket = false;
    bool rollingBomb = false;
    bool mine = false;
};
