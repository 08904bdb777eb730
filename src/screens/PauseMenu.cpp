#include "screens/PauseMenu.h"

#include "screens/MenuCommon.h"

#include "app/AppServices.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"

#include <SFML/Window/Mouse.hpp>

#include <stdexcept>

PauseMenu::PauseMenu(Game* pausedGame, GameWindow* gameWindow)
    : resumeButton(8, 12, 12), leaveButton(12, 16, 10), optionsButton(2, 9, 10), title(1, "Pause", "", MenuTitleColour),
      game(pausedGame), window(gameWindow)
{
    if (!game || !window)
        throw std::logic_error("PauseMenu: no paused game");
    AppServices::Instance().Graphics()->window->SetMouseCursorVisible(true);
    game->RestoreView();
}

int PauseMenu::Update()
{
    return PollMenuEvents(title, [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId PauseMenu::HandleEvent(const sf::Event& event)
{
    switch (event.type) {
    case sf::Event::Closed:
        game->SaveAndLeave(true);
        return StateQuit;
    case sf::Event::KeyPressed:
        // The key that paused the game resumes it.
        return window->ActionForKey(event.key.code) == KeyActionPause ? StateResumeGame : StateStay;
    case sf::Event::MouseButtonPressed: {
        const sf::Vector2f point = MenuMousePoint();
        if (MenuButtonHit(resumeButton, point))
            return StateResumeGame;
        if (MenuButtonHit(optionsButton, point))
            return StateOptionsFromPause;
        if (MenuButtonHit(leaveButton, point)) {
            game->SaveAndLeave(false);
            return StateLevelSelection;
        }
        return StateStay;
    }
    default:
        return StateStay;
    }
}

void PauseMenu::Draw()
{
    GraphicsContext& graphics = *AppServices::Instance().Graphics();
    sf::RenderWindow& target = graphics.window->window;
    game->Draw();
    graphics.ApplyLayerView(3);
    resumeButton.Draw(target);
    leaveButton.Draw(target);
    optionsButton.Draw(target);
    title.alpha = 255;
    target.draw(title);
}
