#pragma once

#include "game/objects/Collidable.h"
#include "game/objects/ItemKind.h"

#include <cstdint>

// A collectible that bounces where it was dropped, fades and expires.
class Item : public Collidable {
public:
    static constexpr float Size = 25;
    // The age at which it starts to fade, and at which it is gone.
    static constexpr std::int32_t FadeAge = 450;
    static constexpr std::int32_t ExpiryAge = 550;

    // A new item at (x, y) thrown upwards; a coin, a life and a heart also
    // sideways at random. Made while time is slowed, it is thrown slower.
    // Throws std::out_of_range for a kind outside ItemKind.
    Item(std::int32_t kind, bool slowed, float x, float y);

    // A coin's rectangle lies in the special tile texture, every other
    // kind's in the item texture.
    sf::IntRect GetTextureRect() const override;
    sf::Uint8 GetAlpha() const override;
    // Ages, expires, and bounces on each landing.
    void Update(bool slowed) override;
    // Turns around.
    void HitWall() override;
    float GetMaxSpeed() const override;
    float GetJumpStrength() const override;
    float GetAcceleration() const override;
    float GetFriction() const override;
    float GetStopThreshold() const override;
    bool IsFlying() const override;

    bool IsExpired() const { return expired; }

    float maxSpeed;
    std::int32_t kind;
    // Steps since it was made.
    std::int32_t age;
    // Collected, burnt or too old: removed at the end of the step.
    bool expired;
};
