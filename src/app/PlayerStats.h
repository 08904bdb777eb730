#pragma once

#include <array>
#include <cstdint>

// The player's state that outlives a level: kept in the profile between
// levels and sessions.
struct PlayerStats {
    // Power-up modes.
    static constexpr std::uint32_t NoPowerUp = 0;
    static constexpr std::uint32_t Invulnerability = 1;
    static constexpr std::uint32_t TimeDistortion = 2;
    static constexpr std::uint32_t Jetpack = 3;

    std::uint16_t lives = 3;
    // Hit points of the current life, at most 3.
    std::uint16_t hearts = 3;
    // Coins toward the next extra life, 0 to 49.
    std::uint16_t coins = 0;
    // The score: every coin collected plus the level bonuses.
    std::uint32_t totalCoins = 0;
    // Rockets, rolling bombs, mines.
    std::array<std::uint16_t, 3> ammunition = {0, 0, 0};
    std::uint32_t powerUpMode = NoPowerUp;
    // Steps left of the power-up.
    std::uint32_t powerUpCountdown = 0;
};

inline bool operator==(const PlayerStats& a, const PlayerStats& b) {
    return a.lives == b.lives && a.hearts == b.hearts && a.coins == b.coins &&
           a.totalCoins == b.totalCoins && a.ammunition == b.ammunition &&
           a.powerUpMode == b.powerUpMode && a.powerUpCountdown == b.powerUpCountdown;
}
inline bool operator!=(const PlayerStats& a, const PlayerStats& b) { return !(a == b); }
