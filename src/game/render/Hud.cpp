#include "game/render/Hud.h"

#include "app/FrameDuration.h"
#include "app/GameWindow.h"
#include "app/PlayerStats.h"
#include "sfxt/NumberText.h"

#include <SFML/Graphics/Texture.hpp>

#include <cmath>

namespace {

sf::Text* MakeText(const sf::Font& font, sf::Color colour)
{
    sf::Text* text = new sf::Text("", font, 20);
    colour.a = 255;
    text->setFillColor(colour);
    return text;
}

}  // namespace

// The icons lie side by side, 33 pixels apart.
const std::array<sf::IntRect, Hud::SlotCount> Hud::IconRects = [] {
    std::array<sf::IntRect, SlotCount> rects;
    for (std::size_t i = 0; i < SlotCount; ++i)
        rects[i] = sf::IntRect(33 * static_cast<int>(i), 104, 33, 33);
    return rects;
}();
const sf::IntRect Hud::PanelRect(0, 137, 106, 39);
const sf::IntRect Hud::HeartsPanelRect(96, 137, 106, 39);
const sf::IntRect Hud::HeartRect(202, 137, 14, 27);

Hud::Hud(GameWindow& gameWindow, const sf::Texture& menuTexture, const sf::Font& gameFont)
    : window(&gameWindow),
      texture(&menuTexture),
      font(&gameFont),
      texts(),
      panel(menuTexture, PanelRect),
      heartsPanel(menuTexture, HeartsPanelRect),
      heart(menuTexture, HeartRect)
{
    for (std::size_t i = 0; i < SlotCount; ++i)
        icons[i] = sf::Sprite(menuTexture, IconRects[i]);
    texts[0] = MakeText(gameFont, sf::Color(255, 210, 0));
    texts[1] = MakeText(gameFont, sf::Color(255, 0, 130));
    texts[2] = MakeText(gameFont, sf::Color(0, 130, 240));
    texts[3] = texts[4] = texts[5] = MakeText(gameFont, sf::Color(230, 230, 220));
    texts[6] = texts[7] = texts[8] = MakeText(gameFont, sf::Color(230, 230, 220));
    texts[9] = nullptr;
}

Hud::~Hud()
{
    // Clear the shared pointers first so that each text is deleted once.
    texts[4] = texts[5] = texts[7] = texts[8] = nullptr;
    for (sf::Text*& text : texts) {
        delete text;
        text = nullptr;
    }
}

int Hud::PowerUpSeconds(std::uint32_t countdown)
{
    // Whole seconds counted in integers, so that 1200 steps are exactly 30.
    return static_cast<int>(static_cast<std::uint64_t>(countdown) * FrameMilliseconds / 1000) + 1;
}

void Hud::Draw(const PlayerStats& stats)
{
    const sf::View& view = window->window.getView();
    const sf::Vector2f topLeft = view.getCenter() - view.getSize() / 2.f;

    panel.setScale(std::fabs(panel.getScale().x), panel.getScale().y);
    panel.setPosition(topLeft.x + 10, topLeft.y - 40);

    DrawCounter(SlotTotal, stats.totalCoins, true);
    DrawCounter(SlotLives, stats.lives, true);
    DrawCounter(SlotCoins, stats.coins, true);

    DrawHearts(stats.hearts);

    for (std::size_t i = 0; i < stats.ammunition.size(); ++i)
        if (stats.ammunition[i] != 0)
            DrawCounter(SlotRockets + i, stats.ammunition[i], false);

    const std::uint32_t mode = stats.powerUpMode;
    if (mode >= 1 && mode <= 3)
        DrawCounter(SlotPowerUp + mode, static_cast<std::uint32_t>(PowerUpSeconds(stats.powerUpCountdown)), false);
}

void Hud::DrawCounter(std::size_t slot, std::uint32_t value, bool left)
{
    // Slot 9 is the hearts panel's icon and has no number.
    if (slot >= SlotCount || texts[slot] == nullptr)
        return;
    const float scaleX = std::fabs(panel.getScale().x);
    panel.setScale(left ? scaleX : -scaleX, panel.getScale().y);
    panel.move(0, 50);
    const sf::Vector2f at = panel.getPosition();

    sf::Sprite& icon = icons[slot];
    icon.setPosition(at + (left ? sf::Vector2f(3, 3) : sf::Vector2f(-35, 3)));

    sf::Text& text = *texts[slot];
    text.setString(UIntToText(value));
    text.setPosition(at + (left ? sf::Vector2f(44, 4) : sf::Vector2f(-42, 4)));
    text.setOrigin(left ? 0.f : text.getLocalBounds().width, 0.f);

    window->window.draw(panel);
    window->window.draw(icon);
    window->window.draw(text);
}

void Hud::DrawHearts(std::uint16_t hearts)
{
    const sf::View& view = window->window.getView();
    const sf::Vector2f topLeft = view.getCenter() - view.getSize() / 2.f;
    const float windowWidth = static_cast<float>(window->window.getSize().x);
    const float width = heartsPanel.getGlobalBounds().width;

    heartsPanel.setPosition(std::trunc(windowWidth - width - 10) + topLeft.x, topLeft.y + 10);
    window->window.draw(heartsPanel);
    const sf::Vector2f at = heartsPanel.getPosition();

    icons[SlotHeart].setPosition(at + sf::Vector2f(71, 3));
    window->window.draw(icons[SlotHeart]);

    for (int i = 0; i < hearts; ++i) {
        heart.setPosition(at + sf::Vector2f(47.f - 16.f * static_cast<float>(i), 3));
        window->window.draw(heart);
    }

    panel.setPosition(at.x + panel.getGlobalBounds().width, at.y);
}
