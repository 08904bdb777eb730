#include "screens/MainMenu.h"

#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"
#include "app/StateId.h"
#include "game/render/GraphicsContext.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Mouse.hpp>

namespace {

struct MainMenuEntry {
    ButtonStyle style;
    unsigned column;
    unsigned row;
    int result;
};

// The buttons in the order they are added, with the state each leads to.
const MainMenuEntry MainMenuTable[] = {
    // style column row result
    {0, 12, 9, StateProfileSelection},
    {1, 7, 8, StateCredits},
    {2, 16, 12, StateOptionsFromMainMenu},
    {3, 20, 21, StateHighscores},
    {5, 7, 21, StateQuit},
};

int ResultOf(int style)
{
    for (const MainMenuEntry& entry : MainMenuTable)
        if (static_cast<int>(entry.style) == style)
            return entry.result;
    return StateStay;
}

}  // namespace

MainMenu::MainMenu() : title(Title::StyleMenu, "", "", MenuTitleColour)
{
    for (const MainMenuEntry& entry : MainMenuTable)
        AddButton(entry.style, entry.column, entry.row);
}

MainMenu::~MainMenu() = default;

void MainMenu::AddButton(ButtonStyle style, unsigned column, unsigned row)
{
    buttons.emplace(static_cast<int>(style), sfxt::Button(style, column, row));
}

bool MainMenu::PollEvent(sf::Event& event)
{
    return MenuInputWindow().pollEvent(event);
}

int MainMenu::Update()
{
    return PollMenuEvents(
        title, [this](sf::Event& event) { return PollEvent(event); },
        [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId MainMenu::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type != sf::Event::MouseButtonPressed || event.mouseButton.button != sf::Mouse::Left)
        return StateStay;
    const sf::Vector2f point = MenuClickPoint(event.mouseButton);
    for (auto& entry : buttons)
        if (MenuButtonHit(entry.second.sprite, point))
            return ResultOf(entry.first);
    return StateStay;
}

void MainMenu::Draw()
{
    sf::RenderWindow& window = MenuDrawWindow();
    for (auto& entry : buttons)
        entry.second.Draw(window);
    title.alpha = 255;
    window.draw(title);
}
