#include "musicgen/Renderer.h"

#include "musicgen/Voice.h"

#include <algorithm>
#include <cmath>

namespace musicgen {

namespace {

const float Rate = static_cast<float>(Renderer::SampleRate);

// Where each drum sits, in DrumKind order.
const float DrumPans[DrumCount] = {0.0f, 0.05f, 0.3f, 0.3f, -0.1f, -0.35f, 0.35f, -0.3f, 0.25f, -0.2f, 0.35f, -0.4f, -0.15f};

void PanGains(float pan, float& left, float& right)
{
    float angle = (pan + 1.0f) * 0.25f * 3.14159265f;
    left = std::cos(angle) * 1.41421356f;
    right = std::sin(angle) * 1.41421356f;
}

}  // namespace

StereoMix Renderer::Render(const Score& score, std::uint32_t seed)
{
    const float framesPerBeat = Rate * 60.0f / score.tempo;
    const float secondsPerBeat = 60.0f / score.tempo;
    // A piece that ends gets room for its last notes and echoes to die away;
    // it is cut where they have.
    std::size_t frames = static_cast<std::size_t>(std::lround(score.beats * framesPerBeat));
    if (!score.looped)
        frames += static_cast<std::size_t>(3.0f * Rate);
    StereoMix mix(frames, score.looped);

    std::uint32_t noteSeed = seed * 2654435761u;
    for (const NoteEvent& note : score.notes) {
        const InstrumentSpec& spec = GetInstrument(note.instrument);
        float frequency = 440.0f * std::pow(2.0f, static_cast<float>(note.midi - 69) / 12.0f);
        // Notes are let go a little early so repeated notes stay apart, by at
        // most 50 ms: a long chord let go a tenth early left a hole before the
        // next bar (and before the wrap of the loop).
        float length = note.length * secondsPerBeat;
        float held = length - std::min(0.1f * length, 0.05f);
        noteSeed = noteSeed * 1664525u + 1013904223u;
        std::vector<float> sound = Voice::Render(spec, Rate, frequency, held, note.velocity, noteSeed);
        float left, right;
        PanGains(note.pan, left, right);
        mix.Add(static_cast<std::size_t>(std::lround(note.beat * framesPerBeat)), sound, left, right, note.echo);
    }

    DrumKit kit(Rate, score.drumWeight);
    for (const DrumEvent& hit : score.drums) {
        float left, right;
        PanGains(DrumPans[static_cast<std::size_t>(hit.drum)], left, right);
        float gain = hit.velocity * score.drumGain;
        mix.Add(static_cast<std::size_t>(std::lround(hit.beat * framesPerBeat)), kit.Get(hit.drum), gain * left,
                gain * right, 0.0f);
    }

    mix.ApplyEcho(static_cast<std::size_t>(std::lround(score.echoBeats * framesPerBeat)), score.echoFeedback, 4);
    mix.RemoveOffset();
    mix.Master(MusicLoudness, SampleRate);
    if (!score.looped)
        mix.TrimTail(-50.0f, SampleRate, 0.08f);
    return mix;
}

}  // namespace musicgen
