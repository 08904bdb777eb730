#include "sfxgen/synth/Envelope.h"

#include <algorithm>
#include <cmath>

namespace synth {

Envelope::Envelope(float attack, float decay, float sustain, float release)
    : attack_(std::max(attack, 0.0005f)), decay_(std::max(decay, 0.001f)), sustain_(sustain),
      release_(std::max(release, 0.002f))
{
}

float Envelope::Level(float t) const
{
    if (t < attack_)
        return t / attack_;
    t -= attack_;
    // Exponential approach to the sustain level: about 99% there after decay.
    return sustain_ + (1.0f - sustain_) * std::exp(-4.6f * t / decay_);
}

float Envelope::At(float t, float held) const
{
    if (t < 0.0f)
        return 0.0f;
    if (t < held)
        return Level(t);
    float r = t - held;
    if (r >= release_)
        return 0.0f;
    // Linear-in-dB-ish release that reaches zero exactly at its end.
    float x = 1.0f - r / release_;
    return Level(held) * x * x;
}

}  // namespace synth
