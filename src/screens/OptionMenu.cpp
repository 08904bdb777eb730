#include "screens/OptionMenu.h"

#include "app/AppServices.h"
#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/OptionSlot.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "kest/KeyNameTable.h"
#include "screens/MainMenu.h"
#include "sfxt/NumberText.h"
#include "sfxt/TextButtonStyle.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Mouse.hpp>

#include <stdexcept>

namespace {

constexpr unsigned LabelSize = 30;
const sf::Color SelectedTint(255, 200, 0, 255);

// The row labels, indexed by option slot.
const char* const RowLabels[OptionMenu::RowCount] = {
    "Fullscreen", "Framerate", "Antialiasing", "Key bindings", "Music volume", "Sound volume",
};

float TextTop(const sf::Text& text)
{
    return text.getPosition().y - text.getOrigin().y;
}

float TextCentreY(const sf::Text& text)
{
    return TextTop(text) + GetTextSize(text).y / 2;
}

void PlaceLabel(sf::Text& text, float centreX, float top)
{
    SetTextCenterX(text, centreX);
    SetTextTop(text, top);
}

ProfileStore& Profiles()
{
    return *AppServices::Instance().Profiles();
}

}  // namespace

std::string OnOffText(bool value)
{
    return value ? "On" : "Off";
}

std::string FrameModeText(std::uint32_t frameMode)
{
    switch (frameMode) {
    case FrameModeFree:
        return "Dynamic";
    case FrameModeLimit:
        return "Fixed";
    case FrameModeVSync:
        return "VSync";
    default:
        throw std::logic_error("switch: default impossible");
    }
}

std::string PercentText(std::uint32_t value)
{
    return ToText(static_cast<int>(value)) + " %";
}

std::string KeyBindingLabel(const KeyBinding& binding)
{
    return binding.name + ": ";
}

std::string KeyBindingText(const KeyBinding& binding)
{
    std::string key = kest::toString(binding.key);
    if (key == "Unknown")
        key = "(unassigned)";
    return KeyBindingLabel(binding) + key;
}

std::vector<KeyBinding> GetVisibleKeyBindings(const GameWindow& window, const ProfileStore& profiles)
{
    std::vector<KeyBinding> visible;
    for (const KeyBinding& binding : window.keyBindings)
        if (profiles.IsActionAvailable(static_cast<KeyAction>(binding.action)))
            visible.push_back(binding);
    return visible;
}

OptionMenu::OptionMenu(GameWindow& gameWindow, bool enteredFromPause)
    : window(&gameWindow),
      labels(RowCount, sf::Text("", MenuFont(), LabelSize)),
      rows(RowCount),
      title(Title::StyleMenu, "Options", "", MenuTitleColour),
      cancelButton(11, 4, 21),
      applyButton(14, 12, 9),
      fromPause(enteredFromPause)
{
    for (sf::Text& label : labels)
        label.setFillColor(sf::Color::White);
    // Choices clicked but not applied on an earlier visit are forgotten.
    window->LoadConfig();
    openingSelection_ = window->selected;
    openingBindings_ = window->keyBindings;
    BuildRows();
}

void OptionMenu::BuildRows()
{
    for (std::uint32_t r = 0; r < RowCount; ++r)
        labels[r].setString(RowLabels[r]);

    const float w = static_cast<float>(MenuDrawWindow().getSize().x);
    const sf::FloatRect applyBounds = applyButton.sprite.getGlobalBounds();
    const float ax = applyBounds.left + applyBounds.width / 2;
    const float d = w / 2 - ax;

    sf::Text& fullscreen = labels[OptionFullscreen];
    sf::Text& frameMode = labels[OptionFrameMode];
    sf::Text& antialiasing = labels[OptionAntialiasing];
    sf::Text& bindings = labels[OptionEditedBinding];
    sf::Text& music = labels[OptionMusicVolume];
    sf::Text& sound = labels[OptionSoundVolume];
    PlaceLabel(fullscreen, w - 190 - d, 180);
    PlaceLabel(frameMode, GetTextCenterX(fullscreen), GetTextBottom(fullscreen) + 100);
    PlaceLabel(antialiasing, GetTextCenterX(frameMode), GetTextBottom(frameMode) + 133);
    PlaceLabel(bindings, ax, TextTop(frameMode) + 120);
    PlaceLabel(music, 190 - d, TextTop(fullscreen));
    PlaceLabel(sound, GetTextCenterX(music), GetTextBottom(music) + 199);

    AddRow(OptionFullscreen, window->yesNoChoices, OnOffText);
    AddRow(OptionFrameMode, window->frameModeChoices, FrameModeText);
    AddRow(OptionAntialiasing, window->yesNoChoices, OnOffText);
    AddRow(OptionEditedBinding, GetVisibleKeyBindings(*window, Profiles()), KeyBindingText);
    AddRow(OptionMusicVolume, window->volumeChoices, PercentText);
    AddRow(OptionSoundVolume, window->volumeChoices, PercentText);
}

