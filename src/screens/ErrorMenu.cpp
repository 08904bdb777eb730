#include "screens/ErrorMenu.h"

#include "screens/MenuCommon.h"

#include "app/AppServices.h"
#include "app/GameWindow.h"
#include "app/InputHandler.h"
#include "app/ResourceManager.h"
#include "game/render/GraphicsContext.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Window/Mouse.hpp>

#include <algorithm>
#include <cmath>

namespace {

const sf::Color ClearColour(162, 107, 42, 255);
constexpr unsigned MessageSize = 24;
constexpr ButtonStyle QuitStyle = 5;
constexpr ButtonStyle BackStyle = 13;

std::string Wording(bool fatal, const std::string& message)
{
    return "An error occurred:\n\n   " + message + "\n\n" +
           (fatal ? "The problem cannot be fixed." : "Back to main menu.");
}

// The grid row on which the button stands below a message ending at `bottom`.
unsigned ButtonRow(float bottom)
{
    const float row = std::ceil((bottom + ErrorMenu::ButtonGap) / sfxt::Button::CellSize);
    return std::max(ErrorMenu::FirstButtonRow, static_cast<unsigned>(row));
}

}  // namespace

void ErrorMenu::FitMessage(sf::Text& text, bool fatal, const std::string& description, float width)
{
    const float lowest = LastButtonRow * sfxt::Button::CellSize;
    std::size_t kept = description.size();
    for (;;) {
        const std::string shown = kept == description.size() ? description : description.substr(0, kept) + "...";
        for (unsigned size = MessageSize; size >= SmallestMessageSize; size -= 2) {
            text.setCharacterSize(size);
            text.setString(Wording(fatal, shown));
            WrapText(text, width);
            if (MessageTop + GetTextSize(text).y + ButtonGap <= lowest)
                return;
        }
        // Nothing of the error's own text left to cut: the smallest size
        // stands, however far down the button then goes.
        if (kept == 0)
            return;
        kept = kept * 3 / 4;
    }
}

ErrorMenu::ErrorMenu(bool isFatal, const std::string& errorMessage)
    : fatal(isFatal), button(isFatal ? QuitStyle : BackStyle, 12, 9),
      message(Wording(isFatal, errorMessage), AppServices::Instance().Graphics()->resources->GetFont(), MessageSize),
      title(1, "Error handling", "", MenuTitleColour), description(errorMessage)
{
    GraphicsContext& graphics = *AppServices::Instance().Graphics();
    sf::RenderWindow& window = graphics.window->window;
    window.setView(window.getDefaultView());
    for (sf::Vector2f& offset : graphics.layerOffsets)
        offset = sf::Vector2f(0, 0);

    const float width = static_cast<float>(window.getSize().x);
    FitMessage(message, fatal, errorMessage, width - 2 * MessageMargin);
    CenterTextOrigin(message);
    message.setPosition(width / 2, MessageTop + message.getOrigin().y);
    button = sfxt::Button(fatal ? QuitStyle : BackStyle, ButtonColumn, ButtonRow(GetTextBottom(message)));
}

int ErrorMenu::Update()
{
    return PollMenuEvents(title, [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId ErrorMenu::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type == sf::Event::MouseButtonPressed) {
        if (MenuButtonHit(button, MenuMousePoint()))
            return fatal ? StateQuit : StateMainMenu;
    }
    return StateStay;
}

void ErrorMenu::Draw()
{
    sf::RenderWindow& window = AppServices::Instance().Graphics()->window->window;
    window.clear(ClearColour);
    button.Draw(window);
    title.alpha = 255;
    window.draw(title);
    window.draw(message);
}
