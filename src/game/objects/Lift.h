#pragma once

#include "game/objects/LiftCarrier.h"
#include "game/objects/Object.h"

#include <boost/rational.hpp>

#include <cstdint>
#include <utility>
#include <vector>

// One segment of a lift's path: a displacement in pixels.
struct LiftWaypoint {
    std::int32_t dx;
    std::int32_t dy;
};

// A moving platform that follows a path of relative waypoints. Its position
// is exact (fractions), so it lands exactly on every waypoint, also while
// time distortion halves its speed. Objects standing on it are carried by
// the tile collider; the world update steps it.
//
// Kinds: 0 triggered (moves once ridden; rests at the path's end, then
// falls), 1 back and forth, 2 loop (jumps back to its start at the end),
// 3 triggered drop (falls as soon as it is ridden).
class Lift : public Object, public LiftCarrier {
public:
    using Fraction = boost::rational<int>;
    using Motion = std::pair<Fraction, Fraction>;

    static constexpr std::int32_t Triggered = 0;
    static constexpr std::int32_t BackAndForth = 1;
    static constexpr std::int32_t Loop = 2;
    static constexpr std::int32_t TriggeredDrop = 3;
    // Steps that a triggered lift rests at its path's end before it falls.
    static constexpr std::int16_t RestSteps = 20;
    // Steps after the last ride at which a triggered lift returns to its start.
    static constexpr std::int16_t ResetTime = 300;

    // A lift at (x, y) (x of the centre, y of the top edge) without a path
    // yet: the caller appends the waypoints. Throws std::out_of_range for a
    // kind outside LiftTypeTable.
    Lift(std::int32_t kind, int x, int y);
    ~Lift() override;

    // The centre.
    sf::Vector2f GetPosition() const override;
    sf::Vector2f GetSize() const override;
    sf::IntRect GetTextureRect() const override;
    // Fades out over the steps after the last ride.
    sf::Uint8 GetAlpha() const override;

    // One step along the path, or resting, falling and returning.
    void Update(bool slowed);
    // The lift's displacement for this step without changing the lift. The
    // out parameters, when given, receive the step's distance along the
    // segment's longer axis and the segment's length; they are left as they
    // are when the lift is not walking its path (idle, resting or falling).
    Motion GetCarryMotion(bool slowed, bool assumeTriggered, Fraction* speed = nullptr, Fraction* length = nullptr) const;
    // The horizontal carry motion as a rider asks for it (as if triggered).
    float GetCarryMotionX(bool slowed) const override;
    // Goes on to the next segment, handling the path's end by kind.
    void NextWaypoint();
    // Back to the start, idle.
    void Reset();
    // The extra downward speed given to an object on a falling lift.
    static float GetFallAcceleration();

    // How far outside the map a lift's path may reach, in pixels.
    static constexpr std::int32_t MapMargin = 16 * 36;
    // Whether the start and every waypoint lie on the map of the given size
    // in pixels or within MapMargin around it, and every position the lift
    // passes on the way is an exact fraction that its integers can hold.
    bool FitsMap(std::int64_t width, std::int64_t height) const;

    bool IsTriggeredKind() const { return kind == Triggered || kind == TriggeredDrop; }
    // Falling, or about to on the next step (kinds 0 and 3): the tile
    // collider adds GetFallAcceleration to the motion of what it carries.
    bool IsFalling() const { return wait >= RestSteps; }

    Fraction startX;
    Fraction startY;
    Fraction currentX;
    Fraction currentY;
    std::int32_t kind;
    std::vector<LiftWaypoint> waypoints;
    // The current segment.
    std::uint32_t index;
    // Distance covered on the current segment, along its longer axis.
    Fraction progress;
    // Walking the path forwards (backwards: each displacement negated).
    bool forward;
    // 0 idle; set to 1 by the world every step the player rides the lift;
    // counts up afterwards.
    std::int16_t triggerTimer;
    // 0 until a triggered lift reaches its path's end; then counts up.
    std::int16_t wait;
    // While time is slowed the trigger timer rises every other step; this
    // tells which half of the pair the next slowed step is.
    bool slowedHalfStep;
};
