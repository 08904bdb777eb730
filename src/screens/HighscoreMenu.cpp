#include "screens/HighscoreMenu.h"

#include "screens/MenuCommon.h"

#include "app/AppServices.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/ProfileStore.h"
#include "app/ResourceManager.h"
#include "game/render/GraphicsContext.h"
#include "sfxt/NumberText.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Window/Mouse.hpp>

namespace {

const sf::Color NameColour(30, 30, 30, 255);
const sf::Color PlaceColour(250, 190, 0, 255);
const sf::Color ScoreColour(200, 200, 200, 255);
constexpr unsigned TextSize = 25;

sf::Text MakeText(const std::string& string, const sf::Color& colour)
{
    sf::Text text(string, AppServices::Instance().Graphics()->resources->GetFont(), TextSize);
    text.setFillColor(colour);
    return text;
}

}  // namespace

HighscoreMenu::HighscoreMenu()
    : profiles(AppServices::Instance().Profiles()), backButton(13, 12, 9), resetButton(9, 4, 21),
      confirmButton(10, ConfirmColumn, ConfirmRow), title(1, "Highscore", "", MenuTitleColour)
{
    places.reserve(profiles->highscores.size());
    names.reserve(profiles->highscores.size());
    scores.reserve(profiles->highscores.size());
    profiles->LoadHighscores();
    BuildTable();
}

void HighscoreMenu::BuildTable()
{
    places.clear();
    names.clear();
    scores.clear();
    const sf::FloatRect back = backButton.sprite.getGlobalBounds();
    const float centreX = back.left + back.width / 2 - 36;
    unsigned place = 1;
    for (const Highscore& entry : profiles->highscores) {
        const float y = FirstRowY + RowHeight * static_cast<float>(place - 1);

        sf::Text name = MakeText(entry.name, NameColour);
        SetTextCenter(name, centreX, y);
        const float nameLeft = name.getPosition().x - name.getOrigin().x;
        const float nameRight = nameLeft + GetTextSize(name).x;

        sf::Text number = MakeText("(" + UIntToText(place) + ")", PlaceColour);
        SetTextCenter(number, nameLeft - ColumnGap - GetTextSize(number).x / 2, y);

        sf::Text score = MakeText(LongToText(entry.score), ScoreColour);
        SetTextCenter(score, nameRight + ColumnGap + GetTextSize(score).x / 2, y);

        names.push_back(name);
        places.push_back(number);
        scores.push_back(score);
        ++place;
    }
}

int HighscoreMenu::Update()
{
    return PollMenuEvents(title, [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId HighscoreMenu::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type != sf::Event::MouseButtonPressed || event.mouseButton.button != sf::Mouse::Left)
        return StateStay;
    const sf::Vector2f point = MenuMousePoint();
    if (MenuButtonHit(backButton, point))
        return StateMainMenu;
    if (MenuButtonHit(resetButton, point)) {
        confirming = !confirming;
    } else if (confirming && MenuButtonHit(confirmButton, point)) {
        profiles->highscores.clear();
        profiles->SaveHighscores();
        BuildTable();
        confirming = false;
    }
    return StateStay;
}

void HighscoreMenu::Draw()
{
    sf::RenderWindow& window = AppServices::Instance().Graphics()->window->window;
    for (const sf::Text& text : places)
        window.draw(text);
    for (const sf::Text& text : names)
        window.draw(text);
    for (const sf::Text& text : scores)
        window.draw(text);
    backButton.Draw(window);
    resetButton.Draw(window);
    if (confirming)
        confirmButton.Draw(window);
    title.alpha = 255;
    window.draw(title);
}
