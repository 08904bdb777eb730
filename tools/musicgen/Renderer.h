#pragma once

#include "musicgen/Score.h"
#include "musicgen/StereoMix.h"

#include <cstdint>

namespace musicgen {

// Plays a score into a stereo mix: every note through its instrument, every
// drum hit from the kit, then the echo and the mastering.
class Renderer {
public:
    static constexpr unsigned SampleRate = 44100;
    // The integrated loudness of every piece (LUFS): a few dB under the
    // effects, so that they are heard over it at equal volume settings.
    static constexpr float MusicLoudness = -16.0f;

    static StereoMix Render(const Score& score, std::uint32_t seed);
};

}  // namespace musicgen
