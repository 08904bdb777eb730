#pragma once

#include "game/objects/Collidable.h"
#include "game/objects/WeaponKind.h"
#include "game/objects/WeaponTypeTable.h"

#include <cstdint>

// A rocket, rolling bomb or mine of the player, or an enemy's shot. It is
// hit (and removed, usually with an explosion) once it strikes something.
class Weapon : public Collidable {
public:
    // A new weapon at (x, y) with the box of its kind's rectangle, already
    // moving at the kind's maximum speed the way it faces. Throws
    // std::out_of_range for a kind outside WeaponTypeTable.
    Weapon(std::int32_t kind, float x, float y, bool facingRight);

    // In the item texture.
    sf::IntRect GetTextureRect() const override;
    void Update(bool slowed) override;
    // Marks it hit.
    void HitWall() override;
    float GetMaxSpeed() const override;
    float GetJumpStrength() const override;
    bool IsFlying() const override;

    // What a kind does on its own each step: the spit fireball (kind 5) is
    // thrown up at a random speed on its first step; the spit fireball and
    // the bombs of kinds 8 and 9 burst on landing.
    void UpdateKind();

    bool IsHit() const { return hit; }
    const WeaponType& GetType() const { return WeaponTypeTable::Get(kind); }

    // Steps since it was made.
    std::int32_t age;
    std::int32_t kind;
    // Struck something: to explode and be removed.
    bool hit;
    // Degrees; for the spit fireball its random maximum speed instead.
    float angle;
};
