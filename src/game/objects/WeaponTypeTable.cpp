#include "game/objects/WeaponTypeTable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

constexpr bool no = false;
constexpr bool yes = true;

// kind: texture rect, max speed, jump, flying, spin. Kind 5 takes a random
// speed when it is thrown (Weapon::UpdateKind).
const std::array<WeaponType, WeaponTypeTable::Size> Rows = {{
    /* 0 rocket       */ {{0, 0, 22, 17}, 12, 0, yes, 0},
    /* 1 rolling bomb */ {{22, 0, 21, 21}, 4, 0, no, 12},
    /* 2 mine         */ {{43, 0, 30, 6}, 0, 0, no, 0},
    /* 3 arrow        */ {{22, 21, 19, 8}, 10, 0, yes, 0},
    /* 4 fireball     */ {{22, 73, 10, 10}, 6, 6, no, 0},
    /* 5 spit fireball*/ {{22, 73, 10, 10}, 0, 0, no, 0},
    /* 6 darkball     */ {{22, 59, 19, 14}, 12, 0, yes, 0},
    /* 7 bouncing ball*/ {{73, 0, 13, 13}, 7, 5, no, 0},
    /* 8 ufo bomb     */ {{92, 0, 9, 23}, 0, 0, no, 0},
    /* 9 heavy bomb   */ {{101, 0, 9, 23}, 0, 0, no, 0},
}};

}  // namespace

const WeaponType& WeaponTypeTable::Get(std::int32_t kind) {
    if (!Contains(kind))
        throw std::out_of_range("WeaponTypeTable: no weapon kind " + std::to_string(kind));
    return Rows[static_cast<std::size_t>(kind)];
}
