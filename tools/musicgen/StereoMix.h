#pragma once

#include <SFML/Config.hpp>

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
    // Brings the mix to a common loudness and rounds off its peaks.
    void Master(float targetRms);
    // A linear fade over the last `frames` frames (for pieces that end).
    void FadeOut(std::size_t frames);
    // Interleaved 16-bit samples, left first.
    std::vector<sf::Int16> Interleaved() const;

private:
    std::size_t Index(std::size_t frame, bool& inside) const;

    bool looped_;
    std::vector<float> left_;
    std::vector<float> right_;
    std::vector<float> echo_;
};

}  // namespace musicgen
