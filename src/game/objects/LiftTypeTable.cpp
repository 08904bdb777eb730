#include "game/objects/LiftTypeTable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

const std::array<sf::IntRect, LiftTypeTable::Size> Rows = {{
    /* 0 triggered     */ {146, 266, 52, 11},
    /* 1 back and forth*/ {146, 277, 52, 11},
    /* 2 loop          */ {146, 288, 52, 11},
    /* 3 triggered drop*/ {146, 299, 52, 11},
}};

}  // namespace

const sf::IntRect& LiftTypeTable::Get(std::int32_t kind) {
    if (!Contains(kind))
        throw std::out_of_range("LiftTypeTable: no lift kind " + std::to_string(kind));
    return Rows[static_cast<std::size_t>(kind)];
}
