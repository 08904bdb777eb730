#include "sfxgen/Signal.h"

#include "soundcheck/SoundMeasure.h"

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

float Signal::Peak() const
{
    float largest = 0.0f;
    for (float s : samples_)
        largest = std::max(largest, std::fabs(s));
    return largest;
}

void Signal::NormalizeLoudness(float lufs, float ceiling)
{
    if (Peak() <= 1e-9f)
        return;
    const float knee = 0.75f * ceiling;
    for (int pass = 0; pass < 4; ++pass) {
        soundcheck::Clip clip;
        clip.rate = SampleRate;
        clip.channels = 1;
        clip.samples = samples_;
        double gainDb = lufs - soundcheck::MomentaryLoudness(clip);
        float gain = static_cast<float>(std::pow(10.0, gainDb / 20.0));
        for (float& s : samples_) {
            s *= gain;
            float a = std::fabs(s);
            if (a > knee)
                s = std::copysign(knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee)), s);
        }
        if (std::fabs(gainDb) < 0.01)
            break;
    }
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
