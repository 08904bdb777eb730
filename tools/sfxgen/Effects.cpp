#include "sfxgen/Effects.h"

#include "sfxgen/synth/Filter.h"
#include "sfxgen/synth/Oscillator.h"
#include "sfxgen/synth/Random.h"

#include <algorithm>
#include <cmath>

namespace sfxgen::effects {

namespace {

using synth::Filter;
using synth::FilterMode;
using synth::Oscillator;
using synth::Random;
using synth::Waveform;

const float Rate = static_cast<float>(Signal::SampleRate);
const float Pi = 3.14159265358979f;

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
float Midi(float note)
{
    return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

float Decay(float t, float rate)
{
    return std::exp(-rate * t);
}

float Attack(float t, float seconds)
{
    return std::min(1.0f, t / seconds);
}

// A short tone of one note: oscillator with attack and exponential decay.
void AddTone(Signal& s, float start, float length, Waveform wave, float frequency, float gain, float decay,
             float pulseWidth = 0.5f)
{
    Oscillator osc(wave, Rate);
    osc.SetPulseWidth(pulseWidth);
    s.Add(start, length, [&](float t) {
        float release = std::min(1.0f, (length - t) / 0.01f);
        return gain * osc.Next(frequency) * Attack(t, 0.003f) * Decay(t, decay) * release;
    });
}

// A bell: two-operator phase modulation with a fading modulation index.
void AddBell(Signal& s, float start, float length, float frequency, float gain, float ratio = 3.5f)
{
    double carrier = 0.0;
    Oscillator modulator(Waveform::Sine, Rate);
    s.Add(start, length, [&](float t) {
        float index = 2.5f * Decay(t, 6.0f);
        float m = modulator.Next(frequency * ratio) * index;
        float v = std::sin(2.0f * Pi * static_cast<float>(carrier) + m);
        carrier += frequency / Rate;
        carrier -= std::floor(carrier);
        return gain * v * Attack(t, 0.002f) * Decay(t, 4.0f) * std::min(1.0f, (length - t) / 0.02f);
    });
}

// A soft grain of band-passed noise: a crackle or a spark without the edge
// of a single-sample click (its envelope is a raised cosine).
void AddGrain(Signal& s, float start, float length, float centre, float gain, Random& rng)
{
    Filter bp(FilterMode::BandPass, Rate);
    bp.Set(centre, 0.5f);
    s.Add(start, length, [&](float t) {
        float window = 0.5f - 0.5f * std::cos(2.0f * Pi * t / length);
        return gain * bp.Process(rng.Bipolar()) * window;
    }, true);
}

}  // namespace

Signal Jump()
{
    Signal s(0.2f);
    Oscillator osc(Waveform::Square, Rate);
    osc.SetPulseWidth(0.25f);
    Filter lp(FilterMode::LowPass, Rate);
    lp.Set(5000.0f, 0.1f);
    s.Add(0.0f, -1.0f, [&](float t) {
        float f = 260.0f * std::pow(2.7f, t / 0.2f);
        float env = Attack(t, 0.004f) * std::pow(std::max(0.0f, 1.0f - t / 0.2f), 1.4f);
        return lp.Process(osc.Next(f)) * env;
    });
    return s;
}

Signal Trampoline()
{
    Signal s(0.5f);
    Oscillator body(Waveform::Sine, Rate);
    Oscillator edge(Waveform::Triangle, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float wobble = 1.0f + 0.07f * std::sin(2.0f * Pi * 16.0f * t) * Decay(t, 3.0f);
        float f = (190.0f + 250.0f * (1.0f - Decay(t, 14.0f))) * wobble;
        float env = Attack(t, 0.003f) * Decay(t, 5.5f);
        return (0.8f * body.Next(f) + 0.35f * edge.Next(2.0f * f)) * env;
    });
    return s;
}

Signal Spawn()
{
    Signal s(0.8f);
    const float notes[] = {72, 76, 79, 84, 88, 91, 96};
    for (int i = 0; i < 7; ++i) {
        float start = 0.07f * static_cast<float>(i);
        AddTone(s, start, 0.8f - start, Waveform::Triangle, Midi(notes[i]), 0.5f, 7.0f);
        AddTone(s, start, 0.8f - start, Waveform::Sine, Midi(notes[i] + 12.0f), 0.2f, 9.0f);
    }
    Random rng(202);
    Filter hp(FilterMode::HighPass, Rate);
    hp.Set(6000.0f, 0.2f);
    s.Add(0.0f, -1.0f, [&](float t) {
        float swell = std::sin(Pi * std::min(1.0f, t / 0.8f));
        return 0.15f * hp.Process(rng.Bipolar()) * swell;
    });
    return s;
}

Signal Warp()
{
    Signal s(0.8f);
    Oscillator carrier(Waveform::Sine, Rate);
    Oscillator shimmer(Waveform::Triangle, Rate);
    Random rng(303);
    Filter bp(FilterMode::BandPass, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float x = t / 0.8f;
        float f = 300.0f + 1100.0f * std::sin(Pi * x) * std::sin(Pi * x);
        float vibrato = 1.0f + 0.08f * x * std::sin(2.0f * Pi * 28.0f * t);
        bp.Set(400.0f + 3000.0f * x, 0.7f);
        float env = std::sqrt(std::sin(Pi * x));
        return env * (0.6f * carrier.Next(f * vibrato) + 0.25f * shimmer.Next(1.5f * f * vibrato) +
                      0.4f * bp.Process(rng.Bipolar()));
    });
    return s;
}

