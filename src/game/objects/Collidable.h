#pragma once

#include "game/objects/MoveState.h"
#include "game/objects/Object.h"
#include "game/objects/PassKind.h"

#include <cstdint>
#include <vector>

class LiftCarrier;

// A per-step exception to the blocking rule for one tile cell.
struct TileOverride {
    std::uint32_t column;
    std::uint32_t row;
    bool blocks;
};

// A game object that moves under simple per-step physics and collides with
// the tile grid. Each step the movement driver calls ApplyFriction, sets the
// acceleration, applies gravity and lifts, then Move, BeginMove, the tile
// passes (IsBlocking, HitWall, HitCeiling, GetSlopeSpeed) and Update.
class Collidable : public Object {
public:
    Collidable(float x, float y, float width, float height, bool facingRight);
    ~Collidable() override;

    sf::Vector2f GetPosition() const override;
    sf::Vector2f GetSize() const override;
    sf::Uint8 GetAlpha() const override;

    // One step of the object's own logic; slowed while time is distorted.
    virtual void Update(bool slowed) = 0;
    // A horizontal move was blocked.
    virtual void HitWall() = 0;
    virtual void HitCeiling();
    // Accelerates, clamps the speed (to half the maximum when halved) and
    // moves, except in StateFrozen.
    virtual void Move(bool halved);
    virtual void ApplyFriction();
    // Resets the state for this step's tile passes and drops the overrides.
    virtual void BeginMove();
    // Refused (false) while airborne.
    virtual bool Jump(float factor);
    virtual void ForceJump(float factor);
    virtual float GetMaxSpeed() const = 0;
    virtual float GetJumpStrength() const = 0;
    virtual float GetAcceleration() const;
    virtual float GetFriction() const;
    virtual float GetStopThreshold() const;
    virtual float GetSlopeSpeed(bool downhill, float speed) const;
    virtual bool IsFlying() const = 0;
    virtual bool IsRising() const;
    // Whether the tile at (column, row) stops the object; vertical in the
    // floor and ceiling passes, not in the wall pass.
    virtual bool IsBlocking(std::uint32_t column, std::uint32_t row, PassKind kind, bool vertical) const;

    bool IsOnSlope() const { return state == StateOnRisingSlope || state == StateOnFallingSlope; }

    float Left() const { return x - width / 2; }
    float Right() const { return x + width / 2; }
    float Top() const { return y - height / 2; }
    float Bottom() const { return y + height / 2; }

    // Centre position in world pixels (y grows downwards).
    float x;
    float y;
    // Horizontal displacement of the current step.
    float stepMotionX;
    // Pixels per step, positive downwards.
    float verticalSpeed;
    // Horizontal acceleration set by the steering each step.
    float acceleration;
    float width;
    float height;
    // Pixels per step, signed.
    float horizontalSpeed;
    std::vector<TileOverride> tileOverrides;
    std::int32_t state;
    // The lift the object rides, or null.
    LiftCarrier* lift;
    bool facingRight;
};
