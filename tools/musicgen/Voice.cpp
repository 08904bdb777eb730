#include "musicgen/Voice.h"

#include "sfxgen/synth/Envelope.h"
#include "sfxgen/synth/Filter.h"
#include "sfxgen/synth/Random.h"

#include <algorithm>
#include <cmath>

namespace musicgen {

namespace {

const float Pi = 3.14159265358979f;

// The pitch factor of the instrument's vibrato at time t.
float Vibrato(const InstrumentSpec& spec, float t)
{
    if (spec.vibratoDepth <= 0.0f || t <= spec.vibratoDelay)
        return 1.0f;
    float fadeIn = std::min(1.0f, (t - spec.vibratoDelay) / 0.3f);
    return std::exp2(spec.vibratoDepth * fadeIn * std::sin(2.0f * Pi * spec.vibratoRate * t) / 12.0f);
}

bool Rings(Synthesis synthesis)
{
    return synthesis == Synthesis::Pluck || synthesis == Synthesis::Bell;
}

}  // namespace

std::vector<float> Voice::Render(const InstrumentSpec& spec, float sampleRate, float frequency, float held,
                                 float velocity, std::uint32_t seed)
{
    synth::Envelope env(spec.attack, spec.decay, spec.sustain, spec.release);
    std::vector<float> out(static_cast<std::size_t>(env.Length(held) * sampleRate) + 1, 0.0f);
    switch (spec.synthesis) {
    case Synthesis::Subtractive:
        Subtractive(spec, sampleRate, frequency, out);
        break;
    case Synthesis::Pluck:
        Pluck(spec, sampleRate, frequency, seed, out);
        break;
    case Synthesis::Bell:
        Bell(spec, sampleRate, frequency, out);
        break;
    case Synthesis::Organ:
        Organ(spec, sampleRate, frequency, out);
        break;
    case Synthesis::Vox:
        Vox(spec, sampleRate, frequency, out);
        break;
    }
    if (spec.breath > 0.0f)
        Breath(spec, sampleRate, frequency, seed, out);
    const float driveNorm = spec.drive > 0.0f ? 1.0f / std::tanh(1.0f + spec.drive) : 1.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float level;
        if (Rings(spec.synthesis)) {
            // Plucks and bells ring on by themselves; only the end of the note damps them.
            float r = t - held;
            level = r <= 0.0f ? std::min(1.0f, t / spec.attack) : std::max(0.0f, 1.0f - r / spec.release);
            level *= level;
        } else {
            level = env.At(t, held);
        }
        float v = out[i];
        if (spec.drive > 0.0f)
            v = std::tanh(v * (1.0f + spec.drive)) * driveNorm;
        out[i] = v * level * velocity * spec.gain;
    }
    return out;
}

void Voice::Subtractive(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out)
{
    synth::Oscillator a(spec.wave, sampleRate);
    synth::Oscillator b(spec.wave, sampleRate, 0.31f);
    synth::Oscillator sub(synth::Waveform::Sine, sampleRate);
    a.SetPulseWidth(spec.pulseWidth);
    b.SetPulseWidth(spec.pulseWidth);
    synth::Filter filter(synth::FilterMode::LowPass, sampleRate);
    const float detune = std::pow(2.0f, spec.detuneCents / 1200.0f);
    const bool two = spec.detuneCents != 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float f = frequency * Vibrato(spec, t);
        float v = a.Next(f);
        if (two)
            v = 0.5f * (v + b.Next(f * detune));
        if (spec.subLevel > 0.0f)
            v += spec.subLevel * sub.Next(f * 0.5f);
        if ((i & 7) == 0) {
            float boost = 1.0f + spec.cutoffBoost * std::exp(-t / std::max(spec.filterDecay, 0.001f));
            filter.Set(spec.cutoff * boost, spec.resonance);
        }
        out[i] = filter.Process(v);
    }
}

