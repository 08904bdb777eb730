#include "game/objects/Player.h"

#include "game/objects/AnimationTables.h"
#include "game/objects/LiftCarrier.h"
#include "game/objects/PowerUpDuration.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace {

// Counts stop at the top of their range instead of wrapping to 0.
template <typename T>
void AddSaturating(T& count, T amount) {
    const T room = std::numeric_limits<T>::max() - count;
    count = amount > room ? std::numeric_limits<T>::max() : static_cast<T>(count + amount);
}

void CountUp(std::int32_t& counter) {
    if (counter < std::numeric_limits<std::int32_t>::max())
        ++counter;
}

// What each item kind does when the player collects it.
enum class Gain { Coin, Life, Heart, Ammunition, PowerUp };

struct CollectRule {
    Gain gain;
    // Weapon slot for ammunition, power-up mode for power-ups.
    std::uint32_t which;
    std::uint16_t amount;
};

constexpr std::array<CollectRule, 12> CollectTable = {{
    /*  0 coin          */ {Gain::Coin, 0, 1},
    /*  1 life          */ {Gain::Life, 0, 1},
    /*  2 heart         */ {Gain::Heart, 0, 1},
    /*  3 rocket        */ {Gain::Ammunition, 0, 1},
    /*  4 rolling bomb  */ {Gain::Ammunition, 1, 1},
    /*  5 mine          */ {Gain::Ammunition, 2, 1},
    /*  6 3 rockets     */ {Gain::Ammunition, 0, 3},
    /*  7 3 bombs       */ {Gain::Ammunition, 1, 3},
    /*  8 3 mines       */ {Gain::Ammunition, 2, 3},
    /*  9 titan suit    */ {Gain::PowerUp, PlayerStats::Invulnerability, 0},
    /* 10 time suit     */ {Gain::PowerUp, PlayerStats::TimeDistortion, 0},
    /* 11 jetpack suit  */ {Gain::PowerUp, PlayerStats::Jetpack, 0},
}};

}  // namespace

Player::Player(const PlayerStats& startStats)
    : Collidable(StartX, StartY, Width, Height, true),
      warpTarget(0, 0),
      warpSource(0, 0),
      warpCounter(0),
      hurtTimer(-SpawnProtectionTime),
      motionCounter(0),
      idleCounter(0),
      jumpTimer(1),
      bumped(false),
      rising(false),
      jumpLatch(false),
      thrusting(false),
      shown(true),
      spawnProtection(true) {
    stats.lives = startStats.lives;
    stats.coins = startStats.coins;
    stats.totalCoins = startStats.totalCoins;
    stats.ammunition = startStats.ammunition;
    stats.hearts = MaxHearts;
    stats.powerUpMode = PlayerStats::NoPowerUp;
    stats.powerUpCountdown = 0;
}

sf::IntRect Player::GetTextureRect() const {
    std::uint32_t pose = PoseRunning;
    std::uint32_t ticks = static_cast<std::uint32_t>(motionCounter);
    const bool airborne = state == StateAirborne || state == StateAtLadderAirborne;
    if (hurtTimer >= 1) {
        pose = PoseDying;
        ticks = static_cast<std::uint32_t>(hurtTimer);
    } else if (state == StateClimbing) {
        pose = PoseClimbing;
        ticks = static_cast<std::uint32_t>(motionCounter);
    } else if (airborne && verticalSpeed < 0) {
        pose = PoseRising;
        ticks = 0;
    } else if (airborne) {
        pose = PoseFalling;
        ticks = verticalSpeed < 0.7f ? 1 : verticalSpeed < 1.4f ? 2 : 0;
    } else if (stepMotionX == 0) {
        pose = PoseStanding;
        ticks = hurtTimer < 0 ? 0 : static_cast<std::uint32_t>(idleCounter);
    }
    const std::uint32_t step = PlayerAnimations[pose].GetStep(ticks);
    return sf::IntRect(static_cast<int>(pose * 24), static_cast<int>(step * 32), 24, 32);
}

void Player::Update(bool slowed) {
    float motion = verticalSpeed;
    if (state != StateClimbing) {
        motion = stepMotionX;
        if (lift)
            motion -= lift->GetCarryMotionX(slowed);
    }
    if (motion == 0) {
        CountUp(idleCounter);
        motionCounter = 0;
    } else {
        CountUp(motionCounter);
        idleCounter = 0;
    }

    if (jumpTimer > 0)
        --jumpTimer;

    if (warpCounter > 0) {
        ++warpCounter;
        state = StateFrozen;
        if (warpCounter < WarpJump) {
            x = warpSource.x;
            y = warpSource.y;
        } else if (warpCounter == WarpJump) {
            x = warpTarget.x;
            y = warpTarget.y;
        } else if (warpCounter >= WarpSteps) {
            warpCounter = -1;
        }
    }

    if (stats.powerUpCountdown != 0) {
        --stats.powerUpCountdown;
        if (stats.powerUpCountdown == 0)
            stats.powerUpMode = PlayerStats::NoPowerUp;
    }

    if (hurtTimer != 0)
        CountUp(hurtTimer);
    else
        spawnProtection = false;
}

