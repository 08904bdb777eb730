#pragma once

#include <SFML/System/Vector2.hpp>

#include <functional>

class Lift;
class Player;
class Weapon;

// The per-step particle emissions of the player, of each weapon and of each
// lift: where, which preset and how fast. Every random draw is made here, in
// a fixed order; each emission goes to the sink (the GraphicsContext's
// SpawnEffect), which drops it when it is off screen.
class EffectSpawner {
public:
    // preset, owning lift or null, position, velocity
    using Sink = std::function<void(int, const Lift*, float, float, float, float)>;

    // Warp sparkle and the power-up trails (invulnerability, time distortion,
    // jetpack thrust).
    static void ForPlayer(const Player& player, const Sink& emit);
    // The trail of a weapon by kind; kinds 4 to 7 emit half as much while
    // time is slowed.
    static void ForWeapon(const Weapon& weapon, bool timeSlowed, const Sink& emit);
    // The jets under a lift, owned by it so that they ride along.
    static void ForLift(const Lift& lift, bool timeSlowed, const Sink& emit);

    // The offset that carries the particles of a lift in this step: the
    // lift's motion, except none in the step in which it was just put back
    // at a start (so that they do not jump with it).
    static sf::Vector2f LiftCarryOffset(const Lift& lift, bool timeSlowed);
};
