#include "sfxgen/synth/Oscillator.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

const float Pi = 3.14159265358979f;

// The band-limited step correction around a discontinuity at phase 0.
float PolyBlep(float t, float dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

}  // namespace

Oscillator::Oscillator(Waveform waveform, float sampleRate, float phase)
    : waveform_(waveform), sampleRate_(sampleRate), phase_(phase - std::floor(phase)), pulseWidth_(0.5f),
      triangleState_(0.0f)
{
}

void Oscillator::SetPulseWidth(float width)
{
    pulseWidth_ = std::clamp(width, 0.05f, 0.95f);
}

float Oscillator::Next(float frequency)
{
    float dt = std::clamp(frequency / sampleRate_, 0.0f, 0.49f);
    float t = phase_;
    float value = 0.0f;
    switch (waveform_) {
    case Waveform::Sine:
        value = std::sin(2.0f * Pi * t);
        break;
    case Waveform::Triangle:
        value = t < 0.5f ? 4.0f * t - 1.0f : 3.0f - 4.0f * t;
        break;
    case Waveform::Saw:
        value = 2.0f * t - 1.0f - PolyBlep(t, std::max(dt, 1e-6f));
        break;
    case Waveform::Square: {
        float d = std::max(dt, 1e-6f);
        value = t < pulseWidth_ ? 1.0f : -1.0f;
        value += PolyBlep(t, d);
        float shifted = t - pulseWidth_;
        if (shifted < 0.0f)
            shifted += 1.0f;
        value -= PolyBlep(shifted, d);
        // A pulse narrower or wider than half the period sits off centre by
        // 2 w - 1: taken away, so that no pulse wave carries an offset.
        value -= 2.0f * pulseWidth_ - 1.0f;
        break;
    }
    }
    phase_ += dt;
    if (phase_ >= 1.0f)
        phase_ -= std::floor(phase_);
    return value;
}

}  // namespace synth
