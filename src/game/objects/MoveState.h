#pragma once

#include <cstdint>

// How a moving object stands this step. The tile passes set it anew every
// step (see Collidable::BeginMove).
enum MoveState : std::int32_t {
    StateAirborne = 0,         // jumping or falling
    StateOnGround = 1,
    StateOnRisingSlope = 2,
    StateOnFallingSlope = 3,
    StateCaughtByLift = 4,     // caught in this step's lift pass, before the move
    StateRidingLift = 5,
    StateClimbing = 6,
    StateAtLadderAirborne = 7, // in front of a climbable tile while airborne
    StateAtLadderStanding = 8, // in front of a climbable tile while standing
    StateFrozen = 9,           // speeds change, the position does not (warping)
};
