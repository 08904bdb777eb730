#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"

#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <string>
#include <vector>

// The credits (state 1, from the main menu): the version and the people and
// libraries behind the game as a centred column of headings and texts under
// the heading, with a back button to the main menu.
class CreditsMenu : public Surface {
public:
    static constexpr float ColumnTop = 400;
    static constexpr float EntryGap = 20;
    static constexpr float TextGap = 5;

    CreditsMenu();

    int Update() override;
    void Draw() override;

    // One polled event: StateStay lets the polling go on.
    StateId HandleEvent(const sf::Event& event);

    // Appends a heading and its text below the last entry, centred on the
    // window.
    void AddEntry(const std::string& heading, const std::string& text);

    sfxt::Button backButton;
    Title title;
    // Heading and text of each entry, alternately.
    std::vector<sf::Text> entries;
};
