#pragma once

#include "sfxgen/Signal.h"

#include <array>
#include <cstddef>

namespace sfxgen {

// One row per sound id of the game, in id order: the file name under Sfx/
// (without ".wav"), the function that makes it, its peak level and whether
// it is replayed back to back while its condition lasts (such sounds are
// made to run on from their end into their start).
struct EffectSpec {
    const char* name;
    Signal (*make)();
    float peak;
    bool replayed;
};

constexpr std::size_t EffectCount = 26;

const std::array<EffectSpec, EffectCount>& EffectTable();

// The finished sound of one row: made, levelled and given its edge fades.
Signal MakeEffect(const EffectSpec& spec);

}  // namespace sfxgen