Signal Hurt()
{
    // The player is hit: a rough, falling groan of two saws a tritone apart,
    // shaken by a fast tremolo, after a dull knock.
    Signal s(0.4f);
    Oscillator a(Waveform::Saw, Rate);
    Oscillator b(Waveform::Saw, Rate, 0.4f);
    Oscillator shake(Waveform::Sine, Rate);
    Filter lp(FilterMode::LowPass, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float x = t / 0.4f;
        float f = 330.0f * std::pow(0.5f, x);
        lp.Set(2600.0f - 1800.0f * x, 0.3f);
        float tremolo = 0.65f + 0.35f * shake.Next(32.0f);
        float env = Attack(t, 0.004f) * std::pow(1.0f - x, 1.5f);
        float v = lp.Process(a.Next(f) + 0.7f * b.Next(f * 1.4142f));
        return env * tremolo * std::tanh(1.8f * v);
    });
    Random rng(404);
    Filter knock(FilterMode::LowPass, Rate);
    knock.Set(400.0f, 0.2f);
    s.Add(0.0f, 0.05f, [&](float t) { return 0.8f * knock.Process(rng.Bipolar()) * Decay(t, 70.0f); });
    return s;
}

Signal Die()
{
    Signal s(1.1f);
    const float notes[] = {79, 75, 72};
    for (int i = 0; i < 3; ++i)
        AddTone(s, 0.18f * static_cast<float>(i), 0.2f, Waveform::Square, Midi(notes[i]), 0.45f, 5.0f, 0.3f);
    // The last note sinks an octave and fades.
    Oscillator osc(Waveform::Square, Rate);
    osc.SetPulseWidth(0.3f);
    Filter lp(FilterMode::LowPass, Rate);
    s.Add(0.54f, 0.56f, [&](float t) {
        float f = Midi(67.0f) * std::pow(0.5f, t / 0.56f) * (1.0f + 0.03f * std::sin(2.0f * Pi * 7.0f * t));
        lp.Set(4000.0f - 5000.0f * t, 0.1f);
        return 0.5f * lp.Process(osc.Next(f)) * Attack(t, 0.005f) * (1.0f - t / 0.56f);
    });
    return s;
}

Signal Item()
{
    // Something useful picked up: a round sweep upwards (phase modulation
    // opening as it rises) that lands on a soft fifth, unlike the coin's
    // bright two-note ding.
    Signal s(0.32f);
    double carrier = 0.0;
    Oscillator modulator(Waveform::Sine, Rate);
    s.Add(0.0f, 0.2f, [&](float t) {
        float x = t / 0.2f;
        float f = 260.0f * std::pow(3.0f, x);
        float index = 0.4f + 1.6f * x;
        float v = std::sin(2.0f * Pi * static_cast<float>(carrier) + index * modulator.Next(f * 2.0f));
        carrier += f / Rate;
        carrier -= std::floor(carrier);
        return 0.7f * v * Attack(t, 0.004f) * std::min(1.0f, (0.2f - t) / 0.03f);
    });
    AddTone(s, 0.18f, 0.14f, Waveform::Triangle, Midi(79), 0.45f, 18.0f);
    AddTone(s, 0.18f, 0.14f, Waveform::Triangle, Midi(86), 0.3f, 22.0f);
    return s;
}

