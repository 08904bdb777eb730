#pragma once

#include "sfxgen/synth/Oscillator.h"

#include <array>
#include <cstddef>

namespace musicgen {

// The instruments that play melodies, arpeggios, chords and bass lines.
enum class InstrumentKind {
    Flute,
    Pluck,
    SoftBass,
    Pad,
    SawLead,
    GrowlBass,
    PowerChord,
    ChipLead,
    ChipArp,
    PulseBass,
    Bell,
    Brass,
    Strings,
    Count
};

enum class Synthesis {
    Subtractive,  // one or two oscillators through a filter
    Pluck,        // a plucked string (Karplus-Strong)
    Bell          // two-operator phase modulation
};

struct InstrumentSpec {
    const char* name;
    Synthesis synthesis;
    synth::Waveform wave;
    float pulseWidth;
    float detuneCents;  // a second oscillator this far above the first; 0 for none
    float subLevel;     // a sine one octave down
    float attack, decay, sustain, release;  // seconds, sustain level 0..1
    float cutoff;       // filter cutoff (Hz) at rest
    float cutoffBoost;  // cutoff multiplier added at the note's start, fading with filterDecay
    float filterDecay;  // seconds
    float resonance;
    float vibratoDepth;  // semitones
    float vibratoRate;   // Hz
    float vibratoDelay;  // seconds before the vibrato sets in
    float drive;         // saturation, 0 for none
    float gain;
};

constexpr std::size_t InstrumentCount = static_cast<std::size_t>(InstrumentKind::Count);

const InstrumentSpec& GetInstrument(InstrumentKind kind);

}  // namespace musicgen
