#include "musicgen/Voice.h"

#include "sfxgen/synth/Envelope.h"
#include "sfxgen/synth/Filter.h"
#include "sfxgen/synth/Random.h"

#include <algorithm>
#include <cmath>

namespace musicgen {

namespace {

const float Pi = 3.14159265358979f;

}  // namespace

std::vector<float> Voice::Render(const InstrumentSpec& spec, float sampleRate, float frequency, float held,
                                 float velocity, std::uint32_t seed)
{
    synth::Envelope env(spec.attack, spec.decay, spec.sustain, spec.release);
    std::vector<float> out(static_cast<std::size_t>(env.Length(held) * sampleRate) + 1, 0.0f);
    switch (spec.synthesis) {
    case Synthesis::Subtractive:
        Subtractive(spec, sampleRate, frequency, held, out);
        break;
    case Synthesis::Pluck:
        Pluck(spec, sampleRate, frequency, seed, out);
        break;
    case Synthesis::Bell:
        Bell(sampleRate, frequency, out);
        break;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float level = spec.synthesis == Synthesis::Subtractive ? env.At(t, held) : 1.0f;
        if (spec.synthesis != Synthesis::Subtractive) {
            // Plucks and bells ring on by themselves; only the end of the note damps them.
            float r = t - held;
            level = r <= 0.0f ? std::min(1.0f, t / spec.attack) : std::max(0.0f, 1.0f - r / spec.release);
            level *= level;
        }
        out[i] *= level * velocity * spec.gain;
    }
    return out;
}

void Voice::Subtractive(const InstrumentSpec& spec, float sampleRate, float frequency, float, std::vector<float>& out)
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
        float vib = 0.0f;
        if (spec.vibratoDepth > 0.0f && t > spec.vibratoDelay) {
            float fadeIn = std::min(1.0f, (t - spec.vibratoDelay) / 0.3f);
            vib = spec.vibratoDepth * fadeIn * std::sin(2.0f * Pi * spec.vibratoRate * t);
        }
        float f = frequency * std::pow(2.0f, vib / 12.0f);
        float v = a.Next(f);
        if (two)
            v = 0.5f * (v + b.Next(f * detune));
        v += spec.subLevel * sub.Next(f * 0.5f);
        if ((i & 7) == 0) {
            float boost = 1.0f + spec.cutoffBoost * std::exp(-t / std::max(spec.filterDecay, 0.001f));
            filter.Set(spec.cutoff * boost, spec.resonance);
        }
        v = filter.Process(v);
        if (spec.drive > 0.0f)
            v = std::tanh(v * (1.0f + spec.drive)) / std::tanh(1.0f + spec.drive);
        out[i] = v;
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
    for (float& s : line)
        s = soften.Process(rng.Bipolar());
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

void Voice::Bell(float sampleRate, float frequency, std::vector<float>& out)
{
    double carrier = 0.0;
    double modulator = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float index = 1.8f * std::exp(-t * 5.0f) + 0.2f;
        float m = index * std::sin(2.0f * Pi * static_cast<float>(modulator));
        out[i] = std::sin(2.0f * Pi * static_cast<float>(carrier) + m) * std::exp(-t * 2.2f);
        carrier += frequency / sampleRate;
        modulator += 3.5 * frequency / sampleRate;
        carrier -= std::floor(carrier);
        modulator -= std::floor(modulator);
    }
}

}  // namespace musicgen
