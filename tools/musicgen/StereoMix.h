#pragma once

#include "soundcheck/SoundMeasure.h"

#include <cstddef>
#include <vector>

namespace musicgen {

// A stereo mix being built, with an echo bus. In a looped mix everything
// that runs past the end wraps round onto the start, the echo included, so
// the last sample leads straight into the first.
class StereoMix {
public:
    StereoMix(std::size_t frames, bool looped);

    std::size_t Frames() const { return left_.size(); }

    // Adds a mono sound from `frame` on at the given gains, and `send` of it
    // to the echo bus.
    void Add(std::size_t frame, const std::vector<float>& sound, float left, float right, float send);
    // Mixes the echo bus in: repeats every `delay` frames, alternating sides,
    // each `feedback` times the one before.
    void ApplyEcho(std::size_t delay, float feedback, int repeats);
    // Brings the mix to a common integrated loudness (LUFS, as soundcheck
    // measures it) and rounds off its peaks.
    void Master(float targetLufs, unsigned rate);
    // Takes each side's mean away, so that the mix sits on zero (a looped mix
    // stays seamless: the same amount leaves every sample).
    void RemoveOffset();
    // Cuts a piece that ends where it has died away: `fadeSeconds` after the
    // last 10 ms that are louder than `thresholdDb` (RMS, dBFS, as soundcheck
    // measures the trailing silence), fading over those, so that no silence
    // is left at its end.
    void TrimTail(float thresholdDb, unsigned rate, float fadeSeconds);

    const std::vector<float>& Left() const { return left_; }
    const std::vector<float>& Right() const { return right_; }

private:
    soundcheck::Clip ToClip(unsigned rate) const;
    std::size_t Index(std::size_t frame, bool& inside) const;

    bool looped_;
    std::vector<float> left_;
    std::vector<float> right_;
    std::vector<float> echo_;
};

}  // namespace musicgen
