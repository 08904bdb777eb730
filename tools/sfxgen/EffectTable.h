#pragma once

#include "sfxgen/Signal.h"

#include <array>
#include <cstddef>

namespace sfxgen {

// One row per sound id of the game, in id order: the file name under Sfx/
// (without ".wav"), the function that makes it, its loudness against the
// common level of the effects (dB; above it only where a sound must stand
// out) and whether it is replayed back to back while its condition lasts
// (such sounds are made to run on from their end into their start).
struct EffectSpec {
    const char* name;
    Signal (*make)();
    float loudness;
    bool replayed;
};

constexpr std::size_t EffectCount = 26;

// The common momentary loudness of the effects (LUFS): a little above the
// music, so that an effect is heard over it at equal volume settings.
constexpr float EffectLoudness = -13.0f;
// No sample goes above this.
constexpr float EffectCeiling = 0.95f;

const std::array<EffectSpec, EffectCount>& EffectTable();

// The finished sound of one row: made, levelled and given its edge fades.
Signal MakeEffect(const EffectSpec& spec);

}  // namespace sfxgen
