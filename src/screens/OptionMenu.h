#pragma once

#include "app/KeyBinding.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"
#include "sfxt/TextButton.h"

#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <string>
#include <vector>

class GameWindow;
class ProfileStore;

// The options: fullscreen, frame-rate mode, antialiasing, the key bindings
// and the two volumes, each a row of choice buttons. A click selects a
// choice; a click on a key binding arms it and the next key pressed is bound
// to its action. Apply puts the choices into effect and saves them to
// "Data/Config.txt"; cancel leaves everything as it was when the screen
// opened.
class OptionMenu : public Surface {
public:
    static constexpr std::uint32_t RowCount = 6;

    OptionMenu(GameWindow& window, bool fromPause);

    int Update() override;
    void Draw() override;

    // Sets the labels' texts, lays them out and rebuilds every row.
    void BuildRows();
    int HandleClick(bool leftPressed, float x, float y);

    GameWindow* window;
    std::vector<sf::Text> labels;
    std::vector<std::vector<sfxt::TextButton>> rows;
    Title title;
    sfxt::Button cancelButton;
    sfxt::Button applyButton;
    bool fromPause;

protected:
    // Where the events and the mouse come from: the input window.
    virtual bool PollEvent(sf::Event& event);
    virtual sf::Vector2i MousePosition();

private:
    template <typename Choice, typename ToText>
    void AddRow(std::uint32_t row, const std::vector<Choice>& choices, ToText toText);
    void HandleKey(sf::Keyboard::Key key);
    // Puts back the choices and bindings of the screen's opening.
    void RestoreOpeningOptions();

    std::vector<std::uint32_t> openingSelection_;
    std::vector<KeyBinding> openingBindings_;
};

std::string OnOffText(bool value);
std::string FrameModeText(std::uint32_t frameMode);
std::string PercentText(std::uint32_t value);
std::string KeyBindingLabel(const KeyBinding& binding);
std::string KeyBindingText(const KeyBinding& binding);

// The bindings the option screen offers, in action order: the jetpack and
// weapon keys only once some profile owns that extra.
std::vector<KeyBinding> GetVisibleKeyBindings(const GameWindow& window, const ProfileStore& profiles);
