#include "game/objects/EnemyTypeTable.h"

#include "game/objects/WeaponKind.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

constexpr std::int32_t Never = EnemyTypeTable::Never;
constexpr std::int32_t None = WeaponNone;
constexpr bool no = false;
constexpr bool yes = true;

sf::IntRect Box(int width, int height) { return sf::IntRect(0, 0, width, height); }

// kind: texture rect, box, max speed, jump, jump interval, flying, weapon,
// fire interval, shot height, random fire, value, stomp-proof
const std::array<EnemyType, EnemyTypeTable::Size> Rows = {{
    /*  0 */ {{152, 90, 21, 35}, Box(21, 35), 1.5f, 0, Never, no, None, Never, 0, no, 10, no},
    /*  1 */ {{173, 90, 21, 35}, Box(21, 35), 1.5f, 7, 100, no, None, Never, 0, no, 15, no},
    /*  2 */ {{194, 90, 32, 35}, Box(24, 35), 0, 0, Never, no, WeaponArrow, 100, 21, no, 20, no},
    /*  3 */ {{0, 0, 28, 13}, Box(28, 13), 0, 0, Never, no, WeaponSpitFireball, 60, 0, yes, 80, yes},
    /*  4 */ {{28, 0, 31, 44}, Box(31, 44), 2.5f, 0, Never, no, None, Never, 0, no, 20, no},
    /*  5 */ {{59, 0, 31, 44}, Box(31, 44), 2.5f, 0, Never, no, None, Never, 0, no, 50, yes},
    /*  6 */ {{90, 0, 31, 44}, Box(31, 44), 2.5f, 8, 1, no, None, Never, 0, no, 30, no},
    /*  7 */ {{121, 0, 31, 44}, Box(31, 44), 2.5f, 0, Never, no, WeaponFireball, 80, 4, no, 40, no},
    /*  8 */ {{152, 0, 48, 18}, Box(48, 18), 2.7f, 0, Never, yes, None, Never, 0, no, 30, no},
    /*  9 */ {{200, 0, 48, 18}, Box(48, 18), 4.8f, 0, Never, yes, None, Never, 0, no, 70, yes},
    /* 10 */ {{248, 0, 48, 18}, Box(48, 18), 2.7f, 0, Never, yes, WeaponFireball, 80, 4, no, 50, no},
    /* 11 */ {{296, 0, 22, 46}, Box(22, 46), 0, 0, Never, no, None, Never, 0, no, 10, yes},
    /* 12 */ {{0, 13, 26, 63}, Box(26, 63), 4, 0, Never, no, None, Never, 0, no, 25, no},
    /* 13 */ {{226, 90, 18, 35}, Box(18, 35), 3, 10, 100, no, None, Never, 0, no, 30, no},
    /* 14 */ {{244, 90, 23, 35}, Box(24, 35), 3, 0, Never, no, WeaponDarkball, 130, 21, no, 30, no},
    /* 15 */ {{267, 90, 23, 35}, Box(24, 35), 3, 0, Never, no, WeaponBouncingBall, 120, 25, no, 20, no},
    /* 16 */ {{26, 220, 40, 21}, Box(40, 21), 3, 0, Never, yes, None, Never, 0, no, 30, no},
    /* 17 */ {{66, 220, 40, 21}, Box(40, 21), 3, 0, Never, yes, WeaponUfoBomb, 70, 20, no, 40, no},
    /* 18 */ {{106, 220, 40, 21}, Box(40, 21), 5, 0, Never, yes, WeaponUfoHeavyBomb, 20, 20, no, 55, no},
}};

}  // namespace

const EnemyType& EnemyTypeTable::Get(std::int32_t kind) {
    if (!Contains(kind))
        throw std::out_of_range("EnemyTypeTable: no enemy kind " + std::to_string(kind));
    return Rows[static_cast<std::size_t>(kind)];
}
