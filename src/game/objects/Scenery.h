#pragma once

#include "game/objects/Object.h"
#include "game/objects/SceneryTypeTable.h"

#include <cstdint>

// A decorative sprite in front of or behind the tiles: static, animated or
// swinging.
class Scenery : public Object {
public:
    // How far the swinging kinds swing, in front of and behind the tiles.
    static constexpr float ForegroundSwing = 100;
    static constexpr float BackgroundSwing = 50;
    // Counter half-steps of one full swing.
    static constexpr std::uint32_t SwingPeriod = 1000;

    // A piece at (x, y), its centre. Throws std::out_of_range for a kind
    // outside SceneryTypeTable.
    Scenery(std::int32_t kind, float x, float y, bool facingRight);
    ~Scenery() override;

    // The position moved by the swing.
    sf::Vector2f GetPosition() const override;
    sf::Vector2f GetSize() const override;
    // In the scenery texture; animated kinds move to their current frame.
    sf::IntRect GetTextureRect() const override;
    sf::Uint8 GetAlpha() const override;

    // One step: the counter advances by 2 (1 while time is slowed) and the
    // swinging kinds move their offset, up to swingAmplitude pixels
    // (ForegroundSwing or BackgroundSwing).
    void Update(bool slowed, float swingAmplitude);

    const SceneryType& GetType() const { return SceneryTypeTable::Get(kind); }

    std::int32_t kind;
    // The centre.
    float x;
    float y;
    // The renderer mirrors the sprite when false.
    bool facingRight;
    // Half-steps of life.
    std::uint32_t counter;
    // The swing displacement.
    float offsetX;
    float offsetY;
};
