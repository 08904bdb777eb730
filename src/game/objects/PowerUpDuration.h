#pragma once

#include "app/FrameDuration.h"

#include <array>
#include <cstdint>

// How many steps each power-up lasts (modes 1 invulnerability, 2 time
// distortion, 3 jetpack at indices 0, 1, 2): 30 seconds of 25-ms steps.
inline constexpr std::uint32_t PowerUpMilliseconds = 30 * 1000;
inline constexpr std::array<std::uint32_t, 3> PowerUpDuration = {
    PowerUpMilliseconds / FrameMilliseconds,
    PowerUpMilliseconds / FrameMilliseconds,
    PowerUpMilliseconds / FrameMilliseconds,
};
static_assert(PowerUpDuration[0] == 1200, "a power-up lasts 1200 steps");
