#include "game/effects/EffectSpawner.h"

#include "app/PlayerStats.h"
#include "game/objects/Lift.h"
#include "game/objects/Player.h"
#include "game/objects/Weapon.h"
#include "kest/RandomEngine.h"

namespace {

float ToFloat(const Lift::Fraction& value) {
    return static_cast<float>(value.numerator()) / static_cast<float>(value.denominator());
}

sf::Vector2f CarryMotion(const Lift& lift, bool timeSlowed) {
    const Lift::Motion motion = lift.GetCarryMotion(timeSlowed, false);
    return sf::Vector2f(ToFloat(motion.first), ToFloat(motion.second));
}

}  // namespace

void EffectSpawner::ForPlayer(const Player& player, const Sink& emit) {
    const sf::Vector2f p = player.GetPosition();
    const sf::Vector2f s = player.GetSize();

    if (player.warpCounter > 0) {
        // The tile that holds the player.
        const float cx = static_cast<float>(static_cast<int>(p.x) / 36 * 36);
        const float cy = static_cast<float>(static_cast<int>(p.y) / 36 * 36);
        for (int i = 0; i < 4; ++i) {
            const float x = kest::randomFloat(cx + 6, cx + 30);
            emit(1, nullptr, x, cy + 4, 0, 3);
        }
    }

    switch (player.stats.powerUpMode) {
    case PlayerStats::Invulnerability:
        for (int i = 0; i < 4; ++i) {
            const float x = kest::randomDeviation(p.x, s.x * 0.5f);
            const float y = kest::randomDeviation(p.y, s.y * 0.5f);
            const float vx = kest::randomDeviation(0, 1.5f);
            const float vy = kest::randomDeviation(0, 1.5f);
            emit(3, nullptr, x, y, vx, vy);
        }
        break;
    case PlayerStats::TimeDistortion:
        // They close in on the player.
        for (int i = 0; i < 4; ++i) {
            const float qx = kest::randomDeviation(p.x, s.x * 1.5f) - player.stepMotionX;
            const float qy = kest::randomDeviation(p.y, s.y * 1.5f) - player.verticalSpeed;
            emit(4, nullptr, qx, qy, (p.x - qx) * 0.1f, (p.y - qy) * 0.1f);
        }
        break;
    case PlayerStats::Jetpack:
        if (player.thrusting) {
            const float facing = player.facingRight ? 1.0f : 0.0f;
            for (int i = 0; i < 5; ++i) {
                const float x = kest::randomDeviation(p.x + 5 - 10 * facing, 5);
                const float y = kest::randomDeviation(p.y + s.y / 2 - player.verticalSpeed - 5, 3);
                emit(2, nullptr, x, y, 0, player.verticalSpeed + 4);
            }
        }
        break;
    default:
        break;
    }
}

void EffectSpawner::ForWeapon(const Weapon& weapon, bool timeSlowed, const Sink& emit) {
    const sf::Vector2f p = weapon.GetPosition();
    const sf::Vector2f s = weapon.GetSize();
    const float tail = weapon.facingRight ? p.x - s.x / 2 : p.x + s.x / 2;
    const int n = timeSlowed ? 2 : 4;

    auto emitMany = [&emit](int count, int preset, auto position) {
        for (int i = 0; i < count; ++i) {
            const sf::Vector2f at = position();
            emit(preset, nullptr, at.x, at.y, 0, 0);
        }
    };
    auto aroundTail = [&]() {
        const float x = kest::randomDeviation(tail, weapon.GetMaxSpeed());
        const float y = kest::randomDeviation(p.y, 1);
        return sf::Vector2f(x, y);
    };

    switch (weapon.kind) {
    case 0:
        emitMany(7, 5, aroundTail);
        break;
    case 1:
        emitMany(3, 6, [&]() {
            const float x = kest::randomDeviation(p.x, s.x * 0.5f);
            const float y = kest::randomDeviation(p.y, s.y * 0.25f);
            return sf::Vector2f(x, y);
        });
        break;
    case 4:
    case 5:
        emitMany(n, 22, [&]() {
            const float x = kest::randomDeviation(p.x, s.x * 0.5f);
            const float y = kest::randomDeviation(p.y, s.y * 0.5f);
            return sf::Vector2f(x, y);
        });
        break;
    case 6:
        emitMany(n, 23, aroundTail);
        break;
    case 7:
        emitMany(n, 24, [&]() {
            const float x = kest::randomDeviation(p.x, 1);
            const float y = kest::randomDeviation(p.y, 1);
            return sf::Vector2f(x, y);
        });
        break;
    default:
        break;  // mines and the shots of kinds 2, 3, 8 and 9 leave no trail
    }
}

void EffectSpawner::ForLift(const Lift& lift, bool timeSlowed, const Sink& emit) {
    const sf::Vector2f p = lift.GetPosition();
    const sf::Vector2f s = lift.GetSize();
    // Just under the lift, where it was before this step's motion.
    const sf::Vector2f d = CarryMotion(lift, timeSlowed);
    const float x = p.x - d.x;
    const float yb = p.y - d.y + s.y / 2 + 1;

    switch (lift.kind) {
    case Lift::Triggered:
    case Lift::TriggeredDrop: {
        if (lift.wait > 19)
            break;
        const int preset = lift.kind == Lift::Triggered ? 15 : 16;
        for (int i = 0; i < 2; ++i) {
            const float lx = kest::randomFloat(x - 19, x - 12);
            const float ly = kest::randomDeviation(yb, 2);
            emit(preset, &lift, lx, ly, 0, 3);
            const float rx = kest::randomFloat(x + 12, x + 19);
            const float ry = kest::randomDeviation(yb, 2);
            emit(preset, &lift, rx, ry, 0, 3);
        }
        break;
    }
    case Lift::BackAndForth:
    case Lift::Loop: {
        const int preset = lift.kind == Lift::BackAndForth ? 13 : 14;
        for (int i = 0; i < 4; ++i) {
            const float jx = kest::randomDeviation(x, 5);
            const float jy = kest::randomDeviation(yb, 2);
            emit(preset, &lift, jx, jy, 0, 3);
        }
        break;
    }
    default:
        break;
    }
}

sf::Vector2f EffectSpawner::LiftCarryOffset(const Lift& lift, bool timeSlowed) {
    if (lift.wait <= 1 && lift.progress == 0)
        return sf::Vector2f(0, 0);
    return CarryMotion(lift, timeSlowed);
}
