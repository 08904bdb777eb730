#pragma once

#include "app/PlayerStats.h"
#include "game/objects/Collidable.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>

// The character that the user steers.
class Player : public Collidable {
public:
    static constexpr float StartX = 400;
    static constexpr float StartY = 400;
    static constexpr float Width = 24;
    static constexpr float Height = 32;
    static constexpr float MaxSpeed = 3.7f;
    static constexpr float JumpStrength = 10.0f;
    static constexpr float Acceleration = 0.5f;
    static constexpr float AirFriction = 0.94f;
    static constexpr float GroundFriction = 0.9f;
    static constexpr float SlopeSpeed = 10.0f;
    static constexpr float ThrustPower = 0.55f;
    static constexpr float MaxThrustSpeed = 6.5f;
    // Horizontal speed limit while climbing or dead.
    static constexpr float HeldSpeed = 0.2f;
    static constexpr std::int32_t JumpTime = 9;
    static constexpr std::int32_t SpawnProtectionTime = 30;
    // Steps of a warp; the player changes place at the half.
    static constexpr std::int32_t WarpSteps = 100;
    static constexpr std::int32_t WarpJump = 50;
    // The hurt timer at which a dying player is held still.
    static constexpr std::int32_t DeathHold = 99;
    // Coins that give an extra life.
    static constexpr std::uint16_t CoinsPerLife = 50;
    static constexpr std::uint16_t MaxHearts = 3;

    // Takes only the lives, coins, total and ammunition of the stats: a new
    // player starts with full hearts and no power-up.
    explicit Player(const PlayerStats& startStats);

    sf::IntRect GetTextureRect() const override;
    void Update(bool slowed) override;
    void HitWall() override;
    void HitCeiling() override;
    // Ignores halving: time distortion never slows the player.
    void Move(bool halved) override;
    void ApplyFriction() override;
    void BeginMove() override;
    // The factor is not used: a player's jump is always full strength.
    bool Jump(float factor) override;
    float GetMaxSpeed() const override;
    float GetJumpStrength() const override;
    float GetAcceleration() const override;
    float GetFriction() const override;
    float GetSlopeSpeed(bool downhill, float speed) const override;
    bool IsFlying() const override;
    bool IsRising() const override;
    bool IsBlocking(std::uint32_t column, std::uint32_t row, PassKind kind, bool vertical) const override;
    // A jump that is not the player's own (a stomp or a trampoline).
    virtual void Bounce(float factor, bool risingFlag);

    // Applies a collected item (an item kind) to the stats.
    void Collect(int itemKind);
    // One step of jetpack thrust.
    void Thrust();
    // The alpha of the screen overlay: a flash around the middle of a warp,
    // a fade to full while dying.
    sf::Uint8 GetOverlayAlpha() const;
    // The animated cell drawn beside the player during time distortion.
    sf::IntRect GetFlameRect(std::uint32_t counter) const;

    PlayerStats stats;
    sf::Vector2f warpTarget;
    // Where the player is held during the first half of a warp.
    sf::Vector2f warpSource;
    // 0 idle; 1 to 99 warp running; -1 finished.
    std::int32_t warpCounter;
    // Negative: protected, counting up to 0; positive: dying, counting up.
    std::int32_t hurtTimer;
    // Steps in a row with and without motion.
    std::int32_t motionCounter;
    std::int32_t idleCounter;
    // Set by a jump, counts down to 0.
    std::int32_t jumpTimer;
    // Hit a ceiling this step.
    bool bumped;
    // In the rising part of a jump or bounce.
    bool rising;
    // A jump was tried and must be released before the next.
    bool jumpLatch;
    // The jetpack pushed this step.
    bool thrusting;
    // The body is drawn and moves.
    bool shown;
    // The current protection comes from a (re)spawn.
    bool spawnProtection;
};
