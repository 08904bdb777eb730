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
    Whistle,
    Reed,
    Marimba,
    Harp,
    Organ,
    Vox,
    SquareLead,
    SynthBass,
    Keys,
    Guitar,
    Glass,
    Count
};

enum class Synthesis {
    Subtractive,  // one or two oscillators through a filter
    Pluck,        // a plucked string (Karplus-Strong)
    Bell,         // two-operator phase modulation, ringing on by itself
    Organ,        // a few harmonics added (drawbars), held like a subtractive note
    Vox           // a saw through three vowel formants
};

struct InstrumentSpec {
    const char* name;
    Synthesis synthesis;
    synth::Waveform wave;
    float pulseWidth;
    float detuneCents;  // a second oscillator this far above the first; 0 for none
    float subLevel;     // a sine one octave down
    float attack, decay, sustain, release;  // seconds, sustain level 0..1
    float cutoff;       // filter cutoff (Hz) at rest; for plucks the brightness of the pluck
    float cutoffBoost;  // cutoff multiplier added at the note's start, fading with filterDecay
    float filterDecay;  // seconds
    float resonance;
    float vibratoDepth;  // semitones
    float vibratoRate;   // Hz
    float vibratoDelay;  // seconds before the vibrato sets in
    float drive;         // saturation, 0 for none
    float gain;
    float breath;        // noise around the note's pitch (blown instruments), 0 for none
    float fmRatio;       // phase modulation: modulator over carrier frequency
    float fmIndex;       // modulation index at the start of the note
    float fmIndexDecay;  // per second
    float ringDecay;     // per second: how fast a bell or struck note dies away
};

constexpr std::size_t InstrumentCount = static_cast<std::size_t>(InstrumentKind::Count);

const InstrumentSpec& GetInstrument(InstrumentKind kind);

}  // namespace musicgen
