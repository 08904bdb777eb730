#include "game/objects/Lift.h"

#include "game/objects/LiftTypeTable.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace {

using Fraction = Lift::Fraction;

// Pixels per step along a straight and a diagonal segment.
constexpr int StraightStep = 3;
constexpr int DiagonalStep = 2;
// A falling lift's speed grows by 1/7 px per step (1/14 while slowed).
constexpr int FallDivisor = 7;
constexpr int SlowedFallDivisor = 14;

// The largest denominator of a position on a segment of this displacement,
// times the position's largest magnitude on it, must fit an int: a position
// is the segment's start plus delta * progress / length, where progress
// moves in halves (time distortion halves the step).
bool SegmentFits(std::int64_t from, std::int64_t to, std::int64_t delta, std::int64_t length) {
    const std::int64_t twice = 2 * length;
    const std::int64_t denominator = twice / std::gcd(twice, delta < 0 ? -delta : delta);
    // A step of up to 3 px and the half height added for the centre, with
    // the denominator doubled for that half.
    const std::int64_t magnitude = std::max(from < 0 ? -from : from, to < 0 ? -to : to) + 8;
    return magnitude * 2 * denominator <= std::numeric_limits<int>::max();
}

void CountUp(std::int16_t& counter) {
    if (counter < std::numeric_limits<std::int16_t>::max())
        ++counter;
}

float ToFloat(const Fraction& value) { return boost::rational_cast<float>(value); }

}  // namespace

Lift::Lift(std::int32_t kind_, int x, int y)
    : startX(x),
      startY(y),
      currentX(x),
      currentY(y),
      kind(kind_),
      index(0),
      progress(0),
      forward(kind_ != TriggeredDrop),
      triggerTimer(0),
      wait(0),
      slowedHalfStep(false) {
    LiftTypeTable::Get(kind);  // rejects a kind outside the table
}

Lift::~Lift() = default;

sf::Vector2f Lift::GetPosition() const {
    const sf::IntRect& rect = LiftTypeTable::Get(kind);
    return sf::Vector2f(ToFloat(currentX), ToFloat(currentY + Fraction(rect.height, 2)));
}

sf::Vector2f Lift::GetSize() const {
    const sf::IntRect& rect = LiftTypeTable::Get(kind);
    return sf::Vector2f(static_cast<float>(rect.width), static_cast<float>(rect.height));
}

sf::IntRect Lift::GetTextureRect() const { return LiftTypeTable::Get(kind); }

sf::Uint8 Lift::GetAlpha() const {
    const int faded = std::abs(static_cast<int>(triggerTimer)) * 255 / ResetTime;
    return static_cast<sf::Uint8>(255 - std::min(faded, 255));
}

Lift::Motion Lift::GetCarryMotion(bool slowed, bool assumeTriggered, Fraction* speedOut, Fraction* lengthOut) const {
    const Motion still(0, 0);
    if (IsTriggeredKind()) {
        if (triggerTimer == 0 && !assumeTriggered)
            return still;
        if (wait > RestSteps)
            return Motion(0, Fraction(wait - RestSteps, slowed ? SlowedFallDivisor : FallDivisor));
        if (wait >= 1 || kind == TriggeredDrop)
            return still;
    }
    if (index >= waypoints.size())
        return still;  // an empty path, or past its end

    const LiftWaypoint& waypoint = waypoints[index];
    const int length = std::max(std::abs(waypoint.dx), std::abs(waypoint.dy));
    if (length == 0) {
        // A segment without length ends at once.
        if (speedOut)
            *speedOut = 0;
        if (lengthOut)
            *lengthOut = 0;
        return still;
    }
    const int d = waypoint.dx != 0 && waypoint.dy != 0 ? DiagonalStep : StraightStep;
    // Unslowed, a lift that was slowed mid-segment finishes its half-step
    // first, so that it still meets the segment's end exactly.
    const int denominator = slowed || (progress / d).denominator() != 1 ? 2 : 1;
    Fraction speed(d, denominator);
    // The last step of a segment whose length is not a whole number of
    // steps stops on the waypoint instead of running past it.
    speed = std::min(speed, Fraction(length) - progress);
    if (speed < 0)
        speed = 0;

    Motion motion(Fraction(waypoint.dx, length) * speed, Fraction(waypoint.dy, length) * speed);
    if (!forward)
        motion = Motion(-motion.first, -motion.second);
    if (speedOut)
        *speedOut = speed;
    if (lengthOut)
        *lengthOut = length;
    return motion;
}

float Lift::GetCarryMotionX(bool slowed) const { return ToFloat(GetCarryMotion(slowed, true).first); }

void Lift::Update(bool slowed) {
    if (IsTriggeredKind()) {
        if (wait > 0)
            CountUp(wait);
        if (triggerTimer == 0)
            return;
        if (triggerTimer > 0) {
            // Time distortion halves the count: every other slowed step.
            const bool rises = !slowed || slowedHalfStep;
            slowedHalfStep = slowed && !slowedHalfStep;
            if (rises)
                CountUp(triggerTimer);
            if (triggerTimer >= ResetTime) {
                Reset();
                return;
            }
        }
    }
    Fraction speed(0);
    Fraction length(0);
    const Motion motion = GetCarryMotion(slowed, false, &speed, &length);
    currentX += motion.first;
    currentY += motion.second;
    progress += speed;
    if (progress == length && wait == 0)
        NextWaypoint();
}

void Lift::NextWaypoint() {
    progress = 0;
    const std::int64_t count = static_cast<std::int64_t>(waypoints.size());
    const std::int64_t next = static_cast<std::int64_t>(index) + (forward ? 1 : -1);
    index = static_cast<std::uint32_t>(next);
    const bool atFront = next >= count;
    const bool atBack = next < 0;
    if (!atFront && !atBack)
        return;
    switch (kind) {
    case Triggered:
        wait = 1;
        break;
    case TriggeredDrop:
        wait = RestSteps;
        break;
    case BackAndForth:
        if (waypoints.empty()) {
            index = 0;
        } else if (atFront) {
            index = static_cast<std::uint32_t>(count - 1);
            forward = false;
        } else {
            index = 0;
            forward = true;
        }
        break;
    default:  // Loop
        Reset();
        break;
    }
}

void Lift::Reset() {
    currentX = startX;
    currentY = startY;
    progress = 0;
    index = 0;
    forward = kind != TriggeredDrop;
    triggerTimer = 0;
    wait = 0;
    slowedHalfStep = false;
}

bool Lift::FitsMap(std::int64_t width, std::int64_t height) const {
    auto inside = [&](std::int64_t x, std::int64_t y) {
        return x >= -MapMargin && x <= width + MapMargin && y >= -MapMargin && y <= height + MapMargin;
    };
    std::int64_t x = startX.numerator() / startX.denominator();
    std::int64_t y = startY.numerator() / startY.denominator();
    if (!inside(x, y))
        return false;
    for (const LiftWaypoint& waypoint : waypoints) {
        const std::int64_t dx = waypoint.dx;
        const std::int64_t dy = waypoint.dy;
        if (!inside(x + dx, y + dy))
            return false;
        const std::int64_t length = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
        if (length > 0 && !(SegmentFits(x, x + dx, dx, length) && SegmentFits(y, y + dy, dy, length)))
            return false;
        x += dx;
        y += dy;
    }
    return true;
}

float Lift::GetFallAcceleration() {
    static const Fraction acceleration(1, FallDivisor);
    return ToFloat(acceleration);
}
