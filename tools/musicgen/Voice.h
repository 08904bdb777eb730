#pragma once

#include "musicgen/Instrument.h"

#include <cstdint>
#include <vector>

namespace musicgen {

// Plays one note of an instrument into a mono buffer.
class Voice {
public:
    // The samples of a note of `frequency` Hz held for `held` seconds, with its
    // release after it. The seed makes the noise of plucked strings and breath.
    static std::vector<float> Render(const InstrumentSpec& spec, float sampleRate, float frequency, float held,
                                     float velocity, std::uint32_t seed);

private:
    static void Subtractive(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out);
    static void Pluck(const InstrumentSpec& spec, float sampleRate, float frequency, std::uint32_t seed,
                      std::vector<float>& out);
    static void Bell(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out);
    static void Organ(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out);
    static void Vox(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out);
    static void Breath(const InstrumentSpec& spec, float sampleRate, float frequency, std::uint32_t seed,
                       std::vector<float>& out);
};

}  // namespace musicgen
