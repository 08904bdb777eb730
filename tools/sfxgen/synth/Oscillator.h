#pragma once

namespace synth {

enum class Waveform { Sine, Triangle, Saw, Square };

// A phase-accumulating oscillator. The frequency is given per sample, so
// sweeps and vibrato are free; saw and square edges are smoothed (PolyBLEP)
// to keep high notes from aliasing, and every wave is centred on zero.
class Oscillator {
public:
    Oscillator(Waveform waveform, float sampleRate, float phase = 0.0f);

    // Duty cycle of the square wave, 0.05 to 0.95.
    void SetPulseWidth(float width);
    // One sample in [-1, 1] at the given frequency (Hz); advances the phase.
    float Next(float frequency);
    float Phase() const { return phase_; }

private:
    Waveform waveform_;
    float sampleRate_;
    float phase_;
    float pulseWidth_;
    float triangleState_;
};

}  // namespace synth
