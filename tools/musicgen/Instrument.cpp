#include "musicgen/Instrument.h"

namespace musicgen {

namespace {

using synth::Waveform;
using S = Synthesis;

// name, synthesis, wave, pulse, detune, sub, attack, decay, sustain, release,
// cutoff, boost, filterDecay, resonance, vibrato depth, rate, delay, drive, gain,
// breath, fm ratio, fm index, index decay, ring decay
const std::array<InstrumentSpec, InstrumentCount> Instruments = {{
    {"Flute",      S::Subtractive, Waveform::Triangle, 0.5f,   0.0f, 0.00f, 0.040f, 0.30f, 0.80f, 0.12f,
     4200.0f, 0.5f, 0.20f, 0.10f, 0.18f, 5.2f, 0.18f, 0.0f, 0.55f, 0.10f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"Pluck",      S::Pluck,       Waveform::Saw,      0.5f,   0.0f, 0.00f, 0.002f, 0.60f, 0.00f, 0.08f,
     4000.0f, 0.0f, 0.10f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.45f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"SoftBass",   S::Subtractive, Waveform::Triangle, 0.5f,   0.0f, 0.15f, 0.006f, 0.40f, 0.60f, 0.08f,
     900.0f,  0.8f, 0.08f, 0.10f, 0.00f, 0.0f, 0.00f, 0.0f, 0.70f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"Pad",        S::Subtractive, Waveform::Saw,      0.5f,   9.0f, 0.00f, 0.350f, 1.00f, 0.70f, 0.60f,
     1300.0f, 0.3f, 0.80f, 0.15f, 0.00f, 0.0f, 0.00f, 0.0f, 0.22f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"SawLead",    S::Subtractive, Waveform::Saw,      0.5f,  12.0f, 0.00f, 0.008f, 0.25f, 0.70f, 0.10f,
     1800.0f, 2.0f, 0.15f, 0.35f, 0.25f, 5.8f, 0.22f, 0.6f, 0.38f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"GrowlBass",  S::Subtractive, Waveform::Square,   0.5f,   7.0f, 0.15f, 0.004f, 0.20f, 0.70f, 0.06f,
     700.0f,  2.5f, 0.10f, 0.45f, 0.00f, 0.0f, 0.00f, 1.4f, 0.45f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"PowerChord", S::Subtractive, Waveform::Saw,      0.5f,  14.0f, 0.00f, 0.005f, 0.30f, 0.55f, 0.12f,
     1500.0f, 1.2f, 0.12f, 0.20f, 0.00f, 0.0f, 0.00f, 2.2f, 0.20f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"ChipLead",   S::Subtractive, Waveform::Square,   0.25f,  0.0f, 0.00f, 0.004f, 0.20f, 0.75f, 0.06f,
     5000.0f, 0.0f, 0.10f, 0.00f, 0.20f, 6.5f, 0.15f, 0.0f, 0.32f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"ChipArp",    S::Subtractive, Waveform::Square,   0.125f, 0.0f, 0.00f, 0.002f, 0.10f, 0.30f, 0.04f,
     4500.0f, 0.0f, 0.10f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.24f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"PulseBass",  S::Subtractive, Waveform::Square,   0.5f,   0.0f, 0.10f, 0.003f, 0.15f, 0.60f, 0.05f,
     600.0f,  3.0f, 0.07f, 0.60f, 0.00f, 0.0f, 0.00f, 0.3f, 0.50f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"Bell",       S::Bell,        Waveform::Sine,     0.5f,   0.0f, 0.00f, 0.002f, 1.20f, 0.00f, 0.40f,
     0.0f,    0.0f, 0.00f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.40f, 0.00f, 3.5f, 1.8f, 5.0f, 2.2f},
    {"Brass",      S::Subtractive, Waveform::Saw,      0.5f,   6.0f, 0.00f, 0.030f, 0.25f, 0.80f, 0.10f,
     900.0f,  2.2f, 0.12f, 0.15f, 0.12f, 5.0f, 0.25f, 0.4f, 0.36f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"Strings",    S::Subtractive, Waveform::Saw,      0.5f,   7.0f, 0.00f, 0.150f, 0.60f, 0.85f, 0.35f,
     2200.0f, 0.0f, 0.10f, 0.05f, 0.08f, 5.5f, 0.30f, 0.0f, 0.20f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    // A tin whistle: a pure tone with breath in it and a quick, narrow vibrato.
    {"Whistle",    S::Subtractive, Waveform::Sine,     0.5f,   0.0f, 0.00f, 0.025f, 0.20f, 0.85f, 0.08f,
     8000.0f, 0.0f, 0.10f, 0.00f, 0.15f, 6.0f, 0.20f, 0.0f, 0.50f, 0.22f, 0.0f, 0.0f, 0.0f, 0.0f},
    // A double reed, oboe-like: a bright, nasal saw with a little bite at the start.
    {"Reed",       S::Subtractive, Waveform::Saw,      0.5f,   0.0f, 0.00f, 0.030f, 0.30f, 0.80f, 0.10f,
     5500.0f, 0.6f, 0.08f, 0.25f, 0.10f, 5.0f, 0.30f, 0.0f, 0.30f, 0.08f, 0.0f, 0.0f, 0.0f, 0.0f},
    // Struck wooden bars: a quick knock that rings a short while.
    {"Marimba",    S::Bell,        Waveform::Sine,     0.5f,   0.0f, 0.00f, 0.001f, 0.50f, 0.00f, 0.15f,
     0.0f,    0.0f, 0.00f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.55f, 0.00f, 4.0f, 1.4f, 28.0f, 5.5f},
    // A harp: a bright, long plucked string.
    {"Harp",       S::Pluck,       Waveform::Saw,      0.5f,   0.0f, 0.00f, 0.002f, 0.60f, 0.00f, 0.20f,
     9000.0f, 0.0f, 0.10f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.40f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    // An organ, pushed into overdrive.
    {"Organ",      S::Organ,       Waveform::Sine,     0.5f,   0.0f, 0.00f, 0.010f, 0.10f, 1.00f, 0.06f,
     0.0f,    0.0f, 0.00f, 0.00f, 0.10f, 6.5f, 0.00f, 1.6f, 0.30f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    // A synthetic choir voice on "aw".
    {"Vox",        S::Vox,         Waveform::Saw,      0.5f,   8.0f, 0.00f, 0.080f, 0.40f, 0.85f, 0.25f,
     0.0f,    0.0f, 0.00f, 0.00f, 0.20f, 5.0f, 0.25f, 0.0f, 0.55f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    // A fat square lead, two detuned oscillators, a little grit.
    {"SquareLead", S::Subtractive, Waveform::Square,   0.5f,  10.0f, 0.00f, 0.006f, 0.20f, 0.75f, 0.08f,
     3000.0f, 1.0f, 0.10f, 0.30f, 0.15f, 6.0f, 0.20f, 0.5f, 0.30f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    // A saw bass whose filter snaps open at every note.
    {"SynthBass",  S::Subtractive, Waveform::Saw,      0.5f,   0.0f, 0.20f, 0.003f, 0.18f, 0.55f, 0.05f,
     420.0f,  4.0f, 0.06f, 0.55f, 0.00f, 0.0f, 0.00f, 0.2f, 0.55f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    // An electric piano: soft phase modulation at the unison.
    {"Keys",       S::Bell,        Waveform::Sine,     0.5f,   0.0f, 0.00f, 0.002f, 0.80f, 0.00f, 0.20f,
     0.0f,    0.0f, 0.00f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.45f, 0.00f, 1.0f, 1.3f, 4.0f, 1.6f},
    // A distorted lead guitar: a plucked string driven hard.
    {"Guitar",     S::Pluck,       Waveform::Saw,      0.5f,   0.0f, 0.00f, 0.002f, 0.60f, 0.00f, 0.10f,
     3500.0f, 0.0f, 0.10f, 0.00f, 0.00f, 0.0f, 0.00f, 3.0f, 0.30f, 0.00f, 0.0f, 0.0f, 0.0f, 0.0f},
    // A glassy digital lead: phase modulation at the octave, slow to fade.
    {"Glass",      S::Bell,        Waveform::Sine,     0.5f,   0.0f, 0.00f, 0.004f, 1.00f, 0.00f, 0.15f,
     0.0f,    0.0f, 0.00f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.45f, 0.00f, 2.0f, 2.5f, 3.0f, 1.2f},
}};

}  // namespace

const InstrumentSpec& GetInstrument(InstrumentKind kind)
{
    return Instruments[static_cast<std::size_t>(kind)];
}

}  // namespace musicgen
