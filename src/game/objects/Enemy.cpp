#include "game/objects/Enemy.h"

#include "game/objects/AnimationTables.h"
#include "kest/RandomEngine.h"

#include <limits>

namespace {

// A random-fire kind's timer moves only on steps whose draw exceeds this.
constexpr float RandomFireThreshold = 0.32f;
constexpr float SlowedJumpFactor = 0.6f;
constexpr float DeadFriction = 0.9f;
constexpr float KilledFriction = 0.99f;

// Long-lived counters wrap instead of overflowing.
std::int32_t WrappingAdd(std::int32_t value, std::int32_t amount) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(amount));
}

sf::Vector2f BoxOffset(std::int32_t kind) {
    const sf::IntRect& box = EnemyTypeTable::Get(kind).box;
    return sf::Vector2f(static_cast<float>(box.left), static_cast<float>(box.top));
}

float BoxWidth(std::int32_t kind) { return static_cast<float>(EnemyTypeTable::Get(kind).box.width); }
float BoxHeight(std::int32_t kind) { return static_cast<float>(EnemyTypeTable::Get(kind).box.height); }

}  // namespace

Enemy::Enemy(std::int32_t kind_, float x_, float y_, bool facingRight_)
    : Collidable(x_, y_, BoxWidth(kind_), BoxHeight(kind_), facingRight_),
      kind(kind_),
      deathMode(DeathStomped),
      counter(kind_ == FallerKind ? HangingCounter : AsleepCounter),
      animationCounter(StartAnimationCounter),
      fireTimer(StartFireTimer),
      boxOffset(BoxOffset(kind_)) {}

bool Enemy::IsAlive() const {
    return counter == 0 || (kind == FallerKind && counter == HangingCounter);
}

sf::IntRect Enemy::GetTextureRect() const {
    const EnemyType& type = GetType();
    const Animation& animation = EnemyAnimations[static_cast<std::size_t>(kind)];
    std::int32_t row;
    if (kind <= 2 && state == StateAirborne)
        row = static_cast<std::int32_t>(animation.GetFrameCount());  // the airborne pose after the frames
    else if (kind == FallerKind && IsDying())
        row = counter * 7 / DeathSteps;
    else
        row = static_cast<std::int32_t>(animation.GetStep(static_cast<std::uint32_t>(animationCounter / 2)));
    sf::IntRect rect = type.textureRect;
    rect.top += row * type.box.height;
    return rect;
}

void Enemy::Update(bool slowed) {
    if (!IsAlive()) {
        if (counter < std::numeric_limits<std::int32_t>::max())
            ++counter;
        return;
    }
    const EnemyType& type = GetType();
    const std::int32_t step = slowed ? 1 : 2;
    animationCounter = WrappingAdd(animationCounter, step);

    if (!type.randomFire || kest::randomFloat(0, 1) > RandomFireThreshold)
        fireTimer = fireTimer < std::numeric_limits<std::int32_t>::min() + step ? fireTimer : fireTimer - step;

    const bool grounded = state >= StateOnGround && state <= StateRidingLift;
    if ((animationCounter / 2) % type.jumpInterval == 0)
        Jump(slowed && grounded ? SlowedJumpFactor : 1.0f);

    if (kind == FallerKind && grounded) {
        deathMode = DeathFell;
        counter = 1;
        stepMotionX = 0;
    }
}

void Enemy::HitWall() { facingRight = !facingRight; }

float Enemy::GetMaxSpeed() const { return IsAlive() ? GetType().maxSpeed : UnlimitedSpeed; }

float Enemy::GetJumpStrength() const { return GetType().jumpStrength; }

float Enemy::GetFriction() const {
    if (IsAlive())
        return 1.0f;
    return deathMode == DeathKilled ? KilledFriction : DeadFriction;
}

bool Enemy::IsFlying() const {
    if (kind == FallerKind)
        return counter != 0;
    return GetType().flying && counter < 1;
}

bool Enemy::IsBlocking(std::uint32_t column, std::uint32_t row, PassKind passKind, bool vertical) const {
    if (passKind == PassWalkerSolid)
        passKind = PassSolid;
    else if (passKind == PassEnemyBarrier)
        passKind = counter < 1 ? PassSolid : PassFree;
    return Collidable::IsBlocking(column, row, passKind, vertical);
}

void Enemy::ReloadFireTimer() {
    const std::int32_t interval = GetType().fireInterval;
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    fireTimer = interval > max / 2 ? max : 2 * interval;
}
