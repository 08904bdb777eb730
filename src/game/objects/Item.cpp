#include "game/objects/Item.h"

#include "kest/RandomEngine.h"

#include <stdexcept>
#include <string>

namespace {

constexpr float ThrowSpeed = -6;
constexpr float SlowedThrowFactor = 0.6f;
// A coin's window in the special tile texture: 13 frames of 2 steps each.
constexpr int CoinLeft = 401;
constexpr int CoinTop = 6;
constexpr int CoinFrames = 13;
// Other items in the item texture: rows of 6 cells from y 102.
constexpr int ItemsPerRow = 6;
constexpr int ItemsTop = 102;
constexpr int ItemRowHeight = 26;

std::int32_t CheckedKind(std::int32_t kind) {
    if (!IsValidItemKind(kind))
        throw std::out_of_range("Item: no item kind " + std::to_string(kind));
    return kind;
}

}  // namespace

Item::Item(std::int32_t kind_, bool slowed, float x_, float y_)
    : Collidable(x_, y_, Size, Size, true), maxSpeed(0), kind(CheckedKind(kind_)), age(0), expired(false) {
    verticalSpeed = ThrowSpeed;
    if (kind == ItemCoin) {
        facingRight = kest::randomInt(0, 1) != 0;
        maxSpeed = kest::randomFloat(0, 4);
        verticalSpeed = kest::randomFloat(-9, -4);
    } else if (kind == ItemLife || kind == ItemHeart) {
        facingRight = kest::randomInt(0, 1) != 0;
        maxSpeed = 2;
    }
    if (slowed)
        verticalSpeed *= SlowedThrowFactor;
}

sf::IntRect Item::GetTextureRect() const {
    const int size = static_cast<int>(Size);
    if (kind == ItemCoin)
        return sf::IntRect(CoinLeft, CoinTop + 36 * ((age / 2) % CoinFrames), size, size);
    return sf::IntRect(size * (kind % ItemsPerRow), ItemsTop + ItemRowHeight * (kind / ItemsPerRow), size, size);
}

sf::Uint8 Item::GetAlpha() const {
    if (age < FadeAge)
        return 255;
    if (age >= ExpiryAge)
        return 0;
    return static_cast<sf::Uint8>((ExpiryAge - age) * 255 / (ExpiryAge - FadeAge));
}

void Item::Update(bool /*slowed*/) {
    if (age < ExpiryAge)
        ++age;
    if (age >= ExpiryAge)
        expired = true;
    Jump(1.0f);
}

void Item::HitWall() { facingRight = !facingRight; }

float Item::GetMaxSpeed() const { return maxSpeed; }

float Item::GetJumpStrength() const {
    if (kind == ItemLife)
        return 0;
    if (kind == ItemHeart)
        return 4;
    const float strength = static_cast<float>((ExpiryAge - 3 * age) * 6) / ExpiryAge;
    return strength > 1 ? strength : 0;
}

float Item::GetAcceleration() const { return kind == ItemCoin && age >= 2 ? 0 : maxSpeed; }

float Item::GetFriction() const { return kind == ItemCoin ? 0.99f : 1.0f; }

float Item::GetStopThreshold() const { return 0.1f; }

bool Item::IsFlying() const { return false; }
