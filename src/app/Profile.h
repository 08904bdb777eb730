#pragma once

#include "app/PlayerStats.h"

#include <cstdint>
#include <string>

// One player's record: the saved player state, the level to play next, the
// furthest level reached and the extras obtained.
struct Profile {
    // Bits of equipment.
    static constexpr std::uint32_t EquipmentRocket = 1;
    static constexpr std::uint32_t EquipmentRollingBomb = 2;
    static constexpr std::uint32_t EquipmentMine = 4;
    static constexpr std::uint32_t EquipmentJetpack = 8;

    // Shown on the profile buttons; unique within the store.
    std::string name;
    PlayerStats stats;
    // The level to play next: world 1 to 3 (4 once the last level is done),
    // level 1 to 4 within it.
    std::uint16_t world = 0;
    std::uint16_t level = 0;
    // The furthest level reached.
    std::uint16_t furthestWorld = 0;
    std::uint16_t furthestLevel = 0;
    // A game in progress was saved and can be resumed.
    bool savedGame = false;
    std::uint32_t equipment = 0;
};
