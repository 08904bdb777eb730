#include "screens/VictoryMenu.h"

#include "screens/MenuCommon.h"

#include "app/AppServices.h"
#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/Highscore.h"
#include "app/InputHandler.h"
#include "app/ProfileStore.h"
#include "app/ResourceManager.h"
#include "game/render/GraphicsContext.h"
#include "sfxt/NumberText.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Window/Mouse.hpp>

#include <algorithm>

namespace {

const sf::Vector2f TitleDrawOffset(0, -110);
const sf::Vector2f TitleTextOffset(-290, 265);
// How far the congratulation keeps from the window's left edge.
constexpr float TextMargin = 20;

// The text's offset moved right as far as its widest line needs to stay
// inside the window: a long name makes the centred first line wide.
sf::Vector2f FittedTextOffset(const Title& title)
{
    sf::Text line("", *title.text.font, title.text.characterSize);
    float widest = 0;
    const sf::String& text = title.text.string;
    for (std::size_t begin = 0; begin <= text.getSize();) {
        std::size_t end = text.find("\n", begin);
        if (end == sf::String::InvalidPos)
            end = text.getSize();
        line.setString(text.substring(begin, end - begin));
        widest = std::max(widest, GetTextSize(line).x);
        begin = end + 1;
    }
    const float centre = GetTextCenterX(title.heading) + TitleTextOffset.x;
    const float shift = std::max(0.f, TextMargin - (centre - widest / 2));
    return TitleTextOffset + sf::Vector2f(shift, 0);
}

}  // namespace

std::string VictoryMenu::CongratulationText()
{
    // Without a profile in play (nothing should lead here then) the screen
    // still shows, with no name and no score.
    const Profile* profile = AppServices::Instance().Profiles()->GetCurrentProfile();
    const std::string name = profile ? profile->name : "";
    // The score as the highscore table enters it.
    const std::int32_t score = ScoreOf(profile ? profile->stats.totalCoins : 0u);
    return "Congratulations, " + name + "!\nYour final score: " + LongToText(score) + "\n\nThanks for playing!";
}

VictoryMenu::VictoryMenu(ResourceManager& resources)
    : title(1, "You made it!", CongratulationText(), MenuTitleColour), highscoresButton(3, 4, 20),
      picture(resources.GetBigTexture(TextureVictory))
{
    picture.setPosition(0, 0);
    title.drawOffset = TitleDrawOffset;
    title.textOffset = FittedTextOffset(title);

    AudioManager& audio = *AppServices::Instance().Audio();
    audio.SetMainMusic(MusicVictory);
    audio.PlayMainMusic();
}

VictoryMenu::~VictoryMenu()
{
    // Stops the current music, if any still plays, and forgets both tunes.
    AudioManager& audio = *AppServices::Instance().Audio();
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
    GraphicsContext& graphics = *AppServices::Instance().Graphics();
    sf::RenderWindow& window = graphics.window->window;
    graphics.ApplyLayerView(3);
    window.draw(picture);
    highscoresButton.Draw(window);
    title.alpha = 255;
    window.draw(title);
}
