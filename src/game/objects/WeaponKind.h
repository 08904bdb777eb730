#pragma once

#include <cstdint>

// The kinds of weapons: the player's three and the enemies' shots. Rows of
// WeaponTypeTable.
enum WeaponKind : std::int32_t {
    WeaponRocket = 0,
    WeaponRollingBomb = 1,
    WeaponMine = 2,
    WeaponArrow = 3,        // shot of enemy kind 2
    WeaponFireball = 4,     // shot of enemy kinds 7 and 10
    WeaponSpitFireball = 5, // shot of enemy kind 3, thrown up at a random speed
    WeaponDarkball = 6,     // shot of enemy kind 14
    WeaponBouncingBall = 7, // shot of enemy kind 15
    WeaponUfoBomb = 8,      // shot of enemy kind 17
    WeaponUfoHeavyBomb = 9, // shot of enemy kind 18
    WeaponNone = 10,        // an enemy that fires nothing
};
