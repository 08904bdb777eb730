#pragma once

namespace synth {

enum class FilterMode { LowPass, BandPass, HighPass };

// A state-variable filter (topology-preserving form: stable under fast
// cutoff changes, so it can be swept every sample).
class Filter {
public:
    Filter(FilterMode mode, float sampleRate);

    // Cutoff in Hz; resonance 0 (none) to just under 1 (ringing).
    void Set(float cutoff, float resonance);
    float Process(float input);
    void Reset();

private:
    FilterMode mode_;
    float sampleRate_;
    float g_;
    float k_;
    float ic1_;
    float ic2_;
};

}  // namespace synth