void Voice::Pluck(const InstrumentSpec& spec, float sampleRate, float frequency, std::uint32_t seed,
                  std::vector<float>& out)
{
    // A delay line one period long, filled with a noise burst and smoothed a
    // little on every pass: the burst turns into a decaying string tone.
    std::size_t period = std::max<std::size_t>(2, static_cast<std::size_t>(sampleRate / frequency + 0.5f));
    std::vector<float> line(period);
    synth::Random rng(seed);
    synth::Filter soften(synth::FilterMode::LowPass, sampleRate);
    soften.Set(spec.cutoff, 0.0f);
    float mean = 0.0f;
    for (float& s : line) {
        s = soften.Process(rng.Bipolar());
        mean += s;
    }
    // The burst is centred, so the string does not sit off zero while it rings.
    mean /= static_cast<float>(period);
    for (float& s : line)
        s -= mean;
    // Higher strings die away sooner, as real ones do.
    const float damping = 0.996f - 0.000004f * frequency;
    float previous = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::size_t k = i % period;
        float current = line[k];
        out[i] = current;
        line[k] = damping * 0.5f * (current + previous);
        previous = current;
    }
}

void Voice::Bell(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out)
{
    double carrier = 0.0;
    double modulator = 0.0;
    const double carrierStep = frequency / sampleRate;
    const double modulatorStep = spec.fmRatio * frequency / sampleRate;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float index = spec.fmIndex * (0.9f * std::exp(-t * spec.fmIndexDecay) + 0.1f);
        float m = index * std::sin(2.0f * Pi * static_cast<float>(modulator));
        out[i] = std::sin(2.0f * Pi * static_cast<float>(carrier) + m) * std::exp(-t * spec.ringDecay);
        carrier += carrierStep;
        modulator += modulatorStep;
        carrier -= std::floor(carrier);
        modulator -= std::floor(modulator);
    }
}

void Voice::Organ(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out)
{
    // Drawbars at the fundamental and the 2nd, 3rd, 4th, 6th and 8th harmonics;
    // the harmonics come from the fundamental by the recurrence
    // sin((k+1)x) = 2 cos(x) sin(kx) - sin((k-1)x).
    const float drawbars[9] = {0.0f, 1.0f, 0.8f, 0.55f, 0.4f, 0.0f, 0.22f, 0.0f, 0.15f};
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float x = 2.0f * Pi * static_cast<float>(phase);
        float c = std::cos(x);
        float previous = 0.0f;
        float current = std::sin(x);
        float v = 0.0f;
        for (int k = 1; k <= 8; ++k) {
            v += drawbars[k] * current;
            float next = 2.0f * c * current - previous;
            previous = current;
            current = next;
        }
        out[i] = 0.4f * v;
        phase += frequency * Vibrato(spec, t) / sampleRate;
        phase -= std::floor(phase);
    }
}

void Voice::Vox(const InstrumentSpec& spec, float sampleRate, float frequency, std::vector<float>& out)
{
    synth::Oscillator a(synth::Waveform::Saw, sampleRate);
    synth::Oscillator b(synth::Waveform::Saw, sampleRate, 0.43f);
    const float detune = std::pow(2.0f, spec.detuneCents / 1200.0f);
    // The formants of an open "aw".
    const float centres[3] = {570.0f, 840.0f, 2410.0f};
    const float gains[3] = {1.0f, 0.7f, 0.35f};
    synth::Filter formants[3] = {{synth::FilterMode::BandPass, sampleRate},
                                 {synth::FilterMode::BandPass, sampleRate},
                                 {synth::FilterMode::BandPass, sampleRate}};
    for (int k = 0; k < 3; ++k)
        formants[k].Set(centres[k], 0.8f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float f = frequency * Vibrato(spec, t);
        float source = 0.5f * (a.Next(f) + b.Next(f * detune));
        float v = 0.0f;
        for (int k = 0; k < 3; ++k)
            v += gains[k] * formants[k].Process(source);
        out[i] = 1.6f * v;
    }
}

void Voice::Breath(const InstrumentSpec& spec, float sampleRate, float frequency, std::uint32_t seed,
                   std::vector<float>& out)
{
    // Air in the tone: noise through a band around the note and a hiss above it.
    synth::Random rng(seed ^ 0x5bd1e995u);
    synth::Filter band(synth::FilterMode::BandPass, sampleRate);
    band.Set(frequency, 0.85f);
    synth::Filter air(synth::FilterMode::BandPass, sampleRate);
    air.Set(std::min(4.0f * frequency, 0.4f * sampleRate), 0.3f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float n = rng.Bipolar();
        out[i] += spec.breath * (2.0f * band.Process(n) + 0.5f * air.Process(n));
    }
}

}  // namespace musicgen
