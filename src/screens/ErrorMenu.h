#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"

#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <string>

// The error screen (state 13): the message of an error that stopped a
// screen, centred on the window. A recoverable error leads back to the main
// menu, a fatal one (quit button) out of the program.
class ErrorMenu : public Surface {
public:
    static constexpr float MessageY = 340;

    // Also puts the window back on its default view with all layer offsets
    // cleared, so that the screen does not show where a level was scrolled.
    ErrorMenu(bool fatal, const std::string& message);

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
