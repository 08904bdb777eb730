#pragma once

#include <cstdint>

// What an item gives the player when collected (Player::Collect).
enum ItemKind : std::int32_t {
    ItemCoin = 0,
    ItemLife = 1,
    ItemHeart = 2,
    ItemRocket = 3,
    ItemRollingBomb = 4,
    ItemMine = 5,
    ItemThreeRockets = 6,
    ItemThreeRollingBombs = 7,
    ItemThreeMines = 8,
    ItemInvulnerability = 9,
    ItemTimeDistortion = 10,
    ItemJetpack = 11,
};

// The number of item kinds; valid kinds are 0 to ItemKindCount - 1.
inline constexpr std::int32_t ItemKindCount = 12;

inline bool IsValidItemKind(std::int32_t kind) { return kind >= 0 && kind < ItemKindCount; }
