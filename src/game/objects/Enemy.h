#pragma once

#include "game/objects/Collidable.h"
#include "game/objects/EnemyTypeTable.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>

// A creature of the level, placed by the level file and woken by tiles.
//
// The counter tells its life: -20 or below asleep (the world does not update
// it until a tile trigger sets -19); -19 to -1 waking, counting up to 0 (the
// faller, kind 11, instead hangs at -1 until a trigger sets 0); 0 active;
// above 0 dying, counting up until the death is over at DeathSteps.
class Enemy : public Collidable {
public:
    // The faller: hangs from the ceiling until triggered, dies on landing.
    static constexpr std::int32_t FallerKind = 11;
    static constexpr std::int32_t AsleepCounter = -20;
    static constexpr std::int32_t WakingCounter = -19;
    static constexpr std::int32_t HangingCounter = -1;
    static constexpr std::int32_t DeathSteps = 30;
    static constexpr std::int32_t StartAnimationCounter = -50;
    static constexpr std::int32_t StartFireTimer = 50;
    // Death modes, set by the world with the counter. Only DeathKilled makes
    // the body glide further (friction 0.99 instead of 0.9).
    static constexpr std::int32_t DeathStomped = 0;
    static constexpr std::int32_t DeathKilled = 1;
    static constexpr std::int32_t DeathFell = 2;
    static constexpr std::int32_t DeathBurnt = 3;
    // Speed limit while waking or dying, so that a knock-away keeps its speed.
    static constexpr float UnlimitedSpeed = 1e10f;

    // An enemy as the level file places it: the kind's box size, standing,
    // asleep (a faller hanging), not yet animated. Throws std::out_of_range
    // for a kind outside EnemyTypeTable.
    Enemy(std::int32_t kind, float x, float y, bool facingRight);

    sf::IntRect GetTextureRect() const override;
    void Update(bool slowed) override;
    // Turns around.
    void HitWall() override;
    float GetMaxSpeed() const override;
    float GetJumpStrength() const override;
    float GetFriction() const override;
    bool IsFlying() const override;
    // Flag-0x10 tiles stop enemies like walls; tile 22 too, except for the
    // dying.
    bool IsBlocking(std::uint32_t column, std::uint32_t row, PassKind kind, bool vertical) const override;

    // The row of EnemyTypeTable for this enemy's kind.
    const EnemyType& GetType() const { return EnemyTypeTable::Get(kind); }
    // Active: counter 0, or a faller hanging at -1.
    bool IsAlive() const;
    bool IsDying() const { return counter > 0; }
    bool IsDeathOver() const { return counter >= DeathSteps; }
    // After a shot: the fire timer (in half-steps) becomes twice the kind's
    // fire interval, held at the largest value for kinds that never fire.
    void ReloadFireTimer();

    std::int32_t kind;
    // How it died (see the Death constants).
    std::int32_t deathMode;
    std::int32_t counter;
    // Half-steps of life: 2 a step, 1 while time is slowed.
    std::int32_t animationCounter;
    // Half-steps until the next shot.
    std::int32_t fireTimer;
    // The table box's left and top.
    sf::Vector2f boxOffset;
};
