#pragma once

#include <SFML/Config.hpp>

#include <cstddef>
#include <vector>

namespace sfxgen {

// A mono sound being made: float samples at the effects' sample rate.
class Signal {
public:
    static constexpr unsigned SampleRate = 44100;

    explicit Signal(float seconds);

    std::size_t Size() const { return samples_.size(); }
    float Seconds() const { return static_cast<float>(samples_.size()) / SampleRate; }
    static float Time(std::size_t i) { return static_cast<float>(i) / SampleRate; }
    float& operator[](std::size_t i) { return samples_[i]; }
    float operator[](std::size_t i) const { return samples_[i]; }

    // Adds f(t) to every sample, t being the time in seconds from `start`
    // for `seconds` (to the end when negative). Past the end it wraps to the
    // start when `wrap` is set (for loops) and is cut off otherwise.
    template <class F>
    void Add(float start, float seconds, F f, bool wrap = false)
    {
        std::size_t first = static_cast<std::size_t>(start * SampleRate + 0.5f);
        std::size_t count = seconds < 0.0f ? (first < Size() ? Size() - first : 0)
                                           : static_cast<std::size_t>(seconds * SampleRate + 0.5f);
        for (std::size_t k = 0; k < count; ++k) {
            std::size_t i = first + k;
            if (i >= Size()) {
                if (!wrap || Size() == 0)
                    break;
                i %= Size();
            }
            samples_[i] += f(Time(k));
        }
    }

    // Short linear fades against clicks at the ends.
    void FadeEdges(float inSeconds, float outSeconds);
    // Makes the end run on into the start: the last `crossfade` seconds are
    // blended (equal power) into the beginning and then cut off.
    void MakeLoop(float crossfade);
    // Scales the sound to a momentary loudness (LUFS, as soundcheck measures
    // it). Peaks that would pass `ceiling` are rounded off under it by a soft
    // knee, and the level is measured again, so the loudness holds either way.
    // Silence stays silence.
    void NormalizeLoudness(float lufs, float ceiling);
    float Peak() const;
    // 16-bit samples, clipped.
    std::vector<sf::Int16> ToPcm16() const;

private:
    std::vector<float> samples_;
};

}  // namespace sfxgen
