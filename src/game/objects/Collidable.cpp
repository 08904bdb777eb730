#include "game/objects/Collidable.h"

#include <algorithm>
#include <cmath>

Collidable::Collidable(float x_, float y_, float width_, float height_, bool facingRight_)
    : x(x_),
      y(y_),
      stepMotionX(0),
      verticalSpeed(0),
      acceleration(0),
      width(width_),
      height(height_),
      horizontalSpeed(0),
      state(StateOnGround),
      lift(nullptr),
      facingRight(facingRight_) {}

Collidable::~Collidable() = default;

sf::Vector2f Collidable::GetPosition() const { return sf::Vector2f(x, y); }

sf::Vector2f Collidable::GetSize() const { return sf::Vector2f(width, height); }

sf::Uint8 Collidable::GetAlpha() const { return 255; }

void Collidable::HitCeiling() {
    if (IsOnSlope())
        HitWall();
}

void Collidable::Move(bool halved) {
    float max = GetMaxSpeed();
    if (halved)
        max *= 0.5f;
    horizontalSpeed += acceleration;
    horizontalSpeed = std::min(horizontalSpeed, max);
    horizontalSpeed = std::max(horizontalSpeed, -max);
    if (state != StateFrozen) {
        stepMotionX += horizontalSpeed;
        x += stepMotionX;
        y += verticalSpeed;
    }
    if (horizontalSpeed > 0)
        facingRight = true;
    else if (horizontalSpeed < 0)
        facingRight = false;
}

void Collidable::ApplyFriction() {
    horizontalSpeed *= GetFriction();
    if (std::fabs(horizontalSpeed) < GetStopThreshold())
        horizontalSpeed = 0;
    stepMotionX = 0;
    acceleration = 0;
}

void Collidable::BeginMove() {
    switch (state) {
    case StateCaughtByLift:
        state = StateRidingLift;
        break;
    case StateClimbing:
    case StateAtLadderAirborne:
    case StateAtLadderStanding:
        break;
    default:
        state = StateAirborne;
        break;
    }
    tileOverrides.clear();
}

bool Collidable::Jump(float factor) {
    if (state == StateAirborne || state == StateAtLadderAirborne)
        return false;
    ForceJump(factor);
    return true;
}

void Collidable::ForceJump(float factor) {
    verticalSpeed = -(GetJumpStrength() * factor);
    state = StateAirborne;
}

float Collidable::GetAcceleration() const { return GetMaxSpeed(); }

float Collidable::GetFriction() const { return 1.0f; }

float Collidable::GetStopThreshold() const { return 0.3f; }

float Collidable::GetSlopeSpeed(bool downhill, float speed) const { return downhill ? 10.0f : -speed; }

bool Collidable::IsRising() const { return false; }

bool Collidable::IsBlocking(std::uint32_t column, std::uint32_t row, PassKind kind, bool vertical) const {
    for (const TileOverride& entry : tileOverrides)
        if (entry.column == column && entry.row == row)
            return entry.blocks;

    const float cellLeft = static_cast<float>(column) * 36;
    const float cellRight = static_cast<float>(column + 1) * 36;
    const float cellTop = static_cast<float>(row) * 36;
    const float cellBottom = static_cast<float>(row + 1) * 36;
    const float m = stepMotionX;
    const float v = verticalSpeed;

    switch (kind) {
    case PassSolid:
        return true;
    case PassLeftwardsOnly:  // stops what comes from the left
        return !vertical && m >= 0 && cellLeft >= Right() - 2 * m - 4;
    case PassRightwardsOnly:  // stops what comes from the right
        return !vertical && m <= 0 && Left() - 2 * m + 4 >= cellRight;
    case PassPlatform:  // stops what falls onto it from above
        return vertical && v >= 0 && cellTop >= Bottom() - v - 4;
    case PassSolidFromBelow:  // stops what rises into it from below
        return vertical && v <= 0 && Top() - v + 4 >= cellBottom;
    default:
        return false;
    }
}
