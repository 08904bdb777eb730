#include "game/objects/Weapon.h"

#include "game/objects/AnimationTables.h"
#include "kest/RandomEngine.h"

#include <limits>

namespace {

constexpr float SlowedJumpFactor = 0.6f;
// The spit fireball's throw: sideways at random up to this speed, upwards at
// the throw speed.
constexpr float SpitMaxSpeed = 0.6f;
constexpr float SpitThrowSpeed = -13;

float RectWidth(std::int32_t kind) { return static_cast<float>(WeaponTypeTable::Get(kind).textureRect.width); }
float RectHeight(std::int32_t kind) { return static_cast<float>(WeaponTypeTable::Get(kind).textureRect.height); }

bool StandsOnSomething(std::int32_t state) { return state >= StateOnGround && state <= StateRidingLift; }

}  // namespace

Weapon::Weapon(std::int32_t kind_, float x_, float y_, bool facingRight_)
    : Collidable(x_, y_, RectWidth(kind_), RectHeight(kind_), facingRight_),
      age(0),
      kind(kind_),
      hit(false),
      angle(0) {
    const float speed = GetMaxSpeed();
    stepMotionX = facingRight ? speed : -speed;
}

sf::IntRect Weapon::GetTextureRect() const {
    sf::IntRect rect = GetType().textureRect;
    const std::uint32_t frame = WeaponAnimations[static_cast<std::size_t>(kind)].GetStep(static_cast<std::uint32_t>(age));
    rect.top += static_cast<int>(frame) * rect.height;
    return rect;
}

void Weapon::Update(bool slowed) {
    if (age < std::numeric_limits<std::int32_t>::max())
        ++age;
    angle += GetType().spin;
    UpdateKind();
    if (GetJumpStrength() != 0)
        Jump(slowed ? SlowedJumpFactor : 1.0f);
}

void Weapon::UpdateKind() {
    switch (kind) {
    case WeaponSpitFireball:
        if (age == 1) {
            facingRight = kest::randomInt(0, 1) != 0;
            angle = kest::randomFloat(0, SpitMaxSpeed);
            verticalSpeed = SpitThrowSpeed;
        }
        if (StandsOnSomething(state))
            hit = true;
        break;
    case WeaponUfoBomb:
    case WeaponUfoHeavyBomb:
        if (StandsOnSomething(state))
            hit = true;
        break;
    default:
        break;
    }
}

void Weapon::HitWall() { hit = true; }

float Weapon::GetMaxSpeed() const { return kind == WeaponSpitFireball ? angle : GetType().maxSpeed; }

float Weapon::GetJumpStrength() const { return GetType().jumpStrength; }

bool Weapon::IsFlying() const { return GetType().flying; }