Signal Coin()
{
    Signal s(0.45f);
    AddTone(s, 0.0f, 0.065f, Waveform::Square, Midi(83), 0.4f, 4.0f);
    AddTone(s, 0.06f, 0.39f, Waveform::Square, Midi(88), 0.4f, 8.0f);
    AddTone(s, 0.06f, 0.39f, Waveform::Sine, Midi(100), 0.15f, 10.0f);
    return s;
}

Signal Energy()
{
    Signal s(0.55f);
    const float notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        float start = 0.08f * static_cast<float>(i);
        AddTone(s, start, 0.55f - start, Waveform::Triangle, Midi(notes[i]), 0.55f, 6.0f);
        AddTone(s, start, 0.55f - start, Waveform::Sine, Midi(notes[i] - 12.0f), 0.3f, 6.0f);
    }
    return s;
}

Signal Life()
{
    Signal s(0.9f);
    const float notes[] = {79, 84, 88, 91};
    for (int i = 0; i < 4; ++i)
        AddTone(s, 0.09f * static_cast<float>(i), 0.1f, Waveform::Square, Midi(notes[i]), 0.4f, 3.0f, 0.3f);
    Oscillator lead(Waveform::Square, Rate);
    lead.SetPulseWidth(0.3f);
    Oscillator octave(Waveform::Triangle, Rate);
    s.Add(0.36f, 0.54f, [&](float t) {
        float f = Midi(96) * (1.0f + 0.012f * std::sin(2.0f * Pi * 6.0f * t) * std::min(1.0f, t / 0.15f));
        float env = Attack(t, 0.004f) * Decay(t, 3.5f) * std::min(1.0f, (0.54f - t) / 0.05f);
        return env * (0.4f * lead.Next(f) + 0.3f * octave.Next(f * 0.5f));
    });
    return s;
}

Signal Checkpoint()
{
    Signal s(1.0f);
    AddBell(s, 0.0f, 1.0f, Midi(88), 0.5f);
    AddBell(s, 0.14f, 0.86f, Midi(95), 0.45f);
    AddTone(s, 0.14f, 0.86f, Waveform::Sine, Midi(83), 0.25f, 3.0f);
    return s;
}

Signal Switch()
{
    // A lever thrown: two clacks, a thunk, and the short whirr of the
    // mechanism it sets going.
    Signal s(0.34f);
    Random rng(1111);
    Filter bp(FilterMode::BandPass, Rate);
    bp.Set(2200.0f, 0.6f);
    for (float at : {0.0f, 0.05f}) {
        s.Add(at, 0.02f, [&](float t) { return 0.6f * bp.Process(rng.Bipolar()) * Decay(t, 220.0f); });
    }
    Oscillator thump(Waveform::Sine, Rate);
    s.Add(0.05f, 0.12f, [&](float t) { return 0.6f * thump.Next(150.0f - 300.0f * t) * Decay(t, 30.0f); });
    Oscillator motor(Waveform::Saw, Rate);
    Filter lp(FilterMode::LowPass, Rate);
    lp.Set(1400.0f, 0.4f);
    s.Add(0.07f, 0.27f, [&](float t) {
        float x = t / 0.27f;
        float f = 110.0f + 90.0f * std::sin(Pi * 0.5f * std::min(1.0f, 2.0f * x));
        float env = Attack(t, 0.02f) * std::min(1.0f, (0.27f - t) / 0.08f);
        return 0.5f * lp.Process(motor.Next(f)) * env * (0.8f + 0.2f * std::sin(2.0f * Pi * 40.0f * t));
    });
    return s;
}

Signal Rocket()
{
    Signal s(0.65f);
    Random rng(1212);
    Filter bp(FilterMode::BandPass, Rate);
    Filter lp(FilterMode::LowPass, Rate);
    lp.Set(300.0f, 0.3f);
    Oscillator rumble(Waveform::Saw, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float x = t / 0.65f;
        bp.Set(400.0f * std::pow(8.0f, x), 0.55f);
        float noise = rng.Bipolar();
        float env = Attack(t, 0.025f) * std::pow(1.0f - x, 1.3f);
        float low = lp.Process(rumble.Next(90.0f - 40.0f * x) + 0.5f * noise);
        return env * (0.9f * bp.Process(noise) + 0.6f * low);
    });
    return s;
}