template <typename Choice, typename ToText>
void OptionMenu::AddRow(std::uint32_t row, const std::vector<Choice>& choices, ToText toText)
{
    std::vector<sfxt::TextButton>& buttons = rows[row];
    buttons.clear();
    const sf::IntRect rect = GetTextButtonRect(row == OptionEditedBinding ? 0 : 5);
    const float x = GetTextCenterX(labels[row]);
    const float y = TextCentreY(labels[row]) + 10;
    for (std::size_t k = 0; k < choices.size(); ++k) {
        const Choice choice = choices[k];
        buttons.emplace_back(MenuGuiTexture(), rect, MenuFont(), sf::String(toText(choice)), true, x,
                             y + 32 * static_cast<float>(k + 1));
        buttons.back().sprite.setColor(window->selected[row] == k ? SelectedTint : sf::Color::White);
    }
}

bool OptionMenu::PollEvent(sf::Event& event)
{
    return MenuInputWindow().pollEvent(event);
}

sf::Vector2i OptionMenu::MousePosition()
{
    return sf::Mouse::getPosition(MenuInputWindow());
}

int OptionMenu::Update()
{
    // The first left press ends the step's polling; the click is taken where
    // the cursor is now, and events queued after it wait for the next step.
    bool leftPressed = false;
    const int next = PollMenuEvents(
        title, [this](sf::Event& event) { return PollEvent(event); },
        [this, &leftPressed](const sf::Event& event) -> int {
            if (event.type == sf::Event::Closed)
                return StateQuit;
            if (event.type == sf::Event::KeyPressed) {
                HandleKey(event.key.code);
            } else if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left) {
                leftPressed = true;
                return MenuStopPolling;
            }
            return StateStay;
        });
    if (next != StateStay)
        return next;
    sf::RenderWindow& input = MenuInputWindow();
    const sf::Vector2f point = input.mapPixelToCoords(MousePosition(), input.getView());
    return HandleClick(leftPressed, point.x, point.y);
}

void OptionMenu::HandleKey(sf::Keyboard::Key key)
{
    std::uint32_t& armed = window->selected[OptionEditedBinding];
    if (armed == KeyActionNone)
        return;
    const std::vector<KeyBinding> visible = GetVisibleKeyBindings(*window, Profiles());
    if (armed >= visible.size()) {
        // The list shrank since the binding was armed (a profile with that
        // extra was deleted): nothing is left to bind.
        armed = KeyActionNone;
        BuildRows();
        return;
    }
    const std::uint32_t action = visible[armed].action;
    if (action == KeyActionNone)
        return;
    if (window->BindKey(static_cast<KeyAction>(action), key)) {
        armed = KeyActionNone;
        BuildRows();
    }
}

void OptionMenu::RestoreOpeningOptions()
{
    const std::uint32_t armed = window->selected[OptionEditedBinding];
    window->selected = openingSelection_;
    window->selected[OptionEditedBinding] = armed;
    window->keyBindings = openingBindings_;
}

int OptionMenu::HandleClick(bool leftPressed, float x, float y)
{
    if (!leftPressed)
        return StateStay;
    const sf::Vector2f point(x, y);
    const int leave = fromPause ? StateBackToPauseMenu : StateMainMenu;
    if (MenuButtonHit(cancelButton.sprite, point)) {
        RestoreOpeningOptions();
        return leave;
    }
    if (applyButton.Contains(point)) {
        window->ApplyOptions(false);
        window->SaveConfig();
        AppServices::Instance().Audio()->SetMusicVolume();
        return leave;
    }
    for (std::uint32_t r = 0; r < RowCount; ++r) {
        std::vector<sfxt::TextButton>& buttons = rows[r];
        for (std::size_t k = 0; k < buttons.size(); ++k) {
            if (buttons[k].sprite.getGlobalBounds().contains(x, y)) {
                window->selected[r] = static_cast<std::uint32_t>(k);
                BuildRows();
                break;
            }
        }
    }
    return StateStay;
}

void OptionMenu::Draw()
{
    sf::RenderWindow& target = MenuDrawWindow();
    for (const sf::Text& label : labels)
        target.draw(label);
    for (std::vector<sfxt::TextButton>& row : rows)
        for (sfxt::TextButton& button : row)
            button.Draw(target);
    title.alpha = 255;
    target.draw(title);
    cancelButton.Draw(target);
    applyButton.Draw(target);
}
