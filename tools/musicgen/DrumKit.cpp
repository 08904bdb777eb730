#include "musicgen/DrumKit.h"

#include "sfxgen/synth/Filter.h"
#include "sfxgen/synth/Random.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace musicgen {

namespace {

const float Pi = 3.14159265358979f;

// Quick repeated strikes (a clap's slaps, a tambourine's rattles): a decay
// from each start time on.
float Strikes(float t, std::initializer_list<float> starts, float decay)
{
    float sum = 0.0f;
    for (float at : starts)
        if (t >= at)
            sum += std::exp(-(t - at) * decay);
    return sum;
}

}  // namespace

DrumKit::DrumKit(float sampleRate, float weight) : sampleRate_(sampleRate), weight_(weight)
{
    for (std::size_t k = 0; k < DrumCount; ++k)
        sounds_[k] = Make(static_cast<DrumKind>(k));
}

std::vector<float> DrumKit::Make(DrumKind kind) const
{
    using synth::Filter;
    using synth::FilterMode;
    const float rate = sampleRate_;
    const float w = weight_;
    auto length = [&](float seconds) { return std::vector<float>(static_cast<std::size_t>(seconds * rate), 0.0f); };
    auto time = [&](std::size_t i) { return static_cast<float>(i) / rate; };
    synth::Random rng(9000u + static_cast<unsigned>(kind));

    std::vector<float> out;
    switch (kind) {
    case DrumKind::Kick:
    case DrumKind::LowTom:
    case DrumKind::HighTom: {
        float top = kind == DrumKind::Kick ? 150.0f : kind == DrumKind::LowTom ? 140.0f : 220.0f;
        float bottom = kind == DrumKind::Kick ? 42.0f + 8.0f * (1.0f - w) : top * 0.6f;
        float sweep = kind == DrumKind::Kick ? 28.0f : 9.0f;
        float decay = kind == DrumKind::Kick ? 9.0f - 3.0f * w : 7.0f - 2.0f * w;
        out = length(0.5f);
        double phase = 0.0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            float f = bottom + (top - bottom) * std::exp(-t * sweep);
            phase += f / rate;
            float click = kind == DrumKind::Kick ? 0.3f * rng.Bipolar() * std::exp(-t * 400.0f) : 0.0f;
            out[i] = (std::sin(2.0f * Pi * static_cast<float>(phase)) + click) * std::exp(-t * decay);
        }
        break;
    }
    case DrumKind::Snare: {
        out = length(0.3f);
        Filter hp(FilterMode::HighPass, rate);
        hp.Set(1200.0f, 0.1f);
        double phase = 0.0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            phase += (185.0f + 40.0f * std::exp(-t * 40.0f)) / rate;
            float tone = std::sin(2.0f * Pi * static_cast<float>(phase)) * std::exp(-t * 25.0f);
            float noise = hp.Process(rng.Bipolar()) * std::exp(-t * (16.0f - 4.0f * w));
            out[i] = 0.5f * tone + (0.7f + 0.3f * w) * noise;
        }
        break;
    }
    case DrumKind::ClosedHat:
    case DrumKind::OpenHat: {
        bool open = kind == DrumKind::OpenHat;
        out = length(open ? 0.35f : 0.07f);
        Filter hp(FilterMode::HighPass, rate);
        hp.Set(7000.0f, 0.2f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            out[i] = 0.6f * hp.Process(rng.Bipolar()) * std::exp(-t * (open ? 9.0f : 70.0f));
        }
        break;
    }
    case DrumKind::Clap: {
        out = length(0.25f);
        Filter bp(FilterMode::BandPass, rate);
        bp.Set(1300.0f, 0.4f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            // Three quick slaps, then the room.
            float bursts = Strikes(t, {0.0f, 0.011f, 0.022f}, 180.0f);
            float tail = t >= 0.022f ? 0.5f * std::exp(-(t - 0.022f) * 18.0f) : 0.0f;
            out[i] = 1.4f * bp.Process(rng.Bipolar()) * (bursts + tail);
        }
        break;
    }
    case DrumKind::Shaker: {
        out = length(0.09f);
        Filter bp(FilterMode::BandPass, rate);
        bp.Set(6000.0f, 0.3f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            float env = std::min(1.0f, t / 0.012f) * std::exp(-t * 40.0f);
            out[i] = 0.8f * bp.Process(rng.Bipolar()) * env;
        }
        break;
    }
    case DrumKind::Woodblock: {
        out = length(0.08f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            out[i] = (0.7f * std::sin(2.0f * Pi * 880.0f * t) + 0.3f * std::sin(2.0f * Pi * 1390.0f * t)) *
                     std::exp(-t * 60.0f);
        }
        break;
    }
    case DrumKind::Crash: {
        out = length(1.6f);
        Filter hp(FilterMode::HighPass, rate);
        hp.Set(3500.0f, 0.1f);
        Filter bp(FilterMode::BandPass, rate);
        bp.Set(5200.0f, 0.5f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            float n = rng.Bipolar();
            out[i] = (0.5f * hp.Process(n) + 0.3f * bp.Process(n)) * std::exp(-t * 2.8f);
        }
        break;
    }
    case DrumKind::Ride: {
        // A ride cymbal: a ping of clashing partials over a long shimmer.
        out = length(1.2f);
        Filter hp(FilterMode::HighPass, rate);
        hp.Set(5000.0f, 0.1f);
        const float partials[] = {3130.0f, 4410.0f, 5270.0f, 7030.0f};
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            float ping = 0.0f;
            for (float p : partials)
                ping += std::sin(2.0f * Pi * p * t);
            out[i] = (0.08f * ping * std::exp(-t * 7.0f) + 0.3f * hp.Process(rng.Bipolar())) * std::exp(-t * 3.5f);
        }
        break;
    }
    case DrumKind::Tambourine: {
        // Jingles: bright noise in a few quick rattles.
        out = length(0.18f);
        Filter bp(FilterMode::BandPass, rate);
        bp.Set(8500.0f, 0.45f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            out[i] = 0.9f * bp.Process(rng.Bipolar()) * Strikes(t, {0.0f, 0.008f, 0.017f}, 45.0f);
        }
        break;
    }
    case DrumKind::Rim: {
        // A cross-stick: a short, hollow click.
        out = length(0.06f);
        Filter bp(FilterMode::BandPass, rate);
        bp.Set(1700.0f, 0.7f);
        for (std::size_t i = 0; i < out.size(); ++i) {
            float t = time(i);
            float body = std::sin(2.0f * Pi * 520.0f * t) * std::exp(-t * 90.0f);
            out[i] = (0.6f * body + 1.2f * bp.Process(rng.Bipolar()) * std::exp(-t * 160.0f));
        }
        break;
    }
    case DrumKind::Count:
        break;
    }
    // No drum starts or stops with a click.
    std::size_t fade = std::min<std::size_t>(out.size(), static_cast<std::size_t>(0.004f * rate));
    for (std::size_t i = 0; i < fade; ++i)
        out[out.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    return out;
}

}  // namespace musicgen
