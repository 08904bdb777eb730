#include "game/render/Hud.h"

#include "app/FrameDuration.h"
#include "app/GameWindow.h"
#include "app/PlayerStats.h"
#include "sfxt/NumberText.h"

#include <SFML/Graphics/Texture.hpp>

#include <cmath>
#include <utility>

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

namespace {

// The plates keep this far from the window's edges, and stand this far
// apart one under the other.
constexpr float Margin = 10;
constexpr float Spacing = 50;

float HeartsPanelLeft(float windowWidth)
{
    return std::trunc(windowWidth - static_cast<float>(Hud::HeartsPanelRect.width) - Margin);
}

}  // namespace

std::vector<Hud::Plate> Hud::Plates(const PlayerStats& stats, float windowWidth)
{
    const sf::Vector2f panelSize(static_cast<float>(PanelRect.width), static_cast<float>(PanelRect.height));
    std::vector<Plate> plates;
    auto counter = [&](std::size_t slot, std::uint32_t value, bool left, sf::Vector2f anchor) {
        const sf::Vector2f corner = left ? anchor : anchor - sf::Vector2f(panelSize.x, 0);
        plates.push_back({slot, value, left, anchor, sf::FloatRect(corner, panelSize)});
    };

    sf::Vector2f at(Margin, Margin);
    for (const auto& [slot, value] : {std::pair<std::size_t, std::uint32_t>{SlotTotal, stats.totalCoins},
                                      {SlotLives, stats.lives},
                                      {SlotCoins, stats.coins}}) {
        counter(slot, value, true, at);
        at.y += Spacing;
    }

    const sf::Vector2f hearts(HeartsPanelLeft(windowWidth), Margin);
    plates.push_back({SlotHeart, stats.hearts, false, hearts,
                      sf::FloatRect(hearts, sf::Vector2f(static_cast<float>(HeartsPanelRect.width),
                                                         static_cast<float>(HeartsPanelRect.height)))});

    // The right counters line up under the hearts panel, mirrored from its
    // right edge.
    at = sf::Vector2f(hearts.x + panelSize.x, hearts.y + Spacing);
    for (std::size_t i = 0; i < stats.ammunition.size(); ++i)
        if (stats.ammunition[i] != 0) {
            counter(SlotRockets + i, stats.ammunition[i], false, at);
            at.y += Spacing;
        }
    const std::uint32_t mode = stats.powerUpMode;
    if (mode >= 1 && mode <= 3)
        counter(SlotPowerUp + mode, static_cast<std::uint32_t>(PowerUpSeconds(stats.powerUpCountdown)), false, at);
    return plates;
}

sf::Vector2f Hud::ViewTopLeft() const
{
    const sf::View& view = window->window.getView();
    return view.getCenter() - view.getSize() / 2.f;
}

void Hud::Draw(const PlayerStats& stats)
{
    const sf::Vector2f topLeft = ViewTopLeft();
    for (const Plate& plate : Plates(stats, static_cast<float>(window->window.getSize().x))) {
        if (plate.slot == SlotHeart)
            DrawHeartsAt(static_cast<std::uint16_t>(plate.value), topLeft + plate.anchor);
        else
            DrawCounterAt(plate.slot, plate.value, plate.left, topLeft + plate.anchor);
    }
}

void Hud::DrawCounter(std::size_t slot, std::uint32_t value, bool left)
{
    DrawCounterAt(slot, value, left, panel.getPosition() + sf::Vector2f(0, Spacing));
}

void Hud::DrawCounterAt(std::size_t slot, std::uint32_t value, bool left, sf::Vector2f at)
{
    // Slot 9 is the hearts panel's icon and has no number.
    if (slot >= SlotCount || texts[slot] == nullptr)
        return;
    const float scaleX = std::fabs(panel.getScale().x);
    panel.setScale(left ? scaleX : -scaleX, panel.getScale().y);
    panel.setPosition(at);

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
    const float left = HeartsPanelLeft(static_cast<float>(window->window.getSize().x));
    DrawHeartsAt(hearts, ViewTopLeft() + sf::Vector2f(left, Margin));
}

void Hud::DrawHeartsAt(std::uint16_t hearts, sf::Vector2f at)
{
    heartsPanel.setPosition(at);
    window->window.draw(heartsPanel);

    icons[SlotHeart].setPosition(at + sf::Vector2f(71, 3));
    window->window.draw(icons[SlotHeart]);

    for (int i = 0; i < hearts; ++i) {
        heart.setPosition(at + sf::Vector2f(47.f - 16.f * static_cast<float>(i), 3));
        window->window.draw(heart);
    }

    // The cursor for the right counters, which are mirrored.
    panel.setPosition(at.x + panel.getGlobalBounds().width, at.y);
}
