#include "screens/VictoryMenu.h"

#include "screens/MenuCommon.h"

#include "app/Application.h"
#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/ProfileStore.h"
#include "app/ResourceManager.h"
#include "game/GraphicsContext.h"
#include "sfxt/NumberText.h"

#include <SFML/Window/Mouse.hpp>

namespace {

const sf::Vector2f TitleDrawOffset(0, -110);
const sf::Vector2f TitleTextOffset(-290, 265);

}  // namespace

std::string VictoryMenu::CongratulationText()
{
    // Without a profile in play (nothing should lead here then) the screen
    // still shows, with no name and no score.
    const Profile* profile = Application::Instance().profiles->GetCurrentProfile();
    const std::string name = profile ? profile->name : "";
    // The score is an unsigned 32-bit total and is shown as such.
    const unsigned score = profile ? profile->stats.totalCoins : 0u;
    return "Congratulations, " + name + "!\nYour final score: " + UIntToText(score) + "\n\nThanks for playing!";
}

VictoryMenu::VictoryMenu(ResourceManager& resources)
    : title(1, "You made it!", CongratulationText(), MenuTitleColour), highscoresButton(3, 4, 20),
      picture(resources.GetBigTexture(TextureVictory))
{
    picture.setPosition(0, 0);
    title.drawOffset = TitleDrawOffset;
    title.textOffset = TitleTextOffset;

    AudioManager& audio = *Application::Instance().audio;
    audio.SetMainMusic(MusicVictory);
    audio.PlayMainMusic();
}

VictoryMenu::~VictoryMenu()
{
    // Stops the current music, if any still plays, and forgets both tunes.
    AudioManager& audio = *Application::Instance().audio;
    audio.StopMusic();
    audio.mainMusic = MusicNone;
    audio.jingleMusic = MusicNone;
}

int VictoryMenu::Update()
{
    return PollMenuEvents(title, [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId VictoryMenu::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type == sf::Event::MouseButtonPressed) {
        if (MenuButtonHit(highscoresButton, MenuMousePoint()))
            return StateHighscores;
    }
    return StateStay;
}

void VictoryMenu::Draw()
{
    GraphicsContext& graphics = *Application::Instance().graphics;
    sf::RenderWindow& window = graphics.window->window;
    graphics.ApplyLayerView(3);
    window.draw(picture);
    highscoresButton.Draw(window);
    title.alpha = 255;
    window.draw(title);
}
