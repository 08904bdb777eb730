#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"

#include <SFML/Window/Event.hpp>

class Game;
class GameWindow;

// The screen of a paused game (states 9 and 10). The game stays behind it as
// it stood when it paused; the menu offers resume (also the key bound to
// Pause), the options and leaving the level. Closing the window saves the
// game as the game itself would and quits.
class PauseMenu : public Surface {
public:
    // Shows the cursor and puts the game's view back where it paused.
    PauseMenu(Game* game, GameWindow* window);

    int Update() override;
    void Draw() override;

    // One polled event: StateStay lets the polling go on.
    StateId HandleEvent(const sf::Event& event);

    sfxt::Button resumeButton;
    sfxt::Button leaveButton;
    sfxt::Button optionsButton;
    Title title;
    // Not owned.
    Game* game;
    GameWindow* window;
};
