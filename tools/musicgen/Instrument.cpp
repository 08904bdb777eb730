#include "musicgen/Instrument.h"

namespace musicgen {

namespace {

using synth::Waveform;
using S = Synthesis;

// name, synthesis, wave, pulse, detune, sub, attack, decay, sustain, release,
// cutoff, boost, filterDecay, resonance, vibrato depth, rate, delay, drive, gain
const std::array<InstrumentSpec, InstrumentCount> Instruments = {{
    {"Flute",      S::Subtractive, Waveform::Triangle, 0.5f,   0.0f, 0.00f, 0.040f, 0.30f, 0.80f, 0.12f,
     2600.0f, 0.5f, 0.20f, 0.10f, 0.18f, 5.2f, 0.18f, 0.0f, 0.55f},
    {"Pluck",      S::Pluck,       Waveform::Saw,      0.5f,   0.0f, 0.00f, 0.002f, 0.60f, 0.00f, 0.08f,
     4000.0f, 0.0f, 0.10f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.45f},
    {"SoftBass",   S::Subtractive, Waveform::Triangle, 0.5f,   0.0f, 0.15f, 0.006f, 0.40f, 0.60f, 0.08f,
     900.0f,  0.8f, 0.08f, 0.10f, 0.00f, 0.0f, 0.00f, 0.0f, 0.70f},
    {"Pad",        S::Subtractive, Waveform::Saw,      0.5f,   9.0f, 0.00f, 0.350f, 1.00f, 0.70f, 0.60f,
     1300.0f, 0.3f, 0.80f, 0.15f, 0.00f, 0.0f, 0.00f, 0.0f, 0.22f},
    {"SawLead",    S::Subtractive, Waveform::Saw,      0.5f,  12.0f, 0.00f, 0.008f, 0.25f, 0.70f, 0.10f,
     1800.0f, 2.0f, 0.15f, 0.35f, 0.25f, 5.8f, 0.22f, 0.6f, 0.38f},
    {"GrowlBass",  S::Subtractive, Waveform::Square,   0.5f,   7.0f, 0.15f, 0.004f, 0.20f, 0.70f, 0.06f,
     700.0f,  2.5f, 0.10f, 0.45f, 0.00f, 0.0f, 0.00f, 1.4f, 0.45f},
    {"PowerChord", S::Subtractive, Waveform::Saw,      0.5f,  14.0f, 0.00f, 0.005f, 0.30f, 0.55f, 0.12f,
     1500.0f, 1.2f, 0.12f, 0.20f, 0.00f, 0.0f, 0.00f, 2.2f, 0.20f},
    {"ChipLead",   S::Subtractive, Waveform::Square,   0.25f,  0.0f, 0.00f, 0.004f, 0.20f, 0.75f, 0.06f,
     5000.0f, 0.0f, 0.10f, 0.00f, 0.20f, 6.5f, 0.15f, 0.0f, 0.32f},
    {"ChipArp",    S::Subtractive, Waveform::Square,   0.125f, 0.0f, 0.00f, 0.002f, 0.10f, 0.30f, 0.04f,
     4500.0f, 0.0f, 0.10f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.20f},
    {"PulseBass",  S::Subtractive, Waveform::Square,   0.5f,   0.0f, 0.10f, 0.003f, 0.15f, 0.60f, 0.05f,
     600.0f,  3.0f, 0.07f, 0.60f, 0.00f, 0.0f, 0.00f, 0.3f, 0.50f},
    {"Bell",       S::Bell,        Waveform::Sine,     0.5f,   0.0f, 0.00f, 0.002f, 1.20f, 0.00f, 0.40f,
     0.0f,    0.0f, 0.00f, 0.00f, 0.00f, 0.0f, 0.00f, 0.0f, 0.40f},
    {"Brass",      S::Subtractive, Waveform::Saw,      0.5f,   6.0f, 0.00f, 0.030f, 0.25f, 0.80f, 0.10f,
     900.0f,  2.2f, 0.12f, 0.15f, 0.12f, 5.0f, 0.25f, 0.4f, 0.36f},
    {"Strings",    S::Subtractive, Waveform::Saw,      0.5f,   7.0f, 0.00f, 0.150f, 0.60f, 0.85f, 0.35f,
     2200.0f, 0.0f, 0.10f, 0.05f, 0.08f, 5.5f, 0.30f, 0.0f, 0.20f},
}};

}  // namespace

const InstrumentSpec& GetInstrument(InstrumentKind kind)
{
    return Instruments[static_cast<std::size_t>(kind)];
}

}  // namespace musicgen
