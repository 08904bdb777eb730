#include "sfxgen/synth/Filter.h"

#include <algorithm>
#include <cmath>

namespace synth {

Filter::Filter(FilterMode mode, float sampleRate)
    : mode_(mode), sampleRate_(sampleRate), g_(0.0f), k_(2.0f), ic1_(0.0f), ic2_(0.0f)
{
    Set(1000.0f, 0.0f);
}

void Filter::Set(float cutoff, float resonance)
{
    float fc = std::clamp(cutoff, 10.0f, sampleRate_ * 0.45f);
    g_ = std::tan(3.14159265358979f * fc / sampleRate_);
    k_ = 2.0f - 2.0f * std::clamp(resonance, 0.0f, 0.98f);
}

float Filter::Process(float input)
{
    float a1 = 1.0f / (1.0f + g_ * (g_ + k_));
    float a2 = g_ * a1;
    float a3 = g_ * a2;
    float v3 = input - ic2_;
    float v1 = a1 * ic1_ + a2 * v3;
    float v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0f * v1 - ic1_;
    ic2_ = 2.0f * v2 - ic2_;
    switch (mode_) {
    case FilterMode::LowPass:
        return v2;
    case FilterMode::BandPass:
        return v1;
    case FilterMode::HighPass:
        return input - k_ * v1 - v2;
    }
    return v2;
}

void Filter::Reset()
{
    ic1_ = ic2_ = 0.0f;
}

}  // namespace synth