Signal RollingBomb()
{
    Signal s(0.5f);
    Oscillator clunk(Waveform::Sine, Rate);
    s.Add(0.0f, 0.2f, [&](float t) { return 0.6f * clunk.Next(110.0f - 120.0f * t) * Decay(t, 22.0f); });
    Random rng(1313);
    // The fuse: a hiss held in the presence range (nothing sharp above it)
    // with soft sparks riding on it.
    Filter bp(FilterMode::BandPass, Rate);
    bp.Set(3200.0f, 0.35f);
    Filter lp(FilterMode::LowPass, Rate);
    lp.Set(5500.0f, 0.0f);
    s.Add(0.03f, 0.44f, [&](float t) {
        float env = Attack(t, 0.03f) * std::min(1.0f, (0.44f - t) / 0.1f);
        return 0.5f * lp.Process(bp.Process(rng.Bipolar())) * std::max(env, 0.0f);
    });
    for (int i = 0; i < 7; ++i)
        AddGrain(s, 0.05f + 0.055f * static_cast<float>(i) + 0.02f * rng.Uniform(), 0.004f, 2500.0f, 0.35f, rng);
    // Two knocks as the bomb sets off rolling.
    AddTone(s, 0.16f, 0.06f, Waveform::Triangle, 240.0f, 0.35f, 60.0f);
    AddTone(s, 0.3f, 0.06f, Waveform::Triangle, 220.0f, 0.3f, 60.0f);
    return s;
}

Signal Mine()
{
    Signal s(0.42f);
    const float partials[] = {1230.0f, 1870.0f, 2655.0f, 3720.0f};
    for (int i = 0; i < 4; ++i)
        AddTone(s, 0.0f, 0.2f, Waveform::Sine, partials[i], 0.35f / (1.0f + 0.5f * static_cast<float>(i)),
                25.0f + 8.0f * static_cast<float>(i));
    AddTone(s, 0.16f, 0.05f, Waveform::Square, 1600.0f, 0.3f, 10.0f);
    AddTone(s, 0.3f, 0.05f, Waveform::Square, 1600.0f, 0.3f, 10.0f);
    return s;
}

Signal Arrow()
{
    // The bowstring's twang, then the arrow's falling whoosh.
    Signal s(0.3f);
    Random rng(1515);
    Filter bp(FilterMode::BandPass, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float x = t / 0.3f;
        bp.Set(3800.0f * std::pow(0.15f, x), 0.5f);
        return 1.1f * bp.Process(rng.Bipolar()) * Attack(t, 0.015f) * (1.0f - x);
    });
    Oscillator string(Waveform::Triangle, Rate);
    s.Add(0.0f, 0.26f, [&](float t) {
        float f = 180.0f * (1.0f + 0.25f * Decay(t, 40.0f));
        return 0.7f * string.Next(f) * Decay(t, 12.0f) * std::min(1.0f, (0.26f - t) / 0.03f);
    });
    return s;
}

Signal Fireball()
{
    // A roaring whoosh with soft crackles (short grains, not single-sample clicks).
    Signal s(0.5f);
    Random rng(1616);
    Filter lp(FilterMode::LowPass, Rate);
    Oscillator low(Waveform::Sine, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float x = t / 0.5f;
        lp.Set(300.0f + 2200.0f * std::sin(Pi * std::min(1.0f, x * 1.6f)), 0.35f);
        float env = Attack(t, 0.02f) * std::pow(1.0f - x, 1.2f);
        return env * (lp.Process(rng.Bipolar()) + 0.35f * low.Next(130.0f - 60.0f * x));
    });
    for (int i = 0; i < 14; ++i) {
        float at = 0.02f + 0.4f * rng.Uniform();
        float fade = std::pow(1.0f - at / 0.5f, 1.2f);
        AddGrain(s, at, 0.003f + 0.004f * rng.Uniform(), 1500.0f + 2000.0f * rng.Uniform(), 0.8f * fade, rng);
    }
    return s;
}

Signal Darkball()
{
    Signal s(0.6f);
    Oscillator a(Waveform::Saw, Rate);
    Oscillator b(Waveform::Saw, Rate, 0.37f);
    Filter lp(FilterMode::LowPass, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float x = t / 0.6f;
        float f = 120.0f * std::pow(0.55f, x);
        lp.Set(1200.0f - 700.0f * x, 0.65f);
        float tremolo = 0.7f + 0.3f * std::sin(2.0f * Pi * 11.0f * t);
        float env = Attack(t, 0.03f) * (1.0f - x);
        return env * tremolo * lp.Process(0.5f * a.Next(f) + 0.5f * b.Next(f * 1.03f));
    });
    return s;
}

