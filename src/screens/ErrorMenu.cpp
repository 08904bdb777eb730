#include "screens/ErrorMenu.h"

#include "app/Application.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/ResourceManager.h"
#include "game/GraphicsContext.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Window/Mouse.hpp>

namespace {

const sf::Color TitleColour(115, 70, 15, 255);
const sf::Color ClearColour(162, 107, 42, 255);
constexpr unsigned MessageSize = 24;
constexpr ButtonStyle QuitStyle = 5;
constexpr ButtonStyle BackStyle = 13;

// Edges belong to the button; the width and height grow with the hover
// scale of its last drawing.
bool Hits(const sfxt::Button& button, sf::Vector2f point)
{
    const sf::Vector2f corner = button.sprite.getPosition() - button.sprite.getOrigin();
    const sf::FloatRect bounds = button.sprite.getGlobalBounds();
    return point.x >= corner.x && point.x <= corner.x + bounds.width && point.y >= corner.y &&
           point.y <= corner.y + bounds.height;
}

sf::RenderWindow& InputWindow()
{
    return Application::Instance().input->window->window;
}

std::string Wording(bool fatal, const std::string& message)
{
    return "An error occurred:\n\n   " + message + "\n\n" +
           (fatal ? "The problem cannot be fixed." : "Back to main menu.");
}

}  // namespace

ErrorMenu::ErrorMenu(bool isFatal, const std::string& errorMessage)
    : fatal(isFatal), button(isFatal ? QuitStyle : BackStyle, 12, 9),
      message(Wording(isFatal, errorMessage), Application::Instance().graphics->resources->GetFont(), MessageSize),
      title(1, "Error handling", "", TitleColour), description(errorMessage)
{
    GraphicsContext& graphics = *Application::Instance().graphics;
    sf::RenderWindow& window = graphics.window->window;
    window.setView(window.getDefaultView());
    for (sf::Vector2f& offset : graphics.layerOffsets)
        offset = sf::Vector2f(0, 0);

    CenterTextOrigin(message);
    message.setPosition(static_cast<float>(window.getSize().x) / 2, MessageY);
}

int ErrorMenu::Update()
{
    title.Update();
    sf::Event event;
    while (InputWindow().pollEvent(event)) {
        const StateId next = HandleEvent(event);
        if (next != StateStay)
            return next;
    }
    return StateStay;
}

StateId ErrorMenu::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type == sf::Event::MouseButtonPressed) {
        sf::RenderWindow& window = InputWindow();
        if (Hits(button, window.mapPixelToCoords(sf::Mouse::getPosition(window))))
            return fatal ? StateQuit : StateMainMenu;
    }
    return StateStay;
}

void ErrorMenu::Draw()
{
    sf::RenderWindow& window = Application::Instance().graphics->window->window;
    window.clear(ClearColour);
    button.Draw(window);
    title.alpha = 255;
    window.draw(title);
    window.draw(message);
}
