#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"

#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <string>

// The error screen (state 13): the message of an error that stopped a
// screen, centred on the window under the heading, with the button below it.
// A recoverable error leads back to the main menu, a fatal one (quit button)
// out of the program.
class ErrorMenu : public Surface {
public:
    // The message starts under the heading and is wrapped to the window's
    // width less a margin on either side; the button stands on the first
    // grid row at least ButtonGap below it (never above row 9). A message
    // that would push the button below the window is set smaller, down to
    // SmallestMessageSize, and then cut short.
    static constexpr float MessageTop = 290;
    static constexpr float MessageMargin = 60;
    static constexpr float ButtonGap = 16;
    static constexpr unsigned ButtonColumn = 12;
    static constexpr unsigned FirstButtonRow = 9;
    static constexpr unsigned LastButtonRow = 19;
    static constexpr unsigned SmallestMessageSize = 12;

    // Also puts the window back on its default view with all layer offsets
    // cleared, so that the screen does not show where a level was scrolled.
    ErrorMenu(bool fatal, const std::string& message);

    // Sets the message wrapped to the width, as large as still leaves room
    // for the button under it; when even the smallest size leaves none, the
    // error's own text is cut short, down to nothing.
    static void FitMessage(sf::Text& text, bool fatal, const std::string& description, float width);

    int Update() override;
    void Draw() override;

    // One polled event: StateStay lets the polling go on.
    StateId HandleEvent(const sf::Event& event);

    bool IsFatal() const { return fatal; }
    // The error's own message, without the screen's wording around it.
    const std::string& GetMessage() const { return description; }

    bool fatal;
    // Quit when fatal, back otherwise.
    sfxt::Button button;
    sf::Text message;
    Title title;
    std::string description;
};
