#include "screens/ProfileSelection.h"

#include "app/AppServices.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "screens/MainMenu.h"
#include "sfxt/TextButtonStyle.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Mouse.hpp>

#include <locale>

namespace {

enum : std::size_t { BackButton = 0, NewButton = 1, DeleteButton = 2 };

const sf::Color DeleteTint(150, 0, 0, 255);
const sf::Color MarkedTint(255, 0, 0, 255);

constexpr std::uint32_t Backspace = 8;
constexpr std::uint32_t CarriageReturn = 13;
constexpr std::uint32_t Escape = 27;

ProfileStore& Profiles()
{
    return *AppServices::Instance().Profiles();
}

// Letters, digits and the space of the 8-bit range; a code point beyond it
// is refused whole rather than cut to its low byte, which could turn it into
// an unrelated letter.
bool IsNameCharacter(std::uint32_t code)
{
    if (code > 0xFF)
        return false;
    const char c = static_cast<char>(code);
    if (c == ' ')
        return true;
    static const std::locale locale;
    return std::use_facet<std::ctype<char>>(locale).is(std::ctype_base::alpha | std::ctype_base::digit, c);
}

sf::Vector2f CentreOf(const sf::Sprite& sprite)
{
    const sf::FloatRect bounds = sprite.getGlobalBounds();
    return sf::Vector2f(bounds.left + bounds.width / 2, bounds.top + bounds.height / 2);
}

float CentreX(const sf::Sprite& sprite)
{
    return CentreOf(sprite).x;
}

}  // namespace

ProfileSelection::ProfileSelection()
    : title(Title::StyleMenu, "Profile selection", "", MenuTitleColour),
      entryField(sf::Vector2f(180, 421), MenuFont(), sf::Color(100, 100, 100, 255), sf::Color::Black, 1),
      confirmButton(10, 24, 11)
{
    buttons.emplace_back(13, 12, 9);
    buttons.emplace_back(6, 2, 8);
    buttons.emplace_back(7, 23, 8);
    Profiles().LoadProfiles();
    RebuildList();
    // The store takes no longer name.
    entryField.maximumLength = ProfileStore::MaxNameLength;
}

bool ProfileSelection::PollEvent(sf::Event& event)
{
    return MenuInputWindow().pollEvent(event);
}

int ProfileSelection::Update()
{
    ++blinkCounter;
    entryField.blinkCounter = blinkCounter;
    return PollMenuEvents(
        title, [this](sf::Event& event) { return PollEvent(event); },
        [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId ProfileSelection::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type == sf::Event::TextEntered)
        HandleTextEntered(event.text.unicode);
    else if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
        return HandleClick(MenuClickPoint(event.mouseButton));
    return StateStay;
}

int ProfileSelection::HandleClick(sf::Vector2f point)
{
    if (MenuButtonHit(buttons[BackButton].sprite, point))
        return StateMainMenu;
    if (MenuButtonHit(buttons[NewButton].sprite, point)) {
        mode = mode == ProfileModeNew ? ProfileModeChoose : ProfileModeNew;
        RebuildList();
    }
    if (MenuButtonHit(buttons[DeleteButton].sprite, point)) {
        mode = mode == ProfileModeChoose || mode == ProfileModeNew ? ProfileModeDeletePick : ProfileModeChoose;
        RebuildList();
    }

    ProfileStore& store = Profiles();
    for (std::size_t i = 0; i < profileButtons.size(); ++i) {
        if (!MenuButtonHit(profileButtons[i].sprite, point))
            continue;
        store.currentProfile = static_cast<std::uint16_t>(i);
        if (mode == ProfileModeChoose)
            return StateLevelSelection;
        if (mode == ProfileModeDeletePick || mode == ProfileModeDeleteConfirm) {
            mode = ProfileModeDeleteConfirm;
            RebuildList();
            return StateStay;
        }
    }

    if (mode == ProfileModeDeleteConfirm && MenuButtonHit(confirmButton.sprite, point)) {
        if (store.currentProfile < store.profiles.size()) {
            store.profiles.erase(store.profiles.begin() + store.currentProfile);
            store.SaveProfiles();
        }
        mode = ProfileModeChoose;
        RebuildList();
    }
    return StateStay;
}

void ProfileSelection::HandleTextEntered(std::uint32_t code)
{
    if (mode != ProfileModeNew)
        return;
    switch (code) {
    case Backspace:
        entryField.RemoveCharacter();
        break;
    case CarriageReturn:
        if (!entryField.GetText().empty())
            CreateProfile();
        break;
    case Escape:
        entryField.SetText("");
        mode = ProfileModeChoose;
        break;
    default:
        if (IsNameCharacter(code))
            entryField.AddCharacter(static_cast<char>(code));
        break;
    }
}

void ProfileSelection::CreateProfile()
{
    Profiles().AddProfile(entryField.GetText());
    RebuildList();
    entryField.SetText("");
    mode = ProfileModeChoose;
}

void ProfileSelection::RebuildList()
{
    profileButtons.clear();
    const ProfileStore& store = Profiles();
    const float x = CentreX(buttons[BackButton].sprite);
    const sf::IntRect rect = GetTextButtonRect(0);
    for (std::size_t i = 0; i < store.profiles.size(); ++i) {
        const float y = ListTop + ListSpacing * static_cast<float>(i);
        profileButtons.emplace_back(MenuGuiTexture(), rect, MenuFont(), sf::String(store.profiles[i].name), true, x,
                                    y);
        sfxt::TextButton& button = profileButtons.back();
        if (mode == ProfileModeDeletePick || mode == ProfileModeDeleteConfirm)
            button.sprite.setColor(DeleteTint);
        if (mode == ProfileModeDeleteConfirm && i == store.currentProfile)
            button.sprite.setColor(MarkedTint);
    }
}

void ProfileSelection::Draw()
{
    sf::RenderWindow& window = MenuDrawWindow();
    for (sfxt::Button& button : buttons)
        button.Draw(window);
    const std::size_t marked = Profiles().currentProfile;
    for (std::size_t i = 0; i < profileButtons.size(); ++i) {
        sfxt::TextButton& button = profileButtons[i];
        // The profile marked for deletion stands out as if the mouse were
        // on it, bright and full, wherever the mouse is.
        if (mode == ProfileModeDeleteConfirm && i == marked)
            button.DrawWithMouse(window, CentreOf(button.sprite));
        else
            button.Draw(window);
    }
    if (mode == ProfileModeNew) {
        window.draw(entryField.frame);
        window.draw(entryField.text);
        if ((blinkCounter / TextEntryField::BlinkSteps) % 2 == 0)
            window.draw(entryField.cursor);
    }
    if (mode == ProfileModeDeleteConfirm)
        confirmButton.Draw(window);
    title.alpha = 255;
    window.draw(title);
}
