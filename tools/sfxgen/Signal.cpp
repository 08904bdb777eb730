#include "sfxgen/Signal.h"

#include <algorithm>
#include <cmath>

namespace sfxgen {

Signal::Signal(float seconds) : samples_(static_cast<std::size_t>(std::max(seconds, 0.0f) * SampleRate + 0.5f), 0.0f)
{
}

void Signal::FadeEdges(float inSeconds, float outSeconds)
{
    std::size_t in = std::min(Size(), static_cast<std::size_t>(inSeconds * SampleRate));
    for (std::size_t i = 0; i < in; ++i)
        samples_[i] *= static_cast<float>(i) / static_cast<float>(in);
    std::size_t out = std::min(Size(), static_cast<std::size_t>(outSeconds * SampleRate));
    for (std::size_t i = 0; i < out; ++i)
        samples_[Size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void Signal::MakeLoop(float crossfade)
{
    std::size_t c = static_cast<std::size_t>(crossfade * SampleRate);
    if (c == 0 || 2 * c > Size())
        return;
    std::size_t keep = Size() - c;
    const float halfPi = 1.57079632679f;
    for (std::size_t i = 0; i < c; ++i) {
        float x = static_cast<float>(i) / static_cast<float>(c);
        samples_[i] = samples_[i] * std::sin(halfPi * x) + samples_[keep + i] * std::cos(halfPi * x);
    }
    samples_.resize(keep);
}

void Signal::Normalize(float peak)
{
    float largest = 0.0f;
    for (float s : samples_)
        largest = std::max(largest, std::fabs(s));
    if (largest <= 1e-9f)
        return;
    float gain = peak / largest;
    for (float& s : samples_)
        s *= gain;
}

std::vector<sf::Int16> Signal::ToPcm16() const
{
    std::vector<sf::Int16> pcm(Size());
    for (std::size_t i = 0; i < Size(); ++i) {
        float v = std::clamp(samples_[i], -1.0f, 1.0f) * 32767.0f;
        pcm[i] = static_cast<sf::Int16>(std::lround(v));
    }
    return pcm;
}

}  // namespace sfxgen