Signal Ufo()
{
    Signal s(0.7f);
    Oscillator tone(Waveform::Sine, Rate);
    Oscillator ring(Waveform::Triangle, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        float f = 720.0f + 260.0f * std::sin(2.0f * Pi * 9.0f * t);
        float env = Attack(t, 0.03f) * std::min(1.0f, (0.7f - t) / 0.12f);
        return env * tone.Next(f) * (0.75f + 0.25f * ring.Next(53.0f));
    });
    return s;
}

Signal Faller()
{
    Signal s(0.6f);
    Random rng(1919);
    Filter lp(FilterMode::LowPass, Rate);
    lp.Set(1400.0f, 0.2f);
    Oscillator rumble(Waveform::Triangle, Rate);
    float grain = 0.0f;
    s.Add(0.0f, -1.0f, [&](float t) {
        // Crumbling: the noise comes in random grains.
        if (rng.Chance(0.0015f))
            grain = 0.6f + 0.4f * rng.Uniform();
        grain *= 0.9992f;
        float x = t / 0.6f;
        float env = Attack(t, 0.005f) * (1.0f - x);
        return env * (lp.Process(rng.Bipolar()) * (0.35f + grain) + 0.45f * rumble.Next(75.0f - 30.0f * x));
    });
    return s;
}

Signal Explosion()
{
    Signal s(1.0f);
    Random rng(2020);
    Filter lp(FilterMode::LowPass, Rate);
    Oscillator boom(Waveform::Sine, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        lp.Set(3500.0f * Decay(t, 3.2f) + 150.0f, 0.15f);
        float noise = lp.Process(rng.Bipolar()) * Attack(t, 0.002f) * Decay(t, 4.2f);
        float thump = boom.Next(85.0f * Decay(t, 2.5f) + 35.0f) * Decay(t, 9.0f);
        // Driven into soft saturation: loud without a single spike setting the level.
        return std::tanh(2.5f * (noise + 0.7f * thump));
    });
    return s;
}

Signal HeavyExpl()
{
    Signal s(1.7f);
    Random rng(2121);
    Filter lp(FilterMode::LowPass, Rate);
    Filter lp2(FilterMode::LowPass, Rate);
    Oscillator boom(Waveform::Sine, Rate);
    s.Add(0.0f, -1.0f, [&](float t) {
        lp.Set(2500.0f * Decay(t, 2.0f) + 100.0f, 0.2f);
        lp2.Set(500.0f, 0.3f);
        float n = rng.Bipolar();
        float noise = lp.Process(n) * Attack(t, 0.003f) * Decay(t, 2.4f);
        float rumble = lp2.Process(n) * Attack(t, 0.05f) * Decay(t, 1.6f) * 1.5f;
        float sub = boom.Next(60.0f * Decay(t, 1.8f) + 28.0f) * Decay(t, 3.5f);
        return std::tanh(2.2f * (noise + rumble + 0.9f * sub));
    });
    // A second blast just after the first.
    Random rng2(2122);
    Filter lp3(FilterMode::LowPass, Rate);
    lp3.Set(1800.0f, 0.2f);
    s.Add(0.12f, -1.0f, [&](float t) { return 0.7f * lp3.Process(rng2.Bipolar()) * Decay(t, 5.0f); });
    return s;
}

Signal Block()
{
    // A knock on a hollow block: a thud with two woody resonances.
    Signal s(0.35f);
    Oscillator thud(Waveform::Sine, Rate);
    s.Add(0.0f, -1.0f, [&](float t) { return 0.5f * thud.Next(170.0f * Decay(t, 8.0f) + 70.0f) * Decay(t, 20.0f); });
    AddTone(s, 0.0f, 0.35f, Waveform::Sine, 196.0f, 0.5f, 5.0f);
    AddTone(s, 0.0f, 0.3f, Waveform::Sine, 431.0f, 0.25f, 8.0f);
    Random rng(2222);
    Filter bp(FilterMode::BandPass, Rate);
    bp.Set(1800.0f, 0.5f);
    s.Add(0.0f, 0.015f, [&](float t) { return 0.6f * bp.Process(rng.Bipolar()) * Decay(t, 250.0f); });
    return s;
}

