#include "screens/CreditsMenu.h"

#include "screens/MenuCommon.h"

#include "app/AppServices.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/ResourceManager.h"
#include "game/render/GraphicsContext.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Window/Mouse.hpp>

namespace {

const sf::Color HeadingColour(30, 30, 30, 255);
const sf::Color TextColour(200, 200, 200, 255);
constexpr unsigned HeadingSize = 30;
constexpr unsigned TextSize = 20;

}  // namespace

CreditsMenu::CreditsMenu() : backButton(13, 12, 9), title(1, "Credits", "", MenuTitleColour)
{
    AddEntry("", "               Vrenk Version 2.3.3, May 2015\n"
                 "Font: DejaVu Sans Bold, licence in DejaVu-Fonts-License.txt");
    AddEntry("Programming, Graphics, Level Design", "The Vrenk II project");
    AddEntry("Music", "Composed and played by the game's own\n"
                      "music generator, from the project's sources,\n"
                      "anew each time the game is built");
    AddEntry("Libraries", "SFML, OpenGL, Kest, Boost.\n"
                          "Thanks to the SFML team for a library that is a joy to use.");
}

void CreditsMenu::AddEntry(const std::string& heading, const std::string& text)
{
    AppServices& app = AppServices::Instance();
    const sf::Font& font = app.Graphics()->resources->GetFont();
    const float centreX = static_cast<float>(app.Graphics()->window->window.getSize().x) / 2;

    sf::Text head(heading, font, HeadingSize);
    head.setFillColor(HeadingColour);
    SetTextCenterX(head, centreX);
    SetTextTop(head, entries.empty() ? ColumnTop : GetTextBottom(entries.back()) + EntryGap);

    sf::Text body(text, font, TextSize);
    body.setFillColor(TextColour);
    SetTextCenterX(body, centreX);
    SetTextTop(body, GetTextBottom(head) + TextGap);

    entries.push_back(head);
    entries.push_back(body);
}

int CreditsMenu::Update()
{
    return PollMenuEvents(title, [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId CreditsMenu::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left) {
        if (MenuButtonHit(backButton, MenuMousePoint()))
            return StateMainMenu;
    }
    return StateStay;
}

void CreditsMenu::Draw()
{
    sf::RenderWindow& window = AppServices::Instance().Graphics()->window->window;
    backButton.Draw(window);
    title.alpha = 255;
    window.draw(title);
    for (const sf::Text& text : entries)
        window.draw(text);
}
