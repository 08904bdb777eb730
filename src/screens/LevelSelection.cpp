#include "screens/LevelSelection.h"

#include "app/AppServices.h"
#include "app/AudioManager.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "game/render/GraphicsContext.h"
#include "screens/MainMenu.h"
#include "sfxt/NumberText.h"
#include "sfxt/TextButtonStyle.h"
#include "sfxt/TextPlacement.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstdint>
#include <sstream>
#include <string>

namespace {

const sf::IntRect BarRect(125, 80, 200, 24);

std::string ResumeLabel(const Profile* profile)
{
    if (!profile)
        return "Resume";
    return "Resume (" + ToText(profile->world) + "-" + ToText(profile->level) + ")";
}

}  // namespace

Profile* CurrentMenuProfile()
{
    return AppServices::Instance().Profiles()->GetCurrentProfile();
}

LevelSelection::LevelSelection()
    : title(Title::StyleMenu, "Level selection", "", MenuTitleColour),
      backButton(13, 12, 9),
      resumeButton(MenuGuiTexture(), GetTextButtonRect(4), MenuFont(), ResumeLabel(CurrentMenuProfile()), true,
                   BackCentre().x, BackCentre().y + ResumeBelowBack),
      loadingText("Loading...", MenuFont(), 18),
      barFrame(MenuGuiTexture(), BarRect),
      barFill(MenuGuiTexture(), BarRect)
{
    loadingText.setFillColor(sf::Color(200, 200, 200, 255));
    barFill.setColor(sf::Color(30, 130, 250, 255));
    BuildLevelButtons();

    const sf::Vector2f centre = BackCentre();
    SetTextCenter(loadingText, centre.x, centre.y + 230);
    const sf::FloatRect frameBounds = barFrame.getGlobalBounds();
    barFrame.setPosition(centre.x - frameBounds.width / 2, centre.y + 200 - frameBounds.height / 2);
    barFill.setPosition(barFrame.getPosition());
}

sf::Vector2f LevelSelection::BackCentre() const
{
    const sf::FloatRect bounds = backButton.sprite.getGlobalBounds();
    return sf::Vector2f(bounds.left + bounds.width / 2, bounds.top + bounds.height / 2);
}

void LevelSelection::BuildLevelButtons()
{
    const Profile* profile = CurrentMenuProfile();
    if (!profile)
        return;
    const float cx = BackCentre().x;
    for (std::uint16_t w = 1; w <= LevelsPerWorld.size(); ++w) {
        const std::uint16_t levels = LevelsPerWorld[w - 1u];
        for (std::uint16_t i = 0; i < levels; ++i) {
            const bool reachable =
                w < profile->furthestWorld || (w == profile->furthestWorld && i < profile->furthestLevel);
            if (!reachable)
                break;
            std::ostringstream label;
            label << w << "-" << (i + 1);
            levelButtons.emplace_back(MenuGuiTexture(), GetTextButtonRect(w), MenuFont(), label.str(), true,
                                      cx + static_cast<float>(w - 2) * WorldSpacing,
                                      LevelTop + LevelSpacing * static_cast<float>(i));
        }
    }
}

bool LevelSelection::PollEvent(sf::Event& event)
{
    return MenuInputWindow().pollEvent(event);
}

int LevelSelection::Update()
{
    return PollMenuEvents(
        title, [this](sf::Event& event) { return PollEvent(event); },
        [this](const sf::Event& event) { return HandleEvent(event); });
}

StateId LevelSelection::HandleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        return StateQuit;
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
        return HandleClick(MenuClickPoint(event.mouseButton));
    return StateStay;
}

int LevelSelection::HandleClick(sf::Vector2f point)
{
    if (MenuButtonHit(backButton.sprite, point))
        return StateProfileSelection;
    Profile* profile = CurrentMenuProfile();
    if (!loaded || !profile)
        return StateStay;
    if (profile->savedGame && resumeButton.Contains(point))
        return StateNewGame;
    for (const sfxt::TextButton& button : levelButtons) {
        if (!MenuButtonHit(button.sprite, point))
            continue;
        std::istringstream label(button.GetString());
        std::uint16_t world = 0;
        std::uint16_t level = 0;
        char separator = 0;
        label >> world >> separator >> level;
        profile->world = world;
        profile->level = level;
        profile->stats = PlayerStats();
        return StateNewGame;
    }
    return StateStay;
}

void LevelSelection::Draw()
{
    sf::RenderWindow& window = MenuDrawWindow();
    backButton.Draw(window);
    if (loaded) {
        const Profile* profile = CurrentMenuProfile();
        if (profile && profile->savedGame)
            resumeButton.Draw(window);
        for (sfxt::TextButton& button : levelButtons)
            button.Draw(window);
    } else {
        DrawLoading();
    }
    title.alpha = 255;
    window.draw(title);
}

void LevelSelection::DrawLoading()
{
    const float progress = AppServices::Instance().Audio()->GetLoadingProgress();
    if (progress == 1.f) {
        loaded = true;
        return;
    }
    sf::IntRect rect = barFrame.getTextureRect();
    rect.width = static_cast<int>(static_cast<float>(rect.width) * progress);
    barFill.setTextureRect(rect);
    GraphicsContext& graphics = *AppServices::Instance().Graphics();
    graphics.DrawSnapped(barFrame);
    graphics.DrawSnapped(barFill);
    MenuDrawWindow().draw(loadingText);
}