Signal Enemy()
{
    // An enemy squashed: a wet splat, then a clean bounce upwards (the
    // opposite of the player's own falling, rough Hurt).
    Signal s(0.3f);
    Random rng(2323);
    Filter bp(FilterMode::BandPass, Rate);
    s.Add(0.0f, 0.06f, [&](float t) {
        bp.Set(1400.0f * Decay(t, 25.0f) + 250.0f, 0.5f);
        return 0.6f * bp.Process(rng.Bipolar()) * Decay(t, 45.0f);
    });
    Oscillator thump(Waveform::Sine, Rate);
    s.Add(0.0f, 0.08f, [&](float t) { return 0.45f * thump.Next(160.0f - 600.0f * t) * Decay(t, 40.0f); });
    Oscillator boing(Waveform::Triangle, Rate);
    s.Add(0.05f, 0.25f, [&](float t) {
        float f = 280.0f * std::pow(3.0f, std::min(1.0f, t / 0.1f));
        float env = Attack(t, 0.005f) * Decay(t, 6.0f) * std::min(1.0f, (0.25f - t) / 0.04f);
        return 0.8f * boing.Next(f) * env;
    });
    return s;
}

Signal Jetpack()
{
    // Six seconds of thrust once looped: a roar that pulses 16 times a second.
    // The loop starts and ends in the quiet between two pulses, and the thrust
    // eases off over the pulse on either side of that point, so when the game
    // starts it again the short wait falls into a lull, not into the roar.
    const float pulse = 16.0f;
    const float loop = 96.0f / pulse;
    const float fade = 0.25f;
    Signal s(loop + fade);
    Random rng(2424);
    Filter bp(FilterMode::BandPass, Rate);
    bp.Set(900.0f, 0.35f);
    Filter lp(FilterMode::LowPass, Rate);
    lp.Set(240.0f, 0.3f);
    Filter air(FilterMode::BandPass, Rate);
    air.Set(2600.0f, 0.2f);
    Filter top(FilterMode::LowPass, Rate);
    top.Set(6000.0f, 0.0f);
    s.Add(0.0f, -1.0f, [&](float t) {
        float n = rng.Bipolar();
        // The pulse is a raised cosine with its trough at t = 0 (and so at the loop's end).
        float flutter = 0.15f + 0.85f * (0.5f - 0.5f * std::cos(2.0f * Pi * pulse * t));
        float drift = 1.0f + 0.1f * std::sin(2.0f * Pi * t / loop);
        return flutter * drift * top.Process(0.8f * bp.Process(n) + 1.2f * lp.Process(n) + 0.25f * air.Process(n));
    });
    s.MakeLoop(fade);
    // The lull: the thrust comes up over the first pulse and dies down over
    // the last, quadratically, so the ends are quiet for longer than the wait.
    const std::size_t lull = static_cast<std::size_t>(Rate / pulse);
    for (std::size_t i = 0; i < lull; ++i) {
        float x = static_cast<float>(i) / static_cast<float>(lull);
        s[i] *= x * x;
        s[s.Size() - 1 - i] *= x * x;
    }
    return s;
}

Signal Lava()
{
    // Eight seconds of a low, slowly heaving boil with bubbles. The swell is
    // at its lowest where the loop starts and ends, and no bubble crosses
    // that point, so the game's restart falls into a lull.
    const float loop = 8.0f;
    const float fade = 0.4f;
    Signal s(loop + fade);
    Random rng(2525);
    Filter lp(FilterMode::LowPass, Rate);
    lp.Set(170.0f, 0.4f);
    Filter mid(FilterMode::BandPass, Rate);
    mid.Set(420.0f, 0.3f);
    s.Add(0.0f, -1.0f, [&](float t) {
        float n = rng.Bipolar();
        float swell = 0.25f + 0.75f * (0.5f - 0.5f * std::cos(2.0f * Pi * t / loop * 4.0f));
        return swell * (2.2f * lp.Process(n) + 0.25f * mid.Process(n));
    });
    s.MakeLoop(fade);
    // Bubbles rising and popping, kept away from the loop's ends.
    for (int i = 0; i < 40; ++i) {
        float length = 0.04f + 0.06f * rng.Uniform();
        float at = 0.15f + (loop - 0.3f - length) * (static_cast<float>(i) + rng.Uniform()) / 40.0f;
        float base = 140.0f + 200.0f * rng.Uniform();
        float gain = 0.2f + 0.25f * rng.Uniform();
        Oscillator bubble(Waveform::Sine, Rate);
        s.Add(at, length, [&](float t) {
            float x = t / length;
            return gain * bubble.Next(base * (1.0f + 2.0f * x * x)) * std::sin(Pi * x);
        });
    }
    return s;
}

}  // namespace sfxgen::effects
