#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <cstdint>
#include <vector>

class GameWindow;
struct PlayerStats;

namespace sf {
class Font;
class Texture;
}  // namespace sf

// The head-up display: on the left the score, the lives and the coins toward
// the next life; on the right the hearts, the ammunition counts and the
// seconds left of a power-up. Everything is placed relative to the corner of
// the window's current view, so it stays put on the screen while the view
// scrolls.
class Hud {
public:
    // Icon slots.
    static constexpr std::size_t SlotCoins = 0;
    static constexpr std::size_t SlotLives = 1;
    static constexpr std::size_t SlotTotal = 2;
    static constexpr std::size_t SlotRockets = 3;
    static constexpr std::size_t SlotPowerUp = 5;  // plus the power-up mode
    static constexpr std::size_t SlotHeart = 9;
    static constexpr std::size_t SlotCount = 10;

    // What the display cuts from the menu texture: the icon of each slot,
    // the background of a counter, that of the hearts, and one heart.
    static const std::array<sf::IntRect, SlotCount> IconRects;
    static const sf::IntRect PanelRect;
    static const sf::IntRect HeartsPanelRect;
    static const sf::IntRect HeartRect;

    // One plate of the display as it lies on the screen, relative to the
    // top-left corner of the view: a counter, or the hearts panel (slot
    // SlotHeart, its value the hearts).
    struct Plate {
        std::size_t slot;
        std::uint32_t value;
        // A left counter extends rightwards from its anchor; a right counter
        // is mirrored and extends leftwards from it.
        bool left;
        // Where the panel sprite is put for it.
        sf::Vector2f anchor;
        // What the plate covers.
        sf::FloatRect box;
    };

    // The plates drawn for the stats in a window of the given width in
    // pixels, in the order they are drawn: on the left the score, the
    // lives and the coins, one under the other; on the right the hearts
    // panel, then one counter for each kind of ammunition held and one for
    // a power-up, with no gap for a count of 0.
    static std::vector<Plate> Plates(const PlayerStats& stats, float windowWidth);

    Hud(GameWindow& gameWindow, const sf::Texture& menuTexture, const sf::Font& gameFont);
    ~Hud();
    Hud(const Hud&) = delete;
    Hud& operator=(const Hud&) = delete;

    void Draw(const PlayerStats& stats);
    // One counter below the last one; left counters extend rightwards from
    // the cursor, right counters are mirrored and extend leftwards. Every
    // counter is unsigned: the score may use all 32 bits.
    void DrawCounter(std::size_t slot, std::uint32_t value, bool left);
    void DrawHearts(std::uint16_t hearts);

    // Seconds shown for a power-up countdown in steps.
    static int PowerUpSeconds(std::uint32_t countdown);

    GameWindow* window;
    const sf::Texture* texture;
    const sf::Font* font;
    std::array<sf::Sprite, SlotCount> icons;
    // Slots 3 to 5 share one text, so do 6 to 8; slot 9 has none.
    std::array<sf::Text*, SlotCount> texts;
    // The background of one counter, and the layout cursor.
    sf::Sprite panel;
    sf::Sprite heartsPanel;
    sf::Sprite heart;

private:
    // A counter with its panel at `at`, in the current view.
    void DrawCounterAt(std::size_t slot, std::uint32_t value, bool left, sf::Vector2f at);
    // The hearts panel at `at`, in the current view.
    void DrawHeartsAt(std::uint16_t hearts, sf::Vector2f at);
    sf::Vector2f ViewTopLeft() const;
};
