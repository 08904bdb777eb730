#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace musicgen {

enum class DrumKind {
    Kick,
    Snare,
    ClosedHat,
    OpenHat,
    Clap,
    LowTom,
    HighTom,
    Shaker,
    Woodblock,
    Crash,
    Ride,
    Tambourine,
    Rim,
    Count
};

constexpr std::size_t DrumCount = static_cast<std::size_t>(DrumKind::Count);

// Every drum sound made once at the music's sample rate; the renderer mixes
// copies of them. `weight` makes the kit heavier (longer, deeper kick and
// toms, harder snare) or lighter.
class DrumKit {
public:
    DrumKit(float sampleRate, float weight);

    const std::vector<float>& Get(DrumKind kind) const { return sounds_[static_cast<std::size_t>(kind)]; }

private:
    std::vector<float> Make(DrumKind kind) const;

    float sampleRate_;
    float weight_;
    std::array<std::vector<float>, DrumCount> sounds_;
};

}  // namespace musicgen