void Player::HitWall() {
    stepMotionX = 0;
    horizontalSpeed = 0;
}

void Player::HitCeiling() { bumped = true; }

void Player::Move(bool /*halved*/) {
    if (shown)
        Collidable::Move(false);
}

void Player::ApplyFriction() {
    Collidable::ApplyFriction();
    thrusting = false;
    if (state == StateClimbing || hurtTimer > DeathHold) {
        horizontalSpeed = std::clamp(horizontalSpeed, -HeldSpeed, HeldSpeed);
        verticalSpeed = 0;
    } else if (verticalSpeed > 0) {
        rising = false;
    }
}

void Player::BeginMove() {
    Collidable::BeginMove();
    bumped = false;
}

bool Player::Jump(float /*factor*/) {
    const bool airborne = state == StateAirborne || state == StateAtLadderAirborne;
    if (rising || jumpLatch || airborne || (IsOnSlope() && bumped)) {
        jumpLatch = true;
        return false;
    }
    verticalSpeed = -GetJumpStrength();
    state = StateAirborne;
    rising = true;
    jumpLatch = true;
    jumpTimer = JumpTime;
    return true;
}

float Player::GetMaxSpeed() const { return MaxSpeed; }

float Player::GetJumpStrength() const { return JumpStrength; }

float Player::GetAcceleration() const { return Acceleration; }

float Player::GetFriction() const {
    return state == StateAirborne || state == StateAtLadderAirborne ? AirFriction : GroundFriction;
}

float Player::GetSlopeSpeed(bool, float) const { return SlopeSpeed; }

bool Player::IsFlying() const { return false; }

bool Player::IsRising() const { return rising; }

bool Player::IsBlocking(std::uint32_t column, std::uint32_t row, PassKind kind, bool vertical) const {
    return Collidable::IsBlocking(column, row, kind == PassWalkerSolid ? PassSolid : kind, vertical);
}

void Player::Bounce(float factor, bool risingFlag) {
    verticalSpeed = -(GetJumpStrength() * factor);
    state = StateAirborne;
    rising = risingFlag;
}

void Player::Collect(int itemKind) {
    if (itemKind < 0 || static_cast<std::size_t>(itemKind) >= CollectTable.size())
        return;
    const CollectRule& rule = CollectTable[static_cast<std::size_t>(itemKind)];
    switch (rule.gain) {
    case Gain::Coin:
        AddSaturating(stats.totalCoins, std::uint32_t{rule.amount});
        AddSaturating(stats.coins, rule.amount);
        if (stats.coins >= CoinsPerLife) {
            stats.coins = 0;
            AddSaturating(stats.lives, std::uint16_t{1});
        }
        break;
    case Gain::Life:
        AddSaturating(stats.lives, rule.amount);
        break;
    case Gain::Heart:
        if (stats.hearts < MaxHearts)
            ++stats.hearts;
        break;
    case Gain::Ammunition:
        AddSaturating(stats.ammunition[rule.which], rule.amount);
        break;
    case Gain::PowerUp:
        stats.powerUpMode = rule.which;
        stats.powerUpCountdown = PowerUpDuration[rule.which - 1];
        break;
    }
}

void Player::Thrust() {
    verticalSpeed -= ThrustPower;
    thrusting = true;
    if (state == StateClimbing)
        state = StateAirborne;
    verticalSpeed = std::max(verticalSpeed, -MaxThrustSpeed);
}

sf::Uint8 Player::GetOverlayAlpha() const {
    const std::int64_t d = std::abs(static_cast<std::int64_t>(WarpJump) - warpCounter);
    std::int64_t alpha = 0;
    if (d < 26)
        alpha = 255 - d * 510 / 50;
    else if (hurtTimer >= 51)
        alpha = (static_cast<std::int64_t>(hurtTimer) - 50) * 510 / 100;
    return static_cast<sf::Uint8>(std::clamp<std::int64_t>(alpha, 0, 255));
}

sf::IntRect Player::GetFlameRect(std::uint32_t counter) const {
    const std::uint32_t step = FlameAnimation.GetStep(counter);
    const std::uint32_t row = facingRight ? FlameAnimation.GetFrameCount() - 1 - step : step;
    return sf::IntRect(38, static_cast<int>(32 + 9 * row), 10, 10);
}
